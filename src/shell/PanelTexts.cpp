#include "shell/PanelTexts.h"

#include "shell/Product.h"

namespace talur {

namespace {
constexpr qsizetype kPathLimit = 20;
}

QString shortenProjectPath(const QString& path, QChar separator) {
    QString text = path;
    if (text.size() > kPathLimit) {
        qsizetype position = 1; // 0-based: drops one character first
        while (text.size() > kPathLimit) {
            text = text.mid(position);
            // The next cut starts at the first separator from the third character on.
            position = text.indexOf(separator, 2);
            if (position < 0)
                break; // no further separator: the last part stays whole
        }
        text = QStringLiteral(" ... ") + text;
    }
    return text + separator;
}

ContextPanels contextPanels(const RunContext& context) {
    return {{shortenProjectPath(context.PROJEKTSPFAD()), context.PROJEKTSPFAD()},
            {context.PROJEKT(), context.BEARBEITER()},
            {kProgramTitle, productName()}};
}

PanelText recordPanelText(Connection& cnnX) {
    Recordset rs;
    rs.open(QStringLiteral("SELECT [KEN],[KOM] FROM [E1] WHERE [AKT]=true ORDER BY [KEN]"), cnnX);
    const auto text = [&rs](const char* column) {
        const QString name = QString::fromLatin1(column);
        return rs.isNull(name) ? QString() : rs.value(name).toText();
    };
    PanelText panel{QStringLiteral("-"), {}};
    if (!rs.eof()) {
        const QString first = text("KEN");
        const QString comment = text("KOM");
        QStringList all;
        for (; !rs.eof(); rs.moveNext())
            all << text("KEN");
        if (all.size() == 1)
            panel = {first, comment};
        else
            panel = {first + QStringLiteral(",..."), all.join(QStringLiteral(", "))};
    }
    rs.close();
    return panel;
}

} // namespace talur
