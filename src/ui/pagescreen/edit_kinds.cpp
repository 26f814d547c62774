#include "ui/pagescreen/edit_kinds.h"

#include <QLocale>

#include "case/conversions.h"

namespace wm4 {

namespace {

// "%5.2f" of a percentage, trimmed, then "%".
QString percentText(double percent) {
    return QString::asprintf("%5.2f", percent).trimmed() + u'%';
}

// "%4.0n": thousands separators, no decimals.
QString wholeText(double value) {
    static const QLocale us(QLocale::English, QLocale::UnitedStates);
    return us.toString(value, 'f', 0).trimmed();
}

}  // namespace

QString ShownEditText(EditKind kind, const QString& answer, bool blankZero) {
    switch (kind) {
        case EditKind::Text:
        case EditKind::Whole:
            return answer;
        case EditKind::Amount:
        case EditKind::Amount4: {
            const double v = Str2Float_2(answer);
            if (blankZero && v == 0) return QString();
            return FormatAmount(v);
        }
        case EditKind::Percent: {
            if (blankZero && Str2Float_2(answer) == 0) return QString();
            return percentText(Str2Float_P(answer) * 100);
        }
        case EditKind::Unbound:
            break;
    }
    return QString();
}

QString StoredEditText(EditKind kind, const QString& boxText) {
    switch (kind) {
        case EditKind::Text:
        case EditKind::Amount:
        case EditKind::Amount4:
        case EditKind::Whole:
            return boxText;
        case EditKind::Percent: {
            // The box shows "5.00%". Only a trailing "%" is dropped: a box
            // whose text lost its sign ("5") still stores 5 %, not 0.
            QString t = boxText.trimmed();
            if (t.endsWith(u'%')) t.chop(1);
            const double fraction = Str2Float_P(t) / 100;
            return QString::number(fraction, 'g', QLocale::FloatingPointShortest);
        }
        case EditKind::Unbound:
            break;
    }
    return QString();
}

QString ReformattedEditText(EditKind kind, const QString& boxText) {
    switch (kind) {
        case EditKind::Amount:
        case EditKind::Amount4:
            return FormatAmount(Str2Float_2(boxText));
        case EditKind::Percent:
            return percentText(Str2Float_P(boxText));
        case EditKind::Whole:
            return wholeText(Str2Float_0(boxText));
        case EditKind::Text:
        case EditKind::Unbound:
            break;
    }
    return boxText;
}

}  // namespace wm4
