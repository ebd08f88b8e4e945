// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDialogButtonBox;
class QWidget;

namespace corvane {

// OK and Cancel, captioned from the catalogue when their dialog is first shown.
QDialogButtonBox* createOkCancelButtons(QWidget* parent);

}  // namespace corvane
