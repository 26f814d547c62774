#pragma once
// The schedule buffers: what the schedule counters and builders of one
// calculation run leave for the page units. Every run recomputes all of it;
// nothing here is saved in the client file (the copied answers are).
//
// Each buffer is a table of at most ScheduleBufferRows rows of a few texts.
// Builders leave empty rows between sections; row(i) reads an empty row for
// every index not written (also beyond the last written row), so a page unit
// can copy a whole sheet without checking the length.
//
// Sheets and what each page copy shows (copy c, rows counted from 0):
//   account (Form 13.1)       90 rows a sheet: page 62 rows 90c..90c+39,
//                             page 63 rows 90c+40..90c+89; 4 texts a row
//   inventory (Form 6.1)      86 rows a sheet: page 30 rows 86c..86c+35,
//                             page 31 rows 86c+36..86c+85; 3 texts a row
//   assets remaining (13.2)   74 rows a sheet: page 64 rows 74c..74c+25,
//                             page 65 rows 74c+26..74c+73; 3 texts a row
//   Commissioner's Report     42 rows a copy: page 71 rows 42c..42c+41;
//                             4 texts a row, laid out like the account
//   insolvency (24.4, 24.5)   page 155 rows 0..21; copy c of page 156 rows
//                             22+30c..51+30c; 6 texts a row
#include <QString>
#include <array>
#include <vector>

namespace wm4 {

inline constexpr int ScheduleBufferRows = 10000;

// A buffer of rows; Row is a struct of QStrings.
template <typename Row>
class ScheduleTable {
public:
    // The row at `index`; an empty row when it was never written.
    const Row& row(int index) const {
        static const Row empty{};
        return index >= 0 && index < int(m_rows.size()) ? m_rows[index] : empty;
    }
    // One past the last row written (0 when empty).
    int size() const { return int(m_rows.size()); }
    void clear() { m_rows.clear(); }
    // The row at `index` for writing; the caller keeps index below
    // ScheduleBufferRows (builders report 3050 before going beyond).
    Row& at(int index) {
        if (index >= int(m_rows.size())) m_rows.resize(index + 1);
        return m_rows[index];
    }

private:
    std::vector<Row> m_rows;
};

// ---- Group tables (categories are compared after upper-casing) ----

struct ScheduleGroup {
    QString category;      // the category list's item, upper case
    const char* header;    // the group's header row
    const char* subtotal;  // the group's subtotal row
};

inline constexpr int AccountReceiptGroupCount = 6;
inline constexpr int AccountDisbursementGroupCount = 9;
inline constexpr int InventoryGroupCount = 3;
inline constexpr int AutoToSpouseCount = 8;
inline constexpr int InsolvencyClassCount = 10;

// Receipts of the account, in printing order: personal property not sold,
// proceeds from sale of personal property, real property not sold, proceeds
// from sale of real property, income, other receipts.
extern const std::array<ScheduleGroup, AccountReceiptGroupCount> AccountReceiptGroups;
// Disbursements of the account, in printing order: fiduciary fees, attorney
// fees, other administrative costs, debts and claims, Ohio and federal estate
// taxes, personal property distributed in kind, real property transferred,
// other distributions to beneficiaries, other disbursements.
extern const std::array<ScheduleGroup, AccountDisbursementGroupCount> AccountDisbursementGroups;
// Inventory and assets remaining: tangible personal, intangible personal,
// real property.
extern const std::array<ScheduleGroup, InventoryGroupCount> InventoryGroups;
enum InventoryGroup { TangibleGroup = 0, IntangibleGroup = 1, RealPropertyGroup = 2 };
// "1ST AUTO TO SPOUSE" ... "8TH AUTO TO SPOUSE" (Form 6.0 shows them; the
// inventory schedule leaves them out).
extern const std::array<QString, AutoToSpouseCount> AutoToSpouseCategories;

struct InsolvencyClass {
    const char* code;    // "(1)" ... "(10)", the start of the Form 24 category
    const char* header;  // the class's header row
};
extern const std::array<InsolvencyClass, InsolvencyClassCount> InsolvencyClasses;

// The section rows of the account and the Commissioner's Report.
extern const QString ReceiptsSectionRow;       // "RECEIPTS *****...": the section header
extern const QString DisbursementsSectionRow;  // "DISBURSEMENTS *****..."
extern const QString GrandTotalRow;            // "********** Grand Total" (6.1, 13.2)

// ---- Account schedule (Form 13.1; totals for Form 13.0) ----

// description | check number | disbursement amount | receipt amount or total.
// Receipt amounts and the receipts' subtotals and totals stand in `receipt`,
// disbursement amounts and the disbursements' subtotals and totals in
// `disbursement` (see AccountRowBuilder).
struct AccountRow {
    QString description, checkNumber, disbursement, receipt;
};

struct AccountSchedule {
    ScheduleTable<AccountRow> rows;
    std::array<double, AccountReceiptGroupCount> receiptSubtotals{};
    std::array<bool, AccountReceiptGroupCount> receiptPresent{};  // a receipt has the category
    double receiptsTotal = 0;
    std::array<double, AccountDisbursementGroupCount> disbursementSubtotals{};
    double disbursementsTotal = 0;
    int rowCount = 0;    // rows the counter measured
    int totalPages = 0;  // printed schedule pages (sides)
    int sheets = 0;      // copies of Form 13.1
};

// ---- Inventory (Form 6.1) and assets remaining (Form 13.2) ----

// description | appraised mark ("X"; always empty on 13.2) | value.
struct InventoryRow {
    QString description, appraised, value;
};

struct InventorySchedule {
    ScheduleTable<InventoryRow> rows;
    std::array<double, InventoryGroupCount> subtotals{};  // by InventoryGroup
    std::array<bool, InventoryGroupCount> present{};
    double grandTotal = 0;  // sum of the three subtotals
    int rowCount = 0;
    int totalPages = 0;
    int sheets = 0;
};

struct InventoryScheduleWithAutos : InventorySchedule {
    // The value of the asset categorised "1ST AUTO TO SPOUSE" ... "8TH ...";
    // a later row of the same category replaces an earlier one.
    std::array<double, AutoToSpouseCount> autoValues{};
};

// ---- Insolvency schedule of claims (Forms 24.4, 24.5; values of 24.0) ----

// claim number or "***" on a class header | description | class code | amount |
// estimated payment | rejected ("Y"/"N").
struct InsolvencyRow {
    QString claimNumber, description, classCode, amount, estimatedPayment, rejected;
};

struct InsolvencySchedule {
    ScheduleTable<InsolvencyRow> rows;
    std::array<double, InsolvencyClassCount> subtotals{};  // class k at index k - 1
    std::array<bool, InsolvencyClassCount> present{};
    double grandTotal = 0;
    // The estimated payments typed for the claims of each class; a class
    // where none was typed prints its subtotal's payment cell empty.
    std::array<double, InsolvencyClassCount> estimatedSubtotals{};
    std::array<bool, InsolvencyClassCount> estimated{};
    double estimatedTotal = 0;
    int rowCount = 0;
    int sheets = 0;  // the first sheet (24.4) included; NoOf24_5 = sheets - 1
    // The four values Form 24.0 shows.
    double tangibleSubtotal = 0;    // the Form 6.1 tangible subtotal
    double intangibleSubtotal = 0;  // the Form 6.1 intangible subtotal
    double page56Value = 0;         // answer 4 of page 56, copy 0
    double realLessPage56 = 0;      // the Form 6.1 real-property subtotal minus page56Value
};

// ---- Commissioner's Report (page 71) ----

// Laid out like the account: description | voucher or check number |
// disbursement amount | receipt amount or total.
struct CommissionersReport {
    ScheduleTable<AccountRow> rows;
    double receiptsTotal = 0;
    double disbursementsTotal = 0;
    int copies = 0;  // also stored in NoOfCommRep when below 100
};

// Every schedule of a run. The application (or command, or test) owns one and
// passes it to the run through CalcContext.
struct ScheduleBuffers {
    AccountSchedule account;                  // Form 13.1, pages 62/63; totals for 13.0
    InventoryScheduleWithAutos inventory;     // Form 6.1, pages 30/31; totals for 6.0
    InventorySchedule assetsRemaining;        // Form 13.2, pages 64/65
    InsolvencySchedule insolvency;            // Forms 24.4/24.5, pages 155/156; 24.0
    CommissionersReport commissionersReport;  // page 71
};

}  // namespace wm4
