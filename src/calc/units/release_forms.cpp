// Forms 5.0 to 5.4 around relief from administration: the application and
// its waiver, the notice of the application and the entry.
#include "calc/units/blocks.h"
#include "calc/units/units.h"

namespace wm4::units {

namespace {
const std::vector<int> kNameOnly{kinColumn::Name};
const std::vector<int> kNameAddress{kinColumn::Name, kinColumn::Street, kinColumn::CityStateZip};
}  // namespace

// 5.0 front, application to relieve the estate from administration.
void Calc18(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 18, copy);
    pc.caption();
    pc.decedentBlock(4);
    pc.attorneyBlock(19);
    pc.fiduciaryBlock(24);
}

// 5.0 back, waiver.
void Calc19(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 19, copy);
    pc.caseLine();
    if (!writeAllPersons(pc, kNameOnly)) return;
    pc.longDates({9, 16});
    pc.judgeLine(17);
}

// 5.2 waiver of notice of the application.
void Calc22(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 22, copy);
    pc.caption();
    writeAllPersons(pc, kNameOnly);
}

// 5.3 notice of the application, five persons a copy.
void Calc23(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 23, copy);
    pc.caption();
    writePersons(pc, {4, 3, 5, kNameAddress, true},
                 personsOfCopy(ctx, kinColumn::ToForm5_3, copy, 5));
    pc.inherit(20, 24);
    pc.longDate(20);
    pc.judgeLine(25);
}

// 5.4 front.
void Calc24(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 24, copy);
    pc.caption();
    pc.put(8, decedentNameLine(ctx));
    pc.put(9, decedentAddressLine(ctx));
    pc.putGi(10, gi::County);
    pc.putGi(11, gi::CaseNumber);
    pc.longDate(12);
    pc.judgeLine(17);
}

// 5.4 back.
void Calc25(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 25, copy);
    pc.caseLine();
}

}  // namespace wm4::units
