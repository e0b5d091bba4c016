#pragma once

#include "game/platform.h"

class QWidget;

namespace rollwell {

// frmEndGame, "Finish Game?": asked when the last cell was filled with rolls
// left. Sits 2200 twips below the centre of the main window.
EndGameAnswer askEndGame(QWidget* main);

// frmTheWinerIs, "And the Winer is...": both players' totals and the winner,
// centred on the main window.
void showWinner(QWidget* main, const WinnerInfo& info);

} // namespace rollwell
