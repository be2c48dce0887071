// The common base of every Core Foundation object: a type and the one reference its owner
// releases.
#pragma once

#include "Platform/CoreFoundation.h"

#include <atomic>

namespace platform::cf {

enum TypeID : CFTypeID { kStringTypeID = 1, kDictionaryTypeID, kURLTypeID, kBundleTypeID };

class Object {
  public:
    explicit Object(CFTypeID type);
    virtual ~Object();
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    CFTypeID type() const { return type_; }
    // Deletes the object.
    void release() const;
    // Constants live as long as the process; release leaves them alone.
    void makeImmortal() { immortal_ = true; }

  private:
    CFTypeID type_;
    bool immortal_ = false;
    bool lasting_;
};

// Objects made on this thread while a scope is alive belong to the process (constants, the
// main bundles and what they hold): a test that makes one first has not leaked it.
class LastingScope {
  public:
    LastingScope();
    ~LastingScope();
    LastingScope(const LastingScope&) = delete;
    LastingScope& operator=(const LastingScope&) = delete;
};

// Objects alive in the process, those that belong to it left out, for tests that look for leaks.
long LiveObjectCount();

// The object behind a reference when it has the type of T, else null.
template <class T> const T* As(CFTypeRef ref) {
    const auto* object = static_cast<const Object*>(ref);
    return object && object->type() == T::kTypeID ? static_cast<const T*>(object) : nullptr;
}

template <class Ref> Ref ToRef(const Object* object) {
    return reinterpret_cast<Ref>(const_cast<Object*>(object));
}

} // namespace platform::cf
