#include "Platform/Foundation.h"

#include <algorithm>
#include <cstdio>

namespace {
thread_local NSAutoreleasePool* innermostPool = nullptr;
}

NSAutoreleasePool::NSAutoreleasePool() : outer_(innermostPool) {
    innermostPool = this;
}

NSAutoreleasePool::~NSAutoreleasePool() {
    std::for_each(objects_.rbegin(), objects_.rend(), CFRelease);
    innermostPool = outer_;
}

CFTypeRef CFAutorelease(CFTypeRef object) {
    if (!object) return object;
    if (innermostPool)
        innermostPool->add(object);
    else
        std::fputs("CFAutorelease: no pool in place, the object leaks\n", stderr);
    return object;
}
