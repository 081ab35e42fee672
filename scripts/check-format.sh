#!/usr/bin/env bash
# Checks the program's code against the house style in .clang-format:
#   scripts/check-format.sh         names every file clang-format would change
#                                   (with how many lines) and fails if there is one
#   scripts/check-format.sh --fix   rewrites those files in place
# The program's code is every .cpp and .h in the folders of the rows of
# scripts/layers.table, the same files scripts/check-layers.sh checks; tests,
# benchmarks and tools are not held to it. clang-format is taken from PATH,
# as clang-format or clang-format-14 (scripts/deps.sh installs it).
set -euo pipefail
cd "$(dirname "$0")/.."

fix=no
case "${1:-}" in
"") ;;
--fix) fix=yes ;;
*)
  echo "usage: scripts/check-format.sh [--fix]" >&2
  exit 2
  ;;
esac

formatter=""
for name in clang-format clang-format-14; do
  if command -v "$name" >/dev/null 2>&1; then
    formatter=$name
    break
  fi
done
if [ -z "$formatter" ]; then
  echo "check-format: neither clang-format nor clang-format-14 is on PATH (scripts/deps.sh installs it)" >&2
  exit 2
fi

# The rows' folders (and main.cpp); a pattern such as controls/dateinput/Date*
# lies inside a folder of its own row's neighbour, so it adds nothing.
program_files() {
  awk -F'|' '$1 ~ /^row[ \t]*$/ { print $3 }' scripts/layers.table | tr ' \t' '\n\n' | grep -v -e '^$' -e '\*' |
    while read -r path; do
      if [ -f "$path" ]; then
        echo "$path"
      elif [ -d "$path" ]; then
        find "$path" -type f \( -name '*.cpp' -o -name '*.h' \)
      fi
    done | sort -u
}

unformatted=0
while read -r file; do
  if ! "$formatter" --style=file "$file" | cmp -s - "$file"; then
    changed=$("$formatter" --style=file "$file" | diff "$file" - | grep -c '^[<>]' || true)
    unformatted=$((unformatted + 1))
    if [ "$fix" = yes ]; then
      "$formatter" --style=file -i "$file"
      echo "formatted: $file ($changed lines)"
    else
      echo "not formatted: $file ($changed lines would change)"
    fi
  fi
done < <(program_files)

if [ "$fix" = yes ]; then
  echo "check-format: $unformatted files rewritten"
elif ((unformatted)); then
  echo "check-format: $unformatted files differ from .clang-format; scripts/check-format.sh --fix rewrites them"
  exit 1
fi
