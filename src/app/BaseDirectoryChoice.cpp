// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BaseDirectoryChoice.h"

#include "common/Path.h"
#include "platform/Folders.h"

namespace corvane {

namespace {

constexpr const char* kDataFolderName = "corvane-launcher";

BaseDirectoryChoice refused(std::string problem) {
    return {.directory = {}, .problem = std::move(problem)};
}

// The launcher's files would be out of the system's reach by their paths: it would show an empty
// collection there and fail every write.
BaseDirectoryChoice chosen(std::string directory, const std::string& what) {
    if (directory.size() > kLongestBaseDirectory)
        return refused(what + " is " + std::to_string(directory.size()) +
                       " bytes long; the launcher needs a folder of at most " +
                       std::to_string(kLongestBaseDirectory) +
                       " bytes, to leave room for the names of its files");
    return {.directory = std::move(directory), .problem = {}};
}

}  // namespace

std::string userDataFolder(const StartEnvironment& environment) {
    if (isAbsolutePath(environment.xdgDataHome))
        return joinPath(environment.xdgDataHome, kDataFolderName);
    if (isAbsolutePath(environment.home))
        return joinPath(joinPath(environment.home, ".local/share"), kDataFolderName);
    return {};
}

BaseDirectoryChoice chooseBaseDirectory(const StartOptions& options,
                                        const StartEnvironment& environment) {
    if (options.baseDirectory && options.userData)
        return refused("--base-dir and --user-data cannot be given together");
    if (options.baseDirectory) {
        const std::string& typed = *options.baseDirectory;
        if (typed.empty())
            return refused("--base-dir needs a folder");
        const std::string path =
            isAbsolutePath(typed) ? typed : joinPath(environment.workingDirectory, typed);
        if (std::optional<std::string> folder = resolvedFolder(path))
            return chosen(std::move(*folder), "the folder of --base-dir");
        if (path.size() > kLongestBaseDirectory)
            return chosen(path, "the folder of --base-dir");
        return refused(typed + ": no such folder");
    }
    if (options.userData) {
        const std::string folder = userDataFolder(environment);
        if (folder.empty())
            return refused(
                "no data folder: neither XDG_DATA_HOME nor HOME names an absolute folder");
        if (const std::string reason = makeFolders(folder); !reason.empty())
            return refused("cannot make the data folder " + folder + ": " + reason);
        if (std::optional<std::string> resolved = resolvedFolder(folder))
            return chosen(std::move(*resolved), "the data folder");
        return refused("cannot open the data folder " + folder);
    }
    return chosen(environment.workingDirectory, "the working directory");
}

}  // namespace corvane
