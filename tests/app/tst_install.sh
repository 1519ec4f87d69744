#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a desktop and a
# package manager see there: the installed files, the desktop entry, icon,
# AppStream metadata and manual page, and that they agree with each other and
# with the program.
#   tst_install.sh BUILD_DIR PROJECT_VERSION
set -u

build=$1
version=$2
app_id=org.duskmap.Duskmap

# Everything the install lays out, no more: a stray header or library in the
# package shows up here.
expected_files="bin/duskmap
share/applications/$app_id.desktop
share/icons/hicolor/scalable/apps/$app_id.svg
share/man/man1/duskmap.1
share/metainfo/$app_id.metainfo.xml"

. "$(dirname "$0")/checks.sh"
# check DESCRIPTION COMMAND...: passes when COMMAND succeeds and prints nothing
# (the validators exit 0 on hints and warnings, which should fail here too).
check_quiet() {
    local what=$1 out
    shift
    if out=$("$@" 2>&1) && [ -z "$out" ]; then
        pass "$what"
    else
        fail "$what" "$out"
    fi
}

for tool in cmake desktop-file-validate appstreamcli groff file; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL!  : $tool is missing (tools/setup.sh installs it)"
        echo "0 passed, 1 failed"
        exit 1
    fi
done

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

if out=$(env -u DESTDIR cmake --install "$build" --prefix "$prefix" 2>&1); then
    pass "cmake --install into a temporary prefix"
else
    fail "cmake --install into a temporary prefix" "$out"
    echo "$passed passed, $failed failed"
    exit 1
fi

# Layout.
actual_files=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
if [ "$actual_files" = "$(printf '%s\n' "$expected_files" | LC_ALL=C sort)" ]; then
    pass "installed files are exactly the expected ones"
else
    fail "installed files are exactly the expected ones" \
        "$(diff <(printf '%s\n' "$expected_files" | LC_ALL=C sort) <(printf '%s\n' "$actual_files"))"
fi
if [ -x "$prefix/bin/duskmap" ]; then
    pass "bin/duskmap is executable"
else
    fail "bin/duskmap is executable"
fi

# Desktop entry: valid, and naming the installed program and icon.
desktop=$prefix/share/applications/$app_id.desktop
check_quiet "desktop-file-validate $app_id.desktop" desktop-file-validate "$desktop"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
exec_program=${exec_line%% *}
if [ -n "$exec_program" ] && [ -x "$prefix/bin/$exec_program" ]; then
    pass "Exec= names the installed program ($exec_program)"
else
    fail "Exec= names the installed program" "Exec=$exec_line"
fi
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
icon=$prefix/share/icons/hicolor/scalable/apps/$icon_name.svg
if [ "$icon_name" = "$app_id" ] && [ -f "$icon" ]; then
    pass "Icon= names the installed icon ($icon_name)"
else
    fail "Icon= names the installed icon" "Icon=$icon_name"
fi

# Icon: an SVG document that declares its size.
svg=$prefix/share/icons/hicolor/scalable/apps/$app_id.svg
mime=$(file -b --mime-type "$svg")
if [ "$mime" = image/svg+xml ] && grep -q 'viewBox="0 0 128 128"' "$svg"; then
    pass "icon is a square SVG image"
else
    fail "icon is a square SVG image" "$mime"
fi

# AppStream: the component on its own, then as installed beside the desktop
# entry and icon it refers to.
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
if out=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
    pass "appstreamcli validate $app_id.metainfo.xml"
else
    fail "appstreamcli validate $app_id.metainfo.xml" "$out"
fi
if out=$(appstreamcli validate-tree --no-net "$prefix" 2>&1); then
    pass "appstreamcli validate-tree of the installed prefix"
else
    fail "appstreamcli validate-tree of the installed prefix" "$out"
fi
latest_release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
if [ "$latest_release" = "$version" ]; then
    pass "newest metainfo release is the project version ($version)"
else
    fail "newest metainfo release is the project version ($version)" "found: $latest_release"
fi

# Manual page: formats without a single groff warning, carries the version.
man_page=$prefix/share/man/man1/duskmap.1
check_quiet "duskmap.1 formats without warnings" groff -man -ww -z -Tutf8 "$man_page"
if grep -q "^\.TH DUSKMAP 1 \"[^\"]*\" \"Duskmap $version\"" "$man_page"; then
    pass "manual page carries the project version ($version)"
else
    fail "manual page carries the project version ($version)" "$(grep '^\.TH' "$man_page")"
fi

# The program's own account of itself agrees with the manual page: every option
# that --help mentions is documented, and --version names this version.
run_duskmap() {
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen \
        XDG_CONFIG_HOME="$prefix/config" "$prefix/bin/duskmap" "$@" </dev/null
}
if help_text=$(run_duskmap --help 2>&1); then
    undocumented=
    for option in $(printf '%s\n' "$help_text" | grep -o -E -- '--[a-z][a-z-]*' | sort -u); do
        roff_option=$(printf '%s' "$option" | sed 's/-/\\-/g')
        grep -q -F -- "$roff_option" "$man_page" || undocumented="$undocumented $option"
    done
    if ! printf '%s\n' "$help_text" | grep -q -E -- '--[a-z]'; then
        echo "SKIP   : duskmap --help names no options yet"
    elif [ -z "$undocumented" ]; then
        pass "every option in duskmap --help is in the manual page"
    else
        fail "every option in duskmap --help is in the manual page" "missing:$undocumented"
    fi
else
    fail "duskmap --help exits with status 0" "$help_text"
fi
version_text=$(run_duskmap --version 2>&1)
status=$?
if [ "$status" -eq 0 ] && [ -z "$version_text" ]; then
    echo "SKIP   : duskmap --version prints nothing yet"
elif [ "$status" -eq 0 ] && printf '%s\n' "$version_text" | grep -q -F "$version"; then
    pass "duskmap --version names $version"
else
    fail "duskmap --version names $version" "$version_text"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
