// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <sstream>

#include "cli/CliCommands.h"
#include "cli/CliContext.h"
#include "cli/CliProgram.h"
#include "cli/ExitStatus.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {

using Arguments = std::vector<std::string>;

struct CommandRun {
    int status = -1;
    std::string out;
    std::string err;
};

CommandRun runIn(const std::string& directory, const Arguments& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const std::atomic<bool> interrupted = false;
    const CliContext context{.out = out,
                             .err = err,
                             .workingDirectory = directory,
                             .interrupted = interrupted,
                             .xdgDataHome = {},
                             .home = {}};
    const int status = runCommandLine(arguments, context);
    return {status, out.str(), err.str()};
}

TEST(CliProgramTest, TheHelpListsEveryCommandAndEachCommandHasItsOwn) {
    TempDir base;
    const CommandRun program = runIn(base.path(), {"--help"});
    EXPECT_EQ(program.status, 0);
    ASSERT_FALSE(cliCommands().empty());
    for (const CliCommand& command : cliCommands()) {
        const std::string name(command.name);
        const size_t row = program.out.find("\n  " + name + " ");
        ASSERT_NE(row, std::string::npos) << program.out;
        EXPECT_EQ(program.out.substr(program.out.find_first_not_of(' ', row + 3 + name.size()),
                                     command.summary.size()),
                  command.summary);

        const CommandRun help = runIn(base.path(), {name, "--help"});
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out.rfind("Usage: corvane-cli " + name + " ", 0), 0u) << help.out;
        EXPECT_NE(help.out.find("\n  --base-dir DIR "), std::string::npos) << help.out;
        // Every command tells its exit statuses in the same words, once.
        EXPECT_TRUE(help.out.ends_with(exitStatusHelp())) << help.out;
        EXPECT_EQ(help.out.find("Exit status"), help.out.size() - exitStatusHelp().size());
        EXPECT_EQ(help.err, "");

        const CommandRun wrong = runIn(base.path(), {name, "--frobnicate"});
        EXPECT_EQ(wrong.status, 2);
        EXPECT_EQ(wrong.out, "");
        EXPECT_EQ(wrong.err.rfind("corvane-cli " + name + ": unknown option '--frobnicate'\n" +
                                      "Usage: corvane-cli " + name + " ",
                                  0),
                  0u)
            << wrong.err;
    }
    // Asking for help or getting it wrong touches no file.
    EXPECT_TRUE(std::filesystem::is_empty(base.path()));
}

TEST(ExitStatusTest, OneMappingFromResultToStatus) {
    EXPECT_EQ(exitStatusOf(OperationResult::Done, false), ExitStatus::Done);
    // Stopped after part of the change, or before any: the script must not take it for the whole.
    EXPECT_EQ(exitStatusOf(OperationResult::Done, true), ExitStatus::Interrupted);
    EXPECT_EQ(exitStatusOf(OperationResult::NothingDone, true), ExitStatus::Interrupted);
    EXPECT_EQ(exitStatusOf(OperationResult::NothingDone, false), ExitStatus::Failed);
    for (const OperationResult failed :
         {OperationResult::FileError, OperationResult::BackupFailed, OperationResult::Busy,
          OperationResult::FavoritesNotWritten, OperationResult::InvalidName}) {
        EXPECT_EQ(exitStatusOf(failed, false), ExitStatus::Failed);
        // Stopped too late to keep it from failing: the failure is what the script must hear.
        EXPECT_EQ(exitStatusOf(failed, true), ExitStatus::Failed);
    }
    EXPECT_EQ(exitCode(ExitStatus::Usage), 2);
    EXPECT_EQ(exitCode(ExitStatus::Interrupted), 130);
}

}  // namespace
