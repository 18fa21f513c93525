# Shared by scripts/run and scripts/test: installs the Debian packages that are missing, then
# configures and builds. Sourced, not run.

VELLUMORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Build: compiler, CMake, Ninja, Qt 6; xcb, on which the slideshow has the X server draw its
# caption's strip; libjpeg for the benchmark (its test pictures and its floor; xcb tells it the
# real program's window); Qt's translation tools (lupdate, lrelease, and their CMake functions in
# qt6-tools-dev).
# Run: Qt's X11 and Wayland platform plugins, Qt's readers of WebP, TIFF and other pictures,
# GStreamer with the plugins that play MP3, WAV and WMA, a font, Qt's own translations (its file,
# font and message dialogs in the user's language).
# Install: the validators of the desktop entry and the AppStream metainfo; the Debian package's
# dependency finder (dpkg-shlibdeps, which CPack runs with file) and its checker, lintian.
# Test: Xvfb (with xvfb-run and its xauth) and xdotool for the end-to-end tests and the benchmark,
# GStreamer's command line to make test music; ImageMagick's import for the screenshots in docs/;
# a private session bus (dbus-run-session) for the end-to-end tests; the time zones the reminders'
# tests change clocks in.
# Desktop picture: zlib's checksums for its PNG; GIO's settings library and command, GNOME's schemas
# and Xfce's settings service to set it against in its test; Tesseract with its English words to
# read the sentence back off a desktop picture.
# Voice: Qt's speech library with its flite engine (English, no daemon) and its speech-dispatcher
# engine with espeak-ng (every language of the program); the declarative module, whose CMake
# files the speech library's need but Debian's package does not pull in; GStreamer's PulseAudio
# elements. For the voice's tests a PulseAudio server of their own, its command-line tools,
# and sox to read the recordings' frequency and levels.
# Library: rsync, a real sync tool writing into a watched library with its temporary files.
# Backups: libarchive reads and writes their ZIP archives.
# Thumbnails: libexif reads the previews cameras store in their photos.
# Board: poppler-utils reads a saved board's PDF back, its text and its pictures' resolution.
VELLUMORA_PACKAGES=(
    g++ cmake ninja-build pkg-config libjpeg62-turbo-dev libxcb1-dev
    qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins qt6-wayland qt6-image-formats-plugins
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly gstreamer1.0-libav
    fonts-dejavu-core
    desktop-file-utils appstream dpkg-dev file lintian
    xvfb xauth xdotool x11-utils gstreamer1.0-tools imagemagick
    dbus-daemon dbus-bin tzdata
    libglib2.0-dev libglib2.0-bin gsettings-desktop-schemas xfconf tesseract-ocr tesseract-ocr-eng zlib1g-dev
    qt6-speech-dev qt6-speech-flite-plugin qt6-speech-speechd-plugin speech-dispatcher-espeak-ng
    qt6-declarative-dev gstreamer1.0-pulseaudio pulseaudio pulseaudio-utils sox
    rsync
    libarchive-dev
    libexif-dev
    poppler-utils
)

# Desktop sessions for the end-to-end tests (tests/e2e/desktop-session), without the packages they
# recommend, which would put PipeWire's sound server in PulseAudio's place and bring the Noto fonts
# that change every window's size: GNOME Shell under gnome-session, with the settings daemon's
# screen saver proxy, gjs for the shell's notification service, dconf and the desktop portal with
# GNOME's backend; KWin on Wayland with XWayland, Plasma's shell and desktop, kded, PowerDevil
# (which keeps the screen saver's inhibitions) and Qt 5's Wayland plugin that Plasma runs on.
VELLUMORA_SESSION_PACKAGES=(
    gnome-shell gnome-session gnome-settings-daemon gjs dconf-service xdg-desktop-portal-gnome
    kwin-wayland plasma-workspace plasma-desktop kded5 powerdevil qtwayland5 xwayland
)

# vellumora_missing PACKAGE...: those of them not installed.
vellumora_missing() {
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
            echo "$package"
        fi
    done
}

# vellumora_install_packages [--sessions]: the desktop sessions too, for the tests.
vellumora_install_packages() {
    local missing=() sessions=()
    mapfile -t missing < <(vellumora_missing "${VELLUMORA_PACKAGES[@]}")
    if [ "${1:-}" = "--sessions" ]; then
        mapfile -t sessions < <(vellumora_missing "${VELLUMORA_SESSION_PACKAGES[@]}")
    fi
    if [ "${#missing[@]}" -eq 0 ] && [ "${#sessions[@]}" -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]} ${sessions[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "These packages are missing and installing them needs root: ${missing[*]} ${sessions[*]}" >&2
            return 1
        fi
        sudo=(sudo)
    fi
    local apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get)
    "${apt[@]}" update -qq &&
        { [ "${#missing[@]}" -eq 0 ] || "${apt[@]}" install -y -qq "${missing[@]}"; } &&
        { [ "${#sessions[@]}" -eq 0 ] || "${apt[@]}" install -y -qq --no-install-recommends "${sessions[@]}"; }
}

# vellumora_build BUILD_DIR [cmake options...]
vellumora_build() {
    local build_dir="$1"
    shift
    cmake -S "$VELLUMORA_ROOT" -B "$build_dir" -G Ninja "$@" &&
        cmake --build "$build_dir" --parallel "$(nproc)"
}
