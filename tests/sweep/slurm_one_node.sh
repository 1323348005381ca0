#!/usr/bin/env bash
# A sweep on a real one-node Slurm cluster: munged, slurmctld and slurmd are
# started from a configuration in a temporary folder (no systemd), a sweep of
# three runs goes in as one job array capped at two tasks (so two runs share
# a task), sbatch --wait runs it, and gather must find all three finished.
# The results folder has a blank in its name, as the script's directives
# must survive.
# The daemons are stopped by their process ids. Exit 77 (skipped, with the
# reason) when not root or when Slurm or munge are not installed.
set -u
sweep=$1
mirelo=$2

skip() {
  echo "SKIPPED: $*"
  exit 77
}
[ "$(id -u)" -eq 0 ] || skip "starting munged, slurmctld and slurmd needs root"
for tool in munged slurmctld slurmd sbatch scontrol sinfo; do
  command -v "$tool" >/dev/null || skip "$tool is missing (Debian packages slurm-wlm and munge)"
done

work=$(mktemp -d /tmp/sweep-slurm-XXXXXX)
chmod 700 "$work"
pids=()
stop_daemons() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null
  done
}
finish() {
  stop_daemons
  rm -rf "$work"
}
trap finish EXIT
fail() {
  echo "FAILED: $*"
  for log in "$work"/*.log; do echo "== $log"; tail -n 20 "$log"; done
  exit 1
}

host=$(hostname -s)
port=$((20000 + RANDOM % 20000))
mkdir -p "$work/munge" "$work/state" "$work/spool"
chmod 700 "$work/munge"
dd if=/dev/urandom of="$work/munge/munge.key" bs=1024 count=1 status=none
chmod 400 "$work/munge/munge.key"
munged -F --force --key-file="$work/munge/munge.key" --socket="$work/munge/munge.socket" \
  --pid-file="$work/munge/munged.pid" --log-file="$work/munged.log" --seed-file="$work/munge/seed" &
pids+=($!)

cat > "$work/slurm.conf" <<CONF
ClusterName=sweeptest
SlurmctldHost=$host
SlurmUser=root
SlurmdUser=root
SlurmctldPort=$port
SlurmdPort=$((port + 1))
AuthType=auth/munge
CredType=cred/munge
AuthInfo=socket=$work/munge/munge.socket
StateSaveLocation=$work/state
SlurmdSpoolDir=$work/spool
SlurmctldPidFile=$work/slurmctld.pid
SlurmdPidFile=$work/slurmd.pid
SlurmctldLogFile=$work/slurmctld.log
SlurmdLogFile=$work/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
SelectType=select/cons_tres
SelectTypeParameters=CR_Core
SchedulerType=sched/builtin
MaxArraySize=2
ReturnToService=2
MpiDefault=none
JobCompType=jobcomp/none
AccountingStorageType=accounting_storage/none
JobAcctGatherType=jobacct_gather/none
NodeName=$host CPUs=$(nproc) State=UNKNOWN
PartitionName=sweep Nodes=$host Default=YES MaxTime=INFINITE State=UP
CONF
export SLURM_CONF="$work/slurm.conf"

for _ in $(seq 50); do [ -S "$work/munge/munge.socket" ] && break; sleep 0.1; done
[ -S "$work/munge/munge.socket" ] || fail "munged did not start"
slurmctld -D -i -f "$SLURM_CONF" &
pids+=($!)
slurmd -D -f "$SLURM_CONF" &
pids+=($!)
for _ in $(seq 100); do
  state=$(sinfo -h -n "$host" -o %t 2>/dev/null)
  [ "$state" = idle ] && break
  sleep 0.3
done
[ "$state" = idle ] || fail "the node did not become idle (state: ${state:-none})"

mkdir "$work/base"
printf '1\n32  -8  8\n10  0  0.01\n' > "$work/base/1d-grid.par"
printf '1\n1  -1  2\n0  0.1  0.5  0  0\n0  0  0\n0  0  0\n0\n0  0  0\n0  1  1\n0\n0  0\n' > "$work/base/1d-eq.par"
printf '1\n1  brak\n0  0.5  0  1\n0  0  0  0\n0\n0  brak\n' > "$work/base/1d-psi.par"
"$sweep" make "$work/base" "$work/out dir" Eo=0.05,0.1,0.2 || fail "sweep make"
MIRELO="$mirelo" "$sweep" slurm "$work/out dir" --partition sweep --time 5 || fail "sweep slurm"
grep -q -- '^#SBATCH --array=0-1$' "$work/out dir/sweep.sbatch" || fail "three runs are not packed into two tasks"
grep -q '^runs_per_task=2$' "$work/out dir/sweep.sbatch" || fail "two runs per task expected"
(cd "$work" && timeout 240 sbatch --wait "$work/out dir/sweep.sbatch") || fail "sbatch --wait"
"$sweep" gather "$work/out dir" || fail "sweep gather"
rows=$(grep -vc '^#' "$work/out dir/summary.dat")
[ "$rows" -eq 3 ] || fail "summary.dat holds $rows runs instead of 3"
awk '!/^#/ && $NF != 0 { bad = 1 } END { exit bad }' "$work/out dir/summary.dat" || fail "a run did not end with status 0"
# Nothing is left to submit once every run has finished.
"$sweep" slurm "$work/out dir" | grep -q 'Wszystkie przebiegi' || fail "finished runs were submitted again"
echo "PASSED: three runs in a two-task array on a one-node Slurm cluster, into a folder with a blank"
