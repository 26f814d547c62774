#pragma once
// Every error, warning and notice goes through ReportError. It always sets
// the report target (the ErrFlag of the answer store in use), then hands the
// report to the installed handler:
// the desktop beeps and shows the error dialog, the command line prints a
// REPORT line, tests record.
#include <QString>
#include <QtGlobal>
#include <functional>

#include "messages/report_place.h"

namespace wm4 {

struct Report {
    quint16 errNo = 0;   // message number * 10 + advice digit
    QString text;        // the caller's text (an entry, a file name, ...)
    QString message;     // the built main line
    QString advice;      // the advice line of the digit; empty for digit 0
    ReportPlace place;   // where the report was made (ScopedReportPlace), if known

    int messageNumber() const { return errNo / 10; }
    int adviceDigit() const { return errNo % 10; }
};

using ReportHandler = std::function<void(const Report&)>;

// Installs the handler that shows or records reports; returns the previous one.
ReportHandler setReportHandler(ReportHandler handler);

// The flag every report sets. Its owner is the session that holds the open
// case or runs a command: CaseSession points it at the ErrFlag of the case it
// holds, and at a fresh store while reading a file into it; a calculation run
// points it at the store it calculates. Creating a store changes nothing.
void setErrFlagTarget(bool* flag);
bool* errFlagTarget();

// Points reports at flag for as long as it lives, then gives them back to the
// target they went to before.
class ScopedErrFlagTarget {
public:
    explicit ScopedErrFlagTarget(bool* flag) : m_previous(errFlagTarget()) {
        setErrFlagTarget(flag);
    }
    ~ScopedErrFlagTarget() { setErrFlagTarget(m_previous); }
    ScopedErrFlagTarget(const ScopedErrFlagTarget&) = delete;
    ScopedErrFlagTarget& operator=(const ScopedErrFlagTarget&) = delete;

private:
    bool* m_previous;
};

// The report number of the last report (the process-wide current report number).
quint16 currentReportNumber();

void ReportError(quint16 errNo, const QString& text = QString());

// Builds the two lines of a report without showing it.
Report buildReport(quint16 errNo, const QString& text);

// The one-line form of a report the command line prints:
// "REPORT <report number>: <main line>". Line breaks in the main line (a
// quoted multi-line entry) become blanks so that each report stays one line.
QString reportLine(const Report& report);

// Thrown to abandon the current user command without a message (the same
// silent end as a cancelled dialog). Command handlers catch and ignore it.
struct SilentAbort {};

}  // namespace wm4
