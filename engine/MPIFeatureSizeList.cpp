#include "engine/MPIFeatureSizeList.h"
#include <climits>
#include "engine/MPIOwnedList.h"

int MPIClampToInt(long long value)
{
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

bool MPIIsListed(const CStringArray& features, const wchar_t* feature)
{
    for (int i = 0; i < features.GetSize(); ++i)
    {
        if (features[i] == feature)
            return true;
    }
    return false;
}

namespace
{
// One figure (bytes or components) summed over the first entry of each
// listed name, in 64 bits.
template <class Figure>
long long SumListed(const CMPIFeatureSizeList& list, const CStringArray& features, Figure figure)
{
    long long sum = 0;
    for (int i = 0; i < features.GetSize(); ++i)
    {
        if (const CMPIFeatureSize* entry = list.Find(features[i]))
            sum += (entry->*figure)();
    }
    return sum;
}

// One figure summed over every entry, in 64 bits.
template <class Figure>
long long SumAll(const CMPIFeatureSizeList& list, Figure figure)
{
    long long sum = 0;
    for (size_t i = 0; i < list.GetCount(); ++i)
        sum += (list.GetAt(i)->*figure)();
    return sum;
}
}

CMPIFeatureSizeList::~CMPIFeatureSizeList()
{
    Clear();
}

void CMPIFeatureSizeList::Clear()
{
    for (CMPIFeatureSize* entry : m_Entries)
        delete entry;
    m_Entries.clear();
}

void CMPIFeatureSizeList::Add(const wchar_t* feature, const wchar_t* parent, LONGLONG bytes, int components)
{
    CMPIFeatureSize* entry = new CMPIFeatureSize;
    entry->SetFeature(feature ? feature : L"");
    entry->SetParent(parent ? parent : L"");
    entry->SetSize(bytes);
    entry->SetComponentCount(components);
    MPIAppendOwned(m_Entries, entry);
}

const CMPIFeatureSize* CMPIFeatureSizeList::Find(const wchar_t* feature) const
{
    if (feature == NULL)
        return NULL;
    for (const CMPIFeatureSize* entry : m_Entries)
    {
        if (entry->GetFeature() == feature)
            return entry;
    }
    return NULL;
}

void CMPIFeatureSizeList::AddParentChain(CStringArray& features, const wchar_t* feature) const
{
    CString current = feature ? feature : L"";
    while (!current.IsEmpty())
    {
        const CMPIFeatureSize* entry = Find(current);
        if (entry == NULL)
            return;
        CString parent = entry->GetParent();
        if (!parent.IsEmpty())
        {
            if (MPIIsListed(features, parent))
                return;
            features.Add(parent);
        }
        current = parent;
    }
}

LONGLONG CMPIFeatureSizeList::SumBytes(const CStringArray& features) const
{
    return SumListed(*this, features, &CMPIFeatureSize::GetSize);
}

int CMPIFeatureSizeList::SumComponents(const CStringArray& features) const
{
    return MPIClampToInt(SumListed(*this, features, &CMPIFeatureSize::GetComponentCount));
}

LONGLONG CMPIFeatureSizeList::TotalBytes() const
{
    return SumAll(*this, &CMPIFeatureSize::GetSize);
}

int CMPIFeatureSizeList::TotalComponents() const
{
    return MPIClampToInt(SumAll(*this, &CMPIFeatureSize::GetComponentCount));
}
