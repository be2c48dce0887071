// The open and save panels run the platform's file chooser application-modally.
#include "Platform/Foundation.h"

#include "Navigation/Chooser.h"

using platform::navigation::Chooser;
using platform::navigation::ChooserKind;
using platform::navigation::ChooserResult;
using platform::navigation::ChooserSetup;

NSSavePanel& NSSavePanel::savePanel() {
    static NSSavePanel panel;
    return panel;
}

NSOpenPanel& NSOpenPanel::openPanel() {
    static NSOpenPanel panel;
    return panel;
}

int NSSavePanel::runModalForDirectory(const std::optional<std::string>& directory,
                                      const std::optional<std::string>& file) {
    return Run(Choices{}, directory, file);
}

int NSOpenPanel::runModalForDirectory(const std::optional<std::string>& directory,
                                      const std::optional<std::string>& file) {
    return Run(Choices{true, canChooseFiles_, canChooseDirectories_}, directory, file);
}

// Without the chooser's resources the panel cannot ask: it reports a cancel.
int NSSavePanel::Run(Choices choices, const std::optional<std::string>& directory,
                     const std::optional<std::string>& file) {
    ChooserSetup setup;
    setup.kind = choices.open ? ChooserKind::Open : ChooserKind::Save;
    setup.folder = directory.value_or("");
    setup.name = file.value_or("");
    setup.canChooseFiles = choices.files;
    setup.canChooseFolders = choices.folders;
    filename_.reset();
    Chooser chooser(setup);
    if (!chooser.Opened()) return NSCancelButton;
    const ChooserResult& result = chooser.RunModal(nullptr);
    directory_ = result.folder;
    if (!result.confirmed) return NSCancelButton;
    filename_ = result.path;
    return NSOKButton;
}
