// wendmoor4 deadlines CASE [--today M/D/YYYY] [--ics OUT.ics]: the case's
// statutory deadlines, one line each (date, form, what, statute, status; a
// deadline still waiting for its date says which), in date order; --ics also
// writes them as a calendar. The dates come from the case as saved: nothing
// is calculated.
#include <QDateTime>

#include "app/commands.h"
#include "app/engine_session.h"
#include "app/output_paths.h"
#include "calc/deadlines/deadlines.h"
#include "case/conversions.h"
#include "output/document/deadline_calendar.h"

namespace wm4 {

void RunDeadlines(const CommandArgs& args) {
    const QString in = args.argument(0, "case file");
    args.expectArguments(1);
    QDate today = QDate::currentDate();
    if (args.has(QStringLiteral("today"))) {
        const auto given = ParseShortDate(args.option(QStringLiteral("today")));
        if (!given)
            throw CommandError(QStringLiteral("deadlines: --today takes a date as M/D/YYYY"));
        today = *given;
    }
    if (args.has(QStringLiteral("ics")))
        RefuseCaseAsOutput(args, in, args.option(QStringLiteral("ics")));
    EngineSession session(args);
    session.readCase(in);
    const QList<Deadline> deadlines = ComputeDeadlines(session.data(), today);
    if (args.has(QStringLiteral("ics")))
        WriteDeadlineCalendar(args.option(QStringLiteral("ics")), deadlines,
                              {session.answers().answer(0, 0, 0), session.answers().answer(0, 0, 4)},
                              QDateTime::currentDateTimeUtc());
    for (const Deadline& d : deadlines)
        PrintLine(QStringList{d.dateText(), QLatin1String(d.rule->form), d.whatText(),
                              QLatin1String(d.rule->statute), d.statusText()}
                      .join(u'\t'));
}

}  // namespace wm4
