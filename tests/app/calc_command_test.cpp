// wendmoor4 calc: the full calculation run over a case read from a file, its
// copy counters on standard output, its reports on standard error, and the
// calculated case saved.
#include <gtest/gtest.h>

#include <QFile>
#include <QMap>
#include <QRegularExpression>

#include "app/command_test.h"
#include "case/worksheet_columns.h"
#include "files/client_file.h"
#include "forms/page003.h"
#include "forms/page006.h"
#include "forms/page028.h"
#include "forms/page030.h"
#include "support/rich_sample.h"

namespace wm4::test {
namespace {

constexpr int Form2_2Limit = 40;  // notices of probate one run produces

class CalcCommand : public CommandTest {
protected:
    // Writes the case to IN.wm4, runs "calc IN.wm4 OUT.wm4" and reads OUT.wm4
    // back into `saved`.
    CommandRun calc(const CaseData& input) {
        WriteClientFile(input, path("in.wm4"));
        CommandRun r = runCommand({"calc", path("in.wm4"), path("out.wm4")});
        QString error;
        EXPECT_TRUE(ReadClientFile(saved, path("out.wm4"), &error)) << error.toStdString();
        return r;
    }

    // The copy counters printed, by name; fails unless every counter is
    // printed once as NAME=VALUE, in field order.
    static QMap<QString, int> counters(const QString& out) {
        QMap<QString, int> values;
        const QStringList printed = lines(out);
        EXPECT_EQ(printed.size(), int(CopyCounterFields.size())) << out.toStdString();
        for (int i = 0; i < printed.size() && i < int(CopyCounterFields.size()); ++i) {
            const QString name = QLatin1String(CopyCounterFields[size_t(i)].name);
            const QStringList parts = printed[i].split('=');
            bool whole = false;
            EXPECT_TRUE(parts.size() == 2 && parts[0] == name) << printed[i].toStdString();
            if (parts.size() == 2) values[name] = parts[1].toInt(&whole);
            EXPECT_TRUE(whole) << printed[i].toStdString();
        }
        return values;
    }

    static QStringList lines(const QString& text) { return text.split('\n', Qt::SkipEmptyParts); }

    CaseData saved;
};

TEST_F(CalcCommand, SavesTheCalculatedCaseAndPrintsItsCounters) {
    CaseData input;
    fillRichSample(input);
    const CommandRun r = calc(input);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, "");  // the sample calculates without a report

    const QMap<QString, int> printed = counters(r.out);
    EXPECT_EQ(printed["NoOf2_2"], rich::NoticesOfProbate);  // a notice of probate each
    EXPECT_EQ(printed["NoOf1_0"], 1);
    EXPECT_EQ(printed["NoOfCommRep"], 1);
    // The page copies saved are the counted ones.
    EXPECT_EQ(saved.answers.PgCt[6], rich::NoticesOfProbate);

    // Answers only the calculation writes: the caption, a schedule heading,
    // an amount of the inventory.
    const TAnswer& a = saved.answers;
    EXPECT_EQ(input.answers.answer(page3::Page, 0, page3::EstateOf), "");
    EXPECT_EQ(a.answer(page3::Page, 0, page3::EstateOf),
              QString::fromLatin1(rich::Decedent).toUpper());
    EXPECT_EQ(a.answer(page30::Page, 0, page30::Lines[0]), "TANGIBLE PERSONAL PROPERTY");
    EXPECT_EQ(a.answer(page28::Page, 0, page28::TotalOfTheAutomobiles), "24,500.00");
    EXPECT_EQ(a.answer(page6::Page, rich::NoticesOfProbate - 1, page6::EstateOf),
              QString::fromLatin1(rich::Decedent).toUpper());  // last notice

    // The saved case is complete: calculating it again changes nothing.
    const CommandRun again = runCommand({"calc", path("out.wm4"), path("again.wm4")});
    ASSERT_EQ(again.status, 0) << again.err.toStdString();
    EXPECT_EQ(again.out, r.out);
    EXPECT_EQ(readAll(path("again.wm4")), readAll(path("out.wm4")));
}

// A report that stops the run goes to standard error, and so does the
// reason the command failed: a stopped run is no calculated case.
TEST_F(CalcCommand, AReportThatStopsTheRunFailsTheCommandAndSavesNothing) {
    // One more kin row for Form 2.2 than one run produces notices for.
    CaseData input;
    input.KSchedList.setRowCount(Form2_2Limit + 1);
    for (int row = 0; row <= Form2_2Limit; ++row) {
        input.KSchedList.setCell(kinColumn::Name, row, QStringLiteral("Heir %1").arg(row + 1));
        input.KSchedList.setCell(kinColumn::ToForm2_2, row, "X");
    }
    WriteClientFile(input, path("in.wm4"));
    const CommandRun r = runCommand({"calc", path("in.wm4"), path("out.wm4")});
    EXPECT_EQ(r.status, 1);
    const QStringList reports = lines(r.err).filter(QRegularExpression("^REPORT 25020: "));
    EXPECT_EQ(reports.size(), 1) << r.err.toStdString();
    const QStringList others = lines(r.err).filter(QRegularExpression("^(?!REPORT \\d+: )"));
    ASSERT_EQ(others.size(), 1) << r.err.toStdString();
    EXPECT_EQ(others[0], "wendmoor4: calc: The calculation stopped after report 25020, before it "
                         "reached every form, so its answers are not complete. Mend what the "
                         "report names and calculate again. Nothing was saved.");
    EXPECT_TRUE(r.out.isEmpty()) << "no counters of an unfinished run";
    EXPECT_FALSE(QFile::exists(path("out.wm4")));
}

}  // namespace
}  // namespace wm4::test
