#!/usr/bin/env bash
# Makes the Debian package rollwell_<version>_<arch>.deb in the repository's
# top folder from a Release build in build-package:
#   scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --package

# Debian keeps games in /usr/games (a plain `cmake --install` uses bin/), and
# builds with its hardening flags; no debug information, the binary is stripped.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DROLLWELL_BUILD_TESTS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games \
  "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build build-package --target rollwell rollwell_install_files
(cd build-package && cpack -G DEB >/dev/null)
package=$(cd build-package && ls -t rollwell_*.deb | head -n 1)
mv "build-package/$package" .
echo "$PWD/$package"
