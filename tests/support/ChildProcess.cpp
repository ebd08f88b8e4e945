// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ChildProcess.h"

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>

namespace corvane::test {

namespace {

// Root passes every permission check through these. Without them it is held to the permission
// bits like anyone else, as the owner of what the test made, and it still reaches its files
// wherever the temporary folder is, private to it or not; another user would not.
bool dropPermissionOverrides() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    for (const unsigned capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
        const auto kept = ~static_cast<__u32>(CAP_TO_MASK(capability));
        data[CAP_TO_INDEX(capability)].effective &= kept;
        data[CAP_TO_INDEX(capability)].permitted &= kept;
        data[CAP_TO_INDEX(capability)].inheritable &= kept;
    }
    return ::syscall(SYS_capset, &header, data) == 0;
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

bool passesObeyingPermissions(const std::function<bool()>& check) {
    return passesInChild([] { return ::geteuid() != 0 || dropPermissionOverrides(); }, check);
}

}  // namespace corvane::test
