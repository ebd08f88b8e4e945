// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

// How a software database file writes what the launcher reads. The primary emulator's files mark
// each SHA-1 hash with algo="sha1" and wrap a remark or a start in a child element; openMSX's own
// database holds SHA-1 hashes only, without the attribute, and writes those texts directly.
enum class SoftwareDbShape { Corvane, OpenMsx };

}  // namespace corvane
