#!/usr/bin/env bash
# mirelo-plot on small runs of the real mirelo: the pictures exist with their
# sizes and show data, the run's folder is left as it was, a missing file
# skips only its picture, and failures end with status 1.
#   mirelo_plot_test.sh MIRELO MIRELO_PLOT
set -uo pipefail
mirelo="$(realpath "$1")" plot="$(realpath "$2")"
source "$(dirname "$0")/../common/shell_checks.sh"
require "Debian gnuplot-nox" gnuplot
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Width and height of a PNG, from its header.
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", (($1 * 256 + $2) * 256 + $3) * 256 + $4, (($5 * 256 + $6) * 256 + $7) * 256 + $8 }'
}

# Pixels that are neither white, grey nor black: the data drawn in colour.
# (The frame, the tics and the texts are grey shades; a picture whose data
# failed to draw has at most the few coloured pixels of its key.)
coloured_pixels() {
  gnuplot -e "set table '$work/pixels.txt'; plot '$1' binary filetype=png with rgbimage" 2>/dev/null
  awk 'NF >= 5 && $1 !~ /^#/ && !($3 == $4 && $4 == $5) { n++ } END { print n + 0 }' "$work/pixels.txt"
}

picture_ok() {  # picture_ok FILE WIDTHxHEIGHT
  [ -f "$1" ] || { echo "missing $1"; return 1; }
  local size colour
  size="$(png_size "$1")"
  [ "$size" = "$2" ] || { echo "$1 is $size, not $2"; return 1; }
  colour="$(coloured_pixels "$1")"
  ((colour > 1500)) || { echo "$1 has only $colour coloured pixels"; return 1; }
}

# A soft-core atom in a short pulse with an absorber: 256 points (so there
# are FFT files), 40 steps, a plot file every 10 steps and an FFT every 20.
make_run() {  # make_run DIR PROJECTION_FLAG PROJECTION_FILE
  mkdir -p "$1"
  printf '1\n256 -40 40\n40 0 0.05\n' >"$1/1d-grid.par"
  printf '1\n2 -1 1\n0 0.1 0.8 0 0\n0 0 0\n2 1 0\n0\n1 0.5 4\n0 1 1\n0\n1 1\n' >"$1/1d-eq.par"
  printf '1\n1 brak\n0 1 1 1\n10 20 20 0\n0\n%s %s\n' "$2" "$3" >"$1/1d-psi.par"
  (cd "$1" && "$mirelo" -s2 >/dev/null 2>&1)
}

run="$work/run"
make_run "$run" 0 brak
check "mirelo makes the run" [ -f "$run/plt00040.dat" ] && [ -f "$run/fft00040.dat" ] && [ -f "$run/e(t).dat" ]
listing() { find "$1" -printf '%p %s %T@\n' | sort; }
before="$(listing "$run")"

# Every picture, into a folder of its own.
out="$work/pictures"
"$plot" "$run" -o "$out" -s 20 >"$work/out.txt" 2>&1
check "all pictures drawn with status 0" [ $? -eq 0 ]
check "timed.png" picture_ok "$out/timed.png" 1000x900
check "carpet.png" picture_ok "$out/carpet.png" 1000x700
check "field.png" picture_ok "$out/field.png" 1000x600
check "potential.png" picture_ok "$out/potential.png" 1000x600
check "momentum.png" picture_ok "$out/momentum.png" 1000x600
check "snapshot-00020.png" picture_ok "$out/snapshot-00020.png" 1000x600
check "nothing but the six pictures in the output folder" [ "$(ls -A "$out" | wc -l)" -eq 6 ]
check "the run's folder is left as it was" [ "$(listing "$run")" = "$before" ]

# Default output folder: RUN_DIR/plots, also for a relative RUN_DIR.
(cd "$work" && "$plot" run >/dev/null 2>&1)
check "default output is RUN_DIR/plots" [ -f "$run/plots/carpet.png" ]

# A run without e(t).dat: only field.png is skipped, with one line.
cp -r "$run" "$work/no-field" && rm -rf "$work/no-field/e(t).dat" "$work/no-field/plots"
"$plot" "$work/no-field" >"$work/out.txt" 2>&1
check "a missing e(t).dat is not a failure" [ $? -eq 0 ]
check "field.png is not drawn" [ ! -e "$work/no-field/plots/field.png" ]
check "one line says field.png is skipped" [ "$(grep -c 'field.png' "$work/out.txt")" -eq 1 ]
for name in timed carpet potential momentum; do
  check "$name.png is still drawn without e(t).dat" [ -s "$work/no-field/plots/$name.png" ]
done

# A run that projected on a file: a fourth panel in timed.png.
projected="$work/projected"
mkdir -p "$projected" && cp "$run/psi00000.dat" "$projected/start.dat"
make_run "$projected" 1 start.dat
check "the run has a projection column" [ "$(awk '!/^#/ { print NF; exit }' "$projected/1d-timed.dat")" -eq 5 ]
"$plot" "$projected" >/dev/null 2>&1
check "timed.png with the projection panel" picture_ok "$projected/plots/timed.png" 1000x900

# A folder without results: status 1 and nothing written into it.
mkdir -p "$work/empty"
"$plot" "$work/empty" >/dev/null 2>&1
check "a folder without results fails with status 1" [ $? -eq 1 ]
check "nothing is written into a folder without results" [ -z "$(ls -A "$work/empty")" ]
"$plot" "$work/does-not-exist" >/dev/null 2>&1
check "a missing folder fails with status 1" [ $? -eq 1 ]

# A damaged 1d-timed.dat: its picture fails (status 1, no file left under
# its name or a temporary one), the others are still drawn.
damaged="$work/damaged"
mkdir -p "$damaged" && cp "$run/v(x).dat" "$damaged/"
printf '#t  norma  |<0|t>|^2  <x>\nzero jeden dwa trzy\n' >"$damaged/1d-timed.dat"
"$plot" "$damaged" >"$work/out.txt" 2>&1
check "a picture gnuplot cannot draw gives status 1" [ $? -eq 1 ]
check "no timed.png after the failure" [ ! -e "$damaged/plots/timed.png" ]
check "no partial file after the failure" [ "$(ls -A "$damaged/plots")" = "potential.png" ]

# A bad option and a bad step are refused before anything is drawn.
"$plot" "$run" -x >/dev/null 2>&1
check "an unknown option fails with status 1" [ $? -eq 1 ]
"$plot" "$run" -s 1x >/dev/null 2>&1
check "a step that is not a number fails with status 1" [ $? -eq 1 ]

((failures > 0)) && cat "$work/out.txt"  # the last output, to see why
finish mirelo-plot
