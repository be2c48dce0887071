// The audit entry's text: who, which file, which accounts, bounded whatever the change.
#include "Korvane/DataStore/CommitAudit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const UInt8* Bytes(const std::string& text) {
    return reinterpret_cast<const UInt8*>(text.data());
}

std::string Audit(const std::string& before, const std::string& after, bool known = true) {
    return AuditText("alice (via sudo)", "/etc/Korvane/JobAccounting", Bytes(before),
                     SInt32(before.size()), known, Bytes(after), SInt32(after.size()));
}

TEST(CommitAudit, TheEntryNamesWhoTheFileAndTheAccountsWithinBounds) {
    EXPECT_EQ(Audit("", "ann,5,Ann\r\n"),
              "alice (via sudo) saved /etc/Korvane/JobAccounting: 1 added (ann), 0 removed, 0 "
              "changed; 1 accounts");
    EXPECT_EQ(Audit("ann,5,Ann\nbob,7,Bob\n", "bob,8,Bob\r\n"),
              "alice (via sudo) saved /etc/Korvane/JobAccounting: 0 added, 1 removed (ann), 1 "
              "changed (bob); 1 accounts");
    EXPECT_EQ(Audit("anything", "ann,5,Ann\r\n", false),
              "alice (via sudo) saved /etc/Korvane/JobAccounting: the file before could not be "
              "read, so the accounts changed are not known; 1 accounts");

    // A whole list replaced: the counts are whole, the names stop after twenty.
    std::string many;
    for (int i = 0; i < 5000; ++i)
        many += "u" + std::to_string(i) + "," + std::to_string(i + 1) + ",U\r\n";
    const std::string entry = Audit("", many);
    EXPECT_LT(entry.size(), 400u) << entry;
    EXPECT_NE(entry.find("5000 added (u0, u1, "), std::string::npos) << entry;
    EXPECT_NE(entry.find("u19, ...), 0 removed"), std::string::npos) << entry;

    // A name cannot break the entry into lines of its own.
    EXPECT_NE(Audit("", "a\x1b[2Jb,5,A\r\n").find("1 added (a?[2Jb)"), std::string::npos);
}

} // namespace
