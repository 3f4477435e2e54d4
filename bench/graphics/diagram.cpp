// A compression-curve style diagram (axes, labels, titles, a 1001-point polyline, curve labels) drawn to
// the offscreen image target and to a PDF page.
//   bench_diagram                 runs the benchmarks
//   bench_diagram --png=FILE      writes the diagram once as a PNG and exits
#include "graphics/clsGRAFIK.h"
#include "platform/core/Database.h"
#include "platform/draw/ImageTarget.h"
#include "platform/draw/PrinterTarget.h"
#include "records/DbSchema.h"
#include "records/RunContext.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstring>

namespace {

using namespace talur;

struct Project {
    QTemporaryDir dir;
    RunContext context;

    Project() {
        const QString path = dir.filePath(QStringLiteral("TALUR.db"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.close();
        context.cnnX.open(path);
        context.cnnX.execute(DbSchema::sql(DbKind::Project));
        context.cnnX.execute(QStringLiteral("INSERT INTO [E1] ([ID],[KEN],[AKT]) VALUES (1,'B1',1)"));
        context.cnnX.execute(QStringLiteral("INSERT INTO [G0] ([ID],[IDOBJEKT],[OX],[OY],[RL],[RR],[RO],[RU],[XMIN],"
                                            "[XMAX],[YMIN],[YMAX],[MX],[MY],[MYMX]) "
                                            "VALUES (1,11,1,-1,14,4.5,12,4,0,0,0,0,0,0,0)"));
    }
};

Project& project() {
    static Project p;
    return p;
}

struct Kurve {
    SingleArray sig;
    SingleArray eps;
    Kurve() {
        std::vector<float> x(1001), y(1001);
        for (int i = 0; i <= 1000; ++i) {
            x[static_cast<size_t>(i)] = 2.7f * static_cast<float>(i) / 1000.0f;
            y[static_cast<size_t>(i)] = 8.0f * static_cast<float>(std::pow(x[static_cast<size_t>(i)] / 2.7, 0.45));
        }
        sig = SingleArray(x);
        eps = SingleArray(y);
    }
};

// automatic: bounds from the data (stored into the settings row on every call, as the page does);
// otherwise the stored bounds and scale are used and SKALEN only reads the row.
void zeichne(DrawTarget& target, float exdl = 0, float eydo = 0, bool automatic = true) {
    static const Kurve kurve;
    clsGRAFIK g(project().context);
    g.setEID(1);
    g.setEIDOBJEKT(11);
    g.setEOBJEKT(&target);
    g.setEXDL(exdl);
    g.setEYDO(eydo);
    g.setELX(160);
    g.setELY(100);
    g.setEBOXMAX(automatic ? -1 : 0);
    g.setELXMIN({0, 0.2, 0.4, 0.6, 0.8, 1, 2, 4, 6, 8, 10});
    g.setELXDIFF({0.2, 0.4, 0.6, 0.8, 1, 2, 4, 6, 8, 10});
    g.setELXIT({2, 4, 3, 4, 5, 4, 4, 3, 4, 5});
    g.setELXGIT({1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    g.setELXZL({2, 4, 3, 4, 5, 4, 4, 3, 4, 5});
    g.setESKZX(QStringLiteral("#0.0"));
    g.setETEXTX(QStringLiteral("{g,1}s' [MN/m{c,178}]"));
    g.setEBOYMAX(automatic ? -1 : 0);
    g.setELYMIN({0, 2, 4, 5, 10, 15, 20});
    g.setELYDIFF({2, 4, 5, 10, 15, 20});
    g.setELYIT({2, 4, 5, 5, 3, 4});
    g.setELYGIT({2, 4, 5, 5, 3, 4});
    g.setESKZY(QStringLiteral("#0.0"));
    g.setETEXTY(QStringLiteral("{g,1}e{t,1}v [%]"));
    g.SKALEN(-1, kurve.sig, kurve.eps);
    g.LINIENEINSTELLUNGEN(0, 0.3f, 0);
    SingleArray x = kurve.sig;
    SingleArray y = kurve.eps;
    QString label = QStringLiteral("E{t,2}s1 = 2,5E+01 MN/m{c,178}");
    g.POLYGON(x, y, 5, 3, 0, label, 3, 0, -1);
    g.SCHRIFTEINSTELLUNGEN(QString(), 10, -1, 0, 0, 0);
    g.TEXT(2, 4, QStringLiteral("Bild 11: {g,1}t{t,1}f Erstbelastung, {g,1}D{g,1}s = 1,5E-03"), 2, 0, 0, 0);
    g.TEXT(1.5f, 6, QStringLiteral("{s,1}0 {s,1}1 {s,1}2 {s,1}3 {s,1}4 {s,1}5 {s,1}6"), 1, 0, 0, 1);
    g.TEXT(2.2f, 3, QStringLiteral("schr{gh,1}a{t,3}x,y"), 1, 30, 1, 1);
}

void BM_DiagramImage(benchmark::State& state) {
    for (auto _ : state) {
        ImageTarget image(170, 110, 96);
        zeichne(image, 5, 5);
        benchmark::DoNotOptimize(image.image().constBits());
    }
}
BENCHMARK(BM_DiagramImage)->Unit(benchmark::kMillisecond);

void BM_DiagramImageReused(benchmark::State& state) {
    ImageTarget image(170, 110, 96);
    for (auto _ : state) {
        image.clear();
        zeichne(image, 5, 5);
        benchmark::DoNotOptimize(image.image().constBits());
    }
}
BENCHMARK(BM_DiagramImageReused)->Unit(benchmark::kMillisecond);

// A redraw with the scale already stored: no writes to the settings row.
void BM_DiagramImageStoredScale(benchmark::State& state) {
    ImageTarget image(170, 110, 96);
    zeichne(image, 5, 5); // stores bounds and scale once
    for (auto _ : state) {
        image.clear();
        zeichne(image, 5, 5, false);
        benchmark::DoNotOptimize(image.image().constBits());
    }
}
BENCHMARK(BM_DiagramImageStoredScale)->Unit(benchmark::kMillisecond);

// The drawing alone, without the settings row: mapping set directly, the 1001-point polyline and
// a dozen labels.
void BM_PolylineAndLabelsImage(benchmark::State& state) {
    static const Kurve kurve;
    ImageTarget image(170, 110, 96);
    clsGRAFIK g(project().context);
    g.setEOBJEKT(&image);
    G0Zeile z;
    z.OY = -1;
    z.RL = 14;
    z.RR = 4.5f;
    z.RO = 12;
    z.RU = 4;
    z.XMAX = 4;
    z.YMAX = 10;
    z.MX = 4.0f / (170 - 18.5f);
    z.MY = 10.0f / (110 - 16.0f);
    g.setZeile(z);
    g.LINIENEINSTELLUNGEN(0, 0.3f, 0);
    for (auto _ : state) {
        image.clear();
        SingleArray x = kurve.sig;
        SingleArray y = kurve.eps;
        QString label = QStringLiteral("E{t,2}s1");
        g.POLYGON(x, y, 5, 3, 0, label, 3, 0, -1);
        for (int i = 0; i < 12; ++i)
            g.TEXT(0.3f * i, 9, QStringLiteral("{g,1}s{t,1}v = 1,5"), 1, i % 2 ? 90 : 0, 1, 1);
        benchmark::DoNotOptimize(image.image().constBits());
    }
}
BENCHMARK(BM_PolylineAndLabelsImage)->Unit(benchmark::kMillisecond);

void BM_DiagramPdf(benchmark::State& state) {
    QTemporaryDir dir;
    for (auto _ : state) {
        PrinterTarget pdf(dir.filePath(QStringLiteral("bild.pdf")));
        zeichne(pdf, 20, 20);
        pdf.endDoc();
    }
}
BENCHMARK(BM_DiagramPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--png=", 6) == 0) {
            ImageTarget image(170, 110, 200);
            zeichne(image, 5, 5);
            return image.savePng(QString::fromLocal8Bit(argv[i] + 6)) ? 0 : 1;
        }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
