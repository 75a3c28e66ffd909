#!/bin/sh
# SPDX-License-Identifier: MIT
# Every source and build file carries the licence identifier in its first lines.
set -eu
cd "$1"
missing=$(find src tests bench fuzz tools -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' \
              -o -name CMakeLists.txt \) | sort | while read -r f; do
              head -n 3 "$f" | grep -q 'SPDX-License-Identifier: MIT' || echo "$f"
          done)
if [ -n "$missing" ]; then
    echo "without an SPDX-License-Identifier line:"
    echo "$missing"
    exit 1
fi
