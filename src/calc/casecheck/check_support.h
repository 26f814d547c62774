#pragma once
// What the case rules share: reading amounts and dates without a report,
// the places of General Information and the worksheets, adding a finding.
#include <QDate>
#include <QString>
#include <optional>

#include "calc/casecheck/case_check.h"

namespace wm4::casecheck {

inline constexpr int KinSheet = 0, AssetSheet = 1, ExpenseSheet = 2;
inline constexpr int GeneralInformation = 0;

// "$1,234.56", "1234.56", "(12.00)" -> the amount; nullopt for an empty or
// unreadable text.
std::optional<double> amountOf(const QString& text);
// The amount of a page slot (copy 0 unless given); nullopt when empty.
std::optional<double> slotAmount(const CaseData& data, int page, int slot, int copy = 0);
// Equal to the cent.
bool sameAmount(double a, double b);
QString money(double amount);  // "1,234.56"

// A date as typed on a form or worksheet ("3/4/1941", "March 4, 1941").
std::optional<QDate> dateOf(const QString& text);

// The number of an account as typed: "2", "2nd", "Second", "First and
// final", "third partial" -> 1, 2, 3...; nullopt for a text that names no
// number (empty, "Final").
std::optional<int> accountNumberOf(const QString& text);

const QString& gi(const CaseData& data, int slot);

void add(CaseFindings& out, const CaseRule& rule, const QString& text, const ReportPlace& place);

}  // namespace wm4::casecheck
