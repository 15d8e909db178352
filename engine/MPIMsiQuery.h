#pragma once
// Small readers over the entry-point table: a property or record field into
// a fixed-size buffer, and a view whose rows are fetched one record at a time.
#include <string>
#include <vector>
#include "framework/CString.h"
#include "engine/MsiHandle.h"

// Reads a property into a buffer of bufferChars characters (terminator
// included). On success value holds the text; on failure (234 when it does
// not fit, or a bad handle) value is empty and the code is returned.
UINT MPIReadProperty(MSIHANDLE handle, const wchar_t* name, CString& value, DWORD bufferChars);

// The same for one field of a record.
UINT MPIReadRecordString(MSIHANDLE record, UINT field, CString& value, DWORD bufferChars);

// Reads a text of any length through read(buffer, &length), growing the
// buffer once to the length the installer asks for on 234.
template <class Read>
UINT MPIReadWholeText(std::wstring& value, Read read)
{
    value.clear();
    std::vector<wchar_t> buffer(256, L'\0');
    DWORD length = static_cast<DWORD>(buffer.size());
    UINT result = read(buffer.data(), &length);
    if (result == ERROR_MORE_DATA)
    {
        buffer.assign(length + 1, L'\0');
        length = static_cast<DWORD>(buffer.size());
        result = read(buffer.data(), &length);
    }
    if (result == ERROR_SUCCESS)
        value.assign(buffer.data(), length);
    return result;
}

// The whole text of a record field, however long: 0 and the text, or the
// failing code and an empty text.
UINT MPIReadWholeRecordString(MSIHANDLE record, UINT field, std::wstring& value);

// The same for a product's information (MsiGetProductInfoW).
UINT MPIReadWholeProductInfo(const wchar_t* productCode, const wchar_t* name, std::wstring& value);

// MsiOpenPackageExW with MSIOPENPACKAGEFLAGS_IGNOREMACHINESTATE. Where the
// installer still refuses a package file because another version of its
// product is installed (1638; Wine does, Windows does not with that flag),
// the package is opened over its database, read-only, instead. A path of
// MAX_PATH characters or more is refused before the installer sees it, with
// ERROR_FILENAME_EXCED_RANGE.
UINT MPIOpenPackage(const wchar_t* path, MSIHANDLE* package);

// An executed SQL view. Fetch closes the previous row's record before it
// fetches the next, so no path holds more than one record.
class CMPIMsiView
{
public:
    CMPIMsiView() = default;
    CMPIMsiView(const CMPIMsiView&) = delete;
    CMPIMsiView& operator=(const CMPIMsiView&) = delete;

    // Opens and executes the query without parameters; 0 or the failing code.
    UINT Open(MSIHANDLE database, const wchar_t* query);
    // 0 and the row in Record(), 259 at the end, or the failing code.
    UINT Fetch();
    MSIHANDLE Record() const { return m_Record.get(); }

private:
    UniqueMsiHandle m_View;
    UniqueMsiHandle m_Record;
};
