// The HGF panel's number list (" - 7 - 12 - ... - ") split into its items, element 0 empty.
#pragma once

#include <string>
#include <vector>

#include "forms/convert.h"
#include "panels/frm3hgf.h"
#include "passes/first/hgf_statistics.h"
#include "shell/session.h"

namespace passes {

// The first pass keeps the split it wrote the list from; only when the box holds another text
// (or that split was handed on) is the text split here, into `scratch`.
inline const std::vector<std::string>& hgfNumberItems(Session& s, std::vector<std::string>& scratch) {
    const std::string& box = s.frm3hgf().Text3[4].text();
    const auto& written = s.st.HgfWrittenLists[hgf::NumberList];
    if (!written.items.empty() && written.text == box) return written.items;
    forms::splitInto(box, " - ", scratch);
    return scratch;
}

}  // namespace passes
