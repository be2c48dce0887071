#include "Platform/Quickdraw.h"

#include <algorithm>

void OffsetRect(Rect* r, SInt16 dh, SInt16 dv) {
    r->left = SInt16(r->left + dh);
    r->right = SInt16(r->right + dh);
    r->top = SInt16(r->top + dv);
    r->bottom = SInt16(r->bottom + dv);
}

void InsetRect(Rect* r, SInt16 dh, SInt16 dv) {
    r->left = SInt16(r->left + dh);
    r->right = SInt16(r->right - dh);
    r->top = SInt16(r->top + dv);
    r->bottom = SInt16(r->bottom - dv);
    if (EmptyRect(r)) *r = Rect{};
}

Boolean SectRect(const Rect* a, const Rect* b, Rect* dst) {
    Rect common{std::max(a->top, b->top), std::max(a->left, b->left),
                std::min(a->bottom, b->bottom), std::min(a->right, b->right)};
    *dst = EmptyRect(&common) ? Rect{} : common;
    return !EmptyRect(dst);
}

void UnionRect(const Rect* a, const Rect* b, Rect* dst) {
    *dst = Rect{std::min(a->top, b->top), std::min(a->left, b->left),
                std::max(a->bottom, b->bottom), std::max(a->right, b->right)};
}

Boolean PtInRect(Point pt, const Rect* r) {
    return pt.h >= r->left && pt.h < r->right && pt.v >= r->top && pt.v < r->bottom;
}

Boolean EqualRect(const Rect* a, const Rect* b) {
    return a->top == b->top && a->left == b->left && a->bottom == b->bottom && a->right == b->right;
}

Boolean EmptyRect(const Rect* r) {
    return r->bottom <= r->top || r->right <= r->left;
}
