#pragma once
// The horizontal extent a list box needs for its widest row, measured with
// the list box's own font (and its tab stops, when it uses them).
#include "framework/ListBox.h"

// tabStopDlu: the one tab stop set on the list, in dialog units; 0 when
// the list has none.
int MeasureListBoxExtent(CListBox& list, int tabStopDlu);
// Measures and sets the extent; the width it set.
int UpdateListBoxExtent(CListBox& list, int tabStopDlu);
// For a list that grows one row at a time: widens the extent when the new
// row needs more room than the list already has; the extent afterwards.
int WidenListBoxExtent(CListBox& list, const wchar_t* row, int tabStopDlu);
