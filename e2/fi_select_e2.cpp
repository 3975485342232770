// The looks and lists of the floor, use and lease-type pick dialogs.
#include "e2/fi_select_e2.h"

#include "e2calc/e2_lists.h"

namespace dz {
namespace {

constexpr PickListLook kFloorLook{u"Θέση", "rgThesi", u"Επιλογή Ορόφου", 5,
                                  u"Δεν έχετε δηλώσει την θέση του ακινήτου."};
constexpr PickListLook kUseLook{u"Χρήση", "rgXrisi", u"Επιλογή Χρήσης", 1,
                                u"Δεν έχετε δηλώσει την χρήση του ακινήτου."};
// "τo" carries a Latin o, as the message has always read.
constexpr PickListLook kLeaseLook{u"Είδος Μίσθωσης - Χρήση Ακινήτου", "rgEidosMist", u"Επιλογή Είδους Μίσθωσης", 2,
                                  u"Δεν έχετε δηλώσει τo είδος μίσθώσης του ακινήτου."};

QStringList Entries(QString (*entry)(int), int count) {
    QStringList list;
    for (int i = 0; i < count; ++i) list << entry(i);
    return list;
}

}  // namespace

TfiSelectE2Thesi::TfiSelectE2Thesi(QWidget* parent)
    : TfiSelectList(kFloorLook, Entries(&FloorListEntry, kFloorCount), parent) {
    setObjectName(QStringLiteral("fiSelectE2Thesi"));
}

TfiSelectE2Xrisi::TfiSelectE2Xrisi(QWidget* parent)
    : TfiSelectList(kUseLook, Entries(&UseListEntry, kUseCount), parent) {
    setObjectName(QStringLiteral("fiSelectE2Xrisi"));
}

TfiSelectE2EidosMist::TfiSelectE2EidosMist(QWidget* parent) : TfiSelectList(kLeaseLook, LeaseTypeList(), parent) {
    setObjectName(QStringLiteral("fiSelectE2EidosMist"));
}

}  // namespace dz
