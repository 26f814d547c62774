#include "calc/checks/category_names.h"

#include "calc/checks/worksheet_marks.h"

namespace wm4 {

int categoryIndex(const QString& cell, std::span<const QStringView> names) {
    for (size_t i = 0; i < names.size(); ++i)
        if (sameCategory(cell, names[i])) return int(i);
    return -1;
}

}  // namespace wm4
