#include "large_case.h"

#include <QStringList>

#include "calc/checks/category_names.h"

namespace wm4::bench {

namespace {

// Short enough that each phrase prints on one line of the narrowest
// schedule column, so a description of k phrases takes k lines.
const QStringList Phrases = {
    "Checking account at First Federal",
    "Household goods and furnishings",
    "100 shares Acme Industries common",
    "Frame residence, 1200 Elm Street",
};

QString description(int row) {
    QStringList lines;
    for (int i = 0; i <= row % 4; ++i) lines.append(Phrases[(row + i) % Phrases.size()]);
    lines.last() += QStringLiteral(" #%1").arg(row);
    return lines.join(QStringLiteral(" | "));
}

const QString X = QStringLiteral("X");

void fillGeneralInformation(TAnswer& a) {
    const std::pair<int, const char*> answers[] = {
        {0, "Jane Q. Doe"},
        {1, "Judges A and B"},
        {2, "Judge Ruth"},
        {3, "Wendmoor"},
        {4, "2024 ES 0017"},
        {5, "Doe"},
        {6, "Jane"},
        {7, "Q."},
        {8, "12 Elm Street"},
        {10, "Wendmoor"},
        {12, "OH"},
        {13, "44000"},
        {14, "1/5/1940"},
        {16, "3/9/2021"},
        {21, "Carl Counsel"},
        {22, "1 Court Square"},
        {23, "Wendmoor"},
        {24, "OH"},
        {25, "44000"},
        {27, "0012345"},
        {28, "Ann Fiduciary"},
        {29, "5 Oak Lane"},
        {30, "Wendmoor"},
        {31, "OH"},
        {32, "44001"},
        {34, "Executor"},
    };
    for (const auto& [slot, text] : answers) a.setAnswer(0, 0, slot, QString::fromLatin1(text));
}

}  // namespace

std::unique_ptr<CaseData> largeCase() {
    static const char* const inventory[] = {"TANGIBLE PERSONAL PROPERTY",
                                            "INTANGIBLE PERSONAL PROPERTY", "REAL PROPERTY"};
    static const char* const account[] = {"PERSONAL PROPERTY NOT SOLD", "INCOME", "OTHER RECEIPTS"};
    auto data = std::make_unique<CaseData>();
    fillGeneralInformation(data->answers);

    WorksheetStore& kin = data->KSchedList;
    kin.setRowCount(200);
    for (int r = 0; r < 200; ++r) {
        kin.setCell(1, r, QStringLiteral("Heir Number %1").arg(r));
        kin.setCell(2, r, QStringLiteral("%1 Maple Avenue").arg(r + 1));
        kin.setCell(3, r, QStringLiteral("Wendmoor, OH  44000"));
        kin.setCell(4, r, QStringLiteral("Grandchild"));
        for (int column : {10, 11, 22, 39}) kin.setCell(column, r, X);  // 1.0, 4.4, 13.7b
    }

    WorksheetStore& assets = data->ASchedList;
    assets.setRowCount(2000);
    for (int r = 0; r < 2000; ++r) {
        assets.setCell(1, r, description(r));
        assets.setCell(2, r, QStringLiteral("$%1.00").arg(1000 + r));
        for (int column : {22, 29, 30, 35, 86}) assets.setCell(column, r, X);
        assets.setCell(53, r, QString::fromLatin1(inventory[r % 3]));
        assets.setCell(57, r, QString::fromLatin1(inventory[(r + 1) % 3]));
        assets.setCell(56, r, QString::fromLatin1(account[r % 3]));
        assets.setCell(58, r, ExecutorFeeCategories[size_t(r % 5)].toString());
        assets.setCell(87, r, AttorneyFeeCategories[size_t(r % 6)].toString());
    }

    WorksheetStore& expenses = data->ESchedList;
    expenses.setRowCount(500);
    for (int r = 0; r < 500; ++r) {
        expenses.setCell(1, r, description(r + 7));
        expenses.setCell(2, r, QStringLiteral("$%1.50").arg(20 + r));
        expenses.setCell(3, r, QString::number(5000 + r));
        expenses.setCell(6, r, QStringLiteral("OTHER DISBURSEMENTS"));
        expenses.setCell(9, r, X);
    }
    return data;
}

}  // namespace wm4::bench
