// The constant texts of the parameter set: names, choice lists and labels.
#pragma once

#include "hostapi/ae_types.h"

struct StringTableEntry {
    A_long index;
    A_char str[256];
};

inline constexpr int kStringCount = 69;

extern const StringTableEntry g_strs[kStringCount];

// The text at position index of g_strs. No bounds check: callers pass the
// table's own positions (0 .. 68).
const A_char* GetStringPtr(A_long index);
