// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "tools/FillRequest.h"

class QComboBox;
class QWidget;

namespace corvane {

class LanguageManager;

// The choices Fill Database and the drop dialog share.

// "Use file name" (chosen) and "Get from Corvane".
QComboBox* createNamingCombo(const LanguageManager& languages, QWidget* parent);
FillNaming chosenNaming(const QComboBox* combo);

// The machines in their order, MachineCatalogue::defaultMachine chosen; that one alone when
// there are none.
QComboBox* createMachineCombo(std::vector<std::string> machines, QWidget* parent);
// Empty when there is no machine to choose.
std::string chosenMachine(const QComboBox* combo);

}  // namespace corvane
