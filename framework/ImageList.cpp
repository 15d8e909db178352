#include "framework/ImageList.h"
#include "framework/AppCore.h"

CImageList::~CImageList()
{
    DeleteImageList();
}

BOOL CImageList::Create(UINT bitmapId, int cx, int grow, COLORREF crMask)
{
    if (m_hImageList != nullptr)
        return FALSE;
    m_hImageList = ::ImageList_LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(bitmapId), cx, grow, crMask,
                                          IMAGE_BITMAP, LR_CREATEDIBSECTION);
    return m_hImageList != nullptr;
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr)
        return FALSE;
    BOOL done = ::ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return done;
}

int CImageList::GetImageCount() const
{
    return m_hImageList != nullptr ? ::ImageList_GetImageCount(m_hImageList) : 0;
}

BOOL CImageList::GetImageInfo(int image, IMAGEINFO* info) const
{
    return m_hImageList != nullptr && ::ImageList_GetImageInfo(m_hImageList, image, info);
}

BOOL CImageList::Draw(CDC* dc, int image, POINT pt, UINT style)
{
    if (m_hImageList == nullptr || dc == nullptr)
        return FALSE;
    return ::ImageList_Draw(m_hImageList, image, dc->m_hDC, pt.x, pt.y, style);
}
