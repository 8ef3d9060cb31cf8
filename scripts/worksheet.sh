#!/usr/bin/env bash
# Installs what is missing, builds the worksheet window and starts it. An optional argument names a
# model (.qrn or .3ds) to open at start-up.
set -euo pipefail
model="$*"
[[ -n $model ]] && model=$(realpath -m -- "$model")  # the build runs in the project folder
cd "$(dirname "$0")/.."

scripts/setup.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build build -j "$(nproc)" --target orrin-worksheet
exec build/src/worksheet_app/orrin-worksheet ${model:+"$model"}
