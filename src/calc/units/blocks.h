#pragma once
// The building blocks the page calculation units are made of. A unit fills
// one copy of its page from the General Information answers (page 0, copy 0),
// the worksheets and the schedule buffers; most units are a short list of
// the blocks below.
//
// Write rules every block follows:
//  - a plain write puts the text whatever the slot's override flag;
//  - a kept write leaves a slot the user overrode alone;
//  - an offer is a default the program computes for a slot the user fills
//    (an input on the screen, never overridden): it is written only while
//    the slot is empty, so what the user typed is never replaced;
//  - a list area is emptied before it is filled, its overridden slots
//    excepted; an overridden slot keeps its text while the list is filled,
//    and the entry whose turn it is is dropped but still counts toward the
//    area's capacity.
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "calc/calc_context.h"
#include "calc/checks/line_capacity.h"
#include "calc/checks/worksheet_marks.h"
#include "case/field_codes.h"
#include "case/worksheet_columns.h"
#include "forms/page000.h"

namespace wm4::units {

// ---------------------------------------------------------------------------
// General Information answers (slots of page 0, copy 0), by the names the
// General Information source gives them (gi::DeathDate, gi::AttorneyName).
namespace gi = ::wm4::page0;

// A send-to cell counts as a mark only when it holds exactly "X".
using ::wm4::isMarked;

// The General Information answer `answer`.
const QString& giAnswer(const CalcContext& ctx, int answer);

// ---------------------------------------------------------------------------
// Derived lines (rebuilt from the General Information answers on demand, so
// they always agree with what Calc0 left there).
QString cityLine(const QString& city, const QString& state, const QString& zip);  // "C, S  Z"
QString decedentCityLine(const CalcContext& ctx);
QString attorneyCityLine(const CalcContext& ctx);
QString fiduciaryCityLine(const CalcContext& ctx);
QString coFiduciaryCityLine(const CalcContext& ctx);
QString decedentFullName(const CalcContext& ctx);  // first middle last
// "first middle  last" (two blanks before the last name).
QString decedentNameLine(const CalcContext& ctx);
// "street, city, state  ZIP".
QString decedentAddressLine(const CalcContext& ctx);
// The spouse's "city, state  ZIP".
QString spouseCityLine(const CalcContext& ctx);
// The fiduciary's name, or "fiduciary<joiner>co-fiduciary" when there is a
// co-fiduciary.
QString fiduciaryNames(const CalcContext& ctx, const QString& joiner = QStringLiteral(" & "));
bool hasCoFiduciary(const CalcContext& ctx);
// A surviving spouse is named (answer 42) and Form 1.0 does not say the
// decedent left none. Without one no form prints a spouse's line, a spouse's
// automobile or a spouse's sentence.
bool hasSurvivingSpouse(const CalcContext& ctx);
bool HasSurvivingSpouse(const TAnswer& answers);
// The case holds a will: its date on Form 2.0, or the date it was admitted
// (2.2) or presented (2.3). Forms that speak of the will speak of it only then.
bool caseHoldsAWill(const CalcContext& ctx);

// ---------------------------------------------------------------------------
enum class Write { Plain, Kept, Offer };

// One page copy being filled by a unit.
class PageCopy {
public:
    PageCopy(CalcContext& ctx, int page, int copy);

    CalcContext& ctx() const { return m_ctx; }
    int page() const { return m_page; }
    int copy() const { return m_copy; }

    const QString& text(int slot) const;
    bool overridden(int slot) const;
    bool isX(int slot) const { return text(slot) == QLatin1String("X"); }
    double amount(int slot) const;  // Str2Float_2 of the slot

    void put(int slot, const QString& text);   // plain write
    void keep(int slot, const QString& text);  // kept write
    void offer(int slot, const QString& text);  // a default into an empty user slot
    void write(int slot, const QString& text, Write how);
    void putAmount(int slot, double value, Write how = Write::Plain);  // FormatAmount
    void putGi(int slot, int answer, Write how = Write::Plain);  // a General Information answer

    // Empties slots first..last (plain, or honouring overrides when kept).
    void clear(int first, int last, Write how = Write::Plain);

    // A slot of the same copy of another page.
    const QString& other(int page, int slot) const;

    // -- blocks ------------------------------------------------------------
    void caption();                           // caption::Estate and CaseNumber, upper-cased
    void fullCaption(bool upperCase = true);  // with caption::County and Judges
    // The case number; a back side's caption by default.
    void caseLine(int slot = caption::BackCaseNumber, Write how = Write::Plain);
    void decedentBlock(int first, Write how = Write::Plain);   // 7 slots
    void attorneyBlock(int first, Write how = Write::Plain);   // 5 slots
    void fiduciaryBlock(int first, Write how = Write::Plain);  // 4 slots
    // The same blocks at a page's named range (pageN::DecedentBlock, ...),
    // which must be as long as the block.
    void decedentBlock(SlotRange block, Write how = Write::Plain) {
        decedentBlock(blockStart(block, 7), how);
    }
    void attorneyBlock(SlotRange block, Write how = Write::Plain) {
        attorneyBlock(blockStart(block, 5), how);
    }
    void fiduciaryBlock(SlotRange block, Write how = Write::Plain) {
        fiduciaryBlock(blockStart(block, 4), how);
    }
    void fiduciaryNames(int slot, Write how = Write::Plain);
    // The attorney's name and Supreme Court registration number.
    void attorneyWithRegistration(int nameSlot, int registrationSlot, Write how = Write::Plain);
    void judgeLine(int slot);  // kept write of the judge
    // Reads the slot, turns a short date into its long form and writes it
    // back (a long date or a text that is no date stays as it is).
    void longDate(int slot, Write how = Write::Plain);
    void longDates(std::initializer_list<int> slots, Write how = Write::Plain);
    // Copies c > 0: each listed empty slot takes the same slot of copy 0.
    void inherit(int first, int last);
    void inherit(std::initializer_list<int> slots);
    // The signer slot takes the fiduciary names when any fiduciary box holds
    // "X", the attorney's name when the attorney box does (the attorney wins
    // when both are ticked); registrationSlot >= 0 then takes the attorney's
    // registration number (plain write).
    void signer(int signerSlot, std::initializer_list<int> fiduciaryBoxes, int attorneyBox,
                int registrationSlot, Write how = Write::Plain);

private:
    void checkSlot(int slot) const;
    static int blockStart(SlotRange block, int count) {
        Q_ASSERT(block.count == count);
        (void)count;
        return block.start;
    }

    CalcContext& m_ctx;
    int m_page;
    int m_copy;
};

// ---------------------------------------------------------------------------
// Person lists from the kin worksheet.

// Rows marked "X" in `sendTo`, top to bottom.
std::vector<int> markedKinRows(const CalcContext& ctx, int sendTo);

// Slots of one list entry: the kin columns written, one slot each, `stride`
// slots between entries.
struct PersonArea {
    int firstSlot;
    int stride;    // slots per entry
    int capacity;  // entries
    // e.g. {kinColumn::Name, kinColumn::Street, kinColumn::CityStateZip}
    std::vector<int> kinColumns;
    bool honoursOverrides = true;  // a "list" area of the kept column
};

// Empties the area (overridden slots kept when it honours overrides).
void clearPersonArea(PageCopy& pc, const PersonArea& area);

// Writes the given kin rows into the area, entry after entry (an entry whose
// first slot is overridden is dropped but uses its place). The area is
// emptied first. Rows beyond the capacity are ignored.
void writePersons(PageCopy& pc, const PersonArea& area, const std::vector<int>& rows);

// The (copy+1)-th marked row, or -1: one-person notices.
int personOfCopy(const CalcContext& ctx, int sendTo, int copy);

// Marked rows copy*k ... copy*k + k - 1: multi-person notices.
std::vector<int> personsOfCopy(const CalcContext& ctx, int sendTo, int copy, int perCopy);

// Waivers and consents: every marked row up to the page's person capacity
// (calc/checks/person_capacity.h), one entry of `kinColumns` per person; the
// surplus person is taken off the form and reported there. Returns false
// when the capacity was exceeded (the unit then ends).
// With clearFirst false the caller has emptied the area itself.
bool writeAllPersons(PageCopy& pc, std::vector<int> kinColumns, bool honoursOverrides = true,
                     bool clearFirst = true);

// The kin columns a person list writes: the name alone, or name and address.
inline const std::vector<int> kNameOnly{kinColumn::Name};
inline const std::vector<int> kNameAddress{kinColumn::Name, kinColumn::Street,
                                           kinColumn::CityStateZip};

// ---------------------------------------------------------------------------
// Wrapped lists from the asset and expense worksheets.

struct TextFont {
    const char* family;  // "Arial", "Arial Narrow", "Segoe UI"
    double points;
    double inches;
};
inline constexpr TextFont ArialNarrow11(double inches) {
    return {"Arial Narrow", 11, inches};
}

// The printed rows of a text in a font and width (bar separators break lines).
QStringList wrapLines(CalcContext& ctx, const QString& text, const TextFont& font);
// The first printed row of a text, or empty.
QString firstLine(CalcContext& ctx, const QString& text, const TextFont& font);

// Fills a box of line slots (calc/checks/line_capacity.h gives its font,
// width, line count, message and what follows an overflow) item by item:
// line i at firstSlot + stride * i; cells beside an item's first line go at
// offsets from that line's slot.
class LineWriter {
public:
    LineWriter(PageCopy& pc, const LineCapacity& box, int firstSlot, int stride,
               Write how = Write::Plain);
    // The box of the page reported with errNo.
    LineWriter(PageCopy& pc, quint16 errNo, int firstSlot, int stride, Write how = Write::Plain);

    // Empties every line slot of the box and the given offsets beside them.
    void clear(std::initializer_list<int> besideOffsets = {});

    // Wraps `text` and writes its lines; `beside` holds (offset, text) pairs
    // written next to the first line. Returns false when the page
    // calculation must end (the box overflowed and ends the page). With
    // continuation addenda on, a box that would overflow (one that cuts its
    // list) prints "(continued on addendum)" on its last line instead, and
    // that entry and every later one go to the case's continuations.
    bool add(const QString& text, std::initializer_list<std::pair<int, QString>> beside = {});
    bool addLines(const QStringList& lines,
                  std::initializer_list<std::pair<int, QString>> beside = {});

    TextFont font() const;
    int linesWritten() const { return m_line; }
    bool overflowed() const { return m_overflowed; }
    int slotOfLine(int line) const { return m_firstSlot + m_stride * line; }

private:
    PageCopy& m_pc;
    const LineCapacity& m_box;
    int m_firstSlot;
    int m_stride;
    Write m_how;
    int m_line = 0;
    bool m_overflowed = false;

    // Continuation addenda (see continueLines): the entries written so far,
    // the entry and the beside offsets of each line, the addendum's entry.
    bool continueLines(const QStringList& lines,
                       std::initializer_list<std::pair<int, QString>> beside);
    QStringList m_entries;
    std::vector<int> m_entryOfLine;
    std::vector<std::vector<int>> m_besideOnLine;
    qsizetype m_continuation = -1;
};

// Rows of the asset (or expense) worksheet marked for a form.
std::vector<int> markedAssetRows(const CalcContext& ctx, int sendTo);
std::vector<int> markedExpenseRows(const CalcContext& ctx, int sendTo);

// ---------------------------------------------------------------------------
// Runs a unit's body under a guard: any exception it raises is reported as
// errNo and the run goes on.
void runGuarded(quint16 errNo, const std::function<void()>& body);

// ---------------------------------------------------------------------------
// Schedule sheets: a page copy's part of a schedule, `lines` lines of
// `textsPerLine` texts from firstSlot.
struct SheetLayout {
    int firstSlot;
    int textsPerLine;
    int lines;
    int sheetNumberSlot;  // -1: none
    int sheetCountSlot;   // -1: none
};

// The schedule as the sheet sees it: its number of lines and the text j of
// line i.
struct SheetSource {
    int lineCount = 0;
    std::function<QString(int line, int text)> text;
};

// Writes lines firstLine ... firstLine + layout.lines - 1 of the schedule
// (empty texts past its end), and the sheet number and count in plain
// decimal (kept writes; both emptied when sheetNumber <= 0).
void writeScheduleSheet(PageCopy& pc, const SheetLayout& layout, const SheetSource& source,
                        int firstLine, int sheetNumber, int sheetCount);

}  // namespace wm4::units
