// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/FillOperation.h"
#include "emulator/SoftwareSources.h"
#include "tools/FillRequest.h"
#include "ui/tools/ToolRun.h"

class QComboBox;
class QWidget;

namespace corvane {

class LanguageManager;

// What Fill Database and the drop dialog work with: the use case, where the software databases
// that name profiles are, and the emulator's machines to choose from.
struct FillSetup {
    FillOperation& operation;
    SoftwareSources sources;
    std::vector<std::string> machines;
};

// The runner's steps for one fill of the request: its refusal, or the job kept in job (which
// must outlive the run) and what follows it.
ToolSteps fillSteps(FillSetup& setup, FillRequest request, std::optional<FillJob>& job);

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
