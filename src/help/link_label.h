// A label that looks and acts like a web link: blue, underlined, clicked with the mouse or,
// when it has the focus, with Space or Enter.
#pragma once

#include <QLabel>

namespace help {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool pressed_ = false;
};

} // namespace help
