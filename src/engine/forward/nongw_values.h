#pragma once

#include "engine/forward/constituent.h"
#include "platform/db/result.h"

#include <optional>

// How a non-groundwater step keeps and writes its values. A value that is not finite, or that
// lies beyond single precision where the step keeps it single, is never stored:
// - FailRun: the first such value fails the step, naming the constituent and the field it was
//   computing; nothing is written after it, and the run rolls back.
// - SkipStep (the forward air step): the value becomes NaN, so that every value computed from
//   it is skipped as well, and a field that would receive it keeps its content.
class StepCheck {
public:
    enum class Mode { FailRun, SkipStep };

    explicit StepCheck(const ConstituentInputs& in, Mode mode = Mode::FailRun);

    // `x` in single precision, or NaN.
    float single(double x, const char* field);
    // Writes `x` into `target` as a double, or as a single when `asSingle`.
    void write(std::optional<double>& target, double x, const char* field, bool asSingle = false);
    // Fails the step for an input field that the calculation cannot do without.
    void refuse(const char* field, const QString& why);

    bool failed() const { return m_error.has_value(); }
    Status status() const;

private:
    void fail(const char* field);

    const ConstituentInputs& m_in;
    Mode m_mode;
    std::optional<Error> m_error;
};
