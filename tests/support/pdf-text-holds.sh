#!/bin/sh
# pdf-text-holds.sh FILE.pdf TEXT...: fails unless the PDF reads back as text holding
# every TEXT.
set -eu
pdf=$1
shift
text=$(pdftotext "$pdf" -)
for expected in "$@"; do
    if ! printf '%s\n' "$text" | grep -qF -- "$expected"; then
        echo "\"$expected\" is not in the text of $pdf" >&2
        exit 1
    fi
done
