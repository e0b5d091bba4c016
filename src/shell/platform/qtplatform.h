#pragma once

#include "game/platform.h"

#include <functional>
#include <random>

class QWidget;

namespace rollwell {

class Audio;

// What the platform needs of the main window.
class PlatformHost {
  public:
    virtual ~PlatformHost() = default;
    virtual QWidget* ownerWindow() = 0;
    // Brings every widget up to date from the board and paints it at once.
    virtual void syncAndPaint() = 0;
};

// The engine's world in the real program: Qt's dialogs and message boxes, the
// sound players, a seeded generator and the system's date. Tests derive from it
// to script dice and answers while keeping the real pauses.
class QtPlatform : public Platform {
  public:
    explicit QtPlatform(PlatformHost& host);

    void setAudio(Audio* audio) { audio_ = audio; }
    // Windows that other parts of the program provide.
    std::function<std::optional<Settings>(const Settings&)> showOptions;
    std::function<void(const TopScoresRequest&)> showTopScores;
    std::function<void()> showQuickStart;

    void PlaySoundAsync(std::string_view name) override;
    void PlaySoundSync(std::string_view name) override;
    void Pause(int ms) override;
    MsgAnswer MessageBox(std::string_view title, std::string_view text, MsgButtons buttons,
                         MsgIcon icon) override;
    void MinimizeWindow() override;
    double Random() override;
    void Reseed() override;
    std::string Today() override;
    EndGameAnswer ShowEndGameDialog() override;
    void ShowWinner(const WinnerInfo& info) override;
    void ShowTopScores(const TopScoresRequest& request) override;
    ScoreEntryResult RecordResult(int tableNumber, std::string_view name, int32_t score,
                                  std::string_view date) override;
    std::optional<Settings> ShowOptions(const Settings& current) override;
    void ShowQuickStart() override;
    void CloseMainWindow() override;

  protected:
    PlatformHost& host_;

  private:
    Audio* audio_ = nullptr;
    std::mt19937_64 generator_;
};

} // namespace rollwell
