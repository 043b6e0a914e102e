#!/bin/sh
# Installs, on Debian 12, whatever the build and the tests need and is missing.
# Runs apt-get only when something is missing; uses sudo when not root.
set -eu

packages="g++ cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools libx11-dev \
fonts-comic-neue fonts-liberation2 libcanberra0 libcanberra-pulse sound-theme-freedesktop"
if [ "${1:-}" = "--tests" ]; then
    packages="$packages xvfb xdotool x11-utils imagemagick libbenchmark-dev libxdamage-dev \
clang libclang-rt-14-dev desktop-file-utils appstream openbox lintian dpkg-dev faketime locales \
pulseaudio pulseaudio-utils sox shellcheck"
    # A screen reader's view: a private D-Bus with its AT-SPI bus, and Orca.
    packages="$packages dbus at-spi2-core python3-pyatspi orca"
fi

missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing="$missing $package"
done
[ -z "$missing" ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing:$missing"
$sudo apt-get update -qq
# shellcheck disable=SC2086 # one argument a package, split on purpose
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
