// SPDX-License-Identifier: GPL-3.0-or-later
// Every tool that reads the databases meets one that is there but cannot be read: each fails,
// naming it, and no file changes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <map>
#include <sstream>

#include "app/AdjustPathsOperation.h"
#include "app/CsvExportOperation.h"
#include "app/OtherDumpsOperation.h"
#include "app/ProfileListLoader.h"
#include "app/Sha1CenterOperation.h"
#include "app/UnreadableDatabase.h"
#include "common/Progress.h"
#include "emulator/SoftwareIndex.h"
#include "media/Sha1Cache.h"
#include "model/DatabaseStore.h"
#include "selection/ProfileSearch.h"
#include "support/ChildProcess.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {

// Every file of the folder with its bytes and permission bits.
std::map<std::string, std::string> snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const auto mode = static_cast<unsigned>(entry.status().permissions());
        files[entry.path().string()] = std::to_string(mode) + ":" + readFile(entry.path());
    }
    return files;
}

}  // namespace

TEST(UnreadableDatabaseTest, EveryReadingToolFailsNamingItAndWritesNothing) {
    TempDir base;
    const std::string rom = base.write("a.rom", "a medium");
    base.write("A.db", "Alpha|" + rom + "\r\nBeta|/old/b.rom\r\n");
    const std::string unreadable = base.write("B.db", "Gamma|/old/c.rom\r\n");
    base.write("C.db", "Delta|/old/d.rom\r\n");
    const std::string csv = base.write("out.csv", "an earlier export");
    const std::string other = base.write("other.bin", "in no profile");
    ASSERT_EQ(::chmod(unreadable.c_str(), 0), 0);

    KeyTextSource texts;
    DatabaseStore store(base.path());
    Sha1Cache cache;
    SoftwareIndex index;
    const SoftwareSources sources(base.file("no emulator"));
    NoProgress progress;
    const std::string named = "M_ERR_FILE_IO: \"B\"";

    // Each gives what the user reads.
    const std::map<std::string, std::function<std::string()>> tools{
        {"csv export of all databases",
         [&] {
             CsvExportOperation operation(store, cache, texts);
             CsvExportRequest request;
             request.file = csv;
             request.all = true;
             CsvExportJob job = operation.prepare(request, sources);
             job.run(progress);
             return operation.finish(job).error;
         }},
        {"csv export to a stream",
         [&] {
             CsvExportOperation operation(store, cache, texts);
             CsvExportRequest request;
             request.file = "-";
             request.all = true;
             CsvExportJob job = operation.prepare(request, sources);
             std::ostringstream out;
             job.runTo(out, progress);
             const std::string error = operation.finish(job).error;
             return out.str().empty() ? error : "rows written";
         }},
        {"adjust relative path",
         [&] {
             AdjustPathsOperation operation(store, texts);
             const AdjustPathsOperation::CurrentPath current = operation.currentRelativePath();
             AdjustPathsJob job = operation.prepare({"/old/", "/new", true});
             job.run(progress);
             const std::string error = operation.finish(job).error;
             return error == operation.unreadableText(current) ? error : "differ: " + error;
         }},
        {"sha1 search of the launcher databases",
         [&] {
             Sha1CenterOperation operation(store, cache, sources, texts);
             Sha1CenterJob job = operation.prepare({other, true, Sha1Target::Launcher});
             job.run(progress);
             return operation.finish(job).error;
         }},
        {"other dumps",
         [&] {
             OtherDumpsOperation operation(store, cache, index, texts);
             OtherDumpsSearch search = operation.prepare({"Alpha", "A", "0123"});
             const bool completed = search.run(progress);
             return operation.finish(search, completed).error;
         }},
        {"list load",
         [&] {
             const ProfileList list = loadProfileList(unreadable, {}, progress);
             return list.read == ReadResult::Unreadable && list.lines.empty()
                        ? unreadableDatabaseText(texts, "B")
                        : "read";
         }},
        {"search",
         [&] {
             ProfileSearch search(store);
             const SearchResult found = search.find("a").value();
             return found.hits.empty() ? unreadableDatabaseText(texts, found.unreadable) : "hits";
         }},
    };
    const auto before = snapshot(base.path());
    for (const auto& [tool, run] : tools) {
        EXPECT_TRUE(passesObeyingPermissions([&] { return run() == named; })) << tool;
        EXPECT_EQ(snapshot(base.path()), before) << tool;
    }
}
