// The template case every new case starts from.
#include <gtest/gtest.h>

#include <QFile>

#include "case/case_data.h"
#include "data_files.h"
#include "files/client_file.h"
#include "forms/page000.h"

namespace wm4 {
namespace {

TEST(DefaultCase, HoldsTheCourtAndIsAnExactClientFile) {
    const QString path = test::dataDir() + QStringLiteral("/default.wm4");
    CaseData data;
    QString error;
    ASSERT_TRUE(ReadClientFile(data, path, &error)) << qPrintable(error);
    const TAnswer& a = data.answers;
    EXPECT_EQ(a.answer(page0::Page, 0, page0::County), QStringLiteral("Wendmoor"));
    EXPECT_EQ(a.answer(page0::Page, 0, page0::JudgesLine),
              QStringLiteral("EDGAR T. WILLOW, Presiding Judge; NORA P. ASHDOWN, Judge"));
    EXPECT_EQ(a.answer(page0::Page, 0, page0::Judge), QStringLiteral("EDGAR T. WILLOW"));
    // No decedent, no persons, no worksheet rows: a new case starts empty.
    EXPECT_TRUE(a.answer(page0::Page, 0, page0::DecedentName).isEmpty());
    EXPECT_TRUE(a.answer(page0::Page, 0, page0::CaseNumber).isEmpty());
    for (const WorksheetStore* sheet :
         {&data.KSchedList, &data.ASchedList, &data.ESchedList, &data.TSchedList})
        for (int r = 0; r < sheet->rowCount(); ++r)
            EXPECT_TRUE(sheet->row(r).join(QString()).isEmpty());

    // Written exactly as the program writes a case (reading and writing it
    // back gives the same bytes).
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(ClientFileBytes(data), file.readAll());
}

}  // namespace
}  // namespace wm4
