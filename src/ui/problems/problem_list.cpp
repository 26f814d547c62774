#include "ui/problems/problem_list.h"

#include "calc/casecheck/place_text.h"

namespace wm4 {

Problem problemOfReport(const Report& report) {
    return {QString::number(report.errNo), report.message.trimmed(), report.advice.trimmed(),
            report.place};
}

QString placeText(const ReportPlace& place) {
    return reportPlaceText(place);
}

QString problemsText(const QList<Problem>& problems) {
    QString text;
    for (const Problem& p : problems) {
        QString line = p.number + u'\t' + p.text + u'\t' + p.advice + u'\t' + placeText(p.place);
        // One line per problem, whatever the texts hold.
        line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        text += line + u'\n';
    }
    return text;
}

}  // namespace wm4
