#include "worksheets/details/distributee_selection.h"

#include <limits>
#include <optional>
#include <vector>

namespace wm4 {

namespace {

const QString Separator = QStringLiteral(", ");

// Reads the selection from position pos on as whole names of the list whose
// index is at least first. best[pos][first] caches the fewest names that
// cover the rest (nullopt: none do) and the name taken first.
struct Reader {
    const QStringList& names;
    const QString& text;
    struct Step {
        int count;  // names that cover the rest
        int name;   // the name taken at this position, -1 at the end
    };
    std::vector<std::vector<std::optional<std::optional<Step>>>> memo;

    Reader(const QStringList& n, const QString& t)
        : names(n),
          text(t),
          memo(t.size() + 1, std::vector<std::optional<std::optional<Step>>>(n.size() + 1)) {}

    std::optional<Step> best(int pos, int first) {
        if (pos == text.size()) return Step{0, -1};
        auto& cached = memo[pos][first];
        if (cached) return *cached;
        std::optional<Step> result;
        for (int i = first; i < names.size(); ++i) {
            const QString& name = names[i];
            if (name.isEmpty() || !QStringView(text).sliced(pos).startsWith(name)) continue;
            int next = pos + int(name.size());
            if (next != text.size()) {
                if (!QStringView(text).sliced(next).startsWith(Separator)) continue;
                next += int(Separator.size());
                if (next == text.size()) continue;  // a trailing ", " is no name
            }
            const std::optional<Step> rest = best(next, i + 1);
            if (rest && (!result || rest->count + 1 < result->count))
                result = Step{rest->count + 1, i};
        }
        cached = result;
        return result;
    }
};

// The name stands in the text whole: at the start or after ", ", and at the
// end or before ", ".
bool standsWhole(const QString& text, const QString& name) {
    for (qsizetype at = text.indexOf(name); at >= 0; at = text.indexOf(name, at + 1)) {
        const qsizetype end = at + name.size();
        const bool startsWhole = at == 0 || QStringView(text).first(at).endsWith(Separator);
        const bool endsWhole =
            end == text.size() || QStringView(text).sliced(end).startsWith(Separator);
        if (startsWhole && endsWhole) return true;
    }
    return false;
}

}  // namespace

QString JoinSelection(const QStringList& names) {
    return names.join(Separator);
}

QList<bool> SelectedNames(const QStringList& names, const QString& selection) {
    QList<bool> checked(names.size(), false);
    if (selection.isEmpty()) return checked;
    Reader reader(names, selection);
    if (reader.best(0, 0)) {
        int pos = 0;
        int first = 0;
        while (pos < selection.size()) {
            const int i = reader.best(pos, first)->name;
            checked[i] = true;
            pos += int(names[i].size());
            if (pos < selection.size()) pos += int(Separator.size());
            first = i + 1;
        }
        return checked;
    }
    for (int i = 0; i < names.size(); ++i)
        checked[i] = !names[i].isEmpty() && standsWhole(selection, names[i]);
    return checked;
}

}  // namespace wm4
