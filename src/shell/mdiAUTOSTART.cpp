#include "shell/mdiAUTOSTART.h"

#include "shell/Pictures.h"
#include "shell/Product.h"
#include "shell/clsADRESSE.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QResizeEvent>
#include <algorithm>

namespace talur {

namespace {

QFont arial(double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel* label(QWidget* parent, const QString& name, const QFont& font, const QString& text = {}) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(font);
    return l;
}

const QSize kDiagramSize(300, 210);

} // namespace

mdiAUTOSTART::mdiAUTOSTART(int sprache, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("mdiAUTOSTART"));
    setWindowTitle(kProductFamily);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(236, 240, 244));
    pal.setColor(QPalette::WindowText, QColor(30, 52, 86));
    setPalette(pal);
    setAutoFillBackground(true);
    build(sprache);
}

void mdiAUTOSTART::build(int sprache) {
    const clsADRESSE address(sprache);
    const bool en = sprache == 1;
    m_fraKOPF = new QFrame(this);
    m_fraKOPF->setObjectName(QStringLiteral("fraKOPF"));
    m_fraKOPF->setFrameShape(QFrame::Box);
    m_fraKOPF->setFrameShadow(QFrame::Sunken);
    const QString lines[4] = {
        address.FIRMA1(),
        address.STR() + QStringLiteral(", ") + address.PLZ(),
        (en ? QStringLiteral("Head of Found.: ") : QStringLiteral("Vorsitzender: ")) + address.VORSITZ(),
        (en ? QStringLiteral("Phone: ") : QStringLiteral("Telefon: ")) + address.TEL() +
            QStringLiteral(", ") + QStringLiteral("E-Mail: ") + address.EMAIL() + QStringLiteral(", ") +
            QStringLiteral("Internet: ") + address.URL(),
    };
    const QFont fonts[4] = {arial(12, true), arial(9.75, true), arial(9.75, true), arial(8.25, false)};
    for (int i = 0; i < 4; ++i)
        m_lblKOPF[i] = label(m_fraKOPF, QStringLiteral("lblKOPF_%1").arg(i), fonts[i], lines[i]);
    m_imgZANT = label(m_fraKOPF, QStringLiteral("imgZANT"), font());

    m_lblTITEL = label(this, QStringLiteral("lblTITEL"), arial(33, true), kProductTitle);
    m_lblUNTERTITEL = label(this, QStringLiteral("lblUNTERTITEL"), arial(33, true), kProductSubtitle);
    m_imgDIA = label(this, QStringLiteral("imgDIA"), font());
    m_imgDIA->setPixmap(pictures::diagram(kDiagramSize));
    m_lblVERSION = label(this, QStringLiteral("lblVERSION"), arial(18, false), versionCaption(sprache));
    m_pgbBERECHNEN = new QProgressBar(this);
    m_pgbBERECHNEN->setObjectName(QStringLiteral("pgbBERECHNEN"));
    m_pgbBERECHNEN->setRange(0, 100);
    m_pgbBERECHNEN->setValue(0);
    m_pgbBERECHNEN->hide();
    for (QLabel* l : {m_lblTITEL, m_lblUNTERTITEL, m_lblVERSION})
        l->setAttribute(Qt::WA_TranslucentBackground);
}

int mdiAUTOSTART::twips(double value) const {
    return qRound(value * logicalDpiY() / 1440.0);
}

void mdiAUTOSTART::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrange();
}

// Positions follow the window's inner size; distances in twips as the window was designed.
void mdiAUTOSTART::arrange() {
    const int W = width();
    const int H = height();

    int y = twips(90);
    int textWidth = 0;
    for (QLabel* l : m_lblKOPF) {
        l->adjustSize();
        l->move(twips(150), y);
        y += l->height();
        textWidth = std::max(textWidth, l->width());
    }
    const int frameHeight = y + twips(90);
    const int frameWidth = qRound(0.98 * W);
    m_fraKOPF->setGeometry((W - frameWidth) / 2, twips(60), frameWidth, frameHeight);
    const int logoTop = qRound(0.1 * frameHeight);
    const int logoHeight = qRound(0.85 * frameHeight);
    if (m_imgZANT->pixmap().height() != logoHeight) // drawn once per frame height
        m_imgZANT->setPixmap(pictures::institutionLogo(logoHeight));
    m_imgZANT->adjustSize();
    m_imgZANT->move(frameWidth - m_imgZANT->width() - logoTop / 2, logoTop);

    m_lblTITEL->adjustSize();
    const int titleTop = qRound((H - m_lblTITEL->height()) / 2.75);
    m_lblTITEL->move((W - m_lblTITEL->width()) / 2, titleTop);
    m_lblUNTERTITEL->adjustSize();
    m_lblUNTERTITEL->move((W - m_lblUNTERTITEL->width()) / 2,
                          titleTop + qRound(1.15 * m_lblUNTERTITEL->height()));

    m_lblVERSION->adjustSize();
    const int versionTop = H - twips(1000);
    m_lblVERSION->move(twips(200), versionTop);
    m_imgDIA->adjustSize();
    m_imgDIA->move(W - m_imgDIA->width() - twips(1000),
                   H - m_imgDIA->height() - twips(1000) + m_lblVERSION->height());

    const int barHeight = m_pgbBERECHNEN->sizeHint().height();
    m_pgbBERECHNEN->setGeometry(twips(200), versionTop - 3 * barHeight, W / 4, barHeight);
}

void mdiAUTOSTART::showProgress() {
    m_pgbBERECHNEN->show();
}

void mdiAUTOSTART::hideProgress() {
    m_pgbBERECHNEN->hide();
}

void mdiAUTOSTART::setProgress(int percent) {
    m_pgbBERECHNEN->setValue(std::clamp(percent, 0, 100));
}

int mdiAUTOSTART::progress() const {
    return m_pgbBERECHNEN->value();
}

bool mdiAUTOSTART::progressShown() const {
    return !m_pgbBERECHNEN->isHidden();
}

QString mdiAUTOSTART::title() const {
    return m_lblTITEL->text();
}

QString mdiAUTOSTART::subtitle() const {
    return m_lblUNTERTITEL->text();
}

QString mdiAUTOSTART::version() const {
    return m_lblVERSION->text();
}

} // namespace talur
