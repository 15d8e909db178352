#pragma once
// CFileFind: directory search with the class library's look-ahead: after
// FindFile, each FindNextFile makes the next entry current and answers
// whether another one follows, so the last entry is reported by the call
// that returns FALSE.
#include "framework/CObject.h"
#include "framework/CString.h"

class CFileFind : public CObject
{
public:
    CFileFind() = default;
    ~CFileFind() override;
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    BOOL FindFile(const wchar_t* name = nullptr, DWORD unused = 0);
    BOOL FindNextFile();
    void Close();

    CString GetFileName() const;
    CString GetFilePath() const;
    CString GetFileTitle() const;
    CString GetRoot() const { return m_root; }
    ULONGLONG GetLength() const;
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL IsDots() const;
    BOOL MatchesMask(DWORD mask) const;

private:
    HANDLE m_hFind = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAW m_next {};
    WIN32_FIND_DATAW m_found {};
    bool m_hasNext = false;
    bool m_hasFound = false;
    CString m_root;
};
