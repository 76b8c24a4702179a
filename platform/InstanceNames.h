#pragma once

// The single-instance lock names of the two programs. Each program holds its own lock
// for its whole life; the configuration program also asks whether the agent's is held,
// so both names live here rather than in either program's code.
inline constexpr const char* kAgentInstanceName = "PelvaneDesignMultimediaControllerMutex";
inline constexpr const char* kConfigurationUiInstanceName =
    "PelvaneMultimediaControllerSoftwareApp";
