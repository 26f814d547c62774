#pragma once
// The asset worksheet's send-to flags with their codes, in Send To summary
// order.
#include <array>

#include "case/worksheet_columns.h"
#include "worksheets/window/flag_boxes.h"

namespace wm4 {

inline constexpr std::array<FlagBox, 35> AssetSendToFlags = {{
    {assetColumn::ToForm3_0, "3.0", ""},          {assetColumn::ToForm4_0, "4.0", ""},
    {assetColumn::ToForm5_1, "5.1", ""},          {assetColumn::ToForm5_6, "5.6", ""},
    {assetColumn::ToForm5_9, "5.9", ""},          {assetColumn::ToForm5_10, "5.10", ""},
    {assetColumn::ToForm6_0, "6.0", ""},          {assetColumn::ToForm7_1, "7.1", ""},
    {assetColumn::ToForm7_2, "7.2", ""},          {assetColumn::ToForm9_0, "9.0", ""},
    {assetColumn::ToForm9_C, "9.C", ""},          {assetColumn::ToForm10_0, "10.0", ""},
    {assetColumn::ToForm11_0, "11.0", ""},        {assetColumn::ToForm12_0, "12.0", ""},
    {assetColumn::ToForm13_0, "13.0", ""},        {assetColumn::ToForm13_2, "13.2", ""},
    {assetColumn::ToNewlyDiscovered, "NDisc", ""}, {assetColumn::ToSpouseAffidavit, "SSA", ""},
    {assetColumn::ToBmv3773, "3773", ""},         {assetColumn::ToBmv3774, "3774", ""},
    {assetColumn::ToStockPower, "Stock POA", ""}, {assetColumn::ToExecutorFee, "ExecFee", ""},
    {assetColumn::ToAttorneyFee, "AttyFee", ""},  {assetColumn::ToIdentifiers, "CPID", ""},
    {assetColumn::ToCommissionersReport, "CommRep", ""},
    {assetColumn::ToScheduleA, "SchA", ""},       {assetColumn::ToScheduleB, "SchB", ""},
    {assetColumn::ToScheduleC, "SchC", ""},       {assetColumn::ToScheduleD, "SchD", ""},
    {assetColumn::ToScheduleE1, "SchE1", ""},     {assetColumn::ToScheduleE2, "SchE2", ""},
    {assetColumn::ToScheduleF, "SchF", ""},       {assetColumn::ToScheduleG, "SchG", ""},
    {assetColumn::ToScheduleH, "SchH", ""},       {assetColumn::ToScheduleI, "SchI", ""},
}};

}  // namespace wm4
