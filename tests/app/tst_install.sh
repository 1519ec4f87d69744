#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a desktop and a package manager see
# there, and that it agrees with the program.
#   tst_install.sh BUILD_DIR PROJECT_VERSION
set -u
build=$1 version=$2 id=org.duskmap.Duskmap
. "$(dirname "$0")/checks.sh"
needs cmake desktop-file-validate appstreamcli groff file
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
check "cmake --install into a temporary prefix" env -u DESTDIR cmake --install "$build" --prefix "$prefix" || finish
desktop=$prefix/share/applications/$id.desktop svg=$prefix/share/icons/hicolor/scalable/apps/$id.svg
metainfo=$prefix/share/metainfo/$id.metainfo.xml man=$prefix/share/man/man1/duskmap.1
unit=$prefix/lib/systemd/user/duskmap-wallpaper.service copyright=$prefix/share/doc/duskmap/copyright
# Everything the install lays out, no more: a stray header or library shows here.
check "installed files are exactly the expected ones" diff <(printf '%s\n' "$desktop" "$svg" "$metainfo" "$man" "$unit" "$copyright" "$prefix/bin/duskmap" | LC_ALL=C sort) \
    <(find "$prefix" -type f -o -type l | LC_ALL=C sort)
# quiet COMMAND...: succeeds and prints nothing (validators exit 0 on hints).
quiet() { local out; out=$("$@" 2>&1) && [ -z "$out" ] || { echo "$out"; false; }; }
check "desktop-file-validate" quiet desktop-file-validate "$desktop"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
check "Exec= names the installed program ($exec_line)" test -x "$prefix/bin/${exec_line%% *}"
check "Icon= names the installed icon" test "$(sed -n 's/^Icon=//p' "$desktop")" = "$id"
check "the icon is a square SVG image" test "$(file -b --mime-type "$svg")" = image/svg+xml -a -n "$(grep 'viewBox="0 0 128 128"' "$svg")"
check "appstreamcli validate" appstreamcli validate --no-net "$metainfo"
check "appstreamcli validate-tree" appstreamcli validate-tree --no-net "$prefix"
check "the package and AppStream name one licence, GPL 3 or later" test -n "$(grep -x 'License: GPL-3+' "$copyright")" -a -n "$(grep '<project_license>GPL-3.0-or-later<' "$metainfo")"
# The licence file is the Debian package's, in its machine-readable format.
check "the copyright file gives the AppStream file CC0-1.0, as the file itself does" test -n "$(sed -n "/^Files: resources\/$id.metainfo.xml\$/,/^\$/p" "$copyright" | grep -x 'License: CC0-1.0')" -a -n "$(grep '<metadata_license>CC0-1.0<' "$metainfo")"
check "the newest release is $version" test "$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)" = "$version"
check "the manual page formats without warnings" quiet groff -man -ww -z -Tutf8 "$man"
check "the manual page carries $version" grep -q "^\.TH DUSKMAP 1 \"[^\"]*\" \"Duskmap $version\"" "$man"
# Every option --help names is documented, and --version names this version.
run() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$prefix/config" "$prefix/bin/duskmap" "$@" </dev/null; }
undocumented=
for option in $(run --help | grep -o -E -- '--[a-z][a-z-]*' | sort -u); do
    grep -q -F -- "${option//-/\\-}" "$man" || undocumented="$undocumented $option"
done
check "every option in --help is in the manual page:$undocumented" test -z "$undocumented" -a -n "$(run --help | grep -e '--zone')"
check "duskmap --version names $version" test "$(run --version)" = "duskmap $version"
finish
