#pragma once
// A full file path with the pieces needed to name files that lie beside a
// module: directory, file name with or without extension, extension, and
// whether the file exists.
#include "framework/CObject.h"
#include "framework/CString.h"

class CFilePath : public CObject
{
    DECLARE_DYNAMIC(CFilePath)

public:
    CFilePath() = default;
    CFilePath(const CFilePath& other);
    CFilePath(const wchar_t* path);
    // The module's file name in its long form; empty when it cannot be had.
    explicit CFilePath(HMODULE module);
    ~CFilePath() override = default;

    CFilePath& operator=(const CFilePath& other);
    CFilePath& operator=(const wchar_t* path);

    // Character-for-character equality (case matters).
    bool operator==(const CFilePath& other) const;

    // The name after the last backslash, with or without its extension.
    CString GetFileName(bool withExtension) const;
    // The text after the last dot of the name part; empty without one.
    CString GetExtension() const;
    // The text before the last backslash; empty without one.
    CString GetDirectory() const;

    bool Exists() const;
    static bool Exists(const wchar_t* path);

    void AssertValid() const override;
    void Dump(CDumpContext& dc) const override;

    CString m_FilePath;
};
