#include "advisor/advisor.h"
#include "advisor/freetables.h"
#include "advisor/yahtzee.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <utility>

namespace rollwell {
namespace {

using Cells = std::set<std::pair<int, int>>; // (column, row)

// A sheet of the game's columns with every cell filled (with 0) but `open`;
// Down and Up keep their order, so their open cells must follow the filled ones.
PlayerSheet sheetWithOpen(int columns, const Cells& open) {
    PlayerSheet s;
    for (int c = 1; c <= kColumnCount; ++c) {
        if (columns == 1 && c != 3) continue;
        for (int r = 0; r < kRowCount; ++r) {
            if (open.count({c, r})) continue;
            s.RecordScore(c, r, 0);
            ++s.PlacedCount;
        }
    }
    s.RecomputeGrandTotal();
    s.NextDownRow = columns == 4 ? 13 : 0;
    s.NextUpRow = columns == 4 ? -1 : 12;
    for (auto [c, r] : open) {
        if (c == 1) s.NextDownRow = std::min(s.NextDownRow, r);
        if (c == 2) s.NextUpRow = std::max(s.NextUpRow, r);
    }
    return s;
}

Cells allOpen(int columns) {
    Cells open;
    for (int c = 1; c <= kColumnCount; ++c) {
        for (int r = 0; r < kRowCount && (columns == 4 || c == 3); ++r)
            open.insert({c, r});
    }
    return open;
}

Cells downFrom(int row) {
    Cells open;
    for (int r = row; r < kRowCount; ++r)
        open.insert({1, r});
    return open;
}

struct Case {
    const char* name;
    int columns, dice;
    Cells open;
    std::array<int32_t, 6> faces;
    int rollCount;
    Action action;
    std::set<std::pair<int, int>> cells; // acceptable (column, row) for Place/Announce
    std::array<bool, 6> hold;            // Roll: the dice to hold
    double expectedGain;                 // over the current total, when worked out (else < 0)
};

TEST(Advisor, HandWorkedPositions) {
    const Cells straightOnly{{3, 10}};
    const Case cases[] = {
        {"last cell, three sixes: keep them",
         1,
         5,
         {{3, 5}},
         {6, 2, 6, 3, 6},
         1,
         Action::Roll,
         {},
         {true, false, true, false, true},
         -1},
        {"last cell filled by the only choice",
         1,
         5,
         {{3, 9}},
         {1, 2, 3, 4, 6},
         3,
         Action::Place,
         {{3, 9}},
         {},
         0},
        {"five of a kind in Yahtzee takes the Rollwell row",
         1,
         5,
         allOpen(1),
         {5, 5, 5, 5, 5},
         1,
         Action::Place,
         {{3, 12}},
         {},
         -1},
        {"five of a kind in Yamb goes to a Rollwell row",
         4,
         5,
         allOpen(4),
         {4, 4, 4, 4, 4},
         1,
         Action::Place,
         {{3, 12}, {2, 12}, {4, 12}},
         {},
         -1},
        // A large straight now beats one roll of one die.
        {"a held straight is placed with one roll left",
         1,
         5,
         straightOnly,
         {1, 2, 3, 4, 5},
         2,
         Action::Place,
         {{3, 10}},
         {},
         50},
        // Six dice: rolling the spare die for a six is worth 50 + 10/6.
        {"six dice roll the spare die for the large straight",
         1,
         6,
         straightOnly,
         {5, 1, 2, 5, 3, 4},
         2,
         Action::Roll,
         {},
         {true, true, true, false, true, true},
         50 + 10.0 / 6},
        {"Down forces its next row",
         4,
         5,
         downFrom(5),
         {6, 6, 6, 6, 6},
         1,
         Action::Place,
         {{1, 5}},
         {},
         -1},
        {"Down's next row sets the holds",
         4,
         5,
         downFrom(5),
         {6, 1, 6, 2, 3},
         1,
         Action::Roll,
         {},
         {true, false, true, false, false},
         -1},
        {"only Announce cells left: announce before the second roll",
         4,
         5,
         {{4, 0}, {4, 12}},
         {3, 3, 3, 3, 2},
         1,
         Action::Announce,
         {{4, 12}, {4, 0}},
         {},
         -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Position p;
        p.columns = c.columns;
        p.dice = c.dice;
        p.sheet = sheetWithOpen(c.columns, c.open);
        p.diceValues = c.faces;
        p.rollCount = c.rollCount;
        Advice a = Advise(p, Strength::Strong);
        if (a.action == Action::Announce && c.action == Action::Place) {
            // Announced to be placed at once: the next advice places it.
            p.announcedRow = a.row;
            a = Advise(p, Strength::Strong);
        }
        ASSERT_EQ(a.action, c.action);
        if (c.action == Action::Roll) {
            EXPECT_EQ(a.hold, c.hold);
        } else {
            EXPECT_TRUE(c.cells.count({a.column, a.row}));
        }
        if (c.expectedGain >= 0) {
            EXPECT_NEAR(a.expectedFinal, c.expectedGain, 1e-3);
        }
        // Every strength plays by the same rules.
        for (Strength s : {Strength::Easy, Strength::Normal}) {
            const Advice weaker = Advise(p, s);
            if (weaker.action == Action::Place) {
                EXPECT_TRUE(p.sheet.isEmpty(weaker.column, weaker.row));
                if (c.columns == 4 && weaker.column == 1) {
                    EXPECT_EQ(weaker.row, p.sheet.NextDownRow);
                }
            }
        }
    }
}

TEST(Advisor, BadPositionsGetNoMove) {
    Position p;
    p.rollCount = 2; // dice never rolled
    EXPECT_EQ(Advise(p).action, Action::Roll);
    EXPECT_EQ(Advise(p).hold, (std::array<bool, 6>{}));
    p.dice = 7;
    EXPECT_EQ(Advise(p).expectedFinal, 0);
}

// The chance of five of a kind within three rolls, playing for it, is 4.6029 %.
TEST(Advisor, SolvesTheRollwellRowAlone) {
    advice::FreeValues values(5);
    const int onlyRollwell = (1 << kRowCount) - 1 - (1 << 12);
    values.solve(onlyRollwell);
    EXPECT_NEAR(values.value({onlyRollwell, 0, 0}), 4.6029, 1e-3);
}

// With Ones known and only Min left the future is negative; the file keeps it,
// and a damaged file is refused.
TEST(Advisor, KeepsSolvedValuesInAFile) {
    advice::FreeValues values(5);
    const int onlyMin = (1 << kRowCount) - 1 - (1 << 7);
    values.solve(onlyMin);
    const advice::FreeState fiveOnes{onlyMin, 63, 5};
    EXPECT_LT(values.value(fiveOnes), -20);
    const auto folder = std::filesystem::temp_directory_path() / "rollwell-advisor-test";
    const auto file = advice::FreeValuesFile(folder, 5);
    ASSERT_TRUE(advice::SaveFreeValues(values, file));
    const auto loaded = advice::LoadFreeValues(5, file);
    ASSERT_TRUE(loaded);
    EXPECT_NEAR(loaded->value(fiveOnes), values.value(fiveOnes), 0.01);
    {
        std::fstream damage(file, std::ios::in | std::ios::out | std::ios::binary);
        damage.seekp(1000);
        damage.put('\x7f');
    }
    EXPECT_FALSE(advice::LoadFreeValues(5, file));
    EXPECT_FALSE(advice::LoadFreeValues(6, folder / "missing.values"));
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace rollwell
