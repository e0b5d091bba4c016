#!/usr/bin/env bash
# Checks the Debian package the way a player gets it: makes it, validates its
# menu entry, store metadata and the package itself, installs it (dpkg -i when
# run as root, as CI is; otherwise dpkg-deb -x into a scratch root), starts the
# installed game under Xvfb with a fresh home, walks from the welcome window
# through the top scores into a game and out through "Exit Rollwell?", and
# checks that the window appeared, that the game read every sound the package
# ships, that every library it loaded comes with the package's dependencies,
# and that it wrote nothing outside the user's folders. Then it removes the
# package and checks that nothing of it is left.
#   scripts/check_package.sh [<package.deb>]   (without one it makes the package)
set -euo pipefail
cd "$(dirname "$0")/.."

fail() {
  echo "check_package: $*" >&2
  exit 1
}
step() { echo "== [${SECONDS}s] $*"; }

if [ $# -gt 0 ]; then
  deb=$(realpath "$1")
else
  deb=$(scripts/package.sh | tail -n 1)
fi
[ -f "$deb" ] || fail "no package $deb"
step "$(basename "$deb"): $(stat -c %s "$deb") bytes"

scratch=$(mktemp -d)
root=
installed=
xvfb_pid=
game_pid=
cleanup() {
  [ -n "${installed:-}" ] && [ -z "$root" ] && dpkg -r rollwell >/dev/null 2>&1
  [ -n "$game_pid" ] && [ -s "$scratch/pid" ] && kill "$(cat "$scratch/pid")" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

# --- The package and its metadata -------------------------------------------
step "validators"
mkdir "$scratch/content"
dpkg-deb -x "$deb" "$scratch/content"
desktop=$(find "$scratch/content/usr/share/applications" -name '*.desktop')
metainfo=$(find "$scratch/content/usr/share/metainfo" -name '*.metainfo.xml')
app_id=$(basename "$desktop" .desktop)
[ "$(basename "$metainfo" .metainfo.xml)" = "$app_id" ] || fail "metainfo is not named $app_id"
grep -q "^Icon=$app_id$" "$desktop" || fail "the menu entry does not name the icon $app_id"
for icon in scalable/apps/$app_id.svg {48x48,128x128,256x256}/apps/$app_id.png; do
  [ -s "$scratch/content/usr/share/icons/hicolor/$icon" ] || fail "no icon $icon"
done
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
# Every picture of the README is offered to the software centres.
for picture in $(grep -o 'docs/[A-Za-z0-9_-]*\.png' README.md | sort -u); do
  grep -q "<image>[^<]*/$picture</image>" "$metainfo" || fail "metainfo lacks the screenshot $picture"
done
lintian_status=0
lintian --fail-on error "$deb" >"$scratch/lintian" 2>&1 || lintian_status=$?
grep -v 'running with root privileges' "$scratch/lintian" || true
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors"

# --- Installing --------------------------------------------------------------
if [ "$(id -u)" -eq 0 ]; then
  step "dpkg -i"
  root=
  dpkg -i "$deb" >/dev/null
  # The package's files (not its folders, which other packages share).
  installed=$(dpkg -L rollwell | while read -r path; do [ -d "$path" ] || echo "$path"; done)
else
  step "dpkg-deb -x (not root: nothing is installed system-wide)"
  root=$scratch/root
  dpkg-deb -x "$deb" "$root"
fi
game=$root/usr/games/rollwell
data=$root/usr/share/rollwell
[ -x "$game" ] || fail "no program at $game"

# What the installed program may not change: its own folder and its data.
listing() { (ls -A "$root/usr/games" && find "$data" | sort) | md5sum; }
listing_before=$(listing)

# --- Playing -----------------------------------------------------------------
home=$scratch/home
mkdir -p "$home" "$scratch/run" "$scratch/tmp"
chmod 0700 "$scratch/run"
# Fontconfig, run by root, brings its system-wide caches up to date: done here,
# so that the game finds nothing to write there.
[ "$(id -u)" -eq 0 ] && fc-cache >/dev/null 2>&1
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$scratch/display" ] && break
  sleep 0.1
done
[ -s "$scratch/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(cat "$scratch/display")

step "starting the installed game with a fresh home"
(cd "$home" && exec env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$scratch/run" \
  TMPDIR="$scratch/tmp" DISPLAY="$DISPLAY" LANG=C.UTF-8 \
  strace -f -ff -qq -y -o "$scratch/trace" -e trace=%file \
  sh -c 'echo $$ >"$0"; exec "$1"' "$scratch/pid" "$game" >"$scratch/output" 2>&1) &
game_pid=$!

wait_window() { # title pattern
  timeout 30 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true
}
press() { # title pattern, keys
  local window
  window=$(wait_window "$1")
  [ -n "$window" ] || fail "no window \"$1\"; the game said: $(cat "$scratch/output")"
  # A window just mapped may not take the focus yet.
  for _ in $(seq 20); do
    xdotool windowfocus --sync "$window" 2>/dev/null && break
    sleep 0.1
  done
  xdotool key "$2"
}
gone() { # title pattern
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "window \"$1\" stays open"
}

press '^Welcome to Rollwell' alt+t
press '^Top Scores$' Escape
gone '^Top Scores$'
press '^Welcome to Rollwell' alt+p
[ -n "$(wait_window '^Rollwell 2\.0')" ] || fail "the game's window did not appear"
step "the game's window is up"

# The game reads its effects after the window's first paint.
opened_sounds() {
  cat "$scratch"/trace.* | grep -o "open[a-z]*([^\"]*\"[^\"]*/RWWAVS/[^\"]*\.WAV\", O_RDONLY[^)]*) = [0-9]" |
    grep -o '/RWWAVS/[^"]*' | sort -u
}
shipped_sounds=$(cd "$data" && find RWWAVS -name '*.WAV' | sed 's|^|/|' | sort)
for _ in $(seq 100); do
  [ "$(opened_sounds)" = "$shipped_sounds" ] && break
  sleep 0.2
done
[ "$(opened_sounds)" = "$shipped_sounds" ] || fail "the game did not read every sound of $data"
grep -q "\"$data/RWWAVS/" "$scratch"/trace.* || fail "the game read its sounds elsewhere than $data"
step "the game read all $(echo "$shipped_sounds" | wc -l) sounds from $data"

# Every library and plugin the game loaded comes with the package's dependencies
# and recommendations (as apt installs them, their recommendations included).
pid=$(cat "$scratch/pid")
libraries=$(awk '$6 ~ /^\/usr\// && $6 ~ /\.so/ {print $6}' "/proc/$pid/maps" | sort -u)
dependencies=$(dpkg-deb -f "$deb" Depends Recommends | sed 's/^[A-Za-z-]*: //' | tr ',|' '\n\n' | sed 's/(.*)//; s/ //g' | grep .)
# shellcheck disable=SC2086
closure=$(apt-cache depends --recurse --installed --no-suggests --no-conflicts --no-breaks \
  --no-replaces --no-enhances $dependencies 2>/dev/null | grep -v '^ ' | sort -u)
# dpkg knows the libraries of merged /lib by their old names.
# shellcheck disable=SC2086
owners=$( (dpkg -S $libraries ${libraries//\/usr\///} 2>/dev/null || true) |
  sed 's|: /usr/|: /|; s|: /|: /usr/|')
for library in $libraries; do
  owner=$(awk -F ': ' -v path="$library" '$2 == path {print $1; exit}' <<<"$owners")
  [ -n "$owner" ] || fail "no package owns $library"
  owner=${owner%%[:,]*}
  grep -qx "$owner" <<<"$closure" || fail "$library comes from $owner, which the package does not depend on"
done
step "all $(echo "$libraries" | wc -l) loaded libraries come with the dependencies"

press '^Rollwell 2\.0' ctrl+x
press '^Confirm$' Return
for _ in $(seq 150); do
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.2
done
kill -0 "$game_pid" 2>/dev/null && fail "the game did not end after \"Exit Rollwell?\""
wait "$game_pid" || fail "the game ended with status $?: $(cat "$scratch/output")"
game_pid=
[ -s "$home/.config/Rollwell/Rollwell2.conf" ] || fail "the options were not saved in the user's home"
step "the game ended and saved its options in the user's home"

# Every file the game created, changed, moved or removed lies in the user's
# folders (home, runtime folder, temporary folder).
writes=$(cat "$scratch"/trace.* | perl -ne '
  next unless /^(\w+)\((.*)\)\s+= (-?\d+)/ and $3 >= 0;
  my ($call, $args) = ($1, $2);
  my $write = $call =~ /^(mkdir|mkdirat|unlink|unlinkat|rmdir|rename|renameat2?|link|linkat|symlink|symlinkat|truncate|chmod|fchmodat|chown|lchown|fchownat|utimensat|mknod|mknodat|setxattr|lsetxattr|removexattr|lremovexattr)$/
    || ($call =~ /^(open|openat|openat2|creat)$/ && ($call eq "creat" || $args =~ /O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND|O_TMPFILE/));
  next unless $write;
  my $dir = $args =~ /^\d+<([^>]*)>/ ? $1 : $ENV{HOME};
  my @paths = $args =~ /"([^"]*)"/g;
  @paths = ($paths[-1]) if $call =~ /link/;    # the new name, not what it links to
  @paths = ($dir) unless @paths;
  for (@paths) { print((m{^/} ? $_ : "$dir/$_"), "\n") }' | sort -u)
outside=$(grep -v -e "^$home/" -e "^$scratch/run/" -e "^$scratch/tmp/" -e '^/dev/null$' -e "^$scratch/pid$" <<<"$writes" || true)
[ -z "$outside" ] || fail "the game wrote outside the user's folders: $outside"
[ "$(listing)" = "$listing_before" ] || fail "the game changed its own folder or its data"
step "the game wrote only in the user's folders; in its home:"
grep "^$home/" <<<"$writes" | sed "s|^$home/|   ~/|"

# --- Removing ----------------------------------------------------------------
if [ -z "$root" ]; then
  step "dpkg -r"
  dpkg -r rollwell >/dev/null
  installed_files=$installed
  installed=
  [ "$(dpkg-query -W -f='${db:Status-Status}' rollwell 2>/dev/null)" != installed ] ||
    fail "rollwell is still installed"
  left=
  for path in $installed_files /usr/share/rollwell /usr/share/doc/rollwell; do
    [ -e "$path" ] && left="$left $path"
  done
  [ -z "$left" ] || fail "left after removal:$left"
  step "nothing of the package is left"
fi
step "package check passed"
