#!/usr/bin/env bash
# Builds the Debian package from a built tree into a scratch directory and checks its control
# fields, its computed dependencies and that every file lands where Debian and desktops look.
set -euo pipefail
config="$1" bindir="$2" id="$3" version="$4"
source "$(dirname "$0")/lib.sh"
need_tools cpack dpkg-deb dpkg-shlibdeps readelf

(cd "$scratch" && cpack --config "$config" -G DEB -B "$scratch") >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log" >&2; fail "cpack -G DEB failed"; }
deb="$scratch/tumbrix_${version}_amd64.deb"
[ -f "$deb" ] || fail "cpack made no $(basename "$deb"); made: $(ls "$scratch")"

dpkg-deb --info "$deb" >"$scratch/info"
field() { sed -n "s/^ $1: //p" "$scratch/info"; }
[ "$(field Package)" = tumbrix ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', the project is $version"
[ "$(field Section)" = games ] || fail "Section is '$(field Section)', not games"
[ "$(field Architecture)" = amd64 ] || fail "Architecture is '$(field Architecture)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
# dpkg-shlibdeps fills Depends from the libraries the binary links, with minimum versions.
depends="$(field Depends)"
for lib in 'libc6 (>= ' 'libglut' 'libstdc++6'; do
  [[ "$depends" == *"$lib"* ]] || fail "Depends lacks $lib: '$depends'"
done
# A short summary, then a long description of at least one more line.
[ -n "$(field Description)" ] || fail "no short description"
[ "$(sed -n '/^ Description:/,/^ [A-Z][A-Za-z-]*:/p' "$scratch/info" | grep -c '^  ')" -ge 2 ] ||
  fail "the long description is missing"

dpkg-deb --contents "$deb" >"$scratch/contents"
has() { grep -qE "^$1 +root/root +[0-9]+ [0-9-]+ [0-9:]+ \./$2\$" "$scratch/contents"; }
has '-rwxr-xr-x' "usr/$bindir/tumbrix" || fail "no executable /usr/$bindir/tumbrix owned by root"
for file in "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
    "usr/share/icons/hicolor/scalable/apps/$id.svg" "usr/share/icons/hicolor/48x48/apps/$id.png" \
    usr/share/man/man6/tumbrix.6.gz usr/share/doc/tumbrix/copyright; do
  has '-rw-r--r--' "$file" || fail "no /$file (mode 644, owned by root) in the package"
done
if [ "$bindir" != bin ] && grep -q '\./usr/bin/' "$scratch/contents"; then
  fail "the package also puts something in /usr/bin"
fi
loose="$(grep -vE '^(drwxr-xr-x|-rw-r--r--|-rwxr-xr-x) root/root ' "$scratch/contents" || true)"
[ -z "$loose" ] || fail "entries with unusual modes or owners: $loose"

# The packaged binary is stripped of its debugging symbols.
dpkg-deb -x "$deb" "$scratch/x"
if readelf -S "$scratch/x/usr/$bindir/tumbrix" | grep -q '\.debug_info'; then
  fail "the packaged binary still carries debugging information"
fi
echo "$(basename "$deb") is a complete Debian package"
