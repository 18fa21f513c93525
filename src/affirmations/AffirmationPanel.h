#pragma once

#include <QGroupBox>

class QLineEdit;
class QPushButton;

namespace vellumora {

class AffirmationList;
class Platform;
class TickList;

// The frame "Affirmations": the chosen category's affirmations with their ticks, one text
// field and the buttons "&Add"/"&Update", "&Edit" and "&Delete".
class AffirmationPanel : public QGroupBox {
    Q_OBJECT
public:
    AffirmationPanel(Platform& platform, AffirmationList& affirmations, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectSignals();
    void addAffirmation();
    void editAffirmation();
    void deleteAffirmation();
    void showEditor();
    void removeDoubleQuotes(const QString& text);
    // Puts a text into the text field, or says why it does not fit there.
    void setFieldText(const QString& text);

    Platform& m_platform;
    AffirmationList& m_affirmations;

    QLineEdit* m_textField = nullptr;
    QPushButton* m_addButton = nullptr;
    QPushButton* m_editButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    TickList* m_affirmationList = nullptr;
};

} // namespace vellumora
