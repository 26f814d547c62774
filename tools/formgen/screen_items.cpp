#include "screen_items.h"

#include <QHash>
#include <stdexcept>

namespace formgen {

namespace {

[[noreturn]] void fail(const FormSource& src, const Line& line, const QString& what) {
    throw std::runtime_error(
        QStringLiteral("%1:%2: %3").arg(src.fileName).arg(line.number).arg(what).toStdString());
}

int slotArg(const FormSource& src, const Line& line, int index) {
    const QList<Token> pos = line.positional();
    bool ok = false;
    const int v = pos.value(index).text.toInt(&ok);
    if (!ok) fail(src, line, QStringLiteral("\"%1\" needs a slot number").arg(line.directive));
    return v;
}

QString labelArg(const Line& line) {
    for (const Token& t : line.positional())
        if (t.quoted) return t.text;
    return QString();
}

EditKind kindFromWord(const QString& word, bool* ok) {
    *ok = true;
    if (word == QLatin1String("text") || word == QLatin1String("date")) return EditKind::Text;
    if (word == QLatin1String("amount")) return EditKind::Amount;
    if (word == QLatin1String("percent")) return EditKind::Percent;
    if (word == QLatin1String("whole")) return EditKind::Whole;
    *ok = false;
    return EditKind::Text;
}

EditKind kindFromChar(QChar c) {
    if (c == u'$') return EditKind::Amount;
    if (c == u'%') return EditKind::Percent;
    if (c == u'#') return EditKind::Whole;
    return EditKind::Text;
}

// A computed field: read-only, or overridable when the page keeps it.
ScreenControl computedField(const FormSource& src, int slot, const QString& label, int width = 0) {
    ScreenControl c;
    c.type = ControlType::Field;
    c.slot = slot;
    c.computed = true;
    c.kept = src.kept.contains(slot);
    c.label = label;
    c.width = width;
    return c;
}

// The computed fields of a block; rangeName names the block's slots as one
// range.
void addBlock(const FormSource& src, QList<ScreenControl>& out, int first,
              const QStringList& labels, const QString& rangeName = QString()) {
    for (int i = 0; i < labels.size(); ++i) {
        ScreenControl c = computedField(src, first + i, labels[i]);
        if (i == 0 && !rangeName.isEmpty()) {
            c.rangeName = rangeName;
            c.rangeStart = first;
            c.rangeCount = int(labels.size());
        }
        out.append(c);
    }
}

}  // namespace

QList<ColumnSpec> ParseColumns(const QString& text) {
    // A label may hold commas ("City, state ZIP:220"): a column ends at the
    // part that carries its ":width".
    QStringList parts;
    QString pending;
    for (const QString& part : text.split(u',')) {
        pending = pending.isEmpty() ? part : pending + u',' + part;
        if (part.contains(u':')) {
            parts.append(pending);
            pending.clear();
        }
    }
    if (!pending.trimmed().isEmpty()) parts.append(pending.split(u',', Qt::SkipEmptyParts));
    QList<ColumnSpec> cols;
    for (const QString& part : parts) {
        ColumnSpec c;
        QString p = part.trimmed();
        c.kind = u'*';
        if (!p.isEmpty() && QStringLiteral("$%#*<").contains(p[0])) {
            c.kind = p[0];
            p = p.mid(1);
        }
        const int colon = p.lastIndexOf(u':');
        c.label = colon < 0 ? p : p.left(colon);
        c.width = colon < 0 ? 0 : p.mid(colon + 1).toDouble();
        cols.append(c);
    }
    return cols;
}

namespace {

// The screen directives, one function each: a line becomes the controls it
// stands for.
using Controls = QList<ScreenControl>;

void sectionOrNote(const FormSource&, const Line& line, Controls& out) {
    ScreenControl c;
    c.type = line.directive == QLatin1String("section") ? ControlType::Section : ControlType::Note;
    c.label = labelArg(line);
    out.append(c);
}

void caption(const FormSource& src, const Line&, Controls& out) {
    static_assert(wm4::caption::CaseNumber == wm4::caption::Estate + 1);
    addBlock(src, out, wm4::caption::Estate,
             {QStringLiteral("Estate of"), QStringLiteral("Case number")});
}

void fullCaption(const FormSource& src, const Line& line, Controls& out) {
    // The judges line names every judge of the court: it needs the whole
    // width the screen has.
    out.append(computedField(src, wm4::caption::County, QStringLiteral("County")));
    out.append(computedField(src, wm4::caption::Judges, QStringLiteral("Judges"), kToRightEdge));
    caption(src, line, out);
}

void backCaption(const FormSource& src, const Line&, Controls& out) {
    addBlock(src, out, wm4::caption::BackCaseNumber, {QStringLiteral("Case number")});
}

void decedent(const FormSource& src, const Line& line, Controls& out) {
    addBlock(src, out, slotArg(src, line, 0),
             {QStringLiteral("Date of death"), QStringLiteral("Decedent's street address"),
              QStringLiteral("City or village"), QStringLiteral("County of residence"),
              QStringLiteral("Township or further address"), QStringLiteral("State"),
              QStringLiteral("ZIP code")},
             QStringLiteral("DecedentBlock"));
}

void attorney(const FormSource& src, const Line& line, Controls& out) {
    addBlock(
        src, out, slotArg(src, line, 0),
        {QStringLiteral("Attorney"), QStringLiteral("Attorney's street address"),
         QStringLiteral("Attorney's city, state and ZIP"), QStringLiteral("Attorney's telephone"),
         QStringLiteral("Attorney registration number")},
        QStringLiteral("AttorneyBlock"));
}

void fiduciary(const FormSource& src, const Line& line, Controls& out) {
    addBlock(src, out, slotArg(src, line, 0),
             {QStringLiteral("Fiduciary"), QStringLiteral("Fiduciary's street address"),
              QStringLiteral("Fiduciary's city, state and ZIP"),
              QStringLiteral("Fiduciary's telephone")},
             QStringLiteral("FiduciaryBlock"));
}

void field(const FormSource& src, const Line& line, Controls& out) {
    const QList<Token> pos = line.positional();
    ScreenControl c;
    c.type = ControlType::Field;
    c.slot = slotArg(src, line, 0);
    bool ok = false;
    c.kind = kindFromWord(pos.value(1).text, &ok);
    if (!ok) fail(src, line, QStringLiteral("unknown field kind \"%1\"").arg(pos.value(1).text));
    const QString mode = pos.value(2).text;
    if (mode == QLatin1String("calc")) {
        c.computed = true;
        c.kept = src.kept.contains(c.slot);
    } else if (mode != QLatin1String("in")) {
        fail(src, line, QStringLiteral("field mode must be in or calc"));
    }
    c.label = labelArg(line);
    c.prompt = line.option(QStringLiteral("prompt"));
    const bool date = pos.value(1).text == QLatin1String("date");
    if (date && c.prompt.isEmpty() && !c.computed) c.prompt = QStringLiteral("m/d/yyyy");
    c.help = line.option(QStringLiteral("help"));
    const QString width = line.option(QStringLiteral("width"), QStringLiteral("0"));
    c.width = width == QLatin1String("full") ? kToRightEdge : width.toInt();
    if (c.width == 0 && date) c.width = 160;
    c.estSlot = line.option(QStringLiteral("est"), QStringLiteral("-1")).toInt();
    c.name = line.option(QStringLiteral("name"));
    out.append(c);
}

// A check box, memo or combo box: one slot, its label and help.
ScreenControl boundControl(const FormSource& src, const Line& line, ControlType type) {
    ScreenControl c;
    c.type = type;
    c.slot = slotArg(src, line, 0);
    c.label = labelArg(line);
    c.help = line.option(QStringLiteral("help"));
    c.name = line.option(QStringLiteral("name"));
    return c;
}

void checkOrRadio(const FormSource& src, const Line& line, Controls& out) {
    ScreenControl c = boundControl(
        src, line,
        line.directive == QLatin1String("check") ? ControlType::Check : ControlType::Radio);
    c.group = line.option(QStringLiteral("group"));
    c.computed = line.hasFlag(QStringLiteral("calc"));
    c.kept = c.computed && src.kept.contains(c.slot);
    out.append(c);
}

void memo(const FormSource& src, const Line& line, Controls& out) {
    ScreenControl c = boundControl(src, line, ControlType::Memo);
    c.prompt = line.option(QStringLiteral("prompt"));
    c.lines = line.option(QStringLiteral("lines"), QStringLiteral("4")).toInt();
    c.computed = line.hasFlag(QStringLiteral("calc"));
    c.kept = c.computed && src.kept.contains(c.slot);
    out.append(c);
}

void combo(const FormSource& src, const Line& line, Controls& out) {
    ScreenControl c = boundControl(src, line, ControlType::Combo);
    c.items = line.option(QStringLiteral("items")).split(u'|');
    out.append(c);
}

// grid start=4 rows=12 [step=3] cols="Name:260,Address:260" [calc]
void grid(const FormSource& src, const Line& line, Controls& out) {
    const int start = line.option(QStringLiteral("start"), QStringLiteral("-1")).toInt();
    const int rows = line.option(QStringLiteral("rows"), QStringLiteral("0")).toInt();
    const QList<ColumnSpec> specs = ParseColumns(line.option(QStringLiteral("cols")));
    const int step = line.option(QStringLiteral("step"), QString::number(specs.size())).toInt();
    if (start < 0 || rows <= 0 || specs.isEmpty())
        fail(src, line, QStringLiteral("grid needs start, rows and cols"));
    const bool computed = line.hasFlag(QStringLiteral("calc"));
    QList<GridColumn> cols;
    for (const ColumnSpec& s : specs)
        cols.append(
            GridColumn{s.label, kindFromChar(s.kind), int(s.width) > 0 ? int(s.width) : 200});
    ScreenControl header;
    header.type = ControlType::GridHeader;
    header.columns = cols;
    header.label = labelArg(line);
    header.rangeName = line.option(QStringLiteral("name"));
    header.rangeStart = start;
    header.rangeCount = (rows - 1) * step + int(cols.size());
    out.append(header);
    for (int r = 0; r < rows; ++r) {
        ScreenControl row;
        row.type = ControlType::GridRow;
        row.columns = cols;
        row.computed = computed;
        bool anyKept = false;
        for (int c = 0; c < cols.size(); ++c) {
            row.slots.append(start + r * step + c);
            anyKept = anyKept || src.kept.contains(start + r * step + c);
        }
        row.kept = computed && anyKept;
        out.append(row);
    }
}

using Directive = void (*)(const FormSource&, const Line&, Controls&);

const QHash<QString, Directive>& directives() {
    static const QHash<QString, Directive> table = {
        {QStringLiteral("section"), sectionOrNote},
        {QStringLiteral("note"), sectionOrNote},
        {QStringLiteral("caption"), caption},
        {QStringLiteral("fullcaption"), fullCaption},
        {QStringLiteral("backcaption"), backCaption},
        {QStringLiteral("decedent"), decedent},
        {QStringLiteral("attorney"), attorney},
        {QStringLiteral("fiduciary"), fiduciary},
        {QStringLiteral("field"), field},
        {QStringLiteral("check"), checkOrRadio},
        {QStringLiteral("radio"), checkOrRadio},
        {QStringLiteral("memo"), memo},
        {QStringLiteral("combo"), combo},
        {QStringLiteral("grid"), grid},
    };
    return table;
}

}  // namespace

QList<ScreenControl> ExpandScreen(const FormSource& src) {
    QList<ScreenControl> out;
    for (const Line& line : src.screen) {
        const Directive directive = directives().value(line.directive);
        if (!directive)
            fail(src, line, QStringLiteral("unknown screen line \"%1\"").arg(line.directive));
        directive(src, line, out);
    }
    return out;
}

QList<int> ScreenSlots(const QList<ScreenControl>& controls) {
    QList<int> slots;
    for (const ScreenControl& c : controls) {
        if (c.slot >= 0) slots.append(c.slot);
        if (c.estSlot >= 0) slots.append(c.estSlot);
        slots.append(c.slots);
    }
    return slots;
}

}  // namespace formgen
