// wendmoor4 render-screen: a page screen drawn offscreen with a copy's
// answers, written as PNG.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>

#include "app/command_test.h"

namespace wm4::test {
namespace {

class RenderScreenCommand : public CommandTest {};

TEST_F(RenderScreenCommand, WritesAPictureOfTheScreenWithTheCopysAnswers) {
    const QString richSample = fixture("rich_sample.wm4");
    QImage pictures[2];
    const int copies[2] = {0, 1};  // the two notices of probate
    for (int i = 0; i < 2; ++i) {
        const QString png = path("notice.png");
        const CommandRun r = runCommand(
            {"render-screen", richSample, "6", "--copy", QString::number(copies[i]), png});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_EQ(r.err, "");
        ASSERT_TRUE(readAll(png).startsWith("\x89PNG"));
        pictures[i] = QImage(png, "PNG");
        // A screen is a form page on a monitor: wider than a dialog, not a poster.
        EXPECT_GE(pictures[i].width(), 500);
        EXPECT_LE(pictures[i].width(), 2000);
        EXPECT_GE(pictures[i].height(), 300);
        EXPECT_LE(pictures[i].height(), 4000);
    }
    EXPECT_EQ(pictures[0].size(), pictures[1].size());
    EXPECT_NE(pictures[0], pictures[1]) << "each copy shows its own addressee";
}

TEST_F(RenderScreenCommand, APageWithoutAScreenIsAFailure) {
    ASSERT_TRUE(QDir().mkpath(path("data/PSF")));  // a data folder without screens
    const CommandRun r = runCommand({"render-screen", fixture("rich_sample.wm4"), "6",
                                     path("none.png"), "--data", path("data")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("page6.psf")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("none.png")));
}

}  // namespace
}  // namespace wm4::test
