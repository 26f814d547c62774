#pragma once
// The rules of the Check Case table (case_check.cpp), one function each.
#include "calc/casecheck/case_check.h"

namespace wm4::casecheck {

// figures
void inventoryScheduleTotal(const CaseRule&, const CaseData&, CaseFindings&);
void inventoryOnAccount(const CaseRule&, const CaseData&, CaseFindings&);
void accountTotals(const CaseRule&, const CaseData&, CaseFindings&);
void executorFeeBases(const CaseRule&, const CaseData&, CaseFindings&);
void feesWithinSchedule(const CaseRule&, const CaseData&, CaseFindings&);
void distributionValues(const CaseRule&, const CaseData&, CaseFindings&);
// dates
void birthBeforeDeath(const CaseRule&, const CaseData&, CaseFindings&);
void filingsAfterDeath(const CaseRule&, const CaseData&, CaseFindings&);
void hearingDatesAgree(const CaseRule&, const CaseData&, CaseFindings&);
void minorsByAge(const CaseRule&, const CaseData&, CaseFindings&);
void estateRecoveryAge(const CaseRule&, const CaseData&, CaseFindings&);
// addresses
void noticeAddresses(const CaseRule&, const CaseData&, CaseFindings&);
// assets
void rowValues(const CaseRule&, const CaseData&, CaseFindings&);
void rowCategories(const CaseRule&, const CaseData&, CaseFindings&);
void reliefWhileAdministered(const CaseRule&, const CaseData&, CaseFindings&);
// names
void nameSpellings(const CaseRule&, const CaseData&, CaseFindings&);
void letterSalutations(const CaseRule&, const CaseData&, CaseFindings&);

}  // namespace wm4::casecheck
