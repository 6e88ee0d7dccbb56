#!/usr/bin/env bash
# Checks the Debian package as a user gets it:
#   1. lintian finds no error and no warning in it, its desktop entry and metainfo pass their
#      validators, and the metainfo's releases are the changelog's;
#   2. it installs with apt-get, with nothing but its own Depends, on a clean Debian 12
#      system: a minimal debootstrap root, entered with chroot;
#   3. there, an ordinary user's `tallybell --version` names the package's version, and
#      started by that user, its main window maps on an X display and the
#      user's data folder gets the shipped task list, lists and bell;
#   4. purged, it leaves nothing of its own under /usr.
#
# Usage (as root): scripts/check-deb.sh [PACKAGE.deb]
#   (default: build/package/tallybell_*.deb)
#
# The minimal root is made once and kept as a tar file in $TALLYBELL_CI_CACHE (default
# /var/cache/tallybell-ci), with the packages apt fetched for it; each run unpacks a fresh
# copy. The Debian mirror is the one this machine's apt uses for bookworm.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -ne 0 ]; then
    echo "check-deb.sh: needs root (debootstrap, chroot, mounts)" >&2
    exit 1
fi
deb=$(realpath "${1:-$(ls build/package/tallybell_*.deb)}")
cache=${TALLYBELL_CI_CACHE:-/var/cache/tallybell-ci}
base=$cache/bookworm-minbase.tar
archives=$cache/apt-archives
suite=bookworm
user=practiser
started=$SECONDS

step() { echo "-- $* ($((SECONDS - started)) s)"; }
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# --- 1. The package by itself --------------------------------------------------------------
step "lintian"
lintian --info --fail-on error,warning "$deb"

unpacked=$(mktemp -d /tmp/tallybell-deb.XXXXXX)
root=""
xvfb=""
program=""
mounts=()
clean_up() {
    local status=$?
    set +e
    [ -n "$program" ] && kill "$program" 2>/dev/null && wait "$program" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}" ||
            echo "check-deb.sh: could not unmount ${mounts[i]}" >&2
    done
    # Never remove a root while anything is still mounted in it: that would reach the
    # machine's own /dev or cache.
    if [ -n "$root" ] && ! grep -qF " $root/" /proc/self/mounts; then
        rm -rf --one-file-system "$root"
    elif [ -n "$root" ]; then
        echo "check-deb.sh: $root is left in place, something is still mounted in it" >&2
    fi
    rm -rf "$unpacked"
    exit "$status"
}
trap clean_up EXIT
trap 'exit 130' INT TERM

step "desktop entry, metainfo and changelog in the package"
dpkg-deb --extract "$deb" "$unpacked"
desktop=$(ls "$unpacked"/usr/share/applications/*.desktop)
metainfo=$(ls "$unpacked"/usr/share/metainfo/*.metainfo.xml)
desktop-file-validate "$desktop"
# Pedantic hints are printed and allowed; a warning or an error fails.
appstreamcli validate --pedantic --no-net --strict "$metainfo"
zcat "$unpacked/usr/share/doc/tallybell/changelog.gz" >"$unpacked/changelog"
changelog_releases=$(dpkg-parsechangelog -l "$unpacked/changelog" --all --format rfc822 | awk '
        /^Version: / { v = $2 }
        /^Date: / { cmd = "date -u -d \"" substr($0, 7) "\" +%F"; cmd | getline d; close(cmd)
                    print v, d }')
metainfo_releases=$(grep -oE '<release version="[^"]+" date="[^"]+"' "$metainfo" |
    sed -E 's/.*version="([^"]+)" date="([^"]+)"/\1 \2/')
if [ "$changelog_releases" != "$metainfo_releases" ]; then
    fail "the metainfo's releases differ from the changelog's:
changelog:
$changelog_releases
metainfo:
$metainfo_releases"
fi

# --- 2. A clean Debian 12 system --------------------------------------------------------------
# The first address this machine's apt fetches SUITE from: deb822 .sources files first, then
# one-line lists.
mirror_for() {
    local found
    found=$(
        cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk -v suite="$1" '
            BEGIN { RS = ""; FS = "\n" }
            {
                uris = ""; suites = ""; types = ""
                for (i = 1; i <= NF; i++) {
                    if ($i ~ /^URIs:/) uris = substr($i, 6)
                    if ($i ~ /^Suites:/) suites = substr($i, 8)
                    if ($i ~ /^Types:/) types = substr($i, 7)
                    if ($i ~ /^Enabled: *no/) types = ""
                }
                if ((" " types " ") ~ / deb / && (" " suites " ") ~ (" " suite " ")) {
                    split(uris, u, " ")
                    for (k in u) if (u[k] != "") print u[k]
                }
            }' || true
        cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
            sed -E 's/\[[^]]*\]//' | awk -v suite="$1" '$1 == "deb" && $3 == suite { print $2 }' ||
            true
    )
    found=${found%%$'\n'*}
    echo "${found%/}"
}
mirror=$(mirror_for "$suite")
[ -n "$mirror" ] || fail "no Debian mirror for $suite in /etc/apt/sources.list{,.d}"
step "Debian mirror: $mirror"
probe=$(mktemp)
if ! /usr/lib/apt/apt-helper download-file "$mirror/dists/$suite/InRelease" "$probe" \
    >/dev/null 2>&1; then
    rm -f "$probe"
    fail "the Debian mirror $mirror cannot be reached: a clean system cannot be made"
fi
rm -f "$probe"

mkdir -p "$cache" "$archives/partial"
# A month-old root would need most of its packages again: it is made afresh.
if [ -f "$base" ] && [ -n "$(find "$base" -mtime +30)" ]; then
    rm -f "$base"
fi
if [ ! -f "$base" ]; then
    step "debootstrap --variant=minbase $suite (once; kept in $base)"
    fresh=$(mktemp -d "$cache/debootstrap.XXXXXX")
    chmod 755 "$fresh"
    if ! debootstrap --variant=minbase --cache-dir="$archives" "$suite" "$fresh" "$mirror" \
        >"$cache/debootstrap.log" 2>&1; then
        tail -n 20 "$cache/debootstrap.log" >&2
        rm -rf --one-file-system "$fresh"
        fail "debootstrap could not make a $suite root (log: $cache/debootstrap.log)"
    fi
    tar --numeric-owner -C "$fresh" -cf "$base.new" .
    rm -rf --one-file-system "$fresh"
    mv "$base.new" "$base"
fi

step "unpacking a fresh root from $base"
root=$(mktemp -d /var/tmp/tallybell-root.XXXXXX)
tar --numeric-owner -C "$root" -xpf "$base"
chmod 755 "$root" # a system's root folder, open to its users (mktemp made it private)
cp /etc/resolv.conf "$root/etc/resolv.conf"
# The same suites as this machine: the release with its updates and security fixes.
{
    echo "deb $mirror $suite main"
    echo "deb $mirror $suite-updates main"
    security=$(mirror_for "$suite-security")
    [ -z "$security" ] || echo "deb $security $suite-security main"
} >"$root/etc/apt/sources.list"
# No service of a package installed here is started: this is no running system.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"

mount_in_root() { # TYPE-OR-"bind" SOURCE TARGET-IN-ROOT
    mkdir -p "$root$3"
    if [ "$1" = bind ]; then mount --bind "$2" "$root$3"; else mount -t "$1" "$2" "$root$3"; fi
    mounts+=("$root$3")
}
mount_in_root proc proc /proc
mount_in_root bind /dev /dev
mount_in_root tmpfs tmpfs /dev/shm
mount_in_root bind "$archives" /var/cache/apt/archives
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"; }

step "apt-get install ./$(basename "$deb") in the clean root (Depends only)"
cp "$deb" "$root/tmp/"
in_root apt-get update -q >/dev/null
if ! in_root sh -c "cd /tmp && apt-get install -y -q --no-install-recommends ./$(basename "$deb")" \
    >"$root/tmp/install.log" 2>&1; then
    tail -n 30 "$root/tmp/install.log" >&2
    fail "apt-get install"
fi
grep -E '^(Need to get|After this operation)' "$root/tmp/install.log" || true
in_root dpkg-query -L tallybell | sort >"$unpacked/installed.txt"
in_root dpkg-query -W -f "\${Status}\n" tallybell | grep -qx 'install ok installed' ||
    fail "the package is not installed"
# The sound and speech module is loaded at run time, from beside the program's library folder:
# it is installed there, and everything it links with came with the Depends.
module=$(grep -E '^/usr/lib/([^/]+/)?tallybell/tallybell-media\.so$' "$unpacked/installed.txt") || fail "the package has no sound module in its library folder"
missing=$(in_root ldd "$module" | grep 'not found' || true)
[ -z "$missing" ] || fail "the sound module's libraries are not installed: $missing"

# --- 3. Its program, started by an ordinary user -----------------------------------------------
in_root useradd --create-home --shell /bin/sh "$user"
step "tallybell --version as $user, with no display"
version=$(chroot --userspec="$user:$user" "$root" /usr/bin/env -i HOME="/home/$user" \
    PATH=/usr/bin:/bin LANG=C.UTF-8 tallybell --version 2>&1) ||
    fail "tallybell --version ended with an error: $version"
expected="Tallybell $(dpkg-deb --field "$deb" Version)"
[ "$version" = "$expected" ] || fail "tallybell --version says \"$version\", not \"$expected\""
echo "$version"

step "starting tallybell as $user on an X display of the check's own"
# The display runs outside the root, so that nothing of X but the package's own Depends is
# in it; the program reaches it through its socket.
mkdir -p /tmp/.X11-unix
exec 3< <(Xvfb -displayfd 1 -nolisten tcp -screen 0 1280x1024x24 2>/dev/null)
xvfb=$!
read -r -t 30 number <&3 || fail "Xvfb did not start"
exec 3<&-
display=:$number
mount_in_root bind /tmp/.X11-unix /tmp/.X11-unix
home=/home/$user
data=$home/.local/share/Tallybell
chroot --userspec="$user:$user" "$root" /usr/bin/env -i HOME="$home" USER="$user" \
    LOGNAME="$user" PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$display" \
    sh -c 'cd && exec tallybell' >"$root/tmp/tallybell.log" 2>&1 &
program=$!

main_window() {
    # A visible top-level window titled Tallybell other than the splash, and whose type can
    # still be read: a splash that closed between the search and the question has none.
    local w type
    for w in $(DISPLAY=$display xdotool search --onlyvisible --name '^Tallybell$' 2>/dev/null)
    do
        type=$(DISPLAY=$display xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null) || continue
        if [[ $type == *"(ATOM) = "* && $type != *SPLASH* ]]; then
            echo "$w"
            return 0
        fi
    done
    return 1
}
window=""
for _ in $(seq 300); do
    window=$(main_window) && break
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$window" ]; then
    cat "$root/tmp/tallybell.log" >&2
    if kill -0 "$program" 2>/dev/null; then
        fail "the main window of the installed tallybell did not map within 30 s"
    fi
    wait "$program" && status=0 || status=$?
    program=""
    fail "the installed tallybell ended with status $status before its main window mapped"
fi
DISPLAY=$display xwininfo -id "$window" | grep -q 'Map State: IsViewable' ||
    fail "the main window is not viewable"
echo "main window $window mapped on $display"

step "the user's data folder"
[ "$(stat -c %a "$root$data")" = 700 ] || fail "$data is not private to the user"
# The shipped list became the user's own at the first start, with the bell beside it, and
# the user's store names it.
[ -f "$root$data/tallywork.ini" ] && [ ! -e "$root$data/tallydef.ini" ] ||
    fail "$data does not hold the user's task list tallywork.ini alone"
grep -qF "wavefile=$data/PINGPONG.WAV"$'\r' "$root$data/tallywork.ini" ||
    fail "the user's task list does not name the bell in $data"
grep -qF "$data/tallywork.ini" "$root$home/.config/Orvane/Tallybell/registry.ini" ||
    fail "the user's store does not name $data/tallywork.ini"
for f in List1.txt List2.txt PINGPONG.WAV; do
    cmp "$root/usr/share/tallybell/$f" "$root$data/$f" || fail "$data/$f is not the shipped one"
done
[ "$(stat -c %u "$root$data/PINGPONG.WAV")" = "$(stat -c %u "$root$home")" ] ||
    fail "the data folder's files do not belong to the user"
in_root ls -l "$data"

# Quit (Alt+Q) is enabled once the window shows a stopped session.
for _ in 1 2 3 4 5; do
    DISPLAY=$display timeout 5 xdotool windowfocus --sync "$window" key --clearmodifiers alt+q \
        2>/dev/null || true
    for _ in $(seq 20); do
        kill -0 "$program" 2>/dev/null || break 2
        sleep 0.1
    done
done
if kill -0 "$program" 2>/dev/null; then
    echo "what it wrote:" >&2
    sed 's/^/  /' "$root/tmp/tallybell.log" >&2
    echo "its windows:" >&2
    for w in $(DISPLAY=$display xdotool search --onlyvisible --name . 2>/dev/null); do
        echo "  $w $(DISPLAY=$display xprop -id "$w" WM_NAME _NET_WM_WINDOW_TYPE 2>&1 |
            tr '\n' ' ')" >&2
    done
    DISPLAY=$display import -window root "$cache/alt-q.png" 2>/dev/null &&
        echo "the screen: $cache/alt-q.png" >&2
    fail "tallybell did not quit on Alt+Q"
fi
status=0
wait "$program" || status=$?
program=""
if [ "$status" -ne 0 ]; then
    cat "$root/tmp/tallybell.log" >&2
    fail "tallybell quit with status $status"
fi
echo "tallybell quit with status 0"
if [ -s "$root/tmp/tallybell.log" ]; then
    echo "what it wrote:"
    sed 's/^/  /' "$root/tmp/tallybell.log"
fi

# --- 4. Purged, nothing of it is left ------------------------------------------------------
step "apt-get purge tallybell"
in_root apt-get purge -y -q tallybell >"$root/tmp/purge.log" 2>&1 ||
    { tail -n 20 "$root/tmp/purge.log" >&2; fail "apt-get purge"; }
left=()
while read -r path; do
    case $path in /usr/*) ;; *) continue ;; esac
    [ -e "$root$path" ] || [ -L "$root$path" ] || continue
    # A folder that other packages' files share stays.
    if [ -d "$root$path" ] && [ ! -L "$root$path" ] &&
        in_root dpkg-query -S "$path" >/dev/null 2>&1; then
        continue
    fi
    left+=("$path")
done <"$unpacked/installed.txt"
if [ ${#left[@]} -gt 0 ]; then
    printf '  %s\n' "${left[@]}" >&2
    fail "the purged package left these behind"
fi
echo "nothing is left of the package's $(grep -c '^/usr/' "$unpacked/installed.txt") paths" \
    "under /usr"
step "the package installs, starts and purges cleanly on a clean $suite"
