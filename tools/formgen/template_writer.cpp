#include "template_writer.h"

#include <QHash>
#include <QRegularExpression>
#include <cmath>
#include <stdexcept>

#include "date_styles.h"
#include "screen_items.h"

namespace formgen {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr double kBodyWidth = 7.0;  // inches between the margins
constexpr int kBodySize = 20;       // half-points
constexpr int kSmallSize = 14;
constexpr int kCellGap = 72;  // twips of padding on each side of a cell text
const QString FigureSpace = QStringLiteral("\\u8199?");  // U+2007, as wide as a digit

// Amounts, whole numbers and percentages stand flush right in their cells,
// and so does a text printed as it stands in a column of figures ("<": a
// schedule's value text, "$" and all).
bool isNumberKind(QChar kind) {
    return kind == MarkerKind::Amount || kind == MarkerKind::AmountToo ||
           kind == MarkerKind::Percent || kind == MarkerKind::PlainToo;
}

int twips(double inches) {
    return int(std::lround(inches * kTwipsPerInch));
}

// Literal text as RTF: escapes the three special characters, writes
// non-ASCII characters as Unicode escapes.
QString escape(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += u'\\';
            out += c;
        } else if (c.unicode() > 127) {
            out += QStringLiteral("\\u%1?").arg(int(c.unicode()));
        } else {
            out += c;
        }
    }
    return out;
}

// Estimated printed width of a label at 10 points, with the cell's padding.
double labelWidth(const QString& text, int halfPoints = kBodySize) {
    double w = 0;
    for (const QChar c : text) w += c.isUpper() ? 0.088 : (c == u' ' ? 0.04 : 0.07);
    return w * halfPoints / 20.0 + 0.16;
}

struct Cell {
    enum Kind { Label, Field, Blank, Spacer } kind = Label;
    QString text;  // label text
    FieldPlace place;
    double width = 0;
    bool bold = false;
    bool right = false;  // a label set flush right (the header of a number column)
    bool caps = false;   // a field printed in capitals (the caption's name)
    int typedSlot = -1;  // a blank that prints the typed signature of this slot
};

class TemplateBuilder {
public:
    explicit TemplateBuilder(const FormSource& src)
        : m_src(src),
          m_longDates(DateStyleOf(src.page) == DateStyle::Long ? DateSlots(src) : QSet<int>()) {}

    [[noreturn]] void fail(int line, const QString& what) const {
        throw std::runtime_error(
            QStringLiteral("%1:%2: %3").arg(m_src.fileName).arg(line).arg(what).toStdString());
    }

    QString marker(const FieldPlace& p, double width, int size) {
        double w = width > 0 ? width : p.width;
        if (w <= 0) w = 2.0;
        if (!m_widths.contains(p.slot) || m_widths[p.slot] > w) m_widths[p.slot] = w;
        if (p.kind == MarkerKind::CheckBox)
            return QStringLiteral("\\fs%1 /&%2/").arg(size).arg(p.slot);
        // A date of a long-date form prints in long form whatever the slot
        // holds, so no date beside it stays short.
        const QChar kind = m_longDates.contains(p.slot) &&
                                   (p.kind == MarkerKind::Plain || p.kind == MarkerKind::PlainToo)
                               ? QChar(MarkerKind::LongDate)
                               : p.kind;
        return QStringLiteral("\\fs%1 /%2%3/").arg(size).arg(kind).arg(p.slot);
    }

    // Text with inline field places "{*4:2.0}": literal parts escaped, fields
    // underlined (check boxes not).
    QString inlineText(const QString& text, int line, int size, bool underline = true) {
        static const QRegularExpression field(QStringLiteral(R"(\{[^}]*\})"));
        QString out;
        int pos = 0;
        auto it = field.globalMatch(text);
        while (it.hasNext()) {
            const auto m = it.next();
            out += literal(text.mid(pos, m.capturedStart() - pos), line);
            FieldPlace p;
            if (!ParseFieldPlace(m.captured(), p))
                fail(line, QStringLiteral("bad field place %1").arg(m.captured()));
            if (p.kind == MarkerKind::CheckBox || !underline)
                out += marker(p, p.width, size) + QStringLiteral("\\fs%1 ").arg(size);
            else {
                // An empty answer still leaves a blank to write on: the
                // underline runs on past the answer for about a third of
                // the field's width. The blank is of figure spaces, which
                // the word processors keep at the start of a line (they drop
                // no-break spaces there), so a blank that wraps still shows
                // with the punctuation after it.
                const int pad = qMax(1, int(std::lround((p.width > 0 ? p.width : 1.5) * 2.5)));
                out += QStringLiteral("{\\ul") + FigureSpace + marker(p, p.width, size) +
                       FigureSpace.repeated(pad) + u'}';
            }
            pos = m.capturedEnd();
        }
        out += literal(text.mid(pos), line);
        return out;
    }

    QString literal(const QString& text, int line) {
        static const QRegularExpression markerLike(QStringLiteral(R"(/[*<$#%&+~^!])"));
        if (markerLike.match(text).hasMatch())
            fail(line, QStringLiteral("literal text looks like a field marker"));
        return escape(text);
    }

    void para(const QString& props, const QString& body, int size = kBodySize) {
        m_out += QStringLiteral("\\pard%1\\f0\\fs%2 %3\\par\n").arg(props).arg(size).arg(body);
    }

    void space(double inches) {
        m_out += QStringLiteral("\\pard\\sl-%1\\slmult0\\f0\\fs4 \\par\n").arg(twips(inches));
    }

    QList<Cell> parseCells(const Line& line, int size) {
        QList<Cell> cells;
        for (const Token& t : line.tokens) {
            Cell c;
            if (t.quoted) {
                c.kind = Cell::Label;
                c.text = t.text;
                // "Label"@>1.5: set flush right, over a column of numbers.
                c.right = t.key.startsWith(QLatin1String("@>"));
                c.width = t.key.startsWith(u'@') ? t.key.mid(c.right ? 2 : 1).toDouble()
                                                 : labelWidth(t.text, size);
            } else if (t.text.startsWith(u'{')) {
                c.kind = Cell::Field;
                if (!ParseFieldPlace(t.text, c.place))
                    fail(line.number, QStringLiteral("bad field place %1").arg(t.text));
                c.width = c.place.width > 0 ? c.place.width : 2.0;
            } else if (t.text.startsWith(u'_')) {
                // _IN a blank line; _IN!SLOT the signature line of the
                // person whose name SLOT prints (a typed signature).
                c.kind = Cell::Blank;
                const QString blank = t.text.mid(1);
                const qsizetype bang = blank.indexOf(u'!');
                c.width = blank.left(bang).toDouble();
                if (bang >= 0) {
                    bool ok = false;
                    c.typedSlot = blank.mid(bang + 1).toInt(&ok);
                    if (!ok) fail(line.number, QStringLiteral("bad signature line %1").arg(t.text));
                    m_widths.insert(c.typedSlot, m_widths.value(c.typedSlot, kBodyWidth));
                }
            } else if (t.text.startsWith(u'~')) {
                c.kind = Cell::Spacer;
                c.width = t.text.mid(1).toDouble();
            } else {
                fail(line.number, QStringLiteral("unknown row item %1").arg(t.text));
            }
            cells.append(c);
        }
        return cells;
    }

    // One table row. Fields and blanks carry a bottom rule unless plain.
    void row(const QList<Cell>& cells, int size, bool plain = false, double minHeight = 0.24,
             bool italic = false, bool bold = false, bool top = false) {
        QString defs = QStringLiteral("\\trowd\\trgaph%1\\trleft0\\trrh%2")
                           .arg(kCellGap)
                           .arg(twips(minHeight));
        QString body;
        double x = 0;
        for (const Cell& c : cells) {
            x += c.width;
            const bool ruled = !plain && (c.kind == Cell::Field || c.kind == Cell::Blank);
            defs += QStringLiteral("%1%2\\cellx%3")
                        .arg(top ? QStringLiteral("\\clvertalt") : QStringLiteral("\\clvertalb"))
                        .arg(ruled ? QStringLiteral("\\clbrdrb\\brdrs\\brdrw10") : QString())
                        .arg(twips(x));
            QString content;
            QString align = QStringLiteral("\\ql");
            if (c.kind == Cell::Label) {
                content = escape(c.text);
                if (c.right) align = QStringLiteral("\\qr");
                if (c.bold || bold) content = QStringLiteral("{\\b ") + content + u'}';
            } else if (c.kind == Cell::Field) {
                const double printable = c.width - 2.0 * kCellGap / kTwipsPerInch;
                content = marker(c.place, printable, size);
                if (c.caps) content = QStringLiteral("{\\caps ") + content + u'}';
                if (isNumberKind(c.place.kind)) align = QStringLiteral("\\qr");
                if (c.place.kind == MarkerKind::CheckBox) align = QStringLiteral("\\qc");
            } else if (c.kind == Cell::Blank && c.typedSlot >= 0) {
                // The merge prints "/s/ " and the signer's name here when
                // typed signatures are on, else nothing.
                content = QStringLiteral("\\fs%1 /!%2/").arg(size).arg(c.typedSlot);
            }
            body += QStringLiteral("\\pard\\intbl%1\\f0\\fs%2%3 %4\\cell ")
                        .arg(align)
                        .arg(size)
                        .arg(italic ? QStringLiteral("\\i") : QStringLiteral("\\i0"))
                        .arg(content);
        }
        // LibreOffice stretches a row that stops short of the margin, so a
        // blank cell always fills the rest of the line.
        if (x < kBodyWidth - 0.01) {
            defs += QStringLiteral("\\clvertalb\\cellx%1").arg(twips(kBodyWidth));
            body += QStringLiteral("\\pard\\intbl\\f0\\fs%1 \\cell ").arg(size);
        }
        if (x > kBodyWidth + 0.01)
            throw std::runtime_error(QStringLiteral("%1: a row is %2 in wide, wider than the page")
                                         .arg(m_src.fileName)
                                         .arg(x)
                                         .toStdString());
        m_out += defs + u'\n' + body + QStringLiteral("\\row\n\\pard\\i0\n");
    }

    void captionRow(int slot) {
        Cell estate = field(MarkerKind::Plain, slot, 4.4);
        estate.caps = true;
        row({label(QStringLiteral("ESTATE OF"), 1.0, true), estate,
             label(QStringLiteral(", DECEASED"), 1.6, true)},
            22);
    }

    static Cell label(const QString& text, double width, bool bold = false) {
        Cell c;
        c.kind = Cell::Label;
        c.text = text;
        c.width = width;
        c.bold = bold;
        return c;
    }
    static Cell field(QChar kind, int slot, double width) {
        Cell c;
        c.kind = Cell::Field;
        c.place.kind = kind;
        c.place.slot = slot;
        c.place.width = width;
        c.width = width;
        return c;
    }
    static Cell spacer(double width) {
        Cell c;
        c.kind = Cell::Spacer;
        c.width = width;
        return c;
    }
    static Cell blank(double width) {
        Cell c;
        c.kind = Cell::Blank;
        c.width = width;
        return c;
    }

    // A signature line on the right half, the printed name under it, and the
    // signer's role in small type.
    // capitals: the judge's name, which the entries print in capitals
    // whatever case the answer is in.
    void signature(const QString& role, const FieldPlace* name, bool capitals = false,
                   double left = 3.4, int typedSlot = -1, int roleSlot = -1) {
        space(0.22);
        Cell line = blank(kBodyWidth - left);
        line.typedSlot = typedSlot;
        row({spacer(left), line}, kBodySize, false, 0.3);
        // role=SLOT: the caption under the line is the slot's text, empty for
        // a signer the case does not have (no co-fiduciary).
        const Cell roleCell = roleSlot >= 0 ? field(MarkerKind::Plain, roleSlot, kBodyWidth - left)
                                            : label(role, kBodyWidth - left);
        row({spacer(left), roleCell}, kSmallSize, true, 0.16, true);
        if (name) {
            Cell signer = field(name->kind, name->slot, kBodyWidth - left);
            signer.caps = capitals;
            row({spacer(left), signer}, kBodySize, true);
        }
    }

    void labelledLines(int first, const QStringList& labels, double labelW, double fieldW) {
        for (int i = 0; i < labels.size(); ++i)
            row({label(labels[i], labelW), field(MarkerKind::Plain, first + i, fieldW)}, kBodySize);
    }

    // "typed" on a sign line (the fiduciary's, co-fiduciary's, attorney's or
    // applicant's) makes its line take the typed signature of the printed
    // name's slot; "typed=SLOT" names the slot for a line without a name.
    int typedSignatureSlot(const Line& line, const FieldPlace* name) {
        if (line.directive != QLatin1String("sign")) return -1;
        const QString slot = line.option(QStringLiteral("typed"));
        if (!slot.isEmpty()) {
            bool ok = false;
            const int v = slot.toInt(&ok);
            if (!ok) fail(line.number, QStringLiteral("typed= needs a slot number"));
            m_widths.insert(v, m_widths.value(v, kBodyWidth));
            return v;
        }
        if (!line.hasFlag(QStringLiteral("typed"))) return -1;
        if (!name) fail(line.number, QStringLiteral("typed without a name field needs typed=SLOT"));
        return name->slot;
    }

    int slotArg(const Line& line) {
        bool ok = false;
        const int v = line.positional().value(0).text.toInt(&ok);
        if (!ok) fail(line.number, QStringLiteral("%1 needs a slot number").arg(line.directive));
        return v;
    }

    QString quoted(const Line& line) {
        for (const Token& t : line.tokens)
            if (t.quoted) return t.text;
        return QString();
    }

    void build() {
        m_out += QStringLiteral(
            "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
            "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fswiss\\fcharset0 Arial Narrow;}"
            "{\\f2\\fnil\\fcharset2 Wingdings;}}\n"
            "\\paperw12240\\paperh15840\\margl1080\\margr1080\\margt720\\margb720\\widowctrl\n"
            "\\pard\\plain\\f0\\fs20\\v\\'b7\\v0 \n");
        for (const Line& line : m_src.print) buildLine(line);
        if (m_src.footer) footer();
        // The packet puts its page break here: plain paragraph settings keep
        // the footer's rule off the next page.
        m_out += QStringLiteral("\\pard\\plain\\f0\\fs20 \n}\n");
    }

    // The form's number and name close a court form's side in small type.
    void footer() {
        space(0.1);
        QString foot = m_src.formNumber.isEmpty()
                           ? m_src.title
                           : QStringLiteral("Form %1 - %2").arg(m_src.formNumber, m_src.title);
        if (m_src.side == QLatin1String("front")) foot += QStringLiteral(" (front)");
        if (m_src.side == QLatin1String("back")) foot += QStringLiteral(" (back)");
        para(QStringLiteral("\\ql\\brdrt\\brdrs\\brdrw5"), escape(foot), 14);
    }

    // The print directives, one function each.
    using Directive = void (TemplateBuilder::*)(const Line&);
    static const QHash<QString, Directive>& directives() {
        static const QHash<QString, Directive> table = {
            {QStringLiteral("caption"), &TemplateBuilder::caption},
            {QStringLiteral("fullcaption"), &TemplateBuilder::fullCaption},
            {QStringLiteral("backcaption"), &TemplateBuilder::backCaption},
            {QStringLiteral("title"), &TemplateBuilder::titleLine},
            {QStringLiteral("h"), &TemplateBuilder::heading},
            {QStringLiteral("hl"), &TemplateBuilder::leftHeading},
            {QStringLiteral("p"), &TemplateBuilder::paragraph},
            {QStringLiteral("text"), &TemplateBuilder::textLine},
            {QStringLiteral("ctext"), &TemplateBuilder::centredText},
            {QStringLiteral("small"), &TemplateBuilder::smallPrint},
            {QStringLiteral("check"), &TemplateBuilder::checkLine},
            {QStringLiteral("row"), &TemplateBuilder::rowLine},
            {QStringLiteral("under"), &TemplateBuilder::rowLine},
            {QStringLiteral("plainrow"), &TemplateBuilder::rowLine},
            {QStringLiteral("grid"), &TemplateBuilder::gridLines},
            {QStringLiteral("box"), &TemplateBuilder::framedBox},
            {QStringLiteral("space"), &TemplateBuilder::spaceLine},
            {QStringLiteral("sign"), &TemplateBuilder::sign},
            {QStringLiteral("judge"), &TemplateBuilder::sign},
            {QStringLiteral("notary"), &TemplateBuilder::notary},
            {QStringLiteral("attorney"), &TemplateBuilder::attorney},
            {QStringLiteral("fiduciary"), &TemplateBuilder::fiduciary},
            {QStringLiteral("decedent"), &TemplateBuilder::decedent},
        };
        return table;
    }

    void buildLine(const Line& line) {
        const Directive directive = directives().value(line.directive);
        if (!directive)
            fail(line.number, QStringLiteral("unknown print line \"%1\"").arg(line.directive));
        (this->*directive)(line);
    }

    void caseNumberRow(int slot) {
        row({spacer(3.8), label(QStringLiteral("CASE NO."), 0.9, true),
             field(MarkerKind::Plain, slot, 2.3)},
            22);
        space(0.12);
    }

    void caption(const Line&) {
        para(QStringLiteral("\\qc\\sa60"),
             QStringLiteral("{\\b PROBATE COURT OF WENDMOOR COUNTY, OHIO}"), 24);
        captionRow(wm4::caption::Estate);
        caseNumberRow(wm4::caption::CaseNumber);
    }

    void fullCaption(const Line&) {
        // The court's caption is in capitals whatever case the answers
        // are in, as on every other form.
        para(QStringLiteral("\\qc"),
             QStringLiteral("{\\b\\caps PROBATE COURT OF ") +
                 marker(field(MarkerKind::Plain, wm4::caption::County, 2.0).place, 2.0, 24) +
                 QStringLiteral("\\fs24  COUNTY, OHIO}"),
             24);
        para(QStringLiteral("\\qc\\sa60"),
             QStringLiteral("{\\caps ") +
                 marker(field(MarkerKind::Plain, wm4::caption::Judges, 7.0).place, 7.0, 16) + u'}',
             16);
        captionRow(wm4::caption::Estate);
        caseNumberRow(wm4::caption::CaseNumber);
    }

    void backCaption(const Line&) { caseNumberRow(wm4::caption::BackCaseNumber); }

    void titleLine(const Line& line) {
        const QString t = quoted(line).isEmpty() ? m_src.title : quoted(line);
        para(QStringLiteral("\\qc\\sb60\\sa120"), QStringLiteral("{\\b ") + escape(t) + u'}', 24);
    }

    void heading(const Line& line) {
        para(QStringLiteral("\\qc\\sb60\\sa60"),
             QStringLiteral("{\\b ") + escape(quoted(line)) + u'}', 22);
    }

    void leftHeading(const Line& line) {
        para(QStringLiteral("\\ql\\sb80\\sa40"),
             QStringLiteral("{\\b ") + escape(quoted(line)) + u'}');
    }

    void paragraph(const Line& line) {
        para(QStringLiteral("\\qj\\sa80\\sl276\\slmult1"),
             inlineText(quoted(line), line.number, kBodySize));
    }

    // plain: the fields run on in the text without a rule (a letter's
    // salutation).
    void textLine(const Line& line) {
        para(QStringLiteral("\\ql\\sa40"), inlineText(quoted(line), line.number, kBodySize,
                                                      !line.hasFlag(QStringLiteral("plain"))));
    }

    // Centred text such as a letterhead: its fields print plain, without the
    // rule a form's blanks carry.
    void centredText(const Line& line) {
        const int size = line.option(QStringLiteral("size"), QString::number(kBodySize)).toInt();
        QString body = inlineText(quoted(line), line.number, size, false);
        if (line.hasFlag(QStringLiteral("bold"))) body = QStringLiteral("{\\b ") + body + u'}';
        para(QStringLiteral("\\qc"), body, size);
    }

    void smallPrint(const Line& line) {
        para(QStringLiteral("\\qj\\sa40"),
             QStringLiteral("{\\i ") + inlineText(quoted(line), line.number, kSmallSize) + u'}',
             kSmallSize);
    }

    // check {&7} "text" [plain]: the box, a tab, the text with a hanging
    // indent (plain: its fields unruled, a sentence the calculation words).
    void checkLine(const Line& line) {
        FieldPlace box;
        const QList<Token> pos = line.positional();
        if (pos.isEmpty() || !ParseFieldPlace(pos[0].text, box) || box.kind != MarkerKind::CheckBox)
            fail(line.number, QStringLiteral("check needs a check-box place {&n}"));
        const double indent = line.option(QStringLiteral("indent"), QStringLiteral("0")).toDouble();
        para(QStringLiteral("\\qj\\sa60\\li%1\\fi-%2\\tx%1")
                 .arg(twips(indent + 0.3))
                 .arg(twips(0.3)),
             marker(box, 0.2, kBodySize) + QStringLiteral("\\fs%1\\tab ").arg(kBodySize) +
                 inlineText(quoted(line), line.number, kBodySize,
                            !line.hasFlag(QStringLiteral("plain"))));
    }

    // row, under (small italic labels under a row) and plainrow (no rules).
    void rowLine(const Line& line) {
        const bool under = line.directive == QLatin1String("under");
        const int size =
            under ? kSmallSize
                  : line.option(QStringLiteral("size"), QString::number(kBodySize)).toInt();
        Line cellsOnly = line;
        cellsOnly.tokens.clear();
        for (const Token& t : line.tokens)
            if ((t.key.isEmpty() || t.key.startsWith(u'@')) &&
                !(!t.quoted && t.text == QLatin1String("top")))
                cellsOnly.tokens.append(t);
        const double height = line.option(QStringLiteral("height"),
                                          under ? QStringLiteral("0.16") : QStringLiteral("0.24"))
                                  .toDouble();
        // top: every cell starts at the top of the row (a stacked name and
        // address beside one-line cells).
        row(parseCells(cellsOnly, size), size, under || line.directive == QLatin1String("plainrow"),
            height, under, false, line.hasFlag(QStringLiteral("top")));
    }

    void gridLines(const Line& line) {
        const int start = line.option(QStringLiteral("start"), QStringLiteral("-1")).toInt();
        const int rows = line.option(QStringLiteral("rows"), QStringLiteral("0")).toInt();
        const QList<ColumnSpec> cols = ParseColumns(line.option(QStringLiteral("cols")));
        const int step = line.option(QStringLiteral("step"), QString::number(cols.size())).toInt();
        const int size = line.option(QStringLiteral("size"), QStringLiteral("18")).toInt();
        const double height =
            line.option(QStringLiteral("height"), QStringLiteral("0.24")).toDouble();
        if (start < 0 || rows <= 0 || cols.isEmpty())
            fail(line.number, QStringLiteral("grid needs start, rows and cols"));
        QList<Cell> header;
        // A number column's header stands over its numbers, on the right.
        for (const ColumnSpec& c : cols) {
            header.append(label(c.label, c.width));
            header.back().right = isNumberKind(c.kind);
        }
        if (!line.hasFlag(QStringLiteral("noheader")))
            row(header, kSmallSize, true, 0.16, false, true);
        for (int r = 0; r < rows; ++r) {
            QList<Cell> cells;
            for (int k = 0; k < cols.size(); ++k)
                cells.append(field(cols[k].kind, start + r * step + k, cols[k].width));
            row(cells, size, false, height);
        }
    }

    // box {+1:6.75} lines=13 [size=22]: a framed box of a fixed number of
    // lines for a text the calculation keeps whole.
    void framedBox(const Line& line) {
        FieldPlace place;
        const QList<Token> pos = line.positional();
        if (pos.isEmpty() || !ParseFieldPlace(pos[0].text, place))
            fail(line.number, QStringLiteral("box needs a field place"));
        const int lines = line.option(QStringLiteral("lines"), QStringLiteral("4")).toInt();
        const int size = line.option(QStringLiteral("size"), QString::number(kBodySize)).toInt();
        const double width = place.width > 0 ? place.width : kBodyWidth;
        // Exact height (a negative \\trrh): lines at 1.15 times the size.
        const int height = twips(lines * size / 2.0 * 1.15 / 72.0) + 2 * kCellGap;
        m_out += QStringLiteral(
                     "\\trowd\\trgaph%1\\trleft0\\trrh-%2\\clvertalt"
                     "\\clbrdrt\\brdrs\\brdrw5\\clbrdrl\\brdrs\\brdrw5\\clbrdrb\\brdrs\\brdrw5"
                     "\\clbrdrr\\brdrs\\brdrw5\\cellx%3\n")
                     .arg(kCellGap)
                     .arg(height)
                     .arg(twips(width));
        m_out += QStringLiteral("\\pard\\intbl\\ql\\f0\\fs%1 %2\\cell \\row\n\\pard\n")
                     .arg(size)
                     .arg(marker(place, width - 2.0 * kCellGap / kTwipsPerInch, size));
    }

    void spaceLine(const Line& line) { space(line.positional().value(0).text.toDouble()); }

    // sign "Role" [{*SLOT:IN}] and judge {*SLOT:IN}.
    void sign(const Line& line) {
        const bool judge = line.directive == QLatin1String("judge");
        FieldPlace name;
        bool hasName = false;
        for (const Token& t : line.tokens)
            if (!t.quoted && ParseFieldPlace(t.text, name)) hasName = true;
        const QString role = judge ? QStringLiteral("PROBATE JUDGE") : quoted(line);
        int roleSlot = -1;
        if (const QString slot = line.option(QStringLiteral("role")); !slot.isEmpty()) {
            bool ok = false;
            roleSlot = slot.toInt(&ok);
            if (!ok) fail(line.number, QStringLiteral("role= needs a slot number"));
        }
        signature(role, hasName ? &name : nullptr, judge, 3.4,
                  typedSignatureSlot(line, hasName ? &name : nullptr), roleSlot);
    }

    void notary(const Line&) {
        space(0.1);
        para(QStringLiteral("\\ql"),
             escape(QStringLiteral("Sworn to before me and signed in my presence on this date:")));
        row({spacer(0.3), blank(2.8)}, kBodySize, false, 0.3);
        signature(QStringLiteral("Notary Public"), nullptr);
    }

    void attorney(const Line& line) {
        labelledLines(slotArg(line),
                      {QStringLiteral("Attorney"), QStringLiteral("Address"),
                       QStringLiteral("City, state, ZIP"), QStringLiteral("Telephone"),
                       QStringLiteral("Supreme Court Reg. No.")},
                      1.9, 3.5);
    }

    void fiduciary(const Line& line) {
        labelledLines(slotArg(line),
                      {QStringLiteral("Fiduciary"), QStringLiteral("Address"),
                       QStringLiteral("City, state, ZIP"), QStringLiteral("Telephone")},
                      1.9, 3.5);
    }

    void decedent(const Line& line) {
        const int n = slotArg(line);
        const auto plain = [](int slot, double width) {
            return field(MarkerKind::Plain, slot, width);
        };
        row({label(QStringLiteral("Date of death"), 1.3), plain(n, 2.2)}, kBodySize);
        row({label(QStringLiteral("Domicile: street"), 1.3), plain(n + 1, 5.7)}, kBodySize);
        row({label(QStringLiteral("City or village"), 1.3), plain(n + 2, 2.4),
             label(QStringLiteral("Township"), 0.9), plain(n + 4, 2.4)},
            kBodySize);
        row({label(QStringLiteral("County"), 1.3), plain(n + 3, 2.4),
             label(QStringLiteral("State"), 0.6), plain(n + 5, 1.0),
             label(QStringLiteral("ZIP"), 0.5), plain(n + 6, 1.2)},
            kBodySize);
    }

    QString m_out;
    QMap<int, double> m_widths;

private:
    const FormSource& m_src;
    QSet<int> m_longDates;  // date slots printed in long form
};

}  // namespace

TemplateResult WriteTemplate(const FormSource& src) {
    TemplateBuilder b(src);
    b.build();
    TemplateResult r;
    r.rtf = b.m_out.toLatin1();
    r.widths = b.m_widths;
    return r;
}

}  // namespace formgen
