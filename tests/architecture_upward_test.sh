#!/usr/bin/env bash
# The layering check must catch what it is there for: on a copy of the
# sources, each upward use below is planted in turn and must fail it, naming
# the line; the untouched copy must pass.
set -u
root=${1:?usage: architecture_upward_test.sh SOURCE_DIR}
check=$root/tests/architecture_test.sh
copy=$(mktemp -d) || exit 2
trap 'rm -rf "$copy"' EXIT
cp -r "$root"/{app,ui,validation,settings,paths,res,platform} "$copy"

passed=0
failed=0
expect() { # description, expected status (0 or 1), planted file, planted line, text the report must hold
  local file=$copy/$3 saved=""
  if [ -n "$3" ]; then
    if [ -f "$file" ]; then saved=$(mktemp) && cp "$file" "$saved"; fi
    echo "$4" >>"$file"
  fi
  output=$(bash "$check" "$copy" 2>&1)
  status=$?
  if [ "$status" -eq "$2" ] && grep -qF -- "$5" <<<"$output"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $1 (status $status)"
    echo "$output"
  fi
  if [ -n "$saved" ]; then mv "$saved" "$file"; elif [ -n "$3" ]; then rm -f "$file"; fi
}

expect "the sources as they are" 0 "" "" " 0 failed"
expect "os/ including the XML component" 1 platform/os/process.cpp \
  '#include "platform/xml/component/xml_dom.h"' '#include "platform/xml/component/xml_dom.h"'
expect "xml/ including the window services" 1 platform/xml/load/xml_reader.cpp \
  '#include "platform/qt/pictures.h"' '#include "platform/qt/pictures.h"'
expect "text/ including the Windows shapes" 1 platform/text/drive_path.cpp \
  '#include "platform/win/win_types.h"' '#include "platform/win/win_types.h"'
expect "the registry linking the XML library" 1 platform/registry/CMakeLists.txt \
  'corvane_library(extra USES platform_xml)' 'links platform_xml'
expect "the toolkit outside qt/" 1 platform/ui/message_box.cpp \
  '#include <QString>' '#include <QString>'
expect "SQLite outside the registry" 1 platform/os/file_system.cpp \
  '#include <sqlite3.h>' '#include <sqlite3.h>'
expect "POSIX above platform/" 1 validation/validation_run.cpp \
  '#include <unistd.h>' '#include <unistd.h>'
expect "the schema machinery reaching the worker" 1 platform/xml/schema/xml_number_lists.cpp \
  '#include "platform/xml/worker/xml_worker.h"' '#include "platform/xml/worker/xml_worker.h"'
expect "a file loose in platform/" 1 platform/stray.h \
  '#pragma once' 'platform/stray.h'

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
