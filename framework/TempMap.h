#pragma once
// Wrapper objects for handles that no object of ours owns, as FromHandle
// hands them out (windows, device contexts, GDI objects). One wrapper per
// handle value, kept until the process ends: a wrapper only carries the
// handle, so a stale one is harmless, and callers may keep the pointer for
// as long as they like. The map itself is never destroyed, so wrappers stay
// valid during static destruction.
#include <windows.h>
#include <memory>
#include <mutex>
#include <unordered_map>

template <typename Handle, typename Wrapper>
class TTempHandleMap
{
public:
    // The wrapper for the handle, made by make(handle) on first use.
    template <typename Make>
    Wrapper* Get(Handle h, Make make)
    {
        std::lock_guard<std::mutex> lock(m_lock);
        std::unique_ptr<Wrapper>& slot = m_map[h];
        if (!slot)
            slot.reset(make(h));
        return slot.get();
    }

    static TTempHandleMap& Instance()
    {
        static TTempHandleMap* map = new TTempHandleMap;
        return *map;
    }

private:
    std::mutex m_lock;
    std::unordered_map<Handle, std::unique_ptr<Wrapper>> m_map;
};
