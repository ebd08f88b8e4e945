// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/ProgressWindow.h"

#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <thread>

#include "ui/common/DialogIds.h"
#include "ui/common/TextCodec.h"

namespace corvane {

namespace {
constexpr int kRefreshMilliseconds = 100;
constexpr qsizetype kShortenFrom = 40;
constexpr qsizetype kKeptEachSide = 15;
constexpr int kBarSteps = 1000;
}  // namespace

ProgressWindow::ProgressWindow(const LanguageManager& languages, const QString& title,
                               QWidget* parent)
    : CLocalized(0, languages, parent),
      status_(new QLabel(this)),
      detail_(new QLabel(this)),
      bar_(new QProgressBar(this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)),
      timer_(new QTimer(this)) {
    setWindowTitle(title);
    // The operation it shows may be changing files: no other window may act meanwhile.
    setWindowModality(Qt::ApplicationModal);
    setCatalogueId(cancel_, kIdProgressCancel);
    // Long names are cut to the line rather than widening the window as they pass.
    for (QLabel* line : {status_, detail_}) {
        line->setMinimumWidth(360);
        line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        line->setTextFormat(Qt::PlainText);
    }
    bar_->setRange(0, kBarSteps);
    bar_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(detail_);
    layout->addWidget(bar_);
    layout->addWidget(cancel_, 0, Qt::AlignHCenter);
    timer_->setInterval(kRefreshMilliseconds);
    connect(timer_, &QTimer::timeout, this, &ProgressWindow::refresh);
    connect(cancel_, &QPushButton::clicked, this, &ProgressWindow::reject);
}

void ProgressWindow::run(const std::function<void(Progress&)>& work) {
    QEventLoop loop;
    std::atomic<bool> finished{false};
    std::thread worker([this, &work, &loop, &finished] {
        work(*this);
        finished = true;
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    // An event loop of its own runs no deletion requested before it started, so the widget
    // whose handler started the work cannot vanish under it.
    QTimer appear;
    appear.setSingleShot(true);
    connect(&appear, &QTimer::timeout, &loop, &QEventLoop::quit);
    appear.start(appearDelay_);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!finished) {
        refresh();
        show();
        timer_->start();
        emit appeared();
        loop.exec();
        timer_->stop();
        hide();
    }
    worker.join();
}

void ProgressWindow::setRange(std::int64_t total) {
    std::lock_guard lock(mutex_);
    total_ = total;
    changed_ = true;
}

void ProgressWindow::setPosition(std::int64_t done) {
    std::lock_guard lock(mutex_);
    done_ = done;
    changed_ = true;
}

void ProgressWindow::setStatus(const std::string& text) {
    std::lock_guard lock(mutex_);
    statusBytes_ = text;
    changed_ = true;
}

void ProgressWindow::setDetail(const std::string& text) {
    {
        std::lock_guard lock(mutex_);
        detailBytes_ = text;
        changed_ = true;
    }
    if (detailObserver_)
        detailObserver_();
}

void ProgressWindow::refresh() {
    std::string status;
    std::string detail;
    std::int64_t total = 0;
    std::int64_t done = 0;
    {
        std::lock_guard lock(mutex_);
        if (!changed_)
            return;
        changed_ = false;
        status = statusBytes_;
        detail = detailBytes_;
        total = total_;
        done = done_;
    }
    status_->setText(shownStatus(fromBytes(status)));
    detail_->setText(
        fontMetrics().elidedText(fromBytes(detail), Qt::ElideMiddle, detail_->width()));
    bar_->setVisible(total > 0);
    if (total > 0) {
        // In steps of its own, so that sizes beyond int fit the bar.
        const std::int64_t clamped = std::clamp<std::int64_t>(done, 0, total);
        bar_->setValue(static_cast<int>(static_cast<double>(clamped) / total * kBarSteps));
    }
}

QString ProgressWindow::shownStatus(const QString& text) {
    // Counted in characters, so a cut never splits one.
    const QList<uint> characters = text.toUcs4();
    if (characters.size() < kShortenFrom)
        return text;
    const auto part = [&characters](qsizetype from) {
        const QList<uint> piece = characters.mid(from, kKeptEachSide);
        return QString::fromUcs4(reinterpret_cast<const char32_t*>(piece.constData()),
                                 piece.size());
    };
    return part(0) + QStringLiteral(" ... ") + part(characters.size() - kKeptEachSide);
}

void ProgressWindow::reject() {
    cancelled_ = true;
    cancel_->setEnabled(false);
}

}  // namespace corvane
