#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from what the committed .clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 -r clang-format-14 --dry-run --Werror
