#!/usr/bin/env bash
# Builds the Debian package rackmere_<version>_<arch>.deb: a release build in
# its own folder (default build-deb) with Debian's flags (-O2, hardening), laid out
# under /usr by cpack, its dependencies computed from the binaries by
# dpkg-shlibdeps. Prints the package's path on its last line.
#
#   bash tools/package.sh [BUILD_FOLDER [CMAKE_OPTION...]]
#
# Further options go to cmake: tools/test.sh builds the tests in the same
# folder (-DRACKMERE_BUILD_TESTS=ON), so that they run on what is packaged.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-deb}
shift || true
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
  -DRACKMERE_BUILD_TESTS=OFF -DRACKMERE_BUILD_BENCH=OFF -DRACKMERE_WERROR=ON \
  "-DCMAKE_CXX_FLAGS=$cxxflags" "-DCMAKE_EXE_LINKER_FLAGS=$ldflags" "$@" >/dev/null
cmake --build "$build" -j"$(nproc)" >&2
rm -f "$build"/rackmere_*.deb
(cd "$build" && cpack -G DEB >&2)
ls "$build"/rackmere_*.deb
