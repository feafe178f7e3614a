#include "edge/column_rows.h"
#include "edge/sections.h"
#include "panels/frm7tch.h"

namespace edge {

void columnSystem1(Session& s) {
    static constexpr std::string_view Captions[] = {"", "1C", "2C", "3C"};
    const int c = columnSystem1Step(s.st, historyRow(s, 1), historyRow(s, 2), historyRow(s, 3));
    if (c != 0) s.frm7tch().Label1[22].setCaption(Captions[c]);
}

}  // namespace edge
