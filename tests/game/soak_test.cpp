#include "support/bot.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace rollwell {
namespace {

struct Kind {
    int columns, dice, players;
    int computer = 0; // the computer's strength as Player 2; 0 for a person
};

class Soak : public ::testing::TestWithParam<Kind> {};

// Random games through the handlers, checking every rule after each event:
// Undo, Redo, hint requests and hint-mode switches at random moments,
// "Finish Game?" answered Undo half the time (also when Redo asks it again),
// turns played for an upper row, keys, and now and then a New Game mid-game.
// Against the computer the person's clicks and Undo are tried during its turns
// too, and only the person's results enter the top scores.
TEST_P(Soak, RandomGamesWithEveryCommandKeepEveryRule) {
    const Kind kind = GetParam();
    Settings settings;
    std::tie(settings.NumberOfColumns, settings.NumberOfDice, settings.NumberOfPlayers,
             settings.Player2Computer, settings.ComputerStrength) =
        std::tuple(kind.columns, kind.dice, kind.players, kind.computer > 0, kind.computer);
    int finished = 0, bonuses = 0;
    for (unsigned seed = 1; seed <= (kind.computer ? 1u : 6u); ++seed) {
        // Chances of Undo, Redo, a hint, a hint-mode switch, New Game, "Finish Game?"
        // answered Undo, a turn played for an upper row and a key.
        Bot bot(settings, {seed, true, 0.25, 0.5, 0.3, 0.05, 0.0007, 0.5, 0.7, 0.4});
        for (int game = 0; game < (kind.columns == 1 ? 10 : 3); ++game) { // Yahtzee games are short
            const int placements = bot.playGame();
            if (!bot.engine().game().GameFinished) continue; // abandoned by New Game
            ++finished;
            EXPECT_EQ(placements, PlayerSheet::capacity(kind.columns) * kind.players)
                << "seed " << seed;
        }
        bonuses += bot.bonuses();
        ASSERT_TRUE(bot.failures().empty()) << "seed " << seed << ": " << bot.failures().front();
        if (kind.computer == 0) continue;
        for (const auto& record : bot.platform().records)
            EXPECT_EQ(record.name, settings.Player1);
        const auto& winners = bot.platform().winners;
        EXPECT_TRUE(winners.empty() || winners.back().lblPlayer2 == "Computer's Total Score:");
    }
    EXPECT_GE(finished, kind.computer ? 2 : 6); // many games are played to their end
    EXPECT_GT(bonuses, 0);                      // the bonus rules are exercised too
}

INSTANTIATE_TEST_SUITE_P(AllKinds, Soak,
                         ::testing::Values(Kind{4, 5, 1}, Kind{4, 4, 1}, Kind{1, 5, 1},
                                           Kind{1, 4, 1}, Kind{4, 5, 2}, Kind{4, 4, 2},
                                           Kind{1, 5, 2}, Kind{1, 4, 2}, Kind{4, 5, 2, 3},
                                           Kind{4, 4, 2, 1}, Kind{1, 4, 2, 2}, Kind{1, 5, 2, 3}),
                         [](const ::testing::TestParamInfo<Kind>& p) {
                             const Kind k = p.param;
                             return std::string(k.columns == 4 ? "Yamb" : "Yahtzee") +
                                    (k.dice == 5 ? "Six" : "Five") + "Dice" +
                                    (k.players == 2 ? "TwoPlayers" : "OnePlayer") +
                                    (k.computer ? "Computer" + std::to_string(k.computer) : "");
                         });

} // namespace
} // namespace rollwell
