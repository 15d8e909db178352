#pragma once
// CString: a wide-character string with the class library's semantics
// (substring clamping, printf-style Format with Microsoft's %s = wide
// string, FormatMessage %1 inserts, LoadString from the current resource
// library). Backed by std::wstring.
#include <windows.h>
#include <stdarg.h>
#include <string>

class CString
{
public:
    CString() = default;
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    CString(const wchar_t* text);          // an integer resource (MAKEINTRESOURCEW) loads that string
    CString(const wchar_t* text, int length);
    CString(wchar_t ch, int repeat = 1);
    CString(const char* text);             // converted from the ANSI code page
    CString(const std::wstring& text) : m_str(text) {}

    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(const wchar_t* text);
    CString& operator=(wchar_t ch);

    operator const wchar_t*() const { return m_str.c_str(); }
    const wchar_t* GetString() const { return m_str.c_str(); }
    const std::wstring& str() const { return m_str; }

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    wchar_t GetAt(int index) const { return m_str.at(static_cast<size_t>(index)); }
    void SetAt(int index, wchar_t ch) { m_str.at(static_cast<size_t>(index)) = ch; }
    wchar_t operator[](int index) const { return GetAt(index); }

    CString& operator+=(const CString& text) { m_str += text.m_str; return *this; }
    CString& operator+=(const wchar_t* text);
    CString& operator+=(wchar_t ch) { m_str += ch; return *this; }
    void Append(const wchar_t* text) { *this += text; }
    void AppendChar(wchar_t ch) { m_str += ch; }

    int Compare(const wchar_t* text) const;
    int CompareNoCase(const wchar_t* text) const;

    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Left(int count) const;
    CString Right(int count) const;

    int Find(wchar_t ch, int start = 0) const;
    int Find(const wchar_t* sub, int start = 0) const;
    int ReverseFind(wchar_t ch) const;
    int FindOneOf(const wchar_t* chars) const;

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    CString& TrimLeft();
    CString& TrimLeft(wchar_t ch);
    CString& TrimLeft(const wchar_t* chars);
    CString& TrimRight();
    CString& TrimRight(wchar_t ch);
    CString& TrimRight(const wchar_t* chars);
    CString& Trim() { TrimRight(); return TrimLeft(); }
    CString& Trim(const wchar_t* chars) { TrimRight(chars); return TrimLeft(chars); }

    int Replace(wchar_t oldCh, wchar_t newCh);
    int Replace(const wchar_t* oldText, const wchar_t* newText);
    int Remove(wchar_t ch);
    int Insert(int index, const wchar_t* text);
    int Insert(int index, wchar_t ch);
    int Delete(int index, int count = 1);
    CString Tokenize(const wchar_t* delimiters, int& start) const;

    // printf-style formatting; %s takes a wide string.
    void Format(const wchar_t* format, ...);
    void Format(UINT formatId, ...);
    void FormatV(const wchar_t* format, va_list args);
    void AppendFormat(const wchar_t* format, ...);
    // FormatMessage-style formatting: %1, %2 ... inserts, %1!d! for integers.
    void FormatMessage(const wchar_t* format, ...);
    void FormatMessage(UINT formatId, ...);
    void FormatMessageV(const wchar_t* format, va_list* args);

    // Loads a string of the current resource library; FALSE (and empty) when absent.
    BOOL LoadString(UINT id);
    BOOL LoadString(HINSTANCE instance, UINT id);

    wchar_t* GetBuffer(int minLength = 0);
    wchar_t* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

private:
    std::wstring m_str;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const wchar_t* b);
CString operator+(const wchar_t* a, const CString& b);
CString operator+(const CString& a, wchar_t b);
CString operator+(wchar_t a, const CString& b);

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, const wchar_t* b);
bool operator==(const wchar_t* a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, const wchar_t* b);
bool operator!=(const wchar_t* a, const CString& b);
bool operator<(const CString& a, const CString& b);
bool operator>(const CString& a, const CString& b);
