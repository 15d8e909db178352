#pragma once
// The texts of one side of a package, read through one open: the package
// file's database, or the installed product's cached package, opened
// read-only with its Property table read into memory at once. A session
// costs tens of milliseconds to open, a read-only database one or two, so
// the names and module texts of many groups read in a fraction of a second.
// The texts are static rows of the Property table (no action of a session
// sets them), so the table gives what a session would.
#include <map>
#include <string>
#include "framework/CString.h"
#include "engine/MsiHandle.h"

class CMPIMsi;

class CMPIPackageTexts
{
public:
    CMPIPackageTexts() = default;
    // Reads through a package or product handle the caller keeps open.
    explicit CMPIPackageTexts(MSIHANDLE session) : m_hSession(session) {}
    CMPIPackageTexts(const CMPIPackageTexts&) = delete;
    CMPIPackageTexts& operator=(const CMPIPackageTexts&) = delete;

    // Opens a side of the package: 0 the package file, any other value the
    // installed product (through a session on it where its cached package
    // cannot be found). 0 or the open's failure; a side that does not exist
    // opens nothing and gives 0, and every read then fails.
    UINT Open(const CMPIMsi& msi, int source);
    bool IsOpen() const { return m_bTable || m_hSession != 0; }

    // The localized text "%s_%4d" of the base name and the language, else
    // the 1033 one, else "?".
    void GetLocalized(const wchar_t* baseName, LANGID language, CString& value) const;

private:
    // One property's whole text: 0 and the text (empty for an absent name),
    // or the session's failure.
    UINT ReadProperty(const wchar_t* name, std::wstring& value) const;
    UINT OpenDatabase(const wchar_t* path);
    UINT LoadPropertyTable(MSIHANDLE database);
    UINT OpenInstalled(const CString& productCode);

    std::map<std::wstring, std::wstring> m_Table;
    bool m_bTable = false;
    UniqueMsiHandle m_Session;   // a session this object opened
    MSIHANDLE m_hSession = 0;    // the session read through, owned or not
};
