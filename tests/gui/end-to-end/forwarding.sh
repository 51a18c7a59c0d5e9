#!/bin/sh
# A running instance performs the requests of later starts, which end with its outcome.
. "$(dirname "$0")/common.sh"

document first.sealscribe
document second.sealscribe
document third.sealscribe
start_instance "$scratch/first.sealscribe"

# A forwarding start makes no window, so it needs no display.
printf 'orchid\n' | DISPLAY= QT_QPA_PLATFORM=xcb run 0 --unlock "$scratch/first.sealscribe"
# A second file, opened by the same instance; the password never shows in the reason.
printf 'cactus\n' | run 1 --unlock "$scratch/second.sealscribe"
grep -q cactus "$scratch/err" && fail "the password was shown: $(cat "$scratch/err")"
[ -s "$scratch/err" ] || fail "a wrong password gave no reason"
# An unlocked document answers only to its own password.
printf 'cactus\n' | run 1 --unlock "$scratch/first.sealscribe"
printf 'orchid\n' | run 0 --unlock "$scratch/first.sealscribe"
# A path relative to this start's folder, not the instance's.
(cd "$scratch" && printf 'orchid\n' | run 0 --unlock third.sealscribe --password-fd 0)
(cd "$scratch" && run 0 -- first.sealscribe </dev/null)

printf 'abc' | run 0 --new-from-text
printf '' | run 0 --new-from-text
printf 'a\377b' | run 1 --new-from-text
stderr_has "Error: Pasteboard doesn't contain a string."

run 2 --unlock </dev/null
stderr_has "usage:"

[ "$(owner_pid)" = "$instance" ] || fail "the instance changed"
kill "$instance"
wait "$instance" || true
instance=
named && fail "the name outlived the program"

# With no instance, the start becomes the program, performs its request once launched
# and says how it went; a later start then finds it.
printf 'cactus\n' >"$scratch/wrong"
"$program" --unlock "$scratch/second.sealscribe" <"$scratch/wrong" >"$scratch/program.log" 2>&1 &
instance=$!
wait_for grep -q "sealscribe: " "$scratch/program.log" || fail "the program told no outcome"
wait_for named || fail "the program took no name on the bus"
printf 'orchid\n' | run 0 --unlock "$scratch/second.sealscribe"
[ "$(owner_pid)" = "$instance" ] || fail "the instance changed"
echo ok
