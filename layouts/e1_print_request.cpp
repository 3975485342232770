// The E1 reports of a print request.
#include "layouts/e1_print_request.h"

#include "layouts/e1_fill.h"
#include "report/report_font.h"

namespace dz {

std::unique_ptr<E1PrintPage> MakeE1Page(E1Sheet sheet) {
    switch (sheet) {
    case E1Sheet::Page1:
        return std::make_unique<TfiE11PrnFull>();
    case E1Sheet::Page2:
        return std::make_unique<TfiE12PrnFull>();
    case E1Sheet::Page3:
        return std::make_unique<TfiE13PrnFull>();
    case E1Sheet::Page4:
        return std::make_unique<TfiE14PrnFull>();
    case E1Sheet::Sheet41:
        return std::make_unique<TfiE1_41_Prn>();
    case E1Sheet::Sheet23:
        return std::make_unique<TfiE1_23_Prn>();
    }
    return nullptr;
}

std::unique_ptr<E1PrintPage> BuildE1Page(E1Sheet sheet, const E1Declaration& declaration, bool coloured,
                                         const QString& family) {
    std::unique_ptr<E1PrintPage> page = MakeE1Page(sheet);
    report::ApplyReportFont(page->report, family);
    FillE1Report(*page, declaration, coloured);
    return page;
}

std::vector<E1Sheet> E1SheetsOf(bool a3, const std::array<bool, 4>& ticked) {
    static constexpr E1Sheet kA4[] = {E1Sheet::Page1, E1Sheet::Page2, E1Sheet::Page3, E1Sheet::Page4};
    static constexpr E1Sheet kA3[] = {E1Sheet::Sheet41, E1Sheet::Sheet23};
    std::vector<E1Sheet> sheets;
    const int count = a3 ? 2 : 4;
    for (int i = 0; i < count; ++i)
        if (ticked[i]) sheets.push_back(a3 ? kA3[i] : kA4[i]);
    return sheets;
}

void SetE1SingleSidedMargins(E1PrintPage& page) {
    page.report.setTopMargin(kE1SingleSidedMarginMm);
    page.report.setBottomMargin(kE1SingleSidedMarginMm);
}

}  // namespace dz
