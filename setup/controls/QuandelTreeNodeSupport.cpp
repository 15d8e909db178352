#include "setup/controls/QuandelTreeNodeSupport.h"
#include "framework/ListBox.h"
#include <wchar.h>

int CQuandelTreeNodeSupport::GetFitLength(CListBox* listBox, int width, const CString& text)
{
    if (listBox == nullptr || listBox->m_hWnd == nullptr || text.IsEmpty())
        return -1;
    CClientDC dc(listBox);
    for (int n = 0; n < text.GetLength(); ++n)
        if (dc.GetTextExtent(text.GetString(), n + 1).cx >= width)
            return n;
    return -1;
}

int CQuandelTreeNodeSupport::FindSeparator(int index, const CString& text, BOOL forward, const wchar_t* separators)
{
    int length = text.GetLength();
    if (index == length)
        return length;
    const int step = forward ? 1 : -1;
    for (int pos = index; pos >= 0 && pos < length; pos += step) {
        wchar_t ch = text.GetAt(pos);
        if (ch != L'\0' && separators != nullptr && wcschr(separators, ch) != nullptr) {
            int answer = pos - step;
            return answer < 0 ? 0 : (answer > length ? length : answer);
        }
    }
    return forward ? length : -1;
}

CString CQuandelTreeNodeSupport::ExtractSegment(int index, const CString& text, const wchar_t* separators)
{
    if (index < 0 || index > text.GetLength() || text.IsEmpty())
        return CString();
    int start = FindSeparator(index, text, FALSE, separators);
    int end = FindSeparator(index, text, TRUE, separators);
    if (start < 0)
        start = 0;
    CString segment = text.Mid(start, end - start + 1);
    segment.Trim();
    return segment;
}
