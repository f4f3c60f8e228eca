#!/usr/bin/env bash
# Builds the Debian package from this build tree, checks it with lintian, extracts it into a
# temporary root and runs the extracted programs on the extracted examples: the installed layout
# must find its own textures, and nothing of the source or build tree.
#
#   package-test.sh BUILD_DIR VERSION
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The package, quickly compressed: the test wants its contents, not its smallest size.
cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" \
  -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack"; }
deb="$scratch/out/ventrel_${version}_amd64.deb"
[ -f "$deb" ] || { ls "$scratch/out"; fail "no ventrel_${version}_amd64.deb"; }
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

# Dependencies computed from the binaries.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libc6 libqt6widgets6 libjpeg62-turbo; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed"
done

if command -v lintian >/dev/null; then
  lintian --fail-on error --suppress-tags unstripped-binary-or-object "$deb" |
    tee "$scratch/lintian.log" || fail "lintian reports errors"
  ! grep -q '^E:' "$scratch/lintian.log" || fail "lintian reports errors"
else
  echo "lintian is not installed: the package is not checked"
fi

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
usr="$root/usr"
for file in bin/ventrel bin/ventrel-cli \
  share/ventrel/textures/{tin,wood,motif,mont_eglise_renverse}.jpg \
  share/ventrel/examples/{orgue.org,grand-orgue.dat,barrages.dat} \
  share/doc/ventrel/{copyright,changelog.gz,README.md} \
  share/man/man1/{ventrel,ventrel-cli}.1.gz share/bash-completion/completions/ventrel-cli \
  share/applications/ventrel.desktop share/mime/packages/ventrel.xml \
  share/icons/hicolor/scalable/apps/ventrel.svg share/icons/hicolor/{16x16,48x48,256x256}/apps/ventrel.png; do
  [ -f "$usr/$file" ] || fail "the package lacks /usr/$file"
done

# The programs run from a folder of their own, away from the build tree, with no display.
work="$scratch/work"
mkdir -p "$work"
cd "$work"
export ASAN_OPTIONS=detect_leaks=0
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

"$usr/bin/ventrel" --version | tee "$scratch/version"
grep -qx "ventrel $version" "$scratch/version" || fail "ventrel --version"
"$usr/bin/ventrel-cli" --version | grep -qx "ventrel-cli $version" || fail "ventrel-cli --version"

examples="$usr/share/ventrel/examples"
"$usr/bin/ventrel-cli" layout "$examples/grand-orgue.dat" --partitions "$examples/barrages.dat" |
  tee "$scratch/layout"
grep -q "^grand-orgue.dat: [0-9]* stops, [0-9]* valves, plate" "$scratch/layout" || fail "layout"

# The organ's textures come from the extracted root: with them the picture is drawn without a
# message; with the extracted texture folder taken away, the same run names the missing files.
render() {
  "$usr/bin/ventrel-cli" render "$examples/orgue.org" -o "$work/$1" --size 320x240 2>"$scratch/$1.err"
}
render organ.png || { cat "$scratch/organ.png.err"; fail "render"; }
[ -s "$work/organ.png" ] || fail "render wrote no picture"
! grep -q "Can't open" "$scratch/organ.png.err" || { cat "$scratch/organ.png.err"; fail "textures not found"; }
mv "$usr/share/ventrel/textures" "$scratch/textures-aside"
render bare.png || true
grep -q "Can't open.*wood.jpg" "$scratch/bare.png.err" ||
  fail "textures were found outside the extracted package"
mv "$scratch/textures-aside" "$usr/share/ventrel/textures"

# Manual pages: every command of ventrel-cli has its section, and man reads them without warnings.
for command in layout export render draw organ; do
  zcat "$usr/share/man/man1/ventrel-cli.1.gz" | grep -q "^\.SS \"$command\"" ||
    fail "ventrel-cli(1) lacks $command"
done
if command -v man >/dev/null; then
  for page in ventrel ventrel-cli; do
    warnings=$(MANWIDTH=80 man --warnings -l "$usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page(1): $warnings"
  done
fi

# Bash completion: commands, a command's options, the choices of --view, folders for -C.
complete_line() {
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _ventrel_cli
           printf "%s\n" "${COMPREPLY[@]}" | sort | tr "\n" " "' _ \
    "$usr/share/bash-completion/completions/ventrel-cli" "$@"
}
[ "$(complete_line ventrel-cli la)" = "layout " ] || fail "completion of a command"
[ "$(complete_line ventrel-cli render --v)" = "--vector --view " ] || fail "completion of options"
[ "$(complete_line ventrel-cli render x.org --view "")" = "front left right top " ] ||
  fail "completion of --view"
mkdir -p "$work/plates"
[ "$(complete_line ventrel-cli export x.dat -C pl)" = "plates " ] || fail "completion of -C"

# File types: organ and chest files are known by their content; an Emacs Org-mode file keeps its
# own type, and a .dat file of another program stays plain text.
if command -v update-mime-database >/dev/null && command -v gio >/dev/null; then
  mkdir -p "$scratch/data/mime/packages" "$work/types"
  cp "$usr/share/mime/packages/ventrel.xml" "$scratch/data/mime/packages/"
  update-mime-database "$scratch/data/mime"
  cp "$examples/orgue.org" "$examples/grand-orgue.dat" "$examples/barrages.dat" "$work/types/"
  printf '* Notes\n** TODO order the tin\n' >"$work/types/notes.org"
  printf 'TUYAU 60 60 2000 -600 1800 200\r\n' >"$work/types/pipes.org"
  printf 'measurements\n1 2 3\n' >"$work/types/other.dat"
  type_of() {
    XDG_DATA_HOME="$scratch/data" gio info -a standard::content-type "$work/types/$1" 2>/dev/null |
      sed -n 's/.*standard::content-type: //p'
  }
  for expected in orgue.org:application/x-ventrel-organ pipes.org:application/x-ventrel-organ \
    notes.org:text/org grand-orgue.dat:application/x-ventrel-chest \
    barrages.dat:application/x-ventrel-chest other.dat:text/plain; do
    [ "$(type_of "${expected%%:*}")" = "${expected#*:}" ] ||
      fail "${expected%%:*} is $(type_of "${expected%%:*}"), not ${expected#*:}"
  done
fi

# The menu entry offers to open every type the package defines.
for type in $(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$usr/share/mime/packages/ventrel.xml"); do
  grep -q "^MimeType=.*$type;" "$usr/share/applications/ventrel.desktop" ||
    fail "the desktop entry does not open $type"
done

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$usr/share/applications/ventrel.desktop" || fail "desktop entry"
fi
echo "package test passed"
