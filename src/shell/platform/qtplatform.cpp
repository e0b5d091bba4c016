#include "shell/platform/qtplatform.h"

#include "shell/qtext.h"

#include "shell/dialogs/dialogkit.h"
#include "shell/dialogs/endofgame.h"
#include "shell/platform/audio.h"
#include "storage/topscores.h"

#include <QDate>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <chrono>

namespace rollwell {

namespace {

std::optional<std::string> utf8(const std::optional<QString>& s) {
    if (!s) return std::nullopt;
    return s->toStdString();
}

// Waits `ms` milliseconds with the window painted, taking no input meanwhile.
void waitPainted(int ms) {
    if (ms <= 0) return;
    // Paint and expose events go on; input waits in the queue and arrives, in
    // order, once the running handler has finished.
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

QtPlatform::QtPlatform(PlatformHost& host)
    : host_(host), generator_(static_cast<uint64_t>(
                       std::chrono::steady_clock::now().time_since_epoch().count())) {}

void QtPlatform::PlaySoundAsync(std::string_view name) {
    if (audio_) audio_->playAsync(name);
}

void QtPlatform::PlaySoundSync(std::string_view name) {
    host_.syncAndPaint();
    if (audio_) audio_->playSync(name);
}

void QtPlatform::Pause(int ms) {
    host_.syncAndPaint();
    waitPainted(ms);
}

MsgAnswer QtPlatform::MessageBox(std::string_view title, std::string_view text, MsgButtons buttons,
                                 MsgIcon icon) {
    host_.syncAndPaint();
    QMessageBox::Icon shown = QMessageBox::NoIcon;
    switch (icon) {
    case MsgIcon::Critical:
        shown = QMessageBox::Critical;
        break;
    case MsgIcon::Question:
        shown = QMessageBox::Question;
        break;
    case MsgIcon::Exclamation:
        shown = QMessageBox::Warning;
        break;
    case MsgIcon::Information:
        shown = QMessageBox::Information;
        break;
    case MsgIcon::None:
        break;
    }
    const auto answer = showMessage(
        host_.ownerWindow(), shown, toQString(title), toQString(text),
        buttons == MsgButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok);
    return answer == QMessageBox::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
}

void QtPlatform::MinimizeWindow() {
    if (QWidget* w = host_.ownerWindow()) w->showMinimized();
}

double QtPlatform::Random() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
}

void QtPlatform::Reseed() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    generator_.seed(generator_() ^ static_cast<uint64_t>(now));
}

std::string QtPlatform::Today() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

EndGameAnswer QtPlatform::ShowEndGameDialog() {
    host_.syncAndPaint();
    return askEndGame(host_.ownerWindow());
}

void QtPlatform::ShowWinner(const WinnerInfo& info) {
    host_.syncAndPaint();
    showWinner(host_.ownerWindow(), info);
}

void QtPlatform::ShowTopScores(const TopScoresRequest& request) {
    host_.syncAndPaint();
    if (showTopScores) showTopScores(request);
}

ScoreEntryResult QtPlatform::RecordResult(int tableNumber, std::string_view name, int32_t score,
                                          std::string_view date) {
    const InsertResult r = InsertScore(TableFilePath(tableNumber),
                                       ScoreRecord{toQString(name), score, toQString(date)});
    return {r.rank, r.placed, utf8(r.errorTitle), utf8(r.errorText)};
}

std::optional<Settings> QtPlatform::ShowOptions(const Settings& current) {
    host_.syncAndPaint();
    return showOptions ? showOptions(current) : std::nullopt;
}

void QtPlatform::ShowQuickStart() {
    if (showQuickStart) showQuickStart();
}

void QtPlatform::CloseMainWindow() {
    if (QWidget* w = host_.ownerWindow()) w->close();
}

} // namespace rollwell
