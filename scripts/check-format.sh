#!/usr/bin/env bash
# Fails when a C++ file of the repository does not follow .clang-format, naming each such file.
# Mend them with: clang-format -i <file>...
set -euo pipefail
cd "$(dirname "$0")/.."

unformatted=()
while IFS= read -r -d '' file; do
  if ! clang-format --dry-run -Werror "$file" >/dev/null 2>&1; then
    unformatted+=("$file")
  fi
done < <(git ls-files -z '*.cpp' '*.h')

if [ ${#unformatted[@]} -ne 0 ]; then
  echo "These files do not follow .clang-format (run clang-format -i on them):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
