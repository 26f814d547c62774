#pragma once
// The large benchmark case: 200 kin rows, 2,000 asset rows (each sent to
// Forms 6.0, 13.0, 13.2 and both fee computations, with categories and
// descriptions of one to four lines) and 500 expense rows.
#include <memory>

#include "case/case_data.h"

namespace wm4::bench {

std::unique_ptr<CaseData> largeCase();

}  // namespace wm4::bench
