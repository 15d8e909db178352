#pragma once
// A list box that shows the details of one module group package or one
// module: label rows, each followed by its value indented by a tab stop.
#include "framework/ListBox.h"

class CQuandelSrv;

class CQuandelModuleDetailsListBox : public CListBox
{
public:
    explicit CQuandelModuleDetailsListBox(int nMode);
    CQuandelModuleDetailsListBox(CQuandelSrv* pSrv, int nMode);
    ~CQuandelModuleDetailsListBox() override;

    // source 0: the package file, 1: the installed product. Indexes that
    // do not exist leave the list empty.
    void ShowGroup(int groupIndex, int source);
    void ShowModule(int groupIndex, int moduleIndex, int source);
    // No selection in the tree: an empty list.
    void ShowNothing();

    int GetMode() const { return m_nMode; }
    void SetMode(int nMode) { m_nMode = nMode; }   // 1: with package-version rows

protected:
    BOOL Prepare();
    // A row of the numbered string alone: a label, or a status without inserts.
    void AddRow(UINT id);
    // A value row: a tab, then the value.
    void AddValue(const CString& value);
    // A row of the numbered string with its one insert.
    void AddFormatted(UINT id, const CString& arg);
    void Finish();

    int m_nMode;
    CQuandelSrv* m_pSrv;   // not owned
};
