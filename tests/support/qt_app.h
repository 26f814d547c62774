#pragma once
// One QApplication for the widget tests (the offscreen platform under CTest).
#include <QApplication>

namespace wm4::test {

inline QApplication& widgetApp() {
    static int argc = 1;
    static char name[] = "wm4_widget_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

}  // namespace wm4::test
