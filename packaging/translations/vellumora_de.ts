<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AffirmationImport</name>
    <message>
        <source>The file &quot;%1&quot; could not be read.</source>
        <translation>Die Datei „%1“ konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Es ist keine Datei.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large to be a list of affirmations.</source>
        <translation>Die Datei „%1“ ist zu groß für eine Liste von Affirmationen.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty: it holds no affirmations.</source>
        <translation>Die Datei „%1“ ist leer: Sie enthält keine Affirmationen.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a text file, so nothing was imported. Please choose a plain text file with one affirmation on each line.</source>
        <translation>Die Datei „%1“ ist keine Textdatei, daher wurde nichts importiert. Bitte wählen Sie eine reine Textdatei mit einer Affirmation pro Zeile.</translation>
    </message>
    <message>
        <source>They are in the new category &quot;%1&quot;.</source>
        <translation>Sie stehen in der neuen Kategorie „%1“.</translation>
    </message>
    <message numerus="yes">
        <source>%n affirmation(s) were added.</source>
        <translation>
            <numerusform>%n Affirmation wurde hinzugefügt.</numerusform>
            <numerusform>%n Affirmationen wurden hinzugefügt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) already in the category, or earlier in the file, were passed over.</source>
        <translation>
            <numerusform>%n Zeile, die schon in der Kategorie oder weiter oben in der Datei stand, wurde übergangen.</numerusform>
            <numerusform>%n Zeilen, die schon in der Kategorie oder weiter oben in der Datei standen, wurden übergangen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) longer than %1 characters were passed over, the first of them line %2.</source>
        <translation>
            <numerusform>%n Zeile mit mehr als %1 Zeichen wurde übergangen, die erste davon Zeile %2.</numerusform>
            <numerusform>%n Zeilen mit mehr als %1 Zeichen wurden übergangen, die erste davon Zeile %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) did not fit, as a category holds at most %1 affirmations; the first of them is line %2.</source>
        <translation>
            <numerusform>%n Zeile passte nicht mehr, da eine Kategorie höchstens %1 Affirmationen fasst; die erste davon ist Zeile %2.</numerusform>
            <numerusform>%n Zeilen passten nicht mehr, da eine Kategorie höchstens %1 Affirmationen fasst; die erste davon ist Zeile %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>Importiert</translation>
    </message>
    <message>
        <source>The affirmations could not be written to &quot;%1&quot;; nothing was changed there.</source>
        <translation>Die Affirmationen konnten nicht nach „%1“ geschrieben werden; dort wurde nichts geändert.</translation>
    </message>
    <message numerus="yes">
        <source>%n affirmation(s) were written to &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n Affirmation wurde nach „%1“ geschrieben.</numerusform>
            <numerusform>%n Affirmationen wurden nach „%1“ geschrieben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blank line(s) were passed over.</source>
        <translation>
            <numerusform>%n leere Zeile wurde übergangen.</numerusform>
            <numerusform>%n leere Zeilen wurden übergangen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>Vellumora backup %1.zip</source>
        <translation>Vellumora-Sicherung %1.zip</translation>
    </message>
    <message>
        <source>The backup could not be written, so no backup was made.</source>
        <translation>Die Sicherung konnte nicht geschrieben werden; es wurde keine Sicherung angelegt.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Keeps your goals in view: a small slideshow of your pictures with your affirmations.</source>
        <translation>Behält Ihre Ziele im Blick: eine kleine Diashow Ihrer Bilder mit Ihren Affirmationen.</translation>
    </message>
    <message>
        <source>Starts the show at once with the saved settings; the main window opens when it ends. With Vellumora already running, starts the show there.</source>
        <translation>Startet die Diashow sofort mit den gespeicherten Einstellungen; danach öffnet sich das Hauptfenster. Läuft Vellumora schon, startet die Diashow dort.</translation>
    </message>
    <message>
        <source>Vellumora needs a graphical desktop: neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>Vellumora braucht eine grafische Oberfläche: Weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt.
</translation>
    </message>
    <message>
        <source>Runs without a window and only reminds you of your affirmations, as set in Settings. Starting Vellumora again opens its window.</source>
        <translation>Läuft ohne Fenster und erinnert Sie nur an Ihre Affirmationen, wie in den Einstellungen festgelegt. Ein erneuter Start von Vellumora öffnet das Fenster.</translation>
    </message>
    <message>
        <source>Puts a new picture with an affirmation on the desktop, as set in Settings, and ends. Ends with status 1, and says why, when it cannot.</source>
        <translation>Legt ein neues Bild mit einer Affirmation auf den Desktop, wie in den Einstellungen festgelegt, und endet. Endet mit Status 1 und nennt den Grund, wenn das nicht geht.</translation>
    </message>
    <message>
        <source>%1: unknown option &quot;%2&quot;</source>
        <translation>%1: unbekannte Option „%2“</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more information.
</source>
        <translation>Mehr dazu zeigt „%1 --help“.
</translation>
    </message>
    <message>
        <source>Writes your board of pictures and affirmations to FILE, a PNG or JPEG picture or a PDF, and ends. Ends with status 1, and says why, when it cannot.</source>
        <translation>Schreibt Ihr Board aus Bildern und Affirmationen in FILE, ein PNG- oder JPEG-Bild oder ein PDF, und endet. Endet mit Status 1 und nennt den Grund, wenn das nicht geht.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>With --board: the size of the board, A4, A3, Letter, phone or WIDTHxHEIGHT in pixels. Without it, the size chosen in the board&apos;s window.</source>
        <translation>Mit --board: die Größe des Boards, A4, A3, Letter, phone oder WIDTHxHEIGHT in Pixeln. Ohne diese Option gilt die im Fenster des Boards gewählte Größe.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>SIZE</translation>
    </message>
    <message>
        <source>--size goes with --board FILE.
</source>
        <translation>--size gilt nur zusammen mit --board FILE.
</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>The file is already in the library folder.</source>
        <translation>Die Datei liegt schon im Ordner der Sammlung.</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>&amp;Open Folder</source>
        <translation>&amp;Ordner öffnen</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The printer did not take the page.</source>
        <translation>Der Drucker hat die Seite nicht angenommen.</translation>
    </message>
</context>
<context>
    <name>RestorePlan</name>
    <message numerus="yes">
        <source>Add the category &quot;%1&quot; with %n affirmations</source>
        <translation>
            <numerusform>Die Kategorie „%1“ mit %n Affirmation hinzufügen</numerusform>
            <numerusform>Die Kategorie „%1“ mit %n Affirmationen hinzufügen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n affirmations to &quot;%1&quot;</source>
        <translation>
            <numerusform>%n Affirmation zu „%1“ hinzufügen</numerusform>
            <numerusform>%n Affirmationen zu „%1“ hinzufügen</numerusform>
        </translation>
    </message>
    <message>
        <source>Add the picture &quot;%1&quot;</source>
        <translation>Das Bild „%1“ hinzufügen</translation>
    </message>
    <message>
        <source>Add the picture &quot;%1&quot; as &quot;%2&quot;</source>
        <translation>Das Bild „%1“ als „%2“ hinzufügen</translation>
    </message>
    <message>
        <source>Skip the picture &quot;%1&quot;: the library has it already</source>
        <translation>Das Bild „%1“ auslassen: Die Bibliothek hat es schon</translation>
    </message>
    <message>
        <source>&quot;%1&quot; points outside the library and is left out.</source>
        <translation>„%1“ zeigt aus der Bibliothek hinaus und wird ausgelassen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link, not a file, and is left out.</source>
        <translation>„%1“ ist eine Verknüpfung, keine Datei, und wird ausgelassen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than the backup says and is left out.</source>
        <translation>„%1“ ist größer, als die Sicherung angibt, und wird ausgelassen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and is left out.</source>
        <translation>„%1“ ist beschädigt und wird ausgelassen.</translation>
    </message>
    <message>
        <source>A file whose name cannot be read is left out.</source>
        <translation>Eine Datei, deren Name nicht lesbar ist, wird ausgelassen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no part of a library and is left out.</source>
        <translation>„%1“ gehört zu keiner Bibliothek und wird ausgelassen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a name the library cannot keep and is left out.</source>
        <translation>„%1“ hat einen Namen, den die Bibliothek nicht führen kann, und wird ausgelassen.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; could not be opened, so nothing was brought back.</source>
        <translation>Die Sicherung „%1“ konnte nicht geöffnet werden; es wurde nichts zurückgeholt.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; is damaged, so nothing was brought back.</source>
        <translation>Die Sicherung „%1“ ist beschädigt; es wurde nichts zurückgeholt.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; holds more than %L2 files, more than any library, so nothing was brought back.</source>
        <translation>Die Sicherung „%1“ enthält mehr als %L2 Dateien, mehr als jede Bibliothek; es wurde nichts zurückgeholt.</translation>
    </message>
    <message>
        <source>The backup needs more room than the library&apos;s disk has free, so nothing was brought back.</source>
        <translation>Die Sicherung braucht mehr Platz, als auf dem Datenträger der Bibliothek frei ist; es wurde nichts zurückgeholt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no Vellumora library, so nothing was brought back.</source>
        <translation>„%1“ enthält keine Vellumora-Bibliothek; es wurde nichts zurückgeholt.</translation>
    </message>
    <message>
        <source>A list of the library could not be read, so nothing was brought back.</source>
        <translation>Eine Liste der Bibliothek konnte nicht gelesen werden; es wurde nichts zurückgeholt.</translation>
    </message>
    <message>
        <source>The backup could not be brought back whole. The files written so far are whole, and the library lists only files that are there.</source>
        <translation>Die Sicherung konnte nicht vollständig zurückgeholt werden. Die bisher geschriebenen Dateien sind vollständig, und die Bibliothek führt nur Dateien, die vorhanden sind.</translation>
    </message>
    <message>
        <source>The settings could not be brought back; the library was.</source>
        <translation>Die Einstellungen konnten nicht zurückgeholt werden, die Bibliothek schon.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is left out: the library keeps its own recording of that affirmation.</source>
        <translation>„%1“ wird ausgelassen: Die Bibliothek behält ihre eigene Aufnahme dieser Affirmation.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; records no affirmation the backup brings back and is left out.</source>
        <translation>„%1“ ist die Aufnahme keiner Affirmation, die die Sicherung zurückholt, und wird ausgelassen.</translation>
    </message>
    <message numerus="yes">
        <source>A restore of a backup was cut short. The %n file(s) it had written that no list of the library names were taken away.</source>
        <translation>
            <numerusform>Eine Wiederherstellung einer Sicherung wurde abgebrochen. Die %n Datei, die sie geschrieben hatte und die keine Liste der Bibliothek nennt, wurde entfernt.</numerusform>
            <numerusform>Eine Wiederherstellung einer Sicherung wurde abgebrochen. Die %n Dateien, die sie geschrieben hatte und die keine Liste der Bibliothek nennt, wurden entfernt.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is left out: the library keeps its own board.</source>
        <translation>„%1“ wird ausgelassen: Die Bibliothek behält ihr eigenes Board.</translation>
    </message>
</context>
<context>
    <name>vellumora::AboutDialog</name>
    <message>
        <source>Vellumora is a visualization tool: post your daily visions, goals, motivational messages and favourite sayings on it, and a small slideshow keeps them in view while you work, until they come true.</source>
        <translation>Vellumora ist Ihr Visionboard: Halten Sie Ihre täglichen Visionen, Ziele, motivierenden Gedanken und Lieblingssprüche fest, und eine kleine Diashow zeigt sie Ihnen bei der Arbeit, bis sie wahr werden.</translation>
    </message>
    <message>
        <source>Your library is in %1</source>
        <translation>Ihre Sammlung liegt in %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click here to visit the Vellumora user guide</source>
        <translation>Hier geht es zur Anleitung zu Vellumora</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Hier geht es zu %1</translation>
    </message>
</context>
<context>
    <name>vellumora::AffirmationLibraryPanel</name>
    <message>
        <source>Affirmation Library</source>
        <translation>Affirmationssammlung</translation>
    </message>
    <message>
        <source>Add the affirmations of a text file, one on each line.</source>
        <translation>Die Affirmationen einer Textdatei hinzufügen, eine pro Zeile.</translation>
    </message>
    <message>
        <source>Write the chosen category&apos;s affirmations to a text file.</source>
        <translation>Die Affirmationen der gewählten Kategorie in eine Textdatei schreiben.</translation>
    </message>
    <message>
        <source>Import Affirmations</source>
        <translation>Affirmationen importieren</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Textdateien</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Add the affirmations of &quot;%1&quot; to the category &quot;%2&quot;? No puts them into a new category named after the file.</source>
        <translation>Die Affirmationen aus „%1“ zur Kategorie „%2“ hinzufügen? Nein legt sie in eine neue Kategorie, die nach der Datei benannt ist.</translation>
    </message>
    <message>
        <source>Reading the affirmations...</source>
        <translation>Die Affirmationen werden gelesen...</translation>
    </message>
    <message>
        <source>Export Affirmations</source>
        <translation>Affirmationen exportieren</translation>
    </message>
    <message>
        <source>&amp;Import Affirmations...</source>
        <translation>Affirmationen &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Export Affirmations...</source>
        <translation>Affirmationen &amp;exportieren...</translation>
    </message>
</context>
<context>
    <name>vellumora::AffirmationList</name>
    <message>
        <source>Affirmations</source>
        <translation>Affirmationen</translation>
    </message>
    <message>
        <source>The affirmations of &quot;%1&quot; could not be read.</source>
        <translation>Die Affirmationen von „%1“ konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Please create or select a category first.</source>
        <translation>Bitte legen Sie zuerst eine Kategorie an oder wählen Sie eine aus.</translation>
    </message>
    <message>
        <source>The affirmations of &quot;%1&quot; could not be read, so they are not changed.</source>
        <translation>Die Affirmationen von „%1“ konnten nicht gelesen werden und bleiben daher unverändert.</translation>
    </message>
    <message>
        <source>The affirmations could not be saved, so the change was undone.</source>
        <translation>Die Affirmationen konnten nicht gespeichert werden; die Änderung wurde zurückgenommen.</translation>
    </message>
    <message>
        <source>This category already holds %1 affirmations, the most it can hold.</source>
        <translation>Diese Kategorie enthält schon %1 Affirmationen, mehr passen nicht hinein.</translation>
    </message>
    <message>
        <source>Please Enter Text to edit</source>
        <translation>Bitte geben Sie einen Text zum Ändern ein.</translation>
    </message>
    <message>
        <source>There Is No Item To Delete</source>
        <translation>Hier gibt es nichts zu löschen.</translation>
    </message>
    <message>
        <source>%1 (recorded)</source>
        <translation>%1 (aufgenommen)</translation>
    </message>
    <message>
        <source>This affirmation has a recording.</source>
        <translation>Diese Affirmation hat eine Aufnahme.</translation>
    </message>
    <message>
        <source>This affirmation has no recording.</source>
        <translation>Diese Affirmation hat keine Aufnahme.</translation>
    </message>
    <message>
        <source>The recording could not be moved to the Trash.</source>
        <translation>Die Aufnahme konnte nicht in den Papierkorb verschoben werden.</translation>
    </message>
    <message>
        <source>Its recording could not be moved to the Trash, so it stays.</source>
        <translation>Ihre Aufnahme konnte nicht in den Papierkorb verschoben werden und bleibt daher.</translation>
    </message>
    <message>
        <source>The affirmations of &quot;%1&quot; were changed by another program but cannot be read, so they are shown as they were.</source>
        <translation>Die Affirmationen von „%1“ wurden von einem anderen Programm geändert, können aber nicht gelesen werden; sie werden daher wie zuvor gezeigt.</translation>
    </message>
    <message>
        <source>This category can hold only %1 affirmations.</source>
        <translation>Diese Kategorie fasst nur %1 Affirmationen.</translation>
    </message>
</context>
<context>
    <name>vellumora::AffirmationPanel</name>
    <message>
        <source>Affirmations</source>
        <translation>Affirmationen</translation>
    </message>
    <message>
        <source>Affirmation text</source>
        <translation>Text der Affirmation</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Double quotes cannot be kept in an affirmation. Please use single quotes.</source>
        <translation>Doppelte Anführungszeichen können in einer Affirmation nicht gespeichert werden. Bitte nehmen Sie einfache.</translation>
    </message>
    <message>
        <source>Too long to show here</source>
        <translation>Zu lang für dieses Feld</translation>
    </message>
    <message>
        <source>Press Add, type the affirmation, then press Update to keep it.</source>
        <translation>Klicken Sie auf Hinzufügen, schreiben Sie die Affirmation und klicken Sie dann auf Speichern.</translation>
    </message>
    <message>
        <source>This affirmation holds %1 characters, more than this field takes. It is kept whole.</source>
        <translation>Diese Affirmation hat %1 Zeichen, mehr als dieses Feld fasst. Sie bleibt vollständig erhalten.</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Spei&amp;chern</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>Sto&amp;pp</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>A&amp;ufnehmen</translation>
    </message>
    <message>
        <source>Record yourself saying the chosen affirmation, for up to a minute.</source>
        <translation>Nehmen Sie sich auf, wie Sie die gewählte Affirmation sprechen, bis zu einer Minute lang.</translation>
    </message>
    <message>
        <source>Liste&amp;n</source>
        <translation>Anh&amp;ören</translation>
    </message>
    <message>
        <source>Hear the chosen affirmation&apos;s recording.</source>
        <translation>Die Aufnahme der gewählten Affirmation anhören.</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>More for recordings</source>
        <translation>Mehr zu Aufnahmen</translation>
    </message>
    <message>
        <source>Import Recording...</source>
        <translation>Aufnahme importieren...</translation>
    </message>
    <message>
        <source>Remove Recording</source>
        <translation>Aufnahme entfernen</translation>
    </message>
    <message>
        <source>This affirmation already has a recording. Replace it? The one it has goes to the Trash.</source>
        <translation>Diese Affirmation hat schon eine Aufnahme. Ersetzen? Die bisherige kommt in den Papierkorb.</translation>
    </message>
    <message>
        <source>This affirmation has no recording any more.</source>
        <translation>Diese Affirmation hat keine Aufnahme mehr.</translation>
    </message>
    <message>
        <source>Import Recording</source>
        <translation>Aufnahme importieren</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Aufnahmen</translation>
    </message>
    <message>
        <source>No affirmations here yet: type one in the field above and click Add.</source>
        <translation>Hier steht noch keine Affirmation: Schreiben Sie eine in das Feld oben und klicken Sie auf Hinzufügen.</translation>
    </message>
</context>
<context>
    <name>vellumora::BackupJob</name>
    <message>
        <source>The library was backed up in &quot;%1&quot;.</source>
        <translation>Die Bibliothek wurde in „%1“ gesichert.</translation>
    </message>
    <message>
        <source>Backing up your library...</source>
        <translation>Ihre Bibliothek wird gesichert...</translation>
    </message>
</context>
<context>
    <name>vellumora::Board</name>
    <message>
        <source>The board&apos;s file &quot;%1&quot; cannot be read, and is kept as it is. Changes to the board are not kept until it is mended or taken away.</source>
        <translation>Die Datei des Boards, „%1“, kann nicht gelesen werden und bleibt, wie sie ist. Änderungen am Board werden erst gespeichert, wenn sie repariert oder entfernt ist.</translation>
    </message>
    <message>
        <source>The board could not be saved.</source>
        <translation>Das Board konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>A board holds at most %1 pictures. Untick one before you tick another.</source>
        <translation>Ein Board fasst höchstens %1 Bilder. Entfernen Sie erst bei einem das Kreuz, bevor Sie ein weiteres ankreuzen.</translation>
    </message>
    <message>
        <source>Your board is empty. Add pictures to your library, or tick affirmations and their categories, and they are on it.</source>
        <translation>Ihr Board ist leer. Fügen Sie Ihrer Bibliothek Bilder hinzu oder kreuzen Sie Affirmationen und ihre Kategorien an, dann erscheinen sie darauf.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read, and is left off the board.</source>
        <translation>Das Bild „%1“ kann nicht gelesen werden und wird auf dem Board ausgelassen.</translation>
    </message>
</context>
<context>
    <name>vellumora::BoardChoices</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>this is not a text file.</source>
        <translation>Dies ist keine Textdatei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour such as #f6f1e7.</source>
        <translation>„%1“ ist keine Farbe wie #f6f1e7.</translation>
    </message>
    <message>
        <source>the margin must be a whole number from 0 to %1.</source>
        <translation>Der Rand (Margin) muss eine ganze Zahl von 0 bis %1 sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size the board is made at.</source>
        <translation>„%1“ ist keine Größe, in der ein Board erstellt werden kann.</translation>
    </message>
    <message>
        <source>the orientation must be Portrait or Landscape.</source>
        <translation>Die Ausrichtung (Orientation) muss Portrait oder Landscape sein.</translation>
    </message>
</context>
<context>
    <name>vellumora::BoardOutput</name>
    <message>
        <source>The board could not be saved as &quot;%1&quot;.</source>
        <translation>Das Board konnte nicht als „%1“ gespeichert werden.</translation>
    </message>
    <message>
        <source>There is not enough memory for a picture so large.</source>
        <translation>Für ein so großes Bild ist nicht genug Arbeitsspeicher frei.</translation>
    </message>
    <message>
        <source>A board is saved as a PNG or JPEG picture or as a PDF.</source>
        <translation>Ein Board wird als PNG- oder JPEG-Bild oder als PDF gespeichert.</translation>
    </message>
</context>
<context>
    <name>vellumora::BoardWindow</name>
    <message>
        <source>My Board</source>
        <translation>Mein Board</translation>
    </message>
    <message>
        <source>My vision board 2027</source>
        <translation>Mein Vision Board 2027</translation>
    </message>
    <message>
        <source>This screen</source>
        <translation>Dieser Bildschirm</translation>
    </message>
    <message>
        <source>Phone, 1170 x 2532</source>
        <translation>Smartphone, 1170 x 2532</translation>
    </message>
    <message>
        <source>Phone, 1080 x 2400</source>
        <translation>Smartphone, 1080 x 2400</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>US Letter</source>
        <translation>US-Letter</translation>
    </message>
    <message>
        <source>Other size</source>
        <translation>Andere Größe</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>by</source>
        <translation>x</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Querformat</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Background &amp;Colour...</source>
        <translation>&amp;Hintergrundfarbe...</translation>
    </message>
    <message>
        <source>&amp;Shuffle</source>
        <translation>&amp;Mischen</translation>
    </message>
    <message>
        <source>Save as &amp;Picture...</source>
        <translation>Als &amp;Bild speichern...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>&amp;Margin:</source>
        <translation>&amp;Rand:</translation>
    </message>
    <message>
        <source>Pictures &amp;on the board:</source>
        <translation>Bilder &amp;auf dem Board:</translation>
    </message>
    <message>
        <source>Background of the Board</source>
        <translation>Hintergrund des Boards</translation>
    </message>
    <message>
        <source>My board</source>
        <translation>Mein Board</translation>
    </message>
    <message>
        <source>Saving the board...</source>
        <translation>Das Board wird gespeichert...</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>JPEG picture (*.jpg *.jpeg)</source>
        <translation>JPEG-Bild (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Save the Board as a Picture</source>
        <translation>Board als Bild speichern</translation>
    </message>
    <message>
        <source>Save the Board as a PDF</source>
        <translation>Board als PDF speichern</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>The board could not be printed.</source>
        <translation>Das Board konnte nicht gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>vellumora::BusDesktopPicture</name>
    <message>
        <source>No picture was given for the desktop.</source>
        <translation>Für den Desktop wurde kein Bild angegeben.</translation>
    </message>
    <message>
        <source>The picture %1 does not exist.</source>
        <translation>Das Bild %1 existiert nicht.</translation>
    </message>
    <message>
        <source>None of the desktop&apos;s services for its picture answers.</source>
        <translation>Keiner der Dienste des Desktops für das Desktopbild antwortet.</translation>
    </message>
    <message>
        <source>The desktop keeps no picture setting %1.</source>
        <translation>Der Desktop kennt keine Bildeinstellung %1.</translation>
    </message>
</context>
<context>
    <name>vellumora::BusScreenSaver</name>
    <message>
        <source>A full screen show is running</source>
        <translation>Eine Diashow im Vollbild läuft</translation>
    </message>
</context>
<context>
    <name>vellumora::CategoryIndex</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the category list named no usable category and were left out.</source>
        <translation>
            <numerusform>%n Zeile der Kategorienliste nannte keine brauchbare Kategorie und wurde ausgelassen.</numerusform>
            <numerusform>%n Zeilen der Kategorienliste nannten keine brauchbare Kategorie und wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The category list could not be read, so it is shown empty and not rewritten.</source>
        <translation>Die Kategorienliste konnte nicht gelesen werden; sie wird leer angezeigt und nicht überschrieben.</translation>
    </message>
    <message>
        <source>The category list could not be saved.</source>
        <translation>Die Kategorienliste konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The category list could not be read when the program started, so it cannot be changed now.</source>
        <translation>Die Kategorienliste konnte beim Start nicht gelesen werden und kann daher jetzt nicht geändert werden.</translation>
    </message>
    <message>
        <source>The category list could not be saved, so the change was undone.</source>
        <translation>Die Kategorienliste konnte nicht gespeichert werden; die Änderung wurde zurückgenommen.</translation>
    </message>
    <message>
        <source>A category name may hold only letters and spaces, and at least one letter.</source>
        <translation>Ein Kategoriename darf nur Buchstaben und Leerzeichen enthalten, und mindestens einen Buchstaben.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be created.</source>
        <translation>Die Kategorie „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The category list already holds %1 categories, the most it can hold.</source>
        <translation>Die Kategorienliste enthält schon %1 Kategorien, mehr passen nicht hinein.</translation>
    </message>
    <message>
        <source>There Is No Item To Delete</source>
        <translation>Hier gibt es nichts zu löschen.</translation>
    </message>
    <message>
        <source>The file of the category &quot;%1&quot; could not be moved to the Trash, so it stays in the library folder.</source>
        <translation>Die Datei der Kategorie „%1“ konnte nicht in den Papierkorb verschoben werden und bleibt im Ordner der Sammlung.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; cannot be brought back under another name.</source>
        <translation>Die Kategorie „%1“ kann nicht unter einem anderen Namen zurückgeholt werden.</translation>
    </message>
    <message>
        <source>This category name is too long to name a file. Please choose a shorter one.</source>
        <translation>Dieser Kategoriename ist zu lang für einen Dateinamen. Bitte wählen Sie einen kürzeren.</translation>
    </message>
    <message>
        <source>The recordings of the category &quot;%1&quot; could not be moved to the Trash, so they stay in the library folder.</source>
        <translation>Die Aufnahmen der Kategorie „%1“ konnten nicht in den Papierkorb verschoben werden und bleiben daher im Bibliotheksordner.</translation>
    </message>
    <message>
        <source>The category list was changed by another program but cannot be read, so it is shown as it was.</source>
        <translation>Die Kategorienliste wurde von einem anderen Programm geändert, kann aber nicht gelesen werden; sie wird daher wie zuvor gezeigt.</translation>
    </message>
</context>
<context>
    <name>vellumora::CategoryPanel</name>
    <message>
        <source>Affirmations Category</source>
        <translation>Kategorien der Affirmationen</translation>
    </message>
    <message>
        <source>New category name</source>
        <translation>Name der neuen Kategorie</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Anlegen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Bitte nur Buchstaben eingeben.</translation>
    </message>
    <message>
        <source>No categories yet: type a name in the field above and click Create.</source>
        <translation>Noch keine Kategorien: Schreiben Sie einen Namen in das Feld oben und klicken Sie auf Anlegen.</translation>
    </message>
</context>
<context>
    <name>vellumora::DeleteHistory</name>
    <message>
        <source>the category &quot;%1&quot;</source>
        <translation>die Kategorie „%1“</translation>
    </message>
    <message>
        <source>the affirmation &quot;%1&quot;</source>
        <translation>die Affirmation „%1“</translation>
    </message>
    <message>
        <source>the picture &quot;%1&quot;</source>
        <translation>das Bild „%1“</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; is no longer in the list, so its affirmation cannot be brought back.</source>
        <translation>Die Kategorie „%1“ ist nicht mehr in der Liste, daher kann ihre Affirmation nicht zurückgeholt werden.</translation>
    </message>
    <message>
        <source>Vellumora cannot bring back %1: its file is no longer in the Trash.</source>
        <translation>Vellumora kann %1 nicht zurückholen: Die Datei ist nicht mehr im Papierkorb.</translation>
    </message>
    <message>
        <source>the recording of &quot;%1&quot;</source>
        <translation>die Aufnahme von „%1“</translation>
    </message>
</context>
<context>
    <name>vellumora::DesktopChanger</name>
    <message>
        <source>The desktop picture cannot be saved in %1: the folder cannot be written.</source>
        <translation>Das Desktopbild kann nicht in %1 gespeichert werden: In den Ordner kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>No desktop service answered: Vellumora cannot set this desktop&apos;s picture.</source>
        <translation>Kein Dienst des Desktops hat geantwortet: Vellumora kann das Bild dieses Desktops nicht setzen.</translation>
    </message>
    <message>
        <source>There are no pictures in your library to put on the desktop.</source>
        <translation>Ihre Bibliothek enthält keine Bilder für den Desktop.</translation>
    </message>
    <message>
        <source>No affirmation is ticked: tick one to write it on the desktop picture.</source>
        <translation>Keine Affirmation ist angekreuzt: Kreuzen Sie eine an, damit sie auf dem Desktopbild steht.</translation>
    </message>
    <message>
        <source>None of the pictures in your library can be read.</source>
        <translation>Keines der Bilder Ihrer Bibliothek kann gelesen werden.</translation>
    </message>
    <message>
        <source>The desktop picture cannot be saved in %1: the folder cannot be made.</source>
        <translation>Das Desktopbild kann nicht in %1 gespeichert werden: Der Ordner kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read.</source>
        <translation>Das Bild %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The desktop picture cannot be saved in %1: %2</source>
        <translation>Das Desktopbild kann nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Your desktop picture settings cannot be kept, so the picture is left as it is: %1</source>
        <translation>Die Einstellungen Ihres Desktopbilds können nicht gesichert werden, daher bleibt das Bild, wie es ist: %1</translation>
    </message>
    <message>
        <source>No desktop service answered, so the desktop picture is not set. It is saved in %1.</source>
        <translation>Kein Dienst des Desktops hat geantwortet, daher ist das Desktopbild nicht gesetzt. Es ist in %1 gespeichert.</translation>
    </message>
    <message>
        <source>The desktop picture could not be set: %1</source>
        <translation>Das Desktopbild konnte nicht gesetzt werden: %1</translation>
    </message>
    <message>
        <source>Vellumora has not changed your desktop picture: there is nothing to give back.</source>
        <translation>Vellumora hat Ihr Desktopbild nicht geändert: Es gibt nichts zurückzugeben.</translation>
    </message>
    <message>
        <source>Your desktop picture could not be given back: %1</source>
        <translation>Ihr Desktopbild konnte nicht zurückgegeben werden: %1</translation>
    </message>
    <message>
        <source>The desktop picture settings kept in %1 cannot be read, so nothing is given back.</source>
        <translation>Die in %1 gesicherten Einstellungen des Desktopbilds können nicht gelesen werden, daher wird nichts zurückgegeben.</translation>
    </message>
</context>
<context>
    <name>vellumora::DesktopPictureDialog</name>
    <message>
        <source>Desktop Picture</source>
        <translation>Desktopbild</translation>
    </message>
    <message>
        <source>&amp;Change my desktop picture:</source>
        <translation>Mein Desktopbild &amp;wechseln:</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>every hour</source>
        <translation>jede Stunde</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>jeden Tag</translation>
    </message>
    <message>
        <source>with each reminder</source>
        <translation>mit jeder Erinnerung</translation>
    </message>
    <message>
        <source>While Vellumora runs, also in the background, it puts a new picture with an affirmation on your desktop</source>
        <translation>Solange Vellumora läuft, auch im Hintergrund, legt es ein neues Bild mit einer Affirmation auf Ihren Desktop</translation>
    </message>
    <message>
        <source>Also on the &amp;lock screen</source>
        <translation>Auch auf dem &amp;Sperrbildschirm</translation>
    </message>
    <message>
        <source>The desktop picture options could not be saved.</source>
        <translation>Die Einstellungen des Desktopbilds konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>&amp;Put on the desktop:</source>
        <translation>Auf den &amp;Desktop legen:</translation>
    </message>
    <message>
        <source>a picture with an affirmation</source>
        <translation>ein Bild mit einer Affirmation</translation>
    </message>
    <message>
        <source>my board</source>
        <translation>mein Board</translation>
    </message>
</context>
<context>
    <name>vellumora::FontColourDialog</name>
    <message>
        <source>Colour:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>vellumora::GnomeWallpaper</name>
    <message>
        <source>The desktop has no setting %1 in %2.</source>
        <translation>Der Desktop hat keine Einstellung %1 in %2.</translation>
    </message>
    <message>
        <source>The desktop&apos;s setting %1 in %2 is locked.</source>
        <translation>Die Einstellung %1 in %2 des Desktops ist gesperrt.</translation>
    </message>
    <message>
        <source>The desktop&apos;s setting %1 in %2 does not take the value %3.</source>
        <translation>Die Einstellung %1 in %2 des Desktops nimmt den Wert %3 nicht an.</translation>
    </message>
    <message>
        <source>The desktop refused the new value of %1 in %2.</source>
        <translation>Der Desktop hat den neuen Wert von %1 in %2 abgelehnt.</translation>
    </message>
    <message>
        <source>The value %1 of the desktop&apos;s setting %2 in %3 cannot be read: %4</source>
        <translation>Der Wert %1 der Einstellung %2 in %3 des Desktops kann nicht gelesen werden: %4</translation>
    </message>
    <message>
        <source>GNOME&apos;s settings cannot be reached, so the desktop picture could not be given back.</source>
        <translation>Die GNOME-Einstellungen sind nicht erreichbar, daher konnte das Desktopbild nicht zurückgegeben werden.</translation>
    </message>
    <message>
        <source>GNOME&apos;s settings for the desktop picture cannot be reached.</source>
        <translation>Die GNOME-Einstellungen für das Desktopbild sind nicht erreichbar.</translation>
    </message>
    <message>
        <source>GNOME&apos;s setting %1 in %2 still holds %3.</source>
        <translation>Die GNOME-Einstellung %1 in %2 enthält noch immer %3.</translation>
    </message>
</context>
<context>
    <name>vellumora::ImageLibraryPanel</name>
    <message>
        <source>Image Library</source>
        <translation>Bildersammlung</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Vorschaubilder</translation>
    </message>
    <message>
        <source>Scroll the thumbnails</source>
        <translation>Durch die Vorschaubilder blättern</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Delete Picture</source>
        <translation>&lt;&lt; Bild &amp;löschen</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Add Picture</source>
        <translation>&lt;&lt; Bild hin&amp;zufügen</translation>
    </message>
    <message>
        <source>All Pictures</source>
        <translation>Alle Bilder</translation>
    </message>
    <message>
        <source>BMP File (*.bmp*)|*.bmp|JPG File(*.jpg)|*.jpg|JPEG Files (*.jpeg)|*.jpeg|PNG File (*.png)|*.png|WebP File (*.webp)|*.webp|TIFF File (*.tif, *.tiff)|*.tif;*.tiff|GIF File (*.gif)|*.gif</source>
        <translation>BMP-Datei (*.bmp*)|*.bmp|JPG-Datei (*.jpg)|*.jpg|JPEG-Dateien (*.jpeg)|*.jpeg|PNG-Datei (*.png)|*.png|WebP-Datei (*.webp)|*.webp|TIFF-Datei (*.tif, *.tiff)|*.tif;*.tiff|GIF-Datei (*.gif)|*.gif</translation>
    </message>
    <message>
        <source>No pictures yet: click Add Picture, or drop picture files here.</source>
        <translation>Noch keine Bilder: Klicken Sie auf Bild hinzufügen, oder ziehen Sie Bilddateien hierher.</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no picture Vellumora can read, so nothing was added.</source>
        <translation>Der Ordner „%1“ enthält kein Bild, das Vellumora lesen kann; es wurde nichts hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>vellumora::Library</name>
    <message>
        <source>A sync tool kept a second version of a library file: &quot;%1&quot;. Vellumora does not read it: copy what you want to keep into the file it belongs to, then delete it.</source>
        <translation>Ein Synchronisierungsprogramm hat eine zweite Fassung einer Bibliotheksdatei behalten: „%1“. Vellumora liest sie nicht: Übernehmen Sie, was Sie behalten möchten, in die Datei, zu der sie gehört, und löschen Sie sie dann.</translation>
    </message>
    <message>
        <source>The folder of your library, &quot;%1&quot;, has gone. Vellumora changes nothing in it until it is back.</source>
        <translation>Der Ordner Ihrer Bibliothek, „%1“, ist verschwunden. Vellumora ändert darin nichts, bis er wieder da ist.</translation>
    </message>
</context>
<context>
    <name>vellumora::LibraryFolder</name>
    <message>
        <source>The folder could not be made.</source>
        <translation>Der Ordner konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Vellumora cannot keep your library in &quot;%1&quot;, so it cannot start.</source>
        <translation>Vellumora kann Ihre Sammlung nicht in „%1“ speichern und deshalb nicht starten.</translation>
    </message>
    <message>
        <source>Vellumora cannot find a folder of yours to keep your library in, so it cannot start.</source>
        <translation>Vellumora findet keinen Ordner von Ihnen, in dem es Ihre Sammlung speichern kann, und kann deshalb nicht starten.</translation>
    </message>
    <message>
        <source>A file of that name is in the way.</source>
        <translation>Dort liegt eine Datei mit diesem Namen im Weg.</translation>
    </message>
    <message>
        <source>You may not write there.</source>
        <translation>Sie dürfen dort nicht schreiben.</translation>
    </message>
    <message>
        <source>A copied file differs from its original.</source>
        <translation>Eine kopierte Datei weicht von ihrem Original ab.</translation>
    </message>
    <message>
        <source>Your library is in that folder already.</source>
        <translation>Ihre Bibliothek ist bereits in diesem Ordner.</translation>
    </message>
    <message>
        <source>That folder is part of your library. Please choose one outside it.</source>
        <translation>Dieser Ordner gehört zu Ihrer Bibliothek. Bitte wählen Sie einen außerhalb davon.</translation>
    </message>
    <message>
        <source>That folder holds other files. Please choose an empty folder, or one that holds a Vellumora library.</source>
        <translation>Dieser Ordner enthält andere Dateien. Bitte wählen Sie einen leeren Ordner oder einen mit einer Vellumora-Bibliothek.</translation>
    </message>
</context>
<context>
    <name>vellumora::LibraryMove</name>
    <message>
        <source>Your library could not be copied to &quot;%1&quot;, so it stays where it is.</source>
        <translation>Ihre Bibliothek konnte nicht nach „%1“ kopiert werden und bleibt daher, wo sie ist.</translation>
    </message>
    <message>
        <source>Vellumora could not note where your library is, so it stays in &quot;%1&quot;.</source>
        <translation>Vellumora konnte sich nicht merken, wo Ihre Bibliothek ist; sie bleibt daher in „%1“.</translation>
    </message>
    <message>
        <source>Your library is now in &quot;%1&quot;, but some of it could not be taken out of &quot;%2&quot;.</source>
        <translation>Ihre Bibliothek ist jetzt in „%1“, aber ein Teil davon konnte nicht aus „%2“ entfernt werden.</translation>
    </message>
    <message>
        <source>Copying your library...</source>
        <translation>Ihre Bibliothek wird kopiert...</translation>
    </message>
    <message>
        <source>Taking your library out of its old folder...</source>
        <translation>Ihre Bibliothek wird aus dem alten Ordner entfernt...</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds a library already. Use that library from now on? Yours stays as it is in &quot;%2&quot;.</source>
        <translation>Der Ordner „%1“ enthält bereits eine Bibliothek. Diese Bibliothek ab jetzt verwenden? Ihre bleibt unverändert in „%2“.</translation>
    </message>
    <message>
        <source>Move your library to &quot;%1&quot;?

Yes: it is copied there, checked, and then taken out of &quot;%2&quot;.
No: it is copied there, and the one in &quot;%2&quot; stays as it is.</source>
        <translation>Ihre Bibliothek nach „%1“ verschieben?

Ja: Sie wird dorthin kopiert, geprüft und dann aus „%2“ entfernt.
Nein: Sie wird dorthin kopiert, und die in „%2“ bleibt, wie sie ist.</translation>
    </message>
</context>
<context>
    <name>vellumora::LoginStart</name>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>vellumora::LongWork</name>
    <message>
        <source>%1

%2 of %3 files, %4 of %5</source>
        <extracomment>%1 says what is done; then files and bytes done so far, of all there are.</extracomment>
        <translation>%1

%2 von %3 Dateien, %4 von %5</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
</context>
<context>
    <name>vellumora::MainWindow</name>
    <message>
        <source>Click here to visit the Vellumora home page for ideas, tips and updates</source>
        <translation>Hier geht es zur Webseite von Vellumora, mit Ideen, Tipps und Updates</translation>
    </message>
    <message>
        <source>Vellumora keeps your vision board in view: post your daily visions, goals, motivational messages and sayings here, and see them every day until they come true.</source>
        <translation>Vellumora hält Ihr Visionboard im Blick: Halten Sie hier Ihre täglichen Visionen, Ziele, motivierenden Gedanken und Sprüche fest und sehen Sie sie jeden Tag, bis sie wahr werden.</translation>
    </message>
    <message>
        <source>Select The Image and affirmation category to display your vision board</source>
        <translation>Wählen Sie die Bilder und die Kategorien der Affirmationen für Ihr Visionboard</translation>
    </message>
    <message>
        <source>Image &amp;Library</source>
        <translation>&amp;Bildersammlung</translation>
    </message>
    <message>
        <source>Affirmation Li&amp;brary</source>
        <translation>Affirmations&amp;sammlung</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>F&amp;ont</source>
        <translation>Sch&amp;rift</translation>
    </message>
    <message>
        <source>About Soft&amp;ware </source>
        <translation>Über das &amp;Programm</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>Löschen rückgängig</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>S&amp;tarten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>Bearbe&amp;iten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Unsere &amp;Webseite besuchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Über das &amp;Programm</translation>
    </message>
    <message>
        <source>Bring back %1 (%2)</source>
        <translation>%1 zurückholen (%2)</translation>
    </message>
    <message>
        <source>Nothing deleted to bring back</source>
        <translation>Nichts Gelöschtes zum Zurückholen</translation>
    </message>
    <message>
        <source>&amp;Put on My Desktop</source>
        <translation>Auf meinen &amp;Desktop legen</translation>
    </message>
    <message>
        <source>&amp;Give Back My Desktop Picture</source>
        <translation>Mein Desktopbild &amp;zurückgeben</translation>
    </message>
    <message>
        <source>&amp;Desktop Picture Options…</source>
        <translation>Desktopbild-&amp;Optionen…</translation>
    </message>
    <message>
        <source>Your vision board is now your desktop picture.</source>
        <translation>Ihr Vision Board ist jetzt Ihr Desktopbild.</translation>
    </message>
    <message>
        <source>Your own desktop picture is back.</source>
        <translation>Ihr eigenes Desktopbild ist zurück.</translation>
    </message>
    <message>
        <source>&amp;Keep My Library In...</source>
        <translation>Bibliothek aufbe&amp;wahren in...</translation>
    </message>
    <message>
        <source>&amp;Back Up My Vision Board...</source>
        <translation>Vision Board &amp;sichern...</translation>
    </message>
    <message>
        <source>B&amp;ring Back a Backup...</source>
        <translation>Sicherung zurück&amp;holen...</translation>
    </message>
    <message>
        <source>Keep My Library In</source>
        <translation>Bibliothek aufbewahren in</translation>
    </message>
    <message>
        <source>Add a &amp;Folder of Pictures...</source>
        <translation>Ordner mit Bildern hinzu&amp;fügen...</translation>
    </message>
    <message>
        <source>&amp;Make My Board...</source>
        <translation>&amp;Mein Board gestalten...</translation>
    </message>
</context>
<context>
    <name>vellumora::PictureLibrary</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>The picture list could not be read, so the library is shown empty and the picture list is left as it is.</source>
        <translation>Die Bilderliste konnte nicht gelesen werden; die Sammlung wird leer angezeigt, und die Liste bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>The picture list could not be read when the program started, so it cannot be changed now.</source>
        <translation>Die Bilderliste konnte beim Start nicht gelesen werden und kann daher jetzt nicht geändert werden.</translation>
    </message>
    <message>
        <source>The picture list could not be saved, so the library stays as it was.</source>
        <translation>Die Bilderliste konnte nicht gespeichert werden; die Sammlung bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>This Picture is Already available Please Select Another Picture </source>
        <translation>Dieses Bild ist schon in der Sammlung. Bitte wählen Sie ein anderes.</translation>
    </message>
    <message>
        <source>A picture named &quot;%1&quot; cannot be kept in the library. Please rename the file and add it again.</source>
        <translation>Ein Bild namens „%1“ kann nicht in der Sammlung gespeichert werden. Bitte benennen Sie die Datei um und fügen Sie sie erneut hinzu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture Vellumora can read, so it was not added.</source>
        <translation>„%1“ ist kein Bild, das Vellumora lesen kann, und wurde nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for Vellumora to show (%2 x %3 pixels), so it was not added.</source>
        <translation>„%1“ ist zu groß für Vellumora (%2 x %3 Pixel) und wurde nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>The picture could not be copied into the library.</source>
        <translation>Das Bild konnte nicht in die Sammlung kopiert werden.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be moved to the Trash, so its file stays in the library folder.</source>
        <translation>Das Bild „%1“ konnte nicht in den Papierkorb verschoben werden; die Datei bleibt im Ordner der Sammlung.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be brought back under another name.</source>
        <translation>Das Bild „%1“ kann nicht unter einem anderen Namen zurückgeholt werden.</translation>
    </message>
    <message>
        <source>The picture list was changed by another program but cannot be read, so it is shown as it was.</source>
        <translation>Die Bilderliste wurde von einem anderen Programm geändert, kann aber nicht gelesen werden; sie wird daher wie zuvor gezeigt.</translation>
    </message>
    <message>
        <source>These pictures could not be added:</source>
        <translation>Diese Bilder konnten nicht hinzugefügt werden:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Adding pictures...</source>
        <translation>Bilder werden hinzugefügt...</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... und %n weiteres.</numerusform>
            <numerusform>... und %n weitere.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellumora::PlasmaWallpaper</name>
    <message>
        <source>Plasma&apos;s shell does not answer, so its desktop picture could not be given back.</source>
        <translation>Die Plasma-Shell antwortet nicht, daher konnte Ihr Desktopbild nicht zurückgegeben werden.</translation>
    </message>
    <message>
        <source>Plasma&apos;s shell did not answer as it should: %1</source>
        <translation>Die Plasma-Shell hat nicht wie erwartet geantwortet: %1</translation>
    </message>
    <message>
        <source>Plasma&apos;s shell did not keep the new desktop picture: screen %1 still shows %2.</source>
        <translation>Die Plasma-Shell hat das neue Desktopbild nicht übernommen: Bildschirm %1 zeigt noch immer %2.</translation>
    </message>
    <message>
        <source>Plasma&apos;s shell has no desktop to put the picture on.</source>
        <translation>Die Plasma-Shell hat keinen Desktop, auf den sie das Bild legen kann.</translation>
    </message>
    <message>
        <source>No time was left to ask Plasma&apos;s shell.</source>
        <translation>Es blieb keine Zeit mehr, die Plasma-Shell zu fragen.</translation>
    </message>
</context>
<context>
    <name>vellumora::Playlist</name>
    <message>
        <source>It is not a music file.</source>
        <translation>Das ist keine Musikdatei.</translation>
    </message>
    <message>
        <source>None of the music in &quot;%1&quot; can be played, so the show goes on without music.</source>
        <translation>Keine Musik in „%1“ lässt sich abspielen; die Diashow läuft ohne Musik weiter.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be played, so the show goes on without music.</source>
        <translation>Die Musikdatei „%1“ lässt sich nicht abspielen; die Diashow läuft ohne Musik weiter.</translation>
    </message>
</context>
<context>
    <name>vellumora::PortalRequest</name>
    <message>
        <source>The desktop portal did not answer within %1 seconds.</source>
        <translation>Das Desktop-Portal hat nicht innerhalb von %1 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>The desktop picture was not changed: the change was cancelled.</source>
        <translation>Das Desktopbild wurde nicht geändert: Die Änderung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The desktop could not set the picture.</source>
        <translation>Der Desktop konnte das Bild nicht setzen.</translation>
    </message>
</context>
<context>
    <name>vellumora::PortalWallpaper</name>
    <message>
        <source>The desktop portal does not answer.</source>
        <translation>Das Desktop-Portal antwortet nicht.</translation>
    </message>
    <message>
        <source>The session bus cannot hand the picture to the desktop portal.</source>
        <translation>Der Sitzungsbus kann das Bild nicht an das Desktop-Portal übergeben.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: %2</source>
        <translation>Das Bild %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The desktop portal did not take the picture: %1</source>
        <translation>Das Desktop-Portal hat das Bild nicht angenommen: %1</translation>
    </message>
</context>
<context>
    <name>vellumora::Program</name>
    <message>
        <source>Application is already running</source>
        <translation>Vellumora läuft bereits.</translation>
    </message>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Vielleicht gibt es ein Update für Vellumora.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Möchten Sie nach einem Update suchen?</translation>
    </message>
    <message>
        <source>Required File is missing </source>
        <translation>Eine benötigte Datei fehlt.</translation>
    </message>
    <message>
        <source>Please Reinstall The software</source>
        <translation>Bitte installieren Sie Vellumora neu.</translation>
    </message>
    <message>
        <source>Vellumora keeps running to remind you. Choose File &gt; Exit to end it.</source>
        <translation>Vellumora läuft weiter, um Sie zu erinnern. Wählen Sie Datei &gt; Beenden, um es zu beenden.</translation>
    </message>
    <message>
        <source>Start the Show</source>
        <translation>Diashow starten</translation>
    </message>
    <message>
        <source>Another One</source>
        <translation>Noch eine</translation>
    </message>
    <message>
        <source>&amp;Open Vellumora</source>
        <translation>Vellumora ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Start the Show</source>
        <translation>&amp;Diashow starten</translation>
    </message>
    <message>
        <source>&amp;Another Affirmation Now</source>
        <translation>&amp;Noch eine Affirmation</translation>
    </message>
    <message>
        <source>&amp;Pause Reminders for an Hour</source>
        <translation>Erinnerungen eine Stunde &amp;pausieren</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>The desktop picture is set.</source>
        <translation>Das Desktopbild ist gesetzt.</translation>
    </message>
    <message>
        <source>Your library is kept in &quot;%1&quot;, which cannot be found now: perhaps its drive or its synced folder is not there yet. Vellumora uses the library in &quot;%2&quot; until it is back.</source>
        <translation>Ihre Bibliothek wird in „%1“ aufbewahrt, das jetzt nicht zu finden ist: Vielleicht ist sein Laufwerk oder sein synchronisierter Ordner noch nicht da. Vellumora verwendet die Bibliothek in „%2“, bis er wieder da ist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size of board: give A4, A3, Letter, phone or WIDTHxHEIGHT in pixels.</source>
        <translation>„%1“ ist keine Größe für ein Board: Geben Sie A4, A3, Letter, phone oder WIDTHxHEIGHT in Pixeln an.</translation>
    </message>
    <message>
        <source>The board is saved as &quot;%1&quot;.</source>
        <translation>Das Board ist als „%1“ gespeichert.</translation>
    </message>
</context>
<context>
    <name>vellumora::QtMediaControl</name>
    <message>
        <source>There is no sound in it.</source>
        <translation>Sie enthält keinen Ton.</translation>
    </message>
</context>
<context>
    <name>vellumora::QtSpeech</name>
    <message>
        <source>No speech engine could be loaded. Install the package qt6-speech-speechd-plugin (with speech-dispatcher-espeak-ng) or qt6-speech-flite-plugin to hear affirmations read aloud.</source>
        <translation>Keine Sprachausgabe konnte geladen werden. Installieren Sie das Paket qt6-speech-speechd-plugin (mit speech-dispatcher-espeak-ng) oder qt6-speech-flite-plugin, um sich Affirmationen vorlesen zu lassen.</translation>
    </message>
</context>
<context>
    <name>vellumora::QtVoiceRecorder</name>
    <message>
        <source>No microphone was found.</source>
        <translation>Es wurde kein Mikrofon gefunden.</translation>
    </message>
    <message>
        <source>The recording cannot be saved in the folder %1.</source>
        <translation>Die Aufnahme kann nicht im Ordner %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The microphone could not be recorded.</source>
        <translation>Das Mikrofon konnte nicht aufgenommen werden.</translation>
    </message>
    <message>
        <source>The recording could not be finished.</source>
        <translation>Die Aufnahme konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>The microphone gives no sound.</source>
        <translation>Das Mikrofon liefert keinen Ton.</translation>
    </message>
    <message>
        <source>The recording stopped by itself.</source>
        <translation>Die Aufnahme hat von selbst aufgehört.</translation>
    </message>
    <message>
        <source>Nothing was recorded.</source>
        <translation>Es wurde nichts aufgenommen.</translation>
    </message>
    <message>
        <source>The recording could not be saved as %1.</source>
        <translation>Die Aufnahme konnte nicht als %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>vellumora::RecordingSession</name>
    <message>
        <source>No microphone was found. Connect one and try again, or use Import Recording... to take a file you recorded.</source>
        <translation>Es wurde kein Mikrofon gefunden. Schließen Sie eines an und versuchen Sie es erneut, oder nehmen Sie mit „Aufnahme importieren...“ eine Datei, die Sie aufgenommen haben.</translation>
    </message>
    <message>
        <source>The recording cannot be written.</source>
        <translation>Die Aufnahme kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Nothing was recorded: the microphone gave no sound.</source>
        <translation>Es wurde nichts aufgenommen: Das Mikrofon lieferte keinen Ton.</translation>
    </message>
    <message>
        <source>The recording could not be made.</source>
        <translation>Die Aufnahme konnte nicht gemacht werden.</translation>
    </message>
    <message>
        <source>The recording was stopped before the microphone was open, so nothing was recorded.</source>
        <translation>Die Aufnahme wurde beendet, bevor das Mikrofon bereit war; es wurde nichts aufgenommen.</translation>
    </message>
</context>
<context>
    <name>vellumora::Recordings</name>
    <message>
        <source>The category&apos;s name cannot name a folder.</source>
        <translation>Der Name der Kategorie kann keinen Ordner benennen.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>The recording it has could not be moved to the Trash, so it stays.</source>
        <translation>Die bisherige Aufnahme konnte nicht in den Papierkorb verschoben werden und bleibt daher.</translation>
    </message>
    <message>
        <source>The recording could not be kept.</source>
        <translation>Die Aufnahme konnte nicht behalten werden.</translation>
    </message>
    <message>
        <source>Vellumora takes recordings in MP3, WAV, OGG and FLAC files.</source>
        <translation>Vellumora nimmt Aufnahmen in MP3-, WAV-, OGG- und FLAC-Dateien.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be copied.</source>
        <translation>Die Datei „%1“ konnte nicht kopiert werden.</translation>
    </message>
    <message>
        <source>The recording cannot be brought back under this name.</source>
        <translation>Die Aufnahme kann unter diesem Namen nicht zurückgeholt werden.</translation>
    </message>
    <message>
        <source>The recording could not be brought back.</source>
        <translation>Die Aufnahme konnte nicht zurückgeholt werden.</translation>
    </message>
    <message>
        <source>The recording stays with the affirmation&apos;s old text.</source>
        <translation>Die Aufnahme bleibt beim alten Text der Affirmation.</translation>
    </message>
</context>
<context>
    <name>vellumora::ReminderDialog</name>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>Remind Me</source>
        <translation>Erinnere mich</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>A&amp;us</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>Minutes between reminders</source>
        <translation>Minuten zwischen den Erinnerungen</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>At &amp;these times:</source>
        <translation>Zu &amp;diesen Zeiten:</translation>
    </message>
    <message>
        <source>Times of day</source>
        <translation>Uhrzeiten</translation>
    </message>
    <message>
        <source>08:30, 12:00, 18:00</source>
        <translation>08:30, 12:00, 18:00</translation>
    </message>
    <message numerus="yes">
        <source>Up to %n times of day on the 24-hour clock, separated by commas</source>
        <translation>
            <numerusform>Bis zu %n Uhrzeit im 24-Stunden-Format, durch Kommas getrennt</numerusform>
            <numerusform>Bis zu %n Uhrzeiten im 24-Stunden-Format, durch Kommas getrennt</numerusform>
        </translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Von</translation>
    </message>
    <message>
        <source>t&amp;o</source>
        <translation>&amp;bis</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read as times of day. Please write up to %2 times on the 24-hour clock, separated by commas, such as 08:30, 12:00.</source>
        <translation>„%1“ lässt sich nicht als Uhrzeiten lesen. Bitte schreiben Sie bis zu %2 Uhrzeiten im 24-Stunden-Format, durch Kommas getrennt, etwa 08:30, 12:00.</translation>
    </message>
    <message>
        <source>Please write at least one time of day, such as 08:30.</source>
        <translation>Bitte schreiben Sie mindestens eine Uhrzeit, etwa 08:30.</translation>
    </message>
    <message>
        <source>The reminders&apos; hours end before they begin. Please choose a later end.</source>
        <translation>Die Zeit der Erinnerungen endet, bevor sie beginnt. Bitte wählen Sie ein späteres Ende.</translation>
    </message>
    <message>
        <source>Please tick at least one day for the reminders.</source>
        <translation>Bitte kreuzen Sie mindestens einen Tag für die Erinnerungen an.</translation>
    </message>
    <message>
        <source>The reminders could not be saved; they are kept until Vellumora ends.</source>
        <translation>Die Erinnerungen konnten nicht gespeichert werden; sie gelten, bis Vellumora beendet wird.</translation>
    </message>
    <message>
        <source>S&amp;ay it aloud</source>
        <translation>&amp;Laut vorsprechen</translation>
    </message>
    <message>
        <source>Say it aloud</source>
        <translation>Laut vorsprechen</translation>
    </message>
    <message>
        <source>Each reminder plays the affirmation&apos;s recording, or reads it aloud when the voice options say so</source>
        <translation>Jede Erinnerung spielt die Aufnahme der Affirmation ab oder liest sie vor, wenn die Stimmeinstellungen es wollen</translation>
    </message>
</context>
<context>
    <name>vellumora::ReminderPopup</name>
    <message>
        <source>Click to start the show</source>
        <translation>Klicken, um die Diashow zu starten</translation>
    </message>
</context>
<context>
    <name>vellumora::RestoreDialog</name>
    <message>
        <source>Bring Back a Backup</source>
        <translation>Sicherung zurückholen</translation>
    </message>
    <message>
        <source>The library is empty, so the backup comes back exactly as it was kept:</source>
        <translation>Die Bibliothek ist leer, daher kommt die Sicherung genau so zurück, wie sie gesichert wurde:</translation>
    </message>
    <message>
        <source>The backup is added to the library; nothing the library has is replaced:</source>
        <translation>Die Sicherung wird der Bibliothek hinzugefügt; nichts, was die Bibliothek hat, wird ersetzt:</translation>
    </message>
    <message>
        <source>The library has everything this backup holds.</source>
        <translation>Die Bibliothek hat schon alles, was diese Sicherung enthält.</translation>
    </message>
    <message>
        <source>Also bring back the settings</source>
        <translation>Auch die Einstellungen zurückholen</translation>
    </message>
    <message>
        <source>Back Up My Vision Board</source>
        <translation>Vision Board sichern</translation>
    </message>
    <message>
        <source>Vellumora Backups</source>
        <translation>Vellumora-Sicherungen</translation>
    </message>
    <message>
        <source>Vellumora Backups (*.zip)</source>
        <translation>Vellumora-Sicherungen (*.zip)</translation>
    </message>
    <message>
        <source>These are not brought back, and why:</source>
        <translation>Diese Einträge werden nicht zurückgeholt, mit dem Grund:</translation>
    </message>
</context>
<context>
    <name>vellumora::RestoreJob</name>
    <message>
        <source>The backup was brought back.</source>
        <translation>Die Sicherung wurde zurückgeholt.</translation>
    </message>
    <message>
        <source>The backup was brought back, all but what was left out:
%1</source>
        <translation>Die Sicherung wurde zurückgeholt, bis auf das Ausgelassene:
%1</translation>
    </message>
    <message>
        <source>Reading the backup...</source>
        <translation>Die Sicherung wird gelesen...</translation>
    </message>
    <message>
        <source>Bringing back the backup...</source>
        <translation>Die Sicherung wird zurückgeholt...</translation>
    </message>
</context>
<context>
    <name>vellumora::SettingsPanel</name>
    <message>
        <source>Display for</source>
        <translation>Anzeigen für</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Keep the Show on Top</source>
        <translation>Diashow im &amp;Vordergrund halten</translation>
    </message>
    <message>
        <source>Keep the Show on Top</source>
        <translation>Diashow im Vordergrund halten</translation>
    </message>
    <message>
        <source>The show stays above every other window</source>
        <translation>Die Diashow bleibt über allen anderen Fenstern</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>Musik abspielen</translation>
    </message>
    <message>
        <source>R&amp;epeat</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>When the music ends it starts again; a folder&apos;s music plays round and round</source>
        <translation>Wenn die Musik endet, beginnt sie von vorn; die Musik eines Ordners läuft immer wieder durch</translation>
    </message>
    <message>
        <source>Choose Music</source>
        <translation>Musik wählen</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Choose a music file</source>
        <translation>Eine Musikdatei wählen</translation>
    </message>
    <message>
        <source>Fol&amp;der</source>
        <translation>&amp;Ordner</translation>
    </message>
    <message>
        <source>Choose a folder: its music plays in name order</source>
        <translation>Einen Ordner wählen: Seine Musik läuft nach Namen sortiert</translation>
    </message>
    <message>
        <source>Image Frequency</source>
        <translation>Bildwechsel</translation>
    </message>
    <message>
        <source>Below you can set the interval between each image and duration for which each image is displayed.</source>
        <translation>Hier stellen Sie ein, wie lange jedes Bild zu sehen ist, bevor das nächste kommt.</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Affirmation Frequency</source>
        <translation>Tempo der Affirmation</translation>
    </message>
    <message>
        <source>Below you can set the interval between each affirmation and duration for which each affirmation is displayed.</source>
        <translation>Hier stellen Sie ein, wie schnell die Affirmation unter dem Bild gleitet: je weniger Millisekunden, desto schneller.</translation>
    </message>
    <message>
        <source>MilliSecond</source>
        <translation>Millisekunden</translation>
    </message>
    <message>
        <source> Display Order</source>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>As Displayed</source>
        <translation>Wie in der Liste</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Image Display Location</source>
        <translation>Ort der Diashow</translation>
    </message>
    <message>
        <source>Randomly on the Screen</source>
        <translation>Zufällig auf dem Bildschirm</translation>
    </message>
    <message>
        <source>Centre of the Screen</source>
        <translation>Mitte des Bildschirms</translation>
    </message>
    <message>
        <source>Whe&amp;re I Put It</source>
        <translation>Wo ich sie hin&amp;ziehe</translation>
    </message>
    <message>
        <source>Drag the show by its picture: it stays where you put it</source>
        <translation>Ziehen Sie die Diashow am Bild: Sie bleibt, wo Sie sie hinlegen</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>Bi&amp;ld</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Stretch: the picture fills the show, out of proportion; Fit: all of it, with bands; Fill: its middle, in proportion</source>
        <translation>Strecken: Das Bild füllt die Diashow, unproportional; Einpassen: ganz, mit Rändern; Füllen: seine Mitte, proportional</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>How large the show is; Full Screen ends with Esc or Back</source>
        <translation>Wie groß die Diashow ist; Vollbild endet mit Esc oder Zurück</translation>
    </message>
    <message>
        <source>Dont Play Music</source>
        <translation>Keine Musik abspielen</translation>
    </message>
    <message>
        <source>The show could not be set to start when you log in.</source>
        <translation>Die Diashow konnte nicht für den Start bei der Anmeldung eingerichtet werden.</translation>
    </message>
    <message>
        <source>The show could not be kept from starting when you log in.</source>
        <translation>Die Diashow konnte nicht vom Start bei der Anmeldung abgehalten werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a music file Vellumora can play. Please choose an MP3, WAV or WMA file.</source>
        <translation>„%1“ ist keine Musikdatei, die Vellumora abspielen kann. Bitte wählen Sie eine MP3-, WAV- oder WMA-Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no MP3, WAV, OGG, FLAC or WMA file. Please choose another folder.</source>
        <translation>„%1“ enthält keine MP3-, WAV-, OGG-, FLAC- oder WMA-Datei. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>At lo&amp;gin, start</source>
        <translation>Beim &amp;Anmelden starten:</translation>
    </message>
    <message>
        <source>At login, start</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Each time you log in, Vellumora starts by itself with these settings</source>
        <translation>Bei jeder Anmeldung startet Vellumora von selbst mit diesen Einstellungen</translation>
    </message>
    <message>
        <source>the show</source>
        <translation>die Diashow</translation>
    </message>
    <message>
        <source>reminders only</source>
        <translation>nur Erinnerungen</translation>
    </message>
    <message>
        <source>What starts at login</source>
        <translation>Was beim Anmelden startet</translation>
    </message>
    <message>
        <source>The show, or no window at all: only the reminders through the day</source>
        <translation>Die Diashow oder gar kein Fenster: nur die Erinnerungen über den Tag</translation>
    </message>
    <message>
        <source>Re&amp;minders…</source>
        <translation>Erin&amp;nerungen…</translation>
    </message>
    <message>
        <source>Your affirmations in the desktop&apos;s notifications through the day</source>
        <translation>Ihre Affirmationen über den Tag in den Benachrichtigungen des Desktops</translation>
    </message>
    <message>
        <source>The reminders could not be set to start when you log in.</source>
        <translation>Die Erinnerungen konnten nicht so eingestellt werden, dass sie beim Anmelden starten.</translation>
    </message>
    <message>
        <source>The reminders are off. Switch them on with the Reminders button, or nothing starts when you log in.</source>
        <translation>Die Erinnerungen sind aus. Schalten Sie sie mit der Schaltfläche Erinnerungen ein, sonst startet beim Anmelden nichts.</translation>
    </message>
    <message>
        <source>&amp;Voice…</source>
        <translation>Sti&amp;mme…</translation>
    </message>
    <message>
        <source>Hear each affirmation in the show: your recording, or the computer reading it</source>
        <translation>Jede Affirmation in der Show hören: Ihre Aufnahme oder die Stimme des Computers</translation>
    </message>
    <message>
        <source>Your settings could not be saved; they are used until Vellumora ends.</source>
        <translation>Ihre Einstellungen konnten nicht gespeichert werden; sie gelten, bis Vellumora endet.</translation>
    </message>
    <message>
        <source>All Music</source>
        <translation>Alle Musikdateien</translation>
    </message>
    <message>
        <source>This desktop places the show&apos;s window itself.</source>
        <translation>Dieser Desktop platziert das Fenster der Diashow selbst.</translation>
    </message>
</context>
<context>
    <name>vellumora::ShapeOptions</name>
    <message>
        <source>Border Shape</source>
        <translation>Rahmenform</translation>
    </message>
    <message>
        <source>No Fill</source>
        <translation>Ohne Füllung</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Oval</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Round Square</source>
        <translation>Abgerundetes Quadrat</translation>
    </message>
    <message>
        <source>Fill Style</source>
        <translation>Füllmuster</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Waagerechte Linien</translation>
    </message>
    <message>
        <source>Vertical Line</source>
        <translation>Senkrechte Linien</translation>
    </message>
    <message>
        <source>Upward Diagonal</source>
        <translation>Schräge Linien</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>Diagonal Cross</source>
        <translation>Schräges Gitter</translation>
    </message>
</context>
<context>
    <name>vellumora::Show</name>
    <message>
        <source>You Are Not Selected Any Affirmation</source>
        <translation>Sie haben keine Affirmation ausgewählt.</translation>
    </message>
</context>
<context>
    <name>vellumora::ShowLauncher</name>
    <message>
        <source>The show&apos;s place could not be saved; it stays there until Vellumora ends.</source>
        <translation>Der Ort der Diashow konnte nicht gespeichert werden; sie bleibt dort, bis Vellumora endet.</translation>
    </message>
    <message>
        <source>Please Select Music File To Play</source>
        <translation>Bitte wählen Sie eine Musikdatei zum Abspielen.</translation>
    </message>
    <message>
        <source>Music File Is Not Exists Please Select A File</source>
        <translation>Die Musikdatei gibt es nicht. Bitte wählen Sie eine Datei.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no MP3, WAV, OGG, FLAC or WMA file. Please choose another.</source>
        <translation>Der Ordner „%1“ enthält keine MP3-, WAV-, OGG-, FLAC- oder WMA-Datei. Bitte wählen Sie einen anderen.</translation>
    </message>
    <message>
        <source>None of the pictures in the library can be read, so the show has ended.</source>
        <translation>Keines der Bilder in der Sammlung lässt sich lesen; die Diashow ist beendet.</translation>
    </message>
    <message>
        <source>The display settings could not be saved; the show starts with them all the same.</source>
        <translation>Die Einstellungen der Diashow konnten nicht gespeichert werden; sie startet trotzdem mit ihnen.</translation>
    </message>
    <message>
        <source>Please Select Atleast One Image To Display Your Picture</source>
        <translation>Bitte wählen Sie mindestens ein Bild für Ihre Diashow.</translation>
    </message>
    <message>
        <source>The font could not be saved; it is used until Vellumora ends.</source>
        <translation>Die Schrift konnte nicht gespeichert werden; sie gilt, bis Vellumora endet.</translation>
    </message>
</context>
<context>
    <name>vellumora::SlideshowWindow</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
</context>
<context>
    <name>vellumora::ThumbnailStrip</name>
    <message>
        <source>Picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>%1, cannot be read</source>
        <translation>%1, nicht lesbar</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>Nicht lesbar</translation>
    </message>
</context>
<context>
    <name>vellumora::Trash</name>
    <message>
        <source>Every name for it in %1 is taken.</source>
        <translation>Jeder Name dafür ist in %1 schon vergeben.</translation>
    </message>
    <message>
        <source>The file could not be brought back from %1.</source>
        <translation>Die Datei konnte nicht aus %1 zurückgeholt werden.</translation>
    </message>
</context>
<context>
    <name>vellumora::VoiceDialog</name>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>&amp;Say each affirmation</source>
        <translation>Jede Affirmation &amp;sprechen</translation>
    </message>
    <message>
        <source>Say each affirmation</source>
        <translation>Jede Affirmation sprechen</translation>
    </message>
    <message>
        <source>In the show, each new affirmation plays its recording; the music is lowered meanwhile</source>
        <translation>In der Show spielt jede neue Affirmation ihre Aufnahme ab; die Musik wird dabei leiser</translation>
    </message>
    <message>
        <source>&amp;Read the others aloud</source>
        <translation>Die anderen &amp;vorlesen</translation>
    </message>
    <message>
        <source>Read the others aloud</source>
        <translation>Die anderen vorlesen</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>Sti&amp;mme:</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>slower</source>
        <translation>langsamer</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>schneller</translation>
    </message>
    <message>
        <source>Spee&amp;d:</source>
        <translation>&amp;Tempo:</translation>
    </message>
    <message>
        <source>&amp;Hear It</source>
        <translation>&amp;Anhören</translation>
    </message>
    <message>
        <source>the usual voice for your language</source>
        <translation>die übliche Stimme Ihrer Sprache</translation>
    </message>
    <message>
        <source>Affirmations you have not recorded are read by the computer&apos;s voice</source>
        <translation>Affirmationen, die Sie nicht aufgenommen haben, liest die Stimme des Computers vor</translation>
    </message>
    <message>
        <source>I am calm, and I keep my goals in view.</source>
        <translation>Ich bin ruhig und behalte meine Ziele im Blick.</translation>
    </message>
    <message>
        <source>The voice options could not be saved.</source>
        <translation>Die Stimmeinstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Looking for voices...</source>
        <translation>Stimmen werden gesucht...</translation>
    </message>
    <message>
        <source>Other languages:</source>
        <translation>Andere Sprachen:</translation>
    </message>
</context>
<context>
    <name>vellumora::WebLinks</name>
    <message>
        <source>The user guide could not be opened: no program to show it was found.
You can open it in a web browser by hand:
%1</source>
        <translation>Die Anleitung konnte nicht geöffnet werden: Es wurde kein Programm gefunden, das sie anzeigt.
Sie können sie selbst in einem Webbrowser öffnen:
%1</translation>
    </message>
    <message>
        <source>The page could not be opened: no web browser was found.
You can open it by hand:
%1</source>
        <translation>Die Seite konnte nicht geöffnet werden: Es wurde kein Webbrowser gefunden.
Sie können sie selbst öffnen:
%1</translation>
    </message>
</context>
<context>
    <name>vellumora::XfceWallpaper</name>
    <message>
        <source>Xfce&apos;s settings service does not answer, so its desktop picture could not be given back.</source>
        <translation>Der Xfce-Einstellungsdienst antwortet nicht, daher konnte Ihr Desktopbild nicht zurückgegeben werden.</translation>
    </message>
    <message>
        <source>Xfce&apos;s settings service did not answer: %1</source>
        <translation>Der Xfce-Einstellungsdienst hat nicht geantwortet: %1</translation>
    </message>
    <message>
        <source>Xfce names no screen to put the picture on.</source>
        <translation>Xfce nennt keinen Bildschirm, auf den das Bild gelegt werden kann.</translation>
    </message>
    <message>
        <source>Xfce&apos;s settings service did not keep %1.</source>
        <translation>Der Xfce-Einstellungsdienst hat %1 nicht übernommen.</translation>
    </message>
    <message>
        <source>%1 is not a value for Xfce&apos;s setting %2.</source>
        <translation>%1 ist kein gültiger Wert für die Xfce-Einstellung %2.</translation>
    </message>
    <message>
        <source>Xfce&apos;s settings service did not take %1: %2</source>
        <translation>Der Xfce-Einstellungsdienst hat %1 nicht angenommen: %2</translation>
    </message>
</context>
<context>
    <name>vellumora::media</name>
    <message>
        <source>Sound and speech are not available: %1 is missing.</source>
        <translation>Ton und Sprachausgabe sind nicht verfügbar: %1 fehlt.</translation>
    </message>
    <message>
        <source>Sound and speech are not available: %1 belongs to another version of Vellumora.</source>
        <translation>Ton und Sprachausgabe sind nicht verfügbar: %1 gehört zu einer anderen Version von Vellumora.</translation>
    </message>
    <message>
        <source>Sound and speech are not available: %1 cannot be opened (%2).</source>
        <translation>Ton und Sprachausgabe sind nicht verfügbar: %1 kann nicht geöffnet werden (%2).</translation>
    </message>
</context>
<context>
    <name>vellumora::show</name>
    <message>
        <source>Playing %1</source>
        <translation>%1 läuft</translation>
    </message>
    <message>
        <source>Playing %1<byte value="xd"/>
Remaining Time:-%2 Seconds Of %3 Seconds</source>
        <extracomment>%1 is the music&apos;s name, %2 the seconds played, %3 its length in seconds.</extracomment>
        <translation>%1 läuft<byte value="xd"/>
%2 von %3 Sekunden</translation>
    </message>
</context>
</TS>
