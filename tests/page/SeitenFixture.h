#pragma once
// A project database in a temporary folder, created from the project schema, with records inserted by
// the tests; recording surfaces that stand in for the page's picture boxes.
#include "page/AusgabeSeite.h"
#include "platform/core/ScriptedDialogService.h"
#include "platform/draw/RecordingTarget.h"
#include "records/RunContext.h"
#include "support/TestSupport.h"

#include <QScrollBar>
#include <QWidget>
#include <gtest/gtest.h>
#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace talur::test {

struct A1Zeile {
    bool BONEU = false;
    std::optional<int16_t> EPSE;
    std::optional<int16_t> GER;
};

// A plausible record: a soft clay, curves from 0.01 to 1 MN/m².
struct Datensatz {
    QString KEN = QStringLiteral("K1");
    QString KOM = QStringLiteral("Schluff, weich");
    bool aktiv = true;
    float A1 = 5, C1S = 0.8f, C1 = 0.6f, A2 = 50, C2S = 0.5f, C2 = 0.4f, SIBK = 0.1f, SI0 = 0.1f, E0 = 0.8f;
    float SIA = 0.01f, SIMAX = 1;
    int16_t N = 100;
    float A = 30, B = -10, C = -2, AR = 20, CR = -1, SIBS = 0.1f, EBS = 0.7f, SI1 = 0.1f, SI2 = 0.4f;
    std::vector<float> SIV;
    std::optional<A1Zeile> a1 = A1Zeile{true, 0, 0};
};

// The five picture boxes and the page as recordings, in the page's sizes.
struct Aufzeichnungen {
    Aufzeichnungen();
    SeitenFlaechen flaechen();
    RecordingTarget& bild(int feld) { return *bilder[static_cast<size_t>(feld)]; }

    RecordingTarget seite{297.0, 210.0};
    std::array<std::unique_ptr<RecordingTarget>, 5> bilder;
    QWidget halter; // parent of the scroll bar, as the picture box is on the screen
    QScrollBar* balken = nullptr;
};

class SeitenTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    int32_t anlegen(const Datensatz& d);
    void a1Setzen(int32_t id, const A1Zeile& zeile);
    // A single value of a table row; nullopt for NULL or no row.
    std::optional<double> wert(const QString& sql);
    std::optional<double> g0(int32_t id, int bild, const char* spalte);
    void ausfuehren(const QString& sql);
    QStringList meldungen() const; // texts of the message boxes so far

    TempFolder m_ordner;
    RunContext m_kontext;
    ScopedScriptedDialogs m_dialoge;
    int32_t m_naechsteId = 1;
};

// Every text of a recording joined as shown ("ε [%]" for "{g,1}e [%]" drawn in segments), one entry per
// run of segments on one line.
QStringList gezeigteTexte(const RecordingTarget& ziel);
QList<Primitive> linienInFarbe(const RecordingTarget& ziel, ColorRef farbe);
// The primitives drawn since the last Clear.
QList<Primitive> seitDemLoeschen(const RecordingTarget& ziel);

} // namespace talur::test
