#include "support/bot.h"

#include <gtest/gtest.h>

namespace rollwell {
namespace {

struct Kind {
    int columns, dice, players;
};

Settings settingsFor(const Kind& kind) {
    Settings settings;
    settings.NumberOfColumns = kind.columns;
    settings.NumberOfDice = kind.dice;
    settings.NumberOfPlayers = kind.players;
    return settings;
}

class Soak : public ::testing::TestWithParam<Kind> {};

TEST_P(Soak, RandomGamesKeepEveryRule) {
    const Kind kind = GetParam();
    const Settings settings = settingsFor(kind);
    for (unsigned seed = 1; seed <= 6; ++seed) {
        Bot bot(settings, Bot::Options{seed});
        for (int game = 0; game < 2; ++game) {
            const int placements = bot.playGame();
            const int cells = PlayerSheet::capacity(kind.columns) * kind.players;
            EXPECT_EQ(placements, cells) << "seed " << seed;
            EXPECT_TRUE(bot.engine().game().GameFinished);
        }
        ASSERT_TRUE(bot.failures().empty()) << "seed " << seed << ": " << bot.failures().front();
    }
}

// Undo, Redo, hint requests and hint-mode switches at random moments,
// "Finish Game?" answered Undo half the time, and now and then a New Game in
// the middle of a game.
TEST_P(Soak, RandomGamesWithEveryCommandKeepEveryRule) {
    const Kind kind = GetParam();
    const Settings settings = settingsFor(kind);
    int finished = 0;
    for (unsigned seed = 1; seed <= 6; ++seed) {
        Bot::Options options{seed};
        options.undoChance = 0.25;
        options.redoChance = 0.5;
        options.endGameUndoChance = 0.5;
        options.newGameChance = 0.0007;
        options.hintChance = 0.3;
        options.modeSwitchChance = 0.05;
        Bot bot(settings, options);
        for (int game = 0; game < 3; ++game) {
            const int placements = bot.playGame();
            if (!bot.engine().game().GameFinished) continue; // abandoned by New Game
            ++finished;
            EXPECT_EQ(placements, PlayerSheet::capacity(kind.columns) * kind.players)
                << "seed " << seed;
        }
        ASSERT_TRUE(bot.failures().empty()) << "seed " << seed << ": " << bot.failures().front();
    }
    EXPECT_GE(finished, 6); // many games are played to their end
}

INSTANTIATE_TEST_SUITE_P(AllKinds, Soak,
                         ::testing::Values(Kind{4, 5, 1}, Kind{4, 4, 1}, Kind{1, 5, 1},
                                           Kind{1, 4, 1}, Kind{4, 5, 2}, Kind{4, 4, 2},
                                           Kind{1, 5, 2}, Kind{1, 4, 2}),
                         [](const ::testing::TestParamInfo<Kind>& p) {
                             const Kind k = p.param;
                             return std::string(k.columns == 4 ? "Yamb" : "Yahtzee") +
                                    (k.dice == 5 ? "Six" : "Five") + "Dice" +
                                    (k.players == 2 ? "TwoPlayers" : "OnePlayer");
                         });

} // namespace
} // namespace rollwell
