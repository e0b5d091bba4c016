#include "game/gamefixture.h"

#include <functional>
#include <string>

namespace rollwell {
namespace {

class Commands : public GameFixture {
  protected:
    template <typename Change> void options(Change change) {
        Settings chosen = settings;
        change(chosen);
        platform.optionsAnswers.push_back(chosen);
        engine->mnuOptions_Click();
    }
    // Shows the sound menu items as (On, On2, Off, Off2).
    std::vector<bool> soundMenus() const {
        return {board().mnuSoundsOn.visible, board().mnuSoundsOn2.visible,
                board().mnuSoundsOff.visible, board().mnuSoundsOff2.visible};
    }
    int countMessages(const std::string& title) const {
        int n = 0;
        for (const auto& m : platform.messages)
            n += m.title == title ? 1 : 0;
        return n;
    }
};

TEST_F(Commands, SoundOffFromTheToolbarSwitchesMenusSettingAndSilencesRolls) {
    start(4, 5, 1);
    EXPECT_EQ(soundMenus(), (std::vector<bool>{true, false, false, true}));
    EXPECT_EQ(board().tbSound.image, 5);

    engine->Toolbar2_ButtonClick("tbSound");
    EXPECT_FALSE(engine->run().SoundOn);
    EXPECT_FALSE(settings.SoundEnabled);
    EXPECT_EQ(board().tbSound.image, 8);
    EXPECT_EQ(soundMenus(), (std::vector<bool>{false, true, true, false}));

    platform.clearLog();
    roll({1, 2, 3, 4, 5, 6});
    EXPECT_TRUE(platform.sounds.empty());

    engine->Toolbar2_ButtonClick("tbSound");
    EXPECT_TRUE(engine->run().SoundOn);
    EXPECT_TRUE(settings.SoundEnabled);
    EXPECT_EQ(board().tbSound.image, 5);
    EXPECT_EQ(soundMenus(), (std::vector<bool>{true, false, false, true}));
}

TEST_F(Commands, SoundMenusSwitchAndStartFromTheSetting) {
    settings.SoundEnabled = false;
    start(1, 4, 1);
    EXPECT_FALSE(engine->run().SoundOn);
    EXPECT_EQ(board().tbSound.image, 8);
    EXPECT_EQ(soundMenus(), (std::vector<bool>{false, true, true, false}));
    roll({1, 2, 3, 4, 5});
    EXPECT_TRUE(platform.sounds.empty());

    engine->mnuSoundsOn2_Click();
    EXPECT_TRUE(settings.SoundEnabled);
    EXPECT_EQ(soundMenus(), (std::vector<bool>{true, false, false, true}));
    engine->mnuSoundsOff2_Click();
    EXPECT_FALSE(engine->run().SoundOn);
    EXPECT_EQ(soundMenus(), (std::vector<bool>{false, true, true, false}));
}

// What each toolbar key does, seen from outside.
struct Route {
    std::string key;
    std::function<bool(const ScriptedPlatform&, const Engine&)> happened;
};

class ToolbarRouting : public Commands {};

TEST_F(ToolbarRouting, EachKeyRunsItsCommandAndOnlyWhileEnabled) {
    const std::vector<Route> routes = {
        {"tbNew",
         [](const ScriptedPlatform& p, const Engine& e) {
             return !e.game().GameStarted && !p.messages.empty() &&
                    p.messages.back().text == "Quit this Game?";
         }},
        {"tbHint",
         [](const ScriptedPlatform& p, const Engine&) {
             for (const auto& s : p.sounds)
                 if (s.name == "hint") return true;
             return false;
         }},
        {"tbSound", [](const ScriptedPlatform&, const Engine& e) { return !e.run().SoundOn; }},
        {"tbHelp", [](const ScriptedPlatform& p,
                      const Engine& e) { return p.quickStarts == 1 && e.run().OpenedFromMain; }},
        {"tbExit", [](const ScriptedPlatform& p, const Engine&) { return p.closeRequests == 1; }},
    };
    for (const Route& route : routes) {
        for (bool enabled : {true, false}) {
            SCOPED_TRACE(route.key + (enabled ? " enabled" : " disabled"));
            platform = ScriptedPlatform{};
            settings = Settings{};
            start(4, 5, 1);
            roll({1, 2, 3, 4, 5, 6});
            ToolButton& button = route.key == "tbNew"     ? probe().board().tbNew
                                 : route.key == "tbHint"  ? probe().board().tbHint
                                 : route.key == "tbSound" ? probe().board().tbSound
                                 : route.key == "tbHelp"  ? probe().board().tbHelp
                                                          : probe().board().tbExit;
            button.enabled = enabled;
            platform.clearLog();
            engine->Toolbar2_ButtonClick(route.key);
            EXPECT_EQ(route.happened(platform, *engine), enabled);
        }
    }
}

TEST_F(ToolbarRouting, UndoAndRedoGoToTheirMenuCommands) {
    start(4, 5, 1);
    engine->Toolbar2_ButtonClick("tbUndo"); // disabled before any move: nothing
    roll({2, 2, 2, 5, 6, 1});
    engine->cmdRand_Click(1);
    ASSERT_TRUE(engine->sheet().cell(3, 1).has_value());
    engine->Toolbar2_ButtonClick("tbUndo");
    EXPECT_FALSE(engine->sheet().cell(3, 1).has_value());
    engine->Toolbar2_ButtonClick("tbRedo");
    EXPECT_TRUE(engine->sheet().cell(3, 1).has_value());
}

TEST_F(ToolbarRouting, UnknownKeysDoNothing) {
    start(4, 5, 1);
    const Settings before = settings;
    for (const char* key : {"", "tbnew", "tbSeparator", "mnuNewGame"})
        engine->Toolbar2_ButtonClick(key);
    EXPECT_EQ(settings, before);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.quickStarts + platform.closeRequests, 0);
}

TEST_F(Commands, OptionsCancelledStoresNothing) {
    start(4, 5, 1);
    const Settings before = settings;
    engine->mnuOptions_Click(); // the script's default answer is Cancel
    EXPECT_EQ(platform.optionsShown, 1);
    EXPECT_EQ(settings, before);
    EXPECT_FALSE(engine->run().OptionsAccepted);
    EXPECT_TRUE(engine->run().OpenedFromMain);
}

TEST_F(Commands, OptionsDuringAGameWithoutAGameChangeAskNothing) {
    start(4, 5, 1);
    roll({1, 2, 3, 4, 5, 6});
    options([](Settings& s) {
        s.Player1 = "Ana       ";
        s.ConfirmOnExit = false;
        s.ConfirmQuitGame = false;
        s.ShowDialog = false;
    });
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(engine->run().OptionsAccepted);
    EXPECT_EQ(engine->run().NewGameAnswer, 0);
    EXPECT_EQ(settings.Player1, "Ana       ");
    EXPECT_FALSE(settings.ConfirmOnExit);
    EXPECT_TRUE(engine->game().GameStarted); // the game goes on
}

TEST_F(Commands, DiceChangeCancelledKeepsTheGameButNotTheOldName) {
    start(4, 5, 1);
    roll({1, 2, 3, 4, 5, 6});
    const BoardGeometry geometry = board().geometry;
    platform.answers.push_back(MsgAnswer::Cancel);
    options([](Settings& s) {
        s.NumberOfDice = 4;
        s.NumberOfColumns = 1;
        s.NumberOfPlayers = 2;
        s.Player1 = "Ana       ";
    });
    ASSERT_EQ(platform.messages.size(), 1U);
    const auto& m = platform.messages[0];
    EXPECT_EQ(m.title, "Start a New Game?");
    EXPECT_EQ(m.text, "Click OK to start a new game or click Cancel to discard changes and "
                      "return to current game.");
    EXPECT_EQ(m.buttons, MsgButtons::OkCancel);
    EXPECT_EQ(m.icon, MsgIcon::Question);
    EXPECT_EQ(engine->run().NewGameAnswer, 2);
    EXPECT_EQ(settings.NumberOfDice, 5);
    EXPECT_EQ(settings.NumberOfColumns, 4);
    EXPECT_EQ(settings.NumberOfPlayers, 1);
    EXPECT_EQ(settings.Player1, "Ana       ");
    EXPECT_EQ(board().geometry, geometry);
    EXPECT_EQ(engine->game().HighestDieIndex, 5);
    EXPECT_TRUE(engine->game().GameStarted);
    roll({6, 6, 6, 6, 6, 6});
    EXPECT_EQ(engine->turn().RollCount, 2);
}

TEST_F(Commands, VariantChangedBeforeTheFirstRollRelaysWithoutAQuestion) {
    start(4, 5, 1);
    options([](Settings& s) {
        s.NumberOfColumns = 1;
        s.NumberOfDice = 4;
    });
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(board().columns[2].Tot.visible);
    EXPECT_EQ(board().geometry.columns[2].width, 2400);
    EXPECT_EQ(engine->game().HighestDieIndex, 4);
    EXPECT_FALSE(board().picDice[5].visible);
    roll({3, 3, 3, 3, 3});
    EXPECT_EQ(dice().size(), 5U);
    EXPECT_THAT(dice(), ::testing::Each(3));
}

TEST_F(Commands, AcceptedGameChangeStartsANewGameWithoutAskingToQuit) {
    start(1, 4, 1);
    roll({1, 2, 3, 4, 5});
    engine->cmdRand_Click(0);
    options([](Settings& s) {
        s.NumberOfColumns = 4;
        s.NumberOfDice = 5;
        s.NumberOfPlayers = 2;
    });
    EXPECT_EQ(countMessages("Start a New Game?"), 1);
    EXPECT_EQ(countMessages("Confirm"), 0); // no "Quit this Game?"
    EXPECT_EQ(engine->run().NewGameAnswer, 0) << "the answer covers that one New Game";
    EXPECT_FALSE(engine->game().GameStarted);
    EXPECT_EQ(engine->sheet().PlacedCount, 0);
    EXPECT_EQ(engine->game().HighestDieIndex, 5);
    EXPECT_TRUE(board().columns[2].Tot.visible);
    EXPECT_EQ(board().geometry, BoardGeometry{});
    EXPECT_EQ(board().caption, "Rollwell - Player 1");
    EXPECT_EQ(board().windowHeight, 8530);

    // A later New Game during play asks again.
    for (int i = 0; i < 500 && board().tmrAnimation.running; ++i)
        engine->tmrAnimation_Timer();
    roll({1, 2, 3, 4, 5, 6});
    platform.answers.push_back(MsgAnswer::Cancel);
    engine->mnuNewGame_Click();
    EXPECT_EQ(countMessages("Confirm"), 1);
    EXPECT_TRUE(engine->game().GameStarted);
}

TEST_F(Commands, OnePlayerAfterAFinishedTwoPlayerGameLeavesNoHandOverBehind) {
    start(4, 5, 2);
    roll({1, 2, 3, 4, 5, 6});
    // As the end of a two-player game leaves it: player 2 last on turn, the
    // button that shows the other sheet up.
    probe().game().GameFinished = true;
    probe().game().CurrentPlayer = 2;
    probe().board().cmdShowNextBoard = {true, true, "    Show      Player 1's  Board"};
    options([](Settings& s) { s.NumberOfPlayers = 1; });
    EXPECT_FALSE(board().cmdShowNextBoard.visible);
    EXPECT_EQ(engine->game().CurrentPlayer, 1);
    EXPECT_EQ(board().caption, "Rollwell 2.0");
    for (int i = 0; i < 500 && board().tmrAnimation.running; ++i)
        engine->tmrAnimation_Timer();
    platform.queueRoll(6, {6, 5, 4, 3, 2, 1});
    engine->Form_KeyPress(13); // Enter rolls again
    EXPECT_EQ(engine->turn().RollCount, 1);
}

TEST_F(Commands, GameChangeAfterAFinishedGameStillAsks) {
    start(1, 4, 1);
    probe().game().GameStarted = true;
    probe().game().GameFinished = true;
    platform.answers.push_back(MsgAnswer::Cancel);
    options([](Settings& s) { s.NumberOfDice = 5; });
    EXPECT_EQ(countMessages("Start a New Game?"), 1);
    EXPECT_EQ(settings.NumberOfDice, 4);
}

} // namespace
} // namespace rollwell
