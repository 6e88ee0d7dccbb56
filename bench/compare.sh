#!/usr/bin/env bash
# Measures Tallybell against the floor, a bare Qt label that counts down (bench/bare_label.cpp),
# and against KDE's ktimer in one run on a private Xvfb display: time to the first window,
# memory after start, CPU time and wake-ups over a minute of a running countdown and of an
# idle window; then Tallybell and the bare label again on a private headless Wayland
# compositor (weston). See docs/performance.md.
#
# Usage: bench/compare.sh [options] [RESULT.md]
#   --tallybell PATH    the executable (default: build-perf/bin/tallybell, else build/bin/...)
#   --bare-label PATH   the floor (default: bench/bare-label in the same build folder)
#   --runs N            fresh starts per program for start-up and memory (default 5)
#   --seconds S         length of each CPU and wake-up measurement (default 60)
#   --no-sound-server   do not start a private PulseAudio server with a null sink
#   --no-wayland        leave out the runs on Wayland
#   --keep              keep the work folder (logs, screenshots) and print its path
# RESULT.md defaults to bench/results-latest.md.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$here")
tallybell=""
bare=""
runs=5
seconds=60
sound_server=1
wayland=1
keep=0
out="$here/results-latest.md"

while [ $# -gt 0 ]; do
    case "$1" in
        --tallybell) tallybell=$2; shift 2 ;;
        --bare-label) bare=$2; shift 2 ;;
        --runs) runs=$2; shift 2 ;;
        --seconds) seconds=$2; shift 2 ;;
        --no-sound-server) sound_server=0; shift ;;
        --no-wayland) wayland=0; shift ;;
        --keep) keep=1; shift ;;
        -h|--help) sed -n '2,17p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        -*) echo "compare.sh: unknown option $1" >&2; exit 2 ;;
        *) out=$1; shift ;;
    esac
done

if [ -z "$tallybell" ]; then
    for candidate in "$root/build-perf/bin/tallybell" "$root/build/bin/tallybell"; do
        if [ -x "$candidate" ]; then tallybell=$candidate; break; fi
    done
fi
if [ -z "$tallybell" ] || [ ! -x "$tallybell" ]; then
    echo "compare.sh: no Tallybell executable found; build it first:" >&2
    echo "  cmake -S $root -B $root/build-perf -G Ninja -DCMAKE_BUILD_TYPE=Release" >&2
    echo "  cmake --build $root/build-perf -j2" >&2
    echo "or name it with --tallybell PATH." >&2
    exit 1
fi
tallybell=$(readlink -f "$tallybell")
if [ -z "$bare" ]; then bare="$(dirname "$tallybell")/../bench/bare-label"; fi
if [ ! -x "$bare" ]; then
    echo "compare.sh: no bare label at $bare; it is built with the program" >&2
    echo "  (cmake --build $(dirname "$(dirname "$tallybell")") --target bare-label)," >&2
    echo "or name it with --bare-label PATH." >&2
    exit 1
fi
bare=$(readlink -f "$bare")
# The floor of the program's own design, built beside the bare label, when it is there.
design="$(dirname "$bare")/bare-design"
design_args=()
if [ -x "$design" ]; then design_args=(--bare-design "$design"); fi

# The tools, installed from Debian when missing (command -> package).
missing=()
need() { command -v "$1" >/dev/null 2>&1 || missing+=("$2"); }
need ktimer ktimer
need Xvfb xvfb
need xdotool xdotool
need xev x11-utils
need xprop x11-utils
need import imagemagick
need dbus-run-session dbus-daemon
need python3 python3
if [ "$sound_server" = 1 ]; then need pulseaudio pulseaudio; fi
if [ "$wayland" = 1 ]; then
    need weston weston
    if ! dpkg-query -W -f='${Status}' qt6-wayland 2>/dev/null | grep -q 'install ok installed'; then
        missing+=(qt6-wayland)
    fi
fi
if [ ${#missing[@]} -gt 0 ]; then
    packages=$(printf '%s\n' "${missing[@]}" | sort -u | tr '\n' ' ')
    echo "compare.sh: installing $packages" >&2
    sudo=""
    if [ "$(id -u)" != 0 ]; then sudo=sudo; fi
    $sudo apt-get install -y $packages >&2 || {
        $sudo apt-get update >&2 && $sudo apt-get install -y $packages >&2
    }
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/tallybell-bench.XXXXXX")
xvfb_pid=""
weston_pid=""
# Processes of this run that outlived it: found by the private runtime folder they carry.
# Plain bash, so that no helper process of the search finds itself.
stray_pids() {
    local environ pid entry
    for environ in /proc/[0-9]*/environ; do
        pid=${environ#/proc/}; pid=${pid%/environ}
        while IFS= read -r -d '' entry; do
            if [ "$entry" = "XDG_RUNTIME_DIR=$work/runtime" ]; then echo "$pid"; break; fi
        done 2>/dev/null <"$environ"
    done
}
cleanup() {
    local pid
    for pid in $(stray_pids); do kill "$pid" 2>/dev/null || true; done
    if [ -n "$weston_pid" ]; then kill "$weston_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    if [ "$keep" = 1 ]; then
        echo "compare.sh: work folder kept: $work" >&2
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Private folders: nothing of the user's settings is read or written.
for d in config data cache state runtime; do mkdir -p "$work/$d"; done
chmod 700 "$work/runtime"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
export XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work/runtime"
unset QT_QPA_PLATFORM SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS PULSE_SERVER || true

# A free display well away from the low numbers that other sessions and tests use.
display=""
for n in $(seq $((200 + $$ % 300)) 599); do
    if [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; then continue; fi
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        if [ -S "/tmp/.X11-unix/X$n" ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then break; fi
        sleep 0.1
    done
    if kill -0 "$xvfb_pid" 2>/dev/null && [ -S "/tmp/.X11-unix/X$n" ]; then
        display=":$n"
        break
    fi
    kill "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
done
if [ -z "$display" ]; then
    echo "compare.sh: no X display could be started; see $work/xvfb.log" >&2
    keep=1
    exit 1
fi
export DISPLAY=$display
echo "compare.sh: display $DISPLAY, work folder $work" >&2

# A private headless Wayland compositor, its socket in the private runtime folder.
wayland_display=""
if [ "$wayland" = 1 ]; then
    weston --backend=headless-backend.so --socket=tallybell-bench --idle-time=0 \
        >"$work/weston.log" 2>&1 &
    weston_pid=$!
    for _ in $(seq 50); do
        if [ -S "$XDG_RUNTIME_DIR/tallybell-bench" ] || ! kill -0 "$weston_pid" 2>/dev/null; then
            break
        fi
        sleep 0.1
    done
    if [ -S "$XDG_RUNTIME_DIR/tallybell-bench" ]; then
        wayland_display=tallybell-bench
        echo "compare.sh: Wayland compositor on $XDG_RUNTIME_DIR/$wayland_display" >&2
    else
        echo "compare.sh: weston did not start (see $work/weston.log): no Wayland runs" >&2
    fi
fi

# One private session bus for the whole run: ktimer needs one, Tallybell uses it too, and
# the PulseAudio server that measure.py starts finds it there.
mkdir -p "$(dirname "$out")"
dbus-run-session -- python3 "$here/measure.py" --tallybell "$tallybell" --bare-label "$bare" \
    "${design_args[@]}" \
    --workdir "$work" --wayland-display "$wayland_display" \
    --out "$out" --runs "$runs" --seconds "$seconds" \
    --sound-server "$([ "$sound_server" = 1 ] && echo yes || echo no)"
echo "compare.sh: results written to $out" >&2
