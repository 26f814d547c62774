// The form packet: order, copies, the first form's copy 0, the header cut
// and the joining of pages into one document.
#include "output/document/packet.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "case/case_data.h"
#include "forms/page000.h"
#include "output/document/document_error.h"
#include "output/document/packet_table.h"
#include "output/document/rtf_text.h"
#include "output/document/template_merge.h"
#include "output/output_fixture.h"
#include "support/fixed_width_measurer.h"

namespace wm4 {
namespace {

class PacketTest : public ::testing::Test {
protected:
    PacketTest() {
        // Slot 0 of every page copy names it (the fixture templates print /*0/),
        // so the document shows the order.
        constexpr int NamingSlot = 0;
        for (int page : {1, 2, 6})
            for (int copy = 0; copy < 3; ++copy)
                data.answers.setAnswer(page, copy, NamingSlot,
                                       QStringLiteral("p%1c%2").arg(page).arg(copy));
    }

    // The page copies of the document in order, read from the "Copy:" lines.
    QStringList order(const QString& document) {
        QStringList out;
        static const QRegularExpression copyLine(QStringLiteral("Copy: \\\\fs\\d+ (p\\d+c\\d+)"));
        for (auto m = copyLine.globalMatch(document); m.hasNext();) out << m.next().captured(1);
        return out;
    }

    QString build(const QSet<QString>& ticked) {
        packet.PrtSend(ticked);
        return packet.document();
    }

    CaseData data;
    test::FixedWidthMeasurer measurer;
    TemplateMerge merger{data.answers, measurer, test::OutputFixtureFolder()};
    PacketBuilder packet{merger, test::OutputFixtureFolder()};
};

TEST_F(PacketTest, CopiesFollowEachOtherFrontBeforeBack) {
    data.answers.NoOf1_0 = 2;
    EXPECT_EQ(order(build({"cbx1_0"})), QStringList({"p1c0", "p2c0", "p1c1", "p2c1"}));
}

TEST_F(PacketTest, TableOrderNotTickingOrder) {
    data.answers.NoOf1_0 = 1;
    data.answers.NoOf2_2 = 2;
    EXPECT_EQ(order(build({"cbx2_2", "cbx1_0"})), QStringList({"p1c0", "p2c0", "p6c0", "p6c1"}));
}

TEST_F(PacketTest, CounterZeroGivesNothingUnlessTheFormStartsThePacket) {
    data.answers.NoOf1_0 = 1;
    data.answers.NoOf2_2 = 0;
    EXPECT_EQ(order(build({"cbx1_0", "cbx2_2"})), QStringList({"p1c0", "p2c0"}));
    data.answers.NoOf1_0 = 0;
    data.answers.NoOf2_2 = 1;
    EXPECT_EQ(order(build({"cbx1_0", "cbx2_2"})), QStringList({"p1c0", "p2c0", "p6c0"}));
}

TEST_F(PacketTest, OneDocumentWithTheHeaderOnceAndBalancedBraces) {
    data.answers.NoOf1_0 = 1;
    data.answers.NoOf2_2 = 2;
    const QString document = build({"cbx1_0", "cbx2_2"});
    EXPECT_EQ(document.count(QStringLiteral("{\\rtf1")), 1);
    EXPECT_EQ(document.count(QStringLiteral("\\fonttbl")), 1);
    EXPECT_EQ(document.count(QStringLiteral("\\'b7")),
              1);  // the first page keeps its hidden marker
    EXPECT_EQ(test::DocumentPages(document).size(), 4);
    EXPECT_TRUE(document.startsWith(QStringLiteral("{\\rtf1")));
    EXPECT_TRUE(document.endsWith(QStringLiteral("\\par\r\n}")));
    int depth = 0;
    for (qsizetype k = 0; k < document.size(); ++k) {
        if (document[k] == u'\\') {
            ++k;  // an escaped brace does not count
            continue;
        }
        if (document[k] == u'{') ++depth;
        if (document[k] == u'}') --depth;
        ASSERT_GT(depth + (k + 1 == document.size() ? 1 : 0), 0) << "group closed early at " << k;
    }
    EXPECT_EQ(depth, 0);
}

TEST_F(PacketTest, PageBreakBeforeATableGetsAThinParagraph) {
    data.answers.NoOf1_0 = 1;
    data.answers.NoOf2_2 = 1;
    const QStringList pages = test::DocumentPages(build({"cbx1_0", "cbx2_2"}));
    ASSERT_EQ(pages.size(), 3);
    EXPECT_TRUE(pages[1].startsWith(QStringLiteral("\\pard\\plain\\fs2\\par \\v0 \r\n\\trowd")));
    EXPECT_TRUE(pages[2].startsWith(QStringLiteral("\\v0 \\pard\\plain")));  // text first: as it is
}

TEST_F(PacketTest, PageOnDisplayIsItsCopyAlone) {
    data.answers.NoOf1_0 = 3;
    packet.QuickPrint(1, 2);
    EXPECT_EQ(order(packet.document()), QStringList{"p1c2"});
    EXPECT_EQ(test::DocumentPages(packet.document()).size(), 1);
}

TEST_F(PacketTest, EmptySelectionGivesAnEmptyValidDocument) {
    build({"cbx1_0"});
    EXPECT_EQ(build({}), EmptyRtfDocument());
}

TEST_F(PacketTest, HeaderCutAndEndStripping) {
    QString body = QStringLiteral("{\\rtf1{\\fonttbl}\\v\\'b7\\v0 text\\'b7 more");
    EXPECT_TRUE(StripTemplateHeader(body));
    EXPECT_EQ(body, QStringLiteral("\\v0 text\\'b7 more"));
    QString none = QStringLiteral("{\\rtf1 text}");
    EXPECT_FALSE(StripTemplateHeader(none));

    const struct {
        QString text;
        bool apostrophes;
        QString stripped;
    } ends[] = {
        {"text\\par }\r\n", false, "text\\par "},
        {"text}}\r\n", false, "text}"},
        {"text\r\n", false, "text"},
        {"text\\'b7'}", true, "text\\'b7'"},
        {"text\\'b7' \r\n", true, "text\\'b7"},
        {"text' \r\n", false, "text'"},
    };
    for (const auto& e : ends) {
        QString text = e.text;
        StripDocumentEnd(text, e.apostrophes);
        EXPECT_EQ(text, e.stripped) << e.text.toStdString();
    }
}

TEST_F(PacketTest, TemplateWithoutHeaderMarkerIsRefused) {
    QTemporaryDir dir;
    const QString headerless = QStringLiteral("{\\rtf1 no marker /*0/ here\\par }\r\n");
    QFile file(TemplatePath(dir.path(), 6));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(headerless.toLatin1());
    file.close();
    test::WriteWidths(dir.path(), 6, 6, 3.0);
    test::WriteTemplate(dir.path(), 1, QStringLiteral("first"));
    test::WriteWidths(dir.path(), 1, 3, 3.0);
    TemplateMerge merge(data.answers, measurer, dir.path());
    PacketBuilder builder(merge, dir.path());
    builder.StartDocument(1, 0);
    EXPECT_THROW(builder.AppendPage(6, 0), DocumentError);
}

TEST_F(PacketTest, SelectionByNamesOrAll) {
    QStringList unknown;
    EXPECT_EQ(PacketSelection(QStringLiteral("cbx1_0, cbx2_2,cbxNope"), &unknown),
              QSet<QString>({"cbx1_0", "cbx2_2"}));
    EXPECT_EQ(unknown, QStringList{"cbxNope"});
    EXPECT_EQ(PacketSelection(QStringLiteral("all")).size(), PacketEntryCount);
}

// "All forms" of an estate without a surviving spouse leave out the
// spouse's vehicle affidavit; asked for by name it still prints.
TEST_F(PacketTest, AllFormsOfACaseWithoutASpouseLeaveOutTheSpousesAffidavit) {
    CaseData estate;
    const QString spouseAffidavit = QStringLiteral("cbxBMV3773");
    EXPECT_FALSE(
        PacketSelection(QStringLiteral("all"), nullptr, &estate.answers).contains(spouseAffidavit));
    EXPECT_EQ(PacketSelection(QStringLiteral("all"), nullptr, &estate.answers).size(),
              PacketEntryCount - 1);
    EXPECT_TRUE(PacketSelection(QStringLiteral("all, cbxBMV3773"), nullptr, &estate.answers)
                    .contains(spouseAffidavit));
    estate.answers.setAnswer(page0::Page, 0, page0::SpouseName, QStringLiteral("Jane Smith"));
    EXPECT_TRUE(
        PacketSelection(QStringLiteral("all"), nullptr, &estate.answers).contains(spouseAffidavit));
}

TEST(PacketTable, OrderAndTheReopeningForm) {
    EXPECT_EQ(QStringView(PacketTable.front().checkBox), u"cbxGenInfo");
    EXPECT_EQ(QStringView(PacketTable.back().checkBox), u"cbxDomicileAff");
    const PacketEntry* reopen = FindPacketEntry(u"cbx13_11");
    ASSERT_NE(reopen, nullptr);
    EXPECT_EQ(reopen - FindPacketEntry(u"cbx13_10"), 1);
    EXPECT_EQ(reopen->pages[0], 112);
    const PacketEntry* form12 = FindPacketEntry(u"cbx12_1");
    CaseData data;
    data.answers.NoOf12 = 3;
    EXPECT_EQ(form12->copyCount(data.answers), 3);
    EXPECT_EQ(FindPacketEntry(u"cbx2_0")->copyCount(data.answers), 1);
    // Every page of the table has slots (is a page of the answer store).
    for (const PacketEntry& e : PacketTable)
        for (int k = 0; k < e.pageCount(); ++k) EXPECT_GT(MaxSlot[e.pages[k]], 0) << e.pages[k];
}

}  // namespace
}  // namespace wm4
