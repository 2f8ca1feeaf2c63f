// The welcome dialog and the About box.
#include "help/help_dialogs.h"

#include "help/link_label.h"
#include "help/open_document.h"
#include "platform/app_identity.h"

#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace help {

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
    return platform::appTitle + QLatin1Char(' ') + platform::versionText();
}

} // namespace

// ---- Welcome dialog ----

WelcomeDialog::WelcomeDialog(const QString &appFolder, QWidget *parent)
    : QDialog(parent), appFolder_(appFolder)
{
    setObjectName(QStringLiteral("diagSWS"));
    morePuzzlesLink = new LinkLabel(this);
    morePuzzlesLink->setObjectName(QStringLiteral("lblMorePuz"));
    setLinkTexts();
    setWindowTitle(QStringLiteral("  ") + platform::appTitle + QLatin1Char(' '));
    setAccessibleName(platform::appTitle); // screen readers read the title without its padding
    setWindowIcon(platform::windowIcon());

    thanksLabel = namedLabel("lblThanks", this);
    thanksLabel->setText(QStringLiteral("  ") + titleAndVersion() + QStringLiteral("  "));
    QFont thanksFont = thanksLabel->font();
    thanksFont.setPointSizeF(24);
    thanksFont.setBold(true);
    thanksFont.setItalic(true);
    thanksLabel->setFont(thanksFont);
    thanksLabel->setAlignment(Qt::AlignCenter);
    thanksLabel->setAccessibleName(titleAndVersion());

    logo = namedLabel("pbLogo", this);
    showPicture(logo, help::logoPath(appFolder_));
    logo->setAccessibleName(tr("%1 logo").arg(platform::appTitle));

    startButton = namedButton("OKButton", tr("Start"), this);
    quitButton = namedButton("CancelButton", tr("Quit"), this);
    startButton->setDefault(true);
    connect(startButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(quitButton, &QPushButton::clicked, this, &WelcomeDialog::quit);
    connect(morePuzzlesLink, &LinkLabel::clicked, this, &WelcomeDialog::openMorePuzzles);

    auto *middle = new QHBoxLayout;
    middle->addWidget(logo, 0, Qt::AlignTop);
    middle->addSpacing(24);
    middle->addStretch(1);
    middle->addWidget(morePuzzlesLink, 0, Qt::AlignVCenter);
    middle->addSpacing(12);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(startButton);
    buttons->addWidget(quitButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(thanksLabel);
    layout->addSpacing(8);
    layout->addLayout(middle);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    startButton->setFocus();
}

void WelcomeDialog::setLinkTexts()
{
    morePuzzlesLink->setText(tr("More Puzzles"));
    morePuzzlesLink->setToolTip(tr("Click here for more puzzles"));
}

void WelcomeDialog::openMorePuzzles()
{
    help::openDocument(help::morePuzzlesPath(appFolder_));
}

void WelcomeDialog::quit()
{
    quit_ = true;
    done(QDialog::Rejected);
}

// Escape and the close box lead here: they go on to the game like Start.
void WelcomeDialog::reject()
{
    accept();
}

// ---- About box ----

AboutDialog::AboutDialog(const QString &appFolder, QWidget *parent) : QDialog(parent), appFolder_(appFolder)
{
    setObjectName(QStringLiteral("frmAbt"));
    setWindowTitle(tr("About %1").arg(platform::appTitle));
    setWindowIcon(platform::windowIcon());

    iconLabel = namedLabel("imgIcon", this);
    showPicture(iconLabel, help::iconPath(appFolder_));
    iconLabel->setAccessibleName(tr("%1 icon").arg(platform::appTitle));

    titleLabel = namedLabel("lblTitle", this);
    titleLabel->setText(titleAndVersion());
    QFont titleFont = titleLabel->font();
    titleFont.setPointSizeF(14.25);
    titleFont.setBold(true);
    titleLabel->setFont(titleFont);

    copyrightLabel = namedLabel("lblCopyRight", this);
    copyrightLabel->setWordWrap(true);
    copyrightLabel->setFixedWidth(340);
    copyrightLabel->setText(tr("%1 is a Kakuro game from %2.\n\n"
                               "Fill each run of white cells with the digits 1 to 9 so that they add up "
                               "to the clue beside the run, never using a digit twice in the same run.\n\n"
                               "Every puzzle has exactly one solution, and it can be reached by reasoning "
                               "alone.\n\n"
                               "%1 is free software: you may share and change it under the GNU General "
                               "Public License, version 3 or any later version. It comes with no warranty.")
                                .arg(platform::appTitle, platform::companyName));

    webLink = new LinkLabel(this);
    webLink->setObjectName(QStringLiteral("lblWeb"));
    webLink->setText(platform::makerHomePage);
    webLink->setToolTip(tr("Click Here for more free puzzles & Games"));
    connect(webLink, &LinkLabel::clicked, this, &AboutDialog::openWebPage);

    noticeLabel = namedLabel("lblNotice", this);
    noticeLabel->setText(tr("Copyright © %1, GPL-3.0-or-later").arg(platform::companyName));
    QFont noticeFont = noticeLabel->font();
    noticeFont.setPointSizeF(noticeFont.pointSizeF() * 0.85);
    noticeLabel->setFont(noticeFont);

    okButton = namedButton("OKButton", tr("OK"), this);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *header = new QHBoxLayout;
    header->addWidget(iconLabel, 0, Qt::AlignTop);
    header->addSpacing(12);
    header->addWidget(titleLabel, 1, Qt::AlignVCenter);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(noticeLabel, 1, Qt::AlignVCenter);
    bottom->addWidget(okButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addSpacing(10);
    layout->addWidget(copyrightLabel);
    layout->addSpacing(10);
    layout->addWidget(webLink, 0, Qt::AlignLeft);
    layout->addSpacing(14);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    okButton->setFocus();
}

void AboutDialog::openWebPage()
{
    help::openDocument(platform::makerHomePage);
}

} // namespace help
