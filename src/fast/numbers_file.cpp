#include "fast/numbers_file.h"

#include <fstream>
#include <system_error>
#include <vector>

#include "fast/twins.h"
#include "forms/convert.h"
#include "forms/files.h"
#include "panels/frm6fast.h"
#include "shell/session.h"

namespace fast {

namespace fs = std::filesystem;

bool writeNumbersFile(const fs::path& dir, std::string_view line) {
    return forms::writeWhole(dir / NumbersFileName, line);
}

std::optional<TwinNumbers> readNumbersFile(const fs::path& dir) {
    const fs::path file = dir / NumbersFileName;
    std::error_code ec;
    if (fs::status(file, ec).type() != fs::file_type::regular) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    // A sound line is at most eleven characters; read no more than a little beyond that.
    std::string head(256, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<size_t>(in.gcount()));
    const std::string line = head.substr(0, head.find_first_of("\r\n"));

    const auto fields = forms::split(line, ";");
    if (fields.size() < 4) return std::nullopt;
    TwinNumbers out;
    for (size_t i = 0; i < out.size(); ++i) {
        const auto n = forms::isWholeNumberText(fields[i]) ? forms::toInt(fields[i]) : std::nullopt;
        if (!n || *n < -1 || *n > 36) return std::nullopt;
        out[i] = forms::numText(*n);
    }
    return out;
}

namespace {

constexpr std::array<int, 4> NumberBoxes = {TwinsInstance1.seed, TwinsInstance1.twin, TwinsInstance2.seed,
                                            TwinsInstance2.twin};

}  // namespace

bool Command4_Click(Session& s, const fs::path& dir) {
    Frm6fast& f = s.frm6fast();
    std::vector<std::string> fields;
    for (int box : NumberBoxes) fields.push_back(f.Text4[box].text());
    const bool written = writeNumbersFile(dir, forms::join(fields, ";"));
    f.Command4.setToolTip(written ? SaveToolTip
                                  : std::string(NumbersFileNotWritten) + ": " + (dir / NumbersFileName).string());
    return written;
}

void Command5_Click(Session& s, const fs::path& dir) {
    const auto numbers = readNumbersFile(dir);
    if (!numbers) return;
    Frm6fast& f = s.frm6fast();
    for (size_t i = 0; i < NumberBoxes.size(); ++i) f.Text4[NumberBoxes[i]].setText((*numbers)[i]);
}

}  // namespace fast
