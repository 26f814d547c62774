// Stage 2 of a run: the copy counters, the schedules and the category totals.
#include <algorithm>

#include "calc/checks/copy_limit.h"
#include "calc/checks/worksheet_marks.h"
#include "calc/fees/calc_ttls.h"
#include "calc/run/calculate_complete.h"
#include "case/page_catalogue.h"
#include "case/worksheet_columns.h"
#include "messages/report.h"
#include "schedules/account_schedule.h"
#include "schedules/commissioners_report.h"
#include "schedules/identifier_forms.h"
#include "schedules/insolvency_schedule.h"
#include "schedules/inventory_schedule.h"

namespace wm4 {
namespace {

using A = TAnswer;

// The answer store holds copies 0 ... 99 of a page, and a copy index above 98
// is refused where copies are made, so a form has at most 99 copies.
constexpr int MaxFormCopies = 99;

// Counters set to 0 before counting (CalcTtls resets its own five).
constexpr int A::*kResetCounters[] = {
    &A::NoOf1_0,    &A::NoOf2_2,     &A::NoOf4_4,  &A::NoOf5_3,     &A::NoOf6_1,    &A::NoOf6_3,
    &A::NoOf10_2,   &A::NoOf10_4,    &A::NoOf12,   &A::NoOf13_1,    &A::NoOf13_2,   &A::NoOf13_5,
    &A::NoOf13_7b,  &A::NoOf24_2,    &A::NoOf24_5, &A::NoOfWillLtr, &A::NoOfInvLtr, &A::NoOfAcctLtr,
    &A::NoOfInsLtr, &A::NoOfCommRep, &A::NoOfCPID,
};

// Forms with one copy per kin row marked in the column, or one copy per
// `perCopy` marked rows.
struct KinCount {
    int A::*counter;
    int column;
    int perCopy;
};
constexpr KinCount kKinCounts[] = {
    {&A::NoOf4_4, kinColumn::ToForm4_4, 5},
    {&A::NoOf5_3, kinColumn::ToForm5_3, 5},
    {&A::NoOf6_3, kinColumn::ToForm6_3, 1},
    {&A::NoOf10_2, kinColumn::ToForm10_2, 5},
    {&A::NoOf10_4, kinColumn::ToForm10_4, 1},
    {&A::NoOf13_5, kinColumn::ToForm13_5, 1},
    {&A::NoOf13_7b, kinColumn::ToForm13_7b, 10},
    {&A::NoOf24_2, kinColumn::ToForm24_2, 1},
    {&A::NoOfWillLtr, kinColumn::ToWillLetter, 1},
    {&A::NoOfInvLtr, kinColumn::ToInventoryLetter, 1},
    {&A::NoOfAcctLtr, kinColumn::ToAccountLetter, 1},
    {&A::NoOfInsLtr, kinColumn::ToInsuranceLetter, 1},
};

// Form 1.0: the front holds 11 persons a copy (copy 0 carries the surviving
// spouse's line first), the back 15.
constexpr int Form1_0FrontPerCopy = 11;
constexpr int Form1_0BackPerCopy = 15;

// Counters counted from worksheet rows: beyond the store they are reported.
// (The schedule counters report their own overflow.)
constexpr int A::*kRowCounters[] = {
    &A::NoOf2_2,     &A::NoOf6_3,    &A::NoOf10_4,    &A::NoOf13_5,     &A::NoOf24_2,
    &A::NoOfWillLtr, &A::NoOfInvLtr, &A::NoOfAcctLtr, &A::NoOfInsLtr,   &A::NoOf9_C,
    &A::NoOf12,      &A::NoOf3774,   &A::NoOfSSA_JS,  &A::NoOfStockPOA, &A::NoOf4_4,
    &A::NoOf5_3,     &A::NoOf10_2,   &A::NoOf13_7b,   &A::NoOf1_0,      &A::NoOfCPID,
};
constexpr quint16 ErrTooManyCopies = 18012;

int ceilDiv(int n, int k) {
    return (n + k - 1) / k;
}

void countKinRows(const WorksheetStore& kin, A& a) {
    int front = 1;  // the surviving spouse's line on copy 0
    int back = 0;
    int counts[std::size(kKinCounts)] = {};
    for (int row = 0; row < kin.rowCount(); ++row) {
        if (isMarked(kin, kinColumn::ToForm1_0Front, row)) ++front;
        if (isMarked(kin, kinColumn::ToForm1_0Back, row)) ++back;
        if (isMarked(kin, kinColumn::ToForm2_2, row)) countForm2_2Row(a.NoOf2_2);
        for (size_t i = 0; i < std::size(kKinCounts); ++i)
            if (isMarked(kin, kKinCounts[i].column, row)) ++counts[i];
    }
    a.NoOf1_0 = std::max(ceilDiv(front, Form1_0FrontPerCopy), ceilDiv(back, Form1_0BackPerCopy));
    for (size_t i = 0; i < std::size(kKinCounts); ++i)
        a.*(kKinCounts[i].counter) = ceilDiv(counts[i], kKinCounts[i].perCopy);
}

const char* formOfCounter(int A::*counter) {
    for (const PageEntry& entry : PageCatalogue())
        if (entry.copyCounter == counter) return entry.formText;
    return "";
}

// More copies than the store holds would address copies that do not exist.
// Each counter is held to the store; a count made row by row reports it (the
// gate after this stage then ends the run), a schedule count already did.
void limitCopies(A& a) {
    for (const CopyCounterField& field : CopyCounterFields) {
        int& counter = a.*(field.field);
        if (counter <= MaxFormCopies) continue;
        if (std::find(std::begin(kRowCounters), std::end(kRowCounters), field.field) !=
            std::end(kRowCounters))
            ReportError(ErrTooManyCopies, QString::fromLatin1(formOfCounter(field.field)));
        counter = MaxFormCopies;
    }
}

// Every multi-copy page of the catalogue takes its counter (page 121 its
// fixed two copies).
void storePageCounts(A& a) {
    for (const PageEntry& entry : PageCatalogue()) {
        if (entry.copyCounter)
            a.PgCt[size_t(entry.page)] = a.*(entry.copyCounter);
        else if (entry.fixedCopies > 0)
            a.PgCt[size_t(entry.page)] = entry.fixedCopies;
    }
}

}  // namespace

void PrepareCopiesAndSchedules(CalcContext& ctx) {
    CaseData& data = ctx.data;
    A& a = data.answers;
    if (a.ErrFlag) return;

    for (int A::*counter : kResetCounters) a.*counter = 0;
    countKinRows(data.KSchedList, a);

    a.NoOf6_1 = CountInventorySchedule(data, ctx.buffers, ctx.wrapper);
    a.NoOf13_1 = CountAccountSchedule(data, ctx.buffers, ctx.wrapper);
    BuildAccountSchedule(data, ctx.buffers, ctx.wrapper);
    a.NoOf13_2 = CountAssetsRemaining(data, ctx.buffers, ctx.wrapper);
    BuildAssetsRemaining(data, ctx.buffers, ctx.wrapper);
    BuildCommissionersReport(data, ctx.buffers, ctx.wrapper);  // sets NoOfCommRep
    a.NoOfCPID = CountIdentifierForms(data);
    a.NoOf24_5 = std::max(0, CountInsolvencySchedule(data, ctx.buffers, ctx.wrapper) - 1);
    BuildInsolvencySchedule(data, ctx.buffers, ctx.wrapper);
    CalcTtls(ctx);

    limitCopies(a);
    storePageCounts(a);
}

}  // namespace wm4
