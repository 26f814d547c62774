#pragma once
// A broken template or a failed conversion: ends the print command before
// any document is written. The desktop shows what() in a message box, the
// command line prints it and exits 1.
#include <QString>
#include <stdexcept>

namespace wm4 {

class DocumentError : public std::runtime_error {
public:
    explicit DocumentError(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromUtf8(what()); }
};

}  // namespace wm4
