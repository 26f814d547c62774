// The facts about a page stand in one place each (the page catalogue, the
// form sources, the packet table); where two of them say the same thing, the
// tests here hold them together.
#include "case/page_facts.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include "case/answers.h"
#include "case/page_catalogue.h"
#include "data_files.h"
#include "output/document/packet_table.h"

namespace wm4 {
namespace {

// The text of every form source by its "page N".
QMap<int, QString> textsOfTheSources() {
    QMap<int, QString> texts;
    const QDir forms(test::dataDir() + QStringLiteral("/forms"));
    static const QRegularExpression page(QStringLiteral(R"(^page (\d+)\s*$)"),
                                         QRegularExpression::MultilineOption);
    for (const QString& name : forms.entryList({QStringLiteral("*.form")})) {
        QFile f(forms.filePath(name));
        if (!f.open(QIODevice::ReadOnly)) continue;
        const QString text = QString::fromUtf8(f.readAll());
        const auto p = page.match(text);
        if (p.hasMatch()) texts[p.captured(1).toInt()] = text;
    }
    return texts;
}

// The rest of a source's heading line "word ...", or a null string.
QString heading(const QString& text, const QString& word) {
    const QRegularExpression re(QStringLiteral(R"(^%1 (.*?)\s*$)").arg(word),
                                QRegularExpression::MultilineOption);
    const auto m = re.match(text.left(text.indexOf(QRegularExpression(
        QStringLiteral(R"(^\s*(screen|print):)"), QRegularExpression::MultilineOption))));
    return m.hasMatch() ? m.captured(1) : QString();
}

// "page N" and "side front|back" of every form source.
QMap<int, QString> sidesOfTheSources() {
    QMap<int, QString> sides;
    const QMap<int, QString> texts = textsOfTheSources();
    for (auto it = texts.begin(); it != texts.end(); ++it) {
        const QString side = heading(it.value(), QStringLiteral("side"));
        sides[it.key()] = side.isNull() ? QString() : side;
    }
    return sides;
}

TEST(PageFacts, TheCatalogueSidesAreTheFormSourcesSides) {
    const QMap<int, QString> sides = sidesOfTheSources();
    ASSERT_GT(sides.size(), 100);
    for (const PageEntry& entry : PageCatalogue()) {
        SCOPED_TRACE(entry.page);
        ASSERT_TRUE(sides.contains(entry.page)) << "no form source for " << entry.formText;
        const QString expected = entry.side == PageSide::Front  ? QStringLiteral("front")
                                 : entry.side == PageSide::Back ? QStringLiteral("back")
                                                                : QString();
        EXPECT_EQ(sides[entry.page], expected) << entry.formText;
    }
}

TEST(PageFacts, PacketCopiesAreTheCatalogueCounters) {
    for (const PacketEntry& packet : PacketTable) {
        for (int k = 0; k < packet.pageCount(); ++k) {
            const PageEntry* entry = catalogueEntry(packet.pages[k]);
            if (!entry) continue;  // a page without a screen
            // 13.7b (page 70) is calculated in NoOf13_7b copies but printed
            // once; left as it is here (a question for the packet, not for
            // this table).
            if (packet.pages[k] == 70) continue;
            SCOPED_TRACE(packet.pages[k]);
            EXPECT_EQ(packet.copies, entry->copyCounter)
                << QString::fromUtf16(packet.caption).toStdString();
        }
    }
}

// What the lookups answer is what the form sources' heading lines say (the
// build turns them into one table); the focus Tag's control is checked with
// the screens (DataFiles).
TEST(PageFacts, TheLookupsAnswerTheFormSourcesHeadings) {
    const QMap<int, QString> sources = textsOfTheSources();
    ASSERT_GT(sources.size(), 100);
    int withFocus = 0, unfitted = 0, emptyAmounts = 0;
    for (auto it = sources.begin(); it != sources.end(); ++it) {
        SCOPED_TRACE(it.key());
        const PageFacts facts = FactsOfPage(it.key());
        EXPECT_EQ(facts.page, it.key());
        EXPECT_EQ(facts.focusTag >= 0, !heading(*it, QStringLiteral("focus")).isNull());
        EXPECT_EQ(facts.fitted, heading(*it, QStringLiteral("fit")).isNull());
        EXPECT_EQ(facts.amountsEmpty, heading(*it, QStringLiteral("amounts")) == u"empty");
        withFocus += facts.focusTag >= 0;
        unfitted += !facts.fitted;
        emptyAmounts += facts.amountsEmpty;
    }
    EXPECT_GT(withFocus, 100);
    EXPECT_GT(unfitted, 10);
    EXPECT_GT(emptyAmounts, 10);
}

// The hand table holds only pages without a form source, each once, so that
// no fact stands twice; a page named nowhere gets the defaults.
TEST(PageFacts, TheHandTableHoldsOnlyPagesWithoutASource) {
    const QMap<int, QString> sources = textsOfTheSources();
    ASSERT_GT(sources.size(), 100);
    QSet<int> seen;
    ASSERT_FALSE(FactsOfPagesWithoutSource().empty());
    for (const PageFacts& f : FactsOfPagesWithoutSource()) {
        EXPECT_FALSE(sources.contains(f.page)) << "page " << f.page << " has a form source";
        EXPECT_FALSE(seen.contains(f.page)) << "page " << f.page << " stands twice";
        seen.insert(f.page);
        const PageFacts looked = FactsOfPage(f.page);
        EXPECT_EQ(looked.fitted, f.fitted);
        EXPECT_EQ(looked.amountsEmpty, f.amountsEmpty);
    }
    for (int page = 0; page < PageCount; ++page) {
        if (sources.contains(page) || seen.contains(page)) continue;
        const PageFacts none = FactsOfPage(page);
        EXPECT_EQ(none.focusTag, -1) << page;
        EXPECT_TRUE(none.fitted) << page;
        EXPECT_FALSE(none.amountsEmpty) << page;
    }
}

// A form number compared by its letters and digits: the two conveyance-fee
// forms write "DTE100" and "DTE100(EX)" in the packet where their sources
// (and the printed forms) say "DTE 100" and "DTE 100EX".
QString numberKey(QStringView number) {
    QString key;
    for (QChar c : number)
        if (c.isLetterOrNumber()) key += c;
    return key;
}

TEST(PageFacts, PacketCaptionsStartWithTheFormNumbers) {
    const QMap<int, QString> sources = textsOfTheSources();
    ASSERT_GT(sources.size(), 100);
    int numbered = 0;
    for (const PacketEntry& packet : PacketTable) {
        const QString caption = QString::fromUtf16(packet.caption);
        SCOPED_TRACE(caption.toStdString());
        ASSERT_TRUE(sources.contains(packet.pages[0])) << "no form source for its first page";
        const QString number = heading(sources[packet.pages[0]], QStringLiteral("form"));
        if (number.isEmpty()) {
            // A letter, worksheet or computation: no number to start with.
            EXPECT_FALSE(caption.front().isDigit());
            continue;
        }
        ++numbered;
        const QString head = caption.section(u' ', 0, int(number.count(u' ')));
        EXPECT_TRUE(caption.startsWith(number + u' ') ||
                    numberKey(caption.section(u' ', 0, 0)) == numberKey(number))
            << "the source's form number is " << number.toStdString() << ", the caption starts "
            << head.toStdString();
    }
    EXPECT_GT(numbered, 60);
}

}  // namespace
}  // namespace wm4
