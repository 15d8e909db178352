#pragma once
// CQuandelTreeNodeSupport: text fitting for the tree list tooltips.
#include "framework/CString.h"

class CListBox;

class CQuandelTreeNodeSupport
{
public:
    virtual ~CQuandelTreeNodeSupport() = default;

    // The index of the character under x = width from the text's start,
    // measured with a client DC of the list box; -1 when there is no list
    // box, the text is empty, or the whole text is narrower than width.
    static int GetFitLength(CListBox* listBox, int width, const CString& text);
    // The segment around index between separators, trimmed of white space;
    // empty for an index outside the text or on a separator.
    static CString ExtractSegment(int index, const CString& text, const wchar_t* separators);
    // From index towards the end (forward) or the start: the position one
    // step before the first separator, kept within 0 and the length; the
    // length (forward) or -1 (backward) when the search leaves the text.
    static int FindSeparator(int index, const CString& text, BOOL forward, const wchar_t* separators);
};
