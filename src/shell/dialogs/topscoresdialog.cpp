#include "shell/dialogs/topscoresdialog.h"

#include "game/geometry.h"
#include "shell/art/artwork.h"
#include "shell/art/palette.h"
#include "shell/dialogs/cursor.h"
#include "shell/dialogs/dialogkit.h"
#include "shell/platform/audio.h"
#include "shell/qtext.h"
#include "shell/scale.h"
#include "storage/topscores.h"

#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QTabBar>
#include <QTableWidget>

#include <array>

namespace rollwell {

namespace {

constexpr int kClientWidth = 7320;
// The window heights below are outer heights; the caption and borders take
// this, and what is left under the grid-lines box keeps it off the bottom edge.
constexpr int kCaptionAndBorders = 255;

struct Layout {
    int buttonsTop;
    int linesAt;
    int checkTop;
    int windowHeight;
};
constexpr Layout kCompact{6390, 7040, 7100, 7785};
constexpr Layout kTall{7015, 7650, 7720, 8430};

struct Column {
    const char* caption;
    const char* art;
    int widthTwips;
};
constexpr std::array<Column, 4> kColumns{{{"", "hdrPosition", 800},
                                          {"Name", "hdrName", 2200},
                                          {"Score", "hdrScore", 1550},
                                          {"Date", "hdrDate", 1650}}};

const std::array<QString, 4> kTabCaptions{
    QStringLiteral("&Yamb - 6 Dice"), QStringLiteral("&Yamb - 5 Dice"),
    QStringLiteral("&Yahtzee - 6 Dice"), QStringLiteral("&Yahtzee - 5 Dice")};

void showFailure(QWidget* parent, const std::optional<QString>& title,
                 const std::optional<QString>& text) {
    if (title && text) QMessageBox::information(parent, *title, *text);
}

} // namespace

TopScoresDialog::TopScoresDialog(Settings& settings, const TopScoresRequest& request,
                                 QString scoresFolder, Audio* audio, bool soundOn, QWidget* owner)
    : QDialog(owner), settings_(settings), folder_(std::move(scoresFolder)), audio_(audio),
      soundOn_(soundOn) {
    setObjectName(QStringLiteral("frmScores2"));
    setWindowTitle(QStringLiteral("Top Scores"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    applyDialogLook(this);

    TabStrip1_ = new QTabBar(this);
    TabStrip1_->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1_->setExpanding(true);
    TabStrip1_->setUsesScrollButtons(false);
    TabStrip1_->setDrawBase(false);
    // The tab of the table shown stands out in the game's blue.
    TabStrip1_->setStyleSheet(scaledSheet(
        QStringLiteral("QTabBar::tab { padding: 4px 6px; color: %1; background: %2;"
                       "  border: 1px solid %3; border-bottom: none; margin-right: 2px;"
                       "  border-top-left-radius: 4px; border-top-right-radius: 4px; }"
                       "QTabBar::tab:selected { background: %4; color: white; font-weight: bold; }"
                       "QTabBar::tab:!selected:hover { background: %5; }")
            .arg(paletteColor(u"captiontext").name(), paletteColor(u"caption").name(),
                 paletteColor(u"frame").name(), paletteColor(u"menubg").name(),
                 paletteColor(u"sheet").name())));
    for (const QString& caption : kTabCaptions)
        TabStrip1_->addTab(caption);
    TabStrip1_->setGeometry(twipsRect(120, 120, kClientWidth - 240, 375));

    ListView1_ = new QTableWidget(kTablePositions, static_cast<int>(kColumns.size()), this);
    ListView1_->setObjectName(QStringLiteral("ListView1"));
    ListView1_->setGeometry(twipsRect(120, 480, kClientWidth - 240, 5760));
    ListView1_->verticalHeader()->hide();
    ListView1_->verticalHeader()->setDefaultSectionSize(scaledPixels(17));
    ListView1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1_->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1_->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1_->horizontalHeader()->setHighlightSections(false);
    ListView1_->horizontalHeader()->setStretchLastSection(true);
    ListView1_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ListView1_->setIconSize(QSize(scaledPixels(16), scaledPixels(16)));
    for (int c = 0; c < static_cast<int>(kColumns.size()); ++c) {
        auto* header = new QTableWidgetItem(artIcon(QLatin1String(kColumns[c].art)),
                                            QLatin1String(kColumns[c].caption));
        // The score heading stands over the right-aligned numbers.
        if (c == 2) header->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ListView1_->setHorizontalHeaderItem(c, header);
        ListView1_->setColumnWidth(c, toPixels(kColumns[c].widthTwips));
    }
    const QColor back = paletteColor(u"scoresbg");
    ListView1_->setStyleSheet(
        QStringLiteral("QTableWidget { background: %1; gridline-color: %2; border: 1px solid %2;"
                       " selection-background-color: %3; selection-color: white; }"
                       "QTableWidget::item { border: none; padding: 0 8px; }"
                       "QHeaderView::section { padding: 0 8px; }")
            .arg(back.name(), paletteColor(u"frame").name(), paletteColor(u"menubg").name()));

    lblScore_ = new QLabel(this);
    lblScore_->setTextFormat(Qt::PlainText);
    lblScore_->setObjectName(QStringLiteral("lblScore"));
    lblScore_->setGeometry(twipsRect(120, 6330, kClientWidth - 240, 600));
    QFont bold = lblScore_->font();
    bold.setBold(true);
    lblScore_->setFont(bold);

    cmdClearTable_ =
        new CommandButton(QStringLiteral("cmdClearTable"), QStringLiteral("&Clear Table"),
                          QStringLiteral("clearTable"), this);
    cmdReturn_ = new CommandButton(QStringLiteral("cmdReturn"), QStringLiteral("&Return"),
                                   QStringLiteral("ok"), this);
    cmdReturn_->setDefault(true);

    // Two thin rules, a dark one over a light one, set the grid-lines box apart.
    lines_ = new QWidget(this);
    for (int i = 0; i < 2; ++i) {
        auto* line = new QFrame(lines_);
        line->setObjectName(QStringLiteral("Line%1").arg(i + 1));
        line->setGeometry(0, i, toPixels(kClientWidth - 240), 1);
        line->setStyleSheet(
            QStringLiteral("background: %1;")
                .arg(i == 0 ? paletteColor(u"frame").name() : QStringLiteral("white")));
    }

    Check1_ = new QCheckBox(QStringLiteral("&Show Grid Lines"), this);
    Check1_->setObjectName(QStringLiteral("Check1"));
    Check1_->setChecked(settings.ShowGridLines);
    ListView1_->setShowGrid(settings.ShowGridLines);

    Timer1_.setObjectName(QStringLiteral("Timer1"));
    Timer1_.setInterval(10);
    connect(&Timer1_, &QTimer::timeout, this, &TopScoresDialog::Timer1_Timer);
    connect(Check1_, &QCheckBox::clicked, this,
            [this] { ListView1_->setShowGrid(Check1_->isChecked()); });
    connect(cmdClearTable_, &QPushButton::clicked, this, &TopScoresDialog::cmdClearTable_Click);
    connect(cmdReturn_, &QPushButton::clicked, this, &QDialog::accept);

    const int table = TableNumber(settings.NumberOfColumns, settings.NumberOfDice);
    showTable(table);
    // Selecting the tab of the current game must not load the table again.
    {
        const QSignalBlocker quiet(TabStrip1_);
        TabStrip1_->setCurrentIndex(table - 1);
    }
    // Whichever way the tab changes, by mouse or by keyboard, the list follows
    // it: a tab must never show another table's scores.
    connect(TabStrip1_, &QTabBar::currentChanged, this, &TopScoresDialog::TabStrip1_Click);
    showResult(request);
    installGameCursor(this);
}

QString TopScoresDialog::tablePath(int tableNumber) const {
    return TableFilePath(folder_, tableNumber);
}

void TopScoresDialog::showTable(int tableNumber) {
    ListView1_->clearContents();
    const TableRows shown = ReadTableRows(tablePath(tableNumber));
    for (int r = 0; r < kTablePositions; ++r) {
        const DisplayRow& row = shown.rows[r];
        const std::array<QString, 4> cells{row.position, row.name, row.score, row.date};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c == 0) item->setData(Qt::UserRole, row.key);
            if (c == 2) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            ListView1_->setItem(r, c, item);
        }
    }
    showFailure(this, shown.errorTitle, shown.errorText);
}

void TopScoresDialog::useLayout(bool tall) {
    const Layout& l = tall ? kTall : kCompact;
    lblScore_->setVisible(tall);
    cmdClearTable_->setGeometry(twipsRect(120, l.buttonsTop, 1800, 435));
    cmdReturn_->setGeometry(twipsRect(kClientWidth - 120 - 1800, l.buttonsTop, 1800, 435));
    lines_->setGeometry(twipsRect(120, l.linesAt, kClientWidth - 240, 30));
    Check1_->setGeometry(twipsRect(150, l.checkTop, 3000, 285));
    fixClientSize(this, kClientWidth, l.windowHeight - kCaptionAndBorders);
}

void TopScoresDialog::showResult(const TopScoresRequest& request) {
    useLayout(request.ScoresFromGame);
    if (!request.ScoresFromGame) return;
    if (request.LastRank >= 1 && request.LastRank <= kTablePositions) {
        ListView1_->selectRow(request.LastRank - 1);
        ListView1_->scrollToItem(ListView1_->item(request.LastRank - 1, 0));
    }
    lblScore_->setText(toQString(request.lblScore));
    if (request.WinMusic && soundOn_ && audio_ != nullptr) Timer1_.start();
}

void TopScoresDialog::TabStrip1_Click(int index) {
    if (index < 0) return;
    cmdClearTable_->setEnabled(true);
    showTable(index + 1);
}

void TopScoresDialog::cmdClearTable_Click() {
    const QString path = tablePath(TabStrip1_->currentIndex() + 1);
    if (!TableExists(path)) {
        QMessageBox::warning(this, QStringLiteral("Rollwell"), QStringLiteral("Table is Empty!"));
        return;
    }
    const auto answer = QMessageBox::question(this, QStringLiteral("Delete Scores?"),
                                              QStringLiteral("Delete top 20 Scores?"),
                                              QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok) return;
    const ClearResult outcome = ClearTable(path);
    if (!outcome.cleared) {
        showFailure(this, outcome.errorTitle, outcome.errorText);
        return;
    }
    showTable(TabStrip1_->currentIndex() + 1);
    cmdClearTable_->setEnabled(false);
}

void TopScoresDialog::Timer1_Timer() {
    // The music starts at the second tick, once the window has been painted.
    if (musicTicks_ == 0) {
        musicTicks_ = 1;
        return;
    }
    Timer1_.stop();
    musicTicks_ = 0;
    if (audio_ != nullptr) audio_->playMusic();
}

void TopScoresDialog::done(int result) {
    settings_.ShowGridLines = Check1_->isChecked();
    QDialog::done(result);
}

void TopScoresDialog::showEvent(QShowEvent* event) {
    placeOnOwner(this, parentWidget());
    QDialog::showEvent(event);
}

void showTopScores(QWidget* owner, Settings& settings, const TopScoresRequest& request,
                   Audio* audio, bool soundOn) {
    TopScoresDialog dialog(settings, request, ScoresFolder(), audio, soundOn, owner);
    dialog.exec();
}

} // namespace rollwell
