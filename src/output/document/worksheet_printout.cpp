#include "output/document/worksheet_printout.h"

#include <QFileInfo>
#include <utility>
#include <vector>

#include "case/case_data.h"
#include "case/conv_rounding.h"
#include "case/conversions.h"
#include "case/worksheet_columns.h"
#include "case/worksheet_summaries.h"
#include "output/document/packet.h"
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
    .widthInches = 2.65,
    .summaryWidths = {0, 0, 1.25, 1.3, 0},
    .totals = {{{267, PrintoutTotal::Column, assetColumn::Value, assetColumn::ToForm6_0},
                {268, PrintoutTotal::Column, assetColumn::Value, assetColumn::ToForm13_0}}}};
constexpr PrintoutLayout ExpenseLayout{
    .page = 185,
    .linesPerPage = 53,
    .slotsPerLine = 5,
    .columns = {expenseColumn::CheckNumber, DescriptionLine, expenseColumn::SendToSummary,
                expenseColumn::Category13_0, expenseColumn::Amount},
    .wrapped = true,
    .widthInches = 2.82,
    .summaryWidths = {0, 0, 0.85, 1.5, 0},
    .totals = {
        {{267, PrintoutTotal::Column, expenseColumn::Amount, -1, expenseColumn::ClaimRejected}}}};
// The time page's slots 2 to 197 hold its 49 lines of four; the totals take
// slots 198 and 199, below the lines.
constexpr PrintoutLayout TimeLayout{
    .page = 187,
    .linesPerPage = 49,
    .slotsPerLine = 4,
    .columns = {timeColumn::Date, DescriptionLine, timeColumn::Hours, timeColumn::Rate, 0},
    .wrapped = true,
    .widthInches = 4.1,
    .totals = {
        {{198, PrintoutTotal::Column, timeColumn::Hours}, {199, PrintoutTotal::TimeFees, -1}}}};

// Every total's slot lies beyond the page's lines: a total takes no line
// position, so a page holds its full number of lines with the totals on it.
constexpr bool totalsAfterLines(const PrintoutLayout& layout) {
    const int lastLineSlot = 1 + layout.linesPerPage * layout.slotsPerLine;
    for (const PrintoutLayout::Total& total : layout.totals)
        if (total.what != PrintoutTotal::None && total.slot <= lastLineSlot) return false;
    return true;
}
static_assert(totalsAfterLines(AssetLayout) && totalsAfterLines(ExpenseLayout) &&
              totalsAfterLines(TimeLayout) && totalsAfterLines(KinLayout));

// The kin row's name and address as three lines: the page's field of
// several lines prints each as a paragraph, escaped like every answer.
QString kinBlock(const WorksheetStore& store, int row) {
    const auto oneLine = [&](int column) {
        QString text = store.cell(column, row);
        text.replace(u'\r', u' ');
        text.replace(u'\n', u' ');
        return text;
    };
    return oneLine(kinColumn::Name) + u'\n' + oneLine(kinColumn::Street) + u'\n' +
           oneLine(kinColumn::CityStateZip);
}

// A cell as the grid shows it (below).
QString shownCell(const PrintoutLayout& layout, const WorksheetStore& store, int column, int row);

bool isMarked(const WorksheetStore& store, int column, int row) {
    return store.cell(column, row) == QLatin1String("X");
}

// A summary's lines in a column `width` inches wide: its items ("Real
// Estate/", "13.0, ") run on whole to the next line, so no word is cut; an
// item wider than the column wraps at its own blanks.
QStringList wrapSummary(TextWrapper& wrapper, const QString& text, double width) {
    const QString family = QString::fromLatin1(SummaryFont);
    const auto fits = [&](const QString& t) {
        return wrapper.LineCount(t.trimmed(), family, SummaryFontSize, width) <= 1;
    };
    QStringList items;
    QString item;
    for (qsizetype i = 0; i < text.size(); ++i) {
        item += text[i];
        const bool endsItem = text[i] == u'/' || (text[i] == u' ' && i > 0 && text[i - 1] == u',');
        if (endsItem) items << std::exchange(item, QString());
    }
    if (!item.isEmpty()) items << item;

    QStringList lines;
    QString line;
    for (const QString& next : items) {
        if (fits(line + next)) {
            line += next;
            continue;
        }
        if (!line.trimmed().isEmpty()) lines << line.trimmed();
        line = next;
        if (fits(line)) continue;
        QStringList parts = wrapper.WrapText(line.trimmed(), family, SummaryFontSize, width);
        line = parts.isEmpty() ? QString() : parts.takeLast();
        lines << parts;
    }
    if (!line.trimmed().isEmpty()) lines << line.trimmed();
    return lines;
}

// The printed lines of one row: for each slot of a line the texts of the
// row's lines (the description, or a summary wrapped to its column), and the
// number of lines the row takes.
struct RowLines {
    std::array<QStringList, 5> slotLines;
    qsizetype count = 0;
};

std::vector<RowLines> rowLines(const WorksheetStore& store, const PrintoutLayout& layout,
                               TextWrapper& wrapper) {
    std::vector<RowLines> lines(size_t(store.rowCount()));
    for (int row = 0; row < store.rowCount(); ++row) {
        RowLines& rows = lines[size_t(row)];
        for (int s = 0; s < layout.slotsPerLine; ++s) {
            QStringList& texts = rows.slotLines[size_t(s)];
            const int column = layout.columns[size_t(s)];
            if (column == DescriptionLine) {
                texts = layout.wrapped ? wrapper.WrapText(store.cell(DescriptionColumn, row),
                                                          QString::fromLatin1(PrintoutFont),
                                                          PrintoutFontSize, layout.widthInches)
                                       : QStringList{kinBlock(store, row)};
            } else if (layout.summaryWidths[size_t(s)] > 0) {
                // A summary runs on over the row's further lines rather than
                // crowding its cell.
                texts = wrapSummary(wrapper, shownCell(layout, store, column, row),
                                    layout.summaryWidths[size_t(s)]);
            }
            rows.count = qMax(rows.count, texts.size());
        }
        // A row without a description would never reach the list, its amount
        // lost with it: it takes one line with an empty description.
        if (rows.count == 0 && !store.cell(AmountColumn, row).isEmpty()) rows.count = 1;
    }
    return lines;
}

int pageCount(const std::vector<RowLines>& lines, int linesPerPage) {
    qsizetype total = 0;
    for (const RowLines& rows : lines) total += rows.count;
    if (total <= linesPerPage - 1) return 1;
    return int((total + linesPerPage - 1) / linesPerPage);
}

// A time row's fee: its hours times its rate, to the cent.
double timeFee(const WorksheetStore& times, int row) {
    return roundHalfAwayFromZero(Str2Float_2(times.cell(timeColumn::Hours, row)) *
                                     Str2Float_2(times.cell(timeColumn::Rate, row)),
                                 2);
}

// A cell as the worksheet's grid shows it.
QString shownCell(const PrintoutLayout& layout, const WorksheetStore& store, int column, int row) {
    if (layout.page == AssetLayout.page) {
        if (column == assetColumn::SendToSummary) return ShownAssetSendTo(store, row);
        // Every chosen category, not the summary the window cuts to its
        // cell's length.
        if (column == assetColumn::CategorySummary) {
            const QString categories = AssetCategoryList(store, row);
            return categories.isEmpty() ? ShownAssetCategory(store, row) : categories;
        }
        // A flag; a row never saved holds "0" there.
        if (column == assetColumn::Appraised)
            return store.cell(column, row) == QLatin1String("X") ? QStringLiteral("X") : QString();
    }
    if (layout.page == ExpenseLayout.page && column == expenseColumn::SendToSummary) {
        // A rejected claim says so where the list shows what a row is for
        // (its amount is left out of the total).
        const QString sendTo = ShownExpenseSendTo(store, row);
        if (!isMarked(store, expenseColumn::ClaimRejected, row)) return sendTo;
        return sendTo.isEmpty() ? QStringLiteral("rejected claim")
                                : sendTo + QStringLiteral("; rejected claim");
    }
    return store.cell(column, row);
}

// The totals of the whole worksheet, written on the last page (and emptied on
// the others).
void fillTotals(TAnswer& answers, const WorksheetStore& store, const PrintoutLayout& layout,
                bool lastPage) {
    for (const PrintoutLayout::Total& total : layout.totals) {
        if (total.what == PrintoutTotal::None) continue;
        QString text;
        if (lastPage) {
            qint64 cents = 0;
            for (int row = 0; row < store.rowCount(); ++row) {
                if (total.onlyMarked >= 0 && !isMarked(store, total.onlyMarked, row)) continue;
                if (total.leftOutWhenMarked >= 0 && isMarked(store, total.leftOutWhenMarked, row))
                    continue;
                const double value = total.what == PrintoutTotal::TimeFees
                                         ? timeFee(store, row)
                                         : Str2Float_2(store.cell(total.column, row));
                cents += qRound64(value * 100);
            }
            text = FormatAmount(double(cents) / 100);
        }
        answers.setAnswer(layout.page, 0, total.slot, text);
    }
}

// Writes page p's lines into the page's slots, after emptying them.
void fillPage(TAnswer& answers, const WorksheetStore& store, const PrintoutLayout& layout,
              const std::vector<RowLines>& lines, int p) {
    const int lastSlot = FirstLineSlot + layout.linesPerPage * layout.slotsPerLine - 1;
    for (int slot = FirstLineSlot; slot <= lastSlot; ++slot)
        answers.setAnswer(layout.page, 0, slot, {});

    const qsizetype first = qsizetype(p) * layout.linesPerPage;
    const qsizetype last = first + layout.linesPerPage - 1;
    qsizetype number = 0;
    for (int row = 0; row < store.rowCount(); ++row) {
        const RowLines& rows = lines[size_t(row)];
        for (qsizetype k = 0; k < rows.count; ++k, ++number) {
            if (number < first || number > last) continue;
            const int base = FirstLineSlot + int(number - first) * layout.slotsPerLine;
            for (int s = 0; s < layout.slotsPerLine; ++s) {
                const int column = layout.columns[size_t(s)];
                if (column == DescriptionLine || layout.summaryWidths[size_t(s)] > 0) {
                    answers.setAnswer(layout.page, 0, base + s, rows.slotLines[size_t(s)].value(k));
                } else if (k == 0) {
                    // Only a row's first line carries its other values.
                    answers.setAnswer(layout.page, 0, base + s,
                                      shownCell(layout, store, column, row));
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

    const std::vector<RowLines> lines = rowLines(store, layout, wrapper);
    const int pages = pageCount(lines, layout.linesPerPage);
    for (int p = 0; p < pages; ++p) {
        fillPage(answers, store, layout, lines, p);
        fillTotals(answers, store, layout, p == pages - 1);
        if (p == 0) {
            packet.StartDocument(layout.page, 0);
        } else {
            packet.AppendPage(layout.page, 0);
        }
    }
}

}  // namespace wm4
