// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings/PathRow.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSortFilterProxyModel>

#include "ui/common/CLocalized.h"
#include "ui/common/ChooserFilter.h"
#include "ui/settings/SettingsIds.h"

namespace corvane {

namespace {

// Keeps folders and the files the user may run; a pattern cannot say that on this platform.
class ExecutableFilter : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setActive(bool active) {
        active_ = active;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!active_ || !files)
            return true;
        const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
        return info.isDir() || info.isExecutable();
    }

private:
    bool active_ = true;
};

}  // namespace

PathRow::PathRow(PathEdit::Kind kind, bool withEject, QWidget* parent)
    : QWidget(parent),
      edit_(new PathEdit(kind, this)),
      browse_(new QPushButton(QStringLiteral("Browse..."), this)) {
    CLocalized::setCatalogueId(browse_, kIdBrowse);
    edit_->setMinimumWidth(280);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit_, 1);
    layout->addWidget(browse_);
    if (withEject) {
        eject_ = new QPushButton(QStringLiteral("Eject"), this);
        CLocalized::setCatalogueId(eject_, kIdEject);
        layout->addWidget(eject_);
        connect(eject_, &QPushButton::clicked, edit_, &QLineEdit::clear);
    }
    connect(browse_, &QPushButton::clicked, this, &PathRow::browse);
}

void PathRow::setFolderChooser(const QString& caption) {
    caption_ = caption;
    chooserFilter_.clear();
}

void PathRow::setFileChooser(const QString& caption, const QString& chooserFilter,
                             const QString& defaultSuffix, bool executablesFirst) {
    caption_ = caption;
    chooserFilter_ = chooserFilter;
    defaultSuffix_ = defaultSuffix;
    executablesFirst_ = executablesFirst;
}

QString PathRow::startDirectory() const {
    const QString current = edit_->text().trimmed();
    if (current.isEmpty())
        return {};
    const QFileInfo info(current);
    return info.isDir() ? info.absoluteFilePath() : info.absolutePath();
}

void PathRow::browse() {
    if (chooserFilter_.isEmpty()) {
        const QString folder = QFileDialog::getExistingDirectory(this, caption_, startDirectory());
        if (!folder.isEmpty())
            edit_->setText(QDir::toNativeSeparators(folder));
        return;
    }
    QFileDialog chooser(this, caption_, startDirectory());
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(QFileDialog::ExistingFile);
    const QStringList filters = ChooserFilter::toQtList(chooserFilter_);
    chooser.setNameFilters(filters);
    chooser.setDefaultSuffix(defaultSuffix_);
    if (QFileInfo(edit_->text()).isFile())
        chooser.selectFile(edit_->text());
    if (executablesFirst_ && !filters.isEmpty()) {
        // Owned by the chooser, which deletes its proxy model.
        auto* programs = new ExecutableFilter(&chooser);
        chooser.setOption(QFileDialog::DontUseNativeDialog);
        chooser.setProxyModel(programs);
        const QString first = filters.first();
        connect(&chooser, &QFileDialog::filterSelected, programs,
                [programs, first](const QString& chosen) { programs->setActive(chosen == first); });
    }
    if (chooser.exec() != QDialog::Accepted)
        return;
    const QStringList chosen = chooser.selectedFiles();
    if (!chosen.isEmpty())
        edit_->setText(QDir::toNativeSeparators(chosen.first()));
}

}  // namespace corvane
