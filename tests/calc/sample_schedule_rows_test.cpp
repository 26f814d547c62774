// The rich sample's schedules as the court reads them: every row of the
// inventory (6.1), the account (13.1), the assets remaining (13.2), the
// schedule of claims (24.4, 24.5) and the Commissioner's Report is either an
// item of a worksheet row, its amount the worksheet's text unchanged, or one
// of the forms' own label rows, word for word, its figure in its column. A
// row text changed for taste fails here.
#include <gtest/gtest.h>

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <map>
#include <vector>

#include "calc/calc_case.h"
#include "calc/run/calculate_complete.h"
#include "support/rich_sample.h"

namespace wm4::test {
namespace {

// The kind character of each slot's merge marker in a page's template.
QMap<int, QChar> markerKinds(int page) {
    QMap<int, QChar> kinds;
    QFile file(QStringLiteral(WM4_SOURCE_DATA_DIR "/RTF/Page%1.rtf").arg(page));
    if (!file.open(QIODevice::ReadOnly)) return kinds;
    static const QRegularExpression marker(QStringLiteral("/([*<$#%&+~^!])(\\d+)/"));
    const QString text = QString::fromLatin1(file.readAll());
    for (auto it = marker.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        kinds.insert(m.captured(2).toInt(), m.captured(1).at(0));
    }
    return kinds;
}

// Where a label row's figure stands: nowhere (a header), or in a column.
constexpr int NoFigure = -1;

// One schedule form: its pages and slot layout, and its label rows.
struct Schedule {
    const char* name;
    struct Side {
        int page, firstSlot, lines;
    };
    std::vector<Side> sides;  // the sides of one copy
    int texts;                // slots a line
    int descriptionColumn;
    std::vector<int> amountColumns;  // the columns of item amounts
    // label text -> the column its figure stands in
    std::map<QString, int> labels;
    // column -> text every label row has there (the claims' "***")
    std::map<QString, std::pair<int, QString>> labelMarks;
    int copies;
    bool mayBeEmpty = false;  // a continuation sheet the count keeps room for
};

class RichSampleSchedules : public CalcCase, public ::testing::Test {
protected:
    RichSampleSchedules() {
        fillRichSample(data);
        CalculateComplete(ctx);
        for (const WorksheetStore* store : {&data.ASchedList, &data.ESchedList})
            for (int r = 0; r < store->rowCount(); ++r) {
                descriptions << QLatin1Char(' ') +
                                    store->cell(columns::AssetDescription, r)
                                        .split(QLatin1Char('|'))
                                        .join(QLatin1Char(' '))
                                        .simplified() +
                                    QLatin1Char(' ');
                amountTexts.insert(store->cell(columns::AssetValue, r));
            }
        // The claims' estimated payments, typed on the expense rows.
        for (int r = 0; r < data.ESchedList.rowCount(); ++r)
            amountTexts.insert(data.ESchedList.cell(expenseColumn::EstimatedPayment, r));
    }

    // The printed lines of every copy; fails when a slot is not printed as
    // it stands (an amount marker would drop an item's "$").
    std::vector<QStringList> lines(const Schedule& s) {
        std::vector<QStringList> out;
        for (int copy = 0; copy < s.copies; ++copy)
            for (const Schedule::Side& side : s.sides) {
                const QMap<int, QChar> kinds = markerKinds(side.page);
                for (int i = 0; i < side.lines; ++i) {
                    QStringList line;
                    for (int t = 0; t < s.texts; ++t) {
                        const int slotNo = side.firstSlot + s.texts * i + t;
                        EXPECT_TRUE(kinds.contains(slotNo)) << side.page << " " << slotNo;
                        const QChar kind = kinds.value(slotNo);
                        EXPECT_TRUE(kind == u'*' || kind == u'<')
                            << "page " << side.page << " slot " << slotNo << " prints as /"
                            << QString(kind).toStdString() << "/";
                        line << slot(side.page, copy, slotNo);
                    }
                    if (!line.join(QString()).isEmpty()) out.push_back(line);
                }
            }
        return out;
    }

    // A line of an item: a run of whole words of a worksheet description.
    bool isItemLine(const QString& text) const {
        const QString words = QLatin1Char(' ') + text.simplified() + QLatin1Char(' ');
        for (const QString& d : descriptions)
            if (d.contains(words)) return true;
        return false;
    }

    void checkRows(const Schedule& s) {
        SCOPED_TRACE(s.name);
        const std::vector<QStringList> printed = lines(s);
        int labelRows = 0, dollarItems = 0;
        for (const QStringList& line : printed) {
            const QString joined = line.join(QStringLiteral(" | "));
            const QString& description = line[s.descriptionColumn];
            const auto label = s.labels.find(description);
            if (label != s.labels.end()) {
                ++labelRows;
                for (int c = 0; c < line.size(); ++c) {
                    if (c == s.descriptionColumn) continue;
                    const auto mark = s.labelMarks.find(description);
                    if (mark != s.labelMarks.end() && mark->second.first == c) {
                        EXPECT_EQ(line[c], mark->second.second) << joined.toStdString();
                    } else if (c == label->second) {
                        EXPECT_FALSE(line[c].isEmpty()) << joined.toStdString();
                        EXPECT_FALSE(line[c].startsWith(u'$')) << joined.toStdString();
                    } else if (!(s.texts == 6 && c == 4 && label->second == 3)) {
                        // (24.4's subtotals may also total the estimated
                        // payments, in column 4.)
                        EXPECT_EQ(line[c], QString()) << joined.toStdString();
                    }
                }
                continue;
            }
            EXPECT_TRUE(isItemLine(description))
                << "neither a label of the form nor an item: " << joined.toStdString();
            for (int c : s.amountColumns) {
                if (line[c].isEmpty()) continue;
                EXPECT_TRUE(amountTexts.contains(line[c]))
                    << "an amount not as the worksheet holds it: " << joined.toStdString();
                if (line[c].startsWith(u'$')) ++dollarItems;
            }
        }
        // Not vacuous: the sample sends rows to every one of these forms.
        if (s.mayBeEmpty && printed.empty()) return;
        EXPECT_GT(labelRows, 0);
        EXPECT_GT(dollarItems, 0);
    }

    QStringList descriptions;
    QSet<QString> amountTexts;
};

// The label rows of the account and the Commissioner's Report: receipts'
// figures in column 3, disbursements' in column 2 (under the Disbursements
// heading), headers none.
std::map<QString, int> accountLabels() {
    std::map<QString, int> labels;
    for (const char* header :
         {"RECEIPTS *****************************", "PERSONAL PROPERTY NOT SOLD ***",
          "PROCEEDS FROM SALE OF PERSONAL PROPERTY ***", "REAL PROPERTY NOT SOLD ***",
          "PROCEEDS FROM SALE OF REAL PROPERTY ***", "INCOME ****", "OTHER RECEIPTS ****",
          "DISBURSEMENTS *****************************",
          "FIDUCIARY FEES THIS ACCOUNTING PERIOD ***", "ATTORNEY FEES THIS ACCOUNTING PERIOD ***",
          "OTHER ADMINISTRATIVE COSTS & EXPENSES ***", "DEBTS & CLAIMS AGAINST ESTATE ***",
          "OHIO & FEDERAL ESTATE TAXES ***", "PERSONAL PROPERTY DISTRIBUTED IN KIND ***",
          "REAL PROPERTY TRANSFERRED ***", "OTHER DISTRIBUTIONS TO BENEFICIARIES ***",
          "OTHER DISBURSEMENTS ***"})
        labels[QString::fromUtf8(header)] = NoFigure;
    for (const char* receipt :
         {"********** Personal Property Not Sold Subtotal",
          "********** Proceeds From Sale of Personal Property Subtotal",
          "********** Real Property Not Sold Subtotal",  // no stray "of"
          "********** Proceeds From Sale of Real Property Subtotal", "**********Income Subtotal",
          "**********Other Receipts Subtotal", "********** Grand Total of Receipts"})
        labels[QString::fromUtf8(receipt)] = 3;
    for (const char* disbursement :
         {"********** Fiduciary Fees This Accounting Period Subtotal",
          "********** Attorney Fees This Accounting Period Subtotal",
          "********** Other Administrative Costs & Expenses Subtotal",
          "********** Debts & Claims Against Estate Subtotal",
          "********** Ohio & Federal Estate Taxes Subtotal",
          "********** Personal Property Distributed in Kind Subtotal",
          "********** Real Property Transferred Subtotal",
          "********** Other Distributions To Beneficiaries Subtotal",
          "********** Other Disbursements Subtotal", "********** Grand Total of Disbursements"})
        labels[QString::fromUtf8(disbursement)] = 2;
    return labels;
}

std::map<QString, int> inventoryLabels() {
    return {{"TANGIBLE PERSONAL PROPERTY", NoFigure},
            {"INTANGIBLE PERSONAL PROPERTY", NoFigure},
            {"REAL PROPERTY", NoFigure},
            {"********** Subtotal of Tangible Personal Property", 2},
            {"********** Subtotal of Intangible Personal Property", 2},
            {"********** Subtotal of Real Property", 2},
            {"********** Grand Total", 2}};
}

TEST_F(RichSampleSchedules, EveryRowIsAnItemOrTheFormsOwnLabel) {
    ASSERT_EQ(reports.numbers(), QList<int>{});
    checkRows({"6.1", {{30, 6, 36}, {31, 3, 50}}, 3, 0, {2}, inventoryLabels(), {}, a().NoOf6_1});
    checkRows(
        {"13.1", {{62, 6, 40}, {63, 3, 50}}, 4, 0, {2, 3}, accountLabels(), {}, a().NoOf13_1});
    checkRows(
        {"13.2", {{64, 11, 26}, {65, 3, 48}}, 3, 0, {2}, inventoryLabels(), {}, a().NoOf13_2});
    checkRows({"Commissioner's Report",
               {{71, 4, 42}},
               4,
               0,
               {2, 3},
               {{"RECEIPTS *****************************", NoFigure},
                {"DISBURSEMENTS *****************************", NoFigure},
                {"********** Total of Receipts", 3},
                {"********** Total of Disbursements", 2}},
               {},
               a().NoOfCommRep});

    // 24.4 and its continuation sheets 24.5: class headers with "***" in
    // the number column, "ADMINISTRATIVE" spelt right.
    std::map<QString, int> claims = {{"SUBTOTAL", 3}, {"Grand Total ", 3}};
    std::map<QString, std::pair<int, QString>> marks;
    for (const char* header :
         {"(1) ADMINISTRATIVE EXPENSES", "(2) FUNERAL EXPENSES TO $4,000",
          "(3) SPOUSAL & CHILD SUPPORT", "(4) PREFERENCE DEBTS", "(5) LAST SICKNESS EXPS",
          "(6) EXCESS FUNERAL EXPS", "(7) LAST NURSING HOME STAY", "(8) PERSONALTY TAXES, ETC.",
          "(9) MANUAL LABOR", "(10) OTHER DEBTS"}) {
        claims[QString::fromUtf8(header)] = NoFigure;
        marks[QString::fromUtf8(header)] = {0, QStringLiteral("***")};
    }
    Schedule claimsSchedule{"24.4", {{155, 7, 22}}, 6, 1, {3, 4}, claims, marks, 1};
    checkRows(claimsSchedule);
    Schedule continuation = claimsSchedule;
    continuation.name = "24.5";
    continuation.sides = {{156, 7, 30}};
    continuation.copies = a().NoOf24_5;
    continuation.mayBeEmpty = true;
    checkRows(continuation);
}

}  // namespace
}  // namespace wm4::test
