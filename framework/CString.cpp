#include "framework/CString.h"
#include "framework/AppCore.h"
#include <wchar.h>
#include <wctype.h>
#include <vector>

namespace {

bool IsIn(wchar_t ch, const wchar_t* chars)
{
    return chars != nullptr && ch != L'\0' && wcschr(chars, ch) != nullptr;
}

// A position of std::wstring as CString answers it: -1 for "not found".
int IndexOf(size_t pos)
{
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

// Removes the leading characters for which trimmed() is true.
template <class Trimmed>
void TrimFront(std::wstring& text, Trimmed trimmed)
{
    size_t i = 0;
    while (i < text.size() && trimmed(text[i]))
        ++i;
    text.erase(0, i);
}

// Removes the trailing characters for which trimmed() is true.
template <class Trimmed>
void TrimBack(std::wstring& text, Trimmed trimmed)
{
    size_t n = text.size();
    while (n > 0 && trimmed(text[n - 1]))
        --n;
    text.resize(n);
}

} // namespace

CString::CString(const wchar_t* text)
{
    if (text == nullptr)
        return;
    if (IS_INTRESOURCE(text)) {
        LoadString(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(text)));
        return;
    }
    m_str = text;
}

CString::CString(const wchar_t* text, int length)
{
    if (text != nullptr && length > 0)
        m_str.assign(text, static_cast<size_t>(length));
}

CString::CString(wchar_t ch, int repeat)
{
    if (repeat > 0)
        m_str.assign(static_cast<size_t>(repeat), ch);
}

CString::CString(const char* text)
{
    if (text == nullptr || *text == '\0')
        return;
    int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (n <= 1)
        return;
    m_str.resize(static_cast<size_t>(n));
    MultiByteToWideChar(CP_ACP, 0, text, -1, &m_str[0], n);
    m_str.resize(static_cast<size_t>(n - 1));
}

CString& CString::operator=(const wchar_t* text)
{
    CString copy(text);
    m_str.swap(copy.m_str);
    return *this;
}

CString& CString::operator=(wchar_t ch)
{
    m_str.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const wchar_t* text)
{
    if (text != nullptr)
        m_str += text;
    return *this;
}

int CString::Compare(const wchar_t* text) const
{
    return wcscmp(m_str.c_str(), text ? text : L"");
}

int CString::CompareNoCase(const wchar_t* text) const
{
    return _wcsicmp(m_str.c_str(), text ? text : L"");
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength() - first);
}

CString CString::Mid(int first, int count) const
{
    const int length = GetLength();
    if (first < 0)
        first = 0;
    if (count < 0)
        count = 0;
    if (first > length)
        first = length;
    if (count > length - first)
        count = length - first;
    return CString(m_str.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Left(int count) const
{
    if (count < 0)
        count = 0;
    if (count > GetLength())
        count = GetLength();
    return CString(m_str.substr(0, static_cast<size_t>(count)));
}

CString CString::Right(int count) const
{
    if (count < 0)
        count = 0;
    if (count > GetLength())
        count = GetLength();
    return CString(m_str.substr(m_str.size() - static_cast<size_t>(count)));
}

int CString::Find(wchar_t ch, int start) const
{
    if (start < 0 || start > GetLength())
        return -1;
    return IndexOf(m_str.find(ch, static_cast<size_t>(start)));
}

int CString::Find(const wchar_t* sub, int start) const
{
    if (sub == nullptr || start < 0 || start > GetLength())
        return -1;
    return IndexOf(m_str.find(sub, static_cast<size_t>(start)));
}

int CString::ReverseFind(wchar_t ch) const
{
    return IndexOf(m_str.rfind(ch));
}

int CString::FindOneOf(const wchar_t* chars) const
{
    if (chars == nullptr)
        return -1;
    return IndexOf(m_str.find_first_of(chars));
}

CString& CString::MakeUpper()
{
    if (!m_str.empty())
        CharUpperBuffW(&m_str[0], static_cast<DWORD>(m_str.size()));
    return *this;
}

CString& CString::MakeLower()
{
    if (!m_str.empty())
        CharLowerBuffW(&m_str[0], static_cast<DWORD>(m_str.size()));
    return *this;
}

CString& CString::MakeReverse()
{
    m_str.assign(m_str.rbegin(), m_str.rend());
    return *this;
}

CString& CString::TrimLeft()
{
    TrimFront(m_str, [](wchar_t c) { return iswspace(c) != 0; });
    return *this;
}

CString& CString::TrimLeft(wchar_t ch)
{
    TrimFront(m_str, [ch](wchar_t c) { return c == ch; });
    return *this;
}

CString& CString::TrimLeft(const wchar_t* chars)
{
    TrimFront(m_str, [chars](wchar_t c) { return IsIn(c, chars); });
    return *this;
}

CString& CString::TrimRight()
{
    TrimBack(m_str, [](wchar_t c) { return iswspace(c) != 0; });
    return *this;
}

CString& CString::TrimRight(wchar_t ch)
{
    TrimBack(m_str, [ch](wchar_t c) { return c == ch; });
    return *this;
}

CString& CString::TrimRight(const wchar_t* chars)
{
    TrimBack(m_str, [chars](wchar_t c) { return IsIn(c, chars); });
    return *this;
}

int CString::Replace(wchar_t oldCh, wchar_t newCh)
{
    int count = 0;
    for (wchar_t& c : m_str) {
        if (c == oldCh) {
            c = newCh;
            ++count;
        }
    }
    return count;
}

int CString::Replace(const wchar_t* oldText, const wchar_t* newText)
{
    if (oldText == nullptr || *oldText == L'\0')
        return 0;
    const std::wstring from(oldText);
    const std::wstring to(newText ? newText : L"");
    int count = 0;
    size_t pos = 0;
    while ((pos = m_str.find(from, pos)) != std::wstring::npos) {
        m_str.replace(pos, from.size(), to);
        pos += to.size();
        ++count;
    }
    return count;
}

int CString::Remove(wchar_t ch)
{
    size_t before = m_str.size();
    std::wstring kept;
    kept.reserve(before);
    for (wchar_t c : m_str)
        if (c != ch)
            kept += c;
    m_str.swap(kept);
    return static_cast<int>(before - m_str.size());
}

int CString::Insert(int index, const wchar_t* text)
{
    if (index < 0)
        index = 0;
    if (index > GetLength())
        index = GetLength();
    if (text != nullptr)
        m_str.insert(static_cast<size_t>(index), text);
    return GetLength();
}

int CString::Insert(int index, wchar_t ch)
{
    const wchar_t text[2] = { ch, L'\0' };
    return Insert(index, text);
}

int CString::Delete(int index, int count)
{
    if (index < 0)
        index = 0;
    if (count > 0 && index < GetLength())
        m_str.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
}

CString CString::Tokenize(const wchar_t* delimiters, int& start) const
{
    if (start < 0 || start >= GetLength()) {
        start = -1;
        return CString();
    }
    size_t from = m_str.find_first_not_of(delimiters ? delimiters : L"", static_cast<size_t>(start));
    if (from == std::wstring::npos) {
        start = -1;
        return CString();
    }
    size_t to = m_str.find_first_of(delimiters ? delimiters : L"", from);
    if (to == std::wstring::npos)
        to = m_str.size();
    start = static_cast<int>(to < m_str.size() ? to + 1 : to);
    return CString(m_str.substr(from, to - from));
}

void CString::FormatV(const wchar_t* format, va_list args)
{
    if (format == nullptr) {
        Empty();
        return;
    }
    va_list copy;
    va_copy(copy, args);
    int n = _vscwprintf(format, copy);
    va_end(copy);
    if (n <= 0) {
        Empty();
        return;
    }
    std::vector<wchar_t> buffer(static_cast<size_t>(n) + 1);
    _vsnwprintf(buffer.data(), static_cast<size_t>(n) + 1, format, args);
    buffer[static_cast<size_t>(n)] = L'\0';
    m_str.assign(buffer.data(), static_cast<size_t>(n));
}

void CString::Format(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::Format(UINT formatId, ...)
{
    CString format;
    format.LoadString(formatId);
    va_list args;
    va_start(args, formatId);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormat(const wchar_t* format, ...)
{
    CString more;
    va_list args;
    va_start(args, format);
    more.FormatV(format, args);
    va_end(args);
    m_str += more.m_str;
}

void CString::FormatMessageV(const wchar_t* format, va_list* args)
{
    Empty();
    if (format == nullptr || *format == L'\0')
        return;
    wchar_t* out = nullptr;
    DWORD n = ::FormatMessageW(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                               format, 0, 0, reinterpret_cast<wchar_t*>(&out), 0, args);
    if (n > 0 && out != nullptr)
        m_str.assign(out, n);
    if (out != nullptr)
        LocalFree(out);
}

void CString::FormatMessage(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatMessageV(format, &args);
    va_end(args);
}

void CString::FormatMessage(UINT formatId, ...)
{
    CString format;
    format.LoadString(formatId);
    va_list args;
    va_start(args, formatId);
    FormatMessageV(format, &args);
    va_end(args);
}

BOOL CString::LoadString(UINT id)
{
    return LoadString(AfxGetResourceHandle(), id);
}

BOOL CString::LoadString(HINSTANCE instance, UINT id)
{
    Empty();
    // The string table keeps counted strings in blocks of sixteen; reading
    // the entry directly gives its true length whatever it is.
    HRSRC block = FindResourceW(instance, MAKEINTRESOURCEW((id >> 4) + 1), MAKEINTRESOURCEW(6));
    if (block == nullptr)
        return FALSE;
    HGLOBAL loaded = LoadResource(instance, block);
    const WORD* p = loaded ? static_cast<const WORD*>(LockResource(loaded)) : nullptr;
    if (p == nullptr)
        return FALSE;
    const DWORD size = SizeofResource(instance, block) / sizeof(WORD);
    const WORD* end = p + size;
    for (UINT i = 0; i < (id & 15); ++i) {
        if (p >= end)
            return FALSE;
        p += 1 + *p;
    }
    if (p >= end || *p == 0)
        return FALSE;
    const WORD length = *p;
    if (p + 1 + length > end)
        return FALSE;
    m_str.assign(reinterpret_cast<const wchar_t*>(p + 1), length);
    return TRUE;
}

wchar_t* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_str.resize(static_cast<size_t>(minLength));
    if (m_str.empty())
        m_str.reserve(1);
    return &m_str[0];
}

wchar_t* CString::GetBufferSetLength(int length)
{
    m_str.resize(static_cast<size_t>(length < 0 ? 0 : length));
    if (m_str.empty())
        m_str.reserve(1);
    return &m_str[0];
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0) {
        size_t n = 0;
        while (n < m_str.size() && m_str[n] != L'\0')
            ++n;
        m_str.resize(n);
    } else if (static_cast<size_t>(newLength) <= m_str.size()) {
        m_str.resize(static_cast<size_t>(newLength));
    }
}

CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, const wchar_t* b) { CString r(a); r += b; return r; }
CString operator+(const wchar_t* a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, wchar_t b) { CString r(a); r += b; return r; }
CString operator+(wchar_t a, const CString& b) { CString r(a); r += b; return r; }

bool operator==(const CString& a, const CString& b) { return a.str() == b.str(); }
bool operator==(const CString& a, const wchar_t* b) { return a.Compare(b) == 0; }
bool operator==(const wchar_t* a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }
bool operator!=(const wchar_t* a, const CString& b) { return !(a == b); }
bool operator<(const CString& a, const CString& b) { return a.str() < b.str(); }
bool operator>(const CString& a, const CString& b) { return a.str() > b.str(); }
