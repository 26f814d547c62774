#include "support/report_recorder.h"

namespace wm4::test {

ReportRecorder::ReportRecorder() {
    m_previous = setReportHandler([this](const Report& r) { m_reports.append(r); });
}

ReportRecorder::~ReportRecorder() {
    setReportHandler(std::move(m_previous));
}

QList<int> ReportRecorder::numbers() const {
    QList<int> out;
    for (const Report& r : m_reports) out.append(r.errNo);
    return out;
}

}  // namespace wm4::test
