# Shared by scripts/run and scripts/test: installs what the build needs (Debian packages),
# then configures and builds. Source it; it expects $root to be the project folder.

packages=(cmake g++ make pkgconf qt6-base-dev qt6-svg-dev fonts-liberation fonts-dejavu-core poppler-utils
    clang-format desktop-file-utils shared-mime-info locales)
# Only the fuzz run needs these: libFuzzer ships in the clang run-time package.
fuzz_packages=(clang libclang-rt-14-dev)

missing_packages() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
    done
}

# install_missing [package ...]: the default list unless packages are named.
install_missing() {
    local need
    if [ $# -eq 0 ]; then set -- "${packages[@]}"; fi
    mapfile -t need < <(missing_packages "$@")
    [ ${#need[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing Debian packages: ${need[*]}" >&2
        echo "Install them with: sudo apt-get install ${need[*]}" >&2
        return 1
    fi
    echo "Installing: ${need[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${need[@]}"
}

# configure_and_build DIR [cmake option ...] [-- build target ...]
# Options are applied on every call, so an existing build folder picks up a changed option.
configure_and_build() {
    local dir=${1:-$root/build}
    shift || true
    local options=() targets=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do options+=("$1"); shift; done
    [ "${1:-}" = "--" ] && shift
    targets=("$@")
    # A compiler cache, where one is installed, makes rebuilds in a second build folder cheap.
    if command -v ccache >/dev/null; then options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
    if [ ! -f "$dir/CMakeCache.txt" ] || [ ${#options[@]} -gt 0 ]; then
        cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}"
    fi
    if [ ${#targets[@]} -gt 0 ]; then
        cmake --build "$dir" --parallel "$(nproc)" --target "${targets[@]}"
    else
        cmake --build "$dir" --parallel "$(nproc)"
    fi
}
