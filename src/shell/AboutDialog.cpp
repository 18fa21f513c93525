#include "shell/AboutDialog.h"

#include "BuildConfig.h"
#include "platform/Platform.h"
#include "shell/ProgramIcon.h"
#include "shell/WebLinks.h"
#include "widgets/Look.h"
#include "widgets/TwipsLayout.h"

#include <QBoxLayout>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace vellumora {

AboutDialog::AboutDialog(Platform& platform, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral(VELLUMORA_TITLE));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(verdana(8.25));
    QVBoxLayout* rows = columnInTwips(this, 0, 120, 0, 60);

    QHBoxLayout* header = row();
    rows->addLayout(header);
    addGapTwips(header, 120);
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(programIcon().pixmap(32, 32));
    preferTwips(icon, 480, 480);
    header->addWidget(icon, 0, Qt::AlignTop);
    addGapTwips(header, 240);
    auto* title = new QLabel(QStringLiteral(VELLUMORA_TITLE), this);
    title->setObjectName(QStringLiteral("Label2"));
    title->setFont(verdana(9.75, true));
    preferTwips(title, 2295, 240);
    // The title stands a little lower than the icon's top.
    QVBoxLayout* titleColumn = column();
    addGapTwips(titleColumn, 120);
    titleColumn->addWidget(title);
    titleColumn->addStretch();
    header->addLayout(titleColumn);
    header->addStretch();
    addGapTwips(rows, 120);

    auto* description
        = new QLabel(tr("Vellumora is a visualization tool: post your daily visions, goals, motivational "
                        "messages and favourite sayings on it, and a small slideshow keeps them in view "
                        "while you work, until they come true."),
            this);
    description->setObjectName(QStringLiteral("Label1"));
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    preferWrappedTwips(description, 6645, 1215);
    QHBoxLayout* descriptionRow = row();
    addGapTwips(descriptionRow, 240);
    descriptionRow->addWidget(description, 1);
    addGapTwips(descriptionRow, 195);
    rows->addLayout(descriptionRow);
    addGapTwips(rows, 225);

    const QUrl home = WebLinks::homePage(platform);
    const QString visit = home.isLocalFile() ? tr("Click here to visit the Vellumora user guide")
                                             : tr("Click here to visit %1").arg(home.toString());
    QLabel* homePageLink = linkLabel(visit, "lblHomePage", this);
    preferTwips(homePageLink, 4650, 195);
    QHBoxLayout* linkRow = row();
    linkRow->addStretch();
    linkRow->addWidget(homePageLink);
    addGapTwips(linkRow, 150);
    rows->addLayout(linkRow);
    addGapTwips(rows, 240);

    // The user finds their library here to back it up; a long path keeps its ends in view.
    const QString folder = QDir::toNativeSeparators(platform.libraryFolder());
    auto* library = new QLabel(this);
    library->setObjectName(QStringLiteral("lblLibraryFolder"));
    library->setToolTip(folder);
    library->setAccessibleName(tr("Your library is in %1").arg(folder));
    library->setTextInteractionFlags(Qt::TextSelectableByMouse);
    preferTwips(library, 6645, 195);
    library->setText(library->fontMetrics().elidedText(
        tr("Your library is in %1").arg(folder), Qt::ElideMiddle, library->sizeHint().width()));
    QHBoxLayout* libraryRow = row();
    addGapTwips(libraryRow, 240);
    libraryRow->addWidget(library, 1);
    addGapTwips(libraryRow, 195);
    rows->addLayout(libraryRow);
    addGapTwips(rows, 570);
    rows->addStretch();

    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Line1"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setFixedHeight(2);
    preferTwips(rule, 7080, 0);
    rows->addWidget(rule);
    addGapTwips(rows, 210);

    QPushButton* okButton = designButton(tr("&OK"), "cmdOK", this, 1260, 345);
    okButton->setDefault(true);
    // Enter closes the window, also at once when it opens: the link, ahead in the Tab order,
    // would otherwise take the focus first.
    okButton->setFocus();
    QHBoxLayout* buttonRow = row();
    buttonRow->addStretch();
    buttonRow->addWidget(okButton);
    addGapTwips(buttonRow, 75);
    rows->addLayout(buttonRow);
    // As large as its contents ask; the user does not resize it.
    rows->setSizeConstraint(QLayout::SetFixedSize);

    connect(okButton, &QPushButton::clicked, this, &AboutDialog::accept);
    connect(homePageLink, &QLabel::linkActivated, this, [&platform] { WebLinks::openHomePage(platform); });
}

} // namespace vellumora
