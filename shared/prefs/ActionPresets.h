#pragma once

#include <array>
#include <cstdint>

// The three timing fields of an action. Their meaning is the repeat worker's;
// the presets below are the combinations that the editor offers.
struct ActionTiming {
    int32_t startDelay = -1;
    int32_t repeat = 1;
    int32_t delayRepeat = 0;

    bool operator==(const ActionTiming&) const = default;
};

// Repeat behaviour of a control, by the index that the editor and the agent
// share. Compile-time constants, so no start-up order can find them unbuilt.
inline constexpr std::array<ActionTiming, 14> RepeatTypePresets = {{
    {0, 1, 0},
    {0, -1, 0},
    {-2, 1, 0},
    {0, 60, 1000},
    {0, 45, 1000},
    {0, 30, 1000},
    {0, 15, 1000},
    {0, 10, 1000},
    {0, 5, 1000},
    {0, 2, 1000},
    {0, 1, 1000},
    {0, 1, 2000},
    {0, 1, 3000},
    {0, 1, 4000},
}};

// Wait time after a macro step, in milliseconds of DelayRepeat.
inline constexpr std::array<ActionTiming, 14> MacroWaitTimePresets = {{
    {0, 1, 0},
    {0, 1, 1},
    {0, 1, 2},
    {0, 1, 5},
    {0, 1, 10},
    {0, 1, 20},
    {0, 1, 50},
    {0, 1, 100},
    {0, 1, 200},
    {0, 1, 500},
    {0, 1, 1000},
    {0, 1, 2000},
    {0, 1, 5000},
    {0, 1, 10000},
}};

// The wait-time index of a timing that matches no wait preset.
inline constexpr uint32_t kMacroWaitTimeNone = 14;
