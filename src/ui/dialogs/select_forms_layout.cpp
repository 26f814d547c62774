#include "ui/dialogs/select_forms_layout.h"

#include <array>
#include <stdexcept>

#include "output/document/packet_table.h"

namespace wm4 {

namespace {

// Within a group the forms stand in the order of their numbers (2.1 before
// 2.2), as the court numbers them.

// Forms whose pages are shown for reference and print only when ticked.
constexpr bool NoPreTick = false;

constexpr std::array forms1to4Next{SelectFormsBox{u"cbx1_0"}};
constexpr std::array forms1to4Will{SelectFormsBox{u"cbx2_0"}, SelectFormsBox{u"cbx2_1"},
                                   SelectFormsBox{u"cbx2_2"}, SelectFormsBox{u"cbx2_3"},
                                   SelectFormsBox{u"cbx2_4"}};
constexpr std::array forms1to4Appraiser{SelectFormsBox{u"cbx3_0"}};
constexpr std::array forms1to4Admin{SelectFormsBox{u"cbx4_0"},
                                    SelectFormsBox{u"cbx4_1"},
                                    SelectFormsBox{u"cbx4_2"},
                                    SelectFormsBox{u"cbx4_3"},
                                    SelectFormsBox{u"cbx4_4"},
                                    SelectFormsBox{u"cbx4_5"},
                                    SelectFormsBox{u"cbxFiduciarysAcceptance"}};
constexpr std::array forms1to4{
    SelectFormsGroup{u"Next of Kin", forms1to4Next},
    SelectFormsGroup{u"Probate of Will", forms1to4Will},
    SelectFormsGroup{u"Appraiser", forms1to4Appraiser},
    SelectFormsGroup{u"Authority to Administer", forms1to4Admin},
};

constexpr std::array forms5to7Relief{SelectFormsBox{u"cbx5_0"},
                                     SelectFormsBox{u"cbx5_1"},
                                     SelectFormsBox{u"cbx5_2"},
                                     SelectFormsBox{u"cbx5_3"},
                                     SelectFormsBox{u"cbx5_4"},
                                     SelectFormsBox{u"cbx5_5"},
                                     SelectFormsBox{u"cbx5_6"},
                                     SelectFormsBox{u"cbx5_9"},
                                     SelectFormsBox{u"cbx5_10"},
                                     SelectFormsBox{u"cbx5_11"},
                                     SelectFormsBox{u"cbxCommissionersReport"}};
constexpr std::array forms5to7Inventory{SelectFormsBox{u"cbx6_0"},
                                        SelectFormsBox{u"cbx6_1"},
                                        SelectFormsBox{u"cbx6_2"},
                                        SelectFormsBox{u"cbx6_3"},
                                        SelectFormsBox{u"cbx6_3AA", NoPreTick},
                                        SelectFormsBox{u"cbx6_4A"},
                                        SelectFormsBox{u"cbx6_4C", NoPreTick}};
constexpr std::array forms5to7Allowance{SelectFormsBox{u"cbx7_0"},
                                        SelectFormsBox{u"cbx7_0A", NoPreTick},
                                        SelectFormsBox{u"cbx7_1"}, SelectFormsBox{u"cbx7_2"}};
constexpr std::array forms5to7{
    SelectFormsGroup{u"Relief from Administration", forms5to7Relief},
    SelectFormsGroup{u"Inventory", forms5to7Inventory},
    SelectFormsGroup{u"Estate Recovery and Family Allowance", forms5to7Allowance},
};

constexpr std::array forms8to11Spouse{SelectFormsBox{u"cbx8_0"}, SelectFormsBox{u"cbx8_1"},
                                      SelectFormsBox{u"cbx8_2"}, SelectFormsBox{u"cbx8_3"},
                                      SelectFormsBox{u"cbx8_4"}, SelectFormsBox{u"cbx8_5"},
                                      SelectFormsBox{u"cbx8_6"}};
constexpr std::array forms8to11Sale{SelectFormsBox{u"cbx9_0"}, SelectFormsBox{u"cbx9_1"},
                                    SelectFormsBox{u"cbx9_2"}};
constexpr std::array forms8to11Kind{SelectFormsBox{u"cbx10_0"}, SelectFormsBox{u"cbx10_1"},
                                    SelectFormsBox{u"cbx10_2"}, SelectFormsBox{u"cbx10_4"}};
constexpr std::array forms8to11Realty{SelectFormsBox{u"cbx11_0"}};
constexpr std::array forms8to11{
    SelectFormsGroup{u"Surviving Spouse", forms8to11Spouse},
    SelectFormsGroup{u"Sale of Personal Property", forms8to11Sale},
    SelectFormsGroup{u"Distribution in Kind", forms8to11Kind},
    SelectFormsGroup{u"Real Estate", forms8to11Realty},
};

constexpr std::array forms12to24Account{
    SelectFormsBox{u"cbx13_0"},  SelectFormsBox{u"cbx13_1"},
    SelectFormsBox{u"cbx13_2"},  SelectFormsBox{u"cbx13_3"},
    SelectFormsBox{u"cbx13_4"},  SelectFormsBox{u"cbx13_5"},
    SelectFormsBox{u"cbx13_6"},  SelectFormsBox{u"cbx13_7b"},
    SelectFormsBox{u"cbx13_8"},  SelectFormsBox{u"cbx13_9"},
    SelectFormsBox{u"cbx13_10"}, SelectFormsBox{u"cbx13_11", NoPreTick}};
constexpr std::array forms12to24Insolvency{SelectFormsBox{u"cbx24_0"}, SelectFormsBox{u"cbx24_1"},
                                           SelectFormsBox{u"cbx24_2"}, SelectFormsBox{u"cbx24_3"},
                                           SelectFormsBox{u"cbx24_4"}, SelectFormsBox{u"cbx24_5"},
                                           SelectFormsBox{u"cbx24_6"}};
constexpr std::array forms12to24Transfer{SelectFormsBox{u"cbx12_0"}, SelectFormsBox{u"cbx12_1"},
                                         SelectFormsBox{u"cbx12_2"}};
constexpr std::array forms12to24{
    SelectFormsGroup{u"Accounts", forms12to24Account},
    SelectFormsGroup{u"Insolvency", forms12to24Insolvency},
    SelectFormsGroup{u"Certificate of Transfer", forms12to24Transfer},
};

constexpr std::array lettersMisc{
    SelectFormsBox{u"cbxCPID"},          SelectFormsBox{u"cbxApplAttyFee"},
    SelectFormsBox{u"cbxTracker"},       SelectFormsBox{u"cbxJEAttyFee"},
    SelectFormsBox{u"cbxBMV3773"},       SelectFormsBox{u"cbxGenInfo"},
    SelectFormsBox{u"cbxDTE100"},        SelectFormsBox{u"cbxNewlyDiscovered"},
    SelectFormsBox{u"cbxExecFeeComp"},   SelectFormsBox{u"cbxAttyFeeComp"},
    SelectFormsBox{u"cbxSurvSpouseAff"}, SelectFormsBox{u"cbxDomicileAff"},
    SelectFormsBox{u"cbxStockPOA"},      SelectFormsBox{u"cbxBMV3774"},
    SelectFormsBox{u"cbxDTE100EX"},      SelectFormsBox{u"cbxJudgmentEntryNewlyDiscovered"}};
constexpr std::array lettersEnclosure{SelectFormsBox{u"cbxWill"},
                                      SelectFormsBox{u"cbxInventory"},
                                      SelectFormsBox{u"cbxAppraiser", NoPreTick},
                                      SelectFormsBox{u"cbxAccounting"},
                                      SelectFormsBox{u"cbxFiduciary"},
                                      SelectFormsBox{u"cbxCourt"},
                                      SelectFormsBox{u"cbxInsurance"}};
constexpr std::array letters{
    SelectFormsGroup{u"Miscellaneous", lettersMisc},
    SelectFormsGroup{u"Enclosure Letters", lettersEnclosure},
};

constexpr std::array<SelectFormsTab, SelectFormsTabCount> tabs{{
    {u"Forms 1-4", forms1to4},
    {u"Forms 5-7", forms5to7},
    {u"Forms 8-11", forms8to11},
    {u"Forms 12-24", forms12to24},
    {u"Letters/Misc", letters,
     u"NOTE: The Kin,  Asset, Expense, and Time Worksheets must be printed individually from the "
     u"File menu."},
}};

constexpr int LettersTab = 4;
// Pages that open the letters tab without a box of their own: a page the
// letters' calculation fills (105) and the appraiser's letter, which prints
// only when ticked.
constexpr std::array lettersPagesWithoutBox{105, 125};

template <typename Visit>
void forEachBox(Visit visit) {
    for (int t = 0; t < SelectFormsTabCount; ++t)
        for (const SelectFormsGroup& group : tabs[t].groups)
            for (const SelectFormsBox& box : group.boxes) visit(t, box);
}

}  // namespace

std::span<const SelectFormsTab> SelectFormsTabs() {
    return tabs;
}

const PacketEntry& EntryOfBox(QStringView checkBox) {
    const PacketEntry* entry = FindPacketEntry(checkBox);
    if (!entry)
        throw std::logic_error("Select Forms box without a packet entry: " +
                               checkBox.toString().toStdString());
    return *entry;
}

QString PreTickedBox(int page) {
    QString found;
    forEachBox([&](int, const SelectFormsBox& box) {
        if (!found.isEmpty() || !box.preTicks) return;
        const PacketEntry& entry = EntryOfBox(box.checkBox);
        for (int p = 0; p < entry.pageCount(); ++p)
            if (entry.pages[p] == page) found = QString::fromUtf16(box.checkBox);
    });
    return found;
}

int OpeningTab(int page) {
    const QString box = PreTickedBox(page);
    int tab = -1;
    if (!box.isEmpty())
        forEachBox([&](int t, const SelectFormsBox& b) {
            if (box == QStringView(b.checkBox)) tab = t;
        });
    if (tab >= 0) return tab;
    for (int p : lettersPagesWithoutBox)
        if (p == page) return LettersTab;
    return DesignedSelectFormsTab;
}

}  // namespace wm4
