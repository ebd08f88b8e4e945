// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>

#include "tools/FillProgress.h"
#include "ui/common/CLocalized.h"

class QLabel;
class QPushButton;
class QTimer;

namespace corvane {

// Where a running fill is: the folder and the file, with Cancel. The fill reports from its own
// thread, so the window only keeps the latest texts and shows them on its own timer; Cancel only
// raises a flag the fill polls. Modal to the whole application while it is shown, so nothing
// else can start meanwhile.
class ScanningWindow : public CLocalized, public FillProgress {
    Q_OBJECT
public:
    ScanningWindow(const LanguageManager& languages, const QString& title,
                   QWidget* parent = nullptr);

    // On the fill's thread.
    void directory(const std::string& path) override;
    void file(const std::string& name) override;
    bool cancelled() override { return cancelled_; }

    // Called on the fill's thread after each file has been noted; lets a test act at a known
    // point of a run.
    void setFileObserver(std::function<void()> observer) { fileObserver_ = std::move(observer); }

    // Shows the latest texts now; the timer does so while the window is shown.
    void refresh();

    // A folder as the window shows it: whole when shorter than 40 characters, else its first
    // and last 15 around " ... ".
    static QString shownDirectory(const QString& path);

    QLabel* directoryLine() const { return directory_; }
    QLabel* fileLine() const { return file_; }
    QPushButton* cancelButton() const { return cancel_; }

public slots:
    // Escape and the window's close button ask for the same as Cancel.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QLabel* directory_;
    QLabel* file_;
    QPushButton* cancel_;
    QTimer* timer_;
    std::atomic<bool> cancelled_{false};
    std::function<void()> fileObserver_;
    std::mutex mutex_;
    // Under mutex_: the latest texts the fill reported, as its bytes.
    std::string directoryBytes_;
    std::string fileBytes_;
    bool changed_ = false;
};

}  // namespace corvane
