// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace corvane {

inline constexpr int kGenerationCount = 4;
inline constexpr int kSoundCount = 8;
inline constexpr int kGameFieldCount = 32;

// The medium that identifies a profile: what is hashed, sized and checked for the invalid mark.
struct MainMediumInfo {
    std::string file;
    std::string entry;
    std::string mediumKey;  // "MEDIUM_ROM", "MEDIUM_DISK", "MEDIUM_TAPE", "MEDIUM_HARDDISK" or ""
};

// One profile: a database line's 32 fields in memory.
class Game {
public:
    Game() = default;
    // Declared so that the virtual destructor does not turn every move into a copy.
    Game(const Game&) = default;
    Game(Game&&) noexcept = default;
    Game& operator=(const Game&) = default;
    Game& operator=(Game&&) noexcept = default;
    virtual ~Game() = default;

    std::string name;
    std::string slot1File;
    std::string slot2File;
    std::string diskAFile;
    std::string diskBFile;
    std::string machine;
    std::string infoFile;
    std::string slot1ZipEntry;
    std::string slot2ZipEntry;
    std::string diskAZipEntry;
    std::string diskBZipEntry;
    std::string tapeFile;
    std::string tapeZipEntry;
    std::string slot1Special;
    std::string slot2Special;
    std::string hardDiskPrimary;
    std::string hardDiskSecondary;
    std::string image1;
    std::string image2;
    std::string openMsxArguments;
    std::string openMsxOverride;
    std::string basicDataSpecified;
    std::string company;
    std::string year;
    std::string country;
    std::string system;
    std::array<bool, kGenerationCount> generation{};  // MSX, MSX2, MSX2+, Turbo-R
    std::array<bool, kSoundCount>
        sound{};  // PSG, SCC, SCC-I, PCM, MSX-MUSIC, MSX-AUDIO, Moonsound, MIDI
    int genre1 = 0;
    int genre2 = 0;
    std::string generationMsxId;
    std::string fmsxArguments;
    std::string fmsxOverride;

    std::string ToLine() const;
    // Never fails: missing fields read as empty, non-numeric numbers as 0.
    void FromLine(std::string_view line);

    int generationValue() const;
    int soundByte() const;  // 0..255
    int genreValue() const { return genre1 + 128 * genre2; }
    void setGenerationValue(long value);
    void setSoundValue(long value);
    void setGenreValue(long value);

    std::string GenerationText() const;
    std::string SoundText() const;
    std::string GenreText() const;
    MainMediumInfo MainMedium() const;
    bool HasRom() const { return !slot1File.empty() || !slot2File.empty(); }
    bool IsDiskProfile() const { return !HasRom() && (!diskAFile.empty() || !diskBFile.empty()); }
    bool HasTape() const { return !tapeFile.empty(); }
    bool HasHardDisk() const { return !hardDiskPrimary.empty(); }
    std::string CaptureBaseName() const;

    bool operator==(const Game& other) const = default;
};

// The name field of a database line (the text before the first "|").
std::string_view profileNameOfLine(std::string_view line);

// The fields that name a medium's file: what a rename of media files moves.
inline constexpr std::string Game::*kMediaFileFields[] = {
    &Game::slot1File, &Game::slot2File,       &Game::diskAFile,         &Game::diskBFile,
    &Game::tapeFile,  &Game::hardDiskPrimary, &Game::hardDiskSecondary,
};

std::string FileExtension(std::string_view path);
bool IsDatabaseFile(std::string_view path);
bool IsDiskImage(std::string_view path);
bool IsRomImage(std::string_view path);
bool IsTapeImage(std::string_view path);
bool IsXmlFile(std::string_view path);
bool IsZipFile(std::string_view path);

}  // namespace corvane
