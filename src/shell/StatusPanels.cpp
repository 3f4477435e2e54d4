#include "shell/StatusPanels.h"

#include <QHBoxLayout>

namespace talur {

namespace {

struct CommandTexts {
    const char* text;
    const char* textEn;
    const char* tip;
    const char* tipEn;
};

// Panels 8 to 15.
const CommandTexts kCommands[] = {
    {"OK", "OK", "Eingabedaten speichern", "Save input-data"},
    {"Abbrechen", "Cancel", "Eingabedaten verwerfen", "Discard input-data"},
    {"Anzeigen", "Show", "Ausgabeseite anzeigen", "Show another page"},
    {"Drucken", "Print", "Ausgabeseite drucken", "Print loaded pages"},
    {"Kopie", "Copy", "Bildschirmkopie speichern", "Save Screenshot"},
    {"Word", "Word", "Ausgabeseite in ein Word-Dokument übertragen", "Send current page to word"},
    {"AutoCAD", "AutoCAD", "Ausgabeseite in eine AutoCAD-Zeichnung übertragen",
     "Send current page to AutoCAD"},
    {"Schließen", "Close", "Zurück zum Startbildschirm", "Back to the front window"},
};

constexpr int kCommandWidth = 64; // pixels; keeps the buttons alike in size

} // namespace

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("stbMAIN"));
    setSizeGripEnabled(false);
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (int index = 1; index <= kCount; ++index) {
        auto* p = new StatusPanel(index, row);
        m_panels[index - 1] = p;
        layout->addWidget(p);
        connect(p, &StatusPanel::pressed, this, &StatusPanels::panelPressed);
        connect(p, &StatusPanel::clicked, this, &StatusPanels::panelClicked);
        if (index == 7)
            p->setAutoSize(StatusPanel::AutoSize::Spring);
        if (isCommand(index)) {
            p->setBevel(StatusPanel::Bevel::Raised);
            p->setMinWidth(kCommandWidth);
            p->setCursor(Qt::PointingHandCursor);
            p->hide();
        }
    }
    setPanel(3, QStringLiteral("/"), {});
    setPanel(5, QStringLiteral("/"), {});
    addWidget(row, 1);
    applyLanguage(3);
}

StatusPanel* StatusPanels::panel(int index) const {
    return index >= 1 && index <= kCount ? m_panels[index - 1] : nullptr;
}

void StatusPanels::setPanel(int index, const QString& text, const QString& toolTip) {
    if (StatusPanel* p = panel(index)) {
        p->setText(text);
        p->setToolTip(toolTip);
    }
}

void StatusPanels::applyLanguage(int sprache) {
    const bool en = sprache == 1;
    for (int index = kFirstCommand; index <= kCount; ++index) {
        const CommandTexts& t = kCommands[index - kFirstCommand];
        setPanel(index, QString::fromUtf8(en ? t.textEn : t.text), QString::fromUtf8(en ? t.tipEn : t.tip));
    }
}

void StatusPanels::showCommands(int first, int last, bool visible) {
    for (int index = std::max(first, kFirstCommand); index <= std::min(last, kCount); ++index) {
        StatusPanel* p = panel(index);
        if (visible)
            p->setBevel(StatusPanel::Bevel::Raised);
        p->setVisible(visible);
    }
}

} // namespace talur
