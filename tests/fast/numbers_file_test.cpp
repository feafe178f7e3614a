// The numbers file's failures as a player meets them: a save that cannot write, and a read of
// something that is not a regular file.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>

#include "fast/numbers_file.h"
#include "panels/frm6fast.h"
#include "support/feed.h"
#include "support/files.h"

namespace fs = std::filesystem;

namespace {

struct NumbersFile : ::testing::Test {
    Session s{1};
    Frm6fast& f = s.frm6fast();
    fs::path dir = fs::temp_directory_path() /
                   ("numbers_file_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::path file = dir / fast::NumbersFileName;

    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
        f.Command3.click();  // "Gns": 0;5;31;1
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }
    bool noted() const {
        const std::string& tip = f.Command4.toolTip();
        return tip.find(fast::NumbersFileNotWritten) != std::string::npos && tip.find(file.string()) != std::string::npos;
    }
};

}  // namespace

TEST_F(NumbersFile, AFolderInPlaceOfTheFileIsShownUntilASaveSucceeds) {
    fs::create_directory(file);
    EXPECT_FALSE(fast::Command4_Click(s, dir));
    EXPECT_TRUE(noted()) << f.Command4.toolTip();
    EXPECT_TRUE(fs::is_directory(file));
    fs::remove(file);
    EXPECT_TRUE(fast::Command4_Click(s, dir));
    EXPECT_EQ(f.Command4.toolTip(), fast::SaveToolTip);
    EXPECT_EQ(slurp(file), "0;5;31;1");
}

TEST_F(NumbersFile, AReadOnlyFolderIsShown) {
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(dir / "probe")) GTEST_SKIP() << "this user can write into read-only folders";
    EXPECT_FALSE(fast::Command4_Click(s, dir));
    EXPECT_TRUE(noted());
}

TEST_F(NumbersFile, ANamedPipeIsNotReadAndDoesNotHang) {
    ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
    auto read = std::async(std::launch::async, [this] { return fast::readNumbersFile(dir); });
    if (read.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        std::ofstream release(file);  // lets the blocked read end before failing
        FAIL() << "reading the pipe blocked";
    }
    EXPECT_FALSE(read.get());
    fast::Command5_Click(s, dir);
    EXPECT_EQ(f.Text4[72].text() + ";" + f.Text4[73].text() + ";" + f.Text4[77].text() + ";" + f.Text4[78].text(),
              "0;5;31;1");
}
