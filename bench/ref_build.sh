#!/usr/bin/env bash
# Builds an earlier revision of Rackmere beside a build folder, once, for the
# side-by-side benchmarks: the sources of REV are exported (not checked out)
# into BUILD-ref-src and built into BUILD-ref. Prints the reference build's
# folder.
# usage: bench/ref_build.sh BUILD_DIR REV
set -euo pipefail
build=${1:?build dir}
rev=${2:?revision}
root="$(git -C "$(dirname "$0")" rev-parse --show-toplevel)"
ref="$build-ref"
src="$build-ref-src"
stamp="$ref/.rev"
if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$(git -C "$root" rev-parse "$rev")" ]; then
  rm -rf "$src"
  mkdir -p "$src"
  git -C "$root" archive "$rev" | tar -x -C "$src"
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$src" -B "$ref" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRACKMERE_BUILD_BENCH=ON \
        -DRACKMERE_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
  cmake --build "$ref" -j"$(nproc)" --target rackmere-cli gui_add_bench >&2
  git -C "$root" rev-parse "$rev" >"$stamp"
fi
echo "$ref"
