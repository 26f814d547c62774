#pragma once
// How many confidential personal identifier forms (page 111) the case needs:
// ten entries a form, one entry per asset row marked in column 36 and per
// expense row marked in column 10.
#include "case/case_data.h"

namespace wm4 {

int CountIdentifierForms(const CaseData& data);

}  // namespace wm4
