#!/usr/bin/env bash
# Installs the Debian packages Tallybell needs to build, run and test, when any is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config python3
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-qpa-plugins libqt6svg6
    qt6-speech-dev qt6-speech-speechd-plugin qt6-speech-flite-plugin speech-dispatcher
    speech-dispatcher-espeak-ng qt6-declarative-dev qt6-tools-dev qt6-l10n-tools
    qt6-translations-l10n
    libfontconfig-dev libpng-dev libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-format clang-tidy clazy
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-pulseaudio
    pulseaudio pulseaudio-utils dbus dbus-x11
    xvfb xdotool x11-utils imagemagick fonts-dejavu-core qt6-gtk-platformtheme faketime
    desktop-file-utils appstream dpkg-dev file
    scdoc lintian debootstrap
    playerctl libglib2.0-bin python3-dbus python3-gi
    weston qt6-wayland
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q "${missing[@]}"
