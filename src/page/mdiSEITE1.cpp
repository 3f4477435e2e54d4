#include "page/mdiSEITE1.h"

#include "page/SeitenLayout.h"
#include "platform/draw/PictureBox.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace talur {

namespace {

int pixel(double mm, double pixelProMm) { return static_cast<int>(std::lround(mm * pixelProMm)); }

} // namespace

mdiSEITE1::mdiSEITE1(RunContext& kontext, SeitenUmgebung umgebung, QWidget* parent)
    : QWidget(parent), m_kontext(kontext), m_umgebung(std::move(umgebung)) {
    setObjectName(QStringLiteral("mdiSEITE1"));
    setFocusPolicy(Qt::StrongFocus);
    m_flaeche = new PictureBox(this);
    // The page's own drawing surface; not one of the page's picture boxes (picBILD11 ... picBILD15).
    m_flaeche->setObjectName(QStringLiteral("Seitenflaeche"));
    m_flaeche->installEventFilter(this);
    static const char* const namen[] = {"picBILD11", "picBILD12", "picBILD13", "picBILD14", "picBILD15"};
    for (size_t i = 0; i < m_bilder.size(); ++i) {
        PictureBox* box = new PictureBox(m_flaeche);
        box->setObjectName(QString::fromLatin1(namen[i]));
        box->setTag(QStringLiteral("11"));
        box->installEventFilter(this);
        m_bilder[i] = box;
    }
    m_vscBILD15 = m_bilder[4]->verticalBar();
    m_vscBILD15->setObjectName(QStringLiteral("vscBILD15"));
    m_vscBILD15->installEventFilter(this);
    connect(m_vscBILD15, &QScrollBar::valueChanged, this, [this] {
        if (!m_seite)
            return;
        m_seite->BILD17();
        m_seite->BILD18();
        m_seite->BILD19();
    });

    SeitenFlaechen flaechen;
    flaechen.seite = m_flaeche;
    flaechen.rahmen = m_flaeche;
    for (size_t i = 0; i < m_bilder.size(); ++i)
        flaechen.bilder[i] = m_bilder[i];
    flaechen.vscBILD15 = m_vscBILD15;
    m_seite = std::make_unique<AusgabeSeite>(kontext, flaechen);
    m_seite->setFortschritt(m_umgebung.fortschritt);
    anordnen();
}

mdiSEITE1::~mdiSEITE1() { freigeben(); }

void mdiSEITE1::anordnen() {
    const double proMm = m_flaeche->logicalDpiX() / 25.4;
    // The page surface covers the window, at least the extent of the pictures and a footer below them.
    const QSize mindestens(pixel(seite::kBlattBreiteMm, proMm), pixel(seite::kBlattHoeheMm, proMm));
    m_flaeche->setGeometry(QRect(QPoint(0, 0), size().expandedTo(mindestens)));
    for (size_t i = 0; i < m_bilder.size(); ++i) {
        const seite::BildRechteck& feld = seite::bildfelder()[i];
        m_bilder[i]->setGeometry(pixel(feld.leftMm(), proMm), pixel(feld.topMm(), proMm), pixel(feld.widthMm(), proMm),
                                 pixel(feld.heightMm(), proMm));
    }
}

void mdiSEITE1::laden(std::optional<int32_t> datensatz) {
    anordnen();
    m_seite->laden(datensatz);
}

void mdiSEITE1::KONTEXT(bool HBOKF, bool HBOKFS, ColorRef FARBEMDI, ColorRef FARBEPIC) {
    // A new background colour wipes a picture's drawing, as it always did; the redraw fills it again.
    m_flaeche->setBackColor(FARBEMDI);
    m_flaeche->clear();
    for (PictureBox* box : m_bilder) {
        box->setBackColor(FARBEPIC);
        box->clear();
    }
    m_seite->KONTEXT(HBOKF, HBOKFS);
}

bool mdiSEITE1::DRUCKEN(const Druckauftrag& auftrag) { return m_seite->DRUCKEN(auftrag); }

ColorRef mdiSEITE1::seitenfarbe() const { return m_flaeche->backColor(); }

ColorRef mdiSEITE1::bildfarbe() const { return m_bilder[0]->backColor(); }

void mdiSEITE1::aktiviert() {
    if (m_umgebung.befehlsfeldVerbergen)
        m_umgebung.befehlsfeldVerbergen(14);
}

void mdiSEITE1::seiteGeklickt() {
    if (!m_umgebung.seitenKontext)
        return;
    KontextAnfrage anfrage;
    anfrage.tagBOKF = m_seite->HBOKF() ? QStringLiteral("1") : QStringLiteral("0");
    anfrage.tagBOKFS = m_seite->HBOKFS() ? QStringLiteral("1") : QStringLiteral("0");
    anfrage.farbeSeite = seitenfarbe();
    anfrage.farbeBild = bildfarbe();
    m_umgebung.seitenKontext(anfrage);
}

std::optional<int> mdiSEITE1::tastenFeld(const QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    if (event->key() == Qt::Key_Escape && mods == Qt::NoModifier)
        return 15;
    if (event->key() == Qt::Key_Q && mods == Qt::AltModifier)
        return 0;
    if (mods != Qt::ControlModifier)
        return std::nullopt;
    switch (event->key()) {
    case Qt::Key_S: return 10;
    case Qt::Key_P: return 11;
    case Qt::Key_C: return 12;
    case Qt::Key_W: return 13;
    case Qt::Key_A: return 14;
    default: return std::nullopt;
    }
}

bool mdiSEITE1::taste(QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    const std::optional<int> feld = tastenFeld(static_cast<QKeyEvent*>(event));
    if (!feld)
        return false;
    // The page's keys win over shortcuts of the main window: claim them, then act on the press.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (*feld == 0) {
        if (m_umgebung.beenden)
            m_umgebung.beenden();
    } else if (m_umgebung.befehlsfeldKlick) {
        m_umgebung.befehlsfeldKlick(*feld);
    }
    return true;
}

bool mdiSEITE1::eventFilter(QObject* watched, QEvent* event) {
    // The page sees the keys before its controls.
    if (taste(event))
        return true;
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == m_flaeche) {
            seiteGeklickt();
            return true;
        }
        if (watched == m_bilder[0] || watched == m_bilder[1]) {
            if (m_umgebung.bildKontext)
                m_umgebung.bildKontext(watched == m_bilder[0] ? 11 : 12);
            return true;
        }
        // A click on a table box is no click on the page.
        if (std::find(m_bilder.begin(), m_bilder.end(), watched) != m_bilder.end())
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void mdiSEITE1::keyPressEvent(QKeyEvent* event) {
    if (taste(event)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool mdiSEITE1::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && taste(event))
        return true;
    switch (event->type()) {
    case QEvent::WindowActivate: aktiviert(); break;
    case QEvent::Resize: {
        const bool ergebnis = QWidget::event(event);
        anordnen();
        // The footer follows the window's bottom edge: the frame is drawn again for the new extent.
        if (m_seite && m_seite->geladen() && m_seite->HBOKF())
            m_seite->RAHMEN(kBildschirm);
        return ergebnis;
    }
    default: break;
    }
    return QWidget::event(event);
}

void mdiSEITE1::closeEvent(QCloseEvent* event) {
    freigeben();
    event->accept();
}

void mdiSEITE1::freigeben() {
    if (m_seite)
        m_seite->freigeben();
}

} // namespace talur
