// SPDX-License-Identifier: GPL-3.0-or-later
// Every catalogue identifier the windows ask for, in every language.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "i18n/CatalogueFactory.h"
#include "i18n/LanguageEnglish.h"
#include "i18n/LanguageIds.h"
#include "i18n/MenuIds.h"
#include "ui/common/DialogIds.h"
#include "ui/editor/EditorIds.h"
#include "ui/main/MainWindowIds.h"
#include "ui/properties/PropertiesIds.h"
#include "ui/selection/SelectionIds.h"
#include "ui/settings/SettingsIds.h"
#include "ui/tools/CreateDatabaseIds.h"
#include "ui/tools/DatabaseManagerIds.h"
#include "ui/tools/DragAndDropIds.h"
#include "ui/tools/ExportCSVIds.h"
#include "ui/tools/ExtraDataIds.h"
#include "ui/tools/FileRenameIds.h"
#include "ui/tools/IPSCenterIds.h"
#include "ui/tools/OtherDumpsIds.h"
#include "ui/tools/SHA1CalculatorIds.h"
#include "ui/tools/ToolDialogIds.h"

namespace corvane {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<int> languageNameIds() {
    std::vector<int> ids;
    for (const LanguageEntry& entry : kLanguages)
        ids.push_back(entry.id);
    return ids;
}

struct IdTable {
    const char* name;
    std::span<const int> ids;
};

// One line per header of identifiers; the language page names each language by its number.
std::vector<IdTable> uiIdTables() {
    static const std::vector<int> languages = languageNameIds();
    return {{"MenuIds", kMenuIds},
            {"DialogIds", kDialogIds},
            {"SettingsIds", kSettingsIds},
            {"SelectionIds", kSelectionIds},
            {"MainWindowIds", kMainWindowIds},
            {"DatabaseManagerIds", kDatabaseManagerIds},
            {"PropertiesIds", kPropertiesIds},
            {"CreateDatabaseIds", kCreateDatabaseIds},
            {"DragAndDropIds", kDragAndDropIds},
            {"ExportCSVIds", kExportCsvIds},
            {"FileRenameIds", kFileRenameIds},
            {"ToolDialogIds", kToolDialogIds},
            {"SHA1CalculatorIds", kSha1CalculatorIds},
            {"EditorIds", kEditorIds},
            {"IPSCenterIds", kIpsCenterIds},
            {"OtherDumpsIds", kOtherDumpsIds},
            {"ExtraDataIds", kExtraDataIds},
            {"language names", languages}};
}

std::vector<std::string> missingIds(const Language& catalogue) {
    std::vector<std::string> missing;
    for (const IdTable& table : uiIdTables())
        for (int id : table.ids)
            if (!catalogue.identifiers().contains(id))
                missing.push_back(std::string(table.name) + " " + std::to_string(id));
    return missing;
}

// English without some of its identifiers.
class EnglishWithout final : public Language {
public:
    explicit EnglishWithout(std::vector<int> dropped) : dropped_(std::move(dropped)) { fill(); }

private:
    void fill() override {
        const LanguageEnglish english;
        for (const auto& [id, text] : english.identifiers())
            if (std::find(dropped_.begin(), dropped_.end(), id) == dropped_.end())
                add(id, text);
        for (const auto& [key, text] : english.keys())
            add(key, text);
    }

    std::vector<int> dropped_;
};

TEST(CatalogueIdsTest, EveryIdentifierTheWindowsAskForIsInEveryLanguage) {
    const std::vector<CatalogueEntry> catalogues = allCatalogues();
    ASSERT_EQ(catalogues.size(), kLanguages.size());
    for (const CatalogueEntry& entry : catalogues)
        EXPECT_THAT(missingIds(*entry.catalogue), IsEmpty()) << "language " << entry.languageId;

    const EnglishWithout damaged({kIdRemoveButton, kMenuCopy, kLanguageFinnish, kDlgSettings});
    EXPECT_THAT(missingIds(damaged), ElementsAre("MenuIds 32791", "SettingsIds 136",
                                                 "MainWindowIds 1001", "language names 11"));
}

}  // namespace
}  // namespace corvane
