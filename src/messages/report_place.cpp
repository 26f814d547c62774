#include "messages/report_place.h"

namespace wm4 {
namespace {
ReportPlace g_place;
}  // namespace

ReportPlace currentReportPlace() {
    return g_place;
}

ScopedReportPlace::ScopedReportPlace(const ReportPlace& place) : m_previous(g_place) {
    g_place = place;
}

ScopedReportPlace::~ScopedReportPlace() {
    g_place = m_previous;
}

}  // namespace wm4
