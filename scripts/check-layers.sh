#!/usr/bin/env bash
# Checks that the program's includes keep to its layers, as scripts/layers.table
# gives them:
#   scripts/check-layers.sh [tree]                  checks the tree (default: this one)
#   scripts/check-layers.sh --window-report [tree]  counts the includes between window folders
#   scripts/check-layers.sh --check-docs [tree]     fails when the table's blocks in HACKING.md
#                                                   and README.md differ from the table
#   scripts/check-layers.sh --write-docs [tree]     rewrites those blocks from the table
#   scripts/check-layers.sh --self-test             proves the check on small trees and on
#                                                   a copy of this one
# Every include that breaks a rule is named with its file and line, the include
# and the rule; any breach fails the run. The work is done by check-layers.awk
# in one pass.
set -uo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
TABLE=$HERE/layers.table
TABLE_NAME=scripts/layers.table

# The tree's sources and folder lists, as paths from its top; build trees and
# hidden folders are passed over.
tree_files() { # tree
  (cd "$1" && find . \( -path './.*' -o -path ./build -o -path './build-*' \) -prune -o \
    -type f \( -name '*.cpp' -o -name '*.h' -o -name CMakeLists.txt \) -print | sed 's|^\./||' | LC_ALL=C sort)
}

run_awk() { # mode tree
  awk -v mode="$1" -v tree="$2" -v table_name="$TABLE_NAME" -f "$HERE/check-layers.awk" "$TABLE" <(tree_files "$2")
}

check_tree() { # tree
  run_awk check "$1"
}

# ---- The documents -------------------------------------------------------------

# The documents that quote the table, each with the block it holds.
DOCS=("HACKING.md:hacking" "README.md:readme")
BEGIN_MARK='<!-- layers: generated from scripts/layers.table by scripts/check-layers.sh --write-docs -->'
END_MARK='<!-- layers: end -->'

# The document with its block as the table gives it, on stdout.
doc_from_table() { # document block
  local block
  block=$(awk -v mode="$2" -v table_name="$TABLE_NAME" -f "$HERE/check-layers.awk" "$TABLE") || return 2
  BLOCK=$block awk -v begin="$BEGIN_MARK" -v end="$END_MARK" -v name="$1" '
    $0 == begin { print; print ENVIRON["BLOCK"]; inside = 1; found++; next }
    $0 == end { inside = 0 }
    !inside { print }
    END {
      if (found != 1 || inside) {
        printf "%s: needs one block between \"%s\" and \"%s\"\n", name, begin, end > "/dev/stderr"
        exit 2
      }
    }' "$1"
}

check_docs() { # tree
  local entry doc block wanted status=0
  for entry in "${DOCS[@]}"; do
    doc=$1/${entry%%:*}
    block=${entry#*:}
    wanted=$(doc_from_table "$doc" "$block") || return 2
    if [[ $wanted != "$(cat "$doc")" ]]; then
      echo "${entry%%:*}: the layers block differs from $TABLE_NAME (scripts/check-layers.sh --write-docs rewrites it):"
      diff -u "$doc" <(printf '%s\n' "$wanted") | tail -n +3
      status=1
    fi
  done
  ((status == 0)) && echo "check-layers: HACKING.md and README.md quote $TABLE_NAME as it is"
  return $status
}

write_docs() { # tree
  local entry doc wanted
  for entry in "${DOCS[@]}"; do
    doc=$1/${entry%%:*}
    wanted=$(doc_from_table "$doc" "${entry#*:}") || return 2
    printf '%s\n' "$wanted" >"$doc"
  done
}

# ---- The self-test ---------------------------------------------------------------------

# A small tree that keeps every rule, including what may look like a breach:
# same-layer and same-folder includes, windows calling one another, and the
# outside libraries used by their layers, the tests, the benchmarks and the tools.
write_clean_tree() { # tree
  local tree=$1
  local kind header call definer
  # The upward calls the table lists, declared and defined as it says.
  while IFS='|' read -r kind header call definer; do
    [[ $(echo $kind) == window-upcall ]] || continue
    header=$(echo $header) call=$(echo $call) definer=$(echo $definer)
    mkdir -p "$tree/${header%/*}" "$tree/${definer%/*}"
    printf 'void %s();\n' "$call" >>"$tree/$header"
    printf 'void %s() {}\n' "$call" >>"$tree/$definer"
  done <"$TABLE"
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
  printf '#include "widgets/Bar.h"\n#include "questiondb/Cursors.h"\n' >"$tree/questionwindow/frmMain.h"
  printf '#include "questionwindow/frmMain.h"\n#include "platform/speech/Synth.h"\n' >"$tree/contents/frmContents.h"
  printf '#include <sqlite3.h>\n#include <espeak-ng/speak_lib.h>\n#include "contents/frmContents.h"\n' \
    >"$tree/tests/platform/data/tst_raw.cpp"
  printf '#include <sqlite3.h>\n' >"$tree/bench/BenchBanks.h"
  printf '#include <sqlite3.h>\n' >"$tree/data/tools/makebank.cpp"
  printf '#include <sqlite3.h>\n' >"$tree/build/questionwindow/moc_frmMain.cpp"
  printf '#include "contents/frmContents.h"\n' >"$tree/main.cpp"
  printf '#include "appearance/art/Emblem.h"\n#include <QImage>\n' >"$tree/appearance/art/Emblem.cpp"
  printf '#include "appearance/art/Emblem.h"\n' >"$tree/appearance/SkinTable.h"
  printf '#include "platform/forms/Form.h"\n#include "platform/core/Paths.h"\n' >"$tree/widgets/Picture.h"
  printf '#pragma once\n#include <QString>\n' >"$tree/platform/com/Guid.h"
  printf '#include "platform/gdi/Color.h"\n' >"$tree/controls/runtime/Colors.cpp"
  printf '#include "controls/runtime/Colors.h"\n#include "controls/locale/Exports.h"\n#include "platform/com/Guid.h"\n' \
    >"$tree/controls/base/CQvControl.h"
  printf '#include "controls/base/CQvControl.h"\n#include "controls/runtime/Caret.h"\n' \
    >"$tree/controls/dateinput/Ctrl.h"
  printf '#include "controls/base/CQvControl.h"\n#include "platform/com/Guid.h"\n' >"$tree/tests/controls/tst_base.cpp"
  printf '#pragma once\n#include <string>\n' >"$tree/controls/dateinput/DateCalendar.h"
  printf '#include "controls/dateinput/DateCalendar.h"\n#include "DateCalendar.h"\n#include <functional>\n' \
    >"$tree/controls/dateinput/DateEngine.cpp"
  printf '#include "controls/dateinput/DateEngine.h"\n#include <QWidget>\n#include "platform/com/Guid.h"\n' \
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

# The includes planted into a copy of this tree, besides one the table picks
# for every other row: "row|file|included".
ROW_PLANTS=(
  'widgets|widgets/XPStyle.cpp|platform/speech/SpeechEngine.h'
  'art|appearance/art/Emblem.cpp|platform/data/Recordset.h'
  'questiondb|questiondb/Cursors.cpp|widgets/XP_ProgressBar.h'
)

# Every row of the table catches a bad include: one planted into a source of
# each row of a copy of this tree, all at once, must each be named at its line,
# and nothing else.
self_test_rows() { # scratch
  local copy=$1/rows row file included plant wanted output failures=0 planted=0
  local -A chosen=()
  mkdir -p "$copy"
  (cd "$HERE/.." && tree_files . | tar -cf - -T -) | (cd "$copy" && tar -xf -)
  for plant in "${ROW_PLANTS[@]}"; do
    chosen[${plant%%|*}]=${plant#*|}
  done
  while IFS='|' read -r row file included; do
    [[ -n ${chosen[$row]:-} ]] || chosen[$row]="$file|$included"
  done < <(run_awk plants "$copy")
  wanted=()
  for row in "${!chosen[@]}"; do
    IFS='|' read -r file included <<<"${chosen[$row]}"
    if [[ -z $file || ! -f $copy/$file ]]; then
      echo "self-test: the $row row has no source ${file:+($file) }to plant an include into"
      failures=$((failures + 1))
      continue
    fi
    [[ -z $(tail -c 1 "$copy/$file") ]] || echo >>"$copy/$file"
    printf '#include "%s"\n' "$included" >>"$copy/$file"
    wanted+=("$file:$(wc -l <"$copy/$file") includes \"$included\": ")
    planted=$((planted + 1))
  done
  output=$(check_tree "$copy")
  for plant in "${wanted[@]}"; do
    if ! grep -qF -- "$plant" <<<"$output"; then
      echo "self-test: the planted include was not caught: ${plant%: }"
      failures=$((failures + 1))
    fi
  done
  if [[ $(grep -c ' includes ' <<<"$output") != "$planted" ]] || grep -v ' includes ' <<<"$output" | grep -qv '^check-layers: '; then
    echo "self-test: the copy with $planted planted includes gave other breaches or faults:"
    echo "$output"
    failures=$((failures + 1))
  fi
  ((failures == 0))
}

# The window order, switched on in a copy of the table: a lower window folder
# including a higher one or one on its level fails, an exception passes, and
# the report counts the includes between window folders.
self_test_window_order() { # scratch
  local table=$1/order.table off=$1/order-off.table tree=$1/order case file text verdict output failures=0
  sed 's/^window-order-enforced | .*$/window-order-enforced | no/' "$TABLE" >"$off"
  sed 's/^window-order-enforced | .*$/window-order-enforced | yes/' "$TABLE" >"$table"
  printf 'window-exception | questionwindow/frmMain.h | contents/frmContents.h\n' >>"$table"
  printf 'window-upcall | appearance/Upward.h | undeclaredCall | contents/Upward.cpp\n' >>"$table"
  printf 'window-upcall | contents/Upward.h | downwardCall | appearance/Upward.cpp\n' >>"$table"
  local cases=(
    'fails|appearance/frmSkin.cpp|#include "questionwindow/frmMain.h"'
    'fails|printing/frmPrint.cpp|#include "editing/frmEdit.h"'
    'passes|contents/frmList.cpp|#include "appearance/SkinTable.h"'
  )
  write_clean_tree "$tree"
  for case in "${cases[@]}"; do
    IFS='|' read -r verdict file text <<<"$case"
    mkdir -p "$tree/${file%/*}"
    printf '%s\n' "$text" >"$tree/$file"
  done
  # The include the exception accepts.
  printf '#include "contents/frmContents.h"\n' >>"$tree/questionwindow/frmMain.h"
  mkdir -p "$tree/contents"
  printf 'void undeclaredCall() {}\n' >"$tree/contents/Upward.cpp"
  printf 'void downwardCall();\n' >"$tree/contents/Upward.h"
  printf 'void downwardCall() {}\n' >"$tree/appearance/Upward.cpp"
  output=$(TABLE=$table check_tree "$tree")
  for case in "${cases[@]}"; do
    IFS='|' read -r verdict file text <<<"$case"
    if [[ $verdict == fails ]] && ! grep -q "^$file:1 includes .*window order" <<<"$output"; then
      echo "self-test: with the window order, $file with '$text' passed"
      failures=$((failures + 1))
    elif [[ $verdict == passes ]] && grep -q "^$file:" <<<"$output"; then
      echo "self-test: with the window order, $file with '$text' failed"
      failures=$((failures + 1))
    fi
  done
  for text in 'appearance/Upward.h does not declare undeclaredCall' 'the call downwardCall does not lead'; do
    if ! grep -qF -- "$text" <<<"$output"; then
      echo "self-test: the window order's check lacks '$text':"
      echo "$output"
      failures=$((failures + 1))
    fi
  done
  rm "$tree/contents/Upward.cpp" "$tree/contents/Upward.h" "$tree/appearance/Upward.cpp"
  if ! output=$(TABLE=$off check_tree "$tree"); then
    echo "self-test: with the window order switched off, its breaches failed:"
    echo "$output"
    failures=$((failures + 1))
  fi
  output=$(TABLE=$table run_awk report "$tree")
  for text in 'contents -> questionwindow: 1 includes from 1 files' 'questionwindow <-> contents (1 and 1 includes)' \
    'Program files including questionwindow/frmMain.h: 2' 'Includes from questionsets/ into questionwindow/: 0' \
    'printing -> editing: 1' '2 in all, 1 accepted as exceptions'; do
    if ! grep -qF -- "$text" <<<"$output"; then
      echo "self-test: the window report lacks '$text':"
      echo "$output"
      failures=$((failures + 1))
    fi
  done
  ((failures == 0))
}

# The documents' blocks: written from the table they pass, changed they fail.
self_test_docs() { # scratch
  local tree=$1/docs entry doc failures=0
  mkdir -p "$tree"
  for entry in "${DOCS[@]}"; do
    printf 'Before.\n%s\n%s\nAfter.\n' "$BEGIN_MARK" "$END_MARK" >"$tree/${entry%%:*}"
  done
  if ! write_docs "$tree" || ! check_docs "$tree" >/dev/null; then
    echo "self-test: written blocks do not pass"
    failures=$((failures + 1))
  fi
  for entry in "${DOCS[@]}"; do
    doc=$tree/${entry%%:*}
    cp "$doc" "$tree/kept"
    sed -i "/$(printf '%s' "$BEGIN_MARK" | sed 's/[][\/.*^$]/\\&/g')/{n;s/^/x/}" "$doc"
    if check_docs "$tree" >/dev/null; then
      echo "self-test: a changed block in ${entry%%:*} passed"
      failures=$((failures + 1))
    fi
    mv "$tree/kept" "$doc"
  done
  ((failures == 0))
}

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

  # All breaches at once, each in a file of its own: every one must be named.
  write_clean_tree "$scratch/tree"
  for breach in "${SELF_TEST_BREACHES[@]}"; do
    IFS='|' read -r file text <<<"$breach"
    printf '%s\n' "$text" >"$scratch/tree/$file"
  done
  output=$(check_tree "$scratch/tree")
  for breach in "${SELF_TEST_BREACHES[@]}"; do
    IFS='|' read -r file text <<<"$breach"
    if ! grep -q "^$file:1 includes" <<<"$output"; then
      echo "self-test: $file with '$text' passed"
      failures=$((failures + 1))
    fi
  done
  if [[ $(grep -c ' includes ' <<<"$output") != "${#SELF_TEST_BREACHES[@]}" ]]; then
    echo "self-test: the clean tree with ${#SELF_TEST_BREACHES[@]} breaches gave another number of them:"
    echo "$output"
    failures=$((failures + 1))
  fi

  self_test_window_order "$scratch" || failures=$((failures + 1))
  self_test_rows "$scratch" || failures=$((failures + 1))
  self_test_docs "$scratch" || failures=$((failures + 1))

  if ((failures > 0)); then
    echo "check-layers self-test: $failures case(s) wrong"
    return 1
  fi
  echo "check-layers self-test: the clean tree passes, ${#SELF_TEST_BREACHES[@]} breaches fail, every row of" \
    "$TABLE_NAME catches a planted include, the window order and the documents are checked"
}

case ${1:-} in
--self-test)
  self_test
  ;;
--window-report)
  run_awk report "${2:-$HERE/..}"
  ;;
--check-docs)
  check_docs "${2:-$HERE/..}"
  ;;
--write-docs)
  write_docs "${2:-$HERE/..}"
  ;;
-*)
  sed -n '2,12p' "$0" >&2
  exit 2
  ;;
*)
  check_tree "${1:-$HERE/..}"
  ;;
esac
