#pragma once
// The process-wide choice of the language help file: points the
// application's help file path at the help file of a language beside the
// running module. Created on first use with the default language 1033.
#include "framework/CObject.h"
#include "framework/CString.h"

class CHelpFileManager
{
public:
    static CRuntimeClass classCHelpFileManager;
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CHelpFileManager();

    CHelpFileManager(const CHelpFileManager&) = delete;
    CHelpFileManager& operator=(const CHelpFileManager&) = delete;

    static CHelpFileManager* GetInstance();
    // S_OK when the application's help file path names an existing file
    // and is (ignoring case) the help file of the manager's language.
    static HRESULT Validate();

    int GetLanguage() const { return m_nLanguage; }
    bool IsAvailable(int language) const;
    bool Load(int language);
    CString GetFileName(int language) const;
    // Replaces the application's help file path with a heap copy of path.
    bool SetHelpFilePath(const wchar_t* path);

private:
    CHelpFileManager();
    bool IsValid() const;

    int m_nLanguage = 0;
};
