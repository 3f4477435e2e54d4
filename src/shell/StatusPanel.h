#pragma once
// One panel of the main window's status bar: text, tooltip, bevel, visibility and auto-size,
// clickable like a button.
#include <QWidget>

namespace talur {

class StatusPanel : public QWidget {
    Q_OBJECT
public:
    enum class Bevel { None, Inset, Raised };
    enum class AutoSize { None, Contents, Spring };

    StatusPanel(int index, QWidget* parent = nullptr);

    int index() const { return m_index; }
    QString text() const { return m_text; }
    void setText(const QString& text);
    Bevel bevel() const { return m_bevel; }
    void setBevel(Bevel bevel);
    AutoSize autoSize() const { return m_autoSize; }
    void setAutoSize(AutoSize autoSize);
    void setMinWidth(int pixels);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void pressed(int index);
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_index;
    QString m_text;
    Bevel m_bevel = Bevel::Inset;
    AutoSize m_autoSize = AutoSize::Contents;
    int m_minWidth = 0;
    bool m_pressed = false;
};

} // namespace talur
