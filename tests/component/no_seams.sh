#!/usr/bin/env bash
# The component a user installs reads no test switch: the names of the
# recording build's variables are in that build and nowhere in the DLL that
# ships.
set -uo pipefail
source "$(dirname "$0")/../../scripts/env.sh"
bin=$VESTREL_BUILD/$1/bin
python3 - "$bin/vestrel.dll" "$bin/vestrel-recording.dll" <<'PY'
import sys
shipped, recording = (open(path, 'rb').read() for path in sys.argv[1:])
failed = 0
for name in ('VESTREL_MESSAGE_LOG', 'VESTREL_SHELL_LOG'):
    wide = name.encode('utf-16-le')
    if wide not in recording:
        print('FAILED: the recording build does not name %s (the check sees nothing)' % name); failed += 1
    if wide in shipped or name.encode() in shipped:
        print('FAILED: the shipped component names %s' % name); failed += 1
print('no_seams: %d failed' % failed)
sys.exit(1 if failed else 0)
PY
