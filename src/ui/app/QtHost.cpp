#include "ui/app/QtHost.h"

#include "core/common/Color.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>

namespace lineora {

namespace {

// Repainting during a long loop costs time of its own; a few times a second is enough for the
// user to see it move.
constexpr qint64 kRepaintIntervalMs = 250;

QString Title() {
    return QGuiApplication::applicationDisplayName();
}

// Texts from the program and its language files may break lines with a lone CR, as the
// older program's boxes did; Qt breaks lines only at LF.
QString Lines(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

QString QtFileFilter(const QString& filter) {
    if (!filter.contains(QLatin1Char('|'))) {
        return filter;
    }
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        entries << (description.contains(QLatin1Char('('))
                        ? description
                        : QStringLiteral("%1 (%2)").arg(description, patterns));
    }
    return entries.join(QStringLiteral(";;"));
}

void QtHost::SetWindow(QWidget* window, QProgressBar* progress) {
    window_ = window;
    progress_ = progress;
}

void QtHost::ShowMessage(const QString& text) {
    QMessageBox::information(window_, Title(), Lines(text), QMessageBox::Ok);
}

bool QtHost::AskYesNo(const QString& text) {
    return QMessageBox::question(window_, Title(), Lines(text), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

Host::Answer QtHost::AskYesNoCancel(const QString& text) {
    switch (QMessageBox::question(window_, Title(), Lines(text),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

Host::SaveChoice QtHost::AskSaveChanges(const QString& text) {
    switch (QMessageBox::question(window_, Title(), Lines(text),
                                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                  QMessageBox::Save)) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

bool QtHost::AskOkCancel(const QString& caption, const QString& text) {
    return QMessageBox::warning(window_, caption, Lines(text),
                                QMessageBox::Ok | QMessageBox::Cancel,
                                QMessageBox::Ok) == QMessageBox::Ok;
}

std::optional<QString> QtHost::InputBox(const QString& caption, const QString& prompt,
                                        const QString& defaultText) {
    bool ok = false;
    QString text =
        QInputDialog::getText(window_, caption, Lines(prompt), QLineEdit::Normal, defaultText, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return text;
}

QString QtHost::OpenFileName(const QString& filter, const QString& folder) {
    return QFileDialog::getOpenFileName(window_, QString(), folder, QtFileFilter(filter));
}

namespace {

QString SaveDialog(QWidget* window, const QString& filter, const QString& folder,
                   const QString& proposedName, QFileDialog::Options options,
                   QString* chosenFilter = nullptr) {
    const QString start = proposedName.isEmpty() ? folder : QDir(folder).filePath(proposedName);
    return QFileDialog::getSaveFileName(window, QString(), start, QtFileFilter(filter),
                                        chosenFilter, options);
}

} // namespace

QString QtHost::SaveFileName(const QString& filter, const QString& folder,
                             const QString& proposedName) {
    return SaveDialog(window_, filter, folder, proposedName, {});
}

QString QtHost::SaveFileNameOfType(const QString& filter, const QString& folder,
                                   const QString& proposedName, QString& chosenFilter) {
    chosenFilter.clear();
    return SaveDialog(window_, filter, folder, proposedName, {}, &chosenFilter);
}

QString QtHost::SaveFileNameUnconfirmed(const QString& filter, const QString& folder,
                                        const QString& proposedName) {
    return SaveDialog(window_, filter, folder, proposedName, QFileDialog::DontConfirmOverwrite);
}

std::optional<TColor> QtHost::ChooseColor(TColor initial) {
    const QColor chosen = QColorDialog::getColor(QColor::fromRgb(ToQRgb(initial)), window_);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return FromQRgb(chosen.rgb());
}

void QtHost::PutClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

std::optional<QImage> QtHost::ClipboardPicture() {
    QImage picture = QGuiApplication::clipboard()->image();
    if (picture.isNull()) {
        return std::nullopt;
    }
    return picture;
}

void QtHost::BeginProgress(int total) {
    if (!busy_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        busy_ = true;
    }
    if (progress_ != nullptr) {
        progress_->setRange(0, total > 0 ? total : 1);
        progress_->setValue(0);
        progress_->show();
    }
    sinceRepaint_.start();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtHost::AdvanceProgress(int done) {
    if (progress_ != nullptr) {
        progress_->setValue(done);
    }
    if (!sinceRepaint_.isValid() || sinceRepaint_.elapsed() >= kRepaintIntervalMs) {
        // Input stays queued: a click now must not start a second loop inside this one.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        sinceRepaint_.start();
    }
}

void QtHost::EndProgress() {
    if (progress_ != nullptr) {
        progress_->hide();
    }
    if (busy_) {
        QApplication::restoreOverrideCursor();
        busy_ = false;
    }
    sinceRepaint_.invalidate();
}

QChar QtHost::SystemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

} // namespace lineora
