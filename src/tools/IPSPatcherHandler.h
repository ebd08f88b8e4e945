// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

class CancelCheck;

// What applying a patch came to. The numbers are the ones users and scripts know the results by.
enum class IPSResult {
    Applied = 0,
    PatchNotFound = 2,   // missing, unreadable or empty
    InvalidPatch = 3,    // too short or too long, no "PATCH" header, or records cut short
    SourceNotFound = 4,  // missing, unreadable or empty
    SourceTooBig = 5,
    CannotWrite = 6,
    NoPatchPath = 20,
    NoSourcePath = 21,
};

// Applies patches in the IPS format to ROM and disk images.
class IPSPatcherHandler {
public:
    static constexpr std::size_t kMinPatchSize = 8;  // "PATCH" and "EOF"
    static constexpr std::size_t kMaxPatchSize = std::size_t{16} << 20;
    static constexpr std::size_t kMaxSourceSize = std::size_t{16} << 20;

    // Patches the source file and writes the result to the target, or over the source when
    // there is none. Every check comes before anything is written, and the file written is
    // replaced whole or not at all: a failure leaves every file as it was.
    IPSResult Apply(const std::string& patchPath, const std::string& sourcePath,
                    const std::optional<std::string>& targetPath);

    // Applies the records of a whole patch file to image. Applied, or InvalidPatch with image
    // unchanged when the header is wrong or the patch ends before its "EOF" marker. Records may
    // grow the image (the gap they leave reads as zeros); three bytes after "EOF" that end the
    // patch give a length the image is cut to, when it is shorter.
    static IPSResult Patch(std::string_view patch, std::string& image);

    // Whether the file's SHA-1 is the expected text, letter case aside. An unreadable file
    // hashes to the empty text, which only an empty expectation equals. A ZIP archive is hashed
    // as the file it is, not by its member. A cancel (may be null) that stops the read leaves
    // the empty text too.
    static bool SourceHasSha1(const std::string& sourcePath, std::string_view expected,
                              CancelCheck* cancel = nullptr);

    // The catalogue key of the message telling the result; empty for the results that only a
    // caller without both paths meets.
    static std::string_view MessageKey(IPSResult result);

    // The last patch read and the image it produced; released with the handler.
    const std::string& patch() const { return patch_; }
    const std::string& image() const { return image_; }

private:
    std::string patch_;
    std::string image_;
};

}  // namespace corvane
