#!/usr/bin/env bash
# End-to-end time of mirelo-spectrum on a dipole record of 10^6 time nodes
# (a synthetic record: three harmonics of w = 0.057 at dt = 0.05): reading,
# transform, spectrum.dat and spectrum.png. Target: under a second.
set -euo pipefail
build_dir="${BUILD_DIR:-$(cd "$(dirname "$0")/.." && pwd)/build}"
program="$build_dir/harmonics/mirelo-spectrum"
[ -x "$program" ] || { echo "brak programu $program"; exit 1; }
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
cd "$folder"
printf '1\n1024 -100 100\n999999 0 0.05\n' > 1d-grid.par
printf '1\n2 -1 1.4142135623730951\n0 0.05 0.057 0 0\n0 0 0\n0 0 0\n0\n0 0 0\n0 1 1\n0\n0 0 1\n' > 1d-eq.par
printf '1\n3 brak\n0 1 0 1\n0 0 0 0\n0\n0 brak\n' > 1d-psi.par
awk 'BEGIN {
  print "#Przyspieszenie dipolowe (wersja dE)"; print "#"; print "#t  <x>  <dV/dx>  F(t)  a(t)";
  w = 0.057
  for (j = 0; j < 1000000; ++j) {
    t = j * 0.05
    a = sin(w * t) + 1e-3 * sin(3 * w * t) + 1e-6 * sin(21 * w * t)
    printf "%.17g  %.17g  %.17g  %.17g  %.17g\n", t, -a / (w * w), 0.1 * a, 1.1 * a, a
  }
}' > 1d-dipole.dat
echo "1d-dipole.dat: $(wc -l < 1d-dipole.dat) lines, $(du -m 1d-dipole.dat | cut -f1) MB"
for run in 1 2 3; do
  start=$(date +%s.%N)
  "$program" --ip 0.5 > /dev/null
  end=$(date +%s.%N)
  echo "mirelo-spectrum, 10^6 time nodes, run $run: $(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }') s"
done
