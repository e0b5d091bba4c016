#include "shell/chrome/menuaccessible.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace rollwell {

namespace {

QString withoutMnemonic(QString text) {
    // "&&" stands for an ampersand; a single "&" marks the access key.
    static const QChar kMark = QLatin1Char('&');
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text.at(i) == kMark) text.remove(i, 1);
    return text;
}

class MenuItem : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    MenuItem(QAction* action, QWidget* owner) : action_(action), owner_(owner) {}

    bool isValid() const override { return action_ && owner_; }
    QObject* object() const override { return action_; }
    QWindow* window() const override {
        const QAccessibleInterface* p = parent();
        return p != nullptr ? p->window() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(owner_);
    }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && action_->menu() != nullptr
                   ? QAccessible::queryAccessibleInterface(action_->menu())
                   : nullptr;
    }
    int childCount() const override { return action_->menu() != nullptr ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* c) const override {
        return c != nullptr && c->object() == action_->menu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAccessibleInterface* c = child(0);
        return c != nullptr && c->rect().contains(x, y) ? c : nullptr;
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return withoutMnemonic(action_->text());
        if (t == QAccessible::Accelerator) return action_->shortcut().toString();
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        QRect r;
        if (const auto* bar = qobject_cast<QMenuBar*>(owner_))
            r = bar->actionGeometry(action_);
        else if (const auto* menu = qobject_cast<QMenu*>(owner_))
            r = menu->actionGeometry(action_);
        return r.translated(owner_->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override {
        return action_->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !shown();
        s.disabled = action_->isSeparator() || !action_->isEnabled();
        s.checkable = action_->isCheckable();
        s.checked = action_->isChecked();
        const auto* menu = qobject_cast<QMenu*>(owner_);
        const auto* bar = qobject_cast<QMenuBar*>(owner_);
        s.focused = (menu != nullptr && menu->activeAction() == action_) ||
                    (bar != nullptr && bar->activeAction() == action_);
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }

    QStringList actionNames() const override {
        if (!shown() || action_->isSeparator() || !action_->isEnabled()) return {};
        return {action_->menu() != nullptr ? showMenuAction() : pressAction()};
    }
    void doAction(const QString& name) override {
        if (!actionNames().contains(name)) return;
        if (name == pressAction()) {
            action_->trigger();
        } else if (action_->menu()->isVisible()) {
            action_->menu()->hide();
        } else if (auto* bar = qobject_cast<QMenuBar*>(owner_)) {
            bar->setActiveAction(action_);
        } else if (auto* menu = qobject_cast<QMenu*>(owner_)) {
            menu->setActiveAction(action_);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    bool shown() const { return owner_->isVisible() && action_->isVisible(); }

    QPointer<QAction> action_;
    QPointer<QWidget> owner_;
};

QAccessibleInterface* menuFactory(const QString& className, QObject* object) {
    auto* action = qobject_cast<QAction*>(object);
    if (action == nullptr || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    // The menu or menu bar that lists the item; Qt asks only for those.
    for (QObject* o : action->associatedObjects()) {
        if (qobject_cast<QMenu*>(o) != nullptr || qobject_cast<QMenuBar*>(o) != nullptr)
            return new MenuItem(action, static_cast<QWidget*>(o));
    }
    return nullptr;
}

} // namespace

void installMenuAccessibility() {
    QAccessible::installFactory(menuFactory);
}

} // namespace rollwell
