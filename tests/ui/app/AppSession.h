#pragma once

// One run of the configuration program without a window: the application manager on an
// injected clock, the process's preferences in the test's settings folder, and a socket that
// stands in for the agent, records every frame the program sends and can report devices.

#include <QCoreApplication>
#include <QTest>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <sys/socket.h>
#include <unistd.h>

#include "shared/ipc/IPCResponseConnectedDevices.h"
#include "shared/prefs/Paths.h"
#include "shared/prefs/PreferencesStore.h"
#include "tests/shared/ipc/IPCTestSupport.h"
#include "tests/support/TestFiles.h"
#include "ui/app/ApplicationController.h"
#include "ui/app/ApplicationManager.h"
#include "ui/app/CommandLineManager.h"
#include "ui/app/IPCManager.h"

// Frames from the program, each with the default file as it stood when the frame arrived.
class RecordingAgent {
public:
    struct Received {
        uint32_t type;
        std::string defaultFile;
    };

    RecordingAgent() : listener_(ipctest::listenRaw()) {}
    ~RecordingAgent() {
        if (connection_ >= 0) {
            ::shutdown(connection_, SHUT_RDWR);
        }
        if (reader_.joinable()) {
            reader_.join();
        }
        for (const int socket : {connection_, listener_}) {
            if (socket >= 0) {
                ::close(socket);
            }
        }
    }

    bool accept() {
        connection_ = ipctest::acceptRaw(listener_);
        if (connection_ < 0) {
            return false;
        }
        reader_ = std::thread([this] { readLoop(); });
        return true;
    }

    bool report(const std::vector<ConnectedDevice>& devices) {
        IPCResponseConnectedDevices list;
        for (const ConnectedDevice& device : devices) {
            list.addDevice(device);
        }
        return ipctest::sendRaw(connection_, list.serialize());
    }

    int connection() const { return connection_; }
    std::vector<Received> received() const {
        std::lock_guard guard(lock_);
        return received_;
    }
    size_t count(uint32_t type) const {
        size_t count = 0;
        for (const Received& frame : received()) {
            count += frame.type == type ? 1 : 0;
        }
        return count;
    }

private:
    void readLoop() {
        IPCFrameAssembler assembler;
        uint8_t chunk[4096];
        for (;;) {
            const ssize_t got = ::recv(connection_, chunk, sizeof(chunk), 0);
            if (got <= 0) {
                return;
            }
            for (const IPCFrame& frame : assembler.feed(chunk, static_cast<size_t>(got))) {
                const uint32_t type = frame.size() >= 6 ? frame[2] : 0;
                std::string file = type == 3 ? readFileBytes(defaultPreferencesFilePath()) : "";
                std::lock_guard guard(lock_);
                received_.push_back({type, std::move(file)});
            }
        }
    }

    int listener_;
    int connection_ = -1;
    std::thread reader_;
    mutable std::mutex lock_;
    std::vector<Received> received_;
};

class AppSession {
public:
    // The program's files: the given default file (the factory one when empty) and an empty
    // bind file (the store keeps earlier sessions' bindings: tests use devices of their own); the
    // command line's arguments after the program name.
    explicit AppSession(const std::vector<std::string>& arguments = {},
                        const std::string& defaultFile = std::string())
        : manager_([this] { return now_.load(); }) {
        std::filesystem::create_directories(settingsDirectory());
        writeFileBytes(
            defaultPreferencesFilePath(),
            defaultFile.empty() ? readFileBytes(WHIRLEN_BACKUP_PREFERENCES_FILE) : defaultFile);
        writeFileBytes(profileBindFilePath(), R"({"ProfileBind":[]})");
        manager_.preferencesStore().reload(false);
        std::vector<const char*> argv{"whirlenUI"};
        for (const std::string& argument : arguments) {
            argv.push_back(argument.c_str());
        }
        manager_.commandLineManager()->parse(static_cast<int>(argv.size()), argv.data());
        manager_.ipcManager()->setReconnectDelay(std::chrono::milliseconds(10));
        // The window's controller comes with the main document, before the managers start.
        controller_ = std::make_unique<ApplicationController>(manager_);
    }

    ~AppSession() {
        controller_.reset();
        manager_.stop();
        // Deferred deletions of the controllers go before the next session starts.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    bool start() {
        manager_.start();
        if (!agent_.accept()) {
            return false;
        }
        // The link's announcement ends with a preferences update: counts start after it.
        if (!QTest::qWaitFor([this] { return agent_.count(3) == 1; }, 20000)) {
            return false;
        }
        settle();
        return true;
    }

    // Runs what is queued for the main thread until the agent link's frames have been handled.
    static void settle() {
        for (int round = 0; round < 5; ++round) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    void setUptime(int seconds) { now_ = start_ + std::chrono::seconds(seconds); }

    ApplicationManager& manager() { return manager_; }
    PreferencesStore& store() { return manager_.preferencesStore(); }
    ApplicationController& controller() { return *controller_; }
    RecordingAgent& agent() { return agent_; }

private:
    ipctest::TempRuntimeDir runtime_;
    RecordingAgent agent_;
    const std::chrono::steady_clock::time_point start_ =
        std::chrono::steady_clock::time_point{} + std::chrono::hours(1);
    std::atomic<std::chrono::steady_clock::time_point> now_{start_};
    ApplicationManager manager_;
    std::unique_ptr<ApplicationController> controller_;
};
