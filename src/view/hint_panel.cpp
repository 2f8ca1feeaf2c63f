// The hint panel and where it stands.
#include "view/hint_panel.h"

#include "platform/app_identity.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace view {

QPoint hintPanelPlace(QSize panel, const QRect &window, const QRect &lit, const QRect &screen)
{
    const int gap = 8;
    const QPoint beside[] = {{window.right() + 1 + gap, window.top()},
                             {window.left() - gap - panel.width(), window.top()},
                             {window.left(), window.bottom() + 1 + gap},
                             {window.left(), window.top() - gap - panel.height()}};
    for (const QPoint &at : beside)
        if (screen.contains(QRect(at, panel)))
            return at;
    const int right = window.right() + 1 - panel.width(), bottom = window.bottom() + 1 - panel.height();
    const QPoint over[] = {{right, bottom}, {window.left(), bottom}, {right, window.top()}, window.topLeft()};
    for (const QPoint &at : over)
        if (!QRect(at, panel).intersects(lit))
            return at;
    return over[0];
}

HintPanel::HintPanel(QWidget *parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("frmHint"));
    setWindowTitle(tr("%1 - Hint").arg(platform::appTitle));
    setAttribute(Qt::WA_ShowWithoutActivating); // keys stay on the board; Apply Hint has its shortcut
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("lblHint"));
    label_->setWordWrap(true);
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    apply_ = new QPushButton(tr("&Apply"), this);
    apply_->setObjectName(QStringLiteral("cmdApplyHint"));
    auto *close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("cmdCloseHint"));
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(apply_);
    buttons->addWidget(close);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(label_, 1);
    layout->addLayout(buttons);
    label_->setMinimumWidth(260);
    connect(apply_, &QPushButton::clicked, this, &HintPanel::applyRequested);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
}

void HintPanel::showHint(const QString &text, bool canApply, const QRect &window, const QRect &lit)
{
    label_->setText(text);
    apply_->setEnabled(canApply);
    adjustSize();
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : nullptr;
    const QRect room = screen ? screen->availableGeometry() : window;
    move(hintPanelPlace(frameGeometry().size(), window, lit, room));
    show();
    raise();
}

QString HintPanel::text() const
{
    return label_->text();
}

} // namespace view
