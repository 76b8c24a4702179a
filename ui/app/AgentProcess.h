#pragma once

// Starts the agent from this program's own folder unless its single-instance lock shows it
// running. Does not wait for it; a failure only leaves the agent link retrying.
void startAgentProcess();
