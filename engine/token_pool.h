// Memory for token lists: list nodes and the doubles of number tokens come
// from fixed-size cells that are recycled through free lists. A parse
// allocates a node per token and a double per number, so general-purpose
// allocation would cost more than the parse itself.
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <vector>

// Cells of one size, carved from blocks that live as long as the pool.
template <size_t nCellSize>
struct SCellPool {
    static_assert(nCellSize >= sizeof(void*));
    static constexpr size_t kCellsPerBlock = 4096;

    struct SFree {
        SFree* pNext;
    };
    struct alignas(alignof(void*) > alignof(double) ? alignof(void*) : alignof(double)) SCell {
        std::byte bytes[nCellSize];
    };

    std::vector<std::unique_ptr<SCell[]>> lstBlocks;
    SFree* pFree = nullptr;
    size_t nBlock = 0;            // the block being carved
    SCell* pNextFresh = nullptr;  // its cells not yet handed out
    SCell* pBlockEnd = nullptr;
    size_t nLive = 0;             // cells handed out and not released

    void* Allocate() {
        ++nLive;
        if (pFree != nullptr) {
            void* p = pFree;
            pFree = pFree->pNext;
            return p;
        }
        if (pNextFresh == pBlockEnd) {
            if (pNextFresh != nullptr) ++nBlock;
            if (nBlock == lstBlocks.size()) lstBlocks.emplace_back(new SCell[kCellsPerBlock]);
            pNextFresh = lstBlocks[nBlock].get();
            pBlockEnd = pNextFresh + kCellsPerBlock;
        }
        return pNextFresh++;
    }

    void Release(void* p) {
        --nLive;
        pFree = ::new (p) SFree{pFree};
    }

    // With every cell back, hands cells out from the first block again, in
    // address order: a list built next lies in memory as it is walked.
    void RewindIfIdle() {
        if (nLive != 0 || lstBlocks.empty()) return;
        pFree = nullptr;
        nBlock = 0;
        pNextFresh = lstBlocks[0].get();
        pBlockEnd = pNextFresh + kCellsPerBlock;
    }
};

// One node of a token list holds two pointers and a token: 40 bytes.
inline constexpr size_t kTokenNodeSize = 40;

struct STokenPool {
    SCellPool<kTokenNodeSize> poolNodes;
    SCellPool<sizeof(double)> poolNumbers;

    void RewindIfIdle() {
        poolNodes.RewindIfIdle();
        poolNumbers.RewindIfIdle();
    }
};

// Allocates list nodes from a token pool. Lists that share a pool may splice
// their nodes into one another.
template <class T>
struct SPoolAllocator {
    using value_type = T;
    STokenPool* pPool;

    explicit SPoolAllocator(STokenPool* p) noexcept : pPool(p) {}
    template <class U>
    SPoolAllocator(const SPoolAllocator<U>& other) noexcept : pPool(other.pPool) {}

    T* allocate(size_t n) {
        if (n == 1 && sizeof(T) <= kTokenNodeSize) return static_cast<T*>(pPool->poolNodes.Allocate());
        return static_cast<T*>(::operator new(n * sizeof(T)));
    }
    void deallocate(T* p, size_t n) noexcept {
        if (n == 1 && sizeof(T) <= kTokenNodeSize)
            pPool->poolNodes.Release(p);
        else
            ::operator delete(p);
    }

    template <class U>
    bool operator==(const SPoolAllocator<U>& other) const noexcept { return pPool == other.pPool; }
};
