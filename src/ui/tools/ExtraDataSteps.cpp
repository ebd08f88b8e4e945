// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/ExtraDataSteps.h"

namespace corvane {

ToolSteps extraDataSteps(ImportExtraDataOperation& operation, ExtraDataImportRequest request,
                         std::optional<ImportExtraDataJob>& job) {
    ToolSteps steps{operation.refusal(request), {}, {}};
    if (!steps.refusal)
        job.emplace(operation.prepare(std::move(request)));
    steps.job = [&job](Progress& progress) { job->run(progress); };
    steps.finish = [&operation, &job] { return operation.finish(*job); };
    return steps;
}

}  // namespace corvane
