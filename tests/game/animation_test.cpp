#include "gamefixture.h"
#include "support/invariants.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace rollwell {
namespace {

class Animation : public GameFixture {
  protected:
    // The random value that makes New Game pick pattern `p`.
    static double pick(int p, int columns = 4) { return (p - 0.5) / (columns == 4 ? 9 : 4); }
    // New Game, drawing `randoms`, over a game with a score and a hint to discard.
    void newGame(const std::vector<double>& randoms) {
        play({3, 3, 3, 3, 3}, 3, 2);
        roll({3, 3, 3, 3, 3});
        engine->HintRequest();
        for (double r : randoms)
            platform.queueRandom(r);
        engine->NewGame();
    }
    // Ticks to the end, trying to roll or start over before every tick; notes the
    // timer's interval and the shown cell buttons after each tick.
    void runToEnd() {
        intervals.clear();
        shownAfter.clear();
        while (board().tmrAnimation.running && intervals.size() < 500) {
            EXPECT_FALSE(board().picRollDices.enabled);
            EXPECT_EQ(checkAll(*engine), ""); // among others: no cell offered
            engine->picRollDices_MouseUp();
            engine->Form_KeyPress(13);
            engine->NewGame(); // nothing to discard yet: the animation runs on
            engine->tmrAnimation_Timer();
            intervals.push_back(board().tmrAnimation.interval);
            int shown = 0;
            for (const ColumnControls& column : board().columns)
                for (const CellButton& cell : column.cmd)
                    shown += cell.visible ? 1 : 0;
            shownAfter.push_back(shown);
        }
        EXPECT_EQ(engine->turn().RollCount, 0);
    }
    std::vector<int> intervals, shownAfter;
};

// Every pattern ends with each button of the columns in use shown and disabled,
// the roll button free and the timer stopped. A random value below the range
// picks the first pattern, one above it the last.
TEST_F(Animation, EveryPatternBuildsTheWholeBoard) {
    const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
    struct Case {
        int columns;
        double random;
        int pattern, ticks;
    };
    const std::vector<Case> cases = {
        {4, pick(1), 1, 14},    {4, pick(2), 2, 13},    {4, pick(3), 3, 8},
        {4, pick(4), 4, 17},    {4, pick(5), 5, 13},    {4, pick(6), 6, 18},
        {4, pick(7), 7, 26},    {4, pick(8), 8, 26},    {4, pick(9), 9, 27},
        {4, -inf, 1, 14},       {4, nan, 1, 14},        {4, 1.0, 9, 27},
        {4, 1e300, 9, 27},      {4, inf, 9, 27},        {1, pick(1, 1), 1, 13},
        {1, pick(2, 1), 2, 13}, {1, pick(3, 1), 3, 14}, {1, pick(4, 1), 4, 15}};
    for (const auto& [columns, random, pattern, ticks] : cases) {
        SCOPED_TRACE(std::to_string(columns) + " columns, random " + std::to_string(random));
        start(columns, 4);
        newGame({random});
        ASSERT_EQ(engine->animation().AnimationPattern, pattern);
        EXPECT_EQ(board().lbl(3, 2).text + board().lblTip[12].text, ""); // the old game's
        runToEnd();
        EXPECT_EQ(static_cast<int>(intervals.size()), ticks);
        EXPECT_EQ(shownAfter.back(), 13 * columns);
        EXPECT_TRUE(board().cmd(3, 0).visible && board().cmd(3, 12).visible);
        EXPECT_EQ(checkAll(*engine), "");
        engine->tmrAnimation_Timer(); // a late tick changes nothing
        roll({1, 2, 3, 4, 5});
        EXPECT_EQ(engine->turn().RollCount, 1);
    }
}

// Pattern 6 shows the cells shuffled, three a tick and each once, also when the
// shuffle draws either end of [0, 1) (-1: the generator's own values).
TEST_F(Animation, ShuffledPatternShowsEveryCellOnce) {
    const std::vector<int> threeATick = {3,  6,  9,  12, 15, 18, 21, 24, 27,
                                         30, 33, 36, 39, 42, 45, 48, 51, 52};
    for (double r : {-1.0, 0.0, 0.999999999}) {
        start(4, 4);
        std::vector<double> randoms(r < 0 ? 1 : 1 + 6 * 52, r);
        randoms[0] = pick(6);
        newGame(randoms);
        runToEnd();
        EXPECT_EQ(shownAfter, threeATick) << r;
    }
}

TEST_F(Animation, PatternThreeSlowsDownThenSpeedsUpForGood) {
    start(4, 4);
    newGame({pick(3)});
    runToEnd();
    EXPECT_EQ(intervals, (std::vector<int>{50, 50, 50, 50, 5, 5, 5, 5}));
    newGame({pick(2)});
    runToEnd();
    EXPECT_EQ(intervals, std::vector<int>(13, 5));
}

} // namespace
} // namespace rollwell
