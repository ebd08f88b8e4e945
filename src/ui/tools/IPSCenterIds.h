// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

// Catalogue identifiers of the IPS Center and its captioned controls.
inline constexpr int kDlgIpsCenter = 330;
inline constexpr int kIdIpsInputsGroup = 1440;
inline constexpr int kIdIpsPatchLabel = 1441;
inline constexpr int kIdIpsPatchBrowse = 1446;
inline constexpr int kIdIpsSourceLabel = 1445;
inline constexpr int kIdIpsSourceBrowse = 1364;
inline constexpr int kIdIpsEnforceSha1 = 1453;
inline constexpr int kIdIpsOutputGroup = 1451;
inline constexpr int kIdIpsSeparateTarget = 1448;
inline constexpr int kIdIpsTargetLabel = 1450;
inline constexpr int kIdIpsTargetBrowse = 1366;
inline constexpr int kIdIpsPatchSource = 1447;

// Every identifier above, for the check that each language has them all.
inline constexpr int kIpsCenterIds[] = {kDlgIpsCenter,     kIdIpsInputsGroup,  kIdIpsPatchLabel,
                                        kIdIpsPatchBrowse, kIdIpsSourceLabel,  kIdIpsSourceBrowse,
                                        kIdIpsEnforceSha1, kIdIpsOutputGroup,  kIdIpsSeparateTarget,
                                        kIdIpsTargetLabel, kIdIpsTargetBrowse, kIdIpsPatchSource};

}  // namespace corvane
