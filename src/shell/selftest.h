// "Test": random spins through the real entry road, with an optional log file.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

class Session;

namespace shell {

// "Spins no." is clamped to this; the run feeds one spin more than it says.
inline constexpr int32_t MaxTestSpins = 99999;
inline constexpr const char* LogNotWritten = "The test log could not be written";

// "Test2235", the time as HHMMSS and the date as dd.mm.yyyy: never a "/" or ":", whatever the
// locale.
std::string testLogFileName(const std::tm& when);

// One log line: the spin, then the 35 fields of the unused table, all "0"; CR LF at the end.
std::string testLogLine(const std::string& spin);

void Command3_Click(Session& s);

}  // namespace shell
