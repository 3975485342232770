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

// The texts that refuse a typed number, naming the box as the form shows it (`box`, from the
// caller that knows the form; empty for none): "Το «1-2» δεν είναι έγκυρο ποσό (κωδικός 301)."
inline QString InBox(const QString& sentence, const QString& box) {
    return box.isEmpty() ? sentence + u'.' : QStringLiteral("%1 (%2).").arg(sentence, box);
}
inline QString NotAnIntegerText(const QString& text, const QString& box) {
    return InBox(QStringLiteral("Το «%1» δεν είναι έγκυρος ακέραιος αριθμός").arg(text), box);
}
inline QString NotAnAmountText(const QString& text, const QString& box) {
    return InBox(QStringLiteral("Το «%1» δεν είναι έγκυρο ποσό").arg(text), box);
}
inline QString OutOfRangeText(const QString& text, qint64 min, qint64 max, const QString& box) {
    return InBox(QStringLiteral("Το «%1» είναι εκτός ορίων: δεκτές τιμές από %2 έως %3").arg(text).arg(min).arg(max),
                 box);
}

}  // namespace dz
