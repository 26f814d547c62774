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

}  // namespace
}  // namespace wm4
