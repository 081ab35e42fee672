#!/usr/bin/env bash
# Checks that the program folder stands on its own:
#   scripts/check-program-folder.sh BUILD_DIR
# - every program and library built into BUILD_DIR/drillbook finds its
#   neighbours through its own folder ($ORIGIN), never through a path into the
#   build tree;
# - `cmake --install` and cpack lay out the same folder, and the copy each
#   makes resolves every library of its own inside itself and starts.
# Every finding is named; any finding fails the run.
set -uo pipefail

build=$(cd "${1:?usage: check-program-folder.sh BUILD_DIR}" && pwd)
folder=$build/drillbook
work=$(mktemp -d -t program-folder.XXXX)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The ELF files of a folder: its programs and libraries.
elf_files() {
  find "$1" -maxdepth 1 -type f | sort | while read -r f; do
    [ "$(head -c 4 "$f" | od -An -c | tr -d ' ')" = '177ELF' ] && echo "$f"
  done
}

# Every search path an ELF file names must be its own folder.
check_search_paths() {
  local f paths
  for f in $(elf_files "$1"); do
    paths=$(readelf -d "$f" | sed -n 's/.*(\(RUNPATH\|RPATH\)).*\[\(.*\)\]/\2/p')
    if [ -z "$paths" ] && readelf -d "$f" | grep -q 'NEEDED.*\(drillbook\|QV\)'; then
      fail "$f needs a library of the folder but names no search path"
    fi
    while read -r p; do
      [ -z "$p" ] || [ "$p" = '$ORIGIN' ] || fail "$f searches $p"
    done < <(tr ':' '\n' <<<"$paths")
    readelf -d "$f" | grep -F "$build" && fail "$f names the build tree"
  done
}

# A copy of the folder resolves each library it needs that the folder holds
# inside the copy itself, and nothing it needs is missing.
check_copy_resolves() {
  local copy=$1 f lib
  for f in $(elf_files "$copy"); do
    ldd "$f" >"$work/ldd" 2>&1
    grep -q 'not found' "$work/ldd" && fail "$f: $(grep 'not found' "$work/ldd" | tr -s ' \t' ' ')"
    for lib in $(sed -n 's/^\s*\(\S*\) => \(\S*\).*/\1=\2/p' "$work/ldd"); do
      if [ -e "$copy/${lib%%=*}" ] && [ "${lib#*=}" != "$copy/${lib%%=*}" ]; then
        fail "$f takes ${lib%%=*} from ${lib#*=}, not from its own folder"
      fi
    done
  done
}

# The same files as the program folder the build laid out.
check_same_files() {
  diff <(cd "$folder" && find . -type f | sort) <(cd "$1" && find . -type f | sort) >"$work/diff" ||
    fail "$2 differs from the build's program folder:
$(cat "$work/diff")"
}

# The program starts from the copy and is still running a few seconds later.
check_starts() {
  local status
  # Its class store and profile stay with the check, never the user's own.
  DRILLBOOK_CLASS_STORE=$work/classes.ini DRILLBOOK_PROFILE=$work/profile.ini QT_QPA_PLATFORM=offscreen \
    timeout 5 "$1/drillbook" >"$work/start.log" 2>&1
  status=$?
  [ "$status" = 124 ] || fail "$1/drillbook ended at start ($status): $(cat "$work/start.log")"
}

[ -x "$folder/drillbook" ] || { echo "FAIL: no program folder at $folder"; exit 1; }
check_search_paths "$folder"

cmake --install "$build" --prefix "$work/installed" >"$work/install.log" 2>&1 ||
  fail "cmake --install failed: $(cat "$work/install.log")"
check_same_files "$work/installed" "the installed folder"
check_search_paths "$work/installed"
check_copy_resolves "$work/installed"
check_starts "$work/installed"

(cd "$work" && cpack -G TGZ --config "$build/CPackConfig.cmake" -B "$work/pack" >"$work/cpack.log" 2>&1) ||
  fail "cpack failed: $(cat "$work/cpack.log")"
tarball=$(find "$work/pack" -maxdepth 1 -name 'drillbook-*-Linux.tar.gz' | head -1)
if [ -z "$tarball" ]; then
  fail "cpack made no drillbook-<version>-Linux.tar.gz"
else
  mkdir "$work/unpacked" && tar -C "$work/unpacked" -xzf "$tarball"
  unpacked=$work/unpacked/$(basename "$tarball" .tar.gz)
  check_same_files "$unpacked" "the unpacked tarball"
  check_copy_resolves "$unpacked"
  check_starts "$unpacked"
fi

[ "$failures" = 0 ] && echo "the program folder stands on its own"
exit $((failures > 0))
