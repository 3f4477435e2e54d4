#pragma once
// The about box: publisher's address, the program's names and version, legal notice and developers.
#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace talur {

class frmINFO : public QDialog {
    Q_OBJECT
public:
    explicit frmINFO(int sprache, QWidget* parent = nullptr);

    QString lblORB(int index) const;  // 0 to 7
    QString lblINFO(int index) const; // 0 to 6
    QString buttonCaption() const;

    // Developers' names for the about box: a text longer than 50 characters is cut after the first
    // comma at or after position 50 and gets " ..." appended.
    static QString developerText(const QString& names);
    static QString legalNotice();
    static QString developers();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::array<QLabel*, 8> m_lblORB{};
    std::array<QLabel*, 7> m_lblINFO{};
    QPushButton* m_cmdSCHLIESSEN = nullptr;
};

} // namespace talur
