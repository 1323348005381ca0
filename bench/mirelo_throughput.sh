#!/usr/bin/env bash
# End-to-end cost of mirelo on the throughput case (soft-core potential,
# sin^2 pulse, Kosloff absorbers, Gaussian start, length gauge, no snapshots,
# -s2): ns per grid point per time step, net of the start-up (a run of the
# same files with no time steps). BUILD_DIR names the build to time.
set -euo pipefail
mirelo="${BUILD_DIR:?BUILD_DIR must name a build}/console/mirelo"
points="${POINTS:-4096}"
steps="${STEPS:-2000}"
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
cd "$folder"

write_files() {
  printf '1\n%s -100 100\n%s 0 0.05\n' "$points" "$1" >1d-grid.par
  printf '1\n2 -1 1\n0 0.05 0.5 0 0\n0 0 0\n2 30 20\n0\n1 0.5 4\n0 0 0\n0\n0 0\n' >1d-eq.par
  printf '1\n1 x\n0 1 0 1\n0 0 0 0\n0\n0 x\n' >1d-psi.par
}

# CPU seconds (user + system) and wall seconds of one run, the least of three.
best_times() {
  local best_cpu="" best_wall=""
  for _ in 1 2 3; do
    local start end cpu wall
    start=$(date +%s%N)
    cpu=$( { TIMEFORMAT='%U %S'; time "$mirelo" -s2 >/dev/null 2>&1; } 2>&1 | awk '{print $1 + $2}')
    end=$(date +%s%N)
    wall=$(awk -v a="$start" -v b="$end" 'BEGIN {print (b - a) / 1e9}')
    best_cpu=$(awk -v a="$best_cpu" -v b="$cpu" 'BEGIN {print (a == "" || b < a) ? b : a}')
    best_wall=$(awk -v a="$best_wall" -v b="$wall" 'BEGIN {print (a == "" || b < a) ? b : a}')
  done
  echo "$best_cpu $best_wall"
}

write_files 0
read -r start_cpu start_wall < <(best_times)
write_files "$steps"
read -r run_cpu run_wall < <(best_times)
awk -v p="$points" -v s="$steps" -v c0="$start_cpu" -v w0="$start_wall" -v c="$run_cpu" -v w="$run_wall" 'BEGIN {
  scale = 1e9 / (p * s)
  printf "mirelo -s2, %d points x %d steps: %.1f ns per point per step (CPU %.1f), start-up %.3f s\n",
         p, s, (w - w0) * scale, (c - c0) * scale, w0
}'
echo "Machine load: $(cut -d' ' -f1-3 /proc/loadavg)"
