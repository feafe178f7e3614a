// The one QApplication the view tests share, made on first use and left to the process exit.
#pragma once

#include <QApplication>

inline QApplication& app() {
    static int argc = 1;
    static char name[] = "advisor_view_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
    return *static_cast<QApplication*>(QApplication::instance());
}
