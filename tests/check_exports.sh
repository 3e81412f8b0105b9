#!/usr/bin/env bash
# The module must export exactly its two entry points.
set -euo pipefail
exports=$(nm -D --defined-only "$1" | awk '{print $3}' | sort | tr '\n' ' ')
expected="EffectMain PluginDataEntryFunction "
if [ "$exports" != "$expected" ]; then
    echo "exported: $exports"
    echo "expected: $expected"
    exit 1
fi
echo "exports: $exports"
