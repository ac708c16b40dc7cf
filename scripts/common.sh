# Shared by scripts/play and scripts/test: install what is missing, configure, build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

PACKAGES=(
  build-essential cmake ninja-build lld pkg-config clang-format
  libsdl2-dev libsdl2-mixer-dev libx11-dev libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
  libegl1 libegl-mesa0 libfreetype-dev libfontconfig-dev fonts-liberation2 zlib1g-dev
  libsimpleini-dev libgtest-dev libgmock-dev libbenchmark-dev lame python3
)

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq "${missing[@]}"
}

jobs() { nproc 2>/dev/null || echo 2; }

# build FLAVOUR: configure and build build/FLAVOUR (release or debug).
build() {
  local flavour="$1"; shift
  local dir="$ROOT/build/$flavour"
  local args=(-G Ninja -S "$ROOT" -B "$dir")
  # Rebuilds after switching branches are much faster with a compiler cache, where there is one.
  if command -v ccache >/dev/null; then args+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache); fi
  # Every option is named here: cmake keeps a setting of an earlier run (scripts/play builds
  # without tests) until it is set again. The caller's own settings come last and win.
  case "$flavour" in
    release) args+=(-DCMAKE_BUILD_TYPE=Release -DBHM_SANITIZE=OFF -DBHM_TESTS=ON -DBHM_BENCH=ON) ;;
    debug)   args+=(-DCMAKE_BUILD_TYPE=Debug -DBHM_SANITIZE=ON -DBHM_TESTS=ON -DBHM_BENCH=OFF) ;;
  esac
  cmake "${args[@]}" "$@" >/dev/null
  cmake --build "$dir" -j "$(jobs)"
}
