#!/usr/bin/env bash
# The Debian package and the install rules, built from the test run's own
# build folder (cpack only installs what is already built).
#   TestPakke.sh BUILDMAPPE KILDEMAPPE VERSION
# Exit 77 (skipped) where the Debian packaging tools are missing.
set -uo pipefail
bygge=$1 kilde=$2 version=$3
id=dk.plotvik.Plotvik

for v in dpkg-deb dpkg-shlibdeps cpack; do
  if ! command -v "$v" >/dev/null; then
    echo "Springes over: $v findes ikke på denne maskine"
    exit 77
  fi
done

fejl=0
fejl() { echo "FEJL: $*"; fejl=1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# ---- the package
if ! cpack --config "$bygge/CPackConfig.cmake" -G DEB -B "$tmp/pakke" >"$tmp/cpack.log" 2>&1; then
  cat "$tmp/cpack.log"
  fejl "cpack kunne ikke bygge pakken"
  exit 1
fi
arkitektur=$(dpkg --print-architecture 2>/dev/null || echo amd64)
deb="$tmp/pakke/plotvik_${version}_${arkitektur}.deb"
if [ ! -f "$deb" ]; then
  ls "$tmp/pakke"
  fejl "pakken hedder ikke plotvik_${version}_${arkitektur}.deb"
  exit 1
fi

[ "$(dpkg-deb -f "$deb" Package)" = plotvik ] || fejl "pakkens navn er ikke plotvik"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fejl "pakkens version er ikke $version"
afh=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6 qt6-qpa-plugins qt6-translations-l10n; do
  grep -q "$lib" <<<"$afh" || fejl "Depends nævner ikke $lib: $afh"
done
vedligeholder=$(dpkg-deb -f "$deb" Maintainer)
grep -Eq '^[^<]+ <[^@ ]+@[a-z0-9-]+(\.[a-z0-9-]+)+>$' <<<"$vedligeholder" || fejl "Maintainer er ikke en adresse: $vedligeholder"
grep -Eq '@(localhost|[^>]*\.local(domain)?)>' <<<"$vedligeholder" && fejl "Maintainer er en lokal adresse: $vedligeholder"

indhold=$(dpkg-deb -c "$deb" | awk '{print $NF}')
forventet=(
  ./usr/bin/plotvik
  ./usr/share/doc/plotvik/copyright
  ./usr/share/doc/plotvik/changelog.gz
  ./usr/share/man/man1/plotvik.1.gz
  ./usr/share/plotvik/Plotvik.Hlp
  ./usr/share/applications/$id.desktop
  ./usr/share/icons/hicolor/scalable/apps/$id.svg
  ./usr/share/mime/packages/$id.xml
  ./usr/share/metainfo/$id.metainfo.xml
)
for f in "$kilde"/examples/*.prj "$kilde"/examples/*.txt "$kilde"/examples/*.dat; do
  forventet+=("./usr/share/plotvik/examples/$(basename "$f")")
done
for f in "${forventet[@]}"; do
  grep -qxF "$f" <<<"$indhold" || fejl "pakken mangler $f"
done
# Nothing from the build or the tests goes into the package.
if grep -Eq 'test_|bench_|fuzz_|\.a$|/include/' <<<"$indhold"; then
  fejl "pakken indeholder filer fra testene eller byggeriet"
fi

# ---- the desktop files as shipped
dpkg-deb -x "$deb" "$tmp/ud"
desktop-file-validate "$tmp/ud/usr/share/applications/$id.desktop" || fejl "desktop-file-validate"
appstreamcli validate --no-net "$tmp/ud/usr/share/metainfo/$id.metainfo.xml" || fejl "appstreamcli validate"
if command -v update-mime-database >/dev/null; then
  mkdir -p "$tmp/mime/packages"
  cp "$tmp/ud/usr/share/mime/packages/$id.xml" "$tmp/mime/packages/"
  update-mime-database "$tmp/mime" >/dev/null 2>&1 || fejl "update-mime-database"
  grep -q 'application/x-plotvik-project:\*\.prj' "$tmp/mime/globs2" || fejl "MIME-typen kender ikke *.prj"
fi
grep -q '^MimeType=application/x-plotvik-project;' "$tmp/ud/usr/share/applications/$id.desktop" ||
  fejl "desktop-filen åbner ikke projektfiler"

# ---- the copyright file, the changelog and the manual page as shipped
doc="$tmp/ud/usr/share/doc/plotvik"
head -n 1 "$doc/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fejl "copyright er ikke i Debians maskinlæsbare format"
for felt in '^Files: \*$' '^Copyright: .' '^License: .'; do
  grep -Eq "$felt" "$doc/copyright" || fejl "copyright mangler feltet /$felt/"
done
# gzip -9 without the original name and time stamp: byte 3 (flags) and bytes 4-7 (time) are 0.
for gz in "$doc/changelog.gz" "$tmp/ud/usr/share/man/man1/plotvik.1.gz"; do
  gzip -t "$gz" 2>/dev/null || { fejl "$(basename "$gz") er ikke gzip"; continue; }
  [ "$(od -An -tx1 -j3 -N5 "$gz" | tr -d ' ')" = 0000000000 ] || fejl "$(basename "$gz") har navn eller tidsstempel"
  [ "$(od -An -tx1 -j8 -N1 "$gz" | tr -d ' ')" = 02 ] || fejl "$(basename "$gz") er ikke pakket med -9"
done
zcat "$doc/changelog.gz" | head -n 1 | grep -q "^plotvik ($version) " ||
  fejl "changelog begynder ikke med version $version"
side=$(zcat "$tmp/ud/usr/share/man/man1/plotvik.1.gz")
grep -q '^\.TH PLOTVIK 1 ' <<<"$side" || fejl "manualsiden er ikke plotvik(1)"
for tilvalg in '\\-h' '\\-\\-help' '\\-v' '\\-\\-version' 'projektfil'; do
  grep -q -- "$tilvalg" <<<"$side" || fejl "manualsiden nævner ikke $tilvalg"
done
if command -v man >/dev/null; then
  advarsler=$(man --warnings -E UTF-8 -l "$tmp/ud/usr/share/man/man1/plotvik.1.gz" 2>&1 >/dev/null)
  [ -z "$advarsler" ] || fejl "man advarer om manualsiden: $advarsler"
fi

# ---- lintian, where installed: no errors and no warnings (notes are allowed)
if command -v lintian >/dev/null; then
  lintian --no-tag-display-limit "$deb" >"$tmp/lintian.log" 2>&1
  if grep -Eq '^[EW]: ' "$tmp/lintian.log"; then
    grep -E '^[EW]: ' "$tmp/lintian.log"
    fejl "lintian fandt fejl eller advarsler i pakken"
  fi
else
  echo "lintian findes ikke: pakken tjekkes ikke med den"
fi

# ---- a staged install, and the program's command line without a display
stage="$tmp/stage"
cmake --install "$bygge" --prefix "$stage/usr" >/dev/null || fejl "cmake --install"
for f in "${forventet[@]}"; do
  [ -e "$stage/${f#./}" ] || fejl "den installerede udgave mangler ${f#./}"
done
# A program that opens its window after all would hang the run: a time limit.
udenSkaerm=(timeout 30 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
ud=$("${udenSkaerm[@]}" "$stage/usr/bin/plotvik" --version 2>&1)
[ "$ud" = "Plotvik $version" ] || fejl "plotvik --version skrev: $ud"
ud=$("${udenSkaerm[@]}" "$stage/usr/bin/plotvik" -platform offscreen --version 2>/dev/null)
[ "$ud" = "Plotvik $version" ] || fejl "plotvik -platform offscreen --version skrev: $ud"
ud=$("${udenSkaerm[@]}" "$stage/usr/bin/plotvik" --help 2>&1)
grep -q '^Brug: plotvik \[tilvalg\] \[projektfil\]' <<<"$ud" || fejl "plotvik --help skrev: $ud"
ud=$("${udenSkaerm[@]}" QT_QPA_PLATFORM=offscreen "$stage/usr/bin/plotvik" --ukendt 2>&1)
kode=$?
[ $kode -eq 2 ] || fejl "et ukendt tilvalg gav slutkode $kode"
grep -q 'Ukendt tilvalg: --ukendt' <<<"$ud" || fejl "et ukendt tilvalg gav: $ud"

if [ $fejl -eq 0 ]; then echo "Pakken og installationen er i orden"; fi
exit $fejl
