// SPDX-License-Identifier: GPL-3.0-or-later
// A medium past 4 GiB, made sparse so that it costs no disk: sizes must not wrap at 32 bits, and
// nothing may try to hold it whole.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/Progress.h"
#include "media/MediumSize.h"
#include "support/TempDir.h"
#include "tools/IPSPatcherHandler.h"
#include "tools/MediaWalk.h"

namespace corvane {
namespace {

constexpr std::uintmax_t kPast4GiB = (std::uintmax_t{4} << 30) + 2048;

TEST(HugeFileTest, ASparseFilePast4GiBKeepsItsSizeAndIsNeverReadWhole) {
    test::TempDir dir;
    const std::string huge = dir.write("huge.dsk", "");
    std::filesystem::resize_file(huge, kPast4GiB);
    // Wrapped at 32 bits it would be a 2 KB floppy.
    EXPECT_EQ(MainMediumSize(huge, ""), "4194306 KB");
    NoProgress quiet;
    MediaWalk walk(FillMedia{}, false, quiet);
    walk.add(huge);
    ASSERT_EQ(walk.found().size(), 1u);
    EXPECT_EQ(walk.found()[0].kind, FoundMedium::Kind::HardDisk);

    // Refused after reading one byte past the limit, not 4 GiB; the file stays as it was.
    const std::string patch = dir.write("fix.ips", std::string("PATCH") + "EOF");
    IPSPatcherHandler handler;
    EXPECT_EQ(handler.Apply(patch, huge, std::nullopt), IPSResult::SourceTooBig);
    EXPECT_EQ(handler.Apply(patch, huge, dir.file("out.dsk")), IPSResult::SourceTooBig);
    EXPECT_EQ(std::filesystem::file_size(huge), kPast4GiB);
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.dsk")));
}

}  // namespace
}  // namespace corvane
