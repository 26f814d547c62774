#pragma once
// What every enclosure letter shares: its addressee and the common slots
// (letterhead, date, inside address, reference lines, salutation).
#include <QString>
#include <initializer_list>

#include "calc/units/blocks.h"

namespace wm4::letters {

struct Addressee {
    QString name, street, cityLine;
    QString salutation;  // empty when the letter has no addressee
};

// "Mr. " or "Ms. " and the last word of the name ("Mr. " alone for a name
// without a blank).
QString salutationFor(const QString& name, bool male);

// The (copy+1)-th kin row marked in `sendTo`: name, street, city line,
// and "Mr. " when its gender cell is "M", else "Ms. ". Nobody (all empty)
// when there are fewer marked rows.
Addressee kinAddressee(const CalcContext& ctx, int sendTo, int copy);

// A person of the General Information page; nobody when the name is empty.
Addressee generalInfoAddressee(const QString& name, const QString& street, const QString& cityLine,
                               bool male);

// The parts every letter has. Slot numbers: letterhead 30, 1-4 (plain);
// inside address 5-7; decedent and case number 8, 9; the date (long form of
// today) into each of `dateSlots`; the salutation into `salutationSlot`.
void fillLetter(units::PageCopy& pc, const Addressee& to, std::initializer_list<int> dateSlots,
                int salutationSlot);

// One General Information answer and the slot it goes to (kept).
struct AnswerToSlot {
    int slot;
    int answer;
};
void keepAnswers(units::PageCopy& pc, std::initializer_list<AnswerToSlot> answers);

}  // namespace wm4::letters
