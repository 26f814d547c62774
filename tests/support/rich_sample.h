#pragma once
// A rich sample case: the General Information page filled, a few answers
// typed on other pages, and all four worksheets with rows sent to every form,
// notice, letter and tax schedule. Every category is chosen and every list
// stays within its form's capacity, so a full calculation run on it finishes
// without a report.
//
// Tests, benchmarks and the fixture tests/fixtures/rich_sample.wm4 use it.
#include "case/case_data.h"

namespace wm4::test {

// Fills a fresh case (answers untouched, worksheets with one empty row).
void fillRichSample(CaseData& data);

// Names the sample uses, for tests that look them up.
namespace rich {
inline constexpr const char* Decedent = "Harold James Whitcombe";
inline constexpr const char* Spouse = "Eleanor M. Whitcombe";
inline constexpr const char* Fiduciary = "Caroline W. Ashby";
inline constexpr const char* CoFiduciary = "Thomas R. Whitcombe";
inline constexpr const char* Attorney = "Martin L. Greaves";
inline constexpr int FamilyMembers = 4;  // spouse, fiduciary, co-fiduciary, brother
}  // namespace rich

}  // namespace wm4::test
