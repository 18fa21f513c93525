<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AffirmationImport</name>
    <message>
        <source>The file &quot;%1&quot; could not be read.</source>
        <translation>No se pudo leer el archivo «%1».</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>No es un archivo.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large to be a list of affirmations.</source>
        <translation>El archivo «%1» es demasiado grande para ser una lista de afirmaciones.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty: it holds no affirmations.</source>
        <translation>El archivo «%1» está vacío: no contiene afirmaciones.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a text file, so nothing was imported. Please choose a plain text file with one affirmation on each line.</source>
        <translation>El archivo «%1» no es un archivo de texto, así que no se importó nada. Elija un archivo de texto sin formato con una afirmación por línea.</translation>
    </message>
    <message>
        <source>They are in the new category &quot;%1&quot;.</source>
        <translation>Están en la nueva categoría «%1».</translation>
    </message>
    <message numerus="yes">
        <source>%n affirmation(s) were added.</source>
        <translation>
            <numerusform>Se añadió %n afirmación.</numerusform>
            <numerusform>Se añadieron %n afirmaciones.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) already in the category, or earlier in the file, were passed over.</source>
        <translation>
            <numerusform>Se omitió %n línea que ya estaba en la categoría o más arriba en el archivo.</numerusform>
            <numerusform>Se omitieron %n líneas que ya estaban en la categoría o más arriba en el archivo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) longer than %1 characters were passed over, the first of them line %2.</source>
        <translation>
            <numerusform>Se omitió %n línea de más de %1 caracteres, la primera de ellas la línea %2.</numerusform>
            <numerusform>Se omitieron %n líneas de más de %1 caracteres, la primera de ellas la línea %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) did not fit, as a category holds at most %1 affirmations; the first of them is line %2.</source>
        <translation>
            <numerusform>%n línea no cupo, porque una categoría contiene como máximo %1 afirmaciones; la primera de ellas es la línea %2.</numerusform>
            <numerusform>%n líneas no cupieron, porque una categoría contiene como máximo %1 afirmaciones; la primera de ellas es la línea %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>Importadas</translation>
    </message>
    <message>
        <source>The affirmations could not be written to &quot;%1&quot;; nothing was changed there.</source>
        <translation>No se pudieron escribir las afirmaciones en «%1»; allí no se cambió nada.</translation>
    </message>
    <message numerus="yes">
        <source>%n affirmation(s) were written to &quot;%1&quot;.</source>
        <translation>
            <numerusform>Se escribió %n afirmación en «%1».</numerusform>
            <numerusform>Se escribieron %n afirmaciones en «%1».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blank line(s) were passed over.</source>
        <translation>
            <numerusform>Se omitió %n línea en blanco.</numerusform>
            <numerusform>Se omitieron %n líneas en blanco.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>Vellumora backup %1.zip</source>
        <translation>Copia de Vellumora %1.zip</translation>
    </message>
    <message>
        <source>The backup could not be written, so no backup was made.</source>
        <translation>No se pudo escribir la copia, así que no se hizo ninguna copia.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Keeps your goals in view: a small slideshow of your pictures with your affirmations.</source>
        <translation>Mantiene tus metas a la vista: una pequeña presentación de tus imágenes con tus afirmaciones.</translation>
    </message>
    <message>
        <source>Starts the show at once with the saved settings; the main window opens when it ends. With Vellumora already running, starts the show there.</source>
        <translation>Inicia la presentación enseguida con los ajustes guardados; al terminar se abre la ventana principal. Si Vellumora ya está abierto, la presentación empieza allí.</translation>
    </message>
    <message>
        <source>Vellumora needs a graphical desktop: neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>Vellumora necesita un escritorio gráfico: no está definido ni DISPLAY ni WAYLAND_DISPLAY.
</translation>
    </message>
    <message>
        <source>Runs without a window and only reminds you of your affirmations, as set in Settings. Starting Vellumora again opens its window.</source>
        <translation>Funciona sin ventana y solo le recuerda sus afirmaciones, según la configuración. Si vuelve a iniciar Vellumora, se abre su ventana.</translation>
    </message>
    <message>
        <source>Puts a new picture with an affirmation on the desktop, as set in Settings, and ends. Ends with status 1, and says why, when it cannot.</source>
        <translation>Pone en el escritorio una imagen nueva con una afirmación, según la configuración, y termina. Termina con el estado 1, y dice por qué, cuando no puede.</translation>
    </message>
    <message>
        <source>%1: unknown option &quot;%2&quot;</source>
        <translation>%1: opción desconocida «%2»</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more information.
</source>
        <translation>Pruebe «%1 --help» para saber más.
</translation>
    </message>
    <message>
        <source>Writes your board of pictures and affirmations to FILE, a PNG or JPEG picture or a PDF, and ends. Ends with status 1, and says why, when it cannot.</source>
        <translation>Escribe su tablero de imágenes y afirmaciones en FILE, una imagen PNG o JPEG o un PDF, y termina. Termina con el estado 1, y dice por qué, cuando no puede.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>With --board: the size of the board, A4, A3, Letter, phone or WIDTHxHEIGHT in pixels. Without it, the size chosen in the board&apos;s window.</source>
        <translation>Con --board: el tamaño del tablero, A4, A3, Letter, phone o WIDTHxHEIGHT en píxeles. Sin esta opción, el tamaño elegido en la ventana del tablero.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>SIZE</translation>
    </message>
    <message>
        <source>--size goes with --board FILE.
</source>
        <translation>--size solo se usa con --board FILE.
</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>The file is already in the library folder.</source>
        <translation>El archivo ya está en la carpeta de la biblioteca.</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>&amp;Open Folder</source>
        <translation>&amp;Abrir la carpeta</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se pudo iniciar la impresora.</translation>
    </message>
    <message>
        <source>The printer did not take the page.</source>
        <translation>La impresora no aceptó la página.</translation>
    </message>
</context>
<context>
    <name>RestorePlan</name>
    <message numerus="yes">
        <source>Add the category &quot;%1&quot; with %n affirmations</source>
        <translation>
            <numerusform>Añadir la categoría «%1» con %n afirmación</numerusform>
            <numerusform>Añadir la categoría «%1» con %n afirmaciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n affirmations to &quot;%1&quot;</source>
        <translation>
            <numerusform>Añadir %n afirmación a «%1»</numerusform>
            <numerusform>Añadir %n afirmaciones a «%1»</numerusform>
        </translation>
    </message>
    <message>
        <source>Add the picture &quot;%1&quot;</source>
        <translation>Añadir la imagen «%1»</translation>
    </message>
    <message>
        <source>Add the picture &quot;%1&quot; as &quot;%2&quot;</source>
        <translation>Añadir la imagen «%1» como «%2»</translation>
    </message>
    <message>
        <source>Skip the picture &quot;%1&quot;: the library has it already</source>
        <translation>Omitir la imagen «%1»: la biblioteca ya la tiene</translation>
    </message>
    <message>
        <source>&quot;%1&quot; points outside the library and is left out.</source>
        <translation>«%1» apunta fuera de la biblioteca y se omite.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link, not a file, and is left out.</source>
        <translation>«%1» es un enlace, no un archivo, y se omite.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than the backup says and is left out.</source>
        <translation>«%1» es más grande de lo que indica la copia y se omite.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and is left out.</source>
        <translation>«%1» está dañado y se omite.</translation>
    </message>
    <message>
        <source>A file whose name cannot be read is left out.</source>
        <translation>Se omite un archivo cuyo nombre no se puede leer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no part of a library and is left out.</source>
        <translation>«%1» no forma parte de una biblioteca y se omite.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a name the library cannot keep and is left out.</source>
        <translation>«%1» tiene un nombre que la biblioteca no puede guardar y se omite.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; could not be opened, so nothing was brought back.</source>
        <translation>No se pudo abrir la copia «%1», así que no se restauró nada.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; is damaged, so nothing was brought back.</source>
        <translation>La copia «%1» está dañada, así que no se restauró nada.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; holds more than %L2 files, more than any library, so nothing was brought back.</source>
        <translation>La copia «%1» contiene más de %L2 archivos, más que cualquier biblioteca, así que no se restauró nada.</translation>
    </message>
    <message>
        <source>The backup needs more room than the library&apos;s disk has free, so nothing was brought back.</source>
        <translation>La copia necesita más espacio del que tiene libre el disco de la biblioteca, así que no se restauró nada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no Vellumora library, so nothing was brought back.</source>
        <translation>«%1» no contiene ninguna biblioteca de Vellumora, así que no se restauró nada.</translation>
    </message>
    <message>
        <source>A list of the library could not be read, so nothing was brought back.</source>
        <translation>No se pudo leer una lista de la biblioteca, así que no se restauró nada.</translation>
    </message>
    <message>
        <source>The backup could not be brought back whole. The files written so far are whole, and the library lists only files that are there.</source>
        <translation>No se pudo restaurar la copia entera. Los archivos escritos hasta ahora están completos y la biblioteca solo enumera archivos que existen.</translation>
    </message>
    <message>
        <source>The settings could not be brought back; the library was.</source>
        <translation>No se pudieron restaurar los ajustes; la biblioteca sí.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is left out: the library keeps its own recording of that affirmation.</source>
        <translation>«%1» se omite: la biblioteca conserva su propia grabación de esa afirmación.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; records no affirmation the backup brings back and is left out.</source>
        <translation>«%1» no graba ninguna afirmación que la copia restaure y se omite.</translation>
    </message>
    <message numerus="yes">
        <source>A restore of a backup was cut short. The %n file(s) it had written that no list of the library names were taken away.</source>
        <translation>
            <numerusform>Una restauración de una copia se interrumpió. Se ha quitado el %n archivo que había escrito y que ninguna lista de la biblioteca nombra.</numerusform>
            <numerusform>Una restauración de una copia se interrumpió. Se han quitado los %n archivos que había escrito y que ninguna lista de la biblioteca nombra.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is left out: the library keeps its own board.</source>
        <translation>«%1» se omite: la biblioteca conserva su propio tablero.</translation>
    </message>
</context>
<context>
    <name>vellumora::AboutDialog</name>
    <message>
        <source>Vellumora is a visualization tool: post your daily visions, goals, motivational messages and favourite sayings on it, and a small slideshow keeps them in view while you work, until they come true.</source>
        <translation>Vellumora es tu tablero de visión: apunta en él tus visiones, metas, mensajes de ánimo y frases favoritas, y una pequeña presentación te los muestra mientras trabajas, hasta que se hagan realidad.</translation>
    </message>
    <message>
        <source>Your library is in %1</source>
        <translation>Tu biblioteca está en %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Click here to visit the Vellumora user guide</source>
        <translation>Haz clic aquí para consultar la guía de Vellumora</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Haz clic aquí para visitar %1</translation>
    </message>
</context>
<context>
    <name>vellumora::AffirmationLibraryPanel</name>
    <message>
        <source>Affirmation Library</source>
        <translation>Biblioteca de afirmaciones</translation>
    </message>
    <message>
        <source>Add the affirmations of a text file, one on each line.</source>
        <translation>Añadir las afirmaciones de un archivo de texto, una por línea.</translation>
    </message>
    <message>
        <source>Write the chosen category&apos;s affirmations to a text file.</source>
        <translation>Escribir las afirmaciones de la categoría elegida en un archivo de texto.</translation>
    </message>
    <message>
        <source>Import Affirmations</source>
        <translation>Importar afirmaciones</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Archivos de texto</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Add the affirmations of &quot;%1&quot; to the category &quot;%2&quot;? No puts them into a new category named after the file.</source>
        <translation>¿Añadir las afirmaciones de «%1» a la categoría «%2»? No las pone en una categoría nueva con el nombre del archivo.</translation>
    </message>
    <message>
        <source>Reading the affirmations...</source>
        <translation>Leyendo las afirmaciones...</translation>
    </message>
    <message>
        <source>Export Affirmations</source>
        <translation>Exportar afirmaciones</translation>
    </message>
    <message>
        <source>&amp;Import Affirmations...</source>
        <translation>&amp;Importar afirmaciones...</translation>
    </message>
    <message>
        <source>&amp;Export Affirmations...</source>
        <translation>&amp;Exportar afirmaciones...</translation>
    </message>
</context>
<context>
    <name>vellumora::AffirmationList</name>
    <message>
        <source>Affirmations</source>
        <translation>Afirmaciones</translation>
    </message>
    <message>
        <source>The affirmations of &quot;%1&quot; could not be read.</source>
        <translation>No se pudieron leer las afirmaciones de «%1».</translation>
    </message>
    <message>
        <source>Please create or select a category first.</source>
        <translation>Primero crea o elige una categoría.</translation>
    </message>
    <message>
        <source>The affirmations of &quot;%1&quot; could not be read, so they are not changed.</source>
        <translation>No se pudieron leer las afirmaciones de «%1», así que no se cambian.</translation>
    </message>
    <message>
        <source>The affirmations could not be saved, so the change was undone.</source>
        <translation>No se pudieron guardar las afirmaciones, así que el cambio se ha deshecho.</translation>
    </message>
    <message>
        <source>This category already holds %1 affirmations, the most it can hold.</source>
        <translation>Esta categoría ya tiene %1 afirmaciones, el máximo posible.</translation>
    </message>
    <message>
        <source>Please Enter Text to edit</source>
        <translation>Escribe el texto que quieres editar.</translation>
    </message>
    <message>
        <source>There Is No Item To Delete</source>
        <translation>No hay nada que eliminar.</translation>
    </message>
    <message>
        <source>%1 (recorded)</source>
        <translation>%1 (grabada)</translation>
    </message>
    <message>
        <source>This affirmation has a recording.</source>
        <translation>Esta afirmación tiene una grabación.</translation>
    </message>
    <message>
        <source>This affirmation has no recording.</source>
        <translation>Esta afirmación no tiene grabación.</translation>
    </message>
    <message>
        <source>The recording could not be moved to the Trash.</source>
        <translation>No se pudo mover la grabación a la papelera.</translation>
    </message>
    <message>
        <source>Its recording could not be moved to the Trash, so it stays.</source>
        <translation>No se pudo mover su grabación a la papelera, así que se queda.</translation>
    </message>
    <message>
        <source>The affirmations of &quot;%1&quot; were changed by another program but cannot be read, so they are shown as they were.</source>
        <translation>Otro programa cambió las afirmaciones de «%1», pero no se pueden leer, así que se muestran como estaban.</translation>
    </message>
    <message>
        <source>This category can hold only %1 affirmations.</source>
        <translation>Esta categoría solo puede contener %1 afirmaciones.</translation>
    </message>
</context>
<context>
    <name>vellumora::AffirmationPanel</name>
    <message>
        <source>Affirmations</source>
        <translation>Afirmaciones</translation>
    </message>
    <message>
        <source>Affirmation text</source>
        <translation>Texto de la afirmación</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Aña&amp;dir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Edi&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Double quotes cannot be kept in an affirmation. Please use single quotes.</source>
        <translation>Las comillas dobles no se pueden guardar en una afirmación. Usa comillas simples.</translation>
    </message>
    <message>
        <source>Too long to show here</source>
        <translation>Demasiado largo para mostrarlo aquí</translation>
    </message>
    <message>
        <source>Press Add, type the affirmation, then press Update to keep it.</source>
        <translation>Pulsa Añadir, escribe la afirmación y después pulsa Guardar.</translation>
    </message>
    <message>
        <source>This affirmation holds %1 characters, more than this field takes. It is kept whole.</source>
        <translation>Esta afirmación tiene %1 caracteres, más de los que caben en este campo. Se conserva entera.</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>G&amp;uardar</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>Dete&amp;ner</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Grabar</translation>
    </message>
    <message>
        <source>Record yourself saying the chosen affirmation, for up to a minute.</source>
        <translation>Grábese diciendo la afirmación elegida, hasta un minuto.</translation>
    </message>
    <message>
        <source>Liste&amp;n</source>
        <translation>Escuc&amp;har</translation>
    </message>
    <message>
        <source>Hear the chosen affirmation&apos;s recording.</source>
        <translation>Escuchar la grabación de la afirmación elegida.</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>More for recordings</source>
        <translation>Más para grabaciones</translation>
    </message>
    <message>
        <source>Import Recording...</source>
        <translation>Importar grabación...</translation>
    </message>
    <message>
        <source>Remove Recording</source>
        <translation>Quitar la grabación</translation>
    </message>
    <message>
        <source>This affirmation already has a recording. Replace it? The one it has goes to the Trash.</source>
        <translation>Esta afirmación ya tiene una grabación. ¿Reemplazarla? La que tiene va a la papelera.</translation>
    </message>
    <message>
        <source>This affirmation has no recording any more.</source>
        <translation>Esta afirmación ya no tiene grabación.</translation>
    </message>
    <message>
        <source>Import Recording</source>
        <translation>Importar grabación</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Grabaciones</translation>
    </message>
    <message>
        <source>No affirmations here yet: type one in the field above and click Add.</source>
        <translation>Aún no hay afirmaciones aquí: escriba una en el campo de arriba y haga clic en Añadir.</translation>
    </message>
</context>
<context>
    <name>vellumora::BackupJob</name>
    <message>
        <source>The library was backed up in &quot;%1&quot;.</source>
        <translation>La biblioteca se copió en «%1».</translation>
    </message>
    <message>
        <source>Backing up your library...</source>
        <translation>Haciendo una copia de su biblioteca...</translation>
    </message>
</context>
<context>
    <name>vellumora::Board</name>
    <message>
        <source>The board&apos;s file &quot;%1&quot; cannot be read, and is kept as it is. Changes to the board are not kept until it is mended or taken away.</source>
        <translation>El archivo del tablero, «%1», no se puede leer, así que se deja como está. Los cambios en el tablero no se guardan hasta que se repare o se quite.</translation>
    </message>
    <message>
        <source>The board could not be saved.</source>
        <translation>No se pudo guardar el tablero.</translation>
    </message>
    <message>
        <source>A board holds at most %1 pictures. Untick one before you tick another.</source>
        <translation>Un tablero contiene como máximo %1 imágenes. Desmarque una antes de marcar otra.</translation>
    </message>
    <message>
        <source>Your board is empty. Add pictures to your library, or tick affirmations and their categories, and they are on it.</source>
        <translation>Su tablero está vacío. Añada imágenes a su biblioteca, o marque afirmaciones y sus categorías, y aparecerán en él.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read, and is left off the board.</source>
        <translation>La imagen «%1» no se puede leer, así que se deja fuera del tablero.</translation>
    </message>
</context>
<context>
    <name>vellumora::BoardChoices</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>this is not a text file.</source>
        <translation>esto no es un archivo de texto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour such as #f6f1e7.</source>
        <translation>«%1» no es un color como #f6f1e7.</translation>
    </message>
    <message>
        <source>the margin must be a whole number from 0 to %1.</source>
        <translation>el margen (Margin) debe ser un número entero de 0 a %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size the board is made at.</source>
        <translation>«%1» no es un tamaño posible para el tablero.</translation>
    </message>
    <message>
        <source>the orientation must be Portrait or Landscape.</source>
        <translation>la orientación (Orientation) debe ser Portrait o Landscape.</translation>
    </message>
</context>
<context>
    <name>vellumora::BoardOutput</name>
    <message>
        <source>The board could not be saved as &quot;%1&quot;.</source>
        <translation>No se pudo guardar el tablero como «%1».</translation>
    </message>
    <message>
        <source>There is not enough memory for a picture so large.</source>
        <translation>No hay memoria suficiente para una imagen tan grande.</translation>
    </message>
    <message>
        <source>A board is saved as a PNG or JPEG picture or as a PDF.</source>
        <translation>Un tablero se guarda como imagen PNG o JPEG o como PDF.</translation>
    </message>
</context>
<context>
    <name>vellumora::BoardWindow</name>
    <message>
        <source>My Board</source>
        <translation>Mi tablero</translation>
    </message>
    <message>
        <source>My vision board 2027</source>
        <translation>Mi tablero de visión 2027</translation>
    </message>
    <message>
        <source>This screen</source>
        <translation>Esta pantalla</translation>
    </message>
    <message>
        <source>Phone, 1170 x 2532</source>
        <translation>Teléfono, 1170 x 2532</translation>
    </message>
    <message>
        <source>Phone, 1080 x 2400</source>
        <translation>Teléfono, 1080 x 2400</translation>
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
        <translation>Carta</translation>
    </message>
    <message>
        <source>Other size</source>
        <translation>Otro tamaño</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>by</source>
        <translation>por</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Horizontal</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Background &amp;Colour...</source>
        <translation>&amp;Color de fondo...</translation>
    </message>
    <message>
        <source>&amp;Shuffle</source>
        <translation>M&amp;ezclar</translation>
    </message>
    <message>
        <source>Save as &amp;Picture...</source>
        <translation>Guardar como &amp;imagen...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar como &amp;PDF...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>Imp&amp;rimir...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>Tamañ&amp;o:</translation>
    </message>
    <message>
        <source>&amp;Margin:</source>
        <translation>&amp;Margen:</translation>
    </message>
    <message>
        <source>Pictures &amp;on the board:</source>
        <translation>Imá&amp;genes en el tablero:</translation>
    </message>
    <message>
        <source>Background of the Board</source>
        <translation>Fondo del tablero</translation>
    </message>
    <message>
        <source>My board</source>
        <translation>Mi tablero</translation>
    </message>
    <message>
        <source>Saving the board...</source>
        <translation>Guardando el tablero...</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>JPEG picture (*.jpg *.jpeg)</source>
        <translation>Imagen JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Save the Board as a Picture</source>
        <translation>Guardar el tablero como imagen</translation>
    </message>
    <message>
        <source>Save the Board as a PDF</source>
        <translation>Guardar el tablero como PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The board could not be printed.</source>
        <translation>No se pudo imprimir el tablero.</translation>
    </message>
</context>
<context>
    <name>vellumora::BusDesktopPicture</name>
    <message>
        <source>No picture was given for the desktop.</source>
        <translation>No se indicó ninguna imagen para el escritorio.</translation>
    </message>
    <message>
        <source>The picture %1 does not exist.</source>
        <translation>La imagen %1 no existe.</translation>
    </message>
    <message>
        <source>None of the desktop&apos;s services for its picture answers.</source>
        <translation>No responde ninguno de los servicios que gestionan la imagen del escritorio.</translation>
    </message>
    <message>
        <source>The desktop keeps no picture setting %1.</source>
        <translation>El escritorio no tiene el ajuste de imagen %1.</translation>
    </message>
</context>
<context>
    <name>vellumora::BusScreenSaver</name>
    <message>
        <source>A full screen show is running</source>
        <translation>Hay una presentación a pantalla completa en curso</translation>
    </message>
</context>
<context>
    <name>vellumora::CategoryIndex</name>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the category list named no usable category and were left out.</source>
        <translation>
            <numerusform>%n línea de la lista de categorías no nombraba ninguna categoría válida y se ha omitido.</numerusform>
            <numerusform>%n líneas de la lista de categorías no nombraban ninguna categoría válida y se han omitido.</numerusform>
        </translation>
    </message>
    <message>
        <source>The category list could not be read, so it is shown empty and not rewritten.</source>
        <translation>No se pudo leer la lista de categorías, así que se muestra vacía y no se reescribe.</translation>
    </message>
    <message>
        <source>The category list could not be saved.</source>
        <translation>No se pudo guardar la lista de categorías.</translation>
    </message>
    <message>
        <source>The category list could not be read when the program started, so it cannot be changed now.</source>
        <translation>La lista de categorías no se pudo leer al iniciar el programa, así que ahora no se puede cambiar.</translation>
    </message>
    <message>
        <source>The category list could not be saved, so the change was undone.</source>
        <translation>No se pudo guardar la lista de categorías, así que el cambio se ha deshecho.</translation>
    </message>
    <message>
        <source>A category name may hold only letters and spaces, and at least one letter.</source>
        <translation>El nombre de una categoría solo puede tener letras y espacios, y al menos una letra.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be created.</source>
        <translation>No se pudo crear la categoría «%1».</translation>
    </message>
    <message>
        <source>The category list already holds %1 categories, the most it can hold.</source>
        <translation>La lista de categorías ya tiene %1 categorías, el máximo posible.</translation>
    </message>
    <message>
        <source>There Is No Item To Delete</source>
        <translation>No hay nada que eliminar.</translation>
    </message>
    <message>
        <source>The file of the category &quot;%1&quot; could not be moved to the Trash, so it stays in the library folder.</source>
        <translation>El archivo de la categoría «%1» no se pudo mover a la papelera, así que sigue en la carpeta de la biblioteca.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; cannot be brought back under another name.</source>
        <translation>La categoría «%1» no se puede recuperar con otro nombre.</translation>
    </message>
    <message>
        <source>This category name is too long to name a file. Please choose a shorter one.</source>
        <translation>Este nombre de categoría es demasiado largo para un nombre de archivo. Elige uno más corto.</translation>
    </message>
    <message>
        <source>The recordings of the category &quot;%1&quot; could not be moved to the Trash, so they stay in the library folder.</source>
        <translation>No se pudieron mover las grabaciones de la categoría «%1» a la papelera, así que se quedan en la carpeta de la biblioteca.</translation>
    </message>
    <message>
        <source>The category list was changed by another program but cannot be read, so it is shown as it was.</source>
        <translation>Otro programa cambió la lista de categorías, pero no se puede leer, así que se muestra como estaba.</translation>
    </message>
</context>
<context>
    <name>vellumora::CategoryPanel</name>
    <message>
        <source>Affirmations Category</source>
        <translation>Categorías de afirmaciones</translation>
    </message>
    <message>
        <source>New category name</source>
        <translation>Nombre de la nueva categoría</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>C&amp;rear</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Escribe solo letras.</translation>
    </message>
    <message>
        <source>No categories yet: type a name in the field above and click Create.</source>
        <translation>Aún no hay categorías: escriba un nombre en el campo de arriba y haga clic en Crear.</translation>
    </message>
</context>
<context>
    <name>vellumora::DeleteHistory</name>
    <message>
        <source>the category &quot;%1&quot;</source>
        <translation>la categoría «%1»</translation>
    </message>
    <message>
        <source>the affirmation &quot;%1&quot;</source>
        <translation>la afirmación «%1»</translation>
    </message>
    <message>
        <source>the picture &quot;%1&quot;</source>
        <translation>la imagen «%1»</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; is no longer in the list, so its affirmation cannot be brought back.</source>
        <translation>La categoría «%1» ya no está en la lista, así que su afirmación no se puede recuperar.</translation>
    </message>
    <message>
        <source>Vellumora cannot bring back %1: its file is no longer in the Trash.</source>
        <translation>Vellumora no puede recuperar %1: su archivo ya no está en la papelera.</translation>
    </message>
    <message>
        <source>the recording of &quot;%1&quot;</source>
        <translation>la grabación de «%1»</translation>
    </message>
</context>
<context>
    <name>vellumora::DesktopChanger</name>
    <message>
        <source>The desktop picture cannot be saved in %1: the folder cannot be written.</source>
        <translation>La imagen del escritorio no se puede guardar en %1: no se puede escribir en la carpeta.</translation>
    </message>
    <message>
        <source>No desktop service answered: Vellumora cannot set this desktop&apos;s picture.</source>
        <translation>Ningún servicio del escritorio respondió: Vellumora no puede cambiar la imagen de este escritorio.</translation>
    </message>
    <message>
        <source>There are no pictures in your library to put on the desktop.</source>
        <translation>Su biblioteca no tiene imágenes para poner en el escritorio.</translation>
    </message>
    <message>
        <source>No affirmation is ticked: tick one to write it on the desktop picture.</source>
        <translation>No hay ninguna afirmación marcada: marque una para escribirla en la imagen del escritorio.</translation>
    </message>
    <message>
        <source>None of the pictures in your library can be read.</source>
        <translation>No se puede leer ninguna de las imágenes de su biblioteca.</translation>
    </message>
    <message>
        <source>The desktop picture cannot be saved in %1: the folder cannot be made.</source>
        <translation>La imagen del escritorio no se puede guardar en %1: no se puede crear la carpeta.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read.</source>
        <translation>No se puede leer la imagen %1.</translation>
    </message>
    <message>
        <source>The desktop picture cannot be saved in %1: %2</source>
        <translation>La imagen del escritorio no se puede guardar en %1: %2</translation>
    </message>
    <message>
        <source>Your desktop picture settings cannot be kept, so the picture is left as it is: %1</source>
        <translation>No se puede guardar la configuración de la imagen de su escritorio, así que la imagen se queda como está: %1</translation>
    </message>
    <message>
        <source>No desktop service answered, so the desktop picture is not set. It is saved in %1.</source>
        <translation>Ningún servicio del escritorio respondió, así que la imagen del escritorio no se ha cambiado. Está guardada en %1.</translation>
    </message>
    <message>
        <source>The desktop picture could not be set: %1</source>
        <translation>No se pudo cambiar la imagen del escritorio: %1</translation>
    </message>
    <message>
        <source>Vellumora has not changed your desktop picture: there is nothing to give back.</source>
        <translation>Vellumora no ha cambiado la imagen de su escritorio: no hay nada que devolver.</translation>
    </message>
    <message>
        <source>Your desktop picture could not be given back: %1</source>
        <translation>No se pudo devolver la imagen de su escritorio: %1</translation>
    </message>
    <message>
        <source>The desktop picture settings kept in %1 cannot be read, so nothing is given back.</source>
        <translation>No se puede leer la configuración de la imagen del escritorio guardada en %1, así que no se devuelve nada.</translation>
    </message>
</context>
<context>
    <name>vellumora::DesktopPictureDialog</name>
    <message>
        <source>Desktop Picture</source>
        <translation>Imagen del escritorio</translation>
    </message>
    <message>
        <source>&amp;Change my desktop picture:</source>
        <translation>&amp;Cambiar la imagen de mi escritorio:</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>every hour</source>
        <translation>cada hora</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>cada día</translation>
    </message>
    <message>
        <source>with each reminder</source>
        <translation>con cada recordatorio</translation>
    </message>
    <message>
        <source>While Vellumora runs, also in the background, it puts a new picture with an affirmation on your desktop</source>
        <translation>Mientras Vellumora funciona, también en segundo plano, pone en su escritorio una imagen nueva con una afirmación</translation>
    </message>
    <message>
        <source>Also on the &amp;lock screen</source>
        <translation>También en la pantalla de &amp;bloqueo</translation>
    </message>
    <message>
        <source>The desktop picture options could not be saved.</source>
        <translation>No se pudieron guardar las opciones de la imagen del escritorio.</translation>
    </message>
    <message>
        <source>&amp;Put on the desktop:</source>
        <translation>&amp;Poner en el escritorio:</translation>
    </message>
    <message>
        <source>a picture with an affirmation</source>
        <translation>una imagen con una afirmación</translation>
    </message>
    <message>
        <source>my board</source>
        <translation>mi tablero</translation>
    </message>
</context>
<context>
    <name>vellumora::FontColourDialog</name>
    <message>
        <source>Colour:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>vellumora::GnomeWallpaper</name>
    <message>
        <source>The desktop has no setting %1 in %2.</source>
        <translation>El escritorio no tiene el ajuste %1 en %2.</translation>
    </message>
    <message>
        <source>The desktop&apos;s setting %1 in %2 is locked.</source>
        <translation>El ajuste %1 en %2 del escritorio está bloqueado.</translation>
    </message>
    <message>
        <source>The desktop&apos;s setting %1 in %2 does not take the value %3.</source>
        <translation>El ajuste %1 en %2 del escritorio no admite el valor %3.</translation>
    </message>
    <message>
        <source>The desktop refused the new value of %1 in %2.</source>
        <translation>El escritorio rechazó el nuevo valor de %1 en %2.</translation>
    </message>
    <message>
        <source>The value %1 of the desktop&apos;s setting %2 in %3 cannot be read: %4</source>
        <translation>No se puede leer el valor %1 del ajuste %2 en %3 del escritorio: %4</translation>
    </message>
    <message>
        <source>GNOME&apos;s settings cannot be reached, so the desktop picture could not be given back.</source>
        <translation>No se puede acceder a la configuración de GNOME, así que no se pudo devolver la imagen del escritorio.</translation>
    </message>
    <message>
        <source>GNOME&apos;s settings for the desktop picture cannot be reached.</source>
        <translation>No se puede acceder a la configuración de GNOME para la imagen del escritorio.</translation>
    </message>
    <message>
        <source>GNOME&apos;s setting %1 in %2 still holds %3.</source>
        <translation>El ajuste %1 en %2 de GNOME todavía contiene %3.</translation>
    </message>
</context>
<context>
    <name>vellumora::ImageLibraryPanel</name>
    <message>
        <source>Image Library</source>
        <translation>Biblioteca de imágenes</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniaturas</translation>
    </message>
    <message>
        <source>Scroll the thumbnails</source>
        <translation>Desplazar las miniaturas</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Delete Picture</source>
        <translation>&lt;&lt; E&amp;liminar imagen</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Add Picture</source>
        <translation>&lt;&lt; Aña&amp;dir imagen</translation>
    </message>
    <message>
        <source>All Pictures</source>
        <translation>Todas las imágenes</translation>
    </message>
    <message>
        <source>BMP File (*.bmp*)|*.bmp|JPG File(*.jpg)|*.jpg|JPEG Files (*.jpeg)|*.jpeg|PNG File (*.png)|*.png|WebP File (*.webp)|*.webp|TIFF File (*.tif, *.tiff)|*.tif;*.tiff|GIF File (*.gif)|*.gif</source>
        <translation>Archivo BMP (*.bmp*)|*.bmp|Archivo JPG (*.jpg)|*.jpg|Archivos JPEG (*.jpeg)|*.jpeg|Archivo PNG (*.png)|*.png|Archivo WebP (*.webp)|*.webp|Archivo TIFF (*.tif, *.tiff)|*.tif;*.tiff|Archivo GIF (*.gif)|*.gif</translation>
    </message>
    <message>
        <source>No pictures yet: click Add Picture, or drop picture files here.</source>
        <translation>Aún no hay imágenes: haga clic en Añadir imagen, o suelte aquí archivos de imagen.</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>Añadir imágenes</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no picture Vellumora can read, so nothing was added.</source>
        <translation>La carpeta «%1» no contiene ninguna imagen que Vellumora pueda leer, así que no se añadió nada.</translation>
    </message>
</context>
<context>
    <name>vellumora::Library</name>
    <message>
        <source>A sync tool kept a second version of a library file: &quot;%1&quot;. Vellumora does not read it: copy what you want to keep into the file it belongs to, then delete it.</source>
        <translation>Una herramienta de sincronización guardó una segunda versión de un archivo de la biblioteca: «%1». Vellumora no la lee: copie lo que quiera conservar en el archivo al que pertenece y luego bórrela.</translation>
    </message>
    <message>
        <source>The folder of your library, &quot;%1&quot;, has gone. Vellumora changes nothing in it until it is back.</source>
        <translation>La carpeta de su biblioteca, «%1», ha desaparecido. Vellumora no cambia nada en ella hasta que vuelva.</translation>
    </message>
</context>
<context>
    <name>vellumora::LibraryFolder</name>
    <message>
        <source>The folder could not be made.</source>
        <translation>No se pudo crear la carpeta.</translation>
    </message>
    <message>
        <source>Vellumora cannot keep your library in &quot;%1&quot;, so it cannot start.</source>
        <translation>Vellumora no puede guardar tu biblioteca en «%1», así que no puede iniciarse.</translation>
    </message>
    <message>
        <source>Vellumora cannot find a folder of yours to keep your library in, so it cannot start.</source>
        <translation>Vellumora no encuentra ninguna carpeta tuya donde guardar tu biblioteca, así que no puede iniciarse.</translation>
    </message>
    <message>
        <source>A file of that name is in the way.</source>
        <translation>Hay un archivo con ese nombre en su lugar.</translation>
    </message>
    <message>
        <source>You may not write there.</source>
        <translation>No tienes permiso para escribir ahí.</translation>
    </message>
    <message>
        <source>A copied file differs from its original.</source>
        <translation>Un archivo copiado difiere de su original.</translation>
    </message>
    <message>
        <source>Your library is in that folder already.</source>
        <translation>Su biblioteca ya está en esa carpeta.</translation>
    </message>
    <message>
        <source>That folder is part of your library. Please choose one outside it.</source>
        <translation>Esa carpeta es parte de su biblioteca. Elija una fuera de ella.</translation>
    </message>
    <message>
        <source>That folder holds other files. Please choose an empty folder, or one that holds a Vellumora library.</source>
        <translation>Esa carpeta contiene otros archivos. Elija una carpeta vacía o una que contenga una biblioteca de Vellumora.</translation>
    </message>
</context>
<context>
    <name>vellumora::LibraryMove</name>
    <message>
        <source>Your library could not be copied to &quot;%1&quot;, so it stays where it is.</source>
        <translation>No se pudo copiar su biblioteca a «%1», así que se queda donde está.</translation>
    </message>
    <message>
        <source>Vellumora could not note where your library is, so it stays in &quot;%1&quot;.</source>
        <translation>Vellumora no pudo anotar dónde está su biblioteca, así que se queda en «%1».</translation>
    </message>
    <message>
        <source>Your library is now in &quot;%1&quot;, but some of it could not be taken out of &quot;%2&quot;.</source>
        <translation>Su biblioteca está ahora en «%1», pero una parte no se pudo quitar de «%2».</translation>
    </message>
    <message>
        <source>Copying your library...</source>
        <translation>Copiando su biblioteca...</translation>
    </message>
    <message>
        <source>Taking your library out of its old folder...</source>
        <translation>Quitando su biblioteca de su carpeta anterior...</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds a library already. Use that library from now on? Yours stays as it is in &quot;%2&quot;.</source>
        <translation>La carpeta «%1» ya contiene una biblioteca. ¿Usar esa biblioteca a partir de ahora? La suya se queda como está en «%2».</translation>
    </message>
    <message>
        <source>Move your library to &quot;%1&quot;?

Yes: it is copied there, checked, and then taken out of &quot;%2&quot;.
No: it is copied there, and the one in &quot;%2&quot; stays as it is.</source>
        <translation>¿Mover su biblioteca a «%1»?

Sí: se copia allí, se comprueba y luego se quita de «%2».
No: se copia allí, y la de «%2» se queda como está.</translation>
    </message>
</context>
<context>
    <name>vellumora::LoginStart</name>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>No se pudo crear la carpeta «%1».</translation>
    </message>
</context>
<context>
    <name>vellumora::LongWork</name>
    <message>
        <source>%1

%2 of %3 files, %4 of %5</source>
        <extracomment>%1 says what is done; then files and bytes done so far, of all there are.</extracomment>
        <translation>%1

%2 de %3 archivos, %4 de %5</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
</context>
<context>
    <name>vellumora::MainWindow</name>
    <message>
        <source>Click here to visit the Vellumora home page for ideas, tips and updates</source>
        <translation>Haz clic aquí para visitar la página de Vellumora: ideas, consejos y actualizaciones</translation>
    </message>
    <message>
        <source>Vellumora keeps your vision board in view: post your daily visions, goals, motivational messages and sayings here, and see them every day until they come true.</source>
        <translation>Vellumora mantiene tu tablero de visión a la vista: apunta aquí tus visiones, metas, mensajes de ánimo y frases, y míralos cada día hasta que se hagan realidad.</translation>
    </message>
    <message>
        <source>Select The Image and affirmation category to display your vision board</source>
        <translation>Elige las imágenes y las categorías de afirmaciones de tu tablero de visión</translation>
    </message>
    <message>
        <source>Image &amp;Library</source>
        <translation>Biblioteca de imágene&amp;s</translation>
    </message>
    <message>
        <source>Affirmation Li&amp;brary</source>
        <translation>Biblioteca de afir&amp;maciones</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>F&amp;ont</source>
        <translation>&amp;Fuente</translation>
    </message>
    <message>
        <source>About Soft&amp;ware </source>
        <translation>Acerca del &amp;programa</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>Deshacer la eliminación</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nuestra página</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar una &amp;actualización</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Acerca del &amp;programa</translation>
    </message>
    <message>
        <source>Bring back %1 (%2)</source>
        <translation>Recuperar %1 (%2)</translation>
    </message>
    <message>
        <source>Nothing deleted to bring back</source>
        <translation>No hay nada eliminado que recuperar</translation>
    </message>
    <message>
        <source>&amp;Put on My Desktop</source>
        <translation>&amp;Poner en mi escritorio</translation>
    </message>
    <message>
        <source>&amp;Give Back My Desktop Picture</source>
        <translation>&amp;Devolver la imagen de mi escritorio</translation>
    </message>
    <message>
        <source>&amp;Desktop Picture Options…</source>
        <translation>&amp;Opciones de la imagen del escritorio…</translation>
    </message>
    <message>
        <source>Your vision board is now your desktop picture.</source>
        <translation>Su tablero de visión es ahora la imagen de su escritorio.</translation>
    </message>
    <message>
        <source>Your own desktop picture is back.</source>
        <translation>La imagen de su escritorio ha vuelto.</translation>
    </message>
    <message>
        <source>&amp;Keep My Library In...</source>
        <translation>Guardar mi bi&amp;blioteca en...</translation>
    </message>
    <message>
        <source>&amp;Back Up My Vision Board...</source>
        <translation>&amp;Hacer una copia de mi tablero de visión...</translation>
    </message>
    <message>
        <source>B&amp;ring Back a Backup...</source>
        <translation>&amp;Restaurar una copia...</translation>
    </message>
    <message>
        <source>Keep My Library In</source>
        <translation>Guardar mi biblioteca en</translation>
    </message>
    <message>
        <source>Add a &amp;Folder of Pictures...</source>
        <translation>Añadir una &amp;carpeta de imágenes...</translation>
    </message>
    <message>
        <source>&amp;Make My Board...</source>
        <translation>Crear &amp;mi tablero...</translation>
    </message>
</context>
<context>
    <name>vellumora::PictureLibrary</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>The picture list could not be read, so the library is shown empty and the picture list is left as it is.</source>
        <translation>No se pudo leer la lista de imágenes, así que la biblioteca se muestra vacía y la lista se queda como está.</translation>
    </message>
    <message>
        <source>The picture list could not be read when the program started, so it cannot be changed now.</source>
        <translation>La lista de imágenes no se pudo leer al iniciar el programa, así que ahora no se puede cambiar.</translation>
    </message>
    <message>
        <source>The picture list could not be saved, so the library stays as it was.</source>
        <translation>No se pudo guardar la lista de imágenes, así que la biblioteca se queda como estaba.</translation>
    </message>
    <message>
        <source>This Picture is Already available Please Select Another Picture </source>
        <translation>Esta imagen ya está en la biblioteca. Elige otra.</translation>
    </message>
    <message>
        <source>A picture named &quot;%1&quot; cannot be kept in the library. Please rename the file and add it again.</source>
        <translation>Una imagen llamada «%1» no se puede guardar en la biblioteca. Cambia el nombre del archivo y vuelve a añadirla.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture Vellumora can read, so it was not added.</source>
        <translation>«%1» no es una imagen que Vellumora pueda leer, así que no se ha añadido.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for Vellumora to show (%2 x %3 pixels), so it was not added.</source>
        <translation>«%1» es demasiado grande para Vellumora (%2 x %3 píxeles), así que no se ha añadido.</translation>
    </message>
    <message>
        <source>The picture could not be copied into the library.</source>
        <translation>No se pudo copiar la imagen en la biblioteca.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be moved to the Trash, so its file stays in the library folder.</source>
        <translation>La imagen «%1» no se pudo mover a la papelera, así que su archivo sigue en la carpeta de la biblioteca.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be brought back under another name.</source>
        <translation>La imagen «%1» no se puede recuperar con otro nombre.</translation>
    </message>
    <message>
        <source>The picture list was changed by another program but cannot be read, so it is shown as it was.</source>
        <translation>Otro programa cambió la lista de imágenes, pero no se puede leer, así que se muestra como estaba.</translation>
    </message>
    <message>
        <source>These pictures could not be added:</source>
        <translation>No se pudieron añadir estas imágenes:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Adding pictures...</source>
        <translation>Añadiendo imágenes...</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... y %n más.</numerusform>
            <numerusform>... y %n más.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellumora::PlasmaWallpaper</name>
    <message>
        <source>Plasma&apos;s shell does not answer, so its desktop picture could not be given back.</source>
        <translation>El shell de Plasma no responde, así que no se pudo devolver la imagen de su escritorio.</translation>
    </message>
    <message>
        <source>Plasma&apos;s shell did not answer as it should: %1</source>
        <translation>El shell de Plasma no respondió como debía: %1</translation>
    </message>
    <message>
        <source>Plasma&apos;s shell did not keep the new desktop picture: screen %1 still shows %2.</source>
        <translation>El shell de Plasma no conservó la nueva imagen del escritorio: la pantalla %1 sigue mostrando %2.</translation>
    </message>
    <message>
        <source>Plasma&apos;s shell has no desktop to put the picture on.</source>
        <translation>El shell de Plasma no tiene ningún escritorio donde poner la imagen.</translation>
    </message>
    <message>
        <source>No time was left to ask Plasma&apos;s shell.</source>
        <translation>No quedó tiempo para preguntar al shell de Plasma.</translation>
    </message>
</context>
<context>
    <name>vellumora::Playlist</name>
    <message>
        <source>It is not a music file.</source>
        <translation>No es un archivo de música.</translation>
    </message>
    <message>
        <source>None of the music in &quot;%1&quot; can be played, so the show goes on without music.</source>
        <translation>No se puede reproducir ninguna música de «%1», así que la presentación sigue sin música.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be played, so the show goes on without music.</source>
        <translation>No se puede reproducir el archivo de música «%1», así que la presentación sigue sin música.</translation>
    </message>
</context>
<context>
    <name>vellumora::PortalRequest</name>
    <message>
        <source>The desktop portal did not answer within %1 seconds.</source>
        <translation>El portal del escritorio no respondió en %1 segundos.</translation>
    </message>
    <message>
        <source>The desktop picture was not changed: the change was cancelled.</source>
        <translation>La imagen del escritorio no se cambió: se canceló el cambio.</translation>
    </message>
    <message>
        <source>The desktop could not set the picture.</source>
        <translation>El escritorio no pudo cambiar la imagen.</translation>
    </message>
</context>
<context>
    <name>vellumora::PortalWallpaper</name>
    <message>
        <source>The desktop portal does not answer.</source>
        <translation>El portal del escritorio no responde.</translation>
    </message>
    <message>
        <source>The session bus cannot hand the picture to the desktop portal.</source>
        <translation>El bus de sesión no puede pasar la imagen al portal del escritorio.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: %2</source>
        <translation>No se puede leer la imagen %1: %2</translation>
    </message>
    <message>
        <source>The desktop portal did not take the picture: %1</source>
        <translation>El portal del escritorio no aceptó la imagen: %1</translation>
    </message>
</context>
<context>
    <name>vellumora::Program</name>
    <message>
        <source>Application is already running</source>
        <translation>Vellumora ya está abierto.</translation>
    </message>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Puede que haya una actualización de Vellumora.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>¿Quieres buscar una actualización?</translation>
    </message>
    <message>
        <source>Required File is missing </source>
        <translation>Falta un archivo necesario.</translation>
    </message>
    <message>
        <source>Please Reinstall The software</source>
        <translation>Vuelve a instalar Vellumora.</translation>
    </message>
    <message>
        <source>Vellumora keeps running to remind you. Choose File &gt; Exit to end it.</source>
        <translation>Vellumora sigue funcionando para recordárselo. Elija Archivo &gt; Salir para cerrarlo.</translation>
    </message>
    <message>
        <source>Start the Show</source>
        <translation>Iniciar la presentación</translation>
    </message>
    <message>
        <source>Another One</source>
        <translation>Otra</translation>
    </message>
    <message>
        <source>&amp;Open Vellumora</source>
        <translation>&amp;Abrir Vellumora</translation>
    </message>
    <message>
        <source>&amp;Start the Show</source>
        <translation>&amp;Iniciar la presentación</translation>
    </message>
    <message>
        <source>&amp;Another Affirmation Now</source>
        <translation>&amp;Otra afirmación ahora</translation>
    </message>
    <message>
        <source>&amp;Pause Reminders for an Hour</source>
        <translation>&amp;Pausar los recordatorios una hora</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>The desktop picture is set.</source>
        <translation>La imagen del escritorio está puesta.</translation>
    </message>
    <message>
        <source>Your library is kept in &quot;%1&quot;, which cannot be found now: perhaps its drive or its synced folder is not there yet. Vellumora uses the library in &quot;%2&quot; until it is back.</source>
        <translation>Su biblioteca se guarda en «%1», que ahora no se encuentra: quizá su unidad o su carpeta sincronizada aún no está. Vellumora usa la biblioteca de «%2» hasta que vuelva.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size of board: give A4, A3, Letter, phone or WIDTHxHEIGHT in pixels.</source>
        <translation>«%1» no es un tamaño de tablero: indique A4, A3, Letter, phone o WIDTHxHEIGHT en píxeles.</translation>
    </message>
    <message>
        <source>The board is saved as &quot;%1&quot;.</source>
        <translation>El tablero se ha guardado como «%1».</translation>
    </message>
</context>
<context>
    <name>vellumora::QtMediaControl</name>
    <message>
        <source>There is no sound in it.</source>
        <translation>No tiene sonido.</translation>
    </message>
</context>
<context>
    <name>vellumora::QtSpeech</name>
    <message>
        <source>No speech engine could be loaded. Install the package qt6-speech-speechd-plugin (with speech-dispatcher-espeak-ng) or qt6-speech-flite-plugin to hear affirmations read aloud.</source>
        <translation>No se pudo cargar ningún motor de voz. Instale el paquete qt6-speech-speechd-plugin (con speech-dispatcher-espeak-ng) o qt6-speech-flite-plugin para escuchar las afirmaciones en voz alta.</translation>
    </message>
</context>
<context>
    <name>vellumora::QtVoiceRecorder</name>
    <message>
        <source>No microphone was found.</source>
        <translation>No se encontró ningún micrófono.</translation>
    </message>
    <message>
        <source>The recording cannot be saved in the folder %1.</source>
        <translation>La grabación no se puede guardar en la carpeta %1.</translation>
    </message>
    <message>
        <source>The microphone could not be recorded.</source>
        <translation>No se pudo grabar el micrófono.</translation>
    </message>
    <message>
        <source>The recording could not be finished.</source>
        <translation>No se pudo terminar la grabación.</translation>
    </message>
    <message>
        <source>The microphone gives no sound.</source>
        <translation>El micrófono no da ningún sonido.</translation>
    </message>
    <message>
        <source>The recording stopped by itself.</source>
        <translation>La grabación se detuvo sola.</translation>
    </message>
    <message>
        <source>Nothing was recorded.</source>
        <translation>No se grabó nada.</translation>
    </message>
    <message>
        <source>The recording could not be saved as %1.</source>
        <translation>No se pudo guardar la grabación como %1.</translation>
    </message>
</context>
<context>
    <name>vellumora::RecordingSession</name>
    <message>
        <source>No microphone was found. Connect one and try again, or use Import Recording... to take a file you recorded.</source>
        <translation>No se encontró ningún micrófono. Conecte uno y vuelva a intentarlo, o use «Importar grabación...» para tomar un archivo que grabó.</translation>
    </message>
    <message>
        <source>The recording cannot be written.</source>
        <translation>No se puede escribir la grabación.</translation>
    </message>
    <message>
        <source>Nothing was recorded: the microphone gave no sound.</source>
        <translation>No se grabó nada: el micrófono no dio ningún sonido.</translation>
    </message>
    <message>
        <source>The recording could not be made.</source>
        <translation>No se pudo hacer la grabación.</translation>
    </message>
    <message>
        <source>The recording was stopped before the microphone was open, so nothing was recorded.</source>
        <translation>La grabación se detuvo antes de que el micrófono estuviera listo, así que no se grabó nada.</translation>
    </message>
</context>
<context>
    <name>vellumora::Recordings</name>
    <message>
        <source>The category&apos;s name cannot name a folder.</source>
        <translation>El nombre de la categoría no puede nombrar una carpeta.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 no es una carpeta.</translation>
    </message>
    <message>
        <source>The recording it has could not be moved to the Trash, so it stays.</source>
        <translation>No se pudo mover a la papelera la grabación que tiene, así que se queda.</translation>
    </message>
    <message>
        <source>The recording could not be kept.</source>
        <translation>No se pudo guardar la grabación.</translation>
    </message>
    <message>
        <source>Vellumora takes recordings in MP3, WAV, OGG and FLAC files.</source>
        <translation>Vellumora acepta grabaciones en archivos MP3, WAV, OGG y FLAC.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be copied.</source>
        <translation>No se pudo copiar el archivo «%1».</translation>
    </message>
    <message>
        <source>The recording cannot be brought back under this name.</source>
        <translation>La grabación no se puede recuperar con este nombre.</translation>
    </message>
    <message>
        <source>The recording could not be brought back.</source>
        <translation>No se pudo recuperar la grabación.</translation>
    </message>
    <message>
        <source>The recording stays with the affirmation&apos;s old text.</source>
        <translation>La grabación se queda con el texto anterior de la afirmación.</translation>
    </message>
</context>
<context>
    <name>vellumora::ReminderDialog</name>
    <message>
        <source>Reminders</source>
        <translation>Recordatorios</translation>
    </message>
    <message>
        <source>Remind Me</source>
        <translation>Recordarme</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Desactivado</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>&amp;Cada</translation>
    </message>
    <message>
        <source>Minutes between reminders</source>
        <translation>Minutos entre recordatorios</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>At &amp;these times:</source>
        <translation>A &amp;estas horas:</translation>
    </message>
    <message>
        <source>Times of day</source>
        <translation>Horas del día</translation>
    </message>
    <message>
        <source>08:30, 12:00, 18:00</source>
        <translation>08:30, 12:00, 18:00</translation>
    </message>
    <message numerus="yes">
        <source>Up to %n times of day on the 24-hour clock, separated by commas</source>
        <translation>
            <numerusform>Hasta %n hora en formato de 24 horas, separadas por comas</numerusform>
            <numerusform>Hasta %n horas en formato de 24 horas, separadas por comas</numerusform>
        </translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>De&amp;sde</translation>
    </message>
    <message>
        <source>t&amp;o</source>
        <translation>&amp;hasta</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read as times of day. Please write up to %2 times on the 24-hour clock, separated by commas, such as 08:30, 12:00.</source>
        <translation>«%1» no se puede leer como horas del día. Escriba hasta %2 horas en formato de 24 horas, separadas por comas, por ejemplo 08:30, 12:00.</translation>
    </message>
    <message>
        <source>Please write at least one time of day, such as 08:30.</source>
        <translation>Escriba al menos una hora del día, por ejemplo 08:30.</translation>
    </message>
    <message>
        <source>The reminders&apos; hours end before they begin. Please choose a later end.</source>
        <translation>Las horas de los recordatorios terminan antes de empezar. Elija un final más tardío.</translation>
    </message>
    <message>
        <source>Please tick at least one day for the reminders.</source>
        <translation>Marque al menos un día para los recordatorios.</translation>
    </message>
    <message>
        <source>The reminders could not be saved; they are kept until Vellumora ends.</source>
        <translation>No se pudieron guardar los recordatorios; se mantienen hasta que se cierre Vellumora.</translation>
    </message>
    <message>
        <source>S&amp;ay it aloud</source>
        <translation>&amp;Decirlo en voz alta</translation>
    </message>
    <message>
        <source>Say it aloud</source>
        <translation>Decirlo en voz alta</translation>
    </message>
    <message>
        <source>Each reminder plays the affirmation&apos;s recording, or reads it aloud when the voice options say so</source>
        <translation>Cada recordatorio reproduce la grabación de la afirmación, o la lee en voz alta si las opciones de voz lo piden</translation>
    </message>
</context>
<context>
    <name>vellumora::ReminderPopup</name>
    <message>
        <source>Click to start the show</source>
        <translation>Haga clic para iniciar la presentación</translation>
    </message>
</context>
<context>
    <name>vellumora::RestoreDialog</name>
    <message>
        <source>Bring Back a Backup</source>
        <translation>Restaurar una copia</translation>
    </message>
    <message>
        <source>The library is empty, so the backup comes back exactly as it was kept:</source>
        <translation>La biblioteca está vacía, así que la copia vuelve exactamente como se guardó:</translation>
    </message>
    <message>
        <source>The backup is added to the library; nothing the library has is replaced:</source>
        <translation>La copia se añade a la biblioteca; no se reemplaza nada de lo que ya tiene:</translation>
    </message>
    <message>
        <source>The library has everything this backup holds.</source>
        <translation>La biblioteca ya tiene todo lo que contiene esta copia.</translation>
    </message>
    <message>
        <source>Also bring back the settings</source>
        <translation>Restaurar también los ajustes</translation>
    </message>
    <message>
        <source>Back Up My Vision Board</source>
        <translation>Hacer una copia de mi tablero de visión</translation>
    </message>
    <message>
        <source>Vellumora Backups</source>
        <translation>Copias de Vellumora</translation>
    </message>
    <message>
        <source>Vellumora Backups (*.zip)</source>
        <translation>Copias de Vellumora (*.zip)</translation>
    </message>
    <message>
        <source>These are not brought back, and why:</source>
        <translation>No se recupera lo siguiente, y por qué:</translation>
    </message>
</context>
<context>
    <name>vellumora::RestoreJob</name>
    <message>
        <source>The backup was brought back.</source>
        <translation>La copia se ha restaurado.</translation>
    </message>
    <message>
        <source>The backup was brought back, all but what was left out:
%1</source>
        <translation>La copia se ha restaurado, salvo lo que se ha omitido:
%1</translation>
    </message>
    <message>
        <source>Reading the backup...</source>
        <translation>Leyendo la copia...</translation>
    </message>
    <message>
        <source>Bringing back the backup...</source>
        <translation>Restaurando la copia...</translation>
    </message>
</context>
<context>
    <name>vellumora::SettingsPanel</name>
    <message>
        <source>Display for</source>
        <translation>Mostrar durante</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>&amp;Keep the Show on Top</source>
        <translation>Mantener la presentación siempre &amp;visible</translation>
    </message>
    <message>
        <source>Keep the Show on Top</source>
        <translation>Mantener la presentación siempre visible</translation>
    </message>
    <message>
        <source>The show stays above every other window</source>
        <translation>La presentación queda por encima de todas las demás ventanas</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>R&amp;epeat</source>
        <translation>&amp;Repetir</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>When the music ends it starts again; a folder&apos;s music plays round and round</source>
        <translation>Cuando la música termina, vuelve a empezar; la música de una carpeta suena una y otra vez</translation>
    </message>
    <message>
        <source>Choose Music</source>
        <translation>Elegir música</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Choose a music file</source>
        <translation>Elegir un archivo de música</translation>
    </message>
    <message>
        <source>Fol&amp;der</source>
        <translation>Carpe&amp;ta</translation>
    </message>
    <message>
        <source>Choose a folder: its music plays in name order</source>
        <translation>Elegir una carpeta: su música suena por orden de nombre</translation>
    </message>
    <message>
        <source>Image Frequency</source>
        <translation>Cambio de imagen</translation>
    </message>
    <message>
        <source>Below you can set the interval between each image and duration for which each image is displayed.</source>
        <translation>Elige cuánto tiempo se ve cada imagen antes de pasar a la siguiente.</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Affirmation Frequency</source>
        <translation>Velocidad de las afirmaciones</translation>
    </message>
    <message>
        <source>Below you can set the interval between each affirmation and duration for which each affirmation is displayed.</source>
        <translation>Elige a qué velocidad se desliza la afirmación bajo la imagen: cuantos menos milisegundos, más rápido.</translation>
    </message>
    <message>
        <source>MilliSecond</source>
        <translation>milisegundos</translation>
    </message>
    <message>
        <source> Display Order</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>As Displayed</source>
        <translation>Como en la lista</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>Image Display Location</source>
        <translation>Posición de la presentación</translation>
    </message>
    <message>
        <source>Randomly on the Screen</source>
        <translation>En cualquier lugar de la pantalla</translation>
    </message>
    <message>
        <source>Centre of the Screen</source>
        <translation>En el centro de la pantalla</translation>
    </message>
    <message>
        <source>Whe&amp;re I Put It</source>
        <translation>&amp;Donde yo la deje</translation>
    </message>
    <message>
        <source>Drag the show by its picture: it stays where you put it</source>
        <translation>Arrastra la presentación por su imagen: se queda donde la dejes</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>Ima&amp;gen</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Estirar</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Rellenar</translation>
    </message>
    <message>
        <source>Stretch: the picture fills the show, out of proportion; Fit: all of it, with bands; Fill: its middle, in proportion</source>
        <translation>Estirar: la imagen llena la presentación, sin sus proporciones; Ajustar: entera, con bandas; Rellenar: su centro, en proporción</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>Tamañ&amp;o</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeña</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediana</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>How large the show is; Full Screen ends with Esc or Back</source>
        <translation>El tamaño de la presentación; la pantalla completa se cierra con Esc o Volver</translation>
    </message>
    <message>
        <source>Dont Play Music</source>
        <translation>Sin música</translation>
    </message>
    <message>
        <source>The show could not be set to start when you log in.</source>
        <translation>No se pudo hacer que la presentación empiece al entrar en la sesión.</translation>
    </message>
    <message>
        <source>The show could not be kept from starting when you log in.</source>
        <translation>No se pudo evitar que la presentación empiece al entrar en la sesión.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a music file Vellumora can play. Please choose an MP3, WAV or WMA file.</source>
        <translation>«%1» no es un archivo de música que Vellumora pueda reproducir. Elige un archivo MP3, WAV o WMA.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no MP3, WAV, OGG, FLAC or WMA file. Please choose another folder.</source>
        <translation>«%1» no contiene ningún archivo MP3, WAV, OGG, FLAC o WMA. Elige otra carpeta.</translation>
    </message>
    <message>
        <source>At lo&amp;gin, start</source>
        <translation>A&amp;l iniciar sesión, abrir</translation>
    </message>
    <message>
        <source>At login, start</source>
        <translation>Al iniciar sesión, abrir</translation>
    </message>
    <message>
        <source>Each time you log in, Vellumora starts by itself with these settings</source>
        <translation>Cada vez que inicie sesión, Vellumora se abrirá solo con esta configuración</translation>
    </message>
    <message>
        <source>the show</source>
        <translation>la presentación</translation>
    </message>
    <message>
        <source>reminders only</source>
        <translation>solo recordatorios</translation>
    </message>
    <message>
        <source>What starts at login</source>
        <translation>Qué se abre al iniciar sesión</translation>
    </message>
    <message>
        <source>The show, or no window at all: only the reminders through the day</source>
        <translation>La presentación, o ninguna ventana: solo los recordatorios a lo largo del día</translation>
    </message>
    <message>
        <source>Re&amp;minders…</source>
        <translation>&amp;Notificaciones…</translation>
    </message>
    <message>
        <source>Your affirmations in the desktop&apos;s notifications through the day</source>
        <translation>Sus afirmaciones en las notificaciones del escritorio a lo largo del día</translation>
    </message>
    <message>
        <source>The reminders could not be set to start when you log in.</source>
        <translation>No se pudo configurar que los recordatorios se inicien al iniciar sesión.</translation>
    </message>
    <message>
        <source>The reminders are off. Switch them on with the Reminders button, or nothing starts when you log in.</source>
        <translation>Los recordatorios están desactivados. Actívelos con el botón Notificaciones; si no, nada se inicia al iniciar sesión.</translation>
    </message>
    <message>
        <source>&amp;Voice…</source>
        <translation>Vo&amp;z…</translation>
    </message>
    <message>
        <source>Hear each affirmation in the show: your recording, or the computer reading it</source>
        <translation>Oír cada afirmación en la presentación: su grabación, o el ordenador leyéndola</translation>
    </message>
    <message>
        <source>Your settings could not be saved; they are used until Vellumora ends.</source>
        <translation>No se pudieron guardar los ajustes; se usan hasta que Vellumora se cierre.</translation>
    </message>
    <message>
        <source>All Music</source>
        <translation>Toda la música</translation>
    </message>
    <message>
        <source>This desktop places the show&apos;s window itself.</source>
        <translation>Este escritorio coloca por sí mismo la ventana de la presentación.</translation>
    </message>
</context>
<context>
    <name>vellumora::ShapeOptions</name>
    <message>
        <source>Border Shape</source>
        <translation>Forma del marco</translation>
    </message>
    <message>
        <source>No Fill</source>
        <translation>Sin relleno</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Óvalo</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Round Square</source>
        <translation>Cuadrado redondeado</translation>
    </message>
    <message>
        <source>Fill Style</source>
        <translation>Trama</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Líneas horizontales</translation>
    </message>
    <message>
        <source>Vertical Line</source>
        <translation>Líneas verticales</translation>
    </message>
    <message>
        <source>Upward Diagonal</source>
        <translation>Líneas diagonales</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Diagonal Cross</source>
        <translation>Cuadrícula diagonal</translation>
    </message>
</context>
<context>
    <name>vellumora::Show</name>
    <message>
        <source>You Are Not Selected Any Affirmation</source>
        <translation>No has elegido ninguna afirmación.</translation>
    </message>
</context>
<context>
    <name>vellumora::ShowLauncher</name>
    <message>
        <source>The show&apos;s place could not be saved; it stays there until Vellumora ends.</source>
        <translation>No se pudo guardar la posición de la presentación; se queda ahí hasta que se cierre Vellumora.</translation>
    </message>
    <message>
        <source>Please Select Music File To Play</source>
        <translation>Elige un archivo de música para reproducir.</translation>
    </message>
    <message>
        <source>Music File Is Not Exists Please Select A File</source>
        <translation>El archivo de música no existe. Elige un archivo.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no MP3, WAV, OGG, FLAC or WMA file. Please choose another.</source>
        <translation>La carpeta «%1» no contiene ningún archivo MP3, WAV, OGG, FLAC o WMA. Elige otra.</translation>
    </message>
    <message>
        <source>None of the pictures in the library can be read, so the show has ended.</source>
        <translation>No se puede leer ninguna imagen de la biblioteca, así que la presentación ha terminado.</translation>
    </message>
    <message>
        <source>The display settings could not be saved; the show starts with them all the same.</source>
        <translation>No se pudieron guardar los ajustes de la presentación; empieza con ellos de todos modos.</translation>
    </message>
    <message>
        <source>Please Select Atleast One Image To Display Your Picture</source>
        <translation>Elige al menos una imagen para tu presentación.</translation>
    </message>
    <message>
        <source>The font could not be saved; it is used until Vellumora ends.</source>
        <translation>No se pudo guardar la fuente; se usa hasta que se cierre Vellumora.</translation>
    </message>
</context>
<context>
    <name>vellumora::SlideshowWindow</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
</context>
<context>
    <name>vellumora::ThumbnailStrip</name>
    <message>
        <source>Picture %1</source>
        <translation>Imagen %1</translation>
    </message>
    <message>
        <source>%1, cannot be read</source>
        <translation>%1, no se puede leer</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>No se puede leer</translation>
    </message>
</context>
<context>
    <name>vellumora::Trash</name>
    <message>
        <source>Every name for it in %1 is taken.</source>
        <translation>Todos los nombres posibles ya están ocupados en %1.</translation>
    </message>
    <message>
        <source>The file could not be brought back from %1.</source>
        <translation>No se pudo recuperar el archivo de %1.</translation>
    </message>
</context>
<context>
    <name>vellumora::VoiceDialog</name>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>&amp;Say each affirmation</source>
        <translation>&amp;Decir cada afirmación</translation>
    </message>
    <message>
        <source>Say each affirmation</source>
        <translation>Decir cada afirmación</translation>
    </message>
    <message>
        <source>In the show, each new affirmation plays its recording; the music is lowered meanwhile</source>
        <translation>En la presentación, cada afirmación nueva reproduce su grabación; mientras, la música baja</translation>
    </message>
    <message>
        <source>&amp;Read the others aloud</source>
        <translation>&amp;Leer las demás en voz alta</translation>
    </message>
    <message>
        <source>Read the others aloud</source>
        <translation>Leer las demás en voz alta</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>V&amp;oz:</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>slower</source>
        <translation>más lento</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>más rápido</translation>
    </message>
    <message>
        <source>Spee&amp;d:</source>
        <translation>Velo&amp;cidad:</translation>
    </message>
    <message>
        <source>&amp;Hear It</source>
        <translation>&amp;Escuchar</translation>
    </message>
    <message>
        <source>the usual voice for your language</source>
        <translation>la voz habitual de su idioma</translation>
    </message>
    <message>
        <source>Affirmations you have not recorded are read by the computer&apos;s voice</source>
        <translation>Las afirmaciones que no ha grabado las lee la voz del ordenador</translation>
    </message>
    <message>
        <source>I am calm, and I keep my goals in view.</source>
        <translation>Estoy en calma y tengo mis metas a la vista.</translation>
    </message>
    <message>
        <source>The voice options could not be saved.</source>
        <translation>No se pudieron guardar las opciones de voz.</translation>
    </message>
    <message>
        <source>Looking for voices...</source>
        <translation>Buscando voces...</translation>
    </message>
    <message>
        <source>Other languages:</source>
        <translation>Otros idiomas:</translation>
    </message>
</context>
<context>
    <name>vellumora::WebLinks</name>
    <message>
        <source>The user guide could not be opened: no program to show it was found.
You can open it in a web browser by hand:
%1</source>
        <translation>No se pudo abrir la guía: no se ha encontrado ningún programa para mostrarla.
Puedes abrirla tú en un navegador web:
%1</translation>
    </message>
    <message>
        <source>The page could not be opened: no web browser was found.
You can open it by hand:
%1</source>
        <translation>No se pudo abrir la página: no se ha encontrado ningún navegador web.
Puedes abrirla tú:
%1</translation>
    </message>
</context>
<context>
    <name>vellumora::XfceWallpaper</name>
    <message>
        <source>Xfce&apos;s settings service does not answer, so its desktop picture could not be given back.</source>
        <translation>El servicio de configuración de Xfce no responde, así que no se pudo devolver la imagen de su escritorio.</translation>
    </message>
    <message>
        <source>Xfce&apos;s settings service did not answer: %1</source>
        <translation>El servicio de configuración de Xfce no respondió: %1</translation>
    </message>
    <message>
        <source>Xfce names no screen to put the picture on.</source>
        <translation>Xfce no indica ninguna pantalla donde poner la imagen.</translation>
    </message>
    <message>
        <source>Xfce&apos;s settings service did not keep %1.</source>
        <translation>El servicio de configuración de Xfce no conservó %1.</translation>
    </message>
    <message>
        <source>%1 is not a value for Xfce&apos;s setting %2.</source>
        <translation>%1 no es un valor válido para el ajuste %2 de Xfce.</translation>
    </message>
    <message>
        <source>Xfce&apos;s settings service did not take %1: %2</source>
        <translation>El servicio de configuración de Xfce no aceptó %1: %2</translation>
    </message>
</context>
<context>
    <name>vellumora::media</name>
    <message>
        <source>Sound and speech are not available: %1 is missing.</source>
        <translation>El sonido y la voz no están disponibles: falta %1.</translation>
    </message>
    <message>
        <source>Sound and speech are not available: %1 belongs to another version of Vellumora.</source>
        <translation>El sonido y la voz no están disponibles: %1 pertenece a otra versión de Vellumora.</translation>
    </message>
    <message>
        <source>Sound and speech are not available: %1 cannot be opened (%2).</source>
        <translation>El sonido y la voz no están disponibles: no se puede abrir %1 (%2).</translation>
    </message>
</context>
<context>
    <name>vellumora::show</name>
    <message>
        <source>Playing %1</source>
        <translation>Suena %1</translation>
    </message>
    <message>
        <source>Playing %1<byte value="xd"/>
Remaining Time:-%2 Seconds Of %3 Seconds</source>
        <extracomment>%1 is the music&apos;s name, %2 the seconds played, %3 its length in seconds.</extracomment>
        <translation>Suena %1<byte value="xd"/>
%2 de %3 segundos</translation>
    </message>
</context>
</TS>
