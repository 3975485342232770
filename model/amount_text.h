// The amount text: two decimals, decimal comma, full stops between thousands.
#pragma once
#include <QString>
#include <QStringView>
#include <optional>

namespace dz {

inline constexpr QChar kDecimalSeparator = u',';
inline constexpr QChar kThousandsSeparator = u'.';
// What an amount text holds so that it reads back as typed: 15 significant digits, of them
// at most 13 whole ones (two are left to the decimals).
inline constexpr int kAmountDigits = 15;
inline constexpr int kAmountWholeDigits = 13;

// 1234.5 -> "1.234,50"; rounds on the 18-significant-digit decimal expansion with halves
// away from zero (0.125 -> "0,13", 2.675 -> "2,67"); never "-0,00"; at most 15 significant digits.
// DataError for NaN or an infinity.
QString FormatAmount(double value);

// The same rounding for machine-readable text: two decimals after `decimalSeparator`, no
// thousands separators (1234.5, u'.' -> "1234.50").
QString FormatPlainAmount(double value, QChar decimalSeparator);

// Every thousands separator removed.
QString StripThousands(QStringView text);

// Reads a text with the decimal comma: optional blanks, optional sign, digits, optional comma
// and digits, optional blanks. No thousands separators. Empty optional when it is not a number.
std::optional<double> ParseDecimal(QStringView text);

// StripThousands, then ParseDecimal: reads an amount text back.
std::optional<double> ParseAmount(QStringView text);

// Reads a whole number (optional blanks and sign, digits) that fits 32 bits.
std::optional<int> ParseInteger(QStringView text);

}  // namespace dz
