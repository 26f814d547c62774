#include "files/filing_options.h"

#include <QDir>
#include <QSettings>

namespace wm4 {

namespace {
const QString AddendaKey = QStringLiteral("ContinuationAddenda");
const QString TypedKey = QStringLiteral("TypedSignatures");
}  // namespace

QString FilingOptionsPath(const QString& settingsFolder) {
    return settingsFolder + QStringLiteral("/efiling.ini");
}

FilingOptions ReadFilingOptions(const QString& settingsFolder) {
    FilingOptions options;
    if (settingsFolder.isEmpty()) return options;
    const QSettings file(FilingOptionsPath(settingsFolder), QSettings::IniFormat);
    options.addenda = file.value(AddendaKey, false).toBool();
    options.typedSignatures = file.value(TypedKey, false).toBool();
    return options;
}

bool WriteFilingOptions(const QString& settingsFolder, const FilingOptions& options) {
    if (settingsFolder.isEmpty() || !QDir().mkpath(settingsFolder)) return false;
    QSettings file(FilingOptionsPath(settingsFolder), QSettings::IniFormat);
    file.setValue(AddendaKey, options.addenda);
    file.setValue(TypedKey, options.typedSignatures);
    file.sync();
    return file.status() == QSettings::NoError;
}

}  // namespace wm4
