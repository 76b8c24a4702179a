#include "platform/HotplugMonitor.h"

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/FakeDeviceTree.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"

namespace {

using Change = HotplugMonitor::Change;
using Event = HotplugMonitor::Event;
using ::testing::ElementsAre;

constexpr int kWakeTimeoutMs = 10000;
// A hidraw node of some other device.
constexpr const char* kUnwanted = "hidraw9";

class HotplugMonitorTest : public ::testing::Test {
protected:
    std::unique_ptr<HotplugMonitor> watch(
        std::chrono::milliseconds retryWindow = HotplugMonitor::kRetryWindow) {
        HotplugMonitor::Options options;
        options.isWanted = [this](const std::string& path) { return path != node(kUnwanted); };
        options.isReadable = [this](const std::string&) { return readable.load(); };
        options.retryWindow = retryWindow;
        return HotplugMonitor::create(dev.path().string(), options);
    }

    std::string node(const std::string& name) const { return dev.file(name); }
    void makeNode(const std::string& name) { ASSERT_EQ(mkfifo(node(name).c_str(), 0600), 0); }
    void removeNode(const std::string& name) { ASSERT_EQ(unlink(node(name).c_str()), 0); }

    Event added(const std::string& name) const { return Event{Change::Added, node(name)}; }
    Event removed(const std::string& name) const { return Event{Change::Removed, node(name)}; }

    TemporaryFolder dev{"hotplug-test"};
    std::atomic<bool> readable{true};
};

bool waitForWake(const HotplugMonitor& monitor) {
    pollfd fd{monitor.fd(), POLLIN, 0};
    return poll(&fd, 1, kWakeTimeoutMs) == 1;
}

// What one wake-up of the event loop would get.
std::vector<Event> readOnce(HotplugMonitor& monitor) {
    EXPECT_TRUE(waitForWake(monitor)) << "no wake-up within " << kWakeTimeoutMs << " ms";
    return monitor.readEvents();
}

// Wakes and reads until something is reported; anything that should have been ignored on
// the way would show up in the result.
std::vector<Event> nextEvents(HotplugMonitor& monitor) {
    std::vector<Event> events;
    while (events.empty() && waitForWake(monitor)) {
        events = monitor.readEvents();
    }
    return events;
}

TEST_F(HotplugMonitorTest, NodesCreatedRemovedAndMovedAreReported) {
    std::unique_ptr<HotplugMonitor> monitor = watch();
    ASSERT_NE(monitor, nullptr);

    makeNode("hidraw1");
    EXPECT_THAT(nextEvents(*monitor), ElementsAre(added("hidraw1")));
    removeNode("hidraw1");
    EXPECT_THAT(nextEvents(*monitor), ElementsAre(removed("hidraw1")));

    const TemporaryFolder elsewhere{"hotplug-test-elsewhere"};
    ASSERT_EQ(mkfifo(elsewhere.file("hidraw2").c_str(), 0600), 0);
    ASSERT_EQ(std::rename(elsewhere.file("hidraw2").c_str(), node("hidraw2").c_str()), 0);
    EXPECT_THAT(nextEvents(*monitor), ElementsAre(added("hidraw2")));
    ASSERT_EQ(std::rename(node("hidraw2").c_str(), elsewhere.file("hidraw2").c_str()), 0);
    EXPECT_THAT(nextEvents(*monitor), ElementsAre(removed("hidraw2")));
}

TEST_F(HotplugMonitorTest, OtherNamesAndUnwantedNodesAreIgnored) {
    std::unique_ptr<HotplugMonitor> monitor = watch();
    ASSERT_NE(monitor, nullptr);

    const std::vector<std::string> ignored = {"hidraw", "hidraw1a", "event3", "hidraw2.tmp",
                                              kUnwanted};
    for (const std::string& name : ignored) {
        makeNode(name);
    }
    writeFileBytes(node("hidraw5~"), "");
    makeNode("hidraw4");
    EXPECT_THAT(nextEvents(*monitor), ElementsAre(added("hidraw4")));

    for (const std::string& name : ignored) {
        removeNode(name);
    }
    removeNode("hidraw4");
    EXPECT_THAT(nextEvents(*monitor), ElementsAre(removed("hidraw4")));
}

TEST_F(HotplugMonitorTest, NodesPresentAtStartAreKnownAndTheirRemovalReported) {
    makeNode("hidraw0");
    makeNode(kUnwanted);
    std::unique_ptr<HotplugMonitor> monitor = watch();
    ASSERT_NE(monitor, nullptr);

    // A permission change of a known node is no arrival.
    ASSERT_EQ(chmod(node("hidraw0").c_str(), 0644), 0);
    makeNode("hidraw1");
    EXPECT_THAT(nextEvents(*monitor), ElementsAre(added("hidraw1")));

    removeNode(kUnwanted);
    removeNode("hidraw0");
    EXPECT_THAT(nextEvents(*monitor), ElementsAre(removed("hidraw0")));
}

TEST_F(HotplugMonitorTest, ANodeIsAddedOnceItBecomesReadable) {
    std::unique_ptr<HotplugMonitor> monitor = watch();
    ASSERT_NE(monitor, nullptr);

    readable = false;
    makeNode("hidraw2");
    EXPECT_THAT(readOnce(*monitor), ::testing::IsEmpty());

    // No further change of the folder: the retry timer alone wakes the loop.
    readable = true;
    EXPECT_THAT(nextEvents(*monitor), ElementsAre(added("hidraw2")));
    ASSERT_EQ(chmod(node("hidraw2").c_str(), 0644), 0);
    removeNode("hidraw2");
    EXPECT_THAT(nextEvents(*monitor), ElementsAre(removed("hidraw2")));
}

TEST_F(HotplugMonitorTest, AnUnreadableNodePresentAtStartIsWaitedFor) {
    readable = false;
    makeNode("hidraw3");
    std::unique_ptr<HotplugMonitor> monitor = watch();
    ASSERT_NE(monitor, nullptr);

    readable = true;
    EXPECT_THAT(nextEvents(*monitor), ElementsAre(added("hidraw3")));
}

TEST_F(HotplugMonitorTest, ANodeThatStaysUnreadableIsGivenUpUntilItsModeChanges) {
    std::unique_ptr<HotplugMonitor> monitor = watch(std::chrono::milliseconds(0));
    ASSERT_NE(monitor, nullptr);

    readable = false;
    makeNode("hidraw5");
    EXPECT_THAT(readOnce(*monitor), ::testing::IsEmpty());

    // Had hidraw5 still been waited for, it would be added along with hidraw6.
    readable = true;
    makeNode("hidraw6");
    EXPECT_THAT(nextEvents(*monitor), ElementsAre(added("hidraw6")));

    ASSERT_EQ(chmod(node("hidraw5").c_str(), 0644), 0);
    EXPECT_THAT(nextEvents(*monitor), ElementsAre(added("hidraw5")));
}

TEST_F(HotplugMonitorTest, ANodeRemovedWhileWaitedForIsNeverReported) {
    std::unique_ptr<HotplugMonitor> monitor = watch();
    ASSERT_NE(monitor, nullptr);

    readable = false;
    makeNode("hidraw7");
    EXPECT_THAT(readOnce(*monitor), ::testing::IsEmpty());
    removeNode("hidraw7");

    readable = true;
    makeNode("hidraw8");
    EXPECT_THAT(nextEvents(*monitor), ElementsAre(added("hidraw8")));
}

// The checks a program gets without choosing: sysfs says which nodes are controllers, and
// the node has to open.
TEST(HotplugMonitorDefaultsTest, SupportedControllersOfTheDeviceTreeAreFollowed) {
    FakeDeviceTree tree;
    ScopedEnvironment environment;
    environment.set("WHIRLEN_SYSFS_ROOT", tree.sysfsRoot());
    environment.set("WHIRLEN_DEV_ROOT", tree.devRoot());
    ASSERT_TRUE(tree.addHidraw(0, 0x0F1E, 0x30));
    std::unique_ptr<HotplugMonitor> monitor = HotplugMonitor::create(tree.devRoot());
    ASSERT_NE(monitor, nullptr);

    ASSERT_TRUE(tree.addHidraw(1, 0x0F1E, 0x31));
    ASSERT_TRUE(tree.addHidraw(2, 0x0F1E, 0x20));
    EXPECT_THAT(nextEvents(*monitor), ElementsAre(Event{Change::Added, tree.nodePath(2)}));

    tree.removeHidraw(1);
    tree.removeHidraw(2);
    tree.removeHidraw(0);
    EXPECT_THAT(nextEvents(*monitor), ElementsAre(Event{Change::Removed, tree.nodePath(2)},
                                                  Event{Change::Removed, tree.nodePath(0)}));
}

TEST_F(HotplugMonitorTest, AMissingFolderCannotBeWatched) {
    EXPECT_EQ(HotplugMonitor::create(dev.file("missing")), nullptr);
}

TEST_F(HotplugMonitorTest, ReadableMeansItOpensForReading) {
    makeNode("hidraw9");
    EXPECT_TRUE(HotplugMonitor::canOpenForReading(node("hidraw9")));
    EXPECT_FALSE(HotplugMonitor::canOpenForReading(node("hidraw10")));
}

}  // namespace
