#include "calc/casecheck/place_text.h"

#include "case/page_catalogue.h"

namespace wm4 {

QString reportPlaceText(const ReportPlace& place) {
    if (place.isPage()) {
        const PageEntry* entry = catalogueEntry(place.page);
        QString text = entry ? QString::fromUtf8(entry->formText)
                             : QStringLiteral("page %1").arg(place.page);
        if (isMultiCopy(place.page)) text += QStringLiteral(", copy %1").arg(place.copy + 1);
        return text;
    }
    if (place.isRow()) {
        static const char* const sheets[] = {"Kin Worksheet", "Asset Worksheet",
                                             "Expense Worksheet", "Time Worksheet"};
        const QString sheet = place.worksheet < 4 ? QString::fromLatin1(sheets[place.worksheet])
                                                  : QStringLiteral("worksheet");
        return QStringLiteral("%1, row %2").arg(sheet).arg(place.row + 1);
    }
    return QString();
}

}  // namespace wm4
