#include "sheet/scoring.h"
#include "support/bot.h"
#include "support/scriptedplatform.h"

#include <gtest/gtest.h>

#include <random>
#include <span>
#include <string>
#include <vector>

namespace rollwell {
namespace {

struct Kind {
    int columns, dice, players;
};

std::string checkNoHints(const Engine& e) {
    std::string err;
    for (int r = 0; r < kRowCount; ++r) {
        if (!e.board().lblTip[r].text.empty()) err += " row " + std::to_string(r) + " not empty;";
    }
    return err;
}

// Every hint label holds the pure scorer's value of the dice on the table for
// a row with a shown cell button, and nothing for any other row or a value 0.
std::string checkHintTexts(const Engine& e) {
    const auto& values = e.turn().DiceValues;
    const std::span<const int32_t> dice(values.data(), static_cast<size_t>(e.game().diceInPlay()));
    // Before the first roll of a game the dice show no faces and nothing is valued.
    for (int32_t face : dice) {
        if (face < 1 || face > 6) return checkNoHints(e);
    }
    std::string err;
    for (int r = 0; r < kRowCount; ++r) {
        bool offered = false;
        for (int c = 1; c <= kColumnCount; ++c)
            offered = offered || e.board().cmd(c, r).visible;
        const int32_t value = ScoreForRow(static_cast<ScoreRow>(r), dice);
        const std::string expected = offered && value > 0 ? std::to_string(value) : "";
        if (e.board().lblTip[r].text != expected) {
            err += " row " + std::to_string(r) + " shows '" + e.board().lblTip[r].text +
                   "', expected '" + expected + "';";
        }
    }
    return err;
}

// Plays random games through the handlers with hint requests and mode switches
// mixed in, checking the hint labels after every roll, request and switch.
class HintPlayer {
  public:
    HintPlayer(const Settings& settings, unsigned seed)
        : settings_(settings), platform_(seed), engine_(settings_, platform_), rng_(seed) {
        engine_.Form_Load();
    }

    void playGame() {
        if (engine_.game().GameStarted) engine_.NewGame();
        for (int i = 0; i < 1000 && engine_.board().tmrAnimation.running; ++i)
            engine_.tmrAnimation_Timer();
        for (int guard = 0; guard < 20000 && !engine_.game().GameFinished; ++guard)
            step();
        if (!engine_.game().GameFinished) fail("game did not end");
    }

    const std::vector<std::string>& failures() const { return failures_; }

  private:
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    void fail(const std::string& what) {
        if (failures_.size() < 10) failures_.push_back(what);
    }
    void expect(const std::string& what, const std::string& err) {
        if (!err.empty()) fail(what + ":" + err);
    }

    void roll(bool handOver) {
        const int32_t before = engine_.turn().RollCount;
        if (handOver) {
            engine_.cmdNextPlayer_Click();
        } else {
            engine_.picRollDices_MouseUp();
        }
        if (engine_.game().HintsAlways) {
            expect("roll in the always mode", checkHintTexts(engine_));
        } else if (engine_.turn().RollCount != before) {
            expect("roll by request", checkNoHints(engine_));
        }
    }

    void step() {
        Engine& e = engine_;
        const Board& b = e.board();
        if (chance(0.05)) {
            if (b.mnuHintsAllways2.visible) {
                e.mnuHintsAllways2_Click();
                if (e.game().GameStarted) expect("switch to always", checkHintTexts(e));
            } else {
                e.mnuHintsByRequest2_Click();
            }
        }
        if (chance(0.3)) {
            const bool honoured = e.turn().HintAllowed && !e.game().HintsAlways;
            e.HintRequest();
            if (honoured) expect("hint request", checkHintTexts(e));
            if (e.turn().HintAllowed) fail("a second request would be allowed");
        }
        if (b.cmdNextPlayer.visible) {
            roll(true);
            return;
        }
        const bool canRoll = b.picRollDices.enabled && b.picRollDices.visible;
        if (e.turn().RollCount == 0 && !e.turn().Announced && canRoll) {
            roll(false);
            return;
        }
        for (int i = 0; i < e.game().diceInPlay(); ++i) {
            if (!chance(0.2)) continue;
            if (b.picDice[i].visible && b.picDice[i].enabled) {
                e.picDice_Click(i);
            } else if (b.PicDiceOff[i].visible && b.PicDiceOff[i].enabled) {
                e.PicDiceOff_Click(i);
            }
        }
        if (b.picRollDices.enabled && b.picRollDices.visible && chance(0.55)) {
            roll(false);
            return;
        }
        std::vector<std::pair<int, int>> offered;
        for (int c = 1; c <= kColumnCount; ++c) {
            for (int r = 0; r < kRowCount; ++r) {
                if (b.cmd(c, r).visible && b.cmd(c, r).enabled) offered.emplace_back(c, r);
            }
        }
        if (!offered.empty()) {
            const auto [c, r] =
                offered[std::uniform_int_distribution<size_t>(0, offered.size() - 1)(rng_)];
            e.cellClick(c, r);
            return;
        }
        if (b.picRollDices.enabled && b.picRollDices.visible) {
            roll(false);
            return;
        }
        for (int i = 0; i < e.game().diceInPlay(); ++i) {
            if (b.PicDiceOff[i].visible && b.PicDiceOff[i].enabled) {
                e.PicDiceOff_Click(i);
                return;
            }
        }
        fail("stuck: nothing offered and no roll possible");
        e.NewGame();
    }

    Settings settings_;
    ScriptedPlatform platform_;
    Engine engine_;
    std::mt19937 rng_;
    std::vector<std::string> failures_;
};

class HintsSoak : public ::testing::TestWithParam<Kind> {
  protected:
    Settings settings() const {
        Settings s;
        s.NumberOfColumns = GetParam().columns;
        s.NumberOfDice = GetParam().dice;
        s.NumberOfPlayers = GetParam().players;
        return s;
    }
};

TEST_P(HintsSoak, HintLabelsAlwaysMatchTheDice) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
        HintPlayer player(settings(), seed);
        for (int game = 0; game < 2; ++game)
            player.playGame();
        ASSERT_TRUE(player.failures().empty())
            << "seed " << seed << ": " << player.failures().front();
    }
}

TEST_P(HintsSoak, BotKeepsEveryRuleWithHintsMixedIn) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
        Bot::Options options{seed};
        options.hintChance = 0.3;
        options.modeSwitchChance = 0.05;
        Bot bot(settings(), options);
        for (int game = 0; game < 2; ++game) {
            bot.playGame();
            EXPECT_TRUE(bot.engine().game().GameFinished) << "seed " << seed;
            EXPECT_EQ(checkHintTexts(bot.engine()), "") << "seed " << seed;
        }
        ASSERT_TRUE(bot.failures().empty()) << "seed " << seed << ": " << bot.failures().front();
    }
}

INSTANTIATE_TEST_SUITE_P(AllKinds, HintsSoak,
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
