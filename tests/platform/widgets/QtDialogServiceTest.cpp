// The Qt dialogs, driven offscreen: a timer finds the open box, checks it and answers it.
#include "platform/widgets/QtDialogService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QInputDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace talur::test {

namespace {

// Runs action on the first modal dialog of type T once it is shown.
template <typename T> void whenShown(std::function<void(T*)> action) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        }
    });
    timer->start();
}

} // namespace

TEST(QtDialogs, ColorRefConversion) {
    EXPECT_EQ(toQColor(255), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(toQColor(0x00804020), QColor(0x20, 0x40, 0x80));
    for (ColorRef c : {0, 255, 0xFF00, 0xFF0000, 0xFFFFFF, 0x123456})
        EXPECT_EQ(toColorRef(toQColor(c)), c);
}

TEST(QtDialogs, MessageBoxPieces) {
    const struct {
        MsgButtons buttons;
        QMessageBox::StandardButtons qt;
        QMessageBox::StandardButton first;
        QMessageBox::StandardButton escape;
    } cases[] = {
        {MsgButtons::Ok, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok},
        {MsgButtons::OkCancel, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Cancel},
        {MsgButtons::YesNo, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No},
        {MsgButtons::YesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes,
         QMessageBox::Cancel},
        {MsgButtons::AbortRetryIgnore, QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore,
         QMessageBox::Abort, QMessageBox::Abort},
        {MsgButtons::RetryCancel, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry,
         QMessageBox::Cancel},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toQtButtons(c.buttons), c.qt);
        EXPECT_EQ(defaultQtButton(c.buttons), c.first);
        EXPECT_EQ(escapeQtButton(c.buttons), c.escape);
        EXPECT_TRUE(c.qt.testFlag(c.escape));
    }
    EXPECT_EQ(toQtIcon(MsgIcon::Exclamation), QMessageBox::Warning);
    EXPECT_EQ(toQtIcon(MsgIcon::Question), QMessageBox::Question);
    EXPECT_EQ(toQtIcon(MsgIcon::Critical), QMessageBox::Critical);
    EXPECT_EQ(fromQtButton(QMessageBox::No), MsgAnswer::No);
    EXPECT_EQ(fromQtButton(QMessageBox::Ignore), MsgAnswer::Ignore);
}

TEST(QtDialogs, MessageBoxShowsTextTitleIconAndAnswers) {
    QtDialogService service;
    bool checked = false;
    whenShown<QMessageBox>([&](QMessageBox* box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Speichern"));
        EXPECT_EQ(box->text(), QStringLiteral("Änderungen speichern?"));
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::Yes));
        checked = true;
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(service.message(QStringLiteral("Änderungen speichern?"), MsgButtons::YesNoCancel,
                              MsgIcon::Question, QStringLiteral("Speichern")),
              MsgAnswer::No);
    EXPECT_TRUE(checked);
}

TEST(QtDialogs, InputBoxGivesTextOrCancel) {
    QtDialogService service;
    whenShown<QInputDialog>([](QInputDialog* box) {
        EXPECT_EQ(box->textValue(), QStringLiteral("vorgabe"));
        EXPECT_EQ(box->labelText(), QStringLiteral("Kennung?"));
        box->setTextValue(QStringLiteral("neu"));
        box->accept();
    });
    EXPECT_EQ(service.input(QStringLiteral("Kennung?"), QStringLiteral("Eingabe"), QStringLiteral("vorgabe")),
              std::optional<QString>(QStringLiteral("neu")));
    whenShown<QInputDialog>([](QInputDialog* box) { box->reject(); });
    EXPECT_EQ(service.input(QStringLiteral("Kennung?"), QStringLiteral("Eingabe"), QString()), std::nullopt);
}

TEST(QtDialogs, ColorDialogSpeaksColorRef) {
    QtDialogService service;
    whenShown<QColorDialog>([](QColorDialog* dialog) {
        EXPECT_EQ(dialog->currentColor(), QColor(255, 0, 0)); // initial 255 is red
        dialog->setCurrentColor(QColor(0, 0, 255));
        dialog->accept();
    });
    EXPECT_EQ(service.chooseColor(255), std::optional<ColorRef>(0xFF0000));
    whenShown<QColorDialog>([](QColorDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(service.chooseColor(255), std::nullopt);
}

TEST(QtDialogs, InstalledServiceIsTheDefaultAndKeepsItsPrinter) {
    installQtDialogs();
    ASSERT_NE(qtDialogs(), nullptr);
    EXPECT_EQ(&dialogs(), qtDialogs());
    ASSERT_NE(qtDialogs()->printer(), nullptr);
    EXPECT_EQ(qtDialogs()->printer()->pageLayout().orientation(), QPageLayout::Landscape);
    setDefaultDialogs(nullptr);
    EXPECT_NE(&dialogs(), qtDialogs());
}

} // namespace talur::test
