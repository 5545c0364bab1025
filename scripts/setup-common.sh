# Shared by ./run and ./test: installs what is missing, then configures and builds.
# Sourced, not executed; expects SKELDA_ROOT to be set by the caller.

SKELDA_PACKAGES=(
  cmake g++ make
  qt6-base-dev qt6-image-formats-plugins libjpeg62-turbo-dev libcurl4-openssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-liberation2 ccache pkg-config python3 zlib1g-dev libchm-dev
)

# What the fuzz tree needs besides (scripts/fuzz): clang and its fuzzer and sanitizer runtimes.
SKELDA_FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# skelda_missing_packages [PACKAGE...]: those of the given packages (by default SKELDA_PACKAGES)
# that are not installed.
skelda_missing_packages() {
  local pkg missing=()
  local wanted=("$@")
  [ ${#wanted[@]} -eq 0 ] && wanted=("${SKELDA_PACKAGES[@]}")
  for pkg in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  echo "${missing[@]}"
}

# skelda_install_packages [PACKAGE...]: installs what is missing of them (by default SKELDA_PACKAGES).
skelda_install_packages() {
  local missing
  missing=$(skelda_missing_packages "$@")
  [ -z "$missing" ] && return 0
  echo "Installing Debian packages: $missing"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Need root or sudo to install: $missing" >&2; return 1; }
    sudo=(sudo)
  fi
  # A list older than a day may no longer name the current package versions.
  local lists=/var/lib/apt/lists
  if [ -z "$(find "$lists" -maxdepth 1 -name '*Packages*' -mmin -1440 2>/dev/null | head -n 1)" ]; then
    "${sudo[@]}" apt-get update -q
  fi
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends $missing
}

skelda_build() {
  local build_dir=$1; shift
  local launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  # Configuring every time is cheap and picks up folders added since the last build.
  cmake -S "$SKELDA_ROOT" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
  cmake --build "$build_dir" --parallel "$(nproc)"
}
