#!/usr/bin/env bash
# Installs whatever is missing on a Debian 12 machine, then configures and builds the
# program in build/. With --tests it also installs what the tests need (Xvfb, PulseAudio,
# sox). Packages are installed with apt-get, through sudo when not run as root.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

packages=(cmake ninja-build g++ pkg-config
          qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-translations-l10n qt6-qpa-plugins
          libqt6svg6 libxcb1-dev fonts-liberation fonts-comic-neue fonts-dejavu-core)
if [[ "${1:-}" == "--tests" ]]; then
    packages+=(xvfb xauth pulseaudio pulseaudio-utils sox poppler-utils cups cups-client)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi

cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j"$(nproc)"
