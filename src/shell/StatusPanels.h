#pragma once
// The status bar stbMAIN: information panels 1 to 7 and the command panels 8 to 15.
#include "shell/StatusPanel.h"

#include <QStatusBar>
#include <array>

namespace talur {

class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int kCount = 15;
    static constexpr int kFirstCommand = 8;
    static bool isCommand(int index) { return index >= kFirstCommand && index <= kCount; }

    explicit StatusPanels(QWidget* parent = nullptr);

    // 1-based like the panels of the status bar; nullptr outside 1..15.
    StatusPanel* panel(int index) const;
    void setPanel(int index, const QString& text, const QString& toolTip);
    // Texts and tooltips of the command panels: German (3) or English (1).
    void applyLanguage(int sprache);
    // Shows or hides command panels first..last (a shown panel starts raised).
    void showCommands(int first, int last, bool visible);

signals:
    void panelPressed(int index);
    void panelClicked(int index);

private:
    std::array<StatusPanel*, kCount> m_panels{};
};

} // namespace talur
