#!/usr/bin/env bash
# Starts kivo or davo from the build folder, after checking that there is a display to show it on.
set -euo pipefail
program=${1:?usage: run-program.sh kivo|davo BUILD_DIR}
build=${2:?usage: run-program.sh kivo|davo BUILD_DIR}
exe="$build/$program/$program"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "No display to show $program on: start it under a virtual one with 'xvfb-run -a make run PROGRAM=$program' (package xvfb)."
  exit 1
fi

if [[ "$program" == davo ]]; then
  # davo only works with a day/month/year short date. A bare machine (C or POSIX locale) gets the
  # Brazilian date format, which Qt knows without generated system locales; any other locale is
  # passed through unchanged so that the program's own check speaks to the user.
  effective=${LC_ALL:-${LC_TIME:-${LANG:-}}}
  case "$effective" in
    ""|C|POSIX|C.UTF-8|C.utf8) exec env LC_ALL= LC_TIME=pt_BR.UTF-8 "$exe" ;;
  esac
fi
exec "$exe"
