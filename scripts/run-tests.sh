#!/usr/bin/env bash
# Runs every test of a build folder through CTest; CTest starts the services the tests need
# (a throw-away PostgreSQL and X server, tests/CMakeLists.txt) and stops them at the end.
set -euo pipefail
build_dir=${1:?build folder}
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
