// The two sample cases as a filer checks a packet before it goes to court:
// a full calculation reports nothing, and the figures the forms print agree
// with one another. Every figure is read from a slot the page's template
// prints (the test first finds the slot's merge marker in the template), so
// what is compared is what the court reads.
#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <functional>
#include <map>

#include "calc/calc_case.h"
#include "calc/run/calculate_complete.h"
#include "case/conversions.h"
#include "forms/page001.h"
#include "forms/page002.h"
#include "forms/page006.h"
#include "forms/page008.h"
#include "forms/page010.h"
#include "forms/page011.h"
#include "forms/page012.h"
#include "forms/page018.h"
#include "forms/page020.h"
#include "forms/page021.h"
#include "forms/page023.h"
#include "forms/page024.h"
#include "forms/page026.h"
#include "forms/page028.h"
#include "forms/page033.h"
#include "forms/page029.h"
#include "forms/page034.h"
#include "forms/page035.h"
#include "forms/page041.h"
#include "forms/page043.h"
#include "forms/page045.h"
#include "forms/page046.h"
#include "forms/page049.h"
#include "forms/page051.h"
#include "forms/page052.h"
#include "forms/page056.h"
#include "forms/page057.h"
#include "forms/page060.h"
#include "forms/page061.h"
#include "forms/page064.h"
#include "forms/page070.h"
#include "forms/page079.h"
#include "forms/page084.h"
#include "forms/page097.h"
#include "forms/page099.h"
#include "forms/page101.h"
#include "forms/page116.h"
#include "forms/page121.h"
#include "forms/page122.h"
#include "forms/page125.h"
#include "forms/page128.h"
#include "forms/page150.h"
#include "forms/page153.h"
#include "support/rich_sample.h"

namespace wm4::test {
namespace {

// The merge markers of a page's print template: "/$7/" and the like.
const QSet<int>& printedSlots(int page) {
    static std::map<int, QSet<int>> cache;
    auto found = cache.find(page);
    if (found != cache.end()) return found->second;
    QSet<int>& slots = cache[page];
    QFile file(QStringLiteral(WM4_SOURCE_DATA_DIR "/RTF/Page%1.rtf").arg(page));
    if (file.open(QIODevice::ReadOnly)) {
        static const QRegularExpression marker(QStringLiteral("/[*<$#%&+~^](\\d+)/"));
        const QString text = QString::fromLatin1(file.readAll());
        for (auto it = marker.globalMatch(text); it.hasNext();)
            slots.insert(it.next().captured(1).toInt());
    }
    return slots;
}

// One schedule line as printed: its texts in the order of the sheet.
using Line = QStringList;

class SamplePacket : public CalcCase {
public:
    explicit SamplePacket(const std::function<void(CaseData&)>& fill) {
        fill(data);
        CalculateComplete(ctx);
    }

    // The text of a printed slot; fails the test when the template does not
    // print the slot.
    QString printed(int page, int s, int copy = 0) {
        EXPECT_TRUE(printedSlots(page).contains(s)) << "page " << page << " prints no slot " << s;
        return slot(page, copy, s);
    }
    double amount(int page, int s, int copy = 0) { return Str2Float_2(printed(page, s, copy)); }
    double sum(int page, std::initializer_list<int> slots) {
        double total = 0;
        for (int s : slots) total += amount(page, s);
        return total;
    }

    // The lines of a two-sided schedule: `texts` slots a line from
    // `frontFirst` on the front page and `backFirst` on the back page, over
    // every copy.
    std::vector<Line> schedule(int front, int frontFirst, int frontLines, int back, int backFirst,
                               int backLines, int texts, int copies) {
        std::vector<Line> lines;
        const auto side = [&](int page, int first, int count, int copy) {
            for (int i = 0; i < count; ++i) {
                Line line;
                for (int t = 0; t < texts; ++t) line << printed(page, first + texts * i + t, copy);
                if (!line.join(QString()).isEmpty()) lines.push_back(line);
            }
        };
        for (int c = 0; c < copies; ++c) {
            side(front, frontFirst, frontLines, c);
            if (back >= 0) side(back, backFirst, backLines, c);
        }
        return lines;
    }
    // The amount printed in column `column` of the line whose description
    // (column `descriptionColumn`) contains `text`; -1 when none.
    // The amount of a line that stands in column `column` or, for the
    // account's totals, in any column after the description's.
    static double lineAmount(const std::vector<Line>& lines, const QString& text, int column,
                             int descriptionColumn = 0) {
        for (const Line& line : lines) {
            if (!line[descriptionColumn].contains(text)) continue;
            QString value = line[column];
            for (int c = line.size() - 1; value.isEmpty() && c > descriptionColumn; --c)
                value = line[c];
            return Str2Float_2(value);
        }
        ADD_FAILURE() << "no line " << text.toStdString();
        return -1;
    }

    std::vector<Line> inventory() { return schedule(30, 6, 36, 31, 3, 50, 3, a().NoOf6_1); }
    std::vector<Line> account() { return schedule(62, 6, 40, 63, 3, 50, 4, a().NoOf13_1); }
    std::vector<Line> assetsRemaining() { return schedule(64, 11, 26, 65, 3, 48, 3, a().NoOf13_2); }
    std::vector<Line> claims() { return schedule(155, 7, 22, -1, 0, 0, 6, 1); }

    QDate date(int page, int s, int copy = 0) {
        return ParseShortDate(ShortDateText(printed(page, s, copy))).value_or(QDate());
    }
};

// ---------------------------------------------------------------------------
// The rich sample: an administered testate estate.

class RichSamplePacket : public SamplePacket, public ::testing::Test {
public:
    RichSamplePacket() : SamplePacket(fillRichSample) {}
};

TEST_F(RichSamplePacket, FullCalculationReportsNothing) {
    EXPECT_EQ(reports.numbers(), QList<int>{});
    EXPECT_FALSE(a().ErrFlag);
}

// 13.0: receipts less disbursements are the balance, which is what 13.2
// lists as remaining; 13.1's grand totals are 13.0's totals.
TEST_F(RichSamplePacket, AccountReconcilesWithItsSchedules) {
    const double receipts = amount(page61::Page, page61::TotalReceipts),
                 disbursements = amount(page61::Page, page61::TotalDisbursements),
                 balance = amount(page61::Page, page61::BalanceRemainingInTheFiduciaryHands);
    EXPECT_GT(receipts, 0);
    EXPECT_DOUBLE_EQ(
        receipts, sum(page61::Page,
                      {page61::PersonalPropertyNotSold, page61::ProceedsFromSaleOfPersonalProperty,
                       page61::RealPropertyNotSold, page61::ProceedsFromSaleOfRealProperty,
                       page61::Income, page61::OtherReceipts}));
    EXPECT_DOUBLE_EQ(
        disbursements,
        sum(page61::Page,
            {page61::FiduciaryFeesThisAccountPeriod, page61::AttorneyFeesThisAccountPeriod,
             page61::OtherAdministrativeCostsAndExpenses, page61::DebtsAndClaimsAgainstTheEstate,
             page61::OhioAndFederalEstateTaxes, page61::PersonalPropertyDistributedInKind,
             page61::RealPropertyTransferred, page61::OtherDistributionsToBeneficiaries,
             page61::OtherDisbursements}));
    EXPECT_NEAR(receipts - disbursements, balance, 0.001);

    const std::vector<Line> schedule = account();
    EXPECT_DOUBLE_EQ(lineAmount(schedule, QStringLiteral("Grand Total of Receipts"), 3), receipts);
    EXPECT_DOUBLE_EQ(lineAmount(schedule, QStringLiteral("Grand Total of Disbursements"), 3),
                     disbursements);

    EXPECT_DOUBLE_EQ(amount(page64::Page, page64::TotalAssetsRemaining), balance);
    EXPECT_DOUBLE_EQ(lineAmount(assetsRemaining(), QStringLiteral("Grand Total"), 2), balance);
    EXPECT_DOUBLE_EQ(amount(page64::Page, page64::TotalPersonalProperty) +
                         amount(page64::Page, page64::RealProperty),
                     balance);
}

// The inventory's total is the same on 6.0, on 6.1's grand total and in the
// account, whose receipts of principal (property not sold and the proceeds
// of property sold) are the inventoried assets; the appraisal (3.0), the
// authority to administer (4.0, without its year of rents) and the
// distribution in kind (10.0, with income) say the same.
TEST_F(RichSamplePacket, InventoryTotalIsOneFigure) {
    const double inventory = amount(page28::Page, page28::TotalOfTheInventory);
    EXPECT_GT(inventory, 0);
    EXPECT_DOUBLE_EQ(lineAmount(this->inventory(), QStringLiteral("Grand Total"), 2), inventory);
    EXPECT_DOUBLE_EQ(amount(page28::Page, page28::TangiblePersonalProperty) +
                         amount(page28::Page, page28::IntangiblePersonalProperty) +
                         amount(page28::Page, page28::RealProperty),
                     inventory);
    EXPECT_DOUBLE_EQ(
        sum(page61::Page,
            {page61::PersonalPropertyNotSold, page61::ProceedsFromSaleOfPersonalProperty,
             page61::RealPropertyNotSold, page61::ProceedsFromSaleOfRealProperty}),
        inventory);
    EXPECT_DOUBLE_EQ(sum(page10::Page, {page10::ReadilyAscertainableTotal, page10::RealEstateTotal,
                                        page10::OtherPersonalPropertyTotal}),
                     inventory);
    EXPECT_DOUBLE_EQ(
        amount(page11::Page, page11::PersonalProperty) + amount(page11::Page, page11::RealProperty),
        inventory);
    EXPECT_DOUBLE_EQ(amount(page11::Page, page11::TotalEstimatedValue),
                     inventory + amount(page11::Page, page11::AnnualRents));
    EXPECT_DOUBLE_EQ(
        amount(page46::Page, page46::PersonalProperty) + amount(page46::Page, page46::RealProperty),
        inventory);
    EXPECT_DOUBLE_EQ(amount(page46::Page, page46::Total),
                     amount(page61::Page, page61::TotalReceipts));
    // The asset found later is reported, not inventoried; the account
    // receives it among its other receipts.
    EXPECT_TRUE(printed(page128::Page, page128::Assets.start).startsWith(QStringLiteral("Refund")))
        << printed(page128::Page, page128::Assets.start).toStdString();
    EXPECT_EQ(printed(page128::Page, page128::Assets.start + 2), "");
    EXPECT_DOUBLE_EQ(amount(page128::Page, page128::Assets.start + 1),
                     amount(page61::Page, page61::OtherReceipts));
}

// Each fee prints as one figure: the executors' commission as computed is
// what the account pays; the attorney's fee billed on the application is
// the court's schedule for the estate, and the account, the entry, the
// consent, the schedule of claims and the Commissioner's Report print it.
TEST_F(RichSamplePacket, EachFeeIsOneFigureWhereverItPrints) {
    const double commission = amount(page99::Page, page99::TotalCommission);
    EXPECT_GT(commission, 0);
    EXPECT_DOUBLE_EQ(amount(page99::Page, page99::CommissionDue), commission);
    EXPECT_DOUBLE_EQ(amount(page61::Page, page61::FiduciaryFeesThisAccountPeriod), commission);
    const std::vector<Line> schedule = account();
    EXPECT_DOUBLE_EQ(
        lineAmount(schedule, QStringLiteral("Fiduciary Fees This Accounting Period Subtotal"), 3),
        commission);

    const double fee = amount(page43::Page, page43::Fee);
    EXPECT_GT(fee, 0);
    EXPECT_DOUBLE_EQ(amount(page43::Page, page43::FeeConsent), fee);
    EXPECT_DOUBLE_EQ(amount(page49::Page, page49::Fee), fee);
    EXPECT_DOUBLE_EQ(amount(page70::Page, page70::AttorneyFeeConsentedTo), fee);
    EXPECT_DOUBLE_EQ(amount(page101::Page, page101::TotalFee), fee);
    EXPECT_DOUBLE_EQ(amount(page61::Page, page61::AttorneyFeesThisAccountPeriod), fee);
    EXPECT_DOUBLE_EQ(
        lineAmount(schedule, QStringLiteral("Attorney Fees This Accounting Period Subtotal"), 3),
        fee);
    EXPECT_DOUBLE_EQ(lineAmount(claims(), QStringLiteral("Attorney fees"), 3, 1), fee);
}

// Both computations take the personal property and income the account
// receives (everything but the real estate, which is not sold) and the
// real estate not sold; an administered estate has no relief base.
TEST_F(RichSamplePacket, FeeBasesAreTheAccountsReceipts) {
    const double personalAndIncome = sum(
        page61::Page, {page61::PersonalPropertyNotSold, page61::ProceedsFromSaleOfPersonalProperty,
                       page61::Income, page61::OtherReceipts});
    EXPECT_DOUBLE_EQ(amount(page99::Page, page99::TotalBase), personalAndIncome);
    EXPECT_DOUBLE_EQ(amount(page101::Page, page101::Base), personalAndIncome);
    EXPECT_DOUBLE_EQ(amount(page99::Page, page99::RealEstateNotSold),
                     amount(page61::Page, page61::RealPropertyNotSold));
    EXPECT_DOUBLE_EQ(amount(page101::Page, page101::RealEstateNotSold),
                     amount(page61::Page, page61::RealPropertyNotSold));
    EXPECT_DOUBLE_EQ(amount(page101::Page, page101::AssetsRelieved), 0);
}

// The debts and costs the certificate of transfer subtracts are the
// account's, and the schedule of claims lists the same claims.
TEST_F(RichSamplePacket, DebtsAreOneFigure) {
    const double debtsAndCosts =
        sum(page61::Page,
            {page61::FiduciaryFeesThisAccountPeriod, page61::AttorneyFeesThisAccountPeriod,
             page61::OtherAdministrativeCostsAndExpenses, page61::DebtsAndClaimsAgainstTheEstate});
    EXPECT_DOUBLE_EQ(amount(page56::Page, page56::LessDebtsAndCosts), debtsAndCosts);
    EXPECT_DOUBLE_EQ(amount(page150::Page, page150::TotalOfTheClaimsScheduleOfClaims),
                     debtsAndCosts);
    // Its personal property is the inventory's, with the refund found later.
    EXPECT_DOUBLE_EQ(amount(page56::Page, page56::PersonalProperty),
                     amount(page28::Page, page28::TangiblePersonalProperty) +
                         amount(page28::Page, page28::IntangiblePersonalProperty));
    EXPECT_DOUBLE_EQ(amount(page56::Page, page56::OtherPersonalProperty),
                     amount(page61::Page, page61::OtherReceipts));
    EXPECT_DOUBLE_EQ(amount(page56::Page, page56::ValueOfThisRealEstate),
                     amount(page28::Page, page28::RealProperty));
}

// The hearings and papers follow one another as they happened.
TEST_F(RichSamplePacket, DatesAreInTheOrderOfTheEstate) {
    const QDate steps[] = {
        date(0, 16),   // death
        date(4, 1),    // hearing on the will
        date(6, 10),   // will admitted
        date(17, 13),  // appointment
        date(28, 18),  // inventory signed
        date(33, 7),   // hearing on the inventory
        date(50, 19),  // hearing on the distribution in kind
        date(52, 11),  // distribution approved
        date(60, 10),  // end of the account period
        date(61, 23),  // hearing on the account
    };
    for (size_t i = 0; i + 1 < std::size(steps); ++i) {
        ASSERT_TRUE(steps[i].isValid()) << i;
        EXPECT_LE(steps[i], steps[i + 1]) << i;
    }
    EXPECT_EQ(date(4, 1), date(6, 10));    // admitted at its hearing
    EXPECT_EQ(date(61, 23), date(68, 8));  // the notice names the account's hearing
}

// The capacities, the account's kind and period, the signers.
TEST_F(RichSamplePacket, CapacitiesAndSignersAreStated) {
    EXPECT_EQ(printed(page8::Page, page8::ExecutorSigns), "X");  // 2.4: the executor
    EXPECT_EQ(printed(page8::Page, page8::AdministratorWwaSigns),
              "");  // not an administrator with the will annexed
    EXPECT_EQ(printed(page60::Page, page60::Executor), "X");        // 13.0: executor
    EXPECT_EQ(printed(page60::Page, page60::PartialAccount), "X");  // partial account
    EXPECT_FALSE(printed(page60::Page, page60::AccountPeriodFrom).isEmpty());
    // Every notice of probate is signed by the executor.
    ASSERT_EQ(a().NoOf2_2, rich::NoticesOfProbate);
    for (int c = 0; c < a().NoOf2_2; ++c) {
        EXPECT_EQ(printed(page6::Page, page6::ExecutorSigns, c), "X") << c;
        EXPECT_EQ(printed(page6::Page, page6::Signer, c),
                  QStringLiteral("%1 & %2").arg(rich::Fiduciary, rich::CoFiduciary))
            << c;
        EXPECT_FALSE(printed(page6::Page, page6::NotifiedName, c).isEmpty()) << c;
    }
    EXPECT_EQ(printed(page34::Page, page34::EstateOf),
              QString::fromLatin1(rich::Decedent).toUpper());  // 7.1's caption
    EXPECT_EQ(printed(page51::Page, page51::FiduciarySigning),
              rich::Fiduciary);  // the acceptance's two signers, each named
    EXPECT_EQ(printed(page51::Page, page51::CoFiduciarySigning), rich::CoFiduciary);
    EXPECT_EQ(printed(page51::Page, page51::CoFiduciaryLine), "Co-fiduciary");
    EXPECT_EQ(printed(page57::Page, page57::DiedTestate), "X");  // the certificate: testate
    EXPECT_EQ(printed(page57::Page, page57::DiedIntestate), "");
}

// Each asset goes where it is: the household goods are set off to the spouse
// (7.1), the tractor is what is sold (9.0), nothing is apportioned (7.2, no
// minor child); the office's boxes on the estate recovery notices are ticked.
TEST_F(RichSamplePacket, EachAssetIsDealtWithOnce) {
    EXPECT_TRUE(
        printed(page34::Page, page34::Property.start).startsWith(QStringLiteral("Household")));
    EXPECT_EQ(printed(page34::Page, page34::Property.start + 2), "");
    EXPECT_TRUE(
        printed(page41::Page, page41::Lines.start).startsWith(QStringLiteral("Garden tractor")));
    EXPECT_EQ(printed(page41::Page, page41::Lines.start + 4), "");
    EXPECT_EQ(printed(page35::Page, page35::Minors.start), "");
    EXPECT_EQ(printed(page45::Page, page45::TheDecedentWas55YearsOfAgeOrOlderAtDeath),
              "X");  // 7.0: 55 or older
    EXPECT_EQ(printed(page79::Page, page79::AgeAtDeath), "84 years");
    EXPECT_EQ(printed(page79::Page, page79::TheDecedentSpouseSurvives),
              "X");  // 7.0(A): the spouse survives
    EXPECT_EQ(printed(page12::Page, page12::TheApplicantIsAResidentOfOhio),
              "X");  // 4.0: the applicants live in Ohio
}

// The letters and notices go to the parties they are for, and speak of the
// decedent as a man.
TEST_F(RichSamplePacket, LettersAndNoticesReachTheirParties) {
    ASSERT_EQ(a().NoOf24_2, 2);
    EXPECT_EQ(printed(page153::Page, page153::Name, 0), "Ashby Funeral Home");
    EXPECT_EQ(printed(page153::Page, page153::Name, 1), "Ellery General Hospital");
    EXPECT_EQ(printed(page153::Page, page153::DateOfTheHearing, 1),
              "June 29, 2026");  // the first notice's hearing, in long form
    ASSERT_EQ(a().NoOfInsLtr, 1);
    EXPECT_EQ(printed(page122::Page, page122::Name), "Buckeye Mutual Life Insurance Company");
    EXPECT_EQ(printed(page122::Page, page122::PolicyNumber), "BM-7730412");
    EXPECT_EQ(printed(page122::Page, page122::Salutation), "Sir or Madam");
    EXPECT_EQ(printed(page125::Page, page125::Name), "Helen Price");
    EXPECT_EQ(printed(page125::Page, page125::RealEstateToBeAppraised),
              "12 Oak Lane, Ellery, Ohio  43917");
    for (int c = 0; c < a().NoOfWillLtr; ++c)
        EXPECT_EQ(printed(page116::Page, page116::DecedentAsTheLetterNames, c), "Mr. Whitcombe");
    EXPECT_EQ(printed(page121::Page, page121::DecedentAsTheLetterNames), "Mr. Whitcombe");
    // The widow is "Ms." in the letters to her.
    EXPECT_EQ(printed(page116::Page, page116::Salutation, 0), "Ms. Whitcombe");
    // Only the son takes property in kind.
    ASSERT_EQ(a().NoOf10_4, 1);
    EXPECT_EQ(printed(page52::Page, page52::Name), rich::CoFiduciary);
    EXPECT_EQ(printed(page52::Page, page52::PropertyDistributedToThisPerson),
              "100 shares Ohio Power Co. common stock");  // from 10.0's rows
    // 1.0: the spouse and the children on the front, the library on the back.
    EXPECT_EQ(printed(page1::Page, page1::Persons.start + 1), rich::Spouse);
    EXPECT_EQ(printed(page1::Page, page1::Persons.start + 7), rich::Fiduciary);
    EXPECT_EQ(printed(page1::Page, page1::Persons.start + 13), rich::CoFiduciary);
    EXPECT_EQ(printed(page1::Page, page1::Persons.start + 19), "");
    EXPECT_EQ(printed(page2::Page, page2::Persons.start + 1), "Ellery Public Library");
    EXPECT_EQ(printed(page1::Page, page1::Persons.start + 11),
              "");  // an adult's birth date is not given
    // 6.3AA proves service on the persons 6.3 went to.
    EXPECT_EQ(printed(page84::Page, page84::DateOfTheHearing),
              printed(page33::Page, page33::DateOfTheHearing));
    EXPECT_EQ(printed(page84::Page, page84::Served.start), rich::Spouse);
    EXPECT_EQ(printed(page84::Page, page84::Served.start + 3), "");
}

// The spouse's motor vehicle affidavit: the vehicles' total is the
// inventory's automobiles.
TEST_F(RichSamplePacket, VehicleAffidavitTotalsTheSpousesCars) {
    EXPECT_DOUBLE_EQ(amount(page97::Page, page97::TotalValueOfTheVehiclesTaken),
                     amount(page28::Page, page28::TotalOfTheAutomobiles));
    EXPECT_EQ(a().NoOf3774, 2);
}

// BMV 3773's "At death __ owned" speaks of the decedent marked as the husband
// as "he" (the unit once took the husband mark for "she").
TEST_F(RichSamplePacket, VehicleAffidavitSpeaksOfTheDecedentAsHe) {
    EXPECT_EQ(printed(page97::Page, page97::DecedentHeOrShe), "he");
}

// ---------------------------------------------------------------------------
// The small sample: an intestate estate relieved from administration.

class ReliefSamplePacket : public SamplePacket, public ::testing::Test {
public:
    ReliefSamplePacket() : SamplePacket(fillReliefSample) {}
};

TEST_F(ReliefSamplePacket, FullCalculationReportsNothing) {
    EXPECT_EQ(reports.numbers(), QList<int>{});
    EXPECT_FALSE(a().ErrFlag);
}

// 5.1's total is its real property and its other assets; the entry (5.6)
// releases and distributes exactly those assets, and the report of
// distribution (5.9) accounts for the same total.
TEST_F(ReliefSamplePacket, ReliefTotalIsOneFigure) {
    const double relieved = amount(page20::Page, page20::TotalToBeRelieved);
    EXPECT_DOUBLE_EQ(relieved, 80000.00);
    double others = 0;
    for (int p = 0; p < 22; ++p) others += Str2Float_2(printed(20, 11 + 2 * p));
    EXPECT_DOUBLE_EQ(amount(page20::Page, page20::ValueOfTheRealProperty) + others, relieved);
    EXPECT_LE(relieved, 100000.00);  // the ceiling claimed on 5.0
    EXPECT_EQ(printed(page18::Page, page18::Ceiling100000), "X");

    double distributed = 0;
    for (int n = 0; n < 24; ++n) distributed += Str2Float_2(printed(75, 8 + 4 * n));
    EXPECT_DOUBLE_EQ(distributed, relieved);
    // 5.6 distributes what it does not release as an account.
    double remainder = 0, released = 0;
    for (int n = 0; n < 32; ++n) remainder += Str2Float_2(printed(27, 4 + 3 * n));
    for (int p = 0; p < 22; ++p)
        if (printed(20, 10 + 2 * p).contains(QStringLiteral("account")))
            released += Str2Float_2(printed(20, 11 + 2 * p));
    EXPECT_GT(released, 0);
    EXPECT_EQ(printed(page26::Page, page26::ReleasesAccounts), "X");
    EXPECT_DOUBLE_EQ(remainder + released, relieved);
}

// The certificate of transfer carries the relief's figures: the house's
// value, the personal property, the debts of 5.1's back.
TEST_F(ReliefSamplePacket, CertificateOfTransferCarriesTheReliefFigures) {
    EXPECT_DOUBLE_EQ(amount(page56::Page, page56::ValueOfThisRealEstate),
                     amount(page20::Page, page20::ValueOfTheRealProperty));
    EXPECT_DOUBLE_EQ(amount(page56::Page, page56::PersonalProperty),
                     amount(page20::Page, page20::TotalToBeRelieved) -
                         amount(page20::Page, page20::ValueOfTheRealProperty));
    EXPECT_DOUBLE_EQ(amount(page56::Page, page56::LessDebtsAndCosts),
                     amount(page21::Page, page21::TotalOfTheDebts));
    EXPECT_DOUBLE_EQ(amount(page56::Page, page56::NetValue),
                     amount(page56::Page, page56::ValueOfThisRealEstate) -
                         amount(page56::Page, page56::LessDebtsAndCosts));
    EXPECT_EQ(a().NoOf12, 1);
    EXPECT_EQ(printed(page57::Page, page57::DiedIntestate), "X");  // intestate
    EXPECT_EQ(printed(page57::Page, page57::DiedTestate), "");
    EXPECT_EQ(printed(page57::Page, page57::Persons.start), relief::Spouse);
}

// The attorney's fee of a relieved estate is the schedule's rate on the
// relieved assets, and the application bills the same amount.
TEST_F(ReliefSamplePacket, AttorneyFeeIsOneFigure) {
    EXPECT_DOUBLE_EQ(amount(page101::Page, page101::AssetsRelieved),
                     amount(page20::Page, page20::TotalToBeRelieved));
    const double fee = amount(page101::Page, page101::TotalFee);
    EXPECT_DOUBLE_EQ(fee, 2000.00);
    EXPECT_DOUBLE_EQ(amount(page101::Page, page101::FeeOnAssetsRelieved), fee);
    EXPECT_DOUBLE_EQ(amount(page43::Page, page43::Fee), fee);
    EXPECT_DOUBLE_EQ(amount(page49::Page, page49::Fee), fee);
}

// The spouse takes the car outside the relief; its value stands on 5.1 as
// the first automobile, within the allowance.
TEST_F(ReliefSamplePacket, VehiclePassesToTheSpouse) {
    EXPECT_DOUBLE_EQ(amount(page20::Page, page20::FirstAutomobile), 14500.00);
    EXPECT_DOUBLE_EQ(amount(page20::Page, page20::TotalOfTheAutomobiles), 14500.00);
    EXPECT_EQ(a().NoOf3774, 1);
    EXPECT_DOUBLE_EQ(amount(page97::Page, page97::TotalValueOfTheVehiclesTaken),
                     amount(page20::Page, page20::TotalOfTheAutomobiles));
    EXPECT_EQ(printed(page1::Page, page1::Persons.start + 1), relief::Spouse);
    EXPECT_EQ(printed(page1::Page, page1::Persons.start + 7), "Samuel D. Okafor");
    EXPECT_EQ(printed(page1::Page, page1::Persons.start + 11), "5/3/2011");  // a minor's birth date
    EXPECT_EQ(printed(page1::Page, page1::MinorListed), "X");
    // The notice of the hearing on relief and its publication name the
    // applicant, the time and the place.
    EXPECT_EQ(printed(page23::Page, page23::Notified.start), "Samuel D. Okafor");
    EXPECT_EQ(printed(page23::Page, page23::Applicant), relief::Spouse);
    EXPECT_EQ(printed(page23::Page, page23::PlaceOfTheHearing), "Courtroom 2");
    EXPECT_EQ(printed(page24::Page, page24::Applicant), relief::Spouse);
    EXPECT_EQ(printed(page24::Page, page24::DateOfTheHearing),
              printed(page23::Page, page23::DateOfTheHearing));
}

class IntestateSamplePacket : public SamplePacket, public ::testing::Test {
public:
    IntestateSamplePacket() : SamplePacket(fillIntestateSample) {}
};

TEST_F(IntestateSamplePacket, FullCalculationReportsNothing) {
    EXPECT_EQ(reports.numbers(), QList<int>{});
    EXPECT_FALSE(a().ErrFlag);
}

// A final account: everything received is paid out or distributed, the
// house's sale at its appraisal plus the gain, and nothing remains.
TEST_F(IntestateSamplePacket, FinalAccountBalancesToNothing) {
    EXPECT_DOUBLE_EQ(amount(page61::Page, page61::TotalReceipts), 160500.00);
    EXPECT_DOUBLE_EQ(amount(page61::Page, page61::ProceedsFromSaleOfRealProperty), 128500.00);
    EXPECT_DOUBLE_EQ(amount(page61::Page, page61::TotalDisbursements), 160500.00);
    EXPECT_DOUBLE_EQ(amount(page61::Page, page61::BalanceRemainingInTheFiduciaryHands), 0.00);
    // The inventory holds the house at its appraisal and the cars apart.
    EXPECT_DOUBLE_EQ(amount(page28::Page, page28::TotalOfTheInventory), 148400.00);
    EXPECT_DOUBLE_EQ(amount(page28::Page, page28::TotalOfTheAutomobiles), 21500.00);
    EXPECT_DOUBLE_EQ(amount(page97::Page, page97::TotalValueOfTheVehiclesTaken), 21500.00);
}

// The spouse, the son and the minor (through her guardian) are where each
// form needs them; the shares in kind are the distributees' own.
TEST_F(IntestateSamplePacket, HeirsAndTheGuardianStandWhereTheyBelong) {
    EXPECT_EQ(printed(page1::Page, page1::Persons.start + 1), intestate::Spouse);
    EXPECT_EQ(printed(page1::Page, page1::Persons.start + 7), intestate::Administrator);
    EXPECT_EQ(printed(page1::Page, page1::Persons.start + 13), intestate::Minor);
    EXPECT_EQ(printed(page35::Page, page35::SurvivingSpouse), intestate::Spouse);
    EXPECT_EQ(printed(page35::Page, page35::ShareAskedForTheFirstChild), "$20,000.00");
    EXPECT_EQ(a().NoOf3774, 2);  // both cars
    EXPECT_EQ(a().NoOfStockPOA, 1);
}

// A sole administrator's acceptance has no co-fiduciary's caption or name
// under its second line.
TEST_F(IntestateSamplePacket, AcceptanceNamesNoCoFiduciary) {
    EXPECT_EQ(printed(page51::Page, page51::FiduciarySigning), intestate::Administrator);
    EXPECT_EQ(printed(page51::Page, page51::CoFiduciarySigning), "");
    EXPECT_EQ(printed(page51::Page, page51::CoFiduciaryLine), "");
}

// 6.0's back speaks of the election under or against the will only where
// there is a will.
TEST_F(IntestateSamplePacket, InventoryBackSpeaksOfNoWill) {
    EXPECT_EQ(printed(page29::Page, page29::SpouseRightsTold),
              "The surviving spouse has been told of the spouse's rights in the estate and of the "
              "automobiles that pass to the spouse.");
}

TEST_F(RichSamplePacket, InventoryBackSpeaksOfTheElectionUnderTheWill) {
    EXPECT_TRUE(printed(page29::Page, page29::SpouseRightsTold)
                    .contains(QStringLiteral("to elect to take under or against the will")));
}

// The two samples together send rows to every form a worksheet feeds, but
// those neither estate has: Form 7.2's apportionment (no minor child apart
// from the spouse), 5.10's summary release (the small estate is relieved,
// not released), and the federal schedules of joint, transferred, appointed
// and annuity property.
TEST(SampleCases, TogetherSendRowsToEveryForm) {
    CaseData rich, small;
    fillRichSample(rich);
    fillReliefSample(small);
    auto marked = [&](const WorksheetStore CaseData::*store, int column) {
        for (const CaseData* data : {&rich, &small}) {
            const WorksheetStore& s = data->*store;
            for (int row = 0; row < s.rowCount(); ++row)
                if (s.cell(column, row) == u"X") return true;
        }
        return false;
    };
    for (int column = 10; column <= 46; ++column) {
        if (column != 13 && column != 14 && column != 31) {
            EXPECT_TRUE(marked(&CaseData::KSchedList, column)) << "kin " << column;
        }
    }
    for (int column : {16, 17, 18, 19, 20, 22, 23, 25, 26, 27, 28, 29, 30, 31, 32,
                       33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 44, 86, 88, 92})
        EXPECT_TRUE(marked(&CaseData::ASchedList, column)) << "asset " << column;
    for (int column : {7, 8, 9, 10, 11, 12, 13, 14, 15, 21})
        EXPECT_TRUE(marked(&CaseData::ESchedList, column)) << "expense " << column;
}

}  // namespace
}  // namespace wm4::test
