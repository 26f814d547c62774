#include "worksheets/grid/cell_forms.h"

#include "case/conversions.h"

namespace wm4 {

namespace {

// The typed number without separators and signs, 0 when it does not read.
double typedNumber(const QString& typed) {
    bool ok = false;
    const double value = RemoveCommasAndSigns(typed).toDouble(&ok);
    return ok ? value : 0;
}

}  // namespace

QString MoneyCell(const QString& typed) {
    if (typed.isEmpty()) return {};
    return u'$' + FormatAmount(typedNumber(typed));
}

QString HoursCell(const QString& typed) {
    if (typed.isEmpty()) return {};
    return FormatAmount(typedNumber(typed));
}

QString PlainAmount(const QString& cell) {
    return RemoveCommasAndSigns(cell);
}

QString CleanDescription(const QString& text) {
    QString clean = text;
    clean.replace(u'{', u'(');
    clean.replace(u'}', u')');
    clean.replace(u'\\', u'-');
    clean.replace(u'/', u'-');
    clean.replace(u'\t', u'-');
    return clean;
}

}  // namespace wm4
