#include "support/LanguageFileName.h"
#include "support/FilePath.h"
#include "support/LanguageAbbreviation.h"
#include "framework/AppCore.h"

bool LanguageFileExists(int language, const wchar_t* extension)
{
    if (GetLanguageAbbreviation(language).IsEmpty())
        return false;
    CString name = GetLanguageFileName(language, extension);
    return !name.IsEmpty() && CFilePath::Exists(name);
}

CString GetLanguageFileName(int language, const wchar_t* extension)
{
    CFilePath module(AfxGetInstanceHandle());
    if (module.m_FilePath.IsEmpty())
        return CString();
    return module.GetDirectory() + L"\\" + module.GetFileName(false) + GetLanguageAbbreviation(language) + L"." +
           extension;
}
