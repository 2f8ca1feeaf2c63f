// A push button that holds a colour and shows it as its background.
#pragma once

#include <QColor>
#include <QPushButton>

namespace print {

class ColourButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QColor colour READ colour WRITE setColour)
public:
    ColourButton(const QString &objectName, const QString &caption, const QColor &colour, QWidget *parent);

    QColor colour() const { return colour_; }
    void setColour(const QColor &colour);

private:
    QColor colour_;
};

} // namespace print
