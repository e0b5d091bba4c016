#include "dialogtesting.h"

#include "game/geometry.h"
#include "shell/dialogs/aboutdialog.h"
#include "shell/dialogs/helpwindow.h"
#include "shell/dialogs/optionsdialog.h"
#include "shell/dialogs/quickstart.h"
#include "shell/dialogs/topscoresdialog.h"
#include "storage/topscores.h"

namespace rollwell {
namespace {

using namespace rollwell::testing;

using Dialogs = QtTest;

TEST_F(Dialogs, OptionsFollowThePlayersAndOkStoresWhatTheWindowShows) {
    Settings s;
    s.NumberOfPlayers = 2;
    s.ShowStatusBar = false;
    s.hintAllways = true;
    OptionsDialog dialog(s, true, nullptr);
    auto* bar = find<QCheckBox>(&dialog, "chkShowStatusBar");
    auto* name2 = find<QLineEdit>(&dialog, "txtName2");
    auto* computer = find<QCheckBox>(&dialog, "chkComputer");
    auto* strength = find<QComboBox>(&dialog, "cboStrength");
    // Status bar checked, status bar enabled, second name, computer and its
    // strength enabled.
    const auto state = [&] {
        return std::string{bar->isChecked() ? 'C' : '-', bar->isEnabled() ? 'E' : '-',
                           name2->isEnabled() ? 'N' : '-', computer->isEnabled() ? 'K' : '-',
                           strength->isEnabled() ? 'S' : '-'};
    };
    EXPECT_EQ(state(), "C-NK-"); // two players always have the status bar
    computer->click();           // the computer plays under its own name
    EXPECT_EQ(state(), "C--KS");
    strength->setCurrentIndex(0);
    EXPECT_EQ(find<QLineEdit>(&dialog, "txtName1")->text(), QStringLiteral("Player 1"));
    find<QRadioButton>(&dialog, "opt1Player")->click();
    EXPECT_EQ(state(), "CE---"); // unlocked, the check mark left as it was
    bar->click();
    find<QRadioButton>(&dialog, "opt2Players")->click();
    EXPECT_EQ(state(), "C--KS");
    find<QRadioButton>(&dialog, "opt1Player")->click();
    bar->click();

    // The box refuses, and says why, what the tables cannot hold and an 11th character.
    auto* name1 = find<QLineEdit>(&dialog, "txtName1");
    name1->setText(QStringLiteral("Abcdefghi"));
    name1->insert(QStringLiteral("Ђ"));
    EXPECT_TRUE(name1->property("refusal").toString().startsWith(QStringLiteral("“Ђ” cannot")));
    name1->insert(QStringLiteral("jk"));
    EXPECT_EQ(name1->property("refusal"), QStringLiteral("A name takes at most 10 characters."));
    name2->setText(QStringLiteral("Bo"));
    for (const char* name : {"opt5Dice", "optYahtzee", "optShowSplash", "chkConfirmExit", "cmdOK"})
        find<QAbstractButton>(&dialog, name)->click();

    ASSERT_TRUE(dialog.accepted());
    Settings expected = s; // the status bar unchecked again
    std::tie(expected.NumberOfDice, expected.NumberOfColumns, expected.NumberOfPlayers,
             expected.ConfirmOnExit, expected.ShowDialog, expected.ShowSplash) =
        std::tuple(4, 1, 1, false, false, true);
    expected.Player1 = "Abcdefghij";
    expected.Player2 = "Bo        "; // the disabled second name is stored too
    std::tie(expected.Player2Computer, expected.ComputerStrength) = std::tuple(true, 1);
    EXPECT_EQ(*dialog.accepted(), expected);
}

TEST_F(Dialogs, OptionsShowTheStartUpChoiceAndCancelStoresNothing) {
    for (const auto& [dialog, splash, selected] : {std::tuple{true, true, "optShowDialog"},
                                                   {false, true, "optShowSplash"},
                                                   {false, false, "optShowNone"}}) {
        Settings s;
        std::tie(s.ShowDialog, s.ShowSplash) = std::tuple(dialog, splash);
        OnModal script([&](QWidget* w) {
            EXPECT_TRUE(find<QRadioButton>(w, selected)->isChecked()) << selected;
            find<QRadioButton>(w, "opt5Dice")->click();
            find<QPushButton>(w, "cmdCancel")->click();
        });
        EXPECT_FALSE(showOptionsDialog(nullptr, s).has_value());
    }
}

class TopScores : public Dialogs {
  protected:
    void SetUp() override {
        Dialogs::SetUp();
        ASSERT_TRUE(folder.isValid());
        QDir(folder.path()).mkpath(QStringLiteral("scores"));
    }
    void record(int table, const char* name, int32_t score) {
        InsertScore(TableFilePath(folder.path(), table),
                    {QString::fromLatin1(name), score, QStringLiteral("01.02.2024")});
    }
    // The texts of a table row, "|" between the columns.
    std::string row(const TopScoresDialog& d, int r) {
        auto* table = find<QTableWidget>(&d, "ListView1");
        QStringList texts;
        for (int c = 0; c < table->columnCount(); ++c)
            texts << (table->item(r, c) ? table->item(r, c)->text() : QString());
        return texts.join(QLatin1Char('|')).toStdString();
    }
    QTemporaryDir folder;
    Settings settings; // Yamb with six dice: table 1
    FakeAudio audio;
};

// The window shows the engine's line about the result, selects its row and
// starts the music at the second tick; from the menu it has no such line.
TEST_F(TopScores, AResultIsShownAndGetsTheMusicAtTheSecondTick) {
    record(1, "Ann", 300);
    record(1, "Bob", 250);
    TopScoresRequest request{true, true, 250, 2, 1, "  Placed at #2.", true};
    TopScoresDialog dialog(settings, request, folder.path(), &audio, true, nullptr);
    EXPECT_EQ(find<QLabel>(&dialog, "lblScore")->text(), QStringLiteral("  Placed at #2."));
    EXPECT_EQ(find<QTableWidget>(&dialog, "ListView1")->currentRow(), 1);
    EXPECT_EQ(row(dialog, 1), " 2|Bob       |250|01.02.2024");
    EXPECT_TRUE(audio.calls.empty());
    QTest::qWait(100);
    EXPECT_EQ(audio.calls, std::vector<std::string>{"music"});
    EXPECT_EQ(dialog.height(), toPixels(8430 - 255)); // the tall layout

    TopScoresDialog fromMenu(settings, TopScoresRequest{}, folder.path(), &audio, true, nullptr);
    EXPECT_TRUE(find<QLabel>(&fromMenu, "lblScore")->isHidden());
}

TEST_F(TopScores, EveryTabShowsItsOwnTableByMouseAndByKeyboard) {
    record(1, "Yamb6", 400);
    record(2, "Yamb5", 300);
    record(3, "Yahtzee6", 200);
    TopScoresDialog dialog(settings, TopScoresRequest{}, folder.path(), nullptr, true, nullptr);
    dialog.show();
    auto* tabs = find<QTabBar>(&dialog, "TabStrip1");
    // The tab on top and the first row it shows.
    const auto top = [&] { return std::to_string(tabs->currentIndex()) + ":" + row(dialog, 0); };
    EXPECT_EQ(top(), "0: 1|Yamb6     |400|01.02.2024");
    tabs->setFocus();
    QTest::keyClick(tabs, Qt::Key_Right);
    EXPECT_EQ(top(), "1: 1|Yamb5     |300|01.02.2024");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    EXPECT_EQ(top(), "2: 1|Yahtzee6  |200|01.02.2024");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
    EXPECT_EQ(top(), "3: 1|||");
}

TEST_F(TopScores, ClearTableAsksThenEmptiesAndGridLinesAreKept) {
    record(2, "Yamb5", 300);
    settings.NumberOfDice = 4; // table 2
    settings.ShowGridLines = true;
    TopScoresDialog dialog(settings, TopScoresRequest{}, folder.path(), nullptr, true, nullptr);
    auto* clear = find<QPushButton>(&dialog, "cmdClearTable");

    const auto click = [clear] { clear->click(); };
    EXPECT_EQ(answered(QMessageBox::Cancel, click),
              "Delete Scores? | Delete top 20 Scores? | Question");
    EXPECT_TRUE(QFile::exists(TableFilePath(folder.path(), 2)));
    answered(QMessageBox::Ok, click);
    EXPECT_FALSE(QFile::exists(TableFilePath(folder.path(), 2)));
    EXPECT_EQ(row(dialog, 0), " 1|||");
    EXPECT_FALSE(clear->isEnabled());

    // An empty table is said to be empty.
    find<QTabBar>(&dialog, "TabStrip1")->setCurrentIndex(3);
    EXPECT_EQ(answered(QMessageBox::Ok, click), "Rollwell | Table is Empty! | Warning");

    auto* grid = find<QCheckBox>(&dialog, "Check1");
    EXPECT_TRUE(find<QTableWidget>(&dialog, "ListView1")->showGrid());
    grid->click();
    EXPECT_FALSE(find<QTableWidget>(&dialog, "ListView1")->showGrid());
    EXPECT_TRUE(settings.ShowGridLines); // kept when the window closes
    find<QPushButton>(&dialog, "cmdReturn")->click();
    EXPECT_FALSE(settings.ShowGridLines);
}

TEST_F(Dialogs, SmallWindowsHelpQuickStartAndAbout) {
    // A help document that cannot be found is a file error.
    bool found = true;
    EXPECT_EQ(answered(QMessageBox::Ok,
                       [&] { found = showHelpDocument(nullptr, QStringLiteral(":/docs/x.html")); }),
              "File Error | 53File not foundCannot open file | Information");
    EXPECT_FALSE(found);

    QWidget main;
    main.show();
    showHelp(&main);
    auto* help = find(&main, "frmHelp");
    ASSERT_NE(help, nullptr);
    auto* list = find<QListWidget>(help, "lstContents");
    auto* page = find<QTextBrowser>(help, "txtHelp");
    EXPECT_GE(list->count(), 10);
    const auto at = [&] { return page->verticalScrollBar()->value(); };
    EXPECT_EQ(at(), 0); // it opens at the top, heading in view
    // A topic clicked goes there each time, also when it is chosen already.
    const auto clickTopic = [&](int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    };
    clickTopic(2);
    const int topic = at();
    EXPECT_GT(topic, 0);
    page->verticalScrollBar()->setValue(0);
    clickTopic(2);
    EXPECT_EQ(at(), topic);
    // A link in the text chooses its topic in the contents.
    QTextCursor link = page->document()->find(QStringLiteral("top-scores table"));
    link.setPosition(link.selectionStart() + 2);
    page->setTextCursor(link);
    page->ensureCursorVisible();
    QTest::mouseClick(page->viewport(), Qt::LeftButton, {}, page->cursorRect().center());
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("Top scores"));
    closeHelp();

    // One quick-start window at a time, the document read from the resources.
    showQuickStart(&main, true);
    showQuickStart(&main, true);
    EXPECT_EQ(main.findChildren<QuickStartDialog*>().size(), 1);
    auto* text = find<QTextBrowser>(&main, "RichTextBox1");
    EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("Announce")));
    closeQuickStart();

    // The main window takes no input while the about window is open, however it closes.
    std::vector<bool> enabled;
    showAbout(&main, [&](bool on) { enabled.push_back(on); });
    EXPECT_EQ(enabled, std::vector<bool>{false});
    QWidget* about = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        about = w->objectName() == QLatin1String("frmAbout") ? w : about;
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About Rollwell 2.0"));
    about->close();
    EXPECT_EQ(enabled, (std::vector<bool>{false, true}));
}

} // namespace
} // namespace rollwell
