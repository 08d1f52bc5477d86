#!/usr/bin/env bash
# Start-up time and peak memory of Corvane against the floor program, under Xvfb
# without a window manager.
#   bench/startup.sh [RUNS [COUNTED]]
# RUNS (default 20) timed runs of each program, interleaved; then, when valgrind
# is installed, COUNTED (default 3) runs of each under callgrind, whose counts of
# executed instructions until the window is mapped do not depend on the load of
# the machine.
# Each round starts Corvane with a 50-core table (the shipped records repeated
# after the shipped file), the floor, and Corvane with the shipped table.
# Each run is timed from launch until the first top-level window is mapped;
# its peak resident memory (VmHWM) is read a second after that.
# Needs a build from scripts/test (build/bin/corvane, build/bench/*) and Xvfb.
# Environment: BUILD (default build), XDISPLAY (default: the first free of :71..:75).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
counted=${2:-3}
build=${BUILD:-build}
for f in "$build/bin/corvane" "$build/bin/quillet.ini" "$build/bench/corvane_floor" "$build/bench/corvane_mapwait"; do
  [ -e "$f" ] || { echo "missing $f: run scripts/test first" >&2; exit 1; }
done
command -v Xvfb >/dev/null || { echo "Xvfb is missing: apt-get install xvfb" >&2; exit 1; }

display=${XDISPLAY:-}
if [ -z "$display" ]; then
  for n in 71 72 73 74 75; do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=:$n; break; fi
  done
  [ -n "$display" ] || { echo "displays :71 to :75 are all taken" >&2; exit 1; }
fi

work=$(mktemp -d)
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X${display#:}" ] && break
  sleep 0.1
done
export DISPLAY=$display QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
mkdir -m 700 "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"

# The shipped table (found as at any start: the configuration folder above holds
# no copy of the user's), and one of 50 cores: the shipped file with its records
# repeated after it.
shipped=$build/bin/quillet.ini
full=$work/quillet50.ini
awk '{ print } /^@/ { record[n++] = $0 } END { for (i = n; n > 0 && i < 50; i++) print record[i % n] }' \
  "$shipped" > "$full"
grep -aq '^@' "$shipped" || { echo "$shipped has no records" >&2; exit 1; }

mapwait() { "$build/bench/corvane_mapwait" "$@"; }
# Warm the file caches first.
mapwait "$build/bin/corvane" --core-table "$full" >/dev/null
mapwait "$build/bench/corvane_floor" >/dev/null
for ((i = 0; i < runs; i++)); do
  mapwait "$build/bin/corvane" --core-table "$full" >> "$work/corvane50"
  mapwait "$build/bench/corvane_floor" >> "$work/floor"
  mapwait "$build/bin/corvane" >> "$work/corvane"
done

# Instructions until the first map: under callgrind, ended as soon as it maps.
if [ "$counted" -gt 0 ] && command -v valgrind >/dev/null; then
  counted_run() {
    local out=$work/callgrind.out
    rm -f "$out"
    mapwait --settle 0 valgrind --tool=callgrind --callgrind-out-file="$out" "$@" >/dev/null 2>&1
    sed -n 's/^totals: //p' "$out"
  }
  for ((i = 0; i < counted; i++)); do
    counted_run "$build/bin/corvane" --core-table "$full" >> "$work/ir.corvane50"
    counted_run "$build/bench/corvane_floor" >> "$work/ir.floor"
    counted_run "$build/bin/corvane" >> "$work/ir.corvane"
  done
fi

python3 - "$work" "$runs" "$full" "$shipped" <<'PY'
import os, statistics, sys
work, runs, full, shipped = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4]
def cores(path):
    return sum(1 for line in open(path, "rb") if line.startswith(b"@"))
def load(name):
    rows = [list(map(float, line.split())) for line in open(os.path.join(work, name)) if line.strip()]
    return [r[0] for r in rows], [r[1] / 1024 for r in rows], [r[2] for r in rows]
def cell(values, digits):
    return f"{statistics.median(values):7.{digits}f} ({min(values):.{digits}f} .. {max(values):.{digits}f})"
print(f"{runs} runs of each, interleaved; load average {os.getloadavg()[0]:.2f}")
print(f"{'':22} {'to first map, ms':26} {'CPU to map, ms':26} {'peak RSS (VmHWM), MiB'}")
results = {}
for label, name in ((f"corvane, {cores(full)} cores", "corvane50"), ("floor", "floor"),
                    (f"corvane, {cores(shipped)} cores", "corvane")):
    t, m, c = load(name)
    results[name] = (t, m, c)
    print(f"{label:22} {cell(t, 1):26} {cell(c, 1):26} {cell(m, 2)}")
ft, fm, fc = results["floor"]
for label, name in (("50 cores", "corvane50"), ("shipped table", "corvane")):
    t, m, c = results[name]
    print(f"ratio corvane/floor, {label}: start-up {statistics.median(t) / statistics.median(ft):.3f}, "
          f"CPU {statistics.median(c) / statistics.median(fc):.3f}, "
          f"memory {statistics.median(m) / statistics.median(fm):.3f}  (targets: at most 1.15)")
def counts(name):
    path = os.path.join(work, "ir." + name)
    return [int(line) for line in open(path) if line.strip()] if os.path.exists(path) else []
floor = counts("floor")
if floor:
    print(f"instructions until the first map (callgrind, {len(floor)} runs of each, median):")
    for label, name in (("corvane, 50 cores", "corvane50"), ("floor", "floor"), ("corvane, shipped", "corvane")):
        c = counts(name)
        print(f"  {label:20} {statistics.median(c) / 1e6:7.1f} M" +
              ("" if name == "floor" else f"  ratio {statistics.median(c) / statistics.median(floor):.3f}"))
else:
    print("instructions not counted (valgrind is not installed)")
PY
