// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/DemoGenerator.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

#include "common/AtomicFile.h"
#include "common/Path.h"
#include "generator/FatImage.h"
#include "generator/MsxFiles.h"
#include "generator/PngFile.h"
#include "generator/ZipWriter.h"
#include "media/CSHADigest.h"
#include "model/Settings.h"
#include "selection/Favorites.h"
#include "selection/SavedFilters.h"

namespace corvane::demo {

namespace {

namespace fs = std::filesystem;

constexpr int kMsx = 0;
constexpr int kMsx2 = 1;
constexpr int kPsg = 0;
constexpr int kScc = 1;
constexpr int kEducational = 15;
constexpr int kSound = 38;
constexpr int kTool = 43;
constexpr uint16_t kProgramAddress = 0xC000;
constexpr const char* kCompany = "Corvane Demo";
constexpr const char* kMachine = "MSX2 - C-BIOS";

std::string sha1Of(std::string_view bytes) {
    CSHADigest digest;
    digest.Update(bytes.data(), bytes.size());
    digest.Final();
    std::string text = digest.DigestText();
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// A file name made of the profile name: lower case, words joined by "-".
std::string slugOf(std::string_view name) {
    std::string slug;
    for (unsigned char c : name) {
        if (std::isalnum(c))
            slug += static_cast<char>(std::tolower(c));
        else if (!slug.empty() && slug.back() != '-')
            slug += '-';
    }
    while (!slug.empty() && slug.back() == '-')
        slug.pop_back();
    return slug;
}

std::string sizeColumn(size_t bytes) {
    std::string text = std::to_string(bytes);
    return std::string(text.size() < 6 ? 6 - text.size() : 0, ' ') + text;
}

// A line of a directory listing: name, extension and size in fixed columns.
std::string listingLine(const FatFile& file) {
    std::string name = file.name;
    name.resize(9, ' ');
    std::string extension = file.extension;
    extension.resize(4, ' ');
    return name + extension + sizeColumn(file.bytes.size()) + " bytes";
}

}  // namespace

DemoGenerator::DemoGenerator(DemoPrograms programs, std::string openMsxDirectory)
    : programs_(std::move(programs)), openMsxDirectory_(std::move(openMsxDirectory)) {}

bool DemoGenerator::generate(const std::string& outputDirectory) {
    error_.clear();
    profiles_.clear();
    software_ = {};
    root_ = outputDirectory + ".partial";
    std::error_code ec;
    if (fs::exists(outputDirectory, ec) || fs::exists(root_, ec)) {
        fail("already there: " + outputDirectory + " or " + root_);
        return false;
    }
    if (!fs::create_directories(root_, ec)) {
        fail("cannot create " + root_);
        return false;
    }
    makeProfiles();
    if (error_.empty())
        writeCollectionFiles();
    if (error_.empty()) {
        fs::rename(root_, outputDirectory, ec);
        if (ec)
            fail("cannot rename " + root_ + " to " + outputDirectory);
    }
    // The partial folder was made by this run: nothing of the user's is in it.
    if (!error_.empty())
        fs::remove_all(root_, ec);
    return error_.empty();
}

void DemoGenerator::makeProfiles() {
    addHelloMsx();
    addHelloFromZip();
    addTwoCartridges();
    addSccInSlot2();
    addDemoDisk();
    addDemoTape();
    addDemoHardDisk();
}

void DemoGenerator::addHelloMsx() {
    Game g = described("Hello MSX", "2025", "NL", {kMsx, kMsx2}, {kPsg}, kEducational);
    const std::string rom = cartridgeFor(g.name);
    g.slot1File = write("media/hello-msx.rom", rom);
    g.infoFile =
        writeInfo("hello-msx",
                  "A 16 KB cartridge made for this demo, a loose file in slot 1.\n"
                  "It prints a greeting and the name of its profile, and tells what is in slot 2.\n"
                  "Launch it on openMSX with Ctrl+Alt+O: the C-BIOS machine starts it.\n");
    addScreenshots(g, DemoPictures::textScreen(greetingScreen(g.name, "Slot 2: empty")),
                   DemoPictures::titleCard("CARTRIDGE", g.name, DemoPictures::Accent::Red),
                   Screenshots::OwnFiles);
    addSoftware(g, {{SoftwareDatabase::Medium::Cartridge, sha1Of(rom)}});
    profiles_.push_back(g);
}

void DemoGenerator::addHelloFromZip() {
    // Its company, year and country are not in the profile but in the emulator's software
    // database, found by the SHA-1 of the member.
    Game g = described("Hello from a ZIP", "", "", {kMsx2}, {kPsg}, kEducational);
    g.basicDataSpecified.clear();
    g.company.clear();
    g.system.clear();
    const std::string rom = cartridgeFor(g.name);
    // openMSX is given the archive only and takes its first member: the cartridge comes first.
    g.slot1ZipEntry = "Hello from a ZIP.rom";
    g.slot1File = writeZip("media/hello-from-a-zip.zip",
                           {{g.slot1ZipEntry, rom},
                            {"readme.txt", "The cartridge of the profile Hello from a ZIP.\r\n"}});
    g.infoFile = writeInfo(
        "hello-from-a-zip",
        "The same cartridge, this time a member of a ZIP archive.\n"
        "The profile names the member; openMSX is given the archive and opens its first member.\n"
        "Its company, year and country come from the emulator software database\n"
        "(Corvane/Databases/demo.xml), which the launcher reads once the Corvane Path holds\n"
        "the emulator itself.\n");
    addScreenshots(g, DemoPictures::textScreen(greetingScreen(g.name, "Slot 2: empty")),
                   DemoPictures::titleCard("ZIP MEMBER", g.name, DemoPictures::Accent::Red),
                   Screenshots::EmulatorFolder);
    Game data = g;
    data.company = kCompany;
    data.year = "2025";
    data.country = "NL";
    data.system = "MSX";
    addSoftware(data, {{SoftwareDatabase::Medium::Cartridge, sha1Of(rom)}});
    profiles_.push_back(g);
}

void DemoGenerator::addTwoCartridges() {
    Game g = described("Two Cartridges", "2025", "SE", {kMsx2}, {kPsg}, kTool);
    const std::string rom = cartridgeFor(g.name);
    g.slot1File = write("media/two-cartridges.rom", rom);
    g.slot2File = write("media/companion.rom", programs_.companion);
    g.infoFile = writeInfo(
        "two-cartridges",
        "The greeting cartridge in slot 1 and a companion cartridge in slot 2.\n"
        "The companion runs nothing itself; the cartridge in slot 1 reads its text from slot 2\n"
        "and prints it.\n");
    addScreenshots(
        g,
        DemoPictures::textScreen(greetingScreen(g.name, "Slot 2: the companion cartridge answers")),
        DemoPictures::titleCard("TWO SLOTS", g.name, DemoPictures::Accent::Magenta),
        Screenshots::OwnFiles);
    addSoftware(g, {{SoftwareDatabase::Medium::Cartridge, sha1Of(rom)}});
    Game companion = g;
    companion.name = "Companion Cartridge";
    addSoftware(companion, {{SoftwareDatabase::Medium::Cartridge, sha1Of(programs_.companion)}});
    profiles_.push_back(g);
}

void DemoGenerator::addSccInSlot2() {
    Game g = described("SCC in Slot 2", "2024", "JP", {kMsx}, {kPsg, kScc}, kSound);
    const std::string rom = cartridgeFor(g.name);
    g.slot1File = write("media/scc-in-slot-2.rom", rom);
    g.slot2Special = "scc";
    // openMSX is given no special cartridge; the profile asks for its own SCC cartridge.
    g.openMsxArguments = "-ext scc";
    g.infoFile = writeInfo(
        "scc-in-slot-2",
        "The greeting cartridge with the special cartridge SCC in slot 2.\n"
        "The primary emulator is given the SCC as a special cartridge. openMSX is not, so the\n"
        "profile's own openMSX arguments add openMSX's empty SCC cartridge (-ext scc).\n"
        "The cartridge in slot 1 finds the SCC's wave memory and says so.\n");
    addScreenshots(g,
                   DemoPictures::textScreen(greetingScreen(g.name, "Slot 2: SCC sound cartridge")),
                   DemoPictures::titleCard("SCC", g.name, DemoPictures::Accent::Yellow),
                   Screenshots::EmulatorFolder);
    addSoftware(g, {{SoftwareDatabase::Medium::Cartridge, sha1Of(rom)}});
    profiles_.push_back(g);
}

void DemoGenerator::addDemoDisk() {
    Game g = described("Demo Disk", "2024", "GB", {kMsx, kMsx2}, {kPsg}, kTool);
    const std::optional<std::string> program = diskBinaryFile(kProgramAddress, programs_.greeting);
    if (!program) {
        fail("the greeting program does not fit in memory");
        return;
    }
    const std::vector<FatFile> files{
        {"HELLO", "BIN", *program},
        {"AUTOEXEC", "BAS", "10 BLOAD\"HELLO.BIN\",R\r\n\x1A"},
    };
    const std::optional<std::string> disk = buildFatImage(kDoubleSidedDisk, files);
    if (!disk) {
        fail("the demo disk image cannot be made");
        return;
    }
    g.diskAZipEntry = "demo-disk.dsk";
    g.diskAFile = writeZip("media/demo-disk.zip", {{g.diskAZipEntry, *disk}});
    g.infoFile = writeInfo(
        "demo-disk",
        "A 720 KB disk image in MSX-DOS format, inside a ZIP archive. It holds HELLO.BIN, a\n"
        "binary program that prints the greeting, and AUTOEXEC.BAS, which Disk BASIC runs at\n"
        "start and which loads and runs HELLO.BIN.\n"
        "It needs an MSX with a disk drive and Disk BASIC. The C-BIOS machines have neither:\n"
        "launched there, openMSX stops with \"No disk drive A present\".\n");
    std::vector<std::string> listing{"Demo Disk: 720 KB, MSX-DOS format", ""};
    for (const FatFile& file : files)
        listing.push_back(listingLine(file));
    listing.insert(listing.end(),
                   {"", "Disk BASIC runs AUTOEXEC.BAS, which", "loads and runs HELLO.BIN."});
    addScreenshots(g, DemoPictures::textScreen(listing),
                   DemoPictures::titleCard("DISK", g.name, DemoPictures::Accent::Green),
                   Screenshots::EmulatorFolder);
    addSoftware(g, {{SoftwareDatabase::Medium::Disk, sha1Of(*disk)}});
    profiles_.push_back(g);
}

void DemoGenerator::addDemoTape() {
    Game g = described("Demo Tape", "2024", "FI", {kMsx}, {kPsg}, kEducational);
    const std::optional<std::string> tape =
        cassetteBinaryFile("HELLO", kProgramAddress, programs_.greeting);
    if (!tape) {
        fail("the greeting program does not fit on the tape");
        return;
    }
    g.tapeFile = write("media/demo-tape.cas", *tape);
    // C-BIOS has no BASIC to load the tape with: the greeting cartridge in slot 2 shows that
    // the profile started. The tape stays its main medium.
    const std::string rom = cartridgeFor(g.name);
    g.slot2File = write("media/demo-tape-greeter.rom", rom);
    g.infoFile = writeInfo(
        "demo-tape",
        "A cassette image holding HELLO, a binary program that prints the greeting.\n"
        "On an MSX with BASIC, BLOAD\"CAS:\",R loads and runs it. C-BIOS has no BASIC, so the\n"
        "profile also puts the greeting cartridge in slot 2; openMSX starts with the tape in its\n"
        "cassette player and the cartridge greets.\n");
    addScreenshots(g, DemoPictures::textScreen(greetingScreen(g.name, "")),
                   DemoPictures::titleCard("TAPE", g.name, DemoPictures::Accent::Cyan),
                   Screenshots::OwnFiles);
    addSoftware(g, {{SoftwareDatabase::Medium::Tape, sha1Of(*tape)},
                    {SoftwareDatabase::Medium::Cartridge, sha1Of(rom)}});
    profiles_.push_back(g);
}

void DemoGenerator::addDemoHardDisk() {
    // No sound chip is set: the "missing sound" mark has a profile to show.
    Game g = described("Demo Hard Disk", "2025", "DE", {kMsx2}, {}, kTool);
    const std::vector<FatFile> files{
        {"README", "TXT",
         "The hard disk of the Corvane Launcher demo: one FAT12 volume without a partition\r\n"
         "table. It holds only this file and does not boot.\r\n"},
    };
    const std::optional<std::string> image = buildFatImage(kSmallHardDisk, files);
    if (!image) {
        fail("the demo hard disk image cannot be made");
        return;
    }
    g.hardDiskPrimary = write("media/demo-harddisk.dsk", *image);
    g.slot1Special = "sunriseide";
    g.infoFile = writeInfo(
        "demo-hard-disk",
        "A 1 MB hard-disk image on the Sunrise IDE interface (special cartridge in slot 1).\n"
        "It holds one FAT12 volume with a README.TXT and does not boot.\n"
        "The C-BIOS machines have no IDE interface: launched there, openMSX stops with\n"
        "\"No hard disk A present\".\n");
    std::vector<std::string> listing{"Demo Hard Disk: 1 MB, FAT12", ""};
    for (const FatFile& file : files)
        listing.push_back(listingLine(file));
    addScreenshots(g, DemoPictures::textScreen(listing),
                   DemoPictures::titleCard("HARD DISK", g.name, DemoPictures::Accent::Green),
                   Screenshots::OwnFiles);
    profiles_.push_back(g);
}

void DemoGenerator::writeCollectionFiles() {
    std::vector<std::string> lines;
    for (const Game& g : profiles_)
        lines.push_back(g.ToLine());
    if (!appendLines(joinPath(root_, std::string(kDatabaseName) + ".db"), lines))
        fail("cannot write the database");
    write(kSoftwareDatabase, software_.xml());

    Favorites favorites(root_);
    for (const char* name : {"Hello MSX", "Two Cartridges", "Demo Tape"}) {
        if (favorites.add(name, kDatabaseName) != FavoriteResult::Written)
            fail("cannot write the favorites");
    }

    SavedFilters filters(root_);
    const std::pair<const char*, std::pair<FilterCriterion, const char*>> saved[] = {
        {"Cartridges", {FilterCriterion::Medium, "MEDIUM_ROM"}},
        {"Tapes", {FilterCriterion::Medium, "MEDIUM_TAPE"}},
        {"With SCC", {FilterCriterion::Sound, "SCC"}},
        {"MSX2 programs", {FilterCriterion::Generation, "MSX2"}},
        {"Educational", {FilterCriterion::Genre, "Educational"}},
    };
    for (const auto& [name, criterion] : saved) {
        FilterState state;
        state.set(criterion.first, criterion.second);
        if (filters.add(name, state) != SavedFilterResult::Written)
            fail("cannot write the saved filters");
    }

    Settings settings;
    settings.emulatorDirectory = kEmulatorFolder;
    settings.defaultDatabaseName = kDatabaseName;
    settings.theme = "default";
    settings.fullScreen = false;
    settings.screenshotsOn = true;
    settings.imageType = "PNG";
    settings.screenshotCount = 2;
    settings.openMsxDirectory = openMsxDirectory_;
    settings.openMsxArguments = kOpenMsxArguments;
    settings.useDefaultViewer = true;
    if (!saveSettings(root_, settings))
        fail("cannot write the settings");
}

Game DemoGenerator::described(std::string name, std::string year, std::string country,
                              std::vector<int> generations, std::vector<int> sounds, int genre) {
    Game g;
    g.name = std::move(name);
    g.machine = kMachine;
    g.basicDataSpecified = "T";
    g.company = kCompany;
    g.year = std::move(year);
    g.country = std::move(country);
    g.system = "MSX";
    for (int generation : generations)
        g.generation[generation] = true;
    for (int sound : sounds)
        g.sound[sound] = true;
    g.genre1 = genre;
    return g;
}

std::string DemoGenerator::cartridgeFor(std::string_view name) {
    std::optional<std::string> rom = cartridgeWithName(programs_.cartridge, name);
    if (!rom) {
        fail("the greeting cartridge cannot carry the name " + std::string(name));
        return {};
    }
    return *rom;
}

std::vector<std::string> DemoGenerator::greetingScreen(std::string_view name,
                                                       std::string slot2Line) {
    std::vector<std::string> lines{kGreeting, "", "Profile: " + std::string(name)};
    if (!slot2Line.empty())
        lines.push_back(std::move(slot2Line));
    return lines;
}

void DemoGenerator::addScreenshots(Game& game, const IndexedImage& first,
                                   const IndexedImage& second, Screenshots where) {
    if (where == Screenshots::OwnFiles) {
        const std::string base = "screenshots/" + slugOf(game.name);
        game.image1 = write(base + "-1.png", encodePng(first));
        game.image2 = write(base + "-2.png", encodePng(second));
        return;
    }
    // Where the launcher looks for the emulator's own screenshots of a profile without pictures
    // of its own: the capture base name, a number and the image type of the settings.
    const std::string base =
        std::string(kEmulatorFolder) + "/Screenshots/" + game.CaptureBaseName();
    write(base + "_0000.PNG", encodePng(first));
    write(base + "_0001.PNG", encodePng(second));
}

void DemoGenerator::addSoftware(const Game& game, std::vector<SoftwareDatabase::Dump> dumps) {
    software_.add(
        {game.name, game.system, game.company, game.year, game.country, std::move(dumps)});
}

std::string DemoGenerator::write(const std::string& relativePath, std::string_view bytes) {
    const fs::path path = fs::path(root_) / relativePath;
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (bytes.empty() || !out)
        fail("cannot write " + path.string());
    return relativePath;
}

std::string DemoGenerator::writeZip(
    const std::string& relativePath,
    const std::vector<std::pair<std::string, std::string>>& members) {
    const fs::path path = fs::path(root_) / relativePath;
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    std::vector<ZipEntry> entries;
    for (const auto& [name, bytes] : members)
        entries.push_back({name, bytes});
    if (!writeZipArchive(path.string(), entries))
        fail("cannot write " + path.string());
    return relativePath;
}

std::string DemoGenerator::writeInfo(std::string_view slug, std::string_view text) {
    return write("info/" + std::string(slug) + ".txt", text);
}

void DemoGenerator::fail(std::string message) {
    if (error_.empty())
        error_ = std::move(message);
}

}  // namespace corvane::demo
