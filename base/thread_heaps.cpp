#include <windows.h>

#include <cstddef>
#include <new>

// Every allocation of a program that links this file goes through here: it replaces the
// global operator new and delete. The library allocates many small objects, and with one
// heap for the whole process the workers queue on its lock, which under Wine costs a trip to
// the server each time: two workers were slower than one. Each thread therefore allocates
// from a heap of its own; a block remembers its heap, so it may be freed on any thread.
namespace
{
constexpr size_t kHeaderBytes = 16; // keeps the 16-byte alignment of the heap's blocks
constexpr unsigned kHeaps = 16;

HANDLE ThreadHeap()
{
    static HANDLE s_heaps[kHeaps] = {};
    static LONG s_nNext = -1;
    thread_local HANDLE t_heap = nullptr;
    if (!t_heap)
    {
        const unsigned slot = static_cast<unsigned>(InterlockedIncrement(&s_nNext)) % kHeaps;
        HANDLE heap = s_heaps[slot];
        if (!heap)
        {
            HANDLE created = HeapCreate(0, 0, 0);
            if (!created)
                return GetProcessHeap();
            heap = reinterpret_cast<HANDLE>(InterlockedCompareExchangePointer(
                reinterpret_cast<PVOID*>(&s_heaps[slot]), created, nullptr));
            if (heap)
                HeapDestroy(created);
            else
                heap = created;
        }
        t_heap = heap;
    }
    return t_heap;
}

void* Allocate(size_t size) noexcept
{
    if (size > static_cast<size_t>(-1) - kHeaderBytes)
        return nullptr;
    HANDLE heap = ThreadHeap();
    auto* block = static_cast<unsigned char*>(HeapAlloc(heap, 0, size + kHeaderBytes));
    if (!block)
        return nullptr;
    *reinterpret_cast<HANDLE*>(block) = heap;
    return block + kHeaderBytes;
}

void* AllocateOrThrow(size_t size)
{
    for (;;)
    {
        if (void* p = Allocate(size))
            return p;
        std::new_handler handler = std::get_new_handler();
        if (!handler)
            throw std::bad_alloc();
        handler();
    }
}

void Release(void* p) noexcept
{
    if (!p)
        return;
    auto* block = static_cast<unsigned char*>(p) - kHeaderBytes;
    HeapFree(*reinterpret_cast<HANDLE*>(block), 0, block);
}
} // namespace

void* operator new(size_t size)
{
    return AllocateOrThrow(size);
}

void* operator new[](size_t size)
{
    return AllocateOrThrow(size);
}

void* operator new(size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size);
}

void* operator new[](size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size);
}

void operator delete(void* p) noexcept
{
    Release(p);
}

void operator delete[](void* p) noexcept
{
    Release(p);
}

void operator delete(void* p, size_t) noexcept
{
    Release(p);
}

void operator delete[](void* p, size_t) noexcept
{
    Release(p);
}

void operator delete(void* p, const std::nothrow_t&) noexcept
{
    Release(p);
}

void operator delete[](void* p, const std::nothrow_t&) noexcept
{
    Release(p);
}
