#pragma once
// The page catalogue: which court form each page number stands for, which
// pages are the two sides of one form, which pages come in several copies and
// how the user reaches each page (Display menu, navigation tree, Next/Prior).
//
// Everything here is constant data. The main window builds its Display menu
// and navigation tree from DisplayMenuItems() and TreeItems(); the packet
// table and the data pipeline read PageCatalogue(). Nothing else repeats
// these texts.
#include <span>

#include "case/answers.h"

namespace wm4 {

// A navigation code is page x 100 + copy; it travels in the Tag of menu and
// tree items.
constexpr int navigationCode(int page, int copy = 0) {
    return page * 100 + copy;
}
constexpr int codePage(int code) {
    return code / 100;
}
constexpr int codeCopy(int code) {
    return code % 100;
}

// Tags 1001..1005 on the tax-form items select a tax form document, not a page.
inline constexpr int FirstTaxFormTag = 1001;
inline constexpr int LastTaxFormTag = 1005;
constexpr bool isTaxFormTag(int tag) {
    return tag >= FirstTaxFormTag && tag <= LastTaxFormTag;
}

enum class PageSide { Single, Front, Back };

// How an item opens its page: at once (the copy of its code), or by first
// offering the copies when the page has two or more.
enum class OpenMode { Display, ChooseCopy };

struct PageEntry {
    int page;
    const char* formText;  // the item's text in the Display menu
    PageSide side;
    OpenMode menuOpen;  // how the Display menu item opens it
    OpenMode treeOpen;  // how the tree item opens it (differs for page 70 only)
    // Copy counter of a multi-copy page; nullptr for a single page and for
    // page 121, which always has fixedCopies copies.
    int TAnswer::*copyCounter;
    int fixedCopies;       // 2 for page 121, else 0
    const char* treeItem;  // navigation-tree item selected while the page is shown
    // False for the 24.0 front and back: reached only from the menu and tree,
    // they have no Next or Prior buttons.
    bool sideButtons;
};

// Every page that has a screen, in page order.
std::span<const PageEntry> PageCatalogue();

// The entry of a page; nullptr for a page without a screen.
const PageEntry* catalogueEntry(int page);

// What a page number is used for.
enum class PageUse {
    Screen,  // in the catalogue: has a screen, menu and tree reach it
    Filled,  // no screen; schedules, calculations and printouts fill and print it
    Unused,  // one slot, no use
};
PageUse pageUse(int page);

// Pages whose amounts are left empty rather than shown as zero: the screen
// shows an amount or percentage of value 0 as an empty box, and the template
// prints an empty amount as empty instead of "0.00" (the schedules, lists
// and worksheet printouts, whose unused lines stay blank).
bool LeavesAmountsEmpty(int page);

// The other side of a two-sided form (front <-> back), or -1.
int otherSide(int page);

// True when the page is one of several copies (a counter or a fixed count).
bool isMultiCopy(int page);

// The copy count a page should have in a store, from its counter (1 for a
// single page, fixedCopies for page 121).
int catalogueCopies(const TAnswer& a, int page);

// ----- Display menu and navigation tree, as outlines -----

enum class NavKind {
    Group,       // a submenu or a tree group; its children follow at depth + 1
    Page,        // opens the page of `tag` (a navigation code) with `open`
    Worksheet,   // opens the worksheet window named by `tag` (NavWorksheet)
    TaxForm,     // opens the tax form document of `tag` (1001..1005)
    PrintForms,  // the print command (tree only)
};

enum NavWorksheet { KinWorksheet = 0, AssetWorksheet = 1, ExpenseWorksheet = 2, TimeWorksheet = 3 };

// One item of an outline. Items are listed depth first: the children of a
// Group are the items after it with a greater depth. In texts "&&" stands
// for a literal "&" (the toolkit's mnemonic escape).
struct NavItem {
    int depth;
    const char* text;
    NavKind kind;
    int tag;        // navigation code, NavWorksheet, tax-form tag; 0 for groups
    OpenMode open;  // Page items only
};

// The Display menu ("&Display", mnuDisplay) below its title.
inline constexpr const char* DisplayMenuText = "&Display";
std::span<const NavItem> DisplayMenuItems();

// The navigation tree (TreeView1), root item "Follow These Steps" at depth 0.
std::span<const NavItem> TreeItems();

// The tax-form documents of tags 1001..1005: item text and the path on the
// tax authority's web site.
struct TaxFormDocument {
    int tag;
    const char* text;
    const char* webPath;
};
std::span<const TaxFormDocument> TaxFormDocuments();

}  // namespace wm4
