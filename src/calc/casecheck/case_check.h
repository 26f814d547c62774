#pragma once
// Check Case: the checks an office runs across the forms and worksheets of a
// calculated case before it files. Each check is one small rule of the table
// below; a rule reads the case and adds one finding per inconsistency, with
// the place it points at. Rules only read: they never change the case and
// never report (a figure that does not read is a finding of its rule, or is
// left alone, but never a message dialog).
//
// Families (a finding names its rule; the README lists every rule):
//   figures    figures that must agree: the inventory's totals, the
//              account's receipts and disbursements, fee computations, fees
//              billed against the schedule
//   dates      dates out of order: birth, death, filings and hearings, minors,
//              the age box of the estate recovery notice
//   addresses  persons on notices and waivers without an address
//   assets     rows sent to a form without a value or a category, relief
//              claimed in an administered estate
//   names      one person's name spelled differently in different places, a
//              letter greeting an organisation as a person
//   printing   an answer too long for its field at every type size, which
//              prints "REDUCE TEXT" (reduced_text.h)
#include <QList>
#include <QString>
#include <span>

#include "case/case_data.h"
#include "messages/report_place.h"

namespace wm4 {

struct CaseRule;

struct CaseFinding {
    const CaseRule* rule = nullptr;
    QString text;
    ReportPlace place;
};

using CaseFindings = QList<CaseFinding>;

struct CaseRule {
    const char* name;    // "inventory-schedule-total"
    const char* family;  // "figures", "dates", "addresses", "assets", "names", "printing"
    const char* what;    // one line for the README and --help
    void (*check)(const CaseRule& rule, const CaseData& data, CaseFindings& out);
};

// Every rule, in the order the findings are listed.
std::span<const CaseRule> CaseRules();
const CaseRule* caseRule(const char* name);

// Runs every rule over the case (calculated first by the caller).
CaseFindings CheckCase(const CaseData& data);
// Runs one rule.
CaseFindings CheckCaseRule(const CaseRule& rule, const CaseData& data);

// The line the command prints: "<rule>: <text> [<where>]".
QString findingLine(const CaseFinding& finding);

}  // namespace wm4
