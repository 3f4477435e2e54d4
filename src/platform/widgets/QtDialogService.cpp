#include "QtDialogService.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace talur {

namespace {

QWidget* dialogParent() {
    return QApplication::activeWindow();
}

std::unique_ptr<QtDialogService>& installed() {
    static std::unique_ptr<QtDialogService> service;
    return service;
}

} // namespace

QMessageBox::Icon toQtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::None:
        return QMessageBox::NoIcon;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQtButtons(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok:
        return QMessageBox::Ok;
    case MsgButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::AbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton defaultQtButton(MsgButtons buttons) {
    switch (firstButtonOf(buttons)) {
    case MsgAnswer::Yes:
        return QMessageBox::Yes;
    case MsgAnswer::Abort:
        return QMessageBox::Abort;
    case MsgAnswer::Retry:
        return QMessageBox::Retry;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::StandardButton escapeQtButton(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok:
        return QMessageBox::Ok;
    case MsgButtons::YesNo:
        return QMessageBox::No;
    case MsgButtons::AbortRetryIgnore:
        return QMessageBox::Abort;
    default:
        return QMessageBox::Cancel;
    }
}

MsgAnswer fromQtButton(int button) {
    switch (button) {
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    case QMessageBox::Abort:
        return MsgAnswer::Abort;
    case QMessageBox::Retry:
        return MsgAnswer::Retry;
    case QMessageBox::Ignore:
        return MsgAnswer::Ignore;
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    default:
        return MsgAnswer::Ok;
    }
}

QtDialogService::QtDialogService() : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    m_printer->setPageOrientation(QPageLayout::Landscape);
    m_printer->setPageSize(QPageSize(QPageSize::A4));
}

QtDialogService::~QtDialogService() = default;

MsgAnswer QtDialogService::message(const QString& text, MsgButtons buttons, MsgIcon icon,
                                   const QString& title) {
    QMessageBox box(toQtIcon(icon), title, text, toQtButtons(buttons), dialogParent());
    box.setDefaultButton(defaultQtButton(buttons));
    box.setEscapeButton(escapeQtButton(buttons));
    return fromQtButton(box.exec());
}

std::optional<QString> QtDialogService::input(const QString& prompt, const QString& title,
                                              const QString& defaultText) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(dialogParent(), title, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<ColorRef> QtDialogService::chooseColor(ColorRef initial) {
    const QColor color = QColorDialog::getColor(toQColor(initial), dialogParent());
    if (!color.isValid())
        return std::nullopt;
    return toColorRef(color);
}

std::optional<QString> QtDialogService::chooseFolder(const QString& title, const QString& start) {
    const QString folder = QFileDialog::getExistingDirectory(dialogParent(), title, start);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

bool QtDialogService::choosePrinter() {
    QPrintDialog dialog(m_printer.get(), dialogParent());
    return dialog.exec() == QDialog::Accepted;
}

namespace {

// The service holds a printer, which must go before the application object does.
void removeQtDialogs() {
    setDefaultDialogs(nullptr);
    installed().reset();
}

} // namespace

void installQtDialogs() {
    if (!installed()) {
        installed() = std::make_unique<QtDialogService>();
        qAddPostRoutine(removeQtDialogs);
    }
    setDefaultDialogs(installed().get());
}

QtDialogService* qtDialogs() {
    return installed().get();
}

} // namespace talur
