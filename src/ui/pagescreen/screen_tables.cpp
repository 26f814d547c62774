#include "ui/pagescreen/screen_tables.h"

#include "case/page_facts.h"

namespace wm4 {

QString PageScreenPath(const QString& psfFolder, int page) {
    return psfFolder + QStringLiteral("/page") + QString::number(page) + QStringLiteral(".psf");
}

int FirstFocusTag(int page) {
    return FactsOfPage(page).focusTag;
}

}  // namespace wm4
