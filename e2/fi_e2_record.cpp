// The E2 window and its record: which field shows which record field, showing, collecting, the calculation mode.
#include <QToolButton>
#include <algorithm>
#include <cstring>

#include "controls/edit_int.h"
#include "controls/edit_real.h"
#include "controls/stored_text.h"
#include "e2calc/e2_lists.h"
#include "e2/fi_e2.h"
#include "e2/fi_e2_names.h"
#include "model/e2_layout.h"
#include "model/errors.h"

namespace dz {
namespace {

// Record fields (by the names of the record layout) and the controls that show them; "%1" is
// the row or position of the field's group.
struct Binding {
    const char* group;
    const char* field;
    const char* control;
};

constexpr Binding kBindings[] = {
    {nullptr, "Afm", "edAFM"},
    {nullptr, "Surname", "edBigName"},
    {nullptr, "FirstName", "edName"},
    {nullptr, "FatherName", "edFatherName"},
    {"Table1", "Location", "edTopos%1"},
    {"Table1", "FloorText", "edPlace%1"},
    {"Table1", "UseText", "edInUse%1"},
    {"Table1", "Surface", "edSurfa%1"},
    {"Table1", "TenantName", "edEName%1"},
    {"Table1", "TenantAfm", "edAFM%1"},
    {"Table1", "From", "edDate1%1"},
    {"Table1", "To", "edDate2%1"},
    {"Table1", "Months", "edMonths%1"},
    {"Table1", "Rent", "edEnoikio%1"},
    {"Table1", "Share", "edSinid%1"},
    {"Table1", "Col13", "edKat%1"},
    {"Table1", "Col14", "edGr%1"},
    {"Table1", "Col15", "edGi%1"},
    {"Table1", "Col16", "edLi%1"},
    {"Table2", "Location", "edPin2Topos%1"},
    {"Table2", "FloorText", "edPin2Place%1"},
    {"Table2", "UseText", "edPin2InUse%1"},
    {"Table2", "Surface", "edPin2Surfa%1"},
    {"Table2", "CoOwnerName", "edPin2SName%1"},
    {"Table2", "CoOwnerAfm", "edPin2SAFM%1"},
    {"Table2", "CoOwnerAddress", "edPin2Addre%1"},
    {"Table2", "Share", "edPin2Sinid%1"},
    {"Table2", "RentPaid", "edPin2Misto%1"},
    {"Table3", "Location", "edPin3Topos%1"},
    {"Table3", "FloorText", "edPin3Place%1"},
    {"Table3", "UseText", "edPin3InUse%1"},
    {"Table3", "Surface", "edPin3Surfa%1"},
    {"Table3", "Title", "edPin3Title%1"},
    {"Totals", "", "edTotal%1"},
    {"UseId", "", "edXrisiID%1"},
    {"FloorId", "", "edThesiID%1"},
    {"SupplyNo", "", "edParoxesDEH%1"},
    {"LeaseType", "", "edEidosMist%1"},
    {"LeaseDeclNo", "", "edArMist%1"},
};

bool SameName(const char* a, const char* b) { return a == b || (a && b && std::strcmp(a, b) == 0); }

// Walks the record layout and finds the control of each field.
class FieldVisitor {
public:
    explicit FieldVisitor(const TfiE2& window) : window_(window) {}
    void Element(const char* group, int index) {
        group_ = group;
        index_ = index;
    }
    void End() { group_ = nullptr; }

protected:
    template <typename T>
    T* Bound(const char* field) {
        for (const Binding& b : kBindings) {
            if (!SameName(b.group, group_) || std::strcmp(b.field, field) != 0) continue;
            name_ = group_ ? QString::fromLatin1(b.control).arg(index_ + 1) : QString::fromLatin1(b.control);
            return window_.ControlAs<T>(name_);
        }
        return nullptr;
    }

private:
    const TfiE2& window_;
    const char* group_ = nullptr;
    int index_ = 0;
    QString name_;
};

// Record to window.
class ShowVisitor : public FieldVisitor {
public:
    using FieldVisitor::FieldVisitor;
    void Int32(const char*, int, int32_t) {}
    void Bool(const char*, int, bool) {}
    template <size_t N>
    void Flags(const char*, int, const std::array<uint8_t, N>&) {}
    template <int N>
    void Text(const char* field, int, const FixedText<N>& text) {
        if (auto* edit = Bound<QLineEdit>(field)) SetStoredText(edit, text.ToString());
    }
    void Real(const char* field, int, double value) {
        if (auto* edit = Bound<TEditReal>(field)) edit->SetValue(value);
    }
    void UInt8(const char* field, int, uint8_t value) {
        if (auto* edit = Bound<TEditInt>(field)) edit->SetValue(value);
    }
};

// Window to record.
class CollectVisitor : public FieldVisitor {
public:
    using FieldVisitor::FieldVisitor;
    void Int32(const char*, int, int32_t&) {}
    void Bool(const char*, int, bool&) {}
    template <size_t N>
    void Flags(const char*, int, std::array<uint8_t, N>&) {}
    template <int N>
    void Text(const char* field, int, FixedText<N>& text) {
        if (auto* edit = Bound<QLineEdit>(field)) AssignCut(text, edit->text(), edit->accessibleName());
    }
    void Real(const char* field, int, double& value) {
        if (auto* edit = Bound<TEditReal>(field)) value = edit->Value();
    }
    void UInt8(const char* field, int, uint8_t& value) {
        if (auto* edit = Bound<TEditInt>(field)) value = static_cast<uint8_t>(std::clamp(edit->Value(), 0, 255));
    }
};

void OpenForEntry(QLineEdit* field) {
    field->setEnabled(true);
    field->setReadOnly(false);
    field->setFocusPolicy(Qt::StrongFocus);
}

}  // namespace

void TfiE2::ClearFields() {
    for (QLineEdit* field : fields_) {
        if (auto* amount = qobject_cast<TEditReal*>(field)) amount->SetValue(0);
        else if (auto* whole = qobject_cast<TEditInt*>(field)) whole->SetValue(0);
        else field->clear();
    }
}

void TfiE2::ShowRecord() {
    const E2Record& record = Record();
    ClearFields();
    ShowVisitor show(*this);
    VisitE2Layout(record, show);
    // The use is shown by its long name, whatever short text the row kept.
    for (int p = 1; p <= kE2Positions; ++p)
        if (const int use = record.UseId[p - 1]; use != 0)
            ControlAs<QLineEdit>(e2::UseFieldName(p))->setText(UseLongName(use));
    sbCalcOff->setChecked(!record.CalcOff);
    UpdateCalcCaption();
    RecalculateAll();
}

void TfiE2::CollectRecord() {
    StopAtRefusedField();
    E2Record collected{};
    collected.Tag = Record().Tag;
    CollectVisitor collect(*this);
    VisitE2Layout(collected, collect);
    DeriveIncomeFlags(collected);
    collected.CalcOff = !sbCalcOff->isChecked();
    Record() = collected;
}

void TfiE2::ApplyCalcMode() {
    if (Record().CalcOff) {
        for (QLineEdit* field : fields_)
            if (qobject_cast<TEditReal*>(field) || qobject_cast<TEditInt*>(field)) OpenForEntry(field);
        return;
    }
    for (QLineEdit* field : fields_) {
        if (e2::RoleOf(field->objectName()) != e2::FieldRole::Computed) continue;
        field->setEnabled(false);
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
    }
}

void TfiE2::OpenColumn(TEditReal* column) { OpenForEntry(column); }

}  // namespace dz
