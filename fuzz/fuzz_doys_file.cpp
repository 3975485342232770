// The tax-office list file WParams/Doys.txt read from any bytes.
#include <QByteArray>

#include "model/doys_list.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace dz;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QList<DoysRow> rows = ParseDoysFile(bytes);
    FUZZ_CHECK(rows.size() <= bytes.count('\n') + 1);
    for (const DoysRow& row : rows) {
        FUZZ_CHECK(row.code.size() <= kDoysCodeLength);
        FUZZ_CHECK(!row.description.contains(u'\n') && !row.code.contains(u'\n'));
    }
    return 0;
}
