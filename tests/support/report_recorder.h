#pragma once
// Installs a report handler that records every report for the test's lifetime.
#include <QList>

#include "messages/report.h"

namespace wm4::test {

class ReportRecorder {
public:
    ReportRecorder();
    ~ReportRecorder();
    ReportRecorder(const ReportRecorder&) = delete;
    ReportRecorder& operator=(const ReportRecorder&) = delete;

    const QList<Report>& reports() const { return m_reports; }
    QList<int> numbers() const;  // the report numbers in order
    void clear() { m_reports.clear(); }

private:
    QList<Report> m_reports;
    ReportHandler m_previous;
};

}  // namespace wm4::test
