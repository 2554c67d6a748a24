# shellcheck shell=bash
# Debian packages Fillpack needs to build, test and run, and a helper that installs
# those of them that are missing. Sourced by run.sh, test.sh and bench/gather.sh.

# shellcheck disable=SC2034 # used by the scripts that source this file
FILLPACK_PACKAGES=(
  cmake ninja-build g++
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  qt6-multimedia-dev libqt6multimedia6
  libgtest-dev
  shared-mime-info adwaita-icon-theme
  libqt6svg6
  qt6-translations-l10n # the standard buttons and dialogs in the language of the pack picked
  desktop-file-utils appstream
  groff-base # the manual page test renders it
  xvfb xauth xclip xdotool
  xorriso # the disc image tests measure real images with it
)

# What making the package needs on top: dpkg-shlibdeps (and the file type probe CPack
# runs before it) to find the libraries the package depends on, and lintian, which the
# package test runs on it.
# shellcheck disable=SC2034 # used by package.sh and test.sh
FILLPACK_PACKAGING_PACKAGES=(dpkg-dev file lintian)

# Prints, one a line, those of the named packages that dpkg does not have installed.
fillpack_missing_packages() {
  local package status
  for package in "$@"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [[ $status == installed ]] || printf '%s\n' "$package"
  done
}

# Installs those of the named packages that are missing. Everything it prints goes to
# standard error, so that a caller's standard output stays its own. Without root it names what is missing and fails.
fillpack_install_missing() {
  local -a missing
  mapfile -t missing < <(fillpack_missing_packages "$@")
  ((${#missing[@]} > 0)) || return 0
  if ((EUID != 0)); then
    echo "fillpack: missing Debian packages: ${missing[*]}" >&2
    echo "fillpack: run this script as root, or install them with: apt-get install ${missing[*]}" >&2
    return 1
  fi
  echo "fillpack: installing missing packages: ${missing[*]}" >&2
  DEBIAN_FRONTEND=noninteractive apt-get update -q >&2
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" >&2
}

# Configures a build folder of the source tree SOURCE: Ninja for a new folder, the
# folder's own generator otherwise. Further arguments go to cmake.
fillpack_configure() {
  local source=$1 build=$2
  shift 2
  local -a generator=()
  [[ -f $build/CMakeCache.txt ]] || generator=(-G Ninja)
  cmake -S "$source" -B "$build" "${generator[@]}" "$@"
}
