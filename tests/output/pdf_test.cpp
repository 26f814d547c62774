// End to end: a two-page packet written as RTF and converted to PDF by
// LibreOffice, pages in order, accented names as typed.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "case/case_data.h"
#include "output/document/document_error.h"
#include "output/document/packet.h"
#include "output/document/pdf_export.h"
#include "output/document/rtf_text.h"
#include "output/document/send_document.h"
#include "output/document/template_merge.h"
#include "output/output_fixture.h"
#include "support/fixed_width_measurer.h"

namespace wm4 {
namespace {

TEST(LibreOfficePdf, TwoPagePacketConvertsWithPagesInOrder) {
    if (!PdfConversionAvailable())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed; install libreoffice-writer-nogui "
                        "to run the PDF conversion test";
    CaseData data;
    data.answers.NoOf1_0 = 1;
    // The slots the fixture templates print: on the front (Page1.rtf) a name
    // (/*1/), an amount (/$2/) and a check box (/&3/); on the back (Page2.rtf)
    // a long date (/^4/) and a name (/*12/, broken across two lines).
    constexpr int FrontName = 1, FrontAmount = 2, FrontCheck = 3, BackDate = 4, BackName = 12;
    data.answers.setAnswer(1, 0, FrontName, QStringLiteral("Jos\u00e9 N\u00fa\u00f1ez"));
    data.answers.setAnswer(1, 0, FrontAmount, QStringLiteral("1234.5"));
    data.answers.setAnswer(1, 0, FrontCheck, QStringLiteral("X"));
    data.answers.setAnswer(2, 0, BackDate, QStringLiteral("3/9/2021"));
    data.answers.setAnswer(2, 0, BackName, QStringLiteral("Ann {Lee}"));
    test::FixedWidthMeasurer measurer;
    TemplateMerge merge(data.answers, measurer, test::OutputFixtureFolder());
    PacketBuilder packet(merge, test::OutputFixtureFolder());
    packet.PrtSend({QStringLiteral("cbx1_0")});

    QTemporaryDir dir;
    const QString rtf = dir.filePath(QStringLiteral("packet.rtf"));
    const QString pdf = dir.filePath(QStringLiteral("packet.pdf"));
    WriteRtfDocument(rtf, packet.document());
    ConvertToPdf(rtf, pdf);

    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("/Count 2")) << "the PDF should have two pages";

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) return;  // the page count above is the check then
    // The text of page n of the PDF.
    auto pageText = [&](int n) {
        QProcess text;
        text.start(pdftotext, {QStringLiteral("-f"), QString::number(n), QStringLiteral("-l"),
                               QString::number(n), pdf, QStringLiteral("-")});
        text.waitForFinished(60000);
        return QString::fromUtf8(text.readAllStandardOutput());
    };
    const QString front = pageText(1);
    const QString back = pageText(2);
    EXPECT_TRUE(front.contains(QStringLiteral("FORM ONE FRONT")));
    EXPECT_FALSE(front.contains(QStringLiteral("FORM ONE BACK")));
    // The back starts with a table: its page break must hold all the same.
    EXPECT_TRUE(back.contains(QStringLiteral("FORM ONE BACK"))) << back.toStdString();
    EXPECT_TRUE(front.contains(QStringLiteral("Jos\u00e9 N\u00fa\u00f1ez"))) << front.toStdString();
    EXPECT_TRUE(front.contains(QStringLiteral("1,234.50")));
    EXPECT_TRUE(front.contains(QChar(0x2612))) << "the ticked box prints as a ballot box";
    EXPECT_TRUE(back.contains(QStringLiteral("March 9, 2021")));
    EXPECT_TRUE(back.contains(QStringLiteral("Ann {Lee}")));
}

TEST(LibreOfficePdf, EmptyPacketIsAValidDocument) {
    if (!PdfConversionAvailable()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    QTemporaryDir dir;
    const QString rtf = dir.filePath(QStringLiteral("empty.rtf"));
    const QString pdf = dir.filePath(QStringLiteral("empty.pdf"));
    WriteRtfDocument(rtf, EmptyRtfDocument());
    ConvertToPdf(rtf, pdf);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("/Count 1"));
}

TEST(PdfExport, MissingInputIsAClearError) {
    if (!PdfConversionAvailable()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    EXPECT_THROW(ConvertToPdf(QStringLiteral("/nonexistent/in.rtf"), QStringLiteral("/tmp/x.pdf")),
                 std::runtime_error);
}

// A stand-in for LibreOffice: a script that crashes as LibreOffice does on a
// bad start (the message, then SIGABRT) for its first `crashes` runs, and
// then writes a PDF for every document it is given.
QString fakeOffice(const QTemporaryDir& dir, int crashes) {
    const QString path = dir.filePath(QStringLiteral("soffice"));
    QFile script(path);
    EXPECT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral(R"sh(#!/bin/sh
runs=%1/runs
echo x >> "$runs"
if [ "$(wc -l < "$runs")" -le %2 ]; then
  echo "Fatal exception: Signal 6"
  kill -ABRT $$
fi
while [ $# -gt 0 ]; do
  case "$1" in
    --outdir) out=$2; shift ;;
    *.rtf) base=$(basename "$1" .rtf); echo "%PDF-1.4" > "$out/$base.pdf" ;;
  esac
  shift
done
)sh")
                     .arg(dir.path())
                     .arg(crashes)
                     .toUtf8());
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                          QFileDevice::ExeOwner);
    return path;
}

int runsOf(const QTemporaryDir& dir) {
    QFile runs(dir.filePath(QStringLiteral("runs")));
    if (!runs.open(QIODevice::ReadOnly)) return 0;
    return runs.readAll().count('\n');
}

TEST(PdfExport, AStartThatCrashesIsTriedOnceMoreThenNamedInTheError) {
    const struct {
        int crashes;
        bool converts;
        int runs;
    } cases[] = {
        {0, true, 1},   // converts at once
        {1, true, 2},   // one crash on start: the second run converts
        {2, false, 2},  // crashes twice: an error, no third try
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString rtf = dir.filePath(QStringLiteral("packet.rtf"));
        WriteRtfDocument(rtf, EmptyRtfDocument());
        const QString office = fakeOffice(dir, c.crashes);
        if (c.converts) {
            EXPECT_NO_THROW(ConvertAllToPdf({rtf}, dir.path(), office)) << c.crashes;
            EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("packet.pdf")))) << c.crashes;
        } else {
            try {
                ConvertAllToPdf({rtf}, dir.path(), office);
                ADD_FAILURE() << "a conversion that crashed twice must fail";
            } catch (const DocumentError& e) {
                EXPECT_TRUE(e.text().contains(rtf)) << e.text().toStdString();
                EXPECT_TRUE(e.text().contains(QStringLiteral("Fatal exception: Signal 6")))
                    << e.text().toStdString();
            }
            EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("packet.pdf"))));
        }
        EXPECT_EQ(runsOf(dir), c.runs) << c.crashes;
    }
}

}  // namespace
}  // namespace wm4
