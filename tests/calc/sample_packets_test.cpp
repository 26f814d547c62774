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
    const double receipts = amount(61, 7), disbursements = amount(61, 17), balance = amount(61, 18);
    EXPECT_GT(receipts, 0);
    EXPECT_DOUBLE_EQ(receipts, sum(61, {1, 2, 3, 4, 5, 6}));
    EXPECT_DOUBLE_EQ(disbursements, sum(61, {8, 9, 10, 11, 12, 13, 14, 15, 16}));
    EXPECT_NEAR(receipts - disbursements, balance, 0.001);

    const std::vector<Line> schedule = account();
    EXPECT_DOUBLE_EQ(lineAmount(schedule, QStringLiteral("Grand Total of Receipts"), 3), receipts);
    EXPECT_DOUBLE_EQ(lineAmount(schedule, QStringLiteral("Grand Total of Disbursements"), 3),
                     disbursements);

    EXPECT_DOUBLE_EQ(amount(64, 10), balance);
    EXPECT_DOUBLE_EQ(lineAmount(assetsRemaining(), QStringLiteral("Grand Total"), 2), balance);
    EXPECT_DOUBLE_EQ(amount(64, 8) + amount(64, 9), balance);
}

// The inventory's total is the same on 6.0, on 6.1's grand total and in the
// account, whose receipts of principal (property not sold and the proceeds
// of property sold) are the inventoried assets; the appraisal (3.0), the
// authority to administer (4.0, without its year of rents) and the
// distribution in kind (10.0, with income) say the same.
TEST_F(RichSamplePacket, InventoryTotalIsOneFigure) {
    const double inventory = amount(28, 7);
    EXPECT_GT(inventory, 0);
    EXPECT_DOUBLE_EQ(lineAmount(this->inventory(), QStringLiteral("Grand Total"), 2), inventory);
    EXPECT_DOUBLE_EQ(amount(28, 4) + amount(28, 5) + amount(28, 6), inventory);
    EXPECT_DOUBLE_EQ(sum(61, {1, 2, 3, 4}), inventory);
    EXPECT_DOUBLE_EQ(sum(10, {14, 28, 42}), inventory);
    EXPECT_DOUBLE_EQ(amount(11, 16) + amount(11, 22), inventory);
    EXPECT_DOUBLE_EQ(amount(11, 24), inventory + amount(11, 18));
    EXPECT_DOUBLE_EQ(amount(46, 12) + amount(46, 13), inventory);
    EXPECT_DOUBLE_EQ(amount(46, 15), amount(61, 7));
    // The asset found later is reported, not inventoried; the account
    // receives it among its other receipts.
    EXPECT_TRUE(printed(128, 5).startsWith(QStringLiteral("Refund")))
        << printed(128, 5).toStdString();
    EXPECT_EQ(printed(128, 7), "");
    EXPECT_DOUBLE_EQ(amount(128, 6), amount(61, 6));
}

// Each fee prints as one figure: the executors' commission as computed is
// what the account pays; the attorney's fee billed on the application is
// the court's schedule for the estate, and the account, the entry, the
// consent, the schedule of claims and the Commissioner's Report print it.
TEST_F(RichSamplePacket, EachFeeIsOneFigureWhereverItPrints) {
    const double commission = amount(99, 17);
    EXPECT_GT(commission, 0);
    EXPECT_DOUBLE_EQ(amount(99, 20), commission);
    EXPECT_DOUBLE_EQ(amount(61, 8), commission);
    const std::vector<Line> schedule = account();
    EXPECT_DOUBLE_EQ(
        lineAmount(schedule, QStringLiteral("Fiduciary Fees This Accounting Period Subtotal"), 3),
        commission);

    const double fee = amount(43, 8);
    EXPECT_GT(fee, 0);
    EXPECT_DOUBLE_EQ(amount(43, 14), fee);
    EXPECT_DOUBLE_EQ(amount(49, 10), fee);
    EXPECT_DOUBLE_EQ(amount(70, 24), fee);
    EXPECT_DOUBLE_EQ(amount(101, 15), fee);
    EXPECT_DOUBLE_EQ(amount(61, 9), fee);
    EXPECT_DOUBLE_EQ(
        lineAmount(schedule, QStringLiteral("Attorney Fees This Accounting Period Subtotal"), 3),
        fee);
    EXPECT_DOUBLE_EQ(lineAmount(claims(), QStringLiteral("Attorney fees"), 3, 1), fee);
}

// Both computations take the personal property and income the account
// receives (everything but the real estate, which is not sold) and the
// real estate not sold; an administered estate has no relief base.
TEST_F(RichSamplePacket, FeeBasesAreTheAccountsReceipts) {
    const double personalAndIncome = sum(61, {1, 2, 5, 6});
    EXPECT_DOUBLE_EQ(amount(99, 4), personalAndIncome);
    EXPECT_DOUBLE_EQ(amount(101, 2), personalAndIncome);
    EXPECT_DOUBLE_EQ(amount(99, 10), amount(61, 3));
    EXPECT_DOUBLE_EQ(amount(101, 6), amount(61, 3));
    EXPECT_DOUBLE_EQ(amount(101, 8), 0);
}

// The debts and costs the certificate of transfer subtracts are the
// account's, and the schedule of claims lists the same claims.
TEST_F(RichSamplePacket, DebtsAreOneFigure) {
    const double debtsAndCosts = sum(61, {8, 9, 10, 11});
    EXPECT_DOUBLE_EQ(amount(56, 7), debtsAndCosts);
    EXPECT_DOUBLE_EQ(amount(150, 10), debtsAndCosts);
    // Its personal property is the inventory's, with the refund found later.
    EXPECT_DOUBLE_EQ(amount(56, 2), amount(28, 4) + amount(28, 5));
    EXPECT_DOUBLE_EQ(amount(56, 3), amount(61, 6));
    EXPECT_DOUBLE_EQ(amount(56, 4), amount(28, 6));
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
    EXPECT_EQ(printed(8, 10), "X");   // 2.4: the executor
    EXPECT_EQ(printed(8, 11), "");    // not an administrator with the will annexed
    EXPECT_EQ(printed(60, 4), "X");   // 13.0: executor
    EXPECT_EQ(printed(60, 12), "X");  // partial account
    EXPECT_FALSE(printed(60, 9).isEmpty());
    // Every notice of probate is signed by the executor.
    ASSERT_EQ(a().NoOf2_2, rich::NoticesOfProbate);
    for (int c = 0; c < a().NoOf2_2; ++c) {
        EXPECT_EQ(printed(6, 19, c), "X") << c;
        EXPECT_EQ(printed(6, 15, c),
                  QStringLiteral("%1 & %2").arg(rich::Fiduciary, rich::CoFiduciary))
            << c;
        EXPECT_FALSE(printed(6, 4, c).isEmpty()) << c;
    }
    EXPECT_EQ(printed(34, 2), QString::fromLatin1(rich::Decedent).toUpper());  // 7.1's caption
    EXPECT_EQ(printed(51, 7), rich::Fiduciary);  // the acceptance's two signers, each named
    EXPECT_EQ(printed(51, 8), rich::CoFiduciary);
    EXPECT_EQ(printed(57, 6), "X");  // the certificate: testate
    EXPECT_EQ(printed(57, 5), "");
}

// Each asset goes where it is: the household goods are set off to the spouse
// (7.1), the tractor is what is sold (9.0), nothing is apportioned (7.2, no
// minor child); the office's boxes on the estate recovery notices are ticked.
TEST_F(RichSamplePacket, EachAssetIsDealtWithOnce) {
    EXPECT_TRUE(printed(34, 9).startsWith(QStringLiteral("Household")));
    EXPECT_EQ(printed(34, 11), "");
    EXPECT_TRUE(printed(41, 1).startsWith(QStringLiteral("Garden tractor")));
    EXPECT_EQ(printed(41, 5), "");
    EXPECT_EQ(printed(35, 8), "");
    EXPECT_EQ(printed(45, 5), "X");  // 7.0: 55 or older
    EXPECT_EQ(printed(79, 7), "84 years");
    EXPECT_EQ(printed(79, 11), "X");  // 7.0(A): the spouse survives
    EXPECT_EQ(printed(12, 31), "X");  // 4.0: the applicants live in Ohio
}

// The letters and notices go to the parties they are for, and speak of the
// decedent as a man.
TEST_F(RichSamplePacket, LettersAndNoticesReachTheirParties) {
    ASSERT_EQ(a().NoOf24_2, 2);
    EXPECT_EQ(printed(153, 4, 0), "Ashby Funeral Home");
    EXPECT_EQ(printed(153, 4, 1), "Ellery General Hospital");
    EXPECT_EQ(printed(153, 9, 1), "June 29, 2026");  // the first notice's hearing, in long form
    ASSERT_EQ(a().NoOfInsLtr, 1);
    EXPECT_EQ(printed(122, 5), "Buckeye Mutual Life Insurance Company");
    EXPECT_EQ(printed(122, 10), "BM-7730412");
    EXPECT_EQ(printed(122, 11), "Sir or Madam");
    EXPECT_EQ(printed(125, 5), "Helen Price");
    EXPECT_EQ(printed(125, 14), "12 Oak Lane, Ellery, Ohio  43917");
    for (int c = 0; c < a().NoOfWillLtr; ++c) EXPECT_EQ(printed(116, 11, c), "Mr. Whitcombe");
    EXPECT_EQ(printed(121, 13), "Mr. Whitcombe");
    // The widow is "Ms." in the letters to her.
    EXPECT_EQ(printed(116, 10, 0), "Ms. Whitcombe");
    // Only the son takes property in kind.
    ASSERT_EQ(a().NoOf10_4, 1);
    EXPECT_EQ(printed(52, 4), rich::CoFiduciary);
    EXPECT_EQ(printed(52, 14), "100 shares Ohio Power Co. common stock");  // from 10.0's rows
    // 1.0: the spouse and the children on the front, the library on the back.
    EXPECT_EQ(printed(1, 5), rich::Spouse);
    EXPECT_EQ(printed(1, 11), rich::Fiduciary);
    EXPECT_EQ(printed(1, 17), rich::CoFiduciary);
    EXPECT_EQ(printed(1, 23), "");
    EXPECT_EQ(printed(2, 2), "Ellery Public Library");
    EXPECT_EQ(printed(1, 15), "");  // an adult's birth date is not given
    // 6.3AA proves service on the persons 6.3 went to.
    EXPECT_EQ(printed(84, 5), printed(33, 7));
    EXPECT_EQ(printed(84, 10), rich::Spouse);
    EXPECT_EQ(printed(84, 13), "");
}

// The spouse's motor vehicle affidavit: the vehicles' total is the
// inventory's automobiles.
TEST_F(RichSamplePacket, VehicleAffidavitTotalsTheSpousesCars) {
    EXPECT_DOUBLE_EQ(amount(97, 7), amount(28, 10));
    EXPECT_EQ(a().NoOf3774, 2);
}

// BMV 3773's "At death __ owned" speaks of the decedent marked as the husband
// as "he" (the unit once took the husband mark for "she").
TEST_F(RichSamplePacket, VehicleAffidavitSpeaksOfTheDecedentAsHe) {
    EXPECT_EQ(printed(97, 4), "he");
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
    const double relieved = amount(20, 57);
    EXPECT_DOUBLE_EQ(relieved, 80000.00);
    double others = 0;
    for (int p = 0; p < 22; ++p) others += Str2Float_2(printed(20, 11 + 2 * p));
    EXPECT_DOUBLE_EQ(amount(20, 9) + others, relieved);
    EXPECT_LE(relieved, 100000.00);  // the ceiling claimed on 5.0
    EXPECT_EQ(printed(18, 18), "X");

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
    EXPECT_EQ(printed(26, 18), "X");
    EXPECT_DOUBLE_EQ(remainder + released, relieved);
}

// The certificate of transfer carries the relief's figures: the house's
// value, the personal property, the debts of 5.1's back.
TEST_F(ReliefSamplePacket, CertificateOfTransferCarriesTheReliefFigures) {
    EXPECT_DOUBLE_EQ(amount(56, 4), amount(20, 9));
    EXPECT_DOUBLE_EQ(amount(56, 2), amount(20, 57) - amount(20, 9));
    EXPECT_DOUBLE_EQ(amount(56, 7), amount(21, 91));
    EXPECT_DOUBLE_EQ(amount(56, 8), amount(56, 4) - amount(56, 7));
    EXPECT_EQ(a().NoOf12, 1);
    EXPECT_EQ(printed(57, 5), "X");  // intestate
    EXPECT_EQ(printed(57, 6), "");
    EXPECT_EQ(printed(57, 8), relief::Spouse);
}

// The attorney's fee of a relieved estate is the schedule's rate on the
// relieved assets, and the application bills the same amount.
TEST_F(ReliefSamplePacket, AttorneyFeeIsOneFigure) {
    EXPECT_DOUBLE_EQ(amount(101, 8), amount(20, 57));
    const double fee = amount(101, 15);
    EXPECT_DOUBLE_EQ(fee, 2000.00);
    EXPECT_DOUBLE_EQ(amount(101, 9), fee);
    EXPECT_DOUBLE_EQ(amount(43, 8), fee);
    EXPECT_DOUBLE_EQ(amount(49, 10), fee);
}

// The spouse takes the car outside the relief; its value stands on 5.1 as
// the first automobile, within the allowance.
TEST_F(ReliefSamplePacket, VehiclePassesToTheSpouse) {
    EXPECT_DOUBLE_EQ(amount(20, 4), 14500.00);
    EXPECT_DOUBLE_EQ(amount(20, 6), 14500.00);
    EXPECT_EQ(a().NoOf3774, 1);
    EXPECT_DOUBLE_EQ(amount(97, 7), amount(20, 6));
    EXPECT_EQ(printed(1, 5), relief::Spouse);
    EXPECT_EQ(printed(1, 11), "Samuel D. Okafor");
    EXPECT_EQ(printed(1, 15), "5/3/2011");  // a minor's birth date
    EXPECT_EQ(printed(1, 71), "X");
    // The notice of the hearing on relief and its publication name the
    // applicant, the time and the place.
    EXPECT_EQ(printed(23, 4), "Samuel D. Okafor");
    EXPECT_EQ(printed(23, 23), relief::Spouse);
    EXPECT_EQ(printed(23, 22), "Courtroom 2");
    EXPECT_EQ(printed(24, 5), relief::Spouse);
    EXPECT_EQ(printed(24, 12), printed(23, 20));
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
