// Filing electronically through wendmoor4 print: typed signatures on the
// signers' lines (RTF and PDF), continuation addenda that keep every word of
// over-long answers and lists in the PDF, and one PDF per form with its
// document properties.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "app/command_test.h"
#include "case/case_data.h"
#include "files/client_file.h"
#include "forms/page000.h"
#include "output/document/document_printer.h"
#include "output/document/packet_table.h"
#include "output/document/pdf_export.h"
#include "output/document/send_document.h"
#include "output/document/template_merge.h"
#include "output/qtmeasure/qt_text_measurer.h"
#include "support/rich_sample.h"

namespace wm4::test {
namespace {

// The text of a PDF by pdftotext, blanks and line ends as single blanks.
QString pdfText(const QString& pdf, int first = 0, int last = 0) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) return QString();
    QStringList args;
    if (first > 0) args << "-f" << QString::number(first) << "-l" << QString::number(last);
    QProcess p;
    p.start(tool, args << pdf << "-");
    p.waitForFinished(120000);
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

// "Title: ..." and the other lines of pdfinfo, by key.
QMap<QString, QString> pdfInfo(const QString& pdf) {
    QMap<QString, QString> info;
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (tool.isEmpty()) return info;
    QProcess p;
    p.start(tool, {pdf});
    p.waitForFinished(60000);
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n')) {
        const qsizetype colon = line.indexOf(u':');
        if (colon > 0) info.insert(line.left(colon), line.mid(colon + 1).trimmed());
    }
    return info;
}

bool popplerInstalled() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

class EfilingPrint : public CommandTest {
protected:
    QString richSample() const { return fixture("rich_sample.wm4"); }

    QByteArray print(const QStringList& arguments, CommandRun* run = nullptr) {
        const CommandRun r = runCommand(arguments);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        if (run) *run = r;
        return readAll(arguments[2]);
    }
};

// "/s/ " and what follows it up to the end of the field.
QStringList typedSigners(const QByteArray& rtf) {
    QStringList names;
    static const QRegularExpression typed(QStringLiteral(R"(/s/ ([^\\}]+))"));
    for (auto m = typed.globalMatch(QString::fromLatin1(rtf)); m.hasNext();)
        names << m.next().captured(1).trimmed();
    return names;
}

TEST_F(EfilingPrint, TypedSignaturesSignTheSignersLinesOnly) {
    CaseData sample;
    ASSERT_TRUE(ReadClientFile(sample, richSample()));
    const QString judge = sample.answers.answer(page0::Page, 0, page0::Judge);
    ASSERT_FALSE(judge.isEmpty());

    const QByteArray plain = print({"print", richSample(), path("plain.rtf"), "--forms", "all"});
    EXPECT_FALSE(plain.contains("/s/")) << "off unless asked for";

    const QByteArray rtf = print(
        {"print", richSample(), path("typed.rtf"), "--forms", "all", "--typed-signatures"});
    const QStringList signers = typedSigners(rtf);
    // The fiduciaries, the attorney and the applicants sign; not the spouse
    // applying for a vehicle's title on BMV 3774 (a transferee, before a
    // notary), nor anybody else.
    EXPECT_GE(signers.size(), 20);
    EXPECT_TRUE(signers.contains(rich::Attorney));
    EXPECT_FALSE(signers.contains(rich::Spouse));
    for (const QString& name : signers) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(name.contains(rich::Fiduciary, Qt::CaseInsensitive) ||
                    name.contains(rich::CoFiduciary) || name.contains(rich::Attorney));
        EXPECT_FALSE(name.contains(judge));
    }
}

TEST_F(EfilingPrint, TypedSignaturePrintsInThePdfLibreOffice) {
    if (!PdfConversionAvailable() || !popplerInstalled())
        GTEST_SKIP() << "needs LibreOffice (libreoffice-writer-nogui) and poppler-utils";
    print({"print", richSample(), path("out.rtf"), "--forms", "cbxFiduciarysAcceptance",
           "--typed-signatures", "--pdf", path("out.pdf")});
    const QString text = pdfText(path("out.pdf"));
    EXPECT_TRUE(text.contains(QStringLiteral("/s/ ") + rich::Fiduciary)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("/s/ ") + rich::CoFiduciary)) << text.toStdString();
}

// Every plain one-line field of every form's template gets an answer far too
// long for it, of words found nowhere else; with addenda every word of every
// answer is in the PDF's text (on the form or its addendum), and no field
// prints "REDUCE TEXT".
TEST_F(EfilingPrint, AddendaKeepEveryWordOfEveryFormLibreOffice) {
    if (!PdfConversionAvailable() || !popplerInstalled())
        GTEST_SKIP() << "needs LibreOffice (libreoffice-writer-nogui) and poppler-utils";
    CaseData data;
    QSet<QString> all;
    QStringList words;
    static const QRegularExpression plainField(QStringLiteral(R"(/[*<](\d{1,3})/)"));
    for (const PacketEntry& entry : PacketTable) {
        all.insert(QString::fromUtf16(entry.checkBox));
        if (entry.copies) data.answers.*entry.copies = 1;
        for (int k = 0; k < entry.pageCount(); ++k) {
            const int page = entry.pages[size_t(k)];
            const QString rtf = QString::fromLatin1(
                readAll(dataFolder() + QStringLiteral("/RTF/Page%1.rtf").arg(page)));
            for (auto m = plainField.globalMatch(QString(rtf).remove(u'\r').remove(u'\n'));
                 m.hasNext();) {
                const int slot = m.next().captured(1).toInt();
                if (!data.answers.answer(page, 0, slot).isEmpty()) continue;
                QStringList answer;
                for (int w = 0; w < 24; ++w) answer << QStringLiteral("p%1s%2w%3").arg(page).arg(slot).arg(w);
                data.answers.setAnswer(page, 0, slot, answer.join(u' '));
                words += answer;
            }
        }
    }
    ASSERT_GT(words.size(), 10000);
    QtTextMeasurer measurer;
    DocumentPrinter printer(data, measurer, dataFolder() + "/RTF", dataFolder() + "/DAT");
    printer.setScreenFolder(dataFolder() + "/PSF");
    printer.setFilingOptions({true, false});
    const QString document = printer.PacketDocument(all);
    EXPECT_FALSE(document.contains(QStringLiteral("REDUCE TEXT")));
    WriteRtfDocument(path("all.rtf"), document);
    ConvertToPdf(path("all.rtf"), path("all.pdf"));
    const QSet<QString> printed = [&] {
        // Captions print in capitals; the words are in lower case.
        const QStringList list = pdfText(path("all.pdf")).toLower().split(u' ');
        return QSet<QString>(list.begin(), list.end());
    }();
    QStringList missing;
    for (const QString& word : words)
        if (!printed.contains(word)) missing << word;
    // The fields that lost words, "p20s2" for page 20's slot 2.
    QStringList fields;
    for (const QString& word : missing) {
        const QString field = word.section(u'w', 0, 0);
        if (!fields.contains(field)) fields << field;
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.size() << " words lost, of the fields "
                                   << fields.join(u' ').toStdString();
}

// Form 2.1 lists 34 persons who waived notice: with addenda all 40 of the
// case print (the rest on the addendum), nobody is taken off and nothing is
// reported; without addenda the form cuts the list and reports it.
TEST_F(EfilingPrint, AddendaContinueTheWaiverListLibreOffice) {
    if (!PdfConversionAvailable() || !popplerInstalled())
        GTEST_SKIP() << "needs LibreOffice (libreoffice-writer-nogui) and poppler-utils";
    CaseData sample;
    ASSERT_TRUE(ReadClientFile(sample, richSample()));
    WorksheetStore& kin = sample.KSchedList;
    constexpr int ToForm2_1 = 18, Name = 1;
    for (int i = 1; i <= 40; ++i) {
        const int row = kin.rowCount();
        kin.setRowCount(row + 1);
        kin.setCell(Name, row, QStringLiteral("Waiver Person%1").arg(i));
        kin.setCell(ToForm2_1, row, QStringLiteral("X"));
    }
    WriteClientFile(sample, path("many.wm4"));

    // Without addenda the list is too long for its form: the run stops at
    // the report, and nothing is printed from it.
    CommandRun run = runCommand({"print", path("many.wm4"), path("cut.rtf"), "--forms", "cbx2_1"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("REPORT 29060"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("No packet was written."))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("cut.rtf")));

    print({"print", path("many.wm4"), path("out.rtf"), "--forms", "cbx2_1", "--addenda", "--pdf",
           path("out.pdf")},
          &run);
    EXPECT_EQ(run.err, "");
    const QString text = pdfText(path("out.pdf"));
    EXPECT_TRUE(text.contains(QStringLiteral("(continued on addendum)")));
    EXPECT_TRUE(text.contains(QStringLiteral("ADDENDUM TO FORM 2.1")));
    EXPECT_TRUE(text.contains(QString::fromLatin1(rich::Decedent).toUpper())) << "the caption";
    for (int i = 1; i <= 40; ++i)
        EXPECT_TRUE(text.contains(QStringLiteral("Waiver Person%1 ").arg(i)) ||
                    text.endsWith(QStringLiteral("Waiver Person%1").arg(i)))
            << i;
}

TEST_F(EfilingPrint, OnePdfPerFormWithItsPropertiesLibreOffice) {
    if (!PdfConversionAvailable() || !popplerInstalled())
        GTEST_SKIP() << "needs LibreOffice (libreoffice-writer-nogui) and poppler-utils";
    CaseData sample;
    ASSERT_TRUE(ReadClientFile(sample, richSample()));
    const QString caseNumber = sample.answers.answer(page0::Page, 0, page0::CaseNumber);
    CommandRun run;
    print({"print", richSample(), path("out.rtf"), "--forms", "cbx1_0,cbx2_2,cbx4_5", "--pdf",
           path("whole.pdf"), "--pdf-folder", path("forms")},
          &run);
    const QStringList written = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(written.size(), 3) << run.out.toStdString();
    const struct {
        const char* file;
        const char* form;
        int pages;
    } expected[] = {
        {"1.0 Surviving Spouse, Children, Next of Kin Legatees & Devisees.pdf", "1.0", 2},
        {"2.2 Notice of Probate.pdf", "2.2", rich::NoticesOfProbate},
        {"4.5 Entry Appointing Fiduciary; Letters of Authority.pdf", "4.5", 1},
    };
    int pages = 0;
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(expected[k].file);
        const QString pdf = QDir(path("forms")).filePath(expected[k].file);
        EXPECT_EQ(QFileInfo(written[k]).fileName(), expected[k].file);
        const QMap<QString, QString> info = pdfInfo(pdf);
        EXPECT_EQ(info.value("Pages").toInt(), expected[k].pages);
        EXPECT_EQ(info.value("Title"), QString(expected[k].file).chopped(4));
        EXPECT_TRUE(info.value("Subject").contains(caseNumber)) << info.value("Subject").toStdString();
        EXPECT_TRUE(info.value("Keywords").contains(QStringLiteral("Form ") + expected[k].form));
        EXPECT_TRUE(info.value("Keywords").contains(caseNumber));
        // Searchable: the form's own footer is in its text, no other form's.
        const QString text = pdfText(pdf);
        EXPECT_TRUE(text.contains(QStringLiteral("Form %1 - ").arg(expected[k].form)));
        for (const auto& other : expected) {
            if (other.form == expected[k].form) continue;
            EXPECT_FALSE(text.contains(QStringLiteral("Form %1 - ").arg(other.form)));
        }
        pages += info.value("Pages").toInt();
    }
    EXPECT_EQ(pages, pdfInfo(path("whole.pdf")).value("Pages").toInt());
}

TEST_F(EfilingPrint, PdfFolderNeedsTheForms) {
    const CommandRun r = runCommand(
        {"print", richSample(), path("out.rtf"), "--page", "1", "--pdf-folder", path("x")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("--pdf-folder goes with --forms"));
    const CommandRun twice = runCommand({"print", richSample(), path("out.rtf"), "--page", "1",
                                         "--addenda", "--addenda"});
    EXPECT_EQ(twice.status, 1);
}

}  // namespace
}  // namespace wm4::test
