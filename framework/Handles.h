#pragma once
// One RAII owner template for every kind of handle: the traits say what an
// empty handle is and how one is closed.
#include <windows.h>
#include <utility>

template <typename Traits>
class TUniqueHandle
{
public:
    using handle_type = typename Traits::type;

    TUniqueHandle() = default;
    explicit TUniqueHandle(handle_type h) : m_h(h) {}
    ~TUniqueHandle() { reset(); }
    TUniqueHandle(const TUniqueHandle&) = delete;
    TUniqueHandle& operator=(const TUniqueHandle&) = delete;
    TUniqueHandle(TUniqueHandle&& other) noexcept : m_h(other.release()) {}
    TUniqueHandle& operator=(TUniqueHandle&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }

    handle_type get() const { return m_h; }
    explicit operator bool() const { return m_h != Traits::invalid(); }
    handle_type release()
    {
        handle_type h = m_h;
        m_h = Traits::invalid();
        return h;
    }
    void reset(handle_type h = Traits::invalid())
    {
        if (m_h != Traits::invalid())
            Traits::close(m_h);
        m_h = h;
    }
    // Closes what is held and hands out the slot for a function that fills it.
    handle_type* put()
    {
        reset();
        return &m_h;
    }

private:
    handle_type m_h = Traits::invalid();
};

struct HKeyTraits
{
    using type = HKEY;
    static HKEY invalid() { return nullptr; }
    static void close(HKEY h) { ::RegCloseKey(h); }
};

struct HModuleTraits
{
    using type = HMODULE;
    static HMODULE invalid() { return nullptr; }
    static void close(HMODULE h) { ::FreeLibrary(h); }
};

struct KernelHandleTraits
{
    using type = HANDLE;
    static HANDLE invalid() { return nullptr; }
    static void close(HANDLE h) { ::CloseHandle(h); }
};

struct FileHandleTraits
{
    using type = HANDLE;
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) { ::CloseHandle(h); }
};

struct FindHandleTraits
{
    using type = HANDLE;
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) { ::FindClose(h); }
};

template <typename T>
struct GdiObjectTraits
{
    using type = T;
    static T invalid() { return nullptr; }
    static void close(T h) { ::DeleteObject(h); }
};

using UniqueHKey = TUniqueHandle<HKeyTraits>;
using UniqueHModule = TUniqueHandle<HModuleTraits>;
using UniqueHandle = TUniqueHandle<KernelHandleTraits>;
using UniqueFileHandle = TUniqueHandle<FileHandleTraits>;
using UniqueFindHandle = TUniqueHandle<FindHandleTraits>;
template <typename T>
using UniqueGdiObject = TUniqueHandle<GdiObjectTraits<T>>;
