#pragma once
// A host's property sheet, built from the pages' PROPSHEETPAGE records as
// the host program builds it: modeless, so the test drives it and pumps its
// messages.
#include "framework/PropertyPage.h"
#include <vector>

class SheetHost
{
public:
    explicit SheetHost(const std::vector<CPropertyPage*>& pages)
    {
        std::vector<HPROPSHEETPAGE> handles;
        for (CPropertyPage* page : pages)
            handles.push_back(CreatePropertySheetPageW(&page->GetPSP()));
        PROPSHEETHEADERW header = {};
        header.dwSize = sizeof header;
        header.dwFlags = PSH_MODELESS | PSH_NOAPPLYNOW | PSH_HASHELP;
        header.hInstance = GetModuleHandleW(nullptr);
        header.pszCaption = L"Host";
        header.nPages = static_cast<UINT>(handles.size());
        header.phpage = handles.data();
        m_sheet = reinterpret_cast<HWND>(PropertySheetW(&header));
        Pump();
    }
    ~SheetHost()
    {
        if (m_sheet != nullptr && IsWindow(m_sheet))
            DestroyWindow(m_sheet);
        Pump();
    }
    SheetHost(const SheetHost&) = delete;
    SheetHost& operator=(const SheetHost&) = delete;

    HWND sheet() const { return m_sheet; }
    HWND Page(int index) const
    {
        return reinterpret_cast<HWND>(SendMessageW(m_sheet, PSM_INDEXTOHWND, static_cast<WPARAM>(index), 0));
    }
    int Current() const
    {
        HWND page = reinterpret_cast<HWND>(SendMessageW(m_sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        return static_cast<int>(SendMessageW(m_sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0));
    }
    void Select(int index)
    {
        SendMessageW(m_sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
        Pump();
    }
    void Pump()
    {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (m_sheet == nullptr || !IsWindow(m_sheet) ||
                !SendMessageW(m_sheet, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&msg)))
            {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
    }

private:
    HWND m_sheet = nullptr;
};
