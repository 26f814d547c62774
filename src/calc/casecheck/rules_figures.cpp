// Figures that must agree: the inventory's total on 6.0 with 6.1's grand
// total and with the inventory's lines on the account, the account's
// receipts and disbursements with the worksheets, and the executor's fee
// computation with its bases. Every calculation writes these figures from one
// source, so a difference means a figure was typed over (override) or the
// worksheets send the inventory's assets to the account in other categories.
// The values typed on 10.0 and 12.0 are held against the inventory and the
// account they repeat, and the attorney fee billed, which comes from the time
// records, against the fee the court's schedule computes.
#include "calc/casecheck/check_support.h"
#include "calc/casecheck/rules.h"
#include "calc/checks/dollar_ceilings.h"
#include "case/worksheet_columns.h"
#include "forms/page028.h"
#include "forms/page030.h"
#include "forms/page031.h"
#include "forms/page043.h"
#include "forms/page046.h"
#include "forms/page056.h"
#include "forms/page060.h"
#include "forms/page061.h"
#include "forms/page099.h"
#include "forms/page101.h"
#include "schedules/schedule_buffers.h"
#include "schedules/schedule_common.h"

namespace wm4::casecheck {

using schedules::GroupOf;
using schedules::IsMarked;

namespace {

constexpr int Inventory = page28::Page, InventoryTotalSlot = page28::TotalOfTheInventory;
constexpr int AccountFront = page60::Page, AccountBack = page61::Page;
constexpr int ReceiptsTotalSlot = page61::TotalReceipts,
              DisbursementsTotalSlot = page61::TotalDisbursements;
constexpr int ExecutorFee = page99::Page, AttorneyFee = page101::Page;

struct ScheduleSide {
    int page;
    SlotRange lines;
};
// 6.1 front and back: three texts a line (description, appraised, value).
constexpr int SlotsPerLine = 3;
constexpr ScheduleSide kInventorySides[] = {{page30::Page, page30::Lines},
                                            {page31::Page, page31::Lines}};

// The amounts of a page's slots added up, an empty slot as 0.
double sumOf(const CaseData& data, int page, std::initializer_list<int> slots) {
    double sum = 0;
    for (int slot : slots) sum += slotAmount(data, page, slot).value_or(0);
    return sum;
}

// The value of 6.1's grand total row, wherever its sheets put it.
std::optional<double> scheduleGrandTotal(const CaseData& data) {
    const int copies = qMax(data.answers.NoOf6_1, 1);
    for (int copy = 0; copy < copies; ++copy)
        for (const ScheduleSide& side : kInventorySides)
            for (int line = 0; line < side.lines.count / SlotsPerLine; ++line) {
                const int slot = side.lines.start + SlotsPerLine * line;
                if (data.answers.answer(side.page, copy, slot) == GrandTotalRow)
                    return slotAmount(data, side.page, slot + 2, copy);
            }
    return std::nullopt;
}

bool inventoryFiled(const CaseData& data) {
    for (int r = 0; r < data.ASchedList.rowCount(); ++r)
        if (IsMarked(data.ASchedList, assetColumn::ToForm6_0, r)) return true;
    return false;
}

}  // namespace

void inventoryScheduleTotal(const CaseRule& rule, const CaseData& data, CaseFindings& out) {
    if (!inventoryFiled(data)) return;
    const double total = slotAmount(data, Inventory, InventoryTotalSlot).value_or(0);
    const std::optional<double> schedule = scheduleGrandTotal(data);
    if (!schedule || sameAmount(total, *schedule)) return;
    add(out, rule,
        QStringLiteral("The inventory total on 6.0 (%1) differs from the grand total of the "
                       "schedule of assets 6.1 (%2).")
            .arg(money(total), money(*schedule)),
        ReportPlace::pageCopy(Inventory, 0));
}

namespace {

// The account's receipt groups (13.0, lines 1 to 4) that carry the
// inventory's assets, and the two of them that carry a sale's proceeds.
constexpr int kInventoryGroups = 4;
bool isSaleGroup(int group) {
    return group == 1 || group == 3;
}

// Whether 13.0 is the estate's first account: its number as typed ("1",
// "First", "First and final"), or, with no number, the "First account"
// choice or nothing that says otherwise.
bool isFirstAccount(const CaseData& data) {
    const QString& number = data.answers.answer(AccountFront, 0, page60::NumberOfThisAccount);
    if (const std::optional<int> n = accountNumberOf(number)) return *n == 1;
    if (number.trimmed().isEmpty()) return true;
    return data.answers.answer(AccountFront, 0, page60::FirstAccount) == u"X";
}

}  // namespace

// The account's first four receipt lines carry the inventory's assets (not
// sold, or the proceeds of their sale). On the first account they add up to
// the inventory's total, with the assets found after the inventory and the
// gain or loss of a sale: a sale receipt entered on its own row (sent to the
// account, not to the inventory) for what the sale brought above the
// appraisal, or below it as a negative amount, as the closing statement
// shows.
void inventoryOnAccount(const CaseRule& rule, const CaseData& data, CaseFindings& out) {
    if (!inventoryFiled(data) || !isFirstAccount(data)) return;
    const WorksheetStore& assets = data.ASchedList;
    bool onAccount = false;
    double found = 0;       // assets found after the inventory, on those lines
    double gainOrLoss = 0;  // sale receipts against the appraisal
    for (int r = 0; r < assets.rowCount(); ++r) {
        if (!IsMarked(assets, assetColumn::ToForm13_0, r)) continue;
        onAccount = true;
        const int group = GroupOf(assets.cell(assetColumn::Category13_0, r), AccountReceiptGroups);
        if (group < 0 || group >= kInventoryGroups) continue;
        const double value = amountOf(assets.cell(assetColumn::Value, r)).value_or(0);
        if (IsMarked(assets, assetColumn::ToNewlyDiscovered, r))
            found += value;
        else if (isSaleGroup(group) && !IsMarked(assets, assetColumn::ToForm6_0, r))
            gainOrLoss += value;
    }
    if (!onAccount) return;
    const double lines =
        sumOf(data, AccountBack,
              {page61::PersonalPropertyNotSold, page61::ProceedsFromSaleOfPersonalProperty,
               page61::RealPropertyNotSold, page61::ProceedsFromSaleOfRealProperty});
    const double inventory = slotAmount(data, Inventory, InventoryTotalSlot).value_or(0);
    if (sameAmount(lines, inventory + found + gainOrLoss)) return;
    QString besides;
    if (found != 0)
        besides += QStringLiteral(" with the assets found later (%1)").arg(money(found));
    if (gainOrLoss != 0)
        besides += QStringLiteral("%1 the %2 on sales (%3)")
                       .arg(found != 0 ? QStringLiteral(" and") : QStringLiteral(" with"),
                            gainOrLoss > 0 ? QStringLiteral("gain") : QStringLiteral("loss"),
                            money(gainOrLoss));
    add(out, rule,
        QStringLiteral("The account's receipts of inventory assets (13.0, lines 1 to 4: %1) "
                       "differ from the inventory total on 6.0 (%2)%3.")
            .arg(money(lines), money(inventory), besides),
        ReportPlace::pageCopy(AccountBack, 0));
}

namespace {

// The sum of the worksheet rows sent to 13.0 in one of the account's groups.
template <size_t N>
std::pair<double, bool> accountSum(const WorksheetStore& store, int sendColumn, int categoryColumn,
                                   int amountColumn, const std::array<ScheduleGroup, N>& groups) {
    double sum = 0;
    bool any = false;
    for (int r = 0; r < store.rowCount(); ++r) {
        if (!IsMarked(store, sendColumn, r)) continue;
        any = true;
        if (GroupOf(store.cell(categoryColumn, r), groups) < 0) continue;
        sum += amountOf(store.cell(amountColumn, r)).value_or(0);
    }
    return {sum, any};
}

}  // namespace

void accountTotals(const CaseRule& rule, const CaseData& data, CaseFindings& out) {
    const auto [receipts, anyReceipt] =
        accountSum(data.ASchedList, assetColumn::ToForm13_0, assetColumn::Category13_0,
                   assetColumn::Value, AccountReceiptGroups);
    const auto [disbursements, anyDisbursement] =
        accountSum(data.ESchedList, expenseColumn::ToForm13_0, expenseColumn::Category13_0,
                   expenseColumn::Amount, AccountDisbursementGroups);
    if (!anyReceipt && !anyDisbursement) return;
    // Each total on the form against the one its worksheet sends.
    const auto compare = [&](int slot, double sent, QLatin1String what, QLatin1String worksheet) {
        const double onForm = slotAmount(data, AccountBack, slot).value_or(0);
        if (sameAmount(onForm, sent)) return;
        add(out, rule,
            QStringLiteral("The account's total %1 (13.0: %2) differ from the %1 the %3 "
                           "worksheet sends to it (%4).")
                .arg(what, money(onForm), worksheet, money(sent)),
            ReportPlace::pageCopy(AccountBack, 0));
    };
    compare(ReceiptsTotalSlot, receipts, QLatin1String("receipts"), QLatin1String("asset"));
    compare(DisbursementsTotalSlot, disbursements, QLatin1String("disbursements"),
            QLatin1String("expense"));
}

// The executor's fee computation prints its bases beside the figures
// computed from them; a base typed over no longer matches its figure.
void executorFeeBases(const CaseRule& rule, const CaseData& data, CaseFindings& out) {
    const auto base = slotAmount(data, ExecutorFee, page99::TotalBase);
    if (!base) return;  // no computation
    const ReportPlace place = ReportPlace::pageCopy(ExecutorFee, 0);
    const double shown =
        sumOf(data, ExecutorFee, {page99::PersonalPropertyAndSaleProceeds, page99::IncomeReceived});
    if (!sameAmount(shown, *base))
        add(out, rule,
            QStringLiteral("The executor's fee computation shows property and income of %1, but "
                           "its fee is computed on %2.")
                .arg(money(shown), money(*base)),
            place);
    struct OnePercent {
        int base, fee;
        const char* what;
    };
    constexpr OnePercent kOnePercent[] = {
        {page99::RealEstateNotSold, page99::RealEstateNotSoldCommission, "real estate not sold"},
        {page99::NonProbateProperty, page99::NonProbateCommission, "non-probate assets"}};
    for (const OnePercent& line : kOnePercent) {
        const double value = slotAmount(data, ExecutorFee, line.base).value_or(0);
        const double fee = slotAmount(data, ExecutorFee, line.fee).value_or(0);
        if (sameAmount(fee, value * 0.01)) continue;
        add(out, rule,
            QStringLiteral("The executor's fee computation shows %1 of %2, but the fee beside it (%3) "
                           "is not one percent of it.")
                .arg(QString::fromLatin1(line.what), money(value), money(fee)),
            place);
    }
}

// The computation gives the allowance of the court's schedule; the
// application bills the time records, and the account pays what was billed.
// They agree only when the office bills what the schedule allows, so a fee
// above the allowance is worth a look before it is filed.
void feesWithinSchedule(const CaseRule& rule, const CaseData& data, CaseFindings& out) {
    const auto allowed = slotAmount(data, AttorneyFee, page101::TotalFee);
    if (!allowed || *allowed <= 0) return;  // no computation
    struct Billed {
        int page, slot;
        const char* what;
    };
    constexpr Billed kBilled[] = {
        {page43::Page, page43::Fee, "the application for attorney fees"},
        {page61::Page, page61::AttorneyFeesThisAccountPeriod, "the account (13.0)"},
    };
    for (const Billed& billed : kBilled) {
        const auto fee = slotAmount(data, billed.page, billed.slot);
        if (!fee || !exceedsInCents(*fee, *allowed)) continue;
        add(out, rule,
            QStringLiteral("The attorney fee on %1 (%2) is above the fee the court's schedule "
                           "computes (%3, Computation of Attorney Fee).")
                .arg(QString::fromLatin1(billed.what), money(*fee), money(*allowed)),
            ReportPlace::pageCopy(billed.page, 0));
    }
}

// 10.0's and 12.0's values are typed, not computed: 10.0's property is the
// inventory's and its total the account's receipts; 12.0's debts and costs
// are the account's fees, costs and claims. Each pair is compared only when
// both sides hold a figure.
void distributionValues(const CaseRule& rule, const CaseData& data, CaseFindings& out) {
    struct Pair {
        int page;
        double onForm;
        double onAccount;
        const char* text;
    };
    const Pair pairs[] = {
        {page46::Page, sumOf(data, page46::Page, {page46::PersonalProperty, page46::RealProperty}),
         inventoryFiled(data) ? slotAmount(data, Inventory, InventoryTotalSlot).value_or(0) : 0,
         "10.0 gives the personal and real property as %1, the inventory total on 6.0 is %2."},
        {page46::Page, slotAmount(data, page46::Page, page46::Total).value_or(0),
         slotAmount(data, AccountBack, ReceiptsTotalSlot).value_or(0),
         "10.0's total is %1, the account's total receipts (13.0) are %2."},
        {page56::Page, slotAmount(data, page56::Page, page56::LessDebtsAndCosts).value_or(0),
         sumOf(
             data, AccountBack,
             {page61::FiduciaryFeesThisAccountPeriod, page61::AttorneyFeesThisAccountPeriod,
              page61::OtherAdministrativeCostsAndExpenses, page61::DebtsAndClaimsAgainstTheEstate}),
         "12.0 subtracts debts and costs of %1, the account's fees, costs and claims (13.0) are "
         "%2."},
    };
    for (const Pair& pair : pairs) {
        if (pair.onForm == 0 || pair.onAccount == 0 || sameAmount(pair.onForm, pair.onAccount))
            continue;
        add(out, rule,
            QString::fromLatin1(pair.text).arg(money(pair.onForm), money(pair.onAccount)),
            ReportPlace::pageCopy(pair.page, 0));
    }
}

}  // namespace wm4::casecheck
