#pragma once

#include "advisor/advisor.h"
#include "game/board.h"
#include "game/platform.h"
#include "game/settings.h"
#include "game/state.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rollwell {

// The headless game: every rule, and the state of every control of the main
// window. Handlers are named after the events of the window and run to
// completion, one at a time.
class Engine {
  public:
    Engine(Settings& settings, Platform& platform);

    const Board& board() const { return board_; }
    const GameState& game() const { return game_; }
    const TurnState& turn() const { return turn_; }
    const AnimationState& animation() const { return anim_; }
    const RunState& run() const { return run_; }
    const PlayerSheet& sheet() const { return game_.sheets.shown; }
    const Settings& settings() const { return settings_; }

    // Window life.
    void Form_Load();
    void Form_KeyPress(int code);
    // Keys that carry no character: the dice keys, the cell cursor's arrows,
    // Tab and Esc. Key codes as in keys.h; `shift` holds kShiftMask.
    void Form_KeyDown(int keyCode, int shift);
    void tmrTimeElapsed_Timer();

    // New game.
    void mnuNewGame_Click() { NewGame(); }
    void NewGame();

    // Dice and rolling.
    void picRollDices_MouseDown(); // ignored while the roll button is disabled
    void RollRequest();            // the roll button's mouse-up: any button rolls
    void picRollDices_MouseUp();   // ignored while the roll button is disabled
    void picDice_Click(int index);
    void PicDiceOff_Click(int index);
    void tmrRollDice_Timer();
    void cmdNextPlayer_Click();    // hands over and rolls for the next player
    void cmdShowNextBoard_Click(); // only while the finished duel offers it

    // Placing a score.
    void cmdDown_Click(int index);
    void cmdUp_Click(int index);
    void cmdRand_Click(int index);
    void cmdOblg_Click(int index);
    // Routes to the four handlers above. A click on a hidden or disabled
    // button is never delivered by the window and is ignored here too.
    void cellClick(int column, int index);

    // Undo and redo.
    void mnuUndoUndo_Click();
    void mnuUndoRedo_Click();

    // Hints and the row highlight.
    void mnuHintsByRequest2_Click();
    void mnuHintsAllways2_Click();
    void HintRequest();
    void cellMouseEntered(int column, int index);
    void cellMouseLeft(int column, int index);

    // Sounds.
    void mnuSoundsOn2_Click() { setSound(true); }
    void mnuSoundsOff2_Click() { setSound(false); }
    // The state items show the mode in force; choosing one changes nothing.
    void mnuSoundsOn_Click() {}
    void mnuSoundsOff_Click() {}

    // The toolbar, by button key ("tbNew", "tbUndo", ...).
    void Toolbar2_ButtonClick(std::string_view key);

    // Options: shows the options window and applies what changed.
    void mnuOptions_Click();
    // The top-scores window of the game in force, from the menu.
    void mnuScores_Click();
    // The quick-start window, from the menu or the toolbar.
    void mnuQuickStar_Click();

    // Other timers.
    void tmrAnimation_Timer();
    void tmrGameOver_Timer();

    // The window's position, kept by New Game for the rest of the run.
    void setWindowPosition(int left, int top) {
        windowLeft_ = left;
        windowTop_ = top;
    }
    // The about window disables the main window while it is open.
    void setWindowEnabled(bool on) { board_.windowEnabled = on; }

    // The move advisor, given by whoever builds the engine: Suggest a Move and
    // the computer player ask it. Without one there are no suggestions and the
    // computer takes the cell that scores most after its first roll.
    using AdviceSource = std::function<Advice(const Engine&, Strength)>;
    void setAdvisor(AdviceSource advisor) { advisor_ = std::move(advisor); }

    // Suggest a Move: the best move for the player on turn, shown on the board;
    // nothing is played.
    void mnuSuggest_Click();
    // One step of the computer's turn: hand over and roll, hold, roll, light
    // a cell, fill it. Each step goes through the handler a click would call.
    void tmrComputer_Timer();
    // The computer plays Player 2 and its turn is running.
    bool computerOnTurn() const;
    // The person's turn is over and the computer plays next.
    bool computerNext() const;

    // The engine's scorer: values the current dice in a row and keeps the value
    // in LastPlacedScore. Sorts the dice in place unless EvaluateOnly is set.
    int32_t ScoreForRow(int row);

  private:
    friend class EngineProbe; // tests reach private steps through it

    // The keyboard's cell cursor.
    bool offered(CellCursor cell) const;
    std::vector<CellCursor> offeredCells() const;
    void placeCursor(CellCursor cell);
    void moveCursorAcross(int step);
    void moveCursorAlong(int step);
    void stepCursor(int step);
    void dropStaleCursor();

    // Game state steps.
    void EndTurn();
    void HandOver();
    void ShowPlayerName(int code);
    void ShowOtherSheet();
    void resetDiceForNewTurn();

    // Rolling steps.
    void offerCells();
    void shakeAndSettle();
    bool allDiceHeld() const;
    void setDieHeld(int index, bool held);
    void rollButtonOff();
    void rollButtonReady();

    // Placing steps.
    void clickCell(int column, int index); // the click itself, also for the engine's own calls
    void oblgClick(int index);
    void announce(int index);
    void PlaceScore(int column, int index);
    void saveAndClearHints();
    // What a full sheet leaves the rest of the placement to do.
    struct SheetEnd {
        bool endPlacement = false; // the game end has taken over
        bool offerHandOver = true;
        bool reopened = false; // "Finish Game?" answered Undo
    };
    SheetEnd endOfSheet(int column);
    void showScorePanel();
    void finishPlacementStep(int index);

    // Suggestions and the computer player.
    void clearAdvice();
    void showAdvice(const AdviceMarks& marks, const std::string& text);
    void startComputer();
    int computerDecides();
    std::pair<int, int> bestOfferedCell() const;
    bool announceForced() const;
    // A click of the person while the computer plays is not taken.
    bool personLockedOut() const { return board_.boardLocked && !computerActing_; }
    std::string player2Name() const;

    // Game end.
    void FinishGame();
    bool askEndGame();

    // Undo and redo: the steps, also run by the "Finish Game?" dialog's Undo.
    void Undo();
    void Redo();

    // Undo, hints, layout and the animation.
    void ComputeHints();
    void ShowHintColumn();
    void clearHints();
    void StartNewGameAnimation();
    void setAnimationStartState();
    void ShuffleCells();
    void LayOutBoard();
    void ArrangeStatusBar();
    void setSound(bool on);
    void showHintMenus();

    // Talking to the platform: the board is brought up to date first, so the
    // window paints what the rules have decided so far.
    void playAsync(std::string_view name);
    void playSync(std::string_view name);
    void pause(int ms);
    MsgAnswer message(std::string_view title, std::string_view text, MsgButtons buttons,
                      MsgIcon icon);
    void syncSheet(); // cell and total labels from the sheet shown

    bool yamb() const { return settings_.isYamb(); }
    bool twoPlayers() const { return settings_.twoPlayers(); }
    PlayerSheet& sheet_() { return game_.sheets.shown; }
    int sheetCapacity() const { return PlayerSheet::capacity(settings_.NumberOfColumns); }

    Settings& settings_;
    Platform& platform_;
    Board board_;
    GameState game_;
    TurnState turn_;
    AnimationState anim_;
    RunState run_;
    int windowLeft_ = 0;
    int windowTop_ = 0;
    std::optional<PlayerSheet> syncedSheet_; // the sheet the labels last showed
    AdviceSource advisor_;
    bool computerActing_ = false;      // a step of the computer's turn is running
    bool computerRollPending_ = false; // its holds are shown; the roll comes next
    std::string adviceText_;           // the suggestion in the message panel
    std::string textBeforeAdvice_;     // what the panel showed before it
    std::array<std::pair<bool, int>, 3> panelsBeforeAdvice_{}; // shown, width
};

} // namespace rollwell
