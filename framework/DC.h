#pragma once
// Device contexts: CDC wraps an HDC (and deletes one it created itself with
// CreateCompatibleDC); CClientDC and CPaintDC get and release a window's
// DC for their own lifetime.
#include "framework/Geometry.h"
#include "framework/GdiObjects.h"
#include "framework/CString.h"

class CWnd;

class CDC
{
public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    BOOL Attach(HDC hDC);
    HDC Detach();
    // A wrapper for a DC that someone else owns (for example in WM_DRAWITEM).
    static CDC* FromHandle(HDC hDC);

    // A memory DC compatible with the given one (the screen for NULL); deleted with the object.
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();

    // Each answers the object it replaced (NULL when given none).
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    HGDIOBJ SelectObject(HGDIOBJ object);
    HGDIOBJ SelectStockObject(int index);
    int SaveDC();
    BOOL RestoreDC(int saved);

    COLORREF SetTextColor(COLORREF color);
    COLORREF SetBkColor(COLORREF color);
    int SetBkMode(int mode);
    int GetDeviceCaps(int index) const;

    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT p) { return MoveTo(p.x, p.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT p) { return LineTo(p.x, p.y); }
    void FillSolidRect(LPCRECT rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    void FillRect(LPCRECT rect, CBrush* brush);
    void DrawFocusRect(LPCRECT rect);
    BOOL Rectangle(LPCRECT rect);
    int DrawText(const wchar_t* text, int count, LPRECT rect, UINT format);
    int DrawText(const CString& text, LPRECT rect, UINT format);
    BOOL TextOut(int x, int y, const CString& text);
    CSize GetTextExtent(const wchar_t* text, int count) const;
    CSize GetTextExtent(const CString& text) const;
    BOOL GetTextMetrics(TEXTMETRICW* metrics) const;
    COLORREF GetPixel(int x, int y) const;
    COLORREF SetPixel(int x, int y, COLORREF color);
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop);
    int IntersectClipRect(LPCRECT rect);

    HDC m_hDC = nullptr;

protected:
    bool m_bCreated = false;   // made by CreateCompatibleDC: deleted by the object
};

class CClientDC : public CDC
{
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;

private:
    HWND m_hWnd;
};

class CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

private:
    HWND m_hWnd;
};
