# Shared by run.sh and test.sh: package set-up and a virtual display. Source it, do not run it.

TARN_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TARN_WINE=/usr/lib/wine/wine64
TARN_PACKAGES=(cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev
    g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev wine64 wine xvfb xdotool imagemagick x11-utils x11-xserver-utils python3
    clang libclang-rt-14-dev)

# Installs the Debian packages that are not installed yet; the package lists are refreshed once, and
# only when something is missing.
tarn_install_packages() {
    local missing=() package
    for package in "${TARN_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "need root or sudo to install: ${missing[*]}" >&2; return 1; }
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

# Configures (once) and builds the Windows tree given as $1; further arguments go to the build.
tarn_build_win() {
    local dir=$1
    shift
    cmake -S "$TARN_ROOT" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
        -DCMAKE_BUILD_TYPE=Release && cmake --build "$dir" -j2 "$@"
}

# Starts an Xvfb on a free display; sets TARN_XVFB_PID and TARN_XVFB_DISPLAY.
tarn_start_xvfb() {
    local fifo number
    fifo=$(mktemp -u /tmp/tarn-xvfb-XXXXXX)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -br -noreset 3>"$fifo" >/dev/null 2>&1 &
    TARN_XVFB_PID=$!
    read -r -t 30 number <"$fifo" || true
    rm -f "$fifo"
    if [ -z "$number" ]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    TARN_XVFB_DISPLAY=":$number"
    local i
    for i in $(seq 50); do
        DISPLAY=$TARN_XVFB_DISPLAY xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.2
    done
    echo "display $TARN_XVFB_DISPLAY does not answer" >&2
    return 1
}

tarn_stop_xvfb() {
    if [ -n "${TARN_XVFB_PID:-}" ]; then
        kill "$TARN_XVFB_PID" 2>/dev/null || true
        wait "$TARN_XVFB_PID" 2>/dev/null || true
        TARN_XVFB_PID=
    fi
}
