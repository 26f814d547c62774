// wendmoor4 check, run as a user runs it: the rich sample reports nothing
// (status 0); a copy with one inconsistency planted for each family of rules
// reports exactly those five, one line each (status 3).
#include <gtest/gtest.h>

#include <QProcess>

#include "app/command_test.h"
#include "case/case_data.h"
#include "case/worksheet_columns.h"
#include "files/client_file.h"
#include "forms/page000.h"

namespace wm4::test {
namespace {

class CheckCommand : public CommandTest {
protected:
    CommandRun runProgram(const QStringList& arguments) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", path("config"));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(WM4_PROGRAM), arguments);
        if (!program.waitForFinished(60'000)) return {-1, {}, {}};
        return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
                QString::fromUtf8(program.readAllStandardError())};
    }
};

// The rich sample is consistent and fits every field: Check Case finds
// nothing, of any family (the printing family's reduced-text included).
TEST_F(CheckCommand, TheRichSampleHasNothingToReport) {
    const CommandRun r = runProgram({"check", fixture("rich_sample.wm4")});
    EXPECT_EQ(r.status, 0) << r.out.toStdString();
    EXPECT_EQ(r.out, QString());
    EXPECT_EQ(r.err, QString());
}

TEST_F(CheckCommand, FivePlantedInconsistenciesAndTheOneTheyCause) {
    CaseData data;
    QString error;
    ASSERT_TRUE(ReadClientFile(data, fixture("rich_sample.wm4"), &error)) << error.toStdString();
    // figures: the tractor's sale proceeds booked on the account as income,
    // so the account no longer carries the whole inventory.
    data.ASchedList.setCell(assetColumn::Category13_0, 6, QStringLiteral("Income"));
    // dates: the decedent born after the death.
    data.answers.setAnswer(page0::Page, 0, page0::DecedentBirthDate, QStringLiteral("3/4/2027"));
    // addresses: the library, sent the notice of probate, without a street.
    data.KSchedList.setCell(kinColumn::Street, 3, QString());
    // assets: the funeral bill sent to the account without an amount. The
    // account's costs drop with it, below the debts and costs typed on 12.0:
    // a finding of the figures family that follows from it.
    data.ESchedList.setCell(expenseColumn::Amount, 0, QString());
    // names: the son's name without the period after his initial.
    data.ASchedList.setCell(assetColumn::Distributees, 4, QStringLiteral("Thomas R Whitcombe"));
    WriteClientFile(data, path("planted.wm4"));

    const CommandRun r = runProgram({"check", path("planted.wm4")});
    EXPECT_EQ(r.status, 3);
    const QStringList found = r.out.split(u'\n', Qt::SkipEmptyParts);
    QStringList rules;
    for (const QString& line : found) rules << line.section(u':', 0, 0);
    EXPECT_EQ(rules,
              (QStringList{"inventory-on-account", "distribution-values", "birth-before-death",
                           "notice-address", "row-value", "name-spelling"}))
        << r.out.toStdString();
    ASSERT_EQ(found.size(), 6);
    EXPECT_EQ(found[1],
              "distribution-values: 12.0 subtracts debts and costs of 14,733.58, the account's "
              "fees, costs and claims (13.0) are 7,933.58. [12.0 Application for Certificate of "
              "Transfer, copy 1]");
    EXPECT_EQ(found[3],
              "notice-address: Ellery Public Library has no street address but is on 2.2 Notice "
              "of Probate, 10.2 Notice of Hearing on Application, 13.5 Notice of Hearing on "
              "Account. [Kin Worksheet, row 4]");
    EXPECT_TRUE(found[5].endsWith("[Asset Worksheet, row 5]")) << found[5].toStdString();
}

TEST_F(CheckCommand, AFileThatCannotBeReadIsStatusOne) {
    const CommandRun r = runProgram({"check", path("missing.wm4")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.startsWith("wendmoor4: ")) << r.err.toStdString();
}

}  // namespace
}  // namespace wm4::test
