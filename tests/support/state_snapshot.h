#pragma once

#include <filesystem>
#include <string>

#include "state/headless_controls.h"
#include "state/ortak.h"

// Snapshots for checking that an action changed nothing: each number written in full (hex), so
// two equal snapshots mean bit-for-bit equal values.
namespace vantrel::test {

// Every variable of the shared state.
std::string stateOf(const Ortak& ortak);

// What the user can see or find: every box, label, frame, option and display list, and the bytes
// of both reports in `workDir` (messages are the caller's to check).
std::string windowOf(const HeadlessControls& form, const std::filesystem::path& workDir);

}  // namespace vantrel::test
