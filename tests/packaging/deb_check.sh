#!/usr/bin/env bash
# Makes the Debian package of a build (cpack, into a temporary folder), runs lintian on it,
# which must report no error and no warning, then installs it into a root folder of its own
# with a dpkg database of its own, runs the installed `fillpack --version`, removes the
# package and checks that nothing of it is left. The system's own dpkg database is never touched.
# Usage: deb_check.sh BUILD_DIR VERSION. Exits 77 (skipped) without the packaging tools.
set -euo pipefail

build=$(cd "$1" && pwd) version=$2
for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
  command -v "$tool" > /dev/null || { echo "skipped: $tool is missing (scripts/deps.sh lists it)"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

(cd "$work" && cpack -G DEB -B "$work/out" --config "$build/CPackConfig.cmake" > cpack.log 2>&1) ||
  { cat "$work/cpack.log" >&2; exit 1; }
deb=$(find "$work/out" -maxdepth 1 -name 'fillpack_*.deb' -print -quit)
[[ -n $deb ]] || { echo "FAIL: cpack made no package" >&2; exit 1; }

# Infos are shown, but only errors and warnings fail; an override names its reason beside it.
report=$(lintian --display-info --fail-on error,warning "$deb" 2>&1) || fail "lintian reports errors or warnings"
grep -v 'running with root privileges' <<<"$report" || true

# The round trip needs root, which sets the owners of what it unpacks.
if ((EUID != 0)); then
  echo "the install round trip needs root; only lintian was run"
else
  root=$work/root
  mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
  touch "$root/var/lib/dpkg/status"
  # The dependencies are the system's libraries, which the empty database knows nothing of.
  dpkg --root="$root" --force-depends --install "$deb" > "$work/dpkg.log" 2>&1 || {
    cat "$work/dpkg.log" >&2
    fail "dpkg could not install the package"
  }
  printed=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/fillpack" --version 2>&1) ||
    fail "the installed fillpack --version failed"
  [[ $printed == "fillpack $version" ]] || fail "the installed fillpack --version printed: $printed"
  dpkg --root="$root" --purge fillpack > "$work/dpkg.log" 2>&1 || {
    cat "$work/dpkg.log" >&2
    fail "dpkg could not remove the package"
  }
  left=$(cd "$root" && find . -mindepth 1 ! -path ./var ! -path ./var/lib ! -path './var/lib/dpkg' ! -path './var/lib/dpkg/*')
  [[ -z $left ]] || fail "the removed package left: $left"
fi

((failures == 0)) || exit 1
echo "package $(basename "$deb"): lintian content, installed, ran and removed without a trace"
