#pragma once

// The agent's end of the roads between the configuration program and the controller: a
// made-up Whirlen Max on a fake device tree, read by the real agent program, which types
// into an application on a private X server. Tests of the view models drive the other end.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "tests/support/XClient.h"

class ChildProcess;
class FakeDeviceTree;
class ScopedEnvironment;
class TemporaryFolder;
class XvfbServer;

class AgentRoad {
public:
    // Xlib's event types.
    static constexpr int kKeyPress = 2;
    static constexpr int kKeyRelease = 3;

    AgentRoad();
    ~AgentRoad();
    AgentRoad(const AgentRoad&) = delete;
    AgentRoad& operator=(const AgentRoad&) = delete;

    // Starts the X server, the device tree, private folders for this process and the agent
    // with these preferences, and waits until the agent answers with the device. False (and
    // a line on standard error) when any of it fails.
    bool start(const nlohmann::json& preferences);

    std::string settingsFile(const std::string& name) const;

    // Writes one report of the buttons held and takes what the application then sees. One
    // report at a time, each taken before the next is written: the node is a FIFO, where
    // reports written together would be read as one.
    std::vector<SeenInput> write(uint16_t pressed, size_t expected);
    bool writeAndSee(uint16_t pressed, const std::vector<SeenInput>& expected);
    // A press and a release of the button, each seen as that key without modifiers.
    bool pressAndSee(uint16_t button, unsigned long keysym);

    // Asks the agent for its devices on a connection of its own. The agent handles frames in
    // the order they come, so an answer also means that everything sent before was handled.
    static bool agentAnswers();

    // A keystroke of the control in the profile, the key given by its name ("KEY_A").
    static nlohmann::json keystroke(const std::string& control, const std::string& key,
                                    const std::string& profile, bool ctrl = false);
    static nlohmann::json maxProfile(const std::string& name, nlohmann::json actions);
    // Two Whirlen Max profiles: in "default" button 1 types A (with Ctrl when asked) and
    // button 2 switches to "Other", whose button 1 types C.
    static nlohmann::json twoProfiles(bool ctrlOnA);

    static constexpr const char* kDefaultProfile = "Profile##whirlen#whirlenmax#default";
    static constexpr const char* kOtherProfile = "Profile##whirlen#whirlenmax#Other";

private:
    std::unique_ptr<XvfbServer> xserver_;
    std::optional<XClient> client_;
    std::unique_ptr<FakeDeviceTree> tree_;
    std::unique_ptr<TemporaryFolder> runtime_;
    std::unique_ptr<TemporaryFolder> data_;
    std::unique_ptr<ScopedEnvironment> environment_;
    std::unique_ptr<ChildProcess> agent_;
    int node_ = -1;
};
