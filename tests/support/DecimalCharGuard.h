#pragma once

#include "core/common/NumberText.h"

namespace lineora::test {

// The decimal separator is process-wide: a test that changes it holds one of these, which
// puts the previous separator back when the test ends, also when an assertion ends it early.
class DecimalCharGuard {
public:
    explicit DecimalCharGuard(QChar separator = DecimalChar()) : previous_(DecimalChar()) {
        SetDecimalChar(separator);
    }
    ~DecimalCharGuard() { SetDecimalChar(previous_); }
    DecimalCharGuard(const DecimalCharGuard&) = delete;
    DecimalCharGuard& operator=(const DecimalCharGuard&) = delete;

private:
    QChar previous_;
};

} // namespace lineora::test
