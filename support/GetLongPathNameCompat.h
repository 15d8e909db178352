#pragma once
// Long form of a path whose parts may be short (8.3) names, found by looking
// up each part in its directory. Works on systems without GetLongPathNameW
// semantics for UNC shares: server and share are kept as given.
#include <windows.h>

// Result sizes of the fixed work buffers, terminator included.
enum
{
    LONG_PATH_COMPAT_INPUT_CHARS = 264,
    LONG_PATH_COMPAT_RESULT_CHARS = 260
};

// Returns the length of the long form (without terminator) and copies it,
// terminated, to longPath when it fits into bufferChars characters; when it
// does not fit nothing is copied. Returns 0, output untouched, when a part
// does not exist, the input is empty, or the input or the long form does not
// fit the fixed buffers. shortPath and longPath may be the same buffer.
DWORD GetLongPathNameCompat(const wchar_t* shortPath, wchar_t* longPath, DWORD bufferChars);
