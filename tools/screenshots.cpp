// Takes the README's pictures of the game: a one-player Yamb game with six
// dice in the middle of a turn (dice held, hints shown), a two-player Yahtzee
// game, and the top-scores window after a recorded result.
//   screenshots <output folder>
#include "shell/dialogs/topscoresdialog.h"
#include "shell/mainwindow.h"
#include "storage/topscores.h"
#include "support/scriptedplatform.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

using namespace rollwell;

// The real platform with dice and answers from the script and no waiting.
class ScriptedWindowPlatform : public QtPlatform {
  public:
    ScriptedWindowPlatform(PlatformHost& host, ScriptedPlatform& s) : QtPlatform(host), s_(s) {}
    void PlaySoundAsync(std::string_view) override {}
    void PlaySoundSync(std::string_view) override {}
    void Pause(int) override {}
    double Random() override { return s_.Random(); }
    void Reseed() override {}
    EndGameAnswer ShowEndGameDialog() override { return EndGameAnswer::Finish; }
    void ShowWinner(const WinnerInfo&) override {}
    void ShowTopScores(const TopScoresRequest&) override {}
    ScoreEntryResult RecordResult(int, std::string_view, int32_t, std::string_view) override {
        return {};
    }

  private:
    ScriptedPlatform& s_;
};

struct Game {
    explicit Game(const Settings& s) : settings(s) {
        window = std::make_unique<MainWindow>(settings, nullptr, [this](PlatformHost& host) {
            return std::make_unique<ScriptedWindowPlatform>(host, script);
        });
        window->show();
        QTest::qWait(100);
    }
    void roll(int freeDice, const std::vector<int>& faces) {
        script.queueRoll(freeDice, faces);
        window->forward([](Engine& e) { e.RollRequest(); });
    }
    void place(int column, int row) {
        window->forward([column, row](Engine& e) { e.cellClick(column, row); });
    }
    void save(const QString& path) {
        QTest::qWait(200);
        window->grab().save(path);
    }
    Settings settings;
    ScriptedPlatform script;
    std::unique_ptr<MainWindow> window;
};

void yamb(const QString& folder) {
    Settings s;
    s.NumberOfDice = 5;
    s.hintAllways = true;
    Game g(s);
    const std::vector<std::vector<int>> rolls = {{1, 1, 1, 2, 4, 6}, {2, 2, 2, 2, 5, 3},
                                                 {6, 6, 6, 1, 2, 6}, {3, 3, 4, 3, 3, 1},
                                                 {5, 5, 5, 4, 5, 2}, {1, 2, 3, 4, 5, 5}};
    const int columns[] = {1, 2, 3, 1, 3, 3};
    const int rows[] = {0, 12, 5, 1, 4, 10};
    for (size_t k = 0; k < rolls.size(); ++k) {
        g.roll(6, rolls[k]);
        g.place(columns[k], rows[k]);
    }
    g.roll(6, {4, 4, 2, 6, 4, 1});
    for (int die : {0, 1, 4})
        g.window->forward([die](Engine& e) { e.picDice_Click(die); });
    g.roll(3, {3, 4, 5});
    g.save(folder + QStringLiteral("/yamb.png"));
}

void yahtzee(const QString& folder) {
    Settings s;
    s.NumberOfColumns = 1;
    s.NumberOfPlayers = 2;
    s.NumberOfDice = 4;
    s.Player1 = "Anna      ";
    s.Player2 = "Ben       ";
    Game g(s);
    const std::vector<std::vector<int>> rolls = {{6, 6, 6, 2, 2}, {5, 5, 1, 5, 3}, {1, 2, 3, 4, 5},
                                                 {4, 4, 4, 4, 2}, {2, 3, 4, 5, 6}, {3, 3, 3, 6, 6},
                                                 {6, 6, 6, 6, 1}};
    const int rows[] = {9, 4, 10, 11, 10, 9, 5};
    for (size_t k = 0; k < rolls.size(); ++k) {
        g.roll(5, rolls[k]);
        g.place(3, rows[k]);
    }
    g.roll(5, {5, 5, 5, 5, 5});
    g.save(folder + QStringLiteral("/yahtzee.png"));
}

void topScores(const QString& folder) {
    QTemporaryDir dir;
    const QString scores = dir.path();
    QDir().mkpath(scores + QStringLiteral("/scores"));
    const QString table = TableFilePath(scores, 2);
    const std::pair<const char*, int> entries[] = {
        {"Anna", 512}, {"Ben", 468}, {"Clara", 433}, {"Anna", 401}, {"Dario", 377}};
    for (const auto& [name, score] : entries)
        InsertScore(table,
                    ScoreRecord{QString::fromLatin1(name), score, QStringLiteral("06.12.2026")});
    const InsertResult last = InsertScore(
        table, ScoreRecord{QStringLiteral("Player 1"), 455, QStringLiteral("06.12.2026")});
    Settings s;
    s.NumberOfDice = 4;
    TopScoresRequest request;
    request.ScoresFromGame = true;
    request.OpenedFromMain = true;
    request.LastScore = 455;
    request.LastRank = last.rank;
    request.tableNumber = 2;
    request.lblScore = ResultText(455, last.rank, true);
    TopScoresDialog dialog(s, request, scores, nullptr, false, nullptr);
    dialog.show();
    QTest::qWait(300);
    dialog.grab().save(folder + QStringLiteral("/topscores.png"));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    yamb(folder);
    yahtzee(folder);
    topScores(folder);
    return 0;
}
