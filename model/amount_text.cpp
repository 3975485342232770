// Amount text formatting and reading.
#include "model/amount_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

#include "model/errors.h"

namespace dz {
namespace {

constexpr int kExpansionDigits = 18;
constexpr int kMaxSignificant = 15;

// Decimal digits of the whole number of cents, rounded as the amount text rounds.
std::string CentsDigits(double magnitude) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*e", kExpansionDigits - 1, magnitude);
    std::string digits;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digits.push_back(*p);
    const int exponent = std::atoi(p + 1);  // the first digit stands at 10^exponent

    int keep = exponent + 3;  // digits down to the hundredths
    if (keep > kMaxSignificant) keep = kMaxSignificant;
    if (keep < 0) return "0";
    const bool roundUp = keep < kExpansionDigits && digits[keep] >= '5';
    std::string kept = digits.substr(0, keep);
    if (roundUp) {
        int i = keep - 1;
        for (; i >= 0 && kept[i] == '9'; --i) kept[i] = '0';
        if (i >= 0) ++kept[i];
        else kept.insert(kept.begin(), '1');
    }
    kept.append(static_cast<size_t>(exponent + 3 - keep), '0');
    const size_t first = kept.find_first_not_of('0');
    return first == std::string::npos ? std::string("0") : kept.substr(first);
}

// An amount rounded to the cent: its sign and the decimal digits of its whole cents, at least three.
struct Cents {
    bool negative = false;
    std::string digits;
};

// DataError for NaN or an infinity: no amount text can show it, and "0,00" would hide the fault.
Cents RoundToCents(double value) {
    if (!std::isfinite(value))
        throw DataError(QStringLiteral("Εσωτερικό σφάλμα: το ποσό δεν είναι πεπερασμένος αριθμός"));
    Cents cents{value < 0, value == 0.0 ? std::string("0") : CentsDigits(std::fabs(value))};
    if (cents.digits == "0") cents.negative = false;  // never "-0,00"
    if (cents.digits.size() < 3) cents.digits.insert(0, 3 - cents.digits.size(), '0');
    return cents;
}

}  // namespace

QString FormatAmount(double value) {
    const Cents cents = RoundToCents(value);
    const std::string& digits = cents.digits;
    const size_t whole = digits.size() - 2;
    QString text;
    text.reserve(static_cast<int>(digits.size() + digits.size() / 3 + 2));
    if (cents.negative) text += u'-';
    for (size_t i = 0; i < whole; ++i) {
        if (i > 0 && (whole - i) % 3 == 0) text += kThousandsSeparator;
        text += QChar(digits[i]);
    }
    text += kDecimalSeparator;
    text += QChar(digits[whole]);
    text += QChar(digits[whole + 1]);
    return text;
}

QString FormatPlainAmount(double value, QChar decimalSeparator) {
    const Cents cents = RoundToCents(value);
    QString text = QString::fromLatin1(cents.digits.data(), static_cast<qsizetype>(cents.digits.size()));
    text.insert(text.size() - 2, decimalSeparator);
    if (cents.negative) text.prepend(u'-');
    return text;
}

QString StripThousands(QStringView text) {
    QString out = text.toString();
    out.remove(kThousandsSeparator);
    return out;
}

std::optional<double> ParseDecimal(QStringView text) {
    QStringView t = text.trimmed();
    std::string ascii;
    ascii.reserve(t.size());
    int i = 0;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) {
        if (t[i] == u'-') ascii.push_back('-');
        ++i;
    }
    int digits = 0;
    bool comma = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c >= u'0' && c <= u'9') {
            ascii.push_back(static_cast<char>(c.unicode()));
            ++digits;
        } else if (c == kDecimalSeparator && !comma) {
            comma = true;
            ascii.push_back('.');
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) return std::nullopt;
    double value = 0;
    const char* begin = ascii.data();
    if (*begin == '.') {  // from_chars needs a digit before the point
        ascii.insert(ascii.begin(), '0');
        begin = ascii.data();
    } else if (ascii.size() > 1 && ascii[0] == '-' && ascii[1] == '.') {
        ascii.insert(ascii.begin() + 1, '0');
        begin = ascii.data();
    }
    const auto [end, ec] = std::from_chars(begin, ascii.data() + ascii.size(), value);
    if (ec != std::errc() || end != ascii.data() + ascii.size()) return std::nullopt;
    return value;
}

std::optional<double> ParseAmount(QStringView text) { return ParseDecimal(StripThousands(text)); }

std::optional<int> ParseInteger(QStringView text) {
    const QByteArray ascii = text.trimmed().toLatin1();
    if (ascii.isEmpty()) return std::nullopt;
    const char* begin = ascii.constData();
    if (*begin == '+' && ascii.size() > 1 && ascii[1] != '-') ++begin;  // "+5", never "+-5"
    int value = 0;
    const auto [end, ec] = std::from_chars(begin, ascii.constData() + ascii.size(), value);
    if (ec != std::errc() || end != ascii.constData() + ascii.size()) return std::nullopt;
    return value;
}

}  // namespace dz
