// The HGF panel's number list (" - 7 - 12 - ... - ") split into its items, element 0 empty.
#pragma once

#include <string>
#include <vector>

#include "forms/convert.h"
#include "panels/frm3hgf.h"
#include "passes/first/hgf_statistics.h"
#include "shell/session.h"

namespace passes {

// The first pass keeps the splits of the lists it wrote and loaded; only a text the box holds
// besides those is split here, into `scratch`.
inline const std::vector<std::string>& hgfNumberItems(Session& s, std::vector<std::string>& scratch) {
    return hgf::listItems(s.st, hgf::NumberList, s.frm3hgf().Text3[4].text(), scratch);
}

}  // namespace passes
