#!/usr/bin/env bash
# docs/architecture.md shows the layers as the build links them: the picture
# between its layer markers is what scripts/layers.py draws from CMake's
# graph of the targets of this architecture's configuration.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/env.sh"
arch=$1
build=$VESTREL_BUILD/$arch
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The graph scripts/build.sh had CMake write when it configured this build.
[ -f "$build/graph/targets.dot" ] || { echo "FAILED: $build/graph/targets.dot is missing: build with scripts/build.sh"; exit 1; }
python3 "$root/scripts/layers.py" "$build/graph/targets.dot" > "$work/drawn.txt"
sed -n '/^<!-- layers -->$/,/^<!-- \/layers -->$/p' "$root/docs/architecture.md" | sed '1,2d;$d' | sed '$d' > "$work/shown.txt"
if ! diff -u "$work/shown.txt" "$work/drawn.txt"; then
  echo "FAILED: docs/architecture.md does not show the layers the build links (above: page, then build)"
  exit 1
fi
# And it names where every test is: each test of the build, by its name or
# by a file of tests/ that it runs, and every folder of tests/, in the
# section on the tests.
(cd "$build" && ctest --show-only=json-v1) > "$work/tests.json" 2>/dev/null ||
  { echo "FAILED: the build's tests could not be listed"; exit 1; }
python3 - "$root/docs/architecture.md" "$work/tests.json" "$root/tests" <<'PY' || exit 1
import json, os, re, sys
page = open(sys.argv[1], encoding='utf-8').read()
section = re.search(r'^## Where the tests are\n(.*?)(?=^## )', page, re.S | re.M)
if not section:
    sys.exit('FAILED: docs/architecture.md has no section "Where the tests are"')
text = section.group(1)
missing = []
for test in json.load(open(sys.argv[2]))['tests']:
    names = [test['name']]
    for arg in test.get('command', []):
        if '/tests/' in arg:
            names.append(os.path.basename(arg))
            if '/tests/hosts/' in arg:
                names.append('tests/hosts/')
    if not any(name in text for name in names):
        missing.append(test['name'])
if missing:
    sys.exit('FAILED: the page does not say where these tests are: ' + ', '.join(missing))
folders = sorted('tests/%s/' % entry.name for entry in os.scandir(sys.argv[3]) if entry.is_dir())
unnamed = [folder for folder in folders if folder not in text]
if unnamed:
    sys.exit('FAILED: the page does not name these folders of tests: ' + ', '.join(unnamed))
PY
echo "architecture_doc: the page shows the build's layers and where every test is"
