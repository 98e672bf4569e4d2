# Shared by run.sh and test.sh: installs the Debian 12 packages that are missing, and only
# those. Sourced, not run.

velmora_build_packages=(
    g++ cmake ninja-build pkg-config
    libsqlite3-dev sqlite3 libsodium-dev nlohmann-json3-dev
    libpng-dev zlib1g-dev
    qt6-base-dev qt6-base-private-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libsdl2-dev
    fonts-liberation2 fonts-dejavu-core
)
velmora_test_packages=(
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth
    clang libclang-rt-14-dev
    locales
    dbus-daemon
    poppler-utils
    python3-icalendar
)

# ensure_packages PACKAGE...: apt-get installs the ones not installed yet.
ensure_packages() {
    local missing=()
    local p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "These packages are missing and I am not root: ${missing[*]}" >&2
            return 1
        fi
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# ensure_locales NAME...: generates the locales (ru_RU.UTF-8, ...) that are not there yet.
ensure_locales() {
    local sudo=()
    if [ "$(id -u)" -ne 0 ] && command -v sudo >/dev/null 2>&1; then
        sudo=(sudo)
    fi
    local name
    for name in "$@"; do
        local lang=${name%%.*}
        local wanted
        wanted=$(echo "$lang.utf8" | tr '[:upper:]' '[:lower:]')
        if ! locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | grep -qx "$wanted"; then
            echo "Generating the locale $name"
            "${sudo[@]}" localedef -i "$lang" -f UTF-8 "$name"
        fi
    done
}
