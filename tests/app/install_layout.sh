#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# Installs the build into a throwaway prefix and checks what a desktop needs:
# the program, its help page, a valid menu entry, the icon in every size, the
# AppStream description and the manual page; the description's release and
# the changelog's version are the program's own.
set -euo pipefail
BUILD_DIR=${1:?usage: $0 BUILD-DIR}
PREFIX=$(mktemp -d /tmp/quintora-install.XXXXXX)
trap 'rm -rf "$PREFIX"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$BUILD_DIR" --prefix "$PREFIX" >"$PREFIX.log" 2>&1 || { cat "$PREFIX.log"; rm -f "$PREFIX.log"; fail "cmake --install failed"; }
rm -f "$PREFIX.log"

[ -x "$PREFIX/bin/Quintora" ] || fail "bin/Quintora missing"
[ -f "$PREFIX/share/quintora/Quintora.html" ] || fail "help page missing"

entry="$PREFIX/share/applications/example.velmarin.quintora.desktop"
[ -f "$entry" ] || fail "desktop entry missing"
grep -qx 'Name=Quintora' "$entry" || fail "Name is not Quintora"
grep -qx 'Exec=Quintora' "$entry" || fail "Exec does not start Quintora"
grep -qx 'Icon=quintora' "$entry" || fail "Icon is not quintora"
grep -q '^Comment=.*[Bb]asketball' "$entry" || fail "no comment"
grep -q '^Comment\[de\]=.*Basketball' "$entry" || fail "no German comment"
# The program the entry starts is the one installed.
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ -x "$PREFIX/bin/$exec_name" ] || fail "Exec=$exec_name is not in bin/"

for size in 16 32 48 64 128 256; do
  icon="$PREFIX/share/icons/hicolor/${size}x${size}/apps/quintora.png"
  [ -f "$icon" ] || fail "icon ${size}x${size} missing"
  # PNG width and height are big-endian at bytes 16 and 20.
  read -r w h < <(od -An -tu1 -j16 -N8 "$icon" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "icon ${size}x${size} is ${w}x${h}"
done
version=$("$PREFIX/bin/Quintora" --version | awk '{print $2}')
metainfo="$PREFIX/share/metainfo/example.velmarin.quintora.metainfo.xml"
[ -f "$metainfo" ] || fail "AppStream description missing"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the AppStream description has no release $version"
[ -f "$PREFIX/share/man/man1/Quintora.1.gz" ] || fail "manual page missing"
zcat "$PREFIX/share/doc/quintora/changelog.gz" | head -n 1 | grep -qF "quintora ($version)" \
  || fail "the changelog does not begin with version $version"
[ -f "$PREFIX/share/doc/quintora/copyright" ] || fail "copyright file missing"
skipped=0
if command -v desktop-file-validate >/dev/null 2>&1; then
  out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $out"
  if echo "$out" | grep -qE 'error:|warning:'; then fail "desktop-file-validate: $out"; fi
else
  echo "SKIP: desktop-file-validate is not installed"
  skipped=1
fi
if command -v appstreamcli >/dev/null 2>&1; then
  out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
else
  echo "SKIP: appstreamcli is not installed"
  skipped=1
fi
[ "$skipped" = 0 ] || exit 77
echo "PASS"
