#!/usr/bin/env bash
# Synthesises the game's seventeen sound effects into assets/RWWAVS/<name>.WAV
# (16-bit mono 22.05 kHz) and the win music into assets/win01.mp3, with sox and
# lame only. The results are committed; run this again only to change a sound.
# Every run makes the same files: the shell's random numbers and sox's noise are
# seeded.
set -euo pipefail
cd "$(dirname "$0")/.."

for tool in sox lame awk; do
  command -v "$tool" >/dev/null || {
    echo "make_sounds.sh needs $tool (apt-get install sox libsox-fmt-mp3 lame)" >&2
    exit 1
  }
done

out=assets/RWWAVS
mkdir -p "$out"
work=$(mktemp -d)
[ -n "${KEEP_WORK:-}" ] || trap 'rm -rf "$work"' EXIT
RANDOM=1977
rate=22050
fmt=(-r "$rate" -c 1 -b 16)
n=0

# Sets the variable named $1 to a fresh file name in the work folder. These
# helpers set variables rather than print, so that the counter and the seeded
# random numbers advance in this shell, not in a subshell.
tmp() {
  n=$((n + 1))
  printf -v "$1" '%s' "$work/t$n.wav"
}

# Frequency in Hz of a note number (60 = middle C).
hz() { awk -v m="$1" 'BEGIN { printf "%.2f", 440 * 2 ^ ((m - 69) / 12) }'; }

# Sets the variable named $1 to a random number between $2 and $3 with three
# decimals (seconds, gains, frequencies).
rnd() {
  local r=$RANDOM
  printf -v "$1" '%s' "$(awk -v a="$2" -v b="$3" -v r="$r" 'BEGIN { printf "%.3f", a + (b - a) * r / 32767 }')"
}

# silence FILE SECONDS
silence() { sox -R -n "${fmt[@]}" "$1" trim 0 "$2"; }

# One die striking the table: a short burst of noise shaped by a band-pass around
# a random resonance, with a hard attack and a quick decay.  click FILE GAIN
click() {
  local f q len body
  rnd f 1800 4200
  rnd q 1.2 2.5
  rnd len 0.018 0.035
  rnd body 900 1600
  sox -R -n "${fmt[@]}" "$1" synth "$len" whitenoise synth "$len" sine mix "$body" \
    gain -6 bandpass "$f" "${q}q" fade l 0.0005 "$len" "$(awk -v l="$len" 'BEGIN { print l - 0.001 }')" \
    gain -n "$2"
}

# A rattle of COUNT dice clicks spread over about SECONDS, denser at the start
# and fading as the dice settle.  rattle FILE COUNT SECONDS
rattle() {
  local file=$1 count=$2 span=$3 parts=() i gap c s level jitter spread
  for ((i = 0; i < count; i++)); do
    level=$(awk -v i="$i" -v c="$count" 'BEGIN { printf "%.1f", -1 - 14 * i / c }')
    tmp c
    rnd jitter -3 0
    click "$c" "$(awk -v l="$level" -v j="$jitter" 'BEGIN { print l + j }')"
    parts+=("$c")
    rnd spread 0.4 1.6
    gap=$(awk -v s="$span" -v c="$count" -v i="$i" -v r="$spread" \
      'BEGIN { printf "%.3f", s / c * r * (0.6 + 0.8 * i / c) }')
    tmp s
    silence "$s" "$gap"
    parts+=("$s")
  done
  sox -R "${parts[@]}" "${fmt[@]}" "$file" fade 0 -0 0.02 gain -n -1
}

# A note with a soft 5 ms attack and a bell-like decay.
#   tone FILE TYPE NOTE SECONDS [extra sox effects]
tone() {
  local file=$1 type=$2 note=$3 len=$4
  shift 4
  sox -R -n "${fmt[@]}" "$file" synth "$len" "$type" "$(hz "$note")" \
    fade h 0.005 fade l 0 "$len" "$(awk -v l="$len" 'BEGIN { print l * 0.9 }')" "$@"
}

# Notes one after another, each START seconds after the previous one, sounding
# over each other: chain FILE TYPE STEP LENGTH NOTE...
chain() {
  local file=$1 type=$2 step=$3 len=$4 parts=() i=0 t p
  shift 4
  for note in "$@"; do
    tmp t
    tone "$t" "$type" "$note" "$len"
    tmp p
    sox -R "$t" "$p" pad "$(awk -v s="$step" -v i="$i" 'BEGIN { print s * i }')"
    parts+=("$p")
    i=$((i + 1))
  done
  if [ $i -eq 1 ]; then
    sox -R "${parts[0]}" "$file"
  else
    sox -R -m "${parts[@]}" "$file"
  fi
}

# Writes a finished effect: mono 16-bit 22.05 kHz, peak at GAIN dB, no click at
# either end.  finish SOURCE NAME GAIN
finish() {
  sox -R "$1" "${fmt[@]}" "$out/$2.WAV" gain -n "$3" fade 0.002 0 0.015
}

# --- The dice -------------------------------------------------------------
tmp t; rattle "$t" 16 0.7; finish "$t" rollAll -1
tmp t; rattle "$t" 10 0.5; finish "$t" rollSome -1

# One die bouncing: knocks closer and quieter each time.
parts=()
for gap in 0.11 0.075 0.05 0.035; do
  tmp c; click "$c" "$(awk -v g="$gap" 'BEGIN { print -1 - (0.11 - g) * 120 }')"
  tmp s; silence "$s" "$gap"
  parts+=("$c" "$s")
done
tmp t; sox -R "${parts[@]}" "$t"; finish "$t" rollOne -2

# Holding: a soft, low knock. Releasing: a lighter, higher tick.
tmp t
sox -R -n "${fmt[@]}" "$t" synth 0.06 sine 520 synth 0.06 pinknoise mix \
  gain -6 lowpass 1400 fade l 0.001 0.06 0.055
finish "$t" holdDice -6
tmp t
sox -R -n "${fmt[@]}" "$t" synth 0.035 sine 1900 synth 0.035 whitenoise mix \
  highpass 1200 fade l 0.0005 0.035 0.032
finish "$t" UnHoldDice -10

# --- Chimes and tones -----------------------------------------------------
# Five of a kind: a bright glockenspiel arpeggio that rings on.
tmp t; chain "$t" sine 0.07 0.9 84 88 91 96 100
tmp t2; sox -R "$t" "$t2" gain -9 reverb 40 50 60 treble +4
finish "$t2" Rollwell -1

# Announcing: a clear two-note call, up a fourth.
tmp t; chain "$t" triangle 0.16 0.35 79 84
finish "$t" announce -3

# A score: a short rising tone. A zero: a dull low one that sinks.
tmp t
sox -R -n "${fmt[@]}" "$t" synth 0.22 sine 620:1240 synth 0.22 sine mix 1240:2480 \
  fade q 0.005 0.22 0.08
finish "$t" score -3
tmp t
sox -R -n "${fmt[@]}" "$t" synth 0.42 triangle 150:95 lowpass 500 fade q 0.01 0.42 0.25
finish "$t" scoreZero -2

# A hint: two soft high pings.
tmp t; chain "$t" sine 0.11 0.3 88 91
finish "$t" hint -6

# Undo glides down, redo glides back up, both with a quick wobble.
tmp t
sox -R -n "${fmt[@]}" "$t" synth 0.3 sine 880:440 tremolo 24 60 fade q 0.01 0.3 0.1
finish "$t" undo -4
tmp t
sox -R -n "${fmt[@]}" "$t" synth 0.3 sine 440:880 tremolo 24 60 fade q 0.01 0.3 0.1
finish "$t" redo -4

# A new game: a quick rising fanfare.
tmp t; chain "$t" triangle 0.1 0.45 72 76 79 84
finish "$t" newGame -2

# A win: applause, a dozen people clapping at their own pace.
people=()
for ((p = 0; p < 12; p++)); do
  parts=()
  rnd start 0 0.15
  tmp s; silence "$s" "$start"
  parts+=("$s")
  for ((k = 0; k < 7; k++)); do
    rnd len 0.008 0.02
    rnd f 900 2600
    rnd level -9 -1
    rnd gap 0.13 0.22
    tmp c
    sox -R -n "${fmt[@]}" "$c" synth "$len" whitenoise bandpass "$f" 0.9q \
      fade l 0.0005 "$len" "$len" gain -n "$level"
    tmp s; silence "$s" "$gap"
    parts+=("$c" "$s")
  done
  tmp s; silence "$s" 0.5
  tmp t; sox -R "${parts[@]}" "$s" "$t" trim 0 1.3
  people+=("$t")
done
tmp t; sox -R -m "${people[@]}" "$t" fade q 0.05 1.3 0.4
finish "$t" applause -1

# A draw: the same note twice, even-handed.
tmp t; chain "$t" triangle 0.25 0.3 67 67
finish "$t" draw -4

# Not on the table: a sad, sinking "wah wah wah wah".
tmp t
parts=()
for note in 67 66 65; do
  tmp c; tone "$c" square "$note" 0.28 gain -6 lowpass 900
  parts+=("$c")
done
tmp c; tone "$c" square 64 0.5 gain -6 lowpass 900 tremolo 6 40
parts+=("$c")
sox -R "${parts[@]}" "$t"
finish "$t" endGame1 -3

# Goodbye: a soft falling arpeggio.
tmp t; chain "$t" sine 0.15 0.6 84 79 76 72
finish "$t" exitGame -3

# --- The win music --------------------------------------------------------
# Eight bars at 150 beats a minute in C major: a melody of plucked notes over
# soft sustained chords and a bass note on every beat. "0" is a rest.
beat=0.4
melody=(
  "72 1" "76 1" "79 1" "76 1"   "77 1" "81 1" "79 2"
  "76 1" "79 1" "84 1" "79 1"   "77 0.5" "76 0.5" "74 1" "71 2"
  "72 1" "76 1" "79 1" "84 1"   "81 1" "77 1" "81 2"
  "79 1" "76 1" "74 1" "71 1"   "72 2" "0 1" "84 1"
)
chords=("48 52 55" "53 57 60" "52 55 60" "53 55 59" "48 52 55" "53 57 60" "55 59 62" "48 52 55")
music_rate=44100
mfmt=(-r "$music_rate" -c 1 -b 16)

parts=()
for item in "${melody[@]}"; do
  read -r note beats <<<"$item"
  len=$(awk -v b="$beats" -v t="$beat" 'BEGIN { print b * t }')
  tmp c
  if [ "$note" = 0 ]; then
    sox -R -n "${mfmt[@]}" "$c" trim 0 "$len"
  else
    sox -R -n "${mfmt[@]}" "$c" synth "$len" pluck "$(hz "$note")" \
      synth "$len" sine mix "$(hz $((note + 12)))" fade l 0.003 "$len" 0.05
  fi
  parts+=("$c")
done
tmp lead; sox -R "${parts[@]}" "$lead" gain -n -3

parts=()
bass=()
for chord in "${chords[@]}"; do
  read -r a b c <<<"$chord"
  bar=$(awk -v t="$beat" 'BEGIN { print 4 * t }')
  tmp f
  sox -R -n "${mfmt[@]}" "$f" synth "$bar" triangle "$(hz "$a")" synth "$bar" triangle mix "$(hz "$b")" \
    synth "$bar" triangle mix "$(hz "$c")" gain -9 lowpass 1500 fade q 0.05 "$bar" 0.2
  parts+=("$f")
  for step in 0 1 2 3; do
    tmp f
    root=$a
    [ $((step % 2)) -eq 1 ] && root=$((a + 7))
    sox -R -n "${mfmt[@]}" "$f" synth "$beat" sine "$(hz $((root - 12)))" \
      fade l 0.005 "$beat" 0.3
    bass+=("$f")
  done
done
tmp pad; sox -R "${parts[@]}" "$pad" gain -n -12
tmp low; sox -R "${bass[@]}" "$low" gain -n -9

tmp song
sox -R -m "$lead" "$pad" "$low" "$song" gain -3 fade q 0.01 -0 1.5 \
  reverb 30 50 70 gain -n -1
lame --quiet -m m -b 96 "$song" assets/win01.mp3

ls -l "$out" assets/win01.mp3
