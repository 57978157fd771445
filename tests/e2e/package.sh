#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# Builds the Debian package from this build tree, installs it, starts the
# installed /usr/bin/Quintora and checks that it shows its window and finds
# its help page in /usr/share/quintora (the Help button is enabled and opens
# that page), then removes the package again, also when a check fails.
# Before installing, lintian must find no error and no warning, and the
# AppStream description must validate together with its desktop entry.
# Needs root, dpkg and apt; skipped (77) otherwise or when a quintora package
# is installed already (that one is the user's and stays untouched).
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then echo "SKIP: installing a package needs root"; exit 77; fi
for tool in dpkg dpkg-deb dpkg-query dpkg-shlibdeps apt-get cpack lintian appstreamcli xprop; do
  command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not available"; exit 77; }
done

SOURCE_DIR=$(cd "$(dirname "$0")/../.." && pwd)
source "$(dirname "$0")/lib.sh"
start_xvfb
INSTALLED=/usr/bin/Quintora
PACKAGE_DIR=$(mktemp -d /tmp/quintora-package.XXXXXX)
chmod 755 "$PACKAGE_DIR" # apt reads the file as its own user
PACKAGES_BEFORE="$PACKAGE_DIR/packages-before"
WE_INSTALLED=0

# Test runs of other build trees may package at the same time: one at a time.
exec 9>/tmp/quintora-package-test.lock
flock -w 600 9 || fail "another package test held the lock for 10 minutes"

is_installed() {
  dpkg-query -W -f='${Status}' quintora 2>/dev/null | grep -q ' installed$'
}
if is_installed; then
  echo "SKIP: a quintora package is installed already"
  rm -rf "$PACKAGE_DIR"
  exit 77
fi

installed_packages() {
  dpkg-query -W -f='${Package}:${Architecture} ${db:Status-Status}\n' | awk '$2 == "installed" {print $1}' | sort
}

# Removes the package and anything its installation brought in, so the
# machine is left as it was found.
remove_package() {
  [ "$WE_INSTALLED" = 1 ] || return 0
  if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then kill -9 "$APP_PID" 2>/dev/null || true; fi
  APP_PID=""
  dpkg --purge quintora >>"$ARTIFACTS/dpkg.log" 2>&1 || echo "WARNING: dpkg --purge quintora failed (see $ARTIFACTS/dpkg.log)"
  local added
  added=$(comm -13 "$PACKAGES_BEFORE" <(installed_packages) || true)
  if [ -n "$added" ]; then
    echo "Removing what the installation brought in: $added"
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -o DPkg::Lock::Timeout=120 $added >>"$ARTIFACTS/dpkg.log" 2>&1 || true
  fi
  WE_INSTALLED=0
}

package_cleanup() {
  local rc=$?
  set +e
  remove_package
  rm -rf "$PACKAGE_DIR"
  (exit $rc)
  cleanup
}
trap package_cleanup EXIT

SECONDS=0
echo "== Packaging $BUILD_DIR"
cpack --config "$BUILD_DIR/CPackConfig.cmake" -G DEB -B "$PACKAGE_DIR" >"$ARTIFACTS/cpack.log" 2>&1 || { cat "$ARTIFACTS/cpack.log"; fail "cpack failed"; }
deb=$(ls "$PACKAGE_DIR"/quintora_*_amd64.deb 2>/dev/null | head -n 1)
version=$("$QUINTORA" --version | awk '{print $2}')
[ "$(basename "$deb")" = "quintora_${version}_amd64.deb" ] || fail "package is '$(basename "$deb")', expected quintora_${version}_amd64.deb"
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libxlsxwriter libc6 libstdc++6 qt6-qpa-plugins fonts-liberation2 xdg-utils qt6-translations-l10n; do
  echo "$depends" | grep -q "$needed" || fail "Depends lacks $needed"
done
# Mode, owner, size, date and time, then the path (which may hold blanks).
contents=$(dpkg-deb -c "$deb" | sed -E 's/^([^ ]+ +){5}//')
DESKTOP_ID=example.velmarin.quintora
for path in ./usr/bin/Quintora ./usr/share/applications/$DESKTOP_ID.desktop ./usr/share/quintora/Quintora.html \
            ./usr/share/quintora/Quintora.en.html \
            ./usr/share/icons/hicolor/16x16/apps/quintora.png ./usr/share/icons/hicolor/256x256/apps/quintora.png \
            ./usr/share/quintora/teams/ ./usr/share/metainfo/$DESKTOP_ID.metainfo.xml \
            ./usr/share/man/man1/Quintora.1.gz ./usr/share/doc/quintora/copyright ./usr/share/doc/quintora/changelog.gz; do
  echo "$contents" | grep -qxF "$path" || fail "the package lacks $path"
done
[ "$(echo "$contents" | grep -c '^\./usr/share/quintora/teams/.*\.txt$')" -ge 2 ] || fail "the package lacks the sample teams"

echo "== lintian"
lintian --fail-on error,warning --info "$deb" >"$ARTIFACTS/lintian.log" 2>&1 || { cat "$ARTIFACTS/lintian.log"; fail "lintian found errors or warnings"; }
grep -E '^[EWIPX]:' "$ARTIFACTS/lintian.log" || echo "no tags"

echo "== AppStream"
# The tree check also finds the desktop entry that the description launches.
TREE="$PACKAGE_DIR/tree"
dpkg-deb -x "$deb" "$TREE"
appstreamcli validate-tree --no-net "$TREE" >"$ARTIFACTS/appstream.log" 2>&1 || { cat "$ARTIFACTS/appstream.log"; fail "appstreamcli validate-tree failed"; }
# The copyright file carries the licence of the source tree.
diff <(sed -n '/^Permission/,$p' "$SOURCE_DIR/LICENSE") \
     <(sed -n '/^ Permission/,$p' "$TREE/usr/share/doc/quintora/copyright" | sed -e 's/^ //' -e 's/^\.$//') \
  >"$ARTIFACTS/licence.diff" || { cat "$ARTIFACTS/licence.diff"; fail "the copyright file's licence differs from LICENSE"; }

echo "== Installing"
installed_packages >"$PACKAGES_BEFORE"
WE_INSTALLED=1
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=120 "$deb" \
  >"$ARTIFACTS/apt.log" 2>&1 || { cat "$ARTIFACTS/apt.log"; fail "apt-get install failed"; }
[ -x "$INSTALLED" ] || fail "$INSTALLED is not there after installing"
[ "$("$INSTALLED" --version)" = "Quintora $version" ] || fail "the installed program says '$("$INSTALLED" --version)'"
appstreamcli validate --no-net "/usr/share/metainfo/$DESKTOP_ID.metainfo.xml" >>"$ARTIFACTS/appstream.log" 2>&1 \
  || { cat "$ARTIFACTS/appstream.log"; fail "appstreamcli validate failed on the installed description"; }

echo "== Starting $INSTALLED"
# The Help button opens its page with xdg-open; this one only notes the address.
FAKE_BIN="$E2E_HOME/bin"
mkdir -p "$FAKE_BIN"
OPENED="$E2E_HOME/opened"
printf '#!/bin/sh\necho "$1" >>"%s"\n' "$OPENED" >"$FAKE_BIN/xdg-open"
chmod +x "$FAKE_BIN/xdg-open"
QUINTORA=$INSTALLED
export PATH="$FAKE_BIN:$PATH"
start_app
win=$(wait_window "$MAIN_CAPTION") || fail "the installed program showed no window '$MAIN_CAPTION'"
sleep 0.5
screenshot "installed"
# A task bar on X11 groups the window with the menu entry whose StartupWMClass is the window's class.
wm_class=$(xprop -id "$win" WM_CLASS | sed -n 's/.*= "[^"]*", "\([^"]*\)"$/\1/p')
startup_class=$(sed -n 's/^StartupWMClass=//p' "/usr/share/applications/$DESKTOP_ID.desktop")
[ -n "$wm_class" ] && [ "$wm_class" = "$startup_class" ] \
  || fail "the window's class '$wm_class' is not the menu entry's StartupWMClass '$startup_class'"
# Help sits at (6, 25) in the top panel, 40 x 39.
xdotool mousemove --window "$win" 26 44 click 1
for _ in $(seq 1 100); do [ -s "$OPENED" ] && break; sleep 0.05; done
[ -s "$OPENED" ] || fail "the Help button opened nothing: disabled, the help page was not found"
grep -qx 'file:///usr/share/quintora/Quintora.html' "$OPENED" || fail "Help opened '$(cat "$OPENED")', not the installed page"
close_app

echo "== Removing"
remove_package
[ ! -e "$INSTALLED" ] || fail "$INSTALLED is still there after removing the package"
[ ! -e /usr/share/quintora ] || fail "/usr/share/quintora is still there after removing the package"
is_installed && fail "dpkg still lists quintora as installed"
diff <(installed_packages) "$PACKAGES_BEFORE" >/dev/null || fail "the installed packages differ from before the test"
echo "PASS (${SECONDS} s)"
