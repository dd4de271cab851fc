#pragma once

#include <filesystem>
#include <string>
#include <variant>

#include "reports/locked_file.h"

namespace vantrel {

// A hidden file beside the one it will replace, named ".<name>.tmp-XXXXXX", created afresh (never
// an existing file or a link) and locked for as long as it is open, so that another run can tell
// a live writer's file from one a killed run left behind.
struct TemporaryFile {
  Descriptor file;
  std::filesystem::path path;
};

std::variant<TemporaryFile, OpenFailure> createTemporaryFor(const std::filesystem::path& target);

// Whether `fileName` is one of this program's temporary names for `targetName`.
bool isTemporaryNameFor(const std::string& fileName, const std::string& targetName);

// Removes the temporary files for `target` that killed runs left in its folder: only names of
// this program's pattern, only regular files, only those no live writer holds locked.
void removeStaleTemporaries(const std::filesystem::path& target);

}  // namespace vantrel
