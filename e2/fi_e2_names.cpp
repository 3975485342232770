// Roles of the E2 window's fields and the fields of each position, looked up in small tables.
#include "e2/fi_e2_names.h"

#include "model/e2_record.h"

namespace dz::e2 {
namespace {

struct NamedRole {
    const char* base;
    FieldRole role;
};

constexpr NamedRole kRoles[] = {
    {"edKat", FieldRole::Computed},          {"edGr", FieldRole::Computed},
    {"edGi", FieldRole::Computed},           {"edLi", FieldRole::Computed},
    {"edTotal", FieldRole::Computed},        {"edPlace", FieldRole::PickedText},
    {"edInUse", FieldRole::PickedText},      {"edPin2Place", FieldRole::PickedText},
    {"edPin2InUse", FieldRole::PickedText},  {"edPin3Place", FieldRole::PickedText},
    {"edPin3InUse", FieldRole::PickedText},  {"edEidosMist", FieldRole::PickedText},
    {"edThesiID", FieldRole::Identifier},    {"edXrisiID", FieldRole::Identifier},
    {"Label", FieldRole::RowLabel},
};

struct PositionTable {
    int first;
    int last;
    const char* floorField;
    const char* useField;
};

constexpr PositionTable kPositionTables[] = {
    {1, kE2Table1Rows, "edPlace%1", "edInUse%1"},
    {kE2Table1Rows + 1, kE2LeasePositions, "edPin2Place%1", "edPin2InUse%1"},
    {kE2LeasePositions + 1, kE2Positions, "edPin3Place%1", "edPin3InUse%1"},
};

QString PositionField(int position, const char* PositionTable::*field) {
    for (const PositionTable& table : kPositionTables)
        if (position >= table.first && position <= table.last)
            return QString::fromLatin1(table.*field).arg(position - table.first + 1);
    return QString();
}

qsizetype NumberStart(const QString& name) {
    qsizetype i = name.size();
    while (i > 0 && name[i - 1].isDigit()) --i;
    return i;
}

}  // namespace

QString BaseName(const QString& name) { return name.left(NumberStart(name)); }

int NameNumber(const QString& name) { return name.mid(NumberStart(name)).toInt(); }

FieldRole RoleOf(const QString& name) {
    const QString base = BaseName(name);
    for (const NamedRole& r : kRoles)
        if (base == QLatin1String(r.base)) return r.role;
    return FieldRole::Entry;
}

QString FloorFieldName(int position) { return PositionField(position, &PositionTable::floorField); }

QString UseFieldName(int position) { return PositionField(position, &PositionTable::useField); }

}  // namespace dz::e2
