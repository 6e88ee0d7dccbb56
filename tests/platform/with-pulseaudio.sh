#!/bin/sh
# Runs a command against a PulseAudio server of its own that has one null sink, "tb",
# whose monitor "tb.monitor" records whatever is played. Works as root and as a user:
# everything lives in a private folder, removed afterwards with the server.
#
#   with-pulseaudio.sh CMD [ARG...]              a server is running while CMD runs
#   with-pulseaudio.sh --no-server CMD [ARG...]  no server can be found at all
#
# CMD sees TB_SOUND_SERVER=1 or 0 so it knows which of the two it was given.
set -u

base=$(mktemp -d "${TMPDIR:-/tmp}/tallybell-pulse-XXXXXX") || exit 1
mkdir -m 700 "$base/runtime" "$base/config"
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid"; rm -rf "$base"' EXIT

export XDG_RUNTIME_DIR="$base/runtime" XDG_CONFIG_HOME="$base/config"
unset PULSE_SERVER PULSE_SINK PULSE_SOURCE PULSE_COOKIE
# Clients must never start a server of their own (the no-server case relies on it).
printf 'autospawn = no\n' >"$base/client.conf"
export PULSE_CLIENTCONFIG="$base/client.conf" TB_SOUND_SERVER=0

if [ "${1-}" = "--no-server" ]; then
    shift
else
    # Without rewinds the monitor gets every sample once: a rewind of the sink (when a
    # player starts or corrects its clock) would drop audio the recording has not read yet.
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=stderr --log-level=error \
        --load="module-null-sink sink_name=tb norewinds=1" \
        --load="module-native-protocol-unix auth-anonymous=1" 2>"$base/pulseaudio.log" &
    pid=$!
    # Should this script itself be killed (a test timeout), the server still ends.
    (while kill -0 $$; do sleep 1; done; kill "$pid" && sleep 1; rm -rf "$base") >/dev/null 2>&1 &
    for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    pactl info >/dev/null 2>&1 || { cat "$base/pulseaudio.log" >&2; exit 1; }
    pactl set-default-sink tb
    export TB_SOUND_SERVER=1
fi

"$@"
