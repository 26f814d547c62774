#include "ui/pagescreen/screen_tables.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

namespace wm4 {

namespace {

struct FocusRow {
    int tag;
    std::initializer_list<int> pages;
};

// Tag of the first-focus control -> the pages that use it.
const FocusRow kFirstFocus[] = {
    {1, {27, 73, 158}},
    {4, {8, 9, 13, 26, 34, 35, 40, 42, 46, 48, 53, 60, 69, 85, 92, 127, 150}},
    {5, {59, 74}},
    {10, {79}},
    {11, {28, 72}},
    {12, {55}},
    {17, {56}},
    {31, {12}},
    {70, {1}},
    {81, {41}},
    {86, {2}},
    {1000, {0, 68, 95, 96, 97, 98, 99, 100, 115, 196}},
    {1001, {4, 25, 31, 47, 63, 65, 77, 102, 104}},
    {1003, {36}},
    {1004, {7,  24, 30, 33, 38, 39, 45,  49,  51,  62,  64,  66,
            67, 76, 84, 86, 89, 91, 128, 129, 153, 154, 155, 157}},
    {1005, {17, 112, 119, 156}},
    {1006, {152}},
    {1007, {20, 37, 44}},
    {1008, {57}},
    {1009, {19}},
    {1010, {6}},
    {1011, {11, 18, 52, 110}},
    {1013, {123}},
    {1015, {117, 121}},
    {1016, {29}},
    {1017, {116, 122, 125}},
    {1019, {50}},
    {1020, {16, 23}},
    {1022, {61}},
    {1033, {58}},
    {1055, {111}},
    {1092, {21}},
    {2002, {101}},
    {2004, {14}},
    {2024, {70}},
};

}  // namespace

QString PageScreenPath(const QString& psfFolder, int page) {
    return psfFolder + QStringLiteral("/page") + QString::number(page) + QStringLiteral(".psf");
}

int FirstFocusTag(int page) {
    for (const FocusRow& row : kFirstFocus)
        if (std::find(row.pages.begin(), row.pages.end(), page) != row.pages.end()) return row.tag;
    return -1;
}

}  // namespace wm4
