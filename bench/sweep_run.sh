#!/usr/bin/env bash
# Sweep timings: `sweep run -j 2` of 8 runs against the same 8 runs one after
# another (target: ratio at most 0.6 on two cores), and `sweep gather` of
# 1000 finished runs (target: under 2 s). BUILD_DIR is the build to time.
# Both are measured twice, alternately, and the better time of each is kept,
# so that a burst of load on a shared machine weighs less.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
sweep="$build/sweep/sweep"
mirelo="$build/console/mirelo"
export MIRELO="$mirelo"
work=$(mktemp -d /tmp/sweep-bench-XXXXXX)
trap 'rm -rf "$work"' EXIT
TIMEFORMAT='%R %U %S'

# Wall-clock seconds of a command (its output discarded).
seconds() { { time "$@" >/dev/null 2>&1; } 2>&1 | cut -d' ' -f1; }
serial_runs() { for folder in "$1"/run-*; do (cd "$folder" && "$mirelo" -s2 >/dev/null); done; }
best() { printf '%s\n' "$@" | sort -g | head -n1; }

echo "Machine load before: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"

# Eight runs of the soft-core example, about two seconds of computing each
# (32000 steps of 0.05 at the solver's present speed), so that GNU parallel's
# own start (about 0.4 s) weighs as it would in a real sweep.
mkdir "$work/base"
cp "$root"/examples/soft-core-pulse/*.par "$work/base"
sed -i 's/^2000  0  0.05/32000  0  0.05/' "$work/base/1d-grid.par"
serial=() parallel=()
for round in 1 2; do
  "$sweep" make "$work/base" "$work/s$round" 'Eo=log:0.01:0.3:8' >/dev/null
  "$sweep" make "$work/base" "$work/p$round" 'Eo=log:0.01:0.3:8' >/dev/null
  serial+=("$(seconds serial_runs "$work/s$round")")
  parallel+=("$(seconds "$sweep" run "$work/p$round" -j 2)")
done
s=$(best "${serial[@]}") p=$(best "${parallel[@]}")
printf 'sweep run -j 2, 8 runs: %.2f s (rounds: %s); one after another: %.2f s (rounds: %s); ratio %.2f (target <= 0.60)\n' \
  "$p" "${parallel[*]}" "$s" "${serial[*]}" "$(echo "$p / $s" | bc -l)"

# Gather of 1000 finished runs, each with the time-quantities file of a real
# run. The sets come from the free Gaussian, which the check builds quickly.
"$sweep" make "$root/examples/free-gauss" "$work/big" 'Eo=0.001:0.3:1000' >/dev/null
# The time-quantities file of a real run, cut to its first 4001 time nodes.
timed="$work/timed.dat"
awk '/^#/ { print; next } ++rows <= 4001' "$work/p1/run-0001/1d-timed.dat" > "$timed"
for folder in "$work"/big/run-*; do
  cp "$timed" "$folder/1d-timed.dat"
  echo 0 > "$folder/status"
done
for round in 1 2; do
  read -r real user sys < <({ time "$sweep" gather "$work/big" >/dev/null 2>&1; } 2>&1)
  printf 'sweep gather, 1000 runs of %d time nodes: %.2f s (cpu %.2f s user + %.2f s system; target < 2 s)\n' \
    "$(grep -vc '^#' "$timed")" "$real" "$user" "$sys"
done
echo "Machine load after: $(cut -d' ' -f1-3 /proc/loadavg)"
