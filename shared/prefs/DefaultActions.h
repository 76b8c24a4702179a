#pragma once

#include <cstdint>
#include <map>

#include "shared/prefs/ActionPreference.h"

// Device model -> control index -> the action that control starts with.
using DefaultActionTable = std::map<uint32_t, std::map<uint32_t, ActionPreference>>;

// Built on first use, with the empty context and without the store, so it
// does not depend on the order in which static objects come into being.
const DefaultActionTable& defaultActions();

// The default action of that control of that model; nullptr when the model
// lacks the control.
const ActionPreference* findDefaultAction(uint32_t deviceModel, uint32_t control);
