#!/usr/bin/env bash
# Builds the launcher and starts it in a game directory:
#   bash scripts/run.sh [game-dir]
# Without a game directory it runs in the demo game directory that the build
# makes (build-run/demo: a few packages, mod folders and a stand-in
# Quake3.exe that writes its arguments to quake3-args.log).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
game=""
if (($# > 0)); then
    [[ -d $1 ]] || { echo "run.sh: no such directory: $1" >&2; exit 1; }
    game="$(cd "$1" && pwd)"
fi

# No display, no window: say so before the packages and the build.
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
    echo "run.sh: no display; try: xvfb-run -a bash scripts/run.sh $*" >&2
    exit 1
fi

bash "$root/scripts/install-deps.sh"
build="$root/build-run"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAP_BUILD_GUI=ON \
      -DTAP_BUILD_TESTS=OFF -DTAP_BUILD_BENCH=OFF
cmake --build "$build" --target torvel-arvenix-pro demo -j "$(nproc)"

[[ -n $game ]] || game="$build/demo"
cd "$game"
exec "$build/torvel-arvenix-pro"
