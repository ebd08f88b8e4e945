// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ChildProcess.h"

#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <stdexcept>

namespace corvane::test {

namespace {

constexpr uid_t kNobody = 65534;

void giveToNobody(const std::string& folder) {
    if (::chown(folder.c_str(), kNobody, kNobody) != 0)
        throw std::runtime_error("cannot hand over " + folder);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (::lchown(entry.path().c_str(), kNobody, kNobody) != 0)
            throw std::runtime_error("cannot hand over " + entry.path().string());
}

bool passesInChild(const std::function<bool()>& prepare, const std::function<bool()>& check) {
    const pid_t child = ::fork();
    if (child < 0)
        throw std::runtime_error("cannot start a child process");
    if (child == 0)
        ::_exit(prepare() && check() ? 0 : 1);
    int status = 0;
    if (::waitpid(child, &status, 0) != child)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

bool passesWithFileSizeLimit(off_t limit, const std::function<bool()>& check) {
    return passesInChild(
        [limit] {
            // The signal would kill the child; ignored, the write fails with EFBIG instead.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit bytes{static_cast<rlim_t>(limit), static_cast<rlim_t>(limit)};
            return ::setrlimit(RLIMIT_FSIZE, &bytes) == 0;
        },
        check);
}

bool passesAsOrdinaryUser(const std::string& folder, const std::function<bool()>& check) {
    const bool root = ::geteuid() == 0;
    if (root)
        giveToNobody(folder);
    return passesInChild(
        [root] {
            return !root || (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 &&
                             ::setuid(kNobody) == 0);
        },
        check);
}

}  // namespace corvane::test
