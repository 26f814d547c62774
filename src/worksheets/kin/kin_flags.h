#pragma once
// The kin worksheet's send-to flags, in Send To summary order.
#include <array>

#include "case/worksheet_columns.h"
#include "worksheets/window/flag_boxes.h"

namespace wm4 {

// The captions stand as the forms have always shown them, the stray
// apostrophe of 5.6 and the misspellings of E-2 and 3774 included.
inline constexpr std::array<FlagBox, 35> KinFlags = {{
    {kinColumn::ToForm1_0Front, "1.0F",
     "1.0(F) Surviving Spouse, Children, Next of Kin, Legatees & Devisees (front side)"},
    {kinColumn::ToForm1_0Back, "1.0B",
     "1.0(B) Surviving Spouse, Children, Next of Kin, Legatees & Devisees (back side)"},
    {kinColumn::ToForm2_0, "2.0", "2.0 Application to Probate Will"},
    {kinColumn::ToForm2_1, "2.1", "2.1 Waiver of Notice of Probate of Will"},
    {kinColumn::ToForm2_2, "2.2", "2.2 Notice of Probate of Will"},
    {kinColumn::ToForm4_0, "4.0", "4.0 Application for Authority to Administer Estate"},
    {kinColumn::ToForm4_3, "4.3", "4.3 Waiver of Right to Administer"},
    {kinColumn::ToForm4_4, "4.4", "4.4 Notice of Hearing on Appointment of Fiduciary"},
    {kinColumn::ToForm5_0, "5.0", "5.0 Application to Relieve Estate from Administration"},
    {kinColumn::ToForm5_2, "5.2",
     "5.2 Waiver of Notice of Application to Relieve Estate from Administration"},
    {kinColumn::ToForm5_3, "5.3",
     "5.3 Notice of Application to Relieve Estate from Administration"},
    {kinColumn::ToForm5_6, "5.6", "5.6 Entry Relieving Estate from Administration'"},
    {kinColumn::ToForm5_9, "5.9", "5.9 Report of Distribution"},
    {kinColumn::ToForm6_0, "6.0", "6.0 Inventory and Appraisal"},
    {kinColumn::ToForm6_2, "6.2", "6.2 Waiver of Notice of Hearing on Inventory"},
    {kinColumn::ToForm6_3, "6.3", "6.3 Notice of Hearing on Inventory"},
    {kinColumn::ToForm6_4C, "6.4C",
     "6.4C Application for Appointment of a Commissioner to Report on the Contents of a Safe "
     "Deposit Box"},
    {kinColumn::ToForm7_2, "7.2", "7.2 Application for Apportionment of Family Allowance"},
    {kinColumn::ToForm9_0, "9.0", "9.0 Application to Sell Personal Property"},
    {kinColumn::ToForm10_0, "10.0",
     "10.0 Application to Distribute in Kind/Schedule of Property to be Distributed in Kind"},
    {kinColumn::ToForm10_2, "10.2", "10.2 Notice of Hearing on Application to Distribute in Kind"},
    {kinColumn::ToForm10_4, "10.4", "10.4 Notice to Distributee"},
    {kinColumn::ToForm11_0, "11.0", "11.0 Consent to Power to Sell Real Estate"},
    {kinColumn::ToForm13_4, "13.4", "13.4 Waiver of Partial Account"},
    {kinColumn::ToForm13_5, "13.5", "13.5 Notice of Hearing on Account"},
    {kinColumn::ToForm13_7b, "13.7b", "13.7b Waiver of Notice of Hearing and Consent to Account"},
    {kinColumn::ToForm24_2, "24.2",
     "24.2 Notice of Hearing on Representation of Insolvency and Schedule of Claims"},
    {kinColumn::ToAttorneyFeeApplication, "AttyF", "Attorney Fee Application"},
    {kinColumn::ToScheduleE2, "E-2", "Sch E-2 IRS Form 706, Sche4dule E, Part 2"},
    {kinColumn::ToBmv3774, "3774", "BMV 3774 Application for Certificate ofTitle"},
    {kinColumn::ToWillLetter, "Will", "Will, Waiver & Consent to Probate enclosure letter"},
    {kinColumn::ToInventoryLetter, "Inv", "Inventory and Waiver of Notice enclosure letter"},
    {kinColumn::ToAccountLetter, "Acct",
     "Accounting and Waiver of Notice and Consent enclosure letter"},
    {kinColumn::ToAppraiserLetter, "Appr", "Appraiser, Inventory to, enclosure letter"},
    {kinColumn::ToInsuranceLetter, "Ins", "Life Insurance and Certificate of Death enclosure letter"},
}};

// The panel's four columns of boxes, top to bottom (indexes into KinFlags).
inline constexpr std::array<int, 35> KinFlagLayout = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,                // 1.0(F) ... 5.0
    9,  10, 11, 12, 13, 14, 15, 16,                   // 5.2 ... 6.4C
    17, 18, 19, 20, 21, 22, 23, 24, 25,               // 7.2 ... 13.7b
    26, 30, 33, 31, 32, 34, 27, 29, 28};              // 24.2, letters, fees, 3774, E-2
inline constexpr std::array<int, 4> KinFlagColumns = {9, 8, 9, 9};

}  // namespace wm4
