#include "shell/frmAbout.h"

#include "platform/LinkLabel.h"
#include "platform/Look.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "shell/ProgramIcon.h"
#include "shell/WebLinks.h"

#include <QFrame>
#include <QPushButton>

namespace vellumora {

frmAbout::frmAbout(Platform& platform, QWidget* parent)
    : QDialog(parent)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Vellumora v1.0"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(verdana(8.25));
    setFixedSize(twipsToPixels(7080), twipsToPixels(4005));

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(programIcon().pixmap(32, 32));
    placeTwips(picIcon, 120, 120, 480, 480);

    auto* Label2 = new QLabel(QStringLiteral("Vellumora v1.0"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(verdana(9.75, true));
    placeTwips(Label2, 840, 240, 2295, 240);

    auto* Label1
        = new QLabel(tr("Vellumora is a visualization tool: post your daily visions, goals, motivational "
                        "messages and favourite sayings on it, and a small slideshow keeps them in view "
                        "while you work, until they come true."),
            this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(Label1, 240, 720, 6645, 1215);

    lblHomePage = new LinkLabel(tr("Click here to visit ") + WebLinks::homePage().toString(), this);
    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
    placeTwips(lblHomePage, 2280, 2160, 4650, 195);

    auto* Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Line1->setGeometry(0, twipsToPixels(3360), twipsToPixels(7080), 2);

    cmdOK = new QPushButton(tr("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    placeTwips(cmdOK, 5745, 3600, 1260, 345);

    connectSignals();
}

void frmAbout::connectSignals()
{
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::lblHomePage_Click()
{
    WebLinks::OpenHomePage(m_platform);
}

} // namespace vellumora
