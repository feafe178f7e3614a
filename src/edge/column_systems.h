// Pure cores of the column and number systems of the "TCh" window: state in, spins and limits in,
// new state out. The adapters in the section files read the boxes and write what the state shows.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

#include "state/edge_state.h"

namespace edge {

// A history row as the systems see it: the spin, or nullopt while the row is empty.
using Row = std::optional<int>;

// Column system 1, following the changing column. Returns the column whose caption ("1C"..) is
// to be shown, or 0 when the caption stays.
int columnSystem1Step(state::TchColumnState& st, Row t1, Row t2, Row t3);

// Column system 2, the column strings. Returns the caption ("1C", "2C", "3C" or "-").
std::string_view columnSystem2Step(state::TchColumnState& st, const std::string& t1, const std::string& t2,
                                   Row c1, Row c2, Row c3);
// The display section's bookkeeping: minimum, maximum stake and the string-length table.
void columnDisplayStep(state::TchColumnState& st);

// One-number progression on the unseen numbers. limit is nullopt when its box holds no whole
// number: nothing is booked, the spin is still counted. Returns the numbers staked (box 199).
int64_t unseenNumbersStep(state::TchNumberState& st, int n, std::optional<int64_t> limit);

// Partner list from the five newest spins when the four best sorted HGF entries add up to more
// than the limit. rows holds rows 1..5; hgfSum is nullopt when the list cannot be read.
void partnerListStep(state::TchNumberState& st, const std::array<Row, 5>& rows, bool row13,
                     std::optional<double> limit, std::optional<int64_t> hgfSum);
// The five-number progression on the partner list; limit nullopt skips the section.
void fiveNumberStep(state::TchNumberState& st, const std::string& t1, std::optional<int64_t> limit);
// The partners joined by spaces while they are there, "-" otherwise.
std::string partnerCaption(const std::array<std::string, 7>& list);

// The drawn lists. go is the "Go" switch.
void drawnThreeSettle(state::TchNumberState& st, int n, bool t3);
void drawnThreeDraw(state::TchNumberState& st, int n, const std::tm& now);
// Settles list B, then draws lists B and C when due; true when it drew.
bool drawnFiveStep(state::TchNumberState& st, Row t1, bool t2, bool go);

// Street of a spin, 1..12; 0 for zero.
int streetOf(int n);

}  // namespace edge
