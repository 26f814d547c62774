// The client-file reader on any bytes. A file it accepts must also survive
// being written and read again: the second writing gives the same bytes.
#include "files/client_file.h"
#include "fuzz_support.h"

using namespace wm4;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::QuietReports();
    const QByteArray bytes = fuzz::InputBytes(data, size);
    // On the stack: the same memory serves every input.
    CaseData read;
    if (!ReadClientFileBytes(read, bytes, QStringLiteral("fuzz.wm4"))) return 0;
    const QByteArray written = ClientFileBytes(read);
    CaseData again;
    QString error;
    fuzz::Require(ReadClientFileBytes(again, written, QStringLiteral("again.wm4"), &error),
                  "a file the program wrote reads back");
    fuzz::Require(ClientFileBytes(again) == written, "writing the case again gives the same bytes");
    return 0;
}
