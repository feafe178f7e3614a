#include "shell/selftest.h"

#include <algorithm>
#include <random>

#include "forms/convert.h"
#include "forms/files.h"
#include "passes/first/first_pass.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace shell {

namespace {

constexpr int UnusedFields = 35;

std::tm localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    return t;
}

}  // namespace

std::string testLogFileName(const std::tm& when) {
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%H%M%S%d.%m.%Y", &when);
    return std::string("Test2235") + stamp;
}

std::string testLogLine(const std::string& spin) {
    std::string line = spin;
    for (int i = 0; i < UnusedFields; ++i) line += ",0";
    line += "\r\n";
    return line;
}

void Command3_Click(Session& s) {
    auto& f = s.frm1basic();
    const bool withLines = settings::on(s, settings::Switch::TestsEnabled);
    const bool withFile = settings::on(s, settings::Switch::TestsFileFlag);
    const std::string fileName = withFile ? testLogFileName(localNow()) : std::string();

    // A text that is no number runs no spin; the file is still made, as it was opened first.
    const auto count = settings::integer(s, settings::Box::TestSpinCount);
    const int32_t last = count ? std::clamp(*count, 0, MaxTestSpins) : -1;

    std::string log;
    std::uniform_int_distribution<int> pocket(0, 36);
    auto& entry = f.SpinEntryBox();
    for (int32_t i = 0; i <= last; ++i) {
        entry.setText(forms::numText(pocket(s.rng())));
        passes::Command1_Click(s);
        if (withLines && withFile) log += testLogLine(f.Text1[1].text());
    }

    if (withFile) f.Command3.setToolTip(forms::writeWhole(fileName, log) ? "" : std::string(LogNotWritten) + ": " + fileName);
}

}  // namespace shell
