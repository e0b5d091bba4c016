#include "shell/board/boardaccessible.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QVariant>

namespace rollwell {

namespace {

class BoardControl : public QAccessibleWidget {
  public:
    BoardControl(QWidget* w, QAccessible::Role role, bool pressable)
        : QAccessibleWidget(w, role), pressable_(pressable) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const auto* button =
            qobject_cast<QWidget*>(widget()->property("cellButton").value<QObject*>());
        if (button != nullptr && button->isVisible()) s.invisible = true;
        return s;
    }
    QStringList actionNames() const override {
        if (!pressable_ || !widget()->isVisible() || !widget()->isEnabled()) return {};
        return {pressAction()};
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && !actionNames().isEmpty())
            static_cast<QAbstractButton*>(widget())->click();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    bool pressable_;
};

QAccessibleInterface* boardFactory(const QString& className, QObject* object) {
    // Asked once per class of the object's ancestry; answered for the object's own.
    if (object == nullptr || !object->isWidgetType() ||
        className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    auto* w = static_cast<QWidget*>(object);
    if (w->property("indicator").toBool())
        return new BoardControl(w, QAccessible::Indicator, false);
    if (w->property("cellButton").isValid())
        return new BoardControl(w, QAccessible::StaticText, false);
    if (w->property("boardButton").toBool() || className == QLatin1String("QToolBarExtension"))
        return new BoardControl(w, QAccessible::Button, true);
    return nullptr;
}

} // namespace

void installBoardAccessibility() {
    // Qt forgets its factories with the application object and ignores a
    // second installation of the same one.
    QAccessible::installFactory(boardFactory);
}

} // namespace rollwell
