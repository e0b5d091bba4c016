#include "shell/art/palette.h"

#include <QHash>
#include <QString>

namespace rollwell {

namespace {

const QHash<QString, QColor>& colours() {
    // Keys are kept in lower case; the lookup folds the key it is given.
    static const QHash<QString, QColor> table = {
        // Menus and toolbar.
        {QStringLiteral("menubg"), QColor(58, 110, 165)},
        {QStringLiteral("selected"), QColor(50, 50, 50)},
        {QStringLiteral("bordercolor"), QColor(255, 255, 255)},
        // Black text on the dark selection cannot be read; the selected
        // caption is drawn light instead.
        {QStringLiteral("selectedtext"), QColor(255, 255, 255)},
        {QStringLiteral("generaltext"), QColor(0, 0, 0)},
        {QStringLiteral("menutext"), QColor(0, 0, 0)},
        // The board: a deep blue table, a paper-white sheet with blue rules.
        {QStringLiteral("table"), QColor(34, 72, 116)},
        {QStringLiteral("tabledark"), QColor(24, 52, 86)},
        {QStringLiteral("sheet"), QColor(250, 251, 253)},
        {QStringLiteral("sheetalt"), QColor(236, 242, 250)},
        {QStringLiteral("caption"), QColor(226, 234, 245)},
        {QStringLiteral("captiontext"), QColor(24, 44, 72)},
        {QStringLiteral("celltext"), QColor(20, 32, 48)},
        {QStringLiteral("totaltext"), QColor(24, 64, 120)},
        {QStringLiteral("grandtotal"), QColor(255, 246, 214)},
        {QStringLiteral("rule"), QColor(58, 110, 165)},
        {QStringLiteral("frame"), QColor(150, 184, 222)},
        {QStringLiteral("offer"), QColor(255, 214, 92)},
        {QStringLiteral("offerhover"), QColor(255, 190, 40)},
        {QStringLiteral("keycursor"), QColor(176, 24, 24)},
        // Hints in the sheet's own ink on the lit tiles' cream; the row under
        // the mouse or the keyboard's cursor in the lit tiles' yellow.
        {QStringLiteral("hinttext"), QColor(24, 64, 120)},
        {QStringLiteral("hintback"), QColor(255, 246, 214)},
        {QStringLiteral("highlight"), QColor(255, 214, 92)},
        {QStringLiteral("highlighttext"), QColor(0, 0, 0)},
        {QStringLiteral("buttontext"), QColor(255, 255, 255)},
        // A suggested move: the dice to hold and the cell to take.
        {QStringLiteral("advice"), QColor(40, 210, 110)},
        // Dialogs.
        {QStringLiteral("scoresbg"), QColor(239, 255, 210)},
        {QStringLiteral("quickstartbg"), QColor(0, 51, 102)},
    };
    return table;
}

} // namespace

QColor paletteColor(QStringView key) {
    const auto& table = colours();
    auto it = table.constFind(key.toString().toLower());
    return it != table.constEnd() ? *it : table.value(QStringLiteral("menubg"));
}

} // namespace rollwell
