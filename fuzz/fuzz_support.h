#pragma once
// What the fuzz targets share: the input as bytes, reports kept quiet, and a
// property that stops the run with a message when it fails (libFuzzer treats
// the abort as a crash and keeps the input).
#include <QByteArray>
#include <cstdio>
#include <cstdlib>

#include "messages/report.h"

namespace wm4::fuzz {

inline QByteArray InputBytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Reports are part of reading some inputs; they are not faults of the reader.
inline void QuietReports() {
    static const bool installed = [] {
        setReportHandler([](const Report&) {});
        return true;
    }();
    (void)installed;
}

inline void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property failed: %s\n", what);
    std::abort();
}

}  // namespace wm4::fuzz
