#pragma once
// Hourglass while database or file work runs; back to the default pointer at the end of a command.
#include <QApplication>
#include <QCursor>

namespace talur {

class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The default pointer, however many hourglasses are still set.
inline void defaultCursor() {
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

} // namespace talur
