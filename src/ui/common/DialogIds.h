// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

// Catalogue identifiers of the shared small dialogs and their buttons.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdNo = 104;
inline constexpr int kIdNoToAll = 107;
inline constexpr int kIdYes = 1600;
inline constexpr int kIdYesToAll = 1601;
inline constexpr int kIdProgressCancel = 1115;

inline constexpr int kDlgInput = 204;
inline constexpr int kDlgSelection = 224;
inline constexpr int kDlgProgress = 234;
inline constexpr int kDlgMultiConfirmation = 238;

// Every identifier above, for the check that each language has them all.
inline constexpr int kDialogIds[] = {kIdOk,
                                     kIdCancel,
                                     kIdNo,
                                     kIdNoToAll,
                                     kIdYes,
                                     kIdYesToAll,
                                     kIdProgressCancel,
                                     kDlgInput,
                                     kDlgSelection,
                                     kDlgProgress,
                                     kDlgMultiConfirmation};

}  // namespace corvane
