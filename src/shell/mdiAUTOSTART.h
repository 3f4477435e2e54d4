#pragma once
// The start screen: a maximised child window behind all others with the publisher's address, the
// program's title and version, a diagram picture and the progress bar of the evaluation.
#include <QWidget>
#include <array>

class QFrame;
class QLabel;
class QProgressBar;

namespace talur {

class mdiAUTOSTART : public QWidget {
    Q_OBJECT
public:
    explicit mdiAUTOSTART(int sprache, QWidget* parent = nullptr);

    // The progress bar of the computations: hidden until a computation shows it.
    void showProgress();
    void hideProgress();
    void setProgress(int percent); // 0 to 100
    int progress() const;
    bool progressShown() const;

    QString title() const;
    QString subtitle() const;
    QString version() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void build(int sprache);
    void arrange();
    int twips(double value) const;

    QFrame* m_fraKOPF = nullptr;
    std::array<QLabel*, 4> m_lblKOPF{};
    QLabel* m_imgZANT = nullptr;
    QLabel* m_lblTITEL = nullptr;
    QLabel* m_lblUNTERTITEL = nullptr;
    QLabel* m_imgDIA = nullptr;
    QLabel* m_lblVERSION = nullptr;
    QProgressBar* m_pgbBERECHNEN = nullptr;
};

} // namespace talur
