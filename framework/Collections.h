#pragma once
// Typed arrays with the class library's interface, over std::vector.
// Indexes are ints; out-of-range access is a programming error.
#include "framework/CObject.h"
#include "framework/CString.h"
#include <vector>

template <typename TYPE, typename ARG_TYPE = const TYPE&>
class CArray : public CObject
{
public:
    CArray() = default;
    ~CArray() override = default;

    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetCount() const { return GetSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_items.empty(); }
    void SetSize(int size) { m_items.resize(size < 0 ? 0 : static_cast<size_t>(size)); }

    TYPE GetAt(int index) const { return m_items.at(static_cast<size_t>(index)); }
    void SetAt(int index, ARG_TYPE value) { m_items.at(static_cast<size_t>(index)) = value; }
    TYPE& ElementAt(int index) { return m_items.at(static_cast<size_t>(index)); }
    const TYPE& ElementAt(int index) const { return m_items.at(static_cast<size_t>(index)); }
    TYPE& operator[](int index) { return ElementAt(index); }
    const TYPE& operator[](int index) const { return ElementAt(index); }
    TYPE* GetData() { return m_items.data(); }
    const TYPE* GetData() const { return m_items.data(); }

    int Add(ARG_TYPE value) { m_items.push_back(value); return GetSize() - 1; }
    int Append(const CArray& other)
    {
        int first = GetSize();
        m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
        return first;
    }
    void Copy(const CArray& other) { m_items = other.m_items; }
    void InsertAt(int index, ARG_TYPE value, int count = 1)
    {
        if (index > GetSize())
            m_items.resize(static_cast<size_t>(index));
        m_items.insert(m_items.begin() + index, static_cast<size_t>(count), value);
    }
    void RemoveAt(int index, int count = 1)
    {
        m_items.erase(m_items.begin() + index, m_items.begin() + index + count);
    }
    void RemoveAll() { m_items.clear(); }

private:
    std::vector<TYPE> m_items;
};

class CStringArray : public CArray<CString, const wchar_t*>
{
};

class CWordArray : public CArray<WORD, WORD>
{
};

class CDWordArray : public CArray<DWORD, DWORD>
{
};
