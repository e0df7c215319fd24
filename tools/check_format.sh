#!/usr/bin/env bash
# Fails when a C++ file of src/, tests/ or bench/ differs from what Debian 12's clang-format 14 (the
# version tools/deps.sh installs) makes of it under the root's .clang-format; names every such file.
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
version=$(clang-format --version 2>/dev/null | grep -o 'version [0-9]*' | cut -d' ' -f2)
if [ "$version" != 14 ]; then
    echo "check_format.sh: clang-format 14 is needed, found '${version:-none}'" >&2
    exit 1
fi
bad=0
while IFS= read -r file; do
    if ! clang-format --dry-run -Werror "$file" >/dev/null 2>&1; then
        echo "not formatted: $file"
        bad=1
    fi
done < <(find src tests bench -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
[ "$bad" = 0 ] && echo "every C++ file is formatted"
exit $bad
