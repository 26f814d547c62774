#include "form_source.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTextStream>
#include <stdexcept>

#include "case/field_codes.h"

namespace formgen {

namespace {

[[noreturn]] void fail(const QString& file, int line, const QString& what) {
    throw std::runtime_error(
        QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(what).toStdString());
}

// Splits the rest of a line into tokens: blanks separate, "..." quotes (with
// \" and \\ inside), key=value and key="value" keep their key.
QList<Token> tokenize(const QString& rest, const QString& file, int lineNo) {
    QList<Token> tokens;
    int i = 0;
    const int n = rest.size();
    while (i < n) {
        while (i < n && rest[i].isSpace()) ++i;
        if (i >= n) break;
        Token t;
        // A key: letters, digits, '-' up to '='.
        int j = i;
        while (j < n && (rest[j].isLetterOrNumber() || rest[j] == u'-' || rest[j] == u'_')) ++j;
        if (j < n && j > i && rest[j] == u'=') {
            t.key = rest.mid(i, j - i);
            i = j + 1;
        }
        if (i < n && rest[i] == u'"') {
            ++i;
            QString text;
            bool closed = false;
            while (i < n) {
                const QChar c = rest[i];
                if (c == u'\\' && i + 1 < n) {
                    text += rest[i + 1];
                    i += 2;
                    continue;
                }
                if (c == u'"') {
                    closed = true;
                    ++i;
                    break;
                }
                text += c;
                ++i;
            }
            if (!closed) fail(file, lineNo, QStringLiteral("unclosed quote"));
            t.text = text;
            t.quoted = true;
            // A width suffix such as "Label"@1.5 stays with the token.
            if (i < n && rest[i] == u'@') {
                int k = i;
                while (k < n && !rest[k].isSpace()) ++k;
                t.key = QStringLiteral("@") + rest.mid(i + 1, k - i - 1);
                i = k;
            }
        } else if (i < n && rest[i] == u'{') {
            int k = rest.indexOf(u'}', i);
            if (k < 0) fail(file, lineNo, QStringLiteral("unclosed field place"));
            t.text = rest.mid(i, k - i + 1);
            i = k + 1;
        } else {
            int k = i;
            while (k < n && !rest[k].isSpace()) ++k;
            t.text = rest.mid(i, k - i);
            i = k;
        }
        tokens.append(t);
    }
    return tokens;
}

}  // namespace

QString Line::option(const QString& key, const QString& def) const {
    for (const Token& t : tokens)
        if (t.key == key) return t.text;
    return def;
}

bool Line::hasFlag(const QString& word) const {
    for (const Token& t : tokens)
        if (t.key.isEmpty() && !t.quoted && t.text == word) return true;
    return false;
}

QList<Token> Line::positional() const {
    QList<Token> out;
    for (const Token& t : tokens)
        if (t.key.isEmpty() || t.key.startsWith(u'@')) out.append(t);
    return out;
}

QSet<int> ParseSlotList(const QString& text) {
    QSet<int> slots;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        const QStringList ends = part.trimmed().split(u'-');
        bool ok1 = false, ok2 = false;
        const int a = ends.value(0).toInt(&ok1);
        const int b = ends.size() > 1 ? ends.value(1).toInt(&ok2) : a;
        if (!ok1 || (ends.size() > 1 && !ok2)) continue;
        for (int s = a; s <= b; ++s) slots.insert(s);
    }
    return slots;
}

bool ParseFieldPlace(const QString& text, FieldPlace& place) {
    static const QRegularExpression re(
        QStringLiteral(R"(^\{(.)(\d{1,3})(?::(\d+(?:\.\d+)?))?\}$)"));
    const auto m = re.match(text);
    if (!m.hasMatch() || !wm4::MarkerKind::IsKind(m.captured(1).at(0).unicode())) return false;
    place.kind = m.captured(1).at(0);
    place.slot = m.captured(2).toInt();
    place.width = m.captured(3).isEmpty() ? 0 : m.captured(3).toDouble();
    return true;
}

namespace {

// The heading directives, one function each.
using Heading = void (*)(FormSource& src, const QString& rest, int lineNo);

void pageLine(FormSource& src, const QString& rest, int lineNo) {
    bool ok = false;
    src.page = rest.toInt(&ok);
    if (!ok) fail(src.fileName, lineNo, QStringLiteral("page needs a number"));
}

void footerLine(FormSource& src, const QString& rest, int lineNo) {
    if (rest != QLatin1String("form") && rest != QLatin1String("none"))
        fail(src.fileName, lineNo, QStringLiteral("footer must be form or none"));
    src.footer = rest == QLatin1String("form");
}

// slots NAME START COUNT
void slotsLine(FormSource& src, const QString& rest, int lineNo) {
    const QStringList parts = rest.split(u' ', Qt::SkipEmptyParts);
    bool startOk = false, countOk = false;
    FormSource::Range range;
    range.name = parts.value(0);
    range.start = parts.value(1).toInt(&startOk);
    range.count = parts.value(2).toInt(&countOk);
    range.line = lineNo;
    if (parts.size() != 3 || !startOk || !countOk || range.count <= 0)
        fail(src.fileName, lineNo, QStringLiteral("slots needs NAME START COUNT"));
    src.ranges.append(range);
}

// focus SLOT
void focusLine(FormSource& src, const QString& rest, int lineNo) {
    bool ok = false;
    const int slot = rest.toInt(&ok);
    if (!ok || slot < 0) fail(src.fileName, lineNo, QStringLiteral("focus needs a slot number"));
    if (src.focusSlot >= 0) fail(src.fileName, lineNo, QStringLiteral("a second focus line"));
    src.focusSlot = slot;
    src.focusLine = lineNo;
}

void fitLine(FormSource& src, const QString& rest, int lineNo) {
    if (rest != QLatin1String("none"))
        fail(src.fileName, lineNo, QStringLiteral("fit takes none (fields fit without the line)"));
    src.fitted = false;
}

void amountsLine(FormSource& src, const QString& rest, int lineNo) {
    if (rest != QLatin1String("empty"))
        fail(src.fileName, lineNo,
             QStringLiteral("amounts takes empty (zero amounts show 0.00 without the line)"));
    src.amountsEmpty = true;
}

void parseHeading(FormSource& src, const QString& directive, const QString& rest, int lineNo) {
    static const QHash<QString, Heading> table = {
        {QStringLiteral("page"), pageLine},
        {QStringLiteral("form"), [](FormSource& s, const QString& r, int) { s.formNumber = r; }},
        {QStringLiteral("title"), [](FormSource& s, const QString& r, int) { s.title = r; }},
        {QStringLiteral("screen-title"),
         [](FormSource& s, const QString& r, int) { s.screenTitle = r; }},
        {QStringLiteral("side"), [](FormSource& s, const QString& r, int) { s.side = r; }},
        {QStringLiteral("footer"), footerLine},
        {QStringLiteral("kept"),
         [](FormSource& s, const QString& r, int) { s.kept.unite(ParseSlotList(r)); }},
        {QStringLiteral("slots"), slotsLine},
        {QStringLiteral("focus"), focusLine},
        {QStringLiteral("fit"), fitLine},
        {QStringLiteral("amounts"), amountsLine},
    };
    const Heading heading = table.value(directive);
    if (!heading)
        fail(src.fileName, lineNo, QStringLiteral("unknown heading line \"%1\"").arg(directive));
    heading(src, rest, lineNo);
}

}  // namespace

FormSource ParseFormSource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error(QStringLiteral("cannot read %1").arg(path).toStdString());
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);

    FormSource src;
    src.fileName = path;
    enum class Section { Head, Screen, Print } section = Section::Head;
    int lineNo = 0;
    while (!in.atEnd()) {
        const QString raw = in.readLine();
        ++lineNo;
        const QString trimmed = raw.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#')) continue;
        if (trimmed == QLatin1String("screen:")) {
            section = Section::Screen;
            continue;
        }
        if (trimmed == QLatin1String("print:")) {
            section = Section::Print;
            continue;
        }
        const int blank = trimmed.indexOf(u' ');
        Line line;
        line.number = lineNo;
        line.directive = blank < 0 ? trimmed : trimmed.left(blank);
        const QString rest = blank < 0 ? QString() : trimmed.mid(blank + 1).trimmed();
        if (section == Section::Head) {
            parseHeading(src, line.directive, rest, lineNo);
            continue;
        }
        if (section == Section::Print) {
            // Print lines keep their text for the paragraph directives.
            line.tokens = tokenize(rest, path, lineNo);
            src.print.append(line);
        } else {
            line.tokens = tokenize(rest, path, lineNo);
            src.screen.append(line);
        }
    }
    if (src.page < 0) fail(path, lineNo, QStringLiteral("no page number"));
    if (src.screenTitle.isEmpty()) src.screenTitle = src.title;
    return src;
}

}  // namespace formgen
