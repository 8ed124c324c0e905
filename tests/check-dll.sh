#!/usr/bin/env bash
# Checks the built Stats.dll as a host would see it: exactly the 20 export names, and imports
# from the system's own DLLs only (no mingw runtime DLLs to ship alongside).
#   tests/check-dll.sh OBJDUMP Stats.dll
set -euo pipefail
objdump=$1 dll=$2

expected_exports=$(cat <<'NAMES' | sort
?AddData0@@YAHPBD0PAVCOleDateTime@ATL@@111II000000000000000HHHNN00000@Z
?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z
?GetNumberOfSets@@YAHXZ
?GetResult0@@YAPBDPAH@Z
?GetSetName@@YAPBDH@Z
?RemoveData0@@YAHPBD0PAVCOleDateTime@ATL@@111II000000000000000HHHNN00000@Z
?ResetStats0@@YAHPBDH0PAVCOleDateTime@ATL@@10000000000HHHNN000@Z
?SetupSet0@@YAXXZ
?StatsGetExchgCount0@@YAHPBD00@Z
?StatsIsValidExchg0@@YAHPBD000HHH@Z
AddData0
CheckCall0
GetExchgCount0
GetNumberOfSets
GetResult0
GetSetName
IsValidExchg0
RemoveData0
ResetStats0
SetupSet0
NAMES
)
exports=$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^\s*\[ *[0-9]*\] //p' | sort)
if [ "$exports" != "$expected_exports" ]; then
    echo "export names differ:"; diff <(echo "$expected_exports") <(echo "$exports") || true
    exit 1
fi

system='^(KERNEL32|msvcrt|USER32|GDI32|ole32|OLEAUT32|VERSION|ADVAPI32|SHELL32|COMCTL32|comdlg32)\.dll$'
imports=$("$objdump" -p "$dll" | sed -n 's/^\s*DLL Name: //p')
if echo "$imports" | grep -viE "$system"; then
    echo "imports a DLL that is not the system's own (above)"
    exit 1
fi
echo "20 exports; imports: $(echo $imports)"
