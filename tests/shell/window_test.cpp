#include "windowfixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

namespace rollwell {
namespace {

using Walk = WindowTest;

// Plays every turn with one roll into the first cell offered, by mouse.
void playThrough(Walk& t, int placements) {
    for (int k = 0; k < placements; ++k) {
        t.roll();
        const QString cell = t.offeredCell({3});
        ASSERT_FALSE(cell.isEmpty()) << "turn " << k;
        t.click(cell);
    }
}

TEST_F(Walk, TwoPlayerYahtzeeToTheWinnerAndBothSheets) {
    settings.NumberOfColumns = 1;
    settings.NumberOfPlayers = 2;
    settings.NumberOfDice = 4;
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Rollwell - Player 1"));
    EXPECT_FALSE(shown(QStringLiteral("cmdDown_0")));
    EXPECT_FALSE(shown(QStringLiteral("picDice_5")));
    EXPECT_TRUE(shown(QStringLiteral("StatusBar1_1")));
    EXPECT_FALSE(shown(QStringLiteral("StatusBar1_2")));

    // A placement leaves the hand-over button; the next roll hands over.
    roll();
    click(offeredCell({3}));
    EXPECT_TRUE(shown(QStringLiteral("cmdNextPlayer")));
    click(QStringLiteral("cmdNextPlayer"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Rollwell - Player 2"));
    EXPECT_EQ(engine().turn().RollCount, 1);
    click(offeredCell({3}));
    playThrough(*this, 24);

    ASSERT_EQ(script.winners.size(), 1u);
    EXPECT_TRUE(shown(QStringLiteral("cmdShowNextBoard")));
    const QString before = text(QStringLiteral("lblGrandTotal"));
    click(QStringLiteral("cmdShowNextBoard"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Rollwell - Player 1"));
    EXPECT_EQ(text(QStringLiteral("lblGrandTotal")).toStdString(),
              std::to_string(engine().run().Player1Total));
    EXPECT_EQ(before.toStdString(), std::to_string(engine().run().Player2Total));
    // Enter does not roll while the finished game offers the other sheet.
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_TRUE(shown(QStringLiteral("cmdShowNextBoard")));
}

TEST_F(Walk, OnePlayerYahtzeeEndsInTheMarquee) {
    settings.NumberOfColumns = 1;
    open();
    // The first roll by keyboard, the rest by mouse.
    QTest::keyClick(find<QWidget>(QStringLiteral("picRollDices")), Qt::Key_Return);
    EXPECT_EQ(engine().turn().RollCount, 1);
    // The row under the mouse is lit in the caption column.
    auto* row3 = find<QWidget>(QStringLiteral("cmdRand_3"));
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(row3, &enter);
    EXPECT_TRUE(find<QLabel>(QStringLiteral("lblOption_3"))->autoFillBackground());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(row3, &leave);
    EXPECT_FALSE(find<QLabel>(QStringLiteral("lblOption_3"))->autoFillBackground());
    click(offeredCell({3}));
    playThrough(*this, 12);
    ASSERT_EQ(script.topScores.size(), 1u);
    EXPECT_TRUE(engine().board().tmrGameOver.running);
    EXPECT_FALSE(find<QWidget>(QStringLiteral("picRollDices"))->isEnabled());
    // The marquee moves through the message panel on the game-over timer.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !text(QStringLiteral("StatusBar1_2")).trimmed().isEmpty(); }, 5000));
    const QString first = text(QStringLiteral("StatusBar1_2"));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return text(QStringLiteral("StatusBar1_2")) != first; }, 2000));

    // F2 from anywhere starts a new game; the animation builds the board first.
    QTest::keyClick(find<QWidget>(QStringLiteral("lblRand_3")), Qt::Key_F2);
    EXPECT_FALSE(engine().board().tmrGameOver.running);
    waitForBoard();
    EXPECT_TRUE(find<QWidget>(QStringLiteral("picRollDices"))->isEnabled());
}

TEST_F(Walk, YambAnnounceColumnToTheAutomaticLastCell) {
    settings.NumberOfDice = 5;
    open();
    EXPECT_TRUE(shown(QStringLiteral("picDice_5")));
    // Holding: a held die keeps its face through the next roll.
    roll();
    click(QStringLiteral("picDice_2"));
    EXPECT_TRUE(shown(QStringLiteral("PicDiceOff_2")));
    EXPECT_FALSE(shown(QStringLiteral("picDice_2")));
    const int held = engine().turn().DiceValues[2];
    roll();
    EXPECT_EQ(engine().turn().DiceValues[2], held);
    EXPECT_TRUE(find<QWidget>(QStringLiteral("picRound_1"))->isVisible());
    click(QStringLiteral("PicDiceOff_2"));
    EXPECT_TRUE(shown(QStringLiteral("picDice_2")));
    click(offeredCell({1, 2, 3}));

    // Down, Up and Free first; then only the Announce column is left.
    for (int k = 1; k < 39; ++k) {
        roll();
        click(offeredCell({1, 2, 3}));
    }
    roll();
    roll(); // a second roll without an announcement is refused
    ASSERT_FALSE(script.messages.empty());
    EXPECT_EQ(script.messages.back().text, "You must announce now!");
    EXPECT_EQ(engine().turn().RollCount, 1);
    EXPECT_FALSE(find<QWidget>(QStringLiteral("picRollDices"))->isEnabled());

    // Announce, roll on, place: twelve times; the last cell places itself.
    for (int k = 0; k < 12; ++k) {
        if (k > 0) roll();
        const QString cell = offeredCell({4});
        ASSERT_FALSE(cell.isEmpty());
        click(cell); // announces
        EXPECT_TRUE(engine().turn().Announced);
        roll();
        roll();
        click(cell);
    }
    EXPECT_EQ(engine().sheet().PlacedCount, 51);
    roll();
    roll();
    roll();
    EXPECT_TRUE(QTest::qWaitFor([&] { return engine().sheet().PlacedCount == 52; }, 3000));
    EXPECT_EQ(script.topScores.size(), 1u);
}

TEST_F(Walk, MenusToolbarAndAccessibility) {
    open();
    const auto visible = [&](const char* name) {
        return window->findChild<QAction*>(QString::fromLatin1(name))->isVisible();
    };
    // Before the first roll every cell button is there but none can be used.
    EXPECT_TRUE(shown(QStringLiteral("cmdDown_0")));
    EXPECT_FALSE(find<QWidget>(QStringLiteral("cmdDown_0"))->isEnabled());
    EXPECT_TRUE(visible("mnuHintsByRequest"));
    EXPECT_TRUE(visible("mnuHintsAllways2"));
    window->findChild<QAction*>(QStringLiteral("mnuHintsAllways2"))->trigger();
    EXPECT_TRUE(visible("mnuHintsAllways") && visible("mnuHintsByRequest2"));
    EXPECT_FALSE(visible("mnuHintsByRequest") || visible("mnuHintsAllways2"));
    EXPECT_TRUE(settings.hintAllways);

    // Sound off from the toolbar changes the Tools menu too.
    click(QStringLiteral("tbSound"));
    EXPECT_TRUE(visible("mnuSoundsOff") && visible("mnuSoundsOn2"));
    EXPECT_FALSE(visible("mnuSoundsOn") || visible("mnuSoundsOff2"));
    EXPECT_FALSE(settings.SoundEnabled);
    window->findChild<QAction*>(QStringLiteral("mnuSoundsOn2"))->trigger();
    EXPECT_TRUE(settings.SoundEnabled);

    // A roll with hints always shows the hint column beside the open rows.
    roll();
    EXPECT_TRUE(shown(QStringLiteral("lblTip_12")));
    const auto* undo = window->findChild<QAction*>(QStringLiteral("mnuUndoUndo"));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(find<QToolButton>(QStringLiteral("tbUndo"))->isEnabled());

    // A screen reader names the cell and presses it.
    auto* cell = find<QWidget>(offeredCell({1}));
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(cell);
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(a->text(QAccessible::Name).startsWith(QStringLiteral("Down column, ")));
    EXPECT_TRUE(a->text(QAccessible::Description).startsWith(QStringLiteral("open")));
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([&] { return undo->isEnabled(); }, 5000));
    EXPECT_TRUE(find<QToolButton>(QStringLiteral("tbUndo"))->isEnabled());
    click(QStringLiteral("tbUndo"));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(find<QToolButton>(QStringLiteral("tbRedo"))->isEnabled());
    QAccessibleInterface* die =
        QAccessible::queryAccessibleInterface(find<QWidget>(QStringLiteral("picDice_0")));
    EXPECT_TRUE(die->text(QAccessible::Name).startsWith(QStringLiteral("Die 1, ")));
}

// The place of every control a player sees, by name.
QMap<QString, QRect> places(const MainWindow& w) {
    QMap<QString, QRect> map;
    for (const QWidget* child : w.findChildren<QWidget*>()) {
        const QString name = child->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && child->isVisibleTo(&w))
            map.insert(name, child->geometry());
    }
    return map;
}

TEST_F(Walk, LayoutFollowsTheOptionsWithoutDrift) {
    open();
    const Settings initial = settings;
    const QMap<QString, QRect> yamb = places(*window);
    const int yambHeight = window->height();
    EXPECT_TRUE(shown(QStringLiteral("StatusBar1_2")) && shown(QStringLiteral("StatusBar1_4")));
    EXPECT_FALSE(shown(QStringLiteral("StatusBar1_1")) || shown(QStringLiteral("StatusBar1_3")));

    const auto apply = [&](Settings next) {
        script.optionsAnswers.push_back(next);
        window->findChild<QAction*>(QStringLiteral("mnuOptions"))->trigger();
        waitForBoard();
    };
    Settings yahtzee = initial;
    yahtzee.NumberOfColumns = 1;
    apply(yahtzee);
    EXPECT_FALSE(shown(QStringLiteral("Label13")));
    EXPECT_EQ(find<QWidget>(QStringLiteral("lblRand_0"))->width(), toPixels(2400));
    EXPECT_EQ(yambHeight - window->height(), toPixels(8530) - toPixels(8270));
    EXPECT_EQ(find<QWidget>(QStringLiteral("picRollDices"))->y(),
              yamb.value(QStringLiteral("picRollDices")).y() - toPixels(250));

    Settings hidden = yahtzee;
    hidden.ShowStatusBar = false;
    apply(hidden);
    EXPECT_FALSE(find<QStatusBar>(QStringLiteral("StatusBar1"))->isVisible());
    EXPECT_EQ(yambHeight - window->height(), toPixels(8530) - toPixels(8030));

    Settings two = initial;
    two.NumberOfPlayers = 2;
    apply(two);
    EXPECT_TRUE(find<QStatusBar>(QStringLiteral("StatusBar1"))->isVisible());
    EXPECT_TRUE(shown(QStringLiteral("StatusBar1_1")) && shown(QStringLiteral("StatusBar1_3")));
    EXPECT_EQ(text(QStringLiteral("StatusBar1_3")), QStringLiteral("0 : 0"));
    apply(initial);
    EXPECT_EQ(places(*window), yamb);
    EXPECT_EQ(window->height(), yambHeight);
}

TEST_F(Walk, AClickDuringAPauseWaitsForTheRunningHandler) {
    open();
    roll();
    platform->pauseDivisor = 1; // the real shake: nine frames of 60 ms
    bool heldDuringRoll = true;
    QTimer::singleShot(150, [&] {
        click(QStringLiteral("picDice_0"));
        heldDuringRoll = engine().turn().DiceHeld[0];
        QTest::keyClick(window.get(), Qt::Key_Return); // and a second roll request
    });
    roll();
    EXPECT_FALSE(heldDuringRoll);
    EXPECT_EQ(engine().turn().RollCount, 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return engine().turn().RollCount == 3; }, 5000));
    EXPECT_TRUE(shown(QStringLiteral("PicDiceOff_0"))); // the click held the die, after the roll
}

} // namespace
} // namespace rollwell
