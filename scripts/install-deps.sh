#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Korvel need, and only those
# that are missing. Works as root, or through sudo without a password prompt.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n # lupdate, lrelease, Qt's own translations
  fonts-liberation2
  libbenchmark-dev
)
case "${1:-}" in
  # The screen-reader check: the accessibility bus and registry, a client library, a D-Bus session,
  # xdotool to give the focus back where no window manager does, and Orca itself.
  --test) packages+=(xvfb xauth clang libclang-rt-14-dev poppler-utils desktop-file-utils appstream clang-format
                     at-spi2-core dbus-daemon python3-pyatspi gir1.2-atspi-2.0 xdotool orca) ;;
  --package) packages+=(dpkg-dev file lintian) ;;
  --windows) packages+=(g++-mingw-w64-x86-64-posix) ;; # the cross compiler of `make check-windows`
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg -s "$p" >/dev/null 2>&1 || ! dpkg -s "$p" 2>/dev/null | grep -q '^Status: install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
else
  sudo=(sudo -n)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
