#!/usr/bin/env bash
# Installs the build into a temporary prefix as a desktop program, checks the desktop entries and
# icons, then starts each installed program headless with an empty home folder and checks that it
# created its database in the user's data folder.
# Usage: install_check.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: install_check.sh BUILD_DIR}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for program in kivo davo; do
  [[ -x $prefix/bin/$program ]] || fail "bin/$program was not installed"
  entry=$prefix/share/applications/$program.desktop
  [[ -f $entry ]] || fail "$entry was not installed"
  desktop-file-validate "$entry" || fail "$entry does not validate"
  grep -qx "Exec=$program" "$entry" || fail "$entry: Exec is not $program"
  grep -qx "Icon=$program" "$entry" || fail "$entry: Icon is not $program"
  grep -qx "Categories=Office;" "$entry" || fail "$entry: Categories is not Office"
  for key in Name GenericName Comment; do
    grep -q "^$key=" "$entry" || fail "$entry: no $key"
  done
  for key in GenericName Comment; do
    grep -q "^$key\[pt_BR\]=" "$entry" || fail "$entry: no Portuguese $key"
  done
  svg=$prefix/share/icons/hicolor/scalable/apps/$program.svg
  [[ -s $svg ]] || fail "$svg was not installed"
  grep -q "<svg" "$svg" || fail "$svg is not an SVG file"
  for size in 48 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$program.png
    [[ -s $png ]] || fail "$png was not installed"
    # The PNG header carries the width and height as 4-byte numbers at offsets 16 and 20.
    dims=$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')
    [[ $dims == "0 0 $((size >> 8)) $((size & 255)) 0 0 $((size >> 8)) $((size & 255))" ]] \
      || fail "$png is not $size by $size pixels ($dims)"
  done
done
[[ ! -e $prefix/bin/kivo_seed && ! -e $prefix/bin/davo_seed ]] || fail "a seed tool was installed"
for program in kivo davo; do
  [[ -f $prefix/share/$program/instalado ]] || fail "share/$program/instalado, the mark of an installed copy, was not installed"
done

# Each program on its first start, from the installed copy, with a home folder of its own.
start() {
  local program=$1 exe=${2:-$prefix/bin/$1}
  local home=$work/home-$program
  mkdir -p "$home" "$work/tmp-$program"
  # davo needs a day/month/year short date, which Qt takes from the locale's name alone.
  env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u LC_ALL HOME="$home" TMPDIR="$work/tmp-$program" \
    LC_TIME=pt_BR.UTF-8 QT_QPA_PLATFORM=offscreen KIVO_DAVO_CLOSE_WHEN_SHOWN=1 \
    timeout 60 "$exe" || fail "$exe did not start and close (status $?)"
}

start kivo
[[ -s $work/home-kivo/.local/share/kivo/CONTROLE.mdb ]] || fail "kivo did not create its database in the user's folder"
start davo
[[ -s $work/home-davo/.local/share/davo/DAVO.mdb ]] || fail "davo did not create its database in the user's folder"
[[ ! -e $prefix/bin/CONTROLE.mdb && ! -e $prefix/bin/DAVO.mdb ]] || fail "a database was created beside the installed program"
# The user's data stays the user's: a new folder 0700, a new file 0600.
for pair in kivo/CONTROLE.mdb davo/DAVO.mdb; do
  data=$work/home-${pair%%/*}/.local/share/$pair
  [[ $(stat -c %a "$(dirname "$data")") == 700 ]] || fail "$(dirname "$data") is not private (mode $(stat -c %a "$(dirname "$data")"))"
  [[ $(stat -c %a "$data") == 600 ]] || fail "$data is not private (mode $(stat -c %a "$data"))"
done

# A second start opens the same file and leaves it as it was.
before=$(cksum < "$work/home-kivo/.local/share/kivo/CONTROLE.mdb")
start kivo
[[ $(cksum < "$work/home-kivo/.local/share/kivo/CONTROLE.mdb") == "$before" ]] || fail "kivo's second start changed its database"

# A portable copy: the program with its database beside it uses that file, not the user's folder.
mkdir -p "$work/portable"
cp "$prefix/bin/kivo" "$work/portable/kivo"
cp "$work/home-kivo/.local/share/kivo/CONTROLE.mdb" "$work/portable/"
rm -rf "$work/home-kivo"
start kivo "$work/portable/kivo"
[[ ! -e $work/home-kivo/.local/share/kivo ]] || fail "the portable copy did not use the database beside it"

# The installed program carried elsewhere alone is no installed copy: it stops at its start-up
# report (a box nobody closes here, so the timeout ends it) and creates no file anywhere.
mkdir -p "$work/carried" "$work/home-carried"
cp "$prefix/bin/kivo" "$work/carried/kivo"
status=0
env -u XDG_DATA_HOME HOME="$work/home-carried" QT_QPA_PLATFORM=offscreen KIVO_DAVO_CLOSE_WHEN_SHOWN=1 \
  timeout 5 "$work/carried/kivo" >/dev/null 2>&1 || status=$?
[[ $status == 124 ]] || fail "a carried copy without its database did not stop at its start-up report (status $status)"
[[ ! -e $work/home-carried/.local/share/kivo && ! -e $work/carried/CONTROLE.mdb ]] \
  || fail "a carried copy without its database made a file of its own"

echo "install check passed"
