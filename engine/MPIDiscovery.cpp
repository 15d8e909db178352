// Discovery: the packages in the distribution folder beside the program and
// the module-profile products installed on the machine.
#include "engine/MPIBase.h"
#include <cstdlib>
#include <new>
#include "framework/CFileFind.h"
#include "engine/MPIGroupMsi.h"
#include "engine/MPIMsiQuery.h"

CString CMPIBase::GetBaseFolder() const
{
    if (!m_strBaseFolder.IsEmpty())
        return m_strBaseFolder;
    wchar_t path[260] = L"";
    DWORD length = ::GetModuleFileNameW(NULL, path, 260);
    // A truncated path names no real folder: search nothing.
    if (length == 0 || length >= 260)
        return CString();
    wchar_t drive[_MAX_DRIVE], dir[_MAX_DIR], name[_MAX_FNAME], ext[_MAX_EXT];
    _wsplitpath(path, drive, dir, name, ext);
    return CString(drive) + dir + L"MP\\";
}

UINT CMPIBase::Initialize(LANGID language)
{
    UINT result = ERROR_SUCCESS;
    try
    {
        SetLanguage(language);
        CString base = GetBaseFolder();
        if (!base.IsEmpty())
        {
            result = OpenPackageFile(base, L"Install\\Quandel.msi", &m_pSetupMsi);
            if (result == ERROR_SUCCESS)
                result = OpenPackageFile(base, L"Core\\Dunmoor.msi", &m_pCoreMsi);
            if (result == ERROR_SUCCESS)
                result = SearchGroupFolders(base);
        }
        if (result == ERROR_SUCCESS)
            result = EnumerateInstalledProducts();
    }
    catch (const std::bad_alloc&)
    {
        result = static_cast<UINT>(E_OUTOFMEMORY);
    }
    if (result != ERROR_SUCCESS)
        FreeAll();
    return result;
}

UINT CMPIBase::SearchGroupFolders(const CString& base)
{
    UINT result = ERROR_SUCCESS;
    CFileFind folders;
    BOOL more = folders.FindFile(base + L"*.*");
    while (more && result == ERROR_SUCCESS)
    {
        more = folders.FindNextFile();
        if (!folders.IsDirectory() || folders.IsDots())
            continue;
        CFileFind files;
        BOOL moreFiles = files.FindFile(folders.GetFilePath() + L"\\*.msi");
        while (moreFiles && result == ERROR_SUCCESS)
        {
            moreFiles = files.FindNextFile();
            if (files.IsDirectory())
                continue;
            result = ReadGroupPackageFile(files.GetFilePath());
        }
    }
    return result;
}

UINT CMPIBase::ReadGroupPackageFile(const CString& path)
{
    UniqueMsiHandle package;
    UINT result = MPIOpenPackage(path, package.put());
    if (result != ERROR_SUCCESS)
        return result;
    if (!MPIHasFlagProperty(package.get(), L"PELMORA_MODULE_PROFILE"))
        return ERROR_SUCCESS;
    CMPIGroupMsi* group = AddGroupMsi();
    if (group == NULL)
        return static_cast<UINT>(E_OUTOFMEMORY);
    return group->ReadPackage(path, package.get());
}

UINT CMPIBase::EnumerateInstalledProducts()
{
    UINT result = ERROR_SUCCESS;
    for (DWORD index = 0; result == ERROR_SUCCESS; ++index)
    {
        wchar_t productCode[50] = L"";
        result = g_MsiDll.pMsiEnumProductsW(index, productCode);
        if (result == ERROR_SUCCESS)
            result = ExamineInstalledProduct(productCode);
    }
    return result == ERROR_NO_MORE_ITEMS ? ERROR_SUCCESS : result;
}

UINT CMPIBase::ExamineInstalledProduct(const wchar_t* productCode)
{
    wchar_t name[200] = L"";
    DWORD length = 200;
    if (g_MsiDll.pMsiGetProductInfoW(productCode, INSTALLPROPERTY_PRODUCTNAME, name, &length) != ERROR_SUCCESS)
        return ERROR_SUCCESS;
    CString upper(name);
    upper.MakeUpper();
    if (upper.Find(L"MODULE PROFILE") < 0)
        return ERROR_SUCCESS;

    UniqueMsiHandle product;
    if (g_MsiDll.pMsiOpenProductW(productCode, product.put()) != ERROR_SUCCESS)
        return ERROR_SUCCESS;
    if (MPIHasFlagProperty(product.get(), L"PELMORA_QUANDELEXE"))
        return AttachInstalled(productCode, product.get(), &m_pSetupMsi);
    if (MPIHasFlagProperty(product.get(), L"PELMORA_DUNMOOR"))
        return AttachInstalled(productCode, product.get(), &m_pCoreMsi);
    if (MPIHasFlagProperty(product.get(), L"PELMORA_MODULE_PROFILE"))
        return AttachInstalledGroup(productCode, product.get());
    return ERROR_SUCCESS;
}
