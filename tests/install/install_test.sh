#!/usr/bin/env bash
# Installs with `make install` into a fresh prefix and runs the installed
# programs from another folder: the install builds only what it installs,
# stripped; the command-line tool answers as the built one does, and the
# window starts, finds its sound library and sounds in the prefix, keeps
# vudeve.ini in the folder it was started from, and quits.
#   install_test.sh <source folder> <build folder> <library folder under the prefix>
set -euo pipefail
source=$1 build=$2 libdir=$3
installBuild=$build/install-build

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$(realpath "$scratch")/prefix
elsewhere=$scratch/elsewhere
mkdir -p "$elsewhere"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

make -s -C "$source" install PREFIX="$prefix" INSTALL_DIR="$installBuild" > /dev/null
[[ ! -e "$installBuild/bin/vudeve_tests" && ! -e "$installBuild/bin/vudeve_bench" ]] || fail "the install built the tests"
waves=(その他.wav 禁止.wav 駒打音.wav BGM.wav)
expected=(bin/vudeve bin/vudeve-cli "$libdir/libvudeve.so" share/applications/vudeve.desktop share/mime/packages/vudeve.xml
  share/icons/hicolor/48x48/apps/vudeve.png share/icons/hicolor/256x256/apps/vudeve.png
  share/vudeve/pictures/KARA_MASU.png share/vudeve/pictures/RADEZURU.png)
for wave in "${waves[@]}"; do expected+=("share/vudeve/sounds/$wave"); done
for file in "${expected[@]}"; do
  [[ -f "$prefix/$file" ]] || fail "not installed: $file"
done
grep -qx 'Categories=Game;BoardGame;' "$prefix/share/applications/vudeve.desktop" || fail "desktop entry"
for binary in bin/vudeve bin/vudeve-cli "$libdir/libvudeve.so"; do
  [[ $(readelf -S "$prefix/$binary") != *.symtab* ]] || fail "not stripped: $binary"
done
grep -qx 'Exec=vudeve %f' "$prefix/share/applications/vudeve.desktop" || fail "desktop entry's file argument"

cd "$elsewhere"
even='lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL -'
installed=$("$prefix/bin/vudeve-cli" think --level 3 "$even")
built=$("$build/bin/vudeve-cli" think --level 3 "$even")
[[ -n "$installed" && "$installed" == "$built" ]] || fail "installed think: '$installed', built: '$built'"

report=$("$prefix/bin/vudeve" --check) || fail "the installed window's check failed: $report"
wanted=("sound library: $prefix/$libdir/libvudeve.so" "vudeve.ini: $(pwd -P)/vudeve.ini")
for wave in "${waves[@]}"; do wanted+=("$wave: $prefix/share/vudeve/sounds/$wave"); done
for line in "${wanted[@]}"; do
  grep -qxF "$line" <<< "$report" || fail "expected '$line' in: $report"
done
[[ -f vudeve.ini ]] || fail "vudeve.ini was not written where the game started"
[[ -z $(find "$prefix" -name vudeve.ini) ]] || fail "vudeve.ini was written into the prefix"
echo "installed and ran from $elsewhere"
