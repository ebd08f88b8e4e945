// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/properties/GamePropertiesMSXGENIDDlg.h"

#include <QLabel>
#include <QVBoxLayout>

#include "emulator/Launcher.h"
#include "i18n/LanguageManager.h"
#include "model/GenerationMsxLink.h"
#include "ui/common/TextCodec.h"

namespace corvane {

GamePropertiesMSXGENIDDlg::GamePropertiesMSXGENIDDlg(const LanguageManager& languages,
                                                     Launcher& launcher,
                                                     const std::string& generationMsxId,
                                                     QWidget* parent)
    : QWidget(parent), launcher_(launcher), link_(generationMsxLink(generationMsxId)) {
    createWidgets(languages, generationMsxId);
    connectWidgets();
}

void GamePropertiesMSXGENIDDlg::createWidgets(const LanguageManager& languages,
                                              const std::string& generationMsxId) {
    label_ = new QLabel(this);
    if (link_.empty()) {
        label_->setTextFormat(Qt::PlainText);
        label_->setText(catalogueText(languages, "M_NOT_IMPORTED"));
    } else {
        // The address is built from percent-encoded bytes, the shown id is escaped: neither can
        // add markup to the label.
        label_->setTextFormat(Qt::RichText);
        label_->setText(QStringLiteral("<a href=\"") + fromBytes(link_).toHtmlEscaped() +
                        QStringLiteral("\">") + fromBytes(generationMsxId).toHtmlEscaped() +
                        QStringLiteral("</a>"));
        label_->setTextInteractionFlags(Qt::TextBrowserInteraction);
        label_->setOpenExternalLinks(false);
        label_->setToolTip(fromBytes(link_));
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addStretch(1);
}

void GamePropertiesMSXGENIDDlg::connectWidgets() {
    // The desktop's browser opens it, and a failure is reported, as for an info file.
    connect(label_, &QLabel::linkActivated, this, [this] { launcher_.openLink(link_); });
}

}  // namespace corvane
