#include "shell/dialogs/optionsdialog.h"

#include "shell/dialogs/cursor.h"
#include "shell/dialogs/dialogkit.h"
#include "storage/windows1252.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolTip>
#include <QValidator>

#include <algorithm>
#include <utility>

namespace rollwell {

namespace {

constexpr int kNameWidth = 10;
constexpr int kGroupWidth = 2900;
constexpr int kLeftGroup = 150;
constexpr int kRightGroup = 3200;
// The computer opponent's frame adds this much height below the others.
constexpr int kComputerHeight = 780;

QGroupBox* group(QWidget* page, const QString& caption, int left, int top, int height) {
    auto* box = new QGroupBox(caption, page);
    box->setGeometry(twipsRect(left, top, kGroupWidth, height));
    return box;
}

// Controls stand one under the other in their frame, 300 twips apart.
template <typename Control>
Control* control(QGroupBox* box, const char* name, const QString& caption, int line) {
    auto* c = new Control(caption, box);
    c->setObjectName(QLatin1String(name));
    c->setGeometry(twipsRect(180, 330 + line * 300, kGroupWidth - 300, 270));
    return c;
}

// Refuses what the top-scores tables cannot hold and remembers the first
// such character, so that the box can say why.
class NameValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*pos*/) const override {
        for (const char32_t c : input.toUcs4()) {
            if (!FitsWindows1252(c)) {
                refused_ = QString::fromUcs4(&c, 1);
                return Invalid;
            }
        }
        return Acceptable;
    }
    QString takeRefused() const { return std::exchange(refused_, QString()); }

  private:
    mutable QString refused_;
};

// A name box takes at most ten characters that the tables can hold and says
// so, beside the box, when it refuses something.
QLineEdit* nameBox(QGroupBox* box, const char* name, int line) {
    auto* edit = new QLineEdit(box);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(twipsRect(150, 270 + line * 340, kGroupWidth - 300, 300));
    edit->setMaxLength(kNameWidth);
    edit->setToolTip(QStringLiteral("Up to 10 characters: letters, digits and signs of "
                                    "Western European languages."));
    auto* validator = new NameValidator(edit);
    edit->setValidator(validator);
    QObject::connect(edit, &QLineEdit::inputRejected, edit, [edit, validator] {
        const QString refused = validator->takeRefused();
        const QString reason =
            refused.isEmpty()
                ? QStringLiteral("A name takes at most 10 characters.")
                : QStringLiteral("\u201C%1\u201D cannot be kept in the top-scores tables.\n"
                                 "A name takes Western European letters only.")
                      .arg(refused);
        edit->setProperty("refusal", reason);
        QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), reason, edit, {}, 5000);
    });
    return edit;
}

// The name as the box shows it: as the tables will store it, without the
// blanks that pad it to ten characters.
QString shownName(const std::string& stored) {
    QString name = DecodeWindows1252(EncodeWindows1252(QString::fromStdString(stored)));
    while (name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    return name;
}

// A name the player left as shown keeps its stored text (also letters the box
// would refuse); an edited one is padded or cut to ten characters.
std::string fitName(const QLineEdit* box, const std::string& stored) {
    if (box->text() == shownName(stored)) return stored;
    return FitToWidth(box->text(), kNameWidth).toStdString();
}

} // namespace

OptionsDialog::OptionsDialog(const Settings& current, bool openedFromMain, QWidget* owner)
    : QDialog(owner), settings_(current), openedFromMain_(openedFromMain) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    applyDialogLook(this);
    fixClientSize(this, 6630, 5340 + kComputerHeight);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->setGeometry(twipsRect(120, 120, 6390, 4470 + kComputerHeight));
    auto* page = new QWidget;
    tabs->addTab(page, QStringLiteral("Options"));

    QGroupBox* dice = group(page, QStringLiteral(" Number of Dice "), kLeftGroup, 120, 1000);
    opt5Dice_ = control<QRadioButton>(dice, "opt5Dice", QStringLiteral("&Five Dice"), 0);
    opt6Dice_ = control<QRadioButton>(dice, "opt6Dice", QStringLiteral("&Six Dice"), 1);

    QGroupBox* type = group(page, QStringLiteral(" Type of Game "), kRightGroup, 120, 1000);
    optYahtzee_ =
        control<QRadioButton>(type, "optYahtzee", QStringLiteral("&Yahtzee (single column)"), 0);
    optYamb_ = control<QRadioButton>(type, "optYamb", QStringLiteral("Y&amb (four columns)"), 1);

    QGroupBox* players = group(page, QStringLiteral(" Number of Players "), kLeftGroup, 1230, 1000);
    opt1Player_ = control<QRadioButton>(players, "opt1Player", QStringLiteral("&One Player"), 0);
    opt2Players_ = control<QRadioButton>(players, "opt2Players", QStringLiteral("&Two Players"), 1);

    QGroupBox* names = group(page, QStringLiteral(" Players Names "), kRightGroup, 1230, 1000);
    txtName1_ = nameBox(names, "txtName1", 0);
    txtName2_ = nameBox(names, "txtName2", 1);
    txtName1_->setAccessibleName(QStringLiteral("Player 1 name"));
    txtName2_->setAccessibleName(QStringLiteral("Player 2 name"));

    QGroupBox* general = group(page, QStringLiteral(" General Options "), kLeftGroup, 2340, 1600);
    chkConfirmExit_ =
        control<QCheckBox>(general, "chkConfirmExit", QStringLiteral("&Confirm on Exit"), 0);
    chkSoundOnExit_ =
        control<QCheckBox>(general, "chkSoundOnExit", QStringLiteral("&Enable Sound on Exit"), 1);
    chkQuitGame_ =
        control<QCheckBox>(general, "chkQuitGame", QStringLiteral("C&onfirm Quit Game"), 2);
    chkShowStatusBar_ =
        control<QCheckBox>(general, "chkShowStatusBar", QStringLiteral("S&how Status Bar"), 3);

    QGroupBox* start = group(page, QStringLiteral(" Show at Start Up "), kRightGroup, 2340, 1600);
    optShowNone_ = control<QRadioButton>(start, "optShowNone", QStringLiteral("&None"), 0);
    optShowSplash_ =
        control<QRadioButton>(start, "optShowSplash", QStringLiteral("S&plash Screen"), 1);
    optShowDialog_ =
        control<QRadioButton>(start, "optShowDialog", QStringLiteral("&Dialog Screen"), 2);

    auto* computer = new QGroupBox(QStringLiteral(" Computer Opponent "), page);
    computer->setGeometry(twipsRect(kLeftGroup, 4050, kRightGroup + kGroupWidth - kLeftGroup, 700));
    chkComputer_ =
        control<QCheckBox>(computer, "chkComputer", QStringLiteral("Co&mputer plays Player 2"), 0);
    auto* strengthCaption = new QLabel(QStringLiteral("St&rength:"), computer);
    strengthCaption->setGeometry(twipsRect(kRightGroup - kLeftGroup + 180, 330, 900, 270));
    cboStrength_ = new QComboBox(computer);
    cboStrength_->setObjectName(QStringLiteral("cboStrength"));
    cboStrength_->addItems(
        {QStringLiteral("Easy"), QStringLiteral("Normal"), QStringLiteral("Strong")});
    cboStrength_->setGeometry(twipsRect(kRightGroup - kLeftGroup + 1100, 300, 1500, 330));
    strengthCaption->setBuddy(cboStrength_);

    // The board size stands beside the buttons, outside the tab.
    auto* sizeCaption = new QLabel(QStringLiteral("Board Si&ze:"), this);
    sizeCaption->setGeometry(twipsRect(150, 4740 + kComputerHeight, 1100, 435));
    cboBoardSize_ = new QComboBox(this);
    cboBoardSize_->setObjectName(QStringLiteral("cboBoardSize"));
    cboBoardSize_->setAccessibleName(QStringLiteral("Board size"));
    for (const int32_t size : kBoardSizes)
        cboBoardSize_->addItem(QStringLiteral("%1 %").arg(size), size);
    cboBoardSize_->setGeometry(twipsRect(1250, 4770 + kComputerHeight, 1100, 375));
    sizeCaption->setBuddy(cboBoardSize_);

    auto* ok = new CommandButton(QStringLiteral("cmdOK"), QStringLiteral("  &OK"),
                                 QStringLiteral("ok"), this);
    ok->setGeometry(twipsRect(3750, 4740 + kComputerHeight, 1320, 435));
    ok->setDefault(true);
    auto* cancel = new CommandButton(QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"),
                                     QStringLiteral("cancel"), this);
    cancel->setGeometry(twipsRect(5190, 4740 + kComputerHeight, 1320, 435));

    fill(current);
    connect(opt1Player_, &QRadioButton::toggled, this, &OptionsDialog::playersChanged);
    connect(chkComputer_, &QCheckBox::toggled, this, &OptionsDialog::playersChanged);
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    installGameCursor(this);
}

void OptionsDialog::fill(const Settings& s) {
    (s.NumberOfDice == 4 ? opt5Dice_ : opt6Dice_)->setChecked(true);
    txtName1_->setText(shownName(s.Player1));
    txtName2_->setText(shownName(s.Player2));
    (s.NumberOfColumns == 1 ? optYahtzee_ : optYamb_)->setChecked(true);
    (s.NumberOfPlayers == 1 ? opt1Player_ : opt2Players_)->setChecked(true);
    chkConfirmExit_->setChecked(s.ConfirmOnExit);
    chkSoundOnExit_->setChecked(s.SoundOnExit);
    chkQuitGame_->setChecked(s.ConfirmQuitGame);
    chkShowStatusBar_->setChecked(s.ShowStatusBar);
    chkComputer_->setChecked(s.Player2Computer);
    cboStrength_->setCurrentIndex(std::clamp(s.ComputerStrength, 1, 3) - 1);
    if (s.ShowDialog) {
        optShowDialog_->setChecked(true);
    } else if (s.ShowSplash) {
        optShowSplash_->setChecked(true);
    } else {
        optShowNone_->setChecked(true);
    }
    cboBoardSize_->setCurrentIndex(std::max(0, cboBoardSize_->findData(s.BoardSize)));
    playersChanged();
}

void OptionsDialog::playersChanged() {
    const bool two = opt2Players_->isChecked();
    // Two players always see the status bar: it shows who is on turn.
    if (two) chkShowStatusBar_->setChecked(true);
    chkShowStatusBar_->setEnabled(!two);
    // The computer is an opponent: it needs a second player to play, and
    // it plays under its own name.
    chkComputer_->setEnabled(two);
    cboStrength_->setEnabled(two && chkComputer_->isChecked());
    txtName2_->setEnabled(two && !chkComputer_->isChecked());
}

void OptionsDialog::cmdOK_Click() {
    Settings s = settings_;
    s.NumberOfDice = opt5Dice_->isChecked() ? 4 : 5;
    s.NumberOfColumns = optYahtzee_->isChecked() ? 1 : 4;
    s.NumberOfPlayers = opt1Player_->isChecked() ? 1 : 2;
    s.Player1 = fitName(txtName1_, settings_.Player1);
    s.Player2 = fitName(txtName2_, settings_.Player2);
    s.ConfirmOnExit = chkConfirmExit_->isChecked();
    s.SoundOnExit = chkSoundOnExit_->isChecked();
    s.ConfirmQuitGame = chkQuitGame_->isChecked();
    s.ShowStatusBar = chkShowStatusBar_->isChecked();
    s.ShowDialog = optShowDialog_->isChecked();
    s.ShowSplash = optShowSplash_->isChecked();
    s.Player2Computer = chkComputer_->isChecked();
    s.ComputerStrength = cboStrength_->currentIndex() + 1;
    s.BoardSize = cboBoardSize_->currentData().toInt();
    accepted_ = s;
    accept();
}

void OptionsDialog::showEvent(QShowEvent* event) {
    // Over the main window the options sit in its middle; over the welcome
    // window a little lower, in the window's lower part.
    placeOnOwner(this, parentWidget(), openedFromMain_ ? 2.0 : 1.5);
    QDialog::showEvent(event);
}

std::optional<Settings> showOptionsDialog(QWidget* owner, const Settings& current) {
    const bool fromMain = owner == nullptr || owner->objectName() != QLatin1String("frmWelcome");
    OptionsDialog dialog(current, fromMain, owner);
    dialog.exec();
    return dialog.accepted();
}

} // namespace rollwell
