#include "framework/Diag.h"
#include <stdarg.h>
#include <stdio.h>

void AfxTrace(const wchar_t* format, ...)
{
    wchar_t buffer[1024];
    va_list args;
    va_start(args, format);
    _vsnwprintf(buffer, 1023, format, args);
    va_end(args);
    buffer[1023] = L'\0';
    OutputDebugStringW(buffer);
}

void AfxAssertFailed(const char* file, int line, const char* expr)
{
    char buffer[512];
    _snprintf(buffer, sizeof buffer - 1, "Assertion failed: %s (%s:%d)\n", expr, file, line);
    buffer[sizeof buffer - 1] = '\0';
    OutputDebugStringA(buffer);
}
