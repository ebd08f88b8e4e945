// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/ScanningWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/common/DialogIds.h"
#include "ui/common/TextCodec.h"

namespace corvane {

namespace {
constexpr int kRefreshMilliseconds = 100;
constexpr qsizetype kShortenFrom = 40;
constexpr qsizetype kKeptEachSide = 15;
}  // namespace

ScanningWindow::ScanningWindow(const LanguageManager& languages, const QString& title,
                               QWidget* parent)
    : CLocalized(0, languages, parent),
      directory_(new QLabel(this)),
      file_(new QLabel(this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)),
      timer_(new QTimer(this)) {
    setWindowTitle(title);
    setWindowModality(Qt::ApplicationModal);
    setCatalogueId(cancel_, kIdProgressCancel);
    // Long names are cut to the line rather than widening the window as they pass.
    for (QLabel* line : {directory_, file_}) {
        line->setMinimumWidth(360);
        line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        line->setTextFormat(Qt::PlainText);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(directory_);
    layout->addWidget(file_);
    layout->addWidget(cancel_, 0, Qt::AlignHCenter);
    timer_->setInterval(kRefreshMilliseconds);
    connect(timer_, &QTimer::timeout, this, &ScanningWindow::refresh);
    connect(cancel_, &QPushButton::clicked, this, &ScanningWindow::reject);
}

void ScanningWindow::directory(const std::string& path) {
    std::lock_guard lock(mutex_);
    directoryBytes_ = path;
    changed_ = true;
}

void ScanningWindow::file(const std::string& name) {
    {
        std::lock_guard lock(mutex_);
        fileBytes_ = name;
        changed_ = true;
    }
    if (fileObserver_)
        fileObserver_();
}

void ScanningWindow::refresh() {
    std::string directory;
    std::string file;
    {
        std::lock_guard lock(mutex_);
        if (!changed_)
            return;
        changed_ = false;
        directory = directoryBytes_;
        file = fileBytes_;
    }
    directory_->setText(shownDirectory(fromBytes(directory)));
    file_->setText(fontMetrics().elidedText(fromBytes(file), Qt::ElideMiddle, file_->width()));
}

QString ScanningWindow::shownDirectory(const QString& path) {
    // Counted in characters, so a cut never splits one.
    const QList<uint> characters = path.toUcs4();
    if (characters.size() < kShortenFrom)
        return path;
    const auto part = [&characters](qsizetype from) {
        const QList<uint> piece = characters.mid(from, kKeptEachSide);
        return QString::fromUcs4(reinterpret_cast<const char32_t*>(piece.constData()),
                                 piece.size());
    };
    return part(0) + QStringLiteral(" ... ") + part(characters.size() - kKeptEachSide);
}

void ScanningWindow::reject() {
    cancelled_ = true;
    cancel_->setEnabled(false);
}

void ScanningWindow::showEvent(QShowEvent* event) {
    CLocalized::showEvent(event);
    timer_->start();
}

void ScanningWindow::hideEvent(QHideEvent* event) {
    timer_->stop();
    CLocalized::hideEvent(event);
}

}  // namespace corvane
