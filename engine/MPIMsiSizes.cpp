// Feature sizes of one side of a package, read by SQL from the database
// behind a package or product handle.
#include "engine/MPIMsi.h"
#include "engine/MPIMsiQuery.h"

void CMPIMsi::ReadFeatureSizes(MSIHANDLE handle, int source)
{
    UniqueMsiHandle database;
    if (!GetActiveDatabase(handle, database.put()))
        return;

    CMPIFeatureSizeList& list = GetFeatureSizes(source);
    CMPIMsiView view;
    if (view.Open(database.get(), L"SELECT `Feature`,`Feature_Parent` FROM `Feature`") != ERROR_SUCCESS)
        return;
    while (view.Fetch() == ERROR_SUCCESS)
    {
        CString feature, parent;
        if (MPIReadRecordString(view.Record(), 1, feature, 255) != ERROR_SUCCESS ||
            MPIReadRecordString(view.Record(), 2, parent, 255) != ERROR_SUCCESS)
            continue;
        LONGLONG bytes = 0;
        int components = 0;
        SumFeature(database.get(), feature, &bytes, &components);
        list.Add(feature, parent, bytes, components);
    }
}

void CMPIMsi::SumFeature(MSIHANDLE database, const wchar_t* feature, LONGLONG* bytes, int* components)
{
    *bytes = 0;
    *components = 0;
    CString query;
    query.Format(L"SELECT `Feature_`,`Component_` FROM `FeatureComponents` WHERE `Feature_` = '%s'", feature);
    CMPIMsiView view;
    if (view.Open(database, query) != ERROR_SUCCESS)
        return;
    long long sum = 0;
    long long count = 0;
    while (view.Fetch() == ERROR_SUCCESS)
    {
        ++count;
        CString component;
        if (MPIReadRecordString(view.Record(), 2, component, 255) == ERROR_SUCCESS)
            sum += GetComponentBytes(database, component);
    }
    *bytes = sum;
    *components = MPIClampToInt(count);
}

LONGLONG CMPIMsi::GetComponentBytes(MSIHANDLE database, const wchar_t* component)
{
    CString query;
    query.Format(L"SELECT `File`,`Component_`,`FileSize` FROM `File` WHERE `Component_` = '%s'", component);
    CMPIMsiView view;
    if (view.Open(database, query) != ERROR_SUCCESS)
        return 0;
    long long sum = 0;
    while (view.Fetch() == ERROR_SUCCESS)
    {
        int size = g_MsiDll.pMsiRecordGetInteger(view.Record(), 3);
        // A null field reads as MSI_NULL_INTEGER; it adds no bytes.
        if (size > 0)
            sum += size;
    }
    return sum;
}
