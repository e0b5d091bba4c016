#pragma once

namespace rollwell {

// What a screen reader finds in the menus: an item offers Press (Show Menu
// for a submenu) only while it is shown in an open menu or on the menu bar
// and is enabled; a hidden item, a disabled one, a separator and the items of
// a closed menu offer nothing. It holds for every item, also those added
// later.
void installMenuAccessibility();

} // namespace rollwell
