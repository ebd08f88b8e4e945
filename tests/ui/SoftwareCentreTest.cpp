// SPDX-License-Identifier: GPL-3.0-or-later
// What the software centre tells about the program, held against what the program offers.
#include <gtest/gtest.h>

#include <regex>

#include "app/CCorvaneLauncherApp.h"
#include "i18n/MenuIds.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/main/CCorvaneLauncherDlg.h"

namespace corvane {
namespace {

TEST(SoftwareCentreTest, TheMetadataPromisesOnlyToolsTheWindowOffers) {
    const std::string metainfo = test::readFile(CORVANE_METAINFO);
    const size_t begin = metainfo.find("<description>");
    const size_t end = metainfo.find("</description>");
    ASSERT_TRUE(begin != std::string::npos && end != std::string::npos);
    const std::string description = metainfo.substr(begin, end - begin);

    test::TempDir dir;
    test::ScriptedPrompter prompter;
    CCorvaneLauncherApp app(dir.path(), prompter);
    const CCorvaneLauncherDlg window(app);
    // Words that promise a tool, and the menu command that opens it.
    const std::pair<const char*, int> promises[] = {
        {"IPS", kMenuIpsCenter},
        {"CSV", kMenuExportCsv},
        {"rename (media|files)", kMenuRenameFiles},
        {"SHA-?1 Cent(er|re)", kMenuSha1Center},
        {"other dumps", kMenuOtherDumps},
        {"relative paths?", kMenuAdjustRelativePath},
        {"set the machine", kMenuSetMachine},
        {"extra (profile )?data", kMenuImportExtraData},
        {"fill a database", kMenuFillDatabase},
        {"filters", kMenuSetFilters},
        {"favorites", kMenuOrganizeFavorites},
        {"search", kMenuSearch},
        {"edit profiles", kMenuEdit},
        {"restore", kMenuDatabaseManager},
    };
    int promised = 0;
    for (const auto& [words, menuId] : promises) {
        const std::regex pattern("\\b(" + std::string(words) + ")\\b", std::regex::icase);
        if (!std::regex_search(description, pattern))
            continue;
        ++promised;
        EXPECT_NE(window.action(menuId), nullptr) << "the description promises " << words;
    }
    // The table still speaks the description's language.
    EXPECT_GE(promised, 4);
}

}  // namespace
}  // namespace corvane
