// Greek text in the Windows-1253 code page: the files' and records' single-byte texts.
#pragma once
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <cstring>

namespace dz {

// Bytes that the code page leaves undefined decode to U+FFFD.
bool IsDefinedWin1253(uint8_t byte);
QChar Win1253ToChar(uint8_t byte);
QString DecodeWin1253(const char* bytes, int size);
// Index of the first byte the code page leaves undefined, or -1.
int FirstUndefinedWin1253(const char* bytes, int size);

// Encodes `text`; returns the index of the first character the code page cannot hold, or -1.
int EncodeWin1253(QStringView text, char* out, int capacity, int* written);

// A length-prefixed text of at most N single-byte characters, held as Windows-1253 bytes.
template <int N>
struct FixedText {
    static constexpr int kCapacity = N;
    uint8_t size = 0;
    std::array<char, N> data{};

    bool empty() const { return size == 0; }
    QString ToString() const { return DecodeWin1253(data.data(), size); }
    std::string_view Bytes() const { return {data.data(), size}; }
    // Bytes after `size` are not part of the text and may hold anything.
    void AssignBytes(const char* bytes, int count) {
        size = static_cast<uint8_t>(count < N ? count : N);
        if (size) std::memcpy(data.data(), bytes, size);
    }
    void Clear() { size = 0; }
    friend bool operator==(const FixedText& a, const FixedText& b) {
        return a.size == b.size && std::memcmp(a.data.data(), b.data.data(), a.size) == 0;
    }
};

// Stores `text` cut to `capacity` characters (as gathering a window does). A character
// the code page cannot hold is a DataError naming `field`: the box as the form shows it
// ("«ΟΝΟΜΑ» του υπόχρεου"), which the caller knows.
void AssignText(char* data, uint8_t& size, int maxSize, QStringView text, int capacity, const QString& field);

template <int N>
void AssignCut(FixedText<N>& target, QStringView text, const QString& field, int capacity = N) {
    AssignText(target.data.data(), target.size, N, text, capacity, field);
}

// Like AssignCut but a text longer than `capacity` is a DataError too.
void AssignTextStrict(char* data, uint8_t& size, int maxSize, QStringView text, int capacity, const QString& field);

template <int N>
void AssignStrict(FixedText<N>& target, QStringView text, const QString& field, int capacity = N) {
    AssignTextStrict(target.data.data(), target.size, N, text, capacity, field);
}

}  // namespace dz
