// Where every field of the E2 record lives in its 7620-byte file image.
#pragma once
#include "model/e2_record.h"

namespace dz {

template <class R, class V>
void VisitE2Layout(R& r, V& v) {
    v.Int32("Tag", 0, r.Tag);
    v.Text("Afm", 4, r.Afm);
    v.Text("Surname", 17, r.Surname);
    v.Text("FirstName", 58, r.FirstName);
    v.Text("FatherName", 153, r.FatherName);
    static constexpr const char* kIncome[kE2IncomeColumns] = {"Col13", "Col14", "Col15", "Col16"};
    for (int i = 0; i < kE2Table1Rows; ++i) {
        const int at = 251 + 162 * i;
        auto& row = r.Table1[i];
        v.Element("Table1", i);
        v.Text("Location", at, row.Location);
        v.Text("FloorText", at + 31, row.FloorText);
        v.Text("UseText", at + 36, row.UseText);
        v.Text("Surface", at + 41, row.Surface);
        v.Text("TenantName", at + 47, row.TenantName);
        v.Text("TenantAfm", at + 71, row.TenantAfm);
        v.Text("From", at + 84, row.From);
        v.Text("To", at + 95, row.To);
        v.Real("Months", at + 106, row.Months);
        v.Real("Rent", at + 112, row.Rent);
        v.Text("Share", at + 118, row.Share);
        for (int c = 0; c < kE2IncomeColumns; ++c) v.Real(kIncome[c], at + 127 + 6 * c, row.Income[c]);
        v.Flags("IncomeFlags", at + 157, row.IncomeFlags);
        v.End();
    }
    for (int i = 0; i < kE2Table2Rows; ++i) {
        const int at = 2843 + 137 * i;
        auto& row = r.Table2[i];
        v.Element("Table2", i);
        v.Text("Location", at, row.Location);
        v.Text("FloorText", at + 31, row.FloorText);
        v.Text("UseText", at + 36, row.UseText);
        v.Text("Surface", at + 41, row.Surface);
        v.Text("CoOwnerName", at + 46, row.CoOwnerName);
        v.Text("CoOwnerAfm", at + 77, row.CoOwnerAfm);
        v.Text("CoOwnerAddress", at + 90, row.CoOwnerAddress);
        v.Text("Share", at + 125, row.Share);
        v.Real("RentPaid", at + 131, row.RentPaid);
        v.End();
    }
    for (int i = 0; i < kE2Table3Rows; ++i) {
        const int at = 4076 + 82 * i;
        auto& row = r.Table3[i];
        v.Element("Table3", i);
        v.Text("Location", at, row.Location);
        v.Text("FloorText", at + 31, row.FloorText);
        v.Text("UseText", at + 36, row.UseText);
        v.Text("Surface", at + 41, row.Surface);
        v.Text("Title", at + 46, row.Title);
        v.End();
    }
    v.Bool("CalcOff", 4404, r.CalcOff);
    for (int c = 0; c < kE2IncomeColumns; ++c) {
        v.Element("Totals", c);
        v.Real("", 4405 + 6 * c, r.Totals[c]);
        v.End();
    }
    for (int p = 0; p < kE2Positions; ++p) {
        v.Element("UseId", p);
        v.UInt8("", 4436 + p, r.UseId[p]);
        v.End();
        v.Element("FloorId", p);
        v.UInt8("", 4465 + p, r.FloorId[p]);
        v.End();
        v.Element("SupplyNo", p);
        v.Text("", 4660 + 16 * p, r.SupplyNo[p]);
        v.End();
    }
    for (int p = 0; p < kE2LeasePositions; ++p) {
        v.Element("LeaseType", p);
        v.Text("", 5460 + 51 * p, r.LeaseType[p]);
        v.End();
    }
    for (int i = 0; i < kE2Table1Rows; ++i) {
        v.Element("LeaseDeclNo", i);
        v.Text("", 6990 + 21 * i, r.LeaseDeclNo[i]);
        v.End();
    }
}

}  // namespace dz
