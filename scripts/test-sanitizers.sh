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
asan=detect_leaks=0:abort_on_error=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The start-up bench's new processes run on an X display, where the system's
# keyboard library copies a reply's unterminated name with strndup: strict
# string checks would stop the program inside that library, not in ours. That
# one test runs without them; every other test keeps them.
ASAN_OPTIONS=$asan:strict_string_checks=1 QT_QPA_PLATFORM=offscreen \
  ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)" -E '^bench_startup_process_smoke$'
ASAN_OPTIONS=$asan QT_QPA_PLATFORM=offscreen \
  ctest --test-dir build-sanitize --output-on-failure -R '^bench_startup_process_smoke$'
