#pragma once
// Diagnostics of a debug build: assertions and trace lines go to the
// debugger output. Release builds compile them away; no behaviour may
// depend on them.
#include <windows.h>

void AfxTrace(const wchar_t* format, ...);
void AfxAssertFailed(const char* file, int line, const char* expr);

#ifdef _DEBUG
#define ASSERT(e) do { if (!(e)) AfxAssertFailed(__FILE__, __LINE__, #e); } while (0)
#define VERIFY(e) ASSERT(e)
#define TRACE(...) AfxTrace(__VA_ARGS__)
#else
#define ASSERT(e) ((void)0)
#define VERIFY(e) ((void)(e))
#define TRACE(...) ((void)0)
#endif
