#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when they are missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  dpkg-dev fakeroot lintian desktop-file-utils appstream libxml2-utils librsvg2-bin shared-mime-info strace
  libgtest-dev libbenchmark-dev nlohmann-json3-dev
  libfreetype-dev libfontconfig-dev libpng-dev libcairo2-dev fonts-wqy-microhei
  clang libclang-rt-14-dev
  qt6-base-dev qt6-qpa-plugins qt6-tools-dev qt6-l10n-tools
  xvfb xdotool imagemagick poppler-utils
)
if [[ -f "$(dirname "$0")/extra-packages.txt" ]]; then
  mapfile -t extra < <(grep -v '^#' "$(dirname "$0")/extra-packages.txt" | grep -v '^$')
  packages+=("${extra[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
