// The information text's RTF reader, and its HTML for the text view, on any bytes.
#include <QByteArray>

#include "model/rtf_reader.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace dz;
    const QByteArray rtf = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const RtfDocument document = ReadRtf(rtf);  // never throws: damaged input gives the text read so far
    (void)document.text();
    (void)RtfToHtml(document);
    return 0;
}
