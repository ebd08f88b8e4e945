// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace corvane {

// A ZIP archive opened for reading, closed when the object goes. Every operation reports
// failure instead of trusting the archive: a damaged or forged archive is a failed read.
class ZipArchive {
public:
    struct MemberInfo {
        std::string name;
        std::uint64_t uncompressedSize = 0;
    };

    // Receives the member's bytes in order; returning false stops the read as a failure.
    using Sink = std::function<bool(const std::uint8_t* data, std::size_t count)>;

    ZipArchive() = default;
    ZipArchive(ZipArchive&&) noexcept = default;
    ZipArchive& operator=(ZipArchive&&) noexcept = default;

    bool open(const std::string& path);
    void close() { handle_.reset(); }
    bool isOpen() const { return handle_ != nullptr; }

    // Makes the first member with exactly this name current, else the first whose name differs
    // only in letter case.
    bool locate(const std::string& name);
    bool goToFirst();
    // Opens the archive and makes a medium's member current: the named one, or the first
    // member when the name is empty.
    bool openMember(const std::string& path, const std::string& member);
    // False after the last member.
    bool goToNext();
    std::optional<MemberInfo> currentInfo() const;
    // Streams the current member's uncompressed bytes to sink. False on a read error, when the
    // data ends before the size the archive declares, or when sink stops. The stored CRC is not
    // checked: the bytes are delivered as the archive holds them.
    bool readCurrent(const Sink& sink);

private:
    struct Closer {
        void operator()(void* handle) const;
    };
    // The open archive's descriptor, recorded as minizip opens the file, for reading members
    // directly; it belongs to minizip's stream.
    int descriptor_ = -1;
    std::unique_ptr<void, Closer> handle_;
};

}  // namespace corvane
