# Shared by scripts/run and scripts/test: installs what the build needs (Debian packages),
# then configures and builds through CMakePresets.json. Source it; it expects $root to be the
# project folder.

packages=(cmake g++ make pkgconf qt6-base-dev qt6-svg-dev qt6-l10n-tools qt6-translations-l10n fonts-liberation fonts-dejavu-core poppler-utils
    clang-format desktop-file-utils shared-mime-info locales xvfb xdotool x11-utils scdoc lintian appstream
    dpkg-dev)
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

# configure_and_build PRESET: configures and builds one preset of CMakePresets.json (default,
# sanitize or fuzz) in its build folder. Configuring on every call lets an existing build folder
# pick up a changed preset.
configure_and_build() {
    local preset=$1 options=()
    # A compiler cache, where one is installed, makes rebuilds in a second build folder cheap. It
    # is not in the presets: CMake stops when the launcher it is given does not exist.
    if command -v ccache >/dev/null; then options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
    (cd "$root" && cmake --preset "$preset" "${options[@]}" && cmake --build --preset "$preset" --parallel "$(nproc)")
}
