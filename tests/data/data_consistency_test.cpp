// Checks every shipped page screen, print template and width file against
// the answer store's slot counts and against each other.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextStream>

#include "case/answers.h"
#include "data_files.h"
#include "case/field_codes.h"
#include "support/qt_app.h"
#include "ui/pagescreen/edit_kinds.h"
#include "support/report_recorder.h"
#include "ui/pagescreen/page_screen.h"
#include "ui/pagescreen/screen_tables.h"

namespace wm4 {
namespace {

// The slot a bound control names, or -1 for an unbound one.
int boundSlot(const QWidget* w) {
    const int tag = w->property("Tag").toInt();
    if (qobject_cast<const QLineEdit*>(w)) return BoundEditSlot(tag);
    if (qobject_cast<const QCheckBox*>(w)) return CheckSlotOfTag(tag);
    if (w->inherits("QPlainTextEdit") || w->inherits("QComboBox")) return tag;
    if (w->inherits("QRadioButton") || w->inherits("QLabel")) return tag == 0 ? -1 : tag;
    return -1;
}

TEST(DataFiles, EveryScreenLoadsAndNamesOnlySlotsOfItsPage) {
    test::widgetApp();
    const QList<int> pages =
        test::PagesWithFiles(QStringLiteral("PSF"), QStringLiteral("page"), QStringLiteral(".psf"));
    ASSERT_FALSE(pages.isEmpty());
    for (int page : pages) {
        SCOPED_TRACE(QStringLiteral("page %1").arg(page).toStdString());
        test::ReportRecorder recorder;
        QWidget panel;
        TAnswer answers;
        PageScreen screen(&panel, &answers, test::dataDir() + QStringLiteral("/PSF"));
        ASSERT_NO_THROW(screen.LoadPage(page * 100));
        ASSERT_NE(screen.screenRoot(), nullptr);
        EXPECT_TRUE(recorder.reports().isEmpty());

        QSet<int> seen;
        for (QWidget* w : panel.findChildren<QWidget*>()) {
            const int slot = boundSlot(w);
            if (slot < 0) continue;
            EXPECT_LE(slot, MaxSlot[page]) << qPrintable(w->objectName());
            // One control per slot, except estimate marks beside their amount.
            const bool estimateMark =
                qobject_cast<QCheckBox*>(w) && IsEstimateTag(w->property("Tag").toInt());
            if (!estimateMark) {
                EXPECT_FALSE(seen.contains(slot))
                    << "slot " << slot << " bound twice (" << qPrintable(w->objectName()) << ")";
                seen.insert(slot);
            }
        }

        // Numbers line up on the right, as in a column of money.
        for (QLineEdit* edit : panel.findChildren<QLineEdit*>()) {
            const EditKind kind = EditKindOfTag(edit->property("Tag").toInt());
            if (kind == EditKind::Amount || kind == EditKind::Amount4 ||
                kind == EditKind::Percent || kind == EditKind::Whole) {
                EXPECT_TRUE(edit->alignment() & Qt::AlignRight)
                    << qPrintable(edit->objectName()) << " is not right-aligned";
            }
        }

        // The page's first-focus control exists.
        const int focusTag = FirstFocusTag(page);
        if (focusTag >= 0) {
            bool found = false;
            for (QWidget* w : panel.findChildren<QWidget*>())
                if ((qobject_cast<QLineEdit*>(w) || qobject_cast<QCheckBox*>(w) ||
                     qobject_cast<QPushButton*>(w) || qobject_cast<QPlainTextEdit*>(w)) &&
                    w->property("Tag").toInt() == focusTag)
                    found = true;
            EXPECT_TRUE(found) << "no control with the first-focus Tag " << focusTag;
        }
    }
}

TEST(DataFiles, EveryTemplateFollowsTheMergeGrammar) {
    const QList<int> pages =
        test::PagesWithFiles(QStringLiteral("RTF"), QStringLiteral("Page"), QStringLiteral(".rtf"));
    ASSERT_FALSE(pages.isEmpty());
    for (int page : pages) {
        SCOPED_TRACE(QStringLiteral("Page%1.rtf").arg(page).toStdString());
        const QString rtf =
            test::ReadLatin1(test::dataDir() + QStringLiteral("/RTF/Page%1.rtf").arg(page));
        ASSERT_TRUE(rtf.startsWith(QLatin1String("{\\rtf1")));
        EXPECT_EQ(rtf.count(QLatin1String("\\'b7")), 1);
        EXPECT_TRUE(rtf.contains(QLatin1String("\\v\\'b7\\v0 "))) << "the cut mark is hidden text";
        for (const char* font : {" Arial;", " Arial Narrow;", " Wingdings;"})
            EXPECT_TRUE(rtf.contains(QLatin1String(font))) << font;
        EXPECT_TRUE(rtf.contains(QLatin1String("\\paperw12240\\paperh15840")));

        // The merge reads a size up to a blank, "\\", "{" or "}": anything else
        // after the digits makes it report a bad template.
        static const QRegularExpression badSize(QStringLiteral(R"(\\fs\d+[^\d \\{}])"));
        EXPECT_FALSE(badSize.match(rtf).hasMatch()) << qPrintable(badSize.match(rtf).captured());

        const QList<test::Marker> markers = test::TemplateMarkers(rtf);
        if (markers.isEmpty()) continue;
        // A size stands before the first marker, so the merge's size is the template's.
        const int first =
            rtf.indexOf(QRegularExpression(QStringLiteral(R"(/[*<$#%&+~^]\d{1,3}/)")));
        EXPECT_GE(rtf.lastIndexOf(QRegularExpression(QStringLiteral(R"(\\fs\d)")), first), 0);
        for (const test::Marker& m : markers)
            EXPECT_LE(m.slot, MaxSlot[page]) << "marker slot " << m.slot;

        // The width file has a readable line for every printed slot.
        QFile dat(test::dataDir() + QStringLiteral("/DAT/PAGE%1.DAT").arg(page));
        ASSERT_TRUE(dat.open(QIODevice::ReadOnly | QIODevice::Text)) << "no width file";
        QStringList lines;
        QTextStream in(&dat);
        while (!in.atEnd()) lines.append(in.readLine());
        for (const test::Marker& m : markers) {
            ASSERT_LT(m.slot, lines.size()) << "no width line for slot " << m.slot;
            const QStringList numbers = lines[m.slot].split(u' ', Qt::SkipEmptyParts);
            ASSERT_EQ(numbers.size(), 7) << "width line " << m.slot;
            bool ok = false;
            const double width = numbers[5].toDouble(&ok);
            EXPECT_TRUE(ok && width > 0.1 && width <= 7.5)
                << "slot " << m.slot << " width " << width;
        }
    }
}

TEST(DataFiles, EveryScreenHasItsTemplateAndWidthFile) {
    const QList<int> screens =
        test::PagesWithFiles(QStringLiteral("PSF"), QStringLiteral("page"), QStringLiteral(".psf"));
    const QList<int> templates =
        test::PagesWithFiles(QStringLiteral("RTF"), QStringLiteral("Page"), QStringLiteral(".rtf"));
    const QList<int> widths =
        test::PagesWithFiles(QStringLiteral("DAT"), QStringLiteral("PAGE"), QStringLiteral(".DAT"));
    for (int page : screens)
        EXPECT_TRUE(templates.contains(page)) << "page " << page << " has no template";
    EXPECT_EQ(templates, widths);
}

}  // namespace
}  // namespace wm4
