#!/bin/sh
# check_catalogues.sh LUPDATE CATALOGUE... -- SOURCE...
# Fails when a catalogue lacks a finished translation of a string in the code:
# lupdate brings a copy of each up to date, and what it adds is unfinished.
set -eu
lupdate=$1
shift
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
while [ "$1" != -- ]; do cp "$1" "$tmp/" && shift; done
shift
"$lupdate" -silent -locations none -no-obsolete "$@" -ts "$tmp"/*.ts
status=0
for ts in "$tmp"/*.ts; do
    if grep -B4 'type="unfinished"\|<translation></translation>\|<numerusform></numerusform>' "$ts" |
        grep -o '<source>.*'; then
        echo "$(basename "$ts"): the strings above have no finished translation"
        status=1
    fi
done
exit $status
