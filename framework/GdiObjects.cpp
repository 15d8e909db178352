#include "framework/GdiObjects.h"
#include "framework/AppCore.h"
#include "framework/DC.h"
#include "framework/TempMap.h"

CGdiObject::~CGdiObject()
{
    if (!m_bTemporary)
        DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ h)
{
    if (h == nullptr || m_hObject != nullptr)
        return FALSE;
    m_hObject = h;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ h = m_hObject;
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int size, void* buffer) const
{
    return m_hObject != nullptr ? ::GetObjectW(m_hObject, size, buffer) : 0;
}

template <typename T>
T* CGdiObject::FromHandleOf(HGDIOBJ h)
{
    if (h == nullptr)
        return nullptr;
    return TTempHandleMap<HGDIOBJ, T>::Instance().Get(h, [](HGDIOBJ handle) {
        T* wrapper = new T;
        wrapper->m_hObject = handle;
        wrapper->m_bTemporary = true;
        return wrapper;
    });
}

BOOL CPen::CreatePen(int style, int width, COLORREF color)
{
    return Attach(::CreatePen(style, width, color));
}

CPen* CPen::FromHandle(HPEN h)
{
    return FromHandleOf<CPen>(h);
}

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    return Attach(::CreateSolidBrush(color));
}

BOOL CBrush::CreateSysColorBrush(int index)
{
    // A brush of our own in the system colour, deleted like any other.
    return Attach(::CreateSolidBrush(::GetSysColor(index)));
}

CBrush* CBrush::FromHandle(HBRUSH h)
{
    return FromHandleOf<CBrush>(h);
}

BOOL CFont::CreateFontIndirect(const LOGFONTW* logFont)
{
    return logFont != nullptr && Attach(::CreateFontIndirectW(logFont));
}

int CFont::GetLogFont(LOGFONTW* logFont) const
{
    return GetObject(sizeof(LOGFONTW), logFont);
}

CFont* CFont::FromHandle(HFONT h)
{
    return FromHandleOf<CFont>(h);
}

BOOL CBitmap::LoadBitmap(UINT id)
{
    return Attach(::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id)));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    return dc != nullptr && Attach(::CreateCompatibleBitmap(dc->m_hDC, width, height));
}

int CBitmap::GetBitmap(BITMAP* info) const
{
    return GetObject(sizeof(BITMAP), info);
}

CBitmap* CBitmap::FromHandle(HBITMAP h)
{
    return FromHandleOf<CBitmap>(h);
}
