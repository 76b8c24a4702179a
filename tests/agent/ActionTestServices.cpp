#include "tests/agent/ActionTestServices.h"

#include "tests/support/TestFiles.h"

ActionTestServices::ActionTestServices()
    : backlight(folder.file("sys")),
      store(PreferencesStorePaths{folder.file("pelvane_default.json"),
                                  folder.file("pelvane_profile_bind.json"),
                                  folder.file("pelvane_default_backup.json")}) {}

ActionServices ActionTestServices::services() {
    return {&injector, &backlight, &profiles};
}

void ActionTestServices::loadPreferences(const nlohmann::json& document) {
    writeFileBytes(store.paths().defaultFile, document.dump());
    store.reload(false);
    store.load();
}
