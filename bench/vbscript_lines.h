#pragma once
// The generated document of the text benchmarks: VBScript-like statements,
// numbered so that no two lines are alike.
#include <cstdio>

namespace tessorin::bench {

// Writes line i without a line break; answers its length.
inline int VbScriptLine(char* out, size_t size, int i) {
    static const char* const shapes[] = {
        "Sub Routine%d(a, b)",          "    Dim total%d, index",
        "    total = total + a * %d",   "    If index > %d Then",
        "        Call inp.MOVE(%d, 0)", "    End If ' step %d",
        "    s = \"text number %d\"",   "End Sub ' %d",
    };
    return std::snprintf(out, size, shapes[i % 8], i);
}

} // namespace tessorin::bench
