// The Windows-1253 code page as two tables built once from Qt's codec.
#include "model/text1253.h"

#include <QStringDecoder>
#include <vector>

#include "model/errors.h"

namespace dz {
namespace {

struct CodePage {
    std::array<char16_t, 256> toUnicode{};
    std::vector<uint8_t> fromUnicode = std::vector<uint8_t>(0x10000, 0);  // 0: not in the code page
    std::array<bool, 256> defined{};

    CodePage() {
        QStringDecoder decoder("windows-1253");
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const QString s = decoder.decode(QByteArrayView(&byte, 1));
            const char16_t u = s.size() == 1 ? s.at(0).unicode() : 0xFFFD;
            toUnicode[b] = u;
            defined[b] = u != 0xFFFD;
            if (defined[b] && b != 0) fromUnicode[u] = static_cast<uint8_t>(b);
        }
        // Bytes left undefined by the code page, whatever the codec makes of them.
        for (int b : {0x81, 0x88, 0x8A, 0x8C, 0x8D, 0x8E, 0x8F, 0x90, 0x98, 0x9A, 0x9C, 0x9D, 0x9E, 0x9F, 0xAA, 0xD2, 0xFF}) {
            if (defined[b]) fromUnicode[toUnicode[b]] = 0;
            defined[b] = false;
            toUnicode[b] = 0xFFFD;
        }
    }
};

const CodePage& Page() {
    static const CodePage page;
    return page;
}

int Encode(QStringView text, char* out, int capacity, int* written) {
    const CodePage& page = Page();
    const int n = std::min<int>(text.size(), capacity);
    for (int i = 0; i < n; ++i) {
        const char16_t u = text[i].unicode();
        const uint8_t b = page.fromUnicode[u];
        if (b == 0) {
            if (u != 0) return i;
        }
        out[i] = static_cast<char>(b);
    }
    *written = n;
    return -1;
}

[[noreturn]] void ThrowUnencodable(QStringView text, int index, const QString& field) {
    throw DataError(InBox(QStringLiteral("Ο χαρακτήρας «%1» δεν υπάρχει στην ελληνική κωδικοσελίδα Windows-1253")
                              .arg(text.mid(index, 1).toString()),
                          field));
}

}  // namespace

bool IsDefinedWin1253(uint8_t byte) { return Page().defined[byte]; }
QChar Win1253ToChar(uint8_t byte) { return QChar(Page().toUnicode[byte]); }

QString DecodeWin1253(const char* bytes, int size) {
    const CodePage& page = Page();
    QString s(size, Qt::Uninitialized);
    QChar* out = s.data();
    for (int i = 0; i < size; ++i) out[i] = QChar(page.toUnicode[static_cast<uint8_t>(bytes[i])]);
    return s;
}

int FirstUndefinedWin1253(const char* bytes, int size) {
    const CodePage& page = Page();
    for (int i = 0; i < size; ++i)
        if (!page.defined[static_cast<uint8_t>(bytes[i])]) return i;
    return -1;
}

int EncodeWin1253(QStringView text, char* out, int capacity, int* written) {
    return Encode(text, out, capacity, written);
}

void AssignText(char* data, uint8_t& size, int maxSize, QStringView text, int capacity, const QString& field) {
    char buffer[256];
    int written = 0;
    const int bad = Encode(text, buffer, std::min(capacity, maxSize), &written);
    if (bad >= 0) ThrowUnencodable(text, bad, field);
    std::memcpy(data, buffer, written);
    size = static_cast<uint8_t>(written);
}

void AssignTextStrict(char* data, uint8_t& size, int maxSize, QStringView text, int capacity, const QString& field) {
    if (text.size() > std::min(capacity, maxSize))
        throw DataError(InBox(QStringLiteral("Το κείμενο χωράει έως %1 χαρακτήρες· δόθηκαν %2")
                                  .arg(std::min(capacity, maxSize))
                                  .arg(text.size()),
                              field));
    AssignText(data, size, maxSize, text, capacity, field);
}

}  // namespace dz
