// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "app/Sha1CenterOperation.h"
#include "cli/CommandText.h"
#include "cli/OptionTable.h"

namespace corvane {

// What the arguments of "corvane-cli sha1" say: one request per file, all alike but for the path.
// A Sha1Arguments{} holds the SHA1 Center's state when it opens.
struct Sha1Arguments {
    Sha1CenterRequest request;
    std::vector<std::string> files;  // made full
};

const OptionTable<Sha1Arguments>& sha1Options();

// Parses the arguments that follow "sha1". Runs nothing and changes no file.
ParsedOptions<Sha1Arguments> parseSha1Arguments(const std::vector<std::string>& arguments,
                                                const std::string& workingDirectory);

const CommandText& sha1Text();
std::string sha1Help();

}  // namespace corvane
