#include "routines/streets.h"

#include <vector>

#include "forms/convert.h"

namespace routines {

int getstreet(int64_t lastSpin) {
    if (lastSpin <= 0) return 0;
    if (lastSpin > 36) return 12;
    return static_cast<int>((lastSpin + 2) / 3);
}

std::array<int, 3> streetTrio(int64_t street) {
    if (street < 1 || street > 12) return {-1, -1, -1};
    const int top = static_cast<int>(street) * 3;
    return {top - 2, top - 1, top};
}

std::optional<std::pair<int, int>> findtwonbrs(int64_t thisStreet, int64_t lastSpin) {
    const auto t = streetTrio(thisStreet);
    if (t[0] == lastSpin) return std::pair{t[1], t[2]};
    if (t[1] == lastSpin) return std::pair{t[0], t[2]};
    if (t[2] == lastSpin) return std::pair{t[0], t[1]};
    return std::nullopt;
}

std::string rem_twonbrs(int64_t lastSpin, std::string_view sbet) {
    const auto trio = streetTrio(getstreet(lastSpin));
    std::vector<std::string> kept;
    for (auto& item : forms::split(sbet, ",")) {
        bool inStreet = false;
        for (int m : trio) inStreet = inStreet || item == forms::numText(m);
        if (!inStreet && !item.empty()) kept.push_back(std::move(item));
    }
    return forms::join(kept, ",");
}

int add_twonbrs(int64_t lastSpin, std::string_view sbet) {
    auto trio = streetTrio(getstreet(lastSpin));
    for (int& m : trio)
        if (m == lastSpin) m = -1;
    int result = 0;
    for (const auto& item : forms::split(sbet, ",")) {
        for (int m : trio) {
            if (item == forms::numText(m)) return 1;
            result = 2;
        }
    }
    return result;
}

std::string marosti_add(int64_t n, std::string_view sBet) {
    const char* others = n == 1 ? "2,3" : n == 2 ? "1,3" : n == 3 ? "1,2" : nullptr;
    std::string out(sBet);
    if (!others) return out;
    if (!out.empty()) out += ',';
    return out + others;
}

}  // namespace routines
