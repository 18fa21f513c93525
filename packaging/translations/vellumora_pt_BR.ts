<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AffirmationImport</name>
    <message>
        <source>The file &quot;%1&quot; could not be read.</source>
        <translation>Não foi possível ler o arquivo “%1”.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Não é um arquivo.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large to be a list of affirmations.</source>
        <translation>O arquivo “%1” é grande demais para ser uma lista de afirmações.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty: it holds no affirmations.</source>
        <translation>O arquivo “%1” está vazio: não contém afirmações.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a text file, so nothing was imported. Please choose a plain text file with one affirmation on each line.</source>
        <translation>O arquivo “%1” não é um arquivo de texto, então nada foi importado. Escolha um arquivo de texto simples com uma afirmação por linha.</translation>
    </message>
    <message>
        <source>They are in the new category &quot;%1&quot;.</source>
        <translation>Elas estão na nova categoria “%1”.</translation>
    </message>
    <message numerus="yes">
        <source>%n affirmation(s) were added.</source>
        <translation>
            <numerusform>%n afirmação foi adicionada.</numerusform>
            <numerusform>%n afirmações foram adicionadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) already in the category, or earlier in the file, were passed over.</source>
        <translation>
            <numerusform>%n linha que já estava na categoria, ou antes no arquivo, foi ignorada.</numerusform>
            <numerusform>%n linhas que já estavam na categoria, ou antes no arquivo, foram ignoradas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) longer than %1 characters were passed over, the first of them line %2.</source>
        <translation>
            <numerusform>%n linha com mais de %1 caracteres foi ignorada, a primeira delas a linha %2.</numerusform>
            <numerusform>%n linhas com mais de %1 caracteres foram ignoradas, a primeira delas a linha %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) did not fit, as a category holds at most %1 affirmations; the first of them is line %2.</source>
        <translation>
            <numerusform>%n linha não coube, pois uma categoria contém no máximo %1 afirmações; a primeira delas é a linha %2.</numerusform>
            <numerusform>%n linhas não couberam, pois uma categoria contém no máximo %1 afirmações; a primeira delas é a linha %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>Importadas</translation>
    </message>
    <message>
        <source>The affirmations could not be written to &quot;%1&quot;; nothing was changed there.</source>
        <translation>Não foi possível gravar as afirmações em “%1”; nada foi alterado lá.</translation>
    </message>
    <message numerus="yes">
        <source>%n affirmation(s) were written to &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n afirmação foi gravada em “%1”.</numerusform>
            <numerusform>%n afirmações foram gravadas em “%1”.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blank line(s) were passed over.</source>
        <translation>
            <numerusform>%n linha em branco foi ignorada.</numerusform>
            <numerusform>%n linhas em branco foram ignoradas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>Vellumora backup %1.zip</source>
        <translation>Backup do Vellumora %1.zip</translation>
    </message>
    <message>
        <source>The backup could not be written, so no backup was made.</source>
        <translation>Não foi possível gravar o backup, então nenhum backup foi feito.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Keeps your goals in view: a small slideshow of your pictures with your affirmations.</source>
        <translation>Mantém suas metas à vista: uma pequena apresentação das suas imagens com as suas afirmações.</translation>
    </message>
    <message>
        <source>Starts the show at once with the saved settings; the main window opens when it ends. With Vellumora already running, starts the show there.</source>
        <translation>Inicia a apresentação na hora com as configurações salvas; a janela principal abre quando ela termina. Se o Vellumora já estiver aberto, a apresentação começa nele.</translation>
    </message>
    <message>
        <source>Vellumora needs a graphical desktop: neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>O Vellumora precisa de uma área de trabalho gráfica: nem DISPLAY nem WAYLAND_DISPLAY está definido.
</translation>
    </message>
    <message>
        <source>Runs without a window and only reminds you of your affirmations, as set in Settings. Starting Vellumora again opens its window.</source>
        <translation>Funciona sem janela e apenas lembra você das suas afirmações, conforme as configurações. Iniciar o Vellumora de novo abre a janela.</translation>
    </message>
    <message>
        <source>Puts a new picture with an affirmation on the desktop, as set in Settings, and ends. Ends with status 1, and says why, when it cannot.</source>
        <translation>Coloca na área de trabalho uma nova imagem com uma afirmação, conforme as configurações, e termina. Termina com status 1, dizendo o motivo, quando não consegue.</translation>
    </message>
    <message>
        <source>%1: unknown option &quot;%2&quot;</source>
        <translation>%1: opção desconhecida &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more information.
</source>
        <translation>Experimente &quot;%1 --help&quot; para saber mais.
</translation>
    </message>
    <message>
        <source>Writes your board of pictures and affirmations to FILE, a PNG or JPEG picture or a PDF, and ends. Ends with status 1, and says why, when it cannot.</source>
        <translation>Grava seu quadro de imagens e afirmações em FILE, uma imagem PNG ou JPEG ou um PDF, e termina. Termina com status 1, dizendo o motivo, quando não consegue.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>With --board: the size of the board, A4, A3, Letter, phone or WIDTHxHEIGHT in pixels. Without it, the size chosen in the board&apos;s window.</source>
        <translation>Com --board: o tamanho do quadro, A4, A3, Letter, phone ou WIDTHxHEIGHT em pixels. Sem esta opção, o tamanho escolhido na janela do quadro.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>SIZE</translation>
    </message>
    <message>
        <source>--size goes with --board FILE.
</source>
        <translation>--size só funciona junto com --board FILE.
</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>The file is already in the library folder.</source>
        <translation>O arquivo já está na pasta da biblioteca.</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>&amp;Open Folder</source>
        <translation>&amp;Abrir a pasta</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Não foi possível iniciar a impressora.</translation>
    </message>
    <message>
        <source>The printer did not take the page.</source>
        <translation>A impressora não aceitou a página.</translation>
    </message>
</context>
<context>
    <name>RestorePlan</name>
    <message numerus="yes">
        <source>Add the category &quot;%1&quot; with %n affirmations</source>
        <translation>
            <numerusform>Adicionar a categoria &quot;%1&quot; com %n afirmação</numerusform>
            <numerusform>Adicionar a categoria &quot;%1&quot; com %n afirmações</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n affirmations to &quot;%1&quot;</source>
        <translation>
            <numerusform>Adicionar %n afirmação a &quot;%1&quot;</numerusform>
            <numerusform>Adicionar %n afirmações a &quot;%1&quot;</numerusform>
        </translation>
    </message>
    <message>
        <source>Add the picture &quot;%1&quot;</source>
        <translation>Adicionar a imagem &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Add the picture &quot;%1&quot; as &quot;%2&quot;</source>
        <translation>Adicionar a imagem &quot;%1&quot; como &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Skip the picture &quot;%1&quot;: the library has it already</source>
        <translation>Pular a imagem &quot;%1&quot;: a biblioteca já a tem</translation>
    </message>
    <message>
        <source>&quot;%1&quot; points outside the library and is left out.</source>
        <translation>&quot;%1&quot; aponta para fora da biblioteca e fica de fora.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link, not a file, and is left out.</source>
        <translation>&quot;%1&quot; é um link, não um arquivo, e fica de fora.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than the backup says and is left out.</source>
        <translation>&quot;%1&quot; é maior do que o backup informa e fica de fora.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and is left out.</source>
        <translation>&quot;%1&quot; está danificado e fica de fora.</translation>
    </message>
    <message>
        <source>A file whose name cannot be read is left out.</source>
        <translation>Um arquivo cujo nome não pode ser lido fica de fora.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no part of a library and is left out.</source>
        <translation>&quot;%1&quot; não faz parte de uma biblioteca e fica de fora.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a name the library cannot keep and is left out.</source>
        <translation>&quot;%1&quot; tem um nome que a biblioteca não pode guardar e fica de fora.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; could not be opened, so nothing was brought back.</source>
        <translation>Não foi possível abrir o backup &quot;%1&quot;, então nada foi restaurado.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; is damaged, so nothing was brought back.</source>
        <translation>O backup &quot;%1&quot; está danificado, então nada foi restaurado.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; holds more than %L2 files, more than any library, so nothing was brought back.</source>
        <translation>O backup &quot;%1&quot; contém mais de %L2 arquivos, mais do que qualquer biblioteca, então nada foi restaurado.</translation>
    </message>
    <message>
        <source>The backup needs more room than the library&apos;s disk has free, so nothing was brought back.</source>
        <translation>O backup precisa de mais espaço do que o disco da biblioteca tem livre, então nada foi restaurado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no Vellumora library, so nothing was brought back.</source>
        <translation>&quot;%1&quot; não contém nenhuma biblioteca do Vellumora, então nada foi restaurado.</translation>
    </message>
    <message>
        <source>A list of the library could not be read, so nothing was brought back.</source>
        <translation>Não foi possível ler uma lista da biblioteca, então nada foi restaurado.</translation>
    </message>
    <message>
        <source>The backup could not be brought back whole. The files written so far are whole, and the library lists only files that are there.</source>
        <translation>Não foi possível restaurar o backup inteiro. Os arquivos gravados até agora estão completos, e a biblioteca lista apenas arquivos que existem.</translation>
    </message>
    <message>
        <source>The settings could not be brought back; the library was.</source>
        <translation>Não foi possível restaurar as configurações; a biblioteca, sim.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is left out: the library keeps its own recording of that affirmation.</source>
        <translation>&quot;%1&quot; fica de fora: a biblioteca mantém a própria gravação dessa afirmação.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; records no affirmation the backup brings back and is left out.</source>
        <translation>&quot;%1&quot; não grava nenhuma afirmação que o backup restaura e fica de fora.</translation>
    </message>
    <message numerus="yes">
        <source>A restore of a backup was cut short. The %n file(s) it had written that no list of the library names were taken away.</source>
        <translation>
            <numerusform>Uma restauração de backup foi interrompida. O %n arquivo que ela tinha gravado e que nenhuma lista da biblioteca nomeia foi removido.</numerusform>
            <numerusform>Uma restauração de backup foi interrompida. Os %n arquivos que ela tinha gravado e que nenhuma lista da biblioteca nomeia foram removidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is left out: the library keeps its own board.</source>
        <translation>&quot;%1&quot; fica de fora: a biblioteca mantém o próprio quadro.</translation>
    </message>
</context>
<context>
    <name>vellumora::AboutDialog</name>
    <message>
        <source>Vellumora is a visualization tool: post your daily visions, goals, motivational messages and favourite sayings on it, and a small slideshow keeps them in view while you work, until they come true.</source>
        <translation>O Vellumora é o seu quadro de visualização: anote nele suas visões, metas, mensagens de motivação e frases favoritas, e uma pequena apresentação as mostra enquanto você trabalha, até que se realizem.</translation>
    </message>
    <message>
        <source>Your library is in %1</source>
        <translation>Sua biblioteca está em %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click here to visit the Vellumora user guide</source>
        <translation>Clique aqui para consultar o guia do Vellumora</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Clique aqui para visitar %1</translation>
    </message>
</context>
<context>
    <name>vellumora::AffirmationLibraryPanel</name>
    <message>
        <source>Affirmation Library</source>
        <translation>Biblioteca de afirmações</translation>
    </message>
    <message>
        <source>Add the affirmations of a text file, one on each line.</source>
        <translation>Adicionar as afirmações de um arquivo de texto, uma por linha.</translation>
    </message>
    <message>
        <source>Write the chosen category&apos;s affirmations to a text file.</source>
        <translation>Gravar as afirmações da categoria escolhida em um arquivo de texto.</translation>
    </message>
    <message>
        <source>Import Affirmations</source>
        <translation>Importar afirmações</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Arquivos de texto</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>Add the affirmations of &quot;%1&quot; to the category &quot;%2&quot;? No puts them into a new category named after the file.</source>
        <translation>Adicionar as afirmações de “%1” à categoria “%2”? Não as coloca em uma nova categoria com o nome do arquivo.</translation>
    </message>
    <message>
        <source>Reading the affirmations...</source>
        <translation>Lendo as afirmações...</translation>
    </message>
    <message>
        <source>Export Affirmations</source>
        <translation>Exportar afirmações</translation>
    </message>
    <message>
        <source>&amp;Import Affirmations...</source>
        <translation>&amp;Importar afirmações...</translation>
    </message>
    <message>
        <source>&amp;Export Affirmations...</source>
        <translation>&amp;Exportar afirmações...</translation>
    </message>
</context>
<context>
    <name>vellumora::AffirmationList</name>
    <message>
        <source>Affirmations</source>
        <translation>Afirmações</translation>
    </message>
    <message>
        <source>The affirmations of &quot;%1&quot; could not be read.</source>
        <translation>Não foi possível ler as afirmações de “%1”.</translation>
    </message>
    <message>
        <source>Please create or select a category first.</source>
        <translation>Primeiro crie ou escolha uma categoria.</translation>
    </message>
    <message>
        <source>The affirmations of &quot;%1&quot; could not be read, so they are not changed.</source>
        <translation>Não foi possível ler as afirmações de “%1”, então elas não foram alteradas.</translation>
    </message>
    <message>
        <source>The affirmations could not be saved, so the change was undone.</source>
        <translation>Não foi possível salvar as afirmações, então a alteração foi desfeita.</translation>
    </message>
    <message>
        <source>This category already holds %1 affirmations, the most it can hold.</source>
        <translation>Esta categoria já tem %1 afirmações, o máximo possível.</translation>
    </message>
    <message>
        <source>Please Enter Text to edit</source>
        <translation>Digite o texto que você quer editar.</translation>
    </message>
    <message>
        <source>There Is No Item To Delete</source>
        <translation>Não há nada para excluir.</translation>
    </message>
    <message>
        <source>%1 (recorded)</source>
        <translation>%1 (gravada)</translation>
    </message>
    <message>
        <source>This affirmation has a recording.</source>
        <translation>Esta afirmação tem uma gravação.</translation>
    </message>
    <message>
        <source>This affirmation has no recording.</source>
        <translation>Esta afirmação não tem gravação.</translation>
    </message>
    <message>
        <source>The recording could not be moved to the Trash.</source>
        <translation>Não foi possível mover a gravação para a lixeira.</translation>
    </message>
    <message>
        <source>Its recording could not be moved to the Trash, so it stays.</source>
        <translation>Não foi possível mover a gravação para a lixeira, então ela fica.</translation>
    </message>
    <message>
        <source>The affirmations of &quot;%1&quot; were changed by another program but cannot be read, so they are shown as they were.</source>
        <translation>As afirmações de &quot;%1&quot; foram alteradas por outro programa, mas não podem ser lidas, então são mostradas como estavam.</translation>
    </message>
    <message>
        <source>This category can hold only %1 affirmations.</source>
        <translation>Esta categoria só pode conter %1 afirmações.</translation>
    </message>
</context>
<context>
    <name>vellumora::AffirmationPanel</name>
    <message>
        <source>Affirmations</source>
        <translation>Afirmações</translation>
    </message>
    <message>
        <source>Affirmation text</source>
        <translation>Texto da afirmação</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;dicionar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Edi&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>Double quotes cannot be kept in an affirmation. Please use single quotes.</source>
        <translation>Aspas duplas não podem ficar em uma afirmação. Use aspas simples.</translation>
    </message>
    <message>
        <source>Too long to show here</source>
        <translation>Longo demais para mostrar aqui</translation>
    </message>
    <message>
        <source>Press Add, type the affirmation, then press Update to keep it.</source>
        <translation>Clique em Adicionar, escreva a afirmação e depois clique em Salvar.</translation>
    </message>
    <message>
        <source>This affirmation holds %1 characters, more than this field takes. It is kept whole.</source>
        <translation>Esta afirmação tem %1 caracteres, mais do que cabe neste campo. Ela é mantida inteira.</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Sa&amp;lvar</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Gravar</translation>
    </message>
    <message>
        <source>Record yourself saying the chosen affirmation, for up to a minute.</source>
        <translation>Grave-se dizendo a afirmação escolhida, por até um minuto.</translation>
    </message>
    <message>
        <source>Liste&amp;n</source>
        <translation>&amp;Ouvir</translation>
    </message>
    <message>
        <source>Hear the chosen affirmation&apos;s recording.</source>
        <translation>Ouvir a gravação da afirmação escolhida.</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mais</translation>
    </message>
    <message>
        <source>More for recordings</source>
        <translation>Mais para gravações</translation>
    </message>
    <message>
        <source>Import Recording...</source>
        <translation>Importar gravação...</translation>
    </message>
    <message>
        <source>Remove Recording</source>
        <translation>Remover a gravação</translation>
    </message>
    <message>
        <source>This affirmation already has a recording. Replace it? The one it has goes to the Trash.</source>
        <translation>Esta afirmação já tem uma gravação. Substituí-la? A que ela tem vai para a lixeira.</translation>
    </message>
    <message>
        <source>This affirmation has no recording any more.</source>
        <translation>Esta afirmação não tem mais gravação.</translation>
    </message>
    <message>
        <source>Import Recording</source>
        <translation>Importar gravação</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Gravações</translation>
    </message>
    <message>
        <source>No affirmations here yet: type one in the field above and click Add.</source>
        <translation>Ainda não há afirmações aqui: escreva uma no campo acima e clique em Adicionar.</translation>
    </message>
</context>
<context>
    <name>vellumora::BackupJob</name>
    <message>
        <source>The library was backed up in &quot;%1&quot;.</source>
        <translation>A biblioteca foi salva em &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Backing up your library...</source>
        <translation>Fazendo backup da sua biblioteca...</translation>
    </message>
</context>
<context>
    <name>vellumora::Board</name>
    <message>
        <source>The board&apos;s file &quot;%1&quot; cannot be read, and is kept as it is. Changes to the board are not kept until it is mended or taken away.</source>
        <translation>Não é possível ler o arquivo do quadro, &quot;%1&quot;, então ele fica como está. As alterações no quadro não são salvas até que ele seja consertado ou removido.</translation>
    </message>
    <message>
        <source>The board could not be saved.</source>
        <translation>Não foi possível salvar o quadro.</translation>
    </message>
    <message>
        <source>A board holds at most %1 pictures. Untick one before you tick another.</source>
        <translation>Um quadro comporta no máximo %1 imagens. Desmarque uma antes de marcar outra.</translation>
    </message>
    <message>
        <source>Your board is empty. Add pictures to your library, or tick affirmations and their categories, and they are on it.</source>
        <translation>Seu quadro está vazio. Adicione imagens à sua biblioteca, ou marque afirmações e as categorias delas, e elas aparecerão nele.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read, and is left off the board.</source>
        <translation>Não é possível ler a imagem &quot;%1&quot;, então ela fica fora do quadro.</translation>
    </message>
</context>
<context>
    <name>vellumora::BoardChoices</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>this is not a text file.</source>
        <translation>este não é um arquivo de texto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour such as #f6f1e7.</source>
        <translation>&quot;%1&quot; não é uma cor como #f6f1e7.</translation>
    </message>
    <message>
        <source>the margin must be a whole number from 0 to %1.</source>
        <translation>a margem (Margin) deve ser um número inteiro de 0 a %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size the board is made at.</source>
        <translation>&quot;%1&quot; não é um tamanho possível para o quadro.</translation>
    </message>
    <message>
        <source>the orientation must be Portrait or Landscape.</source>
        <translation>a orientação (Orientation) deve ser Portrait ou Landscape.</translation>
    </message>
</context>
<context>
    <name>vellumora::BoardOutput</name>
    <message>
        <source>The board could not be saved as &quot;%1&quot;.</source>
        <translation>Não foi possível salvar o quadro como &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>There is not enough memory for a picture so large.</source>
        <translation>Não há memória suficiente para uma imagem tão grande.</translation>
    </message>
    <message>
        <source>A board is saved as a PNG or JPEG picture or as a PDF.</source>
        <translation>Um quadro é salvo como imagem PNG ou JPEG ou como PDF.</translation>
    </message>
</context>
<context>
    <name>vellumora::BoardWindow</name>
    <message>
        <source>My Board</source>
        <translation>Meu quadro</translation>
    </message>
    <message>
        <source>My vision board 2027</source>
        <translation>Meu quadro de visão 2027</translation>
    </message>
    <message>
        <source>This screen</source>
        <translation>Esta tela</translation>
    </message>
    <message>
        <source>Phone, 1170 x 2532</source>
        <translation>Celular, 1170 x 2532</translation>
    </message>
    <message>
        <source>Phone, 1080 x 2400</source>
        <translation>Celular, 1080 x 2400</translation>
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
        <translation>Outro tamanho</translation>
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
        <translation>&amp;Paisagem</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Background &amp;Colour...</source>
        <translation>&amp;Cor de fundo...</translation>
    </message>
    <message>
        <source>&amp;Shuffle</source>
        <translation>&amp;Embaralhar</translation>
    </message>
    <message>
        <source>Save as &amp;Picture...</source>
        <translation>Salvar como &amp;imagem...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Salvar como P&amp;DF...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>Imp&amp;rimir...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>Taman&amp;ho:</translation>
    </message>
    <message>
        <source>&amp;Margin:</source>
        <translation>&amp;Margem:</translation>
    </message>
    <message>
        <source>Pictures &amp;on the board:</source>
        <translation>Imagens &amp;no quadro:</translation>
    </message>
    <message>
        <source>Background of the Board</source>
        <translation>Fundo do quadro</translation>
    </message>
    <message>
        <source>My board</source>
        <translation>Meu quadro</translation>
    </message>
    <message>
        <source>Saving the board...</source>
        <translation>Salvando o quadro...</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>JPEG picture (*.jpg *.jpeg)</source>
        <translation>Imagem JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Save the Board as a Picture</source>
        <translation>Salvar o quadro como imagem</translation>
    </message>
    <message>
        <source>Save the Board as a PDF</source>
        <translation>Salvar o quadro como PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The board could not be printed.</source>
        <translation>Não foi possível imprimir o quadro.</translation>
    </message>
</context>
<context>
    <name>vellumora::BusDesktopPicture</name>
    <message>
        <source>No picture was given for the desktop.</source>
        <translation>Nenhuma imagem foi indicada para a área de trabalho.</translation>
    </message>
    <message>
        <source>The picture %1 does not exist.</source>
        <translation>A imagem %1 não existe.</translation>
    </message>
    <message>
        <source>None of the desktop&apos;s services for its picture answers.</source>
        <translation>Nenhum dos serviços da área de trabalho responsáveis pela imagem responde.</translation>
    </message>
    <message>
        <source>The desktop keeps no picture setting %1.</source>
        <translation>A área de trabalho não tem a configuração de imagem %1.</translation>
    </message>
</context>
<context>
    <name>vellumora::BusScreenSaver</name>
    <message>
        <source>A full screen show is running</source>
        <translation>Uma apresentação em tela cheia está em andamento</translation>
    </message>
</context>
<context>
    <name>vellumora::CategoryIndex</name>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the category list named no usable category and were left out.</source>
        <translation>
            <numerusform>%n linha da lista de categorias não indicava uma categoria válida e foi ignorada.</numerusform>
            <numerusform>%n linhas da lista de categorias não indicavam uma categoria válida e foram ignoradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The category list could not be read, so it is shown empty and not rewritten.</source>
        <translation>Não foi possível ler a lista de categorias, então ela aparece vazia e não é regravada.</translation>
    </message>
    <message>
        <source>The category list could not be saved.</source>
        <translation>Não foi possível salvar a lista de categorias.</translation>
    </message>
    <message>
        <source>The category list could not be read when the program started, so it cannot be changed now.</source>
        <translation>Não foi possível ler a lista de categorias quando o programa iniciou, então ela não pode ser alterada agora.</translation>
    </message>
    <message>
        <source>The category list could not be saved, so the change was undone.</source>
        <translation>Não foi possível salvar a lista de categorias, então a alteração foi desfeita.</translation>
    </message>
    <message>
        <source>A category name may hold only letters and spaces, and at least one letter.</source>
        <translation>O nome de uma categoria só pode ter letras e espaços, com pelo menos uma letra.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be created.</source>
        <translation>Não foi possível criar a categoria “%1”.</translation>
    </message>
    <message>
        <source>The category list already holds %1 categories, the most it can hold.</source>
        <translation>A lista de categorias já tem %1 categorias, o máximo possível.</translation>
    </message>
    <message>
        <source>There Is No Item To Delete</source>
        <translation>Não há nada para excluir.</translation>
    </message>
    <message>
        <source>The file of the category &quot;%1&quot; could not be moved to the Trash, so it stays in the library folder.</source>
        <translation>Não foi possível mover o arquivo da categoria “%1” para a lixeira, então ele continua na pasta da biblioteca.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; cannot be brought back under another name.</source>
        <translation>A categoria “%1” não pode ser recuperada com outro nome.</translation>
    </message>
    <message>
        <source>This category name is too long to name a file. Please choose a shorter one.</source>
        <translation>Este nome de categoria é longo demais para um nome de arquivo. Escolha um mais curto.</translation>
    </message>
    <message>
        <source>The recordings of the category &quot;%1&quot; could not be moved to the Trash, so they stay in the library folder.</source>
        <translation>Não foi possível mover as gravações da categoria &quot;%1&quot; para a lixeira, então elas ficam na pasta da biblioteca.</translation>
    </message>
    <message>
        <source>The category list was changed by another program but cannot be read, so it is shown as it was.</source>
        <translation>A lista de categorias foi alterada por outro programa, mas não pode ser lida, então é mostrada como estava.</translation>
    </message>
</context>
<context>
    <name>vellumora::CategoryPanel</name>
    <message>
        <source>Affirmations Category</source>
        <translation>Categorias de afirmações</translation>
    </message>
    <message>
        <source>New category name</source>
        <translation>Nome da nova categoria</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>C&amp;riar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorias</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Digite apenas letras.</translation>
    </message>
    <message>
        <source>No categories yet: type a name in the field above and click Create.</source>
        <translation>Ainda não há categorias: escreva um nome no campo acima e clique em Criar.</translation>
    </message>
</context>
<context>
    <name>vellumora::DeleteHistory</name>
    <message>
        <source>the category &quot;%1&quot;</source>
        <translation>a categoria “%1”</translation>
    </message>
    <message>
        <source>the affirmation &quot;%1&quot;</source>
        <translation>a afirmação “%1”</translation>
    </message>
    <message>
        <source>the picture &quot;%1&quot;</source>
        <translation>a imagem “%1”</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; is no longer in the list, so its affirmation cannot be brought back.</source>
        <translation>A categoria “%1” não está mais na lista, então a afirmação dela não pode ser recuperada.</translation>
    </message>
    <message>
        <source>Vellumora cannot bring back %1: its file is no longer in the Trash.</source>
        <translation>O Vellumora não pode recuperar %1: o arquivo não está mais na lixeira.</translation>
    </message>
    <message>
        <source>the recording of &quot;%1&quot;</source>
        <translation>a gravação de &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>vellumora::DesktopChanger</name>
    <message>
        <source>The desktop picture cannot be saved in %1: the folder cannot be written.</source>
        <translation>A imagem da área de trabalho não pode ser salva em %1: não é possível gravar na pasta.</translation>
    </message>
    <message>
        <source>No desktop service answered: Vellumora cannot set this desktop&apos;s picture.</source>
        <translation>Nenhum serviço da área de trabalho respondeu: o Vellumora não consegue definir a imagem desta área de trabalho.</translation>
    </message>
    <message>
        <source>There are no pictures in your library to put on the desktop.</source>
        <translation>Sua biblioteca não tem imagens para colocar na área de trabalho.</translation>
    </message>
    <message>
        <source>No affirmation is ticked: tick one to write it on the desktop picture.</source>
        <translation>Nenhuma afirmação está marcada: marque uma para escrevê-la na imagem da área de trabalho.</translation>
    </message>
    <message>
        <source>None of the pictures in your library can be read.</source>
        <translation>Nenhuma das imagens da sua biblioteca pode ser lida.</translation>
    </message>
    <message>
        <source>The desktop picture cannot be saved in %1: the folder cannot be made.</source>
        <translation>A imagem da área de trabalho não pode ser salva em %1: não é possível criar a pasta.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read.</source>
        <translation>Não é possível ler a imagem %1.</translation>
    </message>
    <message>
        <source>The desktop picture cannot be saved in %1: %2</source>
        <translation>A imagem da área de trabalho não pode ser salva em %1: %2</translation>
    </message>
    <message>
        <source>Your desktop picture settings cannot be kept, so the picture is left as it is: %1</source>
        <translation>As configurações da sua imagem da área de trabalho não podem ser guardadas, então a imagem fica como está: %1</translation>
    </message>
    <message>
        <source>No desktop service answered, so the desktop picture is not set. It is saved in %1.</source>
        <translation>Nenhum serviço da área de trabalho respondeu, então a imagem não foi definida. Ela está salva em %1.</translation>
    </message>
    <message>
        <source>The desktop picture could not be set: %1</source>
        <translation>Não foi possível definir a imagem da área de trabalho: %1</translation>
    </message>
    <message>
        <source>Vellumora has not changed your desktop picture: there is nothing to give back.</source>
        <translation>O Vellumora não mudou a imagem da sua área de trabalho: não há nada a devolver.</translation>
    </message>
    <message>
        <source>Your desktop picture could not be given back: %1</source>
        <translation>Não foi possível devolver a imagem da sua área de trabalho: %1</translation>
    </message>
    <message>
        <source>The desktop picture settings kept in %1 cannot be read, so nothing is given back.</source>
        <translation>As configurações da imagem da área de trabalho guardadas em %1 não podem ser lidas, então nada é devolvido.</translation>
    </message>
</context>
<context>
    <name>vellumora::DesktopPictureDialog</name>
    <message>
        <source>Desktop Picture</source>
        <translation>Imagem da área de trabalho</translation>
    </message>
    <message>
        <source>&amp;Change my desktop picture:</source>
        <translation>&amp;Trocar a imagem da minha área de trabalho:</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>every hour</source>
        <translation>a cada hora</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>todo dia</translation>
    </message>
    <message>
        <source>with each reminder</source>
        <translation>a cada lembrete</translation>
    </message>
    <message>
        <source>While Vellumora runs, also in the background, it puts a new picture with an affirmation on your desktop</source>
        <translation>Enquanto o Vellumora funciona, também em segundo plano, ele coloca uma nova imagem com uma afirmação na sua área de trabalho</translation>
    </message>
    <message>
        <source>Also on the &amp;lock screen</source>
        <translation>Também na tela de &amp;bloqueio</translation>
    </message>
    <message>
        <source>The desktop picture options could not be saved.</source>
        <translation>Não foi possível salvar as opções da imagem da área de trabalho.</translation>
    </message>
    <message>
        <source>&amp;Put on the desktop:</source>
        <translation>Co&amp;locar na área de trabalho:</translation>
    </message>
    <message>
        <source>a picture with an affirmation</source>
        <translation>uma imagem com uma afirmação</translation>
    </message>
    <message>
        <source>my board</source>
        <translation>meu quadro</translation>
    </message>
</context>
<context>
    <name>vellumora::FontColourDialog</name>
    <message>
        <source>Colour:</source>
        <translation>Cor:</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Cor</translation>
    </message>
</context>
<context>
    <name>vellumora::GnomeWallpaper</name>
    <message>
        <source>The desktop has no setting %1 in %2.</source>
        <translation>A área de trabalho não tem a configuração %1 em %2.</translation>
    </message>
    <message>
        <source>The desktop&apos;s setting %1 in %2 is locked.</source>
        <translation>A configuração %1 em %2 da área de trabalho está bloqueada.</translation>
    </message>
    <message>
        <source>The desktop&apos;s setting %1 in %2 does not take the value %3.</source>
        <translation>A configuração %1 em %2 da área de trabalho não aceita o valor %3.</translation>
    </message>
    <message>
        <source>The desktop refused the new value of %1 in %2.</source>
        <translation>A área de trabalho recusou o novo valor de %1 em %2.</translation>
    </message>
    <message>
        <source>The value %1 of the desktop&apos;s setting %2 in %3 cannot be read: %4</source>
        <translation>Não é possível ler o valor %1 da configuração %2 em %3 da área de trabalho: %4</translation>
    </message>
    <message>
        <source>GNOME&apos;s settings cannot be reached, so the desktop picture could not be given back.</source>
        <translation>As configurações do GNOME estão inacessíveis, então não foi possível devolver a imagem da área de trabalho.</translation>
    </message>
    <message>
        <source>GNOME&apos;s settings for the desktop picture cannot be reached.</source>
        <translation>As configurações do GNOME para a imagem da área de trabalho estão inacessíveis.</translation>
    </message>
    <message>
        <source>GNOME&apos;s setting %1 in %2 still holds %3.</source>
        <translation>A configuração %1 em %2 do GNOME ainda contém %3.</translation>
    </message>
</context>
<context>
    <name>vellumora::ImageLibraryPanel</name>
    <message>
        <source>Image Library</source>
        <translation>Biblioteca de imagens</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniaturas</translation>
    </message>
    <message>
        <source>Scroll the thumbnails</source>
        <translation>Rolar as miniaturas</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Delete Picture</source>
        <translation>&lt;&lt; E&amp;xcluir imagem</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Add Picture</source>
        <translation>&lt;&lt; A&amp;dicionar imagem</translation>
    </message>
    <message>
        <source>All Pictures</source>
        <translation>Todas as imagens</translation>
    </message>
    <message>
        <source>BMP File (*.bmp*)|*.bmp|JPG File(*.jpg)|*.jpg|JPEG Files (*.jpeg)|*.jpeg|PNG File (*.png)|*.png|WebP File (*.webp)|*.webp|TIFF File (*.tif, *.tiff)|*.tif;*.tiff|GIF File (*.gif)|*.gif</source>
        <translation>Arquivo BMP (*.bmp*)|*.bmp|Arquivo JPG (*.jpg)|*.jpg|Arquivos JPEG (*.jpeg)|*.jpeg|Arquivo PNG (*.png)|*.png|Arquivo WebP (*.webp)|*.webp|Arquivo TIFF (*.tif, *.tiff)|*.tif;*.tiff|Arquivo GIF (*.gif)|*.gif</translation>
    </message>
    <message>
        <source>No pictures yet: click Add Picture, or drop picture files here.</source>
        <translation>Ainda não há imagens: clique em Adicionar imagem, ou solte arquivos de imagem aqui.</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>Adicionar imagens</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Adicionar pasta</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no picture Vellumora can read, so nothing was added.</source>
        <translation>A pasta “%1” não contém nenhuma imagem que o Vellumora consiga ler, então nada foi adicionado.</translation>
    </message>
</context>
<context>
    <name>vellumora::Library</name>
    <message>
        <source>A sync tool kept a second version of a library file: &quot;%1&quot;. Vellumora does not read it: copy what you want to keep into the file it belongs to, then delete it.</source>
        <translation>Uma ferramenta de sincronização guardou uma segunda versão de um arquivo da biblioteca: &quot;%1&quot;. O Vellumora não a lê: copie o que quiser manter para o arquivo ao qual ela pertence e depois apague-a.</translation>
    </message>
    <message>
        <source>The folder of your library, &quot;%1&quot;, has gone. Vellumora changes nothing in it until it is back.</source>
        <translation>A pasta da sua biblioteca, &quot;%1&quot;, sumiu. O Vellumora não muda nada nela até que ela volte.</translation>
    </message>
</context>
<context>
    <name>vellumora::LibraryFolder</name>
    <message>
        <source>The folder could not be made.</source>
        <translation>Não foi possível criar a pasta.</translation>
    </message>
    <message>
        <source>Vellumora cannot keep your library in &quot;%1&quot;, so it cannot start.</source>
        <translation>O Vellumora não pode guardar sua biblioteca em “%1”, então não pode iniciar.</translation>
    </message>
    <message>
        <source>Vellumora cannot find a folder of yours to keep your library in, so it cannot start.</source>
        <translation>O Vellumora não encontra nenhuma pasta sua para guardar sua biblioteca, então não pode iniciar.</translation>
    </message>
    <message>
        <source>A file of that name is in the way.</source>
        <translation>Há um arquivo com esse nome no caminho.</translation>
    </message>
    <message>
        <source>You may not write there.</source>
        <translation>Você não tem permissão para gravar ali.</translation>
    </message>
    <message>
        <source>A copied file differs from its original.</source>
        <translation>Um arquivo copiado difere do original.</translation>
    </message>
    <message>
        <source>Your library is in that folder already.</source>
        <translation>Sua biblioteca já está nessa pasta.</translation>
    </message>
    <message>
        <source>That folder is part of your library. Please choose one outside it.</source>
        <translation>Essa pasta faz parte da sua biblioteca. Escolha uma fora dela.</translation>
    </message>
    <message>
        <source>That folder holds other files. Please choose an empty folder, or one that holds a Vellumora library.</source>
        <translation>Essa pasta contém outros arquivos. Escolha uma pasta vazia ou uma que contenha uma biblioteca do Vellumora.</translation>
    </message>
</context>
<context>
    <name>vellumora::LibraryMove</name>
    <message>
        <source>Your library could not be copied to &quot;%1&quot;, so it stays where it is.</source>
        <translation>Não foi possível copiar sua biblioteca para &quot;%1&quot;, então ela fica onde está.</translation>
    </message>
    <message>
        <source>Vellumora could not note where your library is, so it stays in &quot;%1&quot;.</source>
        <translation>O Vellumora não conseguiu anotar onde está sua biblioteca, então ela fica em &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Your library is now in &quot;%1&quot;, but some of it could not be taken out of &quot;%2&quot;.</source>
        <translation>Sua biblioteca agora está em &quot;%1&quot;, mas parte dela não pôde ser retirada de &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Copying your library...</source>
        <translation>Copiando sua biblioteca...</translation>
    </message>
    <message>
        <source>Taking your library out of its old folder...</source>
        <translation>Retirando sua biblioteca da pasta antiga...</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds a library already. Use that library from now on? Yours stays as it is in &quot;%2&quot;.</source>
        <translation>A pasta &quot;%1&quot; já contém uma biblioteca. Usar essa biblioteca a partir de agora? A sua fica como está em &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Move your library to &quot;%1&quot;?

Yes: it is copied there, checked, and then taken out of &quot;%2&quot;.
No: it is copied there, and the one in &quot;%2&quot; stays as it is.</source>
        <translation>Mover sua biblioteca para &quot;%1&quot;?

Sim: ela é copiada para lá, verificada e depois retirada de &quot;%2&quot;.
Não: ela é copiada para lá, e a de &quot;%2&quot; fica como está.</translation>
    </message>
</context>
<context>
    <name>vellumora::LoginStart</name>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Não foi possível criar a pasta “%1”.</translation>
    </message>
</context>
<context>
    <name>vellumora::LongWork</name>
    <message>
        <source>%1

%2 of %3 files, %4 of %5</source>
        <extracomment>%1 says what is done; then files and bytes done so far, of all there are.</extracomment>
        <translation>%1

%2 de %3 arquivos, %4 de %5</translation>
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
        <translation>Clique aqui para visitar a página do Vellumora: ideias, dicas e atualizações</translation>
    </message>
    <message>
        <source>Vellumora keeps your vision board in view: post your daily visions, goals, motivational messages and sayings here, and see them every day until they come true.</source>
        <translation>O Vellumora mantém seu quadro de visualização à vista: anote aqui suas visões, metas, mensagens de motivação e frases, e veja-as todos os dias até que se realizem.</translation>
    </message>
    <message>
        <source>Select The Image and affirmation category to display your vision board</source>
        <translation>Escolha as imagens e as categorias de afirmações do seu quadro de visualização</translation>
    </message>
    <message>
        <source>Image &amp;Library</source>
        <translation>Biblioteca de &amp;imagens</translation>
    </message>
    <message>
        <source>Affirmation Li&amp;brary</source>
        <translation>Biblioteca de afir&amp;mações</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>F&amp;ont</source>
        <translation>&amp;Fonte</translation>
    </message>
    <message>
        <source>About Soft&amp;ware </source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>Desfazer a exclusão</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>I&amp;niciar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>A&amp;juda on-line</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nosso site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Procurar &amp;atualização</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o Vellumora</translation>
    </message>
    <message>
        <source>Bring back %1 (%2)</source>
        <translation>Recuperar %1 (%2)</translation>
    </message>
    <message>
        <source>Nothing deleted to bring back</source>
        <translation>Nada excluído para recuperar</translation>
    </message>
    <message>
        <source>&amp;Put on My Desktop</source>
        <translation>&amp;Colocar na minha área de trabalho</translation>
    </message>
    <message>
        <source>&amp;Give Back My Desktop Picture</source>
        <translation>&amp;Devolver minha imagem da área de trabalho</translation>
    </message>
    <message>
        <source>&amp;Desktop Picture Options…</source>
        <translation>&amp;Opções da imagem da área de trabalho…</translation>
    </message>
    <message>
        <source>Your vision board is now your desktop picture.</source>
        <translation>Seu quadro de visão agora é a imagem da sua área de trabalho.</translation>
    </message>
    <message>
        <source>Your own desktop picture is back.</source>
        <translation>Sua própria imagem da área de trabalho voltou.</translation>
    </message>
    <message>
        <source>&amp;Keep My Library In...</source>
        <translation>Guardar minha bi&amp;blioteca em...</translation>
    </message>
    <message>
        <source>&amp;Back Up My Vision Board...</source>
        <translation>&amp;Fazer backup do meu quadro de visão...</translation>
    </message>
    <message>
        <source>B&amp;ring Back a Backup...</source>
        <translation>Res&amp;taurar um backup...</translation>
    </message>
    <message>
        <source>Keep My Library In</source>
        <translation>Guardar minha biblioteca em</translation>
    </message>
    <message>
        <source>Add a &amp;Folder of Pictures...</source>
        <translation>Adicionar uma &amp;pasta de imagens...</translation>
    </message>
    <message>
        <source>&amp;Make My Board...</source>
        <translation>&amp;Montar meu quadro...</translation>
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
        <translation>Não foi possível ler a lista de imagens, então a biblioteca aparece vazia e a lista fica como está.</translation>
    </message>
    <message>
        <source>The picture list could not be read when the program started, so it cannot be changed now.</source>
        <translation>Não foi possível ler a lista de imagens quando o programa iniciou, então ela não pode ser alterada agora.</translation>
    </message>
    <message>
        <source>The picture list could not be saved, so the library stays as it was.</source>
        <translation>Não foi possível salvar a lista de imagens, então a biblioteca fica como estava.</translation>
    </message>
    <message>
        <source>This Picture is Already available Please Select Another Picture </source>
        <translation>Esta imagem já está na biblioteca. Escolha outra.</translation>
    </message>
    <message>
        <source>A picture named &quot;%1&quot; cannot be kept in the library. Please rename the file and add it again.</source>
        <translation>Uma imagem chamada “%1” não pode ficar na biblioteca. Renomeie o arquivo e adicione-o de novo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture Vellumora can read, so it was not added.</source>
        <translation>“%1” não é uma imagem que o Vellumora consiga ler, então não foi adicionada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for Vellumora to show (%2 x %3 pixels), so it was not added.</source>
        <translation>“%1” é grande demais para o Vellumora (%2 x %3 pixels), então não foi adicionada.</translation>
    </message>
    <message>
        <source>The picture could not be copied into the library.</source>
        <translation>Não foi possível copiar a imagem para a biblioteca.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be moved to the Trash, so its file stays in the library folder.</source>
        <translation>Não foi possível mover a imagem “%1” para a lixeira, então o arquivo continua na pasta da biblioteca.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be brought back under another name.</source>
        <translation>A imagem “%1” não pode ser recuperada com outro nome.</translation>
    </message>
    <message>
        <source>The picture list was changed by another program but cannot be read, so it is shown as it was.</source>
        <translation>A lista de imagens foi alterada por outro programa, mas não pode ser lida, então é mostrada como estava.</translation>
    </message>
    <message>
        <source>These pictures could not be added:</source>
        <translation>Não foi possível adicionar estas imagens:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Adding pictures...</source>
        <translation>Adicionando imagens...</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... e mais %n.</numerusform>
            <numerusform>... e mais %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellumora::PlasmaWallpaper</name>
    <message>
        <source>Plasma&apos;s shell does not answer, so its desktop picture could not be given back.</source>
        <translation>O shell do Plasma não responde, então não foi possível devolver a imagem da sua área de trabalho.</translation>
    </message>
    <message>
        <source>Plasma&apos;s shell did not answer as it should: %1</source>
        <translation>O shell do Plasma não respondeu como deveria: %1</translation>
    </message>
    <message>
        <source>Plasma&apos;s shell did not keep the new desktop picture: screen %1 still shows %2.</source>
        <translation>O shell do Plasma não manteve a nova imagem da área de trabalho: a tela %1 ainda mostra %2.</translation>
    </message>
    <message>
        <source>Plasma&apos;s shell has no desktop to put the picture on.</source>
        <translation>O shell do Plasma não tem nenhuma área de trabalho onde colocar a imagem.</translation>
    </message>
    <message>
        <source>No time was left to ask Plasma&apos;s shell.</source>
        <translation>Não sobrou tempo para consultar o shell do Plasma.</translation>
    </message>
</context>
<context>
    <name>vellumora::Playlist</name>
    <message>
        <source>It is not a music file.</source>
        <translation>Não é um arquivo de música.</translation>
    </message>
    <message>
        <source>None of the music in &quot;%1&quot; can be played, so the show goes on without music.</source>
        <translation>Nenhuma música de “%1” pode ser tocada, então a apresentação continua sem música.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be played, so the show goes on without music.</source>
        <translation>O arquivo de música “%1” não pode ser tocado, então a apresentação continua sem música.</translation>
    </message>
</context>
<context>
    <name>vellumora::PortalRequest</name>
    <message>
        <source>The desktop portal did not answer within %1 seconds.</source>
        <translation>O portal da área de trabalho não respondeu em %1 segundos.</translation>
    </message>
    <message>
        <source>The desktop picture was not changed: the change was cancelled.</source>
        <translation>A imagem da área de trabalho não foi alterada: a alteração foi cancelada.</translation>
    </message>
    <message>
        <source>The desktop could not set the picture.</source>
        <translation>A área de trabalho não conseguiu definir a imagem.</translation>
    </message>
</context>
<context>
    <name>vellumora::PortalWallpaper</name>
    <message>
        <source>The desktop portal does not answer.</source>
        <translation>O portal da área de trabalho não responde.</translation>
    </message>
    <message>
        <source>The session bus cannot hand the picture to the desktop portal.</source>
        <translation>O barramento de sessão não consegue entregar a imagem ao portal da área de trabalho.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: %2</source>
        <translation>Não é possível ler a imagem %1: %2</translation>
    </message>
    <message>
        <source>The desktop portal did not take the picture: %1</source>
        <translation>O portal da área de trabalho não aceitou a imagem: %1</translation>
    </message>
</context>
<context>
    <name>vellumora::Program</name>
    <message>
        <source>Application is already running</source>
        <translation>O Vellumora já está aberto.</translation>
    </message>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Talvez haja uma atualização do Vellumora.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Você quer procurar uma atualização?</translation>
    </message>
    <message>
        <source>Required File is missing </source>
        <translation>Falta um arquivo necessário.</translation>
    </message>
    <message>
        <source>Please Reinstall The software</source>
        <translation>Instale o Vellumora de novo.</translation>
    </message>
    <message>
        <source>Vellumora keeps running to remind you. Choose File &gt; Exit to end it.</source>
        <translation>O Vellumora continua em execução para lembrar você. Escolha Arquivo &gt; Sair para encerrá-lo.</translation>
    </message>
    <message>
        <source>Start the Show</source>
        <translation>Iniciar a apresentação</translation>
    </message>
    <message>
        <source>Another One</source>
        <translation>Outra</translation>
    </message>
    <message>
        <source>&amp;Open Vellumora</source>
        <translation>&amp;Abrir o Vellumora</translation>
    </message>
    <message>
        <source>&amp;Start the Show</source>
        <translation>&amp;Iniciar a apresentação</translation>
    </message>
    <message>
        <source>&amp;Another Affirmation Now</source>
        <translation>&amp;Outra afirmação agora</translation>
    </message>
    <message>
        <source>&amp;Pause Reminders for an Hour</source>
        <translation>&amp;Pausar os lembretes por uma hora</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>The desktop picture is set.</source>
        <translation>A imagem da área de trabalho foi definida.</translation>
    </message>
    <message>
        <source>Your library is kept in &quot;%1&quot;, which cannot be found now: perhaps its drive or its synced folder is not there yet. Vellumora uses the library in &quot;%2&quot; until it is back.</source>
        <translation>Sua biblioteca é guardada em &quot;%1&quot;, que não pode ser encontrada agora: talvez sua unidade ou sua pasta sincronizada ainda não esteja lá. O Vellumora usa a biblioteca em &quot;%2&quot; até que ela volte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size of board: give A4, A3, Letter, phone or WIDTHxHEIGHT in pixels.</source>
        <translation>&quot;%1&quot; não é um tamanho de quadro: informe A4, A3, Letter, phone ou WIDTHxHEIGHT em pixels.</translation>
    </message>
    <message>
        <source>The board is saved as &quot;%1&quot;.</source>
        <translation>O quadro foi salvo como &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>vellumora::QtMediaControl</name>
    <message>
        <source>There is no sound in it.</source>
        <translation>Ele não tem som.</translation>
    </message>
</context>
<context>
    <name>vellumora::QtSpeech</name>
    <message>
        <source>No speech engine could be loaded. Install the package qt6-speech-speechd-plugin (with speech-dispatcher-espeak-ng) or qt6-speech-flite-plugin to hear affirmations read aloud.</source>
        <translation>Nenhum mecanismo de voz pôde ser carregado. Instale o pacote qt6-speech-speechd-plugin (com speech-dispatcher-espeak-ng) ou qt6-speech-flite-plugin para ouvir as afirmações em voz alta.</translation>
    </message>
</context>
<context>
    <name>vellumora::QtVoiceRecorder</name>
    <message>
        <source>No microphone was found.</source>
        <translation>Nenhum microfone foi encontrado.</translation>
    </message>
    <message>
        <source>The recording cannot be saved in the folder %1.</source>
        <translation>A gravação não pode ser salva na pasta %1.</translation>
    </message>
    <message>
        <source>The microphone could not be recorded.</source>
        <translation>Não foi possível gravar o microfone.</translation>
    </message>
    <message>
        <source>The recording could not be finished.</source>
        <translation>Não foi possível concluir a gravação.</translation>
    </message>
    <message>
        <source>The microphone gives no sound.</source>
        <translation>O microfone não capta nenhum som.</translation>
    </message>
    <message>
        <source>The recording stopped by itself.</source>
        <translation>A gravação parou sozinha.</translation>
    </message>
    <message>
        <source>Nothing was recorded.</source>
        <translation>Nada foi gravado.</translation>
    </message>
    <message>
        <source>The recording could not be saved as %1.</source>
        <translation>Não foi possível salvar a gravação como %1.</translation>
    </message>
</context>
<context>
    <name>vellumora::RecordingSession</name>
    <message>
        <source>No microphone was found. Connect one and try again, or use Import Recording... to take a file you recorded.</source>
        <translation>Nenhum microfone foi encontrado. Conecte um e tente de novo, ou use &quot;Importar gravação...&quot; para usar um arquivo que você gravou.</translation>
    </message>
    <message>
        <source>The recording cannot be written.</source>
        <translation>Não é possível gravar o arquivo da gravação.</translation>
    </message>
    <message>
        <source>Nothing was recorded: the microphone gave no sound.</source>
        <translation>Nada foi gravado: o microfone não deu nenhum som.</translation>
    </message>
    <message>
        <source>The recording could not be made.</source>
        <translation>Não foi possível fazer a gravação.</translation>
    </message>
    <message>
        <source>The recording was stopped before the microphone was open, so nothing was recorded.</source>
        <translation>A gravação foi interrompida antes de o microfone estar pronto, então nada foi gravado.</translation>
    </message>
</context>
<context>
    <name>vellumora::Recordings</name>
    <message>
        <source>The category&apos;s name cannot name a folder.</source>
        <translation>O nome da categoria não pode nomear uma pasta.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 não é uma pasta.</translation>
    </message>
    <message>
        <source>The recording it has could not be moved to the Trash, so it stays.</source>
        <translation>Não foi possível mover para a lixeira a gravação que ela tem, então ela fica.</translation>
    </message>
    <message>
        <source>The recording could not be kept.</source>
        <translation>Não foi possível guardar a gravação.</translation>
    </message>
    <message>
        <source>Vellumora takes recordings in MP3, WAV, OGG and FLAC files.</source>
        <translation>O Vellumora aceita gravações em arquivos MP3, WAV, OGG e FLAC.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be copied.</source>
        <translation>Não foi possível copiar o arquivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The recording cannot be brought back under this name.</source>
        <translation>A gravação não pode ser trazida de volta com este nome.</translation>
    </message>
    <message>
        <source>The recording could not be brought back.</source>
        <translation>Não foi possível trazer a gravação de volta.</translation>
    </message>
    <message>
        <source>The recording stays with the affirmation&apos;s old text.</source>
        <translation>A gravação fica com o texto antigo da afirmação.</translation>
    </message>
</context>
<context>
    <name>vellumora::ReminderDialog</name>
    <message>
        <source>Reminders</source>
        <translation>Lembretes</translation>
    </message>
    <message>
        <source>Remind Me</source>
        <translation>Lembrar-me</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>Des&amp;ligado</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>A &amp;cada</translation>
    </message>
    <message>
        <source>Minutes between reminders</source>
        <translation>Minutos entre os lembretes</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>At &amp;these times:</source>
        <translation>Nes&amp;tes horários:</translation>
    </message>
    <message>
        <source>Times of day</source>
        <translation>Horários do dia</translation>
    </message>
    <message>
        <source>08:30, 12:00, 18:00</source>
        <translation>08:30, 12:00, 18:00</translation>
    </message>
    <message numerus="yes">
        <source>Up to %n times of day on the 24-hour clock, separated by commas</source>
        <translation>
            <numerusform>Até %n horário no formato de 24 horas, separados por vírgulas</numerusform>
            <numerusform>Até %n horários no formato de 24 horas, separados por vírgulas</numerusform>
        </translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;De</translation>
    </message>
    <message>
        <source>t&amp;o</source>
        <translation>&amp;até</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read as times of day. Please write up to %2 times on the 24-hour clock, separated by commas, such as 08:30, 12:00.</source>
        <translation>&quot;%1&quot; não pode ser lido como horários. Escreva até %2 horários no formato de 24 horas, separados por vírgulas, como 08:30, 12:00.</translation>
    </message>
    <message>
        <source>Please write at least one time of day, such as 08:30.</source>
        <translation>Escreva pelo menos um horário, como 08:30.</translation>
    </message>
    <message>
        <source>The reminders&apos; hours end before they begin. Please choose a later end.</source>
        <translation>O horário dos lembretes termina antes de começar. Escolha um fim mais tarde.</translation>
    </message>
    <message>
        <source>Please tick at least one day for the reminders.</source>
        <translation>Marque pelo menos um dia para os lembretes.</translation>
    </message>
    <message>
        <source>The reminders could not be saved; they are kept until Vellumora ends.</source>
        <translation>Não foi possível salvar os lembretes; eles valem até o Vellumora ser encerrado.</translation>
    </message>
    <message>
        <source>S&amp;ay it aloud</source>
        <translation>&amp;Dizer em voz alta</translation>
    </message>
    <message>
        <source>Say it aloud</source>
        <translation>Dizer em voz alta</translation>
    </message>
    <message>
        <source>Each reminder plays the affirmation&apos;s recording, or reads it aloud when the voice options say so</source>
        <translation>Cada lembrete toca a gravação da afirmação, ou a lê em voz alta quando as opções de voz pedem</translation>
    </message>
</context>
<context>
    <name>vellumora::ReminderPopup</name>
    <message>
        <source>Click to start the show</source>
        <translation>Clique para iniciar a apresentação</translation>
    </message>
</context>
<context>
    <name>vellumora::RestoreDialog</name>
    <message>
        <source>Bring Back a Backup</source>
        <translation>Restaurar um backup</translation>
    </message>
    <message>
        <source>The library is empty, so the backup comes back exactly as it was kept:</source>
        <translation>A biblioteca está vazia, então o backup volta exatamente como foi guardado:</translation>
    </message>
    <message>
        <source>The backup is added to the library; nothing the library has is replaced:</source>
        <translation>O backup é acrescentado à biblioteca; nada do que ela tem é substituído:</translation>
    </message>
    <message>
        <source>The library has everything this backup holds.</source>
        <translation>A biblioteca já tem tudo o que este backup contém.</translation>
    </message>
    <message>
        <source>Also bring back the settings</source>
        <translation>Restaurar também as configurações</translation>
    </message>
    <message>
        <source>Back Up My Vision Board</source>
        <translation>Fazer backup do meu quadro de visão</translation>
    </message>
    <message>
        <source>Vellumora Backups</source>
        <translation>Backups do Vellumora</translation>
    </message>
    <message>
        <source>Vellumora Backups (*.zip)</source>
        <translation>Backups do Vellumora (*.zip)</translation>
    </message>
    <message>
        <source>These are not brought back, and why:</source>
        <translation>Não é trazido de volta, e por quê:</translation>
    </message>
</context>
<context>
    <name>vellumora::RestoreJob</name>
    <message>
        <source>The backup was brought back.</source>
        <translation>O backup foi restaurado.</translation>
    </message>
    <message>
        <source>The backup was brought back, all but what was left out:
%1</source>
        <translation>O backup foi restaurado, exceto o que ficou de fora:
%1</translation>
    </message>
    <message>
        <source>Reading the backup...</source>
        <translation>Lendo o backup...</translation>
    </message>
    <message>
        <source>Bringing back the backup...</source>
        <translation>Restaurando o backup...</translation>
    </message>
</context>
<context>
    <name>vellumora::SettingsPanel</name>
    <message>
        <source>Display for</source>
        <translation>Mostrar por</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>&amp;Keep the Show on Top</source>
        <translation>Manter a apresentação sempre &amp;visível</translation>
    </message>
    <message>
        <source>Keep the Show on Top</source>
        <translation>Manter a apresentação sempre visível</translation>
    </message>
    <message>
        <source>The show stays above every other window</source>
        <translation>A apresentação fica acima de todas as outras janelas</translation>
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
        <translation>Quando a música termina, ela recomeça; a música de uma pasta toca sem parar</translation>
    </message>
    <message>
        <source>Choose Music</source>
        <translation>Escolher música</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Choose a music file</source>
        <translation>Escolher um arquivo de música</translation>
    </message>
    <message>
        <source>Fol&amp;der</source>
        <translation>Pas&amp;ta</translation>
    </message>
    <message>
        <source>Choose a folder: its music plays in name order</source>
        <translation>Escolher uma pasta: a música dela toca em ordem de nome</translation>
    </message>
    <message>
        <source>Image Frequency</source>
        <translation>Troca de imagem</translation>
    </message>
    <message>
        <source>Below you can set the interval between each image and duration for which each image is displayed.</source>
        <translation>Escolha quanto tempo cada imagem fica na tela antes da próxima.</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Affirmation Frequency</source>
        <translation>Velocidade das afirmações</translation>
    </message>
    <message>
        <source>Below you can set the interval between each affirmation and duration for which each affirmation is displayed.</source>
        <translation>Escolha a velocidade com que a afirmação desliza sob a imagem: quanto menos milissegundos, mais rápido.</translation>
    </message>
    <message>
        <source>MilliSecond</source>
        <translation>milissegundos</translation>
    </message>
    <message>
        <source> Display Order</source>
        <translation>Ordem</translation>
    </message>
    <message>
        <source>As Displayed</source>
        <translation>Como na lista</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatória</translation>
    </message>
    <message>
        <source>Image Display Location</source>
        <translation>Posição da apresentação</translation>
    </message>
    <message>
        <source>Randomly on the Screen</source>
        <translation>Em qualquer lugar da tela</translation>
    </message>
    <message>
        <source>Centre of the Screen</source>
        <translation>No centro da tela</translation>
    </message>
    <message>
        <source>Whe&amp;re I Put It</source>
        <translation>Onde eu &amp;deixar</translation>
    </message>
    <message>
        <source>Drag the show by its picture: it stays where you put it</source>
        <translation>Arraste a apresentação pela imagem: ela fica onde você deixar</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>Ima&amp;gem</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Esticar</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Preencher</translation>
    </message>
    <message>
        <source>Stretch: the picture fills the show, out of proportion; Fit: all of it, with bands; Fill: its middle, in proportion</source>
        <translation>Esticar: a imagem preenche a apresentação, fora de proporção; Ajustar: inteira, com faixas; Preencher: o centro dela, em proporção</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>Taman&amp;ho</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequena</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>How large the show is; Full Screen ends with Esc or Back</source>
        <translation>O tamanho da apresentação; a tela cheia termina com Esc ou Voltar</translation>
    </message>
    <message>
        <source>Dont Play Music</source>
        <translation>Sem música</translation>
    </message>
    <message>
        <source>The show could not be set to start when you log in.</source>
        <translation>Não foi possível fazer a apresentação iniciar quando você entra no sistema.</translation>
    </message>
    <message>
        <source>The show could not be kept from starting when you log in.</source>
        <translation>Não foi possível impedir a apresentação de iniciar quando você entra no sistema.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a music file Vellumora can play. Please choose an MP3, WAV or WMA file.</source>
        <translation>“%1” não é um arquivo de música que o Vellumora consiga tocar. Escolha um arquivo MP3, WAV ou WMA.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no MP3, WAV, OGG, FLAC or WMA file. Please choose another folder.</source>
        <translation>“%1” não tem nenhum arquivo MP3, WAV, OGG, FLAC ou WMA. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>At lo&amp;gin, start</source>
        <translation>A&amp;o entrar, abrir</translation>
    </message>
    <message>
        <source>At login, start</source>
        <translation>Ao entrar, abrir</translation>
    </message>
    <message>
        <source>Each time you log in, Vellumora starts by itself with these settings</source>
        <translation>Cada vez que você entrar, o Vellumora inicia sozinho com estas configurações</translation>
    </message>
    <message>
        <source>the show</source>
        <translation>a apresentação</translation>
    </message>
    <message>
        <source>reminders only</source>
        <translation>só os lembretes</translation>
    </message>
    <message>
        <source>What starts at login</source>
        <translation>O que inicia ao entrar</translation>
    </message>
    <message>
        <source>The show, or no window at all: only the reminders through the day</source>
        <translation>A apresentação, ou nenhuma janela: só os lembretes ao longo do dia</translation>
    </message>
    <message>
        <source>Re&amp;minders…</source>
        <translation>&amp;Lembretes…</translation>
    </message>
    <message>
        <source>Your affirmations in the desktop&apos;s notifications through the day</source>
        <translation>Suas afirmações nas notificações da área de trabalho ao longo do dia</translation>
    </message>
    <message>
        <source>The reminders could not be set to start when you log in.</source>
        <translation>Não foi possível configurar os lembretes para iniciar ao entrar.</translation>
    </message>
    <message>
        <source>The reminders are off. Switch them on with the Reminders button, or nothing starts when you log in.</source>
        <translation>Os lembretes estão desligados. Ligue-os com o botão Lembretes, ou nada inicia ao entrar.</translation>
    </message>
    <message>
        <source>&amp;Voice…</source>
        <translation>Vo&amp;z…</translation>
    </message>
    <message>
        <source>Hear each affirmation in the show: your recording, or the computer reading it</source>
        <translation>Ouvir cada afirmação na apresentação: sua gravação, ou o computador lendo</translation>
    </message>
    <message>
        <source>Your settings could not be saved; they are used until Vellumora ends.</source>
        <translation>Não foi possível salvar as configurações; elas valem até o Vellumora ser encerrado.</translation>
    </message>
    <message>
        <source>All Music</source>
        <translation>Todas as músicas</translation>
    </message>
    <message>
        <source>This desktop places the show&apos;s window itself.</source>
        <translation>Esta área de trabalho posiciona a janela da apresentação por conta própria.</translation>
    </message>
</context>
<context>
    <name>vellumora::ShapeOptions</name>
    <message>
        <source>Border Shape</source>
        <translation>Forma da moldura</translation>
    </message>
    <message>
        <source>No Fill</source>
        <translation>Sem preenchimento</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Oval</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrado</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Round Square</source>
        <translation>Quadrado arredondado</translation>
    </message>
    <message>
        <source>Fill Style</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Linhas horizontais</translation>
    </message>
    <message>
        <source>Vertical Line</source>
        <translation>Linhas verticais</translation>
    </message>
    <message>
        <source>Upward Diagonal</source>
        <translation>Linhas diagonais</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>Diagonal Cross</source>
        <translation>Grade diagonal</translation>
    </message>
</context>
<context>
    <name>vellumora::Show</name>
    <message>
        <source>You Are Not Selected Any Affirmation</source>
        <translation>Você não escolheu nenhuma afirmação.</translation>
    </message>
</context>
<context>
    <name>vellumora::ShowLauncher</name>
    <message>
        <source>The show&apos;s place could not be saved; it stays there until Vellumora ends.</source>
        <translation>Não foi possível salvar a posição da apresentação; ela fica ali até o Vellumora fechar.</translation>
    </message>
    <message>
        <source>Please Select Music File To Play</source>
        <translation>Escolha um arquivo de música para tocar.</translation>
    </message>
    <message>
        <source>Music File Is Not Exists Please Select A File</source>
        <translation>O arquivo de música não existe. Escolha um arquivo.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no MP3, WAV, OGG, FLAC or WMA file. Please choose another.</source>
        <translation>A pasta “%1” não tem nenhum arquivo MP3, WAV, OGG, FLAC ou WMA. Escolha outra.</translation>
    </message>
    <message>
        <source>None of the pictures in the library can be read, so the show has ended.</source>
        <translation>Nenhuma imagem da biblioteca pode ser lida, então a apresentação terminou.</translation>
    </message>
    <message>
        <source>The display settings could not be saved; the show starts with them all the same.</source>
        <translation>Não foi possível salvar as configurações da apresentação; ela começa com elas mesmo assim.</translation>
    </message>
    <message>
        <source>Please Select Atleast One Image To Display Your Picture</source>
        <translation>Escolha pelo menos uma imagem para a sua apresentação.</translation>
    </message>
    <message>
        <source>The font could not be saved; it is used until Vellumora ends.</source>
        <translation>Não foi possível salvar a fonte; ela é usada até o Vellumora fechar.</translation>
    </message>
</context>
<context>
    <name>vellumora::SlideshowWindow</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
</context>
<context>
    <name>vellumora::ThumbnailStrip</name>
    <message>
        <source>Picture %1</source>
        <translation>Imagem %1</translation>
    </message>
    <message>
        <source>%1, cannot be read</source>
        <translation>%1, não pode ser lida</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>Não pode ser lida</translation>
    </message>
</context>
<context>
    <name>vellumora::Trash</name>
    <message>
        <source>Every name for it in %1 is taken.</source>
        <translation>Todos os nomes possíveis já estão ocupados em %1.</translation>
    </message>
    <message>
        <source>The file could not be brought back from %1.</source>
        <translation>Não foi possível recuperar o arquivo de %1.</translation>
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
        <translation>&amp;Dizer cada afirmação</translation>
    </message>
    <message>
        <source>Say each affirmation</source>
        <translation>Dizer cada afirmação</translation>
    </message>
    <message>
        <source>In the show, each new affirmation plays its recording; the music is lowered meanwhile</source>
        <translation>Na apresentação, cada nova afirmação toca sua gravação; enquanto isso a música abaixa</translation>
    </message>
    <message>
        <source>&amp;Read the others aloud</source>
        <translation>&amp;Ler as outras em voz alta</translation>
    </message>
    <message>
        <source>Read the others aloud</source>
        <translation>Ler as outras em voz alta</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>V&amp;oz:</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>slower</source>
        <translation>mais devagar</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>mais rápido</translation>
    </message>
    <message>
        <source>Spee&amp;d:</source>
        <translation>Velo&amp;cidade:</translation>
    </message>
    <message>
        <source>&amp;Hear It</source>
        <translation>&amp;Escutar</translation>
    </message>
    <message>
        <source>the usual voice for your language</source>
        <translation>a voz habitual do seu idioma</translation>
    </message>
    <message>
        <source>Affirmations you have not recorded are read by the computer&apos;s voice</source>
        <translation>As afirmações que você não gravou são lidas pela voz do computador</translation>
    </message>
    <message>
        <source>I am calm, and I keep my goals in view.</source>
        <translation>Estou calmo e mantenho meus objetivos à vista.</translation>
    </message>
    <message>
        <source>The voice options could not be saved.</source>
        <translation>Não foi possível salvar as opções de voz.</translation>
    </message>
    <message>
        <source>Looking for voices...</source>
        <translation>Procurando vozes...</translation>
    </message>
    <message>
        <source>Other languages:</source>
        <translation>Outros idiomas:</translation>
    </message>
</context>
<context>
    <name>vellumora::WebLinks</name>
    <message>
        <source>The user guide could not be opened: no program to show it was found.
You can open it in a web browser by hand:
%1</source>
        <translation>Não foi possível abrir o guia: nenhum programa para mostrá-lo foi encontrado.
Você pode abri-lo em um navegador:
%1</translation>
    </message>
    <message>
        <source>The page could not be opened: no web browser was found.
You can open it by hand:
%1</source>
        <translation>Não foi possível abrir a página: nenhum navegador foi encontrado.
Você pode abri-la você mesmo:
%1</translation>
    </message>
</context>
<context>
    <name>vellumora::XfceWallpaper</name>
    <message>
        <source>Xfce&apos;s settings service does not answer, so its desktop picture could not be given back.</source>
        <translation>O serviço de configurações do Xfce não responde, então não foi possível devolver a imagem da sua área de trabalho.</translation>
    </message>
    <message>
        <source>Xfce&apos;s settings service did not answer: %1</source>
        <translation>O serviço de configurações do Xfce não respondeu: %1</translation>
    </message>
    <message>
        <source>Xfce names no screen to put the picture on.</source>
        <translation>O Xfce não indica nenhuma tela onde colocar a imagem.</translation>
    </message>
    <message>
        <source>Xfce&apos;s settings service did not keep %1.</source>
        <translation>O serviço de configurações do Xfce não manteve %1.</translation>
    </message>
    <message>
        <source>%1 is not a value for Xfce&apos;s setting %2.</source>
        <translation>%1 não é um valor válido para a configuração %2 do Xfce.</translation>
    </message>
    <message>
        <source>Xfce&apos;s settings service did not take %1: %2</source>
        <translation>O serviço de configurações do Xfce não aceitou %1: %2</translation>
    </message>
</context>
<context>
    <name>vellumora::media</name>
    <message>
        <source>Sound and speech are not available: %1 is missing.</source>
        <translation>Som e fala não estão disponíveis: %1 não foi encontrado.</translation>
    </message>
    <message>
        <source>Sound and speech are not available: %1 belongs to another version of Vellumora.</source>
        <translation>Som e fala não estão disponíveis: %1 pertence a outra versão do Vellumora.</translation>
    </message>
    <message>
        <source>Sound and speech are not available: %1 cannot be opened (%2).</source>
        <translation>Som e fala não estão disponíveis: não é possível abrir %1 (%2).</translation>
    </message>
</context>
<context>
    <name>vellumora::show</name>
    <message>
        <source>Playing %1</source>
        <translation>Tocando %1</translation>
    </message>
    <message>
        <source>Playing %1<byte value="xd"/>
Remaining Time:-%2 Seconds Of %3 Seconds</source>
        <extracomment>%1 is the music&apos;s name, %2 the seconds played, %3 its length in seconds.</extracomment>
        <translation>Tocando %1<byte value="xd"/>
%2 de %3 segundos</translation>
    </message>
</context>
</TS>
