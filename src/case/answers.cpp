#include "case/answers.h"

#include "case/field_codes.h"
#include "messages/report.h"

#include <QLocale>

namespace wm4 {

const std::array<int, PageCount> MaxSlot = {
    75,  100, 125, 50,  75,  50,  50,  25,  50,  25,   // 0-9
    50,  40,  50,  25,  50,  75,  25,  50,  50,  75,   // 10-19
    75,  125, 50,  50,  50,  25,  50,  125, 50,  50,   // 20-29
    150, 175, 50,  25,  50,  75,  50,  50,  25,  25,   // 30-39
    50,  125, 25,  50,  25,  25,  50,  100, 25,  25,   // 40-49
    50,  100, 25,  50,  75,  50,  75,  100, 75,  25,   // 50-59
    75,  50,  200, 225, 100, 175, 25,  50,  25,  25,   // 60-69
    50,  200, 50,  50,  25,  125, 125, 25,  100, 75,   // 70-79
    75,  50,  50,  75,  150, 50,  25,  25,  25,  25,   // 80-89
    25,  25,  25,  50,  25,  50,  75,  50,  50,  200,  // 90-99
    100, 75,  50,  75,  50,  25,  25,  25,  25,  25,   // 100-109
    25,  100, 50,  100, 275, 275, 200, 200, 100, 150,  // 110-119
    200, 200, 200, 200, 200, 50,  50,  50,  50,  50,   // 120-129
    0,   0,   0,   0,   0,   0,   0,   0,   0,   0,    // 130-139
    0,   0,   0,   0,   0,   0,   0,   0,   0,   0,    // 140-149
    50,  25,  25,  25,  25,  175, 225, 50,  25,  0,    // 150-159
    0,   0,   0,   0,   0,   0,   0,   0,   0,   0,    // 160-169
    0,   0,   0,   0,   0,   0,   0,   0,   0,   0,    // 170-179
    100, 200, 300, 100, 200, 300, 100, 200, 300, 0,    // 180-189
    0,   0,   0,   0,   0,   0,   100, 0,   0,   0,    // 190-199
};

namespace {
const QString& emptyText() {
    static const QString empty;
    return empty;
}
}  // namespace

TAnswer::TAnswer() {
    PgCt[4] = 1;
}

// The report target belongs to the session, not the store; a store that is
// still the target when it goes only makes sure no report writes into it.
TAnswer::~TAnswer() {
    if (errFlagTarget() == &ErrFlag) setErrFlagTarget(nullptr);
}

const QString& TAnswer::answer(int page, int copy, int slot) const {
    Q_ASSERT(page >= 0 && page < PageCount && copy >= 0 && copy < CopyCount);
    Q_ASSERT(slot >= 0 && slot <= MaxSlot[page]);
    const auto& slots = m_pages[page][copy];
    return slots ? slots[slot].text : emptyText();
}

bool TAnswer::ovRide(int page, int copy, int slot) const {
    Q_ASSERT(page >= 0 && page < PageCount && copy >= 0 && copy < CopyCount);
    Q_ASSERT(slot >= 0 && slot <= MaxSlot[page]);
    const auto& slots = m_pages[page][copy];
    return slots && slots[slot].obj.OvRide;
}

AnswerSlot* TAnswer::slotsFor(int page, int copy) {
    Q_ASSERT(page >= 0 && page < PageCount && copy >= 0 && copy < CopyCount);
    auto& slots = m_pages[page][copy];
    if (!slots) slots = std::make_unique<AnswerSlot[]>(MaxSlot[page] + 1);
    return slots.get();
}

void TAnswer::setAnswer(int page, int copy, int slot, const QString& text) {
    Q_ASSERT(slot >= 0 && slot <= MaxSlot[page]);
    // Writing empty text into an untouched copy changes nothing.
    if (text.isEmpty() && !m_pages[page][copy]) return;
    slotsFor(page, copy)[slot].text = text;
}

void TAnswer::setOvRide(int page, int copy, int slot, bool on) {
    Q_ASSERT(slot >= 0 && slot <= MaxSlot[page]);
    if (!on && !m_pages[page][copy]) return;
    slotsFor(page, copy)[slot].obj.OvRide = on;
}

bool TAnswer::copyTouched(int page, int copy) const { return bool(m_pages[page][copy]); }

void TAnswer::clearCopy(int page, int copy) { m_pages[page][copy].reset(); }

void TAnswer::CreateAPage(int page, int copy) {
    if (copy > 98) {
        ReportError(18012, QStringLiteral("page %1").arg(page));
        throw SilentAbort{};
    }
    clearCopy(page, copy);
}

void FillCaption(TAnswer& a, int page, int copy) {
    const QLocale locale;
    // General Information (page 0) holds the decedent's name in slot 0 and
    // the case number in slot 4.
    a.setAnswer(page, copy, caption::Estate, locale.toUpper(a.answer(0, 0, 0)));
    a.setAnswer(page, copy, caption::CaseNumber, locale.toUpper(a.answer(0, 0, 4)));
}

const std::array<CopyCounterField, 25> CopyCounterFields = {{
    {"NoOf1_0", &TAnswer::NoOf1_0},         {"NoOf2_2", &TAnswer::NoOf2_2},
    {"NoOf4_4", &TAnswer::NoOf4_4},         {"NoOf5_3", &TAnswer::NoOf5_3},
    {"NoOf6_1", &TAnswer::NoOf6_1},         {"NoOf6_3", &TAnswer::NoOf6_3},
    {"NoOf9_C", &TAnswer::NoOf9_C},         {"NoOf10_2", &TAnswer::NoOf10_2},
    {"NoOf10_4", &TAnswer::NoOf10_4},       {"NoOf12", &TAnswer::NoOf12},
    {"NoOf13_1", &TAnswer::NoOf13_1},       {"NoOf13_2", &TAnswer::NoOf13_2},
    {"NoOf13_5", &TAnswer::NoOf13_5},       {"NoOf13_7b", &TAnswer::NoOf13_7b},
    {"NoOf24_2", &TAnswer::NoOf24_2},       {"NoOf24_5", &TAnswer::NoOf24_5},
    {"NoOf3774", &TAnswer::NoOf3774},       {"NoOfSSA_JS", &TAnswer::NoOfSSA_JS},
    {"NoOfStockPOA", &TAnswer::NoOfStockPOA}, {"NoOfWillLtr", &TAnswer::NoOfWillLtr},
    {"NoOfInvLtr", &TAnswer::NoOfInvLtr},   {"NoOfAcctLtr", &TAnswer::NoOfAcctLtr},
    {"NoOfInsLtr", &TAnswer::NoOfInsLtr},   {"NoOfCPID", &TAnswer::NoOfCPID},
    {"NoOfCommRep", &TAnswer::NoOfCommRep},
}};

}  // namespace wm4
