#include "agent/TrayMenuModel.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "agent/ConfigurationUiLauncher.h"
#include "tests/shared/prefs/StoreTestSupport.h"

namespace {

using nlohmann::json;
using Entries = std::vector<TrayMenu::Entry>;

const std::string kTitle = "Pelvane Design Multimedia Control Panel";
const std::string kMax = "whirlenmax";
const std::string kLite = "whirlenlite";

ConnectedDevice device(uint32_t model, const std::string& uuid) {
    const std::string path = "/dev/hidraw" + uuid;
    return ConnectedDevice(1, model, true, uuid, path, path);
}

// A store with two profiles per model; the second Lite is bound to "travel", the first
// to "default", and every other device gets its model's default profile.
class TrayMenuModelTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        write(paths_.defaultFile,
              documentJson({profileJson(kLite, "default"), profileJson(kLite, "travel"),
                            profileJson(kMax, "default"), profileJson(kMax, "Work")})
                  .dump());
        write(paths_.profileBindFile,
              json{{"ProfileBind",
                    {{{"DeviceID", "LYTE3200010002"}, {"ProfileID", profileKey(kLite, "default")}},
                     {{"DeviceID", "LYTE3200010003"}, {"ProfileID", profileKey(kLite, "travel")}},
                     {{"DeviceID", "MXV24800010004"}, {"ProfileID", profileKey(kMax, "Work")}}}}}
                  .dump());
        store().load();
    }
};

TEST_F(TrayMenuModelTest, ListsTheTitleEachControllerWithItsProfileAndExit) {
    const struct {
        std::string name;
        std::vector<ConnectedDevice> devices;
        Entries entries;
    } cases[] = {
        {"no devices", {}, {{1, kTitle}, {2, "Exit"}}},
        {"a Lite bound to default",
         {device(2, "3200010002")},
         {{1, kTitle}, {1000, "Whirlen Lite - default"}, {2, "Exit"}}},
        {"bound and unbound devices, in the order given",
         {device(2, "3200010003"), device(1, "4800010004"), device(1, "4800010005")},
         {{1, kTitle},
          {1000, "Whirlen Lite - travel"},
          {1001, "Whirlen Max - Work"},
          {1002, "Whirlen Max - default"},
          {2, "Exit"}}},
        {"devices of no model left out, the ids closing up",
         {device(3, "3300010001"), device(2, "3200010002"), device(0, "0"),
          device(1, "4800010004")},
         {{1, kTitle},
          {1000, "Whirlen Lite - default"},
          {1001, "Whirlen Max - Work"},
          {2, "Exit"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TrayMenuModel model = buildTrayMenu(c.devices, store());
        EXPECT_EQ(model.menu().title, kTitle);
        EXPECT_EQ(model.menu().entries, c.entries);
    }
}

TEST_F(TrayMenuModelTest, EachDeviceEntryLaunchesItsOwnController) {
    // Both UUIDs are far beyond a 32-bit number, as every real one is.
    const TrayMenuModel model = buildTrayMenu(
        {device(1, "4800010004"), device(3, "3300010001"), device(2, "3200010002")}, store());

    const ConnectedDevice* first = model.deviceForEntry(1000);
    const ConnectedDevice* second = model.deviceForEntry(1001);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(
        ConfigurationUiLauncher::commandFor("/opt/", first),
        (std::vector<std::string>{"/opt/whirlenUI", "-devModel", "1", "-devId", "4800010004"}));
    EXPECT_EQ(
        ConfigurationUiLauncher::commandFor("/opt/", second),
        (std::vector<std::string>{"/opt/whirlenUI", "-devModel", "2", "-devId", "3200010002"}));
    for (const int other : {0, 1, 2, 999, 1002}) {
        EXPECT_EQ(model.deviceForEntry(other), nullptr) << other;
    }
}

}  // namespace
