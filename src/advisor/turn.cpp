#include "advisor/turn.h"

#include <algorithm>

namespace rollwell::advice {

TurnSearch::TurnSearch(const DiceSets& sets)
    : sets_(sets), roll_(static_cast<size_t>(sets.count())),
      scratch_(static_cast<size_t>(sets.count())) {}

void TurnSearch::place(std::span<const CellChoice> cells, std::vector<float>& out) const {
    const int first = sets_.firstRoll();
    const int end = sets_.count();
    std::fill(out.begin() + first, out.begin() + end, kForbidden);
    for (const CellChoice& cell : cells) {
        for (int s = first; s < end; ++s) {
            const float v = cell.value[static_cast<size_t>(sets_.score(s, cell.row))];
            if (v > out[s]) out[s] = v;
        }
    }
}

float TurnSearch::placeValue(std::span<const CellChoice> cells, int set, int* which) const {
    float best = kForbidden;
    for (size_t i = 0; i < cells.size(); ++i) {
        const float v = cells[i].value[static_cast<size_t>(sets_.score(set, cells[i].row))];
        if (v > best) {
            best = v;
            if (which) *which = static_cast<int>(i);
        }
    }
    return best;
}

// From the value of standing on each full roll: the expected value of each
// kept set (rolling the dice one at a time gives the same chances as rolling
// them together), and for each set the best of its subsets to keep.
void TurnSearch::keepStep(const std::vector<float>& roll, Layer& layer) const {
    const size_t n = static_cast<size_t>(sets_.count());
    layer.keep.resize(n);
    layer.best.resize(n);
    const int first = sets_.firstRoll();
    std::copy(roll.begin() + first, roll.begin() + static_cast<long>(n),
              layer.keep.begin() + first);
    for (int s = first - 1; s >= 0; --s) {
        float sum = 0;
        for (int f = 0; f < 6; ++f)
            sum += layer.keep[sets_.plus(s, f)];
        layer.keep[s] = sum / 6.0f;
    }
    for (int s = 0; s < static_cast<int>(n); ++s) {
        float best = layer.keep[s];
        for (int f = 0; f < 6; ++f) {
            const int smaller = sets_.minus(s, f);
            if (smaller >= 0) best = std::max(best, layer.best[smaller]);
        }
        layer.best[s] = best;
    }
}

float TurnSearch::keepValue(int rollsMade, int set) const {
    return rollsMade == 1 ? second_.keep[set] : third_.keep[set];
}

// Placing after the third roll, and the choice between placing and rolling
// again after the second: `middle.best` of a full roll is its value after the
// first roll, with two rolls left.
void TurnSearch::twoRolls(std::span<const CellChoice> cells, Layer& last, Layer& middle) {
    place(cells, roll_);
    keepStep(roll_, last);
    std::copy(last.best.begin() + sets_.firstRoll(), last.best.end(),
              scratch_.begin() + sets_.firstRoll());
    keepStep(scratch_, middle);
}

void TurnSearch::solve(std::span<const CellChoice> regular, std::span<const CellChoice> announce) {
    twoRolls(regular, third_, second_);
    const int first = sets_.firstRoll();
    const int end = sets_.count();
    std::vector<float> afterFirst(second_.best.begin() + first, second_.best.end());
    announce_.resize(announce.size());
    for (size_t a = 0; a < announce.size(); ++a) {
        twoRolls(announce.subspan(a, 1), announce_[a].first, announce_[a].second);
        for (int s = first; s < end; ++s)
            afterFirst[s - first] = std::max(afterFirst[s - first], announce_[a].second.best[s]);
    }
    double sum = 0;
    for (int s = first; s < end; ++s)
        sum += sets_.rollChance(s) * afterFirst[s - first];
    start_ = static_cast<float>(sum);
}

} // namespace rollwell::advice
