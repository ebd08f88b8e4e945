// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/OtherDumpsCommand.h"

#include <algorithm>

#include "app/OtherDumpsOperation.h"
#include "app/UnreadableDatabase.h"
#include "cli/CliContext.h"
#include "cli/CliWorkspace.h"
#include "cli/CommandProgress.h"
#include "cli/CommandRow.h"
#include "cli/ExitStatus.h"
#include "cli/OtherDumpsArguments.h"
#include "model/DatabaseName.h"
#include "model/Game.h"

namespace corvane {

namespace {

int failed(const CliContext& context, const std::string& text) {
    context.err << text << '\n';
    return exitCode(ExitStatus::Failed);
}

int failed(const CliContext& context, const TextSource& texts, const char* key) {
    return failed(context, texts.text(key));
}

}  // namespace

int runOtherDumps(CommandSession& session, OtherDumpsArguments& arguments) {
    const CliContext& context = session.context;
    CliWorkspace& workspace = session.workspace;
    const TextSource& texts = workspace.texts();
    const std::string& database = arguments.database;
    if (!isListedDatabase(workspace.store().databaseNames(), database))
        return failed(context, texts, "M_ERR_NO_DB_SEL");
    const std::string& name = arguments.profiles.front();
    // The first profile of that name, as the window's list finds it.
    std::vector<Game> profiles;
    if (DatabaseStore::readProfiles(workspace.store().databasePath(database), profiles) ==
        ReadResult::Unreadable)
        return failed(context, unreadableDatabaseText(texts, database));
    const auto profile = std::find_if(profiles.begin(), profiles.end(),
                                      [&name](const Game& game) { return game.name == name; });
    if (profile == profiles.end())
        return failed(context, texts, "M_ERR_GAME_NOT_FOUND_IN_DB");

    OtherDumpsOperation operation(workspace.store(), workspace.sha1Cache(),
                                  workspace.softwareIndex(), texts);
    const OtherDumpsRequest request = operation.requestFor(*profile, database);
    const size_t known = operation.knownDumps(request).size();
    context.out << known << '\n' << std::flush;
    if (request.sha1.empty())
        return failed(context, texts, "M_INVALID_PROFILE");
    if (known == 0)
        return exitCode(ExitStatus::Done);

    CommandProgress progress(context, session.prompter, texts.text("PR_SEARCH_LAUNCHER"));
    OtherDumpsSearch search = operation.prepare(request);
    const bool completed = search.run(progress);
    progress.end();
    const ToolReport report = operation.finish(search, completed);
    if (!report.error.empty())
        return failed(context, report.error);
    if (!completed)
        return exitCode(ExitStatus::Interrupted);
    for (const OtherDump& dump : search.found())
        context.out << dump.profile << '|' << dump.database << '\n';
    context.out << std::flush;
    return exitCode(context.out ? ExitStatus::Done : ExitStatus::Failed);
}

}  // namespace corvane
