#pragma once
// Texts of the information panels of the status bar.
#include "platform/core/Database.h"
#include "records/RunContext.h"

#include <QDir>
#include <QString>

namespace talur {

struct PanelText {
    QString text;
    QString toolTip;
    friend bool operator==(const PanelText&, const PanelText&) = default;
};

// Panel 1: a path longer than 20 characters loses characters from the front, first one, then whole
// leading parts up to the next separator, and gets " ... " in front; a separator always follows.
QString shortenProjectPath(const QString& path, QChar separator = QDir::separator());

struct ContextPanels {
    PanelText path;    // panel 1
    PanelText project; // panel 2
    PanelText program; // panel 4
};
ContextPanels contextPanels(const RunContext& context);

// Panel 6: the identifiers of the active records ("-" when there is none).
PanelText recordPanelText(Connection& cnnX);

} // namespace talur
