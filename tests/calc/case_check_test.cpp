// Check Case: the rich sample (after a run) gives no finding; each rule
// finds the inconsistency planted for it, and only where it is.
#include "calc/casecheck/case_check.h"

#include <gtest/gtest.h>

#include <functional>

#include "calc/calc_case.h"
#include "calc/casecheck/check_support.h"
#include "calc/casecheck/reduced_text.h"
#include "calc/run/calculate_complete.h"
#include "case/worksheet_columns.h"
#include "forms/page000.h"
#include "forms/page001.h"
#include "forms/page028.h"
#include "forms/page043.h"
#include "forms/page045.h"
#include "forms/page046.h"
#include "forms/page050.h"
#include "forms/page056.h"
#include "forms/page060.h"
#include "forms/page061.h"
#include "forms/page068.h"
#include "forms/page099.h"
#include "forms/page122.h"
#include "support/rich_sample.h"

namespace wm4::test {
namespace {

QStringList lines(const CaseFindings& findings) {
    QStringList out;
    for (const CaseFinding& f : findings) out << findingLine(f);
    return out;
}

// Rows of the sample (fillRichSample's order; row 0 of each sheet first).
constexpr int Library = 3, CoFiduciaryKin = 2, Shares = 4, Dividend = 8, Tractor = 6;

class CaseCheck : public CalcCaseTest {
protected:
    void SetUp() override { fillRichSample(data); }
    void run() { CalculateComplete(ctx); }
    void setCell(WorksheetStore& store, int column, int row, const QString& text) {
        store.setCell(column, row, text);
    }
};

TEST_F(CaseCheck, TheRichSampleHasNoFinding) {
    run();
    ASSERT_EQ(reports.numbers(), QList<int>{});
    EXPECT_EQ(lines(CheckCase(data)), QStringList{});
}

struct Planted {
    const char* rule;
    std::function<void(CalcCase&)> plant;
    int findings;
    ReportPlace place;  // of the first finding
    // Planted into the calculated answers: the run writes these figures
    // from one source, so only a file changed outside a run (or a unit
    // fault) can hold them apart.
    bool afterRun = false;
};

class EachRule : public CaseCheck, public ::testing::WithParamInterface<Planted> {};

TEST_P(EachRule, FindsWhatWasPlantedAndNothingInTheSample) {
    const Planted& p = GetParam();
    const CaseRule* rule = caseRule(p.rule);
    ASSERT_NE(rule, nullptr) << p.rule;
    run();
    EXPECT_EQ(lines(CheckCaseRule(*rule, data)), QStringList{}) << "in the sample";
    p.plant(*this);
    if (!p.afterRun) run();
    const CaseFindings found = CheckCaseRule(*rule, data);
    ASSERT_EQ(found.size(), p.findings) << lines(found).join(u'\n').toStdString();
    EXPECT_EQ(found.first().place, p.place) << found.first().text.toStdString();
    EXPECT_EQ(found.first().rule, rule);
}

// The fields a print reduces are found by the printing layer's merge (tested
// with the print commands); here a stand-in finder names one field of a case
// marked for it, the way that merge names it.
const QString ReducedMark = QStringLiteral("planted: too long for its field");
void plantReducedField(CalcCase& c) {
    static const ScopedReducedTextFinder finder([](const CaseData& data) {
        QList<ReducedText> fields;
        if (data.answers.answer(page1::Page, 0, page1::EstateOf) == ReducedMark)
            fields.append({page1::Page, 0, page1::EstateOf, QStringLiteral("Estate of")});
        return fields;
    });
    c.a().setAnswer(page1::Page, 0, page1::EstateOf, ReducedMark);
}

using P = ReportPlace;
const Planted kPlanted[] = {
    {"reduced-text", plantReducedField, 1, P::pageCopy(page1::Page, 0), true},
    {"inventory-schedule-total",
     [](CalcCase& c) {
         c.a().setAnswer(page28::Page, 0, page28::TotalOfTheInventory,
                         QStringLiteral("200,000.00"));
     },
     1, P::pageCopy(28, 0), true},
    // The tractor's sale proceeds booked as income: the account no longer
    // carries the whole inventory.
    {"inventory-on-account",
     [](CalcCase& c) {
         c.data.ASchedList.setCell(assetColumn::Category13_0, Tractor, QStringLiteral("Income"));
     },
     1, P::pageCopy(61, 0)},
    {"account-totals",
     [](CalcCase& c) {
         c.a().setAnswer(page61::Page, 0, page61::TotalReceipts, QStringLiteral("1.00"));
         c.a().setAnswer(page61::Page, 0, page61::TotalDisbursements, QStringLiteral("2.00"));
     },
     2, P::pageCopy(61, 0), true},
    {"executor-fee-bases",
     [](CalcCase& c) {
         // Typed over in override mode: kept writes, which the run leaves.
         c.overrideSlot(page99::Page, 0, page99::PersonalPropertyAndSaleProceeds,
                        QStringLiteral("1.00"));
         c.overrideSlot(page99::Page, 0, page99::RealEstateNotSold, QStringLiteral("99,000.00"));
     },
     2, P::pageCopy(99, 0)},
    {"birth-before-death",
     [](CalcCase& c) { c.gi(page0::DecedentBirthDate, QStringLiteral("3/4/2027")); }, 1,
     P::pageCopy(0, 0)},
    {"filings-after-death",
     [](CalcCase& c) {
         c.a().setAnswer(page28::Page, 0, page28::DateTheInventoryIsSigned,
                         QStringLiteral("1/10/2026"));
         c.a().setAnswer(page61::Page, 0, page61::DateOfTheHearingOnTheAccount,
                         QStringLiteral("December 1, 2025"));
     },
     2, P::pageCopy(28, 0)},
    {"hearing-dates-agree",
     [](CalcCase& c) {
         c.a().setAnswer(page50::Page, 0, page50::DateOfTheHearing,
                         QStringLiteral("5/27/2026"));  // 10.0 says 5/26/2026
         c.a().setAnswer(page68::Page, 0, page68::DateOfTheHearing,
                         QStringLiteral("9/14/2026"));  // as 13.0: agrees
     },
     1, P::pageCopy(50, 0)},
    {"minor-age",
     [](CalcCase& c) {
         c.data.KSchedList.setCell(kinColumn::Relationship, CoFiduciaryKin,
                                   QStringLiteral("Son, a minor"));  // born 1971
         const int child =
             c.addKin({{kinColumn::Name, QStringLiteral("Lily Ashby")},
                       {kinColumn::Relationship, QStringLiteral("Granddaughter (adult)")},
                       {kinColumn::BirthDate, QStringLiteral("5/1/2012")}});
         (void)child;
     },
     2, P::worksheetRow(0, CoFiduciaryKin)},
    {"notice-address",
     [](CalcCase& c) { c.data.KSchedList.setCell(kinColumn::Street, Library, QString()); }, 1,
     P::worksheetRow(0, Library)},
    {"row-value",
     [](CalcCase& c) { c.data.ASchedList.setCell(assetColumn::Value, Dividend, QString()); }, 1,
     P::worksheetRow(1, Dividend)},
    // Every row without its category, not only the first the run stops at.
    {"row-category",
     [](CalcCase& c) {
         c.data.ASchedList.setCell(assetColumn::Category6_0, Tractor, QString());
         c.data.ASchedList.setCell(assetColumn::Category13_0, Dividend,
                                   QStringLiteral("Not used for this asset"));
         c.data.ESchedList.setCell(expenseColumn::Category13_0, 0, QString());
     },
     3, P::worksheetRow(1, Tractor)},
    {"name-spelling",
     [](CalcCase& c) {
         c.data.ASchedList.setCell(assetColumn::Distributees, Shares,
                                   QStringLiteral("Thomas R Whitcombe"));
         c.data.ESchedList.setCell(expenseColumn::InterestedPersons, 0,
                                   QStringLiteral("Ashby Funeral Hom"));
     },
     2, P::worksheetRow(1, Shares)},
    // The application bills more hours than the schedule allows for; the
    // account pays it.
    {"fee-within-schedule",
     [](CalcCase& c) {
         c.a().setAnswer(page43::Page, 0, page43::Fee, QStringLiteral("9,000.00"));
         c.a().setAnswer(page61::Page, 0, page61::AttorneyFeesThisAccountPeriod,
                         QStringLiteral("9,000.00"));
     },
     2, P::pageCopy(page43::Page, 0), true},
    // 10.0's income typed apart from the account, 12.0's debts as the
    // review first found them.
    {"distribution-values",
     [](CalcCase& c) {
         c.a().setAnswer(page46::Page, 0, page46::IncomeAndOtherReceipts, QStringLiteral("1.00"));
         c.a().setAnswer(page56::Page, 0, page56::LessDebtsAndCosts, QStringLiteral("5,000.00"));
     },
     2, P::pageCopy(page46::Page, 0)},
    {"estate-recovery-age",
     [](CalcCase& c) {
         c.a().setAnswer(page45::Page, 0, page45::TheDecedentWas55YearsOfAgeOrOlderAtDeath,
                         QString());  // 7.0(A) says 84
     },
     1, P::pageCopy(page45::Page, 0)},
    // The tractor also on 5.1 in an estate with an inventory and an account.
    {"relief-while-administered",
     [](CalcCase& c) {
         c.data.ASchedList.setCell(assetColumn::ToForm5_1, Tractor, QStringLiteral("X"));
         c.data.ASchedList.setCell(assetColumn::Category5_1, Tractor, QStringLiteral("Other"));
     },
     1, P::worksheetRow(1, Tractor)},
    // The insurer's greeting no longer typed over: "Ms. Company".
    {"letter-salutation",
     [](CalcCase& c) { c.a().setOvRide(page122::Page, 0, page122::Salutation, false); }, 1,
     P::pageCopy(page122::Page, 0)},
};

INSTANTIATE_TEST_SUITE_P(Rules, EachRule, ::testing::ValuesIn(kPlanted),
                         [](const ::testing::TestParamInfo<Planted>& info) {
                             QString name = QString::fromLatin1(info.param.rule);
                             name.remove(u'-');
                             return name.toStdString();
                         });

TEST(CaseRules, EveryRuleHasAFamilyAndAPlantedTest) {
    const QStringList families{"figures", "dates", "addresses", "assets", "names", "printing"};
    for (const CaseRule& rule : CaseRules()) {
        SCOPED_TRACE(rule.name);
        EXPECT_TRUE(families.contains(QString::fromLatin1(rule.family)));
        EXPECT_TRUE(std::any_of(std::begin(kPlanted), std::end(kPlanted), [&](const Planted& p) {
            return std::strcmp(p.rule, rule.name) == 0;
        }));
    }
}

// Names that only look alike are different people: a slip of one letter
// counts only in a long name.
TEST_F(CaseCheck, ShortNamesOneLetterApartAreTwoPeople) {
    addKin({{kinColumn::Name, QStringLiteral("Ann Doe")}});
    addKin({{kinColumn::Name, QStringLiteral("Dan Doe")}});
    addKin({{kinColumn::Name, QStringLiteral("Anne Doe")}});
    run();
    EXPECT_EQ(lines(CheckCaseRule(*caseRule("name-spelling"), data)), QStringList{});
}

// An organisation is known by a word of its name ("Bank"), not by letters
// inside a person's name ("Holmes"); each letter names its addressee.
TEST_F(CaseCheck, SalutationsToOrganisationsOnly) {
    addKin({{kinColumn::Name, QStringLiteral("Ann Holmes")}, {kinColumn::ToWillLetter, X}});
    addKin(
        {{kinColumn::Name, QStringLiteral("Wendmoor Savings Bank")}, {kinColumn::ToWillLetter, X}});
    run();
    const QStringList found = lines(CheckCaseRule(*caseRule("letter-salutation"), data));
    ASSERT_EQ(found.size(), 1) << found.join(u'\n').toStdString();
    EXPECT_TRUE(found[0].startsWith(
        QStringLiteral("letter-salutation: The will letter to Wendmoor Savings Bank greets it as "
                       "\"Ms. Bank\"")))
        << found[0].toStdString();
}

// Each of the two account totals is named with the worksheet it comes from.
TEST_F(CaseCheck, AccountTotalsNameTheirWorksheets) {
    run();
    a().setAnswer(page61::Page, 0, page61::TotalReceipts, QStringLiteral("1.00"));
    a().setAnswer(page61::Page, 0, page61::TotalDisbursements, QStringLiteral("2.00"));
    const QStringList found = lines(CheckCaseRule(*caseRule("account-totals"), data));
    ASSERT_EQ(found.size(), 2);
    EXPECT_TRUE(found[0].contains(u"total receipts (13.0: ")) << found[0].toStdString();
    EXPECT_TRUE(found[0].contains(u"from the receipts the asset worksheet sends to it ("));
    EXPECT_TRUE(found[1].contains(u"total disbursements (13.0: ")) << found[1].toStdString();
    EXPECT_TRUE(found[1].contains(u"from the disbursements the expense worksheet sends to it ("));
}

TEST(CaseRules, AccountNumbersAreReadAsFiguresWordsOrOrdinals) {
    const struct {
        const char* typed;
        std::optional<int> number;
    } cases[] = {
        {"1", 1},
        {"2", 2},
        {" 1st ", 1},
        {"No. 3", 3},
        {"First", 1},
        {"first and final", 1},
        {"First and Final", 1},
        {"Second", 2},
        {"Third partial", 3},
        {"twelfth", 12},
        {"two", 2},
        {"Final", std::nullopt},
        {"", std::nullopt},
        {"Firstly", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(casecheck::accountNumberOf(QString::fromLatin1(c.typed)), c.number) << c.typed;
}

// The gain of a sale (what the tractor brought above its appraisal, a
// receipt of its own on the account) is no difference from the inventory;
// the fault planted beside it (proceeds booked as income) is still found,
// whatever words number the first account.
TEST_F(CaseCheck, InventoryOnAccountKnowsSalesAndNumbersInWords) {
    const CaseRule& rule = *caseRule("inventory-on-account");
    addAsset(
        {{assetColumn::Description,
          QStringLiteral("Garden tractor: sold above its appraisal (bill of sale)")},
         {assetColumn::Value, QStringLiteral("$300.00")},
         {assetColumn::Category13_0, QStringLiteral("Proceeds from sale of personal property")},
         {assetColumn::ToForm13_0, X}});
    run();
    EXPECT_EQ(lines(CheckCaseRule(rule, data)), QStringList{}) << "a gain on a sale";

    setCell(data.ASchedList, assetColumn::Value, data.ASchedList.rowCount() - 1,
            QStringLiteral("-$200.00"));
    run();
    EXPECT_EQ(lines(CheckCaseRule(rule, data)), QStringList{}) << "a loss on a sale";

    setCell(data.ASchedList, assetColumn::Category13_0, Tractor, QStringLiteral("Income"));
    const struct {
        const char* number;
        int findings;
    } numbers[] = {{"First", 1}, {"First and final", 1}, {"1st", 1}, {"Second", 0}, {"2", 0}};
    for (const auto& n : numbers) {
        a().setAnswer(page60::Page, 0, page60::NumberOfThisAccount, QString::fromLatin1(n.number));
        run();
        const QStringList found = lines(CheckCaseRule(rule, data));
        ASSERT_EQ(found.size(), n.findings) << n.number;
        if (n.findings)
            EXPECT_TRUE(found[0].contains(u"the loss on sales (-200.00)"))
                << found[0].toStdString();
    }
}

}  // namespace
}  // namespace wm4::test
