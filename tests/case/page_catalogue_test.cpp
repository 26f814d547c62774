// The page catalogue, the Display menu and the navigation tree as data.
#include "case/page_catalogue.h"

#include <gtest/gtest.h>

#include <QString>
#include <set>

namespace wm4 {
namespace {

// The page items of an outline that lie under the group with `text`.
std::vector<NavItem> itemsUnder(std::span<const NavItem> outline, const char* text) {
    std::vector<NavItem> items;
    for (size_t i = 0; i < outline.size(); ++i) {
        if (QLatin1String(outline[i].text) != QLatin1String(text)) continue;
        for (size_t j = i + 1; j < outline.size() && outline[j].depth > outline[i].depth; ++j)
            items.push_back(outline[j]);
        break;
    }
    return items;
}

const NavItem* findPageItem(std::span<const NavItem> outline, int page) {
    for (const NavItem& item : outline)
        if (item.kind == NavKind::Page && codePage(item.tag) == page) return &item;
    return nullptr;
}

TEST(PageCatalogueTest, PagesAreOrderedAndFormsPairUp) {
    int previous = -1;
    for (const PageEntry& e : PageCatalogue()) {
        EXPECT_LT(previous, e.page);
        previous = e.page;
        EXPECT_EQ(catalogueEntry(e.page), &e);
        EXPECT_EQ(pageUse(e.page), PageUse::Screen);
        EXPECT_TRUE(QLatin1String(e.treeItem).startsWith(QLatin1String("tvw"))) << e.page;
        if (e.side == PageSide::Front) {
            const PageEntry* back = catalogueEntry(e.page + 1);
            ASSERT_NE(back, nullptr) << e.page;
            EXPECT_EQ(back->side, PageSide::Back);
            EXPECT_STREQ(back->formText, e.formText);
            EXPECT_STREQ(back->treeItem, e.treeItem);
            EXPECT_EQ(back->copyCounter, e.copyCounter);  // copy c of front and back pair up
            EXPECT_EQ(otherSide(e.page), e.page + 1);
            EXPECT_EQ(otherSide(e.page + 1), e.page);
        }
    }
    EXPECT_EQ(otherSide(5), -1);
    EXPECT_FALSE(catalogueEntry(150)->sideButtons);
    EXPECT_EQ(catalogueEntry(121)->fixedCopies, 2);
    EXPECT_TRUE(isMultiCopy(121));
    EXPECT_FALSE(isMultiCopy(3));
}

TEST(PageCatalogueTest, PagesWithoutAScreen) {
    EXPECT_EQ(pageUse(78), PageUse::Filled);
    EXPECT_EQ(pageUse(183), PageUse::Filled);
    EXPECT_EQ(pageUse(126), PageUse::Filled);
    for (int page = 0; page < PageCount; ++page) {
        if (pageUse(page) == PageUse::Unused) {
            EXPECT_EQ(MaxSlot[size_t(page)], 0) << "page " << page << " holds one slot";
        }
    }
    EXPECT_EQ(catalogueEntry(130), nullptr);
}

TEST(PageCatalogueTest, CopyCountsComeFromTheCounters) {
    TAnswer a;
    a.NoOf12 = 3;
    EXPECT_EQ(catalogueCopies(a, 57), 3);
    EXPECT_EQ(catalogueCopies(a, 196), 3);
    EXPECT_EQ(catalogueCopies(a, 121), 2);
    EXPECT_EQ(catalogueCopies(a, 3), 1);
}

TEST(PageCatalogueTest, MenuAndTreeReachEveryPageWithTheCatalogueOpenMode) {
    for (const PageEntry& e : PageCatalogue()) {
        const NavItem* menu = findPageItem(DisplayMenuItems(), e.page);
        ASSERT_NE(menu, nullptr) << "menu item of page " << e.page;
        EXPECT_EQ(menu->open, e.menuOpen) << e.page;
        EXPECT_EQ(codeCopy(menu->tag), 0);
        if (e.side == PageSide::Back) {
            EXPECT_EQ(findPageItem(TreeItems(), e.page), nullptr) << "tree names fronts only";
            continue;
        }
        const NavItem* tree = findPageItem(TreeItems(), e.page);
        ASSERT_NE(tree, nullptr) << "tree item of page " << e.page;
        EXPECT_EQ(tree->open, e.treeOpen) << e.page;
    }
    EXPECT_EQ(findPageItem(DisplayMenuItems(), 70)->open, OpenMode::Display);
    EXPECT_EQ(findPageItem(TreeItems(), 70)->open, OpenMode::ChooseCopy);
}

TEST(PageCatalogueTest, MenuEdgeCases) {
    // "Back" under "2.0 Application to Probate Will" opens page 4, copy 0,
    // and the tree item of 2.0 is selected.
    const auto form2_0 = itemsUnder(DisplayMenuItems(), "2.0 Application to Probate Will");
    ASSERT_EQ(form2_0.size(), 2u);
    EXPECT_STREQ(form2_0[1].text, "Back");
    EXPECT_EQ(form2_0[1].tag, navigationCode(4, 0));
    EXPECT_STREQ(catalogueEntry(codePage(form2_0[1].tag))->treeItem, "tvwForm2_0");

    // 5.9 is one item opening page 75 in the menu and in the tree.
    // The items are kept: the item found points into them.
    const auto relief = itemsUnder(DisplayMenuItems(), "5.X Relief from Administration");
    const NavItem* menu59 = findPageItem(relief, 75);
    ASSERT_NE(menu59, nullptr);
    EXPECT_EQ(menu59->depth, 1);
    EXPECT_EQ(findPageItem(TreeItems(), 75)->tag, 7500);

    // 4.3 opens page 15 from the menu like the tree item.
    EXPECT_EQ(findPageItem(DisplayMenuItems(), 15)->tag, findPageItem(TreeItems(), 15)->tag);
}

TEST(PageCatalogueTest, TaxFormItemsNeverNameAPage) {
    for (auto outline : {DisplayMenuItems(), TreeItems()}) {
        std::set<int> tags;
        for (const NavItem& item : outline) {
            if (item.kind == NavKind::TaxForm) {
                EXPECT_TRUE(isTaxFormTag(item.tag));
                tags.insert(item.tag);
            } else if (item.kind == NavKind::Page) {
                EXPECT_FALSE(isTaxFormTag(item.tag));
            }
        }
        EXPECT_EQ(tags, (std::set<int>{1001, 1002, 1003, 1004, 1005}));
    }
    EXPECT_EQ(TaxFormDocuments().size(), 5u);
    EXPECT_STREQ(TaxFormDocuments()[2].webPath, "/pub/irs-pdf/f2848.pdf");
}

TEST(PageCatalogueTest, OutlinesAreWellFormed) {
    for (auto outline : {DisplayMenuItems(), TreeItems()}) {
        int depth = 0;
        for (size_t i = 0; i < outline.size(); ++i) {
            const NavItem& item = outline[i];
            EXPECT_LE(item.depth, depth + 1) << item.text;
            depth = item.depth;
            if (item.kind == NavKind::Group) {
                ASSERT_LT(i + 1, outline.size());
                EXPECT_EQ(outline[i + 1].depth, item.depth + 1) << "empty group " << item.text;
            }
            // "&" is the menu mnemonic; a literal one is written "&&".
            const QString text = QString::fromLatin1(item.text);
            EXPECT_EQ(QString(text).remove(QLatin1String("&&")).count(u'&'), 0) << item.text;
        }
    }
    // The menu's top level in order.
    std::vector<QString> top;
    for (const NavItem& item : DisplayMenuItems())
        if (item.depth == 0) top.push_back(QString::fromLatin1(item.text));
    ASSERT_EQ(top.size(), 22u);
    EXPECT_EQ(top[0], "General Information");
    EXPECT_EQ(top[4], "Time && Services Worksheet");
    EXPECT_EQ(top[5], "1.0 Surviving Spouse, Children, Next ...");
    EXPECT_EQ(top[21], "IRS Tax Forms");
    EXPECT_EQ(TreeItems().front().depth, 0);
    EXPECT_STREQ(TreeItems().back().text, "7. Preview/Print Forms");
}

}  // namespace
}  // namespace wm4
