#include "game/engine.h"

namespace rollwell {

namespace {
constexpr int kSoundOnImage = 5;
constexpr int kSoundOffImage = 8;
} // namespace

// Sound on or off, for this run and for the saved setting. Of the four sound
// menu items the state item of the new mode and the switching item of the
// other mode are shown.
void Engine::setSound(bool on) {
    run_.SoundOn = on;
    settings_.SoundEnabled = on;
    board_.tbSound.image = on ? kSoundOnImage : kSoundOffImage;
    board_.mnuSoundsOn.visible = on;
    board_.mnuSoundsOff2.visible = on;
    board_.mnuSoundsOn2.visible = !on;
    board_.mnuSoundsOff.visible = !on;
}

void Engine::Toolbar2_ButtonClick(std::string_view key) {
    struct Route {
        std::string_view key;
        ToolButton Board::*button;
        void (*command)(Engine&);
    };
    static constexpr Route kRoutes[] = {
        {"tbNew", &Board::tbNew, [](Engine& e) { e.NewGame(); }},
        {"tbUndo", &Board::tbUndo, [](Engine& e) { e.mnuUndoUndo_Click(); }},
        {"tbRedo", &Board::tbRedo, [](Engine& e) { e.mnuUndoRedo_Click(); }},
        {"tbHint", &Board::tbHint, [](Engine& e) { e.HintRequest(); }},
        {"tbSuggest", &Board::tbSuggest, [](Engine& e) { e.mnuSuggest_Click(); }},
        {"tbSound", &Board::tbSound, [](Engine& e) { e.setSound(!e.run_.SoundOn); }},
        {"tbHelp", &Board::tbHelp, [](Engine& e) { e.mnuQuickStar_Click(); }},
        {"tbExit", &Board::tbExit, [](Engine& e) { e.platform_.CloseMainWindow(); }},
    };
    for (const Route& route : kRoutes) {
        if (route.key != key) continue;
        // The window never delivers a click on a disabled button; ignore it here too.
        if ((board_.*route.button).enabled) route.command(*this);
        return;
    }
}

void Engine::mnuScores_Click() {
    run_.ScoresFromGame = false;
    run_.OpenedFromMain = true;
    TopScoresRequest request;
    request.OpenedFromMain = true;
    request.LastScore = run_.LastScore;
    request.LastRank = run_.LastRank;
    request.tableNumber = TableNumber(settings_.NumberOfColumns, settings_.NumberOfDice);
    platform_.ShowTopScores(request);
}

void Engine::mnuQuickStar_Click() {
    run_.OpenedFromMain = true;
    platform_.ShowQuickStart();
}

void Engine::mnuOptions_Click() {
    const int32_t oldColumns = settings_.NumberOfColumns;
    const int32_t oldDice = settings_.NumberOfDice;
    const int32_t oldPlayers = settings_.NumberOfPlayers;
    const bool oldComputer = settings_.Player2Computer;
    const bool computerPlayed = settings_.computerPlays();
    const bool oldStatusBar = settings_.ShowStatusBar;
    run_.OpenedFromMain = true;
    run_.OptionsAccepted = false;
    run_.NewGameAnswer = 0;

    if (std::optional<Settings> chosen = platform_.ShowOptions(settings_)) {
        settings_ = *chosen;
        run_.OptionsAccepted = true;
    }

    const bool gameChanged =
        settings_.NumberOfColumns != oldColumns || settings_.NumberOfDice != oldDice ||
        settings_.NumberOfPlayers != oldPlayers || settings_.computerPlays() != computerPlayed;
    if (gameChanged) {
        if (game_.GameStarted) {
            const MsgAnswer answer = message("Start a New Game?",
                                             "Click OK to start a new game or click Cancel to "
                                             "discard changes and return to current game.",
                                             MsgButtons::OkCancel, MsgIcon::Question);
            run_.NewGameAnswer = answer == MsgAnswer::Ok ? 1 : 2;
            if (run_.NewGameAnswer == 1) {
                NewGame();
                LayOutBoard();
                // The layout shows every cell button; the new game's animation
                // builds the board from its own first frame.
                if (board_.tmrAnimation.running) setAnimationStartState();
                return;
            }
        } else {
            LayOutBoard();
            game_.HighestDieIndex = settings_.NumberOfDice;
        }
    }

    if (run_.NewGameAnswer == 2) {
        // The game goes on as it was; the other changes stay in force.
        settings_.NumberOfColumns = oldColumns;
        settings_.NumberOfDice = oldDice;
        settings_.NumberOfPlayers = oldPlayers;
        settings_.Player2Computer = oldComputer;
    }

    if (settings_.ShowStatusBar != oldStatusBar) ArrangeStatusBar();
}

} // namespace rollwell
