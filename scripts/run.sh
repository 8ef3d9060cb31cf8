#!/usr/bin/env bash
# Installs what is missing, builds the window and starts Orrin. An optional argument names a model
# (.qrn or .3ds) to open at start-up; a path with blanks may be given with or without quotes.
# --worksheet first starts the teacher's worksheet window instead of the viewer.
set -euo pipefail
target=orrin program=build/src/app/orrin
if [[ ${1:-} == --worksheet ]]; then
  target=orrin-worksheet program=build/src/worksheet_app/orrin-worksheet
  shift
fi
model="$*"
[[ -n $model ]] && model=$(realpath -m -- "$model")  # the build runs in the project folder
cd "$(dirname "$0")/.."

scripts/setup.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build build -j "$(nproc)" --target "$target"
exec "$program" ${model:+"$model"}
