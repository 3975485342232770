// JSON text → E1 and E2 records (the command line's build): refused cleanly or written and read back stably.
#include <QJsonDocument>
#include <QJsonObject>

#include "fuzz_check.h"
#include "model/e1_declaration.h"
#include "model/e2_record.h"
#include "model/errors.h"
#include "model/record_json.h"

namespace {

template <class Record, class Image, class FromJson, class Encode, class Decode, class ToJson>
void BuildAndReadBack(const QJsonObject& json, FromJson fromJson, Encode encode, Decode decode, ToJson toJson) {
    Record record;
    try {
        record = fromJson(json);
    } catch (const dz::Error&) {
        return;  // bad input, named
    }
    Image image{};
    encode(record, image.data());  // what the JSON reader accepted fits the file
    Record read;
    decode(image.data(), read);
    // The file is what the program reads from now on: writing it again changes nothing.
    Image again{};
    encode(read, again.data());
    FUZZ_CHECK(again == image);
    // And it dumps again without error (texts came in as valid Windows-1253).
    (void)toJson(read);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace dz;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<int>(size)));
    if (!document.isObject()) return 0;
    const QJsonObject json = document.object();
    BuildAndReadBack<E1Declaration, E1Image>(json, E1FromJson, EncodeE1, DecodeE1, E1ToJson);
    BuildAndReadBack<E2Record, E2Image>(json, E2FromJson, EncodeE2, DecodeE2, E2ToJson);
    return 0;
}
