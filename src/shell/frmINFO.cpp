#include "shell/frmINFO.h"

#include "platform/core/ErrorRunner.h"
#include "records/RunContext.h"
#include "shell/Pictures.h"
#include "shell/Product.h"
#include "shell/clsADRESSE.h"

#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace talur {

namespace {

QString programFileName() {
#ifdef Q_OS_WIN
    return kProgramTitle + QStringLiteral(".exe");
#else
    return kProgramTitle.toLower();
#endif
}

} // namespace

QString frmINFO::developers() {
    return QStringLiteral("Arbeitsgruppe Programmentwicklung der Quenvarra-Stiftung");
}

QString frmINFO::legalNotice() {
    return QStringLiteral("Copyright © 2002 Quenvarra-Stiftung für Geotechnik");
}

QString frmINFO::developerText(const QString& names) {
    if (names.size() <= 50)
        return names;
    const qsizetype comma = names.indexOf(QLatin1Char(','), 49);
    return comma < 0 ? names : names.left(comma + 1) + QStringLiteral(" ...");
}

frmINFO::frmINFO(int sprache, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("frmINFO"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    setFont(font);
    setModal(true);
    const bool en = sprache == 1;

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    auto* imgORB = new QLabel(this);
    imgORB->setObjectName(QStringLiteral("imgORB"));
    imgORB->setPixmap(pictures::publisherLogo(72));
    grid->addWidget(imgORB, 0, 0, 8, 1, Qt::AlignTop);
    for (int i = 0; i < 8; ++i) {
        m_lblORB[i] = new QLabel(this);
        m_lblORB[i]->setObjectName(QStringLiteral("lblORB_%1").arg(i));
        grid->addWidget(m_lblORB[i], i, 1);
    }
    auto* imgZANT = new QLabel(this);
    imgZANT->setObjectName(QStringLiteral("imgZANT"));
    imgZANT->setPixmap(pictures::institutionLogo(48));
    grid->addWidget(imgZANT, 0, 2, 8, 1, Qt::AlignTop | Qt::AlignRight);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, 8, 0, 1, 3);
    for (int i = 0; i < 7; ++i) {
        m_lblINFO[i] = new QLabel(this);
        m_lblINFO[i]->setObjectName(QStringLiteral("lblINFO_%1").arg(i));
        grid->addWidget(m_lblINFO[i], 9 + i, 0, 1, 3);
    }
    m_cmdSCHLIESSEN = new QPushButton(this);
    m_cmdSCHLIESSEN->setObjectName(QStringLiteral("cmdSCHLIESSEN"));
    m_cmdSCHLIESSEN->setDefault(true);
    grid->addWidget(m_cmdSCHLIESSEN, 16, 2, Qt::AlignRight);
    connect(m_cmdSCHLIESSEN, &QPushButton::clicked, this, &QDialog::accept);

    ErrorRunner runner(QStringLiteral("frmINFO / Load"), en ? ErrorPrefix::English : ErrorPrefix::German);
    runner.run({
        [&] {
            const clsADRESSE a(sprache);
            const QString lines[8] = {
                a.FIRMA1(),
                a.FIRMA2(),
                a.STR() + QStringLiteral(", ") + a.PLZ(),
                (en ? QStringLiteral("Head of Found.: ") : QStringLiteral("Vorsitzender: ")) + a.VORSITZ(),
                (en ? QStringLiteral("Phone: ") : QStringLiteral("Telefon: ")) + a.TEL(),
                QStringLiteral("Fax: ") + a.FAX(),
                QStringLiteral("E-Mail: ") + a.EMAIL(),
                QStringLiteral("Internet: ") + a.URL(),
            };
            for (int i = 0; i < 8; ++i)
                m_lblORB[i]->setText(lines[i]);
        },
        [&] {
            setWindowTitle((en ? QStringLiteral("Info of ") : QStringLiteral("Info zu ")) + kProgramTitle);
        },
        [&] {
            const QString lines[7] = {
                kProductFamily,
                kProductTitle,
                kProductSubtitle,
                QStringLiteral("(") + programFileName() + QStringLiteral(")"),
                versionCaption(sprache),
                legalNotice(),
                (en ? QStringLiteral("Program developed by: ") : QStringLiteral("Programmentwicklung: ")) +
                    developerText(developers()),
            };
            for (int i = 0; i < 7; ++i)
                m_lblINFO[i]->setText(lines[i]);
        },
        [&] { m_cmdSCHLIESSEN->setText(en ? QStringLiteral("Done") : QStringLiteral("Schließen")); },
    });
}

QString frmINFO::lblORB(int index) const {
    return m_lblORB.at(size_t(index))->text();
}

QString frmINFO::lblINFO(int index) const {
    return m_lblINFO.at(size_t(index))->text();
}

QString frmINFO::buttonCaption() const {
    return m_cmdSCHLIESSEN->text();
}

void frmINFO::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

} // namespace talur
