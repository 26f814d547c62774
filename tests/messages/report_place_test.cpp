// A report carries the place named by the innermost ScopedReportPlace, and
// none outside every scope; the place changes no text or number.
#include <gtest/gtest.h>

#include "messages/report.h"
#include "support/report_recorder.h"

namespace wm4::test {
namespace {

TEST(ReportPlace, ReportsCarryTheInnermostPlaceAndTheirTextIsUnchanged) {
    ReportRecorder reports;
    ReportError(16060, QStringLiteral("Outside"));
    {
        const ScopedReportPlace page(ReportPlace::pageCopy(28, 1));
        ReportError(16060, QStringLiteral("On the page"));
        {
            const ScopedReportPlace row(ReportPlace::worksheetRow(1, 7));
            ReportError(16060, QStringLiteral("On the row"));
        }
        ReportError(16060, QStringLiteral("Back on the page"));
    }
    ReportError(16060, QStringLiteral("Outside again"));
    const QList<Report>& r = reports.reports();
    ASSERT_EQ(r.size(), 5);
    EXPECT_TRUE(r[0].place.isNone());
    EXPECT_EQ(r[1].place, ReportPlace::pageCopy(28, 1));
    EXPECT_EQ(r[2].place, ReportPlace::worksheetRow(1, 7));
    EXPECT_EQ(r[3].place, ReportPlace::pageCopy(28, 1));
    EXPECT_TRUE(r[4].place.isNone());
    const Report plain = buildReport(16060, QStringLiteral("On the row"));
    EXPECT_EQ(r[2].message, plain.message);
    EXPECT_EQ(r[2].advice, plain.advice);
    EXPECT_EQ(r[2].errNo, 16060);
}

}  // namespace
}  // namespace wm4::test
