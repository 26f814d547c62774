#pragma once
// The answer store: every answer of every page copy of the open case.
//
// 200 pages x 100 copies; page copy (p, c) has MaxSlot[p] + 1 slots, each a
// text and an override flag. All page copies exist from creation on. A page
// copy's slots are allocated on its first write: until then every slot reads
// as empty text, not overridden, which is exactly a freshly created copy.
// That keeps creating a store (on every New, Open and Reopen) nearly free.
#include <QString>
#include <array>
#include <memory>

#include "messages/version.h"

namespace wm4 {

inline constexpr int PageCount = 200;
inline constexpr int CopyCount = 100;

// Highest slot index of each page. Part of the client-file format: files are
// read slot by slot in this layout.
extern const std::array<int, PageCount> MaxSlot;

// The override flag of one answer.
struct TAObj {
    bool OvRide = false;
};

struct AnswerSlot {
    QString text;
    TAObj obj;
};

class TAnswer {
public:
    TAnswer();
    ~TAnswer();
    TAnswer(const TAnswer&) = delete;
    TAnswer& operator=(const TAnswer&) = delete;

    bool ErrFlag = false;
    QString ProgramName = QStringLiteral("Wendmoor4");
    double VersionNo = VersionNumber;
    double DefaultHourlyRate = 0;

    // Copy counters of the multi-copy forms.
    int NoOf1_0 = 0, NoOf2_2 = 0, NoOf4_4 = 0, NoOf5_3 = 0, NoOf6_1 = 0, NoOf6_3 = 0,
        NoOf9_C = 0, NoOf10_2 = 0, NoOf10_4 = 0, NoOf12 = 0, NoOf13_1 = 0, NoOf13_2 = 0,
        NoOf13_5 = 0, NoOf13_7b = 0, NoOf24_2 = 0, NoOf24_5 = 0, NoOf3774 = 0,
        NoOfSSA_JS = 0, NoOfStockPOA = 0;
    int NoOfWillLtr = 1, NoOfInvLtr = 1, NoOfAcctLtr = 1, NoOfInsLtr = 1, NoOfCPID = 1,
        NoOfCommRep = 1;

    bool CalcActive = false;

    // Copy count of each page (PAnsw.PgCt). All 0 after creation but page 4.
    std::array<int, PageCount> PgCt{};

    // Slot access. Indices are the caller's to keep in range (asserted in
    // debug builds): page 0..199, copy 0..99, slot 0..MaxSlot[page].
    const QString& answer(int page, int copy, int slot) const;
    void setAnswer(int page, int copy, int slot, const QString& text);
    bool ovRide(int page, int copy, int slot) const;
    void setOvRide(int page, int copy, int slot, bool on);
    static int slotCount(int page) { return MaxSlot[page] + 1; }

    // True once any slot of the page copy was written; an untouched copy is
    // all empty and not overridden.
    bool copyTouched(int page, int copy) const;

    // Replaces (page, copy) with a fresh empty copy. A copy index above 98 is
    // refused with report 18012 and a silent abort (throws SilentAbort).
    void CreateAPage(int page, int copy);

    // Empties (page, copy) without the copy-index check.
    void clearCopy(int page, int copy);

private:
    AnswerSlot* slotsFor(int page, int copy);  // allocates on first write
    std::array<std::array<std::unique_ptr<AnswerSlot[]>, CopyCount>, PageCount> m_pages;
};

// Slot 2 := answer 0 of page 0 upper-cased; slot 3 := answer 4 of page 0
// upper-cased (the estate caption).
void FillCaption(TAnswer& a, int page, int copy);

// The copy counters in the order of their fields, for listings.
struct CopyCounterField {
    const char* name;
    int TAnswer::*field;
};
extern const std::array<CopyCounterField, 25> CopyCounterFields;

}  // namespace wm4
