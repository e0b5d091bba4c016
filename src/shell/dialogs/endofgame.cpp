#include "shell/dialogs/endofgame.h"

#include "shell/qtext.h"

#include "game/geometry.h"
#include "shell/art/artwork.h"
#include "shell/art/palette.h"
#include "shell/dialogs/cursor.h"
#include "shell/scale.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace rollwell {

namespace {

// Centres the dialog on the main window, `below` twips lower.
void placeOn(QDialog& dialog, QWidget* main, int below) {
    dialog.adjustSize();
    if (main == nullptr) return;
    const QRect m = main->frameGeometry();
    dialog.move(m.left() + m.width() / 2 - dialog.width() / 2,
                m.top() + m.height() / 2 - dialog.height() / 2 + toPixels(below));
}

void styleDialog(QDialog& dialog) {
    dialog.setStyleSheet(scaledSheet(
        QStringLiteral(
            "QDialog{background:%1;}QLabel{color:%2;}"
            "QPushButton{background:%3;color:white;border:1px solid %4;border-radius:5px;"
            "padding:6px 14px;font-weight:bold;}QPushButton:hover{background:%5;}")
            .arg(paletteColor(u"caption").name(), paletteColor(u"captiontext").name(),
                 paletteColor(u"rule").name(), paletteColor(u"rule").darker(130).name(),
                 paletteColor(u"rule").lighter(115).name())));
}

} // namespace

EndGameAnswer askEndGame(QWidget* main) {
    QDialog dialog(main);
    dialog.setObjectName(QStringLiteral("frmEndGame"));
    dialog.setWindowTitle(QStringLiteral("Finish Game?"));
    dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    styleDialog(dialog);
    auto* undo =
        new QPushButton(artIcon(QStringLiteral("undo")), QStringLiteral("&Undo Last Move"));
    undo->setObjectName(QStringLiteral("cmdUndo"));
    auto* finish = new QPushButton(artIcon(QStringLiteral("ok")), QStringLiteral("&Finish Game"));
    finish->setObjectName(QStringLiteral("cmdFinish"));
    finish->setDefault(true);
    auto* text = new QLabel(QStringLiteral("The sheet is full. Finish the game, or take the last "
                                           "move back and place the roll elsewhere?"));
    text->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(undo);
    buttons->addWidget(finish);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addLayout(buttons);
    dialog.setFixedWidth(scaledPixels(320));
    EndGameAnswer answer = EndGameAnswer::Closed;
    QObject::connect(undo, &QPushButton::clicked, &dialog, [&] {
        answer = EndGameAnswer::Undo;
        dialog.accept();
    });
    QObject::connect(finish, &QPushButton::clicked, &dialog, [&] {
        answer = EndGameAnswer::Finish;
        dialog.accept();
    });
    placeOn(dialog, main, 2200);
    installGameCursor(&dialog);
    dialog.exec();
    return answer;
}

void showWinner(QWidget* main, const WinnerInfo& info) {
    QDialog dialog(main);
    dialog.setObjectName(QStringLiteral("frmTheWinerIs"));
    dialog.setWindowTitle(QStringLiteral("And the Winer is..."));
    dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    styleDialog(dialog);
    const auto label = [&](const char* name, const std::string& text) {
        auto* l = new QLabel(toQString(text));
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    auto* grid = new QGridLayout;
    QLabel* score1 = label("lblScore1", info.lblScore1);
    QLabel* score2 = label("lblScore2", info.lblScore2);
    score1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    score2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(label("lblPlayer1", info.lblPlayer1), 0, 0);
    grid->addWidget(score1, 0, 1);
    grid->addWidget(label("lblPlayer2", info.lblPlayer2), 1, 0);
    grid->addWidget(score2, 1, 1);
    QLabel* winner = label("lblWiner", info.lblWiner);
    winner->setAlignment(Qt::AlignCenter);
    winner->setStyleSheet(scaledSheet(QStringLiteral("font-size:18px;font-weight:bold;color:%1;")
                                          .arg(paletteColor(u"totaltext").name())));
    auto* close = new QPushButton(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setDefault(true);
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(grid);
    layout->addSpacing(scaledPixels(8));
    layout->addWidget(winner);
    layout->addSpacing(scaledPixels(8));
    layout->addWidget(close, 0, Qt::AlignHCenter);
    dialog.setMinimumWidth(260);
    placeOn(dialog, main, 0);
    installGameCursor(&dialog);
    dialog.exec();
}

} // namespace rollwell
