// Errors raised by the core; a command's boundary catches them and shows their text.
#pragma once
#include <QString>
#include <stdexcept>

namespace dz {

// Base of every error the program reports to the user; `message()` is the text shown.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

// A value that its field cannot hold (range, encoding, overflow).
class DataError : public Error {
    using Error::Error;
};

// A file that cannot be read or written.
class IoError : public Error {
    using Error::Error;
};

}  // namespace dz
