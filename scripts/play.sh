#!/usr/bin/env bash
# Builds Tumbla and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
if [ -x build/src/ui/tumbla ]; then
  exec build/src/ui/tumbla "$@"
else
  exec build/tools/tumbla-cli play HO611BA0B 1
fi
