#!/usr/bin/env bash
# The layering, read from the sources: which folder may include what, and
# which platform library may link which. A change that makes a folder use
# one above it, or an outside library outside its service, fails here.
#
# Above platform/ the code reads as the program's own logic: no toolkit,
# parser, database, network or POSIX header. Inside platform/ the services
# form layers (the table below) and each outside library belongs to one
# service. Inside xml/, only the component talks to its worker process.
set -u
root=${1:?usage: architecture_test.sh SOURCE_DIR}
cd "$root" || exit 2

# A platform folder and the platform folders it may use.
declare -A may_use=(
  [text]=""
  [win]="text"
  [os]="win text"
  [registry]="win text"
  [ui]="win text"
  [xml]="os win text"
  [qt]="xml ui os win text"
)

# Each outside library, by the header pattern that names it, and the platform
# folders that may include it.
posix='unistd\.h|sys/|fcntl\.h|dirent\.h|pthread\.h|signal\.h|spawn\.h|poll\.h|netinet/|arpa/|pwd\.h|sched\.h|dlfcn\.h'
declare -A outside_owner=(
  ['Q[A-Za-z]+|Qt[A-Za-z]*/']="qt"
  ['xercesc/|curl/|libxml/|libxslt/']="xml"
  ['sqlite3']="registry"
  ["$posix"]="os registry xml qt"
)

passed=0
failed=0
check() { # description, offending lines (empty when the rule holds)
  if [ -z "$2" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $1"
    echo "$2"
  fi
}

includes_in() { # folders..., prints file:line:include for every include
  grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' "$@" 2>/dev/null
}

for pattern in "${!outside_owner[@]}"; do
  owners=${outside_owner[$pattern]}
  outsiders=()
  for folder in app ui validation settings paths res $(printf 'platform/%s ' "${!may_use[@]}"); do
    [[ " $owners " == *" ${folder#platform/} "* && $folder == platform/* ]] || outsiders+=("$folder")
  done
  hits=$(includes_in "${outsiders[@]}" | grep -E "#[[:space:]]*include[[:space:]]*[<\"]($pattern)")
  check "headers of ${pattern} outside platform/{${owners// /,}}" "$hits"
done

# Includes between platform folders (and from any stray file loose in platform/).
loose=$(find platform -maxdepth 1 -type f ! -name CMakeLists.txt ! -name README.md)
check "files loose in platform/ (each service has a folder)" "$loose"
for folder in "${!may_use[@]}"; do
  allowed="$folder ${may_use[$folder]}"
  hits=$(includes_in "platform/$folder" | grep -E '#[[:space:]]*include[[:space:]]*"platform/' |
    grep -vE "#[[:space:]]*include[[:space:]]*\"platform/(${allowed// /|})/")
  check "platform/$folder includes only platform/{${allowed// /,}}" "$hits"

  # The link lines say the same: a service links only the services it may use.
  cmake="platform/$folder/CMakeLists.txt"
  linked=$(tr '\n' ' ' <"$cmake" | grep -oE 'corvane_library\([^)]*\)' | grep -oE 'platform_[a-z]+' | sed 's/^platform_//' | sort -u)
  hits=$(for used in $linked; do
    [[ " $allowed " != *" $used "* ]] && echo "$cmake: links platform_$used"
  done)
  check "platform/$folder links only platform_{${allowed// /,}}" "$hits"
done

hits=$(includes_in platform/xml app ui validation | grep -vE '^platform/xml/(component|worker)/' | grep -E '"platform/xml/worker/')
check "only the XML component includes its worker" "$hits"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
