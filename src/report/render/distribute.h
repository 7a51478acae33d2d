// Spreads one-pixel corrections over an array as evenly as a binary
// subdivision allows: used for line steps and character advances.
#pragma once

#include <span>

namespace rq::report::render {

// Adds delta to count elements of values[first..last] (indices inclusive):
// count 1 goes to the middle element (the lower middle), larger counts are
// split between the two halves. Does nothing when count <= 0.
void Distribute(std::span<int> values, int first, int last, int delta, int count);

// Spreads |correction| units with the sign of correction over all elements:
// every element first gets |correction| div size, the remainder goes by
// Distribute.
void spreadCorrection(std::span<int> values, int correction);

} // namespace rq::report::render
