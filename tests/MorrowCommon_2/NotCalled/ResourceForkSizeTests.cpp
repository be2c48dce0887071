#include "MorrowCommon_2/MyResourceForkSize.h"
#include "Platform/MacErrors.h"
#include "TestSupport/FileSpecs.h"
#include "TestSupport/ResourceFiles.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

struct Sizes {
    OSErr err;
    SInt32 logical, physical;
    Boolean has;
    bool operator==(const Sizes&) const = default;
};

Sizes SizesOf(const FSSpec& spec) {
    Sizes sizes{noErr, -1, -1, true};
    EXPECT_EQ(GetFileLogicalResourceForkSize(&spec, &sizes.logical),
              GetFilePhysicalResourceForkSize(&spec, &sizes.physical));
    sizes.err = TheFileHasResourceFork(&spec, &sizes.has);
    return sizes;
}

} // namespace

// Physical lengths are counted in 512-byte blocks.
TEST(MyResourceForkSize, LengthsOfTheForkAndWhetherThereIsOne) {
    TempFolder temp;
    const FSSpec plain = SpecIn(temp.str(), "plain"), forked = SpecIn(temp.str(), "forked");
    WriteFileBytes(temp / "plain", BytesOf("data only"));
    WriteResourceForkBytes(forked, std::vector<UInt8>(700, 0xA5));

    EXPECT_EQ(SizesOf(plain), (Sizes{noErr, 0, 0, false}));
    EXPECT_EQ(SizesOf(forked), (Sizes{noErr, 700, 1024, true}));
    EXPECT_EQ(SizesOf(SpecIn(temp.str(), "missing")), (Sizes{fnfErr, 0, 0, false}));
}
