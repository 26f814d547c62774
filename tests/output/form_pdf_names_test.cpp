// The names the forms' PDFs take: the packet caption as a document title,
// without its stray blank or slip of the keys, the letters named as letters.
#include <gtest/gtest.h>

#include "output/document/packet_table.h"
#include "output/pdf/form_pdfs.h"

namespace wm4 {
namespace {

const PacketEntry& entry(QStringView checkBox) {
    for (const PacketEntry& e : PacketTable)
        if (QStringView(e.checkBox) == checkBox) return e;
    throw std::logic_error("no such form");
}

TEST(FormPdfNames, TitlesAndFileNamesAreTheFormsAsDocuments) {
    const struct {
        const char16_t* checkBox;
        const char* fileName;
    } cases[] = {
        {u"cbx13_11", "13.11 Application to Reopen Estate and Appoint Fiduciary.pdf"},
        {u"cbxBMV3774", "BMV 3774 Application for Certificate of Title.pdf"},
        {u"cbxFiduciary", "Fiduciary Letter.pdf"},
        {u"cbxAccounting", "Accounting Letter.pdf"},
        {u"cbxCourt", "Court Filing Letter.pdf"},
        {u"cbx2_0", "2.0 Application to Probate Will.pdf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormPdfFileName(entry(c.checkBox)), QString::fromLatin1(c.fileName));
    const PdfProperties bmv = FormPdfProperties(entry(u"cbxBMV3774"), {"Ann Doe", "2026 ES 1"});
    EXPECT_EQ(bmv.title, QStringLiteral("BMV 3774 Application for Certificate of Title"));
    const PdfProperties letter = FormPdfProperties(entry(u"cbxCourt"), {"Ann Doe", "2026 ES 1"});
    EXPECT_EQ(letter.title, QStringLiteral("Court Filing Letter"));
    EXPECT_EQ(letter.subject,
              QStringLiteral("Estate of Ann Doe, Case No. 2026 ES 1, Court Filing Letter"));
    // No title of the table keeps a blank at either end or a doubled one.
    for (const PacketEntry& e : PacketTable) {
        const QString title = FormPdfTitle(e);
        EXPECT_EQ(title, title.simplified()) << title.toStdString();
        EXPECT_FALSE(title.contains(QStringLiteral(" amd "))) << title.toStdString();
    }
}

}  // namespace
}  // namespace wm4
