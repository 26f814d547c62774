#include "files/client_file.h"

#include <array>
#include <new>

#include "files/atomic_save.h"
#include "files/fault_words.h"
#include "files/text_lines.h"
#include "messages/report.h"
#include "messages/version.h"

namespace wm4 {

namespace {

constexpr int HighestCopyIndex = CopyCount - 1;

struct SheetSection {
    const char* title;
    const char* name;  // in messages
    WorksheetStore CaseData::*store;
};

// The worksheet sections in file order.
constexpr std::array<SheetSection, 4> SheetSections = {{
    {"Kin Worksheet - ***************", "kin worksheet", &CaseData::KSchedList},
    {"Asset Worksheet - ***************", "asset worksheet", &CaseData::ASchedList},
    {"Expense Worksheet - ***************", "expense worksheet", &CaseData::ESchedList},
    {"Time & Services Worksheet - ***************", "time worksheet", &CaseData::TSchedList},
}};

QByteArray copyHeader(int page, int copy) {
    return "Page " + QByteArray::number(page) + "; No." + QByteArray::number(copy) + "; Count " +
           QByteArray::number(MaxSlot[page]);
}

void writeCopy(LineWriter& out, const TAnswer& a, int page, int copy) {
    out.line(copyHeader(page, copy).constData());
    bool exact = true;
    for (int slot = 0; slot <= MaxSlot[page]; ++slot) {
        exact = out.line(a.answer(page, copy, slot)) && exact;
        out.line(a.ovRide(page, copy, slot) ? "1" : "0");
    }
    // The copy's slot lines are written whatever happens; the user hears that
    // one of them could not be stored exactly. The desktop refuses such text
    // where it is typed, so this is text that came another way.
    if (!exact)
        ReportError(InexactTextReport, QStringLiteral("page %1, copy %2").arg(page).arg(copy));
}

void writeSheet(LineWriter& out, const SheetSection& section, const WorksheetStore& store) {
    out.line(section.title);
    out.line("Column Count");
    out.integer(store.columnCount());
    out.line("Row Count");
    out.integer(store.rowCount());
    bool exact = true;
    for (int c = 0; c < store.columnCount(); ++c)
        for (int r = 0; r < store.rowCount(); ++r) exact = out.line(store.cell(c, r)) && exact;
    if (!exact)
        ReportError(InexactTextReport, QStringLiteral("the %1").arg(QLatin1String(section.name)));
}

// Files written before 4.37 held other answers in these slots of copy 0.
void migrateBefore437(TAnswer& a) {
    a.setAnswer(9, 0, 22, QString());
    for (int slot : {22, 23, 24}) a.setAnswer(12, 0, slot, QString());
    for (int slot : {31, 32, 33, 34}) a.setAnswer(12, 0, slot, a.answer(10, 0, slot));
}

// The lines of one page copy: its header, then a text and a flag per slot.
qint64 copyLines(int page) {
    return 1 + 2 * qint64(MaxSlot[page] + 1);
}

void readPages(LineReader& in, TAnswer& a) {
    for (int page = 0; page < PageCount; ++page) {
        const int count = in.integer();
        // -1: the page has no copy; a lower count is no count at all.
        if (count < -1)
            in.fail(QStringLiteral("the copy count %1 of page %2 is below -1 (no copy)")
                        .arg(count)
                        .arg(page));
        if (count > HighestCopyIndex)
            in.fail(QStringLiteral("a page holds at most %1 copies, the file names %2")
                        .arg(CopyCount)
                        .arg(qint64(count) + 1));
        if (count >= 0 && !in.holds((count + 1) * copyLines(page)))
            in.failShort((count + 1) * copyLines(page),
                         QStringLiteral("the copy count %1 of page %2").arg(count).arg(page));
        // Kept so that a file read and written back is the same file; a
        // calculation run counts the copies anew.
        a.PgCt[page] = count;
        for (int copy = 0; copy <= count; ++copy) {
            in.skip();  // "Page p; No.c; Count n"
            for (int slot = 0; slot <= MaxSlot[page]; ++slot) {
                a.setAnswer(page, copy, slot, in.text());
                a.setOvRide(page, copy, slot, in.integer() != 0);
            }
        }
    }
}

// The rows are added as column 0 is read, after the row count was held
// against the lines the file has left: the count alone never allocates.
void readSheet(LineReader& in, const SheetSection& section, WorksheetStore& store) {
    in.skip();  // section title
    in.skip();  // "Column Count"
    in.skip();  // the column count: the store's own count governs
    in.skip();  // "Row Count"
    const int rows = in.integer();
    if (rows < 0) in.fail(QStringLiteral("a row count cannot be negative"));
    const qint64 cells = qint64(store.columnCount()) * rows;
    if (!in.holds(cells))
        in.failShort(cells, QStringLiteral("the row count %1 of the %2")
                                .arg(rows)
                                .arg(QLatin1String(section.name)));
    store.setRowCount(0);
    try {
        for (int c = 0; c < store.columnCount(); ++c)
            for (int r = 0; r < rows; ++r) {
                if (c == 0) store.setRowCount(r + 1);
                store.setCell(c, r, in.text());
            }
    } catch (const std::bad_alloc&) {
        // The rows go, so that the reason can still be put into words.
        store.setRowCount(0);
        throw;
    }
}

qsizetype estimatedSize(const CaseData& data) {
    qsizetype lines = 0;
    for (int page = 0; page < PageCount; ++page)
        lines += qsizetype(data.answers.PgCt[page] + 1) * (2 * MaxSlot[page] + 3);
    for (const SheetSection& s : SheetSections) {
        const WorksheetStore& store = data.*s.store;
        lines += qsizetype(store.columnCount()) * store.rowCount() + 5;
    }
    return lines * 4;
}

}  // namespace

QByteArray ClientFileBytes(const CaseData& data) {
    const TAnswer& a = data.answers;
    LineWriter out(estimatedSize(data));
    out.line(a.ProgramName);
    out.real(a.VersionNo);
    out.real(a.DefaultHourlyRate);
    for (int page = 0; page < PageCount; ++page) {
        const int count = a.PgCt[page];
        out.integer(count);
        for (int copy = 0; copy <= count && copy < CopyCount; ++copy) writeCopy(out, a, page, copy);
    }
    for (const SheetSection& section : SheetSections) writeSheet(out, section, data.*section.store);
    return out.bytes();
}

void WriteClientFile(const CaseData& data, const QString& path) {
    SaveFileAtomically(path, ClientFileBytes(data));
}

bool ReadClientFileBytes(CaseData& data, const QByteArray& bytes, const QString& path,
                         QString* error) {
    TAnswer& a = data.answers;
    LineReader in(bytes, path);
    try {
        a.ProgramName = in.text();
        a.VersionNo = in.real();
        a.DefaultHourlyRate = in.real();
        readPages(in, a);
        // VersionNo * 100 < 437, with room for the binary rounding of 4.37.
        if (a.VersionNo * 100 < 437 - 1e-9) migrateBefore437(a);
        for (const SheetSection& section : SheetSections)
            readSheet(in, section, data.*section.store);
        // A file that holds more than it says is not a case to trust silently.
        in.expectEnd(QStringLiteral("the time worksheet"));
    } catch (const FileError& e) {
        if (error) *error = e.text();
        return false;
    } catch (const std::bad_alloc&) {
        if (error) *error = OutOfMemoryError(path, in.lineNumber()).text();
        return false;
    }
    a.VersionNo = VersionNumber;
    return true;
}

bool ReadClientFile(CaseData& data, const QString& path, QString* error) {
    try {
        return ReadClientFileBytes(data, ReadWholeFile(path), path, error);
    } catch (const FileError& e) {
        if (error) *error = e.text();
        return false;
    }
}

}  // namespace wm4
