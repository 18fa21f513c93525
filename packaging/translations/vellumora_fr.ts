<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AffirmationImport</name>
    <message>
        <source>The file &quot;%1&quot; could not be read.</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Ce n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large to be a list of affirmations.</source>
        <translation>Le fichier « %1 » est trop volumineux pour être une liste d&apos;affirmations.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty: it holds no affirmations.</source>
        <translation>Le fichier « %1 » est vide : il ne contient aucune affirmation.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a text file, so nothing was imported. Please choose a plain text file with one affirmation on each line.</source>
        <translation>Le fichier « %1 » n&apos;est pas un fichier texte, rien n&apos;a donc été importé. Veuillez choisir un fichier texte brut avec une affirmation par ligne.</translation>
    </message>
    <message>
        <source>They are in the new category &quot;%1&quot;.</source>
        <translation>Elles sont dans la nouvelle catégorie « %1 ».</translation>
    </message>
    <message numerus="yes">
        <source>%n affirmation(s) were added.</source>
        <translation>
            <numerusform>%n affirmation a été ajoutée.</numerusform>
            <numerusform>%n affirmations ont été ajoutées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) already in the category, or earlier in the file, were passed over.</source>
        <translation>
            <numerusform>%n ligne déjà présente dans la catégorie, ou plus haut dans le fichier, a été ignorée.</numerusform>
            <numerusform>%n lignes déjà présentes dans la catégorie, ou plus haut dans le fichier, ont été ignorées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) longer than %1 characters were passed over, the first of them line %2.</source>
        <translation>
            <numerusform>%n ligne de plus de %1 caractères a été ignorée, la première étant la ligne %2.</numerusform>
            <numerusform>%n lignes de plus de %1 caractères ont été ignorées, la première étant la ligne %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) did not fit, as a category holds at most %1 affirmations; the first of them is line %2.</source>
        <translation>
            <numerusform>%n ligne n&apos;a pas trouvé place, car une catégorie contient au plus %1 affirmations ; la première est la ligne %2.</numerusform>
            <numerusform>%n lignes n&apos;ont pas trouvé place, car une catégorie contient au plus %1 affirmations ; la première est la ligne %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>Importées</translation>
    </message>
    <message>
        <source>The affirmations could not be written to &quot;%1&quot;; nothing was changed there.</source>
        <translation>Les affirmations n&apos;ont pas pu être écrites dans « %1 » ; rien n&apos;y a été modifié.</translation>
    </message>
    <message numerus="yes">
        <source>%n affirmation(s) were written to &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n affirmation a été écrite dans « %1 ».</numerusform>
            <numerusform>%n affirmations ont été écrites dans « %1 ».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blank line(s) were passed over.</source>
        <translation>
            <numerusform>%n ligne vide a été ignorée.</numerusform>
            <numerusform>%n lignes vides ont été ignorées.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>Vellumora backup %1.zip</source>
        <translation>Sauvegarde Vellumora %1.zip</translation>
    </message>
    <message>
        <source>The backup could not be written, so no backup was made.</source>
        <translation>La sauvegarde n&apos;a pas pu être écrite ; aucune sauvegarde n&apos;a été faite.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Keeps your goals in view: a small slideshow of your pictures with your affirmations.</source>
        <translation>Garde vos objectifs en vue&#xa0;: un petit diaporama de vos images avec vos affirmations.</translation>
    </message>
    <message>
        <source>Starts the show at once with the saved settings; the main window opens when it ends. With Vellumora already running, starts the show there.</source>
        <translation>Lance le diaporama tout de suite avec les réglages enregistrés&#xa0;; la fenêtre principale s&apos;ouvre à la fin. Si Vellumora est déjà ouvert, le diaporama y démarre.</translation>
    </message>
    <message>
        <source>Vellumora needs a graphical desktop: neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>Vellumora a besoin d&apos;un bureau graphique&#xa0;: ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini.
</translation>
    </message>
    <message>
        <source>Runs without a window and only reminds you of your affirmations, as set in Settings. Starting Vellumora again opens its window.</source>
        <translation>Fonctionne sans fenêtre et vous rappelle seulement vos affirmations, comme réglé dans les paramètres. Lancer Vellumora à nouveau ouvre sa fenêtre.</translation>
    </message>
    <message>
        <source>Puts a new picture with an affirmation on the desktop, as set in Settings, and ends. Ends with status 1, and says why, when it cannot.</source>
        <translation>Met une nouvelle image avec une affirmation sur le bureau, selon les paramètres, puis se termine. Se termine avec le code 1, en disant pourquoi, quand c&apos;est impossible.</translation>
    </message>
    <message>
        <source>%1: unknown option &quot;%2&quot;</source>
        <translation>%1 : option inconnue « %2 »</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more information.
</source>
        <translation>Essayez « %1 --help » pour en savoir plus.
</translation>
    </message>
    <message>
        <source>Writes your board of pictures and affirmations to FILE, a PNG or JPEG picture or a PDF, and ends. Ends with status 1, and says why, when it cannot.</source>
        <translation>Écrit votre tableau d&apos;images et d&apos;affirmations dans FILE, une image PNG ou JPEG ou un PDF, puis se termine. Se termine avec le code 1, en disant pourquoi, quand c&apos;est impossible.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>With --board: the size of the board, A4, A3, Letter, phone or WIDTHxHEIGHT in pixels. Without it, the size chosen in the board&apos;s window.</source>
        <translation>Avec --board : la taille du tableau, A4, A3, Letter, phone ou WIDTHxHEIGHT en pixels. Sans cette option, la taille choisie dans la fenêtre du tableau.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>SIZE</translation>
    </message>
    <message>
        <source>--size goes with --board FILE.
</source>
        <translation>--size ne s&apos;utilise qu&apos;avec --board FILE.
</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>The file is already in the library folder.</source>
        <translation>Le fichier est déjà dans le dossier de la bibliothèque.</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>&amp;Open Folder</source>
        <translation>&amp;Ouvrir le dossier</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>L&apos;imprimante n&apos;a pas pu être démarrée.</translation>
    </message>
    <message>
        <source>The printer did not take the page.</source>
        <translation>L&apos;imprimante n&apos;a pas accepté la page.</translation>
    </message>
</context>
<context>
    <name>RestorePlan</name>
    <message numerus="yes">
        <source>Add the category &quot;%1&quot; with %n affirmations</source>
        <translation>
            <numerusform>Ajouter la catégorie « %1 » avec %n affirmation</numerusform>
            <numerusform>Ajouter la catégorie « %1 » avec %n affirmations</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n affirmations to &quot;%1&quot;</source>
        <translation>
            <numerusform>Ajouter %n affirmation à « %1 »</numerusform>
            <numerusform>Ajouter %n affirmations à « %1 »</numerusform>
        </translation>
    </message>
    <message>
        <source>Add the picture &quot;%1&quot;</source>
        <translation>Ajouter l&apos;image « %1 »</translation>
    </message>
    <message>
        <source>Add the picture &quot;%1&quot; as &quot;%2&quot;</source>
        <translation>Ajouter l&apos;image « %1 » sous le nom « %2 »</translation>
    </message>
    <message>
        <source>Skip the picture &quot;%1&quot;: the library has it already</source>
        <translation>Passer l&apos;image « %1 » : la bibliothèque l&apos;a déjà</translation>
    </message>
    <message>
        <source>&quot;%1&quot; points outside the library and is left out.</source>
        <translation>« %1 » pointe hors de la bibliothèque et est laissé de côté.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link, not a file, and is left out.</source>
        <translation>« %1 » est un lien, pas un fichier, et est laissé de côté.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than the backup says and is left out.</source>
        <translation>« %1 » est plus grand que ne le dit la sauvegarde et est laissé de côté.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and is left out.</source>
        <translation>« %1 » est endommagé et est laissé de côté.</translation>
    </message>
    <message>
        <source>A file whose name cannot be read is left out.</source>
        <translation>Un fichier dont le nom est illisible est laissé de côté.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no part of a library and is left out.</source>
        <translation>« %1 » ne fait pas partie d&apos;une bibliothèque et est laissé de côté.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a name the library cannot keep and is left out.</source>
        <translation>« %1 » porte un nom que la bibliothèque ne peut pas garder et est laissé de côté.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; could not be opened, so nothing was brought back.</source>
        <translation>La sauvegarde « %1 » n&apos;a pas pu être ouverte ; rien n&apos;a été restauré.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; is damaged, so nothing was brought back.</source>
        <translation>La sauvegarde « %1 » est endommagée ; rien n&apos;a été restauré.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; holds more than %L2 files, more than any library, so nothing was brought back.</source>
        <translation>La sauvegarde « %1 » contient plus de %L2 fichiers, plus que toute bibliothèque ; rien n&apos;a été restauré.</translation>
    </message>
    <message>
        <source>The backup needs more room than the library&apos;s disk has free, so nothing was brought back.</source>
        <translation>La sauvegarde demande plus de place que le disque de la bibliothèque n&apos;en a de libre ; rien n&apos;a été restauré.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no Vellumora library, so nothing was brought back.</source>
        <translation>« %1 » ne contient aucune bibliothèque Vellumora ; rien n&apos;a été restauré.</translation>
    </message>
    <message>
        <source>A list of the library could not be read, so nothing was brought back.</source>
        <translation>Une liste de la bibliothèque n&apos;a pas pu être lue ; rien n&apos;a été restauré.</translation>
    </message>
    <message>
        <source>The backup could not be brought back whole. The files written so far are whole, and the library lists only files that are there.</source>
        <translation>La sauvegarde n&apos;a pas pu être restaurée entièrement. Les fichiers écrits jusqu&apos;ici sont entiers, et la bibliothèque ne liste que des fichiers présents.</translation>
    </message>
    <message>
        <source>The settings could not be brought back; the library was.</source>
        <translation>Les réglages n&apos;ont pas pu être restaurés ; la bibliothèque, si.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is left out: the library keeps its own recording of that affirmation.</source>
        <translation>« %1 » est laissé de côté : la bibliothèque garde son propre enregistrement de cette affirmation.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; records no affirmation the backup brings back and is left out.</source>
        <translation>« %1 » n’enregistre aucune affirmation que la sauvegarde restaure et est laissé de côté.</translation>
    </message>
    <message numerus="yes">
        <source>A restore of a backup was cut short. The %n file(s) it had written that no list of the library names were taken away.</source>
        <translation>
            <numerusform>Une restauration de sauvegarde a été interrompue. Le %n fichier qu’elle avait écrit et qu’aucune liste de la bibliothèque ne nomme a été retiré.</numerusform>
            <numerusform>Une restauration de sauvegarde a été interrompue. Les %n fichiers qu’elle avait écrits et qu’aucune liste de la bibliothèque ne nomme ont été retirés.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is left out: the library keeps its own board.</source>
        <translation>« %1 » est laissé de côté : la bibliothèque garde son propre tableau.</translation>
    </message>
</context>
<context>
    <name>vellumora::AboutDialog</name>
    <message>
        <source>Vellumora is a visualization tool: post your daily visions, goals, motivational messages and favourite sayings on it, and a small slideshow keeps them in view while you work, until they come true.</source>
        <translation>Vellumora est votre tableau de visualisation&#xa0;: notez-y vos visions, vos objectifs, vos messages de motivation et vos phrases préférées, et un petit diaporama vous les montre pendant que vous travaillez, jusqu&apos;à ce qu&apos;ils se réalisent.</translation>
    </message>
    <message>
        <source>Your library is in %1</source>
        <translation>Votre bibliothèque se trouve dans %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click here to visit the Vellumora user guide</source>
        <translation>Cliquez ici pour consulter le guide de Vellumora</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
</context>
<context>
    <name>vellumora::AffirmationLibraryPanel</name>
    <message>
        <source>Affirmation Library</source>
        <translation>Bibliothèque d&apos;affirmations</translation>
    </message>
    <message>
        <source>Add the affirmations of a text file, one on each line.</source>
        <translation>Ajouter les affirmations d&apos;un fichier texte, une par ligne.</translation>
    </message>
    <message>
        <source>Write the chosen category&apos;s affirmations to a text file.</source>
        <translation>Écrire les affirmations de la catégorie choisie dans un fichier texte.</translation>
    </message>
    <message>
        <source>Import Affirmations</source>
        <translation>Importer des affirmations</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Fichiers texte</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Add the affirmations of &quot;%1&quot; to the category &quot;%2&quot;? No puts them into a new category named after the file.</source>
        <translation>Ajouter les affirmations de « %1 » à la catégorie « %2 » ? Non les place dans une nouvelle catégorie portant le nom du fichier.</translation>
    </message>
    <message>
        <source>Reading the affirmations...</source>
        <translation>Lecture des affirmations...</translation>
    </message>
    <message>
        <source>Export Affirmations</source>
        <translation>Exporter les affirmations</translation>
    </message>
    <message>
        <source>&amp;Import Affirmations...</source>
        <translation>&amp;Importer des affirmations...</translation>
    </message>
    <message>
        <source>&amp;Export Affirmations...</source>
        <translation>&amp;Exporter les affirmations...</translation>
    </message>
</context>
<context>
    <name>vellumora::AffirmationList</name>
    <message>
        <source>Affirmations</source>
        <translation>Affirmations</translation>
    </message>
    <message>
        <source>The affirmations of &quot;%1&quot; could not be read.</source>
        <translation>Impossible de lire les affirmations de «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Please create or select a category first.</source>
        <translation>Veuillez d&apos;abord créer ou choisir une catégorie.</translation>
    </message>
    <message>
        <source>The affirmations of &quot;%1&quot; could not be read, so they are not changed.</source>
        <translation>Impossible de lire les affirmations de «&#xa0;%1&#xa0;»&#xa0;: elles restent inchangées.</translation>
    </message>
    <message>
        <source>The affirmations could not be saved, so the change was undone.</source>
        <translation>Impossible d&apos;enregistrer les affirmations&#xa0;: la modification a été annulée.</translation>
    </message>
    <message>
        <source>This category already holds %1 affirmations, the most it can hold.</source>
        <translation>Cette catégorie contient déjà %1 affirmations, le maximum possible.</translation>
    </message>
    <message>
        <source>Please Enter Text to edit</source>
        <translation>Veuillez saisir le texte à modifier.</translation>
    </message>
    <message>
        <source>There Is No Item To Delete</source>
        <translation>Il n&apos;y a rien à supprimer.</translation>
    </message>
    <message>
        <source>%1 (recorded)</source>
        <translation>%1 (enregistrée)</translation>
    </message>
    <message>
        <source>This affirmation has a recording.</source>
        <translation>Cette affirmation a un enregistrement.</translation>
    </message>
    <message>
        <source>This affirmation has no recording.</source>
        <translation>Cette affirmation n&apos;a pas d&apos;enregistrement.</translation>
    </message>
    <message>
        <source>The recording could not be moved to the Trash.</source>
        <translation>L&apos;enregistrement n&apos;a pas pu être mis à la corbeille.</translation>
    </message>
    <message>
        <source>Its recording could not be moved to the Trash, so it stays.</source>
        <translation>Son enregistrement n&apos;a pas pu être mis à la corbeille, il reste donc.</translation>
    </message>
    <message>
        <source>The affirmations of &quot;%1&quot; were changed by another program but cannot be read, so they are shown as they were.</source>
        <translation>Les affirmations de « %1 » ont été modifiées par un autre programme mais ne peuvent pas être lues ; elles sont donc affichées comme avant.</translation>
    </message>
    <message>
        <source>This category can hold only %1 affirmations.</source>
        <translation>Cette catégorie ne peut contenir que %1 affirmations.</translation>
    </message>
</context>
<context>
    <name>vellumora::AffirmationPanel</name>
    <message>
        <source>Affirmations</source>
        <translation>Affirmations</translation>
    </message>
    <message>
        <source>Affirmation text</source>
        <translation>Texte de l&apos;affirmation</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Mo&amp;difier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Supprim&amp;er</translation>
    </message>
    <message>
        <source>Double quotes cannot be kept in an affirmation. Please use single quotes.</source>
        <translation>Les guillemets doubles ne peuvent pas figurer dans une affirmation. Utilisez des guillemets simples.</translation>
    </message>
    <message>
        <source>Too long to show here</source>
        <translation>Trop long pour être affiché ici</translation>
    </message>
    <message>
        <source>Press Add, type the affirmation, then press Update to keep it.</source>
        <translation>Cliquez sur Ajouter, écrivez l&apos;affirmation, puis cliquez sur Enregistrer.</translation>
    </message>
    <message>
        <source>This affirmation holds %1 characters, more than this field takes. It is kept whole.</source>
        <translation>Cette affirmation compte %1 caractères, plus que ce champ n&apos;en accepte. Elle est conservée en entier.</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Enregis&amp;trer</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>Arrê&amp;ter</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Record yourself saying the chosen affirmation, for up to a minute.</source>
        <translation>Enregistrez-vous en disant l&apos;affirmation choisie, jusqu&apos;à une minute.</translation>
    </message>
    <message>
        <source>Liste&amp;n</source>
        <translation>Éco&amp;uter</translation>
    </message>
    <message>
        <source>Hear the chosen affirmation&apos;s recording.</source>
        <translation>Écouter l&apos;enregistrement de l&apos;affirmation choisie.</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>More for recordings</source>
        <translation>Plus pour les enregistrements</translation>
    </message>
    <message>
        <source>Import Recording...</source>
        <translation>Importer un enregistrement...</translation>
    </message>
    <message>
        <source>Remove Recording</source>
        <translation>Retirer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>This affirmation already has a recording. Replace it? The one it has goes to the Trash.</source>
        <translation>Cette affirmation a déjà un enregistrement. Le remplacer ? L&apos;ancien va à la corbeille.</translation>
    </message>
    <message>
        <source>This affirmation has no recording any more.</source>
        <translation>Cette affirmation n&apos;a plus d&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Import Recording</source>
        <translation>Importer un enregistrement</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>No affirmations here yet: type one in the field above and click Add.</source>
        <translation>Aucune affirmation ici pour l&apos;instant : écrivez-en une dans le champ ci-dessus et cliquez sur Ajouter.</translation>
    </message>
</context>
<context>
    <name>vellumora::BackupJob</name>
    <message>
        <source>The library was backed up in &quot;%1&quot;.</source>
        <translation>La bibliothèque a été sauvegardée dans « %1 ».</translation>
    </message>
    <message>
        <source>Backing up your library...</source>
        <translation>Sauvegarde de votre bibliothèque...</translation>
    </message>
</context>
<context>
    <name>vellumora::Board</name>
    <message>
        <source>The board&apos;s file &quot;%1&quot; cannot be read, and is kept as it is. Changes to the board are not kept until it is mended or taken away.</source>
        <translation>Le fichier du tableau, « %1 », ne peut pas être lu et reste tel quel. Les modifications du tableau ne sont pas enregistrées tant qu&apos;il n&apos;est pas réparé ou retiré.</translation>
    </message>
    <message>
        <source>The board could not be saved.</source>
        <translation>Le tableau n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>A board holds at most %1 pictures. Untick one before you tick another.</source>
        <translation>Un tableau contient au plus %1 images. Décochez-en une avant d&apos;en cocher une autre.</translation>
    </message>
    <message>
        <source>Your board is empty. Add pictures to your library, or tick affirmations and their categories, and they are on it.</source>
        <translation>Votre tableau est vide. Ajoutez des images à votre bibliothèque, ou cochez des affirmations et leurs catégories, et elles y apparaîtront.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read, and is left off the board.</source>
        <translation>L&apos;image « %1 » ne peut pas être lue et reste hors du tableau.</translation>
    </message>
</context>
<context>
    <name>vellumora::BoardChoices</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>this is not a text file.</source>
        <translation>ce n&apos;est pas un fichier texte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour such as #f6f1e7.</source>
        <translation>« %1 » n&apos;est pas une couleur comme #f6f1e7.</translation>
    </message>
    <message>
        <source>the margin must be a whole number from 0 to %1.</source>
        <translation>la marge (Margin) doit être un nombre entier de 0 à %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size the board is made at.</source>
        <translation>« %1 » n&apos;est pas une taille possible pour le tableau.</translation>
    </message>
    <message>
        <source>the orientation must be Portrait or Landscape.</source>
        <translation>l&apos;orientation (Orientation) doit être Portrait ou Landscape.</translation>
    </message>
</context>
<context>
    <name>vellumora::BoardOutput</name>
    <message>
        <source>The board could not be saved as &quot;%1&quot;.</source>
        <translation>Le tableau n&apos;a pas pu être enregistré sous « %1 ».</translation>
    </message>
    <message>
        <source>There is not enough memory for a picture so large.</source>
        <translation>Il n&apos;y a pas assez de mémoire pour une image aussi grande.</translation>
    </message>
    <message>
        <source>A board is saved as a PNG or JPEG picture or as a PDF.</source>
        <translation>Un tableau s&apos;enregistre en image PNG ou JPEG, ou en PDF.</translation>
    </message>
</context>
<context>
    <name>vellumora::BoardWindow</name>
    <message>
        <source>My Board</source>
        <translation>Mon tableau</translation>
    </message>
    <message>
        <source>My vision board 2027</source>
        <translation>Mon tableau de vision 2027</translation>
    </message>
    <message>
        <source>This screen</source>
        <translation>Cet écran</translation>
    </message>
    <message>
        <source>Phone, 1170 x 2532</source>
        <translation>Téléphone, 1170 x 2532</translation>
    </message>
    <message>
        <source>Phone, 1080 x 2400</source>
        <translation>Téléphone, 1080 x 2400</translation>
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
        <translation>Lettre US</translation>
    </message>
    <message>
        <source>Other size</source>
        <translation>Autre taille</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>by</source>
        <translation>sur</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Paysage</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Background &amp;Colour...</source>
        <translation>&amp;Couleur de fond...</translation>
    </message>
    <message>
        <source>&amp;Shuffle</source>
        <translation>Mél&amp;anger</translation>
    </message>
    <message>
        <source>Save as &amp;Picture...</source>
        <translation>Enregistrer en &amp;image...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>Imp&amp;rimer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>Tai&amp;lle :</translation>
    </message>
    <message>
        <source>&amp;Margin:</source>
        <translation>&amp;Marge :</translation>
    </message>
    <message>
        <source>Pictures &amp;on the board:</source>
        <translation>Images &amp;sur le tableau :</translation>
    </message>
    <message>
        <source>Background of the Board</source>
        <translation>Fond du tableau</translation>
    </message>
    <message>
        <source>My board</source>
        <translation>Mon tableau</translation>
    </message>
    <message>
        <source>Saving the board...</source>
        <translation>Enregistrement du tableau...</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>JPEG picture (*.jpg *.jpeg)</source>
        <translation>Image JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Save the Board as a Picture</source>
        <translation>Enregistrer le tableau en image</translation>
    </message>
    <message>
        <source>Save the Board as a PDF</source>
        <translation>Enregistrer le tableau en PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The board could not be printed.</source>
        <translation>Le tableau n&apos;a pas pu être imprimé.</translation>
    </message>
</context>
<context>
    <name>vellumora::BusDesktopPicture</name>
    <message>
        <source>No picture was given for the desktop.</source>
        <translation>Aucune image n&apos;a été indiquée pour le bureau.</translation>
    </message>
    <message>
        <source>The picture %1 does not exist.</source>
        <translation>L&apos;image %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>None of the desktop&apos;s services for its picture answers.</source>
        <translation>Aucun des services du bureau chargés de son image ne répond.</translation>
    </message>
    <message>
        <source>The desktop keeps no picture setting %1.</source>
        <translation>Le bureau n&apos;a aucun réglage d&apos;image %1.</translation>
    </message>
</context>
<context>
    <name>vellumora::BusScreenSaver</name>
    <message>
        <source>A full screen show is running</source>
        <translation>Un diaporama en plein écran est en cours</translation>
    </message>
</context>
<context>
    <name>vellumora::CategoryIndex</name>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the category list named no usable category and were left out.</source>
        <translation>
            <numerusform>%n ligne de la liste des catégories ne désignait aucune catégorie utilisable et a été ignorée.</numerusform>
            <numerusform>%n lignes de la liste des catégories ne désignaient aucune catégorie utilisable et ont été ignorées.</numerusform>
        </translation>
    </message>
    <message>
        <source>The category list could not be read, so it is shown empty and not rewritten.</source>
        <translation>Impossible de lire la liste des catégories&#xa0;: elle est affichée vide et n&apos;est pas réécrite.</translation>
    </message>
    <message>
        <source>The category list could not be saved.</source>
        <translation>Impossible d&apos;enregistrer la liste des catégories.</translation>
    </message>
    <message>
        <source>The category list could not be read when the program started, so it cannot be changed now.</source>
        <translation>La liste des catégories n&apos;a pas pu être lue au démarrage&#xa0;: elle ne peut pas être modifiée maintenant.</translation>
    </message>
    <message>
        <source>The category list could not be saved, so the change was undone.</source>
        <translation>Impossible d&apos;enregistrer la liste des catégories&#xa0;: la modification a été annulée.</translation>
    </message>
    <message>
        <source>A category name may hold only letters and spaces, and at least one letter.</source>
        <translation>Un nom de catégorie ne peut contenir que des lettres et des espaces, avec au moins une lettre.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be created.</source>
        <translation>Impossible de créer la catégorie «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The category list already holds %1 categories, the most it can hold.</source>
        <translation>La liste des catégories contient déjà %1 catégories, le maximum possible.</translation>
    </message>
    <message>
        <source>There Is No Item To Delete</source>
        <translation>Il n&apos;y a rien à supprimer.</translation>
    </message>
    <message>
        <source>The file of the category &quot;%1&quot; could not be moved to the Trash, so it stays in the library folder.</source>
        <translation>Le fichier de la catégorie «&#xa0;%1&#xa0;» n&apos;a pas pu être mis à la corbeille&#xa0;: il reste dans le dossier de la bibliothèque.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; cannot be brought back under another name.</source>
        <translation>La catégorie «&#xa0;%1&#xa0;» ne peut pas être restaurée sous un autre nom.</translation>
    </message>
    <message>
        <source>This category name is too long to name a file. Please choose a shorter one.</source>
        <translation>Ce nom de catégorie est trop long pour un nom de fichier. Choisissez-en un plus court.</translation>
    </message>
    <message>
        <source>The recordings of the category &quot;%1&quot; could not be moved to the Trash, so they stay in the library folder.</source>
        <translation>Les enregistrements de la catégorie « %1 » n&apos;ont pas pu être mis à la corbeille, ils restent donc dans le dossier de la bibliothèque.</translation>
    </message>
    <message>
        <source>The category list was changed by another program but cannot be read, so it is shown as it was.</source>
        <translation>La liste des catégories a été modifiée par un autre programme mais ne peut pas être lue ; elle est donc affichée comme avant.</translation>
    </message>
</context>
<context>
    <name>vellumora::CategoryPanel</name>
    <message>
        <source>Affirmations Category</source>
        <translation>Catégories d&apos;affirmations</translation>
    </message>
    <message>
        <source>New category name</source>
        <translation>Nom de la nouvelle catégorie</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>C&amp;réer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Supprim&amp;er</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Veuillez saisir uniquement des lettres.</translation>
    </message>
    <message>
        <source>No categories yet: type a name in the field above and click Create.</source>
        <translation>Pas encore de catégories : écrivez un nom dans le champ ci-dessus et cliquez sur Créer.</translation>
    </message>
</context>
<context>
    <name>vellumora::DeleteHistory</name>
    <message>
        <source>the category &quot;%1&quot;</source>
        <translation>la catégorie «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the affirmation &quot;%1&quot;</source>
        <translation>l&apos;affirmation «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the picture &quot;%1&quot;</source>
        <translation>l&apos;image «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; is no longer in the list, so its affirmation cannot be brought back.</source>
        <translation>La catégorie «&#xa0;%1&#xa0;» n&apos;est plus dans la liste&#xa0;: son affirmation ne peut pas être restaurée.</translation>
    </message>
    <message>
        <source>Vellumora cannot bring back %1: its file is no longer in the Trash.</source>
        <translation>Vellumora ne peut pas restaurer %1&#xa0;: son fichier n&apos;est plus dans la corbeille.</translation>
    </message>
    <message>
        <source>the recording of &quot;%1&quot;</source>
        <translation>l&apos;enregistrement de « %1 »</translation>
    </message>
</context>
<context>
    <name>vellumora::DesktopChanger</name>
    <message>
        <source>The desktop picture cannot be saved in %1: the folder cannot be written.</source>
        <translation>L&apos;image du bureau ne peut pas être enregistrée dans %1 : le dossier n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>No desktop service answered: Vellumora cannot set this desktop&apos;s picture.</source>
        <translation>Aucun service du bureau n&apos;a répondu : Vellumora ne peut pas changer l&apos;image de ce bureau.</translation>
    </message>
    <message>
        <source>There are no pictures in your library to put on the desktop.</source>
        <translation>Votre bibliothèque ne contient aucune image à mettre sur le bureau.</translation>
    </message>
    <message>
        <source>No affirmation is ticked: tick one to write it on the desktop picture.</source>
        <translation>Aucune affirmation n&apos;est cochée : cochez-en une pour l&apos;écrire sur l&apos;image du bureau.</translation>
    </message>
    <message>
        <source>None of the pictures in your library can be read.</source>
        <translation>Aucune des images de votre bibliothèque ne peut être lue.</translation>
    </message>
    <message>
        <source>The desktop picture cannot be saved in %1: the folder cannot be made.</source>
        <translation>L&apos;image du bureau ne peut pas être enregistrée dans %1 : le dossier ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read.</source>
        <translation>L&apos;image %1 ne peut pas être lue.</translation>
    </message>
    <message>
        <source>The desktop picture cannot be saved in %1: %2</source>
        <translation>L&apos;image du bureau ne peut pas être enregistrée dans %1 : %2</translation>
    </message>
    <message>
        <source>Your desktop picture settings cannot be kept, so the picture is left as it is: %1</source>
        <translation>Les réglages de votre image de bureau ne peuvent pas être conservés, l&apos;image reste donc telle quelle : %1</translation>
    </message>
    <message>
        <source>No desktop service answered, so the desktop picture is not set. It is saved in %1.</source>
        <translation>Aucun service du bureau n&apos;a répondu, l&apos;image du bureau n&apos;est donc pas changée. Elle est enregistrée dans %1.</translation>
    </message>
    <message>
        <source>The desktop picture could not be set: %1</source>
        <translation>L&apos;image du bureau n&apos;a pas pu être changée : %1</translation>
    </message>
    <message>
        <source>Vellumora has not changed your desktop picture: there is nothing to give back.</source>
        <translation>Vellumora n&apos;a pas changé votre image de bureau : il n&apos;y a rien à rendre.</translation>
    </message>
    <message>
        <source>Your desktop picture could not be given back: %1</source>
        <translation>Votre image de bureau n&apos;a pas pu être rendue : %1</translation>
    </message>
    <message>
        <source>The desktop picture settings kept in %1 cannot be read, so nothing is given back.</source>
        <translation>Les réglages de l&apos;image du bureau conservés dans %1 ne peuvent pas être lus, rien n&apos;est donc rendu.</translation>
    </message>
</context>
<context>
    <name>vellumora::DesktopPictureDialog</name>
    <message>
        <source>Desktop Picture</source>
        <translation>Image du bureau</translation>
    </message>
    <message>
        <source>&amp;Change my desktop picture:</source>
        <translation>&amp;Changer mon image de bureau :</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>every hour</source>
        <translation>toutes les heures</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>tous les jours</translation>
    </message>
    <message>
        <source>with each reminder</source>
        <translation>à chaque rappel</translation>
    </message>
    <message>
        <source>While Vellumora runs, also in the background, it puts a new picture with an affirmation on your desktop</source>
        <translation>Tant que Vellumora fonctionne, même en arrière-plan, il met une nouvelle image avec une affirmation sur votre bureau</translation>
    </message>
    <message>
        <source>Also on the &amp;lock screen</source>
        <translation>Aussi sur l&apos;écran de &amp;verrouillage</translation>
    </message>
    <message>
        <source>The desktop picture options could not be saved.</source>
        <translation>Les options de l&apos;image du bureau n&apos;ont pas pu être enregistrées.</translation>
    </message>
    <message>
        <source>&amp;Put on the desktop:</source>
        <translation>&amp;Mettre sur le bureau :</translation>
    </message>
    <message>
        <source>a picture with an affirmation</source>
        <translation>une image avec une affirmation</translation>
    </message>
    <message>
        <source>my board</source>
        <translation>mon tableau</translation>
    </message>
</context>
<context>
    <name>vellumora::FontColourDialog</name>
    <message>
        <source>Colour:</source>
        <translation>Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>vellumora::GnomeWallpaper</name>
    <message>
        <source>The desktop has no setting %1 in %2.</source>
        <translation>Le bureau n&apos;a pas de réglage %1 dans %2.</translation>
    </message>
    <message>
        <source>The desktop&apos;s setting %1 in %2 is locked.</source>
        <translation>Le réglage %1 dans %2 du bureau est verrouillé.</translation>
    </message>
    <message>
        <source>The desktop&apos;s setting %1 in %2 does not take the value %3.</source>
        <translation>Le réglage %1 dans %2 du bureau n&apos;accepte pas la valeur %3.</translation>
    </message>
    <message>
        <source>The desktop refused the new value of %1 in %2.</source>
        <translation>Le bureau a refusé la nouvelle valeur de %1 dans %2.</translation>
    </message>
    <message>
        <source>The value %1 of the desktop&apos;s setting %2 in %3 cannot be read: %4</source>
        <translation>La valeur %1 du réglage %2 dans %3 du bureau ne peut pas être lue&#xa0;: %4</translation>
    </message>
    <message>
        <source>GNOME&apos;s settings cannot be reached, so the desktop picture could not be given back.</source>
        <translation>Les réglages de GNOME sont inaccessibles, l&apos;image du bureau n&apos;a donc pas pu être rendue.</translation>
    </message>
    <message>
        <source>GNOME&apos;s settings for the desktop picture cannot be reached.</source>
        <translation>Les réglages de GNOME pour l&apos;image du bureau sont inaccessibles.</translation>
    </message>
    <message>
        <source>GNOME&apos;s setting %1 in %2 still holds %3.</source>
        <translation>Le réglage %1 dans %2 de GNOME contient toujours %3.</translation>
    </message>
</context>
<context>
    <name>vellumora::ImageLibraryPanel</name>
    <message>
        <source>Image Library</source>
        <translation>Bibliothèque d&apos;images</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniatures</translation>
    </message>
    <message>
        <source>Scroll the thumbnails</source>
        <translation>Faire défiler les miniatures</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Delete Picture</source>
        <translation>&lt;&lt; Supprim&amp;er l&apos;image</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Add Picture</source>
        <translation>&lt;&lt; A&amp;jouter une image</translation>
    </message>
    <message>
        <source>All Pictures</source>
        <translation>Toutes les images</translation>
    </message>
    <message>
        <source>BMP File (*.bmp*)|*.bmp|JPG File(*.jpg)|*.jpg|JPEG Files (*.jpeg)|*.jpeg|PNG File (*.png)|*.png|WebP File (*.webp)|*.webp|TIFF File (*.tif, *.tiff)|*.tif;*.tiff|GIF File (*.gif)|*.gif</source>
        <translation>Fichier BMP (*.bmp*)|*.bmp|Fichier JPG (*.jpg)|*.jpg|Fichiers JPEG (*.jpeg)|*.jpeg|Fichier PNG (*.png)|*.png|Fichier WebP (*.webp)|*.webp|Fichier TIFF (*.tif, *.tiff)|*.tif;*.tiff|Fichier GIF (*.gif)|*.gif</translation>
    </message>
    <message>
        <source>No pictures yet: click Add Picture, or drop picture files here.</source>
        <translation>Pas encore d&apos;images : cliquez sur Ajouter une image, ou déposez des fichiers d&apos;images ici.</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>Ajouter des images</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no picture Vellumora can read, so nothing was added.</source>
        <translation>Le dossier « %1 » ne contient aucune image que Vellumora sait lire ; rien n&apos;a été ajouté.</translation>
    </message>
</context>
<context>
    <name>vellumora::Library</name>
    <message>
        <source>A sync tool kept a second version of a library file: &quot;%1&quot;. Vellumora does not read it: copy what you want to keep into the file it belongs to, then delete it.</source>
        <translation>Un outil de synchronisation a gardé une seconde version d&apos;un fichier de la bibliothèque : « %1 ». Vellumora ne la lit pas : copiez ce que vous voulez garder dans le fichier auquel elle appartient, puis supprimez-la.</translation>
    </message>
    <message>
        <source>The folder of your library, &quot;%1&quot;, has gone. Vellumora changes nothing in it until it is back.</source>
        <translation>Le dossier de votre bibliothèque, « %1 », a disparu. Vellumora n’y change rien tant qu’il n’est pas revenu.</translation>
    </message>
</context>
<context>
    <name>vellumora::LibraryFolder</name>
    <message>
        <source>The folder could not be made.</source>
        <translation>Impossible de créer le dossier.</translation>
    </message>
    <message>
        <source>Vellumora cannot keep your library in &quot;%1&quot;, so it cannot start.</source>
        <translation>Vellumora ne peut pas garder votre bibliothèque dans «&#xa0;%1&#xa0;» et ne peut donc pas démarrer.</translation>
    </message>
    <message>
        <source>Vellumora cannot find a folder of yours to keep your library in, so it cannot start.</source>
        <translation>Vellumora ne trouve aucun dossier à vous où garder votre bibliothèque et ne peut donc pas démarrer.</translation>
    </message>
    <message>
        <source>A file of that name is in the way.</source>
        <translation>Un fichier de ce nom est déjà à cet endroit.</translation>
    </message>
    <message>
        <source>You may not write there.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;écrire à cet endroit.</translation>
    </message>
    <message>
        <source>A copied file differs from its original.</source>
        <translation>Un fichier copié diffère de son original.</translation>
    </message>
    <message>
        <source>Your library is in that folder already.</source>
        <translation>Votre bibliothèque est déjà dans ce dossier.</translation>
    </message>
    <message>
        <source>That folder is part of your library. Please choose one outside it.</source>
        <translation>Ce dossier fait partie de votre bibliothèque. Veuillez en choisir un en dehors.</translation>
    </message>
    <message>
        <source>That folder holds other files. Please choose an empty folder, or one that holds a Vellumora library.</source>
        <translation>Ce dossier contient d&apos;autres fichiers. Veuillez choisir un dossier vide, ou un dossier contenant une bibliothèque Vellumora.</translation>
    </message>
</context>
<context>
    <name>vellumora::LibraryMove</name>
    <message>
        <source>Your library could not be copied to &quot;%1&quot;, so it stays where it is.</source>
        <translation>Votre bibliothèque n&apos;a pas pu être copiée vers « %1 », elle reste donc où elle est.</translation>
    </message>
    <message>
        <source>Vellumora could not note where your library is, so it stays in &quot;%1&quot;.</source>
        <translation>Vellumora n&apos;a pas pu noter où est votre bibliothèque, elle reste donc dans « %1 ».</translation>
    </message>
    <message>
        <source>Your library is now in &quot;%1&quot;, but some of it could not be taken out of &quot;%2&quot;.</source>
        <translation>Votre bibliothèque est maintenant dans « %1 », mais une partie n&apos;a pas pu être retirée de « %2 ».</translation>
    </message>
    <message>
        <source>Copying your library...</source>
        <translation>Copie de votre bibliothèque...</translation>
    </message>
    <message>
        <source>Taking your library out of its old folder...</source>
        <translation>Retrait de votre bibliothèque de son ancien dossier...</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds a library already. Use that library from now on? Yours stays as it is in &quot;%2&quot;.</source>
        <translation>Le dossier « %1 » contient déjà une bibliothèque. Utiliser cette bibliothèque désormais ? La vôtre reste telle quelle dans « %2 ».</translation>
    </message>
    <message>
        <source>Move your library to &quot;%1&quot;?

Yes: it is copied there, checked, and then taken out of &quot;%2&quot;.
No: it is copied there, and the one in &quot;%2&quot; stays as it is.</source>
        <translation>Déplacer votre bibliothèque vers « %1 » ?

Oui : elle y est copiée, vérifiée, puis retirée de « %2 ».
Non : elle y est copiée, et celle de « %2 » reste telle quelle.</translation>
    </message>
</context>
<context>
    <name>vellumora::LoginStart</name>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Impossible de créer le dossier «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>vellumora::LongWork</name>
    <message>
        <source>%1

%2 of %3 files, %4 of %5</source>
        <extracomment>%1 says what is done; then files and bytes done so far, of all there are.</extracomment>
        <translation>%1

%2 fichiers sur %3, %4 sur %5</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
</context>
<context>
    <name>vellumora::MainWindow</name>
    <message>
        <source>Click here to visit the Vellumora home page for ideas, tips and updates</source>
        <translation>Cliquez ici pour visiter le site de Vellumora&#xa0;: idées, conseils et mises à jour</translation>
    </message>
    <message>
        <source>Vellumora keeps your vision board in view: post your daily visions, goals, motivational messages and sayings here, and see them every day until they come true.</source>
        <translation>Vellumora garde votre tableau de visualisation sous vos yeux&#xa0;: notez ici vos visions, vos objectifs, vos messages de motivation et vos phrases préférées, et voyez-les chaque jour jusqu&apos;à ce qu&apos;ils se réalisent.</translation>
    </message>
    <message>
        <source>Select The Image and affirmation category to display your vision board</source>
        <translation>Choisissez les images et les catégories d&apos;affirmations de votre tableau de visualisation</translation>
    </message>
    <message>
        <source>Image &amp;Library</source>
        <translation>Bibliothèque d&apos;&amp;images</translation>
    </message>
    <message>
        <source>Affirmation Li&amp;brary</source>
        <translation>Bibliothèque d&apos;affirmation&amp;s</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>Para&amp;mètres</translation>
    </message>
    <message>
        <source>F&amp;ont</source>
        <translation>P&amp;olice</translation>
    </message>
    <message>
        <source>About Soft&amp;ware </source>
        <translation>À propos du logi&amp;ciel</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>Annuler la suppression</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>Éditio&amp;n</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>Bring back %1 (%2)</source>
        <translation>Restaurer %1 (%2)</translation>
    </message>
    <message>
        <source>Nothing deleted to bring back</source>
        <translation>Rien de supprimé à restaurer</translation>
    </message>
    <message>
        <source>&amp;Put on My Desktop</source>
        <translation>&amp;Mettre sur mon bureau</translation>
    </message>
    <message>
        <source>&amp;Give Back My Desktop Picture</source>
        <translation>&amp;Rendre mon image de bureau</translation>
    </message>
    <message>
        <source>&amp;Desktop Picture Options…</source>
        <translation>&amp;Options de l&apos;image du bureau…</translation>
    </message>
    <message>
        <source>Your vision board is now your desktop picture.</source>
        <translation>Votre tableau de vision est maintenant l&apos;image de votre bureau.</translation>
    </message>
    <message>
        <source>Your own desktop picture is back.</source>
        <translation>Votre propre image de bureau est revenue.</translation>
    </message>
    <message>
        <source>&amp;Keep My Library In...</source>
        <translation>Garder ma &amp;bibliothèque dans...</translation>
    </message>
    <message>
        <source>&amp;Back Up My Vision Board...</source>
        <translation>&amp;Sauvegarder mon tableau de vision...</translation>
    </message>
    <message>
        <source>B&amp;ring Back a Backup...</source>
        <translation>Restaurer une sau&amp;vegarde...</translation>
    </message>
    <message>
        <source>Keep My Library In</source>
        <translation>Garder ma bibliothèque dans</translation>
    </message>
    <message>
        <source>Add a &amp;Folder of Pictures...</source>
        <translation>Ajouter un &amp;dossier d&apos;images...</translation>
    </message>
    <message>
        <source>&amp;Make My Board...</source>
        <translation>&amp;Créer mon tableau...</translation>
    </message>
</context>
<context>
    <name>vellumora::PictureLibrary</name>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>The picture list could not be read, so the library is shown empty and the picture list is left as it is.</source>
        <translation>Impossible de lire la liste des images&#xa0;: la bibliothèque est affichée vide et la liste reste telle quelle.</translation>
    </message>
    <message>
        <source>The picture list could not be read when the program started, so it cannot be changed now.</source>
        <translation>La liste des images n&apos;a pas pu être lue au démarrage&#xa0;: elle ne peut pas être modifiée maintenant.</translation>
    </message>
    <message>
        <source>The picture list could not be saved, so the library stays as it was.</source>
        <translation>Impossible d&apos;enregistrer la liste des images&#xa0;: la bibliothèque reste comme elle était.</translation>
    </message>
    <message>
        <source>This Picture is Already available Please Select Another Picture </source>
        <translation>Cette image est déjà dans la bibliothèque. Veuillez en choisir une autre.</translation>
    </message>
    <message>
        <source>A picture named &quot;%1&quot; cannot be kept in the library. Please rename the file and add it again.</source>
        <translation>Une image nommée «&#xa0;%1&#xa0;» ne peut pas être gardée dans la bibliothèque. Renommez le fichier et ajoutez-le de nouveau.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture Vellumora can read, so it was not added.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une image que Vellumora sait lire&#xa0;: elle n&apos;a pas été ajoutée.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for Vellumora to show (%2 x %3 pixels), so it was not added.</source>
        <translation>«&#xa0;%1&#xa0;» est trop grande pour Vellumora (%2 x %3 pixels)&#xa0;: elle n&apos;a pas été ajoutée.</translation>
    </message>
    <message>
        <source>The picture could not be copied into the library.</source>
        <translation>Impossible de copier l&apos;image dans la bibliothèque.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be moved to the Trash, so its file stays in the library folder.</source>
        <translation>L&apos;image «&#xa0;%1&#xa0;» n&apos;a pas pu être mise à la corbeille&#xa0;: son fichier reste dans le dossier de la bibliothèque.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be brought back under another name.</source>
        <translation>L&apos;image «&#xa0;%1&#xa0;» ne peut pas être restaurée sous un autre nom.</translation>
    </message>
    <message>
        <source>The picture list was changed by another program but cannot be read, so it is shown as it was.</source>
        <translation>La liste des images a été modifiée par un autre programme mais ne peut pas être lue ; elle est donc affichée comme avant.</translation>
    </message>
    <message>
        <source>These pictures could not be added:</source>
        <translation>Ces images n&apos;ont pas pu être ajoutées&#xa0;:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Adding pictures...</source>
        <translation>Ajout des images...</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... et %n autre.</numerusform>
            <numerusform>... et %n autres.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellumora::PlasmaWallpaper</name>
    <message>
        <source>Plasma&apos;s shell does not answer, so its desktop picture could not be given back.</source>
        <translation>Le shell de Plasma ne répond pas, votre image de bureau n&apos;a donc pas pu être rendue.</translation>
    </message>
    <message>
        <source>Plasma&apos;s shell did not answer as it should: %1</source>
        <translation>Le shell de Plasma n&apos;a pas répondu comme prévu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Plasma&apos;s shell did not keep the new desktop picture: screen %1 still shows %2.</source>
        <translation>Le shell de Plasma n&apos;a pas conservé la nouvelle image du bureau&#xa0;: l&apos;écran %1 affiche toujours %2.</translation>
    </message>
    <message>
        <source>Plasma&apos;s shell has no desktop to put the picture on.</source>
        <translation>Le shell de Plasma n&apos;a aucun bureau où mettre l&apos;image.</translation>
    </message>
    <message>
        <source>No time was left to ask Plasma&apos;s shell.</source>
        <translation>Il ne restait plus de temps pour interroger le shell de Plasma.</translation>
    </message>
</context>
<context>
    <name>vellumora::Playlist</name>
    <message>
        <source>It is not a music file.</source>
        <translation>Ce n&apos;est pas un fichier de musique.</translation>
    </message>
    <message>
        <source>None of the music in &quot;%1&quot; can be played, so the show goes on without music.</source>
        <translation>Aucune musique de «&#xa0;%1&#xa0;» ne peut être jouée&#xa0;: le diaporama continue sans musique.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be played, so the show goes on without music.</source>
        <translation>Le fichier de musique «&#xa0;%1&#xa0;» ne peut pas être joué&#xa0;: le diaporama continue sans musique.</translation>
    </message>
</context>
<context>
    <name>vellumora::PortalRequest</name>
    <message>
        <source>The desktop portal did not answer within %1 seconds.</source>
        <translation>Le portail du bureau n&apos;a pas répondu dans un délai de %1 secondes.</translation>
    </message>
    <message>
        <source>The desktop picture was not changed: the change was cancelled.</source>
        <translation>L&apos;image du bureau n&apos;a pas été changée&#xa0;: le changement a été annulé.</translation>
    </message>
    <message>
        <source>The desktop could not set the picture.</source>
        <translation>Le bureau n&apos;a pas pu changer l&apos;image.</translation>
    </message>
</context>
<context>
    <name>vellumora::PortalWallpaper</name>
    <message>
        <source>The desktop portal does not answer.</source>
        <translation>Le portail du bureau ne répond pas.</translation>
    </message>
    <message>
        <source>The session bus cannot hand the picture to the desktop portal.</source>
        <translation>Le bus de session ne peut pas transmettre l&apos;image au portail du bureau.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: %2</source>
        <translation>L&apos;image %1 ne peut pas être lue&#xa0;: %2</translation>
    </message>
    <message>
        <source>The desktop portal did not take the picture: %1</source>
        <translation>Le portail du bureau n&apos;a pas accepté l&apos;image&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>vellumora::Program</name>
    <message>
        <source>Application is already running</source>
        <translation>Vellumora est déjà ouvert.</translation>
    </message>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Une mise à jour de Vellumora est peut-être disponible.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Voulez-vous rechercher une mise à jour&#xa0;?</translation>
    </message>
    <message>
        <source>Required File is missing </source>
        <translation>Un fichier nécessaire est introuvable.</translation>
    </message>
    <message>
        <source>Please Reinstall The software</source>
        <translation>Veuillez réinstaller Vellumora.</translation>
    </message>
    <message>
        <source>Vellumora keeps running to remind you. Choose File &gt; Exit to end it.</source>
        <translation>Vellumora continue de fonctionner pour vous rappeler vos affirmations. Choisissez Fichier &gt; Quitter pour l&apos;arrêter.</translation>
    </message>
    <message>
        <source>Start the Show</source>
        <translation>Lancer le diaporama</translation>
    </message>
    <message>
        <source>Another One</source>
        <translation>Une autre</translation>
    </message>
    <message>
        <source>&amp;Open Vellumora</source>
        <translation>&amp;Ouvrir Vellumora</translation>
    </message>
    <message>
        <source>&amp;Start the Show</source>
        <translation>&amp;Lancer le diaporama</translation>
    </message>
    <message>
        <source>&amp;Another Affirmation Now</source>
        <translation>Une &amp;autre affirmation maintenant</translation>
    </message>
    <message>
        <source>&amp;Pause Reminders for an Hour</source>
        <translation>&amp;Suspendre les rappels une heure</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>The desktop picture is set.</source>
        <translation>L&apos;image du bureau est changée.</translation>
    </message>
    <message>
        <source>Your library is kept in &quot;%1&quot;, which cannot be found now: perhaps its drive or its synced folder is not there yet. Vellumora uses the library in &quot;%2&quot; until it is back.</source>
        <translation>Votre bibliothèque est gardée dans « %1 », introuvable pour l&apos;instant : son disque ou son dossier synchronisé n&apos;est peut-être pas encore là. Vellumora utilise la bibliothèque de « %2 » jusqu&apos;à son retour.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size of board: give A4, A3, Letter, phone or WIDTHxHEIGHT in pixels.</source>
        <translation>« %1 » n&apos;est pas une taille de tableau : indiquez A4, A3, Letter, phone ou WIDTHxHEIGHT en pixels.</translation>
    </message>
    <message>
        <source>The board is saved as &quot;%1&quot;.</source>
        <translation>Le tableau est enregistré sous « %1 ».</translation>
    </message>
</context>
<context>
    <name>vellumora::QtMediaControl</name>
    <message>
        <source>There is no sound in it.</source>
        <translation>Il ne contient aucun son.</translation>
    </message>
</context>
<context>
    <name>vellumora::QtSpeech</name>
    <message>
        <source>No speech engine could be loaded. Install the package qt6-speech-speechd-plugin (with speech-dispatcher-espeak-ng) or qt6-speech-flite-plugin to hear affirmations read aloud.</source>
        <translation>Aucun moteur de synthèse vocale n’a pu être chargé. Installez le paquet qt6-speech-speechd-plugin (avec speech-dispatcher-espeak-ng) ou qt6-speech-flite-plugin pour entendre les affirmations lues à voix haute.</translation>
    </message>
</context>
<context>
    <name>vellumora::QtVoiceRecorder</name>
    <message>
        <source>No microphone was found.</source>
        <translation>Aucun microphone n’a été trouvé.</translation>
    </message>
    <message>
        <source>The recording cannot be saved in the folder %1.</source>
        <translation>L’enregistrement ne peut pas être enregistré dans le dossier %1.</translation>
    </message>
    <message>
        <source>The microphone could not be recorded.</source>
        <translation>Le microphone n’a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>The recording could not be finished.</source>
        <translation>L’enregistrement n’a pas pu être terminé.</translation>
    </message>
    <message>
        <source>The microphone gives no sound.</source>
        <translation>Le microphone ne donne aucun son.</translation>
    </message>
    <message>
        <source>The recording stopped by itself.</source>
        <translation>L’enregistrement s’est arrêté de lui-même.</translation>
    </message>
    <message>
        <source>Nothing was recorded.</source>
        <translation>Rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>The recording could not be saved as %1.</source>
        <translation>L’enregistrement n’a pas pu être enregistré sous %1.</translation>
    </message>
</context>
<context>
    <name>vellumora::RecordingSession</name>
    <message>
        <source>No microphone was found. Connect one and try again, or use Import Recording... to take a file you recorded.</source>
        <translation>Aucun micro n&apos;a été trouvé. Branchez-en un et réessayez, ou utilisez « Importer un enregistrement... » pour prendre un fichier que vous avez enregistré.</translation>
    </message>
    <message>
        <source>The recording cannot be written.</source>
        <translation>L&apos;enregistrement ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>Nothing was recorded: the microphone gave no sound.</source>
        <translation>Rien n&apos;a été enregistré : le micro n&apos;a donné aucun son.</translation>
    </message>
    <message>
        <source>The recording could not be made.</source>
        <translation>L&apos;enregistrement n&apos;a pas pu être fait.</translation>
    </message>
    <message>
        <source>The recording was stopped before the microphone was open, so nothing was recorded.</source>
        <translation>L’enregistrement a été arrêté avant que le micro soit prêt : rien n’a été enregistré.</translation>
    </message>
</context>
<context>
    <name>vellumora::Recordings</name>
    <message>
        <source>The category&apos;s name cannot name a folder.</source>
        <translation>Le nom de la catégorie ne peut pas nommer un dossier.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>The recording it has could not be moved to the Trash, so it stays.</source>
        <translation>L&apos;enregistrement qu&apos;elle a n&apos;a pas pu être mis à la corbeille, il reste donc.</translation>
    </message>
    <message>
        <source>The recording could not be kept.</source>
        <translation>L&apos;enregistrement n&apos;a pas pu être gardé.</translation>
    </message>
    <message>
        <source>Vellumora takes recordings in MP3, WAV, OGG and FLAC files.</source>
        <translation>Vellumora prend les enregistrements en fichiers MP3, WAV, OGG et FLAC.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be copied.</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être copié.</translation>
    </message>
    <message>
        <source>The recording cannot be brought back under this name.</source>
        <translation>L&apos;enregistrement ne peut pas revenir sous ce nom.</translation>
    </message>
    <message>
        <source>The recording could not be brought back.</source>
        <translation>L&apos;enregistrement n&apos;a pas pu revenir.</translation>
    </message>
    <message>
        <source>The recording stays with the affirmation&apos;s old text.</source>
        <translation>L&apos;enregistrement reste avec l&apos;ancien texte de l&apos;affirmation.</translation>
    </message>
</context>
<context>
    <name>vellumora::ReminderDialog</name>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>Remind Me</source>
        <translation>Me rappeler</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Jamais</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>&amp;Toutes les</translation>
    </message>
    <message>
        <source>Minutes between reminders</source>
        <translation>Minutes entre les rappels</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>At &amp;these times:</source>
        <translation>À &amp;ces heures :</translation>
    </message>
    <message>
        <source>Times of day</source>
        <translation>Heures de la journée</translation>
    </message>
    <message>
        <source>08:30, 12:00, 18:00</source>
        <translation>08:30, 12:00, 18:00</translation>
    </message>
    <message numerus="yes">
        <source>Up to %n times of day on the 24-hour clock, separated by commas</source>
        <translation>
            <numerusform>Jusqu&apos;à %n heure au format 24 heures, séparées par des virgules</numerusform>
            <numerusform>Jusqu&apos;à %n heures au format 24 heures, séparées par des virgules</numerusform>
        </translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;De</translation>
    </message>
    <message>
        <source>t&amp;o</source>
        <translation>ju&amp;squ&apos;à</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read as times of day. Please write up to %2 times on the 24-hour clock, separated by commas, such as 08:30, 12:00.</source>
        <translation>« %1 » ne peut pas être lu comme des heures. Veuillez écrire jusqu&apos;à %2 heures au format 24 heures, séparées par des virgules, par exemple 08:30, 12:00.</translation>
    </message>
    <message>
        <source>Please write at least one time of day, such as 08:30.</source>
        <translation>Veuillez écrire au moins une heure, par exemple 08:30.</translation>
    </message>
    <message>
        <source>The reminders&apos; hours end before they begin. Please choose a later end.</source>
        <translation>Les heures des rappels se terminent avant de commencer. Veuillez choisir une fin plus tardive.</translation>
    </message>
    <message>
        <source>Please tick at least one day for the reminders.</source>
        <translation>Veuillez cocher au moins un jour pour les rappels.</translation>
    </message>
    <message>
        <source>The reminders could not be saved; they are kept until Vellumora ends.</source>
        <translation>Les rappels n&apos;ont pas pu être enregistrés ; ils sont conservés jusqu&apos;à la fermeture de Vellumora.</translation>
    </message>
    <message>
        <source>S&amp;ay it aloud</source>
        <translation>&amp;Le dire à voix haute</translation>
    </message>
    <message>
        <source>Say it aloud</source>
        <translation>Le dire à voix haute</translation>
    </message>
    <message>
        <source>Each reminder plays the affirmation&apos;s recording, or reads it aloud when the voice options say so</source>
        <translation>Chaque rappel joue l&apos;enregistrement de l&apos;affirmation, ou la lit à voix haute si les options de voix le demandent</translation>
    </message>
</context>
<context>
    <name>vellumora::ReminderPopup</name>
    <message>
        <source>Click to start the show</source>
        <translation>Cliquez pour lancer le diaporama</translation>
    </message>
</context>
<context>
    <name>vellumora::RestoreDialog</name>
    <message>
        <source>Bring Back a Backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>The library is empty, so the backup comes back exactly as it was kept:</source>
        <translation>La bibliothèque est vide, la sauvegarde revient donc exactement telle qu&apos;elle a été gardée :</translation>
    </message>
    <message>
        <source>The backup is added to the library; nothing the library has is replaced:</source>
        <translation>La sauvegarde s&apos;ajoute à la bibliothèque ; rien de ce qu&apos;elle contient n&apos;est remplacé :</translation>
    </message>
    <message>
        <source>The library has everything this backup holds.</source>
        <translation>La bibliothèque a déjà tout ce que contient cette sauvegarde.</translation>
    </message>
    <message>
        <source>Also bring back the settings</source>
        <translation>Restaurer aussi les réglages</translation>
    </message>
    <message>
        <source>Back Up My Vision Board</source>
        <translation>Sauvegarder mon tableau de vision</translation>
    </message>
    <message>
        <source>Vellumora Backups</source>
        <translation>Sauvegardes Vellumora</translation>
    </message>
    <message>
        <source>Vellumora Backups (*.zip)</source>
        <translation>Sauvegardes Vellumora (*.zip)</translation>
    </message>
    <message>
        <source>These are not brought back, and why:</source>
        <translation>Ne sont pas ramenés, et pourquoi :</translation>
    </message>
</context>
<context>
    <name>vellumora::RestoreJob</name>
    <message>
        <source>The backup was brought back.</source>
        <translation>La sauvegarde a été restaurée.</translation>
    </message>
    <message>
        <source>The backup was brought back, all but what was left out:
%1</source>
        <translation>La sauvegarde a été restaurée, sauf ce qui a été laissé de côté :
%1</translation>
    </message>
    <message>
        <source>Reading the backup...</source>
        <translation>Lecture de la sauvegarde...</translation>
    </message>
    <message>
        <source>Bringing back the backup...</source>
        <translation>Restauration de la sauvegarde...</translation>
    </message>
</context>
<context>
    <name>vellumora::SettingsPanel</name>
    <message>
        <source>Display for</source>
        <translation>Afficher pendant</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>&amp;Keep the Show on Top</source>
        <translation>Garder le diaporama au premier &amp;plan</translation>
    </message>
    <message>
        <source>Keep the Show on Top</source>
        <translation>Garder le diaporama au premier plan</translation>
    </message>
    <message>
        <source>The show stays above every other window</source>
        <translation>Le diaporama reste au-dessus de toutes les autres fenêtres</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>R&amp;epeat</source>
        <translation>&amp;Répéter</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>When the music ends it starts again; a folder&apos;s music plays round and round</source>
        <translation>Quand la musique se termine, elle reprend&#xa0;; la musique d&apos;un dossier tourne en boucle</translation>
    </message>
    <message>
        <source>Choose Music</source>
        <translation>Choisir la musique</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Choose a music file</source>
        <translation>Choisir un fichier de musique</translation>
    </message>
    <message>
        <source>Fol&amp;der</source>
        <translation>&amp;Dossier</translation>
    </message>
    <message>
        <source>Choose a folder: its music plays in name order</source>
        <translation>Choisir un dossier&#xa0;: sa musique est jouée par ordre de nom</translation>
    </message>
    <message>
        <source>Image Frequency</source>
        <translation>Rythme des images</translation>
    </message>
    <message>
        <source>Below you can set the interval between each image and duration for which each image is displayed.</source>
        <translation>Choisissez combien de temps chaque image reste affichée avant la suivante.</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Affirmation Frequency</source>
        <translation>Vitesse des affirmations</translation>
    </message>
    <message>
        <source>Below you can set the interval between each affirmation and duration for which each affirmation is displayed.</source>
        <translation>Choisissez à quelle vitesse l&apos;affirmation glisse sous l&apos;image&#xa0;: moins il y a de millisecondes, plus elle va vite.</translation>
    </message>
    <message>
        <source>MilliSecond</source>
        <translation>millisecondes</translation>
    </message>
    <message>
        <source> Display Order</source>
        <translation>Ordre d&apos;affichage</translation>
    </message>
    <message>
        <source>As Displayed</source>
        <translation>Dans l&apos;ordre de la liste</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>Image Display Location</source>
        <translation>Position du diaporama</translation>
    </message>
    <message>
        <source>Randomly on the Screen</source>
        <translation>Au hasard sur l&apos;écran</translation>
    </message>
    <message>
        <source>Centre of the Screen</source>
        <translation>Au centre de l&apos;écran</translation>
    </message>
    <message>
        <source>Whe&amp;re I Put It</source>
        <translation>Là où &amp;je le pose</translation>
    </message>
    <message>
        <source>Drag the show by its picture: it stays where you put it</source>
        <translation>Déplacez le diaporama en le tirant par son image&#xa0;: il reste là où vous le posez</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>Ima&amp;ge</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Étirer</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplir</translation>
    </message>
    <message>
        <source>Stretch: the picture fills the show, out of proportion; Fit: all of it, with bands; Fill: its middle, in proportion</source>
        <translation>Étirer&#xa0;: l&apos;image remplit le diaporama, sans garder ses proportions&#xa0;; Ajuster&#xa0;: toute l&apos;image, avec des bandes&#xa0;; Remplir&#xa0;: son centre, en proportion</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petit</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grand</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>How large the show is; Full Screen ends with Esc or Back</source>
        <translation>La taille du diaporama&#xa0;; le plein écran se quitte avec Échap ou Retour</translation>
    </message>
    <message>
        <source>Dont Play Music</source>
        <translation>Pas de musique</translation>
    </message>
    <message>
        <source>The show could not be set to start when you log in.</source>
        <translation>Le diaporama n&apos;a pas pu être réglé pour démarrer à l&apos;ouverture de session.</translation>
    </message>
    <message>
        <source>The show could not be kept from starting when you log in.</source>
        <translation>Le diaporama n&apos;a pas pu être empêché de démarrer à l&apos;ouverture de session.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a music file Vellumora can play. Please choose an MP3, WAV or WMA file.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier de musique que Vellumora sait lire. Choisissez un fichier MP3, WAV ou WMA.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no MP3, WAV, OGG, FLAC or WMA file. Please choose another folder.</source>
        <translation>«&#xa0;%1&#xa0;» ne contient aucun fichier MP3, WAV, OGG, FLAC ou WMA. Choisissez un autre dossier.</translation>
    </message>
    <message>
        <source>At lo&amp;gin, start</source>
        <translation>À la conne&amp;xion, lancer</translation>
    </message>
    <message>
        <source>At login, start</source>
        <translation>À la connexion, lancer</translation>
    </message>
    <message>
        <source>Each time you log in, Vellumora starts by itself with these settings</source>
        <translation>À chaque connexion, Vellumora démarre de lui-même avec ces paramètres</translation>
    </message>
    <message>
        <source>the show</source>
        <translation>le diaporama</translation>
    </message>
    <message>
        <source>reminders only</source>
        <translation>les rappels seuls</translation>
    </message>
    <message>
        <source>What starts at login</source>
        <translation>Ce qui démarre à la connexion</translation>
    </message>
    <message>
        <source>The show, or no window at all: only the reminders through the day</source>
        <translation>Le diaporama, ou aucune fenêtre : seulement les rappels au fil de la journée</translation>
    </message>
    <message>
        <source>Re&amp;minders…</source>
        <translation>Rapp&amp;els…</translation>
    </message>
    <message>
        <source>Your affirmations in the desktop&apos;s notifications through the day</source>
        <translation>Vos affirmations dans les notifications du bureau au fil de la journée</translation>
    </message>
    <message>
        <source>The reminders could not be set to start when you log in.</source>
        <translation>Les rappels n&apos;ont pas pu être réglés pour démarrer à la connexion.</translation>
    </message>
    <message>
        <source>The reminders are off. Switch them on with the Reminders button, or nothing starts when you log in.</source>
        <translation>Les rappels sont désactivés. Activez-les avec le bouton Rappels, sinon rien ne démarre à la connexion.</translation>
    </message>
    <message>
        <source>&amp;Voice…</source>
        <translation>&amp;Voix…</translation>
    </message>
    <message>
        <source>Hear each affirmation in the show: your recording, or the computer reading it</source>
        <translation>Entendre chaque affirmation pendant le diaporama : votre enregistrement, ou l&apos;ordinateur qui la lit</translation>
    </message>
    <message>
        <source>Your settings could not be saved; they are used until Vellumora ends.</source>
        <translation>Vos réglages n&apos;ont pas pu être enregistrés ; ils valent jusqu&apos;à la fermeture de Vellumora.</translation>
    </message>
    <message>
        <source>All Music</source>
        <translation>Toute la musique</translation>
    </message>
    <message>
        <source>This desktop places the show&apos;s window itself.</source>
        <translation>Ce bureau place lui-même la fenêtre du diaporama.</translation>
    </message>
</context>
<context>
    <name>vellumora::ShapeOptions</name>
    <message>
        <source>Border Shape</source>
        <translation>Forme du cadre</translation>
    </message>
    <message>
        <source>No Fill</source>
        <translation>Sans remplissage</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Ovale</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Round Square</source>
        <translation>Carré arrondi</translation>
    </message>
    <message>
        <source>Fill Style</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Lignes horizontales</translation>
    </message>
    <message>
        <source>Vertical Line</source>
        <translation>Lignes verticales</translation>
    </message>
    <message>
        <source>Upward Diagonal</source>
        <translation>Lignes obliques</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Quadrillage</translation>
    </message>
    <message>
        <source>Diagonal Cross</source>
        <translation>Quadrillage oblique</translation>
    </message>
</context>
<context>
    <name>vellumora::Show</name>
    <message>
        <source>You Are Not Selected Any Affirmation</source>
        <translation>Vous n&apos;avez choisi aucune affirmation.</translation>
    </message>
</context>
<context>
    <name>vellumora::ShowLauncher</name>
    <message>
        <source>The show&apos;s place could not be saved; it stays there until Vellumora ends.</source>
        <translation>La position du diaporama n&apos;a pas pu être enregistrée&#xa0;; il y reste jusqu&apos;à la fermeture de Vellumora.</translation>
    </message>
    <message>
        <source>Please Select Music File To Play</source>
        <translation>Veuillez choisir un fichier de musique à jouer.</translation>
    </message>
    <message>
        <source>Music File Is Not Exists Please Select A File</source>
        <translation>Le fichier de musique est introuvable. Veuillez choisir un fichier.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no MP3, WAV, OGG, FLAC or WMA file. Please choose another.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» ne contient aucun fichier MP3, WAV, OGG, FLAC ou WMA. Choisissez-en un autre.</translation>
    </message>
    <message>
        <source>None of the pictures in the library can be read, so the show has ended.</source>
        <translation>Aucune image de la bibliothèque n&apos;a pu être lue&#xa0;: le diaporama est terminé.</translation>
    </message>
    <message>
        <source>The display settings could not be saved; the show starts with them all the same.</source>
        <translation>Les réglages d&apos;affichage n&apos;ont pas pu être enregistrés&#xa0;; le diaporama démarre quand même avec eux.</translation>
    </message>
    <message>
        <source>Please Select Atleast One Image To Display Your Picture</source>
        <translation>Veuillez choisir au moins une image pour votre diaporama.</translation>
    </message>
    <message>
        <source>The font could not be saved; it is used until Vellumora ends.</source>
        <translation>La police n&apos;a pas pu être enregistrée&#xa0;; elle reste utilisée jusqu&apos;à la fermeture de Vellumora.</translation>
    </message>
</context>
<context>
    <name>vellumora::SlideshowWindow</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
</context>
<context>
    <name>vellumora::ThumbnailStrip</name>
    <message>
        <source>Picture %1</source>
        <translation>Image %1</translation>
    </message>
    <message>
        <source>%1, cannot be read</source>
        <translation>%1, illisible</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>Illisible</translation>
    </message>
</context>
<context>
    <name>vellumora::Trash</name>
    <message>
        <source>Every name for it in %1 is taken.</source>
        <translation>Tous les noms possibles sont déjà pris dans %1.</translation>
    </message>
    <message>
        <source>The file could not be brought back from %1.</source>
        <translation>Le fichier n&apos;a pas pu être récupéré dans %1.</translation>
    </message>
</context>
<context>
    <name>vellumora::VoiceDialog</name>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>&amp;Say each affirmation</source>
        <translation>&amp;Dire chaque affirmation</translation>
    </message>
    <message>
        <source>Say each affirmation</source>
        <translation>Dire chaque affirmation</translation>
    </message>
    <message>
        <source>In the show, each new affirmation plays its recording; the music is lowered meanwhile</source>
        <translation>Pendant le diaporama, chaque nouvelle affirmation joue son enregistrement ; la musique baisse pendant ce temps</translation>
    </message>
    <message>
        <source>&amp;Read the others aloud</source>
        <translation>&amp;Lire les autres à voix haute</translation>
    </message>
    <message>
        <source>Read the others aloud</source>
        <translation>Lire les autres à voix haute</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>V&amp;oix :</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>slower</source>
        <translation>plus lent</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>plus vite</translation>
    </message>
    <message>
        <source>Spee&amp;d:</source>
        <translation>Vi&amp;tesse :</translation>
    </message>
    <message>
        <source>&amp;Hear It</source>
        <translation>É&amp;couter</translation>
    </message>
    <message>
        <source>the usual voice for your language</source>
        <translation>la voix habituelle de votre langue</translation>
    </message>
    <message>
        <source>Affirmations you have not recorded are read by the computer&apos;s voice</source>
        <translation>Les affirmations que vous n&apos;avez pas enregistrées sont lues par la voix de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>I am calm, and I keep my goals in view.</source>
        <translation>Je suis calme, et je garde mes objectifs en vue.</translation>
    </message>
    <message>
        <source>The voice options could not be saved.</source>
        <translation>Les options de voix n&apos;ont pas pu être enregistrées.</translation>
    </message>
    <message>
        <source>Looking for voices...</source>
        <translation>Recherche des voix...</translation>
    </message>
    <message>
        <source>Other languages:</source>
        <translation>Autres langues :</translation>
    </message>
</context>
<context>
    <name>vellumora::WebLinks</name>
    <message>
        <source>The user guide could not be opened: no program to show it was found.
You can open it in a web browser by hand:
%1</source>
        <translation>Le guide n&apos;a pas pu être ouvert&#xa0;: aucun programme pour l&apos;afficher n&apos;a été trouvé.
Vous pouvez l&apos;ouvrir vous-même dans un navigateur web&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The page could not be opened: no web browser was found.
You can open it by hand:
%1</source>
        <translation>La page n&apos;a pas pu être ouverte&#xa0;: aucun navigateur web n&apos;a été trouvé.
Vous pouvez l&apos;ouvrir vous-même&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>vellumora::XfceWallpaper</name>
    <message>
        <source>Xfce&apos;s settings service does not answer, so its desktop picture could not be given back.</source>
        <translation>Le service de réglages de Xfce ne répond pas, votre image de bureau n&apos;a donc pas pu être rendue.</translation>
    </message>
    <message>
        <source>Xfce&apos;s settings service did not answer: %1</source>
        <translation>Le service de réglages de Xfce n&apos;a pas répondu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Xfce names no screen to put the picture on.</source>
        <translation>Xfce n&apos;indique aucun écran où mettre l&apos;image.</translation>
    </message>
    <message>
        <source>Xfce&apos;s settings service did not keep %1.</source>
        <translation>Le service de réglages de Xfce n&apos;a pas conservé %1.</translation>
    </message>
    <message>
        <source>%1 is not a value for Xfce&apos;s setting %2.</source>
        <translation>%1 n&apos;est pas une valeur valable pour le réglage %2 de Xfce.</translation>
    </message>
    <message>
        <source>Xfce&apos;s settings service did not take %1: %2</source>
        <translation>Le service de réglages de Xfce n&apos;a pas accepté %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>vellumora::media</name>
    <message>
        <source>Sound and speech are not available: %1 is missing.</source>
        <translation>Le son et la synthèse vocale ne sont pas disponibles : %1 est introuvable.</translation>
    </message>
    <message>
        <source>Sound and speech are not available: %1 belongs to another version of Vellumora.</source>
        <translation>Le son et la synthèse vocale ne sont pas disponibles : %1 appartient à une autre version de Vellumora.</translation>
    </message>
    <message>
        <source>Sound and speech are not available: %1 cannot be opened (%2).</source>
        <translation>Le son et la synthèse vocale ne sont pas disponibles : %1 ne peut pas être ouvert (%2).</translation>
    </message>
</context>
<context>
    <name>vellumora::show</name>
    <message>
        <source>Playing %1</source>
        <translation>Lecture&#xa0;: %1</translation>
    </message>
    <message>
        <source>Playing %1<byte value="xd"/>
Remaining Time:-%2 Seconds Of %3 Seconds</source>
        <extracomment>%1 is the music&apos;s name, %2 the seconds played, %3 its length in seconds.</extracomment>
        <translation>Lecture&#xa0;: %1<byte value="xd"/>
%2 s sur %3 s</translation>
    </message>
</context>
</TS>
