# Shared by ./run, ./test and ./package: the Debian packages Scribix needs, installed when missing.
# shellcheck shell=bash

SCRIBIX_PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n qt6-image-formats-plugins
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-sil-andika fonts-liberation2 fonts-comic-neue fontconfig
  libespeak-ng-dev libpcaudio-dev libespeak-ng1 espeak-ng-data
  clang-14 libclang-rt-14-dev
  g++-mingw-w64-x86-64 googletest wine wine64 xvfb xdotool x11-utils imagemagick
  dpkg-dev desktop-file-utils appstream lintian strace poppler-utils
  nsis xvfb
)

scribix_install_missing() {
  local missing=()
  local p
  for p in "${SCRIBIX_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installation des paquets manquants : ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq && apt-get install -y -qq "${missing[@]}" >/dev/null
  else
    echo "Il manque des paquets. Lancez d'abord :"
    echo "  sudo apt-get install -y ${missing[*]}"
    return 1
  fi
}

scribix_build() {
  local dir=$1
  shift
  cmake -S "$SCRIBIX_ROOT" -B "$dir" -G Ninja "$@" >/dev/null &&
    cmake --build "$dir" -- -j"$(nproc)"
}

# Builds only the named targets (one word, blank-separated) and what they need.
scribix_build_targets() {
  local dir=$1 target=$2
  shift 2
  cmake -S "$SCRIBIX_ROOT" -B "$dir" -G Ninja "$@" >/dev/null &&
    # shellcheck disable=SC2086 # one target a word
    cmake --build "$dir" --target $target -- -j"$(nproc)"
}
