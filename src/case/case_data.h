#pragma once
// One case: the answer store and the four worksheet stores. The application
// (or a command-line command, or a test) owns one and passes it down.
#include "case/answers.h"
#include "case/continuations.h"
#include "case/worksheet_store.h"

namespace wm4 {

inline constexpr int AssetColumns = 100;
inline constexpr int ExpenseColumns = 26;
inline constexpr int KinColumns = 48;
inline constexpr int TimeColumns = 4;

struct CaseData {
    TAnswer answers;
    WorksheetStore ASchedList{AssetColumns};    // assets, income and receipts
    WorksheetStore ESchedList{ExpenseColumns};  // debts, expenses and disbursements
    WorksheetStore KSchedList{KinColumns};      // kin and other interested parties
    WorksheetStore TSchedList{TimeColumns};     // time and services
    // What the last calculation could not fit on the forms (with addenda on).
    ContinuationStore continuations;
};

}  // namespace wm4
