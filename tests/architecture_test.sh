#!/usr/bin/env bash
# Only platform/ may include the toolkit, the parser library, SQLite, libcurl,
# libxml2 (for its catalogs) or POSIX headers; everything above it must read
# as the program's own logic.
set -u
root=${1:?usage: architecture_test.sh SOURCE_DIR}
cd "$root" || exit 2
pattern='#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z]+|Qt[A-Za-z]*/|xercesc/|sqlite3|curl/|libxml/|unistd\.h|sys/|fcntl\.h|dirent\.h|pthread\.h|signal\.h|spawn\.h|poll\.h|netinet/|arpa/)'
hits=$(grep -rnE "$pattern" app ui validation settings paths res 2>/dev/null)
if [ -n "$hits" ]; then
  echo "platform headers used above platform/:"
  echo "$hits"
  echo "0 passed, 1 failed"
  exit 1
fi
echo "layering: no platform header outside platform/"
echo "1 passed, 0 failed"
