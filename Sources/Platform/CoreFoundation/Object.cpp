#include "CoreFoundation/Object.h"

#include "Platform/PlatformTesting.h"

#include <climits>

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

void Object::retain() const {
    if (!immortal_) ++count_;
}

void Object::release() const {
    if (!immortal_ && --count_ == 0) delete this;
}

CFIndex Object::retainCount() const {
    return immortal_ ? LONG_MAX : count_.load();
}

long LiveObjectCount() {
    return liveObjects;
}

} // namespace platform::cf

using platform::cf::Object;

CFTypeRef CFRetain(CFTypeRef object) {
    if (object) static_cast<const Object*>(object)->retain();
    return object;
}

void CFRelease(CFTypeRef object) {
    if (object) static_cast<const Object*>(object)->release();
}

CFIndex CFGetRetainCount(CFTypeRef object) {
    return object ? static_cast<const Object*>(object)->retainCount() : 0;
}

CFTypeID CFGetTypeID(CFTypeRef object) {
    return object ? static_cast<const Object*>(object)->type() : 0;
}

long PlatformLiveObjectCount() {
    return platform::cf::LiveObjectCount();
}
