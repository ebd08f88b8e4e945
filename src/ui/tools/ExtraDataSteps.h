// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "app/ImportExtraDataOperation.h"
#include "ui/tools/ToolRun.h"

namespace corvane {

// The runner's steps for one import of the request: its refusal, or the job kept in job (which
// must outlive the run) and what follows it.
ToolSteps extraDataSteps(ImportExtraDataOperation& operation, ExtraDataImportRequest request,
                         std::optional<ImportExtraDataJob>& job);

}  // namespace corvane
