#pragma once
// CObject with run-time class records: each class that declares itself
// dynamic carries a CRuntimeClass naming it, its size and its base, so
// IsKindOf and DYNAMIC_DOWNCAST work without compiler RTTI; classes that
// declare dynamic creation can also be made from their record.
#include <windows.h>

class CObject;
class CArchive;

class CDumpContext
{
public:
    CDumpContext& operator<<(const wchar_t* text);
    CDumpContext& operator<<(const char* text);
    CDumpContext& operator<<(int value);
};

struct CRuntimeClass
{
    const char* m_lpszClassName;
    int m_nObjectSize;
    CRuntimeClass* m_pBaseClass;
    CObject* (*m_pfnCreateObject)();

    BOOL IsDerivedFrom(const CRuntimeClass* base) const;
    CObject* CreateObject() const;
};

class CObject
{
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    virtual void Serialize(CArchive& archive);
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& dc) const;

    BOOL IsKindOf(const CRuntimeClass* cls) const;

    static CRuntimeClass classCObject;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(cls) (&cls::class##cls)

#define DECLARE_DYNAMIC(cls) \
public: \
    static CRuntimeClass class##cls; \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(cls) \
    DECLARE_DYNAMIC(cls) \
    static CObject* CreateObject();

#define IMPLEMENT_RUNTIMECLASS_(cls, base, create) \
    CRuntimeClass cls::class##cls = { #cls, static_cast<int>(sizeof(cls)), RUNTIME_CLASS(base), create }; \
    CRuntimeClass* cls::GetRuntimeClass() const { return RUNTIME_CLASS(cls); }

#define IMPLEMENT_DYNAMIC(cls, base) IMPLEMENT_RUNTIMECLASS_(cls, base, nullptr)

#define IMPLEMENT_DYNCREATE(cls, base) \
    CObject* cls::CreateObject() { return new cls; } \
    IMPLEMENT_RUNTIMECLASS_(cls, base, &cls::CreateObject)

// The object as the given class when its run-time class derives from it, else null.
// The record is passed in: RUNTIME_CLASS pastes the class name, which a
// template parameter cannot supply.
template <typename T>
T* AfxDynamicDownCast(const CRuntimeClass* cls, CObject* object)
{
    return object != nullptr && object->IsKindOf(cls) ? static_cast<T*>(object) : nullptr;
}
#define DYNAMIC_DOWNCAST(cls, object) AfxDynamicDownCast<cls>(RUNTIME_CLASS(cls), object)
#define STATIC_DOWNCAST(cls, object) static_cast<cls*>(object)
