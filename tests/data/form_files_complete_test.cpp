// Every page a user can open has its screen, and every page the program
// prints (the form packet and the four worksheet printouts) has its template
// and its width file.
#include <gtest/gtest.h>

#include "case/page_catalogue.h"
#include "data_files.h"
#include "output/document/packet_table.h"

#include <set>

namespace wm4 {
namespace {

// The page images of the kin, asset, expense and time worksheet printouts.
constexpr int kWorksheetPrintoutPages[] = {113, 182, 185, 187};

std::set<int> pagesWith(const char* folder, const char* prefix, const char* suffix) {
    const QList<int> pages = test::PagesWithFiles(QString::fromLatin1(folder),
                                                  QString::fromLatin1(prefix),
                                                  QString::fromLatin1(suffix));
    return {pages.begin(), pages.end()};
}

std::set<int> printedPages() {
    std::set<int> pages(std::begin(kWorksheetPrintoutPages), std::end(kWorksheetPrintoutPages));
    for (const PacketEntry& entry : PacketTable)
        for (int page : entry.pages)
            if (page >= 0) pages.insert(page);
    return pages;
}

TEST(FormFiles, EveryCataloguePageHasItsScreen) {
    const std::set<int> screens = pagesWith("PSF", "page", ".psf");
    for (const PageEntry& entry : PageCatalogue())
        EXPECT_TRUE(screens.count(entry.page)) << "page " << entry.page << " (" << entry.formText
                                               << ") has no page" << entry.page << ".psf";
}

TEST(FormFiles, EveryPrintedPageHasItsTemplateAndWidthFile) {
    const std::set<int> templates = pagesWith("RTF", "Page", ".rtf");
    const std::set<int> widths = pagesWith("DAT", "PAGE", ".DAT");
    for (int page : printedPages()) {
        EXPECT_TRUE(templates.count(page)) << "page " << page << " has no Page" << page << ".rtf";
        EXPECT_TRUE(widths.count(page)) << "page " << page << " has no PAGE" << page << ".DAT";
    }
}

// A date that stands inside a sentence prints in long form ("May 18, 2026"),
// whatever form it was typed in.
TEST(FormFiles, DatesInsideSentencesPrintInLongForm) {
    struct DateInText {
        int page, slot;
        const char* where;
    };
    const DateInText dates[] = {{99, 19, "the executor fee computation's \"Prepared on\""}};
    for (const DateInText& d : dates) {
        const QString rtf =
            test::ReadLatin1(test::dataDir() + QStringLiteral("/RTF/Page%1.rtf").arg(d.page));
        bool longDate = false;
        for (const test::Marker& m : test::TemplateMarkers(rtf))
            if (m.slot == d.slot) longDate = m.kind == u'^';
        EXPECT_TRUE(longDate) << d.where;
    }
}

}  // namespace
}  // namespace wm4
