#include "shell/dialogs/welcomedialog.h"

#include "shell/art/artwork.h"
#include "shell/dialogs/cursor.h"
#include "shell/dialogs/dialogkit.h"
#include "shell/dialogs/helpwindow.h"
#include "shell/dialogs/links.h"
#include "shell/dialogs/optionsdialog.h"
#include "shell/dialogs/quickstart.h"
#include "shell/dialogs/topscoresdialog.h"

#include <QCheckBox>

namespace rollwell {

namespace {
constexpr int kWidth = 6300;
constexpr int kHeight = 4620;
constexpr int kButtonWidth = 2700;
constexpr int kButtonHeight = 480;
constexpr int kLeft = 360;
constexpr int kRight = 3240;
} // namespace

WelcomeDialog::WelcomeDialog(Settings& settings, Audio* audio, QWidget* parent)
    : QDialog(parent), settings_(settings), audio_(audio) {
    setObjectName(QStringLiteral("frmWelcome"));
    setWindowTitle(QStringLiteral("Welcome to Rollwell 2.0"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(artIcon(QStringLiteral("rollwell")));
    applyDialogLook(this);
    fixClientSize(this, kWidth, kHeight);
    makeTitleBand(this, kWidth, 1500);

    addLinks(this, kLeft, 1700, 2010, 4500);

    struct Command {
        const char* name;
        const char* caption;
        const char* art;
        int left;
        int top;
    };
    const Command buttons[] = {
        {"cmdPlay", "&Play", "play", kLeft, 2520},
        {"cmdOptions", "&Options", "options", kRight, 2520},
        {"cmdQuickStart", "&Quick Start", "quickstart", kLeft, 3120},
        {"cmdScores", "&Top Scores", "scores", kRight, 3120},
        {"cmdExit", "&Exit", "exit", kWidth - kLeft - 1800, 3840},
    };
    for (const Command& b : buttons) {
        auto* button = new CommandButton(QLatin1String(b.name), QLatin1String(b.caption),
                                         QLatin1String(b.art), this);
        // "&Exit" is the small button of the bottom line, beside the start-up box.
        const int width = b.top == 3840 ? 1800 : kButtonWidth;
        button->setGeometry(twipsRect(b.left, b.top, width, kButtonHeight));
        const QString name = button->objectName();
        if (name == QLatin1String("cmdPlay")) {
            button->setDefault(true);
            connect(button, &QPushButton::clicked, this, [this] {
                playChosen_ = true;
                accept();
            });
        } else if (name == QLatin1String("cmdExit")) {
            connect(button, &QPushButton::clicked, this, &QDialog::reject);
        } else if (name == QLatin1String("cmdOptions")) {
            connect(button, &QPushButton::clicked, this, &WelcomeDialog::cmdOptions_Click);
        } else if (name == QLatin1String("cmdQuickStart")) {
            connect(button, &QPushButton::clicked, this, [this] { showQuickStart(this, false); });
        } else {
            connect(button, &QPushButton::clicked, this, [this] {
                showTopScores(this, settings_, TopScoresRequest{}, audio_, settings_.SoundEnabled);
            });
        }
    }

    Check1_ = new QCheckBox(QStringLiteral("Don't show this dialog next time"), this);
    Check1_->setObjectName(QStringLiteral("Check1"));
    Check1_->setGeometry(twipsRect(kLeft, 3930, 3780, 300));
    connect(Check1_, &QCheckBox::clicked, this, &WelcomeDialog::Check1_Click);
    installGameCursor(this);
    installGameCursor(Check1_);
}

void WelcomeDialog::cmdOptions_Click() {
    if (std::optional<Settings> chosen = showOptionsDialog(this, settings_)) {
        settings_ = *chosen;
        settingsChanged_ = true;
    }
    Check1_->setChecked(!settings_.ShowDialog);
}

void WelcomeDialog::Check1_Click() {
    // Without the welcome window the next start shows the splash instead.
    settings_.ShowDialog = !Check1_->isChecked();
    settings_.ShowSplash = Check1_->isChecked();
    settingsChanged_ = true;
}

void WelcomeDialog::done(int result) {
    closeHelp();
    QDialog::done(result);
}

void WelcomeDialog::showEvent(QShowEvent* event) {
    placeOnOwner(this, nullptr);
    QDialog::showEvent(event);
}

} // namespace rollwell
