# docs/make-screenshot.sh: a compositing window manager (see-through notes blend only under one) with
# its session bus, a tool that sets the wallpaper where the compositor reads it, the notes' fonts.
QUILLARREN_SCREENSHOT_PACKAGES=(
    xvfb xfwm4 dbus-daemon hsetroot xdotool x11-utils imagemagick sqlite3 fonts-dejavu-core fonts-urw-base35
)

# Debian packages the build, the program and the tests need; sourced by the other scripts. The
# tests include one that makes the screenshot.
QUILLARREN_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev libsqlite3-dev libxcb1-dev qt6-translations-l10n
    qt6-l10n-tools qt6-tools-dev   # lupdate and lrelease, and CMake's Qt6LinguistTools that drives them
    xvfb xdotool x11-utils x11-xserver-utils openbox icewm imagemagick sqlite3 sox locales fonts-dejavu-core
    xserver-xorg-core xserver-xorg-video-dummy at-spi2-core python3-pyatspi
    python3-gi dbus-daemon   # the tray test's panel: a StatusNotifierItem watcher on a session bus
    desktop-file-utils appstream
    "${QUILLARREN_SCREENSHOT_PACKAGES[@]}"
)

# bench/plot.sh draws bench/compare.sh's figures with gnuplot; compare.sh installs it. The tests
# skip their check of the plots without it.
QUILLARREN_PLOT_PACKAGES=(gnuplot-nox)

# The sync tests' file-sync engine: two Syncthing instances on localhost (tests/realwindow/
# lib_syncthing.sh), driven through their REST interface with curl and jq, configured with Debian's
# python3. Not needed to build or run the program.
QUILLARREN_SYNC_TEST_PACKAGES=(syncthing curl jq python3)

# The fuzz targets (scripts/fuzz): clang with libFuzzer and the sanitizers' runtime.
QUILLARREN_FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# Installs whichever of the given packages are missing, through sudo when not root.
install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}
