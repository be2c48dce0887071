#include "CopyRules.h"
#include "Utility/Utility.h"

#include "Platform/Foundation.h"

namespace {

std::optional<std::string> TextOrNothing(const char* text) {
    return text ? std::optional<std::string>(text) : std::nullopt;
}

void HandOver(const std::optional<std::string>& text, char** out) {
    if (text && out) *out = MallocTextCopy(*text);
}

} // namespace

Boolean MyOpenPanel(char* directory, char** chosenDirectory, char** chosenFile,
                    bool canChooseDirectories, bool canChooseFiles) {
    NSAutoreleasePool pool;
    NSOpenPanel& panel = NSOpenPanel::openPanel();
    panel.setCanChooseDirectories(canChooseDirectories);
    panel.setCanChooseFiles(canChooseFiles);
    const bool confirmed =
        panel.runModalForDirectory(TextOrNothing(directory), std::nullopt) == NSOKButton;
    HandOver(panel.directory(), chosenDirectory);
    HandOver(panel.filename(), chosenFile);
    return confirmed;
}

// A confirmed path that does not fit an FSSpec (a name over 63 bytes) is no answer: the caller
// would otherwise go on with a stale or half-written spec.
Boolean MySavePanel(char*, char* fileName, FSSpec* spec) {
    NSAutoreleasePool pool;
    NSSavePanel& panel = NSSavePanel::savePanel();
    NSLog("savePanel runModa\n");
    const bool confirmed =
        panel.runModalForDirectory(std::nullopt, TextOrNothing(fileName)) == NSOKButton;
    const std::optional<std::string> path = panel.filename();
    const OSErr err = PathToFSSpec(path ? path->c_str() : nullptr, spec);
    return confirmed && err == noErr;
}
