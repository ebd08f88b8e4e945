// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <optional>

#include "app/AdjustPathsOperation.h"
#include "app/CsvExportOperation.h"
#include "app/FillOperation.h"
#include "app/ImportExtraDataOperation.h"
#include "app/IpsOperation.h"
#include "app/RenameOperation.h"
#include "app/SetMachineOperation.h"
#include "common/Progress.h"
#include "crash/CrashFixture.h"
#include "crash/CrashOperation.h"
#include "crash/CrashSession.h"
#include "model/AppendJournal.h"

namespace corvane::crash {

namespace {

// A refusal is a fault of the harness's own request, not what it tests: it is told as it is.
std::string refused(const TextSource& texts, const std::string& key) {
    return "refused: " + texts.text(key);
}

std::string runFill(const std::string& base, FillTarget target, FillMode mode,
                    const std::string& database, bool backup = true) {
    CrashSession session(base);
    CCorvaneLauncherApp& app = session.app;
    FillOperation operation(app.store(), app.favorites(), app.sha1Cache(), app.texts());
    FillRequest request;
    request.paths = {CrashFixture(base).path("media/scan")};
    request.target = target;
    request.mode = mode;
    request.databaseName = database;
    request.backup = backup;
    if (const std::optional<std::string> key = operation.refusal(request))
        return refused(app.texts(), *key);
    FillJob job = operation.prepare(std::move(request), app.softwareSources());
    NoProgress progress;
    job.run(progress);
    return errorShown(app.texts(), operation.finish(job));
}

void fillSource(const std::string& base, int databaseProfiles, int scanned) {
    const CrashFixture files(base);
    files.writeSettings("Main");
    files.writeDatabase("Main", "m", 0, databaseProfiles);
    files.writeMedia("scan", databaseProfiles, scanned);
}

// Media found in folders nested so deep that each profile's line is a few KB: the append of
// them is long enough for kills to land in it.
void fillSourceWithLongPaths(const std::string& base) {
    const CrashFixture files(base);
    files.writeSettings("Main");
    files.writeDatabase("Main", "m", 0, 2500);
    std::string deep = "scan";
    for (int level = 0; level < 14; ++level)
        deep += "/" + std::string(240, static_cast<char>('a' + level));
    files.writeMedia(deep, 2500, 1200);
}

std::string setMachine(const std::string& base, bool backup) {
    CrashSession session(base);
    CCorvaneLauncherApp& app = session.app;
    SetMachineOperation operation(app.store(), app.sha1Cache(), app.texts());
    SetMachineRequest request;
    request.databaseName = "Main";
    request.options.machine = "Sony_HB-F1XD";
    request.backup = backup;
    if (const std::optional<std::string> key = operation.refusal(request))
        return refused(app.texts(), *key);
    SetMachineJob job = operation.prepare(std::move(request), {});
    NoProgress progress;
    job.run(progress);
    return errorShown(app.texts(), operation.finish(job));
}

void mediaDatabase(const std::string& base, int profiles) {
    const CrashFixture files(base);
    files.writeSettings("Main");
    files.writeDatabase("Main", "m", 0, profiles);
    files.writeExtraData(files.writeMedia("m", 0, profiles));
}

std::string importExtraData(const std::string& base) {
    CrashSession session(base);
    CCorvaneLauncherApp& app = session.app;
    ImportExtraDataOperation operation(app.store(), app.sha1Cache(), app.texts());
    ExtraDataImportRequest request;
    request.options.generation = MergeMode::Overwrite;
    request.options.sound = MergeMode::Overwrite;
    if (const std::optional<std::string> key = operation.refusal(request))
        return refused(app.texts(), *key);
    ImportExtraDataJob job = operation.prepare(std::move(request));
    NoProgress progress;
    job.run(progress);
    return errorShown(app.texts(), operation.finish(job));
}

std::string adjustPaths(const std::string& base) {
    CrashSession session(base);
    CCorvaneLauncherApp& app = session.app;
    AdjustPathsOperation operation(app.store(), app.texts());
    AdjustPathsRequest request;
    request.current = operation.currentRelativePath().path;
    request.newFolder = "/srv/msx/collection/";
    if (const std::optional<std::string> key = operation.refusal(request))
        return refused(app.texts(), *key);
    AdjustPathsJob job = operation.prepare(std::move(request));
    NoProgress progress;
    job.run(progress);
    return errorShown(app.texts(), operation.finish(job));
}

std::string renameFiles(const std::string& base) {
    CrashSession session(base);
    CCorvaneLauncherApp& app = session.app;
    RenameOperation operation(app.store(), app.texts());
    FileRenameRequest request;
    request.databaseName = "Main";
    request.rule = RenameRule::ProfileName;
    if (const std::optional<std::string> key = operation.refusal(request))
        return refused(app.texts(), *key);
    RenameJob job = operation.prepare(request, app.softwareSources());
    NoProgress progress;
    job.run(progress);
    return errorShown(app.texts(), operation.finish(job));
}

// An image of a few MB and a patch that changes a byte in every 64 KB of it.
void ipsFiles(const std::string& base) {
    const CrashFixture files(base);
    files.writeSettings("Main");
    std::string image(8 << 20, '\0');
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>((i * 7) >> 3);
    files.write("ips/source.rom", image);
    files.write("ips/patched.rom", std::string(image.size() / 2, 'o'));
    std::string patch = "PATCH";
    for (uint32_t offset = 0; offset < image.size(); offset += 65536) {
        patch += {static_cast<char>(offset >> 16),
                  static_cast<char>(offset >> 8),
                  static_cast<char>(offset),
                  '\0',
                  '\1',
                  'P'};
    }
    files.write("ips/fix.ips", patch + "EOF");
}

std::string patch(const std::string& base) {
    CrashSession session(base);
    const CrashFixture files(base);
    IpsRequest request;
    request.patchPath = files.path("ips/fix.ips");
    request.sourcePath = files.path("ips/source.rom");
    request.targetPath = files.path("ips/patched.rom");
    if (const std::optional<std::string> key = IpsOperation::refusal(request))
        return refused(session.app.texts(), *key);
    IpsJob job(std::move(request));
    NoProgress progress;
    job.run(progress);
    return errorShown(session.app.texts(), IpsOperation(session.app.texts()).finish(job));
}

std::string exportCsv(const std::string& base) {
    CrashSession session(base);
    CCorvaneLauncherApp& app = session.app;
    CsvExportOperation operation(app.store(), app.sha1Cache(), app.texts());
    CsvExportRequest request;
    request.file = CrashFixture(base).path("export.csv");
    if (const std::optional<std::string> key = operation.refusal(request))
        return refused(app.texts(), *key);
    CsvExportJob job = operation.prepare(request, app.softwareSources());
    NoProgress progress;
    job.run(progress);
    return errorShown(app.texts(), operation.finish(job));
}

}  // namespace

std::vector<CrashOperation> toolOperations() {
    std::vector<CrashOperation> ops;
    ops.push_back({"fill new database",
                   [](const std::string& base) { fillSource(base, 100, 1200); },
                   [](const std::string& base) {
                       return runFill(base, FillTarget::New, FillMode::Append, "Filled");
                   },
                   "M_ERR_FILE_IO", "M_ERR_FILE_IO"});
    ops.push_back({"fill append", [](const std::string& base) { fillSource(base, 2500, 1200); },
                   [](const std::string& base) {
                       return runFill(base, FillTarget::Existing, FillMode::Append, "Main");
                   },
                   "M_ERR_FILE_IO", "M_ERR_FILE_IO"});
    CrashOperation appendKilled{"fill append, in the write", fillSourceWithLongPaths,
                                [](const std::string& base) {
                                    // Without a backup, whose copy would outlast the append.
                                    return runFill(base, FillTarget::Existing, FillMode::Append,
                                                   "Main", false);
                                },
                                "M_ERR_FILE_IO", "M_ERR_FILE_IO"};
    appendKilled.killFrom = "Main.db" + std::string(AppendJournal::kSuffix);
    ops.push_back(appendKilled);
    ops.push_back({"fill overwrite",
                   [](const std::string& base) { fillSource(base, 3000, 1200); },
                   [](const std::string& base) {
                       return runFill(base, FillTarget::Existing, FillMode::Overwrite, "Main");
                   },
                   "M_ERR_FILE_IO",
                   "M_ERR_FILE_IO",
                   {"Main"}});
    ops.push_back({"backup",
                   [](const std::string& base) {
                       CrashFixture(base).writeSettings("Main");
                       CrashFixture(base).writeDatabase("Main", "m", 0, 6000);
                       CrashFixture(base).writeDatabase("Main_1", "m", 0, 100);
                   },
                   [](const std::string& base) { return setMachine(base, true); },
                   "M_ERR_FILE_IO",
                   "M_ERR_FILE_IO",
                   {"Main"}});
    ops.push_back({"set machine",
                   [](const std::string& base) {
                       CrashFixture(base).writeSettings("Main");
                       CrashFixture(base).writeDatabase("Main", "m", 0, 6000);
                   },
                   [](const std::string& base) { return setMachine(base, false); }, "M_ERR_FILE_IO",
                   "M_ERR_FILE_IO"});
    ops.push_back({"import extra data", [](const std::string& base) { mediaDatabase(base, 1500); },
                   importExtraData, "M_ERR_FILE_IO", "M_ERR_FILE_IO"});
    ops.push_back({"adjust relative paths",
                   [](const std::string& base) {
                       CrashFixture(base).writeSettings("Main");
                       CrashFixture(base).writeDatabase("Main", "m", 0, 4000);
                       CrashFixture(base).writeDatabase("Other", "m", 4000, 2000);
                   },
                   adjustPaths, "M_ERR_FILE_IO", "M_ERR_FILE_IO"});
    CrashOperation rename{"rename files",
                          [](const std::string& base) { mediaDatabase(base, 2000); }, renameFiles,
                          "M_ERR_FILE_IO", "M_ERR_FILE_IO"};
    rename.renamesMedia = true;
    ops.push_back(rename);
    ops.push_back(
        {"IPS output", ipsFiles, patch, "M_ERR_CANNOT_PATCH_TARGET", "M_ERR_CANNOT_PATCH_TARGET"});
    ops.push_back({"CSV output",
                   [](const std::string& base) {
                       mediaDatabase(base, 1500);
                       CrashFixture(base).write("export.csv", "an export made before\r\n");
                   },
                   exportCsv, "M_ERR_FILE_IO", "M_ERR_FILE_IO"});
    return ops;
}

}  // namespace corvane::crash
