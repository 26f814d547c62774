#include "output/document/template_merge.h"

#include <QDir>
#include <QLocale>
#include <algorithm>
#include <array>

#include "case/answers.h"
#include "case/conversions.h"
#include "case/field_codes.h"
#include "case/page_catalogue.h"
#include "case/page_facts.h"
#include "files/cp1252.h"
#include "files/fault_words.h"
#include "files/file_error.h"
#include "messages/report.h"
#include "output/document/document_error.h"
#include "output/document/rtf_text.h"
#include "output/document/width_table.h"
#include "output/textfit/continue_text.h"
#include "output/textfit/fit_text.h"

namespace wm4 {

namespace {

const QString ReduceTextMark = QStringLiteral("REDUCE TEXT");

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// "\fs" and a digit at k.
bool isSizeWordAt(const QString& t, qsizetype k) {
    return k + 3 < t.size() && t[k] == u'\\' && t[k + 1] == u'f' && t[k + 2] == u's' &&
           isAsciiDigit(t[k + 3]);
}

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// Whether the text before `end` is a control word ("\b", "\fs20", "\li-5")
// that an answer inserted at `end` would run on into.
bool controlWordEndsAt(const QString& t, qsizetype end) {
    qsizetype k = end;
    while (k > 0 && isAsciiDigit(t[k - 1])) --k;
    if (k > 0 && t[k - 1] == u'-') --k;
    qsizetype letters = k;
    while (letters > 0 && isAsciiLetter(t[letters - 1])) --letters;
    if (letters == k || letters == 0 || t[letters - 1] != u'\\') return false;
    // The backslash starts the word unless it is itself escaped.
    qsizetype backslashes = 0;
    for (qsizetype b = letters - 1; b >= 0 && t[b] == u'\\'; --b) ++backslashes;
    return backslashes % 2 == 1;
}

struct Marker {
    QChar kind;
    int slot = 0;
};

enum class MarkerRead { Found, None, TextEnded };

// Removes the line breaks standing at k (inside a marker broken across lines
// of the template); false when the text ends there.
bool joinLinesAt(QString& t, qsizetype k) {
    while (k < t.size() && (t[k] == u'\r' || t[k] == u'\n')) t.remove(k, 1);
    return k < t.size();
}

// Reads the marker whose "/" stands at i: a kind character, one to three
// digits, "/" (after a third digit the closing "/" is assumed).
MarkerRead readMarker(QString& t, qsizetype i, Marker& marker) {
    if (!joinLinesAt(t, i + 1)) return MarkerRead::TextEnded;
    marker.kind = t[i + 1];
    if (!MarkerKind::IsKind(marker.kind.unicode())) return MarkerRead::None;
    marker.slot = 0;
    for (qsizetype k = i + 2; k <= i + 4; ++k) {
        if (!joinLinesAt(t, k)) return MarkerRead::TextEnded;
        if (k > i + 2 && t[k] == u'/') return MarkerRead::Found;
        if (!isAsciiDigit(t[k])) return MarkerRead::None;
        marker.slot = marker.slot * 10 + t[k].digitValue();
    }
    return MarkerRead::Found;
}

QString sizeWord(int halfPoints) {
    return QStringLiteral("\\fs") + QString::number(halfPoints);
}

// "%11.3n": three decimals with "," thousands, trimmed.
QString formatPercent(double value) {
    static const QLocale us(QLocale::English, QLocale::UnitedStates);
    return us.toString(value, 'f', 3);
}

// The template as the original reads it: its lines, each ended by CR LF.
QString joinLines(const QString& fileText) {
    QString out;
    out.reserve(fileText.size() + 64);
    const qsizetype n = fileText.size();
    qsizetype start = 0;
    for (qsizetype k = 0; k < n; ++k) {
        const QChar c = fileText[k];
        if (c != u'\r' && c != u'\n') continue;
        out += QStringView(fileText).mid(start, k - start);
        out += QStringLiteral("\r\n");
        if (c == u'\r' && k + 1 < n && fileText[k + 1] == u'\n') ++k;
        start = k + 1;
    }
    if (start < n) {
        out += QStringView(fileText).mid(start);
        out += QStringLiteral("\r\n");
    }
    return out;
}

}  // namespace

QString TemplateFault(QStringView text) {
    qsizetype start = 0;
    while (start < text.size() && text[start].isSpace()) ++start;
    if (start == text.size()) return QStringLiteral("it is empty");
    if (!text.mid(start).startsWith(u"{\\rtf"))
        return QStringLiteral("it is not an RTF document (it does not begin with {\\rtf)");
    if (!text.contains(TemplateHeaderMarker))
        return QStringLiteral("it has no header marker %1").arg(TemplateHeaderMarker);
    // The document is one group: a template cut short ends inside it, and
    // one with a "}" too many closes it before its end. A backslash escapes
    // the character after it ("\{", "\}", "\\").
    qsizetype depth = 0;
    qint64 line = 1 + text.left(start).count(u'\n');
    for (qsizetype k = start; k < text.size(); ++k) {
        const QChar c = text[k];
        if (c == u'\\') {
            ++k;
            if (k < text.size() && text[k] == u'\n') ++line;
        } else if (c == u'\n') {
            ++line;
        } else if (c == u'{') {
            ++depth;
        } else if (c == u'}') {
            if (--depth > 0) continue;
            for (qsizetype rest = k + 1; rest < text.size(); ++rest)
                if (!text[rest].isSpace() && text[rest] != QChar(u'\0'))
                    return QStringLiteral(
                               "its groups do not balance: the \"}\" on line %1 "
                               "closes the document before its end")
                        .arg(line);
            return {};
        }
    }
    return QStringLiteral("it is cut short (%1 %2 not closed at its end)")
        .arg(depth)
        .arg(depth == 1 ? QStringLiteral("group is") : QStringLiteral("groups are"));
}

void CheckTemplate(QStringView text, const QString& path) {
    const QString fault = TemplateFault(text);
    if (!fault.isEmpty())
        throw DocumentError(QStringLiteral("The template %1 cannot be printed: %2.")
                                .arg(QDir::toNativeSeparators(path), fault));
}

QString TemplatePath(const QString& rtfFolder, int page) {
    return rtfFolder + QStringLiteral("/Page") + QString::number(page) + QStringLiteral(".rtf");
}

// Forms whose plain fields keep their own size (schedules and lists with
// their own small print) say "fit none" in their form source. The three
// wrapped worksheet printouts (182, 185, 187) all do: each wraps its own
// lines, and the expense list would otherwise shrink its category texts where
// the others do not.
bool PageSkipsFitting(int page) {
    return !FactsOfPage(page).fitted;
}

QString TypedSignature(const QString& signerName, bool typedSignatures) {
    const QString name = signerName.trimmed();
    if (!typedSignatures || name.isEmpty()) return {};
    return QStringLiteral("/s/ ") + EscapeRtf(name);
}

TemplateMerge::TemplateMerge(const TAnswer& answers, const TextMeasurer& measurer,
                             QString datFolder)
    : m_answers(answers), m_measurer(measurer), m_datFolder(std::move(datFolder)) {}

void TemplateMerge::LoadTemplate(const QString& path) {
    LoadTemplateBytes(ReadWholeFile(path), path);
}

void TemplateMerge::LoadTemplateBytes(const QByteArray& bytes, const QString& path) {
    QString text = joinLines(DecodeCp1252(bytes));
    CheckTemplate(text, path);
    m_text = std::move(text);
}

void TemplateMerge::MergePage(int page, int copy) {
    TransferDocument(page, copy, ReadWidthTable(WidthFilePath(m_datFolder, page)));
}

void TemplateMerge::TransferDocument(int page, int copy, const WidthTable& widths) {
    m_wingdingsTag = FindWingdingsFont();
    QString& t = m_text;
    qsizetype i = 0;
    while (i < t.size() - 4) {
        if (isSizeWordAt(t, i)) {
            m_currentSize = GetNumFromText(int(i + 3));
        } else if (t[i] == u'\\' && !isAsciiLetter(t[i + 1])) {
            // A control symbol ("\\", "\{", "\'b7"): the character it
            // escapes never starts a marker.
            i += 2;
            continue;
        } else if (t[i] == u'/') {
            Marker marker;
            const MarkerRead read = readMarker(t, i, marker);
            if (read == MarkerRead::TextEnded) break;
            if (read == MarkerRead::Found) {
                // No answer is ever read as a marker or a size word: the
                // scan goes on after it.
                const int inserted = TransferAnswers(
                    page, copy, marker.slot, widths.width(marker.slot), marker.kind, int(i));
                i += inserted;
                continue;
            }
        }
        ++i;
    }
}

int TemplateMerge::TransferAnswers(int page, int copy, int slot, double width, QChar kind,
                                   int position) {
    if (slot > MaxSlot[page]) {
        throw DocumentError(QStringLiteral("The template of page %1 has a field /%2%3/, but the "
                                           "page has only slots 0 to %4.")
                                .arg(page)
                                .arg(kind)
                                .arg(slot)
                                .arg(MaxSlot[page]));
    }
    const int markerLength = slot < 10 ? 4 : slot < 100 ? 5 : 6;
    m_text.remove(position, markerLength);
    // An answer never runs on into a control word standing right before
    // its marker: a blank ends the word (and prints nothing).
    const bool delimit = controlWordEndsAt(m_text, position);
    m_answerContinues = false;
    m_answerReduced = false;
    if (m_options.addenda && PageSkipsFitting(page)) m_fieldFamily = fontFamilyAt(position);
    const QString replacement = formatAnswer(page, m_answers.answer(page, copy, slot), width, kind);
    if (m_answerContinues) {
        QString full = m_answers.answer(page, copy, slot);
        if (full.endsWith(u' ')) full.chop(1);
        m_continued.append(Continuation{page, copy, slot, QString(), {full}});
    }
    if (m_answerReduced) m_reduced.append(ReducedSlot{page, copy, slot});
    const bool runsOn =
        delimit && !replacement.isEmpty() && !QStringView(u"\\{}").contains(replacement.front());
    const QString inserted = runsOn ? u' ' + replacement : replacement;
    m_text.insert(position, inserted);
    return int(inserted.size());
}

QString TemplateMerge::formatAnswer(int page, const QString& answer, double width,
                                    QChar kind) const {
    switch (kind.unicode()) {
        case MarkerKind::Plain:
        case MarkerKind::PlainToo: {
            QString text = answer;
            if (text.endsWith(u' ')) text.chop(1);
            QString fitted = EscapeRtf(text);
            if (PageSkipsFitting(page) && m_options.addenda &&
                !TextFitsAsItStands(m_measurer, text, m_currentSize, width, m_fieldFamily)) {
                // A list's field keeps its size; with addenda an answer wider
                // than its field continues rather than breaking up its line.
                m_answerContinues = true;
                const QString mark = ContinuedMark.toString();
                const QString before =
                    TextBeforeMark(m_measurer, text, mark, m_currentSize, width, m_fieldFamily);
                return EscapeRtf(before.isEmpty() ? mark : before + u' ' + mark) +
                       sizeWord(m_currentSize) + u' ';
            }
            if (!PageSkipsFitting(page)) {
                // Fitting measures the text as typed; only the size word it
                // may put in front is taken over, the text is escaped.
                const QString result = FitTextToWidth(m_measurer, text, m_currentSize, width);
                if (result == ReduceTextMark && m_options.addenda) {
                    // As much as fits, the mark, and the whole answer on the
                    // form's addendum.
                    m_answerContinues = true;
                    const QString mark = ContinuedMark.toString();
                    const QString before =
                        TextBeforeMark(m_measurer, text, mark, m_currentSize, width);
                    return EscapeRtf(before.isEmpty() ? mark : before + u' ' + mark) +
                           sizeWord(m_currentSize) + u' ';
                }
                m_answerReduced = result == ReduceTextMark && text != ReduceTextMark;
                if (result != text) {
                    fitted = result.endsWith(text) && result.size() > text.size()
                                 ? result.left(result.size() - text.size()) + EscapeRtf(text)
                                 : result;
                }
            }
            return fitted + sizeWord(m_currentSize) + u' ';
        }
        case MarkerKind::Amount:
        case MarkerKind::AmountToo:
            if (RemoveCommasAndSigns(answer).isEmpty() && LeavesAmountsEmpty(page)) return {};
            return FormatAmount(Str2Float_2(answer));
        case MarkerKind::Percent:
            if (answer.isEmpty()) return {};
            return formatPercent(Str2Float_P(answer) * 100) + u'%';
        case MarkerKind::CheckBox:
            // A Unicode ballot box with the Wingdings letter as its fallback:
            // systems without Wingdings print the box, Wingdings readers the letter.
            return m_wingdingsTag + QStringLiteral("\\fs24 ") +
                   (answer == QStringLiteral("X") ? QStringLiteral("\\u9746x")
                                                  : QStringLiteral("\\u9744o")) +
                   sizeWord(m_currentSize) + QStringLiteral("\\f0 ");
        case MarkerKind::MultiLine:
            return Bar2Par(EscapeRtf(answer));
        case MarkerKind::Lines:
            return EscapeRtfLines(answer);
        case MarkerKind::LongDate:
            return EscapeRtf(ConvertDate(answer));
        case MarkerKind::TypedSignature:
            return TypedSignature(answer, m_options.typedSignatures);
        default:
            return EscapeRtf(answer);
    }
}

QString TemplateMerge::fontFamilyAt(int position) const {
    // The last "\f<n>" before the field, looked up in the font table.
    const QString& t = m_text;
    for (qsizetype k = position - 1; k >= 0 && k > position - 4000; --k) {
        if (t[k] != u'\\' || k + 2 >= t.size() || t[k + 1] != u'f' || !isAsciiDigit(t[k + 2]))
            continue;
        qsizetype end = k + 2;
        while (end < t.size() && isAsciiDigit(t[end])) ++end;
        const QString tag = t.mid(k, end - k);  // "\f1"
        const qsizetype table = t.indexOf(QStringLiteral("fonttbl"));
        qsizetype entry = table < 0 ? -1 : t.indexOf(tag, table);
        while (entry >= 0 && entry + tag.size() < t.size() && isAsciiDigit(t[entry + tag.size()]))
            entry = t.indexOf(tag, entry + 1);
        if (entry < 0) break;
        const qsizetype semicolon = t.indexOf(u';', entry);
        if (semicolon > entry &&
            t.mid(entry, semicolon - entry).contains(QStringLiteral("Narrow"), Qt::CaseInsensitive))
            return QStringLiteral("Arial Narrow");
        break;
    }
    return QStringLiteral("Arial");
}

QString TemplateMerge::FindWingdingsFont() const {
    const QString& t = m_text;
    if (!t.contains(QStringLiteral("Wingdings"))) return {};
    const qsizetype table = t.indexOf(QStringLiteral("fonttbl"));
    qsizetype k = table < 0 ? 0 : table + 7;
    while (k + 2 < t.size()) {
        if (t[k] == u'\\' && t[k + 1] == u'f' && isAsciiDigit(t[k + 2])) {
            k += 2;
            QString number;
            while (k < t.size() && number.size() < 3 && isAsciiDigit(t[k])) number += t[k++];
            QString name;
            while (k < t.size() && name.size() < 100) {
                name += t[k++];
                if (name.endsWith(u';')) break;
            }
            if (name.contains(QStringLiteral("WINGDINGS"), Qt::CaseInsensitive))
                return QStringLiteral("\\f") + number + u' ';
            continue;
        }
        ++k;
    }
    return {};
}

int TemplateMerge::GetNumFromText(int position) const {
    const QString& t = m_text;
    if (position >= t.size() - 4) {
        ReportError(21070);
        return -1;
    }
    int value = -1;
    QString digits;
    for (qsizetype k = position; k < t.size(); ++k) {
        const QChar c = t[k];
        if (c == u' ' || c == u'\\' || c == u'{' || c == u'}') break;
        digits += c;
        bool ok = isAsciiDigit(c);
        const int read = ok ? digits.toInt(&ok) : -1;
        if (!ok) {
            // A longer prefix of a number that failed can never read again.
            ReportError(21060, digits);
            break;
        }
        value = read;
    }
    return value;
}

}  // namespace wm4
