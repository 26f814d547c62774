// Forms 5.0 to 5.4 around relief from administration: the application and
// its waiver, the notice of the application and the entry.
#include "calc/units/blocks.h"
#include "calc/units/units.h"
#include "forms/page018.h"
#include "forms/page019.h"
#include "forms/page022.h"
#include "forms/page023.h"
#include "forms/page024.h"
#include "forms/page025.h"

namespace wm4::units {

// 5.0 front, application to relieve the estate from administration.
void Calc18(CalcContext& ctx, int copy) {
    using namespace page18;
    PageCopy pc(ctx, Page, copy);
    pc.caption();
    pc.decedentBlock(DecedentBlock);
    pc.attorneyBlock(AttorneyBlock);
    pc.fiduciaryBlock(FiduciaryBlock);
}

// 5.0 back, waiver.
void Calc19(CalcContext& ctx, int copy) {
    using namespace page19;
    PageCopy pc(ctx, Page, copy);
    pc.caseLine(CaseNumber);
    if (!writeAllPersons(pc, kNameOnly)) return;
    pc.longDates({DateOfTheHearing, DateOfTheEntry});
    pc.judgeLine(Judge);
}

// 5.2 waiver of notice of the application.
void Calc22(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page22::Page, copy);
    pc.caption();
    writeAllPersons(pc, kNameOnly);
}

// 5.3 notice of the application, five persons a copy.
void Calc23(CalcContext& ctx, int copy) {
    using namespace page23;
    constexpr int kPersons = 5, kSlotsPerPerson = 3;
    static_assert(Notified.count == kPersons * kSlotsPerPerson);
    PageCopy pc(ctx, Page, copy);
    pc.caption();
    writePersons(pc, {Notified.start, kSlotsPerPerson, kPersons, kNameAddress, true},
                 personsOfCopy(ctx, kinColumn::ToForm5_3, copy, kPersons));
    pc.inherit(HearingDetails.start, HearingDetails.last());
    pc.longDate(DateOfTheHearing);
    pc.judgeLine(Judge);
}

// 5.4 front.
void Calc24(CalcContext& ctx, int copy) {
    using namespace page24;
    PageCopy pc(ctx, Page, copy);
    pc.caption();
    pc.put(Decedent, decedentNameLine(ctx));
    pc.put(DecedentAddress, decedentAddressLine(ctx));
    pc.putGi(County, gi::County);
    pc.putGi(AsPublishedCaseNumber, gi::CaseNumber);
    pc.longDate(DateOfTheHearing);
    pc.judgeLine(Judge);
}

// 5.4 back.
void Calc25(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page25::Page, copy);
    pc.caseLine(page25::CaseNumber);
}

}  // namespace wm4::units
