// Form 5.1, the assets and liabilities of the estate to be relieved from
// administration (pages 20 and 21).
#include "calc/checks/dollar_ceilings.h"
#include "calc/relief/relief_rows.h"
#include "calc/relief/relief_units.h"
#include "case/conversions.h"
#include "forms/page020.h"
#include "forms/page021.h"

namespace wm4 {

using namespace units;
using namespace relief;

namespace {
constexpr quint16 ErrOtherAssetLines = 29170;
constexpr quint16 ErrDebtLines = 29190;
}  // namespace

void Calc20(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page20::Page, copy);
    const WorksheetStore& assets = ctx.data.ASchedList;
    // The total (57) is emptied with the lists: a run that stops at a full
    // box must not leave the previous run's total beside a cut list.
    pc.clear(page20::FirstAutomobile, page20::TotalOfTheAutomobiles);
    pc.clear(page20::Appraised, page20::OtherAssets.last());
    pc.put(Form5_1TotalSlot, QString());
    pc.keep(page20::RealPropertyLine, QString());
    pc.caption();

    double firstAuto = 0, secondAuto = 0, realProperty = 0, otherAssets = 0;
    LineWriter others(pc, ErrOtherAssetLines, page20::OtherAssets.start, 2);
    for (int row : markedAssetRows(ctx, assetColumn::ToForm5_1)) {
        const QString& category = assets.cell(assetColumn::Category5_1, row);
        // Read only for a row the form prints, so that an unreadable value of
        // a row it leaves out is not reported.
        const auto value = [&assets, row] {
            return Str2Float_2(assets.cell(assetColumn::Value, row));
        };
        // A later automobile or real property of the same category replaces
        // the earlier one.
        if (categoryMatches(category, Category::FirstAutoToSpouse)) {
            firstAuto = value();
        } else if (categoryMatches(category, Category::SecondAutoToSpouse)) {
            secondAuto = value();
        } else if (categoryMatches(category, Category::RealProperty)) {
            realProperty = value();
            pc.keep(page20::RealPropertyLine, QStringLiteral("1"));
            pc.put(page20::Appraised, assets.cell(assetColumn::Appraised, row));
            pc.putAmount(page20::ValueOfTheRealProperty, realProperty);
        } else if (categoryMatches(category, Category::Other)) {
            const double amount = value();
            const int before = others.linesWritten();
            const bool goOn = others.addLines(
                descriptionLines(ctx, assets.cell(assetColumn::Description, row), others.font()),
                {{1, FormatAmount(amount)}});
            if (others.linesWritten() > before) otherAssets += amount;
            if (!goOn) return;  // the box is full: no totals, no ceiling test
        }
    }

    pc.putAmount(page20::FirstAutomobile, firstAuto);
    pc.putAmount(page20::SecondAutomobile, secondAuto);
    pc.putAmount(page20::TotalOfTheAutomobiles,
                 pc.amount(page20::FirstAutomobile) + pc.amount(page20::SecondAutomobile));
    pc.keep(page20::RealPropertyLine, QStringLiteral("1"));
    pc.putAmount(Form5_1TotalSlot, realProperty + otherAssets);

    CheckReliefCeilings(ctx.A());
    CheckAutomobileAllowance(firstAuto + secondAuto, ErrForm5_1Automobiles);
}

void Calc21(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page21::Page, copy);
    const WorksheetStore& expenses = ctx.data.ESchedList;
    pc.caseLine();
    pc.clear(page21::Debts.start, page21::TotalOfTheDebts);

    double debts = 0;
    LineWriter lines(pc, ErrDebtLines, page21::Debts.start, 3);
    for (int row : markedExpenseRows(ctx, expenseColumn::ToForm5_1)) {
        const double amount = Str2Float_2(expenses.cell(expenseColumn::Amount, row));
        const int before = lines.linesWritten();
        const bool goOn = lines.addLines(
            descriptionLines(ctx, expenses.cell(expenseColumn::Description, row), lines.font()),
            {{1, expenses.cell(expenseColumn::NatureOfDebt, row)}, {2, FormatAmount(amount)}});
        if (lines.linesWritten() > before) debts += amount;
        if (!goOn) return;
    }

    pc.putAmount(page21::TotalOfTheDebts, debts);
    pc.longDate(page21::DateSigned);
    pc.fiduciaryNames(page21::Applicant, Write::Kept);
}

}  // namespace wm4
