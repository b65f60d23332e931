#!/usr/bin/env bash
# A throw-away X server (Xvfb) for the tests that need a real display, with real input through XTest.
#   test-x11.sh start FILE   starts it and writes DISPLAY=:N and its process id to FILE (KEY=VALUE lines)
#   test-x11.sh stop FILE    stops the server FILE names and removes FILE
set -euo pipefail

case "${1:-}" in
start)
  file=${2:?file}
  command -v Xvfb >/dev/null || { echo "Xvfb is not installed (scripts/install-deps.sh)" >&2; exit 1; }
  mkdir -p "$(dirname "$file")"
  fifo=$(mktemp -u /tmp/tessaline-x11.XXXXXX)
  mkfifo "$fifo"
  # Xvfb picks a free display itself and names it on the descriptor; setsid keeps it out of
  # the test run's process group, so that CTest does not wait for it.
  setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" </dev/null >/dev/null 2>&1 &
  pid=$!
  number=$(timeout 20 head -n 1 "$fifo" || true)
  rm -f "$fifo"
  if [[ -z $number ]]; then
    kill "$pid" 2>/dev/null || true
    echo "Xvfb did not start" >&2
    exit 1
  fi
  printf 'DISPLAY=:%s\nTESSALINE_XVFB_PID=%s\n' "$number" "$pid" >"$file"
  ;;
stop)
  file=${2:?file}
  [[ -f $file ]] || exit 0
  pid=$(sed -n 's/^TESSALINE_XVFB_PID=//p' "$file")
  [[ -n $pid ]] && kill "$pid" 2>/dev/null || true
  rm -f "$file"
  ;;
*)
  echo "usage: $0 start|stop FILE" >&2
  exit 2
  ;;
esac
