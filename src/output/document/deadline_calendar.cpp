#include "output/document/deadline_calendar.h"

#include "files/atomic_save.h"
#include "files/file_error.h"
#include "output/document/document_error.h"

namespace wm4 {

namespace {

// TEXT values escape backslash, semicolon, comma and line breaks.
QString escaped(QString text) {
    text.replace(u'\\', QLatin1String("\\\\"));
    text.replace(u';', QLatin1String("\\;"));
    text.replace(u',', QLatin1String("\\,"));
    text.replace(u'\n', QLatin1String("\\n"));
    return text;
}

// A content line, folded so that no line is longer than 75 octets (a
// continuation line starts with a blank); UTF-8 sequences are not split.
void addLine(QByteArray& out, const QString& line) {
    const QByteArray bytes = line.toUtf8();
    int start = 0;
    int limit = 75;
    while (bytes.size() - start > limit) {
        int cut = start + limit;
        while (cut > start && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80) --cut;
        out += bytes.mid(start, cut - start) + "\r\n ";
        start = cut;
        limit = 74;  // the leading blank counts
    }
    out += bytes.mid(start) + "\r\n";
}

QString uidPart(QString text) {
    for (QChar& c : text)
        if (!c.isLetterOrNumber()) c = u'-';
    return text;
}

}  // namespace

QByteArray DeadlineCalendar(const QList<Deadline>& deadlines, const CalendarCase& estate,
                            const QDateTime& stamp) {
    QByteArray out;
    addLine(out, QStringLiteral("BEGIN:VCALENDAR"));
    addLine(out, QStringLiteral("VERSION:2.0"));
    addLine(out, QStringLiteral("PRODID:-//Quillon//Wendmoor4//EN"));
    addLine(out, QStringLiteral("CALSCALE:GREGORIAN"));
    const QString dtstamp = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    const QString caseLabel = estate.caseNumber.isEmpty()
                                  ? estate.estate
                                  : estate.estate + QStringLiteral(", case ") + estate.caseNumber;
    for (const Deadline& d : deadlines) {
        // Nothing to remind of: done, not owed here, or a bar date gone by.
        if (!d.due.isValid() || d.status == DeadlineStatus::Done ||
            d.status == DeadlineStatus::NotOwed || d.status == DeadlineStatus::Passed)
            continue;
        // One event per deadline: a rule counted for each rejected claim
        // names the claim in its UID.
        const QString uidRule = d.subject.isEmpty()
                                    ? QLatin1String(d.rule->id)
                                    : QLatin1String(d.rule->id) + u'-' + uidPart(d.subject);
        const QString summary =
            QStringLiteral("%1: %2 (%3)")
                .arg(QLatin1String(d.rule->form), d.whatText(), QLatin1String(d.rule->statute));
        addLine(out, QStringLiteral("BEGIN:VEVENT"));
        addLine(out, QStringLiteral("UID:%1-%2@wendmoor4")
                         .arg(uidRule, uidPart(estate.caseNumber.isEmpty() ? estate.estate
                                                                           : estate.caseNumber)));
        addLine(out, QStringLiteral("DTSTAMP:") + dtstamp);
        addLine(out, QStringLiteral("DTSTART;VALUE=DATE:") + d.due.toString(QStringLiteral("yyyyMMdd")));
        addLine(out, QStringLiteral("DTEND;VALUE=DATE:") +
                         d.due.addDays(1).toString(QStringLiteral("yyyyMMdd")));
        addLine(out, QStringLiteral("SUMMARY:") + escaped(summary));
        addLine(out, QStringLiteral("DESCRIPTION:") +
                         escaped(QStringLiteral("Estate of %1. %2. Counted from %3. %4 An aid, "
                                                "not legal advice: the statute and the court's "
                                                "orders govern.")
                                     .arg(caseLabel, d.whatText(), DeadlineEventName(d.rule->from),
                                          d.rule->kind == DeadlineKind::NotBefore
                                              ? QStringLiteral("The earliest day, not a due date.")
                                              : QString())));
        addLine(out, QStringLiteral("BEGIN:VALARM"));
        addLine(out, QStringLiteral("ACTION:DISPLAY"));
        addLine(out, QStringLiteral("TRIGGER:-P7D"));
        addLine(out, QStringLiteral("DESCRIPTION:") + escaped(summary));
        addLine(out, QStringLiteral("END:VALARM"));
        addLine(out, QStringLiteral("END:VEVENT"));
    }
    addLine(out, QStringLiteral("END:VCALENDAR"));
    return out;
}

void WriteDeadlineCalendar(const QString& path, const QList<Deadline>& deadlines,
                           const CalendarCase& estate, const QDateTime& stamp) {
    try {
        SaveFileAtomically(path, DeadlineCalendar(deadlines, estate, stamp));
    } catch (const FileError& e) {
        throw DocumentError(QStringLiteral("The calendar could not be written: ") + e.text());
    }
}

}  // namespace wm4
