#pragma once
// The dialog service of the windowed program: Qt message boxes and standard dialogs.
#include "platform/core/DialogService.h"
#include "platform/core/QtColor.h"

#include <QColor>
#include <QMessageBox>
#include <memory>

class QPrinter;

namespace talur {

class QtDialogService : public DialogService {
public:
    QtDialogService();
    ~QtDialogService() override;

    MsgAnswer message(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultText) override;
    std::optional<ColorRef> chooseColor(ColorRef initial) override;
    std::optional<QString> chooseFolder(const QString& title, const QString& start) override;
    // Shows the print dialog on printer(); the choices stay there for the caller to print with.
    bool choosePrinter() override;

    QPrinter* printer() const { return m_printer.get(); }

private:
    std::unique_ptr<QPrinter> m_printer;
};

// Makes the Qt service the default one; the program calls it once after creating the QApplication.
void installQtDialogs();
// The Qt service installed by installQtDialogs(), or nullptr.
QtDialogService* qtDialogs();

// The pieces of a message box, separate so that they can be checked without showing one.
QMessageBox::Icon toQtIcon(MsgIcon icon);
QMessageBox::StandardButtons toQtButtons(MsgButtons buttons);
QMessageBox::StandardButton defaultQtButton(MsgButtons buttons); // the first one
QMessageBox::StandardButton escapeQtButton(MsgButtons buttons);  // Cancel, No, or the only button
MsgAnswer fromQtButton(int button);

} // namespace talur
