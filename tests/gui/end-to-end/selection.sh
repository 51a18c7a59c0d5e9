#!/bin/sh
# The selection action on an X server: what another program selected (PRIMARY) becomes
# a document; nothing selected, or text only on the clipboard, is the failure.
. "$(dirname "$0")/common.sh"

owners=
display_file="$scratch/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>"$scratch/xvfb.log" &
server=$!
trap 'kill $owners $server 2>/dev/null || true; cleanup' EXIT
wait_for test -s "$display_file" || fail "Xvfb did not start"
export DISPLAY=":$(cat "$display_file")"
export QT_QPA_PLATFORM=xcb

# own SELECTION TEXT: xclip serves it from the background until killed.
own() {
    printf '%s' "$2" | xclip -selection "$1" -loops 0 -quiet >/dev/null 2>&1 &
    owners="$owners $!"
    wait_for sh -c "xclip -selection $1 -o 2>/dev/null | grep -qF -- '$2'" ||
        fail "xclip does not own $1"
}
disown_all() {
    # shellcheck disable=SC2086
    [ -z "$owners" ] || kill $owners 2>/dev/null || true
    owners=
}

# No instance and nothing selected: the start becomes the program and says why.
"$program" --new-from-selection </dev/null >"$scratch/program.log" 2>&1 &
instance=$!
wait_for grep -qF "Error: Pasteboard doesn't contain a string." "$scratch/program.log" ||
    fail "the program told no failure"
kill "$instance"
wait "$instance" || true
instance=

start_instance
own primary "selected words"
run 0 --new-from-selection
disown_all

own clipboard "copied, maybe a password"
run 1 --new-from-selection
stderr_has "Error: Pasteboard doesn't contain a string."
echo ok
