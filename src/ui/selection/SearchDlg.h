// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "selection/ProfileSearch.h"
#include "ui/common/CLocalized.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace corvane {

class ProgressWindow;
class Prompter;

// Finds profiles by part of their name in every database. OK hands back the chosen hit, which
// the main window locates; the last search text lives in the ProfileSearch the caller owns.
class SearchDlg : public CLocalized {
    Q_OBJECT
public:
    SearchDlg(ProfileSearch& search, Prompter& prompter, const LanguageManager& languages,
              QWidget* parent = nullptr);

    // After OK: the profile and database to locate.
    const std::optional<SearchHit>& chosenHit() const { return chosen_; }

    QLineEdit* nameEdit() const { return name_; }
    QPushButton* findButton() const { return find_; }
    QTreeWidget* results() const { return results_; }
    QLabel* foundCount() const { return count_; }
    QLabel* question() const { return question_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    void accept() override;
    // Called with each search's progress window before it starts; lets a test act on it.
    void setWindowSetup(std::function<void(ProgressWindow&)> setup) {
        windowSetup_ = std::move(setup);
    }

public slots:
    void find();

private:
    void createWidgets();
    void connectWidgets();
    void loadValues();
    void selectionChanged();

    ProfileSearch& search_;
    Prompter& prompter_;
    std::vector<SearchHit> hits_;
    std::optional<SearchHit> chosen_;
    std::function<void(ProgressWindow&)> windowSetup_;

    QLineEdit* name_ = nullptr;
    QPushButton* find_ = nullptr;
    QTreeWidget* results_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* question_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace corvane
