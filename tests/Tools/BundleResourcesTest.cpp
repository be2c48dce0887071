// The resource files and the interface file the build puts into the bundle.
#include "Platform/ResourceFileFormat.h"
#include "ResourceBytes.h"
#include "TestSupport/FileContents.h"

#include <cstring>
#include <gtest/gtest.h>
#include <map>
#include <pugixml.hpp>
#include <set>

using namespace resourcetest;
using platform::resources::ParseResourceFile;
using platform::resources::ResourceFileImage;

namespace {

const std::string kResources = std::string(KORVANE_BUILD_BUNDLE) + "/Contents/Resources/";

enum Kind { User = 0, Button = 4, Control = 7, Static = 8, Edit = 16 };

class BundleResources : public testing::Test {
  protected:
    static void SetUpTestSuite() { application_ = Load("Korvane.rsrc"); }

    static std::map<std::pair<ResType, int>, std::vector<UInt8>> Load(const std::string& name) {
        std::vector<UInt8> bytes = testsupport::ReadFileBytes(kResources + name);
        ResourceFileImage image;
        EXPECT_EQ(ParseResourceFile(bytes, &image), noErr) << name;
        std::map<std::pair<ResType, int>, std::vector<UInt8>> resources;
        for (auto& entry : image.entries)
            resources[{entry.type, entry.id}] = entry.data;
        return resources;
    }

    static const std::vector<UInt8>& Get(const char (&type)[5], int id) {
        auto found = application_.find({FOUR_CHAR_CODE(type), id});
        if (found == application_.end())
            throw std::runtime_error(std::string(type) + " " + std::to_string(id) + " is missing");
        return found->second;
    }

    static std::vector<DialogItem> Items(int id) { return WalkItemList(Get("DITL", id)); }

    static std::vector<std::string> Strings(int id) {
        const auto& list = Get("STR#", id);
        std::vector<std::string> strings;
        size_t at = 2;
        for (int i = 0; i < Big16(list, 0); ++i) {
            strings.push_back(PascalAt(list, at));
            at += 1 + strings.back().size();
        }
        return strings;
    }

    static inline std::map<std::pair<ResType, int>, std::vector<UInt8>> application_;
};

size_t Characters(const std::string& utf8) {
    size_t count = 0;
    for (unsigned char c : utf8)
        count += (c & 0xC0) != 0x80;
    return count;
}

} // namespace

// The items the code addresses have their kinds and are enabled; every other list and editor
// item is inert.
TEST_F(BundleResources, DialogsHaveTheItemsTheCodeAddresses) {
    const std::map<int, std::map<int, int>> addressed = {
        {1007,
         {{3, Button},
          {4, Button},
          {7, User},
          {14, Button},
          {15, Button},
          {16, Button},
          {20, Button},
          {21, Button},
          {22, Button}}},
        {1008, {{1, Button}, {3, Button}, {4, Button}, {8, Edit}, {9, Edit}, {10, Edit}}},
        {1015, {{1, Button}, {2, Button}, {4, Edit}}},
        {132, {{1, Button}, {3, Control}}}};
    for (const auto& [id, kinds] : addressed) {
        EXPECT_EQ(Big16(Get("DLOG", id), 18), id) << "DLOG " << id;
        auto items = Items(id);
        for (size_t i = 0; i < items.size(); ++i) {
            SCOPED_TRACE("DITL " + std::to_string(id) + " item " + std::to_string(i + 1));
            auto kind = kinds.find(int(i + 1));
            if (kind != kinds.end()) {
                EXPECT_TRUE(items[i].kind == kind->second && !items[i].disabled);
            } else if (id != 132) {
                EXPECT_TRUE(items[i].disabled &&
                            (items[i].kind == Static || items[i].kind == User));
            }
        }
    }
    auto help = Items(132);
    ASSERT_GE(help.size(), 7u);
    for (int user : {1, 4, 5})
        EXPECT_EQ(help[user].kind, User);
    EXPECT_EQ(help[3].kind, Static);
    EXPECT_NE(help[3].text().find("^0"), std::string::npos) << "the title takes the product name";
    // The scroll bar's template, which the dialog code converts by its procID.
    EXPECT_EQ(Big16(Get("CNTL", help[2].resourceID()), 16), 16);
}

TEST_F(BundleResources, AlertsAnswerWithTheItemsTheCodeTests) {
    std::vector<int> alerts = {130, 131, 1009, 1011, 1012, 1021};
    for (int id = 1100; id <= 1109; ++id)
        alerts.push_back(id);
    for (int id : alerts) {
        auto items = Items(Big16(Get("ALRT", id), 8));
        ASSERT_FALSE(items.empty());
        EXPECT_EQ(items[0].kind, Button) << "ALRT " << id;
    }
    EXPECT_EQ(Items(1009)[0].text(), "Save");
    EXPECT_EQ(Items(1011)[0].text(), "Replace");
    EXPECT_TRUE(Items(1012)[1].kind == Button && Items(1012)[1].text() == "Delete All");
    EXPECT_EQ(Items(130)[1].text() + Items(131)[1].text() + Items(131)[2].text(), "^0^0^1");
}

TEST_F(BundleResources, StringsAtTheIndicesTheCodeReads) {
    auto messages = Strings(128);
    ASSERT_GE(messages.size(), 8u);
    for (int index : {1, 3, 4, 5, 8})
        EXPECT_FALSE(messages[index - 1].empty()) << index;
    auto exportNames = Strings(132);
    ASSERT_GE(exportNames.size(), 5u);
    EXPECT_EQ(exportNames[4], "Job Accounts.txt");
    EXPECT_EQ(PascalAt(Get("STR ", -8185), 0), "Korvane");
    EXPECT_FALSE(PascalAt(Get("vers", 1), 6).empty()) << "short version string";
}

TEST_F(BundleResources, HelpTopicsNameStyledTexts) {
    for (int id : {1007, 1008}) {
        const auto& help = Get("Help", id);
        int count = Big16(help, 0);
        ASSERT_GT(count, 0);
        ASSERT_EQ(help.size(), size_t(2 + 50 * count)) << "Help " << id;
        for (int i = 0; i < count; ++i) {
            std::string title = PascalAt(help, 2 + 50 * i);
            int text = Big16(help, 2 + 50 * i + 48);
            EXPECT_FALSE(title.empty());
            const auto& topic = Get("TEXT", text);
            const auto& style = Get("styl", text);
            int runs = Big16(style, 0);
            ASSERT_EQ(style.size(), size_t(2 + 20 * runs)) << title;
            EXPECT_EQ(Big32(style, 2), 0u) << title;
            for (int r = 1; r < runs; ++r) {
                EXPECT_GT(Big32(style, 2 + 20 * r), Big32(style, 2 + 20 * (r - 1))) << title;
                EXPECT_LT(Big32(style, 2 + 20 * r), topic.size()) << title;
            }
        }
    }
}

// Text is 8 x 16 pixels a character: layouts keep to that grid and one-line texts fit.
TEST_F(BundleResources, LayoutsKeepToTheCharacterGrid) {
    auto onGrid = [](const Rect& r) {
        return r.left % 8 == 0 && r.right % 8 == 0 && r.top % 16 == 0 && r.bottom % 16 == 0;
    };
    for (const auto& [key, data] : application_) {
        auto [type, id] = key;
        if (type == FOUR_CHAR_CODE("DLOG") || type == FOUR_CHAR_CODE("ALRT")) {
            EXPECT_TRUE(onGrid(RectAt(data, 0))) << "bounds of " << id;
        }
        if (type != FOUR_CHAR_CODE("DITL")) continue;
        auto items = WalkItemList(data);
        for (size_t i = 0; i < items.size(); ++i) {
            const DialogItem& item = items[i];
            EXPECT_TRUE(onGrid(item.box)) << "DITL " << id << " item " << i + 1;
            bool oneLine = item.kind == Button ||
                           (item.kind == Static && item.box.bottom - item.box.top == 16);
            if (oneLine && item.text().find('^') == std::string::npos) {
                EXPECT_LE(Characters(item.text()) * 8, size_t(item.box.right - item.box.left))
                    << "DITL " << id << " item " << i + 1 << ": " << item.text();
            }
        }
    }
}

// The menu bar of the interface file and the command lists of the resource file agree.
TEST_F(BundleResources, MenuBarMatchesTheCommandLists) {
    pugi::xml_document nib;
    ASSERT_TRUE(nib.load_file((kResources + "Korvane.nib.xml").c_str()));
    auto bar = nib.select_node("/interface/menubar[@name='MainMenu']").node();
    ASSERT_TRUE(bar);
    std::map<int, std::vector<pugi::xml_node>> menus;
    for (auto menu : bar.children("menu"))
        for (auto item : menu.children())
            menus[menu.attribute("id").as_int()].push_back(item);
    ASSERT_EQ(menus.size(), 4u);
    int quitItems = 0;
    for (auto& [id, items] : menus) {
        const auto& mcmd = Get("MCMD", id);
        SInt16 count;
        std::memcpy(&count, mcmd.data(), 2);
        ASSERT_LE(size_t(count), items.size()) << "menu " << id;
        for (size_t i = 0; i < items.size(); ++i) {
            std::string command = items[i].attribute("command").value();
            std::string key = items[i].attribute("key").value();
            EXPECT_NE(key == "E" || key == "e", true) << "Command-E belongs to the export";
            quitItems += command == "quit";
            if (i >= size_t(count)) {
                EXPECT_EQ(command.size(), 4u) << "menu " << id << " item " << i + 1;
                continue;
            }
            SInt16 number;
            std::memcpy(&number, mcmd.data() + 2 + 2 * i, 2);
            EXPECT_EQ(command, std::to_string(number)) << "menu " << id << " item " << i + 1;
        }
    }
    EXPECT_EQ(quitItems, 2); // in the application's menu and at the end of the File menu
    // The edit menu loaded from the resources matches the interface file's.
    const auto& edit = Get("MENU", 130);
    size_t at = 14 + 1 + edit[14];
    for (auto item : menus[130]) {
        std::string title =
            std::string(item.name()) == "separator" ? "-" : item.attribute("title").value();
        EXPECT_EQ(PascalAt(edit, at), title);
        std::string key = item.attribute("key").value();
        EXPECT_EQ(edit.at(at + 1 + title.size() + 1), key.empty() ? 0 : key[0]) << title;
        at += 1 + title.size() + 4;
    }
    EXPECT_EQ(edit.at(at), 0) << "no more items";
}
