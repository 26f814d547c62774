#pragma once
// Text that did not fit its place on a form and continues on an addendum
// page placed directly after the form: lists cut at a form's capacity (the
// calculation records them) and answers too long for their field at the
// smallest size (the merge records them).
//
// Recording is off unless the continuation addenda are switched on; then a
// full calculation starts the list afresh and fills it.
#include <QList>
#include <QString>
#include <QStringList>

namespace wm4 {

// What a form prints in place of the text that continues.
inline constexpr QStringView ContinuedMark = u"(continued on addendum)";

struct Continuation {
    int page = 0;
    int copy = 0;
    int slot = 0;   // the field, or the first line of the list, that continues
    QString what;   // the field or list it continues: "Signer", "other assets"
    QStringList lines;  // the full text, one paragraph per entry
};

class ContinuationStore {
public:
    bool enabled() const { return m_enabled; }
    void setEnabled(bool on) { m_enabled = on; }

    void clear() { m_items.clear(); }
    // Adds an entry; returns its index for appending lines later.
    qsizetype add(Continuation item);
    void appendLine(qsizetype index, const QString& line);

    const QList<Continuation>& items() const { return m_items; }
    // The continuations of one page copy, in the order recorded.
    QList<Continuation> of(int page, int copy) const;

private:
    bool m_enabled = false;
    QList<Continuation> m_items;
};

}  // namespace wm4
