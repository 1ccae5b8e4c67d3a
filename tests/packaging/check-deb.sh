#!/usr/bin/env bash
# Checks what a user would get from the .deb (built by build-deb.sh): exactly
# the program, its cursor, the icons, the desktop entry, the metainfo, the
# licence, the changelog and the manual page, owned by root, usable together.
#
# usage: check-deb.sh <folder holding the .deb> <source dir>
set -uo pipefail

deb_dir=$1
source_dir=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

mapfile -t debs < <(find "$deb_dir" -maxdepth 1 -name 'velmora_*.deb')
if [ ${#debs[@]} -ne 1 ]; then
  echo "FAIL: expected one velmora_*.deb, found ${#debs[@]}"
  exit 1
fi
deb=${debs[0]}
echo "package: $(basename "$deb")"

# Control fields a package manager and a software centre rely on.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = velmora ] || fail "Package is '$(field Package)'"
[ "$(field Section)" = utils ] || fail "Section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
# Without the Qt libraries in Depends the program installs but cannot start,
# or cannot print (the print module's).
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libqt6printsupport6; do
  grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib: '$depends'"
done
# The layout is measured in an Arial-metric face.
grep -q "fonts-liberation | fonts-liberation2" <<<"$depends" || fail "Depends lacks the Liberation fonts: '$depends'"
recommends=$(field Recommends)
for pkg in xdg-utils qt6-wayland; do
  grep -q "\b$pkg\b" <<<"$recommends" || fail "Recommends lacks $pkg: '$recommends'"
done
metainfo_release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' \
  "$source_dir/packaging/velmora.metainfo.xml" | head -n 1)
[ "$(field Version)" = "$metainfo_release" ] ||
  fail "package version $(field Version) is not the newest metainfo release $metainfo_release"

# Exactly these files, nothing more: anything else leaked in from the build.
expected="./usr/bin/velmora
./usr/lib/velmora/velmora_print.so
./usr/share/applications/velmora.desktop
./usr/share/doc/velmora/changelog.gz
./usr/share/doc/velmora/copyright
./usr/share/icons/hicolor/128x128/apps/velmora.png
./usr/share/icons/hicolor/256x256/apps/velmora.png
./usr/share/icons/hicolor/32x32/apps/velmora.png
./usr/share/icons/hicolor/48x48/apps/velmora.png
./usr/share/man/man1/velmora.1.gz
./usr/share/metainfo/app.velmora.Velmora.metainfo.xml
./usr/share/velmora/HAND-M.CUR
./usr/share/velmora/translations/velmora_de.qm
./usr/share/velmora/translations/velmora_es.qm
./usr/share/velmora/translations/velmora_fr.qm
./usr/share/velmora/translations/velmora_ja.qm
./usr/share/velmora/translations/velmora_pt_BR.qm"
dpkg-deb -c "$deb" >"$scratch/listing"
actual=$(awk '$1 !~ /^d/ { print $6 }' "$scratch/listing" | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
  fail "package contents differ from the expected files:"
  diff <(echo "$expected") <(echo "$actual")
fi
awk '$2 != "root/root" { print "FAIL: not owned by root: " $0 }' "$scratch/listing" | grep . && failures=$((failures + 1))
grep -E "CMakeFiles|_CPack_Packages" "$scratch/listing" && fail "build tree paths in the package"
mode_of() { awk -v p="$1" '$6 == p { print $1 }' "$scratch/listing"; }
[ "$(mode_of ./usr/bin/velmora)" = "-rwxr-xr-x" ] || fail "velmora mode is '$(mode_of ./usr/bin/velmora)'"
for data in ./usr/share/velmora/HAND-M.CUR ./usr/share/doc/velmora/copyright ./usr/share/doc/velmora/changelog.gz \
  ./usr/share/man/man1/velmora.1.gz; do
  [ "$(mode_of "$data")" = "-rw-r--r--" ] || fail "$data mode is '$(mode_of "$data")'"
done

# What is inside the files.
root=$scratch/root
dpkg-deb -x "$deb" "$root"
cmp -s "$root/usr/share/velmora/HAND-M.CUR" "$source_dir/app/icons/HAND-M.CUR" ||
  fail "installed HAND-M.CUR differs from app/icons/HAND-M.CUR"
# /usr/bin is for programs: every file there is an executable ELF.
for f in "$root"/usr/bin/*; do
  [ -x "$f" ] && [ "$(head -c 4 "$f" | od -An -c | tr -d ' ')" = '177ELF' ] || fail "${f#"$root"} is no program"
done
cmp -s "$root/usr/share/doc/velmora/copyright" "$source_dir/packaging/debian/copyright" ||
  fail "installed copyright differs from packaging/debian/copyright"
# Compressed as gzip -n does: no file name, no time stamp, so rebuilding the
# same sources gives the same bytes.
for gz in usr/share/doc/velmora/changelog.gz usr/share/man/man1/velmora.1.gz; do
  header=$(od -An -tx1 -N8 "$root/$gz" | tr -d ' ')
  [ "${header:6:10}" = 0000000000 ] || fail "$gz carries a name or a time stamp (header $header)"
done
gzip -dc "$root/usr/share/doc/velmora/changelog.gz" | cmp -s - "$source_dir/packaging/debian/changelog" ||
  fail "changelog.gz is not packaging/debian/changelog"
gzip -dc "$root/usr/share/man/man1/velmora.1.gz" | cmp -s - "$source_dir/packaging/velmora.1" ||
  fail "velmora.1.gz is not packaging/velmora.1"
if readelf -d "$root/usr/bin/velmora" | grep -E 'RPATH|RUNPATH'; then
  fail "the installed program carries its own library search path"
fi
for size in 32 48 128 256; do
  icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/velmora.png
  got=$(identify -format '%m %wx%h' "$icon" 2>&1)
  [ "$got" = "PNG ${size}x${size}" ] || fail "${size}x${size} icon is '$got'"
done

# The three files must name each other: the desktop entry starts the installed
# program and shows the installed icon; the metainfo launches the entry.
desktop=$root/usr/share/applications/velmora.desktop
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
[ -x "$root/usr/bin/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
[ -f "$root/usr/share/icons/hicolor/48x48/apps/$icon_name.png" ] || fail "Icon=$icon_name is not an installed icon"
launchable=$(sed -n 's/.*<launchable type="desktop-id">\(.*\)<\/launchable>.*/\1/p' \
  "$root/usr/share/metainfo/app.velmora.Velmora.metainfo.xml")
[ -f "$root/usr/share/applications/$launchable" ] || fail "launchable '$launchable' is not an installed desktop entry"
desktop-file-validate "$desktop" || fail "installed desktop entry does not validate"
appstreamcli validate-tree --no-net --strict "$root" >"$scratch/tree.log" 2>&1 ||
  { cat "$scratch/tree.log"; fail "appstreamcli validate-tree rejects the installed files"; }

if [ "$failures" -ne 0 ]; then
  echo "$failures problem(s) in $(basename "$deb")"
  exit 1
fi
echo "package contents OK"
