#include "shell/dialogs/scorestable.h"

#include <utility>

namespace rollwell {

namespace {

// The store either hands back the bare rows and a bare flag, or the rows and
// the flag together with the message of a failure; both are taken here.
template <typename Read> ShownTable fromRead(Read&& read) {
    ShownTable shown;
    if constexpr (requires { read.rows; }) {
        shown.rows = read.rows;
        shown.errorTitle = read.errorTitle;
        shown.errorText = read.errorText;
    } else {
        shown.rows = std::forward<Read>(read);
    }
    return shown;
}

template <typename Cleared> ClearOutcome fromClear(const Cleared& cleared) {
    ClearOutcome outcome;
    if constexpr (requires { cleared.cleared; }) {
        outcome.cleared = cleared.cleared;
        outcome.errorTitle = cleared.errorTitle;
        outcome.errorText = cleared.errorText;
    } else {
        outcome.cleared = cleared;
    }
    return outcome;
}

} // namespace

ShownTable loadShownTable(const QString& filePath) {
    return fromRead(ReadTableRows(filePath));
}

ClearOutcome clearShownTable(const QString& filePath) {
    return fromClear(ClearTable(filePath));
}

} // namespace rollwell
