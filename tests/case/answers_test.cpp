#include "case/answers.h"

#include <gtest/gtest.h>

#include "case/case_data.h"
#include "forms/page000.h"
#include "forms/page005.h"
#include "support/report_recorder.h"

using namespace wm4;

TEST(AnswerStore, FreshStoreHasCreationValues) {
    TAnswer a;
    EXPECT_EQ(a.ProgramName, QStringLiteral("Wendmoor4"));
    EXPECT_DOUBLE_EQ(a.VersionNo, 4.41);
    for (int p = 0; p < PageCount; ++p) EXPECT_EQ(a.PgCt[p], p == 4 ? 1 : 0) << "page " << p;
    const QStringList ones = {"NoOfWillLtr", "NoOfInvLtr", "NoOfAcctLtr",
                              "NoOfInsLtr",  "NoOfCPID",   "NoOfCommRep"};
    for (const auto& f : CopyCounterFields)
        EXPECT_EQ(a.*(f.field), ones.contains(QString::fromLatin1(f.name)) ? 1 : 0) << f.name;
    for (int p = 0; p < PageCount; ++p)
        for (int c = 0; c < CopyCount; c += 33)
            for (int s = 0; s <= MaxSlot[p]; ++s) {
                ASSERT_TRUE(a.answer(p, c, s).isEmpty());
                ASSERT_FALSE(a.ovRide(p, c, s));
            }
}

TEST(AnswerStore, SlotCountsFollowTheMaxSlotTable) {
    int total = 0;
    for (int p = 0; p < PageCount; ++p) total += TAnswer::slotCount(p);
    EXPECT_EQ(total, 12390);
    EXPECT_EQ(TAnswer::slotCount(130), 1);
    EXPECT_EQ(TAnswer::slotCount(11), 41);
    TAnswer a;
    a.setAnswer(130, 99, MaxSlot[130], "last");
    EXPECT_EQ(a.answer(130, 99, MaxSlot[130]), QStringLiteral("last"));
    a.setAnswer(11, 0, MaxSlot[11], "slot 40");
    EXPECT_EQ(a.answer(11, 0, MaxSlot[11]), QStringLiteral("slot 40"));
}

TEST(AnswerStore, FillCaptionUpperCasesTheEstateCaption) {
    TAnswer a;
    a.setAnswer(page0::Page, 0, page0::DecedentName, QStringLiteral("Estate of José Smith"));
    a.setAnswer(5, 3, page5::Names[3], "kept");
    a.setOvRide(5, 3, page5::EstateOf, true);
    FillCaption(a, 5, 3);
    EXPECT_EQ(a.answer(5, 3, page5::EstateOf), QStringLiteral("ESTATE OF JOSÉ SMITH"));
    EXPECT_EQ(a.answer(5, 3, page5::CaseNumber), QString());
    EXPECT_EQ(a.answer(5, 3, page5::Names[3]), QStringLiteral("kept"));
    EXPECT_TRUE(a.ovRide(5, 3, page5::EstateOf));
}

// A slot page 12 leaves unused: the store keeps what is put there all the
// same, and creating the page clears it.
constexpr int UnusedSlotOfPage12 = 1;

TEST(AnswerStore, CreateAPageRefusesCopyNinetyNine) {
    test::ReportRecorder recorder;
    TAnswer a;
    const ScopedErrFlagTarget target(&a.ErrFlag);
    a.setAnswer(12, 99, UnusedSlotOfPage12, "keep");
    EXPECT_THROW(a.CreateAPage(12, 99), SilentAbort);
    EXPECT_EQ(recorder.numbers(), QList<int>{18012});
    EXPECT_TRUE(a.ErrFlag);
    EXPECT_EQ(a.answer(12, 99, UnusedSlotOfPage12), QStringLiteral("keep"));

    a.setAnswer(12, 98, UnusedSlotOfPage12, "gone");
    a.setOvRide(12, 98, UnusedSlotOfPage12, true);
    a.CreateAPage(12, 98);
    EXPECT_EQ(a.answer(12, 98, UnusedSlotOfPage12), QString());
    EXPECT_FALSE(a.ovRide(12, 98, UnusedSlotOfPage12));
}

TEST(WorksheetStores, StartWithOneEmptyRowOfTheirWidth) {
    CaseData data;
    EXPECT_EQ(data.ASchedList.columnCount(), 100);
    EXPECT_EQ(data.ESchedList.columnCount(), 26);
    EXPECT_EQ(data.KSchedList.columnCount(), 48);
    EXPECT_EQ(data.TSchedList.columnCount(), 4);
    EXPECT_EQ(data.KSchedList.rowCount(), 1);
    data.KSchedList.setRowCount(3);
    data.KSchedList.setCell(47, 2, "X");
    data.KSchedList.setRowCount(1);
    data.KSchedList.setRowCount(3);
    EXPECT_EQ(data.KSchedList.cell(47, 2), QString());  // regrown rows are empty
}
