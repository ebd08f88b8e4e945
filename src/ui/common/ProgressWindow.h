// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

#include "common/Progress.h"
#include "ui/common/CLocalized.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace corvane {

// Where a long operation running on a worker thread is: a status line, a detail line, a bar
// when the size of the work is known, and Cancel (Escape and the close button too). The worker
// reports from its own thread, so the window only keeps the latest values and shows them on its
// own timer; Cancel only raises a flag the worker polls. It appears after a short delay, so a
// quick operation never flashes it, and is then modal to the whole application.
class ProgressWindow : public CLocalized, public Progress {
    Q_OBJECT
public:
    ProgressWindow(const LanguageManager& languages, const QString& title,
                   QWidget* parent = nullptr);

    // Runs work on a worker thread and lets events run here until it has returned. Until the
    // window appears no user input is taken; afterwards only the window's own reaches it.
    void run(const std::function<void(Progress&)>& work);

    // Any thread.
    void setRange(std::int64_t total) override;
    void setPosition(std::int64_t done) override;
    void setStatus(const std::string& text) override;
    void setDetail(const std::string& text) override;
    bool cancelled() const override { return cancelled_; }

    void setAppearDelay(std::chrono::milliseconds delay) { appearDelay_ = delay; }
    // Called on the worker after each detail has been noted; lets a test act at a known point.
    void setDetailObserver(std::function<void()> observer) {
        detailObserver_ = std::move(observer);
    }

    // Shows the latest values now; the timer does so while the window is shown.
    void refresh();

    // A status as the window shows it: whole when shorter than 40 characters, else its first
    // and last 15 around " ... ", so the end of a long folder stays in view.
    static QString shownStatus(const QString& text);

    QLabel* statusLine() const { return status_; }
    QLabel* detailLine() const { return detail_; }
    QProgressBar* bar() const { return bar_; }
    QPushButton* cancelButton() const { return cancel_; }

signals:
    // The delay has passed with the work still going: the window is now shown.
    void appeared();

public slots:
    // Escape and the window's close button ask for the same as Cancel.
    void reject() override;

private:
    QLabel* status_;
    QLabel* detail_;
    QProgressBar* bar_;
    QPushButton* cancel_;
    QTimer* timer_;
    std::chrono::milliseconds appearDelay_{300};
    std::atomic<bool> cancelled_{false};
    std::function<void()> detailObserver_;
    std::mutex mutex_;
    // Under mutex_: the latest values the worker reported, texts as its bytes.
    std::int64_t total_ = 0;
    std::int64_t done_ = 0;
    std::string statusBytes_;
    std::string detailBytes_;
    bool changed_ = false;
};

}  // namespace corvane
