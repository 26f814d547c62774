#pragma once
// Where a report points: a form's page copy, or a worksheet row. The code that
// is working on a page copy or a row names it with a ScopedReportPlace; every
// report made meanwhile carries it, so a list of reports can open the place.
namespace wm4 {

struct ReportPlace {
    int page = -1;       // the page of a form (-1: none)
    int copy = 0;        // its copy
    int worksheet = -1;  // 0 kin, 1 asset, 2 expense, 3 time (the navigation's numbers)
    int row = -1;        // the worksheet row (0-based)

    bool isPage() const { return page >= 0; }
    bool isRow() const { return worksheet >= 0 && row >= 0; }
    bool isNone() const { return !isPage() && !isRow(); }

    static ReportPlace pageCopy(int page, int copy) { return {page, copy, -1, -1}; }
    static ReportPlace worksheetRow(int worksheet, int row) { return {-1, 0, worksheet, row}; }

    friend bool operator==(const ReportPlace&, const ReportPlace&) = default;
};

// The place reports are made at now (none outside every scope).
ReportPlace currentReportPlace();

// Names the place for its lifetime; the previous place comes back after it.
class ScopedReportPlace {
public:
    explicit ScopedReportPlace(const ReportPlace& place);
    ~ScopedReportPlace();
    ScopedReportPlace(const ScopedReportPlace&) = delete;
    ScopedReportPlace& operator=(const ScopedReportPlace&) = delete;

private:
    ReportPlace m_previous;
};

}  // namespace wm4
