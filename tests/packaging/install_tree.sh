#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a desktop and a package manager
# rely on: every file in its place and nothing else, the desktop entry, icon and metadata
# naming one another, both validators content, and the installed program running.
# Usage: install_tree.sh BUILD_DIR SOURCE_DIR APP_ID VERSION
set -euo pipefail

build=$1 source=$2 app_id=$3 version=$4
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" > /dev/null
desktop=share/applications/$app_id.desktop
icon=share/icons/hicolor/scalable/apps/$app_id.svg
metainfo=share/metainfo/$app_id.metainfo.xml

# The exact set of installed files: a missing one breaks the menu or the data folder, a
# stray one (a static library, a test program) would land in the user's /usr.
expected=$({
  printf '%s\n' bin/fillpack "$desktop" "$icon" "$metainfo" share/man/man1/fillpack.1.gz \
    share/bash-completion/completions/fillpack share/doc/fillpack/copyright share/doc/fillpack/changelog.gz \
    share/lintian/overrides/fillpack
  [[ ! -d $source/language ]] || (cd "$source" && find language -type f -printf 'share/fillpack/%p\n')
  (cd "$source/data" && find . -type f -printf 'share/fillpack/%P\n')
} | sort)
actual=$(cd "$prefix" && find . -type f -printf '%P\n' | sort)
if [[ $expected != "$actual" ]]; then
  fail "installed files differ from the expected layout:"
  diff <(echo "$expected") <(echo "$actual") >&2 || true
fi
[[ -x $prefix/bin/fillpack ]] || fail "bin/fillpack is not executable"

# Fields of the desktop entry that the other files must agree with.
desktop_value() { sed -n "s/^$1=//p" "$prefix/$desktop"; }
[[ $(desktop_value Icon) == "$app_id" ]] || fail "the desktop entry's Icon= is not $app_id"
[[ $(desktop_value Exec) == fillpack ]] || fail "the desktop entry's Exec= is not the installed fillpack"
[[ $(desktop_value Type) == Application ]] || fail "the desktop entry is not an application"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$prefix/$metainfo" ||
  fail "the metadata does not launch $app_id.desktop"
grep -q "<id>$app_id</id>" "$prefix/$metainfo" || fail "the metadata's id is not $app_id"
grep -q "<release version=\"$version\"" "$prefix/$metainfo" || fail "the metadata has no release $version"
grep -q "@" <(grep -v '<!--' "$prefix/$metainfo" "$prefix/$desktop") && fail "a placeholder was left unfilled"

# The validators pass what a menu or a software centre would still show badly (a desktop
# entry only in a catch-all menu section, metadata without a content rating), so their
# hints and infos count as failures too, all but the capital letter of the reverse-domain id.
report=$(desktop-file-validate "$prefix/$desktop" 2>&1) || fail "desktop-file-validate rejects the desktop entry"
[[ -z $report ]] || fail "desktop-file-validate remarks: $report"
report=$(appstreamcli validate --no-net --pedantic "$prefix/$metainfo" 2>&1) || fail "appstreamcli rejects the metadata"
remarks=$(grep -E '^[EWIP]: ' <<<"$report" | grep -v ' cid-contains-uppercase-letter ' || true)
[[ -z $remarks ]] || fail "appstreamcli remarks: $remarks"

# The installed program shows its help headless; it needs neither a display nor settings.
home=$prefix/home
mkdir -p "$home"
help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home" XDG_CONFIG_HOME="$home/.config" \
  "$prefix/bin/fillpack" --headless '/?' 2>&1 > /dev/null) || fail "the installed fillpack --headless /? failed"
grep -qi '/path' <<<"$help" || fail "the installed fillpack did not show the help: $help"

((failures == 0)) || exit 1
echo "install tree under $prefix: all checks passed"
