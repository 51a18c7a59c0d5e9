# Shared by the end-to-end scripts: a scratch folder, documents of a known password, and
# the program started as a user would start it. Each script runs on a private session bus
# (dbus-run-session), so that tests in parallel never meet each other's instance.
#     . common.sh PROGRAM WRITER BODY
set -eu

program="$1"
writer="$2"
body="$3"
scratch="$(mktemp -d)"
instance=
cleanup() {
    [ -z "$instance" ] || kill "$instance" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# Settings of the test's own; no update check leaves the machine.
export XDG_CONFIG_HOME="$scratch/config"
export SEALSCRIBE_UPDATE_URLS="http://127.0.0.1:9/"

fail() {
    echo "FAIL: $*" >&2
    for log in "$scratch"/*.log; do
        [ -f "$log" ] && { echo "--- $log"; cat "$log"; } >&2
    done
    exit 1
}

# document NAME: a document with the password "orchid".
document() {
    /usr/bin/python3 "$writer" write 20400 orchid "$body" "$scratch/$1"
}

# The unique name that owns the program's name on the bus, or nothing.
owner() {
    dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.GetNameOwner string:example.sealscribe.Sealscribe 2>/dev/null |
        tr -d ' '
}

owner_pid() {
    dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.GetConnectionUnixProcessID string:"$(owner)" 2>/dev/null |
        awk '{print $2}'
}

# wait_for COMMAND...: polls for up to 30 s, as the program starts on a busy machine.
wait_for() {
    tries=0
    until "$@"; do
        tries=$((tries + 1))
        [ "$tries" -lt 300 ] || return 1
        sleep 0.1
    done
}

named() { [ -n "$(owner)" ]; }

# start_instance ARGS...: the program in the background, from another folder than the
# test's, until it owns its name.
start_instance() {
    (cd / && exec "$program" "$@") >"$scratch/instance.log" 2>&1 &
    instance=$!
    wait_for named || fail "the program took no name on the bus"
    [ "$(owner_pid)" = "$instance" ] || fail "another process owns the name"
}

# run EXPECTED-STATUS ARGS... < input: a start that forwards its request and ends.
run() {
    expected="$1"
    shift
    status=0
    timeout 60 "$program" "$@" >"$scratch/out" 2>"$scratch/err" || status=$?
    [ "$status" = "$expected" ] ||
        fail "sealscribe $* exited $status, not $expected: $(cat "$scratch/err")"
}

stderr_has() {
    grep -qF -- "$1" "$scratch/err" || fail "no \"$1\" on stderr: $(cat "$scratch/err")"
}
