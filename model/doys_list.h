// The tax-office list without widgets: reading WParams/Doys.txt, SearchKey and the quick search.
#pragma once
#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace dz {

// One line of Doys.txt: the text before the first ";" and at most 20 characters after it.
struct DoysRow {
    QString description;
    QString code;
    friend bool operator==(const DoysRow&, const DoysRow&) = default;
};

inline constexpr int kDoysCodeLength = 20;

// The lines of the file's Windows-1253 bytes in file order. A line ends at LF, with a CR just
// before the LF belonging to the line end; a last line without line end counts, an empty file
// has no lines. A line without ";" has an empty description and its first 20 characters as
// code; empty lines give empty rows; nothing is trimmed.
QList<DoysRow> ParseDoysFile(const QByteArray& bytes);

// The rows of the file at `path`; nothing when there is no such file. IoError naming the file
// and the reason when it is there but cannot be read: an empty list would hide the fault.
std::optional<QList<DoysRow>> ReadDoysFile(const QString& path);

// Whatever the user types turned into the Greek capital the list holds: Latin small letters
// by the Greek keyboard layout (a → Α, u → Θ, j → Ξ, w → Σ), Latin capitals the same
// (W → Σ), Greek small letters, accented vowels and ς to plain capitals; anything else as is.
QChar SearchKey(QChar typed);

// The character that typing `typed` in the grid appends to the quick-search text: SearchKey
// of it when that is a blank, ".", a digit or a Windows-1253 code from 65 to 217; otherwise
// nothing (the key is not part of a search).
std::optional<QChar> QuickSearchCharacter(QChar typed);

// The quick search over the cells of the search column, data rows in grid order (index 0 is
// the first data row): the first row whose cell begins with `text` or sorts after it; when
// none does and `text` sorts after the last cell, the last row; otherwise -1 (the current row
// stays). Cells and text are compared by their Windows-1253 codes, byte by byte, case
// sensitive. Used by the tax-office list; fits any grid sorted by that column.
int QuickSearchRow(const QStringList& cells, const QString& text);

}  // namespace dz
