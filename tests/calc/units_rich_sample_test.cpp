// A full calculation run over the rich sample case: every unit runs, no
// report, and the pages every group of units fills hold what the case says.
#include <gtest/gtest.h>

#include "calc/run/calculate_complete.h"
#include "calc/units_fixture.h"
#include "support/rich_sample.h"

namespace wm4::test {
namespace {

class RichSampleRun : public UnitTestCase {
protected:
    void SetUp() override {
        fillRichSample(data);
        CalculateComplete(ctx);
    }
};

TEST_F(RichSampleRun, FinishesWithoutAReport) {
    EXPECT_TRUE(reports.numbers().isEmpty())
        << reports.numbers().size() << " reports, first "
        << (reports.numbers().isEmpty() ? 0 : reports.numbers().first());
    EXPECT_FALSE(a().ErrFlag);
}

TEST_F(RichSampleRun, IsStableFromRunToRun) {
    // A second run over its own results changes nothing and still reports nothing.
    CaseData before;
    for (int page = 0; page < PageCount; ++page)
        for (int copy = 0; copy < 3; ++copy)
            for (int slot = 0; slot < TAnswer::slotCount(page); ++slot)
                before.answers.setAnswer(page, copy, slot, a().answer(page, copy, slot));
    const QStringList kinBefore = data.KSchedList.row(0);
    CalculateComplete(ctx);
    EXPECT_TRUE(reports.numbers().isEmpty());
    for (int page = 0; page < PageCount; ++page)
        for (int copy = 0; copy < 3; ++copy)
            for (int slot = 0; slot < TAnswer::slotCount(page); ++slot)
                ASSERT_EQ(before.answers.answer(page, copy, slot), a().answer(page, copy, slot))
                    << "page " << page << " copy " << copy << " slot " << slot;
    EXPECT_EQ(kinBefore, data.KSchedList.row(0));
}

}  // namespace
}  // namespace wm4::test
