#include "Korvane/DataStoreSupport.h"
#include "Korvane/ImportExport/Export.h"
#include "Platform/MacErrors.h"
#include "TestSupport/FinderInfo.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace testsupport;

namespace {

FSRef RefOf(const std::string& path) {
    FSRef ref{};
    EXPECT_EQ(FSPathMakeRef(reinterpret_cast<const UInt8*>(path.c_str()), &ref, nullptr), noErr);
    return ref;
}

FInfo FinderInfoOf(const FSRef& ref) {
    FSSpec spec;
    FInfo info{};
    EXPECT_EQ(FSGetCatalogInfo(&ref, kFSCatInfoNone, nullptr, nullptr, &spec, nullptr), noErr);
    EXPECT_EQ(GetFileFinderInfo(spec, &info), noErr);
    return info;
}

class ExportFile : public ::testing::Test {
  protected:
    ExportFile() {
        std::ofstream(target) << "old content\r\n";
        context->exportFileRef = RefOf(target);
        FSSpec spec;
        FSGetCatalogInfo(&context->exportFileRef, kFSCatInfoNone, nullptr, nullptr, &spec, nullptr);
        FInfo info{FOUR_CHAR_CODE("WDBN"), FOUR_CHAR_CODE("MSWD"), kIsInvisible, {0, 0}, 0};
        SetFileFinderInfo(spec, info);
        const char text[] = "ann,42,Ann Lee\r\nbob,7,Bob B\r\n";
        context->tempTextLength = SInt32(std::strlen(text));
        context->tempText = NewPtr(context->tempTextLength);
        std::memcpy(context->tempText, text, size_t(context->tempTextLength));
    }
    ~ExportFile() override { DisposePtr(Ptr(context)); }

    TempFolder folder;
    std::string target = folder / "Accounts.txt";
    GlueRec* context = reinterpret_cast<GlueRec*>(NewPtrClear(sizeof(GlueRec)));
};

} // namespace

TEST_F(ExportFile, FailedWriteLeavesAReplacedFileIntactAndRemovesANewOne) {
    {
        PlatformScopedWriteFailure diskFull(5, dskFulErr);
        EXPECT_EQ(TextSave(context), dskFulErr);
    }
    EXPECT_EQ(context->tempText, nullptr);
    EXPECT_EQ(ReadFileText(target), "old content\r\n");
    EXPECT_EQ(FinderInfoOf(context->exportFileRef).fdType, FOUR_CHAR_CODE("WDBN"));
    EXPECT_FALSE(std::filesystem::exists(folder / "QZJA.export"));

    NavReplyRecord reply{};
    reply.validRecord = true;
    reply.replacing = true;
    CompleteSave(&reply, &context->exportFileRef, false);
    EXPECT_EQ(ReadFileText(target), "old content\r\n");

    reply.validRecord = true;
    reply.replacing = false; // the file was made by this save
    CompleteSave(&reply, &context->exportFileRef, false);
    EXPECT_FALSE(std::filesystem::exists(target));
}

TEST(ExportFileName, IsCutToItsFirst255UnitsWithoutSplittingAPair) {
    struct {
        const char* what;
        std::string name;
        UniCharCount expected;
    } cases[] = {
        {"short", "Accounts.txt", 12},
        {"300 units", std::string(300, 'a'), 255},
        {"a pair across the cut", std::string(254, 'a') + "\xF0\x9F\x93\x84" + "b", 254},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        NavReplyRecord reply{};
        reply.saveFileName =
            CFStringCreateWithCString(nullptr, c.name.c_str(), kCFStringEncodingUTF8);
        UniChar name[kMaxExportNameLength];
        EXPECT_EQ(ReplyFileName(&reply, name), c.expected);
        EXPECT_EQ(name[0], UniChar(c.name[0]));
        CFRelease(reply.saveFileName);
    }
}
