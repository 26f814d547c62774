#include "calc/checks/copy_limit.h"

#include "messages/report.h"

namespace wm4 {

void countForm2_2Row(int& count) {
    if (count < Form2_2CopyLimit)
        ++count;
    else
        ReportError(ErrTooManyForm2_2);
}

}  // namespace wm4
