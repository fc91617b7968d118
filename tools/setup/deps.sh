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
  nsis ccache
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

# Compiles are kept by ccache between builds and clones: paths are taken relative to the sources,
# so a clone in another folder finds what an earlier build compiled.
export CCACHE_BASEDIR="$SCRIBIX_ROOT" CCACHE_NOHASHDIR=1
scribix_configure() {
  local dir=$1
  shift
  local cache=()
  if command -v ccache >/dev/null; then
    cache=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  fi
  cmake -S "$SCRIBIX_ROOT" -B "$dir" -G Ninja "${cache[@]}" "$@" >/dev/null
}

scribix_build() {
  local dir=$1
  shift
  scribix_configure "$dir" "$@" &&
    cmake --build "$dir" -- -j"$(nproc)"
}

# Builds only the named targets (one word, blank-separated) and what they need.
scribix_build_targets() {
  local dir=$1 target=$2
  shift 2
  scribix_configure "$dir" "$@" &&
    # shellcheck disable=SC2086 # one target a word
    cmake --build "$dir" --target $target -- -j"$(nproc)"
}
