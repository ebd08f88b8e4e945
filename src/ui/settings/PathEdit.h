// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace corvane {

// A path box that takes a file dropped from the file manager.
class PathEdit : public QLineEdit {
    Q_OBJECT
public:
    enum class Kind { File, Folder };

    explicit PathEdit(Kind kind, QWidget* parent = nullptr);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    Kind kind_;
};

}  // namespace corvane
