// The welcome dialog and the About box.
#include "shell/shell_dialogs.h"

#include "platform/app_identity.h"
#include "shell/link_label.h"
#include "shell/open_document.h"

#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *namedLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    return label;
}

QPushButton *namedButton(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromUtf8(name));
    return button;
}

// Shows the picture in `path` at its own size; without a readable picture the label stays
// hidden and the dialog is laid out without it.
void showPicture(QLabel *label, const QString &path)
{
    QPixmap picture;
    if (QFile::exists(path))
        picture.load(path);
    if (picture.isNull()) {
        label->hide();
        return;
    }
    label->setPixmap(picture);
    label->setFixedSize(picture.size());
}

QString titleAndVersion()
{
    return appIdentity::title + QLatin1Char(' ') + appIdentity::versionText();
}

} // namespace

// ---- Welcome dialog ----

diagSWS::diagSWS(const QString &appFolder, QWidget *parent) : QDialog(parent), appFolder_(appFolder)
{
    setObjectName(QStringLiteral("diagSWS"));
    lblMorePuz = new LinkLabel(this);
    lblMorePuz->setObjectName(QStringLiteral("lblMorePuz"));
    initStrings();
    setWindowTitle(QStringLiteral("  ") + appIdentity::title + QLatin1Char(' '));
    setWindowIcon(appIdentity::windowIcon());

    lblThanks = namedLabel("lblThanks", this);
    lblThanks->setText(QStringLiteral("  ") + titleAndVersion() + QStringLiteral("  "));
    QFont thanksFont = lblThanks->font();
    thanksFont.setPointSizeF(24);
    thanksFont.setBold(true);
    thanksFont.setItalic(true);
    lblThanks->setFont(thanksFont);
    lblThanks->setAlignment(Qt::AlignCenter);

    pbLogo = namedLabel("pbLogo", this);
    showPicture(pbLogo, shellLinks::logoPath(appFolder_));

    OKButton = namedButton("OKButton", QStringLiteral("Start"), this);
    CancelButton = namedButton("CancelButton", QStringLiteral("Quit"), this);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &diagSWS::CancelButton_Click);
    connect(lblMorePuz, &LinkLabel::clicked, this, &diagSWS::lblMorePuz_Click);

    auto *middle = new QHBoxLayout;
    middle->addWidget(pbLogo, 0, Qt::AlignTop);
    middle->addSpacing(24);
    middle->addStretch(1);
    middle->addWidget(lblMorePuz, 0, Qt::AlignVCenter);
    middle->addSpacing(12);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblThanks);
    layout->addSpacing(8);
    layout->addLayout(middle);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    OKButton->setFocus();
}

void diagSWS::initStrings()
{
    lblMorePuz->setText(QStringLiteral("More Puzzles"));
    lblMorePuz->setToolTip(QStringLiteral("Click here for more puzzles"));
}

void diagSWS::lblMorePuz_Click()
{
    shellLinks::openDocument(shellLinks::morePuzzlesPath(appFolder_));
}

void diagSWS::CancelButton_Click()
{
    quit_ = true;
    done(QDialog::Rejected);
}

// Escape and the close box lead here: they go on to the game like Start.
void diagSWS::reject()
{
    accept();
}

// ---- About box ----

frmAbt::frmAbt(const QString &appFolder, QWidget *parent) : QDialog(parent), appFolder_(appFolder)
{
    setObjectName(QStringLiteral("frmAbt"));
    setWindowTitle(QStringLiteral("About ") + appIdentity::title);
    setWindowIcon(appIdentity::windowIcon());

    imgIcon = namedLabel("imgIcon", this);
    showPicture(imgIcon, shellLinks::iconPath(appFolder_));

    lblTitle = namedLabel("lblTitle", this);
    lblTitle->setText(titleAndVersion());
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(14.25);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    lblCopyRight = namedLabel("lblCopyRight", this);
    lblCopyRight->setWordWrap(true);
    lblCopyRight->setFixedWidth(340);
    lblCopyRight->setText(
        QStringLiteral("%1 is a Kakuro game from %2.\n\n"
                       "Fill each run of white cells with the digits 1 to 9 so that they add up "
                       "to the clue beside the run, never using a digit twice in the same run.\n\n"
                       "Every puzzle has exactly one solution, and it can be reached by reasoning "
                       "alone.\n\n"
                       "%1 is free software: you may share and change it under the GNU General "
                       "Public License, version 3 or any later version. It comes with no warranty.")
            .arg(appIdentity::title, appIdentity::companyName));

    lblWeb = new LinkLabel(this);
    lblWeb->setObjectName(QStringLiteral("lblWeb"));
    lblWeb->setText(appIdentity::makerHomePage);
    lblWeb->setToolTip(QStringLiteral("Click Here for more free puzzles & Games"));
    connect(lblWeb, &LinkLabel::clicked, this, &frmAbt::lblWeb_Click);

    lblNotice = namedLabel("lblNotice", this);
    lblNotice->setText(QStringLiteral("Copyright \u00A9 %1, GPL-3.0-or-later").arg(appIdentity::companyName));
    QFont noticeFont = lblNotice->font();
    noticeFont.setPointSizeF(noticeFont.pointSizeF() * 0.85);
    lblNotice->setFont(noticeFont);

    OKButton = namedButton("OKButton", QStringLiteral("OK"), this);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *header = new QHBoxLayout;
    header->addWidget(imgIcon, 0, Qt::AlignTop);
    header->addSpacing(12);
    header->addWidget(lblTitle, 1, Qt::AlignVCenter);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lblNotice, 1, Qt::AlignVCenter);
    bottom->addWidget(OKButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addSpacing(10);
    layout->addWidget(lblCopyRight);
    layout->addSpacing(10);
    layout->addWidget(lblWeb, 0, Qt::AlignLeft);
    layout->addSpacing(14);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    OKButton->setFocus();
}

void frmAbt::lblWeb_Click()
{
    shellLinks::openDocument(appIdentity::makerHomePage);
}
