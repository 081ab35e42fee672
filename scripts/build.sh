#!/usr/bin/env bash
# Configures and builds drillbook into build/ and lays out the program folder
# build/drillbook/ (executable, question database, pictures, skins, sounds).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
