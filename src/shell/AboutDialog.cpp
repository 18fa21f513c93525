#include "shell/AboutDialog.h"

#include "BuildConfig.h"
#include "widgets/LinkLabel.h"
#include "widgets/Look.h"
#include "platform/Platform.h"
#include "widgets/Twips.h"
#include "shell/ProgramIcon.h"
#include "shell/WebLinks.h"

#include <QFrame>
#include <QPushButton>

namespace vellumora {

AboutDialog::AboutDialog(Platform& platform, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral(VELLUMORA_TITLE));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(verdana(8.25));
    setFixedSize(twipsToPixels(7080), twipsToPixels(4005));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(programIcon().pixmap(32, 32));
    placeTwips(icon, 120, 120, 480, 480);

    auto* title = new QLabel(QStringLiteral(VELLUMORA_TITLE), this);
    title->setObjectName(QStringLiteral("Label2"));
    title->setFont(verdana(9.75, true));
    placeTwips(title, 840, 240, 2295, 240);

    auto* description
        = new QLabel(tr("Vellumora is a visualization tool: post your daily visions, goals, motivational "
                        "messages and favourite sayings on it, and a small slideshow keeps them in view "
                        "while you work, until they come true."),
            this);
    description->setObjectName(QStringLiteral("Label1"));
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(description, 240, 720, 6645, 1215);

    const QUrl home = WebLinks::homePage(platform);
    auto* homePageLink = new LinkLabel(
        tr("Click here to visit ") + (home.isLocalFile() ? tr("the Vellumora user guide") : home.toString()),
        this);
    homePageLink->setObjectName(QStringLiteral("lblHomePage"));
    placeTwips(homePageLink, 2280, 2160, 4650, 195);

    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Line1"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(0, twipsToPixels(3360), twipsToPixels(7080), 2);

    auto* okButton = new QPushButton(tr("&OK"), this);
    okButton->setObjectName(QStringLiteral("cmdOK"));
    okButton->setDefault(true);
    placeTwips(okButton, 5745, 3600, 1260, 345);

    connect(okButton, &QPushButton::clicked, this, &AboutDialog::accept);
    connect(homePageLink, &LinkLabel::clicked, this, [&platform] { WebLinks::openHomePage(platform); });
}

} // namespace vellumora
