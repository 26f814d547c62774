// Every print template prints on one sheet of letter paper: LibreOffice
// converts each template (markers in place of the answers) to PDF, and each
// PDF must have exactly one page. Skipped where LibreOffice or pdfinfo is
// not installed.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "data_files.h"
#include "output/document/pdf_export.h"

namespace wm4 {
namespace {

int pdfPages(const QString& pdfinfo, const QString& pdf) {
    QProcess p;
    p.start(pdfinfo, {pdf});
    if (!p.waitForFinished(30000)) return -1;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n'))
        if (line.startsWith(QLatin1String("Pages:"))) return line.mid(6).trimmed().toInt();
    return -1;
}

TEST(Templates, EachPrintsOnOnePageInLibreOffice) {
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (!PdfConversionAvailable() || pdfinfo.isEmpty())
        GTEST_SKIP() << "LibreOffice or pdfinfo missing";

    const QList<int> pages =
        test::PagesWithFiles(QStringLiteral("RTF"), QStringLiteral("Page"), QStringLiteral(".rtf"));
    ASSERT_FALSE(pages.isEmpty());
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QStringList templates;
    for (int page : pages) templates << test::dataDir() + QStringLiteral("/RTF/Page%1.rtf").arg(page);
    ConvertAllToPdf(templates, out.path());

    for (int page : pages)
        EXPECT_EQ(pdfPages(pdfinfo, out.path() + QStringLiteral("/Page%1.pdf").arg(page)), 1)
            << "Page" << page << ".rtf";
}

}  // namespace
}  // namespace wm4
