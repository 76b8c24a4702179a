#pragma once

#include <QObject>
#include <QVariantMap>

#include <memory>

class RecordingAgent;

// A stand-in agent on the program's socket that records the frames the program sends, and
// the settings file read back as another program would read it.
class RecordingAgentFixture : public QObject {
    Q_OBJECT

public:
    RecordingAgentFixture();
    ~RecordingAgentFixture() override;

    // Listens and waits until the program's link, which retries every few seconds, connects.
    Q_INVOKABLE bool listen();
    // Frames of the type received so far.
    Q_INVOKABLE int count(int type) const;
    // Has the program send a preferences update: the link keeps the order of frames, so its
    // arrival means that every frame sent before it has arrived too.
    Q_INVOKABLE void sendMarker() const;
    // Drops the link; the program goes back to retrying.
    Q_INVOKABLE void close();
    // The four permissions and the update interval (seconds) as the settings file holds them.
    Q_INVOKABLE QVariantMap savedSettings() const;

private:
    std::unique_ptr<RecordingAgent> agent_;
};
