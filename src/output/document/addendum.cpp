#include "output/document/addendum.h"

#include <QFile>
#include <QXmlStreamReader>

#include "calc/units/blocks.h"
#include "case/answers.h"
#include "output/document/packet_table.h"
#include "output/document/rtf_text.h"
#include "output/document/template_merge.h"

namespace wm4 {

namespace {

QString rtf(const QString& text) {
    return RtfUnicodeEscaped(EscapeRtf(text));
}

QString paragraph(const QString& props, const QString& body) {
    return QStringLiteral("\\pard\\plain%1\\f0 %2\\par\n").arg(props, body);
}

// "front" or "back" for a two-page form.
QString sideOf(const PacketEntry& entry, int page) {
    if (entry.pageCount() < 2) return QString();
    return page == entry.pages[0] ? QStringLiteral(", front") : QStringLiteral(", back");
}

// A list's name without the form number and side the heading gives
// already: "5.1 front, other assets" -> "other assets".
QString listName(const QString& what, const PacketEntry& entry) {
    QString name = what;
    const QString caption = QString::fromUtf16(entry.caption);
    const QString number = caption.section(u' ', 0, 0);
    if (!number.isEmpty() && number.front().isDigit() && name.startsWith(number + u' '))
        name = name.mid(number.size() + 1);
    for (const QString side : {QStringLiteral("front, "), QStringLiteral("back, ")})
        if (name.startsWith(side)) name = name.mid(side.size());
    return name;
}

}  // namespace

QList<Continuation> PageContinuations(TemplateMerge& merge, const ContinuationStore* lists,
                                      int page, int copy) {
    QList<Continuation> items = merge.takeContinued();
    if (!merge.filingOptions().addenda) return {};
    if (lists) items += lists->of(page, copy);
    return items;
}

const PacketEntry* EntryOfPage(int page) {
    for (const PacketEntry& entry : PacketTable)
        if (entry.pages[0] == page || entry.pages[1] == page) return &entry;
    return nullptr;
}

QString FormName(const PacketEntry& entry) {
    const QString caption = QString::fromUtf16(entry.caption);
    if (caption.isEmpty() || !caption.front().isDigit()) return caption;
    return QStringLiteral("Form ") + caption.section(u' ', 0, 0);
}

QString FieldLabel(const QString& screenFolder, int page, int slot) {
    QFile file(screenFolder + QStringLiteral("/page") + QString::number(page) +
               QStringLiteral(".psf"));
    const QString wanted = QStringLiteral("lbl") + QString::number(slot);
    if (!screenFolder.isEmpty() && file.open(QIODevice::ReadOnly)) {
        QXmlStreamReader xml(&file);
        bool inLabel = false, inText = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == u"widget") {
                inLabel = xml.attributes().value(QStringLiteral("name")) == wanted;
            } else if (inLabel && xml.isStartElement() && xml.name() == u"property") {
                inText = xml.attributes().value(QStringLiteral("name")) == u"text";
            } else if (inLabel && inText && xml.isStartElement() && xml.name() == u"string") {
                const QString label = xml.readElementText().trimmed();
                if (!label.isEmpty()) return label;
            }
        }
    }
    return QStringLiteral("line ") + QString::number(slot);
}

QString AddendumBody(const TAnswer& answers, const PacketEntry& entry,
                     const QList<Continuation>& items, const QString& screenFolder) {
    const QString form = FormName(entry);
    const QString decedent = answers.answer(0, 0, units::gi::DecedentName).trimmed();
    const QString caseNumber = answers.answer(0, 0, units::gi::CaseNumber).trimmed();

    QString out = QStringLiteral("\\page ");
    out += paragraph(QStringLiteral("\\qc\\sa120"),
                     QStringLiteral("{\\b\\fs28 ") + rtf(QStringLiteral("ADDENDUM TO ") +
                                                        form.toUpper()) + u'}');
    out += paragraph(QStringLiteral("\\qc\\sa60"),
                     QStringLiteral("\\fs22 PROBATE COURT OF WENDMOOR COUNTY, OHIO"));
    out += paragraph(QStringLiteral("\\ql\\sa60"),
                     QStringLiteral("\\fs22 {\\b ESTATE OF} {\\caps ") + rtf(decedent) +
                         QStringLiteral("}{\\b , DECEASED}"));
    out += paragraph(QStringLiteral("\\ql\\sa240"),
                     QStringLiteral("\\fs22 {\\b CASE NO.} ") + rtf(caseNumber));
    for (const Continuation& item : items) {
        const QString what = item.what.isEmpty() ? FieldLabel(screenFolder, item.page, item.slot)
                                                 : listName(item.what, entry);
        QString continues = QStringLiteral("Continues ") + form + sideOf(entry, item.page);
        if (item.copy > 0) continues += QStringLiteral(", copy ") + QString::number(item.copy + 1);
        continues += QStringLiteral(": ") + what;
        out += paragraph(QStringLiteral("\\ql\\sb120\\sa80\\keepn"),
                         QStringLiteral("\\fs20 {\\b ") + rtf(continues) + u'}');
        for (const QString& line : item.lines)
            out += paragraph(QStringLiteral("\\qj\\sa60\\li288"),
                             QStringLiteral("\\fs20 ") + rtf(line));
    }
    return out;
}

}  // namespace wm4
