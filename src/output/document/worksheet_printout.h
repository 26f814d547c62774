#pragma once
// Worksheet printouts: each worksheet printed as a list on its print-only
// form page (asset 182, expense 185, time 187, kin 113).
//
// The rows are written into the page's answer slots one template page at a
// time (copy 0; slot 0 the client file's name, slot 1 today's date), and each
// filled page is merged and joined into one document. Asset, expense and
// time rows take one line per wrapped description line, and only a row's
// first line carries its other values (a summary too long for its column runs
// on over the row's further lines); a kin row takes one line.
//
// Summary cells print as the worksheet shows them: a row whose summary cell
// is empty (written without passing through a worksheet window) gets the
// summary built from its flags and categories for the printout, the stored
// row left as it is; the category cell prints every chosen category, and a
// summary runs on between its items (never inside a word). The last page
// closes with totals in slots of their own below the lines (they take no
// line position), each saying what it adds: the values of the rows sent to
// 6.0 and to 13.0 (the inventory and the account's receipts, not the rents
// and nonprobate values of other rows), the amounts of the expenses but a
// rejected claim (which its Send-to cell marks rejected), the hours and the
// time fees (hours times rate).
#include <QDate>
#include <QString>
#include <array>

namespace wm4 {

struct CaseData;
class PacketBuilder;
class TextWrapper;
class WorksheetStore;

enum class WorksheetKind { Kin, Asset, Expense, Time };

// Column standing for the row's (wrapped) description line, or the kin
// name-and-address block.
inline constexpr int DescriptionLine = -1;

// What a total of the printout adds up, printed on its last page.
enum class PrintoutTotal { None, Column, TimeFees };

struct PrintoutLayout {
    int page;
    int linesPerPage;
    int slotsPerLine;
    // Worksheet column of each slot of a line, in slot order from slot
    // 2 + slotsPerLine x line; unused entries beyond slotsPerLine.
    std::array<int, 5> columns;
    bool wrapped;        // lines are wrapped description lines
    double widthInches;  // column of the wrapped description
    // Inches of the slots whose text (a summary) wraps on over the row's
    // further lines; 0 for a slot that prints on the row's first line only.
    std::array<double, 5> summaryWidths{};
    // The totals below the last page's lines: the slot each is written to
    // and what it adds up (a money or hours column, or the time fees), of
    // the rows marked in `onlyMarked` (every row when -1) and not marked in
    // `leftOutWhenMarked` (a rejected claim).
    struct Total {
        int slot = -1;
        PrintoutTotal what = PrintoutTotal::None;
        int column = -1;
        int onlyMarked = -1;
        int leftOutWhenMarked = -1;
    };
    std::array<Total, 2> totals{};
};
inline constexpr const char* PrintoutFont = "Arial Narrow";
inline constexpr double PrintoutFontSize = 11;
// The summaries wrap as they print: Arial 8 points.
inline constexpr const char* SummaryFont = "Arial";
inline constexpr double SummaryFontSize = 8;

const PrintoutLayout& LayoutOf(WorksheetKind kind);
const WorksheetStore& StoreOf(const CaseData& data, WorksheetKind kind);
WorksheetStore& StoreOf(CaseData& data, WorksheetKind kind);

// The number of template pages the worksheet prints on.
int PrintoutPageCount(const CaseData& data, WorksheetKind kind, TextWrapper& wrapper);

// Builds the printout document into the packet builder (whose merge reads
// `data`'s answers). `clientFileName` may hold a folder; only its name prints.
void BuildWorksheetPrintout(CaseData& data, WorksheetKind kind, TextWrapper& wrapper,
                            PacketBuilder& packet, const QString& clientFileName,
                            const QDate& today = QDate::currentDate());

}  // namespace wm4
