#include "ui/dialogs/copy_choice.h"

#include <span>

namespace wm4 {

namespace {

const QString kAsk = QStringLiteral(" Please make your selection in the drop-down box below");

// How an item names copy i.
enum class ItemRule {
    PageNumber,  // "Page " + (i + 1)
    AnswerOr,    // answer `slot`, or "Page " + (i + 1) when it is empty
    Answer,      // answer `slot`, also when empty
    AnswerPair,  // answers slot and slot2 joined when `test` is not empty
    Prefix,      // prefix + (i + 1)
    OddPages,    // "Page No. " + (2i + 1): each copy is a front and a back
};

struct CopyRule {
    int page;
    int TAnswer::*counter;
    const char* question;  // a form name ("Form 2.2") or, with a leading '!', the whole question
    ItemRule rule;
    int slot = 0;
    int slot2 = 0;
    int test = 0;  // AnswerPair: the slot that must not be empty
    const char* prefix = nullptr;
};

using enum ItemRule;

// clang-format off
const CopyRule kRules[] = {
    {1, &TAnswer::NoOf1_0, "Form 1.0", AnswerOr, 5},
    {2, &TAnswer::NoOf1_0, "Form 1.0", AnswerOr, 1},
    {6, &TAnswer::NoOf2_2, "Form 2.2", AnswerOr, 4},
    {16, &TAnswer::NoOf4_4, "Form 4.4", AnswerOr, 4},
    {23, &TAnswer::NoOf5_3, "Form 5.3", AnswerOr, 4},
    {30, &TAnswer::NoOf6_1, "Form 6.1", OddPages},
    {31, &TAnswer::NoOf6_1, "Form 6.1", PageNumber},
    {33, &TAnswer::NoOf6_3, "Form 6.3", AnswerOr, 4},
    {50, &TAnswer::NoOf10_2, "Form 10.2", AnswerOr, 4},
    {52, &TAnswer::NoOf10_4, "Form 10.4", AnswerOr, 4},
    {55, &TAnswer::NoOf12, "Form 12.0", Prefix, 0, 0, 0, "Application for Certificate of Transfer No. "},
    {56, &TAnswer::NoOf12, "Form 12.0", Prefix, 0, 0, 0, "Application for Certificate of Transfer No. "},
    {57, &TAnswer::NoOf12, "Form 12.1", Prefix, 0, 0, 0, "Certificate of Transfer No. "},
    {58, &TAnswer::NoOf12, "Form 12.1", Prefix, 0, 0, 0, "Certificate of Transfer No. "},
    {59, &TAnswer::NoOf12, "Form 12.2", Prefix, 0, 0, 0, "Entry No. "},
    {62, &TAnswer::NoOf13_1, "Form 13.1", OddPages},
    {63, &TAnswer::NoOf13_1, "Form 13.1", PageNumber},
    {64, &TAnswer::NoOf13_2, "Form 13.2", OddPages},
    {65, &TAnswer::NoOf13_2, "Form 13.2", PageNumber},
    {68, &TAnswer::NoOf13_5, "Form 13.5", AnswerOr, 4},
    {70, &TAnswer::NoOf13_7b, "Form 13.7b", AnswerOr, 4},
    {71, &TAnswer::NoOfCommRep, "!There is more than one page of the Commissioner's Report.", PageNumber},
    {98, &TAnswer::NoOf3774, "!There is more than one Form 3774 (Motor Vehicle Transfer).", AnswerPair, 26, 30, 26},
    {100, &TAnswer::NoOf12, "!There is more than one DTE100 form (real estate conveyance fee).", Answer, 30},
    {102, &TAnswer::NoOfSSA_JS, "!There is more than one Surviving Spouse Affidavit.", Answer, 7},
    {111, &TAnswer::NoOfCPID, "!There is more than one Confidential Information Form.", Answer, 4},
    {115, &TAnswer::NoOfStockPOA, "!There is more than one Stock Power of Attorney.", PageNumber},
    {116, &TAnswer::NoOfWillLtr, "!There is more than one Will and Waiver enclosure letter.", AnswerOr, 5},
    {117, &TAnswer::NoOfInvLtr, "!There is more than one Inventory and Waiver enclosure letter.", AnswerOr, 5},
    {119, &TAnswer::NoOfAcctLtr, "!There is more than one Account and Waiver enclosure letter.", AnswerOr, 5},
    {122, &TAnswer::NoOfInsLtr, "!There is more than one insurance policy enclosure letter.", AnswerOr, 5},
    {127, &TAnswer::NoOf9_C, "!There is more than one vehicle for Form 9.C.", AnswerPair, 12, 13, 13},
    {153, &TAnswer::NoOf24_2, "!There is more than person receiving Form 24.2.", AnswerOr, 4},
    {156, &TAnswer::NoOf24_5, "!There is more than one page of the continuation schedule of claims (Form 24.5).", PageNumber},
    {196, &TAnswer::NoOf12, "!There is more than one DTE100EX form (real estate conveyance fee).", Answer, 16},
};
// clang-format on

const CopyRule* ruleFor(int page) {
    for (const CopyRule& r : kRules)
        if (r.page == page) return &r;
    return nullptr;
}

QString questionOf(const CopyRule& r) {
    const QString q = QString::fromUtf8(r.question);
    if (q.startsWith(u'!')) return q.mid(1) + kAsk;
    return QStringLiteral("There is more than one page of %1.").arg(q) + kAsk;
}

QString pageItem(int copy) {
    return QStringLiteral("Page ") + QString::number(copy + 1);
}

QString itemText(const TAnswer& a, const CopyRule& r, int copy) {
    switch (r.rule) {
        case PageNumber:
            return pageItem(copy);
        case AnswerOr: {
            const QString& t = a.answer(r.page, copy, r.slot);
            return t.isEmpty() ? pageItem(copy) : t;
        }
        case Answer:
            return a.answer(r.page, copy, r.slot);
        case AnswerPair:
            if (a.answer(r.page, copy, r.test).isEmpty()) return pageItem(copy);
            return a.answer(r.page, copy, r.slot) + u' ' + a.answer(r.page, copy, r.slot2);
        case Prefix:
            return QString::fromUtf8(r.prefix) + QString::number(copy + 1);
        case OddPages:
            return QStringLiteral("Page No. ") + QString::number(2 * copy + 1);
    }
    return pageItem(copy);
}

}  // namespace

CopyChoice CopyChoiceFor(const TAnswer& answers, int page) {
    CopyChoice choice;
    const CopyRule* r = ruleFor(page);
    if (!r) return choice;
    choice.question = questionOf(*r);
    const int copies = qBound(0, answers.*(r->counter), CopyCount);
    for (int i = 0; i < copies; ++i) choice.items.append(itemText(answers, *r, i));
    return choice;
}

}  // namespace wm4
