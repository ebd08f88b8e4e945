// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "common/Progress.h"

namespace corvane {

// One step of a longer run: the step reports against a range of its own, and the parent's bar
// moves through [from, to) of the parent's range, so the bar never runs back at the next step.
// Status, detail and Cancel pass through, unless the step must end whole (Cancel::AfterStep):
// then it never sees a Cancel, and the run looks at the parent's between steps.
class ProgressSpan final : public Progress {
public:
    enum class Cancel { Passed, AfterStep };

    // Until the step sets its range, it is taken to count in the parent's units from `from`.
    ProgressSpan(Progress& parent, std::int64_t from, std::int64_t to,
                 Cancel cancel = Cancel::Passed);

    void setRange(std::int64_t total) override { total_ = total; }
    void setPosition(std::int64_t done) override;
    void setStatus(const std::string& text) override { parent_.setStatus(text); }
    void setDetail(const std::string& text) override { parent_.setDetail(text); }
    bool cancelled() const override;

private:
    Progress& parent_;
    const std::int64_t from_;
    const std::int64_t to_;
    const Cancel cancel_;
    std::atomic<std::int64_t> total_;
};

}  // namespace corvane
