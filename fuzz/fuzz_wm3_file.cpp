// The prior-version reader and the copy into a case on any bytes.
#include "files/file_error.h"
#include "files/wm3_import.h"
#include "fuzz_support.h"

using namespace wm4;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::QuietReports();
    const QByteArray bytes = fuzz::InputBytes(data, size);
    // On the stack: the same memory serves every input.
    TWM3Answer prior;
    WM3Sheets sheets;
    try {
        ReadWM3Bytes(prior, sheets, bytes, QStringLiteral("fuzz.wm3"));
    } catch (const FileError&) {
        return 0;
    }
    CaseData imported;
    CopyWM3IntoCase(prior, sheets, imported);
    return 0;
}
