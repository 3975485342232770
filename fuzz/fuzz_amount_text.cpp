// Amount and whole-number text read from any characters; amount text, also plain, written for any double.
#include <QRegularExpression>
#include <QString>
#include <cmath>
#include <cstring>

#include "fuzz_check.h"
#include "model/amount_text.h"
#include "model/errors.h"

namespace {

constexpr double kReal6Max = 1.7e38;

bool Matches(const QString& pattern, const QString& text) {
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text).hasMatch();
}

// Blanks as QStringView::trimmed() sees them.
QString Trimmed(const QString& text) { return text.trimmed(); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace dz;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    // A number is read only from what its grammar allows: blanks, one sign, digits (and one comma).
    if (ParseInteger(text)) FUZZ_CHECK(Matches(QStringLiteral("[+-]?[0-9]+"), Trimmed(text)));
    if (ParseDecimal(text)) FUZZ_CHECK(Matches(QStringLiteral("[+-]?(?=,?[0-9])[0-9]*(,[0-9]*)?"), Trimmed(text)));
    if (const auto amount = ParseAmount(text)) FUZZ_CHECK(std::isfinite(*amount));
    FUZZ_CHECK(!StripThousands(text).contains(kThousandsSeparator));

    // Any eight bytes as a double: NaN and the infinities are refused; otherwise the amount text
    // is well formed and, within the six-byte real's range (every stored amount), reads back to
    // the cent, to 15 significant digits for larger amounts. Near the double's own limit the
    // 15-digit rounding may step past it.
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        if (!std::isfinite(value)) {
            bool refused = false;
            try {
                FormatAmount(value);
            } catch (const DataError&) {
                refused = true;
            }
            FUZZ_CHECK(refused);
            return 0;
        }
        const QString shown = FormatAmount(value);
        FUZZ_CHECK(Matches(QStringLiteral("-?[0-9]{1,3}(\\.[0-9]{3})*,[0-9]{2}"), shown));
        FUZZ_CHECK(shown != QStringLiteral("-0,00"));
        FUZZ_CHECK(FormatPlainAmount(value, u'.') == StripThousands(shown).replace(kDecimalSeparator, u'.'));
        if (std::fabs(value) <= kReal6Max) {
            const auto back = ParseAmount(shown);
            FUZZ_CHECK(back.has_value());
            FUZZ_CHECK(std::fabs(*back - value) <= 0.0050001 + std::fabs(value) * 1e-14);
        }
    }
    return 0;
}
