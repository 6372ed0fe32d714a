#ifndef FEM1D_LARGEVECTOR_H
#define FEM1D_LARGEVECTOR_H

#include <cstddef>
#include <cstdlib>
#include <new>
#include <vector>

#include <sys/mman.h>

// An allocator for the arrays whose size grows with the mesh. Blocks of 2 MiB
// and more are aligned to 2 MiB and advised to use huge pages: first touching
// memory in 4 KiB pages costs about 3 s per GiB, in huge pages a few percent
// of that, and a solve of a million elements touches tens of MiB.
template <class T>
class HugePageAllocator
{
public:
    using value_type = T;

    HugePageAllocator() = default;
    template <class U>
    HugePageAllocator(const HugePageAllocator<U>&)
    {
    }

    T* allocate(std::size_t in_n)
    {
        const std::size_t l_Bytes = in_n * sizeof(T);
        if (l_Bytes < kHugePage)
        {
            if (T* l_ptr = static_cast<T*>(std::malloc(l_Bytes == 0 ? 1 : l_Bytes)))
                return l_ptr;
            throw std::bad_alloc();
        }
        const std::size_t l_Rounded = (l_Bytes + kHugePage - 1) / kHugePage * kHugePage;
        void* l_ptr = std::aligned_alloc(kHugePage, l_Rounded);
        if (l_ptr == nullptr)
            throw std::bad_alloc();
        madvise(l_ptr, l_Rounded, MADV_HUGEPAGE); // advice only: a refusal changes nothing
        return static_cast<T*>(l_ptr);
    }

    void deallocate(T* in_ptr, std::size_t) { std::free(in_ptr); }

    friend bool operator==(const HugePageAllocator&, const HugePageAllocator&) { return true; }
    friend bool operator!=(const HugePageAllocator&, const HugePageAllocator&) { return false; }

private:
    static constexpr std::size_t kHugePage = std::size_t(2) << 20;
};

template <class T>
using LargeVector = std::vector<T, HugePageAllocator<T>>;

#endif
