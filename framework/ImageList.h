#pragma once
// CImageList: owns a common-controls image list.
#include "framework/DC.h"
#include <commctrl.h>

class CImageList
{
public:
    CImageList() = default;
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    // From a bitmap of the current resource library: images cx pixels wide,
    // grown by grow at a time, mask colour crMask.
    BOOL Create(UINT bitmapId, int cx, int grow, COLORREF crMask);
    BOOL DeleteImageList();
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }

    int GetImageCount() const;
    BOOL GetImageInfo(int image, IMAGEINFO* info) const;
    BOOL Draw(CDC* dc, int image, POINT pt, UINT style);

    HIMAGELIST m_hImageList = nullptr;
};
