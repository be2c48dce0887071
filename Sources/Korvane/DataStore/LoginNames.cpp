#include "Korvane/DataStore/LoginNames.h"

Boolean SameLoginName(ConstStr255Param a, ConstStr255Param b) {
    return SameLoginName(a, LoginNameKey(b));
}

Boolean SameLoginName(ConstStr255Param name, std::string_view login) {
    return LoginNameKey(name) == login;
}

std::string_view LoginNameKey(ConstStr255Param name) {
    return {reinterpret_cast<const char*>(name + 1), name[0]};
}
