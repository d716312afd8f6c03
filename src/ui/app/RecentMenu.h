#pragma once

#include <QString>

#include <functional>

class QAction;
class QMenu;

namespace lineora {

struct RecentFiles;

// File -> Recent ("menuRecent"), placed before `before`. Its entries are made again from the
// list each time the File menu opens, newest first and numbered; it is greyed while the list
// is empty. Choosing an entry calls `open` with its path.
QMenu* AddRecentMenu(QMenu* fileMenu, QAction* before, const RecentFiles& recent,
                     std::function<void(const QString&)> open);

} // namespace lineora
