#include "framework/ControlInit.h"

void AfxEnableControlContainer()
{
}

BOOL AfxInitRichEdit()
{
    // Kept loaded until the process ends: dialogs may use the class at any time.
    static HMODULE richEdit = nullptr;
    if (richEdit == nullptr)
        richEdit = LoadLibraryW(L"riched20.dll");
    return richEdit != nullptr ? TRUE : FALSE;
}
