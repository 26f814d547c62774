#include "calc/checks/category_names.h"

#include "calc/checks/worksheet_marks.h"

namespace wm4 {

int categoryIndex(const QString& cell, std::span<const char* const> names) {
    for (size_t i = 0; i < names.size(); ++i)
        if (sameCategory(cell, QString::fromLatin1(names[i]))) return int(i);
    return -1;
}

}  // namespace wm4
