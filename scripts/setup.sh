# Shared by scripts/run and scripts/test: installs what the build needs (Debian packages),
# then configures and builds in build/. Source it; it expects $root to be the project folder.

packages=(cmake g++ make pkgconf qt6-base-dev qt6-svg-dev fonts-liberation poppler-utils)

missing_packages() {
    local p
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
    done
}

install_missing() {
    local need
    mapfile -t need < <(missing_packages)
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

configure_and_build() {
    local dir=${1:-$root/build}
    shift || true
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    fi
    cmake --build "$dir" --parallel "$(nproc)"
}
