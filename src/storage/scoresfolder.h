#pragma once

#include <QString>

namespace rollwell {

// Where a run keeps its four top-score tables: <folder>/scores/scoresN.dat.
struct ScoresPlace {
    QString folder;
    // A folder whose tables are copied into `folder` where it lacks them; empty
    // when there is none.
    QString seedFolder;

    bool operator==(const ScoresPlace&) const = default;
};

// A portable copy or a build tree keeps its tables beside the program while
// they can be written there (its scores folder, or before that exists the
// program's folder). Otherwise, and always for an installed program, they live
// in the user's folder, which takes the tables found beside the program so
// that no earlier result goes out of sight. When the user's folder cannot be
// made, a portable copy still shows the tables beside it (a new result then
// cannot be saved, and says why).
ScoresPlace ChooseScoresPlace(const QString& programFolder, const QString& userFolder);

// Copies each table the place's folder lacks from its seed folder, whole or
// not at all; a table already there is never replaced.
void SeedTables(const ScoresPlace& place);

// This run's folder: chosen at the first call, from the executable's folder
// and the user's data folder, and seeded then; every later call returns it.
QString ScoresFolder();

} // namespace rollwell
