#include "windowfixture.h"

namespace rollwell {
namespace {

using Walk = WindowTest;

TEST_F(Walk, TwoPlayerYahtzeeToTheWinnerAndBothSheets) {
    settings.NumberOfColumns = 1;
    settings.NumberOfPlayers = 2;
    settings.NumberOfDice = 4;
    open();
    EXPECT_EQ(seen({"cmdDown_0", "picDice_5", "StatusBar1_1", "StatusBar1_2"}), "0010");

    // A placement leaves the hand-over button; the next roll hands over.
    roll();
    click(offeredCell({3}));
    EXPECT_TRUE(shown("cmdNextPlayer"));
    click("cmdNextPlayer");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Rollwell - Player 2"));
    click(offeredCell({3}));
    playThrough(24);

    ASSERT_EQ(script.winners.size(), 1u);
    EXPECT_EQ(seen({"cmdShowNextBoard", "lblGrandTotal"}), "11");
    const QString before = text("lblGrandTotal");
    click("cmdShowNextBoard");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Rollwell - Player 1"));
    EXPECT_EQ(text("lblGrandTotal").toStdString(), std::to_string(engine().run().Player1Total));
    EXPECT_EQ(before.toStdString(), std::to_string(engine().run().Player2Total));
}

TEST_F(Walk, OnePlayerYahtzeeByKeysAloneEndsInTheMarquee) {
    settings.NumberOfColumns = 1;
    settings.NumberOfDice = 4;
    open();
    waitForBoard();
    const auto key = [&](int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(window.get(), static_cast<Qt::Key>(k), m);
    };
    const auto cursor = [&] { return engine().board().cellCursor; };
    key(Qt::Key_Down); // nothing can take a roll yet: no cursor
    EXPECT_FALSE(cursor());
    key(Qt::Key_Return);
    EXPECT_EQ(engine().turn().RollCount, 1);
    key(Qt::Key_2);
    key(Qt::Key_6, Qt::KeypadModifier); // five dice: no sixth die to hold
    EXPECT_EQ(seen({"PicDiceOff_1", "picDice_1", "picDice_0"}), "101");
    key(Qt::Key_2, Qt::KeypadModifier);
    EXPECT_TRUE(shown("picDice_1"));
    // The cursor: the first offered cell, along the rows, round with Shift+Tab.
    key(Qt::Key_Right);
    EXPECT_EQ(cursor(), (CellCursor{3, 0}));
    EXPECT_TRUE(find<QLabel>("lblOption_0")->autoFillBackground()); // its row is lit
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(cursor(), (CellCursor{3, 2}));
    key(Qt::Key_Tab, Qt::ShiftModifier);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    key(Qt::Key_Tab);
    EXPECT_EQ(cursor(), (CellCursor{3, 1}));
    key(Qt::Key_Escape); // no cursor: Enter rolls
    EXPECT_FALSE(cursor() || find<QLabel>("lblOption_1")->autoFillBackground());
    key(Qt::Key_Return);
    EXPECT_EQ(engine().turn().RollCount, 2);
    key(Qt::Key_Tab);
    key(Qt::Key_Return); // fills the cell under the cursor
    EXPECT_FALSE(text("lblRand_0").isEmpty());
    EXPECT_FALSE(cursor());
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(text("lblRand_0").isEmpty());
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_FALSE(text("lblRand_0").isEmpty());
    for (int turn = 1; turn < kRowCount; ++turn) {
        key(Qt::Key_Return);
        key(Qt::Key_Tab);
        ASSERT_EQ(cursor(), (CellCursor{3, turn}));
        key(Qt::Key_Return);
    }
    ASSERT_EQ(script.topScores.size(), 1u);
    // The marquee moves through the message panel on the game-over timer.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !text("StatusBar1_2").trimmed().isEmpty(); }, 5000));
    const QString first = text("StatusBar1_2");
    EXPECT_TRUE(QTest::qWaitFor([&] { return text("StatusBar1_2") != first; }, 2000));

    // F2 from anywhere starts a new game; the animation builds the board first.
    QTest::keyClick(find("lblRand_3"), Qt::Key_F2);
    waitForBoard();
    EXPECT_TRUE(find("picRollDices")->isEnabled());
}

TEST_F(Walk, YambAnnounceColumnToTheAutomaticLastCell) {
    settings.NumberOfDice = 5;
    open();
    EXPECT_TRUE(shown("picDice_5"));
    roll();
    click("picDice_2");
    EXPECT_EQ(seen({"PicDiceOff_2", "picDice_2"}), "10");
    roll();
    EXPECT_TRUE(shown("picRound_1"));
    click("PicDiceOff_2");
    EXPECT_TRUE(shown("picDice_2"));
    click(offeredCell({1, 2, 3}));

    // Down, Up and Free first; then only the Announce column is left.
    playThrough(38, {1, 2, 3});
    // Announce, roll on, place: twelve times; the last cell places itself.
    for (int k = 0; k < 12; ++k) {
        roll();
        const QString cell = offeredCell({4});
        ASSERT_FALSE(cell.isEmpty());
        click(cell); // announces
        EXPECT_TRUE(engine().turn().Announced);
        roll();
        roll();
        click(cell);
    }
    EXPECT_EQ(engine().sheet().PlacedCount, 51);
    for (int k = 0; k < 3; ++k)
        roll();
    EXPECT_TRUE(QTest::qWaitFor([&] { return engine().sheet().PlacedCount == 52; }, 3000));
    EXPECT_EQ(script.topScores.size(), 1u);
}

TEST_F(Walk, MenusToolbarAndAccessibility) {
    open();
    // The hints and sounds switches: each menu shows the choice not taken.
    const auto menus = [&] {
        std::string out;
        for (const char* name :
             {"mnuHintsByRequest", "mnuHintsAllways2", "mnuHintsAllways", "mnuHintsByRequest2",
              "mnuSoundsOn", "mnuSoundsOff2", "mnuSoundsOff", "mnuSoundsOn2"})
            out += action(name)->isVisible() ? '1' : '0';
        return out;
    };
    // Before the first roll every cell button is there but none can be used.
    EXPECT_TRUE(shown("cmdDown_0") && !find("cmdDown_0")->isEnabled());
    const auto* closed = QAccessible::queryAccessibleInterface(find("cmdDown_0"));
    EXPECT_EQ(closed->text(QAccessible::Description), QStringLiteral("empty")); // not offered
    EXPECT_EQ(menus(), "11001100");
    // Ctrl+H opens the top scores of the game in force, from the main window.
    action("mnuScores")->trigger();
    ASSERT_EQ(script.topScores.size(), 1u);
    EXPECT_TRUE(script.topScores[0].OpenedFromMain && !script.topScores[0].ScoresFromGame);
    EXPECT_EQ(script.topScores[0].tableNumber, 1);
    action("mnuHintsAllways2")->trigger();
    EXPECT_EQ(menus(), "00111100");
    click("tbSound"); // sound off from the toolbar changes the Tools menu too
    EXPECT_EQ(menus(), "00110011");
    action("mnuSoundsOn2")->trigger();
    EXPECT_EQ(menus(), "00111100");

    // A roll with hints always shows the hint column beside the open rows.
    roll();
    EXPECT_TRUE(shown("lblTip_12"));
    const auto* undo = action("mnuUndoUndo");

    // A screen reader names the cell and presses it.
    auto* cell = find(offeredCell({1}));
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(cell);
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(a->text(QAccessible::Name).startsWith(QStringLiteral("Down column, ")));
    EXPECT_TRUE(a->text(QAccessible::Description).startsWith("open"));
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([&] { return undo->isEnabled(); }, 5000));
    EXPECT_TRUE(find<QToolButton>("tbUndo")->isEnabled());
    click("tbUndo");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(find<QToolButton>("tbRedo")->isEnabled());

    // What a screen reader finds: a useful name everywhere, Press only where
    // it acts, a cell listed once (its label silent while its button shows).
    struct Seen {
        const char* control;
        const char* says;
        bool press;
    };
    const Seen table[] = {
        {"picDice_0", "Die 1, ", true},
        {"PicDiceOff_0", "Die 1, ", false}, // the held look, hidden
        {"cmdUp_0", "Up column, Ones", false},
        {"picRound_0", "Roll 1 used", false},
        {"picRoundBG_1", "Roll 2 left", false},
        {"picRollDices", "Roll the dice, 2 rolls left", true},
        {"lblDownTot1", "Down column, Sub Total, empty", false},
        {"lblGrandTotal", "Grand Total, ", false},
        {"lblTip_6", "Hint, Max, ", false},
        {"lblHeadOblg", "Announce: announce after the first roll", false},
        {"tbSound", "Sound effects on", true},
        {"qt_toolbar_ext_button", "More tools", false}, // Qt's, hidden
    };
    for (const Seen& row : table) {
        QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(find(row.control));
        ASSERT_NE(seen, nullptr) << row.control;
        EXPECT_TRUE(seen->text(QAccessible::Name).startsWith(QLatin1String(row.says)))
            << row.control << ": " << seen->text(QAccessible::Name).toStdString();
        const QAccessibleActionInterface* act = seen->actionInterface();
        EXPECT_EQ(act != nullptr && !act->actionNames().isEmpty(), row.press) << row.control;
    }
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(find("lblDown_0"))->state().invisible);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(find("lblUp_1"))->state().invisible);
    QTest::keyClick(window.get(), Qt::Key_Space); // Space minimises
    EXPECT_TRUE(window->isMinimized());
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

// A 1920 × 1080 screen, room for the larger board sizes.
class WideWalk : public WindowTest {
  protected:
    void SetUp() override {
        const QByteArray qpa = qgetenv("QT_QPA_PLATFORM");
        QFile config(dir_.filePath(QStringLiteral("screen.json")));
        if (qpa == "offscreen" && config.open(QIODevice::WriteOnly)) {
            config.write(R"({"screens":[{"name":"wide","x":0,"y":0,"width":1920,"height":1080,)"
                         R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
            config.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toUtf8());
        }
        WindowTest::SetUp();
        qputenv("QT_QPA_PLATFORM", qpa);
    }

  private:
    QTemporaryDir dir_;
};

TEST_F(WideWalk, LayoutAt150FollowsTheOptionsWithoutDrift) {
    settings.BoardSize = 200; // does not fit 1080 pixels: the largest size that does
    open();
    EXPECT_EQ(settings.BoardSize, 175);
    QTest::keyClick(window.get(), Qt::Key_0, Qt::ControlModifier);
    const QSize designed = window->size();
    const int menu = window->menuBar()->height();
    QTest::keyClick(window.get(), Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_Equal, Qt::ControlModifier);
    ASSERT_EQ(settings.BoardSize, 150);
    // The whole window grows, menu bar, toolbar and status bar included.
    EXPECT_NEAR(window->width(), designed.width() * 1.5, 2);
    EXPECT_NEAR(window->height(), designed.height() * 1.5, 4);
    EXPECT_NEAR(window->menuBar()->height(), menu * 1.5, 3);
    EXPECT_EQ(find("picDice_0")->width(), toPixels(810));
    EXPECT_EQ(find("Toolbar2")->height(), toPixels(600));

    const Settings initial = settings;
    const QMap<QString, QRect> yamb = places(*window);
    const int yambHeight = window->height();
    EXPECT_EQ(seen({"StatusBar1_1", "StatusBar1_2", "StatusBar1_3", "StatusBar1_4"}), "0101");

    // The options window answers with the settings changed by `change`.
    const auto apply = [&](const std::function<void(Settings&)>& change) {
        Settings next = settings;
        change(next);
        script.optionsAnswers.push_back(next);
        action("mnuOptions")->trigger();
        waitForBoard();
    };
    apply([](Settings& s) { s.NumberOfColumns = 1; });
    EXPECT_FALSE(shown("Label13"));
    EXPECT_EQ(find("lblRand_0")->width(), toPixels(2400));
    EXPECT_EQ(yambHeight - window->height(), toPixels(8530) - toPixels(8270));
    EXPECT_EQ(find("picRollDices")->y(), yamb.value("picRollDices").y() - toPixels(250));

    apply([](Settings& s) { s.ShowStatusBar = false; });
    EXPECT_FALSE(shown("StatusBar1"));
    EXPECT_EQ(yambHeight - window->height(), toPixels(8530) - toPixels(8030));

    apply([&](Settings& s) { s = initial, s.NumberOfPlayers = 2; });
    EXPECT_EQ(seen({"StatusBar1", "StatusBar1_1", "StatusBar1_3"}), "111");
    EXPECT_EQ(text("StatusBar1_3"), QStringLiteral("0 : 0"));
    apply([&](Settings& s) { s = initial; });
    EXPECT_EQ(places(*window), yamb);
    EXPECT_EQ(window->height(), yambHeight);
}

TEST_F(Walk, AClickDuringAPauseWaitsForTheRunningHandler) {
    open();
    roll();
    platform->pauseDivisor = 1; // the real shake: nine frames of 60 ms
    bool ranDuringRoll = true;
    QTimer::singleShot(150, [&] {
        click("picDice_0");
        action("mnuHintsAllways2")->trigger(); // a menu command waits too
        ranDuringRoll = engine().turn().DiceHeld[0] || settings.hintAllways;
        QTest::keyClick(window.get(), Qt::Key_Return); // and a second roll request
    });
    roll();
    EXPECT_FALSE(ranDuringRoll);
    EXPECT_EQ(engine().turn().RollCount, 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return engine().turn().RollCount == 3; }, 5000));
    EXPECT_TRUE(shown("PicDiceOff_0")); // the click held the die, after the roll
    EXPECT_TRUE(settings.hintAllways);
}

TEST_F(Walk, AboutHoldsUpTheGameWindowOnlyItsCloseBoxToo) {
    open();
    int asked = 0;
    window->confirmExit = [&] { return ++asked > 0; };
    action("mnuQuickStar")->trigger();
    window->onAbout();
    EXPECT_FALSE(window->isEnabled());
    EXPECT_TRUE(find("frmQuickStart")->isEnabled()); // the player can still read it
    EXPECT_FALSE(window->close());
    EXPECT_EQ(asked, 0); // no "Exit Rollwell?" behind the about window
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("frmAbout")) w->close();
    }
    EXPECT_TRUE(window->isEnabled());
    window->close(); // the window stays for the exit sound; the program ends
    EXPECT_EQ(asked, 1);
}

// F3 marks a suggestion on the board. After the person's placement the
// computer plays its turn by its own timer; the board takes no click of the
// person meanwhile, and the computer's move cannot be undone.
TEST_F(Walk, SuggestionAndTheComputersTurn) {
    std::tie(settings.NumberOfColumns, settings.NumberOfPlayers, settings.Player2Computer) =
        std::tuple(1, 2, true);
    open();
    roll();
    QTest::keyClick(window.get(), Qt::Key_F3);
    EXPECT_TRUE(shown("AdviceMarks") && shown("StatusBar1_2"));
    EXPECT_FALSE(text("StatusBar1_2").isEmpty() || shown("StatusBar1_3"));
    click(offeredCell({3}));
    EXPECT_FALSE(shown("AdviceMarks") || shown("StatusBar1_2"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine().computerOnTurn(); }, 5000));
    click(offeredCell({3}));
    EXPECT_EQ(engine().sheet().PlacedCount, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !engine().computerOnTurn(); }, 15000));
    EXPECT_EQ(engine().sheet().PlacedCount, 1);
    EXPECT_TRUE(shown("cmdNextPlayer") && !action("mnuUndoUndo")->isEnabled());
}

} // namespace
} // namespace rollwell
