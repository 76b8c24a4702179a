#pragma once

#include <QObject>

class QSocketNotifier;

// Ends the Qt event loop on SIGTERM, SIGINT or SIGHUP (a logout, Ctrl-C, a closed
// terminal), so that the program shuts down as it does when its window closes: the agent
// link joined, the managers and the engine taken down in order.
class TerminationWatcher : public QObject {
    Q_OBJECT

public:
    // Blocks the signals in the calling thread; call before any thread starts, since each
    // thread takes the mask of the one that starts it.
    static bool blockTerminationSignals();

    explicit TerminationWatcher(QObject* parent = nullptr);
    ~TerminationWatcher() override;

    // False when the signals' descriptor could not be made (logged).
    bool isWatching() const { return signalFd_ >= 0; }

private:
    void onSignal();

    int signalFd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};
