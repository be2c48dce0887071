#include "Korvane/ListDialog/SortJAList.h"
#include "Korvane/DataStoreSupport.h"
#include "Korvane/ListDialog/JobAccountDialog.h"
#include "Korvane/ListDialog/NameOrder.h"
#include "Platform/MacErrors.h"
#include "TestSupport/HeadlessDriver.h"
#include "TestSupport/ListCells.h"

#include <algorithm>
#include <cstdlib>
#include <gmock/gmock.h>
#include <random>

using namespace testsupport;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

typedef int (*EntryComparator)(const void*, const void*);

std::vector<JASetting> Named(const std::vector<std::string>& names) {
    std::vector<JASetting> entries;
    for (const std::string& name : names)
        entries.push_back(Entry(name, name, name));
    return entries;
}

std::vector<std::string> SortedLogins(std::vector<JASetting> entries, EntryComparator compare) {
    std::qsort(entries.data(), entries.size(), sizeof(JASetting), compare);
    std::vector<std::string> logins;
    for (const JASetting& entry : entries)
        logins.push_back(TextOf(entry.loginName));
    return logins;
}

// Names made of pieces that the collation treats in different ways, the empty name first.
std::vector<std::string> RandomNames(size_t count, unsigned seed) {
    const std::string pieces[] = {"a",    "A",    "b",    "B",     "\xC3\xA9",    "\xE9", "0",
                                  "1",    "01",   "10",   "-",     " ",           "Z",    "z",
                                  "\xFF", "\x80", "user", "Smith", "\xEF\xBD\x9A"};
    std::mt19937 random(seed);
    std::vector<std::string> names = {""};
    while (names.size() < count) {
        std::string name;
        for (size_t pieceCount = 1 + random() % 4; pieceCount > 0; --pieceCount)
            name += pieces[random() % std::size(pieces)];
        names.push_back(name);
    }
    return names;
}

int Sign(int value) {
    return (value > 0) - (value < 0);
}

} // namespace

// Case, digit runs and the ID's length-first order are also sorted end to end.
TEST(SortJAList, EachComparatorsOrder) {
    const struct {
        EntryComparator compare;
        std::vector<std::string> names, sorted;
    } cases[] = {
        // Diacritics and punctuation count against the byte order: acute before grave, and a
        // dash is no letter left out.
        {compare_login, {"f", "\xC3\xA8", "\xC3\xA9", "e"}, {"e", "\xC3\xA9", "\xC3\xA8", "f"}},
        {compare_user, {"ab", "a-c"}, {"a-c", "ab"}},
        {compare_id, {"100", "9", "", "10", "19"}, {"", "9", "10", "19", "100"}},
        // Names the collation finds equal go by their bytes.
        {compare_login, {"zed", "Zed", "a01", "a1"}, {"a01", "a1", "Zed", "zed"}},
        {compare_user, {"a1", "Zed", "a01", "zed"}, {"a01", "a1", "Zed", "zed"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.names.front());
        EXPECT_EQ(SortedLogins(Named(c.names), c.compare), c.sorted);
    }
}

TEST(SortJAList, BytesOutsideASCIISortInOneOrderWhateverTheStart) {
    // "été" in Latin-1 and in UTF-8, stray UTF-8 lead and continuation bytes, every high byte.
    std::vector<std::string> names = {"\xE9t\xE9", "\xC3\xA9t\xC3\xA9", "f", "e", "\xC3", "\x80z",
                                      "zebra",     "\xFF\xFE",          "E"};
    for (int byte = 128; byte < 256; ++byte)
        names.push_back("n" + std::string(1, char(byte)));
    std::vector<std::string> first = SortedLogins(Named(names), compare_login);
    std::mt19937 shuffle(7);
    for (int round = 0; round < 5; ++round) {
        std::shuffle(names.begin(), names.end(), shuffle);
        EXPECT_EQ(SortedLogins(Named(names), compare_login), first);
        EXPECT_EQ(SortedLogins(Named(names), compare_user), first);
    }
    auto at = [&](const std::string& name) {
        return std::find(first.begin(), first.end(), name) - first.begin();
    };
    // Both spellings of "été" sit between e and f, the Latin-1 bytes then the UTF-8 ones.
    EXPECT_LT(at("e"), at("\xC3\xA9t\xC3\xA9"));
    EXPECT_EQ(at("\xC3\xA9t\xC3\xA9") + 1, at("\xE9t\xE9"));
    EXPECT_LT(at("\xE9t\xE9"), at("f"));
    EXPECT_LT(at("f"), at("zebra"));
}

TEST(SortJAList, ComparatorsAreATotalOrder) {
    std::vector<std::string> names = RandomNames(60, 2024);
    std::vector<JASetting> entries = Named(names);
    const size_t n = entries.size();
    for (EntryComparator compare : {compare_login, compare_user, compare_id}) {
        std::vector<int> order(n * n);
        for (size_t i = 0; i < n; ++i)
            for (size_t j = 0; j < n; ++j)
                order[i * n + j] = Sign(compare(&entries[i], &entries[j]));
        for (size_t i = 0; i < n; ++i)
            for (size_t j = 0; j < n; ++j) {
                ASSERT_EQ(order[i * n + j], -order[j * n + i]) << names[i] << " / " << names[j];
                ASSERT_EQ(order[i * n + j] == 0, names[i] == names[j]) << names[i];
                for (size_t k = 0; k < n; ++k) {
                    if (order[i * n + j] <= 0 && order[j * n + k] <= 0) {
                        ASSERT_LE(order[i * n + k], 0)
                            << names[i] << " / " << names[j] << " / " << names[k];
                    }
                }
            }
    }
}

TEST(SortJAList, SortingThroughKeysGivesTheComparatorsOrder) {
    std::vector<std::string> names = RandomNames(400, 11);
    names.push_back(std::string(255, 'x'));
    std::string expansions; // a key far longer than an ordinary name's
    for (int i = 0; i < 85; ++i)
        expansions += "\xEF\xB7\xBA";
    names.push_back(expansions);
    for (auto [field, compare] : {std::pair{&JASetting::loginName, &compare_login},
                                  std::pair{&JASetting::userName, &compare_user}}) {
        std::vector<JASetting> entries = Named(names);
        ASSERT_EQ(SortByNameKeys(entries.data(), SInt16(entries.size()), field), noErr);
        std::vector<std::string> sorted;
        for (const JASetting& entry : entries)
            sorted.push_back(TextOf(entry.loginName));
        EXPECT_EQ(sorted, SortedLogins(Named(names), compare));
    }
    JASetting one = Entry("b", "1", "b");
    EXPECT_EQ(SortByNameKeys(&one, 1, &JASetting::loginName), noErr);
    EXPECT_EQ(SortByNameKeys(nullptr, 0, &JASetting::loginName), noErr);
}

namespace {

class SortJAListDialog : public ::testing::Test {
  protected:
    SortJAListDialog() {
        PlatformResetResourceChain();
        dialog = GetNewDialog(kJobAccountDialogID, nullptr, WindowRef(-1));
        store.context->jobAccountDialog = dialog;
        SetWRefCon(GetDialogWindow(dialog), SRefCon(store.context));
    }
    ~SortJAListDialog() override {
        if (store.setting->theList) LDispose(store.setting->theList);
        DisposeDialog(dialog);
        PlatformResetResourceChain();
    }

    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        const ListHandle list = store.setting->theList;
        for (SInt16 row = 0; row < RowCount(list); ++row)
            rows.push_back(CellText(list, Cell{row, 0}) + "|" + CellText(list, Cell{row, 1}));
        return rows;
    }

    HeadlessDriver display;
    StoreContext store;
    DialogRef dialog;
};

} // namespace

// Pages, selection and Save after a sort are checked end to end; the working copy is not.
TEST_F(SortJAListDialog, SortRewritesTheWorkingCopy) {
    store.SetEntries({Entry("c", "3", "Carl"), Entry("a", "10", "anna"), Entry("B", "2", "Bob")});
    ASSERT_EQ(Sort_JA_List(store.context, kSortByID), noErr);
    EXPECT_EQ(ReadFileText(store.WorkingCopyPath()), "B,2,Bob\r\nc,3,Carl\r\na,10,anna\r\n");
    EXPECT_THAT(Rows(), ElementsAre("Bob|2", "Carl|3", "anna|10"));
    ASSERT_EQ(Sort_JA_List(store.context, 7), noErr); // any other method: by login name
    EXPECT_THAT(Rows(), ElementsAre("anna|10", "Bob|2", "Carl|3"));
    EXPECT_EQ(display.Printouts(), ""); // no alert

    store.SetEntries({});
    ASSERT_EQ(Sort_JA_List(store.context, kSortByLogin), noErr);
    EXPECT_EQ(ReadFileText(store.WorkingCopyPath()), "");
}

TEST_F(SortJAListDialog, AFailedRewriteIsShownAndLeavesTheEntriesSorted) {
    store.SetEntries({Entry("b", "2", "B"), Entry("a", "1", "A")});
    std::filesystem::remove(store.WorkingCopyPath());
    display.Script("print\nkey return\n");
    EXPECT_EQ(Sort_JA_List(store.context, kSortByLogin), fnfErr);
    EXPECT_THAT(display.Printouts(), HasSubstr("alert caution"));
    EXPECT_FALSE(SAVE_BUTTON_Flag);
    EXPECT_EQ(TextOf(store.entries->records[0].loginName), "a");
    EXPECT_EQ(store.setting->theList, nullptr); // the rows were not rebuilt

    display.Script("print\nkey return\n");
    store.context->settingPrivate = nullptr;
    EXPECT_EQ(Sort_JA_List(store.context, kSortByLogin), paramErr);
    store.context->settingPrivate = store.setting;
}
