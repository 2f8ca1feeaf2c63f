// A colour held and shown by a button.
#include "print/colour_button.h"

namespace print {

ColourButton::ColourButton(const QString &objectName, const QString &caption, const QColor &colour,
                           QWidget *parent)
    : QPushButton(caption, parent)
{
    setObjectName(objectName);
    setColour(colour);
}

void ColourButton::setColour(const QColor &colour)
{
    colour_ = colour;
    // Flat fill in the colour itself, caption in black or white, whichever reads better on it.
    const QColor caption = qGray(colour.rgb()) < 128 ? QColor(Qt::white) : QColor(Qt::black);
    setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid #808080;"
                                 " padding: 4px 10px; }"
                                 " QPushButton:focus { border: 2px solid #3070d0; }")
                      .arg(colour.name(), caption.name()));
}

} // namespace print
