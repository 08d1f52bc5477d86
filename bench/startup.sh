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

# Summary: median and range of each column, and the ratios of the medians.
# Columns of corvane_mapwait: ms to map, peak RSS in kB, CPU ms to map.
median() { # FILE COLUMN [SCALE]
  sort -g -k"$2,$2" "$1" | awk -v c="$2" -v s="${3:-1}" '{ v[NR] = $c / s }
    END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
cell() { # FILE COLUMN DIGITS [SCALE]
  sort -g -k"$2,$2" "$1" | awk -v c="$2" -v d="$3" -v s="${4:-1}" '{ v[NR] = $c / s }
    END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
          printf "%7." d "f (%." d "f .. %." d "f)", m, v[1], v[NR] }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }

echo "$runs runs of each, interleaved; load average $(cut -d' ' -f1 /proc/loadavg)"
printf '%-22s %-26s %-26s %s\n' "" "to first map, ms" "CPU to map, ms" "peak RSS (VmHWM), MiB"
row() { printf '%-22s %-26s %-26s %s\n' "$1" "$(cell "$2" 1 1)" "$(cell "$2" 3 1)" "$(cell "$2" 2 2 1024)"; }
row "corvane, $(grep -ac '^@' "$full") cores" "$work/corvane50"
row "floor" "$work/floor"
row "corvane, $(grep -ac '^@' "$shipped") cores" "$work/corvane"
for case in "50 cores:corvane50" "shipped table:corvane"; do
  label=${case%%:*} name=${case#*:}
  echo "ratio corvane/floor, $label:" \
    "start-up $(ratio "$(median "$work/$name" 1)" "$(median "$work/floor" 1)")," \
    "CPU $(ratio "$(median "$work/$name" 3)" "$(median "$work/floor" 3)")," \
    "memory $(ratio "$(median "$work/$name" 2)" "$(median "$work/floor" 2)")  (targets: at most 1.15)"
done
if [ -s "$work/ir.floor" ]; then
  floor_ir=$(median "$work/ir.floor" 1)
  echo "instructions until the first map (callgrind, $counted runs of each, median):"
  for case in "corvane, 50 cores:corvane50" "floor:floor" "corvane, shipped:corvane"; do
    label=${case%%:*} name=${case#*:}
    ir=$(median "$work/ir.$name" 1)
    line=$(printf '  %-20s %7.1f M' "$label" "$(awk -v v="$ir" 'BEGIN { print v / 1e6 }')")
    [ "$name" = floor ] || line="$line  ratio $(ratio "$ir" "$floor_ir")"
    echo "$line"
  done
else
  echo "instructions not counted (valgrind is not installed, or COUNTED is 0)"
fi
