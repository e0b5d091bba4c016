#pragma once

#include <QString>

namespace rollwell {

// The program's data (the sounds in RWWAVS/, the win music win01.mp3) lies
// beside the executable in a build tree or a portable copy, and in
// share/rollwell beside the bin/ folder of an installed program.

// The folder that holds the data, found from the executable's folder: the
// executable's own folder when it holds RWWAVS, else ../share/rollwell when
// that exists, else the executable's folder (the sounds are then silent).
QString FindDataFolder(const QString& programFolder);

// True when the data was found in ../share/rollwell: an installed program,
// which keeps everything it writes in the user's own folders.
bool IsInstalledLayout(const QString& programFolder);

} // namespace rollwell
