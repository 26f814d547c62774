// Filing electronically: typed signatures on the signers' lines, and the
// continuation addenda of answers and lists that do not fit their forms.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "case/case_data.h"
#include "forms/page000.h"
#include "output/document/addendum.h"
#include "output/document/packet.h"
#include "output/document/packet_table.h"
#include "output/document/template_merge.h"
#include "output/output_fixture.h"
#include "output/textfit/continue_text.h"
#include "support/fixed_width_measurer.h"

namespace wm4 {
namespace {

using test::DocumentPages;
using test::WriteTemplate;
using test::WriteWidths;

// Forty words of five letters and a blank: far wider than 3 inches at six
// points (4 pixels a character), so the field cannot hold it.
QString longAnswer() {
    QStringList words;
    for (int i = 0; i < 40; ++i) words << QStringLiteral("w%1xyz").arg(i, 2, 10, QChar(u'0'));
    return words.join(u' ');
}

// The slots the templates written below print: a plain text (/*5/) and a
// typed signature (/!6/).
constexpr int MarkedSlot = 5, SignatureSlot = 6;

class EfilingTest : public ::testing::Test {
protected:
    EfilingTest() {
        data.answers.setAnswer(page0::Page, 0, page0::DecedentName, QStringLiteral("Ada Byron"));
        data.answers.setAnswer(page0::Page, 0, page0::CaseNumber, QStringLiteral("2026-EST-19"));
        // Form 1.0: front page 1, back page 2; Form 2.1: page 5.
        for (int page : {1, 2, 5}) {
            WriteTemplate(dir.path(), page,
                          QStringLiteral("\\fs24 P%1 [/*5/] sign [/!6/]\\par").arg(page));
            WriteWidths(dir.path(), page, MaxSlot[page] + 1, 3.0);
        }
        packet.setContinuationSources(&data.continuations, dir.path());
    }

    void setOptions(bool addenda, bool typed) {
        merge.setFilingOptions({addenda, typed});
        data.continuations.setEnabled(addenda);
    }

    QTemporaryDir dir;
    CaseData data;
    test::FixedWidthMeasurer measurer;  // 12 points: 8 pixels a character
    TemplateMerge merge{data.answers, measurer, dir.path()};
    PacketBuilder packet{merge, dir.path()};
};

TEST_F(EfilingTest, TypedSignatureNeedsTheOptionAndAName) {
    struct Case {
        const char* name;
        bool typed;
        QString signer;
        QString printed;
    } cases[] = {
        {"typed", true, "Jane Q. Doe", "/s/ Jane Q. Doe"},
        {"blank without the option", false, "Jane Q. Doe", ""},
        {"blank without a signer", true, "  ", ""},
        {"escaped for RTF", true, "Ann {Lee}", "/s/ Ann \\{Lee\\}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TypedSignature(c.signer, c.typed), c.printed);
        setOptions(false, c.typed);
        data.answers.setAnswer(1, 0, SignatureSlot, c.signer);
        packet.QuickPrint(1, 0);
        EXPECT_TRUE(packet.document().contains(QStringLiteral("sign [") + c.printed + u']'))
            << packet.document().toStdString();
    }
}

TEST_F(EfilingTest, TextBeforeMarkEndsAtAWordAndFits) {
    const QString mark = ContinuedMark.toString();
    const QString before = TextBeforeMark(measurer, longAnswer(), mark, 24, 3.0);
    // 3 in = 288 px less a tenth: 32 characters of 8 px, the mark and a blank 24.
    EXPECT_EQ(before, QStringLiteral("w00xyz"));
    EXPECT_EQ(TextBeforeMark(measurer, longAnswer(), mark, 12, 3.0).size(), 34);
    EXPECT_TRUE(longAnswer().startsWith(TextBeforeMark(measurer, longAnswer(), mark, 12, 3.0)));
    EXPECT_EQ(TextBeforeMark(measurer, QStringLiteral("short"), mark, 24, 3.0), "short");
    EXPECT_EQ(TextBeforeMark(measurer, QString(60, u'w'), mark, 12, 3.0).size(), 40)
        << "one word longer than the field is cut after a character";
}

TEST_F(EfilingTest, TooLongAnswerContinuesOnTheAddendumAfterTheForm) {
    setOptions(true, false);
    data.answers.setAnswer(1, 0, MarkedSlot, longAnswer());
    data.answers.setAnswer(2, 0, MarkedSlot, QStringLiteral("fits"));
    data.answers.setAnswer(5, 0, MarkedSlot, QStringLiteral("next form"));
    packet.PrtSend({QStringLiteral("cbx1_0"), QStringLiteral("cbx2_1")});
    const QStringList pages = DocumentPages(packet.document());
    ASSERT_EQ(pages.size(), 4) << "Form 1.0 front and back, its addendum, Form 2.1";
    EXPECT_TRUE(pages[0].contains(QStringLiteral("[w00xyz (continued on addendum)\\fs24 ]")))
        << pages[0].toStdString();
    EXPECT_FALSE(pages[0].contains(QStringLiteral("REDUCE TEXT")));
    const QString& addendum = pages[2];
    EXPECT_TRUE(addendum.contains(QStringLiteral("ADDENDUM TO FORM 1.0")));
    EXPECT_TRUE(addendum.contains(QStringLiteral("{\\caps Ada Byron}")));
    EXPECT_TRUE(addendum.contains(QStringLiteral("2026-EST-19")));
    EXPECT_TRUE(addendum.contains(QStringLiteral("Continues Form 1.0, front: line 5")));
    EXPECT_TRUE(addendum.contains(longAnswer())) << "the whole answer";
    EXPECT_TRUE(pages[3].contains(QStringLiteral("P5 [\\fs24 next form")));
    EXPECT_TRUE(packet.document().endsWith(u'}'));
}

TEST_F(EfilingTest, ListsOfTheCalculationJoinTheAddendumOfTheirFormAndCopy) {
    setOptions(true, false);
    data.answers.NoOf1_0 = 2;
    data.continuations.add({2, 1, 10, QStringLiteral("1.0 back, persons"),
                            {QStringLiteral("Person 9, Street 9"), QStringLiteral("Person 10")}});
    packet.PrtSend({QStringLiteral("cbx1_0")});
    const QStringList pages = DocumentPages(packet.document());
    ASSERT_EQ(pages.size(), 5) << "copy 0 front and back, copy 1 front, back and addendum";
    // The list's name without the form number and side the heading gives.
    EXPECT_TRUE(pages[4].contains(QStringLiteral("Continues Form 1.0, back, copy 2: persons")));
    EXPECT_TRUE(pages[4].contains(QStringLiteral("Person 9, Street 9")));
    EXPECT_TRUE(pages[4].contains(QStringLiteral("Person 10")));
}

TEST_F(EfilingTest, PageOnDisplayCarriesItsAddendum) {
    setOptions(true, false);
    data.answers.setAnswer(5, 0, MarkedSlot, longAnswer());
    packet.QuickPrint(5, 0);
    const QStringList pages = DocumentPages(packet.document());
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[1].contains(QStringLiteral("ADDENDUM TO FORM 2.1")));
    EXPECT_TRUE(pages[1].contains(longAnswer()));
}

TEST_F(EfilingTest, WithoutAddendaTheFormsPrintAsAlways) {
    setOptions(false, false);
    data.answers.setAnswer(5, 0, MarkedSlot, longAnswer());
    // A list recorded by an earlier run with addenda on is not printed now.
    data.continuations.add({5, 0, 4, QStringLiteral("waiver"), {QStringLiteral("Person 35")}});
    packet.QuickPrint(5, 0);
    EXPECT_EQ(DocumentPages(packet.document()).size(), 1);
    EXPECT_TRUE(packet.document().contains(QStringLiteral("REDUCE TEXT")));
    EXPECT_FALSE(packet.document().contains(QStringLiteral("ADDENDUM")));
}

TEST_F(EfilingTest, FieldLabelComesFromThePageScreen) {
    QFile psf(dir.filePath(QStringLiteral("page5.psf")));
    ASSERT_TRUE(psf.open(QIODevice::WriteOnly));
    psf.write(R"(<ui version="4.0"><widget class="QWidget" name="page5">
<widget class="QLabel" name="lbl51"><property name="text"><string>Other</string></property></widget>
<widget class="QLabel" name="lbl5"><property name="geometry"><rect><x>1</x></rect></property>
<property name="text"><string>Legal description</string></property></widget>
</widget></ui>)");
    psf.close();
    EXPECT_EQ(FieldLabel(dir.path(), 5, 5), "Legal description");
    EXPECT_EQ(FieldLabel(dir.path(), 5, 7), "line 7");
    EXPECT_EQ(FieldLabel(dir.path(), 6, 5), "line 5");
}

TEST_F(EfilingTest, FormNamesOfTheAddenda) {
    EXPECT_EQ(FormName(*EntryOfPage(4)), "Form 2.0");
    EXPECT_EQ(FormName(*EntryOfPage(51)), "Fiduciary's Acceptance");
    EXPECT_EQ(EntryOfPage(0)->pages[0], 0);
}

}  // namespace
}  // namespace wm4
