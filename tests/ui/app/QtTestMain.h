#pragma once

// The main function of a Qt Test program of the configuration program: no display, no GL,
// and fresh per-run folders for everything the program would read or write in the user's
// session, so that test programs running side by side never meet.

#include <QGuiApplication>
#include <QTest>

#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"

class QtTestSession {
public:
    QtTestSession() {
        environment_.set("QT_QPA_PLATFORM", "offscreen");
        environment_.set("QT_QUICK_BACKEND", "software");
        environment_.set("XDG_DATA_HOME", folder_.path().string());
        environment_.set("XDG_RUNTIME_DIR", folder_.path().string());
        environment_.set("XDG_CONFIG_HOME", folder_.path().string());
        environment_.set("XDG_CACHE_HOME", folder_.path().string());
    }

private:
    TemporaryFolder folder_{"qt-test"};
    ScopedEnvironment environment_;
};

#define WHIRLEN_QT_TEST_MAIN(TestClass)          \
    int main(int argc, char** argv) {            \
        QtTestSession session;                   \
        QGuiApplication application(argc, argv); \
        TestClass test;                          \
        return QTest::qExec(&test, argc, argv);  \
    }
