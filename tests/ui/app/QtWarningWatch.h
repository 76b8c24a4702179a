#pragma once

// Every warning, critical or fatal message of a Qt Quick Test run, Qt's own included, and
// wherever it comes (loading a document, in initTestCase, cleanup or cleanupTestCase, between
// test functions, at exit): each marks the run failed, and the test logger still prints it.
//
// While the test logger runs it takes every message itself: it drops the ones a test expects,
// fails a test function on the ones its failOnWarning names, and prints the others without
// failing anything. Those printed lines are read back from a log file of the watch's own;
// before the logger starts and after it stops, a message handler sees the messages.

#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>
#include <QtQuickTest>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

class QtWarningWatch {
public:
    // quick_test_main_with_setup with the test logger also writing into the watch's log file
    // (and still to the console unless the arguments choose outputs). True when a test failed
    // or a warning came.
    static bool runFailed(int argc, char** argv, const char* name, const char* sourceDir,
                          QObject* setup) {
        previous() = qInstallMessageHandler(&handle);
        const QTemporaryDir folder;
        const QString log = folder.filePath(QStringLiteral("log.txt"));
        std::vector<std::string> added = {"-o", (log + QStringLiteral(",txt")).toStdString()};
        if (!choosesOutputs(argc, argv)) {
            added.insert(added.end(), {"-o", "-,txt"});
        }
        std::vector<char*> arguments(argv, argv + argc);
        for (std::string& argument : added) {
            arguments.push_back(argument.data());
        }
        arguments.push_back(nullptr);
        const int failures = quick_test_main_with_setup(static_cast<int>(arguments.size() - 1),
                                                        arguments.data(), name, sourceDir, setup);
        return failures != 0 || logged(log) || flag().load();
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg) {
            flag() = true;
        }
        if (previous() != nullptr) {
            previous()(type, context, message);
        }
    }

    static bool choosesOutputs(int argc, char** argv) {
        for (int i = 1; i < argc; ++i) {
            if (std::strcmp(argv[i], "-o") == 0) {
                return true;
            }
        }
        return false;
    }

    // A warning line of the test logger; a log that cannot be read counts as one.
    static bool logged(const QString& log) {
        QFile file(log);
        if (!file.open(QIODevice::ReadOnly)) {
            return true;
        }
        for (QByteArray line = file.readLine(); !line.isEmpty(); line = file.readLine()) {
            if (line.startsWith("QWARN") || line.startsWith("QCRITICAL") ||
                line.startsWith("QFATAL")) {
                std::fprintf(stderr, "FAIL: the run printed a warning: %s", line.constData());
                return true;
            }
        }
        return false;
    }

    static std::atomic<bool>& flag() {
        static std::atomic<bool> value{false};
        return value;
    }
    static QtMessageHandler& previous() {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
};
