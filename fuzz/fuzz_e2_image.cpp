// E2 file image → record → JSON (the command line's dump) and back (its build), on any bytes.
#include <QJsonDocument>
#include <QJsonObject>
#include <cstring>

#include "fuzz_check.h"
#include "model/e2_record.h"
#include "model/errors.h"
#include "model/record_json.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace dz;
    E2Image image{};  // a short input is a file whose tail is zero
    std::memcpy(image.data(), data, std::min(size, image.size()));

    E2Record read;
    DecodeE2(image.data(), read);

    E2Image saved{};
    EncodeE2(read, saved.data());  // every value read from six bytes fits six bytes again
    E2Record again;
    DecodeE2(saved.data(), again);
    FUZZ_CHECK(again == read);

    QJsonObject json;
    try {
        json = E2ToJson(read);
    } catch (const Error&) {
        return 0;  // a text with a byte the code page leaves undefined: refused by name
    }
    const QByteArray text = QJsonDocument(json).toJson(QJsonDocument::Compact);
    const QJsonDocument parsed = QJsonDocument::fromJson(text);
    FUZZ_CHECK(parsed.isObject());
    // build derives the income-column flags from the lease types, as saving does.
    E2Record expected = read;
    DeriveIncomeFlags(expected);
    const E2Record built = E2FromJson(parsed.object());
    FUZZ_CHECK(built == expected);
    return 0;
}
