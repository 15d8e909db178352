#pragma once
// The process-wide choice of the language resource library: loads the
// library of a language beside the running module and makes it the resource
// handle, so every later string, dialog and bitmap load reads from it.
// Created on first use with the default language 1033.
#include "framework/CObject.h"
#include "framework/CString.h"

class CResourceDllManager
{
public:
    static CRuntimeClass classCResourceDllManager;
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CResourceDllManager();

    CResourceDllManager(const CResourceDllManager&) = delete;
    CResourceDllManager& operator=(const CResourceDllManager&) = delete;

    static CResourceDllManager* GetInstance();
    // S_OK when the manager exists and has a program and a library handle.
    static HRESULT Validate();

    int GetLanguage() const { return m_nLanguage; }
    bool IsAvailable(int language) const;
    bool Load(int language);
    bool FreeResourceDll();
    CString GetFileName(int language) const;

private:
    CResourceDllManager();

    int m_nLanguage = 0;
    HINSTANCE m_hProgramInstance = nullptr;
    HINSTANCE m_hLibraryInstance = nullptr;
};
