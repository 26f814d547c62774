#include "messages/report.h"

#include "messages/catalogue.h"

namespace wm4 {
namespace {
ReportHandler g_handler;
bool* g_errFlag = nullptr;
quint16 g_current = 0;
}  // namespace

ReportHandler setReportHandler(ReportHandler handler) {
    ReportHandler previous = std::move(g_handler);
    g_handler = std::move(handler);
    return previous;
}

void setErrFlagTarget(bool* flag) { g_errFlag = flag; }
bool* errFlagTarget() { return g_errFlag; }
quint16 currentReportNumber() { return g_current; }

Report buildReport(quint16 errNo, const QString& text) {
    Report report;
    report.errNo = errNo;
    report.text = text;
    report.message = messageText(errNo / 10, text);
    report.advice = adviceLine(errNo % 10);
    return report;
}

QString reportLine(const Report& report) {
    QString message = report.message;
    message.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    message.replace(QLatin1Char('\r'), QLatin1Char(' '));
    message.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QStringLiteral("REPORT ") + QString::number(report.errNo) + QStringLiteral(": ") +
           message;
}

void ReportError(quint16 errNo, const QString& text) {
    g_current = errNo;
    // The flag is set whatever happens while the report is shown.
    struct SetFlag {
        ~SetFlag() {
            if (g_errFlag) *g_errFlag = true;
        }
    } setFlag;
    if (!g_handler) return;
    Report report = buildReport(errNo, text);
    report.place = currentReportPlace();
    g_handler(report);
}

}  // namespace wm4
