#include "game/engine.h"

#include <string>

namespace rollwell {

namespace {
// Row captions give way to the hint labels while hints are shown.
constexpr int kCaptionWidthWithHints = 1250;
constexpr int kCaptionWidthWithoutHints = 1570;
} // namespace

// Writes the value of the dice on the table beside every row that can take the
// roll now. The dice stay in the order they lie on the table.
void Engine::ComputeHints() {
    // Before the first roll of a game the dice show no faces; there is nothing
    // to value, and valuing zeros would offer nonsense (3 of a Kind worth 10).
    for (int i = 0; i < game_.diceInPlay(); ++i) {
        const int32_t face = turn_.DiceValues[static_cast<size_t>(i)];
        if (face < 1 || face > 6) return;
    }

    game_.EvaluateOnly = true;
    const std::array<int32_t, 6> onTable = turn_.DiceValues;
    for (int r = 0; r < kRowCount; ++r) {
        const int32_t value = ScoreForRow(r);
        bool offered = false;
        for (int c = 1; c <= kColumnCount; ++c)
            offered = offered || board_.cmd(c, r).visible;
        if (offered && value > 0)
            board_.lblTip[static_cast<size_t>(r)].text = std::to_string(value);
    }
    turn_.DiceValues = onTable;
    game_.EvaluateOnly = false;
}

void Engine::ShowHintColumn() {
    const bool shown = settings_.hintAllways || game_.HintRefreshPending;
    for (int r = 0; r < kRowCount; ++r) {
        board_.lblTip[static_cast<size_t>(r)].visible = shown;
        board_.lblOption[static_cast<size_t>(r)].width =
            shown ? kCaptionWidthWithHints : kCaptionWidthWithoutHints;
    }
}

void Engine::clearHints() {
    for (TextLabel& tip : board_.lblTip)
        tip.text.clear();
}

// The hint button: one request per roll, and only while hints are not shown
// by themselves anyway.
void Engine::HintRequest() {
    if (turn_.HintAllowed && !game_.HintsAlways) {
        game_.HintRefreshPending = true;
        ComputeHints();
        ShowHintColumn();
        playAsync("hint");
    }
    turn_.HintAllowed = false;
}

void Engine::mnuHintsByRequest2_Click() {
    game_.HintsAlways = false;
    settings_.hintAllways = false;
    ShowHintColumn();
    board_.tbHint.enabled = true;
    showHintMenus();
}

void Engine::mnuHintsAllways2_Click() {
    if (game_.GameStarted) ComputeHints();
    game_.HintsAlways = true;
    settings_.hintAllways = true;
    ShowHintColumn();
    board_.tbHint.enabled = false;
    showHintMenus();
    playAsync("hint");
}

// The mode in force and the one to switch to: exactly two of the four items.
void Engine::showHintMenus() {
    const bool always = settings_.hintAllways;
    board_.mnuHintsAllways.visible = always;
    board_.mnuHintsByRequest2.visible = always;
    board_.mnuHintsByRequest.visible = !always;
    board_.mnuHintsAllways2.visible = !always;
    // Asking for hints makes sense only while they are shown on request.
    board_.tbHint.enabled = !always;
}

// The row under the mouse is marked so the player sees which row a click
// fills. The window reports entering and leaving a shown cell button.
void Engine::cellMouseEntered(int column, int index) {
    if (column < 1 || column > kColumnCount || index < 0 || index >= kRowCount) return;
    CellButton& button = board_.cmd(column, index);
    if (!button.visible || !button.enabled || personLockedOut()) return;
    // A leave that never arrived must not leave a second row marked.
    for (RowCaption& caption : board_.lblOption)
        caption.highlighted = false;
    game_.HoverActive = true;
    board_.lblOption[static_cast<size_t>(index)].highlighted = true;
    if (!yamb() && column == 3) button.picture = CellPicture::img1Column;
}

void Engine::cellMouseLeft(int column, int index) {
    if (column < 1 || column > kColumnCount || index < 0 || index >= kRowCount) return;
    game_.HoverActive = false;
    board_.lblOption[static_cast<size_t>(index)].highlighted = false;
    if (!yamb() && column == 3) board_.cmd(column, index).picture = CellPicture::img1ColumnP;
}

} // namespace rollwell
