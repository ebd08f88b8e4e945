// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/IpsOperation.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/Progress.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {

// "PATCH", one record writing "XY" at offset 1, "EOF".
const std::string kPatch = std::string("PATCH") + std::string("\0\0\1\0\2", 5) + "XYEOF";
// SHA-1 of "abcd".
const std::string kSourceSha1 = "81FE8BFE87576C3ECB22426F8E57847382917ACF";

class StopAtOnce : public Progress {
public:
    void setRange(std::int64_t) override {}
    void setPosition(std::int64_t) override {}
    void setStatus(const std::string&) override {}
    void setDetail(const std::string&) override {}
    bool cancelled() const override { return true; }
};

struct IpsFiles {
    TempDir dir;
    std::string patch = dir.write("fix.ips", kPatch);
    std::string source = dir.write("game.rom", "abcd");
    std::string target = dir.file("out.rom");
    KeyTextSource texts;
    IpsOperation operation{texts};

    ToolReport run(IpsRequest request, Progress& progress) {
        EXPECT_EQ(IpsOperation::refusal(request), std::nullopt);
        IpsJob job(std::move(request));
        job.run(progress);
        return operation.finish(job);
    }
    ToolReport run(IpsRequest request) {
        NoProgress progress;
        return run(std::move(request), progress);
    }
};

}  // namespace

TEST(IpsOperation, EmptyFieldsAreRefusedInTheWindowsOrderAfterTrimming) {
    IpsRequest request;
    request.patchPath = " \t ";
    request.sourcePath = " ";
    EXPECT_EQ(IpsOperation::refusal(request), "M_ERR_PATCH_IPS_EMPTY");
    request.patchPath = "  fix.ips\t";
    EXPECT_EQ(IpsOperation::refusal(request), "M_ERR_PATCH_SRC_EMPTY");
    EXPECT_EQ(request.patchPath, "fix.ips");
    request.sourcePath = "game.rom ";
    EXPECT_EQ(IpsOperation::refusal(request), "M_ERR_PATCH_TARGET_EMPTY");
    // Patching the source directly needs no target.
    request.separateTarget = false;
    EXPECT_EQ(IpsOperation::refusal(request), std::nullopt);
    EXPECT_EQ(request.sourcePath, "game.rom");
}

TEST(IpsOperation, EnforcedSha1IsComparedIgnoringCaseBeforeAnythingIsWritten) {
    IpsFiles files;
    IpsRequest request{files.patch, files.source, true, files.target, true, kSourceSha1};
    ToolReport report = files.run(request);
    EXPECT_EQ(report.result, OperationResult::Done);
    EXPECT_EQ(report.message, "M_PATCH_APPLIED");
    EXPECT_EQ(readFile(files.target), "aXYd");
    EXPECT_EQ(readFile(files.source), "abcd");

    // A mismatch, a blank typed around the value (not trimmed) included, writes nothing.
    std::filesystem::remove(files.target);
    for (const std::string& expected :
         {std::string("0") + kSourceSha1.substr(1), " " + kSourceSha1}) {
        request.expectedSha1 = expected;
        report = files.run(request);
        EXPECT_EQ(report.result, OperationResult::FileError);
        EXPECT_EQ(report.error, "M_ERR_PATCH_SHA1_NOT_MATCH");
        EXPECT_FALSE(std::filesystem::exists(files.target));
    }
    // An unreadable source hashes to nothing, which no expectation matches.
    request.sourcePath = files.dir.file("missing.rom");
    request.expectedSha1 = kSourceSha1;
    EXPECT_EQ(files.run(request).error, "M_ERR_PATCH_SHA1_NOT_MATCH");

    // Stopped while hashing: no message and no file.
    request.sourcePath = files.source;
    StopAtOnce stop;
    report = files.run(request, stop);
    EXPECT_EQ(report.result, OperationResult::NothingDone);
    EXPECT_TRUE(report.error.empty());
    EXPECT_FALSE(std::filesystem::exists(files.target));
}

TEST(IpsOperation, PatchesTheSourceDirectlyAndTellsTheEnginesFailures) {
    IpsFiles files;
    IpsRequest request{files.patch, files.source, false, "", false, ""};
    EXPECT_EQ(files.run(request).result, OperationResult::Done);
    EXPECT_EQ(readFile(files.source), "aXYd");

    request.patchPath = files.dir.write("short.ips", "PATCHEO");
    ToolReport report = files.run(request);
    EXPECT_EQ(report.result, OperationResult::FileError);
    EXPECT_EQ(report.error, "M_ERR_INVALID_IPS");
    request.patchPath = files.dir.file("none.ips");
    EXPECT_EQ(files.run(request).error, "M_ERR_NOT_FOUND_IPS");
    request.patchPath = files.patch;
    request.sourcePath = files.dir.write("empty.rom", "");
    EXPECT_EQ(files.run(request).error, "M_ERR_NOT_FOUND_ROM_TO_PATCH");
    EXPECT_EQ(readFile(files.source), "aXYd");
}
