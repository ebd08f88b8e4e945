// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ArgumentPath.h"

#include <cstdlib>
#include <memory>
#include <string_view>

namespace corvane {

namespace {

// The path without empty and "." components; where its last ".." component ends (0: none).
std::string tidied(const std::string& whole, size_t& afterLastParent) {
    std::string out;
    afterLastParent = 0;
    size_t start = 0;
    while (start <= whole.size()) {
        size_t end = whole.find('/', start);
        if (end == std::string::npos)
            end = whole.size();
        const std::string_view part = std::string_view(whole).substr(start, end - start);
        if (!part.empty() && part != ".") {
            if (!out.empty() || whole.front() == '/')
                out += '/';
            out += part;
            if (part == "..")
                afterLastParent = out.size();
        }
        start = end + 1;
    }
    return out;
}

}  // namespace

std::string argumentPath(const std::string& path, const std::string& workingDirectory) {
    const std::string whole =
        !path.empty() && path.front() == '/' ? path : workingDirectory + "/" + path;
    size_t afterLastParent = 0;
    const std::string out = tidied(whole, afterLastParent);
    if (out.empty())
        return whole.front() == '/' ? "/" : ".";
    if (afterLastParent == 0)
        return out;
    const std::unique_ptr<char, decltype(&std::free)> resolved(
        ::realpath(out.substr(0, afterLastParent).c_str(), nullptr), &std::free);
    if (!resolved)
        return out;
    std::string result(resolved.get());
    const std::string rest = out.substr(afterLastParent);
    // "/" resolved takes the rest's own separator.
    return result == "/" && !rest.empty() ? rest : result + rest;
}

}  // namespace corvane
