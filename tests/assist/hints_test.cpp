#include "game/engine.h"
#include "support/scriptedplatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace rollwell {
namespace {

using Tips = std::map<int, std::string>; // row -> hint text; rows not named must be empty

class Hints : public ::testing::Test {
  protected:
    void start(int columns = 4, int dice = 4, bool always = false) {
        settings.NumberOfColumns = columns;
        settings.NumberOfDice = dice;
        settings.hintAllways = always;
        engine = std::make_unique<Engine>(settings, platform);
        engine->Form_Load();
    }
    void roll(const std::vector<int>& faces) {
        int free = 0;
        for (int i = 0; i < engine->game().diceInPlay(); ++i)
            free += engine->turn().DiceHeld[i] ? 0 : 1;
        platform.queueRoll(free, faces);
        engine->picRollDices_MouseUp();
    }
    const Board& board() const { return engine->board(); }
    int hintSounds() const {
        const auto names = platform.soundNames();
        return static_cast<int>(std::count(names.begin(), names.end(), "hint"));
    }
    void expectTips(const Tips& expected) const {
        for (int r = 0; r < kRowCount; ++r) {
            const auto it = expected.find(r);
            EXPECT_EQ(board().lblTip[r].text, it == expected.end() ? "" : it->second)
                << "row " << kRowCaptions[r];
        }
    }
    void expectHintColumn(bool shown) const {
        for (int r = 0; r < kRowCount; ++r) {
            EXPECT_EQ(board().lblTip[r].visible, shown) << "row " << r;
            EXPECT_EQ(board().lblOption[r].width, shown ? 1250 : 1570) << "row " << r;
        }
    }
    std::vector<std::string> visibleHintMenus() const {
        std::vector<std::string> v;
        if (board().mnuHintsByRequest.visible) v.push_back("mnuHintsByRequest");
        if (board().mnuHintsByRequest2.visible) v.push_back("mnuHintsByRequest2");
        if (board().mnuHintsAllways.visible) v.push_back("mnuHintsAllways");
        if (board().mnuHintsAllways2.visible) v.push_back("mnuHintsAllways2");
        return v;
    }

    Settings settings;
    ScriptedPlatform platform;
    std::unique_ptr<Engine> engine;
};

// The first roll of a Yamb game offers every row, so every row that scores gets
// its value; rows worth nothing stay empty.
TEST_F(Hints, FirstRollValuesEveryScoringRow) {
    struct Case {
        int dice;
        std::vector<int> faces;
        Tips tips;
    };
    const std::vector<Case> cases = {
        {4, {3, 5, 3, 5, 3}, {{2, "9"}, {4, "10"}, {6, "19"}, {7, "19"}, {8, "29"}, {9, "39"}}},
        {4,
         {2, 3, 4, 5, 6},
         {{1, "2"}, {2, "3"}, {3, "4"}, {4, "5"}, {5, "6"}, {6, "20"}, {7, "20"}, {10, "60"}}},
        {4, {4, 4, 4, 4, 4}, {{3, "20"}, {6, "20"}, {7, "20"}, {8, "30"}, {11, "50"}, {12, "100"}}},
        // Six dice: every row takes the best five.
        {5,
         {6, 1, 6, 6, 6, 6},
         {{0, "1"}, {5, "30"}, {6, "30"}, {7, "25"}, {8, "40"}, {11, "60"}, {12, "100"}}},
        {5,
         {1, 2, 3, 4, 5, 6},
         {{0, "1"},
          {1, "2"},
          {2, "3"},
          {3, "4"},
          {4, "5"},
          {5, "6"},
          {6, "20"},
          {7, "15"},
          {10, "60"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.faces));
        start(4, c.dice);
        roll(c.faces);
        engine->HintRequest();
        expectTips(c.tips);
        // The dice stay where they lie on the table.
        for (size_t i = 0; i < c.faces.size(); ++i)
            EXPECT_EQ(engine->turn().DiceValues[i], c.faces[i]);
        EXPECT_FALSE(engine->game().EvaluateOnly);
    }
}

TEST_F(Hints, OnlyRowsThatCanTakeTheRollGetAHint) {
    start();
    roll({3, 3, 3, 5, 5});
    engine->cmdOblg_Click(8); // announce 3 of a Kind
    engine->HintRequest();
    expectTips({{8, "29"}}); // Threes, Fives, Full House fit the dice too but are closed now

    // Yahtzee with filled rows: those rows stay without a hint.
    start(1);
    roll({2, 2, 2, 2, 2});
    engine->cmdRand_Click(1); // Twos
    roll({2, 2, 2, 2, 2});
    engine->HintRequest();
    expectTips({{6, "10"}, {7, "10"}, {8, "20"}, {11, "40"}, {12, "100"}});
}

TEST_F(Hints, ByRequestOncePerRollAndGoneAtTheNextRoll) {
    start();
    expectHintColumn(false);
    roll({1, 1, 2, 2, 6});
    expectTips({});
    expectHintColumn(false);

    engine->HintRequest();
    expectTips({{0, "2"}, {1, "4"}, {5, "6"}, {6, "12"}, {7, "12"}});
    expectHintColumn(true);
    EXPECT_EQ(hintSounds(), 1);
    EXPECT_TRUE(engine->game().HintRefreshPending);

    engine->HintRequest(); // a second request in the same roll
    EXPECT_EQ(hintSounds(), 1);

    roll({4, 4, 4, 4, 4});
    expectTips({});
    expectHintColumn(false);
    EXPECT_FALSE(engine->game().HintRefreshPending);

    engine->HintRequest(); // the new roll allows one request again
    EXPECT_EQ(board().lblTip[12].text, "100");
    EXPECT_EQ(hintSounds(), 2);
}

TEST_F(Hints, RequestAfterAPlacementDoesNothing) {
    for (int column : {1, 2, 3}) {
        SCOPED_TRACE(column);
        start();
        roll({1, 2, 3, 4, 6});
        const int row = column == 1 ? 0 : column == 2 ? 12 : 4;
        engine->cellClick(column, row);
        platform.clearLog();
        engine->HintRequest();
        expectTips({});
        expectHintColumn(false);
        EXPECT_EQ(hintSounds(), 0);
    }
}

TEST_F(Hints, RequestWithSoundOffIsSilent) {
    start();
    engine->mnuSoundsOff2_Click();
    roll({1, 2, 3, 4, 6});
    engine->HintRequest();
    EXPECT_EQ(board().lblTip[5].text, "6");
    EXPECT_EQ(hintSounds(), 0);
}

TEST_F(Hints, AlwaysModeRefreshesEveryRoll) {
    start();
    engine->mnuHintsAllways2_Click(); // before any roll: nothing to value yet
    expectTips({});
    expectHintColumn(true);
    EXPECT_FALSE(board().tbHint.enabled);

    roll({5, 5, 5, 5, 1});
    expectTips({{0, "1"}, {4, "20"}, {6, "21"}, {7, "21"}, {8, "31"}, {11, "51"}});
    expectHintColumn(true);

    engine->picDice_Click(4); // hold the one, the others roll
    roll({2, 2, 2, 2});
    expectTips({{0, "1"}, {1, "8"}, {6, "9"}, {7, "9"}, {8, "19"}, {11, "39"}});

    const int sounds = hintSounds();
    engine->HintRequest(); // the button does nothing in this mode
    EXPECT_EQ(hintSounds(), sounds);
    EXPECT_FALSE(engine->game().HintRefreshPending);
}

TEST_F(Hints, SwitchingModesDuringARoll) {
    start();
    roll({6, 6, 6, 2, 2});
    engine->mnuHintsAllways2_Click(); // the values appear at once
    EXPECT_EQ(board().lblTip[9].text, "42");
    expectHintColumn(true);

    engine->mnuHintsByRequest2_Click(); // and vanish again
    expectHintColumn(false);
    EXPECT_TRUE(board().tbHint.enabled);
    EXPECT_FALSE(settings.hintAllways);

    engine->HintRequest(); // the roll still allows one request
    expectHintColumn(true);
    engine->mnuHintsByRequest2_Click(); // a standing request keeps them shown
    expectHintColumn(true);
}

TEST_F(Hints, ModeCommandsShowOneMenuItemOfEachPair) {
    start();
    engine->mnuHintsAllways2_Click();
    EXPECT_EQ(visibleHintMenus(),
              (std::vector<std::string>{"mnuHintsByRequest2", "mnuHintsAllways"}));
    EXPECT_TRUE(settings.hintAllways);
    EXPECT_TRUE(engine->game().HintsAlways);
    EXPECT_FALSE(board().tbHint.enabled);
    EXPECT_EQ(hintSounds(), 1);

    engine->mnuHintsByRequest2_Click();
    EXPECT_EQ(visibleHintMenus(),
              (std::vector<std::string>{"mnuHintsByRequest", "mnuHintsAllways2"}));
    EXPECT_FALSE(settings.hintAllways);
    EXPECT_FALSE(engine->game().HintsAlways);
    EXPECT_TRUE(board().tbHint.enabled);
    EXPECT_EQ(hintSounds(), 1); // choosing by request is silent
}

// New Game sets the dice to 0 and shows every cell button while a request may
// still be allowed from the game before: a hint then must not value the zeros.
TEST_F(Hints, NothingToValueBeforeTheFirstRollOfANewGame) {
    start();
    roll({1, 2, 3, 4, 5});
    engine->NewGame();
    for (int i = 0; i < 200 && board().tmrAnimation.running; ++i)
        engine->tmrAnimation_Timer();
    ASSERT_TRUE(board().cmdRand(8).visible);

    engine->HintRequest();
    expectTips({});
    engine->mnuHintsAllways2_Click();
    expectTips({});
    for (int i = 0; i < engine->game().diceInPlay(); ++i)
        EXPECT_EQ(engine->turn().DiceValues[i], 0);
}

TEST_F(Hints, HoverMarksTheRowCaption) {
    start();
    roll({1, 2, 3, 4, 6});
    engine->cellMouseEntered(3, 4);
    EXPECT_TRUE(board().lblOption[4].highlighted);
    EXPECT_TRUE(engine->game().HoverActive);
    EXPECT_EQ(board().cmdRand(4).picture, CellPicture::imgBut3); // Yamb keeps its picture

    engine->cellMouseLeft(3, 4);
    EXPECT_FALSE(board().lblOption[4].highlighted);
    EXPECT_FALSE(engine->game().HoverActive);

    engine->cellMouseEntered(1, 5); // Down offers only row 0: no button here
    EXPECT_FALSE(board().lblOption[5].highlighted);
    engine->cellMouseEntered(9, 4); // no such column
    engine->cellMouseLeft(3, 13);   // no such row
    EXPECT_FALSE(engine->game().HoverActive);

    engine->cellMouseEntered(4, 7);
    engine->cmdOblg_Click(7); // announcing also clears the mark
    EXPECT_FALSE(board().lblOption[7].highlighted);
    EXPECT_FALSE(engine->game().HoverActive);
}

TEST_F(Hints, YahtzeeRowPictureFollowsTheMouse) {
    start(1);
    roll({1, 2, 3, 4, 6});
    engine->cellMouseEntered(3, 2);
    EXPECT_EQ(board().cmdRand(2).picture, CellPicture::img1Column);
    EXPECT_TRUE(board().lblOption[2].highlighted);
    engine->cellMouseLeft(3, 2);
    EXPECT_EQ(board().cmdRand(2).picture, CellPicture::img1ColumnP);
    EXPECT_FALSE(board().lblOption[2].highlighted);

    engine->cellMouseEntered(3, 0);
    engine->cmdRand_Click(0);
    EXPECT_EQ(board().cmdRand(0).picture, CellPicture::img1ColumnP);
    EXPECT_FALSE(board().lblOption[0].highlighted);
}

} // namespace
} // namespace rollwell
