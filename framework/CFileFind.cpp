#include "framework/CFileFind.h"

CFileFind::~CFileFind()
{
    Close();
}

void CFileFind::Close()
{
    if (m_hFind != INVALID_HANDLE_VALUE)
        ::FindClose(m_hFind);
    m_hFind = INVALID_HANDLE_VALUE;
    m_hasNext = false;
    m_hasFound = false;
}

BOOL CFileFind::FindFile(const wchar_t* name, DWORD)
{
    Close();
    if (name == nullptr)
        name = L"*.*";
    m_hFind = ::FindFirstFileW(name, &m_next);
    if (m_hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    m_hasNext = true;

    // The root is the folder of the search pattern, as a full path.
    wchar_t full[MAX_PATH * 2];
    wchar_t* filePart = nullptr;
    DWORD n = ::GetFullPathNameW(name, MAX_PATH * 2, full, &filePart);
    if (n > 0 && n < MAX_PATH * 2) {
        if (filePart != nullptr)
            *filePart = L'\0';
        m_root = full;
    } else {
        CString pattern(name);
        int slash = pattern.ReverseFind(L'\\');
        m_root = slash >= 0 ? pattern.Left(slash + 1) : CString();
    }
    if (!m_root.IsEmpty() && m_root[m_root.GetLength() - 1] != L'\\')
        m_root += L'\\';
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (m_hFind == INVALID_HANDLE_VALUE || !m_hasNext)
        return FALSE;
    m_found = m_next;
    m_hasFound = true;
    m_hasNext = ::FindNextFileW(m_hFind, &m_next) != FALSE;
    return m_hasNext ? TRUE : FALSE;
}

CString CFileFind::GetFileName() const
{
    return m_hasFound ? CString(m_found.cFileName) : CString();
}

CString CFileFind::GetFilePath() const
{
    return m_hasFound ? m_root + m_found.cFileName : CString();
}

CString CFileFind::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind(L'.');
    return dot >= 0 ? name.Left(dot) : name;
}

ULONGLONG CFileFind::GetLength() const
{
    if (!m_hasFound)
        return 0;
    return (static_cast<ULONGLONG>(m_found.nFileSizeHigh) << 32) | m_found.nFileSizeLow;
}

BOOL CFileFind::IsDots() const
{
    if (!m_hasFound || !IsDirectory())
        return FALSE;
    const wchar_t* n = m_found.cFileName;
    return (n[0] == L'.' && (n[1] == L'\0' || (n[1] == L'.' && n[2] == L'\0'))) ? TRUE : FALSE;
}

BOOL CFileFind::MatchesMask(DWORD mask) const
{
    return m_hasFound && (m_found.dwFileAttributes & mask) != 0 ? TRUE : FALSE;
}
