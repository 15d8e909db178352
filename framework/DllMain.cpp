// The entry of a DLL built on this layer: the DLL's application object
// starts at process attach and ends at process detach. A failed start
// refuses the load.
#include "framework/AppCore.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    CWinApp* app = AfxGetApp();
    switch (reason)
    {
    case DLL_PROCESS_ATTACH:
    {
        DisableThreadLibraryCalls(instance);
        // Primes the module's own instance; the resource handle starts as
        // the same module until a language library is loaded.
        HINSTANCE self = AfxGetInstanceHandle();
        if (app == nullptr)
            return TRUE;
        BOOL started = FALSE;
        try
        {
            started = app->InitApplication();
            app->m_hInstance = self;
            if (started)
                started = app->InitInstance();
        }
        catch (...)
        {
            started = FALSE;
        }
        if (!started)
        {
            try
            {
                app->ExitInstance();
            }
            catch (...)
            {
            }
            return FALSE;
        }
        return TRUE;
    }
    case DLL_PROCESS_DETACH:
        if (app != nullptr)
        {
            try
            {
                app->ExitInstance();
            }
            catch (...)
            {
            }
        }
        return TRUE;
    default:
        return TRUE;
    }
}
