#pragma once
// The text of what a PDF conversion on a worker thread threw, or an empty
// text when it did its work: the thread hands it back to the window's
// thread, where the message is shown.
#include <QString>

#include <exception>

#include "output/document/document_error.h"

namespace wm4 {

template <typename Work>
QString ConversionErrorText(Work&& work) {
    try {
        work();
    } catch (const DocumentError& e) {
        return e.text();
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

}  // namespace wm4
