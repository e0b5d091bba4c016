// Simulated turns per second: the bot plays whole games through the engine's
// handlers with the rule checks off. One turn is one placement.
#include "support/bot.h"

#include <benchmark/benchmark.h>

namespace {

void playGames(benchmark::State& state, int columns, int dice, int players) {
    rollwell::Settings settings;
    settings.NumberOfColumns = columns;
    settings.NumberOfDice = dice;
    settings.NumberOfPlayers = players;
    settings.SoundEnabled = false;
    rollwell::Bot::Options options;
    options.checks = false;
    rollwell::Bot bot(settings, options);
    int64_t turns = 0;
    for (auto _ : state) {
        turns += bot.playGame();
    }
    state.SetItemsProcessed(turns);
    state.counters["turns/s"] =
        benchmark::Counter(static_cast<double>(turns), benchmark::Counter::kIsRate);
}

BENCHMARK_CAPTURE(playGames, YambSixDiceOnePlayer, 4, 5, 1);
BENCHMARK_CAPTURE(playGames, YambFiveDiceTwoPlayers, 4, 4, 2);
BENCHMARK_CAPTURE(playGames, YahtzeeSixDiceOnePlayer, 1, 5, 1);
BENCHMARK_CAPTURE(playGames, YahtzeeFiveDiceTwoPlayers, 1, 4, 2);

} // namespace

BENCHMARK_MAIN();
