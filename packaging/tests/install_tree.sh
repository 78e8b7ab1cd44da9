#!/usr/bin/env bash
# Installs a built tree into a scratch DESTDIR under /usr and checks every installed file:
# the binary runs, and the desktop entry, metainfo and manual pass their validators.
set -euo pipefail
build="$1" bindir="$2" id="$3" version="$4"
source "$(dirname "$0")/lib.sh"
need_tools cmake desktop-file-validate appstreamcli groff man

DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >"$scratch/install.log" 2>&1 ||
  { cat "$scratch/install.log" >&2; fail "cmake --install into a DESTDIR failed"; }
root="$scratch/root/usr"
outside="$(find "$scratch/root" -mindepth 1 -path "$root" -prune -o -print)"
[ -z "$outside" ] || fail "files installed outside the prefix: $outside"

binary="$root/$bindir/tumbrix"
desktop="$root/share/applications/$id.desktop"
metainfo="$root/share/metainfo/$id.metainfo.xml"
svg="$root/share/icons/hicolor/scalable/apps/$id.svg"
png="$root/share/icons/hicolor/48x48/apps/$id.png"
manual="$root/share/man/man6/tumbrix.6.gz"
for f in "$binary" "$desktop" "$metainfo" "$svg" "$png" "$manual" "$root/share/doc/tumbrix/copyright"; do
  [ -f "$f" ] || fail "not installed: ${f#"$scratch/root"}"
done
[ -x "$binary" ] || fail "the installed binary is not executable"

# Without a display the installed game must say so in one line and point to xvfb-run.
status=0
env -u DISPLAY "$binary" >"$scratch/out" 2>"$scratch/err" || status=$?
[ "$status" -ne 0 ] || fail "tumbrix without a display exited with status 0"
[ "$(wc -l <"$scratch/err")" -eq 1 ] && grep -q 'xvfb-run' "$scratch/err" ||
  fail "tumbrix without a display should print one line naming xvfb-run, printed: $(cat "$scratch/err")"

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $id.desktop"
for key in "Type=Application" "Exec=tumbrix" "Icon=$id" "Terminal=false" "Categories=Game;BlocksGame;"; do
  grep -qxF "$key" "$desktop" || fail "$id.desktop lacks the line $key"
done
grep -q '^Comment=.' "$desktop" || fail "$id.desktop has no comment"

appstreamcli validate --no-net "$metainfo" >"$scratch/as.log" 2>&1 ||
  { cat "$scratch/as.log" >&2; fail "appstreamcli validate rejects the metainfo"; }
[ "$(metainfo_release "$metainfo")" = "$version" ] ||
  fail "the metainfo's newest release is $(metainfo_release "$metainfo"), the project is $version"

# The 48 x 48 icon: a PNG whose header gives its width and height as big-endian numbers.
[ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "the 48x48 icon is no PNG"
[ "$(od -An -j16 -N8 -tu1 "$png" | tr -s ' ')" = " 0 0 0 48 0 0 0 48" ] || fail "the PNG icon is not 48 x 48"
grep -q '<svg' "$svg" || fail "the scalable icon is no SVG"

# The manual renders without a single groff warning, and has the sections a reader looks for.
zcat "$manual" | groff -ww -man -Tutf8 >"$scratch/man.txt" 2>"$scratch/groff.err"
[ ! -s "$scratch/groff.err" ] || fail "groff warns about the manual: $(cat "$scratch/groff.err")"
MANWIDTH=80 man --warnings -l "$manual" >"$scratch/man.txt" 2>"$scratch/man.err"
[ ! -s "$scratch/man.err" ] || fail "man warns about the manual: $(cat "$scratch/man.err")"
for section in NAME SYNOPSIS DESCRIPTION CONTROLS FILES ENVIRONMENT; do
  grep -qx "$section" "$scratch/man.txt" || fail "the manual has no $section section"
done
for word in score.dat DISPLAY xvfb-run "Tumbrix $version"; do
  grep -qF "$word" "$scratch/man.txt" || fail "the manual never mentions $word"
done
# Every destination is relative: another prefix holds the same files, nothing outside it.
DESTDIR="$scratch/opt" cmake --install "$build" --prefix /opt/tumbrix >/dev/null 2>&1 ||
  fail "cmake --install with --prefix /opt/tumbrix failed"
diff <(cd "$scratch/root/usr" && find . | sort) <(cd "$scratch/opt/opt/tumbrix" && find . | sort) ||
  fail "installing under /opt/tumbrix gives other files than under /usr"
[ "$(find "$scratch/opt" -mindepth 1 -maxdepth 1)" = "$scratch/opt/opt" ] ||
  fail "files installed outside the prefix /opt/tumbrix"
echo "installed tree under $bindir is complete and valid"
