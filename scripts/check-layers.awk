# The work of scripts/check-layers.sh, in one pass: reads the table of layers
# (the first file), then the paths of a tree's sources and CMakeLists.txt files
# (the second, one a line, from the top of the tree), and reads each source
# itself. Plain POSIX awk, so any awk runs it.
#
# Variables (awk -v):
#   mode   check: every include against the table, every source in its list
#          report: the include graph of the window folders
#          hacking, readme: the block of HACKING.md or README.md the table gives
#          plants: the includes the self-test plants into each row
#   tree   the tree the paths are under
#   table_name   how messages name the table

function trim(s) {
  sub(/^[ \t]+/, "", s)
  sub(/[ \t]+$/, "", s)
  return s
}

function table_error(message) {
  printf "%s:%d: %s\n", table_name, FNR, message
  table_errors++
}

# A folder pattern of the table as an extended regex that matches the paths
# it holds.
function pattern_regex(pattern, re) {
  re = pattern
  gsub(/[.+?()\[\]{}^$|\\]/, "\\\\&", re)
  gsub(/\*/, "[^/]*", re)
  return "^" re "(/|$)"
}

function read_table_line(   field, count, i, n, name, list, kind) {
  if ($0 ~ /^[ \t]*(#|$)/)
    return
  count = split($0, field, "|")
  for (i = 1; i <= count; i++)
    field[i] = trim(field[i])
  kind = field[1]
  if (kind == "row") {
    if (count != 7) {
      table_error("a row has 7 fields: row | name | folders | may include | outside | target | Qt")
      return
    }
    name = field[2]
    if (name in row_line) {
      table_error("a second row named " name)
      return
    }
    rows[++row_count] = name
    row_line[name] = FNR
    row_folders[name] = field[3]
    row_may[name] = (field[4] == "-" ? "" : field[4])
    row_outside[name] = (field[5] == "-" ? "" : field[5])
    row_target[name] = field[6]
    row_qt[name] = field[7]
    n = split(field[3], list, " ")
    for (i = 1; i <= n; i++) {
      patterns[++pattern_count] = list[i]
      pattern_re[pattern_count] = pattern_regex(list[i])
      pattern_row[pattern_count] = name
    }
    n = split(row_may[name], list, " ")
    for (i = 1; i <= n; i++)
      may[name, list[i]] = 1
    n = split(row_outside[name], list, " ")
    for (i = 1; i <= n; i++) {
      if (list[i] == "std-only")
        std_only[name] = 1
      else
        outside_allowed[name, list[i]] = 1
    }
  } else if (kind == "outside") {
    if (count != 4) {
      table_error("an outside library has 4 fields: outside | name | include patterns | what it is")
      return
    }
    outsides[++outside_count] = field[2]
    outside_line[field[2]] = FNR
    outside_patterns[field[2]] = field[3]
    outside_what[field[2]] = field[4]
  } else if (kind == "not-program") {
    not_program = not_program " " field[2]
  } else if (kind == "window-order") {
    window_order_text = field[2]
    n = split(field[2], list, " ")
    level = 1
    for (i = 1; i <= n; i++) {
      if (list[i] == "<") {
        level++
      } else {
        windows[++window_count] = list[i]
        window_level[list[i]] = level
      }
    }
    window_order_line = FNR
  } else if (kind == "window-order-enforced") {
    if (field[2] != "yes" && field[2] != "no")
      table_error("window-order-enforced is yes or no")
    window_order_enforced = (field[2] == "yes")
  } else if (kind == "window-exception") {
    exception_from[++exception_count] = field[2]
    exception_to[exception_count] = field[3]
  } else if (kind == "window-upcall") {
    if (field[2] == "" || field[3] == "" || field[4] == "")
      table_error("a window-upcall names its declaring header, its call and its defining file")
    upcall_header[++upcall_count] = field[2]
    upcall_name[upcall_count] = field[3]
    upcall_definer[upcall_count] = field[4]
    upcall_line[upcall_count] = FNR
  } else {
    table_error("no such kind of line: " kind)
  }
}

# What the table names must exist.
function check_table(   name, i, j, n, list, folder) {
  for (i = 1; i <= row_count; i++) {
    name = rows[i]
    n = split(row_may[name], list, " ")
    for (j = 1; j <= n; j++)
      if (!(list[j] in row_line)) {
        FNR = row_line[name]
        table_error("the " name " row may include " list[j] ", which is no row")
      }
    n = split(row_outside[name], list, " ")
    for (j = 1; j <= n; j++)
      if (list[j] != "std-only" && !(list[j] in outside_line)) {
        FNR = row_line[name]
        table_error("the " name " row may include " list[j] ", which is no outside library")
      }
  }
  for (i = 1; i <= window_count; i++) {
    folder = windows[i]
    window_row[folder] = row_of(folder "/")
    if (window_row[folder] == "") {
      FNR = window_order_line
      table_error("the window folder " folder " belongs to no row")
    }
  }
}

# The row a path belongs to: the one whose folder holding it is longest.
function row_of(path,   k, best, best_length) {
  if (path in row_cache)
    return row_cache[path]
  best = ""
  best_length = -1
  for (k = 1; k <= pattern_count; k++)
    if (path ~ pattern_re[k] && length(patterns[k]) > best_length) {
      best = pattern_row[k]
      best_length = length(patterns[k])
    }
  row_cache[path] = best
  return best
}

function is_program(path,   n, list, i) {
  n = split(not_program, list, " ")
  for (i = 1; i <= n; i++)
    if (index(path, list[i] "/") == 1)
      return 0
  return 1
}

# The window folder a path lies in ("" for none): the art, though under
# appearance/, is no window.
function window_of(path,   i) {
  for (i = 1; i <= window_count; i++)
    if (index(path, windows[i] "/") == 1)
      return row_of(path) == window_row[windows[i]] ? windows[i] : ""
  return ""
}

function holds(prefix, path) {
  return path == prefix || index(path, prefix "/") == 1
}

function excepted(file, target,   i) {
  for (i = 1; i <= exception_count; i++)
    if (holds(exception_from[i], file) && holds(exception_to[i], target))
      return 1
  return 0
}

# Whether a file of the tree holds a text ("" when it cannot be read).
function file_names(path, text,   line, found) {
  found = 0
  while ((getline line < (tree "/" path)) > 0)
    if (index(line, text)) {
      found = 1
      break
    }
  close(tree "/" path)
  return found
}

# Every upward call the table lists is declared in its header, below the
# folder that defines it, and defined where the table says.
function check_upcalls(   i, from, to) {
  for (i = 1; i <= upcall_count; i++) {
    from = window_of(upcall_header[i])
    to = window_of(upcall_definer[i])
    if (!file_names(upcall_header[i], upcall_name[i] "(")) {
      printf "%s:%d: %s does not declare %s\n", table_name, upcall_line[i], upcall_header[i], upcall_name[i]
      breaches++
    }
    if (!file_names(upcall_definer[i], upcall_name[i] "(")) {
      printf "%s:%d: %s does not define %s\n", table_name, upcall_line[i], upcall_definer[i], upcall_name[i]
      breaches++
    }
    if (from == "" || to == "" || window_level[from] >= window_level[to]) {
      printf "%s:%d: the call %s does not lead from a window folder up to a higher one\n", table_name, upcall_line[i], upcall_name[i]
      breaches++
    }
  }
}

function exists(path,   line, result) {
  if (path in known)
    return 1
  result = (getline line < (tree "/" path))
  close(tree "/" path)
  return result >= 0
}

# A path with its "." and ".." taken out.
function normalize(path,   part, n, i, kept, out, stack) {
  n = split(path, part, "/")
  kept = 0
  for (i = 1; i <= n; i++) {
    if (part[i] == "." || part[i] == "")
      continue
    if (part[i] == ".." && kept > 0 && stack[kept] != "..")
      kept--
    else
      stack[++kept] = part[i]
  }
  out = ""
  for (i = 1; i <= kept; i++)
    out = out (i > 1 ? "/" : "") stack[i]
  return out
}

# The included file as a path from the top of the tree: a quoted include
# found beside the including file is taken from there, anything else as
# written (the program names its includes from the top).
function resolve(file, quote, included,   dir) {
  dir = file
  if (!sub(/\/[^\/]*$/, "", dir))
    dir = "."
  if (quote == "\"" && exists(dir "/" included))
    return normalize(dir "/" included)
  return included
}

function comma_list(words,   n, list, i, out) {
  n = split(words, list, " ")
  out = ""
  for (i = 1; i <= n; i++)
    out = out (i == 1 ? "" : (i == n ? " and " : ", ")) list[i]
  return out
}

function rows_naming(outside,   i, out) {
  out = ""
  for (i = 1; i <= row_count; i++)
    if ((rows[i], outside) in outside_allowed)
      out = out " " rows[i]
  return comma_list(out)
}

function breach(file, number, quote, included, message) {
  printf "%s:%d includes %s%s%s: %s\n", file, number, quote, included, (quote == "<" ? ">" : "\""), message
  breaches++
  if (!(file in breach_files))
    breach_file_count++
  breach_files[file] = 1
}

function check_include(file, number, quote, included, row,   target, target_row, i, j, n, list, name, wf, wt) {
  for (i = 1; i <= outside_count; i++) {
    name = outsides[i]
    n = split(outside_patterns[name], list, " ")
    for (j = 1; j <= n; j++)
      if (included ~ list[j]) {
        if (!((row, name) in outside_allowed))
          breach(file, number, quote, included, (rows_naming(name) == "" ? "no row" : "only " rows_naming(name)) " may include " outside_what[name] " (" table_name ")")
        break
      }
  }
  target = resolve(file, quote, included)
  target_row = (target ~ /\// ? row_of(target) : "")
  wf = window_of(file)
  wt = (target_row != "" ? window_of(target) : "")
  count_window_include(file, target, wf, wt)
  if (row in std_only) {
    if ((quote == "<" && (included ~ /^Q/ || included ~ /\//)) || (quote == "\"" && target_row != row)) {
      breach(file, number, quote, included, "the " row " row includes only the standard library and its own files (" table_name ")")
      return
    }
  }
  if (target_row != "" && target_row != row && !((row, target_row) in may)) {
    breach(file, number, quote, included, "the " row " row may include only its own files" \
      (row_may[row] == "" ? "" : " and " comma_list(row_may[row])) \
      ", not " target_row " (" table_name ")")
    return
  }
  if (wf != "" && wt != "" && wf != wt && window_level[wf] <= window_level[wt]) {
    if (excepted(file, target)) {
      excepted_count++
      return
    }
    against_order[wf, wt]++
    if (window_order_enforced)
      breach(file, number, quote, included, "the window folder " wf " lies " \
        (window_level[wf] == window_level[wt] ? "on the level of " : "below ") wt \
        " in the window order and includes only folders below it (" table_name ")")
  }
}

# What the window report counts.
function count_window_include(file, target, wf, wt) {
  if (wf != "" && wt != "" && wf != wt) {
    window_includes[wf, wt]++
    if (!((wf, wt, file) in window_file_seen)) {
      window_file_seen[wf, wt, file] = 1
      window_files[wf, wt]++
    }
  }
  if (target == "questionwindow/frmMain.h" && !(file in includes_main)) {
    includes_main[file] = 1
    files_including_main++
  }
}

function check_source(file,   row, line, number, quote, included, rest, end, dir) {
  row = row_of(file)
  if (row == "") {
    printf "%s: belongs to no row of %s; add its folder to a row\n", file, table_name
    breaches++
    return
  }
  dir = file
  if (sub(/\/[^\/]*$/, "", dir) && (dir in cmake_folder)) {
    rest = file
    sub(/^.*\//, "", rest)
    if (!((dir "/" rest) in listed)) {
      printf "%s: not listed in %s/CMakeLists.txt\n", file, dir
      unlisted++
    }
  }
  number = 0
  while ((getline line < (tree "/" file)) > 0) {
    number++
    if (line !~ /^[ \t]*#[ \t]*include[ \t]*[<"]/)
      continue
    match(line, /^[ \t]*#[ \t]*include[ \t]*[<"]/)
    quote = substr(line, RSTART + RLENGTH - 1, 1)
    rest = substr(line, RSTART + RLENGTH)
    end = index(rest, quote == "<" ? ">" : "\"")
    if (end <= 1)
      continue
    included = substr(rest, 1, end - 1)
    check_include(file, number, quote, included, row)
  }
  close(tree "/" file)
}

function read_lists(   i, path, line, dir) {
  for (i = 1; i <= cmake_count; i++) {
    path = cmakes[i]
    dir = path
    sub(/\/?CMakeLists\.txt$/, "", dir)
    if (dir == "")
      continue
    cmake_folder[dir] = 1
    while ((getline line < (tree "/" path)) > 0)
      listed[dir "/" trim(line)] = 1
    close(tree "/" path)
  }
}

# ---- The documents ------------------------------------------------------------

function code_list(words, separator,   n, list, i, out) {
  n = split(words, list, " ")
  out = ""
  for (i = 1; i <= n; i++)
    out = out (i > 1 ? separator : "") "`" list[i] "`"
  return out
}

function outside_text(name,   n, list, i, out) {
  if (name in std_only)
    return "the standard library only"
  out = row_qt[name]
  n = split(row_outside[name], list, " ")
  for (i = 1; i <= n; i++)
    out = out (out == "" ? "" : "; ") outside_what[list[i]]
  return out == "" ? "—" : out
}

function window_order_doc(   n, list, i, out) {
  n = split(window_order_text, list, " ")
  out = ""
  for (i = 1; i <= n; i++) {
    if (list[i] == "<")
      out = out " → "
    else
      out = out (i > 1 && list[i - 1] != "<" ? ", " : "") "`" list[i] "`"
  }
  return out
}

function hacking_block(   i, name) {
  print "| Name | Folder | Target | May include | Outside libraries |"
  print "|---|---|---|---|---|"
  for (i = 1; i <= row_count; i++) {
    name = rows[i]
    printf "| %s | %s | %s | %s | %s |\n", name, code_list(row_folders[name], ", "), row_target[name],
      (row_may[name] == "" ? "—" : comma_list(row_may[name])), outside_text(name)
  }
  print ""
  print wrapped("Window folders, lowest first: " window_order_doc() ". A window folder includes only folders on lower levels (" \
    (window_order_enforced ? "checked" : "not checked yet") "; " (exception_count + 0) " exception" (exception_count == 1 ? "" : "s") \
    "). " not_program_summary(), "")
  if (upcall_count > 0) {
    print ""
    print "Calls from a window folder up to a higher one, declared in the lower folder and defined in the higher:"
    print ""
    for (i = 1; i <= upcall_count; i++)
      printf "- `%s` (`%s`, defined in `%s`)\n", upcall_name[i], upcall_header[i], upcall_definer[i]
  }
}

# Words wrapped into lines of at most 120 characters, the later ones indented.
function wrapped(text, indent,   n, list, i, line, out) {
  n = split(text, list, " ")
  line = ""
  out = ""
  for (i = 1; i <= n; i++) {
    if (line != "" && length(line) + 1 + length(list[i]) > 120) {
      out = out line "\n"
      line = indent list[i]
    } else {
      line = line (line == "" || line == indent ? "" : " ") list[i]
    }
  }
  return out line
}

# The rows grouped by what they may include, in the table's order.
function readme_block(   i, j, name, group_key, group_count, key, members, n, list, outside) {
  group_count = 0
  for (i = 1; i <= row_count; i++) {
    name = rows[i]
    key = row_may[name]
    if (!(key in group_of)) {
      group_of[key] = ++group_count
      group_may[group_count] = key
    }
    group_members[group_of[key]] = group_members[group_of[key]] " " name
  }
  print "Each library may include, besides its own files, only those of the libraries listed after it (the names are"
  print "the rows of `scripts/layers.table`, which gives their folders):"
  print ""
  for (i = 1; i <= group_count; i++)
    print wrapped("- " comma_list(group_members[i]) ": " (group_may[i] == "" ? "nothing of the program" : comma_list(group_may[i])), "  ")
  print ""
  print wrapped("Outside libraries: " outside_summary() ". " not_program_summary(), "")
}

function outside_summary(   i, out) {
  out = ""
  for (i = 1; i <= outside_count; i++)
    out = out (i == 1 ? "" : "; ") outside_what[outsides[i]] " only in " rows_naming(outsides[i])
  for (i = 1; i <= row_count; i++)
    if (rows[i] in std_only)
      out = out "; " rows[i] " includes the standard library only"
  return out
}

function not_program_summary() {
  return "Tests, benchmarks and tools (" code_list(not_program, ", ") ") may include anything."
}

# ---- The window report --------------------------------------------------------

function window_report(   i, j, a, b, any) {
  print "Window-folder includes (from -> to: includes, files):"
  for (i = 1; i <= window_count; i++)
    for (j = 1; j <= window_count; j++) {
      a = windows[i]
      b = windows[j]
      if ((a, b) in window_includes)
        printf "  %s -> %s: %d includes from %d files\n", a, b, window_includes[a, b], window_files[a, b]
    }
  print "Both-way pairs:"
  any = 0
  for (i = 1; i <= window_count; i++)
    for (j = i + 1; j <= window_count; j++) {
      a = windows[i]
      b = windows[j]
      if (((a, b) in window_includes) && ((b, a) in window_includes)) {
        printf "  %s <-> %s (%d and %d includes)\n", a, b, window_includes[a, b], window_includes[b, a]
        any = 1
      }
    }
  if (!any)
    print "  none"
  printf "Program files including questionwindow/frmMain.h: %d\n", files_including_main
  printf "Includes from questionsets/ into questionwindow/: %d\n", window_includes["questionsets", "questionwindow"] + 0
  printf "Window order: %s (%s)\n", window_order_text, (window_order_enforced ? "enforced" : "not enforced")
  print "Includes against the window order, by pair:"
  any = 0
  for (i = 1; i <= window_count; i++)
    for (j = 1; j <= window_count; j++)
      if ((windows[i], windows[j]) in against_order) {
        printf "  %s -> %s: %d\n", windows[i], windows[j], against_order[windows[i], windows[j]]
        any += against_order[windows[i], windows[j]]
      }
  printf "  %d in all, %d accepted as exceptions\n", any, excepted_count + 0
}

# ---- The self-test's plants ---------------------------------------------------

# For every row, "row|file|header": a source of the row (a .cpp where it has
# one) and a header of the first row it may not include.
function plants(   i, j, row, path, first_source, first_header, target) {
  for (i = 1; i <= source_count; i++) {
    path = sources[i]
    row = row_of(path)
    if (path ~ /\.cpp$/ && !(row in first_cpp))
      first_cpp[row] = path
    if (path ~ /\.h$/ && !(row in first_header))
      first_header[row] = path
    if (!(row in first_source))
      first_source[row] = path
  }
  for (i = 1; i <= row_count; i++) {
    row = rows[i]
    target = ""
    for (j = 1; j <= row_count && target == ""; j++)
      if (rows[j] != row && !((row, rows[j]) in may) && (rows[j] in first_header))
        target = first_header[rows[j]]
    printf "%s|%s|%s\n", row, (row in first_cpp ? first_cpp[row] : first_source[row]), target
  }
}

# ---- The pass -----------------------------------------------------------------

FNR == NR {
  read_table_line()
  next
}

FNR == 1 {
  check_table()
  if (table_errors > 0)
    exit 2
}

/(^|\/)CMakeLists\.txt$/ {
  cmakes[++cmake_count] = $0
  next
}

{
  known[$0] = 1
  if (is_program($0))
    sources[++source_count] = $0
}

END {
  if (table_errors > 0)
    exit 2
  if (mode == "hacking" || mode == "readme") {
    if (FNR == NR)
      check_table()
    if (table_errors > 0)
      exit 2
    if (mode == "hacking")
      hacking_block()
    else
      readme_block()
    exit 0
  }
  if (mode == "plants") {
    plants()
    exit 0
  }
  read_lists()
  for (i = 1; i <= source_count; i++)
    check_source(sources[i])
  check_upcalls()
  if (mode == "report") {
    window_report()
    exit 0
  }
  if (source_count == 0) {
    print "check-layers: no sources under " tree
    exit 1
  }
  status = 0
  if (unlisted > 0) {
    printf "check-layers: %d source(s) belong to no target\n", unlisted
    status = 1
  }
  if (breaches > 0) {
    printf "check-layers: %d include(s) break the layers in %d of the %d files\n", breaches, breach_file_count, source_count
    status = 1
  } else {
    printf "check-layers: %d files keep to the layers of %s\n", source_count, table_name
  }
  exit status
}
