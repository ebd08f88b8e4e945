// SPDX-License-Identifier: GPL-3.0-or-later
// Every corvane-cli command's option table: the input, split on NUL, is the arguments after the
// command's name. A parse asks for help, names a problem or succeeds; a base directory it takes
// is made full.
#include "cli/AdjustPathsArguments.h"
#include "cli/CsvExportArguments.h"
#include "cli/FillArguments.h"
#include "cli/ImportExtraArguments.h"
#include "cli/IpsArguments.h"
#include "cli/OtherDumpsArguments.h"
#include "cli/RenameArguments.h"
#include "cli/SetMachineArguments.h"
#include "cli/Sha1Arguments.h"
#include "support/FuzzScratch.h"

using namespace corvane;

namespace {

constexpr size_t kMaxArguments = 64;

template <class Values>
void check(const ParsedOptions<Values>& parsed) {
    if (parsed.help && !parsed.problem.empty())
        fuzz::fail("a parse both asks for help and names a problem");
    if (parsed.help || !parsed.problem.empty())
        return;
    const std::optional<std::string>& base = parsed.common.baseDirectory;
    if (base && !base->starts_with('/'))
        fuzz::fail("a base directory was taken without being made full");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> arguments = fuzz::splitOn(fuzz::inputText(data, size), '\0');
    if (arguments.size() > kMaxArguments)
        arguments.resize(kMaxArguments);
    // A working directory without a trailing slash, as getcwd gives it.
    const std::string& cwd = fuzz::scratchDirectory();
    check(parseAdjustPathsArguments(arguments, cwd));
    check(parseCsvExportArguments(arguments, cwd));
    check(parseFillArguments(arguments, cwd));
    check(parseImportExtraArguments(arguments, cwd));
    check(parseIpsArguments(arguments, cwd));
    check(parseOtherDumpsArguments(arguments, cwd));
    check(parseRenameArguments(arguments, cwd));
    check(parseSetMachineArguments(arguments, cwd));
    check(parseSha1Arguments(arguments, cwd));
    return 0;
}
