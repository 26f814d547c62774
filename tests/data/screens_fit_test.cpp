// Nothing on a page screen is cut off at the screen's own size: every
// label's text fits its label, every check box's and radio button's caption
// fits the control, every grid column header fits its column, and every
// answer of the rich sample case fits the box that shows it (a computed box
// cannot be scrolled by the user, and a typed one should show what was typed).
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>

#include "case/case_data.h"
#include "data_files.h"
#include "files/client_file.h"
#include "support/qt_app.h"
#include "support/report_recorder.h"
#include "ui/pagescreen/page_screen.h"

namespace wm4 {
namespace {

QString fixture(const char* name) {
    return QStringLiteral(WM4_TEST_FIXTURES_DIR "/") + QString::fromLatin1(name);
}

// The width a line edit gives its text: the frame and the text margins off.
int textRoomOf(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    // QLineEdit keeps a horizontal margin of 2 pixels on each side of its text.
    return contents.width() - margins.left() - margins.right() - 4;
}

// What of one screen is cut off, one text per clipped control.
QStringList clippedControls(const QWidget& panel) {
    QStringList clipped;
    for (const QLabel* label : panel.findChildren<QLabel*>()) {
        // Help texts sit in callouts that are hidden until asked for.
        if (label->text().isEmpty() || label->objectName().startsWith(QLatin1String("lblCallout")))
            continue;
        const QRect room = label->contentsRect();
        if (label->wordWrap()) {
            if (label->heightForWidth(room.width()) > room.height())
                clipped << QStringLiteral("label %1 (%2 lines high): \"%3\"")
                               .arg(label->objectName())
                               .arg(room.height())
                               .arg(label->text());
        } else if (label->fontMetrics().horizontalAdvance(label->text()) > room.width()) {
            clipped << QStringLiteral("label %1 (%2 px for %3 px): \"%4\"")
                           .arg(label->objectName())
                           .arg(room.width())
                           .arg(label->fontMetrics().horizontalAdvance(label->text()))
                           .arg(label->text());
        }
    }
    for (const QAbstractButton* box : panel.findChildren<QAbstractButton*>()) {
        if (!qobject_cast<const QCheckBox*>(box) && !qobject_cast<const QRadioButton*>(box))
            continue;
        if (box->text().isEmpty()) continue;
        if (box->sizeHint().width() > box->width())
            clipped << QStringLiteral("%1 (%2 px for %3 px): \"%4\"")
                           .arg(box->objectName())
                           .arg(box->width())
                           .arg(box->sizeHint().width())
                           .arg(box->text());
    }
    for (const QLineEdit* edit : panel.findChildren<QLineEdit*>()) {
        const QString shown = edit->text().isEmpty() ? edit->placeholderText() : edit->text();
        if (shown.isEmpty()) continue;
        const int needed = edit->fontMetrics().horizontalAdvance(shown);
        if (needed > textRoomOf(edit))
            clipped << QStringLiteral("box %1 (%2 px for %3 px): \"%4\"")
                           .arg(edit->objectName())
                           .arg(textRoomOf(edit))
                           .arg(needed)
                           .arg(shown);
    }
    return clipped;
}

TEST(Screens, NothingIsClippedAtTheScreensSize) {
    test::widgetApp();
    CaseData data;
    QString error;
    ASSERT_TRUE(ReadClientFile(data, fixture("rich_sample.wm4"), &error)) << qPrintable(error);

    const QList<int> pages =
        test::PagesWithFiles(QStringLiteral("PSF"), QStringLiteral("page"), QStringLiteral(".psf"));
    ASSERT_FALSE(pages.isEmpty());
    for (int page : pages) {
        // Every copy the case holds (PgCt is the highest copy's index): each
        // shows other persons or assets.
        for (int copy = 0; copy <= data.answers.PgCt[page]; ++copy) {
            test::ReportRecorder recorder;
            QWidget panel;
            PageScreen screen(&panel, &data.answers, test::dataDir() + QStringLiteral("/PSF"));
            screen.LoadPage(page * 100 + copy);
            const QStringList clipped = clippedControls(panel);
            EXPECT_TRUE(clipped.isEmpty()) << "page " << page << " copy " << copy << ":\n  "
                                           << qPrintable(clipped.join(QStringLiteral("\n  ")));
        }
    }
}

}  // namespace
}  // namespace wm4
