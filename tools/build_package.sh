#!/usr/bin/env bash
# Builds the Debian package as Debian does, from a copy of the working tree in
# build-package/: an orig tarball of the tree without debian/, then
# dpkg-buildpackage (source and binary, build-time tests included), lintian,
# and the autopkgtests run on this machine by autopkgtest's null runner. What
# that runner installed is removed again at the end.
#   tools/build_package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/setup.sh

ensure_packages "${DUSKMAP_PACKAGE_TOOLS[@]}"
out=$PWD/build-package
version=$(dpkg-parsechangelog -S Version)
upstream=${version%-*}
src=$out/duskmap-$upstream
rm -rf "$out"
mkdir -p "$src"

# The tree as git sees it: tracked files as they stand now, and new ones that
# are not ignored; never build directories.
say "Copying the working tree into $src"
git ls-files -z --cached --others --exclude-standard | while IFS= read -r -d '' f; do
    if [ -e "$f" ] || [ -L "$f" ]; then printf '%s\0' "$f"; fi
done | tar --null -T - -cf - | tar -xf - -C "$src"
# A release makes the same tarball from its tag:
#   git archive --prefix=duskmap-VERSION/ vVERSION ':!debian' | xz
tar -C "$out" --sort=name --owner=0 --group=0 --numeric-owner \
    --mtime="@$(dpkg-parsechangelog -S Timestamp)" --exclude="duskmap-$upstream/debian" \
    -cJf "$out/duskmap_$upstream.orig.tar.xz" "duskmap-$upstream"

if ! (cd "$src" && dpkg-checkbuilddeps >/dev/null 2>&1); then
    say "Installing the build dependencies"
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -q --no-install-recommends "$src"
fi

say "dpkg-buildpackage (log: $out/build.log)"
start=$SECONDS
if ! (cd "$src" && dpkg-buildpackage -us -uc -J"$(nproc)") >"$out/build.log" 2>&1; then
    tail -n 150 "$out/build.log"
    echo "build_package.sh: dpkg-buildpackage failed; the whole log is $out/build.log" >&2
    exit 1
fi
say "Package built in $((SECONDS - start)) s"
changes=$(ls "$out"/duskmap_"${version}"_*.changes)

say "lintian -EviIL +pedantic"
lintian -EviIL +pedantic --fail-on error,warning,info,pedantic "$changes"

# autopkgtest's null runner installs the package and the tests' dependencies
# on this machine; whatever was not installed before is purged afterwards.
installed() { dpkg-query -W -f '${db:Status-Abbrev} ${Package}\n' | awk '$1 ~ /^.i/ { print $2 }' | sort; }
installed >"$out/installed-before"
remove_new() {
    local new
    new=$(installed | comm -13 "$out/installed-before" -)
    if [ -n "$new" ]; then
        say "Removing what the tests installed: ${new//$'\n'/ }"
        # shellcheck disable=SC2086
        as_root env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q $new >/dev/null
    fi
}
trap remove_new EXIT
say "autopkgtest -- null"
status=0
as_root autopkgtest --output-dir "$out/autopkgtest" "$out"/duskmap_"${version}"_*.deb "$out/duskmap_$version.dsc" -- null ||
    status=$?
say "autopkgtest summary:"
cat "$out/autopkgtest/summary"
if [ "$status" -ne 0 ]; then
    echo "build_package.sh: autopkgtest failed (status $status)" >&2
    exit 1
fi
