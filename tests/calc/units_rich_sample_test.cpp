// Full calculation runs over the rich sample case: every unit runs, nothing
// is reported, with the test measurer and with the real fonts, and a second
// run over the results changes nothing. The sample is also kept as a case
// file, tests/fixtures/rich_sample.wm4, holding the case after a run with
// the real fonts (and the small relieved estate as relief_sample.wm4); set
// WM4_WRITE_FIXTURES=1 to write them again.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "calc/calc_case.h"
#include "calc/run/calculate_complete.h"
#include "files/client_file.h"
#include "forms/page001.h"
#include "forms/page003.h"
#include "forms/page028.h"
#include "forms/page030.h"
#include "forms/page062.h"
#include "forms/page079.h"
#include "forms/page155.h"
#include "output/qtmeasure/qt_text_measurer.h"
#include "support/rich_sample.h"

namespace wm4::test {
namespace {

class RichSampleRun : public CalcCaseTest {
protected:
    void SetUp() override {
        fillRichSample(data);
        CalculateComplete(ctx);
    }
};

TEST_F(RichSampleRun, FinishesWithoutAReport) {
    EXPECT_EQ(reports.numbers(), QList<int>{});
    EXPECT_FALSE(a().ErrFlag);
    // Every group of units wrote its pages.
    EXPECT_EQ(a().NoOf2_2, rich::NoticesOfProbate);
    EXPECT_EQ(slot(page3::Page, 0, page3::EstateOf), QString::fromLatin1(rich::Decedent).toUpper());
    EXPECT_EQ(slot(page1::Page, 0, page1::Persons.start + 1),
              rich::Spouse);  // the spouse line, not repeated below
    EXPECT_EQ(slot(page1::Page, 0, page1::Persons.start + 7),
              rich::Fiduciary);  // the first kin row after the spouse's
    EXPECT_EQ(slot(page30::Page, 0, page30::Lines.start), "TANGIBLE PERSONAL PROPERTY");
    EXPECT_EQ(slot(page62::Page, 0, page62::Lines.start), "RECEIPTS *****************************");
    EXPECT_EQ(slot(page155::Page, 0, page155::Lines.start), "***");
    EXPECT_EQ(slot(page155::Page, 0, page155::Lines.start + 1), "(1) ADMINISTRATIVE EXPENSES");
    EXPECT_EQ(slot(page28::Page, 0, page28::TotalOfTheAutomobiles),
              "24,500.00");  // both automobiles to the spouse
    EXPECT_EQ(slot(page79::Page, 0, page79::AgeAtDeath), "84 years");
}

TEST_F(RichSampleRun, SecondRunChangesNothing) {
    const QByteArray first = ClientFileBytes(data);
    CalculateComplete(ctx);
    EXPECT_EQ(reports.numbers(), QList<int>{});
    EXPECT_EQ(ClientFileBytes(data), first);
}

// The real fonts need a GUI application (the offscreen platform serves).
void ensureGuiApplication() {
    static int argc = 1;
    static char name[] = "test_calc";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
}

// The sample calculated with the real fonts.
class RealFontCase {
public:
    RealFontCase() {
        ensureGuiApplication();
        measurer = std::make_unique<QtTextMeasurer>();
        wrapper = std::make_unique<TextWrapper>(*measurer);
    }
    void run(CaseData& data) {
        CalcContext ctx{data, buffers, *wrapper};
        CalculateComplete(ctx);
    }

    ScheduleBuffers buffers;
    std::unique_ptr<QtTextMeasurer> measurer;
    std::unique_ptr<TextWrapper> wrapper;
};

// Calculates a sample with the real fonts, compares it with its fixture
// file (writing the file first under WM4_WRITE_FIXTURES).
void checkFixture(void (*fill)(CaseData&), const char* fileName) {
    ReportRecorder reports;
    RealFontCase real;
    CaseData fresh;
    fill(fresh);
    real.run(fresh);
    EXPECT_EQ(reports.numbers(), QList<int>{});

    const QString path = QStringLiteral(WM4_TEST_FIXTURES_DIR "/") + QLatin1String(fileName);
    if (qEnvironmentVariableIsSet("WM4_WRITE_FIXTURES")) WriteClientFile(fresh, path);
    CaseData stored;
    QString error;
    ASSERT_TRUE(ReadClientFile(stored, path, &error)) << error.toStdString();
    // Run again, so that today's date on the letters is the same on both.
    real.run(stored);
    EXPECT_EQ(reports.numbers(), QList<int>{});
    EXPECT_TRUE(ClientFileBytes(stored) == ClientFileBytes(fresh))
        << "tests/fixtures/" << fileName << " is out of date; run with WM4_WRITE_FIXTURES=1";
}

TEST(RichSampleFixture, RealFontsReportNothingAndTheCaseFileHoldsTheResult) {
    checkFixture(fillRichSample, "rich_sample.wm4");
}

// The intestate estate is kept as tests/fixtures/intestate_sample.wm4.
TEST(RichSampleFixture, IntestateSampleWithRealFontsToo) {
    checkFixture(fillIntestateSample, "intestate_sample.wm4");
}

TEST(IntestateSampleRun, SecondRunChangesNothing) {
    CalcCase c;
    fillIntestateSample(c.data);
    CalculateComplete(c.ctx);
    EXPECT_EQ(c.reports.numbers(), QList<int>{});
    const QByteArray first = ClientFileBytes(c.data);
    CalculateComplete(c.ctx);
    EXPECT_EQ(c.reports.numbers(), QList<int>{});
    EXPECT_EQ(ClientFileBytes(c.data), first);
}

// The small relieved estate is kept as tests/fixtures/relief_sample.wm4.
TEST(RichSampleFixture, ReliefSampleWithRealFontsToo) {
    checkFixture(fillReliefSample, "relief_sample.wm4");
}

}  // namespace
}  // namespace wm4::test
