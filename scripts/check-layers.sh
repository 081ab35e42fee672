#!/usr/bin/env bash
# Checks that the program's includes keep to its layers:
#   scripts/check-layers.sh [source tree]   checks the tree (default: this one)
#   scripts/check-layers.sh --self-test      proves the check on small trees
# Every include that breaks a rule is named with its file and line; any
# breach fails the run.
set -uo pipefail

# ---- The rules -------------------------------------------------------------------

# The platform layers from the bottom up, each with the layers below it that
# it may include; a layer may always include itself.
LAYER_RULES=(
  "core:"
  "data:core"
  "gdi:core"
  "registry:core"
  "media:core"
  "speech:core"
  "spell:core"
  "forms:core data gdi"
  "help:core forms"
  "print:core gdi"
  "com:core"
  "hosting:core com"
  "thesaurus:core"
)

# The control libraries and what they stand on, each with the folders of
# controls/ it may include. The program never includes them: it links none
# and creates their controls by class id.
CONTROL_RULES=(
  "runtime:"
  "locale:"
  "base:runtime locale"
  "dateinput:base runtime locale"
  "optionbutton:base runtime locale"
)
# The platform layers the controls may use.
CONTROL_PLATFORM="core com gdi"

# Folders of windows. Windows call one another, so only they may include one
# another; the platform and the program's libraries never include them.
WINDOW_FOLDERS="questionwindow contents questionsets appearance editing printing"

# The program's libraries above the platform; the platform never includes
# them, and they never include a window. The drawn art lives beside the skins
# but is a library of its own.
PROGRAM_LIBRARIES="questiondb widgets appearance/art speechsetup"

# Outside libraries kept inside one layer: "include pattern (extended regex)|
# the only folder of the program that may include it|what it is".
PRIVATE_LIBRARIES=(
  "^sqlite3\.h$|platform/data|SQLite"
  "^espeak-ng/|platform/speech|espeak-ng"
  "^mythes\.hxx$|platform/thesaurus|mythes"
  "^hunspell/|platform/spell|hunspell"
)

# The date-input control's date engine is plain C++ that tests and the fuzzer
# run on their own: it includes the standard library and its own headers,
# nothing of the program, Qt or the component layer. The control beside it
# in the same folder may include what it needs.
PURE_ENGINE='^controls/dateinput/(Date(Calendar|Engine|Formats|Parser|Stepping|Typing)|IntlProfile|LanguageNames)\.(h|cpp)$'

# Folders whose sources are not the program's: they may include anything.
NOT_PROGRAM="tests bench data/tools"

# ---- The check ------------------------------------------------------------------------

in_list() { # word list...
  local word=$1 item
  shift
  for item in $*; do
    [[ $item == "$word" ]] && return 0
  done
  return 1
}

# What a folder may include by the rules of a table (LAYER_RULES or
# CONTROL_RULES); fails for a folder the table has no rule for.
rule_allows() { # table folder
  local -n rules=$1
  local rule
  for rule in "${rules[@]}"; do
    if [[ ${rule%%:*} == "$2" ]]; then
      echo "${rule#*:}"
      return 0
    fi
  done
  return 1
}

# The library or folder a path belongs to, into UNIT: its top folder, but
# for the art.
unit_of() { # path
  case $1 in
  appearance/art/*) UNIT=appearance/art ;;
  *) UNIT=${1%%/*} ;;
  esac
}

# The program's sources under the tree, as paths from its top.
program_sources() { # tree
  local prune=() folder
  for folder in $NOT_PROGRAM; do
    prune+=(-path "./$folder" -prune -o)
  done
  (cd "$1" && find . \( -path './.*' -o -path ./build -o -path './build-*' \) -prune -o "${prune[@]}" \
    -type f \( -name '*.cpp' -o -name '*.h' \) -print | sed 's|^\./||' | LC_ALL=C sort)
}

# The included file as a path from the top of the tree, into RESOLVED: a
# quoted include found beside the including file is taken from there,
# anything else as written (the program names its includes from the top).
resolve() { # tree file quote included
  local tree=$1 dir=. path
  [[ $2 == */* ]] && dir=${2%/*}
  RESOLVED=$4
  [[ $3 == '"' && -e "$tree/$dir/$4" ]] || return 0
  path="$dir/$4"
  if [[ $path == *./* ]]; then
    RESOLVED=$(realpath -m --relative-to="$tree" "$tree/$path")
  else
    RESOLVED=${path#./}
  fi
}

# A line of grep -n output that includes a file: its quote and the file.
INCLUDE_LINE='^[0-9]+:[[:space:]]*#[[:space:]]*include[[:space:]]*([<"])([^>"]+)'
declare -A CLOSING=(['<']='>' ['"']='"')

check_tree() { # tree
  local tree=$1 breaches=0 files file line number quote included target where
  local top second target_top target_second rule pattern owner name allowed
  local sources=()
  mapfile -t sources < <(program_sources "$tree")
  files=${#sources[@]}
  while IFS= read -r line; do
    file=${line%%:*}
    line=${line#*:}
    number=${line%%:*}
    [[ $line =~ $INCLUDE_LINE ]] || continue
    quote=${BASH_REMATCH[1]}
    included=${BASH_REMATCH[2]}
    where="$file:$number includes $quote$included${CLOSING[$quote]}"
    unit_of "$file"
    top=$UNIT
    second=${file#*/}
    second=${second%%/*}

    for rule in "${PRIVATE_LIBRARIES[@]}"; do
      IFS='|' read -r pattern owner name <<<"$rule"
      if [[ $included =~ $pattern && $file != "$owner"/* ]]; then
        echo "$where: only $owner may include $name"
        breaches=$((breaches + 1))
      fi
    done

    resolve "$tree" "$file" "$quote" "$included"
    target=$RESOLVED

    if [[ $file =~ $PURE_ENGINE ]]; then
      if [[ $quote == '<' && ($included == Q* || $included == */*) ]] ||
        [[ $quote == '"' && ! $target =~ $PURE_ENGINE ]]; then
        echo "$where: the date engine includes only the standard library and itself"
        breaches=$((breaches + 1))
      fi
    fi
    [[ $target == */* ]] || continue
    unit_of "$target"
    target_top=$UNIT
    target_second=${target#*/}
    target_second=${target_second%%/*}

    if [[ $target_top == controls && $top != controls ]]; then
      echo "$where: only the control libraries include controls/; the program creates controls by class id"
      breaches=$((breaches + 1))
    elif [[ $top == controls ]]; then
      if in_list "$target_top" "$WINDOW_FOLDERS" || in_list "$target_top" "$PROGRAM_LIBRARIES"; then
        echo "$where: the control libraries never include the program"
        breaches=$((breaches + 1))
      elif [[ $target_top == platform && $target == */*/* ]] && ! in_list "$target_second" "$CONTROL_PLATFORM"; then
        echo "$where: the control libraries use only the $CONTROL_PLATFORM layers of the platform"
        breaches=$((breaches + 1))
      elif [[ $target_top == controls && $target_second != "$second" ]]; then
        if ! allowed=$(rule_allows CONTROL_RULES "$second"); then
          echo "$file: controls/$second has no rule; add it to CONTROL_RULES in $0"
          breaches=$((breaches + 1))
        elif ! in_list "$target_second" "$allowed"; then
          echo "$where: controls/$second includes only ${allowed:-itself}${allowed:+ and itself} of controls/"
          breaches=$((breaches + 1))
        fi
      fi
    elif [[ $top == platform ]]; then
      if in_list "$target_top" "$WINDOW_FOLDERS"; then
        echo "$where: the platform never includes a window"
        breaches=$((breaches + 1))
      elif in_list "$target_top" "$PROGRAM_LIBRARIES"; then
        echo "$where: the platform never includes the program's $target_top library"
        breaches=$((breaches + 1))
      elif [[ $target_top == platform && $target_second != "$second" && $target == */*/* ]]; then
        if ! allowed=$(rule_allows LAYER_RULES "$second"); then
          echo "$file: platform/$second is no layer; add it to LAYER_RULES in $0"
          breaches=$((breaches + 1))
        elif ! in_list "$target_second" "$allowed"; then
          echo "$where: the $second layer includes only ${allowed:-itself}${allowed:+ and itself}"
          breaches=$((breaches + 1))
        fi
      fi
    elif in_list "$top" "$PROGRAM_LIBRARIES" && in_list "$target_top" "$WINDOW_FOLDERS"; then
      echo "$where: the $top library never includes a window"
      breaches=$((breaches + 1))
    fi
  done < <(((files > 0)) && cd "$tree" && grep -Hn '^[[:space:]]*#[[:space:]]*include' -- "${sources[@]}")

  if ((files == 0)); then
    echo "check-layers: no sources under $tree"
    return 1
  fi
  if ((breaches > 0)); then
    echo "check-layers: $breaches include(s) break the layers in $files files"
    return 1
  fi
  echo "check-layers: $files files keep to the layers"
}

# Every program source is named in its folder's CMakeLists.txt, so the
# target a file builds into can be read there; a folder without one is not
# built and is passed over.
check_listed() { # tree
  local tree=$1 file missing=0
  while IFS= read -r file; do
    [[ $file == */* && -f "$tree/${file%/*}/CMakeLists.txt" ]] || continue
    if ! grep -qx "[[:space:]]*${file##*/}" "$tree/${file%/*}/CMakeLists.txt"; then
      echo "$file: not listed in ${file%/*}/CMakeLists.txt"
      missing=$((missing + 1))
    fi
  done < <(program_sources "$tree")
  if ((missing > 0)); then
    echo "check-layers: $missing source(s) belong to no target"
    return 1
  fi
}

# ---- The self-test ---------------------------------------------------------------------

# A small tree that keeps every rule, including what may look like a breach:
# same-layer and same-folder includes, windows calling one another, and the
# outside libraries used by their layers, the tests, the benchmarks and the tools.
write_clean_tree() { # tree
  local tree=$1
  mkdir -p "$tree"/{platform/{core,data,gdi,speech,forms,help},questiondb,widgets,questionwindow,contents,appearance/art}
  mkdir -p "$tree"/{tests/platform/data,bench,data/tools,build/questionwindow}
  mkdir -p "$tree"/{platform/com,controls/{runtime,locale,base,dateinput},tests/controls}
  printf '#pragma once\n#include <QString>\n' >"$tree/platform/core/Paths.h"
  printf '#pragma once\n#include "platform/core/Paths.h"\n' >"$tree/platform/data/Engine.h"
  printf '#include "Engine.h"\n#include "platform/data/Engine.h"\n#include <sqlite3.h>\n' >"$tree/platform/data/Engine.cpp"
  printf '#include "platform/core/Paths.h"\n' >"$tree/platform/gdi/Color.h"
  printf '#include <espeak-ng/speak_lib.h>\n#include "platform/core/Paths.h"\n' >"$tree/platform/speech/Synth.cpp"
  printf '#include "platform/data/Engine.h"\n#include "../core/Paths.h"\n' >"$tree/platform/forms/Form.h"
  printf '#include "platform/forms/Form.h"\n' >"$tree/platform/help/Help.h"
  printf '#include "platform/forms/Form.h"\n#include "platform/data/Engine.h"\n' >"$tree/questiondb/Cursors.h"
  printf '#include "platform/gdi/Color.h"\n' >"$tree/widgets/Bar.h"
  printf '#include "contents/frmContents.h"\n#include "widgets/Bar.h"\n#include "questiondb/Cursors.h"\n' \
    >"$tree/questionwindow/frmMain.h"
  printf '#include "questionwindow/frmMain.h"\n#include "platform/speech/Synth.h"\n' >"$tree/contents/frmContents.h"
  printf '#include <sqlite3.h>\n#include <espeak-ng/speak_lib.h>\n#include "contents/frmContents.h"\n' \
    >"$tree/tests/platform/data/tst_raw.cpp"
  printf '#include <sqlite3.h>\n' >"$tree/bench/BenchBanks.h"
  printf '#include <sqlite3.h>\n' >"$tree/data/tools/makebank.cpp"
  printf '#include <sqlite3.h>\n' >"$tree/build/questionwindow/moc_frmMain.cpp"
  printf '#include "contents/frmContents.h"\n' >"$tree/main.cpp"
  printf '#include "appearance/art/Emblem.h"\n#include <QImage>\n' >"$tree/appearance/art/Emblem.cpp"
  printf '#include "appearance/art/Emblem.h"\n' >"$tree/appearance/SkinTable.h"
  printf '#include "appearance/art/Emblem.h"\n' >"$tree/widgets/Picture.h"
  printf '#include "platform/core/Paths.h"\n#include <QString>\n' >"$tree/platform/com/Guid.h"
  printf '#include "platform/gdi/Color.h"\n' >"$tree/controls/runtime/Colors.cpp"
  printf '#include "controls/runtime/Colors.h"\n#include "controls/locale/Exports.h"\n#include "platform/com/Guid.h"\n' \
    >"$tree/controls/base/CQvControl.h"
  printf '#include "controls/base/CQvControl.h"\n#include "controls/runtime/Caret.h"\n' \
    >"$tree/controls/dateinput/Ctrl.h"
  printf '#include "controls/base/CQvControl.h"\n#include "platform/com/Guid.h"\n' >"$tree/tests/controls/tst_base.cpp"
  printf '#pragma once\n#include <string>\n' >"$tree/controls/dateinput/DateCalendar.h"
  printf '#include "controls/dateinput/DateCalendar.h"\n#include "DateCalendar.h"\n#include <functional>\n' \
    >"$tree/controls/dateinput/DateEngine.cpp"
  printf '#include "controls/dateinput/DateEngine.h"\n#include <QWidget>\n#include "platform/core/Paths.h"\n' \
    >"$tree/controls/dateinput/QvindatCtrl.cpp"
}

# One breach of each kind: "file|its text".
SELF_TEST_BREACHES=(
  'questionwindow/frmMain_load.cpp|#include <sqlite3.h>'
  'platform/forms/Speak.cpp|#include <espeak-ng/speak_lib.h>'
  'platform/forms/Dialogs.cpp|#include "contents/frmContents.h"'
  'platform/help/Index.cpp|#include "questiondb/Cursors.h"'
  'platform/gdi/Bar.cpp|#  include "widgets/Bar.h"'
  'platform/data/Bound.h|#include "platform/forms/Form.h"'
  'platform/gdi/Picture.h|#include "platform/data/Engine.h"'
  'platform/core/Log.cpp|#include "../gdi/Color.h"'
  'questiondb/Cursors.cpp|#include "questionwindow/frmMain.h"'
  'widgets/Bar.cpp|#include "contents/frmContents.h"'
  'appearance/art/Emblem.cpp|#include "appearance/SkinTable.h"'
  'questionwindow/frmMain_date.cpp|#include "controls/base/CQvControl.h"'
  'platform/com/Loader.cpp|#include "controls/base/CQvControl.h"'
  'platform/com/Store.cpp|#include "platform/data/Engine.h"'
  'controls/runtime/Caret.cpp|#include "controls/base/CQvControl.h"'
  'controls/base/Window.cpp|#include "platform/forms/Form.h"'
  'controls/dateinput/Host.cpp|#include "questionwindow/frmMain.h"'
  'controls/dateinput/DateParser.cpp|#include <QString>'
  'controls/dateinput/LanguageNames.h|#include <QtWidgets/QWidget>'
  'controls/dateinput/DateEngine.h|#include "platform/core/Paths.h"'
  'controls/dateinput/IntlProfile.h|#include "controls/dateinput/QvindatCtrl.h"'
)

self_test() {
  local scratch output breach file text failures=0
  scratch=$(mktemp -d) || return 1
  trap 'rm -rf "$scratch"' RETURN

  write_clean_tree "$scratch/clean"
  if ! output=$(check_tree "$scratch/clean"); then
    echo "self-test: a clean tree failed:"
    echo "$output"
    failures=$((failures + 1))
  fi

  for breach in "${SELF_TEST_BREACHES[@]}"; do
    IFS='|' read -r file text <<<"$breach"
    rm -rf "$scratch/tree"
    write_clean_tree "$scratch/tree"
    printf '%s\n' "$text" >"$scratch/tree/$file"
    if output=$(check_tree "$scratch/tree"); then
      echo "self-test: $file with '$text' passed"
      failures=$((failures + 1))
    elif ! grep -q "^$file:1 includes" <<<"$output"; then
      echo "self-test: $file with '$text' failed without naming it:"
      echo "$output"
      failures=$((failures + 1))
    fi
  done

  if ((failures > 0)); then
    echo "check-layers self-test: $failures case(s) wrong"
    return 1
  fi
  echo "check-layers self-test: the clean tree passes and ${#SELF_TEST_BREACHES[@]} breaches fail"
}

if [[ ${1:-} == --self-test ]]; then
  self_test
else
  tree=${1:-$(dirname "$0")/..}
  status=0
  check_listed "$tree" || status=1
  check_tree "$tree" || status=1
  exit $status
fi
