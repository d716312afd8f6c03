#pragma once

#include "core/common/NumberText.h"

namespace lineora::test {

// Sets the process-wide decimal separator until the end of the scope, however a test ends.
class DecimalCharGuard {
    QChar previous_ = DecimalChar();

public:
    explicit DecimalCharGuard(QChar separator = DecimalChar()) { SetDecimalChar(separator); }
    ~DecimalCharGuard() { SetDecimalChar(previous_); }
    DecimalCharGuard(const DecimalCharGuard&) = delete;
    DecimalCharGuard& operator=(const DecimalCharGuard&) = delete;
};

} // namespace lineora::test
