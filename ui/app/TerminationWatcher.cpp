#include "ui/app/TerminationWatcher.h"

#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>

#include "shared/prefs/LogManager.h"

namespace {

sigset_t terminationSignals() {
    sigset_t mask;
    sigemptyset(&mask);
    sigaddset(&mask, SIGTERM);
    sigaddset(&mask, SIGINT);
    sigaddset(&mask, SIGHUP);
    return mask;
}

}  // namespace

bool TerminationWatcher::blockTerminationSignals() {
    const sigset_t mask = terminationSignals();
    const int error = pthread_sigmask(SIG_BLOCK, &mask, nullptr);
    if (error != 0) {
        LogManager::instance().log('E', "Cannot block mask: %s", std::strerror(error));
    }
    return error == 0;
}

TerminationWatcher::TerminationWatcher(QObject* parent) : QObject(parent) {
    const sigset_t mask = terminationSignals();
    signalFd_ = signalfd(-1, &mask, SFD_NONBLOCK | SFD_CLOEXEC);
    if (signalFd_ < 0) {
        LogManager::instance().log('E', "Cannot watch for termination mask: %s",
                                   std::strerror(errno));
        return;
    }
    notifier_ = new QSocketNotifier(signalFd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationWatcher::onSignal);
}

TerminationWatcher::~TerminationWatcher() {
    delete notifier_;
    if (signalFd_ >= 0) {
        close(signalFd_);
    }
}

void TerminationWatcher::onSignal() {
    signalfd_siginfo info{};
    bool received = false;
    while (read(signalFd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
        received = true;
    }
    if (received) {
        QCoreApplication::quit();
    }
}
