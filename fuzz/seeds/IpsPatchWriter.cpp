// SPDX-License-Identifier: GPL-3.0-or-later
#include "seeds/IpsPatchWriter.h"

namespace corvane::fuzz {

namespace {

constexpr size_t kMaxRecord = 0xFFFF;
// A run shorter than this costs more as a run-length record than as plain bytes.
constexpr size_t kShortestRun = 8;

}  // namespace

std::string IpsPatchWriter::diff(std::string_view source, std::string_view target) {
    IpsPatchWriter writer;
    size_t i = 0;
    while (i < target.size()) {
        if (i < source.size() && source[i] == target[i]) {
            ++i;
            continue;
        }
        size_t same = 1;
        while (i + same < target.size() && target[i + same] == target[i] && same < kMaxRecord)
            ++same;
        if (same >= kShortestRun) {
            writer.run(i, same, target[i]);
            i += same;
            continue;
        }
        size_t end = i;
        while (end < target.size() && end - i < kMaxRecord &&
               (end >= source.size() || source[end] != target[end]))
            ++end;
        writer.record(i, target.substr(i, end - i));
        i = end;
    }
    return writer.finish(target.size() < source.size() ? static_cast<long>(target.size()) : -1);
}

void IpsPatchWriter::offset(size_t value) {
    patch_ += static_cast<char>(value >> 16 & 0xFF);
    patch_ += static_cast<char>(value >> 8 & 0xFF);
    patch_ += static_cast<char>(value & 0xFF);
}

void IpsPatchWriter::size(size_t value) {
    patch_ += static_cast<char>(value >> 8 & 0xFF);
    patch_ += static_cast<char>(value & 0xFF);
}

void IpsPatchWriter::record(size_t at, std::string_view bytes) {
    offset(at);
    size(bytes.size());
    patch_.append(bytes);
}

void IpsPatchWriter::run(size_t at, size_t count, char byte) {
    offset(at);
    size(0);
    size(count);
    patch_ += byte;
}

std::string IpsPatchWriter::finish(long truncateTo) {
    patch_ += "EOF";
    if (truncateTo >= 0)
        offset(static_cast<size_t>(truncateTo));
    return patch_;
}

}  // namespace corvane::fuzz
