#pragma once

#include "advisor/advisor.h"

#include <functional>
#include <random>
#include <vector>

namespace rollwell {

using Policy = std::function<Advice(const Position&)>;

// Milliseconds of processor time this program has used: decisions are timed
// by the processor they take, as the machine may be shared with other work.
double CpuMs();

// A solitaire game played on a bare sheet by the rules of the column orders
// and the Announce column, without the engine: fast enough for self-play.
struct Solitaire {
    struct Placement {
        int column, row;
        int32_t points;
    };
    std::vector<Placement> placements;
    std::vector<double> decisionMs; // time of each call of the policy
    int32_t total = 0;
    bool failed = false; // the policy asked for a move the rules refuse
};

Solitaire PlaySolitaire(int columns, int dice, const Policy& policy, std::mt19937& rng,
                        bool timeDecisions);

} // namespace rollwell
