#pragma once
// The features of one side of a package (package file or installed
// product) with their parent, file bytes and component count.
#include <windows.h>
#include <vector>
#include "framework/CString.h"
#include "framework/Collections.h"

class CMPIFeatureSize
{
public:
    CMPIFeatureSize() : m_nSize(0), m_nComponentCount(0) {}
    virtual ~CMPIFeatureSize() {}

    void SetFeature(const wchar_t* feature) { m_strFeature = feature; }
    void SetParent(const wchar_t* parent) { m_strParent = parent; }
    void SetSize(LONGLONG bytes) { m_nSize = bytes; }
    void SetComponentCount(int count) { m_nComponentCount = count; }

    const CString& GetFeature() const { return m_strFeature; }
    const CString& GetParent() const { return m_strParent; }
    LONGLONG GetSize() const { return m_nSize; }
    int GetComponentCount() const { return m_nComponentCount; }

private:
    CString m_strFeature;
    CString m_strParent;  // empty at the top of the feature tree
    LONGLONG m_nSize;     // bytes: a package may hold more than 2 GiB
    int m_nComponentCount;
};

class CMPIFeatureSizeList
{
public:
    CMPIFeatureSizeList() {}
    virtual ~CMPIFeatureSizeList();

    CMPIFeatureSizeList(const CMPIFeatureSizeList&) = delete;
    CMPIFeatureSizeList& operator=(const CMPIFeatureSizeList&) = delete;

    void Clear();
    void Add(const wchar_t* feature, const wchar_t* parent, LONGLONG bytes, int components);

    // Appends the parent, grand-parent ... of feature (not feature itself),
    // stopping at the top, at an unknown feature or at a parent already listed.
    void AddParentChain(CStringArray& features, const wchar_t* feature) const;

    // Sums over the first entry of each listed name; a name listed twice
    // counts twice, an unknown name adds nothing. Bytes are summed in 64
    // bits; component counts are clamped to the int range.
    LONGLONG SumBytes(const CStringArray& features) const;
    int SumComponents(const CStringArray& features) const;
    LONGLONG TotalBytes() const;
    int TotalComponents() const;

    // First entry with exactly this name, or NULL.
    const CMPIFeatureSize* Find(const wchar_t* feature) const;
    size_t GetCount() const { return m_Entries.size(); }
    const CMPIFeatureSize* GetAt(size_t index) const
    {
        return index < m_Entries.size() ? m_Entries[index] : NULL;
    }

private:
    std::vector<CMPIFeatureSize*> m_Entries;
};

// Component counts are summed in 64 bits and kept as int: clamp.
int MPIClampToInt(long long value);

// The feature name is in the list.
bool MPIIsListed(const CStringArray& features, const wchar_t* feature);
