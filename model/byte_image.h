// Reading and writing record fields at fixed offsets of a little-endian byte image.
#pragma once
#include <QString>
#include <array>
#include <cstdint>
#include <cstring>

#include "model/real6.h"
#include "model/text1253.h"

namespace dz {

// The name of the field being visited, for error messages ("Car[3].Cc").
class FieldPath {
public:
    void Enter(const char* group, int index) { group_ = group; index_ = index; }
    void Leave() { group_ = nullptr; }
    QString Name(const char* field) const;

private:
    const char* group_ = nullptr;
    int index_ = -1;
};

// Fills a record from an image. A text whose length byte exceeds the field's capacity is
// read to its capacity; a six-byte real is read exactly.
class ImageReader {
public:
    explicit ImageReader(const uint8_t* image) : b_(image) {}
    void Element(const char*, int) {}
    void Single(const char*) {}
    void End() {}
    void Int32(const char*, int off, int32_t& x) { std::memcpy(&x, b_ + off, 4); }
    void Int16(const char*, int off, int16_t& x) { std::memcpy(&x, b_ + off, 2); }
    void UInt8(const char*, int off, uint8_t& x) { x = b_[off]; }
    void Bool(const char*, int off, bool& x) { x = b_[off] != 0; }
    // A flag stored as a one-character text: "*" when set.
    void StarFlag(const char*, int off, bool& x) { x = b_[off] >= 1 && b_[off + 1] == '*'; }
    void Real(const char*, int off, double& x) { x = Real6ToDouble(b_ + off); }
    template <size_t N>
    void Flags(const char*, int off, std::array<uint8_t, N>& x) { std::memcpy(x.data(), b_ + off, N); }
    template <int N>
    void Text(const char*, int off, FixedText<N>& t, int capacity = N) {
        t.size = static_cast<uint8_t>(b_[off] < capacity ? b_[off] : capacity);
        // The whole field is copied: a copy of known size needs no call and no branch, and the
        // bytes after the text are not part of it.
        if (capacity == N) std::memcpy(t.data.data(), b_ + off + 1, N);
        else std::memcpy(t.data.data(), b_ + off + 1, capacity);
    }

private:
    const uint8_t* b_;
};

// Writes a record's fields into an image; bytes not named by a field are left alone.
class ImageWriter {
public:
    explicit ImageWriter(uint8_t* image) : b_(image) {}
    void Element(const char* group, int index) { path_.Enter(group, index); }
    void Single(const char* group) { path_.Enter(group, -1); }
    void End() { path_.Leave(); }
    void Int32(const char*, int off, int32_t x) { std::memcpy(b_ + off, &x, 4); }
    void Int16(const char*, int off, int16_t x) { std::memcpy(b_ + off, &x, 2); }
    void UInt8(const char*, int off, uint8_t x) { b_[off] = x; }
    void Bool(const char*, int off, bool x) { b_[off] = x ? 1 : 0; }
    void StarFlag(const char*, int off, bool x) {
        b_[off] = x ? 1 : 0;
        if (x) b_[off + 1] = '*';
    }
    void Real(const char* name, int off, double x) {
        if (!TryDoubleToReal6(x, b_ + off)) [[unlikely]]
            ThrowOverflow(name, x);
    }
    template <size_t N>
    void Flags(const char*, int off, const std::array<uint8_t, N>& x) { std::memcpy(b_ + off, x.data(), N); }
    template <int N>
    void Text(const char*, int off, const FixedText<N>& t, int capacity = N) {
        const int length = t.size < capacity ? t.size : capacity;
        b_[off] = static_cast<uint8_t>(length);
        std::memcpy(b_ + off + 1, t.data.data(), length);
    }

private:
    [[noreturn]] void ThrowOverflow(const char* name, double x) const;
    uint8_t* b_;
    FieldPath path_;
};

}  // namespace dz
