#!/usr/bin/env bash
# Start-up time and peak memory of Corvane against the floor program, under Xvfb.
#   bench/startup.sh [RUNS]     (default 20 runs of each, alternating)
# Needs a build from scripts/test (build/bin/corvane, build/bench/*).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
build=${BUILD:-build}
for f in "$build/bin/corvane" "$build/bench/corvane_floor" "$build/bench/corvane_mapwait"; do
  [ -x "$f" ] || { echo "missing $f: run scripts/test first" >&2; exit 1; }
done
command -v Xvfb >/dev/null || { echo "Xvfb is missing: apt-get install xvfb" >&2; exit 1; }

display=:71
Xvfb $display -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$(mktemp -d); chmod 700 "$XDG_RUNTIME_DIR"

table=${TABLE:-$build/bin/quillet.ini}
out=$(mktemp -d)
"$build/bench/corvane_mapwait" "$build/bin/corvane" --core-table "$table" >/dev/null   # warm the caches
"$build/bench/corvane_mapwait" "$build/bench/corvane_floor" >/dev/null
for ((i = 0; i < runs; i++)); do
  "$build/bench/corvane_mapwait" "$build/bin/corvane" --core-table "$table" >> "$out/corvane"
  "$build/bench/corvane_mapwait" "$build/bench/corvane_floor" >> "$out/floor"
done

python3 - "$out/corvane" "$out/floor" "$runs" "$table" <<'PY'
import statistics, sys
def load(path):
    rows = [tuple(map(float, line.split())) for line in open(path) if line.strip()]
    return [r[0] for r in rows], [r[1] / 1024 for r in rows]
ct, cm = load(sys.argv[1])
ft, fm = load(sys.argv[2])
cores = sum(1 for line in open(sys.argv[4], errors="replace") if line.startswith("@"))
print(f"runs: {sys.argv[3]} of each, alternating; core table with {cores} records")
print(f"{'':10} {'start-up ms (median, range)':32} {'peak RSS MiB (median, range)'}")
for name, t, m in (("corvane", ct, cm), ("floor", ft, fm)):
    print(f"{name:10} {statistics.median(t):7.1f}  ({min(t):.1f} .. {max(t):.1f}){'':8} "
          f"{statistics.median(m):6.1f}  ({min(m):.1f} .. {max(m):.1f})")
print(f"ratio corvane/floor: start-up {statistics.median(ct) / statistics.median(ft):.3f}, "
      f"memory {statistics.median(cm) / statistics.median(fm):.3f}  (targets: at most 1.15 each)")
PY
rm -rf "$out"
