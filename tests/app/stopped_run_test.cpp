// A command whose calculation stopped at a fault does not report success:
// print writes no packet, calc saves nothing and prints no counters, check
// checks nothing; each exits 1 with the reason.
#include <gtest/gtest.h>

#include <QFile>

#include "app/command_test.h"
#include "case/case_data.h"
#include "case/worksheet_columns.h"
#include "files/client_file.h"
#include "support/rich_sample.h"

namespace wm4::test {
namespace {

class StoppedRun : public CommandTest {
protected:
    // The rich sample with one asset sent to the inventory without its
    // category: the run stops after the category test.
    void SetUp() override {
        CommandTest::SetUp();
        CaseData data;
        fillRichSample(data);
        WorksheetStore& assets = data.ASchedList;
        const int row = assets.rowCount();
        assets.setRowCount(row + 1);
        assets.setCell(assetColumn::Description, row, QStringLiteral("Uncategorised stamps"));
        assets.setCell(assetColumn::Value, row, QStringLiteral("$10.00"));
        assets.setCell(assetColumn::ToForm6_0, row, QStringLiteral("X"));
        WriteClientFile(data, path("stopped.wm4"));
    }

    static void expectStopped(const CommandRun& r, const char* consequence) {
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains(QStringLiteral("The calculation stopped after report ")))
            << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(consequence))) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    }
};

TEST_F(StoppedRun, PrintWritesNoPacket) {
    ASSERT_TRUE(writeAll(path("packet.rtf"), "the last packet"));
    expectStopped(runCommand({"print", path("stopped.wm4"), path("packet.rtf"), "--forms", "all",
                              "--pdf-folder", path("pdfs")}),
                  "No packet was written.");
    EXPECT_EQ(readAll(path("packet.rtf")), "the last packet");
    EXPECT_FALSE(QFile::exists(path("pdfs")));
}

TEST_F(StoppedRun, CalcSavesNothingAndCheckChecksNothing) {
    expectStopped(runCommand({"calc", path("stopped.wm4"), path("out.wm4")}), "Nothing was saved.");
    EXPECT_FALSE(QFile::exists(path("out.wm4")));
    expectStopped(runCommand({"check", path("stopped.wm4")}), "The case was not checked.");
}

}  // namespace
}  // namespace wm4::test
