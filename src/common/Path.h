// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// The host's directory separator; stored paths may use either "/" or "\".
inline constexpr char kPathSeparator = '/';

std::string joinPath(std::string_view dir, std::string_view name);
// A path that names the same file from any working directory.
bool isAbsolutePath(std::string_view path);
// A path as seen from base: a relative one is joined to base; an empty or absolute one is kept.
std::string pathFrom(std::string_view base, std::string_view path);
// Index of the last "/" or "\" in path, or npos.
size_t lastSeparator(std::string_view path);
// The part after the last separator (the whole path when there is none).
std::string_view lastComponent(std::string_view path);
// The part before the last separator (empty when there is none).
std::string_view parentPath(std::string_view path);
bool fileExists(const std::string& path);
bool isDirectory(const std::string& path);

}  // namespace corvane
