// How well and how fast the advisor and the computer player's strengths play
// each kind of game, against a greedy player and the soak bot; then Strong
// against Easy in two-player games. Seeded: every run plays the same games.
// Decision times are processor time: the median and the worst of all
// decisions (for the soak bot, a whole turn through the engine).
//
//   advisor_bench [games] [match games] [folder for the solved Yahtzee values, or -]
//                 [kind, e.g. yamb5] [players, e.g. advisor,greedy,match]
#include "advisor/advisor.h"
#include "advisor/greedy.h"
#include "solitaire.h"
#include "support/bot.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace rollwell;

namespace {

using Clock = std::chrono::steady_clock;

struct Kind {
    const char* name;
    int columns, dice;
};
constexpr Kind kKinds[] = {
    {"yahtzee5", 1, 5}, {"yahtzee6", 1, 6}, {"yamb5", 4, 5}, {"yamb6", 4, 6}};

Policy strengthPolicy(Strength s) {
    return [s](const Position& p) { return Advise(p, s); };
}

Settings settingsFor(const Kind& kind, int players) {
    Settings s;
    s.NumberOfColumns = kind.columns;
    s.NumberOfDice = kind.dice - 1;
    s.NumberOfPlayers = players;
    s.SoundEnabled = false;
    s.ConfirmQuitGame = false;
    return s;
}

// Plays one game through the engine's handlers, each player's moves chosen by
// its policy, as the computer player does. False when a policy got stuck.
bool playThroughEngine(Engine& e, const Policy policies[2], std::vector<double>& ms) {
    if (e.game().GameStarted) e.NewGame();
    while (e.board().tmrAnimation.running)
        e.tmrAnimation_Timer();
    for (int guard = 0; guard < 2000; ++guard) {
        if (e.game().GameFinished) return true;
        const Position p = PositionFrom(e);
        const bool handOver = e.board().cmdNextPlayer.visible;
        const int player = handOver ? 3 - e.game().CurrentPlayer : e.game().CurrentPlayer;
        const double start = CpuMs();
        const Advice a = policies[player - 1](p);
        ms.push_back(CpuMs() - start);
        switch (a.action) {
        case Action::Roll:
            if (handOver) {
                e.cmdNextPlayer_Click();
                break;
            }
            for (int i = 0; i < p.dice && p.rollCount > 0; ++i) {
                if (a.hold[i] && !e.turn().DiceHeld[i]) e.picDice_Click(i);
                if (!a.hold[i] && e.turn().DiceHeld[i]) e.PicDiceOff_Click(i);
            }
            if (!e.board().picRollDices.enabled) return false;
            e.picRollDices_MouseUp();
            break;
        case Action::Place:
        case Action::Announce:
            if (!e.board().cmd(a.column, a.row).visible) return false;
            e.cellClick(a.column, a.row);
            break;
        }
    }
    return false;
}

struct Summary {
    double mean = 0, sd = 0, medianMs = 0, maxMs = 0;
    int failures = 0;
};

Summary summarise(const std::vector<double>& scores, std::vector<double>& ms, int failures) {
    Summary s;
    for (double x : scores)
        s.mean += x;
    const double n = static_cast<double>(scores.size());
    s.mean /= std::max(1.0, n);
    for (double x : scores)
        s.sd += (x - s.mean) * (x - s.mean);
    s.sd = std::sqrt(s.sd / std::max(1.0, n - 1));
    if (!ms.empty()) {
        std::nth_element(ms.begin(), ms.begin() + static_cast<long>(ms.size() / 2), ms.end());
        s.medianMs = ms[ms.size() / 2];
        s.maxMs = *std::max_element(ms.begin(), ms.end());
    }
    s.failures = failures;
    return s;
}

void report(const Kind& kind, const char* player, int games, const Summary& s) {
    std::printf("kind %s player %s games %d mean %.2f sd %.2f ms_per_decision %.3f max_ms %.2f",
                kind.name, player, games, s.mean, s.sd, s.medianMs, s.maxMs);
    if (s.failures) std::printf(" failures %d", s.failures);
    std::printf("\n");
    std::fflush(stdout);
}

void headless(const Kind& kind, const char* name, const Policy& policy, int games) {
    std::vector<double> scores, ms;
    int failures = 0;
    std::mt19937 rng(20261206u + static_cast<unsigned>(kind.dice * 10 + kind.columns));
    for (int g = 0; g < games; ++g) {
        Solitaire game = PlaySolitaire(kind.columns, kind.dice, policy, rng, true);
        failures += game.failed;
        scores.push_back(game.total);
        ms.insert(ms.end(), game.decisionMs.begin(), game.decisionMs.end());
    }
    report(kind, name, games, summarise(scores, ms, failures));
}

void engineSolo(const Kind& kind, const char* name, const Policy& policy, int games) {
    Settings settings = settingsFor(kind, 1);
    ScriptedPlatform platform(77u + static_cast<unsigned>(kind.dice * 10 + kind.columns));
    Engine e(settings, platform);
    e.Form_Load();
    const Policy both[2] = {policy, policy};
    std::vector<double> scores, ms;
    int failures = 0;
    for (int g = 0; g < games; ++g) {
        platform.clearLog();
        if (!playThroughEngine(e, both, ms)) {
            ++failures;
            continue;
        }
        scores.push_back(valueOf(e.sheet().GrandTotal));
    }
    report(kind, name, games, summarise(scores, ms, failures));
}

void soakBot(const Kind& kind, int games) {
    Bot::Options options;
    options.checks = false;
    Bot bot(settingsFor(kind, 1), options);
    std::vector<double> scores, ms;
    for (int g = 0; g < games; ++g) {
        bot.platform().clearLog();
        const double start = CpuMs();
        const int placed = bot.playGame();
        ms.push_back((CpuMs() - start) / std::max(1, placed));
        scores.push_back(valueOf(bot.engine().sheet().GrandTotal));
    }
    report(kind, "soak_bot", games, summarise(scores, ms, 0));
}

void match(const Kind& kind, int games) {
    Settings settings = settingsFor(kind, 2);
    ScriptedPlatform platform(99u + static_cast<unsigned>(kind.dice * 10 + kind.columns));
    Engine e(settings, platform);
    e.Form_Load();
    const Policy strong = strengthPolicy(Strength::Strong), easy = strengthPolicy(Strength::Easy);
    int wins = 0, draws = 0, losses = 0, failures = 0;
    std::vector<double> ms;
    for (int g = 0; g < games; ++g) {
        platform.clearLog();
        ms.clear();
        // Strong moves first in even games and second in odd ones.
        const bool strongFirst = g % 2 == 0;
        const Policy order[2] = {strongFirst ? strong : easy, strongFirst ? easy : strong};
        if (!playThroughEngine(e, order, ms)) {
            ++failures;
            continue;
        }
        const int32_t first = e.run().Player1Total, second = e.run().Player2Total;
        const int32_t mine = strongFirst ? first : second, theirs = strongFirst ? second : first;
        wins += mine > theirs;
        draws += mine == theirs;
        losses += mine < theirs;
    }
    std::printf("match %s strong_vs_easy games %d wins %d draws %d losses %d win_rate %.3f",
                kind.name, games, wins, draws, losses, games ? double(wins) / games : 0.0);
    if (failures) std::printf(" failures %d", failures);
    std::printf("\n");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int matchGames = argc > 2 ? std::atoi(argv[2]) : 1000;
    const std::string folder = argc > 3 ? argv[3] : "advisor-values";
    const std::string only = argc > 4 ? argv[4] : "";
    const std::string players =
        argc > 5 ? argv[5] : "advisor,strong,normal,easy,greedy,soak_bot,match";
    const auto wanted = [&players](const std::string& name) {
        return ("," + players + ",").find("," + name + ",") != std::string::npos;
    };
    const auto start = Clock::now();
    // "-" plays Yahtzee without the solved values, as the game does until they are ready.
    if (folder != "-") PrepareYahtzeeValues(folder);
    WaitForYahtzeeValues();
    std::printf("# Yahtzee values ready after %.1f s\n",
                std::chrono::duration<double>(Clock::now() - start).count());
    for (const Kind& kind : kKinds) {
        if (!only.empty() && only != kind.name) continue;
        if (wanted("advisor")) headless(kind, "advisor", strengthPolicy(Strength::Strong), games);
        if (wanted("strong")) engineSolo(kind, "strong", strengthPolicy(Strength::Strong), games);
        if (wanted("normal")) engineSolo(kind, "normal", strengthPolicy(Strength::Normal), games);
        if (wanted("easy")) engineSolo(kind, "easy", strengthPolicy(Strength::Easy), games);
        if (wanted("greedy")) engineSolo(kind, "greedy", GreedyAdvice, games);
        if (wanted("soak_bot")) soakBot(kind, games);
        if (wanted("match")) match(kind, matchGames);
    }
    StopPreparingYahtzeeValues();
}
