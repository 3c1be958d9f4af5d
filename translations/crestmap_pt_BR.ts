<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>DialogPrompts</name>
    <message>
        <source>JPEG image</source>
        <extracomment>Only measured, never shown: the file dialog&apos;s name for the type of a .jpg file</extracomment>
        <translation>Imagem JPEG</translation>
    </message>
    <message numerus="yes">
        <source>  … and %Ln more</source>
        <extracomment>More folders, after a list of ten</extracomment>
        <translation>
            <numerusform>  … e mais %Ln</numerusform>
            <numerusform>  … e mais %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>Browse for images</source>
        <translation>Procurar imagens</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Imagens (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Check a folder</source>
        <translation>Verificar uma pasta</translation>
    </message>
    <message>
        <source>Write a folder</source>
        <translation>Gravar uma pasta</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) without a config.xml get one as %1.</source>
        <extracomment>%1: the style chosen, as “club logos”</extracomment>
        <translation>
            <numerusform>%Ln pasta sem config.xml recebe um como %1.</numerusform>
            <numerusform>%Ln pastas sem config.xml recebem um como %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) already current stay as they are.</source>
        <translation>
            <numerusform>%Ln arquivo config.xml já atualizado fica como está.</numerusform>
            <numerusform>%Ln arquivos config.xml já atualizados ficam como estão.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) cut short are kept by an update; writing all replaces them:</source>
        <translation>
            <numerusform>%Ln arquivo config.xml truncado é mantido por uma atualização; gravar tudo o substitui:</numerusform>
            <numerusform>%Ln arquivos config.xml truncados são mantidos por uma atualização; gravar tudo os substitui:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing all as %1 would change the style of %Ln folder(s):</source>
        <extracomment>%1: the style chosen, as “club logos”</extracomment>
        <translation>
            <numerusform>Gravar tudo como %1 mudaria o estilo de %Ln pasta:</numerusform>
            <numerusform>Gravar tudo como %1 mudaria o estilo de %Ln pastas:</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo puts back every config.xml the write replaces.</source>
        <translation>Desfazer restaura cada config.xml que a gravação substituir.</translation>
    </message>
    <message numerus="yes">
        <source>Write config.xml in %Ln folder(s)?</source>
        <translation>
            <numerusform>Gravar config.xml em %Ln pasta?</numerusform>
            <numerusform>Gravar config.xml em %Ln pastas?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Update each folder in its own style</source>
        <translation>&amp;Atualizar cada pasta no próprio estilo</translation>
    </message>
    <message>
        <source>Write &amp;all as %1</source>
        <extracomment>A button; %1: the style chosen, as “club logos”</extracomment>
        <translation>Gravar &amp;tudo como %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Write it as %1</source>
        <extracomment>A button; %1: the style chosen, as “club logos”</extracomment>
        <translation>&amp;Gravar como %1</translation>
    </message>
    <message>
        <source>%1 maps %2.</source>
        <extracomment>%1: the path of a config.xml file; %2: what it maps, as “kit textures”</extracomment>
        <translation>%1 mapeia %2.</translation>
    </message>
    <message>
        <source>Writing it as %1 replaces its records; Undo puts them back.</source>
        <extracomment>%1: the style chosen, as “club logos”</extracomment>
        <translation>Gravá-lo como %1 substitui seus registros; Desfazer os restaura.</translation>
    </message>
    <message>
        <source>&amp;Update it as %1</source>
        <extracomment>A button; %1: the style the file maps, as “kit textures”</extracomment>
        <translation>&amp;Atualizar como %1</translation>
    </message>
    <message>
        <source>Writing it replaces it; Undo puts it back.</source>
        <translation>Gravá-lo o substitui; Desfazer o restaura.</translation>
    </message>
    <message>
        <source>It is not the write the list shows.</source>
        <translation>Não é a gravação que a lista mostra.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) changed since the write:</source>
        <translation>
            <numerusform>%Ln arquivo config.xml mudou desde a gravação:</numerusform>
            <numerusform>%Ln arquivos config.xml mudaram desde a gravação:</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Keep the Changes</source>
        <translation>&amp;Manter as alterações</translation>
    </message>
    <message>
        <source>&amp;Put Back</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>Folders written so far keep their new config.xml, and Undo stays available; the others keep their old one.</source>
        <translation>As pastas já gravadas mantêm o config.xml novo, e Desfazer continua disponível; as demais mantêm o antigo.</translation>
    </message>
    <message>
        <source>&amp;Keep Writing</source>
        <translation>&amp;Continuar gravando</translation>
    </message>
    <message>
        <source>Stop and &amp;Quit</source>
        <translation>Parar e &amp;sair</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends in its header.</source>
        <extracomment>This and the three after it: %1 the path of a config.xml file</extracomment>
        <translation>%1 está truncado: termina no cabeçalho.</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends inside a record.</source>
        <translation>%1 está truncado: termina dentro de um registro.</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends before the end of its list.</source>
        <translation>%1 está truncado: termina antes do fim da lista.</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends before &lt;/record&gt;.</source>
        <translation>%1 está truncado: termina antes de &lt;/record&gt;.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Every folder keeps its new config.xml, and Undo stays available.</source>
        <translation>Todas as pastas mantêm o config.xml novo, e Desfazer continua disponível.</translation>
    </message>
    <message numerus="yes">
        <source>Updating each folder in its own style changes %Ln config.xml file(s):</source>
        <translation>
            <numerusform>Atualizar cada pasta no próprio estilo altera %Ln arquivo config.xml:</numerusform>
            <numerusform>Atualizar cada pasta no próprio estilo altera %Ln arquivos config.xml:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Write config.xml in up to %Ln folder(s)?</source>
        <extracomment>The answers write different numbers of folders: this one is the most</extracomment>
        <translation>
            <numerusform>Gravar config.xml em até %Ln pasta?</numerusform>
            <numerusform>Gravar config.xml em até %Ln pastas?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An update leaves the %Ln config.xml file(s) already current as they are.</source>
        <translation>
            <numerusform>Uma atualização deixa como está o arquivo config.xml já atualizado.</numerusform>
            <numerusform>Uma atualização deixa como estão os %Ln arquivos config.xml já atualizados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo is not available for this write.</source>
        <translation>Desfazer não está disponível para esta gravação.</translation>
    </message>
    <message>
        <source>Writing it as %1 replaces its records; Undo is not available to put them back.</source>
        <translation>Gravá-lo como %1 substitui seus registros; Desfazer não está disponível para restaurá-los.</translation>
    </message>
    <message>
        <source>Writing it replaces it; Undo is not available to put it back.</source>
        <translation>Gravá-lo o substitui; Desfazer não está disponível para restaurá-lo.</translation>
    </message>
    <message numerus="yes">
        <source>Remove the file(s) the write made, with the change(s)? The changes are lost.</source>
        <translation>
            <numerusform>Remover o arquivo criado pela gravação, com a alteração? A alteração será perdida.</numerusform>
            <numerusform>Remover os arquivos criados pela gravação, com as alterações? As alterações serão perdidas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Put back what the write replaced and remove what it made, over the changes? The changes are lost.</source>
        <translation>Restaurar o que a gravação substituiu e remover o que ela criou, por cima das alterações? As alterações serão perdidas.</translation>
    </message>
    <message numerus="yes">
        <source>Put back the old copies over the change(s)? The changes are lost.</source>
        <translation>
            <numerusform>Restaurar a cópia antiga por cima da alteração? A alteração será perdida.</numerusform>
            <numerusform>Restaurar as cópias antigas por cima das alterações? As alterações serão perdidas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileSelector</name>
    <message>
        <source>Example: %1</source>
        <extracomment>%1: an image&apos;s name and the picture it maps to</extracomment>
        <translation>Exemplo: %1</translation>
    </message>
    <message>
        <source>Example: with these choices, images get no record.</source>
        <translation>Exemplo: com essas escolhas, as imagens não recebem registro.</translation>
    </message>
    <message numerus="yes">
        <source>Crestmap opens one folder at a time; %Ln more were given: %1</source>
        <extracomment>%1: the folders given after the first</extracomment>
        <translation>
            <numerusform>O Crestmap abre uma pasta por vez; %Ln a mais foi informada: %1</numerusform>
            <numerusform>O Crestmap abre uma pasta por vez; %Ln a mais foram informadas: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no file or folder called %1.</source>
        <translation>Não existe arquivo nem pasta chamado %1.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder. Open the folder that holds it.</source>
        <translation>%1 é um arquivo, não uma pasta. Abra a pasta que o contém.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Não é possível ler %1.</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Não é possível abrir %1</translation>
    </message>
</context>
<context>
    <name>FolderDragView</name>
    <message>
        <source>Drop a folder of images here</source>
        <translation>Solte aqui uma pasta de imagens</translation>
    </message>
    <message>
        <source>Release to write config.xml in this folder</source>
        <translation>Solte para gravar config.xml nesta pasta</translation>
    </message>
    <message>
        <source>Only one folder can be dropped here</source>
        <translation>Só é possível soltar uma pasta aqui</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Crestmap</source>
        <translation>Crestmap</translation>
    </message>
    <message>
        <source>&amp;Graphic style</source>
        <translation>Estilo &amp;gráfico</translation>
    </message>
    <message>
        <source>&amp;Logo type</source>
        <translation>Tipo de &amp;logo</translation>
    </message>
    <message>
        <source>&amp;Kit type</source>
        <translation>Tipo de u&amp;niforme</translation>
    </message>
    <message>
        <source>Backgro&amp;und type</source>
        <translation>Tipo de &amp;fundo</translation>
    </message>
    <message>
        <source>What an image becomes with these choices</source>
        <translation>No que uma imagem se torna com essas escolhas</translation>
    </message>
    <message>
        <source>Drop area</source>
        <translation>Área para soltar</translation>
    </message>
    <message>
        <source>Drop one folder of images here to write its config.xml</source>
        <translation>Solte aqui uma pasta de imagens para gravar o config.xml dela</translation>
    </message>
    <message>
        <source>&amp;Browse for images…</source>
        <translation>&amp;Procurar imagens…</translation>
    </message>
    <message>
        <source>Choose image files and write config.xml beside them</source>
        <translation>Escolher arquivos de imagem e gravar config.xml ao lado deles</translation>
    </message>
    <message>
        <source>&amp;Write folder…</source>
        <translation>Gra&amp;var pasta…</translation>
    </message>
    <message>
        <source>Choose a folder and write its config.xml, as dropping it would</source>
        <translation>Escolher uma pasta e gravar o config.xml dela, como ao soltá-la</translation>
    </message>
    <message>
        <source>&amp;Check folder…</source>
        <translation>Verifi&amp;car pasta…</translation>
    </message>
    <message>
        <source>Choose a folder and check its config.xml files and images; nothing is written</source>
        <translation>Escolher uma pasta e verificar os arquivos config.xml e as imagens dela; nada é gravado</translation>
    </message>
    <message>
        <source>Up&amp;date stale folders</source>
        <translation>Atualizar pastas &amp;desatualizadas</translation>
    </message>
    <message>
        <source>Write the folders the check found stale or missing, each in its own style</source>
        <translation>Gravar as pastas que a verificação achou desatualizadas ou ausentes, cada uma no próprio estilo</translation>
    </message>
    <message>
        <source>Include &amp;sub-folders</source>
        <translation>Incluir &amp;subpastas</translation>
    </message>
    <message>
        <source>Also write config.xml in every folder below that holds images</source>
        <translation>Gravar config.xml também em cada pasta abaixo que tenha imagens</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>What the last write did</source>
        <translation>O que a última gravação fez</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Choose a folder and check its config.xml files and images</source>
        <translation>Escolher uma pasta e verificar os arquivos config.xml e as imagens dela</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Undo last write</source>
        <translation>&amp;Desfazer a última gravação</translation>
    </message>
    <message>
        <source>&amp;Copy paths</source>
        <translation>&amp;Copiar caminhos</translation>
    </message>
    <message>
        <source>Crestmap &amp;help</source>
        <translation>Aj&amp;uda do Crestmap</translation>
    </message>
    <message>
        <source>&amp;About Crestmap</source>
        <translation>&amp;Sobre o Crestmap</translation>
    </message>
    <message>
        <source>&amp;Open folder</source>
        <translation>&amp;Abrir pasta</translation>
    </message>
    <message>
        <source>Open the folder the last write wrote its config.xml in</source>
        <translation>Abrir a pasta em que a última gravação gravou o config.xml</translation>
    </message>
    <message>
        <source>Nothing could show %1</source>
        <extracomment>%1: the path of a file or folder</extracomment>
        <translation>Nenhum programa conseguiu mostrar %1</translation>
    </message>
    <message>
        <source>Nothing could open %1</source>
        <extracomment>%1: the path of a file or folder</extracomment>
        <translation>Nenhum programa conseguiu abrir %1</translation>
    </message>
    <message>
        <source>The program for %1 has not answered yet</source>
        <extracomment>%1: the path of a file or folder</extracomment>
        <translation>O programa para %1 ainda não respondeu</translation>
    </message>
    <message>
        <source>%1 — Crestmap</source>
        <extracomment>The window&apos;s title; %1: the name of the folder the list shows, or a job works in</extracomment>
        <translation>%1 — Crestmap</translation>
    </message>
    <message>
        <source>&lt;p&gt;It uses Qt %1, licensed under the GNU Lesser General Public License version 3 (LGPL-3.0). Beside crestmap.exe are its text, Qt-LGPL-3.0.txt, the GPL-3.0 it builds on, GPL-3.0.txt, and the notices of the libraries built into Qt, Qt-third-party-notices.txt.&lt;/p&gt;&lt;p&gt;README.txt, there too, describes the window and the command-line tool.&lt;/p&gt;</source>
        <extracomment>%1: Qt&apos;s version</extracomment>
        <translation>&lt;p&gt;Ele usa o Qt %1, licenciado sob a GNU Lesser General Public License versão 3 (LGPL-3.0). Ao lado do crestmap.exe estão o texto dela, Qt-LGPL-3.0.txt, a GPL-3.0 na qual ela se baseia, GPL-3.0.txt, e os avisos das bibliotecas incorporadas ao Qt, Qt-third-party-notices.txt.&lt;/p&gt;&lt;p&gt;O README.txt, também lá, descreve a janela e a ferramenta de linha de comando.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;It uses Qt %1, licensed under the GNU Lesser General Public License version 3 (LGPL-3.0); your system&apos;s Qt packages hold its licence texts.&lt;/p&gt;&lt;p&gt;The command-line tool is described in its manual page: &lt;code&gt;man crestmap-cli&lt;/code&gt;.&lt;/p&gt;</source>
        <extracomment>%1: Qt&apos;s version</extracomment>
        <translation>&lt;p&gt;Ele usa o Qt %1, licenciado sob a GNU Lesser General Public License versão 3 (LGPL-3.0); os pacotes do Qt do seu sistema contêm os textos da licença.&lt;/p&gt;&lt;p&gt;A ferramenta de linha de comando é descrita na página de manual dela: &lt;code&gt;man crestmap-cli&lt;/code&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Crestmap</source>
        <translation>Sobre o Crestmap</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Crestmap %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Writes config.xml, the file that maps a folder of images to a game&apos;s pictures.&lt;/p&gt;&lt;p&gt;Released under the MIT licence.&lt;/p&gt;</source>
        <extracomment>%1: Crestmap&apos;s version</extracomment>
        <translation>&lt;p&gt;&lt;b&gt;Crestmap %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Grava o config.xml, o arquivo que mapeia uma pasta de imagens para os gráficos de um jogo.&lt;/p&gt;&lt;p&gt;Publicado sob a licença MIT.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The window speaks %1.&lt;/p&gt;</source>
        <translation>&lt;p&gt;A janela fala %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>English</source>
        <comment>the name of the window&apos;s language, in it</comment>
        <translation>português do Brasil</translation>
    </message>
    <message>
        <source>Crestmap help</source>
        <translation>Ajuda do Crestmap</translation>
    </message>
    <message>
        <source>&lt;p&gt;Choose what the images are with the four groups, then hand them over: Browse for images… (%1) maps the files you choose; Write folder… (%2) or a folder dropped on the window maps every image in it, and with Include sub-folders every folder below it. Check folder… (%4) compares a folder&apos;s config.xml files with what would be written, and writes nothing.&lt;/p&gt;&lt;p&gt;The list shows what each image became. Enter opens an image; the context menu copies paths and records. Undo (%3) puts back what the last write, of this window or of crestmap-cli, replaced.&lt;/p&gt;</source>
        <extracomment>%1, %2, %3, %4: the keys of Browse for images…, Write folder…, Undo and Check folder…</extracomment>
        <translation>&lt;p&gt;Escolha nos quatro grupos o que as imagens são e depois entregue-as: Procurar imagens… (%1) mapeia os arquivos que você escolher; Gravar pasta… (%2) ou uma pasta solta na janela mapeia cada imagem dela e, com Incluir subpastas, cada pasta abaixo dela. Verificar pasta… (%4) compara os arquivos config.xml de uma pasta com o que seria gravado, e não grava nada.&lt;/p&gt;&lt;p&gt;A lista mostra no que cada imagem se tornou. Enter abre uma imagem; o menu de contexto copia caminhos e registros. Desfazer (%3) restaura o que a última gravação, desta janela ou do crestmap-cli, substituiu.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
</context>
<context>
    <name>ResultAlert</name>
    <message>
        <source>Undo puts back every config.xml this write replaced, and removes those it made.</source>
        <translation>Desfazer restaura cada config.xml que esta gravação substituiu e remove os que ela criou.</translation>
    </message>
    <message>
        <source>Undo is not available for this write.</source>
        <translation>Desfazer não está disponível para esta gravação.</translation>
    </message>
    <message numerus="yes">
        <source>The config.xml files it replaced held %Ln record(s) that the new ones lack; Undo puts them back.</source>
        <translation>
            <numerusform>Os arquivos config.xml substituídos tinham %Ln registro que falta nos novos; Desfazer os restaura.</numerusform>
            <numerusform>Os arquivos config.xml substituídos tinham %Ln registros que faltam nos novos; Desfazer os restaura.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The config.xml it replaced held %Ln record(s) that the new one lacks; Undo puts it back.</source>
        <translation>
            <numerusform>O config.xml substituído tinha %Ln registro que falta no novo; Desfazer o restaura.</numerusform>
            <numerusform>O config.xml substituído tinha %Ln registros que faltam no novo; Desfazer o restaura.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your config.xml files have been successfully written in %Ln folder(s).</source>
        <translation>
            <numerusform>Seu arquivo config.xml foi gravado com sucesso em %Ln pasta.</numerusform>
            <numerusform>Seus arquivos config.xml foram gravados com sucesso em %Ln pastas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The config.xml files it replaced held %Ln record(s) that the new ones lack; Undo is not available to put them back.</source>
        <translation>
            <numerusform>Os arquivos config.xml substituídos tinham %Ln registro que falta nos novos; Desfazer não está disponível para restaurá-los.</numerusform>
            <numerusform>Os arquivos config.xml substituídos tinham %Ln registros que faltam nos novos; Desfazer não está disponível para restaurá-los.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The config.xml it replaced held %Ln record(s) that the new one lacks; Undo is not available to put it back.</source>
        <translation>
            <numerusform>O config.xml substituído tinha %Ln registro que falta no novo; Desfazer não está disponível para restaurá-lo.</numerusform>
            <numerusform>O config.xml substituído tinha %Ln registros que faltam no novo; Desfazer não está disponível para restaurá-lo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) it replaced held no mapping, perhaps another program&apos;s; Undo puts them back.</source>
        <translation>
            <numerusform>%Ln arquivo config.xml substituído não era um arquivo de mapeamento, talvez de outro programa; Desfazer o restaura.</numerusform>
            <numerusform>%Ln arquivos config.xml substituídos não eram arquivos de mapeamento, talvez de outro programa; Desfazer os restaura.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) it replaced held no mapping, perhaps another program&apos;s; Undo is not available to put them back.</source>
        <translation>
            <numerusform>%Ln arquivo config.xml substituído não era um arquivo de mapeamento, talvez de outro programa; Desfazer não está disponível para restaurá-lo.</numerusform>
            <numerusform>%Ln arquivos config.xml substituídos não eram arquivos de mapeamento, talvez de outro programa; Desfazer não está disponível para restaurá-los.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing written: no config.xml needed a change</source>
        <translation>Nada foi gravado: nenhum config.xml precisava de alteração</translation>
    </message>
    <message>
        <source>Your config.xml file has been successfully written in the folder you chose.</source>
        <translation>Seu arquivo config.xml foi gravado com sucesso na pasta escolhida.</translation>
    </message>
    <message>
        <source>Nothing written</source>
        <translation>Nada foi gravado</translation>
    </message>
    <message>
        <source>No folder here holds images.</source>
        <translation>Nenhuma pasta aqui contém imagens.</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Image</source>
        <extracomment>The titles of the list&apos;s columns: this, the picture an image maps to, and its folder</extracomment>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Picture it maps to</source>
        <translation>Gráfico mapeado</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
</context>
<context>
    <name>ResultsPanel</name>
    <message>
        <source>Choose what the images are, then browse for them or drop their folder above. Every image is then listed here with the picture it maps to, and every file left out with the reason.</source>
        <translation>Escolha o que as imagens são e depois procure-as ou solte a pasta delas acima. Cada imagem aparecerá aqui com o gráfico para o qual é mapeada, e cada arquivo deixado de fora com o motivo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Only &amp;problems</source>
        <translation>Somente p&amp;roblemas</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Find images by name</source>
        <translation>Localizar imagens pelo nome</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Each image with the picture it maps to; files without a record, with the reason</source>
        <translation>Cada imagem com o gráfico para o qual é mapeada; arquivos sem registro, com o motivo</translation>
    </message>
    <message>
        <source>Results of the last check</source>
        <translation>Resultados da última verificação</translation>
    </message>
    <message>
        <source>Results of the last write</source>
        <translation>Resultados da última gravação</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>A link after the summary of a write, that takes the write back</extracomment>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Open folder</source>
        <extracomment>A link after the summary of a write, that opens the folder written</extracomment>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Nothing copied: no selected row has a record</source>
        <translation>Nada copiado: nenhuma linha selecionada tem registro</translation>
    </message>
    <message>
        <source>Nothing copied: no row is selected</source>
        <translation>Nada copiado: nenhuma linha selecionada</translation>
    </message>
    <message numerus="yes">
        <source>Copied the record of %Ln row(s)</source>
        <translation>
            <numerusform>Registro de %Ln linha copiado</numerusform>
            <numerusform>Registros de %Ln linhas copiados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied the path of %Ln row(s)</source>
        <translation>
            <numerusform>Caminho de %Ln linha copiado</numerusform>
            <numerusform>Caminhos de %Ln linhas copiados</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Sort by</source>
        <translation>&amp;Ordenar por</translation>
    </message>
    <message>
        <source>&amp;Open folder</source>
        <translation>&amp;Abrir pasta</translation>
    </message>
    <message>
        <source>&amp;Open image</source>
        <translation>&amp;Abrir imagem</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>Mostrar na &amp;pasta</translation>
    </message>
    <message>
        <source>&amp;Copy path</source>
        <translation>&amp;Copiar caminho</translation>
    </message>
    <message>
        <source>Copy &amp;record</source>
        <translation>Copiar &amp;registro</translation>
    </message>
</context>
<context>
    <name>ThumbnailLoader</name>
    <message>
        <source>%L1 × %L2 pixels, %3</source>
        <extracomment>An image&apos;s width and height, then its size in bytes, as “2.4 KB”</extracomment>
        <translation>%L1 × %L2 pixels, %3</translation>
    </message>
</context>
<context>
    <name>WindowWords</name>
    <message>
        <source>maps to the same picture as %1</source>
        <extracomment>An image&apos;s row; %1: the other image&apos;s name</extracomment>
        <translation>mapeada para o mesmo gráfico que %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%Ln image(s))</source>
        <extracomment>A folder&apos;s name and how many images it holds</extracomment>
        <translation>
            <numerusform>%1 (%Ln imagem)</numerusform>
            <numerusform>%1 (%Ln imagens)</numerusform>
        </translation>
    </message>
    <message>
        <source>club logos</source>
        <extracomment>What a style&apos;s pictures are, as this and the rest of its table: put into sentences such as “Write all as %1” and “kept: it maps %1”</extracomment>
        <translation>logos de clubes</translation>
    </message>
    <message>
        <source>nation logos</source>
        <translation>logos de nações</translation>
    </message>
    <message>
        <source>competition logos</source>
        <translation>logos de competições</translation>
    </message>
    <message>
        <source>media source logos</source>
        <translation>logos de mídia</translation>
    </message>
    <message>
        <source>club icons</source>
        <translation>ícones de clubes</translation>
    </message>
    <message>
        <source>nation icons</source>
        <translation>ícones de nações</translation>
    </message>
    <message>
        <source>competition icons</source>
        <translation>ícones de competições</translation>
    </message>
    <message>
        <source>media source icons</source>
        <translation>ícones de mídia</translation>
    </message>
    <message>
        <source>left backgrounds of club logos</source>
        <translation>fundos esquerdos de logos de clubes</translation>
    </message>
    <message>
        <source>left backgrounds of nation logos</source>
        <translation>fundos esquerdos de logos de nações</translation>
    </message>
    <message>
        <source>left backgrounds of competition logos</source>
        <translation>fundos esquerdos de logos de competições</translation>
    </message>
    <message>
        <source>left backgrounds of media source logos</source>
        <translation>fundos esquerdos de logos de mídia</translation>
    </message>
    <message>
        <source>right backgrounds of club logos</source>
        <translation>fundos direitos de logos de clubes</translation>
    </message>
    <message>
        <source>right backgrounds of nation logos</source>
        <translation>fundos direitos de logos de nações</translation>
    </message>
    <message>
        <source>right backgrounds of competition logos</source>
        <translation>fundos direitos de logos de competições</translation>
    </message>
    <message>
        <source>right backgrounds of media source logos</source>
        <translation>fundos direitos de logos de mídia</translation>
    </message>
    <message>
        <source>team backgrounds</source>
        <translation>fundos de equipes</translation>
    </message>
    <message>
        <source>stadium backgrounds</source>
        <translation>fundos de estádios</translation>
    </message>
    <message>
        <source>competition backgrounds</source>
        <translation>fundos de competições</translation>
    </message>
    <message>
        <source>person backgrounds</source>
        <translation>fundos de pessoas</translation>
    </message>
    <message>
        <source>portraits</source>
        <translation>retratos</translation>
    </message>
    <message>
        <source>kit textures</source>
        <translation>texturas de uniformes</translation>
    </message>
    <message>
        <source>kits</source>
        <translation>uniformes</translation>
    </message>
    <message>
        <source>Logo</source>
        <extracomment>A choice of the Graphic style group, as the six after it</extracomment>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Ícone</translation>
    </message>
    <message>
        <source>Logo background, left</source>
        <translation>Fundo de logo, esquerda</translation>
    </message>
    <message>
        <source>Logo background, right</source>
        <translation>Fundo de logo, direita</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Retrato</translation>
    </message>
    <message>
        <source>Kit</source>
        <translation>Uniforme</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Club</source>
        <extracomment>A choice of the Logo type group, as the three after it</extracomment>
        <translation>Clube</translation>
    </message>
    <message>
        <source>Nation</source>
        <translation>Nação</translation>
    </message>
    <message>
        <source>Competition</source>
        <translation>Competição</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>Mídia</translation>
    </message>
    <message>
        <source>Kit texture</source>
        <translation>Textura de uniforme</translation>
    </message>
    <message>
        <source>Team</source>
        <extracomment>A choice of the Background type group, as the three after it</extracomment>
        <translation>Equipe</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Estádio</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Pessoa</translation>
    </message>
    <message numerus="yes">
        <source>wrote %Ln record(s) to %1</source>
        <extracomment>%1: the path of the config.xml file written</extracomment>
        <translation>
            <numerusform>%Ln registro gravado em %1</numerusform>
            <numerusform>%Ln registros gravados em %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) unchanged</source>
        <translation>
            <numerusform>%Ln arquivo config.xml inalterado</numerusform>
            <numerusform>%Ln arquivos config.xml inalterados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is unchanged: it already holds %Ln record(s)</source>
        <extracomment>%1: the path of a config.xml file</extracomment>
        <translation>
            <numerusform>%1 está inalterado: já contém %Ln registro</numerusform>
            <numerusform>%1 está inalterado: já contém %Ln registros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) kept in their own style</source>
        <translation>
            <numerusform>%Ln pasta mantida no próprio estilo</numerusform>
            <numerusform>%Ln pastas mantidas no próprio estilo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) cut short, kept</source>
        <translation>
            <numerusform>%Ln arquivo config.xml truncado, mantido</numerusform>
            <numerusform>%Ln arquivos config.xml truncados, mantidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) not mapped yet</source>
        <translation>
            <numerusform>%Ln pasta ainda não mapeada</numerusform>
            <numerusform>%Ln pastas ainda não mapeadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) could not be read</source>
        <translation>
            <numerusform>%Ln pasta não pôde ser lida</numerusform>
            <numerusform>%Ln pastas não puderam ser lidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) could not be written</source>
        <translation>
            <numerusform>%Ln pasta não pôde ser gravada</numerusform>
            <numerusform>%Ln pastas não puderam ser gravadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entry(s) passed over (.PNG)</source>
        <translation>
            <numerusform>%Ln item ignorado (.PNG)</numerusform>
            <numerusform>%Ln itens ignorados (.PNG)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) of the replaced config.xml not in the new one</source>
        <translation>
            <numerusform>%Ln registro do config.xml substituído não está no novo</numerusform>
            <numerusform>%Ln registros do config.xml substituído não estão no novo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) of the replaced config.xml files not in the new ones</source>
        <translation>
            <numerusform>%Ln registro dos config.xml substituídos não está nos novos</numerusform>
            <numerusform>%Ln registros dos config.xml substituídos não estão nos novos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) map to the same picture as another</source>
        <translation>
            <numerusform>%Ln imagem mapeada para o mesmo gráfico que outra</numerusform>
            <numerusform>%Ln imagens mapeadas para o mesmo gráfico que outra</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) would not load</source>
        <translation>
            <numerusform>%Ln imagem não pôde ser carregada</numerusform>
            <numerusform>%Ln imagens não puderam ser carregadas</numerusform>
        </translation>
    </message>
    <message>
        <source>its sub-folders hold images: tick Include sub-folders to write them</source>
        <translation>as subpastas dela têm imagens: marque Incluir subpastas para gravá-las</translation>
    </message>
    <message>
        <source>config.xml is current</source>
        <translation>config.xml está atualizado</translation>
    </message>
    <message numerus="yes">
        <source>all %Ln config.xml files are current</source>
        <translation>
            <numerusform>o %Ln arquivo config.xml está atualizado</numerusform>
            <numerusform>todos os %Ln arquivos config.xml estão atualizados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 not current</source>
        <extracomment>%1: all the config.xml files checked, as “of 4 config.xml files” counts them</extracomment>
        <translation>
            <numerusform>%Ln de %1 não está atualizado</numerusform>
            <numerusform>%Ln de %1 não estão atualizados</numerusform>
        </translation>
    </message>
    <message>
        <source>these style choices give no record</source>
        <translation>essas escolhas de estilo não geram registro</translation>
    </message>
    <message>
        <source>a kit image needs a name like TEAM_KIT, with exactly one underscore</source>
        <translation>o nome deve ser como EQUIPE_UNIFORME, com um só sublinhado</translation>
    </message>
    <message>
        <source>a kit image needs a team before the underscore, like TEAM_KIT</source>
        <translation>falta a equipe antes do sublinhado, como em EQUIPE_UNIFORME</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8 or holds a control character</source>
        <translation>o nome não é UTF-8 válido ou contém um caractere de controle</translation>
    </message>
    <message>
        <source>not a .png, .jpg or .jpeg file</source>
        <translation>não é um arquivo .png, .jpg ou .jpeg</translation>
    </message>
    <message>
        <source>the extension is not in lower case (.png, .jpg, .jpeg)</source>
        <translation>a extensão não está em minúsculas (.png, .jpg, .jpeg)</translation>
    </message>
    <message>
        <source>a file</source>
        <extracomment>What a path is, as the four after it, in brackets after “not a PNG image” or “not a mapping file”</extracomment>
        <translation>um arquivo</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>uma pasta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>um pipe nomeado</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>um socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>um dispositivo</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <extracomment>An image&apos;s row; %1: the system&apos;s reason, as “Permission denied”</extracomment>
        <translation>não pode ser lido: %1</translation>
    </message>
    <message>
        <source>0 bytes</source>
        <extracomment>What an image file holds, as the three after it, in brackets after “not a PNG image”</extracomment>
        <translation>0 bytes</translation>
    </message>
    <message>
        <source>it holds text</source>
        <translation>contém texto</translation>
    </message>
    <message>
        <source>it holds HTML</source>
        <translation>contém HTML</translation>
    </message>
    <message>
        <source>it holds other data</source>
        <translation>contém outros dados</translation>
    </message>
    <message>
        <source>not a PNG image (%1)</source>
        <extracomment>%1: what the file holds instead, as “it holds text”</extracomment>
        <translation>não é uma imagem PNG (%1)</translation>
    </message>
    <message>
        <source>not a JPEG image (%1)</source>
        <translation>não é uma imagem JPEG (%1)</translation>
    </message>
    <message>
        <source>cannot list %1: %2</source>
        <extracomment>This and the eight after it: %1 a path, %2 the system&apos;s reason</extracomment>
        <translation>não é possível listar %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>cannot create a file in %1: %2</source>
        <translation>não é possível criar um arquivo em %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>cannot flush %1: %2</source>
        <translation>não é possível descarregar %1 no disco: %2</translation>
    </message>
    <message>
        <source>cannot close %1: %2</source>
        <translation>não é possível fechar %1: %2</translation>
    </message>
    <message>
        <source>cannot replace %1: %2</source>
        <translation>não é possível substituir %1: %2</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>não é possível criar %1: %2</translation>
    </message>
    <message>
        <source>cannot keep a copy of %1: %2</source>
        <translation>não é possível guardar uma cópia de %1: %2</translation>
    </message>
    <message>
        <source>there is no cache folder: %1 is not set</source>
        <extracomment>%1: the name of an environment variable, as HOME</extracomment>
        <translation>não há pasta de cache: %1 não está definida</translation>
    </message>
    <message>
        <source>cut short: it ends in its header</source>
        <translation>truncado: termina no cabeçalho</translation>
    </message>
    <message>
        <source>cut short: it ends inside a record</source>
        <translation>truncado: termina dentro de um registro</translation>
    </message>
    <message>
        <source>cut short: it ends before the end of its list</source>
        <translation>truncado: termina antes do fim da lista</translation>
    </message>
    <message>
        <source>cut short: it ends before &lt;/record&gt;</source>
        <translation>truncado: termina antes de &lt;/record&gt;</translation>
    </message>
    <message>
        <source>not a mapping file (%1)</source>
        <translation>não é um arquivo de mapeamento (%1)</translation>
    </message>
    <message>
        <source>not a mapping file (it is empty)</source>
        <translation>não é um arquivo de mapeamento (está vazio)</translation>
    </message>
    <message>
        <source>not a mapping file</source>
        <translation>não é um arquivo de mapeamento</translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>A folder&apos;s row: it has no config.xml</extracomment>
        <translation>ausente</translation>
    </message>
    <message>
        <source>it maps no records of a style</source>
        <translation>não mapeia registros de nenhum estilo</translation>
    </message>
    <message>
        <source>current: the same records in another order or layout</source>
        <translation>atualizado: os mesmos registros em outra ordem ou formato</translation>
    </message>
    <message>
        <source>current</source>
        <extracomment>A folder&apos;s row: its config.xml holds what a write would write</extracomment>
        <translation>atualizado</translation>
    </message>
    <message>
        <source>stale: other options than preload and amap off</source>
        <translation>desatualizado: opções diferentes de preload e amap desativados</translation>
    </message>
    <message>
        <source>stale: text or elements a mapping file does not hold</source>
        <translation>desatualizado: texto ou elementos que um arquivo de mapeamento não contém</translation>
    </message>
    <message>
        <source>stale: %1</source>
        <extracomment>A folder&apos;s row; %1: how a write would change its records, as “6 records to add and 1 to change”</extracomment>
        <translation>desatualizado: %1</translation>
    </message>
    <message>
        <source>not mapped yet: %1</source>
        <extracomment>%1: what the folder&apos;s config.xml is, as “not a mapping file”</extracomment>
        <translation>ainda não mapeado: %1</translation>
    </message>
    <message>
        <source>could not be read</source>
        <extracomment>A folder&apos;s row: its config.xml could not be read</extracomment>
        <translation>não pôde ser lido</translation>
    </message>
    <message>
        <source>no images</source>
        <extracomment>A folder&apos;s row: it holds no images to map</extracomment>
        <translation>nenhuma imagem</translation>
    </message>
    <message>
        <source>kept: %1</source>
        <extracomment>A folder&apos;s row: its config.xml, kept as it was; %1: what it is, as “cut short: it ends inside a record”</extracomment>
        <translation>mantido: %1</translation>
    </message>
    <message>
        <source>not mapped yet</source>
        <extracomment>A folder&apos;s row: it has no config.xml yet</extracomment>
        <translation>ainda não mapeado</translation>
    </message>
    <message>
        <source>Nothing to undo: %1</source>
        <extracomment>%1: why there is no cache folder, as “there is no cache folder: HOME is not set”</extracomment>
        <translation>Nada a desfazer: %1</translation>
    </message>
    <message>
        <source>Nothing to undo: no write has been kept to undo</source>
        <translation>Nada a desfazer: nenhuma gravação foi guardada para desfazer</translation>
    </message>
    <message>
        <source>Nothing undone: another write has been made since</source>
        <translation>Nada desfeito: outra gravação foi feita desde então</translation>
    </message>
    <message>
        <source>Nothing undone: another undo is under way</source>
        <translation>Nada desfeito: outra operação de desfazer está em andamento</translation>
    </message>
    <message numerus="yes">
        <source>%Ln already as before the write</source>
        <extracomment>config.xml files that Undo found as they were before the write</extracomment>
        <translation>
            <numerusform>%Ln já estava como antes da gravação</numerusform>
            <numerusform>%Ln já estavam como antes da gravação</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln changed since, left alone</source>
        <extracomment>config.xml files changed since the write, which Undo did not touch</extracomment>
        <translation>
            <numerusform>%Ln alterado desde então, deixado como está</numerusform>
            <numerusform>%Ln alterados desde então, deixados como estão</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln could not be put back</source>
        <extracomment>config.xml files that Undo could not put back</extracomment>
        <translation>
            <numerusform>%Ln não pôde ser restaurado</numerusform>
            <numerusform>%Ln não puderam ser restaurados</numerusform>
        </translation>
    </message>
    <message>
        <source>put back %1</source>
        <extracomment>%1: the path of a config.xml file that Undo put back</extracomment>
        <translation>restaurado %1</translation>
    </message>
    <message>
        <source>removed %1</source>
        <extracomment>%1: the path of a config.xml file that the write made and Undo removed</extracomment>
        <translation>removido %1</translation>
    </message>
    <message>
        <source>%1 changed since, left alone</source>
        <extracomment>%1: the path of a config.xml file</extracomment>
        <translation>%1 alterado desde então, deixado como está</translation>
    </message>
    <message>
        <source>could not put back %1: %2</source>
        <extracomment>%1: the path of a config.xml file; %2: why</extracomment>
        <translation>não foi possível restaurar %1: %2</translation>
    </message>
    <message>
        <source>its kept copy is gone</source>
        <translation>a cópia guardada dele sumiu</translation>
    </message>
    <message>
        <source>its kept copy was changed</source>
        <translation>a cópia guardada dele foi alterada</translation>
    </message>
    <message>
        <source>%1 is not a local file</source>
        <extracomment>%1: the address of what was chosen</extracomment>
        <translation>%1 não é um arquivo local</translation>
    </message>
    <message>
        <source>%1 is not a local folder</source>
        <extracomment>%1: the address of what was chosen or dropped</extracomment>
        <translation>%1 não é uma pasta local</translation>
    </message>
    <message>
        <source>cancelled: the check stopped before its end</source>
        <translation>cancelado: a verificação parou antes do fim</translation>
    </message>
    <message>
        <source>Undo is not available: %1</source>
        <extracomment>%1: why, as “cannot make /home/me/.cache/crestmap: No space left on device”</extracomment>
        <translation>Desfazer não está disponível: %1</translation>
    </message>
    <message numerus="yes">
        <source>config.xml holds no records: none of the %Ln file(s) maps with these choices (%1)</source>
        <extracomment>%1: what became of the files, as “3 files without a record (kit name)”</extracomment>
        <translation>
            <numerusform>config.xml não tem registros: o %Ln arquivo não é mapeado com essas escolhas (%1)</numerusform>
            <numerusform>config.xml não tem registros: nenhum dos %Ln arquivos é mapeado com essas escolhas (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Files without a record:</source>
        <translation>Arquivos sem registro:</translation>
    </message>
    <message numerus="yes">
        <source>… and %Ln more</source>
        <translation>
            <numerusform>… e mais %Ln</numerusform>
            <numerusform>… e mais %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>kept: it maps %1</source>
        <extracomment>A folder&apos;s row: its config.xml, kept as it was; %1: what it maps, as “kit textures”</extracomment>
        <translation>mantido: mapeia %1</translation>
    </message>
    <message numerus="yes">
        <source>Undo: %Ln config.xml file(s) put back, %1</source>
        <extracomment>%1: the config.xml files Undo removed, as “1 removed” counts them</extracomment>
        <translation>
            <numerusform>Desfazer: %Ln arquivo config.xml restaurado, %1</numerusform>
            <numerusform>Desfazer: %Ln arquivos config.xml restaurados, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln removed</source>
        <comment>the config.xml files of “Undo: %Ln config.xml file(s) put back, %1”</comment>
        <translation>
            <numerusform>%Ln removido</numerusform>
            <numerusform>%Ln removidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the write of %Ln config.xml file(s) in %1, made by %2 at %3?</source>
        <extracomment>%1: the folder; %2: the command-line tool&apos;s name; %3: the date and time</extracomment>
        <translation>
            <numerusform>Desfazer a gravação de %Ln arquivo config.xml em %1, feita por %2 em %3?</numerusform>
            <numerusform>Desfazer a gravação de %Ln arquivos config.xml em %1, feita por %2 em %3?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the write of %Ln config.xml file(s) in %1, made by this window at %2?</source>
        <extracomment>%1: the folder; %2: the date and time</extracomment>
        <translation>
            <numerusform>Desfazer a gravação de %Ln arquivo config.xml em %1, feita por esta janela em %2?</numerusform>
            <numerusform>Desfazer a gravação de %Ln arquivos config.xml em %1, feita por esta janela em %2?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrote %Ln record(s) in %1</source>
        <extracomment>%1: the folders, as “in 12 folders” counts them</extracomment>
        <translation>
            <numerusform>%Ln registro gravado em %1</numerusform>
            <numerusform>%Ln registros gravados em %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s)</source>
        <comment>the folders of “wrote %Ln record(s) in %1”</comment>
        <translation>
            <numerusform>%Ln pasta</numerusform>
            <numerusform>%Ln pastas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (style)</source>
        <translation>
            <numerusform>%Ln arquivo sem registro (estilo)</numerusform>
            <numerusform>%Ln arquivos sem registro (estilo)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (kit name)</source>
        <translation>
            <numerusform>%Ln arquivo sem registro (nome de uniforme)</numerusform>
            <numerusform>%Ln arquivos sem registro (nome de uniforme)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (no team)</source>
        <translation>
            <numerusform>%Ln arquivo sem registro (sem equipe)</numerusform>
            <numerusform>%Ln arquivos sem registro (sem equipe)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (unusable name)</source>
        <translation>
            <numerusform>%Ln arquivo sem registro (nome inutilizável)</numerusform>
            <numerusform>%Ln arquivos sem registro (nome inutilizável)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (not an image)</source>
        <translation>
            <numerusform>%Ln arquivo sem registro (não é imagem)</numerusform>
            <numerusform>%Ln arquivos sem registro (não é imagem)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (.PNG)</source>
        <translation>
            <numerusform>%Ln arquivo sem registro (.PNG)</numerusform>
            <numerusform>%Ln arquivos sem registro (.PNG)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cancelled: %Ln folder(s) written, %1</source>
        <extracomment>%1: the folders the write did not reach, as “7 left as they were” counts them</extracomment>
        <translation>
            <numerusform>cancelado: %Ln pasta gravada, %1</numerusform>
            <numerusform>cancelado: %Ln pastas gravadas, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln left as they were</source>
        <comment>the folders of “cancelled: %Ln folder(s) written, %1”</comment>
        <translation>
            <numerusform>%Ln deixada como estava</numerusform>
            <numerusform>%Ln deixadas como estavam</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s)</source>
        <comment>all the files of “%Ln of %1 not current”</comment>
        <translation>
            <numerusform>%Ln arquivo config.xml</numerusform>
            <numerusform>%Ln arquivos config.xml</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the write of %Ln config.xml file(s) in %1, made by another Crestmap window at %2?</source>
        <extracomment>%1: the folder; %2: the date and time. A window since closed, or open beside this one</extracomment>
        <translation>
            <numerusform>Desfazer a gravação de %Ln arquivo config.xml em %1, feita por outra janela do Crestmap em %2?</numerusform>
            <numerusform>Desfazer a gravação de %Ln arquivos config.xml em %1, feita por outra janela do Crestmap em %2?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) to add</source>
        <extracomment>Records the file lacks, that a write would add</extracomment>
        <translation>
            <numerusform>%Ln registro a adicionar</numerusform>
            <numerusform>%Ln registros a adicionar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to remove</source>
        <extracomment>Records the file holds that a write would leave out; after “6 records to add”</extracomment>
        <translation>
            <numerusform>%Ln a remover</numerusform>
            <numerusform>%Ln a remover</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) to remove</source>
        <translation>
            <numerusform>%Ln registro a remover</numerusform>
            <numerusform>%Ln registros a remover</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to change</source>
        <extracomment>Records a write would map to another picture; after “6 records to add”</extracomment>
        <translation>
            <numerusform>%Ln a alterar</numerusform>
            <numerusform>%Ln a alterar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) to change</source>
        <translation>
            <numerusform>%Ln registro a alterar</numerusform>
            <numerusform>%Ln registros a alterar</numerusform>
        </translation>
    </message>
    <message>
        <source>Entries passed over:</source>
        <translation>Itens ignorados:</translation>
    </message>
    <message>
        <source>no folder here holds images</source>
        <translation>nenhuma pasta aqui contém imagens</translation>
    </message>
</context>
<context>
    <name>WriteController</name>
    <message>
        <source>Looking through the folders…</source>
        <translation>Percorrendo as pastas…</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Write of %Ln Folder(s)</source>
        <translation>
            <numerusform>&amp;Desfazer a gravação de %Ln pasta</numerusform>
            <numerusform>&amp;Desfazer a gravação de %Ln pastas</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message numerus="yes">
        <source>Checking %L1 of %Ln folder(s) · %2</source>
        <extracomment>%L1: the folders checked so far; %2: the images, as “1,200 of 4,000 images”</extracomment>
        <translation>
            <numerusform>Verificando %L1 de %Ln pasta · %2</numerusform>
            <numerusform>Verificando %L1 de %Ln pastas · %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing %L1 of %Ln folder(s) · %2</source>
        <extracomment>%L1: the folders written so far; %2: the images, as “1,200 of 4,000 images”</extracomment>
        <translation>
            <numerusform>Gravando %L1 de %Ln pasta · %2</numerusform>
            <numerusform>Gravando %L1 de %Ln pastas · %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checking… %Ln folder(s), %1 so far</source>
        <extracomment>%1: the images checked so far, as “1,200 images”</extracomment>
        <translation>
            <numerusform>Verificando… %Ln pasta, %1 até agora</numerusform>
            <numerusform>Verificando… %Ln pastas, %1 até agora</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing… %Ln folder(s), %1 so far</source>
        <extracomment>%1: the images written so far, as “1,200 images”</extracomment>
        <translation>
            <numerusform>Gravando… %Ln pasta, %1 até agora</numerusform>
            <numerusform>Gravando… %Ln pastas, %1 até agora</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The write is paused at %L1 of %Ln folder(s). Stop it and quit?</source>
        <extracomment>%L1: the folders written so far</extracomment>
        <translation>
            <numerusform>A gravação está pausada em %L1 de %Ln pasta. Parar e sair?</numerusform>
            <numerusform>A gravação está pausada em %L1 de %Ln pastas. Parar e sair?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The write is paused after %Ln folder(s). Stop it and quit?</source>
        <translation>
            <numerusform>A gravação está pausada após %Ln pasta. Parar e sair?</numerusform>
            <numerusform>A gravação está pausada após %Ln pastas. Parar e sair?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %Ln image(s)</source>
        <comment>the images of “Checking %L1 of %Ln folder(s) · %2” and of its Writing twin</comment>
        <translation>
            <numerusform>%L1 de %Ln imagem</numerusform>
            <numerusform>%L1 de %Ln imagens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s)</source>
        <comment>the images of “Checking… %Ln folder(s), %1 so far” and of its Writing twin</comment>
        <translation>
            <numerusform>%Ln imagem</numerusform>
            <numerusform>%Ln imagens</numerusform>
        </translation>
    </message>
    <message>
        <source>listing the results…</source>
        <extracomment>In place of “1,200 of 4,000 images” once every folder is done</extracomment>
        <translation>listando os resultados…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Writes config.xml, the file that maps a folder of images to a game&apos;s pictures.</source>
        <translation>Grava o config.xml, o arquivo que mapeia uma pasta de imagens para os gráficos de um jogo.</translation>
    </message>
    <message>
        <source>A folder to open and check; nothing is written until you write or update it.</source>
        <translation>Uma pasta para abrir e verificar; nada é gravado até você gravá-la ou atualizá-la.</translation>
    </message>
</context>
</TS>
