// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/PathList.h"

#include <QDir>
#include <QFileDialog>

#include "i18n/LanguageManager.h"
#include "ui/common/ChooserFilter.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/ItemBytes.h"
#include "ui/common/TextCodec.h"

namespace corvane {

PathList::PathList(QWidget* parent) : QListWidget(parent) {}

bool PathList::addPath(const std::string& path) {
    const QVariant bytes = itemBytes(path);
    for (int row = 0; row < count(); ++row)
        if (item(row)->data(Qt::UserRole) == bytes)
            return false;
    auto* line = new QListWidgetItem(fromBytes(path), this);
    line->setData(Qt::UserRole, bytes);
    return true;
}

std::vector<std::string> PathList::paths() const {
    std::vector<std::string> out;
    out.reserve(static_cast<size_t>(count()));
    for (int row = 0; row < count(); ++row)
        out.push_back(bytesOfItem(item(row)->data(Qt::UserRole)));
    return out;
}

void PathList::removeSelected() {
    for (QListWidgetItem* line : selectedItems())
        delete line;
}

void PathList::addOrRefuse(const QString& chosen, const char* listedKey, Prompter& prompter,
                           const LanguageManager& languages) {
    if (chosen.isEmpty())
        return;
    if (!addPath(toBytes(QDir::toNativeSeparators(chosen))))
        reportError(prompter, languages, listedKey);
}

void PathList::addChosenDirectory(Prompter& prompter, const LanguageManager& languages) {
    addOrRefuse(QFileDialog::getExistingDirectory(this), "M_ERR_DIR_EXIST", prompter, languages);
}

void PathList::addChosenFile(Prompter& prompter, const LanguageManager& languages) {
    QFileDialog chooser(this);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setNameFilters(ChooserFilter::toQtList(catalogueText(languages, "L_ALL_FILES") +
                                                   QStringLiteral(" (*.*)|*.*||")));
    chooser.setDefaultSuffix(QStringLiteral("rom"));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    addOrRefuse(chooser.selectedFiles().first(), "M_ERR_FILE_EXIST", prompter, languages);
}

}  // namespace corvane
