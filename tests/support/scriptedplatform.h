#pragma once

#include "game/platform.h"

#include <deque>
#include <random>
#include <string>
#include <vector>

namespace rollwell {

// A platform that records every call and answers from a script. Dice come
// from queued faces (queueRoll) or, when the queue is empty, from a seeded
// generator.
class ScriptedPlatform : public Platform {
  public:
    struct Sound {
        std::string name;
        bool sync = false;
    };
    struct Message {
        std::string title, text;
        MsgButtons buttons = MsgButtons::Ok;
        MsgIcon icon = MsgIcon::None;
    };
    struct Record {
        int table = 0;
        std::string name;
        int32_t score = 0;
        std::string date;
    };

    explicit ScriptedPlatform(unsigned seed = 1) : rng_(seed) {}

    // The next roll settles the free dice on these faces, in die order.
    // Nine shake frames draw one value per free die before the dice settle.
    void queueRoll(int freeDice, const std::vector<int>& faces) {
        randoms.insert(randoms.end(), static_cast<size_t>(9 * freeDice), 0.5);
        for (int face : faces)
            randoms.push_back((face - 1 + 0.5) / 6.0);
    }
    void queueRandom(double r) { randoms.push_back(r); }
    std::vector<std::string> soundNames() const {
        std::vector<std::string> names;
        for (const Sound& s : sounds)
            names.push_back(s.name);
        return names;
    }
    void clearLog() {
        sounds.clear(), pauses.clear(), messages.clear();
        winners.clear(), topScores.clear(), records.clear();
    }

    void PlaySoundAsync(std::string_view name) override { sounds.push_back({std::string(name)}); }
    void PlaySoundSync(std::string_view name) override {
        sounds.push_back({std::string(name), true});
    }
    void Pause(int ms) override { pauses.push_back(ms); }
    MsgAnswer MessageBox(std::string_view title, std::string_view text, MsgButtons buttons,
                         MsgIcon icon) override {
        messages.push_back({std::string(title), std::string(text), buttons, icon});
        return next(answers, MsgAnswer::Ok);
    }
    void MinimizeWindow() override { ++minimized; }
    double Random() override {
        return randoms.empty() ? std::uniform_real_distribution<double>(0.0, 1.0)(rng_)
                               : next(randoms, 0.0);
    }
    void Reseed() override {}
    std::string Today() override { return "06.12.2026"; }
    EndGameAnswer ShowEndGameDialog() override {
        ++endGameDialogs;
        return next(endGameAnswers, EndGameAnswer::Finish);
    }
    void ShowWinner(const WinnerInfo& info) override { winners.push_back(info); }
    void ShowTopScores(const TopScoresRequest& request) override { topScores.push_back(request); }
    ScoreEntryResult RecordResult(int tableNumber, std::string_view name, int32_t score,
                                  std::string_view date) override {
        records.push_back({tableNumber, std::string(name), score, std::string(date)});
        return next(recordResults, ScoreEntryResult{1, true, std::nullopt, std::nullopt});
    }
    std::optional<Settings> ShowOptions(const Settings&) override {
        return next(optionsAnswers, std::optional<Settings>());
    }
    void ShowQuickStart() override { ++quickStarts; }
    void CloseMainWindow() override { ++closeRequests; }

    // What was asked, in order.
    std::vector<Sound> sounds;
    std::vector<int> pauses;
    std::vector<Message> messages;
    std::vector<WinnerInfo> winners;
    std::vector<TopScoresRequest> topScores;
    std::vector<Record> records;
    int endGameDialogs = 0, minimized = 0, quickStarts = 0, closeRequests = 0;

    // The script.
    std::deque<double> randoms;
    std::deque<MsgAnswer> answers;                      // default OK
    std::deque<EndGameAnswer> endGameAnswers;           // default Finish
    std::deque<ScoreEntryResult> recordResults;         // default placed at rank 1
    std::deque<std::optional<Settings>> optionsAnswers; // default: cancelled

  private:
    template <typename T> static T next(std::deque<T>& script, T fallback) {
        if (script.empty()) return fallback;
        T answer = script.front();
        script.pop_front();
        return answer;
    }
    std::mt19937 rng_;
};

} // namespace rollwell
