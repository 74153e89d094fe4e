# Shared by run.sh and test.sh: install what the build needs, then build.
# shellcheck shell=bash
ZARVO_PACKAGES="cmake ninja-build g++ pkg-config qt6-base-dev libjpeg-dev libpng-dev libgtest-dev libbenchmark-dev locales-all parallel"

zarvo_install() {
    local missing=()
    for p in $ZARVO_PACKAGES "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -ne 0 ] && sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
    fi
}

zarvo_build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build --parallel "$(nproc)"
}

# The test programs alone (no benchmarks, no desktop program), built with
# AddressSanitizer and UndefinedBehaviorSanitizer in build-asan. -O1 with
# line tables only compiles in half the time of -O2 -g; the sanitizers'
# reports still give file and line.
zarvo_build_sanitized() {
    local flags="-O1 -g1 -DNDEBUG"
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_C_FLAGS_RELWITHDEBINFO="$flags" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$flags" \
        -DZARVO_SANITIZE=address,undefined -DZARVO_BUILD_BENCH=OFF >/dev/null
    cmake --build build-asan --parallel "$(nproc)" --target zarvo_tests
}

# The threaded tests built with ThreadSanitizer in build-tsan: the engine's
# (the scan, its worker pool and the plug-in calls) and the attractor's
# (sample streams on several threads).
zarvo_build_threads_sanitized() {
    local flags="-O1 -g1 -DNDEBUG"
    cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_C_FLAGS_RELWITHDEBINFO="$flags" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$flags" \
        -DZARVO_SANITIZE=thread -DZARVO_BUILD_BENCH=OFF >/dev/null
    cmake --build build-tsan --parallel "$(nproc)" --target engine_tests render_tests attractor_tests render_tool_tests zarvo-render qorl01.zvo qorl02.zvo
}
