// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QFileDialog>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>

#include "app/CCorvaneLauncherApp.h"
#include "i18n/LanguageIds.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/ChooserDriver.h"
#include "ui/common/ChooserFilter.h"
#include "ui/common/TextCodec.h"
#include "ui/resources/Flags.h"
#include "ui/settings/PathRow.h"
#include "ui/settings/SettingsBackground.h"
#include "ui/settings/SettingsDlg.h"
#include "ui/settings/SettingsEmulators.h"
#include "ui/settings/SettingsGeneral.h"
#include "ui/settings/SettingsLanguage.h"
#include "ui/settings/SettingsScreenshots.h"

namespace corvane {
namespace {

using test::answerNextChooser;
using test::dropUrls;
using test::readFile;
using test::ScriptedPrompter;
using test::TempDir;
using test::typeInto;

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

QString q(const std::string& bytes) {
    return fromBytes(bytes);
}

// A primary-emulator folder: the executable and a Themes folder.
std::string makeEmulator(const TempDir& dir, const std::string& name,
                         const std::vector<std::string>& themes) {
    dir.write(name + "/Corvane", "#!/bin/sh\n");
    for (const std::string& theme : themes)
        std::filesystem::create_directories(dir.file(name + "/Themes/" + theme));
    return dir.file(name);
}

class SettingsDlgTest : public ::testing::Test {
protected:
    void start(const std::vector<std::string>& iniLines) {
        dlg.reset();
        base.write("settings.ini", joinLines(iniLines));
        app = std::make_unique<CCorvaneLauncherApp>(base.path(), prompter);
        app->loadSettings();
        dlg = std::make_unique<SettingsDlg>(*app);
        dlg->show();
    }
    void pressOk() { dlg->buttons()->button(QDialogButtonBox::Ok)->click(); }
    std::vector<std::string> written() const {
        return splitLines(readFile(base.file("settings.ini")));
    }

    TempDir base;
    TempDir outside;
    ScriptedPrompter prompter;
    std::unique_ptr<CCorvaneLauncherApp> app;
    std::unique_ptr<SettingsDlg> dlg;
};

TEST_F(SettingsDlgTest, ChangedControlsReachFileAndApplication) {
    base.write("alpha.db", "");
    base.write("beta.db", "");
    const std::string emulator = makeEmulator(outside, "emu", {"Blue", "Red"});
    // Line 17 holds Windows-1252 bytes that are not UTF-8; nobody edits it.
    start({emulator, "/usr/bin/viewer", "alpha", "Red", "1", "0", "PNG", "1", "0", "", "Tiled",
           "/opt/openmsx", "-machine x", "9", "1", "/opt/fmsx", "-cart caf\xe9"});

    SettingsGeneral& general = *dlg->general();
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Settings"));
    ASSERT_EQ(dlg->tabs()->count(), 5);
    EXPECT_EQ(dlg->tabs()->tabText(4), QStringLiteral("Language"));
    EXPECT_EQ(general.emulatorPath()->edit()->text(), q(emulator));
    EXPECT_EQ(general.database()->currentText(), QStringLiteral("alpha"));
    EXPECT_EQ(general.theme()->currentText(), QStringLiteral("Red"));
    EXPECT_TRUE(general.defaultViewer()->isChecked());
    EXPECT_EQ(dlg->background()->layout()->currentIndex(), 2);

    general.specificViewer()->click();
    general.viewerPath()->edit()->setText(QStringLiteral("/usr/bin/other"));
    general.database()->setCurrentIndex(general.database()->findText(QStringLiteral("beta")));
    general.fullScreen()->click();
    general.theme()->setCurrentIndex(1);
    dlg->screenshots()->enabled()->click();
    dlg->screenshots()->count()->setCurrentIndex(1);
    dlg->screenshots()->imageType()->setCurrentIndex(2);
    dlg->background()->customImage()->click();
    dlg->background()->imagePath()->edit()->setText(QStringLiteral("/pics/back.png"));
    dlg->background()->layout()->setCurrentIndex(1);
    // A pasted line break would shift every later line of the file.
    dlg->emulators()->openMsxArguments()->setText(QStringLiteral("-machine y\n-ext gfx9000"));
    dlg->emulators()->fmsxPath()->edit()->setText(QStringLiteral("/usr/games"));
    QListWidget* languages = dlg->language()->list();
    languages->setCurrentRow(5);  // German, in the page's order
    pressOk();

    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_FALSE(dlg->emulatorDirectoryChanged());
    const std::vector<std::string> expected{emulator,
                                            "/usr/bin/other",
                                            "beta",
                                            "classic",
                                            "0",
                                            "1",
                                            "JPG",
                                            "2",
                                            "1",
                                            "/pics/back.png",
                                            "BG_IMAGE_LAYOUT_STRETCHED",
                                            "/opt/openmsx",
                                            "-machine y -ext gfx9000",
                                            "7",
                                            "0",
                                            "/usr/games",
                                            "-cart caf\xe9"};
    EXPECT_EQ(written(), expected);
    EXPECT_EQ(loadSettings(base.path()), app->settings());
    EXPECT_EQ(app->store().currentDatabaseName(), "beta");
    EXPECT_EQ(app->languages().currentId(), kLanguageGerman);

    // A second visit that only moves the Corvane Path tells the caller to reload its databases.
    const std::string other = makeEmulator(outside, "emu2", {});
    SettingsDlg again(*app);
    again.show();
    again.general()->emulatorPath()->edit()->setText(q(other));
    again.buttons()->button(QDialogButtonBox::Ok)->click();
    EXPECT_TRUE(again.emulatorDirectoryChanged());
    EXPECT_EQ(app->settings().emulatorDirectory, other);
}

TEST_F(SettingsDlgTest, DisabledScreenshotsWritePngWhateverTheListShows) {
    start({"", "", "", "", "1", "1", "GIF", "2"});
    ASSERT_EQ(dlg->screenshots()->imageType()->currentText(), QStringLiteral("GIF"));
    dlg->screenshots()->enabled()->click();
    pressOk();
    const std::vector<std::string> lines = written();
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[5], "0");
    EXPECT_EQ(lines[6], "PNG");
    EXPECT_EQ(lines[7], "2");
    EXPECT_EQ(app->settings().imageType, "PNG");
}

TEST_F(SettingsDlgTest, UnwritableFileShowsErrorAndKeepsDialogOpen) {
    start({"", "/bin/view", "", "", "1"});
    const std::string before = readFile(base.file("settings.ini"));
    // A directory where the temporary file must go defeats the rewrite even for root.
    std::filesystem::create_directory(base.file("settings.ini.tmp"));
    dlg->general()->fullScreen()->click();
    pressOk();

    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Error in I/O operation");
    EXPECT_EQ(prompter.messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_NE(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(readFile(base.file("settings.ini")), before);
    EXPECT_TRUE(app->settings().fullScreen);

    // Once the obstacle is gone the same dialog can still be confirmed.
    std::filesystem::remove(base.file("settings.ini.tmp"));
    pressOk();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_FALSE(app->settings().fullScreen);
    EXPECT_EQ(written()[4], "0");
}

TEST_F(SettingsDlgTest, ControlsFollowTheirSwitches) {
    start({"", "", "", "", "1", "0", "PNG", "1", "0", "", "", "", "", "9", "1"});
    SettingsGeneral& general = *dlg->general();
    PathRow& viewer = *general.viewerPath();
    EXPECT_FALSE(viewer.edit()->isEnabled());
    EXPECT_FALSE(viewer.browseButton()->isEnabled());
    EXPECT_FALSE(viewer.ejectButton()->isEnabled());
    general.specificViewer()->click();
    EXPECT_TRUE(viewer.edit()->isEnabled());
    EXPECT_TRUE(viewer.browseButton()->isEnabled());
    EXPECT_TRUE(viewer.ejectButton()->isEnabled());
    EXPECT_TRUE(general.emulatorPath()->edit()->isEnabled());

    SettingsScreenshots& shots = *dlg->screenshots();
    EXPECT_FALSE(shots.count()->isEnabled());
    EXPECT_FALSE(shots.imageType()->isEnabled());
    shots.enabled()->click();
    EXPECT_TRUE(shots.count()->isEnabled());
    EXPECT_TRUE(shots.imageType()->isEnabled());

    SettingsBackground& background = *dlg->background();
    EXPECT_FALSE(background.imagePath()->edit()->isEnabled());
    EXPECT_FALSE(background.imagePath()->browseButton()->isEnabled());
    EXPECT_FALSE(background.layout()->isEnabled());
    background.customImage()->click();
    EXPECT_TRUE(background.imagePath()->edit()->isEnabled());
    EXPECT_TRUE(background.imagePath()->ejectButton()->isEnabled());
    EXPECT_TRUE(background.layout()->isEnabled());

    background.imagePath()->edit()->setText(QStringLiteral("/pics/a.png"));
    background.imagePath()->ejectButton()->click();
    EXPECT_TRUE(background.imagePath()->edit()->text().isEmpty());
    background.defaultImage()->click();
    EXPECT_FALSE(background.imagePath()->ejectButton()->isEnabled());
}

TEST_F(SettingsDlgTest, ThemeListComesFromTheEmulatorFolder) {
    const std::string emulator = makeEmulator(outside, "emu", {"Zebra", "amber"});
    start({emulator, "", "", "classic"});
    QComboBox* theme = dlg->general()->theme();
    ASSERT_EQ(theme->count(), 4);
    EXPECT_EQ(theme->itemText(0), QStringLiteral("No Change"));
    EXPECT_EQ(theme->itemText(2), QStringLiteral("amber"));
    EXPECT_EQ(theme->itemText(3), QStringLiteral("Zebra"));
    EXPECT_EQ(theme->currentIndex(), 1);
    dlg->reject();

    // A theme that is gone selects "No Change"; OK then writes "default".
    start({emulator, "", "", "Vanished"});
    EXPECT_EQ(dlg->general()->theme()->currentIndex(), 0);
    pressOk();
    EXPECT_EQ(written()[3], "default");

    // Without the executable there is no list, and OK keeps the theme the file had.
    std::filesystem::remove(outside.file("emu/Corvane"));
    start({emulator, "", "", "amber"});
    EXPECT_EQ(dlg->general()->theme()->count(), 0);
    pressOk();
    EXPECT_EQ(written()[3], "amber");

    // Typing a working Corvane Path fills the list at once.
    const std::string other = makeEmulator(outside, "emu2", {"amber"});
    start({emulator, "", "", "amber"});
    dlg->general()->emulatorPath()->edit()->setText(q(other));
    EXPECT_EQ(dlg->general()->theme()->count(), 3);
    EXPECT_EQ(dlg->general()->theme()->currentText(), QStringLiteral("amber"));
}

TEST_F(SettingsDlgTest, DeletedDefaultDatabaseIsNoLongerTheDefault) {
    base.write("present.db", "");
    start({"", "", "gone", "", "1"});
    EXPECT_EQ(dlg->general()->database()->count(), 1);
    EXPECT_EQ(dlg->general()->database()->currentIndex(), -1);
    pressOk();
    const std::vector<std::string> lines = written();
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[4], "1");
    EXPECT_EQ(app->settings().defaultDatabaseName, "");
    EXPECT_EQ(app->store().currentDatabaseName(), "");

    // With no database at all the line is empty as well.
    std::filesystem::remove(base.file("present.db"));
    start({"", "", "gone"});
    EXPECT_EQ(dlg->general()->database()->count(), 0);
    pressOk();
    EXPECT_EQ(written()[2], "");
}

TEST_F(SettingsDlgTest, LanguagePageSwitchesTheCatalogue) {
    start({"", "", "", "", "1", "0", "PNG", "1", "0", "", "", "", "", "0"});
    QListWidget* list = dlg->language()->list();
    ASSERT_EQ(list->count(), 10);
    for (int row = 0; row < list->count(); ++row) {
        EXPECT_EQ(list->item(row)->data(Qt::UserRole).toInt(), kLanguages[row].id);
        EXPECT_FALSE(list->item(row)->icon().isNull());
    }
    EXPECT_EQ(list->item(3)->text(), QStringLiteral("Finnish"));
    // Language 0 in the file means English.
    EXPECT_EQ(list->currentRow(), 0);

    list->setCurrentRow(4);
    pressOk();
    EXPECT_EQ(app->languages().currentId(), kLanguageFrench);
    EXPECT_EQ(written()[13], "12");

    SettingsDlg again(*app);
    EXPECT_EQ(again.language()->list()->currentRow(), 4);
}

TEST_F(SettingsDlgTest, DropsOnPathBoxes) {
    start({"", "", "", "", "1"});
    PathEdit* viewer = dlg->general()->viewerPath()->edit();
    PathEdit* openMsx = dlg->emulators()->openMsxPath()->edit();
    const std::string program = outside.write("tools/view", "");

    EXPECT_TRUE(dropUrls(viewer, {QUrl::fromLocalFile(q(program))}));
    EXPECT_EQ(viewer->text(), q(program));
    // A folder box given a file takes the file's folder.
    EXPECT_TRUE(dropUrls(openMsx, {QUrl::fromLocalFile(q(program))}));
    EXPECT_EQ(openMsx->text(), q(outside.file("tools")));
    EXPECT_FALSE(dropUrls(viewer, {QUrl(QStringLiteral("https://example.org/x"))}));
    EXPECT_EQ(viewer->text(), q(program));
}

TEST_F(SettingsDlgTest, EnterAndEscapeStayInsideThePages) {
    base.write("alpha.db", "");
    const std::string emulator = makeEmulator(outside, "emu", {"Blue"});
    // Every switch on, so every control of every page is enabled and takes keys.
    start({emulator, "/usr/bin/viewer", "alpha", "Blue", "1", "1", "PNG", "1", "1", "/pics/a.png",
           "", "/opt/openmsx", "-machine x", "9", "0", "/opt/fmsx", "-x"});
    const std::string before = readFile(base.file("settings.ini"));
    std::set<std::string> kinds;
    for (int page = 0; page < dlg->tabs()->count(); ++page) {
        dlg->tabs()->setCurrentIndex(page);
        for (QWidget* control : dlg->tabs()->widget(page)->findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(dlg.get()))
                continue;
            ASSERT_TRUE(control->isEnabled()) << control->metaObject()->className();
            kinds.insert(control->metaObject()->className());
            control->setFocus();
            std::vector<int> keys{Qt::Key_Escape};
            // A focused push button is pressed by Enter; Browse would open its chooser.
            if (!qobject_cast<QPushButton*>(control))
                keys.insert(keys.end(), {Qt::Key_Return, Qt::Key_Enter});
            for (int key : keys) {
                QTest::keyClick(control, static_cast<Qt::Key>(key));
                ASSERT_TRUE(dlg->isVisible())
                    << control->metaObject()->className() << " on page " << page << " key " << key;
            }
        }
        QTest::keyClick(dlg->tabs()->tabBar(), Qt::Key_Escape);
        QTest::keyClick(dlg->tabs()->tabBar(), Qt::Key_Return);
        ASSERT_TRUE(dlg->isVisible());
    }
    EXPECT_EQ(kinds,
              (std::set<std::string>{"corvane::PathEdit", "QCheckBox", "QComboBox", "QLineEdit",
                                     "QListWidget", "QPushButton", "QRadioButton"}));
    EXPECT_NE(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(readFile(base.file("settings.ini")), before);

    // Enter on a focused Eject acts on its row only.
    PathRow* viewer = dlg->general()->viewerPath();
    dlg->tabs()->setCurrentIndex(0);
    viewer->ejectButton()->setFocus();
    QTest::keyClick(viewer->ejectButton(), Qt::Key_Return);
    EXPECT_TRUE(viewer->edit()->text().isEmpty());
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(readFile(base.file("settings.ini")), before);

    // Only the buttons close it: Space on a focused Cancel, or Enter on a focused OK.
    QPushButton* cancel = dlg->buttons()->button(QDialogButtonBox::Cancel);
    cancel->setFocus();
    QTest::keyClick(cancel, Qt::Key_Space);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_EQ(readFile(base.file("settings.ini")), before);

    dlg = std::make_unique<SettingsDlg>(*app);
    dlg->show();
    dlg->emulators()->fmsxArguments()->setText(QStringLiteral("-y"));
    QPushButton* ok = dlg->buttons()->button(QDialogButtonBox::Ok);
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(written()[16], "-y");
}

TEST_F(SettingsDlgTest, BrowseButtonsFillTheirBoxes) {
    const std::string emulator = makeEmulator(outside, "emu", {"Night"});
    const std::string picture = outside.write("pics/back.png", "");
    start({"", "", "", "", "1", "0", "PNG", "1", "1"});

    QStringList filters;
    answerNextChooser([&](QFileDialog& chooser) {
        filters = chooser.nameFilters();
        typeInto(chooser, q(picture));
        static_cast<QDialog&>(chooser).accept();
    });
    dlg->background()->imagePath()->browseButton()->click();
    EXPECT_EQ(filters, (QStringList{QStringLiteral("Images (*.png *.bmp *.jpg *.gif)"),
                                    QStringLiteral("All Files (*)")}));
    EXPECT_EQ(dlg->background()->imagePath()->edit()->text(), q(picture));

    answerNextChooser([&](QFileDialog& chooser) {
        chooser.setDirectory(q(emulator));
        static_cast<QDialog&>(chooser).accept();
    });
    dlg->general()->emulatorPath()->browseButton()->click();
    EXPECT_EQ(dlg->general()->emulatorPath()->edit()->text(), q(emulator));
    EXPECT_EQ(dlg->general()->theme()->count(), 3);

    const std::string program = outside.write("bin/viewer", "#!/bin/sh\n");
    std::filesystem::permissions(program, std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);
    dlg->general()->specificViewer()->click();
    answerNextChooser([&](QFileDialog& chooser) {
        filters = chooser.nameFilters();
        typeInto(chooser, q(program));
        static_cast<QDialog&>(chooser).accept();
    });
    dlg->general()->viewerPath()->browseButton()->click();
    EXPECT_EQ(filters,
              (QStringList{QStringLiteral("Executables (*)"), QStringLiteral("All Files (*)")}));
    EXPECT_EQ(dlg->general()->viewerPath()->edit()->text(), q(program));

    // A cancelled chooser leaves the box alone.
    answerNextChooser([](QFileDialog& chooser) { chooser.reject(); });
    dlg->general()->emulatorPath()->browseButton()->click();
    EXPECT_EQ(dlg->general()->emulatorPath()->edit()->text(), q(emulator));
}

TEST(SettingsFlagsTest, FlagsAreDrawnPerLanguage) {
    const QSize size(60, 40);
    auto pixel = [&](int id, int x, int y) {
        return languageFlag(id, size).toImage().pixelColor(x, y);
    };
    // Vertical tricolour: blue at the hoist, red at the fly.
    EXPECT_GT(pixel(kLanguageFrench, 10, 20).blue(), 120);
    EXPECT_GT(pixel(kLanguageFrench, 50, 20).red(), 200);
    // Horizontal bands top to bottom.
    EXPECT_LT(pixel(kLanguageGerman, 30, 6).lightness(), 40);
    EXPECT_GT(pixel(kLanguageGerman, 30, 34).green(), 180);
    EXPECT_GT(pixel(kLanguageDutch, 30, 6).red(), 150);
    // Nordic crosses: the cross colour on the horizontal bar, field colour in the corner.
    EXPECT_GT(pixel(kLanguageSwedish, 50, 20).red(), 200);
    EXPECT_GT(pixel(kLanguageSwedish, 50, 6).blue(), 120);
    EXPECT_GT(pixel(kLanguageFinnish, 50, 6).lightness(), 220);

    std::set<QByteArray> distinct;
    for (const LanguageEntry& entry : kLanguages) {
        const QImage image = languageFlag(entry.id, size).toImage();
        distinct.insert(
            QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(distinct.size(), kLanguages.size());
}

TEST(ChooserFilterTest, ConvertsToQtFilters) {
    EXPECT_EQ(
        ChooserFilter::toQt(QStringLiteral(
            "Images (*.png,*.bmp,*.jpg,*.gif)|*.png;*.bmp;*.jpg;*.gif|All Files (*.*)|*.*||")),
        QStringLiteral("Images (*.png *.bmp *.jpg *.gif);;All Files (*)"));
    // The pattern part decides, whatever the name's bracket claims; blanks and repeats go.
    EXPECT_EQ(ChooserFilter::toQtList(QStringLiteral("IPS Files (*.ips)|*.ips; *.IPS ;*.ips|")),
              QStringList{QStringLiteral("IPS Files (*.ips *.IPS)")});
    // The list ends at the first empty piece; a blank pattern part selects nothing and goes.
    EXPECT_EQ(ChooserFilter::toQtList(QStringLiteral("Executables|*.exe|Blank| ; |Cut||More|*.m|")),
              QStringList{QStringLiteral("Executables (*.exe)")});
    EXPECT_TRUE(
        ChooserFilter::toQtList(QStringLiteral("Empty (*.e)||Tapes (*.cas)|*.cas||")).isEmpty());
    EXPECT_EQ(ChooserFilter::toQt(QStringLiteral("Disks (*.dsk)|*.dsk")),
              QStringLiteral("Disks (*.dsk)"));
    EXPECT_TRUE(ChooserFilter::toQt(QString()).isEmpty());
}

}  // namespace
}  // namespace corvane
