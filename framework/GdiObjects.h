#pragma once
// GDI object wrappers: each owns its handle (deleted with the object) unless
// it was made by FromHandle for a handle someone else owns.
#include <windows.h>

class CDC;

class CGdiObject
{
public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }
    BOOL Attach(HGDIOBJ h);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    int GetObject(int size, void* buffer) const;

    HGDIOBJ m_hObject = nullptr;

protected:
    bool m_bTemporary = false; // a FromHandle wrapper: never deletes the handle
    template <typename T>
    static T* FromHandleOf(HGDIOBJ h);
};

class CPen : public CGdiObject
{
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    BOOL CreatePen(int style, int width, COLORREF color);
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
    static CPen* FromHandle(HPEN h);
};

class CBrush : public CGdiObject
{
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color);
    BOOL CreateSysColorBrush(int index);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
    static CBrush* FromHandle(HBRUSH h);
};

class CFont : public CGdiObject
{
public:
    BOOL CreateFontIndirect(const LOGFONTW* logFont);
    int GetLogFont(LOGFONTW* logFont) const;
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    static CFont* FromHandle(HFONT h);
};

class CBitmap : public CGdiObject
{
public:
    // Loads the bitmap from the current resource library.
    BOOL LoadBitmap(UINT id);
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    int GetBitmap(BITMAP* info) const;
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
    static CBitmap* FromHandle(HBITMAP h);
};
