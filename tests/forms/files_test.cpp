#include "forms/files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "support/files.h"

namespace fs = std::filesystem;

TEST(Files, WritesWholeAndReportsEveryFailure) {
    const fs::path dir = fs::temp_directory_path() / ("advisor-files-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);

    EXPECT_TRUE(forms::writeWhole(dir / "a.txt", "0;5;31;1"));
    EXPECT_EQ(slurp(dir / "a.txt"), "0;5;31;1");
    EXPECT_TRUE(forms::writeWhole(dir / "a.txt", "x"));
    EXPECT_EQ(slurp(dir / "a.txt"), "x");

    // A folder in the way: the rename fails, nothing is left behind, and the failure is reported.
    fs::create_directories(dir / "b.txt" / "inside");
    EXPECT_FALSE(forms::writeWhole(dir / "b.txt", "y"));
    EXPECT_FALSE(fs::exists(dir / "b.txt.tmp"));

    EXPECT_FALSE(forms::writeWhole(dir / "missing" / "c.txt", "z"));
    fs::remove_all(dir);
}
