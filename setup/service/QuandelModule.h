#pragma once
// The setup program's module: catalogue number, generic and controller
// flags, localized description and firmware texts, and the user's install
// selection (mode 2) and remove mark (mode 5).
#include "engine/MPIModule.h"

class CMPIPackageTexts;

class CQuandelModule : public CMPIModule
{
public:
    explicit CQuandelModule(CMPIGroupMsi* group);
    ~CQuandelModule() override;

    UINT LoadFromPackage(MSIHANDLE record, MSIHANDLE database, MSIHANDLE package) override;
    UINT LoadInstalled(const wchar_t* feature, MSIHANDLE product) override;
    BOOL NeedsAction(MPISetupMode mode) override;

    // Only a module of the package file can be installed: any other (of an
    // installed-only group, or one a newer package dropped) takes no selection.
    void SetInstallSelection(BOOL selected) { m_bInstallSelection = (selected && IsInPackage() == 1) ? TRUE : FALSE; }
    BOOL GetInstallSelection() const { return m_bInstallSelection; }
    void SetRemoveMark(BOOL marked) { m_bRemoveMark = marked; }
    BOOL GetRemoveMark() const { return m_bRemoveMark; }

    const CString& GetCatalogNumber() const { return m_strCatalogNumber; }
    BOOL IsGeneric() const { return m_bIsGeneric; }
    BOOL IsController() const { return m_bIsController; }

    // The localized texts of a side (0 package file, 1 installed product)
    // in the collection's language.
    const CString& GetDescription(int source);
    const CString& GetFWSeries(int source);
    const CString& GetFWMajRev(int source);
    const CString& GetCompatibleVersions(int source);
    BOOL HasFWSeries(int source) { return GetFWSeries(source).IsEmpty() ? FALSE : TRUE; }
    BOOL HasFWMajRev(int source) { return GetFWMajRev(source).IsEmpty() ? FALSE : TRUE; }

    // Catalogue number and the two flags from the package or product.
    UINT ReadModuleProperties(MSIHANDLE handle);
    // The four localized texts, read again when the side or the language
    // changed since the last read. One open of the side serves every module
    // of the group whose texts are not those of that side and language.
    void ReadLocalizedProperties(int source);

private:
    BOOL HasLocalizedTexts(int source, int language) const;
    void ReadLocalizedProperties(const CMPIPackageTexts& texts, int source, int language);

    BOOL m_bInstallSelection;
    BOOL m_bRemoveMark;
    CString m_strCatalogNumber;
    int m_CachedLanguage;
    int m_CachedSource;
    CString m_strDescription;
    CString m_strFWSeries;
    CString m_strFWMajRev;
    CString m_strCompatibleVersions;
    BOOL m_bIsGeneric;
    BOOL m_bIsController;
};
