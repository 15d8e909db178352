#include "support/FilePath.h"
#include "support/GetLongPathNameCompat.h"
#include "framework/CFileFind.h"
#include "framework/Diag.h"

IMPLEMENT_DYNAMIC(CFilePath, CObject)

namespace
{
const int kModuleNameChars = MAX_PATH + 1;

// The last dot of the file name part; a dot in a directory name (C:\v1.2\README)
// is no extension.
int LastDot(const CString& path)
{
    int dot = path.ReverseFind(L'.');
    return dot > path.ReverseFind(L'\\') ? dot : -1;
}
}

CFilePath::CFilePath(const CFilePath& other)
    : CObject(), m_FilePath(other.m_FilePath)
{
}

CFilePath::CFilePath(const wchar_t* path)
    : m_FilePath(path)
{
}

CFilePath::CFilePath(HMODULE module)
{
    wchar_t buffer[kModuleNameChars] = {};
    DWORD length = GetModuleFileNameW(module, buffer, kModuleNameChars);
    // 0 is a failure; the full buffer size means the name was cut short and
    // left unterminated.
    ASSERT(length != 0 && length < static_cast<DWORD>(kModuleNameChars));
    if (length == 0 || length >= static_cast<DWORD>(kModuleNameChars))
        return;
    DWORD longLength = GetLongPathNameCompat(buffer, buffer, kModuleNameChars);
    ASSERT(longLength != 0 && longLength <= MAX_PATH);
    if (longLength != 0)
        m_FilePath = buffer;
}

CFilePath& CFilePath::operator=(const CFilePath& other)
{
    if (this != &other)
        m_FilePath = other.m_FilePath;
    return *this;
}

CFilePath& CFilePath::operator=(const wchar_t* path)
{
    m_FilePath = path;
    return *this;
}

bool CFilePath::operator==(const CFilePath& other) const
{
    return m_FilePath.Compare(other.m_FilePath) == 0;
}

CString CFilePath::GetFileName(bool withExtension) const
{
    int slash = m_FilePath.ReverseFind(L'\\');
    int dot = LastDot(m_FilePath);
    if (dot < 0)
        dot = m_FilePath.GetLength();
    CString name = m_FilePath.Mid(slash + 1, dot - (slash + 1));
    if (withExtension)
    {
        CString extension = GetExtension();
        if (!extension.IsEmpty())
            name += L"." + extension;
    }
    return name;
}

CString CFilePath::GetExtension() const
{
    int dot = LastDot(m_FilePath);
    if (dot < 0)
        return CString();
    return m_FilePath.Mid(dot + 1);
}

CString CFilePath::GetDirectory() const
{
    int slash = m_FilePath.ReverseFind(L'\\');
    if (slash < 0)
        return CString();
    return m_FilePath.Left(slash);
}

bool CFilePath::Exists() const
{
    // An empty search text would mean "everything here" to the file search.
    if (m_FilePath.IsEmpty())
        return false;
    CFileFind finder;
    return finder.FindFile(m_FilePath) != FALSE;
}

bool CFilePath::Exists(const wchar_t* path)
{
    return CFilePath(path).Exists();
}

void CFilePath::AssertValid() const
{
    CObject::AssertValid();
    ASSERT(!m_FilePath.IsEmpty());
}

void CFilePath::Dump(CDumpContext& dc) const
{
    CObject::Dump(dc);
    dc << L"m_FilePath = " << m_FilePath.GetString();
}
