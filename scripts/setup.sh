#!/usr/bin/env bash
# Installs whatever is missing on a Debian 12 or 13 (or Ubuntu 24.04) machine, then configures
# and builds the program in build/. Options:
#   --tests     also what the tests need (Xvfb, PulseAudio, sox, CUPS, the package checks,
#               mmdebstrap for the roots of other releases, sshd and sshfs for a school's share,
#               libfiu's fiu-run for failing calls)
#   --lint      also clang-format, which checks the sources' layout
#   --package   also what building the Debian package needs (dpkg-dev, file)
#   --no-build  install only; configure and build nothing
# Packages are installed with apt-get, through sudo when not run as root.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

packages=(cmake ninja-build g++ pkg-config
          qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-translations-l10n qt6-qpa-plugins
          libqt6svg6 libxcb1-dev libicu-dev fonts-liberation fonts-comic-neue fonts-dejavu-core
          librsvg2-bin qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin)
# The SVG image and icon plugins came with libqt6svg6 up to Qt 6.4 (Debian 12, Ubuntu 24.04);
# later releases ship them in a package of their own.
codename="$(. /etc/os-release && echo "${UBUNTU_CODENAME:-${VERSION_CODENAME:-}}")"
case "$codename" in
bookworm | noble) ;;
*) packages+=(qt6-svg-plugins) ;;
esac
build=1
for option in "$@"; do
    case "$option" in
    --tests)
        packages+=(xvfb xauth pulseaudio pulseaudio-utils sox poppler-utils cups cups-client
                   dpkg-dev file lintian desktop-file-utils appstream x11-utils
                   dbus-daemon dbus-bin at-spi2-core openbox xdotool mmdebstrap
                   speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
                   openssh-server openssh-client sshfs fiu-utils) ;;
    --lint) packages+=(clang-format) ;;
    --package) packages+=(dpkg-dev file) ;;
    --no-build) build=0 ;;
    *) echo "usage: $0 [--tests] [--lint] [--package] [--no-build]" >&2; exit 2 ;;
    esac
done

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

((build)) || exit 0
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j"$(nproc)"
