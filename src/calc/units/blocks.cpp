#include "calc/units/blocks.h"

#include <stdexcept>
#include <string>

#include "calc/checks/person_capacity.h"
#include "case/conversions.h"
#include "forms/page001.h"
#include "forms/page003.h"
#include "forms/page006.h"
#include "forms/page007.h"
#include "messages/report.h"
#include "output/textfit/text_wrapper.h"

namespace wm4::units {

namespace {
const QString kX = QStringLiteral("X");
}

const QString& giAnswer(const CalcContext& ctx, int answer) {
    return ctx.A().answer(page0::Page, 0, answer);
}

// ---------------------------------------------------------------------------

QString cityLine(const QString& city, const QString& state, const QString& zip) {
    return city + QStringLiteral(", ") + state + QStringLiteral("  ") + zip;
}

QString decedentCityLine(const CalcContext& ctx) {
    return cityLine(giAnswer(ctx, gi::DecedentCity), giAnswer(ctx, gi::DecedentState),
                    giAnswer(ctx, gi::DecedentZip));
}

QString attorneyCityLine(const CalcContext& ctx) {
    return cityLine(giAnswer(ctx, gi::AttorneyCity), giAnswer(ctx, gi::AttorneyState),
                    giAnswer(ctx, gi::AttorneyZip));
}

QString fiduciaryCityLine(const CalcContext& ctx) {
    return cityLine(giAnswer(ctx, gi::FiduciaryCity), giAnswer(ctx, gi::FiduciaryState),
                    giAnswer(ctx, gi::FiduciaryZip));
}

QString coFiduciaryCityLine(const CalcContext& ctx) {
    return cityLine(giAnswer(ctx, gi::CoFiduciaryCity), giAnswer(ctx, gi::CoFiduciaryState),
                    giAnswer(ctx, gi::CoFiduciaryZip));
}

QString decedentFullName(const CalcContext& ctx) {
    return giAnswer(ctx, gi::DecedentFirstName) + u' ' + giAnswer(ctx, gi::DecedentMiddleName) +
           u' ' + giAnswer(ctx, gi::DecedentLastName);
}

QString decedentNameLine(const CalcContext& ctx) {
    return giAnswer(ctx, gi::DecedentFirstName) + u' ' + giAnswer(ctx, gi::DecedentMiddleName) +
           QStringLiteral("  ") + giAnswer(ctx, gi::DecedentLastName);
}

QString decedentAddressLine(const CalcContext& ctx) {
    return giAnswer(ctx, gi::DecedentStreet) + QStringLiteral(", ") +
           giAnswer(ctx, gi::DecedentCity) + QStringLiteral(", ") +
           giAnswer(ctx, gi::DecedentState) + QStringLiteral("  ") + giAnswer(ctx, gi::DecedentZip);
}

QString spouseCityLine(const CalcContext& ctx) {
    return cityLine(giAnswer(ctx, gi::SpouseCity), giAnswer(ctx, gi::SpouseState),
                    giAnswer(ctx, gi::SpouseZip));
}

bool hasCoFiduciary(const CalcContext& ctx) {
    return !giAnswer(ctx, gi::CoFiduciaryName).isEmpty();
}

bool HasSurvivingSpouse(const TAnswer& answers) {
    return !answers.answer(page0::Page, 0, gi::SpouseName).trimmed().isEmpty() &&
           answers.answer(page1::Page, 0, page1::TheDecedentLeftNoSurvivingSpouse) !=
               QLatin1String("X");
}

bool hasSurvivingSpouse(const CalcContext& ctx) {
    return HasSurvivingSpouse(ctx.A());
}

bool caseHoldsAWill(const CalcContext& ctx) {
    struct WillAnswer {
        int page, slot;
    };
    constexpr WillAnswer kWillAnswers[] = {{page3::Page, page3::DateOfTheWill},
                                           {page6::Page, page6::DateWillAdmitted},
                                           {page7::Page, page7::DateWillPresented}};
    for (const WillAnswer& will : kWillAnswers)
        if (!ctx.A().answer(will.page, 0, will.slot).trimmed().isEmpty()) return true;
    return false;
}

QString fiduciaryNames(const CalcContext& ctx, const QString& joiner) {
    if (!hasCoFiduciary(ctx)) return giAnswer(ctx, gi::FiduciaryName);
    return giAnswer(ctx, gi::FiduciaryName) + joiner + giAnswer(ctx, gi::CoFiduciaryName);
}

// ---------------------------------------------------------------------------

PageCopy::PageCopy(CalcContext& ctx, int page, int copy) : m_ctx(ctx), m_page(page), m_copy(copy) {}

// A slot outside the page is a fault of the unit, never of the case: stop the
// run rather than write past the page's answers.
void PageCopy::checkSlot(int slot) const {
    if (slot < 0 || slot > MaxSlot[size_t(m_page)])
        throw std::out_of_range("page " + std::to_string(m_page) + " has no slot " +
                                std::to_string(slot));
}

const QString& PageCopy::text(int slot) const {
    checkSlot(slot);
    return m_ctx.A().answer(m_page, m_copy, slot);
}

bool PageCopy::overridden(int slot) const {
    checkSlot(slot);
    return m_ctx.A().ovRide(m_page, m_copy, slot);
}

double PageCopy::amount(int slot) const {
    return Str2Float_2(text(slot));
}

void PageCopy::put(int slot, const QString& value) {
    checkSlot(slot);
    m_ctx.A().setAnswer(m_page, m_copy, slot, value);
}

void PageCopy::keep(int slot, const QString& value) {
    if (!overridden(slot)) put(slot, value);
}

void PageCopy::offer(int slot, const QString& value) {
    if (!overridden(slot) && text(slot).trimmed().isEmpty()) put(slot, value);
}

void PageCopy::write(int slot, const QString& value, Write how) {
    switch (how) {
        case Write::Kept:
            keep(slot, value);
            break;
        case Write::Offer:
            offer(slot, value);
            break;
        case Write::Plain:
            put(slot, value);
            break;
    }
}

void PageCopy::putAmount(int slot, double value, Write how) {
    write(slot, FormatAmount(value), how);
}

void PageCopy::putGi(int slot, int answer, Write how) {
    write(slot, giAnswer(m_ctx, answer), how);
}

void PageCopy::clear(int first, int last, Write how) {
    for (int slot = first; slot <= last; ++slot) write(slot, QString(), how);
}

const QString& PageCopy::other(int page, int slot) const {
    return m_ctx.A().answer(page, m_copy, slot);
}

void PageCopy::caption() {
    FillCaption(m_ctx.A(), m_page, m_copy);
}

void PageCopy::fullCaption(bool upperCase) {
    auto text = [&](int answer) {
        return upperCase ? giAnswer(m_ctx, answer).toUpper() : giAnswer(m_ctx, answer);
    };
    put(caption::County, text(gi::County));
    put(caption::Judges, text(gi::JudgesLine));
    put(caption::Estate, text(gi::DecedentName));
    put(caption::CaseNumber, giAnswer(m_ctx, gi::CaseNumber));
}

void PageCopy::caseLine(int slot, Write how) {
    putGi(slot, gi::CaseNumber, how);
}

void PageCopy::decedentBlock(int first, Write how) {
    static constexpr int kAnswers[] = {
        gi::DeathDate,      gi::DecedentStreet,       gi::DecedentCity,
        gi::DecedentCounty, gi::DecedentAddressExtra, gi::DecedentState,
        gi::DecedentZip};
    int slot = first;
    for (int answer : kAnswers) putGi(slot++, answer, how);
}

void PageCopy::attorneyBlock(int first, Write how) {
    putGi(first, gi::AttorneyName, how);
    putGi(first + 1, gi::AttorneyStreet, how);
    write(first + 2, attorneyCityLine(m_ctx), how);
    putGi(first + 3, gi::AttorneyPhone, how);
    putGi(first + 4, gi::AttorneyRegistration, how);
}

void PageCopy::fiduciaryBlock(int first, Write how) {
    fiduciaryNames(first, how);
    putGi(first + 1, gi::FiduciaryStreet, how);
    write(first + 2, fiduciaryCityLine(m_ctx), how);
    putGi(first + 3, gi::FiduciaryPhone, how);
}

void PageCopy::fiduciaryNames(int slot, Write how) {
    write(slot, units::fiduciaryNames(m_ctx), how);
}

void PageCopy::attorneyWithRegistration(int nameSlot, int registrationSlot, Write how) {
    putGi(nameSlot, gi::AttorneyName, how);
    putGi(registrationSlot, gi::AttorneyRegistration, how);
}

void PageCopy::judgeLine(int slot) {
    putGi(slot, gi::Judge, Write::Kept);
}

void PageCopy::longDate(int slot, Write how) {
    write(slot, ConvertDate(text(slot)), how);
}

void PageCopy::longDates(std::initializer_list<int> slots, Write how) {
    for (int slot : slots) longDate(slot, how);
}

void PageCopy::inherit(int first, int last) {
    if (m_copy == 0) return;
    for (int slot = first; slot <= last; ++slot)
        if (text(slot).isEmpty()) put(slot, m_ctx.A().answer(m_page, 0, slot));
}

void PageCopy::inherit(std::initializer_list<int> slots) {
    for (int slot : slots) inherit(slot, slot);
}

void PageCopy::signer(int signerSlot, std::initializer_list<int> fiduciaryBoxes, int attorneyBox,
                      int registrationSlot, Write how) {
    for (int box : fiduciaryBoxes) {
        if (isX(box)) {
            fiduciaryNames(signerSlot, how);
            break;
        }
    }
    if (attorneyBox >= 0 && isX(attorneyBox)) {
        putGi(signerSlot, gi::AttorneyName, how);
        if (registrationSlot >= 0) putGi(registrationSlot, gi::AttorneyRegistration);
    }
}

// ---------------------------------------------------------------------------

namespace {

std::vector<int> markedRows(const WorksheetStore& store, int sendTo) {
    std::vector<int> rows;
    for (int row = 0; row < store.rowCount(); ++row)
        if (isMarked(store.cell(sendTo, row))) rows.push_back(row);
    return rows;
}

Write areaWrite(const PersonArea& area) {
    return area.honoursOverrides ? Write::Kept : Write::Plain;
}

// Writes one person into entry `entry` of the area; an entry whose first slot
// the user overrode is left to the user.
void writePerson(PageCopy& pc, const PersonArea& area, int entry, int row) {
    const int first = area.firstSlot + area.stride * entry;
    if (area.honoursOverrides && pc.overridden(first)) return;
    const WorksheetStore& kinStore = pc.ctx().data.KSchedList;
    int slot = first;
    for (int column : area.kinColumns)
        pc.write(slot++, kinStore.cell(column, row), areaWrite(area));
}

}  // namespace

std::vector<int> markedKinRows(const CalcContext& ctx, int sendTo) {
    return markedRows(ctx.data.KSchedList, sendTo);
}

std::vector<int> markedAssetRows(const CalcContext& ctx, int sendTo) {
    return markedRows(ctx.data.ASchedList, sendTo);
}

std::vector<int> markedExpenseRows(const CalcContext& ctx, int sendTo) {
    return markedRows(ctx.data.ESchedList, sendTo);
}

void clearPersonArea(PageCopy& pc, const PersonArea& area) {
    const int width = int(area.kinColumns.size());
    for (int entry = 0; entry < area.capacity; ++entry) {
        const int first = area.firstSlot + area.stride * entry;
        pc.clear(first, first + width - 1, areaWrite(area));
    }
}

void writePersons(PageCopy& pc, const PersonArea& area, const std::vector<int>& rows) {
    clearPersonArea(pc, area);
    const int count = std::min(int(rows.size()), area.capacity);
    for (int entry = 0; entry < count; ++entry) writePerson(pc, area, entry, rows[size_t(entry)]);
}

int personOfCopy(const CalcContext& ctx, int sendTo, int copy) {
    const WorksheetStore& kinStore = ctx.data.KSchedList;
    int seen = 0;
    for (int row = 0; row < kinStore.rowCount(); ++row) {
        if (!isMarked(kinStore.cell(sendTo, row))) continue;
        if (seen++ == copy) return row;
    }
    return -1;
}

std::vector<int> personsOfCopy(const CalcContext& ctx, int sendTo, int copy, int perCopy) {
    const std::vector<int> all = markedKinRows(ctx, sendTo);
    std::vector<int> mine;
    for (int i = copy * perCopy; i < (copy + 1) * perCopy && i < int(all.size()); ++i)
        mine.push_back(all[size_t(i)]);
    return mine;
}

namespace {

// One person of a list as the addendum prints it: the area's columns, joined.
QString personLine(const WorksheetStore& kin, const PersonArea& area, int row) {
    QStringList parts;
    for (int column : area.kinColumns) {
        const QString cell = kin.cell(column, row).trimmed();
        if (!cell.isEmpty()) parts << cell;
    }
    return parts.join(QStringLiteral(", "));
}

// With continuation addenda on, a list with more persons than the form has
// lines prints all but the last line's worth, the mark on the last line, and
// every person from there on on the addendum; nobody is taken off the form.
// Returns false (nothing written) when addenda are off or the list fits.
bool continuePersons(PageCopy& pc, const PersonCapacity& capacity, const PersonArea& area) {
    ContinuationStore& store = pc.ctx().data.continuations;
    if (!store.enabled()) return false;
    const std::vector<int> rows = markedKinRows(pc.ctx(), capacity.kinColumn);
    if (int(rows.size()) <= capacity.names) return false;
    const int shown = capacity.names - 1;
    for (int entry = 0; entry < shown; ++entry) writePerson(pc, area, entry, rows[size_t(entry)]);
    const int markSlot = personSlot(capacity, shown);
    pc.write(markSlot, ContinuedMark.toString(), areaWrite(area));
    for (int k = 1; k < int(area.kinColumns.size()); ++k)
        pc.write(markSlot + k, QString(), areaWrite(area));
    Continuation rest{pc.page(), pc.copy(), capacity.firstSlot,
                      QString::fromLatin1(capacity.section), {}};
    for (size_t i = size_t(shown); i < rows.size(); ++i)
        rest.lines << personLine(pc.ctx().data.KSchedList, area, rows[i]);
    store.add(std::move(rest));
    return true;
}

}  // namespace

bool writeAllPersons(PageCopy& pc, std::vector<int> kinColumns, bool honoursOverrides,
                     bool clearFirst) {
    const PersonCapacity* capacity = personCapacity(pc.page());
    if (!capacity) throw std::logic_error("page without a person capacity");
    const PersonArea area{capacity->firstSlot, capacity->slotStride, capacity->names,
                          std::move(kinColumns), honoursOverrides};
    if (clearFirst) clearPersonArea(pc, area);
    if (continuePersons(pc, *capacity, area)) return true;
    const PersonSelection selection = SelectPersons(pc.ctx().data, *capacity);
    for (int entry = 0; entry < int(selection.rows.size()); ++entry)
        writePerson(pc, area, entry, selection.rows[entry]);
    return !selection.overflow;
}

// ---------------------------------------------------------------------------

QStringList wrapLines(CalcContext& ctx, const QString& text, const TextFont& font) {
    return ctx.wrapper.WrapText(text, QString::fromLatin1(font.family), font.points, font.inches);
}

QString firstLine(CalcContext& ctx, const QString& text, const TextFont& font) {
    const QStringList lines = wrapLines(ctx, text, font);
    return lines.isEmpty() ? QString() : lines.first();
}

namespace {
const LineCapacity& lineBox(quint16 errNo) {
    const LineCapacity* box = lineCapacity(errNo);
    if (!box) throw std::logic_error("no line capacity with this message");
    return *box;
}
}  // namespace

LineWriter::LineWriter(PageCopy& pc, const LineCapacity& box, int firstSlot, int stride, Write how)
    : m_pc(pc), m_box(box), m_firstSlot(firstSlot), m_stride(stride), m_how(how) {}

LineWriter::LineWriter(PageCopy& pc, quint16 errNo, int firstSlot, int stride, Write how)
    : LineWriter(pc, lineBox(errNo), firstSlot, stride, how) {}

TextFont LineWriter::font() const {
    return {m_box.font, m_box.pointSize, m_box.widthInches};
}

void LineWriter::clear(std::initializer_list<int> besideOffsets) {
    for (int line = 0; line < m_box.lines; ++line) {
        m_pc.write(slotOfLine(line), QString(), m_how);
        for (int offset : besideOffsets) m_pc.write(slotOfLine(line) + offset, QString(), m_how);
    }
}

bool LineWriter::add(const QString& text, std::initializer_list<std::pair<int, QString>> beside) {
    return addLines(wrapLines(m_pc.ctx(), text, font()), beside);
}

bool LineWriter::addLines(const QStringList& lines,
                          std::initializer_list<std::pair<int, QString>> beside) {
    if (continueLines(lines, beside)) return true;
    const LinePlacement placement = PlaceLines(m_box, m_line, int(lines.size()));
    m_overflowed = m_overflowed || placement.overflow;
    for (int i = 0; i < placement.lines; ++i) {
        const int slot = slotOfLine(m_line++);
        m_pc.write(slot, lines[i], m_how);
        if (i == 0)
            for (const auto& [offset, value] : beside) m_pc.write(slot + offset, value, m_how);
    }
    return !placement.endsPage;
}

bool LineWriter::continueLines(const QStringList& lines,
                               std::initializer_list<std::pair<int, QString>> beside) {
    ContinuationStore& store = m_pc.ctx().data.continuations;
    if (!store.enabled() || m_box.after == LineOverflow::KeepWhole) return false;
    // The entry as the addendum prints it: its text, then what stands beside it.
    QString entry = lines.join(u' ');
    for (const auto& pair : beside)
        if (!pair.second.trimmed().isEmpty()) entry += QStringLiteral("   ") + pair.second;
    if (m_continuation >= 0) {
        store.appendLine(m_continuation, entry);
        return true;
    }
    const int room = std::max(0, m_box.lines - m_line);
    m_entries.append(entry);
    if (int(lines.size()) <= room) {
        for (int i = 0; i < int(lines.size()); ++i) m_entryOfLine.push_back(int(m_entries.size()) - 1);
        m_besideOnLine.resize(size_t(m_line + int(lines.size())));
        for (const auto& pair : beside) m_besideOnLine[size_t(m_line)].push_back(pair.first);
        return false;  // it fits: written as always
    }
    // The box's last line takes the mark. The entry standing there (when the
    // box is full) and this one continue whole on the addendum; the lines of
    // this one above the mark print as well.
    const int last = m_box.lines - 1;
    Continuation rest{m_pc.page(), m_pc.copy(), slotOfLine(0), QString::fromLatin1(m_box.section),
                      {}};
    if (room == 0 && last >= 0) {
        rest.lines << m_entries[m_entryOfLine[size_t(last)]];
        for (int offset : m_besideOnLine[size_t(last)])
            m_pc.write(slotOfLine(last) + offset, QString(), m_how);
    }
    for (int i = 0; i + 1 < room; ++i) {
        const int slot = slotOfLine(m_line++);
        m_pc.write(slot, lines[i], m_how);
        if (i == 0)
            for (const auto& [offset, value] : beside) m_pc.write(slot + offset, value, m_how);
    }
    rest.lines << entry;
    if (last >= 0) m_pc.write(slotOfLine(last), ContinuedMark.toString(), m_how);
    m_line = m_box.lines;
    m_continuation = store.add(std::move(rest));
    return true;
}

// ---------------------------------------------------------------------------

void runGuarded(quint16 errNo, const std::function<void()>& body) {
    try {
        body();
    } catch (...) {
        ReportError(errNo);
    }
}

// ---------------------------------------------------------------------------

void writeScheduleSheet(PageCopy& pc, const SheetLayout& layout, const SheetSource& source,
                        int firstLine, int sheetNumber, int sheetCount) {
    for (int i = 0; i < layout.lines; ++i) {
        const int line = firstLine + i;
        const bool inSchedule = line >= 0 && line < source.lineCount;
        for (int t = 0; t < layout.textsPerLine; ++t) {
            const int slot = layout.firstSlot + layout.textsPerLine * i + t;
            pc.put(slot, inSchedule ? source.text(line, t) : QString());
        }
    }
    const bool numbered = sheetNumber > 0;
    if (layout.sheetNumberSlot >= 0)
        pc.keep(layout.sheetNumberSlot, numbered ? QString::number(sheetNumber) : QString());
    if (layout.sheetCountSlot >= 0)
        pc.keep(layout.sheetCountSlot, numbered ? QString::number(sheetCount) : QString());
}

}  // namespace wm4::units
