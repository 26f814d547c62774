// The settings reader on any bytes. Settings it accepts, written and read
// again, give the same file.
#include "files/file_error.h"
#include "files/settings.h"
#include "fuzz_support.h"

using namespace wm4;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::QuietReports();
    static const ProgramSettings defaults = DefaultSettings(QStringLiteral("/usr/share/wendmoor4"));
    ProgramSettings settings = defaults;
    try {
        ReadSettingsBytes(settings, fuzz::InputBytes(data, size), QStringLiteral("fuzz.ini"));
    } catch (const FileError&) {
        return 0;
    }
    const QByteArray written = SettingsFileBytes(settings);
    ProgramSettings again = defaults;
    try {
        ReadSettingsBytes(again, written, QStringLiteral("again.ini"));
    } catch (const FileError&) {
        fuzz::Require(false, "a settings file the program wrote reads back");
    }
    fuzz::Require(SettingsFileBytes(again) == written, "writing the settings again gives the same bytes");
    return 0;
}
