#include "desktoppicture/DesktopPictureDialog.h"

#include "desktoppicture/DesktopChanger.h"
#include "library/Library.h"
#include "platform/Platform.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>

namespace vellumora {

DesktopPictureDialog::DesktopPictureDialog(
    Platform& platform, DesktopPictureOptions& options, DesktopChanger& changer, QWidget* parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_options(options)
    , m_changer(changer)
{
    setObjectName(QStringLiteral("frmDesktop"));
    setWindowTitle(tr("Desktop Picture"));
    auto* rows = new QVBoxLayout(this);
    auto* label = new QLabel(tr("&Change my desktop picture:"), this);
    m_changeList = new QComboBox(this);
    m_changeList->setObjectName(QStringLiteral("cboDesktopChange"));
    // In the order of the settings file's numbers.
    m_changeList->addItems({ tr("never"), tr("every hour"), tr("every day"), tr("with each reminder") });
    m_changeList->setToolTip(tr("While Vellumora runs, also in the background, it puts a new picture with an "
                                "affirmation on your desktop"));
    label->setBuddy(m_changeList);
    auto* changeRow = new QHBoxLayout;
    changeRow->addWidget(label);
    changeRow->addWidget(m_changeList, 1);
    rows->addLayout(changeRow);
    auto* contentLabel = new QLabel(tr("&Put on the desktop:"), this);
    m_contentList = new QComboBox(this);
    m_contentList->setObjectName(QStringLiteral("cboDesktopContent"));
    // In the order of DesktopContent.
    m_contentList->addItems({ tr("a picture with an affirmation"), tr("my board") });
    contentLabel->setBuddy(m_contentList);
    auto* contentRow = new QHBoxLayout;
    contentRow->addWidget(contentLabel);
    contentRow->addWidget(m_contentList, 1);
    rows->addLayout(contentRow);
    m_lockScreenBox = new QCheckBox(tr("Also on the &lock screen"), this);
    m_lockScreenBox->setObjectName(QStringLiteral("chkLockScreen"));
    rows->addWidget(m_lockScreenBox);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &DesktopPictureDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DesktopPictureDialog::reject);
    rows->addWidget(buttons);

    m_changeList->setCurrentIndex(int(options.change()));
    m_lockScreenBox->setChecked(options.lockScreen());
    m_contentList->setCurrentIndex(int(options.content()));
}

void DesktopPictureDialog::accept()
{
    const bool turnedOff = m_options.change() != DesktopChange::Never
        && DesktopChange(m_changeList->currentIndex()) == DesktopChange::Never;
    if (!m_options.save(DesktopChange(m_changeList->currentIndex()), m_lockScreenBox->isChecked(),
            DesktopContent(m_contentList->currentIndex()))) {
        m_platform.message(tr("The desktop picture options could not be saved."), MessageIcon::Critical);
    }
    QDialog::accept();
    if (turnedOff && m_changer.holdsDesktop()) {
        // The platform outlives this dialog; the answer may come after it is gone.
        m_changer.giveBack([&platform = m_platform](
                               DesktopChanger::Result, const Outcome& outcome) { outcome.report(platform); });
    }
}

} // namespace vellumora
