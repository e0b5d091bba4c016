#include "shell/chrome/menus.h"

#include "shell/art/artwork.h"
#include "shell/chrome/menustyle.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace rollwell {

namespace {

struct Item {
    const char* name;    // empty for a top-level menu
    const char* caption; // nullptr for a separator
    const char* shortcut;
    const char* picture; // the picture beside the caption, if any
};

// The menus in order; an item with no name opens a new top-level menu.
constexpr Item kItems[] = {
    {"", "&Game", nullptr, nullptr},
    {"mnuNewGame", "&New Game", "F2", "new"},
    {"mnuOptions", "&Options...", "Ctrl+O", "options"},
    {"mnuScores", "&Show Top Scores...", "Ctrl+H", "scores"},
    {"mnuHyphen1", nullptr, nullptr, nullptr},
    {"mnuGameExit", "E&xit", "Ctrl+X", "exit"},
    {"", "&Tools", nullptr, nullptr},
    {"mnuUndoUndo", "&Undo", "Ctrl+Z", "undo"},
    {"mnuUndoRedo", "&Redo", "Ctrl+Y", "redo"},
    {"mnuSuggest", "Su&ggest a Move", "F3", "suggest"},
    {"mnuHyphen2", nullptr, nullptr, nullptr},
    {"mnuHintsByRequest", "Show &Hints by Request", nullptr, "CHECK"},
    {"mnuHintsByRequest2", "S&how Hints by Request", nullptr, nullptr},
    {"mnuHintsAllways", "Show Hints &Allways", nullptr, "CHECK"},
    {"mnuHintsAllways2", "Show &Hints Allways", nullptr, nullptr},
    {"mnuHyphen3", nullptr, nullptr, nullptr},
    {"mnuSoundsOn", "Turn S&ound Effects On", nullptr, "CHECK"},
    {"mnuSoundsOn2", "Turn Sound &Effects On", nullptr, nullptr},
    {"mnuSoundsOff", "Turn Sou&nd Effects Off", nullptr, "CHECK"},
    {"mnuSoundsOff2", "Turn Sound E&ffects Off", nullptr, nullptr},
    {"", "&Help", nullptr, nullptr},
    {"mnuQuickStar", "&Quick Start...", nullptr, "quickstart"},
    {"mnuContents", "Help &Contents...", "F1", "help"},
    {"mnuHyphen4", nullptr, nullptr, nullptr},
    {"mnuGoToWeb", "&Visit Web Site...", nullptr, "visitweb"},
    {"mnuContact", "&Contact the Author...", nullptr, "sendmail"},
    {"mnuHyphen5", nullptr, nullptr, nullptr},
    {"mnuAbout", "&About Rollwell...", nullptr, "about"},
};

} // namespace

Menus::Menus(QMainWindow* window) : QObject(window) {
    QMenuBar* bar = window->menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));
    auto* style = new MenuStyle(bar);
    bar->setStyle(style);
    QMenu* menu = nullptr;
    for (const Item& item : kItems) {
        const QString name = QString::fromLatin1(item.name);
        if (name.isEmpty()) {
            menu = bar->addMenu(QString::fromLatin1(item.caption));
            menu->setStyle(style);
            // A screen reader names the open menu by its caption.
            menu->setAccessibleName(menu->menuAction()->iconText());
            continue;
        }
        QAction* action = nullptr;
        if (item.caption == nullptr) {
            action = menu->addSeparator();
        } else {
            action = menu->addAction(QString::fromLatin1(item.caption));
            if (item.shortcut != nullptr) {
                action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
                // The shortcuts work anywhere in the main window, whichever
                // control has the focus.
                action->setShortcutContext(Qt::WindowShortcut);
            }
            if (item.picture != nullptr)
                action->setIcon(artIcon(QString::fromLatin1(item.picture)));
            connect(action, &QAction::triggered, this, [this, name] { emit chosen(name); });
        }
        action->setObjectName(name);
        actions_.insert(name, action);
    }
}

void Menus::sync(const Board& b) {
    const std::pair<const char*, const MenuItem*> items[] = {
        {"mnuUndoUndo", &b.mnuUndoUndo},
        {"mnuUndoRedo", &b.mnuUndoRedo},
        {"mnuSuggest", &b.mnuSuggest},
        {"mnuHintsByRequest", &b.mnuHintsByRequest},
        {"mnuHintsByRequest2", &b.mnuHintsByRequest2},
        {"mnuHintsAllways", &b.mnuHintsAllways},
        {"mnuHintsAllways2", &b.mnuHintsAllways2},
        {"mnuSoundsOn", &b.mnuSoundsOn},
        {"mnuSoundsOn2", &b.mnuSoundsOn2},
        {"mnuSoundsOff", &b.mnuSoundsOff},
        {"mnuSoundsOff2", &b.mnuSoundsOff2},
    };
    for (const auto& [name, item] : items) {
        QAction* a = actions_.value(QString::fromLatin1(name));
        if (a->isVisible() != item->visible) a->setVisible(item->visible);
        if (a->isEnabled() != item->enabled) a->setEnabled(item->enabled);
    }
}

} // namespace rollwell
