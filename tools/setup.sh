# Shared set-up for run.sh and test.sh: packages, configure, build.
# Sourced, not run.

# Debian packages the build, the tests and the program need.
DUSKMAP_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    libqt6svg6 qt6-wayland
    libplist-dev libbenchmark-dev libwebp-dev webp libdeflate-dev liberfa-dev libproj-dev
    libswe-dev swe-basic-data
    libgeographiclib-dev libtimezonemap-data
    xplanet-images tzdata fonts-dejavu-core fonts-noto-cjk
    xvfb xdotool x11-utils x11-apps imagemagick weston openbox
    clang libclang-rt-14-dev
    desktop-file-utils appstream dpkg-dev file groff-base
    dbus-daemon at-spi2-core python3 python3-pyatspi python3-sgp4 locales
)

# What ./test.sh --package needs on top of the package's build dependencies,
# which apt-get build-dep installs from debian/control.
DUSKMAP_PACKAGE_TOOLS=(
    build-essential debhelper devscripts dpkg-dev fakeroot lintian autopkgtest xvfb xauth
)

# Locales the tests run the program under: one for each shipped translation,
# the decimal-comma ones among them.
DUSKMAP_TEST_LOCALES=(de_DE fr_FR es_ES it_IT pt_BR ru_RU uk_UA ja_JP zh_CN)

say() { printf '==> %s\n' "$*"; }

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

ensure_packages() {
    say "Checking packages"
    local missing=()
    local p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        say "All ${#@} packages present"
        return 0
    fi
    say "Installing missing packages: ${missing[*]}"
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# ensure_locales NAME...: compiles each NAME.UTF-8 that the C library lacks.
ensure_locales() {
    local have missing=() l
    have=$(locale -a 2>/dev/null)
    for l in "$@"; do
        grep -qx "$l.utf8" <<<"$have" || missing+=("$l")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    say "Compiling locales: ${missing[*]}"
    for l in "${missing[@]}"; do
        as_root localedef -i "$l" -c -f UTF-8 -A /usr/share/locale/locale.alias "$l.UTF-8"
    done
}

# configure_build_dir BUILD_DIR [extra cmake arguments...]: configures a new
# build directory; one already configured keeps its settings.
configure_build_dir() {
    local dir=$1
    shift
    if [ ! -f "$dir/build.ninja" ]; then
        say "Configuring into $dir"
        cmake -S . -B "$dir" -G Ninja -DDUSKMAP_WERROR=ON "$@"
    else
        say "Already configured: $dir"
    fi
}

# build_targets BUILD_DIR [targets...]: builds the targets, everything when none.
build_targets() {
    local dir=$1
    shift
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    say "Building in $dir${targets[*]:+ (${*})}"
    cmake --build "$dir" "${targets[@]}" -- -j"$(nproc)"
}

# configure_and_build BUILD_DIR [extra cmake arguments...]
configure_and_build() {
    configure_build_dir "$@"
    build_targets "$1"
}
