#!/usr/bin/env bash
# Compiles every source that has Windows-only code with the MinGW-w64 cross compiler, for syntax
# and warnings only: Debian has no Windows build of Qt, so the Linux Qt headers stand in for it.
# Any error or warning fails the check.
set -euo pipefail
cd "$(dirname "$0")/.."

compiler=x86_64-w64-mingw32-g++-posix
# Qt's headers as system headers, so that only our own code is held to the warning flags.
read -r -a qt_includes <<<"$(pkg-config --cflags-only-I Qt6Core Qt6Gui Qt6Widgets Qt6PrintSupport | sed 's/-I/-isystem /g')"

# A source has Windows-only code when it includes windows.h or has a branch for Windows.
mapfile -t sources < <(grep -rlE --include='*.cpp' '<windows\.h>|_WIN32|Q_OS_WIN' src tools | sort)
if [ ${#sources[@]} -eq 0 ]; then
  echo "check-windows: no source with Windows-only code found" >&2
  exit 1
fi

for source in "${sources[@]}"; do
  echo "== $source"
  "$compiler" -std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Werror -DQT_NO_KEYWORDS \
    "${qt_includes[@]}" -Isrc -Itools "$source"
done
