#!/usr/bin/env bash
# The README's run command: install what is missing, build, make the data set, start Tallivo.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/deps.sh"
bash "$here/scripts/build.sh" "$here/build"
exec "$here/build/tallivo-app/tallivo" "$@"
