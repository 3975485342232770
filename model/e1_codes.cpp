// The code boxes of the four E1 pages and the special-cases page, as the form lists them.
#include "model/e1_codes.h"

#include <QStringList>
#include <array>

namespace dz {
namespace {

struct CodeGroup {
    int page;
    CodeKind kind;
    const char* codes;  // codes and ranges as printed on the form
};

constexpr CodeGroup kGroups[] = {
    {0, CodeKind::YesNo, "001, 002, 007-018, 023-026, 029, 030, 319, 320, 327-331, 385, 386, 889, 890, 905, 906, 913, 914"},
    {0, CodeKind::Integer, "005, 006"},
    {0, CodeKind::Amount, "255, 256, 301-304, 307-316, 321, 322, 325, 326, 333, 334, 343-352, 389-394, 651, 652"},
    {1, CodeKind::Integer, "201, 202"},
    {1, CodeKind::Amount,
     "101-114, 129, 130, 141-150, 251-254, 257-268, 291-298, 401-404, 409-416, 425-428, 461-470, 475, 476, "
     "601, 602, 605, 606, 611, 612, 653, 654, 667-684, 801-803, 991"},
    {2, CodeKind::YesNo, "203-205, 207, 209, 240-242"},
    {2, CodeKind::Integer, "211-215, 218-222, 225-229, 231-236, 961-963, 965, 966"},
    {2, CodeKind::Amount,
     "115-124, 131-134, 159, 160, 163-166, 171, 172, 175, 176, 216, 223, 230, 707, 708, 711-716, 719-728, "
     "731, 732, 735, 736, 740-744, 749, 759, 760, 765, 766, 769, 770, 825-830, 851-868, 871, 872, 992-994"},
    {3, CodeKind::YesNo, "033-036, 092, 094, 096, 846-849"},
    {3, CodeKind::Integer, "003, 004, 097-099"},
    {3, CodeKind::Amount,
     "031, 032, 049, 051, 052, 059-062, 075-078, 305, 306, 335, 336, 419, 420, 431-434, 613, 614, 617-620, "
     "655-664, 781-784, 787, 788, 804-806, 811-817, 819, 821, 823, 901, 902, 995-998"},
    {kSpecialCasesPage, CodeKind::YesNo, "777, 778, 887, 888"},
    {kSpecialCasesPage, CodeKind::Integer, "931-936"},
    {kSpecialCasesPage, CodeKind::Amount, "093, 095"},  // hidden carriers of two check boxes
};

constexpr int kCodeCount = 1001;

struct Table {
    std::array<CodeKind, kCodeCount> kind{};
    std::array<int, kCodeCount> page{};
    std::vector<E1CodeBox> boxes;

    Table() {
        page.fill(-1);
        for (const CodeGroup& g : kGroups) {
            for (const QString& item : QString::fromLatin1(g.codes).split(u',')) {
                const QStringList bounds = item.trimmed().split(u'-');
                const int first = bounds.first().toInt();
                const int last = bounds.last().toInt();
                for (int c = first; c <= last; ++c) {
                    kind[c] = g.kind;
                    page[c] = g.page;
                }
            }
        }
        for (int c = 0; c < kCodeCount; ++c)
            if (kind[c] != CodeKind::None) boxes.push_back({c, kind[c], page[c]});
    }
};

const Table& Codes() {
    static const Table table;
    return table;
}

}  // namespace

const std::vector<E1CodeBox>& E1CodeBoxes() { return Codes().boxes; }

CodeKind KindOfCode(int code) { return code >= 0 && code < kCodeCount ? Codes().kind[code] : CodeKind::None; }

int PageOfCode(int code) { return code >= 0 && code < kCodeCount ? Codes().page[code] : -1; }

QString CodeControlName(int code) {
    const QString digits = QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0'));
    if (code == 93 || code == 95) return QStringLiteral("edp") + digits;
    return (KindOfCode(code) == CodeKind::YesNo ? QStringLiteral("cbP") : QStringLiteral("edP")) + digits;
}

}  // namespace dz
