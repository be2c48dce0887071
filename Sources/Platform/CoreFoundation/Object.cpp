#include "CoreFoundation/Object.h"

#include "Platform/PlatformTesting.h"

namespace platform::cf {

namespace {
std::atomic<long> liveObjects{0};
thread_local int lastingScopes = 0;
} // namespace

Object::Object(CFTypeID type) : type_(type), lasting_(lastingScopes > 0) {
    if (!lasting_) ++liveObjects;
}

Object::~Object() {
    if (!lasting_) --liveObjects;
}

LastingScope::LastingScope() {
    ++lastingScopes;
}

LastingScope::~LastingScope() {
    --lastingScopes;
}

void Object::release() const {
    if (!immortal_) delete this;
}

long LiveObjectCount() {
    return liveObjects;
}

} // namespace platform::cf

using platform::cf::Object;

void CFRelease(CFTypeRef object) {
    if (object) static_cast<const Object*>(object)->release();
}

CFTypeID CFGetTypeID(CFTypeRef object) {
    return object ? static_cast<const Object*>(object)->type() : 0;
}

long PlatformLiveObjectCount() {
    return platform::cf::LiveObjectCount();
}
