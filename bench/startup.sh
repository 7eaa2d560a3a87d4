#!/usr/bin/env bash
# Time from the start of TALVO to its login window on screen, over several runs,
# in the demo folder (scripts/demo.sh prepares it), on a virtual screen.
#   bench/startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${1:-5}
[ -f demo/Ch.txt ] || { echo "Run scripts/demo.sh once first (it prepares demo/)." >&2; exit 1; }

Xvfb :91 -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=:91
until xwininfo -root >/dev/null 2>&1; do sleep 0.05; done

cd demo
times=()
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$root/build/bin/TALVO" >/dev/null 2>&1 &
    talvo=$!
    # grep -c reads to the end: with -q, xwininfo could die of SIGPIPE and fail the pipe.
    until xwininfo -root -tree 2>/dev/null | grep -c '"Connexion"' >/dev/null; do sleep 0.005; done
    end=$(date +%s%N)
    kill -9 "$talvo"
    wait "$talvo" 2>/dev/null || true
    times+=($(((end - start) / 1000000)))
done
printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END {
    printf "login window shown after (ms, 2000 of them the splash): min %d, median %d, max %d over %d runs\n",
        t[1], t[int((NR + 1) / 2)], t[NR], NR }'
