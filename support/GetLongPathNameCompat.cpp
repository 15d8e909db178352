#include "support/GetLongPathNameCompat.h"
#include "framework/Diag.h"
#include <wchar.h>

namespace
{

// Splits text at backslashes in place, as wcstok does: leading, trailing and
// repeated separators yield no empty parts. Returns the next part or null.
wchar_t* NextPart(wchar_t*& cursor)
{
    while (*cursor == L'\\')
        ++cursor;
    if (*cursor == L'\0')
        return nullptr;
    wchar_t* part = cursor;
    while (*cursor != L'\0' && *cursor != L'\\')
        ++cursor;
    if (*cursor == L'\\')
        *cursor++ = L'\0';
    return part;
}

// A fixed-size result under construction; refuses anything that would not
// leave room for the terminator.
class CFixedPath
{
public:
    bool Append(const wchar_t* text)
    {
        size_t add = wcslen(text);
        if (m_length + add >= LONG_PATH_COMPAT_RESULT_CHARS)
            return false;
        wmemcpy(m_text + m_length, text, add);
        m_length += add;
        m_text[m_length] = L'\0';
        return true;
    }
    void Truncate(size_t length)
    {
        m_length = length;
        m_text[m_length] = L'\0';
    }
    size_t Length() const { return m_length; }
    const wchar_t* Text() const { return m_text; }

private:
    wchar_t m_text[LONG_PATH_COMPAT_RESULT_CHARS] = {};
    size_t m_length = 0;
};

} // namespace

DWORD GetLongPathNameCompat(const wchar_t* shortPath, wchar_t* longPath, DWORD bufferChars)
{
    if (shortPath == nullptr)
        return 0;
    wchar_t work[LONG_PATH_COMPAT_INPUT_CHARS];
    size_t inputLength = wcslen(shortPath);
    if (inputLength >= LONG_PATH_COMPAT_INPUT_CHARS)
        return 0;
    wmemcpy(work, shortPath, inputLength + 1);

    wchar_t* cursor = work;
    wchar_t* part = NextPart(cursor);
    if (part == nullptr)
        return 0;

    CFixedPath result;
    if (wcschr(part, L':') != nullptr)
    {
        if (!result.Append(part))
            return 0;
    }
    else
    {
        // UNC: \\server\share, both taken as given.
        wchar_t* share = NextPart(cursor);
        if (share == nullptr)
            return 0;
        if (!result.Append(L"\\\\") || !result.Append(part) || !result.Append(L"\\") || !result.Append(share))
            return 0;
    }

    bool failed = false;
    while ((part = NextPart(cursor)) != nullptr)
    {
        size_t partStart = result.Length() + 1;
        if (!result.Append(L"\\") || !result.Append(part))
            return 0;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(result.Text(), &found);
        if (search != INVALID_HANDLE_VALUE)
        {
            FindClose(search);
            result.Truncate(partStart);
            if (!result.Append(found.cFileName))
                return 0;
        }
        else
        {
            // Keep going so the whole path is still looked at, but answer 0.
            failed = true;
        }
    }
    ASSERT(!failed);
    if (failed)
        return 0;

    DWORD length = static_cast<DWORD>(result.Length());
    if (bufferChars >= length + 1 && longPath != nullptr)
        wmemcpy(longPath, result.Text(), length + 1);
    return length;
}
