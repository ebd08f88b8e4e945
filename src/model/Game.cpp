// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Game.h"

#include "common/AsciiCase.h"
#include "common/Path.h"
#include "model/CParseIt.h"
#include "model/ValueLists.h"

namespace corvane {

namespace {

// The text fields before the three numbers, in line order.
using TextField = std::string Game::*;
constexpr TextField kLeadingTexts[] = {&Game::name,
                                       &Game::slot1File,
                                       &Game::slot2File,
                                       &Game::diskAFile,
                                       &Game::diskBFile,
                                       &Game::machine,
                                       &Game::infoFile,
                                       &Game::slot1ZipEntry,
                                       &Game::slot2ZipEntry,
                                       &Game::diskAZipEntry,
                                       &Game::diskBZipEntry,
                                       &Game::tapeFile,
                                       &Game::tapeZipEntry,
                                       &Game::slot1Special,
                                       &Game::slot2Special,
                                       &Game::hardDiskPrimary,
                                       &Game::hardDiskSecondary,
                                       &Game::image1,
                                       &Game::image2,
                                       &Game::openMsxArguments,
                                       &Game::openMsxOverride,
                                       &Game::basicDataSpecified,
                                       &Game::company,
                                       &Game::year,
                                       &Game::country,
                                       &Game::system};
static_assert(std::size(kLeadingTexts) == 26);

void appendNumber(std::string& out, long value) {
    out += std::to_string(value);
}

// Joins the names whose flag is set with ", ".
template <size_t N>
std::string flagText(const std::array<bool, N>& flags, const std::vector<std::string>& names) {
    std::string text;
    for (size_t i = 0; i < N; ++i) {
        if (!flags[i])
            continue;
        if (!text.empty())
            text += ", ";
        text += names[i];
    }
    return text;
}

bool extensionIn(std::string_view path, std::initializer_list<std::string_view> extensions) {
    if (path.empty())
        return false;
    const std::string ext = FileExtension(path);
    for (std::string_view e : extensions)
        if (ext == e)
            return true;
    return false;
}

}  // namespace

int Game::generationValue() const {
    int v = 0;
    for (int i = 0; i < kGenerationCount; ++i)
        if (generation[i])
            v |= 1 << i;
    return v;
}

int Game::soundByte() const {
    int v = 0;
    for (int i = 0; i < kSoundCount; ++i)
        if (sound[i])
            v |= 1 << i;
    return v;
}

void Game::setGenerationValue(long value) {
    for (int i = 0; i < kGenerationCount; ++i)
        generation[i] = (value & (1L << i)) != 0;
}

void Game::setSoundValue(long value) {
    for (int i = 0; i < kSoundCount; ++i)
        sound[i] = (value & (1L << i)) != 0;
}

void Game::setGenreValue(long value) {
    genre1 = static_cast<int>(value & 127);
    genre2 = static_cast<int>((value >> 7) & 127);
}

std::string Game::ToLine() const {
    std::string line;
    line.reserve(256);
    for (TextField field : kLeadingTexts) {
        line += this->*field;
        line += '|';
    }
    appendNumber(line, generationValue());
    line += '|';
    // The sound byte is stored as a signed 8-bit number, so MIDI makes it negative.
    appendNumber(line, static_cast<signed char>(static_cast<unsigned char>(soundByte())));
    line += '|';
    appendNumber(line, genreValue());
    line += '|';
    line += generationMsxId;
    line += '|';
    line += fmsxArguments;
    line += '|';
    line += fmsxOverride;
    return line;
}

void Game::FromLine(std::string_view line) {
    std::string_view fields[kGameFieldCount];
    // One pass over the bytes: fields are short, so a plain loop beats a search per field.
    int count = 0;
    const char* data = line.data();
    const size_t size = line.size();
    size_t start = 0;
    for (size_t i = 0; i < size && count < kGameFieldCount - 1; ++i) {
        if (data[i] == '|') {
            fields[count++] = std::string_view(data + start, i - start);
            start = i + 1;
        }
    }
    if (count < kGameFieldCount) {
        std::string_view rest(data + start, size - start);
        // Past the last field, extra fields are ignored.
        if (count == kGameFieldCount - 1)
            rest = rest.substr(0, rest.find('|'));
        fields[count++] = rest;
    }
    int pos = 0;
    for (TextField member : kLeadingTexts) {
        // Most fields are empty; clearing is far cheaper than a general assign.
        std::string& text = this->*member;
        const std::string_view field = fields[pos++];
        if (field.empty())
            text.clear();
        else
            text.assign(field);
    }
    setGenerationValue(parseLeadingInteger(fields[26]));
    setSoundValue(parseLeadingInteger(fields[27]));
    setGenreValue(parseLeadingInteger(fields[28]));
    generationMsxId.assign(fields[29]);
    fmsxArguments.assign(fields[30]);
    fmsxOverride.assign(fields[31]);
}

std::string Game::GenerationText() const {
    return flagText(generation, generationNames());
}

std::string Game::SoundText() const {
    return flagText(sound, soundNames());
}

std::string Game::GenreText() const {
    const int count = static_cast<int>(genreList().size());
    if (genre1 <= 0 || genre1 > count)
        return {};
    std::string text = genreName(genre1);
    if (genre2 >= 1 && genre2 <= count)
        text += ", " + genreName(genre2);
    return text;
}

MainMediumInfo Game::MainMedium() const {
    if (!slot1File.empty())
        return {slot1File, slot1ZipEntry, "MEDIUM_ROM"};
    if (!diskAFile.empty())
        return {diskAFile, diskAZipEntry, "MEDIUM_DISK"};
    if (!tapeFile.empty())
        return {tapeFile, tapeZipEntry, "MEDIUM_TAPE"};
    if (!hardDiskPrimary.empty())
        return {hardDiskPrimary, {}, "MEDIUM_HARDDISK"};
    return {};
}

std::string Game::CaptureBaseName() const {
    const MainMediumInfo medium = MainMedium();
    if (medium.file.empty())
        return {};
    std::string_view base = (IsZipFile(medium.file) && !medium.entry.empty())
                                ? std::string_view(medium.entry)
                                : lastComponent(medium.file);
    const size_t dot = base.rfind('.');
    if (dot != std::string_view::npos)
        base = base.substr(0, dot);
    return std::string(base);
}

std::string_view profileNameOfLine(std::string_view line) {
    return line.substr(0, std::min(line.find('|'), line.size()));
}

std::string FileExtension(std::string_view path) {
    const size_t dot = path.rfind('.');
    return dot == std::string_view::npos ? std::string{} : toLowerAscii(path.substr(dot + 1));
}
bool IsDatabaseFile(std::string_view path) {
    return extensionIn(path, {"db"});
}
bool IsDiskImage(std::string_view path) {
    return extensionIn(path, {"dsk", "di1", "di2", "360", "720", "sf7"});
}
bool IsRomImage(std::string_view path) {
    return extensionIn(path, {"rom", "ri", "mx1", "mx2", "col", "sg", "sc", "sms"});
}
bool IsTapeImage(std::string_view path) {
    return extensionIn(path, {"cas"});
}
bool IsXmlFile(std::string_view path) {
    return extensionIn(path, {"xml"});
}
bool IsZipFile(std::string_view path) {
    return extensionIn(path, {"zip"});
}

}  // namespace corvane
