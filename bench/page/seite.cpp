// Loading the output page of a record with N = 1000 and five preloading stresses onto offscreen picture
// boxes (computations, header and footer, all nine pictures), and writing the printed page as PDF.
//   bench_seite                  runs the benchmarks
//   bench_seite --render=FILE [--variante=porenzahl|viele|stopp]
//                                writes the printed page of the demo record once (.pdf, .png, .svg)
//   bench_seite --screen=FILE    writes the screen page (page surface with its picture boxes) as PNG
#include "page/SeitenDatei.h"
#include "page/mdiSEITE1.h"
#include "platform/core/DialogService.h"
#include "platform/core/Services.h"
#include "platform/core/Variant.h"
#include "platform/draw/PictureBox.h"
#include "records/DbSchema.h"
#include "records/RunContext.h"

#include <QApplication>
#include <QLocale>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstring>
#include <iostream>

namespace {

using namespace talur;

struct Projekt {
    QTemporaryDir ordner;
    RunContext kontext;

    // variante: "" the demo record; "porenzahl" void ratios and no Coulomb lines; "viele" 19 preloading
    // stresses; "stopp" σ_max 0.6 below the fourth preloading stress.
    explicit Projekt(int stuetzstellen = 1000, const QString& variante = QString()) {
        const QString pfad = ordner.filePath(QStringLiteral("TALUR.db"));
        DbSchema::create(pfad, DbKind::Project);
        kontext.cnnX.open(pfad);
        kontext.cnnX.setDiskSync(false); // as start-up opens the working copy
        kontext.setProject(ordner.path(), QStringLiteral("TE0000.00"), QStringLiteral("Dr. Weber"));
        kontext.setLanguage(3, QStringLiteral(","));
        Connection& c = kontext.cnnX;
        c.execute(QStringLiteral("INSERT INTO E1 (ID, KEN, KOM, AKT) VALUES (1, 'BS-12', 'Schluff, weich, Bohrung 3', 1)"));
        c.execute(QStringLiteral("INSERT INTO E2 (ID, A1, C1S, C1, A2, C2S, C2, SIBK, SI0, E0, SIA, SIMAX, N, A, B, C, "
                                 "AR, CR, SIBS, EBS, SI1, SI2) VALUES (1, 5, 0.8, 0.6, 50, 0.5, 0.4, 0.1, 0.1, 0.8, "
                                 "0.01, %2, %1, 30, -10, -2, 20, -1, 0.1, 0.7, 0.1, 0.4)")
                      .arg(stuetzstellen)
                      .arg(variante == QLatin1String("stopp") ? 0.6 : 1.0));
        std::vector<float> siv{0.1f, 0.25f, 0.4f, 0.7f, 0.8f};
        if (variante == QLatin1String("viele")) {
            siv.clear();
            for (int i = 1; i <= 19; ++i)
                siv.push_back(0.05f * i);
        }
        for (size_t i = 0; i < siv.size(); ++i)
            c.execute(QStringLiteral("INSERT INTO E3 (ID, I1, SIV) VALUES (1, %1, %2)").arg(i + 1).arg(siv[i]));
        c.execute(QStringLiteral("INSERT INTO A1 (ID, BONEU, EPSE, GER) VALUES (1, 1, %1, %2)")
                      .arg(variante == QLatin1String("porenzahl") ? 2 : 0)
                      .arg(variante == QLatin1String("porenzahl") ? 0 : 1));
    }
};

// No boxes on a benchmark run: every message is answered with its first button.
class StilleDialoge : public DialogService {
public:
    MsgAnswer message(const QString&, MsgButtons b, MsgIcon, const QString&) override {
        return b == MsgButtons::YesNo || b == MsgButtons::YesNoCancel ? MsgAnswer::Yes : MsgAnswer::Ok;
    }
    std::optional<QString> input(const QString&, const QString&, const QString&) override { return std::nullopt; }
    std::optional<ColorRef> chooseColor(ColorRef) override { return std::nullopt; }
    std::optional<QString> chooseFolder(const QString&, const QString&) override { return std::nullopt; }
    bool choosePrinter() override { return false; }
};

void BM_SeiteLaden(benchmark::State& state) {
    Projekt projekt;
    mdiSEITE1 seite(projekt.kontext);
    seite.resize(1400, 900);
    seite.laden(); // stores the default settings once
    for (auto _ : state) {
        seite.laden();
        benchmark::DoNotOptimize(seite.picBILD11()->image().constBits());
    }
}
BENCHMARK(BM_SeiteLaden)->Unit(benchmark::kMillisecond);

// The same on a database that forces every commit to the disk (a working copy opened otherwise than
// start-up opens it): shows what the one flush of a page drawing costs here.
void BM_SeiteLadenMitPlattensync(benchmark::State& state) {
    Projekt projekt;
    projekt.kontext.cnnX.setDiskSync(true);
    mdiSEITE1 seite(projekt.kontext);
    seite.resize(1400, 900);
    seite.laden();
    for (auto _ : state) {
        seite.laden();
        benchmark::DoNotOptimize(seite.picBILD11()->image().constBits());
    }
}
BENCHMARK(BM_SeiteLadenMitPlattensync)->Unit(benchmark::kMillisecond);

void BM_SeiteAlsPdf(benchmark::State& state) {
    Projekt projekt;
    const QString pfad = projekt.ordner.filePath(QStringLiteral("seite.pdf"));
    for (auto _ : state)
        renderPage(projekt.kontext, 1, pfad);
}
BENCHMARK(BM_SeiteAlsPdf)->Unit(benchmark::kMillisecond);

// The screen page as the user sees it: the page surface with the picture boxes painted on it.
bool bildschirmSpeichern(const QString& datei) {
    Projekt projekt(200);
    mdiSEITE1 seite(projekt.kontext);
    seite.resize(1150, 820);
    seite.laden();
    QImage bild = seite.seitenflaeche()->image().copy(0, 0, seite.width(), seite.height());
    QPainter p(&bild);
    for (int i = 0; i < 5; ++i) {
        PictureBox* box = seite.bildfeld(i);
        p.drawImage(box->geometry().topLeft(), box->image());
    }
    QScrollBar* balken = seite.vscBILD15();
    if (balken->isVisibleTo(seite.picBILD15()))
        p.drawImage(seite.picBILD15()->geometry().topLeft() + balken->geometry().topLeft(), balken->grab().toImage());
    p.end();
    return bild.save(datei);
}

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    regionalSettings().decimalSeparator = QLatin1Char(',');
    StilleDialoge dialoge;
    setDialogs(&dialoge);
    setWaitScale(0.0);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--render=", 9) == 0) {
            const QString variante = i + 1 < argc && std::strncmp(argv[i + 1], "--variante=", 11) == 0
                                         ? QString::fromLocal8Bit(argv[i + 1] + 11)
                                         : QString();
            Projekt projekt(200, variante);
            renderPage(projekt.kontext, 1, QString::fromLocal8Bit(argv[i] + 9));
            return 0;
        }
        if (std::strncmp(argv[i], "--screen=", 9) == 0)
            return bildschirmSpeichern(QString::fromLocal8Bit(argv[i] + 9)) ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    setDialogs(nullptr);
    return 0;
}
