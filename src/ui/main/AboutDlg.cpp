// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/AboutDlg.h"

#include <tinyxml.h>
#include <zlib.h>

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/DialogIds.h"
#include "ui/main/MainWindowIds.h"
#include "ui/resources/Artwork.h"

namespace corvane {

namespace {

constexpr int kIconSide = 64;
constexpr int kTextWidth = 380;

QLabel* wrappedLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setFixedWidth(kTextWidth);
    return label;
}

}  // namespace

QStringList AboutDlg::libraryCredits() {
    // Qt and zlib are shared libraries: the versions are those running, not those built with.
    return {QStringLiteral("Qt %1 (LGPL-3.0-only)").arg(QString::fromLatin1(qVersion())),
            QStringLiteral("zlib %1 (Zlib)").arg(QString::fromLatin1(zlibVersion())),
            QStringLiteral("minizip %1 (Zlib)").arg(QStringLiteral(CORVANE_MINIZIP_VERSION)),
            QStringLiteral("TinyXML %1.%2.%3 (Zlib)")
                .arg(TIXML_MAJOR_VERSION)
                .arg(TIXML_MINOR_VERSION)
                .arg(TIXML_PATCH_VERSION)};
}

AboutDlg::AboutDlg(const LanguageManager& languages, QWidget* parent)
    : CLocalized(kDlgAbout, languages, parent),
      version_(wrappedLabel(this)),
      credits_(wrappedLabel(this)) {
    auto* icon = new QLabel(this);
    icon->setPixmap(applicationIcon().pixmap(kIconSide, kIconSide));
    icon->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(QStringLiteral("Corvane Launcher"), this);
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.5);
    name->setFont(nameFont);
    version_->setText(textForId(kIdAboutVersion) + QLatin1Char(' ') +
                      QStringLiteral(CORVANE_VERSION));
    auto* description = wrappedLabel(this);
    setCatalogueId(description, kIdAboutText);
    auto* licence = wrappedLabel(this);
    setCatalogueId(licence, kIdAboutLicence);
    auto* librariesHeading = wrappedLabel(this);
    setCatalogueId(librariesHeading, kIdAboutLibraries);
    credits_->setText(libraryCredits().join(QLatin1Char('\n')));
    credits_->setIndent(12);
    for (QLabel* label : {name, version_, description, licence, librariesHeading, credits_})
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    setCatalogueId(buttons->button(QDialogButtonBox::Ok), kIdOk);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(version_);
    text->addSpacing(8);
    text->addWidget(description);
    text->addSpacing(8);
    text->addWidget(licence);
    text->addSpacing(8);
    text->addWidget(librariesHeading);
    text->addWidget(credits_);
    auto* body = new QHBoxLayout;
    body->addWidget(icon, 0, Qt::AlignTop);
    body->addSpacing(12);
    body->addLayout(text);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(body);
    layout->addSpacing(8);
    layout->addWidget(buttons);
}

}  // namespace corvane
