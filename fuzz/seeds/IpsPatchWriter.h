// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace corvane::fuzz {

// Writes IPS patches: the header, records, the end marker and an optional length.
class IpsPatchWriter {
public:
    // The records that turn source into target byte by byte (target may be longer); runs of one
    // repeated byte become run-length records.
    static std::string diff(std::string_view source, std::string_view target);

    IpsPatchWriter() : patch_("PATCH") {}
    void record(size_t offset, std::string_view bytes);
    void run(size_t offset, size_t count, char byte);
    // The patch, ended by "EOF" and, when truncateTo is set, the length to cut the image to.
    std::string finish(long truncateTo = -1);

private:
    void offset(size_t value);
    void size(size_t value);
    std::string patch_;
};

}  // namespace corvane::fuzz
