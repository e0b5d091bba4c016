#include "advisor/advisor.h"

#include "advisor/dice.h"
#include "advisor/freetables.h"
#include "advisor/greedy.h"
#include "advisor/sheetvalue.h"
#include "advisor/turn.h"
#include "advisor/yahtzee.h"

#include <memory>
#include <vector>

namespace rollwell {

using namespace advice;

namespace {

bool valid(const Position& p) {
    if (p.columns != 1 && p.columns != 4) return false;
    if (p.dice != 5 && p.dice != 6) return false;
    if (p.rollCount < 0 || p.rollCount > 3) return false;
    if (p.announcedRow >= kRowCount || (p.announcedRow >= 0 && p.columns != 4)) return false;
    if (p.rollCount == 0) return true;
    for (int i = 0; i < p.dice; ++i) {
        if (p.diceValues[i] < 1 || p.diceValues[i] > 6) return false;
    }
    return true;
}

// The cells the rules offer for the roll on the table, and the Announce cells
// the first roll may announce.
void offered(const Position& p, std::vector<std::pair<int, int>>& cells,
             std::vector<int>& announce) {
    const PlayerSheet& s = p.sheet;
    if (p.announcedRow >= 0) {
        if (s.isEmpty(4, p.announcedRow)) cells.emplace_back(4, p.announcedRow);
        return;
    }
    if (p.columns == 4) {
        if (s.NextDownRow >= 0 && s.NextDownRow < kRowCount && s.isEmpty(1, s.NextDownRow))
            cells.emplace_back(1, s.NextDownRow);
        if (s.NextUpRow >= 0 && s.NextUpRow < kRowCount && s.isEmpty(2, s.NextUpRow))
            cells.emplace_back(2, s.NextUpRow);
    }
    for (int r = 0; r < kRowCount; ++r) {
        if (s.isEmpty(3, r)) cells.emplace_back(3, r);
    }
    if (p.columns == 4 && p.rollCount <= 1) {
        for (int r = 0; r < kRowCount; ++r) {
            if (s.isEmpty(4, r)) announce.push_back(r);
        }
    }
}

std::array<uint8_t, 6> countsOf(const Position& p) {
    std::array<uint8_t, 6> counts{};
    for (int i = 0; i < p.dice; ++i)
        ++counts[static_cast<size_t>(p.diceValues[i] - 1)];
    return counts;
}

// The dice to hold for a kept multiset, preferring dice already held.
std::array<bool, 6> holdFor(const Position& p, std::array<uint8_t, 6> keep) {
    std::array<bool, 6> hold{};
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < p.dice; ++i) {
            const size_t f = static_cast<size_t>(p.diceValues[i] - 1);
            if (hold[i] || (pass == 0 && !p.held[i]) || keep[f] == 0) continue;
            hold[i] = true;
            --keep[f];
        }
    }
    return hold;
}

struct Valued {
    std::vector<CellChoice> regular, announce;
    double credited = 0; // points the values count that the sheet's totals do not show yet
};

// Every offered cell with the worth of each score there.
Valued valueCells(const Position& p, Strength strength,
                  const std::vector<std::pair<int, int>>& cells, const std::vector<int>& announce) {
    Valued v;
    if (p.columns == 1 && strength == Strength::Strong) {
        if (auto exact = SolvedFreeValues(p.dice)) {
            std::vector<CellChoice> all;
            exact->choices(FreeState::of(p.sheet, 3), 3, all);
            v.regular = all;
            // The solved values pay the product's share of Max and Min as soon
            // as Ones is known; the sheet shows the product only when complete.
            const ScoreCell &ones = p.sheet.cell(3, 0), &max = p.sheet.cell(3, 6),
                            &min = p.sheet.cell(3, 7);
            if (ones && !(max && min)) v.credited = *ones * (valueOf(max) - valueOf(min));
            return v;
        }
    }
    const SheetValue value(ShippedStats(p.columns, p.dice), p.dice, strength == Strength::Strong);
    std::array<double, 5> columnValue{};
    double total = 0;
    for (int c = 1; c <= kColumnCount; ++c) {
        if (p.columns == 1 && c != 3) continue;
        columnValue[c] = value.column(p.sheet, c);
        total += columnValue[c];
    }
    for (auto [c, r] : cells) {
        v.regular.emplace_back();
        value.fill(p.sheet, c, r, total - columnValue[c], v.regular.back());
    }
    for (int r : announce) {
        v.announce.emplace_back();
        value.fill(p.sheet, 4, r, total - columnValue[4], v.announce.back());
    }
    return v;
}

// Keeps the best candidate and the runner-up's value.
struct Choice {
    Advice best;
    double bestValue = kForbidden;
    double secondValue = kForbidden;

    void offer(const Advice& a, double value) {
        if (value > bestValue) {
            secondValue = bestValue;
            bestValue = value;
            best = a;
        } else if (value > secondValue) {
            secondValue = value;
        }
    }
};

} // namespace

Advice Advise(const Position& p, Strength strength) {
    if (!valid(p)) return {};
    if (strength == Strength::Easy) return EasyAdvice(p);

    std::vector<std::pair<int, int>> cells;
    std::vector<int> announce;
    offered(p, cells, announce);
    const Valued v = valueCells(p, strength, cells, announce);
    const DiceSets& sets = DiceSets::of(p.dice);
    // One search per thread and number of dice, reused for its buffers.
    thread_local std::unique_ptr<TurnSearch> searches[2];
    std::unique_ptr<TurnSearch>& search = searches[p.dice - 5];
    if (!search) search = std::make_unique<TurnSearch>(sets);
    search->solve(v.regular, v.announce);
    const double total = valueOf(p.sheet.GrandTotal) + v.credited;

    Choice choice;
    if (p.rollCount == 0) {
        Advice a;
        a.expectedFinal = total + search->startValue();
        return a;
    }
    const int roll = sets.indexOf(countsOf(p));
    const bool shortSearch = strength == Strength::Normal;
    for (const CellChoice& cell : v.regular) {
        Advice a;
        a.action = Action::Place;
        a.column = cell.column;
        a.row = cell.row;
        a.points = sets.score(roll, cell.row);
        choice.offer(a, cell.value[static_cast<size_t>(a.points)]);
    }
    if (p.rollCount == 1) {
        for (size_t i = 0; i < v.announce.size(); ++i) {
            Advice a;
            a.action = Action::Announce;
            a.column = 4;
            a.row = v.announce[i].row;
            const int ai = static_cast<int>(i);
            choice.offer(a, shortSearch ? search->announceNextRollValue(ai, roll)
                                        : search->announceValue(ai, roll));
        }
    }
    if (p.rollCount < 3 && !v.regular.empty()) {
        const auto& have = sets.counts(roll);
        const int rollsMade = shortSearch ? 2 : p.rollCount;
        for (int k = 0; k < sets.firstRoll(); ++k) {
            const auto& keep = sets.counts(k);
            bool inside = true;
            for (int f = 0; f < 6; ++f)
                inside = inside && keep[f] <= have[f];
            if (!inside) continue;
            Advice a;
            a.hold = holdFor(p, keep);
            choice.offer(a, search->keepValue(rollsMade, k));
        }
    }
    if (choice.bestValue <= kForbidden) return {};
    Advice best = choice.best;
    best.expectedFinal = total + choice.bestValue;
    best.expectedGain = choice.secondValue > kForbidden ? choice.bestValue - choice.secondValue : 0;
    return best;
}

} // namespace rollwell
