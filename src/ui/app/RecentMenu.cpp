#include "ui/app/RecentMenu.h"

#include "core/config/RecentFiles.h"

#include <QAction>
#include <QDir>
#include <QMenu>

#include <utility>

namespace lineora {

namespace {

void FillRecentMenu(QMenu* menu, const RecentFiles& recent,
                    const std::function<void(const QString&)>& open) {
    menu->clear();
    int number = 0;
    for (const QString& path : recent.Paths) {
        ++number;
        // A "&" of the name would underline the next letter instead of showing.
        QString name = QDir::toNativeSeparators(path);
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = menu->addAction(QStringLiteral("&%1  %2").arg(number).arg(name));
        QObject::connect(entry, &QAction::triggered, menu, [open, path] { open(path); });
    }
    menu->menuAction()->setEnabled(!recent.Paths.isEmpty());
}

} // namespace

QMenu* AddRecentMenu(QMenu* fileMenu, QAction* before, const RecentFiles& recent,
                     std::function<void(const QString&)> open) {
    auto* menu = new QMenu(QStringLiteral("Recent files"), fileMenu);
    menu->setObjectName(QStringLiteral("menuRecent"));
    fileMenu->insertMenu(before, menu);
    const auto fill = [menu, &recent, open = std::move(open)] {
        FillRecentMenu(menu, recent, open);
    };
    QObject::connect(fileMenu, &QMenu::aboutToShow, menu, fill);
    fill();
    return menu;
}

} // namespace lineora
