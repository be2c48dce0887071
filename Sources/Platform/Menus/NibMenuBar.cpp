// Interface files: an XML document <interface> holding <menubar name="..."> with <menu id title>
// elements, and in them <item title command key> and <separator command> elements. A command
// is a decimal number or a four-character code; a key is one character.
#include "CoreFoundation/BundleFolders.h"
#include "CoreFoundation/String.h"
#include "Menus/Menu.h"
#include "Platform/Files.h"

#include <cctype>
#include <charconv>
#include <cstring>
#include <memory>
#include <pugixml.hpp>

using namespace platform;
using namespace platform::menus;

struct OpaqueIBNibRef {
    pugi::xml_document document;
};

namespace {

constexpr const char* kNibExtension = ".nib.xml";

std::optional<std::string> NibPath(CFStringRef name) {
    std::optional<std::string> utf8 = cf::UTF8Of(name);
    std::optional<std::string> folder = cf::MainBundleResourcesFolder();
    if (!utf8 || !folder) return std::nullopt;
    return *folder + *utf8 + kNibExtension;
}

std::optional<MenuCommand> ParseCommand(const char* text) {
    size_t length = std::strlen(text);
    MenuCommand command = 0;
    if (length == 0) return command;
    auto [end, error] = std::from_chars(text, text + length, command);
    if (error == std::errc() && end == text + length) return command;
    if (length != 4) return std::nullopt;
    for (size_t i = 0; i < 4; ++i)
        command = (command << 8) | UInt8(text[i]);
    return command;
}

std::optional<UInt8> ParseKey(const char* text) {
    if (!text[0]) return UInt8(0);
    if (text[1] || !std::isprint(UInt8(text[0]))) return std::nullopt;
    return UInt8(std::toupper(UInt8(text[0])));
}

std::optional<MenuItem> ParseItem(const pugi::xml_node& node) {
    bool separator = std::strcmp(node.name(), "separator") == 0;
    if (!separator && (std::strcmp(node.name(), "item") != 0 || !node.attribute("title")))
        return std::nullopt;
    std::optional<MenuCommand> command = ParseCommand(node.attribute("command").value());
    std::optional<UInt8> key = ParseKey(node.attribute("key").value());
    if (!command || !key) return std::nullopt;
    return MenuItem{separator ? "-" : node.attribute("title").value(), true, *key, *command};
}

std::optional<OpaqueMenuRef> ParseMenu(const pugi::xml_node& node) {
    int id = node.attribute("id").as_int(0);
    if (std::strcmp(node.name(), "menu") != 0 || !node.attribute("title") || id <= 0 ||
        id > SHRT_MAX)
        return std::nullopt;
    OpaqueMenuRef menu{MenuID(id), node.attribute("title").value(), true, {}};
    for (pugi::xml_node child : node.children()) {
        std::optional<MenuItem> item = ParseItem(child);
        if (!item) return std::nullopt;
        menu.items.push_back(*item);
    }
    return menu;
}

} // namespace

OSStatus CreateNibReference(CFStringRef inNibName, IBNibRef* outNibRef) {
    if (!outNibRef) return paramErr;
    *outNibRef = nullptr;
    std::optional<std::string> path = NibPath(inNibName);
    auto nib = std::make_unique<OpaqueIBNibRef>();
    if (!path || !nib->document.load_file(path->c_str()) || !nib->document.child("interface"))
        return kIBCarbonRuntimeCantFindNibFile;
    *outNibRef = nib.release();
    return noErr;
}

void DisposeNibReference(IBNibRef inNibRef) {
    delete inNibRef;
}

// The whole menu bar is read before any menu is made, so a malformed one changes nothing.
OSStatus SetMenuBarFromNib(IBNibRef inNibRef, CFStringRef inName) {
    std::optional<std::string> name = cf::UTF8Of(inName);
    if (!inNibRef || !name) return paramErr;
    pugi::xml_node bar = inNibRef->document.child("interface")
                             .find_child_by_attribute("menubar", "name", name->c_str());
    if (!bar) return kIBCarbonRuntimeCantFindObject;
    std::vector<OpaqueMenuRef> parsed;
    for (pugi::xml_node node : bar.children()) {
        std::optional<OpaqueMenuRef> menu = ParseMenu(node);
        if (!menu) return kIBCarbonRuntimeObjectNotOfRequestedType;
        parsed.push_back(std::move(*menu));
    }
    std::vector<MenuRef> menus;
    for (OpaqueMenuRef& menu : parsed)
        menus.push_back(MakeMenu(std::move(menu)));
    SetBar(std::move(menus));
    return noErr;
}
