#pragma once
// The kin worksheet's send-to flags, in Send To summary order.
#include <array>

#include "case/worksheet_columns.h"
#include "case/worksheet_lists.h"

namespace wm4 {

// The captions stand as the forms have always shown them, the stray
// apostrophe of 5.6 and the misspellings of E-2 and 3774 included.
inline constexpr std::array<SendToFlag, 35> KinFlags = {{
    {kinColumn::ToForm1_0Front, u"1.0F",
     u"1.0(F) Surviving Spouse, Children, Next of Kin, Legatees & Devisees (front side)"},
    {kinColumn::ToForm1_0Back, u"1.0B",
     u"1.0(B) Surviving Spouse, Children, Next of Kin, Legatees & Devisees (back side)"},
    {kinColumn::ToForm2_0, u"2.0", u"2.0 Application to Probate Will"},
    {kinColumn::ToForm2_1, u"2.1", u"2.1 Waiver of Notice of Probate of Will"},
    {kinColumn::ToForm2_2, u"2.2", u"2.2 Notice of Probate of Will"},
    {kinColumn::ToForm4_0, u"4.0", u"4.0 Application for Authority to Administer Estate"},
    {kinColumn::ToForm4_3, u"4.3", u"4.3 Waiver of Right to Administer"},
    {kinColumn::ToForm4_4, u"4.4", u"4.4 Notice of Hearing on Appointment of Fiduciary"},
    {kinColumn::ToForm5_0, u"5.0", u"5.0 Application to Relieve Estate from Administration"},
    {kinColumn::ToForm5_2, u"5.2",
     u"5.2 Waiver of Notice of Application to Relieve Estate from Administration"},
    {kinColumn::ToForm5_3, u"5.3",
     u"5.3 Notice of Application to Relieve Estate from Administration"},
    {kinColumn::ToForm5_6, u"5.6", u"5.6 Entry Relieving Estate from Administration"},
    {kinColumn::ToForm5_9, u"5.9", u"5.9 Report of Distribution"},
    {kinColumn::ToForm6_0, u"6.0", u"6.0 Inventory and Appraisal"},
    {kinColumn::ToForm6_2, u"6.2", u"6.2 Waiver of Notice of Hearing on Inventory"},
    {kinColumn::ToForm6_3, u"6.3", u"6.3 Notice of Hearing on Inventory"},
    {kinColumn::ToForm6_4C, u"6.4C",
     u"6.4C Application for Appointment of a Commissioner to Report on the Contents of a Safe "
     "Deposit Box"},
    {kinColumn::ToForm7_2, u"7.2", u"7.2 Application for Apportionment of Family Allowance"},
    {kinColumn::ToForm9_0, u"9.0", u"9.0 Application to Sell Personal Property"},
    {kinColumn::ToForm10_0, u"10.0",
     u"10.0 Application to Distribute in Kind/Schedule of Property to be Distributed in Kind"},
    {kinColumn::ToForm10_2, u"10.2",
     u"10.2 Notice of Hearing on Application to Distribute in Kind"},
    {kinColumn::ToForm10_4, u"10.4", u"10.4 Notice to Distributee"},
    {kinColumn::ToForm11_0, u"11.0", u"11.0 Consent to Power to Sell Real Estate"},
    {kinColumn::ToForm13_4, u"13.4", u"13.4 Waiver of Partial Account"},
    {kinColumn::ToForm13_5, u"13.5", u"13.5 Notice of Hearing on Account"},
    {kinColumn::ToForm13_7b, u"13.7b", u"13.7b Waiver of Notice of Hearing and Consent to Account"},
    {kinColumn::ToForm24_2, u"24.2",
     u"24.2 Notice of Hearing on Representation of Insolvency and Schedule of Claims"},
    {kinColumn::ToAttorneyFeeApplication, u"AttyF", u"Attorney Fee Application"},
    {kinColumn::ToScheduleE2, u"E-2", u"Sch E-2 IRS Form 706, Schedule E, Part 2"},
    {kinColumn::ToBmv3774, u"3774", u"BMV 3774 Application for Certificate of Title"},
    {kinColumn::ToWillLetter, u"Will", u"Will, Waiver & Consent to Probate enclosure letter"},
    {kinColumn::ToInventoryLetter, u"Inv", u"Inventory and Waiver of Notice enclosure letter"},
    {kinColumn::ToAccountLetter, u"Acct",
     u"Accounting and Waiver of Notice and Consent enclosure letter"},
    {kinColumn::ToAppraiserLetter, u"Appr", u"Appraiser, Inventory to, enclosure letter"},
    {kinColumn::ToInsuranceLetter, u"Ins",
     u"Life Insurance and Certificate of Death enclosure letter"},
}};

// The panel's four columns of boxes, top to bottom (store columns).
inline constexpr std::array<int, 35> KinFlagLayout = {
    kinColumn::ToForm1_0Front,  kinColumn::ToForm1_0Back,     kinColumn::ToForm2_0,
    kinColumn::ToForm2_1,       kinColumn::ToForm2_2,         kinColumn::ToForm4_0,
    kinColumn::ToForm4_3,       kinColumn::ToForm4_4,         kinColumn::ToForm5_0,
    kinColumn::ToForm5_2,       kinColumn::ToForm5_3,         kinColumn::ToForm5_6,
    kinColumn::ToForm5_9,       kinColumn::ToForm6_0,         kinColumn::ToForm6_2,
    kinColumn::ToForm6_3,       kinColumn::ToForm6_4C,        kinColumn::ToForm7_2,
    kinColumn::ToForm9_0,       kinColumn::ToForm10_0,        kinColumn::ToForm10_2,
    kinColumn::ToForm10_4,      kinColumn::ToForm11_0,        kinColumn::ToForm13_4,
    kinColumn::ToForm13_5,      kinColumn::ToForm13_7b,       kinColumn::ToForm24_2,
    kinColumn::ToWillLetter,    kinColumn::ToAppraiserLetter, kinColumn::ToInventoryLetter,
    kinColumn::ToAccountLetter, kinColumn::ToInsuranceLetter, kinColumn::ToAttorneyFeeApplication,
    kinColumn::ToBmv3774,       kinColumn::ToScheduleE2};
inline constexpr std::array<int, 4> KinFlagColumns = {9, 8, 9, 9};  // boxes per column

}  // namespace wm4
