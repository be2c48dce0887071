#include "MenuTestFixture.h"

#include "Display/ModelView.h"
#include "Platform/MacMemory.h"

#include <filesystem>
#include <fstream>

using platform::display::TheModelView;

namespace {

std::string Describe() {
    std::ostringstream out;
    TheModelView().describeMenuBar(out);
    return out.str();
}

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

} // namespace

TEST_F(MenuFixture, TheInterfaceFileGivesMenus128To131WithTheirCommands) {
    EXPECT_EQ(Describe(),
              "menu bar: Korvane* | File* | Edit* | Sort*\n"
              "  menu 128 \"Korvane\": \"About Korvane…\"* #1, -* #2, "
              "\"Quit Korvane\"* #'quit' cmd-Q\n"
              "  menu 129 \"File\": \"Import CSV…\"* #10 cmd-I, -* #12\n"
              "  menu 130 \"Edit\": \"Undo\"* #21 cmd-Z, -* #22, \"Cut\"* #23 cmd-X, "
              "\"Copy\"* #24 cmd-C, \"Paste\"* #25 cmd-V, \"Clear\"* #26\n"
              "  menu 131 \"Sort\": \"By Login Name\"* #15 cmd-1, \"By User Name\"* #16 cmd-2, "
              "\"By ID\"* #17 cmd-3\n");
    MenuRef edit = GetMenuHandle(130);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(CountMenuItems(edit), 6);
    MenuCommand command;
    EXPECT_EQ(GetMenuItemCommandID(GetMenuHandle(128), 3, &command), noErr);
    EXPECT_EQ(command, kHICommandQuit);
    EXPECT_EQ(GetMenuItemCommandID(edit, 0, &command), menuItemNotFoundErr);
    EXPECT_EQ(GetMenuItemCommandID(edit, 7, &command), menuItemNotFoundErr);

    // A script finds an item by the titles it shows: the title, then the item under it.
    auto points = TheModelView().menuItem("Sort", "By ID");
    ASSERT_TRUE(points);
    EXPECT_EQ(points->first.h, 160); // "Sort" starts after three titles and their spaces
    EXPECT_EQ(points->first.v, 8);
    EXPECT_EQ(points->second.v, 56); // the third row under the bar
    WindowRef window;
    EXPECT_EQ(FindWindow(points->first, &window), inMenuBar);
    EXPECT_FALSE(TheModelView().menuItem("Sort", "By Date"));
}

TEST_F(MenuFixture, ItemsAreEnabledOneByOneOrByCommandAndQuitStaysEnabled) {
    MenuRef application = GetMenuHandle(128), sort = GetMenuHandle(131);
    DisableAllMenuItems(application);
    EXPECT_TRUE(IsMenuItemEnabled(application, 0)); // the title is not an item
    EXPECT_FALSE(IsMenuItemEnabled(application, 1));
    EXPECT_FALSE(IsMenuItemEnabled(application, 2));
    EXPECT_TRUE(IsMenuItemEnabled(application, 3));
    DisableMenuItem(application, 3);
    DisableMenuCommand(nullptr, kHICommandQuit);
    EXPECT_TRUE(IsMenuItemEnabled(application, 3));

    DisableMenuItem(sort, 0);
    EXPECT_FALSE(IsMenuItemEnabled(sort, 0));
    DisableAllMenuItems(sort);
    EnableMenuCommand(GetMenuHandle(129), 16); // not in that menu
    EXPECT_FALSE(IsMenuItemEnabled(sort, 2));
    EnableMenuCommand(nullptr, 16); // anywhere in the bar
    EXPECT_TRUE(IsMenuItemEnabled(sort, 2));
    EXPECT_FALSE(IsMenuItemEnabled(sort, 3));
    EXPECT_FALSE(IsMenuItemEnabled(sort, 4)); // no such item
    EXPECT_EQ(FirstLine(Describe()), "menu bar: Korvane* | File* | Edit* | Sort");
}

TEST_F(MenuFixture, TheMenuBarHoldsMenusFromResourcesAndInterfaceFiles) {
    PlatformResetResourceChain();
    MenuRef edit = GetMenu(130);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(GetMenu(999), nullptr);
    MenuBarHandle saved = GetMenuBar();
    ClearMenuBar();
    EXPECT_EQ(Describe(), "");
    InsertMenu(edit, 0);
    EXPECT_EQ(Describe(),
              "menu bar: Edit*\n"
              "  menu 130 \"Edit\": \"Undo\" cmd-Z, -, \"Cut\"* cmd-X, \"Copy\"* cmd-C, "
              "\"Paste\"* cmd-V, \"Clear\"*\n");
    SetMenuBar(saved);
    DisposeHandle(saved);
    DeleteMenu(129);
    InsertMenu(edit, 128);
    InsertMenu(edit, 0); // already there, so it stays
    EXPECT_EQ(GetMenuHandle(130), edit);
    EXPECT_EQ(FirstLine(Describe()), "menu bar: Edit* | Korvane* | Edit* | Sort*");
    DisposeMenu(edit);
    EXPECT_EQ(FirstLine(Describe()), "menu bar: Korvane* | Edit* | Sort*");

    HiliteMenu(131);
    EXPECT_EQ(platform::menus::HilitedMenu(), 131);
    DeleteMenu(131);
    EXPECT_EQ(platform::menus::HilitedMenu(), 0);
    DrawMenuBar();
    EXPECT_FALSE(platform::menus::BarNeedsDrawing());
    InvalMenuBar();
    EXPECT_TRUE(platform::menus::BarNeedsDrawing());
    PlatformResetResourceChain();
}

TEST_F(MenuFixture, AMissingOrMalformedInterfaceLeavesTheMenuBarAlone) {
    IBNibRef nib = nullptr;
    EXPECT_EQ(CreateNibReference(CFSTR("Missing"), &nib), kIBCarbonRuntimeCantFindNibFile);

    namespace fs = std::filesystem;
    fs::path bundle = fs::temp_directory_path() / ("MenuTest-" + std::to_string(getpid()) + ".app");
    fs::create_directories(bundle / "Contents/Resources");
    std::ofstream(bundle / "Contents/Resources/Bad.nib.xml")
        << "<interface><menubar name=\"MainMenu\"><menu id=\"5\" title=\"A\">"
           "<item title=\"B\" command=\"1\" key=\"BB\"/></menu></menubar></interface>";
    {
        PlatformScopedMainBundle scoped(bundle.c_str());
        ASSERT_EQ(CreateNibReference(CFSTR("Bad"), &nib), noErr);
        EXPECT_EQ(SetMenuBarFromNib(nib, CFSTR("Other")), kIBCarbonRuntimeCantFindObject);
        EXPECT_EQ(SetMenuBarFromNib(nib, CFSTR("MainMenu")),
                  kIBCarbonRuntimeObjectNotOfRequestedType);
        DisposeNibReference(nib);
    }
    fs::remove_all(bundle);
    EXPECT_NE(GetMenuHandle(131), nullptr);
    EXPECT_EQ(GetMenuHandle(5), nullptr);
}
