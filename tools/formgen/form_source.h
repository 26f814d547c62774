#pragma once
// One page of the court's forms as declared in data/forms/pageNNN.form: what
// the screen shows (controls bound to slots) and what the template prints
// (blocks of text with field places). The screen, the template and the width
// file are all generated from this one declaration.
//
// A source is lines; "#" starts a comment. Heading lines:
//   page N | form 2.3 | title PRINTED TITLE | screen-title Screen Title
//   side front|back | kept 5,12-15   (slots the calculation writes kept)
//   slots NAME START COUNT   (a named range of slots the calculation fills as
//                             one area: a person block, a list of lines)
//   footer form|none   (none: no "Form N - TITLE" line closing the side, for
//                       letters and worksheet printouts, which are not filed)
//   focus SLOT   (the screen control bound to SLOT takes the focus when the
//                 page is shown; formgen writes its Tag into page_facts.h and
//                 fails when the screen has no control for the slot)
//   fit none     (the template's plain fields keep their own size: schedules
//                 and lists with their own small print; without it they fit)
//   amounts empty   (an amount with no value shows and prints empty, not
//                    "0.00", on the screen and the template alike)
// then "screen:" and "print:" sections. Words take "quoted texts" and
// key=value options.
//
// screen:  section "Text" | note "Text"
//   field SLOT text|date|amount|percent|whole in|calc "Label" [prompt=] [help=]
//         [width=PIXELS|full] [est=SLOT] [name=NAME]
//         (calc: read-only, overridable if kept; full: on to the screen's right
//          margin; name: the slot's name in the code when the label makes no
//          good one, see slot_names.h)
//   check SLOT "Label" [calc] [help=] | radio SLOT "Label" group=G
//   memo SLOT "Label" [lines=N] [calc] | combo SLOT "Label" items="a|b"
//   grid start=S rows=R [step=K] cols="Name:240,$Value:120" [calc] [name=NAME]
//   (check, radio, memo and combo take name= too; a grid's name names its
//    range of slots)
//   caption | fullcaption | backcaption | decedent S | attorney S | fiduciary S
//
// print:  caption | fullcaption | backcaption | title ["Other title"]
//   h "Centred heading" | hl "Left heading" | p "Paragraph {*4:2.0} ..."
//   text "Left text" [plain] (plain: fields not ruled) | small "Small print" | check {&7} "Text" [plain]
//   [indent=IN] ctext "Centred text {*30:4.5}" [size=HALFPOINTS] [bold]   (fields unruled) row
//   ITEMS [size=HALFPOINTS] [height=IN] [top] | plainrow ITEMS | under ITEMS
//     (top: the cells' texts start at the top of the row, not its foot)
//     ITEMS: "Label"[@IN] ("Label"@>IN: flush right, a number column's head)
//            | {K SLOT:IN} field (ruled) | _IN blank line | ~IN gap
//            | _IN!SLOT the signature line of the fiduciary, attorney or
//              applicant whose name SLOT prints ("/s/ NAME" with typed
//              signatures on, like a sign line marked typed)
//   grid start= rows= [step=] cols="*Name:2.5,$Value:1.2" [size=] [height=]
//   sign "Role" [{*SLOT:IN}] [typed|typed=SLOT] | judge {*SLOT:IN} | notary | space IN
//     (typed: the fiduciary's, co-fiduciary's, attorney's or applicant's line,
//      which prints "/s/ NAME" of the name's slot, or of SLOT, when typed
//      signatures are on; every other line stays blank for a hand signature;
//      role=SLOT: the caption under the line is that slot's text, so a line
//      whose signer the case lacks prints with no caption)
//   decedent S | attorney S | fiduciary S
// A field place {K SLOT:IN} prints the merge marker /K SLOT/ (K one of
// * < $ # % & + ~ ^) and gives the slot's width in inches to the width file.
// "<" prints the text as it stands, like "*", but flush right: a schedule's
// value column, whose items keep their "$" while the subtotals print bare.
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

namespace formgen {

// One parsed line of a source: its directive word and the rest as tokens.
// A token is a bare word, a "quoted text" (quotes removed, quoted = true), or
// key=value (key set).
struct Token {
    QString key;
    QString text;
    bool quoted = false;
};

struct Line {
    int number = 0;  // line number in the source, for messages
    QString directive;
    QList<Token> tokens;

    // The value of key=value, or def.
    QString option(const QString& key, const QString& def = QString()) const;
    bool hasFlag(const QString& word) const;
    // Positional (keyless) tokens.
    QList<Token> positional() const;
};

struct FormSource {
    QString fileName;
    int page = -1;
    QString formNumber;   // "2.3"
    QString title;        // the printed title
    QString screenTitle;  // the screen's heading; the title when not given
    QString side;         // "front", "back" or "" (one-sided)
    QSet<int> kept;       // slots the calculation writes with kept writes
    bool footer = true;   // the side closes with the form's number and title
    struct Range {
        QString name;
        int start = 0;
        int count = 0;
        int line = 0;
    };
    QList<Range> ranges;  // "slots" heading lines
    int focusSlot = -1;   // "focus": the slot whose control takes the focus first
    int focusLine = 0;    // ... and its line, for messages
    bool fitted = true;         // no "fit none"
    bool amountsEmpty = false;  // "amounts empty"
    QList<Line> screen;
    QList<Line> print;
};

// Reads a source; throws std::runtime_error with file and line on bad input.
FormSource ParseFormSource(const QString& path);

// "4-7,12" -> {4,5,6,7,12}.
QSet<int> ParseSlotList(const QString& text);

// A field place "{K n:W}" in a print line: K the marker kind character, n the
// slot, W the printed width in inches (0 when not given).
struct FieldPlace {
    QChar kind;
    int slot = -1;
    double width = 0;
};

// Parses "{*12:2.5}", "{&7}", "{$20:1.2}"; returns false when text is not one.
bool ParseFieldPlace(const QString& text, FieldPlace& place);

}  // namespace formgen
