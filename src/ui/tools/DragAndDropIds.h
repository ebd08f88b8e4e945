// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/tools/CreateDatabaseIds.h"

namespace corvane {

// Catalogue identifiers of Add to Current Database beyond those it shares with Fill Database.
inline constexpr int kDlgAddToCurrentDatabase = 179;
inline constexpr int kIdDroppedGroup = 1646;
inline constexpr int kIdAddFile = 1051;
inline constexpr int kIdAdd = 1069;

// Every identifier above, for the check that each language has them all.
inline constexpr int kDragAndDropIds[] = {kDlgAddToCurrentDatabase, kIdDroppedGroup, kIdAddFile,
                                          kIdAdd};

}  // namespace corvane
