// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <tuple>
#include <vector>

#include "support/TempDir.h"

namespace corvane::test {

// A runtime and temporary folder of the test's own, where the lock and the socket go: a
// launcher the user runs meanwhile neither blocks the test nor is reached by it.
class PrivateRuntimeFolder {
public:
    PrivateRuntimeFolder() {
        for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
            saved_.emplace_back(name, qEnvironmentVariableIsSet(name), qgetenv(name));
            qputenv(name, QByteArray::fromStdString(dir_.path()));
        }
    }
    ~PrivateRuntimeFolder() {
        for (const auto& [name, wasSet, value] : saved_) {
            if (wasSet)
                qputenv(name, value);
            else
                qunsetenv(name);
        }
    }
    const TempDir& dir() const { return dir_; }

private:
    TempDir dir_;  // created private to this user, as a runtime folder must be
    std::vector<std::tuple<const char*, bool, QByteArray>> saved_;
};

}  // namespace corvane::test
