// The testing hooks that count what is alive and put the whole platform back as it starts.
#include "Controls/Control.h"
#include "Dialogs/Dialog.h"
#include "Display/Backend.h"
#include "Events/EventSource.h"
#include "Files/ForkTable.h"
#include "Files/NodeTable.h"
#include "Lists/List.h"
#include "Menus/Menu.h"
#include "Platform/PlatformTesting.h"
#include "TextEdit/TextEditRecord.h"
#include "Windows/Window.h"

using namespace platform;

PlatformLiveCounts PlatformCountLive() {
    return PlatformLiveCounts{long(windows::WindowList().size()), files::Forks().ProgramForkCount(),
                              lists::Count(), textedit::Count(), PlatformLiveObjectCount()};
}

// The display goes first, so that nothing of the teardown is drawn; the records go before the
// windows they draw in, the resource files before the forks under them, the main bundle last,
// after the resource files that came from it.
void PlatformResetProcessState() {
    display::InstallBackend(nullptr);
    textedit::Reset();
    lists::Reset();
    dialogs::Reset();
    windows::Reset();
    controls::Reset();
    menus::Reset();
    events::Reset();
    PlatformResetResourceChain();
    files::Forks().CloseAll();
    files::ForgetNodesAndVolumes();
    PlatformSetMainBundlePath(nullptr);
}
