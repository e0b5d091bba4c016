#pragma once

#include "game/settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rollwell {

enum class MsgButtons { Ok, OkCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgAnswer { Ok, Cancel };

// The answer of the "Finish Game?" dialog; Closed when the player shut it by
// the window's own close control.
enum class EndGameAnswer { Finish, Undo, Closed };

// What the winner window shows, computed by the engine.
struct WinnerInfo {
    std::string lblPlayer1, lblScore1, lblPlayer2, lblScore2, lblWiner;
};

// How the top-scores window is opened. For a result of a game the engine has
// decided what the window says about it and whether the win music plays.
struct TopScoresRequest {
    bool ScoresFromGame = false;
    bool OpenedFromMain = false;
    int32_t LastScore = 0;
    int32_t LastRank = -1; // the result's position, selected in the list
    int tableNumber = 1;
    std::string lblScore;  // the line about the result
    bool WinMusic = false; // starts once the window has been painted
};

// The top-scores window's line about a result: where it landed, that it did
// not make the table, or that it could not be saved at all.
std::string ResultText(int32_t score, int32_t rank, bool saved);

// The outcome of writing a result into its top-scores table.
struct ScoreEntryResult {
    int32_t rank = -1;
    bool placed = false;
    std::optional<std::string> errorTitle; // set when the table could not be written
    std::optional<std::string> errorText;
};

// Everything the engine needs from the world outside: sounds, blocking pauses,
// modal dialogs, the window, randomness and the date. The window answers with
// real widgets; tests answer from a script.
class Platform {
  public:
    virtual ~Platform() = default;

    virtual void PlaySoundAsync(std::string_view name) = 0;
    // Returns when the sound has played to its end.
    virtual void PlaySoundSync(std::string_view name) = 0;
    // Paints the board and waits without taking input.
    virtual void Pause(int ms) = 0;
    virtual MsgAnswer MessageBox(std::string_view title, std::string_view text, MsgButtons buttons,
                                 MsgIcon icon) = 0;
    virtual void MinimizeWindow() = 0;

    // Uniform values in [0, 1); Reseed mixes the clock into the generator.
    virtual double Random() = 0;
    virtual void Reseed() = 0;
    // Today's date as the system writes a short date.
    virtual std::string Today() = 0;

    // The end of a game.
    virtual EndGameAnswer ShowEndGameDialog() = 0;
    virtual void ShowWinner(const WinnerInfo& info) = 0;
    virtual void ShowTopScores(const TopScoresRequest& request) = 0;
    virtual ScoreEntryResult RecordResult(int tableNumber, std::string_view name, int32_t score,
                                          std::string_view date) = 0;

    // The options window; nullopt when it was cancelled.
    virtual std::optional<Settings> ShowOptions(const Settings& current) = 0;

    // Commands the toolbar routes to the window.
    virtual void ShowQuickStart() = 0;
    virtual void CloseMainWindow() = 0;
};

} // namespace rollwell
