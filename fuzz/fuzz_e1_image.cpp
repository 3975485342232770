// E1 file image → record → JSON (the command line's dump) and back (its build), on any bytes.
#include <QJsonDocument>
#include <QJsonObject>
#include <cstring>

#include "fuzz_check.h"
#include "model/e1_declaration.h"
#include "model/errors.h"
#include "model/record_json.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace dz;
    E1Image image{};  // a short input is a file whose tail is zero
    std::memcpy(image.data(), data, std::min(size, image.size()));

    E1Declaration read;
    DecodeE1(image.data(), read);

    // What the program saves of what it read must read back to the same bytes.
    E1Image saved{};
    EncodeE1(read, saved.data());  // every value read from six bytes fits six bytes again
    E1Declaration again;
    DecodeE1(saved.data(), again);
    FUZZ_CHECK(again == read);

    QJsonObject json;
    try {
        json = E1ToJson(read);
    } catch (const Error&) {
        return 0;  // a text with a byte the code page leaves undefined: refused by name
    }
    // A dump must build back into the same file.
    const QByteArray text = QJsonDocument(json).toJson(QJsonDocument::Compact);
    const QJsonDocument parsed = QJsonDocument::fromJson(text);
    FUZZ_CHECK(parsed.isObject());
    E1Declaration built = E1FromJson(parsed.object());
    FUZZ_CHECK(built == read);
    E1Image rebuilt{};
    EncodeE1(built, rebuilt.data());
    FUZZ_CHECK(rebuilt == saved);
    return 0;
}
