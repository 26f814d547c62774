#include "output/document/worksheet_printout.h"

#include <QFileInfo>
#include <utility>
#include <vector>

#include "case/case_data.h"
#include "case/conversions.h"
#include "case/worksheet_columns.h"
#include "output/document/packet.h"
#include "output/document/rtf_text.h"
#include "output/textfit/text_wrapper.h"

namespace wm4 {

namespace {

constexpr int FirstLineSlot = 2;  // slots 0 and 1: file name and date
// The wrapped worksheets keep their description in column 1 and the value,
// amount or time spent in column 2.
constexpr int DescriptionColumn = assetColumn::Description;
constexpr int AmountColumn = assetColumn::Value;
static_assert(expenseColumn::Description == DescriptionColumn &&
              timeColumn::Description == DescriptionColumn);
static_assert(expenseColumn::Amount == AmountColumn && timeColumn::Hours == AmountColumn);

constexpr PrintoutLayout KinLayout{
    .page = 113,
    .linesPerPage = 17,
    .slotsPerLine = 5,
    .columns = {DescriptionLine, kinColumn::Relationship, kinColumn::BirthDate,
                kinColumn::SocialSecurity, kinColumn::Unused},
    .wrapped = false,
    .widthInches = 0};
constexpr PrintoutLayout AssetLayout{
    .page = 182,
    .linesPerPage = 53,
    .slotsPerLine = 5,
    .columns = {assetColumn::Appraised, DescriptionLine, assetColumn::SendToSummary,
                assetColumn::CategorySummary, assetColumn::Value},
    .wrapped = true,
    .widthInches = 2.65};
constexpr PrintoutLayout ExpenseLayout{
    .page = 185,
    .linesPerPage = 53,
    .slotsPerLine = 5,
    .columns = {expenseColumn::CheckNumber, DescriptionLine, expenseColumn::SendToSummary,
                expenseColumn::Category13_0, expenseColumn::Amount},
    .wrapped = true,
    .widthInches = 2.82};
constexpr PrintoutLayout TimeLayout{
    .page = 187,
    .linesPerPage = 49,
    .slotsPerLine = 4,
    .columns = {timeColumn::Date, DescriptionLine, timeColumn::Hours, timeColumn::Rate, 0},
    .wrapped = true,
    .widthInches = 4.1};

// The kin row's name and address as three RTF paragraphs (a raw field).
QString kinBlock(const WorksheetStore& store, int row) {
    return EscapeRtf(store.cell(kinColumn::Name, row)) + QStringLiteral("\\par ") +
           EscapeRtf(store.cell(kinColumn::Street, row)) + QStringLiteral("\\par ") +
           EscapeRtf(store.cell(kinColumn::CityStateZip, row));
}

// The printed lines of every row: its wrapped description lines, or one
// line per kin row.
std::vector<QStringList> rowLines(const WorksheetStore& store, const PrintoutLayout& layout,
                                  TextWrapper& wrapper) {
    std::vector<QStringList> lines(size_t(store.rowCount()));
    for (int row = 0; row < store.rowCount(); ++row) {
        QStringList& rows = lines[size_t(row)];
        if (!layout.wrapped) {
            rows = QStringList{kinBlock(store, row)};
            continue;
        }
        rows =
            wrapper.WrapText(store.cell(DescriptionColumn, row), QString::fromLatin1(PrintoutFont),
                             PrintoutFontSize, layout.widthInches);
        // A row without a description would never reach the list, its amount
        // lost with it: it takes one line with an empty description.
        if (rows.isEmpty() && !store.cell(AmountColumn, row).isEmpty())
            rows = QStringList{QString()};
    }
    return lines;
}

int pageCount(const std::vector<QStringList>& lines, int linesPerPage) {
    qsizetype total = 0;
    for (const QStringList& rows : lines) total += rows.size();
    if (total <= linesPerPage - 1) return 1;
    return int((total + linesPerPage - 1) / linesPerPage);
}

// Writes page p's lines into the page's slots, after emptying them.
void fillPage(TAnswer& answers, const WorksheetStore& store, const PrintoutLayout& layout,
              const std::vector<QStringList>& lines, int p) {
    const int lastSlot = FirstLineSlot + layout.linesPerPage * layout.slotsPerLine - 1;
    for (int slot = FirstLineSlot; slot <= lastSlot; ++slot)
        answers.setAnswer(layout.page, 0, slot, {});

    const qsizetype first = qsizetype(p) * layout.linesPerPage;
    const qsizetype last = first + layout.linesPerPage - 1;
    qsizetype number = 0;
    for (int row = 0; row < store.rowCount(); ++row) {
        const QStringList& rows = lines[size_t(row)];
        for (qsizetype k = 0; k < rows.size(); ++k, ++number) {
            if (number < first || number > last) continue;
            const int base = FirstLineSlot + int(number - first) * layout.slotsPerLine;
            for (int s = 0; s < layout.slotsPerLine; ++s) {
                const int column = layout.columns[size_t(s)];
                if (column == DescriptionLine) {
                    answers.setAnswer(layout.page, 0, base + s, rows[k]);
                } else if (k == 0) {
                    // Only a row's first line carries its other values.
                    answers.setAnswer(layout.page, 0, base + s, store.cell(column, row));
                }
            }
        }
        if (number > last) break;
    }
}

}  // namespace

const PrintoutLayout& LayoutOf(WorksheetKind kind) {
    switch (kind) {
        case WorksheetKind::Kin:
            return KinLayout;
        case WorksheetKind::Asset:
            return AssetLayout;
        case WorksheetKind::Expense:
            return ExpenseLayout;
        case WorksheetKind::Time:
            break;
    }
    return TimeLayout;
}

const WorksheetStore& StoreOf(const CaseData& data, WorksheetKind kind) {
    switch (kind) {
        case WorksheetKind::Kin:
            return data.KSchedList;
        case WorksheetKind::Asset:
            return data.ASchedList;
        case WorksheetKind::Expense:
            return data.ESchedList;
        case WorksheetKind::Time:
            break;
    }
    return data.TSchedList;
}

WorksheetStore& StoreOf(CaseData& data, WorksheetKind kind) {
    return const_cast<WorksheetStore&>(StoreOf(std::as_const(data), kind));
}

int PrintoutPageCount(const CaseData& data, WorksheetKind kind, TextWrapper& wrapper) {
    const PrintoutLayout& layout = LayoutOf(kind);
    return pageCount(rowLines(StoreOf(data, kind), layout, wrapper), layout.linesPerPage);
}

void BuildWorksheetPrintout(CaseData& data, WorksheetKind kind, TextWrapper& wrapper,
                            PacketBuilder& packet, const QString& clientFileName,
                            const QDate& today) {
    const PrintoutLayout& layout = LayoutOf(kind);
    const WorksheetStore& store = StoreOf(data, kind);
    TAnswer& answers = data.answers;

    packet.clear();
    answers.setAnswer(layout.page, 0, 0, QFileInfo(clientFileName).fileName());
    answers.setAnswer(layout.page, 0, 1, FormatShortDate(today));

    const std::vector<QStringList> lines = rowLines(store, layout, wrapper);
    const int pages = pageCount(lines, layout.linesPerPage);
    for (int p = 0; p < pages; ++p) {
        fillPage(answers, store, layout, lines, p);
        if (p == 0) {
            packet.StartDocument(layout.page, 0);
        } else {
            packet.AppendPage(layout.page, 0);
        }
    }
}

}  // namespace wm4
