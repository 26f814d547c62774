#pragma once
// One page of the court's forms as declared in data/forms/pageN.form: what the
// screen shows (controls bound to slots) and what the template prints (blocks
// of text with field places). The screen, the template and the width file are
// all generated from this one declaration.
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
    QList<Line> screen;
    QList<Line> print;
    QString landscape;  // not used yet: every form of these groups is portrait
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
