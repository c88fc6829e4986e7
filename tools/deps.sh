# Debian packages the build, the tests and the programs need.
GLYPHTROVE_PACKAGES="build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev
libgtest-dev libbenchmark-dev libsimpleini-dev clang libclang-rt-14-dev
fonts-liberation fonts-dejavu-core xvfb xauth xdotool openbox qt6-svg-dev"

install_deps() {
    local missing=()
    for p in $GLYPHTROVE_PACKAGES; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    # Through env: sudo drops the caller's environment.
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
