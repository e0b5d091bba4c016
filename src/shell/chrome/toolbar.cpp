#include "shell/chrome/toolbar.h"

#include "shell/art/artwork.h"
#include "shell/chrome/menustyle.h"

#include <QAction>
#include <QPainter>
#include <QToolButton>

namespace rollwell {

namespace {

struct Button {
    const char* key; // nullptr for a separator
    const char* tip;
    int image;
};

// The buttons in order; separators count as positions.
constexpr Button kButtons[] = {
    {"tbNew", "New Game", 1},
    {nullptr, nullptr, 0},
    {"tbUndo", "Undo", 2},
    {"tbRedo", "Redo", 3},
    {nullptr, nullptr, 0},
    {"tbHint", "Show Hints", 4},
    {"tbSuggest", "Suggest a Move", 9},
    {"tbSound", "", 5},
    {nullptr, nullptr, 0},
    {"tbHelp", "Quick Help", 6},
    {"tbExit", "Exit Game", 7},
};

// The picture of image n of the toolbar's image list.
QString toolbarImage(int n) {
    static const char* const kImages[] = {"",        "new",        "undo", "redo",     "hint",
                                          "soundOn", "quickstart", "exit", "soundOff", "suggest"};
    return n >= 1 && n <= 9 ? QString::fromLatin1(kImages[n]) : QString();
}

} // namespace

Toolbar::Toolbar(QWidget* parent) : QToolBar(parent) {
    setObjectName(QStringLiteral("Toolbar2"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(18, 18));
    setContextMenuPolicy(Qt::PreventContextMenu);
    for (const Button& b : kButtons) {
        if (b.key == nullptr) {
            addSeparator();
            continue;
        }
        const QString key = QString::fromLatin1(b.key);
        QAction* action = addAction(artIcon(toolbarImage(b.image)), QString::fromLatin1(b.tip));
        action->setObjectName(key);
        action->setToolTip(QString::fromLatin1(b.tip));
        widgetForAction(action)->setObjectName(key);
        widgetForAction(action)->setFocusPolicy(Qt::NoFocus);
        connect(action, &QAction::triggered, this, [this, key] { emit buttonClick(key); });
        buttons_.insert(key, action);
    }
    // The first sync gives the sound button its picture and its name.
    if (auto* more = findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QStringLiteral("More tools"));
}

void Toolbar::sync(const Board& b) {
    const std::pair<const char*, const ToolButton*> items[] = {
        {"tbNew", &b.tbNew},   {"tbUndo", &b.tbUndo},       {"tbRedo", &b.tbRedo},
        {"tbHint", &b.tbHint}, {"tbSound", &b.tbSound},     {"tbHelp", &b.tbHelp},
        {"tbExit", &b.tbExit}, {"tbSuggest", &b.tbSuggest},
    };
    for (const auto& [key, item] : items) {
        QAction* a = buttons_.value(QString::fromLatin1(key));
        if (a->isEnabled() != item->enabled) a->setEnabled(item->enabled);
    }
    if (b.tbSound.image != soundImage_) {
        soundImage_ = b.tbSound.image;
        QAction* sound = buttons_.value(QStringLiteral("tbSound"));
        sound->setIcon(artIcon(toolbarImage(soundImage_)));
        // Said for a screen reader, since the button has no tool tip of its own.
        sound->setText(soundImage_ == 8 ? QStringLiteral("Sound effects off")
                                        : QStringLiteral("Sound effects on"));
    }
}

void Toolbar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), MenuStyle::pattern(devicePixelRatioF()));
    p.setPen(QColor(255, 255, 255, 160));
    p.drawLine(rect().bottomLeft(), rect().bottomRight());
}

} // namespace rollwell
