#include "files/wm3_import.h"

#include <new>

#include "files/fault_words.h"
#include "files/text_lines.h"
#include "messages/report.h"
#include "messages/version.h"

namespace wm4 {

namespace {

const QString JudgesLine =
    QStringLiteral("EDGAR T. WILLOW, Presiding Judge; NORA P. ASHDOWN, Judge");
const QString CountyName = QStringLiteral("Wendmoor");

// The header's copy counters, in file order.
constexpr std::array<int TWM3Answer::*, 15> HeaderCounters = {
    &TWM3Answer::NoOf1_0,    &TWM3Answer::NoOf2_2,        &TWM3Answer::NoOf6_1,
    &TWM3Answer::NoOf6_3,    &TWM3Answer::NoOf10_4,       &TWM3Answer::NoOf12,
    &TWM3Answer::NoOf13_1,   &TWM3Answer::NoOf13_5,       &TWM3Answer::NoOf3774,
    &TWM3Answer::NoOfSSA_JS, &TWM3Answer::NoOfStockPower, &TWM3Answer::NoOfWillLtr,
    &TWM3Answer::NoOfInvLtr, &TWM3Answer::NoOfAcctLtr,    &TWM3Answer::NoOfInsLtr,
};

// An asset cell the current version words differently. Column -1: any column.
struct AssetWording {
    int column;
    const char16_t* priorUpper;
    const char16_t* current;
};

constexpr std::array<AssetWording, 6> AssetWordings = {{
    {-1, u"N/A", u"Not used for this asset"},
    {48, u"PERSONAL PROPERTY W/O ASCERTAINABLE VALUE",
     u"Personal Property Without Ascertainable Value"},
    {50, u"1ST AUTO", u"1st automobile"},
    {50, u"2ND AUTO", u"2nd automobile"},
    {52, u"STOCKS & BONDS", u"Stocks and bonds"},
    {58, u"NON PROBATE & NON JOINT", u"Non probate and non joint"},
}};

QString currentAssetWording(int column, const QString& cell) {
    if (cell.isEmpty()) return cell;
    const QString upper = cell.toUpper();
    for (const AssetWording& w : AssetWordings)
        if ((w.column < 0 || w.column == column) && upper == QStringView(w.priorUpper))
            return QString::fromUtf16(w.current);
    return cell;
}

QString sameText(int /*column*/, const QString& cell) {
    return cell;
}

// Each prior section gives R - 1 rows (0 to R - 2); the grid keeps one empty
// row after them. The row count is held against the lines the file has left
// before any row is added, and rows are added as column 0 is read.
void readSheet(LineReader& in, const char* name, WorksheetStore& grid) {
    grid.clear();
    in.skip();  // section title
    in.skip();  // label
    in.skip();  // column count, not used
    in.skip();  // label
    const int count = in.integer();
    if (count < 0) in.fail(QStringLiteral("a row count cannot be negative"));
    const int rows = std::max(count - 1, 0);
    const qint64 cells = qint64(grid.columnCount()) * rows;
    if (!in.holds(cells))
        in.failShort(cells, QStringLiteral("the row count %1 of the %2")
                                .arg(count)
                                .arg(QLatin1String(name)));
    try {
        for (int c = 0; c < grid.columnCount(); ++c)
            for (int r = 0; r < rows; ++r) {
                if (c == 0) grid.setRowCount(r + 2);
                grid.setCell(c, r, in.text());
            }
    } catch (const std::bad_alloc&) {
        // The rows go, so that the reason can still be put into words.
        grid.setRowCount(0);
        throw;
    }
}

// The lines of one prior page copy: its header, then a text and a flag per slot.
qint64 copyLines(int page) {
    return 1 + 2 * qint64(MaxSlot[page] + 1);
}

// Copies the filled rows of a prior grid, prior column c + shift to current
// column c, each cell through translate; the store keeps one empty row after
// them.
void copySheet(const WorksheetStore& prior, WorksheetStore& current, int priorFirstColumn,
               QString (*translate)(int, const QString&)) {
    const int rows = prior.rowCount() - 1;
    const int columns = std::min(prior.columnCount() - priorFirstColumn, current.columnCount());
    current.clear();
    current.setRowCount(rows + 1);
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r)
            current.setCell(c, r, translate(c, prior.cell(c + priorFirstColumn, r)));
}

}  // namespace

const QStringList& TWM3Answer::copy(int page, int copyIndex) const {
    return m_copies[page][copyIndex];
}

void TWM3Answer::setAnswer(int page, int copyIndex, int slot, const QString& text) {
    QStringList& slots = m_copies[page][copyIndex];
    if (slots.isEmpty()) {
        if (text.isEmpty()) return;
        slots.resize(MaxSlot[page] + 1);
    }
    slots[slot] = text;
}

void TWM3Answer::CreateAPage(int page, int copyIndex) {
    if (copyIndex > 98) {
        ReportError(18012, QStringLiteral("page %1").arg(page));
        throw SilentAbort{};
    }
    m_copies[page][copyIndex].clear();
}

namespace {

void readPriorFile(LineReader& in, TWM3Answer& a, WM3Sheets& sheets) {
    a.ProgramName = in.text();
    a.VersionNo = in.real();
    a.DefaultHourlyRate = in.real();
    for (int TWM3Answer::*counter : HeaderCounters) a.*counter = in.integer();

    for (int page = 0; page < PageCount; ++page) {
        const int highest = in.integer();
        if (highest < -1)
            in.fail(QStringLiteral("the highest copy %1 of page %2 is below -1 (no copy)")
                        .arg(highest)
                        .arg(page));
        if (highest >= CopyCount)
            in.fail(QStringLiteral("a page holds at most %1 copies, the file names %2")
                        .arg(CopyCount)
                        .arg(qint64(highest) + 1));
        if (highest >= 0 && !in.holds((highest + 1) * copyLines(page)))
            in.failShort((highest + 1) * copyLines(page),
                         QStringLiteral("the highest copy %1 of page %2").arg(highest).arg(page));
        a.PgCt[page] = highest;
        for (int copy = 0; copy <= highest; ++copy) {
            in.skip();  // copy header
            for (int slot = 0; slot <= MaxSlot[page]; ++slot) {
                a.setAnswer(page, copy, slot, in.text());
                in.integer();  // override flag, not used
            }
        }
    }

    readSheet(in, "kin worksheet", sheets.WM3KSchedList);
    readSheet(in, "asset worksheet", sheets.WM3ASchedList);
    readSheet(in, "expense worksheet", sheets.WM3ESchedList);
    readSheet(in, "time worksheet", sheets.WM3TSchedList);
    // A file that holds more than it says is not a case to trust silently.
    in.expectEnd(QStringLiteral("the time worksheet"));
}

}  // namespace

void ReadWM3Bytes(TWM3Answer& a, WM3Sheets& sheets, const QByteArray& bytes, const QString& path) {
    LineReader in(bytes, path);
    try {
        readPriorFile(in, a, sheets);
    } catch (const std::bad_alloc&) {
        throw OutOfMemoryError(path, in.lineNumber());
    }
}

void CopyWM3IntoCase(const TWM3Answer& prior, const WM3Sheets& sheets, CaseData& data) {
    TAnswer& a = data.answers;
    a.VersionNo = VersionNumber;
    // Every slot the prior file holds, the last one included.
    for (int page = 0; page < PageCount; ++page) {
        for (int copy = 0; copy < CopyCount; ++copy) {
            const QStringList& slots = prior.copy(page, copy);
            // Nothing to copy into a copy that is empty already (most are).
            if (slots.isEmpty() && !a.copyTouched(page, copy)) continue;
            for (int slot = 0; slot <= MaxSlot[page]; ++slot)
                a.setAnswer(page, copy, slot, slot < slots.size() ? slots[slot] : QString());
        }
        // Which copies exist; a calculation run counts them anew.
        if (prior.PgCt[page] >= 0) a.PgCt[page] = prior.PgCt[page];
    }
    a.setAnswer(0, 0, 1, JudgesLine);
    a.setAnswer(0, 0, 3, CountyName);

    copySheet(sheets.WM3KSchedList, data.KSchedList, 0, sameText);
    copySheet(sheets.WM3ASchedList, data.ASchedList, 0, currentAssetWording);
    copySheet(sheets.WM3ESchedList, data.ESchedList, 0, sameText);
    copySheet(sheets.WM3TSchedList, data.TSchedList, 1, sameText);  // prior column 0 is dropped
}

bool ReadWM3File(CaseData& data, const QString& path, QString* error) {
    try {
        const QByteArray bytes = ReadWholeFile(path);
        auto prior = std::make_unique<TWM3Answer>();
        auto sheets = std::make_unique<WM3Sheets>();
        ReadWM3Bytes(*prior, *sheets, bytes, path);
        CopyWM3IntoCase(*prior, *sheets, data);
    } catch (const FileError& e) {
        if (error) *error = e.text();
        return false;
    } catch (const std::bad_alloc&) {
        if (error) *error = OutOfMemoryError(path, 0).text();
        return false;
    }
    return true;
}

}  // namespace wm4
