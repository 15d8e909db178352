#pragma once
// Helpers for package-model tests on real packages: fixture paths, a
// scratch distribution folder, and installed test products that are
// removed again when the guard goes out of scope.
#include <windows.h>
#include <string>
#include <vector>
#include "engine/MPIBase.h"
#include "engine/MPIEngineBase.h"
#include "engine/MPIGroupMsi.h"
#include "engine/MPILoadMSIDll.h"
#include "engine/MPIModule.h"

// Binds msi.dll and switches the installer's own user interface off.
void PrepareInstaller();

// <build>\fixtures\<name>.msi
std::wstring FixturePath(const wchar_t* name);

// A fresh folder under the temporary folder, deleted with its content.
class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder, with a trailing backslash.
    const std::wstring& Path() const { return m_path; }
    // Copies fixture <name>.msi to the relative path, making its folders.
    void CopyFixture(const wchar_t* name, const std::wstring& relative) const;
    void WriteText(const std::wstring& relative, const char* text) const;
    void MakeFolder(const std::wstring& relative) const;

private:
    std::wstring m_path;
};

// Installs a fixture with ADDLOCAL=<features> and removes it again.
class InstalledProduct
{
public:
    InstalledProduct(const wchar_t* fixture, const wchar_t* productCode, const wchar_t* addLocal);
    ~InstalledProduct();
    InstalledProduct(const InstalledProduct&) = delete;
    InstalledProduct& operator=(const InstalledProduct&) = delete;

    UINT Result() const { return m_result; }

private:
    std::wstring m_code;
    UINT m_result;
};

// ProductCode of the fixtures, built like the fixture definitions do.
std::wstring FixtureCode(const wchar_t* digits);

// A collection without an engine; its base folder is given by the test.
class DiscoveryBase : public CMPIBase
{
public:
    DiscoveryBase() : CMPIBase(NULL) {}
};

// Module names of a group, joined by ",".
std::wstring ModuleNames(CMPIGroupMsi* group);

// One line per collection: "S=<setup> C=<core> G=<group>,<group>", each
// package as <package code digits>/<installed code digits>, "-" when absent.
std::wstring Describe(CMPIBase& base);
