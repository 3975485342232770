// Doys.txt reading, the SearchKey tables and the byte-order quick search.
#include "model/doys_list.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <vector>

#include "model/errors.h"
#include "model/text1253.h"

namespace dz {
namespace {

DoysRow RowOfLine(const QString& line) {
    const qsizetype semicolon = line.indexOf(u';');
    if (semicolon < 0) return {QString(), line.left(kDoysCodeLength)};
    return {line.left(semicolon), line.mid(semicolon + 1, kDoysCodeLength)};
}

// The Windows-1253 code of each character; a character the code page cannot hold (never in
// a text read from the file, save U+FFFD for an undefined byte) sorts after every code.
std::vector<unsigned> CodeUnits(const QString& text) {
    std::vector<unsigned> codes;
    codes.reserve(static_cast<size_t>(text.size()));
    for (const QChar c : text) {
        char byte = 0;
        int written = 0;
        if (EncodeWin1253(QStringView(&c, 1), &byte, 1, &written) < 0) {
            codes.push_back(static_cast<unsigned char>(byte));
        } else {
            codes.push_back(0x100u + c.unicode());
        }
    }
    return codes;
}

bool BeginsWith(const std::vector<unsigned>& cell, const std::vector<unsigned>& prefix) {
    return cell.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), cell.begin());
}

bool SortsBefore(const std::vector<unsigned>& a, const std::vector<unsigned>& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end());
}

int Win1253Code(QChar c) {
    char byte = 0;
    int written = 0;
    if (EncodeWin1253(QStringView(&c, 1), &byte, 1, &written) >= 0) return -1;
    return static_cast<unsigned char>(byte);
}

// Why a file that is there could not be read: in the user's words where the cause is plain.
QString UnreadableReason(const QFile& file) {
    const QFileInfo info(file.fileName());
    if (info.isDir()) return QStringLiteral("είναι φάκελος, όχι αρχείο");
    if (!info.isReadable()) return QStringLiteral("δεν επιτρέπεται η ανάγνωσή του");
    return file.errorString();
}

}  // namespace

std::optional<QList<DoysRow>> ReadDoysFile(const QString& path) {
    QFile file(path);
    if (!file.exists()) return std::nullopt;
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError)
        throw IoError(QStringLiteral("Ο κατάλογος των Δ.Ο.Υ. δεν διαβάστηκε από το αρχείο %1: %2")
                          .arg(path, UnreadableReason(file)));
    return ParseDoysFile(bytes);
}

QList<DoysRow> ParseDoysFile(const QByteArray& bytes) {
    QList<DoysRow> rows;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const bool terminated = end >= 0;
        if (!terminated) end = bytes.size();
        qsizetype lineEnd = end;
        if (terminated && lineEnd > start && bytes[lineEnd - 1] == '\r') --lineEnd;
        rows.append(RowOfLine(DecodeWin1253(bytes.constData() + start, static_cast<int>(lineEnd - start))));
        start = end + 1;
    }
    return rows;
}

QChar SearchKey(QChar typed) {
    static const QString latinSmall = QStringLiteral("abgdezhuiklmnjoprstyfxcvw");
    static const QString latinCapital = QStringLiteral("ABGDEZHUIKLMNJOPRSTYFXCVWAEHIOYV");
    static const QString greekSmall = QStringLiteral("αβγδεζηθικλμνξοπρστυφχψωςάέήίόύώ");
    static const QString greekCapital = QStringLiteral("ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩΣΑΕΗΙΟΥΩ");
    QChar c = typed;
    if (const qsizetype i = latinSmall.indexOf(c); i >= 0) c = greekSmall.at(i);
    if (const qsizetype i = latinCapital.indexOf(c); i >= 0) c = greekCapital.at(i);
    if (const qsizetype i = greekSmall.indexOf(c); i >= 0) c = greekCapital.at(i);
    return c;
}

std::optional<QChar> QuickSearchCharacter(QChar typed) {
    const QChar key = SearchKey(typed);
    if (key == u' ' || key == u'.' || (key >= u'0' && key <= u'9')) return key;
    const int code = Win1253Code(key);
    if (code >= 65 && code <= 217) return key;
    return std::nullopt;
}

int QuickSearchRow(const QStringList& cells, const QString& text) {
    const std::vector<unsigned> t = CodeUnits(text);
    for (int r = 0; r < cells.size(); ++r) {
        const std::vector<unsigned> cell = CodeUnits(cells.at(r));
        if (BeginsWith(cell, t) || SortsBefore(t, cell)) return r;
    }
    if (!cells.isEmpty() && SortsBefore(CodeUnits(cells.constLast()), t)) return static_cast<int>(cells.size()) - 1;
    return -1;
}

}  // namespace dz
