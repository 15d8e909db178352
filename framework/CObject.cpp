#include "framework/CObject.h"
#include <stdio.h>

CRuntimeClass CObject::classCObject = { "CObject", static_cast<int>(sizeof(CObject)), nullptr, nullptr };

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return &classCObject;
}

void CObject::Serialize(CArchive&)
{
}

void CObject::AssertValid() const
{
}

void CObject::Dump(CDumpContext& dc) const
{
    dc << "a " << GetRuntimeClass()->m_lpszClassName << " at object\n";
}

BOOL CObject::IsKindOf(const CRuntimeClass* cls) const
{
    return GetRuntimeClass()->IsDerivedFrom(cls);
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const
{
    for (const CRuntimeClass* c = this; c != nullptr; c = c->m_pBaseClass)
        if (c == base)
            return TRUE;
    return FALSE;
}

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

CDumpContext& CDumpContext::operator<<(const wchar_t* text)
{
    OutputDebugStringW(text ? text : L"(null)");
    return *this;
}

CDumpContext& CDumpContext::operator<<(const char* text)
{
    OutputDebugStringA(text ? text : "(null)");
    return *this;
}

CDumpContext& CDumpContext::operator<<(int value)
{
    char buffer[16];
    _snprintf(buffer, sizeof buffer, "%d", value);
    buffer[sizeof buffer - 1] = '\0';
    OutputDebugStringA(buffer);
    return *this;
}
