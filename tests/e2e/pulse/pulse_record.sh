#!/bin/bash
# pulse_record.sh PLAYER OUTDIR NAME:FREQUENCY:VOLUME:PAN...
# Starts a private PulseAudio with a float32 null sink, plays each tone with PLAYER through
# SDL into it and records the sink's monitor into OUTDIR/NAME.wav. The daemon is stopped by
# its pid at the end, also on failure. Exit 2: PulseAudio could not be started.
set -u
player=$1
outdir=$2
shift 2

export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
keepalive=
cleanup() {
    [ -n "$keepalive" ] && kill "$keepalive" 2>/dev/null
    if [ -f "$XDG_RUNTIME_DIR/pulse/pid" ]; then
        kill "$(cat "$XDG_RUNTIME_DIR/pulse/pid")" 2>/dev/null
        sleep 0.3
    fi
    rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT

if ! pulseaudio -D -n --exit-idle-time=-1 --disallow-exit \
    --log-target=file:"$XDG_RUNTIME_DIR/pa.log" \
    --load=module-native-protocol-unix \
    --load="module-null-sink sink_name=testsink rate=44100 channels=2 format=float32le"; then
    echo "PulseAudio could not be started:" >&2
    cat "$XDG_RUNTIME_DIR/pa.log" >&2 2>/dev/null
    exit 2
fi
for _ in $(seq 50); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
done
if ! pactl set-default-sink testsink; then
    echo "PulseAudio does not answer:" >&2
    cat "$XDG_RUNTIME_DIR/pa.log" >&2 2>/dev/null
    exit 2
fi
# Keeps the null sink at low latency; without it the sink renders up to 2 s ahead.
pacat -r -d testsink.monitor --latency-msec=20 >/dev/null &
keepalive=$!
sleep 2.5

status=0
for tone in "$@"; do
    IFS=: read -r name frequency volume pan <<<"$tone"
    parecord -d testsink.monitor --latency-msec=20 --rate=44100 --channels=2 \
        --format=float32le --file-format=wav "$outdir/$name.wav" &
    recorder=$!
    sleep 0.5
    SDL_AUDIODRIVER=pulseaudio "$player" "$frequency" "$volume" "$pan" 2.0 || status=1
    sleep 0.5
    kill -INT "$recorder"
    wait "$recorder"
done
exit $status
