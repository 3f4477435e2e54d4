// talur-sheet: draws the sample sheet of the graphics library to PNG, PDF and SVG.
//   talur-sheet --out DIR [--dpi N]
#include "graphics/sheet/Musterblatt.h"
#include "platform/core/DialogService.h"
#include "platform/core/RunError.h"
#include "platform/draw/ImageTarget.h"
#include "platform/draw/PrinterTarget.h"
#include "platform/draw/SvgTarget.h"
#include "records/RunContext.h"

#include <QApplication>
#include <QDir>
#include <QScrollBar>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>
#include <optional>

namespace {

// Boxes have no one to answer them here: they are written to the error stream and counted, so a
// sheet that needed one ends with a failure code.
class KonsolenDialoge : public talur::DialogService {
public:
    talur::MsgAnswer message(const QString& text, talur::MsgButtons, talur::MsgIcon,
                             const QString& title) override {
        QTextStream(stderr) << "[" << title << "] " << text << "\n";
        ++m_count;
        return talur::MsgAnswer::Ok;
    }
    std::optional<QString> input(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<talur::ColorRef> chooseColor(talur::ColorRef) override { return std::nullopt; }
    std::optional<QString> chooseFolder(const QString&, const QString&) override { return std::nullopt; }
    bool choosePrinter() override { return false; }
    int count() const { return m_count; }

private:
    int m_count = 0;
};

int usage() {
    QTextStream(stderr) << "usage: talur-sheet --out DIR [--dpi N]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString out;
    double dpi = 200.0;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--out") && i + 1 < args.size())
            out = args[++i];
        else if (args[i] == QLatin1String("--dpi") && i + 1 < args.size())
            dpi = args[++i].toDouble();
        else
            return usage();
    }
    if (out.isEmpty() || dpi <= 0)
        return usage();
    if (!QDir().mkpath(out)) {
        QTextStream(stderr) << "talur-sheet: cannot create " << out << "\n";
        return 1;
    }
    const QDir dir(out);

    KonsolenDialoge dialoge;
    talur::setDialogs(&dialoge);
    QTemporaryDir temp;
    talur::RunContext context;
    // The scroll bar of the scrolled table, inside a picture widget that is never shown; it is moved
    // half-way, and the printed sheet shows the rows the image shows.
    QWidget bild;
    QScrollBar balken(Qt::Vertical, &bild);
    balken.setRange(0, 10000);
    balken.setValue(5000);
    bool ok = true;
    try {
        using namespace talur;
        sheet::projektAnlegen(context, temp.path());
        {
            ImageTarget png(sheet::kBlattBreite, sheet::kBlattHoehe, dpi);
            sheet::zeichneMusterblatt(png, context, balken);
            ok = png.savePng(dir.filePath(QStringLiteral("talur-sheet.png"))) && ok;
        }
        {
            PrinterTarget pdf(dir.filePath(QStringLiteral("talur-sheet.pdf")));
            sheet::zeichneMusterblatt(pdf, context, balken);
            pdf.endDoc();
        }
        {
            SvgTarget svg(dir.filePath(QStringLiteral("talur-sheet.svg")), sheet::kBlattBreite,
                          sheet::kBlattHoehe);
            sheet::zeichneMusterblatt(svg, context, balken);
            svg.finish();
        }
    } catch (const talur::RunError& e) {
        QTextStream(stderr) << "talur-sheet: " << e.number() << " " << e.description() << "\n";
        ok = false;
    }
    context.cnnX.close();
    talur::setDialogs(nullptr);
    if (!ok || dialoge.count() > 0)
        return 1;
    QTextStream(stdout) << "talur-sheet: " << dir.absolutePath() << "/talur-sheet.{png,pdf,svg}\n";
    return 0;
}
