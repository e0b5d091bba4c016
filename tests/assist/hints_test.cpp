#include "game/gamefixture.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace rollwell {
namespace {

class Hints : public GameFixture {
  protected:
    long hintSounds() const { return std::ranges::count(platform.soundNames(), "hint"); }
    // The hint column as "shown 0:2 5:6" (row:text of each hint) or "hidden";
    // "bad r" marks a row that does not follow the column.
    std::string hints() const {
        const bool shown = board().lblTip[0].visible;
        std::string s = shown ? "shown" : "hidden";
        for (int r = 0; r < kRowCount; ++r) {
            const TextLabel& tip = board().lblTip[r];
            if (tip.visible != shown || board().lblOption[r].width != (shown ? 1250 : 1570))
                s += " bad " + std::to_string(r);
            if (!tip.text.empty()) s += " " + std::to_string(r) + ":" + tip.text;
        }
        return s;
    }
};

// With hints always on from an earlier run, the first roll of the first game
// is valued at once: every offered row that scores gets its value, and the
// dice stay where they lie.
TEST_F(Hints, SavedAlwaysModeValuesTheFirstRoll) {
    settings.hintAllways = true;
    for (const auto& [faces, expected] : std::vector<std::pair<std::vector<int>, std::string>>{
             {{3, 5, 3, 5, 3}, "shown 2:9 4:10 6:19 7:19 8:29 9:39"},
             {{6, 1, 6, 6, 6, 6}, "shown 0:1 5:30 6:30 7:25 8:40 11:60 12:100"}}) {
        start(4, static_cast<int>(faces.size()) - 1);
        roll(faces);
        EXPECT_EQ(hints(), expected);
        EXPECT_EQ(dice(), std::vector<int32_t>(faces.begin(), faces.end()));
        EXPECT_FALSE(board().tbHint.enabled);
    }
}

// One request per roll; the values vanish at the next roll, never come after a
// placement, and skip the rows closed by an announcement. (The values after a
// New Game and in always mode are checked by the soak.)
TEST_F(Hints, ByRequestOncePerRoll) {
    start(4, 4);
    roll({1, 1, 2, 2, 6});
    EXPECT_EQ(hints(), "hidden");
    engine->HintRequest();
    engine->HintRequest();
    EXPECT_EQ(hints(), "shown 0:2 1:4 5:6 6:12 7:12");
    EXPECT_EQ(hintSounds(), 1);

    roll({4, 4, 4, 4, 4});
    EXPECT_EQ(hints(), "hidden");
    engine->HintRequest();
    EXPECT_EQ(hints(), "shown 3:20 6:20 7:20 8:30 11:50 12:100");
    EXPECT_EQ(hintSounds(), 2);

    engine->cellClick(1, 0);
    engine->HintRequest(); // none after a placement
    EXPECT_EQ(hints(), "shown");
    EXPECT_EQ(hintSounds(), 2);

    play({3, 3, 3, 5, 5}, 4, 8); // announce 3 of a Kind
    engine->HintRequest();
    EXPECT_EQ(hints(), "shown 8:29"); // Threes, Fives, Full House fit but are closed now

    // Always mode sounds once and needs no button; going back is silent.
    engine->mnuHintsAllways2_Click();
    EXPECT_EQ(hintSounds(), 4);
    roll({3, 3, 3, 1, 1});
    engine->HintRequest();
    engine->mnuHintsByRequest2_Click();
    EXPECT_EQ(hintSounds(), 4);
    EXPECT_TRUE(board().tbHint.enabled && board().mnuHintsAllways2.visible);
}

// The mark on the row caption follows the mouse; in Yahtzee the button's picture
// does too. A filled row then takes no mark.
TEST_F(Hints, HoverAndFilledRowInYahtzee) {
    start(1, 4);
    roll({1, 2, 3, 4, 6});
    engine->cellMouseEntered(3, 2);
    EXPECT_TRUE(board().lblOption[2].highlighted);
    EXPECT_EQ(board().cmdRand(2).picture, CellPicture::img1Column);
    engine->cellMouseEntered(3, 3); // a leave that never came leaves no second mark
    EXPECT_FALSE(board().lblOption[2].highlighted);
    engine->cellMouseLeft(3, 3);
    EXPECT_FALSE(board().lblOption[3].highlighted);
    EXPECT_EQ(board().cmdRand(3).picture, CellPicture::img1ColumnP);
    engine->cellMouseEntered(9, 4); // no such column
    engine->cellMouseLeft(3, 13);   // no such row

    engine->cellMouseEntered(3, 1);
    engine->cmdRand_Click(1); // Twos; placing clears the mark and the picture
    EXPECT_FALSE(board().lblOption[1].highlighted);
    EXPECT_EQ(board().cmdRand(1).picture, CellPicture::img1ColumnP);
    roll({2, 2, 2, 2, 2});
    engine->cellMouseEntered(3, 1);
    EXPECT_FALSE(board().lblOption[1].highlighted);
}

} // namespace
} // namespace rollwell
