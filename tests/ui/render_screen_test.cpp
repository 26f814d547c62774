#include "ui/pagescreen/render_screen.h"

#include <gtest/gtest.h>

#include <QColor>
#include <stdexcept>

#include "forms/page007.h"
#include "support/qt_app.h"

namespace wm4 {
namespace {

TEST(RenderScreen, DrawsTheShippedScreenWithItsAnswers) {
    test::widgetApp();
    const QString psf = QStringLiteral(WM4_SOURCE_DATA_DIR "/PSF");
    TAnswer answers;
    const QImage empty = RenderPageScreen(answers, psf, 7, 0);
    answers.setAnswer(page7::Page, 0, page7::EstateOf,
                      QStringLiteral("ESTATE OF SOMEONE WITH A LONG NAME"));
    answers.setAnswer(page7::Page, 0,
                      page7::NoticeOfProbateIsToBeGivenToTheSurvivingSpouseAndNextOfKin,
                      QStringLiteral("X"));
    const QImage filled = RenderPageScreen(answers, psf, 7, 0);
    ASSERT_FALSE(filled.isNull());
    EXPECT_EQ(filled.width(), 900);
    EXPECT_GT(filled.height(), 200);
    EXPECT_EQ(filled.size(), empty.size());
    EXPECT_NE(filled, empty);  // the answers are drawn
    EXPECT_THROW(RenderPageScreen(answers, psf, 199, 0), std::runtime_error);
}

}  // namespace
}  // namespace wm4
