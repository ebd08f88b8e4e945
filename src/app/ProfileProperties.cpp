// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProfileProperties.h"

#include "common/TextSource.h"
#include "emulator/EmulatorDatabaseSet.h"
#include "media/MediumSize.h"
#include "media/ProfileSha1.h"
#include "media/Sha1Cache.h"
#include "model/Game.h"

namespace corvane {

std::vector<PropertiesPage> propertiesPages(bool hasProfile, bool hasEntry) {
    std::vector<PropertiesPage> pages;
    if (hasProfile)
        pages.push_back(PropertiesPage::Launcher);
    if (hasEntry)
        pages.push_back(PropertiesPage::CorvaneDatabase);
    if (hasProfile) {
        pages.push_back(PropertiesPage::Captures);
        pages.push_back(PropertiesPage::GenerationMsx);
    }
    return pages;
}

std::vector<PropertyRow> launcherRows(const Game& profile, const std::string& database,
                                      const std::string& sha1, const TextSource& texts) {
    const MainMediumInfo medium = profile.MainMedium();
    std::vector<PropertyRow> rows{
        {PropertyField::Name, profile.name},
        {PropertyField::Database, database},
        {PropertyField::File, medium.file},
    };
    if (IsZipFile(medium.file) && !medium.entry.empty())
        rows.push_back({PropertyField::InZip, medium.entry});
    rows.push_back({PropertyField::Medium,
                    medium.mediumKey.empty() ? std::string() : texts.text(medium.mediumKey)});
    rows.push_back({PropertyField::Size, medium.file.empty()
                                             ? std::string()
                                             : MainMediumSize(medium.file, medium.entry)});
    rows.push_back({PropertyField::Sha1, sha1});
    if (profile.basicDataSpecified == "T") {
        rows.push_back({PropertyField::Company, profile.company});
        rows.push_back({PropertyField::Year, profile.year});
        rows.push_back({PropertyField::Country, countryText(profile.country, texts)});
    }
    rows.push_back({PropertyField::Generation, profile.GenerationText()});
    rows.push_back({PropertyField::Sound, profile.SoundText()});
    rows.push_back({PropertyField::Genre, profile.GenreText()});
    return rows;
}

std::vector<PropertyRow> corvaneDatabaseRows(const CorvaneDBEntry& entry, const TextSource& texts) {
    std::vector<PropertyRow> rows{
        {PropertyField::Title, entry.title},
        {PropertyField::System, entry.system},
        {PropertyField::Country, countryText(entry.country, texts)},
        {PropertyField::Company, entry.company},
        {PropertyField::Year, entry.year},
        {PropertyField::XmlFile, entry.database},
        {PropertyField::Sha1, entry.sha1},
        {PropertyField::GoodMsx, entry.goodMsx},
    };
    // A dump whose hash stood in a "format" element is a medium image, whatever its element
    // is called: it has no mapper.
    if (entry.isRom) {
        rows.push_back({PropertyField::Mapper, entry.mapper});
        if (!entry.romStart.empty())
            rows.push_back({PropertyField::RomStart, entry.romStart});
    } else {
        rows.push_back({PropertyField::MediaStart, entry.mediaStart});
    }
    rows.push_back({PropertyField::Remark, entry.remark});
    return rows;
}

std::string countryText(const std::string& country, const TextSource& texts) {
    const bool isCode = country.size() == 2 && country[0] >= 'A' && country[0] <= 'Z' &&
                        country[1] >= 'A' && country[1] <= 'Z';
    return isCode ? texts.text(country) : country;
}

PropertiesSubject lookUpProperties(const Game& profile, const std::string& database,
                                   const SoftwareSources& sources, Sha1Cache& cache,
                                   Prompter& prompter, const TextSource& texts) {
    PropertiesSubject subject;
    subject.sha1 = ProfileSha1(profile, database, cache);
    if (subject.sha1.empty())
        return subject;
    const EmulatorDatabaseSet databases(sources, prompter, texts);
    std::optional<CorvaneDBEntry> entry = databases.findEntry(subject.sha1);
    if (entry && entry->found)
        subject.entry = std::move(entry);
    return subject;
}

}  // namespace corvane
