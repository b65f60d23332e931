#!/usr/bin/env bash
# Pauses of the program's window thread with its real window and chart, on the star schema
# benchmark's cube (build/bench/ssb-data-sf<N>/ssb.cub, made by bench/ssb/run.sh or
# `ssb_bench --generate-only`), under Xvfb. Three runs of the program:
#   start-up   the data folder holds the cube alone: start-up to the first painted pivot
#   click      two cubes: start-up, then a first click on the second cube's node
#   cities     the cube with a saved report of customer city x supplier city x year and the
#              distinct count of orders, which the program opens at start
# Each is measured inside the program's event loop (PauseProbe.cpp, loaded with LD_PRELOAD)
# and from outside by pinging its window (WindowPing.cpp).
#   bench/probe/run.sh [--display :26] [--sf 1] [--runs 1]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
display=:26
sf=1
runs=1
while [[ $# -gt 0 ]]; do
  case $1 in
    --display) display=$2; shift 2 ;;
    --sf) sf=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    *) echo "usage: bench/probe/run.sh [--display :N] [--sf N] [--runs N]" >&2; exit 2 ;;
  esac
done

build=$root/build/bench
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSALINE_TESTS=OFF -DTESSALINE_BENCH=ON >/dev/null
cmake --build "$build" --target tessaline tessaline_pause_probe window_ping cities_report >/dev/null
cube=$build/ssb-data-sf$sf/ssb.cub
[[ -f $cube ]] || { echo "no $cube: run $build/bench/ssb/ssb_bench --sf $sf --generate-only in $build" >&2; exit 1; }

# The raw column data: the fact table's ten 4-byte columns, 6 million rows a scale factor.
raw_mb=$((sf * 6000000 * 10 * 4 / 1000000))

work=$build/probe
rm -rf "$work"
mkdir -p "$work/start-up" "$work/click" "$work/cities" "$work/runtime"
chmod 700 "$work/runtime"
ln -s "$cube" "$work/start-up/ssb.cub"
ln -s "$cube" "$work/click/ssb.cub"
# A file of its own name for the second cube (a hard link), so that its click reads it anew.
ln "$cube" "$work/click/ssb2.cub"
ln -s "$cube" "$work/cities/ssb.cub"
# Nothing of the user's (settings, documents, the lock of a running copy) is touched.
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME"
QT_QPA_PLATFORM=offscreen "$build/bench/probe/cities_report" "$work/cities" ssb

if ! xdpyinfo -display "$display" >/dev/null 2>&1; then
  Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb' EXIT
  for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
fi
export DISPLAY=$display QT_QPA_PLATFORM=xcb

# One run: the program on a data folder with a script of actions; prints the figures.
measure() {
  local name=$1 folder=$2 script=$3 run=$4
  local out=$work/$name-$run
  "$build/bench/probe/window_ping" "Tessaline Tool for Excel" 120 >"$out.ping" &
  local ping=$!
  TESSALINE_PROBE_OUT=$out.probe TESSALINE_PROBE_SCRIPT=$script \
    LD_PRELOAD=$build/bench/probe/libtessaline_pause_probe.so "$build/tessaline" "$folder" || true
  # The ping ends by itself when the window is gone.
  for _ in $(seq 50); do kill -0 $ping 2>/dev/null || break; sleep 0.1; done
  kill $ping 2>/dev/null || true
  wait $ping 2>/dev/null || true
  # Pauses count from the pivot's first paint: before it the window is still being made.
  awk -v name="$name" -v run="$run" -v raw="$raw_mb" '
    $1 == "shown" { shown = $2 }
    $1 == "memory" { peak = $2; held = $3 }
    $1 == "painted" { painted[++n] = $2; rows[n] = $3 }
    $1 == "action" { action = $2 }
    $1 == "pause" && shown != "" && $2 >= shown && $3 > longest { longest = $3; at = $2 }
    END {
      printf "%s run %d: pivot shown %d ms after start, its first result painted at %d ms (%d rows)", name, run, shown, painted[1], rows[1]
      if (action) printf "; action at %d ms, its result painted %d ms later (%d rows)", action, painted[n] - action, rows[n]
      printf "; longest pause of the event loop after the pivot was shown %d ms (at %d ms)", longest, at
      if (peak) printf "; memory peak %d MB (%.2f x the raw column data), held at the end %d MB", peak, peak / raw, held
    }' "$out.probe"
  awk '$1 == "pings" { printf "; longest ping answer %s ms (of %s pings)", $4, $2 }' "$out.ping"
  echo
}

for ((run = 1; run <= runs; run++)); do
  measure start-up "$work/start-up" "" "$run"
  measure click "$work/click" "click:ssb2" "$run"
  measure switches "$work/click" "click:ssb2;click:ssb;click:ssb2;click:ssb" "$run"
  measure cities "$work/cities" "" "$run"
done
