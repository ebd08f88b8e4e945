// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <array>

#include "tools/ExtraDataOptions.h"

class QButtonGroup;
class QRadioButton;

namespace corvane {

// What a choice of the options box is about.
enum class ExtraDataField { Generation, Sound, Genre, InfoFile, Screenshots };

// The five choices of an extra-data import, each Skip at first: Skip, Overwrite and Merge for
// generation, sound and genre; Skip, Overwrite and Set if empty for the info file and the
// screenshots. Both extra-data dialogs show it.
class ExtraDataOptionsBox : public QGroupBox {
    Q_OBJECT
public:
    explicit ExtraDataOptionsBox(QWidget* parent);

    // index 0 is Skip, 1 Overwrite, 2 Merge or Set if empty.
    QRadioButton* choice(ExtraDataField field, int index) const;
    ExtraDataOptions options() const;

private:
    static constexpr int kFields = 5;
    int chosen(ExtraDataField field) const;

    std::array<QButtonGroup*, kFields> groups_{};
};

}  // namespace corvane
