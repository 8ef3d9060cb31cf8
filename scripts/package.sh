#!/usr/bin/env bash
# Installs what is missing, builds Orrin and packs it as build/package/orrin_VERSION_amd64.deb,
# to be installed with: apt install ./build/package/orrin_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build build -j "$(nproc)"
(cd build && cpack -G DEB)
ls build/package/orrin_*_amd64.deb
