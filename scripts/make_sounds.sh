#!/usr/bin/env bash
# Synthesises the game's seventeen sound effects into assets/RWWAVS/<name>.WAV
# (16-bit mono 22.05 kHz) and the win music into assets/win01.mp3, with sox and
# lame only. The results are committed; run this again only to change a sound.
# Every run makes the same files: the shell's random numbers and sox's noise are
# seeded.
set -euo pipefail
cd "$(dirname "$0")/.."

for tool in sox lame ffmpeg awk; do
  command -v "$tool" >/dev/null || {
    echo "make_sounds.sh needs $tool (apt-get install sox libsox-fmt-mp3 lame ffmpeg)" >&2
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

# One die striking the table: a short burst of noise shaped by a band-pass
# around a random resonance, with a hard attack, over the wooden body of the
# die ringing a little longer.  click FILE GAIN
click() {
  local f q len body hit ring
  rnd f 1800 4200
  rnd q 1.2 2.5
  rnd len 0.018 0.035
  rnd body 700 1300
  tmp hit
  sox -R -n "${fmt[@]}" "$hit" synth "$len" whitenoise gain -3 bandpass "$f" "${q}q" \
    fade l 0.0005 "$len" "$(awk -v l="$len" 'BEGIN { print l - 0.001 }')" pad 0 0.03
  tmp ring
  sox -R -n "${fmt[@]}" "$ring" synth "$(awk -v l="$len" 'BEGIN { print l + 0.03 }')" sine "$body" \
    gain -9 fade l 0.001 -0 0.045
  sox -R -m "$hit" "$ring" "$1" gain -n "$2"
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

# The level every effect is brought to: its loudest 200 ms, K-weighted (a
# high-pass at 40 Hz and a +4 dB shelf above 1.5 kHz, roughly how ears weigh
# frequencies), as an RMS level in dBFS. Short sounds count with the silence
# around them in the window, as ears hear them.
target=-21

# loudness FILE: the measure above, in dB.
loudness() {
  sox "$1" -n pad 0.2 0.2 highpass 40 treble 4 1500 stats -w 0.2 2>&1 | awk '/RMS Pk dB/ {print $4}'
}
# peak FILE: the highest sample in dBFS.
peak() { sox "$1" -n stats 2>&1 | awk '/Pk lev dB/ {print $4}'; }

# Writes a finished effect: mono 16-bit 22.05 kHz, its inaudible tail (below
# -50 dBFS) cut to a 10 ms fade, starting from zero with a fade short enough
# (0.5 ms) to leave the first hit whole, then brought to the common level.
# The peak must stay below -1 dBFS.  finish SOURCE NAME [DB above the level]
finish() {
  local trimmed shaped level gain
  tmp trimmed
  sox -R "$1" "${fmt[@]}" "$trimmed" reverse silence 1 0.002 -50d reverse
  tmp shaped
  sox -R "$trimmed" "$shaped" fade t 0.0005 -0 0.01
  level=$(loudness "$shaped")
  gain=$(awk -v t="$target" -v o="${3:-0}" -v l="$level" 'BEGIN { printf "%.2f", t + o - l }')
  sox -R "$shaped" "${fmt[@]}" "$out/$2.WAV" gain "$gain"
  # SHOW_HEADROOM=1 tells how loud each effect could go and writes them all.
  if [ -n "${SHOW_HEADROOM:-}" ]; then
    echo "$2 could reach $(awk -v p="$(peak "$shaped")" -v l="$level" 'BEGIN { print -1.5 - p + l }')" >&2
  elif awk -v p="$(peak "$out/$2.WAV")" 'BEGIN { exit !(p > -1.0) }'; then
    echo "$2: peak $(peak "$out/$2.WAV") dBFS at the common level; lower it or tame its peaks" >&2
    exit 1
  fi
}

# --- The dice -------------------------------------------------------------
# All the dice rattle about as long as the shake (0.54 s), some a little less.
tmp t; rattle "$t" 16 0.6
tmp t2; sox -R "$t" "$t2" trim 0 0.72 fade t 0 -0 0.15; finish "$t2" rollAll -2
tmp t; rattle "$t" 10 0.45
tmp t2; sox -R "$t" "$t2" trim 0 0.5 fade t 0 -0 0.1; finish "$t2" rollSome

# One die bouncing: knocks closer and quieter each time.
parts=()
for gap in 0.11 0.075 0.05 0.035; do
  tmp c; click "$c" "$(awk -v g="$gap" 'BEGIN { print -1 - (0.11 - g) * 120 }')"
  tmp s; silence "$s" "$gap"
  parts+=("$c" "$s")
done
tmp t; sox -R "${parts[@]}" "$t"; finish "$t" rollOne -2

# Holding: a soft, low knock with a little body. Releasing: a lighter, higher tick.
tmp t
sox -R -n "${fmt[@]}" "$t" synth 0.09 sine 520 synth 0.09 pinknoise mix \
  gain -6 lowpass 1400 fade l 0.001 0.09 0.08
finish "$t" holdDice
tmp t
sox -R -n "${fmt[@]}" "$t" synth 0.07 sine 1900 synth 0.07 whitenoise mix \
  highpass 1200 fade l 0.0005 0.07 0.065
finish "$t" UnHoldDice -1

# --- Chimes and tones -----------------------------------------------------
# Five of a kind: a bright glockenspiel arpeggio that rings on.
tmp t; chain "$t" sine 0.07 0.9 84 88 91 96 100
tmp t2; sox -R "$t" "$t2" gain -9 reverb 40 50 60 treble +4
finish "$t2" Rollwell

# Announcing: a clear two-note call, up a fourth.
tmp t; chain "$t" triangle 0.16 0.35 79 84
finish "$t" announce

# A score: a short rising tone. A zero: a dull "thunk" that falls a fifth,
# low but with its body well above 250 Hz so that small speakers carry it.
tmp t
sox -R -n "${fmt[@]}" "$t" synth 0.22 sine 620:1240 synth 0.22 sine mix 1240:2480 \
  fade q 0.005 0.22 0.08
finish "$t" score
tmp t
sox -R -n "${fmt[@]}" "$t" synth 0.36 triangle 392:262 \
  lowpass 1600 fade q 0.01 0.36 0.22
finish "$t" scoreZero

# A hint: two soft high pings.
tmp t; chain "$t" sine 0.11 0.3 88 91
finish "$t" hint

# Undo glides down, redo glides back up, both with a quick wobble.
tmp t
sox -R -n "${fmt[@]}" "$t" synth 0.3 sine 880:440 tremolo 24 60 fade q 0.01 0.3 0.1
finish "$t" undo
tmp t
sox -R -n "${fmt[@]}" "$t" synth 0.3 sine 440:880 tremolo 24 60 fade q 0.01 0.3 0.1
finish "$t" redo

# A new game: a quick rising fanfare.
tmp t; chain "$t" triangle 0.1 0.45 72 76 79 84
finish "$t" newGame

# A win: applause, a dozen people clapping at their own pace.
people=()
for ((p = 0; p < 12; p++)); do
  parts=()
  rnd start 0 0.15
  tmp s; silence "$s" "$start"
  parts+=("$s")
  for ((k = 0; k < 13; k++)); do
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
  tmp t; sox -R "${parts[@]}" "$s" "$t" trim 0 2.4
  people+=("$t")
done
tmp t; sox -R -m "${people[@]}" "$t" fade q 0.05 2.4 0.7
finish "$t" applause

# A draw: the same note twice, even-handed.
tmp t; chain "$t" triangle 0.25 0.3 67 67
finish "$t" draw

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
finish "$t" endGame1

# Goodbye: a soft falling arpeggio.
tmp t; chain "$t" sine 0.15 0.6 84 79 76 72
finish "$t" exitGame -1

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
# The reverb rings out over two seconds of added silence, and the whole then
# fades to nothing, with a little digital silence after it so the encoder's
# last frame holds no sound.
tmp wet
sox -R -m "$lead" "$pad" "$low" "$wet" gain -3 pad 0 2 reverb 30 50 70
sox -R "$wet" "$song" fade q 0.01 -0 2.5 gain -n -1 pad 0 0.2
lame --quiet -m m -b 96 "$song" assets/win01.mp3

# --- What came out --------------------------------------------------------
# Per effect: length; peak; the level above; the loudest momentary loudness
# (EBU R 128, 400 ms) by ffmpeg for comparison; how long its tail stays below
# -50 dBFS; and the share of its energy above 250 Hz.
printf '%-11s %6s %7s %7s %7s %6s %5s\n' name len_s peak_dB level momLUFS tailms '>250Hz'
for f in "$out"/*.WAV; do
  name=$(basename "$f" .WAV)
  len=$(soxi -D "$f")
  tmp trimmed
  sox "$f" "$trimmed" reverse silence 1 0.001 -50d reverse
  tail=$(awk -v a="$len" -v b="$(soxi -D "$trimmed")" 'BEGIN { printf "%.0f", (a - b) * 1000 }')
  momentary=$(ffmpeg -nostats -hide_banner -v verbose -i "$f" \
    -af "apad=pad_dur=0.5,ebur128=framelog=verbose" -f null - 2>&1 |
    grep -o "M: *[-0-9.]*" | awk 'NR == 1 || $2 > m { m = $2 } END { print m }')
  all=$(sox "$f" -n stats 2>&1 | awk '/RMS lev dB/ {print $4}')
  high=$(sox "$f" -n sinc 250 stats 2>&1 | awk '/RMS lev dB/ {print $4}')
  share=$(awk -v a="$all" -v h="$high" 'BEGIN { printf "%.0f%%", 100 * 10 ^ ((h - a) / 10) }')
  printf '%-11s %6.3f %7s %7s %7s %6s %5s\n' "$name" "$len" "$(peak "$f")" "$(loudness "$f")" \
    "$momentary" "$tail" "$share"
done
tmp decoded
sox assets/win01.mp3 "$decoded"
echo "win01.mp3: $(soxi -D "$decoded") s, peak $(peak "$decoded") dBFS," \
  "last 50 ms peak $(sox "$decoded" -n reverse trim 0 0.05 stats 2>&1 | awk '/Pk lev dB/ {print $4}') dBFS"
