#pragma once
// QUANDEL_CTreeListBox: an owner-drawn list box (fixed rows, no strings)
// that shows a forest of CTreeNode trees. Each row's item data is the node
// it shows; a node's children occupy the rows below it while it is
// expanded. The control owns its trees, hands out node IDs from 1 up,
// answers the list box's text and search messages from the nodes, expands
// and collapses by mouse and keys, draws lines, glyphs, icons and TAB
// columns, and shows the text under the mouse in a tooltip.
//
// A shown node is marked expanded exactly when its children's rows are
// shown; AddItem, Expand and Collapse keep this.
//
// Row selection follows the list box's style: on a multiple-selection list
// "selecting a row" selects that row alone with the caret on it, and "the
// selected row" is the caret row when it is selected, else the first
// selected row.
#include "framework/Collections.h"
#include "framework/ImageList.h"
#include "framework/ListBox.h"
#include "framework/ToolTipCtrl.h"
#include "setup/controls/TreeNode.h"

class QUANDEL_CTreeListBox : public CListBox
{
    DECLARE_DYNAMIC(QUANDEL_CTreeListBox)
public:
    QUANDEL_CTreeListBox();
    ~QUANDEL_CTreeListBox() override;

    // --- filling ------------------------------------------------------------
    // Parent ID -1 adds a root at the end of the list. Answers the new row,
    // or -1 when no row was inserted (the parent is not shown, or it stays
    // collapsed) or the parent ID is unknown (then nothing is created).
    int AddItem(const wchar_t* text, int imageCollapsed, int imageExpanded, DWORD itemData, int parentID, int* outID,
                bool expandParent);
    BOOL DeleteAll();
    void SetColumns(const CWordArray& positions);

    // --- reading (row = list index) -----------------------------------------
    DWORD GetItemDataAt(int row) const;
    BOOL IsLeafAt(int row) const;
    CString GetCurSelText() const;
    CString GetTextAt(int row) const;
    DWORD GetCurSelItemData() const;
    int GetLevelAt(int row) const;
    BOOL IsCurSelLeaf() const;
    int GetNodeCount() const;
    int GetIDAt(int row) const;
    // The node shown in a row; NULL outside the list or for a row without one.
    CTreeNode* GetNodeAt(int row) const;

    // The selected row (see above), -1 when none; selecting -1 clears the selection.
    int GetCurSel() const;
    int SetCurSel(int row);

    // --- lookup ---------------------------------------------------------------
    CTreeNode* FindNodeByID(int id) const;
    int IndexFromNode(const CTreeNode* node) const;
    int IndexFromID(int id) const;
    int ItemFromPoint(CPoint point) const;

    // --- class-library overrides ---------------------------------------------
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void DrawItem(LPDRAWITEMSTRUCT dis) override;
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override;

    // --- operations of this class --------------------------------------------
    virtual int OnFindItem(const CString& prefix, const CString& text, int prefixLength, int row, BOOL isLeaf);
    virtual BOOL OnToolTipNeedText(NMHDR* pNMHDR, LRESULT* pResult);
    virtual void Expand(int row);
    virtual void Collapse(int row);
    virtual CTreeNode* CreateNode(const wchar_t* text, int imageCollapsed, int imageExpanded, DWORD itemData, int id,
                                  CTreeNode* parent);
    virtual CString GetTipText(CPoint point, int row);
    virtual CString GetColumnTextAt(CPoint point, const CString& text);
    virtual BOOL IsItemEnabled(int row, CTreeNode* node);

    // The list box's search with the tree's rules: the first row whose
    // subtree matches; a match hidden one level down expands its row.
    int FindTextItem(const wchar_t* text, int prefixLength, BOOL anyNode, BOOL exact, BOOL select);

    CToolTipCtrl* GetToolTip() const { return m_pToolTip; }
    int GetCheckColumnWidth() const { return m_nCheckColumnWidth; }

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg int OnCreate(LPCREATESTRUCTW cs);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLen(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFindString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSelectString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFindStringExact(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnToolTipNotify(UINT id, NMHDR* pNMHDR, LRESULT* pResult);

    // TRUE when the point lies in the strip of a list that scrolls.
    BOOL IsInScrollBarStrip(CPoint point) const;
    BOOL IsMultipleSelection() const;
    // The selected rows in ascending order (the current row on a single-selection list).
    void GetSelectedRows(CArray<int, int>& rows) const;
    void SelectRow(int row);
    void ToggleExpanded(int row);

    // Tooltip: made on creation or on the first PreTranslateMessage.
    void CreateToolTip();
    void RaiseToolTip();
    void AddToolTipTool();
    // The TAB columns of a text, runs of TABs counting as one separator.
    static void SplitColumns(const CString& text, CStringArray& columns);
    void DrawColumns(CDC* dc, const CString& text, const CRect& rcText, COLORREF background, UINT format);

    CImageList* m_pImageList;       // icons of the nodes; not owned
    CImageList m_GlyphImages;       // bitmap 103: 0 plus (collapsed), 1 minus (expanded)
    CArray<CTreeNode*, CTreeNode*> m_Roots;
    CWordArray m_ColumnPositions;
    wchar_t* m_pTipBuffer;          // 502 characters
    CString m_strLastTip;
    int m_nTipItem;
    CToolTipCtrl* m_pToolTip;
    int m_nCheckColumnWidth;
    int m_nNextID;

    DECLARE_MESSAGE_MAP()
};
