# Sourced by the scripts, from the repository's top directory: the Debian
# packages Ventil needs, and how a build directory is configured.

# What building the program needs.
baliky_sestaveni=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libgl-dev        # Qt 6 Widgets and Test
    libfast-float-dev libfmt-dev  # numbers read and written, header only
)

# What the tests need besides.
baliky_testu=(
    doctest-dev                   # the computation's tests
    clang-format                  # the formatting check
    locales                       # localedef, for the tests under Czech settings
    xvfb xauth xdotool strace     # the real program clicked and looked at from outside, its system calls watched
    appstream desktop-file-utils  # checks of the desktop entry and the metainfo
    dbus-daemon at-spi2-core python3-pyatspi  # the program driven through the accessibility bus
    qt6-translations-l10n xclip   # Qt's menus in Czech, results copied to the clipboard
    qt6-gtk-platformtheme gnome-themes-extra python3-pil  # desktop themes, contrast measured
    orca speech-dispatcher        # what a screen reader speaks, heard from the real one
    weston qt6-wayland            # the window on a Wayland compositor
)

# What the Windows edition needs: cross-building it, running its tests
# under Wine on a virtual display, packing the MSI reproducibly.
baliky_windows=(
    cmake ninja-build python3
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64  # MinGW-w64, linked statically
    wine64 wine xvfb xauth        # the tests and the real program under Wine
    msitools wixl faketime        # the MSI, its time stamps fixed
    libfast-float-dev libfmt-dev doctest-dev  # header only, for every edition
)

# What building the web edition needs: Debian's Emscripten, node and the
# parser Emscripten's optimiser runs under it.
baliky_web=(
    cmake ninja-build python3
    emscripten nodejs             # WebAssembly, its test programs under node
    node-acorn                    # the parser Emscripten's optimiser runs under node
    libfast-float-dev libfmt-dev  # header only, for every edition
)
# What the web edition's tests need besides: its suites run under node, the
# page in a real headless Chromium. npm, for the browser test's axe-core,
# comes with some nodes and is its own package with Debian's:
# scripts/test-web.sh asks for it where it is missing.
baliky_web_testu=(
    doctest-dev                   # the computation's suites, run under node
    chromium chromium-driver chromium-l10n python3-selenium  # the page in a real browser
)

# konfiguruj DIR [CMAKE_ARG...]: configures the build directory DIR with
# Ninja, warnings as errors as developers and CI build; the arguments come
# last, so one of them can override these (-DVENTIL_WERROR=OFF).
konfiguruj() {
    local build=$1
    shift
    cmake -S . -B "$build" -G Ninja -DVENTIL_WERROR=ON "$@"
}

# ve_dvou_klonech TMP SCRIPT: runs scripts/SCRIPT in two clones of this
# commit at different paths, TMP/a and TMP/one-path/b, to check that what it
# makes does not depend on where it is built; its output is shown only where
# it fails.
ve_dvou_klonech() {
    local tmp=$1 skript=$2 klon
    for klon in "$tmp/a" "$tmp/one-path/b"; do
        git clone -q --no-hardlinks . "$klon"
        git -C "$klon" checkout -q "$(git rev-parse HEAD)"
        bash "$klon/scripts/$skript" >"$tmp/log" 2>&1 || { cat "$tmp/log"; return 1; }
    done
}

# program_wine NAME: the path of Wine's program NAME (wineserver, wine64):
# from PATH, else from the folder of the wine64 package's loader, where
# Debian keeps what it does not link into /usr/bin (/usr/lib/wine on 12).
program_wine() {
    command -v "$1" && return
    local zavadec
    zavadec=$(dpkg -L wine64 2>/dev/null | grep -m1 '/wine64$') &&
        [ -x "${zavadec%/*}/$1" ] && echo "${zavadec%/*}/$1" && return
    echo "Wine's $1 not found (Debian: wine64)" >&2
    return 1
}

# priprav_emscripten BUILD_DIR: makes sure Emscripten can compile here.
# Emscripten keeps the C and C++ libraries it builds for WebAssembly in a
# cache, on Debian /usr/share/emscripten/cache (em-config CACHE). Debian 12
# ships it filled and frozen, so any user compiles at once. Where a first
# compile cannot use it (not filled, and not writable by this user), the
# libraries are built, once and for some minutes, into a cache of the user's
# own (EM_CACHE), or of the build directory where the user has no home.
priprav_emscripten() {
    local build=$1 zkouska cache
    zkouska=$(mktemp -d "${TMPDIR:-/tmp}/ventil-em.XXXXXX")
    printf '#include <string>\nint main(int n, char **) { return std::string(n, 0).size() > 9; }\n' \
        >"$zkouska/zkouska.cpp"
    if ! NODE_PATH=/usr/share/nodejs em++ -fexceptions -sNODERAWFS=1 "$zkouska/zkouska.cpp" \
            -o "$zkouska/zkouska.js" >"$zkouska/vystup" 2>&1; then
        cache=${XDG_CACHE_HOME:-$HOME/.cache}/ventil-emscripten
        mkdir -p "$cache" 2>/dev/null || cache=$PWD/$build/.emscripten-cache
        mkdir -p "$cache"
        echo "Emscripten's own cache is not usable here ($(tail -n1 "$zkouska/vystup")):" \
             "building its libraries into $cache"
        export EM_CACHE=$cache EM_FROZEN_CACHE=
    fi
    rm -rf "$zkouska"
}
