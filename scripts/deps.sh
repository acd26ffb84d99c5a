#!/usr/bin/env bash
# Installs the Debian packages that building (and, with --test, testing)
# Revaze needs, but only those that are missing.
set -euo pipefail

packages=(cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev qt6-translations-l10n
          fonts-dejavu-core fonts-liberation2 fonts-opensymbol qt6-multimedia-dev libespeak-ng-dev espeak-ng-data
          libhyphen-dev hyphen-de)
if [[ "${1:-}" == "--test" ]]; then
    # A real X server with a small window manager for the tests of real
    # windows and key presses; clang for the fuzzer; libwmf for the benchmark.
    # Quality gates: coverage, static analysis, desktop file checks, the package.
    packages+=(xvfb xauth openbox xdotool x11-xkb-utils clang clang-tidy libclang-rt-14-dev libwmf-dev
               gcovr cppcheck desktop-file-utils appstream dpkg-dev poppler-utils)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
