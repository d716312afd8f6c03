#include "core/common/Errors.h"

#include <QString>

namespace lineora {

CalcError::CalcError(const QString& what) : std::runtime_error(what.toStdString()) {}
FileError::FileError(const QString& what) : std::runtime_error(what.toStdString()) {}
FormatError::FormatError(const QString& what) : std::runtime_error(what.toStdString()) {}

} // namespace lineora
