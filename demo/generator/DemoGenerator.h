// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "generator/DemoPictures.h"
#include "generator/DemoPrograms.h"
#include "generator/SoftwareDatabase.h"
#include "model/Game.h"

namespace corvane::demo {

// Makes the demo base directory: the launcher database "Demo" with a profile for every kind of
// medium (loose and inside ZIP archives, both cartridge slots, a special cartridge), the media
// themselves, made from the demo programs, an emulator software database describing them,
// screenshots, info files, favorites, saved filters and settings that launch on openMSX with a
// C-BIOS machine. Every path it stores is relative to the base directory, so the folder can be
// copied anywhere and the launcher started there. The same programs always give the same bytes.
class DemoGenerator {
public:
    static constexpr const char* kDatabaseName = "Demo";
    // The primary emulator's folder as far as the launcher reads it: software databases and
    // screenshots. The emulator itself is not part of the demo.
    static constexpr const char* kEmulatorFolder = "Corvane";
    static constexpr const char* kSoftwareDatabase = "Corvane/Databases/demo.xml";
    static constexpr const char* kOpenMsxArguments = "-machine C-BIOS_MSX2";
    static constexpr const char* kGreeting = "Hello from the Corvane Launcher demo!";

    DemoGenerator(DemoPrograms programs, std::string openMsxDirectory);

    // Writes the base directory to outputDirectory, which must not exist yet. It is filled under
    // outputDirectory + ".partial" (which must not exist either) and renamed when complete, so
    // an interrupted run never leaves a directory that looks finished. False with error() set
    // when anything failed.
    bool generate(const std::string& outputDirectory);
    const std::string& error() const { return error_; }

private:
    enum class Screenshots { OwnFiles, EmulatorFolder };

    void makeProfiles();
    void addHelloMsx();
    void addHelloFromZip();
    void addTwoCartridges();
    void addSccInSlot2();
    void addDemoDisk();
    void addDemoTape();
    void addDemoHardDisk();
    void writeCollectionFiles();

    // A profile with its own basic data, for a C-BIOS MSX2 machine.
    static Game described(std::string name, std::string year, std::string country,
                          std::vector<int> generations, std::vector<int> sounds, int genre);
    // The greeting cartridge carrying this name; empty (and error set) when it cannot.
    std::string cartridgeFor(std::string_view name);
    // The screen the greeting cartridge shows for the profile.
    static std::vector<std::string> greetingScreen(std::string_view name, std::string slot2Line);
    void addScreenshots(Game& game, const IndexedImage& first, const IndexedImage& second,
                        Screenshots where);
    void addSoftware(const Game& game, std::vector<SoftwareDatabase::Dump> dumps);
    // Writes the bytes to the path relative to the base directory and gives that path back.
    std::string write(const std::string& relativePath, std::string_view bytes);
    std::string writeZip(const std::string& relativePath,
                         const std::vector<std::pair<std::string, std::string>>& members);
    std::string writeInfo(std::string_view slug, std::string_view text);
    void fail(std::string message);

    DemoPrograms programs_;
    std::string openMsxDirectory_;
    std::string root_;
    std::vector<Game> profiles_;
    SoftwareDatabase software_;
    std::string error_;
};

}  // namespace corvane::demo
