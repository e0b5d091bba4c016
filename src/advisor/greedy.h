#pragma once

#include "advisor/advisor.h"

namespace rollwell {

// The plain player the advisor is measured against: it holds the dice of the
// offered row that scores most now, rolls three times, and takes the offered
// cell that scores most. It announces only when the rules leave no other cell.
Advice GreedyAdvice(const Position& position);

// The easy computer player: it holds like the plain player but places by how
// far the roll beats what each cell usually gets, without planning the bonus
// or the (Max - Min) x Ones product.
Advice EasyAdvice(const Position& position);

} // namespace rollwell
