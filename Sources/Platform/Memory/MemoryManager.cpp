// Pointers carry their size in a header; a handle is the address of the master pointer inside
// a small block record, so the data can move while the handle stays valid.
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/mman.h>

namespace {

OSErr gMemError = noErr;

struct PtrHeader {
    Size size;
    bool mapped;
    alignas(std::max_align_t) char data[1];
};

constexpr size_t kPtrHeaderSize = offsetof(PtrHeader, data);

PtrHeader* HeaderOf(Ptr p) {
    return reinterpret_cast<PtrHeader*>(p - kPtrHeaderSize);
}

// Blocks this big (the entry lists, whole files) are mapped on their own, in huge pages where
// the system grants them: filling a 4 MB block then takes two page faults instead of a
// thousand, and on a virtual machine those faults are most of a short command's time.
constexpr size_t kHugePage = size_t(2) << 20;
constexpr size_t kMappedFrom = size_t(1) << 20;

size_t MappedLength(size_t bytes) {
    return (bytes + kHugePage - 1) & ~(kHugePage - 1);
}

// Zero-filled, as every fresh mapping is.
void* MapBlock(size_t bytes) {
    const size_t length = MappedLength(bytes);
    void* raw = mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) return nullptr;
    const uintptr_t start = reinterpret_cast<uintptr_t>(raw);
    const uintptr_t aligned = (start + kHugePage - 1) & ~uintptr_t(kHugePage - 1);
    if (aligned > start) munmap(raw, aligned - start);
    const uintptr_t end = aligned + length, mappedEnd = start + length + kHugePage;
    if (mappedEnd > end) munmap(reinterpret_cast<void*>(end), mappedEnd - end);
    madvise(reinterpret_cast<void*>(aligned), length, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(aligned);
}

struct HandleBlock {
    Ptr master; // must stay first: a Handle points here
    Size size;
    Size capacity;
    UInt8 flags;
};

HandleBlock* BlockOf(Handle h) {
    return reinterpret_cast<HandleBlock*>(h);
}

Ptr AllocatePtr(Size byteCount, bool clear) {
    if (byteCount < 0) {
        gMemError = memFullErr;
        return nullptr;
    }
    const size_t bytes = kPtrHeaderSize + size_t(byteCount);
    const bool mapped = bytes >= kMappedFrom;
    void* raw = mapped ? MapBlock(bytes) : clear ? std::calloc(1, bytes) : std::malloc(bytes);
    if (!raw) {
        gMemError = memFullErr;
        return nullptr;
    }
    auto* header = static_cast<PtrHeader*>(raw);
    header->size = byteCount;
    header->mapped = mapped;
    gMemError = noErr;
    return header->data;
}

Handle AllocateHandle(Size byteCount, bool clear) {
    if (byteCount < 0) {
        gMemError = memFullErr;
        return nullptr;
    }
    auto* block = static_cast<HandleBlock*>(std::calloc(1, sizeof(HandleBlock)));
    // Room for at least one byte, so a zero-sized handle still has a master pointer.
    void* data =
        clear ? std::calloc(1, byteCount ? byteCount : 1) : std::malloc(byteCount ? byteCount : 1);
    if (!block || !data) {
        std::free(block);
        std::free(data);
        gMemError = memFullErr;
        return nullptr;
    }
    block->master = static_cast<Ptr>(data);
    block->size = byteCount;
    block->capacity = byteCount ? byteCount : 1;
    gMemError = noErr;
    return &block->master;
}

} // namespace

Ptr NewPtr(Size byteCount) {
    return AllocatePtr(byteCount, false);
}
Ptr NewPtrClear(Size byteCount) {
    return AllocatePtr(byteCount, true);
}

void DisposePtr(Ptr p) {
    PtrHeader* header = p ? HeaderOf(p) : nullptr;
    if (header && header->mapped)
        munmap(header, MappedLength(kPtrHeaderSize + size_t(header->size)));
    else if (header)
        std::free(header);
    gMemError = noErr;
}

Handle NewHandle(Size byteCount) {
    return AllocateHandle(byteCount, false);
}
Handle NewHandleClear(Size byteCount) {
    return AllocateHandle(byteCount, true);
}

void DisposeHandle(Handle h) {
    gMemError = noErr;
    if (!h) return;
    HandleBlock* block = BlockOf(h);
    std::free(block->master);
    std::free(block);
}

Size GetHandleSize(Handle h) {
    if (!h) {
        gMemError = nilHandleErr;
        return 0;
    }
    gMemError = noErr;
    return BlockOf(h)->size;
}

void SetHandleSize(Handle h, Size newSize) {
    if (!h) {
        gMemError = nilHandleErr;
        return;
    }
    HandleBlock* block = BlockOf(h);
    if (newSize < 0) {
        gMemError = memFullErr;
        return;
    }
    if (newSize <= block->capacity) {
        block->size = newSize;
        gMemError = noErr;
        return;
    }
    // A locked block may not move, and it cannot grow where it lies.
    if (block->flags & kHandleLockedMask) {
        gMemError = memFullErr;
        return;
    }
    void* grown = std::realloc(block->master, newSize);
    if (!grown) {
        gMemError = memFullErr;
        return;
    }
    block->master = static_cast<Ptr>(grown);
    block->size = newSize;
    block->capacity = newSize;
    gMemError = noErr;
}

void HLock(Handle h) {
    if (h) BlockOf(h)->flags |= kHandleLockedMask;
    gMemError = h ? noErr : nilHandleErr;
}

void HUnlock(Handle h) {
    if (h) BlockOf(h)->flags &= UInt8(~kHandleLockedMask);
    gMemError = h ? noErr : nilHandleErr;
}

SInt8 HGetState(Handle h) {
    gMemError = h ? noErr : nilHandleErr;
    return h ? SInt8(BlockOf(h)->flags) : 0;
}

void HSetState(Handle h, SInt8 flags) {
    if (h) BlockOf(h)->flags = UInt8(flags);
    gMemError = h ? noErr : nilHandleErr;
}

OSErr PtrToHand(const void* srcPtr, Handle* dstHndl, Size size) {
    *dstHndl = NewHandle(size);
    if (!*dstHndl) return memFullErr;
    if (size > 0) std::memcpy(**dstHndl, srcPtr, size_t(size));
    return noErr;
}

OSErr MemError() {
    return gMemError;
}

void BlockMoveData(const void* srcPtr, void* destPtr, Size byteCount) {
    if (byteCount > 0) std::memmove(destPtr, srcPtr, size_t(byteCount));
}
