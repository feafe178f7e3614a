// The runtime's file output: a file is written whole or not at all.
#pragma once

#include <filesystem>
#include <string_view>

namespace forms {

// Writes a temporary file beside the target and renames it over the target, so a failed write
// leaves the old file as it was. False when any step fails.
bool writeWhole(const std::filesystem::path& target, std::string_view content);

}  // namespace forms
