// The Twins numbers file "25thnbrs.txt": one line "seed;twin;seed2;twin2" with no line end.
// Written whole (a temporary file, then a rename) and read back only when it is sound, so a bad
// or missing file never changes a box.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

class Session;

namespace fast {

inline constexpr const char* NumbersFileName = "25thnbrs.txt";
inline constexpr const char* SaveToolTip = "Save numbers from 25thnbrs.txt";
// "S" shows a failed save in its tool tip, followed by the file's path, until a save succeeds.
inline constexpr const char* NumbersFileNotWritten = "The numbers file could not be written";

using TwinNumbers = std::array<std::string, 4>;  // seed, twin, seed2, twin2

// dir empty means the current directory. false when the file could not be written; an existing
// file is then left as it was.
bool writeNumbersFile(const std::filesystem::path& dir, std::string_view line);

// The four fields of the file's first line as canonical decimal texts; nullopt when the file is
// missing, empty or not a regular file (a named pipe would block the read), or the line has fewer
// than four fields or a field that is not a whole number from -1 to 36. Fields after the fourth
// are ignored.
std::optional<TwinNumbers> readNumbersFile(const std::filesystem::path& dir);

// "S": the four seed and twin boxes of the FAST panel into the file; the result also shows in
// the button's tool tip.
bool Command4_Click(Session& s, const std::filesystem::path& dir = {});
// "R": the file into the four boxes, all of them or none.
void Command5_Click(Session& s, const std::filesystem::path& dir = {});

}  // namespace fast
