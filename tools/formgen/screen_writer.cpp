#include "screen_writer.h"

#include <QXmlStreamWriter>
#include <array>
#include <cstdio>

namespace formgen {

namespace {

constexpr int kLeft = 16;
constexpr int kControlX = 330;
constexpr int kPageWidth = 900;
constexpr int kRowHeight = 30;

int defaultWidth(EditKind kind) {
    switch (kind) {
        case EditKind::Amount:
            return 140;
        case EditKind::Percent:
        case EditKind::Whole:
            return 90;
        case EditKind::Text:
        case EditKind::Amount4:
        case EditKind::Unbound:
            break;
    }
    return 380;
}

class UiWriter {
public:
    explicit UiWriter(QByteArray* out) : x(out) {
        x.setAutoFormatting(true);
        x.setAutoFormattingIndent(1);
    }

    void begin(const QString& cls, const QString& name) {
        x.writeStartElement(QStringLiteral("widget"));
        x.writeAttribute(QStringLiteral("class"), cls);
        x.writeAttribute(QStringLiteral("name"), name);
    }
    void end() { x.writeEndElement(); }

    void geometry(int left, int top, int w, int h) {
        prop(QStringLiteral("geometry"));
        x.writeStartElement(QStringLiteral("rect"));
        x.writeTextElement(QStringLiteral("x"), QString::number(left));
        x.writeTextElement(QStringLiteral("y"), QString::number(top));
        x.writeTextElement(QStringLiteral("width"), QString::number(w));
        x.writeTextElement(QStringLiteral("height"), QString::number(h));
        x.writeEndElement();
        x.writeEndElement();
    }
    void size(const QString& name, int w, int h) {
        prop(name);
        x.writeStartElement(QStringLiteral("size"));
        x.writeTextElement(QStringLiteral("width"), QString::number(w));
        x.writeTextElement(QStringLiteral("height"), QString::number(h));
        x.writeEndElement();
        x.writeEndElement();
    }
    void string(const QString& name, const QString& value, bool dynamic = false) {
        prop(name, dynamic);
        x.writeTextElement(QStringLiteral("string"), value);
        x.writeEndElement();
    }
    void number(const QString& name, int value, bool dynamic = false) {
        prop(name, dynamic);
        x.writeTextElement(QStringLiteral("number"), QString::number(value));
        x.writeEndElement();
    }
    void boolean(const QString& name, bool value, bool dynamic = false) {
        prop(name, dynamic);
        x.writeTextElement(QStringLiteral("bool"),
                           value ? QStringLiteral("true") : QStringLiteral("false"));
        x.writeEndElement();
    }
    void font(int points, bool bold) {
        prop(QStringLiteral("font"));
        x.writeStartElement(QStringLiteral("font"));
        x.writeTextElement(QStringLiteral("pointsize"), QString::number(points));
        x.writeTextElement(QStringLiteral("bold"),
                           bold ? QStringLiteral("true") : QStringLiteral("false"));
        x.writeEndElement();
        x.writeEndElement();
    }
    void enumValue(const QString& name, const QString& value) {
        prop(name);
        x.writeTextElement(QStringLiteral("enum"), value);
        x.writeEndElement();
    }
    // A flags property ("Qt::AlignRight|Qt::AlignVCenter"): the loader reads
    // combined values only from a set, and ignores them written as an enum.
    void flags(const QString& name, const QString& value) {
        prop(name);
        x.writeTextElement(QStringLiteral("set"), value);
        x.writeEndElement();
    }
    QXmlStreamWriter x;

private:
    void prop(const QString& name, bool dynamic = false) {
        x.writeStartElement(QStringLiteral("property"));
        x.writeAttribute(QStringLiteral("name"), name);
        if (dynamic) x.writeAttribute(QStringLiteral("stdset"), QStringLiteral("0"));
    }
};

class ScreenBuilder {
public:
    ScreenBuilder(const FormSource& src, UiWriter& w) : m_src(src), m_w(w) {}

    void label(const QString& name, const QString& text, int left, int top, int width, int height,
               int points = 0, bool bold = false, bool wrap = false) {
        m_w.begin(QStringLiteral("QLabel"), name);
        m_w.geometry(left, top, width, height);
        if (points > 0) m_w.font(points, bold);
        m_w.string(QStringLiteral("text"), text);
        if (wrap) m_w.boolean(QStringLiteral("wordWrap"), true);
        m_w.end();
    }

    QString nextLabelName() { return QStringLiteral("lblText%1").arg(++m_labelCount); }

    // A "?" button whose child callout panel holds the help text.
    void helpButton(int slot, const QString& help, int left, int top) {
        m_w.begin(QStringLiteral("QPushButton"), QStringLiteral("btnHelp%1").arg(slot));
        m_w.geometry(left, top, 24, 24);
        m_w.string(QStringLiteral("text"), QStringLiteral("?"));
        m_w.string(QStringLiteral("toolTip"), QStringLiteral("Show or hide help"));
        const int lines = int(help.size() / 58) + 1;
        const int height = lines * 18 + 16;
        m_w.begin(QStringLiteral("QFrame"), QStringLiteral("pnlCallout%1").arg(slot));
        m_w.geometry(0, 26, 380, height);
        m_w.boolean(QStringLiteral("callout"), true, true);
        m_w.boolean(QStringLiteral("visible"), false);
        m_w.enumValue(QStringLiteral("frameShape"), QStringLiteral("QFrame::Box"));
        m_w.string(QStringLiteral("styleSheet"),
                   QStringLiteral("QFrame { background-color: #fff8d0; }"));
        label(QStringLiteral("lblCallout%1").arg(slot), help, 8, 8, 364, height - 16, 0, false,
              true);
        m_w.end();
        m_w.end();
    }

    void edit(int slot, EditKind kind, bool computed, bool kept, const QString& prompt, int left,
              int top, int width) {
        m_w.begin(QStringLiteral("QLineEdit"), QStringLiteral("edt%1").arg(slot));
        m_w.geometry(left, top, width, 24);
        m_w.number(QStringLiteral("Tag"), wm4::EditTag(kind, slot), true);
        if (computed) {
            m_w.string(QStringLiteral("StyleLookup"),
                       kept ? QStringLiteral("EDITOVERRIDEABLE") : QStringLiteral("EDITREADONLY"),
                       true);
            m_w.boolean(QStringLiteral("readOnly"), true);
        }
        if (kind != EditKind::Text)
            m_w.flags(QStringLiteral("alignment"),
                      QStringLiteral("Qt::AlignRight|Qt::AlignVCenter"));
        if (!prompt.isEmpty()) m_w.string(QStringLiteral("placeholderText"), prompt);
        m_w.end();
    }

    void checkBox(const QString& name, int tag, const QString& text, bool computed, bool kept,
                  int left, int top, int width) {
        m_w.begin(QStringLiteral("QCheckBox"), name);
        m_w.geometry(left, top, width, 24);
        m_w.number(QStringLiteral("Tag"), tag, true);
        if (kept)
            m_w.string(QStringLiteral("StyleLookup"), QStringLiteral("CHECKBOXOVERRIDEABLE"), true);
        else if (computed)
            m_w.boolean(QStringLiteral("enabled"), false);
        m_w.string(QStringLiteral("text"), text);
        m_w.end();
    }

    int build() {
        int y = 12;
        QString heading = QStringLiteral("Form %1  %2").arg(m_src.formNumber, m_src.screenTitle);
        if (m_src.formNumber.isEmpty()) heading = m_src.screenTitle;
        if (!m_src.side.isEmpty())
            heading += QStringLiteral("  (%1)").arg(m_src.side == QLatin1String("back")
                                                        ? QStringLiteral("back")
                                                        : QStringLiteral("front"));
        label(QStringLiteral("lblFormTitle"), heading, kLeft, y, kPageWidth - 2 * kLeft, 28, 13,
              true);
        y += 40;
        const QList<ScreenControl> controls = ExpandScreen(m_src);
        for (int i = 0; i < controls.size(); ++i)
            (this->*placers()[size_t(controls[i].type)])(controls, i, y);
        return y + 16;
    }

private:
    // One function per control type, chosen by the type: each places the
    // control controls[i] at y and moves y below it (a radio group moves i
    // past the buttons it placed too).
    using Placer = void (ScreenBuilder::*)(const QList<ScreenControl>&, int&, int&);
    static const std::array<Placer, 9>& placers() {
        static const std::array<Placer, 9> table = {
            &ScreenBuilder::section, &ScreenBuilder::note,       &ScreenBuilder::field,
            &ScreenBuilder::check,   &ScreenBuilder::radio,      &ScreenBuilder::memo,
            &ScreenBuilder::combo,   &ScreenBuilder::gridHeader, &ScreenBuilder::gridRow,
        };
        static_assert(int(ControlType::Section) == 0 && int(ControlType::GridRow) == 8,
                      "the table follows the order of ControlType");
        return table;
    }

    void section(const QList<ScreenControl>& controls, int& i, int& y) {
        y += 6;
        label(nextLabelName(), controls[i].label, kLeft, y, kPageWidth - 2 * kLeft, 22, 11, true);
        y += 30;
    }

    void note(const QList<ScreenControl>& controls, int& i, int& y) {
        const ScreenControl& c = controls[i];
        const int h = 18 * (int(c.label.size() / 120) + 1) + 2;
        label(nextLabelName(), c.label, kLeft, y, kPageWidth - 2 * kLeft, h, 0, false, true);
        y += h + 6;
    }

    void field(const QList<ScreenControl>& controls, int& i, int& y) {
        const ScreenControl& c = controls[i];
        label(QStringLiteral("lbl%1").arg(c.slot), c.label, kLeft, y + 2, kControlX - kLeft - 8,
              20);
        // A box running on to the margin leaves room for its "?".
        const int w = c.width == kToRightEdge
                          ? kPageWidth - kLeft - kControlX - (c.help.isEmpty() ? 0 : 32)
                      : c.width > 0 ? c.width
                                    : defaultWidth(c.kind);
        edit(c.slot, c.kind, c.computed, c.kept, c.prompt, kControlX, y, w);
        int x = kControlX + w + 8;
        if (c.estSlot >= 0) {
            checkBox(QStringLiteral("cbxEst%1").arg(c.estSlot), wm4::EstimateTag(c.estSlot),
                     QString(), false, false, x, y, 60);
            x += 66;
        }
        if (!c.help.isEmpty()) helpButton(c.slot, c.help, x, y);
        y += kRowHeight;
    }

    void check(const QList<ScreenControl>& controls, int& i, int& y) {
        const ScreenControl& c = controls[i];
        checkBox(QStringLiteral("cbx%1").arg(c.slot), c.slot, c.label, c.computed, c.kept, kLeft, y,
                 kPageWidth - 2 * kLeft - 40);
        // The help button stands just after the box's text.
        if (!c.help.isEmpty())
            helpButton(c.slot, c.help,
                       qMin(kPageWidth - kLeft - 30, kLeft + 34 + int(c.label.size() * 6.6)), y);
        y += 28;
    }

    // Consecutive radio buttons of one group share a container, which makes
    // them exclusive.
    void radio(const QList<ScreenControl>& controls, int& i, int& y) {
        const ScreenControl& c = controls[i];
        int j = i;
        while (j + 1 < controls.size() && controls[j + 1].type == ControlType::Radio &&
               controls[j + 1].group == c.group)
            ++j;
        const int count = j - i + 1;
        m_w.begin(
            QStringLiteral("QWidget"),
            QStringLiteral("grp%1").arg(c.group.isEmpty() ? QString::number(c.slot) : c.group));
        m_w.geometry(kLeft, y, kPageWidth - 2 * kLeft, count * 28);
        for (int k = i; k <= j; ++k) {
            m_w.begin(QStringLiteral("QRadioButton"),
                      QStringLiteral("rbn%1").arg(controls[k].slot));
            m_w.geometry(0, (k - i) * 28, kPageWidth - 2 * kLeft - 40, 24);
            m_w.number(QStringLiteral("Tag"), controls[k].slot, true);
            m_w.string(QStringLiteral("text"), controls[k].label);
            m_w.end();
        }
        m_w.end();
        for (int k = i; k <= j; ++k)
            if (!controls[k].help.isEmpty())
                helpButton(controls[k].slot, controls[k].help, kPageWidth - kLeft - 30,
                           y + (k - i) * 28);
        y += count * 28 + 4;
        i = j;
    }

    void memo(const QList<ScreenControl>& controls, int& i, int& y) {
        const ScreenControl& c = controls[i];
        label(QStringLiteral("lbl%1").arg(c.slot), c.label, kLeft, y + 2, kControlX - kLeft - 8, 40,
              0, false, true);
        const int h = c.lines * 18 + 10;
        m_w.begin(QStringLiteral("QPlainTextEdit"), QStringLiteral("mem%1").arg(c.slot));
        m_w.geometry(kControlX, y, 540, h);
        m_w.number(QStringLiteral("Tag"), c.slot, true);
        if (c.computed) {
            if (c.kept)
                m_w.string(QStringLiteral("StyleLookup"), QStringLiteral("MEMOOVERRIDEABLE"), true);
            m_w.boolean(QStringLiteral("readOnly"), true);
        }
        if (!c.prompt.isEmpty()) m_w.string(QStringLiteral("placeholderText"), c.prompt);
        m_w.end();
        if (!c.help.isEmpty()) helpButton(c.slot, c.help, kControlX + 548, y);
        y += h + 8;
    }

    void combo(const QList<ScreenControl>& controls, int& i, int& y) {
        const ScreenControl& c = controls[i];
        label(QStringLiteral("lbl%1").arg(c.slot), c.label, kLeft, y + 2, kControlX - kLeft - 8,
              20);
        const int width = c.width > 0 ? c.width : 300;
        m_w.begin(QStringLiteral("QComboBox"), QStringLiteral("cbo%1").arg(c.slot));
        m_w.geometry(kControlX, y, width, 24);
        m_w.number(QStringLiteral("Tag"), c.slot, true);
        for (const QString& item : c.items) {
            m_w.x.writeStartElement(QStringLiteral("item"));
            m_w.string(QStringLiteral("text"), item);
            m_w.x.writeEndElement();
        }
        m_w.end();
        if (!c.help.isEmpty()) helpButton(c.slot, c.help, kControlX + width + 8, y);
        y += kRowHeight;
    }

    void gridHeader(const QList<ScreenControl>& controls, int& i, int& y) {
        const ScreenControl& c = controls[i];
        int total = kLeft;
        for (const GridColumn& col : c.columns) total += col.width + 6;
        if (total > kPageWidth)
            std::fprintf(stderr,
                         "formgen: warning: %s: a grid is %d pixels wide, wider than the screen "
                         "(%d)\n",
                         qPrintable(m_src.fileName), total, kPageWidth);
        if (!c.label.isEmpty()) {
            label(nextLabelName(), c.label, kLeft, y, kPageWidth - 2 * kLeft, 20, 0, true);
            y += 22;
        }
        int x = kLeft;
        for (const GridColumn& col : c.columns) {
            label(nextLabelName(), col.label, x, y, col.width, 18);
            x += col.width + 6;
        }
        y += 20;
    }

    void gridRow(const QList<ScreenControl>& controls, int& i, int& y) {
        const ScreenControl& c = controls[i];
        int x = kLeft;
        for (int k = 0; k < c.columns.size(); ++k) {
            const GridColumn& col = c.columns[k];
            edit(c.slots[k], col.kind, c.computed, c.computed && m_src.kept.contains(c.slots[k]),
                 QString(), x, y, col.width);
            x += col.width + 6;
        }
        y += 28;
    }

private:
    const FormSource& m_src;
    UiWriter& m_w;
    int m_labelCount = 0;
};

}  // namespace

QByteArray WriteScreen(const FormSource& src, const QList<ScreenControl>& /*controls*/) {
    QByteArray out;
    UiWriter w(&out);
    w.x.writeStartDocument();
    w.x.writeStartElement(QStringLiteral("ui"));
    w.x.writeAttribute(QStringLiteral("version"), QStringLiteral("4.0"));
    const QString rootName = QStringLiteral("page%1").arg(src.page);
    w.x.writeTextElement(QStringLiteral("class"), rootName);
    // The root's size is known only after its children are placed: a dry run
    // measures it.
    int height = 0;
    {
        QByteArray scratch;
        UiWriter dry(&scratch);
        height = ScreenBuilder(src, dry).build();
    }
    w.begin(QStringLiteral("QWidget"), rootName);
    w.geometry(0, 0, kPageWidth, height);
    w.size(QStringLiteral("minimumSize"), kPageWidth, height);
    ScreenBuilder(src, w).build();
    w.end();
    w.x.writeEmptyElement(QStringLiteral("resources"));
    w.x.writeEmptyElement(QStringLiteral("connections"));
    w.x.writeEndElement();
    w.x.writeEndDocument();
    return out;
}

}  // namespace formgen
