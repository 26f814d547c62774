#include "calc/units/categories.h"

#include <array>
#include <initializer_list>

#include "calc/checks/worksheet_marks.h"

namespace wm4::units {

namespace {

struct Wordings {
    Category category;
    std::initializer_list<const char16_t*> names;
};

// Every wording of a category: the category list's item, the name the forms
// print, and what the prior-version import writes.
const Wordings kWordings[] = {
    {Category::FirstAutoToSpouse,
     {u"1st Automobile To Spouse", u"1st auto to spouse", u"1st automobile"}},
    {Category::SecondAutoToSpouse,
     {u"2nd Automobile To Spouse", u"2nd auto to spouse", u"2nd automobile"}},
    {Category::RealProperty, {u"Real Property"}},
    {Category::Other, {u"Other"}},
    {Category::PersonaltyToBeSold, {u"Personalty to be sold"}},
    {Category::AccountsToBeReleased, {u"Accounts to be released"}},
    {Category::RemainderToBeDistributed, {u"Remainder to be distributed"}},
    {Category::MotorVehicle, {u"Motor Vehicle"}},
    {Category::Accounts, {u"Accounts"}},
    {Category::StocksAndBonds, {u"Stocks & Bonds", u"Stocks and bonds"}},
    {Category::RealEstate, {u"Real Estate"}},
    {Category::SecondAutomobile, {u"2nd Automobile"}},
    {Category::Spouse, {u"Spouse"}},
    {Category::Others, {u"Others"}},
    {Category::ReadilyAscertainableValue, {u"Readily Ascertainable Value"}},
    {Category::PersonalPropertyWithoutAscertainableValue,
     {u"Personal Property Without Ascertainable Value",
      u"Personal Property W/O Ascertainable Value"}},
};

}  // namespace

bool categoryMatches(const QString& cell, Category category) {
    for (const Wordings& w : kWordings) {
        if (w.category != category) continue;
        for (const char16_t* name : w.names)
            if (sameCategory(cell, QStringView(name))) return true;
    }
    return false;
}

}  // namespace wm4::units
