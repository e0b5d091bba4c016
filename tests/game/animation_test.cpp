#include "game/engine.h"
#include "support/scriptedplatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace rollwell {
namespace {

constexpr char kColumnLetter[] = {'D', 'U', 'F', 'A'};

// The shown cell buttons as names such as "D12" (Down row 12) or "A0".
std::set<std::string> shownCells(const Board& b) {
    std::set<std::string> cells;
    for (int c = 1; c <= kColumnCount; ++c) {
        for (int r = 0; r < kRowCount; ++r) {
            if (b.cmd(c, r).visible) cells.insert(kColumnLetter[c - 1] + std::to_string(r));
        }
    }
    return cells;
}

class Animation : public ::testing::Test {
  protected:
    // A game with one roll made, so that New Game has something to discard.
    void start(int columns, int dice = 4) {
        settings.NumberOfColumns = columns;
        settings.NumberOfDice = dice;
        engine = std::make_unique<Engine>(settings, platform);
        engine->Form_Load();
        platform.queueRoll(dice + 1, std::vector<int>(static_cast<size_t>(dice + 1), 3));
        engine->picRollDices_MouseUp();
        engine->cmdRand_Click(2); // something on the sheet for New Game to empty
        engine->picRollDices_MouseUp();
        engine->HintRequest(); // and a hint
    }
    // New Game with the pattern chosen by the random value it draws.
    void newGame(int pattern) {
        const int patterns = settings.NumberOfColumns == 4 ? 9 : 4;
        platform.queueRandom((pattern - 1 + 0.5) / patterns);
        engine->NewGame();
        ASSERT_EQ(engine->animation().AnimationPattern, pattern);
    }
    // Ticks to the end; returns the number of ticks.
    int runToEnd() {
        int ticks = 0;
        while (board().tmrAnimation.running && ticks < 500) {
            engine->tmrAnimation_Timer();
            ++ticks;
            if (board().tmrAnimation.running) {
                EXPECT_FALSE(board().picRollDices.enabled) << "tick " << ticks;
            }
        }
        return ticks;
    }
    const Board& board() const { return engine->board(); }

    Settings settings;
    ScriptedPlatform platform;
    std::unique_ptr<Engine> engine;
};

struct PatternCase {
    int columns, pattern, ticks;
};

class EveryPattern : public Animation, public ::testing::WithParamInterface<PatternCase> {};

TEST_P(EveryPattern, BuildsTheWholeBoardAndFreesTheRollButton) {
    const PatternCase pc = GetParam();
    start(pc.columns);
    newGame(pc.pattern);
    EXPECT_TRUE(board().tmrAnimation.running);
    for (const TextLabel& tip : board().lblTip)
        EXPECT_EQ(tip.text, "");
    for (int c = 1; c <= kColumnCount; ++c) {
        for (int r = 0; r < kRowCount; ++r)
            EXPECT_EQ(board().lbl(c, r).text, "");
    }

    EXPECT_EQ(runToEnd(), pc.ticks);
    EXPECT_FALSE(board().tmrAnimation.running);
    EXPECT_TRUE(board().picRollDices.enabled);
    for (int c = 1; c <= kColumnCount; ++c) {
        const bool inUse = pc.columns == 4 || c == 3;
        for (int r = 0; r < kRowCount; ++r) {
            EXPECT_EQ(board().cmd(c, r).visible, inUse) << "column " << c << " row " << r;
            EXPECT_FALSE(board().cmd(c, r).enabled) << "column " << c << " row " << r;
        }
    }

    engine->tmrAnimation_Timer(); // a late tick changes nothing
    EXPECT_TRUE(board().picRollDices.enabled);
    platform.queueRoll(5, {1, 2, 3, 4, 5});
    engine->picRollDices_MouseUp();
    EXPECT_EQ(engine->turn().RollCount, 1);
}

INSTANTIATE_TEST_SUITE_P(AllPatterns, EveryPattern,
                         ::testing::Values(PatternCase{4, 1, 14}, PatternCase{4, 2, 13},
                                           PatternCase{4, 3, 8}, PatternCase{4, 4, 17},
                                           PatternCase{4, 5, 13}, PatternCase{4, 6, 18},
                                           PatternCase{4, 7, 26}, PatternCase{4, 8, 26},
                                           PatternCase{4, 9, 27}, PatternCase{1, 1, 13},
                                           PatternCase{1, 2, 13}, PatternCase{1, 3, 14},
                                           PatternCase{1, 4, 15}),
                         [](const ::testing::TestParamInfo<PatternCase>& p) {
                             return std::string(p.param.columns == 4 ? "Yamb" : "Yahtzee") +
                                    "Pattern" + std::to_string(p.param.pattern);
                         });

// What single ticks do: "+D12" shows Down row 12, "-A0" hides Announce row 0.
TEST_F(Animation, TicksFollowTheirPattern) {
    struct Case {
        int columns, pattern, tick;
        std::string change;
    };
    const std::vector<Case> cases = {
        {4, 1, 1, "-A0 -A12 -D0 -D12 -F0 -F12 -U0 -U12"},
        {4, 1, 7, "-A6 -D6 -F6 -U6"},
        {4, 1, 8, "+A6 +D6 +F6 +U6"},
        {4, 1, 9, "+A5 +A7 +D5 +D7 +F5 +F7 +U5 +U7"},
        {4, 2, 1, "+A0 +D12 +F0 +U12"},
        {4, 2, 2, "+A1 +D11 +F1 +U11"},
        {4, 3, 1, "+D0 +D10 +D12 +D2 +D4 +D6 +D8"},
        {4, 3, 4, "+A0 +A10 +A12 +A2 +A4 +A6 +A8"},
        {4, 3, 5, "+A1 +A11 +A3 +A5 +A7 +A9"},
        {4, 3, 8, "+D1 +D11 +D3 +D5 +D7 +D9"},
        {4, 4, 1, "+A12 +D0"},
        {4, 4, 2, "+F12 +U0"},
        {4, 4, 3, "+F0 +U12"},
        {4, 4, 4, "+A0 +D12"},
        {4, 4, 5, ""}, // the sweep starts on the corners already shown
        {4, 4, 6, "+A1 +D11 +F1 +U11"},
        {4, 5, 1, "+A0 +D0 +F12 +U12"},
        {4, 7, 1, "+F12 +U12"},
        {4, 7, 13, "+F0 +U0"},
        {4, 7, 14, "+A0 +D0"},
        {4, 8, 1, "+F12 +U12"},
        {4, 8, 2, "+A12 +D12"},
        {4, 8, 3, "+A11 +D11"},
        {4, 8, 14, "+A0 +D0"},
        {4, 8, 15, "+F0 +U0"},
        {4, 8, 16, "+F1 +U1"},
        {4, 8, 26, "+F11 +U11"},
        {4, 9, 1, "+A0 +D0 +F0 +U0"},
        {4, 9, 2, "+A1"},
        {4, 9, 3, "+A2 +A3"},
        {4, 9, 8, "+A12"},
        {4, 9, 9, "+D11 +D12 +F12 +U12"},
        {4, 9, 14, "+D1 +D2"},
        {4, 9, 15, "+U1"},
        {4, 9, 16, "+F1 +F2"},
        {4, 9, 21, "+F11"},
        {4, 9, 22, "+U10 +U11"},
        {4, 9, 27, ""}, // Up row 1 came at the end of the Down sweep
        {1, 1, 1, "+F0"},
        {1, 2, 1, "+F12"},
        {1, 3, 1, "-F0 -F12"},
        {1, 3, 8, "+F6"},
        {1, 4, 1, ""},
        {1, 4, 2, "-F6"},
        {1, 4, 3, "-F5 -F7"},
        {1, 4, 9, "+F0 +F12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("columns " + std::to_string(c.columns) + " pattern " +
                     std::to_string(c.pattern) + " tick " + std::to_string(c.tick));
        start(c.columns);
        newGame(c.pattern);
        for (int t = 1; t < c.tick; ++t)
            engine->tmrAnimation_Timer();
        const std::set<std::string> before = shownCells(board());
        engine->tmrAnimation_Timer();
        const std::set<std::string> after = shownCells(board());
        std::vector<std::string> change;
        for (const std::string& cell : after) {
            if (!before.count(cell)) change.push_back("+" + cell);
        }
        for (const std::string& cell : before) {
            if (!after.count(cell)) change.push_back("-" + cell);
        }
        std::sort(change.begin(), change.end());
        std::ostringstream text;
        for (size_t i = 0; i < change.size(); ++i)
            text << (i ? " " : "") << change[i];
        EXPECT_EQ(text.str(), c.change);
    }
}

TEST_F(Animation, StartingStateOfTheButtons) {
    struct Case {
        int columns, pattern;
        size_t shown;
    };
    for (const Case c : {Case{4, 1, 52}, Case{4, 2, 0}, Case{4, 6, 0}, Case{4, 9, 0}, Case{1, 1, 0},
                         Case{1, 2, 0}, Case{1, 3, 13}, Case{1, 4, 13}}) {
        SCOPED_TRACE(std::to_string(c.columns) + "/" + std::to_string(c.pattern));
        start(c.columns);
        newGame(c.pattern);
        const std::set<std::string> shown = shownCells(board());
        EXPECT_EQ(shown.size(), c.shown);
        if (c.columns == 1 && c.shown > 0) {
            EXPECT_EQ(shown.count("F12"), 1u);
        }
        for (int col = 1; col <= kColumnCount; ++col) {
            for (int r = 0; r < kRowCount; ++r)
                EXPECT_FALSE(board().cmd(col, r).enabled);
        }
    }
}

TEST_F(Animation, RandomOrderShowsEveryCellOnceThreeATick) {
    start(4);
    newGame(6);
    std::vector<int> order(engine->animation().CellOrder.begin(),
                           engine->animation().CellOrder.begin() + 52);
    std::sort(order.begin(), order.end());
    for (int i = 0; i < 52; ++i)
        ASSERT_EQ(order[static_cast<size_t>(i)], i);

    std::set<std::string> seen;
    int ticks = 0;
    while (board().tmrAnimation.running && ticks < 100) {
        const std::set<std::string> before = shownCells(board());
        engine->tmrAnimation_Timer();
        ++ticks;
        const std::set<std::string> after = shownCells(board());
        EXPECT_TRUE(std::includes(after.begin(), after.end(), before.begin(), before.end()));
        EXPECT_EQ(after.size() - before.size(), ticks < 18 ? 3u : 1u) << "tick " << ticks;
    }
    EXPECT_EQ(ticks, 18);
    EXPECT_EQ(shownCells(board()).size(), 52u);
}

// The shuffle draws k = Int(j × r + 1); at either end of [0, 1) it must still
// stay inside the cells and keep every one of them.
TEST_F(Animation, ShuffleStaysInsideTheCellsForAnyRandomValue) {
    for (double r : {0.0, 0.999999999}) {
        SCOPED_TRACE(r);
        start(4);
        platform.queueRandom((6 - 1 + 0.5) / 9);
        for (int i = 0; i < 3 * 2 * 52; ++i)
            platform.queueRandom(r);
        engine->NewGame();
        ASSERT_EQ(engine->animation().AnimationPattern, 6);
        std::vector<int> order(engine->animation().CellOrder.begin(),
                               engine->animation().CellOrder.begin() + 52);
        std::sort(order.begin(), order.end());
        for (int i = 0; i < 52; ++i)
            EXPECT_EQ(order[static_cast<size_t>(i)], i);
        EXPECT_EQ(runToEnd(), 18);
        EXPECT_EQ(shownCells(board()).size(), 52u);
    }
}

TEST_F(Animation, RollIsRefusedWhileTheBoardIsBuilt) {
    start(4);
    newGame(2);
    engine->tmrAnimation_Timer();
    EXPECT_FALSE(board().picRollDices.enabled);
    engine->picRollDices_MouseUp();
    engine->Form_KeyPress(13);
    EXPECT_EQ(engine->turn().RollCount, 0);
    EXPECT_FALSE(engine->game().GameStarted);
    engine->NewGame(); // nothing to discard yet: the animation runs on
    EXPECT_TRUE(board().tmrAnimation.running);
    runToEnd();
    EXPECT_TRUE(board().picRollDices.enabled);
}

TEST_F(Animation, PatternThreeSlowsDownThenSpeedsUpForGood) {
    start(4);
    EXPECT_EQ(board().tmrAnimation.interval, 1);
    newGame(3);
    std::vector<int> intervals;
    while (board().tmrAnimation.running) {
        engine->tmrAnimation_Timer();
        intervals.push_back(board().tmrAnimation.interval);
    }
    EXPECT_EQ(intervals, (std::vector<int>{50, 50, 50, 50, 5, 5, 5, 5}));

    platform.queueRoll(5, {1, 2, 3, 4, 5});
    engine->picRollDices_MouseUp();
    newGame(2);
    EXPECT_EQ(board().tmrAnimation.interval, 5);
    runToEnd();
    EXPECT_EQ(board().tmrAnimation.interval, 5);
}

TEST_F(Animation, OutOfRangeRandomStillPicksAPattern) {
    for (double r : {-0.5, 1.0, 7.0, 1e300, std::nan("")}) {
        start(4);
        platform.queueRandom(r);
        engine->NewGame();
        const int pattern = engine->animation().AnimationPattern;
        EXPECT_GE(pattern, 1);
        EXPECT_LE(pattern, 9);
        runToEnd();
        EXPECT_EQ(shownCells(board()).size(), 52u);
    }
}

} // namespace
} // namespace rollwell
