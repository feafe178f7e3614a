#include <gtest/gtest.h>

#include "support/files.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include <unistd.h>

#include "settings/frm2opti.h"
#include "shell/selftest.h"
#include "support/feed.h"

namespace fs = std::filesystem;

namespace {

// Each test runs in a directory of its own, since the log goes to the current directory.
struct SelfTest : ::testing::Test {
    Session s{42};
    Frm1basic& f = s.frm1basic();
    Frm2opti& opti = s.frm2opti();
    fs::path previous = fs::current_path();
    fs::path dir;

    void SetUp() override {
        s.start();
        dir = fs::temp_directory_path() / ("advisor-selftest-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::current_path(dir);
    }
    void TearDown() override {
        fs::current_path(previous);
        fs::remove_all(dir);
    }

    std::vector<fs::path> files() const {
        std::vector<fs::path> out;
        for (auto& e : fs::directory_iterator(dir)) out.push_back(e.path());
        return out;
    }
    void withLog(bool lines, const char* spins) {
        opti.Check2[8].setValue(lines ? 1 : 0);
        opti.Check2[12].setValue(1);
        opti.Text1[17].setText(spins);
    }
};

}  // namespace

TEST_F(SelfTest, DesignSettingsAddThreeHundredAndOneSpinsAndNoFile) {
    feed(s, {5, 17});
    f.Command3.click();
    EXPECT_EQ(f.Command1.caption(), "Spins: 303");
    EXPECT_EQ(s.st.l_general_cnt.value(), 303);
    EXPECT_TRUE(files().empty());
    EXPECT_EQ(f.SpinEntryBox().text(), "");
}

TEST_F(SelfTest, LogHasOneLinePerSpinInItsExactFormat) {
    withLog(true, "4");
    f.Command3.click();
    auto written = files();
    ASSERT_EQ(written.size(), 1u);
    const std::string name = written[0].filename().string();
    EXPECT_TRUE(std::regex_match(name, std::regex(R"(Test2235\d{6}\d\d\.\d\d\.\d{4})"))) << name;

    const std::string log = slurp(written[0]);
    const std::regex line(R"(([0-9]|[12][0-9]|3[0-6])(,0){35}\r\n)");
    std::vector<std::string> spins;
    for (std::sregex_iterator it(log.begin(), log.end(), line), end; it != end; ++it) {
        spins.push_back((*it)[1]);
    }
    EXPECT_EQ(spins.size(), 5u);
    EXPECT_EQ(log.size(), [&] {
        size_t n = 0;
        for (auto& sp : spins) n += shell::testLogLine(sp).size();
        return n;
    }());
    // Newest spin last in the file, first in the history.
    EXPECT_EQ(spins.back(), f.Text1[1].text());
    EXPECT_EQ(spins.front(), f.Text1[5].text());
}

TEST_F(SelfTest, FileWithoutLinesIsCreatedEmpty) {
    withLog(false, "0");
    f.Command3.click();
    auto written = files();
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(fs::file_size(written[0]), 0u);
    EXPECT_EQ(f.Command1.caption(), "Spins: 1");
}

TEST_F(SelfTest, LogThatCannotBeWrittenDoesNotStopTheRun) {
    withLog(true, "9");
    fs::remove_all(dir);  // the current directory is gone: nothing can be created in it
    f.Command3.click();
    EXPECT_EQ(f.Command1.caption(), "Spins: 10");
    EXPECT_NE(f.Command3.toolTip().find(shell::LogNotWritten), std::string::npos);
    EXPECT_FALSE(s.ended());
    fs::current_path(previous);
    fs::create_directories(dir);
    fs::current_path(dir);
    f.Command3.click();  // a later run that can write clears the note
    EXPECT_EQ(f.Command3.toolTip(), "");
}

TEST_F(SelfTest, SameSeedSameSpins) {
    Session other{42};
    other.start();
    f.Command3.click();
    other.frm1basic().Command3.click();
    EXPECT_EQ(history(s), history(other));
}

TEST_F(SelfTest, NegativeSpinCountRunsOneSpin) {
    opti.Text1[17].setText("-9999");
    f.Command3.click();
    EXPECT_EQ(f.Command1.caption(), "Spins: 1");
}

TEST_F(SelfTest, LargestRunFinishesQuickly) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "timed in the plain build only";
#endif
    opti.Text1[17].setText("99999");
    const auto start = std::chrono::steady_clock::now();
    f.Command3.click();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(f.Command1.caption(), "Spins: 100000");
    EXPECT_LT(seconds, 10.0);  // well under a second per 10,000 spins
}

TEST(SelfTestName, NeverHoldsSlashOrColon) {
    std::tm t{};
    t.tm_hour = 9;
    t.tm_min = 30;
    t.tm_sec = 5;
    t.tm_mday = 7;
    t.tm_mon = 2;
    t.tm_year = 126;
    EXPECT_EQ(shell::testLogFileName(t), "Test223509300507.03.2026");
}
