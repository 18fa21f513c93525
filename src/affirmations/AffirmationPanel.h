#pragma once

#include <QGroupBox>

class QAction;
class QLineEdit;
class QPushButton;

namespace vellumora {

class AffirmationList;
class Platform;
class RecordingSession;
class TickList;
class Voice;

// The frame "Affirmations": the chosen category's affirmations with their ticks, one text
// field and the buttons "&Add"/"&Update", "&Edit" and "&Delete".
class AffirmationPanel : public QGroupBox {
    Q_OBJECT
public:
    AffirmationPanel(
        Platform& platform, AffirmationList& affirmations, Voice& voice, QWidget* parent = nullptr);

    TickList* list() const { return m_affirmationList; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void connectSignals();
    void addAffirmation();
    void editAffirmation();
    void deleteAffirmation();
    void showEditor();
    void showHint();
    void buildRecordingControls();
    void showRecording();
    void record();
    void listen();
    void importRecording();
    void removeRecording();
    // Asks before a recording the chosen affirmation has is replaced.
    bool mayReplaceRecording();
    void removeDoubleQuotes(const QString& text);
    // Puts a text into the text field, or says why it does not fit there.
    void setFieldText(const QString& text);

    Platform& m_platform;
    AffirmationList& m_affirmations;
    Voice& m_voice;
    RecordingSession* m_recording = nullptr;

    QLineEdit* m_textField = nullptr;
    QPushButton* m_addButton = nullptr;
    QPushButton* m_editButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    TickList* m_affirmationList = nullptr;
    QPushButton* m_recordButton = nullptr;
    QPushButton* m_listenButton = nullptr;
    QPushButton* m_moreButton = nullptr;
    QAction* m_importAction = nullptr;
    QAction* m_removeAction = nullptr;
};

} // namespace vellumora
