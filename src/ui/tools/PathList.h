// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>
#include <string>
#include <vector>

namespace corvane {

class LanguageManager;
class Prompter;

// The folders, or files and folders, a fill takes, in the order added. Each line keeps the
// path's own bytes, so one that is not UTF-8 still names its file.
class PathList : public QListWidget {
    Q_OBJECT
public:
    explicit PathList(QWidget* parent = nullptr);

    // Appends a path that is not listed yet (exact comparison); false when it is.
    bool addPath(const std::string& path);
    std::vector<std::string> paths() const;
    void removeSelected();

    // Asks for a folder and appends it; one listed already is refused with M_ERR_DIR_EXIST.
    void addChosenDirectory(Prompter& prompter, const LanguageManager& languages);
    // Asks for a file (All Files, ".rom" by default) and appends it; one listed already is
    // refused with M_ERR_FILE_EXIST.
    void addChosenFile(Prompter& prompter, const LanguageManager& languages);

private:
    void addOrRefuse(const QString& chosen, const char* listedKey, Prompter& prompter,
                     const LanguageManager& languages);
};

}  // namespace corvane
