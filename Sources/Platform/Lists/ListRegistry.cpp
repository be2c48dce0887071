#include "Lists/List.h"
#include "Support/HandleRegistry.h"

namespace platform::lists {

namespace {

HandleRegistry<List>& Lists() {
    static HandleRegistry<List> lists;
    return lists;
}

} // namespace

List* Find(ListHandle handle) {
    return Lists().Find(handle);
}

List& Register(std::unique_ptr<List> list) {
    return Lists().Add(std::move(list));
}

void Forget(ListHandle handle) {
    Lists().Remove(handle);
}

std::vector<List*> ListsIn(WindowRef window) {
    return Lists().Where([&](const List& list) { return list.window == window; });
}

long Count() {
    return long(Lists().Size());
}

void Reset() {
    for (List* list : Lists().All())
        LDispose(list->Handle());
}

} // namespace platform::lists
