#!/bin/sh
# Runs a command against a PulseAudio server of its own that has one null sink, "tb",
# whose monitor "tb.monitor" records whatever is played. Works as root and as a user:
# everything lives in a private runtime folder, removed afterwards with the server.
#
#   with-pulseaudio.sh CMD [ARG...]              a server is running while CMD runs
#   with-pulseaudio.sh --no-server CMD [ARG...]  no server can be found at all
#
# CMD sees TB_SOUND_SERVER=1 or 0 so it knows which of the two it was given.
set -u

mode=server
if [ "${1-}" = "--no-server" ]; then
    mode=none
    shift
fi
if [ $# -eq 0 ]; then
    echo "usage: $0 [--no-server] CMD [ARG...]" >&2
    exit 2
fi

base=$(mktemp -d "${TMPDIR:-/tmp}/tallybell-pulse-XXXXXX") || exit 1
chmod 700 "$base"
mkdir -m 700 "$base/runtime" "$base/config"
pid=
watcher=

# shellcheck disable=SC2317 # called from the EXIT trap
cleanup() {
    [ -n "$watcher" ] && kill "$watcher" 2>/dev/null
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null
        i=0
        while kill -0 "$pid" 2>/dev/null && [ "$i" -lt 50 ]; do
            sleep 0.1
            i=$((i + 1))
        done
        kill -9 "$pid" 2>/dev/null
    fi
    rm -rf "$base"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

export XDG_RUNTIME_DIR="$base/runtime"
export XDG_CONFIG_HOME="$base/config"
unset PULSE_SERVER PULSE_SINK PULSE_SOURCE PULSE_COOKIE
# Clients must never start a server of their own (the no-server case relies on it).
printf 'autospawn = no\n' > "$base/client.conf"
export PULSE_CLIENTCONFIG="$base/client.conf"

if [ "$mode" = server ]; then
    # Without rewinds the monitor gets every sample once: a rewind of the sink (when a
    # player starts or corrects its clock) would drop audio the recording has not read yet.
    pulseaudio -n --daemonize=yes --exit-idle-time=-1 --log-target=stderr --log-level=error \
        --load="module-null-sink sink_name=tb norewinds=1" \
        --load="module-native-protocol-unix auth-anonymous=1" 2>"$base/pulseaudio.log" || {
        echo "with-pulseaudio.sh: pulseaudio did not start:" >&2
        cat "$base/pulseaudio.log" >&2
        exit 1
    }
    i=0
    until pactl info >/dev/null 2>&1; do
        i=$((i + 1))
        if [ "$i" -gt 100 ]; then
            pid=$(cat "$XDG_RUNTIME_DIR/pulse/pid" 2>/dev/null)
            echo "with-pulseaudio.sh: pulseaudio does not answer" >&2
            cat "$base/pulseaudio.log" >&2
            exit 1
        fi
        sleep 0.1
    done
    pid=$(cat "$XDG_RUNTIME_DIR/pulse/pid" 2>/dev/null)
    # Should this script itself be killed (a test timeout), the watcher still ends the server.
    wrapper=$$
    (
        while kill -0 "$wrapper" 2>/dev/null; do sleep 1; done
        kill "$pid" 2>/dev/null
        sleep 2
        kill -9 "$pid" 2>/dev/null
        rm -rf "$base"
    ) </dev/null >/dev/null 2>&1 &
    watcher=$!
    pactl set-default-sink tb
    export TB_SOUND_SERVER=1
else
    export TB_SOUND_SERVER=0
fi

"$@"
exit $?
