#include "ui/app/FormHelp.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace lineora {

TFormHelp::TFormHelp(QWidget* parent) : QDialog(parent), Browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("FormHelp"));
    setWindowTitle(QStringLiteral("Lineora"));
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Browser);
    resize(760, 620);
}

void TFormHelp::ShowPage(const QString& path) {
    Browser->setSource(QUrl::fromLocalFile(path));
    const QString title = Browser->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Lineora") : title);
}

} // namespace lineora
