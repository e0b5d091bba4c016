// Makes src/advisor/stats.cpp: what each cell of each column usually receives
// when the advisor plays, found by self-play. Each round plays seeded games
// with the stats in force, measures what every cell received, and moves the
// stats halfway towards that; the stats that played best are kept (the stats
// in the program count as round 0, so a rerun never makes the advisor worse
// on these games).
//
//   advisor_tables [games per round] [rounds] > src/advisor/stats.cpp
#include "advisor/advisor.h"
#include "advisor/sheetvalue.h"
#include "solitaire.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace rollwell;
using namespace rollwell::advice;

namespace {

struct Round {
    KindStats received;
    double mean = 0;
};

Round selfPlay(int columns, int dice, int games, unsigned seed) {
    std::array<std::array<double, kRowCount>, kColumnCount> sum{};
    std::array<std::array<std::array<double, 6>, kRowCount>, kColumnCount> counts{};
    std::mt19937 rng(seed);
    double total = 0;
    const Policy strong = [](const Position& p) { return Advise(p, Strength::Strong); };
    for (int g = 0; g < games; ++g) {
        const Solitaire game = PlaySolitaire(columns, dice, strong, rng, false);
        total += game.total;
        for (const auto& pl : game.placements) {
            sum[pl.column - 1][pl.row] += pl.points;
            if (IsUpperRow(pl.row)) counts[pl.column - 1][pl.row][pl.points / (pl.row + 1)] += 1;
        }
    }
    KindStats stats{};
    for (int c = 0; c < kColumnCount; ++c) {
        for (int r = 0; r < kRowCount; ++r) {
            stats[c][r].mean = static_cast<float>(sum[c][r] / games);
            for (int k = 0; k < 6 && IsUpperRow(r); ++k)
                stats[c][r].counts[k] = static_cast<float>(counts[c][r][k] / games);
        }
    }
    if (columns == 1) {
        for (int c : {0, 1, 3})
            stats[c] = stats[2];
    }
    return {stats, total / games};
}

KindStats halfway(const KindStats& from, const KindStats& to) {
    KindStats mid = from;
    for (int c = 0; c < kColumnCount; ++c) {
        for (int r = 0; r < kRowCount; ++r) {
            mid[c][r].mean = (from[c][r].mean + to[c][r].mean) / 2;
            for (int k = 0; k < 6; ++k)
                mid[c][r].counts[k] = (from[c][r].counts[k] + to[c][r].counts[k]) / 2;
        }
    }
    return mid;
}

std::string format(const KindStats& stats) {
    std::string out = "{{";
    for (int c = 0; c < kColumnCount; ++c) {
        out += c ? ",\n   {{" : "{{";
        for (int r = 0; r < kRowCount; ++r) {
            char cell[200];
            const auto& s = stats[c][r];
            std::snprintf(cell, sizeof cell,
                          "%s\n     {%.4ff, {%.5ff, %.5ff, %.5ff, %.5ff, %.5ff, %.5ff}}",
                          r ? "," : "", s.mean, s.counts[0], s.counts[1], s.counts[2], s.counts[3],
                          s.counts[4], s.counts[5]);
            out += cell;
        }
        out += "}}";
    }
    return out + "}}";
}

} // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 4;
    std::string kinds[2][2];
    for (int columns : {4, 1}) {
        for (int dice : {5, 6}) {
            KindStats stats = ShippedStats(columns, dice), best = stats;
            double bestMean = -1;
            for (int round = 0; round <= rounds; ++round) {
                ReplaceStats(columns, dice, stats);
                const Round played = selfPlay(columns, dice, games, 1000u);
                std::fprintf(stderr, "columns %d dice %d round %d mean %.2f\n", columns, dice,
                             round, played.mean);
                if (played.mean > bestMean) bestMean = played.mean, best = stats;
                stats = halfway(stats, played.received);
            }
            ReplaceStats(columns, dice, best);
            kinds[columns == 1][dice == 6] = format(best);
        }
    }
    std::printf("// Made by tools/advisor_tables.cpp (%d games a round, %d rounds of self-play);\n"
                "// rerun it after changing how the advisor plays.\n"
                "#include \"advisor/sheetvalue.h\"\n\n"
                "namespace rollwell::advice {\n\n"
                "namespace {\n"
                "// Yamb, then Yahtzee; five dice, then six. Per column 1..4 and row 0..12: the\n"
                "// mean score and, for upper rows, the chances of 0..5 dice of the face.\n"
                "KindStats shipped[2][2] = {{%s,\n%s},\n{%s,\n%s}};\n"
                "} // namespace\n\n"
                "const KindStats& ShippedStats(int columns, int dice) {\n"
                "    return shipped[columns == 1 ? 1 : 0][dice == 6 ? 1 : 0];\n"
                "}\n\n"
                "void ReplaceStats(int columns, int dice, const KindStats& stats) {\n"
                "    shipped[columns == 1 ? 1 : 0][dice == 6 ? 1 : 0] = stats;\n"
                "}\n\n"
                "} // namespace rollwell::advice\n",
                games, rounds, kinds[0][0].c_str(), kinds[0][1].c_str(), kinds[1][0].c_str(),
                kinds[1][1].c_str());
}
