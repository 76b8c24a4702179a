#pragma once

// Every warning, critical or fatal message of a Qt Quick Test run, Qt's own included, and
// wherever it comes (loading a document, between test functions, at exit): each marks the run
// failed, and the test logger still receives and prints it.

#include <QString>
#include <QtGlobal>

#include <atomic>

class QtWarningWatch {
public:
    // Once the test logger has installed its own handler (from qmlEngineAvailable, say); later
    // calls change nothing.
    static void install() {
        if (!installed().exchange(true)) {
            previous() = qInstallMessageHandler(&handle);
        }
    }

    static bool warned() { return flag().load(); }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg) {
            flag() = true;
        }
        if (previous() != nullptr) {
            previous()(type, context, message);
        }
    }

    static std::atomic<bool>& installed() {
        static std::atomic<bool> value{false};
        return value;
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
