#!/usr/bin/env bash
# Checks the built Windows module as a PE file: x86-64, exactly the two
# entry points exported, only KERNEL32 and msvcrt imported, and the PIPL
# resource (type PIPL, id 16000, language 1033) holding exactly PIPL_BIN.
# Usage: check-pe.sh MODULE.aex PIPL_BIN
set -euo pipefail
aex=$1
pipl=$2
objdump=x86_64-w64-mingw32-objdump

$objdump -f "$aex" | grep -q 'file format pei-x86-64' || { echo "not a PE32+ x86-64 file"; exit 1; }
exports=$($objdump -p "$aex" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk '/\[/ && $NF != "Table" {print $NF}' | sort | tr '\n' ' ')
[ "$exports" = "EffectMain PluginDataEntryFunction " ] || { echo "exports: $exports"; exit 1; }
imports=$($objdump -p "$aex" | awk '/DLL Name:/ {print $3}' | sort | tr '\n' ' ')
[ "$imports" = "KERNEL32.dll msvcrt.dll " ] || { echo "imports: $imports"; exit 1; }
wrestool -l "$aex" | grep -q -- "--type='PIPL' --name=16000 --language=1033" || {
    echo "no PIPL 16000 resource in language 1033:"; wrestool -l "$aex"; exit 1; }
cmp <(wrestool -x --raw --type=PIPL --name=16000 --language=1033 "$aex") "$pipl" || {
    echo "the PIPL resource differs from $pipl"; exit 1; }
echo "PE checks passed: exports $exports; imports $imports; PIPL 16000/1033 is $(stat -c %s "$pipl") bytes"
