#!/usr/bin/env bash
# test-deb-chroot.sh DEB [CHROOT_DIR]
#
# Installs the Debian package on a clean Debian 12 (a minimal bookworm chroot made with
# debootstrap, kept in CHROOT_DIR, default /var/tmp/dorarive-bookworm, for the next run) and
# starts what it installed: dorarive-calc, the window on the offscreen platform, and the
# desktop entry's command under a virtual X server. The package is purged again at the end
# (with the dependencies it pulled in), so the chroot stays clean; KEEP=1 leaves it installed.
#
# Needs root and the network; not part of the test suite.
set -euo pipefail
deb=${1:?usage: test-deb-chroot.sh DEB [CHROOT_DIR]}
dir=${2:-/var/tmp/dorarive-bookworm}
[ "$(id -u)" -eq 0 ] || { echo "test-deb-chroot.sh: run as root" >&2; exit 2; }
[ -f "$deb" ] || { echo "test-deb-chroot.sh: no such package: $deb" >&2; exit 2; }

if [ ! -f "$dir/etc/debian_version" ]; then
    command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap
    echo "== debootstrap bookworm into $dir"
    debootstrap --variant=minbase bookworm "$dir"
fi

# /proc is needed inside: the programs read their version section through /proc/self/exe.
mounted=()
cleanup() {
    local m
    for m in "${mounted[@]}"; do umount "$m" || true; done
}
trap cleanup EXIT
for fs in proc dev/pts; do
    mountpoint -q "$dir/$fs" && continue
    mkdir -p "$dir/$fs"
    case $fs in
        proc) mount -t proc proc "$dir/proc" ;;
        dev/pts) mount -t devpts devpts "$dir/dev/pts" ;;
    esac
    mounted=("$dir/$fs" "${mounted[@]}")
done
cp /etc/resolv.conf "$dir/etc/resolv.conf"
name=$(basename "$deb")
cp "$deb" "$dir/tmp/$name"

in_chroot() {
    chroot "$dir" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LC_ALL=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive "$@"
}

echo "== apt-get install ./$name (without recommends: the hard dependencies must suffice)"
in_chroot apt-get update -qq
in_chroot sh -c "cd /tmp && apt-get install -y -qq --no-install-recommends ./$name"
in_chroot dpkg -L dorarive

echo "== dorarive-calc"
in_chroot dorarive-calc | head -n 3
in_chroot sh -c 'dorarive-calc --json | head -c 300; echo'
echo "== the faces the window asks for"
in_chroot fc-match Arial
in_chroot fc-match sans-serif
# fontconfig's spacing 100 is a monospace face: the default font's texts would look typed.
if [ "$(in_chroot fc-match -f '%{spacing}' sans-serif)" = 100 ]; then
    echo "FAIL: sans-serif is a monospace face" >&2
    exit 1
fi

# Still running after five seconds means the modal window is up.
expect_running() {
    local status=0
    in_chroot "$@" || status=$?
    if [ "$status" -ne 124 ]; then
        echo "FAIL: the window ended with status $status" >&2
        exit 1
    fi
    echo "window ran for 5 s"
}
echo "== dorarive on the offscreen platform"
expect_running sh -c 'export XDG_CONFIG_HOME=$(mktemp -d); QT_QPA_PLATFORM=offscreen timeout 5 dorarive'

echo "== the desktop entry's command under Xvfb"
in_chroot apt-get install -y -qq --no-install-recommends xvfb xauth >/dev/null
exec_line=$(sed -n 's/^Exec=//p' "$dir/usr/share/applications/dorarive.desktop")
echo "Exec=$exec_line"
expect_running sh -c "export XDG_CONFIG_HOME=\$(mktemp -d); xvfb-run -a timeout 5 $exec_line"

# What a desktop has: the MIME database, the desktop-entry cache and xdg-utils, whose
# recommended mimetype command reads the database (plain `file` knows no .kaldora).
echo "== a .kaldora file opened by its MIME type"
desktop_tools=(xdg-utils libfile-mimeinfo-perl desktop-file-utils shared-mime-info)
in_chroot apt-get install -y -qq --no-install-recommends "${desktop_tools[@]}" >/dev/null
in_chroot sh -c 'dorarive-calc --save /tmp/cabinet-777.kaldora iWidth=777 iDoorCheck=1 >/dev/null'
filetype=$(in_chroot xdg-mime query filetype /tmp/cabinet-777.kaldora)
default=$(in_chroot xdg-mime query default application/x-nordavik-kaldora)
echo "filetype: $filetype; default application: $default"
[ "$filetype" = application/x-nordavik-kaldora ] || { echo "FAIL: .kaldora is $filetype" >&2; exit 1; }
[ "$default" = dorarive.desktop ] || { echo "FAIL: the type opens with '$default'" >&2; exit 1; }
# xdg-open runs the entry's command in the foreground; at the timeout the window ends as on a
# logout and stores its inputs, so the store must now give the file's calculation.
expect_running sh -c 'export XDG_CONFIG_HOME=/tmp/opened; xvfb-run -a timeout 5 xdg-open /tmp/cabinet-777.kaldora'
from_file=$(in_chroot dorarive-calc --json --open /tmp/cabinet-777.kaldora)
stored=$(in_chroot env XDG_CONFIG_HOME=/tmp/opened dorarive-calc --json --stored)
if [ "$from_file" != "$stored" ]; then
    echo "FAIL: the window opened by xdg-open did not apply the file" >&2
    diff <(echo "$from_file") <(echo "$stored") >&2 || true
    exit 1
fi
echo "xdg-open started dorarive with the file"

if [ "${KEEP:-0}" != 1 ]; then
    echo "== purging the package and what it pulled in"
    in_chroot rm -rf /tmp/opened /tmp/cabinet-777.kaldora
    in_chroot apt-get purge -y -qq --autoremove dorarive xvfb xauth "${desktop_tools[@]}" >/dev/null
fi
echo "package test in the chroot passed"
