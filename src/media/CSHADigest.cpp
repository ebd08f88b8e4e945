// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/CSHADigest.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <limits>
#include <memory>
#include <utility>

#include "common/RegularFile.h"
#include "media/CancelCheck.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <immintrin.h>
#define CORVANE_SHA_X86 1
#endif

namespace corvane {

namespace {

constexpr std::uint32_t kInitialState[5] = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u,
                                            0xC3D2E1F0u};

// Large enough that the system calls cost nothing next to the hashing; smaller buffers measured
// no faster.
constexpr std::size_t kReadBufferSize = std::size_t{1} << 20;

inline std::uint32_t loadBigEndian32(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, sizeof v);
    if constexpr (std::endian::native == std::endian::little)
        v = __builtin_bswap32(v);
    return v;
}

inline void storeBigEndian32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
}

// One round; the round number is a template argument so that the choice of function, constant
// and schedule step is made at compile time and the unrolled rounds carry no branches.
template <int Round>
[[gnu::always_inline]] inline void round(std::uint32_t a, std::uint32_t& b, std::uint32_t c,
                                         std::uint32_t d, std::uint32_t& e, std::uint32_t* w,
                                         const std::uint8_t* block) {
    std::uint32_t word;
    if constexpr (Round < 16) {
        word = w[Round] = loadBigEndian32(block + 4 * Round);
    } else {
        // The schedule lives in a 16-word ring: slot Round & 15 still holds W[Round - 16].
        word = w[Round & 15] = std::rotl(
            w[(Round + 13) & 15] ^ w[(Round + 8) & 15] ^ w[(Round + 2) & 15] ^ w[Round & 15], 1);
    }
    std::uint32_t f;
    std::uint32_t k;
    if constexpr (Round < 20) {
        f = (b & (c ^ d)) ^ d;
        k = 0x5A827999u;
    } else if constexpr (Round < 40) {
        f = b ^ c ^ d;
        k = 0x6ED9EBA1u;
    } else if constexpr (Round < 60) {
        f = (b & c) | ((b | c) & d);
        k = 0x8F1BBCDCu;
    } else {
        f = b ^ c ^ d;
        k = 0xCA62C1D6u;
    }
    e += std::rotl(a, 5) + f + k + word;
    b = std::rotl(b, 30);
}

// Five rounds rename the working variables back into place, so no values are moved.
template <int First>
[[gnu::always_inline]] inline void fiveRounds(std::uint32_t& a, std::uint32_t& b, std::uint32_t& c,
                                              std::uint32_t& d, std::uint32_t& e, std::uint32_t* w,
                                              const std::uint8_t* block) {
    round<First>(a, b, c, d, e, w, block);
    round<First + 1>(e, a, b, c, d, w, block);
    round<First + 2>(d, e, a, b, c, w, block);
    round<First + 3>(c, d, e, a, b, w, block);
    round<First + 4>(b, c, d, e, a, w, block);
}

template <int... Group>
[[gnu::always_inline]] inline void eightyRounds(std::integer_sequence<int, Group...>,
                                                std::uint32_t& a, std::uint32_t& b,
                                                std::uint32_t& c, std::uint32_t& d,
                                                std::uint32_t& e, std::uint32_t* w,
                                                const std::uint8_t* block) {
    (fiveRounds<Group * 5>(a, b, c, d, e, w, block), ...);
}

void compressPortable(std::uint32_t* state, const std::uint8_t* blocks, std::size_t count) {
    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3], e = state[4];
    for (; count > 0; --count, blocks += 64) {
        const std::uint32_t a0 = a, b0 = b, c0 = c, d0 = d, e0 = e;
        std::uint32_t w[16];
        eightyRounds(std::make_integer_sequence<int, 16>{}, a, b, c, d, e, w, blocks);
        a += a0;
        b += b0;
        c += c0;
        d += d0;
        e += e0;
    }
    state[0] = a;
    state[1] = b;
    state[2] = c;
    state[3] = d;
    state[4] = e;
}

#ifdef CORVANE_SHA_X86

// Four rounds with the SHA instructions while the schedule for the following groups is
// prepared: m0 holds this group's words, m1 is finished with msg2, m2 gets its xor term and m3
// starts with msg1.
#define CORVANE_SHA_QUAD(eUse, eNext, m0, m1, m2, m3, f) \
    eUse = _mm_sha1nexte_epu32(eUse, m0);                \
    eNext = abcd;                                        \
    m1 = _mm_sha1msg2_epu32(m1, m0);                     \
    abcd = _mm_sha1rnds4_epu32(abcd, eUse, f);           \
    m3 = _mm_sha1msg1_epu32(m3, m0);                     \
    m2 = _mm_xor_si128(m2, m0);

__attribute__((target("sha,sse4.1"))) void compressShaExtensions(std::uint32_t* state,
                                                                 const std::uint8_t* blocks,
                                                                 std::size_t count) {
    const __m128i byteSwap = _mm_set_epi64x(0x0001020304050607LL, 0x08090a0b0c0d0e0fLL);
    // The instructions want A in the highest lane and E alone in the highest lane of its own.
    __m128i abcd =
        _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state)), 0x1B);
    __m128i e0 = _mm_set_epi32(static_cast<int>(state[4]), 0, 0, 0);
    __m128i e1;
    __m128i m0, m1, m2, m3;

    for (; count > 0; --count, blocks += 64) {
        const __m128i abcdSaved = abcd;
        const __m128i eSaved = e0;
        const auto* in = reinterpret_cast<const __m128i*>(blocks);

        m0 = _mm_shuffle_epi8(_mm_loadu_si128(in), byteSwap);
        e0 = _mm_add_epi32(e0, m0);
        e1 = abcd;
        abcd = _mm_sha1rnds4_epu32(abcd, e0, 0);

        m1 = _mm_shuffle_epi8(_mm_loadu_si128(in + 1), byteSwap);
        e1 = _mm_sha1nexte_epu32(e1, m1);
        e0 = abcd;
        abcd = _mm_sha1rnds4_epu32(abcd, e1, 0);
        m0 = _mm_sha1msg1_epu32(m0, m1);

        m2 = _mm_shuffle_epi8(_mm_loadu_si128(in + 2), byteSwap);
        e0 = _mm_sha1nexte_epu32(e0, m2);
        e1 = abcd;
        abcd = _mm_sha1rnds4_epu32(abcd, e0, 0);
        m1 = _mm_sha1msg1_epu32(m1, m2);
        m0 = _mm_xor_si128(m0, m2);

        m3 = _mm_shuffle_epi8(_mm_loadu_si128(in + 3), byteSwap);
        CORVANE_SHA_QUAD(e1, e0, m3, m0, m1, m2, 0)
        CORVANE_SHA_QUAD(e0, e1, m0, m1, m2, m3, 0)
        CORVANE_SHA_QUAD(e1, e0, m1, m2, m3, m0, 1)
        CORVANE_SHA_QUAD(e0, e1, m2, m3, m0, m1, 1)
        CORVANE_SHA_QUAD(e1, e0, m3, m0, m1, m2, 1)
        CORVANE_SHA_QUAD(e0, e1, m0, m1, m2, m3, 1)
        CORVANE_SHA_QUAD(e1, e0, m1, m2, m3, m0, 1)
        CORVANE_SHA_QUAD(e0, e1, m2, m3, m0, m1, 2)
        CORVANE_SHA_QUAD(e1, e0, m3, m0, m1, m2, 2)
        CORVANE_SHA_QUAD(e0, e1, m0, m1, m2, m3, 2)
        CORVANE_SHA_QUAD(e1, e0, m1, m2, m3, m0, 2)
        CORVANE_SHA_QUAD(e0, e1, m2, m3, m0, m1, 2)
        CORVANE_SHA_QUAD(e1, e0, m3, m0, m1, m2, 3)
        CORVANE_SHA_QUAD(e0, e1, m0, m1, m2, m3, 3)
        CORVANE_SHA_QUAD(e1, e0, m1, m2, m3, m0, 3)
        CORVANE_SHA_QUAD(e0, e1, m2, m3, m0, m1, 3)
        CORVANE_SHA_QUAD(e1, e0, m3, m0, m1, m2, 3)

        e0 = _mm_sha1nexte_epu32(e0, eSaved);
        abcd = _mm_add_epi32(abcd, abcdSaved);
    }

    _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_shuffle_epi32(abcd, 0x1B));
    state[4] = static_cast<std::uint32_t>(_mm_extract_epi32(e0, 3));
}

#undef CORVANE_SHA_QUAD

bool processorHasShaExtensions() {
    // Asked of the processor directly: not every compiler knows "sha" as a feature name.
    static const bool available = [] {
        unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
        if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx))
            return false;
        const bool sse41 = (ecx & bit_SSE4_1) != 0;
        if (!__get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx))
            return false;
        return sse41 && (ebx & bit_SHA) != 0;
    }();
    return available;
}

#else

bool processorHasShaExtensions() {
    return false;
}

#endif

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

CSHADigest::CSHADigest(Engine engine) : engine_(Engine::Portable), compress_(compressPortable) {
#ifdef CORVANE_SHA_X86
    if (engine != Engine::Portable && processorHasShaExtensions()) {
        engine_ = Engine::ShaExtensions;
        compress_ = compressShaExtensions;
    }
#else
    (void)engine;
#endif
    Reset();
}

bool CSHADigest::engineAvailable(Engine engine) {
    return engine != Engine::ShaExtensions || processorHasShaExtensions();
}

void CSHADigest::Reset() {
    std::copy(std::begin(kInitialState), std::end(kInitialState), state_.begin());
    lengthLow_ = 0;
    lengthHigh_ = 0;
    buffer_.fill(0);
    bufferCount_ = 0;
    digest_.fill(0);
    text_.fill('\0');
}

bool CSHADigest::Update(const void* data, std::size_t count) {
    const std::uint64_t bits = (std::uint64_t{lengthHigh_} << 32) | lengthLow_;
    // Bytes that still fit below 2^64 bits.
    const std::uint64_t room = (std::numeric_limits<std::uint64_t>::max() - bits) >> 3;
    bool fits = true;
    if (count > room) {
        count = static_cast<std::size_t>(room);
        fits = false;
    }
    if (count == 0)
        return fits;
    const std::uint64_t newBits = bits + std::uint64_t{count} * 8;
    lengthLow_ = static_cast<std::uint32_t>(newBits);
    lengthHigh_ = static_cast<std::uint32_t>(newBits >> 32);

    const auto* bytes = static_cast<const std::uint8_t*>(data);
    if (bufferCount_ > 0) {
        const std::size_t take = std::min<std::size_t>(count, buffer_.size() - bufferCount_);
        std::memcpy(buffer_.data() + bufferCount_, bytes, take);
        bufferCount_ = static_cast<std::uint16_t>(bufferCount_ + take);
        bytes += take;
        count -= take;
        if (bufferCount_ < buffer_.size())
            return fits;
        compress_(state_.data(), buffer_.data(), 1);
        bufferCount_ = 0;
    }
    // Whole blocks are hashed where the caller keeps them.
    const std::size_t blocks = count / 64;
    if (blocks > 0) {
        compress_(state_.data(), bytes, blocks);
        bytes += blocks * 64;
        count -= blocks * 64;
    }
    if (count > 0) {
        std::memcpy(buffer_.data(), bytes, count);
        bufferCount_ = static_cast<std::uint16_t>(count);
    }
    return fits;
}

void CSHADigest::Final() {
    const std::uint64_t bits = (std::uint64_t{lengthHigh_} << 32) | lengthLow_;
    buffer_[bufferCount_++] = 0x80;
    if (bufferCount_ > 56) {
        std::fill(buffer_.begin() + bufferCount_, buffer_.end(), std::uint8_t{0});
        compress_(state_.data(), buffer_.data(), 1);
        bufferCount_ = 0;
    }
    std::fill(buffer_.begin() + bufferCount_, buffer_.begin() + 56, std::uint8_t{0});
    storeBigEndian32(buffer_.data() + 56, static_cast<std::uint32_t>(bits >> 32));
    storeBigEndian32(buffer_.data() + 60, static_cast<std::uint32_t>(bits));
    compress_(state_.data(), buffer_.data(), 1);

    buffer_.fill(0);
    bufferCount_ = 0;
    lengthLow_ = 0;
    lengthHigh_ = 0;

    static constexpr char kHex[] = "0123456789ABCDEF";
    for (int i = 0; i < 5; ++i)
        storeBigEndian32(digest_.data() + 4 * i, state_[i]);
    for (std::size_t i = 0; i < digest_.size(); ++i) {
        text_[2 * i] = kHex[digest_[i] >> 4];
        text_[2 * i + 1] = kHex[digest_[i] & 15];
    }
    text_[40] = '\0';
}

bool CSHADigest::HashFile(const std::string& path, CancelCheck* cancel) {
    Reset();
    const FileDescriptor file(openRegularFile(path));
    if (file.get() < 0)
        return false;
    struct stat status {};
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    ::posix_fadvise(file.get(), 0, 0, POSIX_FADV_SEQUENTIAL);

    // As many bytes as the file had when opened, like a reader that sizes the file first.
    auto remaining = static_cast<std::uint64_t>(status.st_size);
    const std::size_t bufferSize =
        static_cast<std::size_t>(std::clamp<std::uint64_t>(remaining, 1, kReadBufferSize));
    const auto buffer = std::make_unique_for_overwrite<std::uint8_t[]>(bufferSize);
    while (remaining > 0) {
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(remaining, bufferSize));
        const ssize_t got = ::read(file.get(), buffer.get(), want);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0 || (cancel != nullptr && !cancel->keepGoing(static_cast<std::size_t>(got))) ||
            !Update(buffer.get(), static_cast<std::size_t>(got))) {
            Reset();
            return false;
        }
        remaining -= static_cast<std::uint64_t>(got);
    }
    Final();
    return true;
}

}  // namespace corvane
