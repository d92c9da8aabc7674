# Installs the Debian packages named in the arguments that are not installed yet.
# Sourced by scripts/run and scripts/test.
install_missing() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building and running the program needs; the fonts stand in for the faces the screens
# were designed in (Liberation for Times New Roman and Arial, DejaVu Sans Condensed for Tahoma,
# Wine's MS Sans Serif).
BUILD_PACKAGES=(build-essential cmake ninja-build qt6-base-dev qt6-multimedia-dev
                libgl-dev fonts-liberation fonts-dejavu-extra fonts-wine)
