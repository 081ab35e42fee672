#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-sanitize/, and runs every test there.
# Any memory fault or undefined behaviour fails the test that made it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDRILLBOOK_SANITIZE=ON >/dev/null
cmake --build build-sanitize
# Leaks are left to the leak check of its own: the window system and font
# libraries keep caches for the life of the process on purpose.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
QT_QPA_PLATFORM=offscreen ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
