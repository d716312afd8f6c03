#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when missing.
# Packages named as arguments are installed too (scripts/fuzz.sh adds clang's).
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev libvulkan-dev
    libsimpleini-dev libgtest-dev libgmock-dev libbenchmark-dev
    qt6-qpa-plugins fonts-dejavu-core
    xvfb xauth xdotool imagemagick x11-utils
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
