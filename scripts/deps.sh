#!/usr/bin/env bash
# Installs the Debian packages the client, its tests and its tools need; quiet when all are there.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang lld libclang-rt-14-dev ccache pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-webengine-dev libxkbcommon-dev libfontconfig-dev
  libgtest-dev libgmock-dev libbenchmark-dev libgif-dev libpugixml-dev
  fonts-wqy-zenhei fonts-arphic-uming xvfb xauth gstreamer1.0-plugins-good pulseaudio
  microsocks dante-server python3 python3-pil espeak-ng
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
((${#missing[@]} == 0)) && exit 0

echo "installing: ${missing[*]}"
sudo_cmd=()
((EUID == 0)) || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
