#include "messages/catalogue.h"

// Placeholder until the message catalogue is filled in.
namespace wm4 {
QString messageText(int number, const QString&) {
    return QStringLiteral("Unidentified error -  ") + QString::number(number);
}
QString adviceLine(int) { return QString(); }
bool hasMessage(int) { return false; }
}  // namespace wm4
