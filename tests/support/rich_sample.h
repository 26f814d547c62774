#pragma once
// A rich sample case: a testate estate administered by two co-executors,
// entered as a probate office enters it. The General Information page is
// filled, the answers an office types on the forms are typed (capacities,
// hearing dates in the order they happen, the account's period and kind),
// and the four worksheets send every asset, debt and person to the forms
// they belong on, with every category chosen: the inventory, the account and
// the assets remaining reconcile, and each fee prints as one figure.
//
// The estate: a residence (transferred to the spouse by certificate), a
// checking account, shares distributed in kind to the son, household goods
// set off to the spouse, a garden tractor sold, rent and dividends received,
// a refund found after the inventory, two cars passing to the spouse, life
// insurance payable to the spouse; funeral and hospital bills, the
// executors' commission and the attorney's fee, a bequest to the library.
// An administered estate files none of the relief forms (5.x); the small
// sample below does.
//
// Tests, benchmarks and the fixture tests/fixtures/rich_sample.wm4 use it.
#include "case/case_data.h"

namespace wm4::test {

// Fills a fresh case (answers untouched, worksheets with one empty row).
void fillRichSample(CaseData& data);

// A small intestate estate relieved from administration: the spouse takes
// the car (Forms 5.x, BMV forms) and the one parcel of real estate passes by
// certificate of transfer (Forms 12.x, DTE forms).
void fillReliefSample(CaseData& data);

// An intestate estate administered to a first and final account: a second
// spouse who is the parent of neither child, an adult son (the
// administrator) and a minor daughter with a guardian of her estate, the
// allowance apportioned to the minor, two cars to the spouse, a rental house
// sold above its appraisal with the heirs' consent, shares distributed in
// kind, survivorship and transfer-on-death property, a rejected claim.
void fillIntestateSample(CaseData& data);

// Names the sample uses, for tests that look them up.
namespace rich {
inline constexpr const char* Decedent = "Harold James Whitcombe";
inline constexpr const char* Spouse = "Eleanor M. Whitcombe";
inline constexpr const char* Fiduciary = "Caroline W. Ashby";
inline constexpr const char* CoFiduciary = "Thomas R. Whitcombe";
inline constexpr const char* Attorney = "Martin L. Greaves";
inline constexpr int FamilyMembers = 3;     // spouse, fiduciary (daughter), co-fiduciary (son)
inline constexpr int NoticesOfProbate = 2;  // the spouse and the library, a legatee
}  // namespace rich

namespace relief {
inline constexpr const char* Decedent = "Daniel P. Okafor";
inline constexpr const char* Spouse = "Grace L. Okafor";
inline constexpr const char* Attorney = "Martin L. Greaves";
}  // namespace relief

namespace intestate {
inline constexpr const char* Decedent = "Robert K. Dunmore";
inline constexpr const char* Spouse = "Linda S. Dunmore";
inline constexpr const char* Administrator = "Paul A. Dunmore";
inline constexpr const char* Minor = "Anna B. Dunmore";
inline constexpr const char* Guardian = "Mary A. Roe, guardian of the estate of Anna B. Dunmore";
inline constexpr const char* Attorney = "Martin L. Greaves";
}  // namespace intestate

}  // namespace wm4::test
