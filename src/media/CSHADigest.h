// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace corvane {

class CancelCheck;

// SHA-1 (FIPS 180-1) of a byte stream. The digest text is 40 upper-case hexadecimal digits;
// callers lower-case it before storing or comparing.
class CSHADigest {
public:
    // Which compression function processes the blocks. Auto takes the x86 SHA extensions when
    // the processor has them; both give identical digests.
    enum class Engine { Auto, Portable, ShaExtensions };

    explicit CSHADigest(Engine engine = Engine::Auto);
    virtual ~CSHADigest() = default;

    // True when this processor can run the engine (Auto and Portable always can).
    static bool engineAvailable(Engine engine);
    // The engine actually used: Auto resolved, an unavailable request falls back to Portable.
    Engine engine() const { return engine_; }

    void Reset();
    // Appends count bytes. False when the message would reach 2^64 bits; the bytes that still
    // fit are kept, the rest are dropped.
    bool Update(const void* data, std::size_t count);
    void Final();
    // Reset, hash the whole file, Final. False (and an empty text) when the file cannot be
    // opened or read, or when cancel (may be null) stops the read.
    bool HashFile(const std::string& path, CancelCheck* cancel = nullptr);
    // Empty until Final has run.
    std::string DigestText() const { return std::string(text_.data()); }

protected:
    std::array<std::uint32_t, 5> state_{};
    // Message length in bits so far.
    std::uint32_t lengthLow_ = 0;
    std::uint32_t lengthHigh_ = 0;
    std::array<std::uint8_t, 64> buffer_{};
    std::uint16_t bufferCount_ = 0;
    std::array<std::uint8_t, 20> digest_{};
    std::array<char, 41> text_{};

private:
    using BlockFunction = void (*)(std::uint32_t* state, const std::uint8_t* blocks,
                                   std::size_t blockCount);

    Engine engine_;
    BlockFunction compress_;
};

}  // namespace corvane
