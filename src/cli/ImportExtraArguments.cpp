// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ImportExtraArguments.h"

#include <array>
#include <utility>

namespace corvane {

namespace {

using Row = OptionRow<ImportExtraArguments>;

// The words of a mode option, by the mode's value.
template <class Mode, size_t N>
using ModeWords = std::array<std::pair<Mode, const char*>, N>;

constexpr ModeWords<MergeMode, 3> kMergeWords{
    {{MergeMode::Skip, "skip"}, {MergeMode::Overwrite, "overwrite"}, {MergeMode::Merge, "merge"}}};
constexpr ModeWords<SetMode, 3> kSetWords{{{SetMode::Skip, "skip"},
                                           {SetMode::Overwrite, "overwrite"},
                                           {SetMode::SetIfEmpty, "if-empty"}}};

template <class Mode, size_t N>
Row modeRow(std::string name, std::string help, const ModeWords<Mode, N>& words,
            Mode ExtraDataOptions::*field) {
    std::string placeholder;
    for (const auto& [mode, word] : words)
        placeholder += (placeholder.empty() ? "" : "|") + std::string(word);
    const auto wordOf = [&words](Mode mode) {
        for (const auto& [value, word] : words)
            if (value == mode)
                return std::string(word);
        return std::string();
    };
    return {.entry = {.name = name, .placeholder = placeholder, .help = std::move(help)},
            .set =
                [&words, field, name, placeholder](ImportExtraArguments& a, const std::string& v,
                                                   std::string& problem) {
                    for (const auto& [mode, word] : words) {
                        if (v == word) {
                            a.request.options.*field = mode;
                            return true;
                        }
                    }
                    problem = name + " takes " + placeholder + ", not '" + v + "'";
                    return false;
                },
            .shownDefault =
                [wordOf, field](const ImportExtraArguments& a) {
                    return wordOf(a.request.options.*field);
                }};
}

std::vector<Row> importExtraRows() {
    return {
        {.entry = {.name = "--all", .placeholder = "", .help = "import into every database"},
         .set =
             [](ImportExtraArguments& a, const std::string&, std::string&) {
                 a.allGiven = true;
                 a.request.allDatabases = true;
                 return true;
             }},
        {.entry = {.name = "--database",
                   .placeholder = "NAME",
                   .help = "import into the database NAME alone"},
         .set =
             [](ImportExtraArguments& a, const std::string& v, std::string& problem) {
                 if (a.databaseGiven) {
                     problem = "name one database, once";
                     return false;
                 }
                 a.databaseGiven = true;
                 a.request.allDatabases = false;
                 a.request.databaseName = v;
                 return true;
             }},
        {.entry = {.name = "--profile",
                   .placeholder = "NAME",
                   .help = "only the profile NAME of that database; may be given again",
                   .needsText = true},
         .set =
             [](ImportExtraArguments& a, const std::string& v, std::string&) {
                 if (!a.request.profiles)
                     a.request.profiles.emplace();
                 a.request.profiles->push_back(v);
                 return true;
             }},
        modeRow("--generation", "how the generation flags are taken", kMergeWords,
                &ExtraDataOptions::generation),
        modeRow("--sound", "how the sound flags are taken", kMergeWords, &ExtraDataOptions::sound),
        modeRow("--genre", "how the genres are taken", kMergeWords, &ExtraDataOptions::genre),
        modeRow("--info-file", "how the link to the software's page becomes the info file",
                kSetWords, &ExtraDataOptions::infoFile),
        modeRow("--screenshots", "how the screenshots are taken", kSetWords,
                &ExtraDataOptions::screenshots),
        {.entry = {.name = "--backup",
                   .placeholder = "",
                   .help = "back up each database before it is rewritten"},
         .set =
             [](ImportExtraArguments& a, const std::string&, std::string&) {
                 a.request.backup = true;
                 return true;
             }},
    };
}

std::string combinedProblem(const ImportExtraArguments& arguments) {
    if (arguments.allGiven == arguments.databaseGiven)
        return "choose the databases: --all or --database NAME";
    if (arguments.request.profiles && arguments.allGiven)
        return "--profile goes with --database";
    return {};
}

}  // namespace

const OptionTable<ImportExtraArguments>& importExtraOptions() {
    static const OptionTable<ImportExtraArguments> table{.rows = importExtraRows(),
                                                         .addPath = nullptr};
    return table;
}

ParsedOptions<ImportExtraArguments> parseImportExtraArguments(
    const std::vector<std::string>& arguments, const std::string& workingDirectory) {
    ParsedOptions<ImportExtraArguments> parsed =
        parseOptions(importExtraOptions(), arguments, workingDirectory);
    if (!parsed.help && parsed.problem.empty())
        parsed.problem = combinedProblem(parsed.values);
    return parsed;
}

const CommandText& importExtraText() {
    static const CommandText text{
        .name = "import-extra",
        .synopsis =
            "Usage: corvane-cli import-extra [--base-dir DIR | --user-data]\n"
            "                                (--all | --database NAME [--profile NAME]...)\n"
            "                                [--generation skip|overwrite|merge]\n"
            "                                [--sound skip|overwrite|merge]\n"
            "                                [--genre skip|overwrite|merge]\n"
            "                                [--info-file skip|overwrite|if-empty]\n"
            "                                [--screenshots skip|overwrite|if-empty]\n"
            "                                [--backup]\n",
        .description =
            "Gives profiles the generation, sound, genres, Generation-MSX link and screenshots\n"
            "that extra-data.dat and extra-screenshots in the base directory hold for the SHA-1\n"
            "of their main medium, as Import Extra Profile Data and Set Extra Data do in the\n"
            "launcher. What is left at skip is not changed.\n",
        .notes =
            "The completion message (how many profiles were updated) goes to standard\n"
            "output, every other message to standard error. Ctrl+C stops the run once the\n"
            "database in hand is written, its remaining profiles unchanged; the count so far\n"
            "is reported.\n"};
    return text;
}

std::string importExtraHelp() {
    return commandHelp(importExtraText(), optionHelp(importExtraOptions()));
}

}  // namespace corvane
