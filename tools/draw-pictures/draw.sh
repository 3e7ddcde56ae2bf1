#!/usr/bin/env bash
# Builds the picture drawer in its own folder and redraws every picture in
# resources/, at single and double resolution.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="$root/build-tools"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build"
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$build/draw-pictures" "$root/resources"
