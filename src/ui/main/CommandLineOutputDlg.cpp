// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/CommandLineOutputDlg.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/common/DialogIds.h"
#include "ui/main/MainWindowIds.h"

namespace corvane {

namespace {
constexpr int kColumns = 80;
constexpr int kMinLines = 3;
constexpr int kMaxLines = 14;
}  // namespace

CommandLineOutputDlg::CommandLineOutputDlg(const LanguageManager& languages,
                                           const QString& arguments, QWidget* parent)
    : CLocalized(kDlgCommandLineOutput, languages, parent), edit_(new QPlainTextEdit(this)) {
    // What is started is the argument vector as built; the box only shows it. Lines break at
    // blanks, and anywhere inside a path too long for a line, so nothing hides to the right.
    edit_->setPlainText(arguments);
    edit_->setReadOnly(true);
    edit_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit_->setTabChangesFocus(true);
    edit_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    // Wide enough for a usual line, and as tall as the wrapped text needs, within limits.
    const QFontMetrics metrics(edit_->font());
    const int textWidth = metrics.horizontalAdvance(QLatin1Char('M')) * kColumns;
    const QRect wrapped =
        metrics.boundingRect(QRect(0, 0, textWidth, 1 << 20), Qt::TextWrapAnywhere, arguments);
    const int lines =
        std::clamp(wrapped.height() / metrics.lineSpacing() + 1, kMinLines, kMaxLines);
    const int chrome =
        2 * (edit_->frameWidth() + static_cast<int>(edit_->document()->documentMargin()));
    edit_->setMinimumSize(textWidth + chrome, lines * metrics.lineSpacing() + chrome);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* launch =
        buttons->addButton(QStringLiteral("Launch"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    setCatalogueId(launch, kIdCommandLineLaunch);
    setCatalogueId(cancel, kIdCancel);
    launch->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(edit_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The box's own preferred size is a fixed square; start at the size the text needs.
    resize(layout->totalMinimumSize());
}

}  // namespace corvane
