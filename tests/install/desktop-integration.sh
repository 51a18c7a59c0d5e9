#!/bin/sh
# desktop-integration.sh CMAKE BUILD: installs the build tree into temporary prefixes and
# checks what the desktop reads there: the entry, the MIME type's database, the icon, and
# that the desktop's default for our files is our entry.
set -eu
cmake=$1
build=$2
id=example.sealscribe.Sealscribe

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() {
    echo "$*" >&2
    exit 1
}
run_logged() { # LOG COMMAND...: runs COMMAND, its output kept in LOG and shown if it fails
    log=$1
    shift
    "$@" >"$log" 2>&1 || {
        cat "$log" >&2
        fail "$* failed"
    }
}
# desktop-file-validate exits 0 on warnings and hints; any of them fails here.
validate_entry() {
    report=$(desktop-file-validate "$1" 2>&1) || true
    [ -z "$report" ] || fail "desktop-file-validate $1: $report"
}

# A relative prefix, taken from where the install runs; the user's own folders stay
# untouched (no default is set for them).
home=$tmp/home
mkdir "$home"
(cd "$tmp" && run_logged "$tmp/install.log" env -u DESTDIR HOME="$home" \
    XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
    "$cmake" --install "$build" --prefix prefix)
prefix=$tmp/prefix
[ -z "$(ls -A "$home")" ] || fail "installing wrote into the home folder: $(ls -A "$home")"

entry=$prefix/share/applications/$id.desktop
package=$prefix/share/mime/packages/$id.xml
icon=$prefix/share/icons/hicolor/scalable/apps/$id.svg
for file in "$prefix/bin/sealscribe" "$entry" "$package" "$icon"; do
    [ -f "$file" ] || fail "$file is not installed"
done
validate_entry "$entry"
xmllint --noout "$package" "$icon"

grep -qxF "Exec=$prefix/bin/sealscribe %F" "$entry" ||
    fail "$entry does not run $prefix/bin/sealscribe: $(grep '^Exec=' "$entry")"
grep -qxF "Exec=$prefix/bin/sealscribe --new-from-selection" "$entry" ||
    fail "the entry's selection action does not run $prefix/bin/sealscribe"

# update-mime-database reports success even for a package it cannot read: its output
# tells.
grep -Eqx '[0-9]+:application/x-sealscribe:\*\.sealscribe(:.*)?' "$prefix/share/mime/globs2" ||
    fail "$prefix/share/mime/globs2 does not map *.sealscribe to application/x-sealscribe"

# xdg-mime as on a desktop of its own whose data folders include the prefix's share.
xdg=$tmp/xdg
mkdir -p "$xdg/data" "$xdg/config" "$xdg/configs" "$xdg/system"
default=$(env -i PATH="$PATH" HOME="$home" XDG_DATA_HOME="$xdg/data" \
    XDG_DATA_DIRS="$prefix/share:$xdg/system" XDG_CONFIG_HOME="$xdg/config" \
    XDG_CONFIG_DIRS="$xdg/configs" xdg-mime query default application/x-sealscribe)
[ "$default" = "$id.desktop" ] ||
    fail "xdg-mime's default for application/x-sealscribe is \"$default\", not $id.desktop"

# Staged for a package: the entry names the final prefix (quoted, for its space), whose
# folders exist already, as /usr's do; nothing is written there, and the databases are
# left to the package's own triggers.
stage=$tmp/stage
final="$tmp/final prefix"
mkdir -p "$final/share/mime/packages" "$final/share/applications"
run_logged "$tmp/staged.log" env DESTDIR="$stage" "$cmake" --install "$build" --prefix "$final"
staged=$stage$final/share/applications/$id.desktop
[ -f "$staged" ] || fail "$staged is not installed"
validate_entry "$staged"
grep -qxF "Exec=\"$final/bin/sealscribe\" %F" "$staged" ||
    fail "$staged does not run $final/bin/sealscribe: $(grep '^Exec=' "$staged")"
[ ! -e "$stage$final/share/mime/globs2" ] || fail "a staged install updated the MIME database"
[ ! -e "$stage$final/share/applications/mimeinfo.cache" ] ||
    fail "a staged install updated the desktop database"
written=$(find "$final" ! -type d)
[ -z "$written" ] || fail "a staged install wrote into the prefix itself: $written"
