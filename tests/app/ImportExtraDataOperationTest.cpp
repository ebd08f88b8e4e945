// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ImportExtraDataOperation.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/Progress.h"

#include "OperationsFixture.h"

using namespace corvane;
using namespace corvane::test;

namespace {

// Cancelled from the start: the database in hand is still written, unchanged.
class CancelledAtOnce final : public Progress {
public:
    void setRange(std::int64_t) override {}
    void setPosition(std::int64_t) override {}
    void setStatus(const std::string&) override {}
    void setDetail(const std::string&) override {}
    bool cancelled() const override { return true; }
};

class ImportExtraDataOperationTest : public OperationsFixture {
protected:
    ImportExtraDataOperation operation{store, cache, texts};

    void SetUp() override {
        OperationsFixture::SetUp();
        dir.write("extra-data.dat", std::string("#77\r\n8,0,0,\r\n") + kAbcSha1 + "\r\n");
    }
    ToolReport run(ExtraDataImportRequest request, Progress& progress) {
        EXPECT_FALSE(operation.refusal(request));
        ImportExtraDataJob job = operation.prepare(std::move(request));
        job.run(progress);
        return operation.finish(job);
    }
    ToolReport run(ExtraDataImportRequest request) {
        NoProgress progress;
        return run(std::move(request), progress);
    }
};

TEST_F(ImportExtraDataOperationTest, OnlyAListedDatabaseCanBeChosen) {
    dir.write("Db.db", line("One"));
    ExtraDataImportRequest request;
    EXPECT_FALSE(operation.refusal(request));
    request.allDatabases = false;
    for (const char* name : {"", "Other", "Db_0"}) {
        request.databaseName = name;
        EXPECT_EQ(operation.refusal(request), "M_ERR_NO_DB_SEL") << name;
    }
    request.databaseName = "Db";
    EXPECT_FALSE(operation.refusal(request));
}

TEST_F(ImportExtraDataOperationTest, TheCountIsToldAndTheHashesAreKept) {
    dir.write("Db.db", line("One") + line("Two") + line("Empty", "empty.rom"));
    dir.write("Other.db", line("One"));
    ExtraDataImportRequest request;
    request.options.generation = MergeMode::Overwrite;
    const ToolReport all = run(request);
    EXPECT_EQ(all.result, OperationResult::Done);
    EXPECT_EQ(all.message, "3M_PROFILES_MODIFIED");
    EXPECT_EQ(cache.find("Two", "Db"), kAbcSha1);
    EXPECT_EQ(cache.find("Empty", "Db"), kEmptySha1);
    EXPECT_EQ(cache.find("One", "Other"), kAbcSha1);

    // Set Extra Data: the selected profiles of one database; a run that changes nothing still
    // tells its count.
    request.allDatabases = false;
    request.databaseName = "Db";
    request.profiles = std::vector<std::string>{"Empty"};
    EXPECT_EQ(run(request).message, "0M_PROFILES_MODIFIED");

    // A cancel still reports what the database in hand holds by then.
    CancelledAtOnce cancelled;
    request.profiles.reset();
    const std::string before = readFile(dir.file("Db.db"));
    const ToolReport stopped = run(request, cancelled);
    EXPECT_EQ(stopped.result, OperationResult::Done);
    EXPECT_EQ(stopped.message, "0M_PROFILES_MODIFIED");
    EXPECT_EQ(readFile(dir.file("Db.db")), before);
}

TEST_F(ImportExtraDataOperationTest, ExtraDataThatCannotBeReadChangesNothing) {
    dir.write("Db.db", line("One"));
    const std::string before = readFile(dir.file("Db.db"));
    std::filesystem::remove(dir.file("extra-data.dat"));
    std::filesystem::create_directory(dir.file("extra-data.dat"));
    ExtraDataImportRequest request;
    request.options.generation = MergeMode::Overwrite;
    const ToolReport report = run(request);
    EXPECT_EQ(report.result, OperationResult::FileError);
    EXPECT_TRUE(report.message.empty());
    EXPECT_EQ(readFile(dir.file("Db.db")), before);

    // No file at all is no data: nothing changes, and that is no error.
    std::filesystem::remove(dir.file("extra-data.dat"));
    EXPECT_EQ(run(request).message, "0M_PROFILES_MODIFIED");
}

}  // namespace
