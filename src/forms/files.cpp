#include "forms/files.h"

#include <fstream>
#include <system_error>

namespace forms {

bool writeWhole(const std::filesystem::path& target, std::string_view content) {
    namespace fs = std::filesystem;
    fs::path temp = target;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (out) out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.close();
        if (!out) {
            std::error_code ec;
            fs::remove(temp, ec);
            return false;
        }
    }
    std::error_code renamed;
    fs::rename(temp, target, renamed);
    if (renamed) {
        std::error_code ignored;
        fs::remove(temp, ignored);
    }
    return !renamed;
}

}  // namespace forms
