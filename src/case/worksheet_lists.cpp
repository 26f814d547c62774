#include "case/worksheet_lists.h"

namespace wm4 {

int categoryItemIndex(const CategoryList& list, QStringView text) {
    for (size_t i = 0; i < list.items.size(); ++i)
        if (list.items[i].compare(text, Qt::CaseInsensitive) == 0) return int(i);
    return -1;
}

}  // namespace wm4
