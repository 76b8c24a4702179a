#pragma once

#include <QObject>
#include <QStringList>

#include <memory>
#include <string>

class ChildProcess;
class FakeDeviceTree;
class ScopedEnvironment;
class XClient;

// A made-up Whirlen Max on hidraw0 and the real agent driving it, typing into an
// application window on the test's X server. The agent shares the program's folders, so the
// program's link reaches it and both read the same preference files.
class AgentRoadFixture : public QObject {
    Q_OBJECT

public:
    explicit AgentRoadFixture(const std::string& display);
    ~AgentRoadFixture() override;

    // Whether the device and the application window are there; the agent's environment
    // points at the device.
    bool ready() const;

    Q_INVOKABLE bool startAgent();
    // Whether the agent answers a request for its devices with the one controller. The agent
    // handles frames in order, so an answer also means that what came before was handled.
    Q_INVOKABLE bool agentAnswers() const;
    // Writes one report with the pressed buttons' mask and returns the next `expected` key
    // events that the application sees, each as "press|release keysym(hex) state(hex)".
    Q_INVOKABLE QStringList report(int pressed, int expected);

private:
    std::unique_ptr<FakeDeviceTree> tree_;
    std::unique_ptr<ScopedEnvironment> environment_;
    std::unique_ptr<XClient> client_;
    std::unique_ptr<ChildProcess> agent_;
    bool deviceAdded_ = false;
    int node_ = -1;
};
