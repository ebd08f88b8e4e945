// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/FillChoices.h"

#include <QComboBox>

#include "emulator/MachineCatalogue.h"
#include "i18n/LanguageManager.h"
#include "ui/common/ItemBytes.h"
#include "ui/common/TextCodec.h"
#include "ui/tools/CreateDatabaseIds.h"

namespace corvane {

QComboBox* createNamingCombo(const LanguageManager& languages, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    for (int id : {kIdUseFileName, kIdNameFromEmulator})
        combo->addItem(fromBytes(languages.textForId(id)));
    return combo;
}

FillNaming chosenNaming(const QComboBox* combo) {
    return combo->currentIndex() == 1 ? FillNaming::Emulator : FillNaming::FileName;
}

QComboBox* createMachineCombo(std::vector<std::string> machines, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    // The command line takes the same machine when none is named. An installation that lists
    // no machines still gives new profiles that one, rather than none.
    const std::string preselected = MachineCatalogue::defaultMachine(machines);
    if (machines.empty())
        machines.push_back(preselected);
    for (const std::string& machine : machines)
        combo->addItem(fromBytes(machine), itemBytes(machine));
    const std::optional<size_t> chosen = MachineCatalogue::indexOf(machines, preselected, false);
    combo->setCurrentIndex(chosen ? static_cast<int>(*chosen) : -1);
    return combo;
}

std::string chosenMachine(const QComboBox* combo) {
    return bytesOfItem(combo->currentData());
}

ToolSteps fillSteps(FillSetup& setup, FillRequest request, std::optional<FillJob>& job) {
    FillOperation& fill = setup.operation;
    ToolSteps steps{fill.refusal(request), {}, {}};
    if (!steps.refusal)
        job.emplace(fill.prepare(std::move(request), setup.sources));
    steps.job = [&job](Progress& progress) { job->run(progress); };
    steps.finish = [&fill, &job] { return fill.finish(*job); };
    return steps;
}

}  // namespace corvane
