#!/usr/bin/env bash
# Configures and builds TALVO into build/ (warnings are errors).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALVO_WERROR=ON >/dev/null
cmake --build build -j"$(nproc)"
