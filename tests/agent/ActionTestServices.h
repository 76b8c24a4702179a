#pragma once

#include <nlohmann/json.hpp>

#include "agent/ActionServices.h"
#include "platform/BacklightControl.h"
#include "platform/RecordingInjector.h"
#include "shared/prefs/PreferencesStore.h"
#include "tests/agent/RecordingProfileSwitch.h"
#include "tests/support/TemporaryFolder.h"

// Stand-ins for everything a device's actions act through: input is recorded, there is
// no backlight, profile switches are only noted,
// and the store reads files of a folder of its own (nothing until a test loads a document).
class ActionTestServices {
public:
    ActionTestServices();

    ActionServices services();
    // Writes the document as the default preference file and loads the store from it.
    void loadPreferences(const nlohmann::json& document);

    RecordingInjector injector;
    TemporaryFolder folder{"action-services"};
    BacklightControl backlight;
    RecordingProfileSwitch profiles;
    PreferencesStore store;
};
