// The puzzle-code dialog.
#include "app/puzzle_code_dialog.h"

#include "platform/app_identity.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace app {

PuzzleCodeDialog::PuzzleCodeDialog(const QString &code, QWidget *parent)
    : QDialog(parent), codeBox_(new QLineEdit(code, this))
{
    setObjectName(QStringLiteral("diagPuzzleCode"));
    setWindowTitle(tr("%1 - Open Puzzle Code").arg(platform::appTitle));
    setWindowIcon(platform::windowIcon());
    codeBox_->setObjectName(QStringLiteral("txtCode"));
    codeBox_->setMaxLength(64);
    auto *label = new QLabel(tr("&Puzzle code (for example 1ABC-DEFG-HJK):"), this);
    label->setBuddy(codeBox_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(label);
    outer->addWidget(codeBox_);
    outer->addWidget(buttons);
    setMinimumWidth(380);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString PuzzleCodeDialog::code() const
{
    return codeBox_->text();
}

} // namespace app
