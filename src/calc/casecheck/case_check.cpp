#include "calc/casecheck/case_check.h"

#include <cstring>

#include "calc/casecheck/place_text.h"
#include "calc/casecheck/reduced_text.h"
#include "calc/casecheck/rules.h"

namespace wm4 {

namespace {

using namespace casecheck;

// clang-format off
constexpr CaseRule kRules[] = {
    {"inventory-schedule-total", "figures",
     "the inventory total on 6.0 equals the grand total of the schedule of assets 6.1",
     inventoryScheduleTotal},
    {"inventory-on-account", "figures",
     "on the first account, 13.0's receipts of inventory assets (lines 1 to 4) equal the "
     "inventory total on 6.0 with the assets found after it and the gain or loss on sales",
     inventoryOnAccount},
    {"account-totals", "figures",
     "13.0's total receipts and disbursements equal what the worksheets send to the account",
     accountTotals},
    {"executor-fee-bases", "figures",
     "the executor's fee computation is computed on the bases it shows", executorFeeBases},
    {"fee-within-schedule", "figures",
     "the attorney fee applied for (the application for attorney fees) and paid on the account "
     "(13.0) is no more than the fee the court's schedule computes", feesWithinSchedule},
    {"distribution-values", "figures",
     "the values typed on 10.0 (distribution in kind) and 12.0 (certificate of transfer) agree "
     "with the inventory and the account", distributionValues},
    {"birth-before-death", "dates", "the decedent was born before the date of death",
     birthBeforeDeath},
    {"filings-after-death", "dates",
     "no filing, signing or hearing date on the forms comes before the date of death",
     filingsAfterDeath},
    {"hearing-dates-agree", "dates",
     "an application and its notice or publication (5.3 and 5.4, 10.0 and 10.2, 13.0 and 13.5) "
     "name the same hearing date", hearingDatesAgree},
    {"minor-age", "dates",
     "a person the kin worksheet calls a minor was under 18 at the death, an adult 18 or older",
     minorsByAge},
    {"estate-recovery-age", "dates",
     "7.0's box \"55 years of age or older at death\" agrees with the age at death 7.0(A) prints",
     estateRecoveryAge},
    {"notice-address", "addresses",
     "every person sent a notice or named on a waiver has a street and a city line",
     noticeAddresses},
    {"row-value", "assets", "every asset or expense row sent to a form has a value",
     rowValues},
    {"row-category", "assets",
     "every row sent to a categorised form has a category (all of them, not only the first)",
     rowCategories},
    {"relief-while-administered", "assets",
     "no asset is sent to Form 5.1 (relief from administration) in an estate that is "
     "administered: a fiduciary appointed, an inventory or an account filed",
     reliefWhileAdministered},
    {"name-spelling", "names",
     "a person's name is typed alike on General Information and the worksheets",
     nameSpellings},
    {"letter-salutation", "names",
     "a letter to an organisation (an insurer, a bank) does not greet it as \"Mr.\" or \"Ms.\" "
     "and the last word of its name", letterSalutations},
    {"reduced-text", "printing",
     "no field of the forms the case prints is too long for its field at every type size "
     "(it would print \"REDUCE TEXT\")", reducedText},
};
// clang-format on

}  // namespace

std::span<const CaseRule> CaseRules() {
    return kRules;
}

const CaseRule* caseRule(const char* name) {
    for (const CaseRule& rule : kRules)
        if (std::strcmp(rule.name, name) == 0) return &rule;
    return nullptr;
}

CaseFindings CheckCaseRule(const CaseRule& rule, const CaseData& data) {
    CaseFindings findings;
    rule.check(rule, data, findings);
    return findings;
}

CaseFindings CheckCase(const CaseData& data) {
    CaseFindings findings;
    for (const CaseRule& rule : kRules) rule.check(rule, data, findings);
    return findings;
}

QString findingLine(const CaseFinding& finding) {
    QString line = QString::fromLatin1(finding.rule->name) + QStringLiteral(": ") + finding.text;
    const QString where = reportPlaceText(finding.place);
    if (!where.isEmpty()) line += QStringLiteral(" [") + where + u']';
    line.replace(u'\n', u' ').replace(u'\r', u' ');
    return line;
}

}  // namespace wm4
