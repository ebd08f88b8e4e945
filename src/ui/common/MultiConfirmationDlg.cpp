// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/MultiConfirmationDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/common/DialogIds.h"

namespace corvane {

MultiConfirmationDlg::MultiConfirmationDlg(const LanguageManager& languages,
                                           const QString& question, QWidget* parent)
    : CLocalized(kDlgMultiConfirmation, languages, parent) {
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    auto* text = new QLabel(question, this);
    text->setWordWrap(true);
    text->setMinimumWidth(300);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(text, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const struct {
        int id;
        const char* fallback;
        MultiAnswer answer;
    } choices[] = {{kIdYes, "&Yes", MultiAnswer::Yes},
                   {kIdYesToAll, "Yes to &all", MultiAnswer::YesToAll},
                   {kIdNo, "&No", MultiAnswer::No},
                   {kIdNoToAll, "No to a&ll", MultiAnswer::NoToAll},
                   {kIdCancel, "Cancel", MultiAnswer::Cancel}};
    for (const auto& choice : choices) {
        auto* button = new QPushButton(QString::fromLatin1(choice.fallback), this);
        button->setObjectName(QStringLiteral("answer%1").arg(static_cast<int>(choice.answer)));
        // Yes replaces data, so Enter alone answers No; a button given the focus takes Enter.
        button->setAutoDefault(true);
        if (choice.answer == MultiAnswer::No) {
            button->setDefault(true);
            button->setFocus();
        }
        setCatalogueId(button, choice.id);
        const MultiAnswer answer = choice.answer;
        connect(button, &QPushButton::clicked, this, [this, answer] {
            answer_ = answer;
            done(static_cast<int>(answer));
        });
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
}

void MultiConfirmationDlg::reject() {
    answer_ = MultiAnswer::Cancel;
    done(static_cast<int>(MultiAnswer::Cancel));
}

MultiAnswer MultiConfirmationDlg::ask(const LanguageManager& languages, const QString& question,
                                      QWidget* parent) {
    MultiConfirmationDlg dlg(languages, question, parent);
    dlg.exec();
    return dlg.answer();
}

}  // namespace corvane
