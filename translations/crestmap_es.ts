<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>DialogPrompts</name>
    <message>
        <source>JPEG image</source>
        <extracomment>Only measured, never shown: the file dialog&apos;s name for the type of a .jpg file</extracomment>
        <translation>Imagen JPEG</translation>
    </message>
    <message numerus="yes">
        <source>  … and %Ln more</source>
        <extracomment>More folders, after a list of ten</extracomment>
        <translation>
            <numerusform>  … y %Ln más</numerusform>
            <numerusform>  … y %Ln más</numerusform>
        </translation>
    </message>
    <message>
        <source>Browse for images</source>
        <translation>Buscar imágenes</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Check a folder</source>
        <translation>Comprobar una carpeta</translation>
    </message>
    <message>
        <source>Write a folder</source>
        <translation>Escribir una carpeta</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) without a config.xml get one as %1.</source>
        <extracomment>%1: the style chosen, as “club logos”</extracomment>
        <translation>
            <numerusform>%Ln carpeta sin config.xml obtiene uno como %1.</numerusform>
            <numerusform>%Ln carpetas sin config.xml obtienen uno como %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) already current stay as they are.</source>
        <translation>
            <numerusform>%Ln archivo config.xml ya al día se queda como está.</numerusform>
            <numerusform>%Ln archivos config.xml ya al día se quedan como están.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) cut short are kept by an update; writing all replaces them:</source>
        <translation>
            <numerusform>%Ln archivo config.xml truncado se conserva al actualizar; escribir todo lo reemplaza:</numerusform>
            <numerusform>%Ln archivos config.xml truncados se conservan al actualizar; escribir todo los reemplaza:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing all as %1 would change the style of %Ln folder(s):</source>
        <extracomment>%1: the style chosen, as “club logos”</extracomment>
        <translation>
            <numerusform>Escribir todo como %1 cambiaría el estilo de %Ln carpeta:</numerusform>
            <numerusform>Escribir todo como %1 cambiaría el estilo de %Ln carpetas:</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo puts back every config.xml the write replaces.</source>
        <translation>Deshacer restaura cada config.xml que reemplace la escritura.</translation>
    </message>
    <message numerus="yes">
        <source>Write config.xml in %Ln folder(s)?</source>
        <translation>
            <numerusform>¿Escribir config.xml en %Ln carpeta?</numerusform>
            <numerusform>¿Escribir config.xml en %Ln carpetas?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Update each folder in its own style</source>
        <translation>&amp;Actualizar cada carpeta en su propio estilo</translation>
    </message>
    <message>
        <source>Write &amp;all as %1</source>
        <extracomment>A button; %1: the style chosen, as “club logos”</extracomment>
        <translation>Escribir &amp;todo como %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Write it as %1</source>
        <extracomment>A button; %1: the style chosen, as “club logos”</extracomment>
        <translation>&amp;Escribirlo como %1</translation>
    </message>
    <message>
        <source>%1 maps %2.</source>
        <extracomment>%1: the path of a config.xml file; %2: what it maps, as “kit textures”</extracomment>
        <translation>%1 mapea %2.</translation>
    </message>
    <message>
        <source>Writing it as %1 replaces its records; Undo puts them back.</source>
        <extracomment>%1: the style chosen, as “club logos”</extracomment>
        <translation>Escribirlo como %1 reemplaza sus registros; Deshacer los restaura.</translation>
    </message>
    <message>
        <source>&amp;Update it as %1</source>
        <extracomment>A button; %1: the style the file maps, as “kit textures”</extracomment>
        <translation>&amp;Actualizarlo como %1</translation>
    </message>
    <message>
        <source>Writing it replaces it; Undo puts it back.</source>
        <translation>Escribirlo lo reemplaza; Deshacer lo restaura.</translation>
    </message>
    <message>
        <source>It is not the write the list shows.</source>
        <translation>No es la escritura que muestra la lista.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) changed since the write:</source>
        <translation>
            <numerusform>%Ln archivo config.xml ha cambiado desde la escritura:</numerusform>
            <numerusform>%Ln archivos config.xml han cambiado desde la escritura:</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Keep the Changes</source>
        <translation>&amp;Conservar los cambios</translation>
    </message>
    <message>
        <source>&amp;Put Back</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>Folders written so far keep their new config.xml, and Undo stays available; the others keep their old one.</source>
        <translation>Las carpetas ya escritas conservan su config.xml nuevo y Deshacer sigue disponible; las demás conservan el anterior.</translation>
    </message>
    <message>
        <source>&amp;Keep Writing</source>
        <translation>&amp;Seguir escribiendo</translation>
    </message>
    <message>
        <source>Stop and &amp;Quit</source>
        <translation>Detener y sa&amp;lir</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends in its header.</source>
        <extracomment>This and the three after it: %1 the path of a config.xml file</extracomment>
        <translation>%1 está truncado: termina en su cabecera.</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends inside a record.</source>
        <translation>%1 está truncado: termina dentro de un registro.</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends before the end of its list.</source>
        <translation>%1 está truncado: termina antes del final de su lista.</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends before &lt;/record&gt;.</source>
        <translation>%1 está truncado: termina antes de &lt;/record&gt;.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Every folder keeps its new config.xml, and Undo stays available.</source>
        <translation>Todas las carpetas conservan su config.xml nuevo y Deshacer sigue disponible.</translation>
    </message>
    <message numerus="yes">
        <source>Updating each folder in its own style changes %Ln config.xml file(s):</source>
        <translation>
            <numerusform>Actualizar cada carpeta en su propio estilo cambia %Ln archivo config.xml:</numerusform>
            <numerusform>Actualizar cada carpeta en su propio estilo cambia %Ln archivos config.xml:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Write config.xml in up to %Ln folder(s)?</source>
        <extracomment>The answers write different numbers of folders: this one is the most</extracomment>
        <translation>
            <numerusform>¿Escribir config.xml en hasta %Ln carpeta?</numerusform>
            <numerusform>¿Escribir config.xml en hasta %Ln carpetas?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An update leaves the %Ln config.xml file(s) already current as they are.</source>
        <translation>
            <numerusform>Una actualización deja como está el archivo config.xml ya al día.</numerusform>
            <numerusform>Una actualización deja como están los %Ln archivos config.xml ya al día.</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo is not available for this write.</source>
        <translation>Deshacer no está disponible para esta escritura.</translation>
    </message>
    <message>
        <source>Writing it as %1 replaces its records; Undo is not available to put them back.</source>
        <translation>Escribirlo como %1 reemplaza sus registros; Deshacer no está disponible para restaurarlos.</translation>
    </message>
    <message>
        <source>Writing it replaces it; Undo is not available to put it back.</source>
        <translation>Escribirlo lo reemplaza; Deshacer no está disponible para restaurarlo.</translation>
    </message>
    <message numerus="yes">
        <source>Remove the file(s) the write made, with the change(s)? The changes are lost.</source>
        <translation>
            <numerusform>¿Eliminar el archivo creado por la escritura, con el cambio? El cambio se perderá.</numerusform>
            <numerusform>¿Eliminar los archivos creados por la escritura, con los cambios? Los cambios se perderán.</numerusform>
        </translation>
    </message>
    <message>
        <source>Put back what the write replaced and remove what it made, over the changes? The changes are lost.</source>
        <translation>¿Restaurar lo que la escritura reemplazó y eliminar lo que creó, sobre los cambios? Los cambios se perderán.</translation>
    </message>
    <message numerus="yes">
        <source>Put back the old copies over the change(s)? The changes are lost.</source>
        <translation>
            <numerusform>¿Restaurar la copia anterior sobre el cambio? El cambio se perderá.</numerusform>
            <numerusform>¿Restaurar las copias anteriores sobre los cambios? Los cambios se perderán.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileSelector</name>
    <message>
        <source>Example: %1</source>
        <extracomment>%1: an image&apos;s name and the picture it maps to</extracomment>
        <translation>Ejemplo: %1</translation>
    </message>
    <message>
        <source>Example: with these choices, images get no record.</source>
        <translation>Ejemplo: con estas opciones, las imágenes no obtienen ningún registro.</translation>
    </message>
    <message numerus="yes">
        <source>Crestmap opens one folder at a time; %Ln more were given: %1</source>
        <extracomment>%1: the folders given after the first</extracomment>
        <translation>
            <numerusform>Crestmap abre una carpeta cada vez; se indicó %Ln más: %1</numerusform>
            <numerusform>Crestmap abre una carpeta cada vez; se indicaron %Ln más: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no file or folder called %1.</source>
        <translation>No existe ningún archivo ni carpeta llamado %1.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder. Open the folder that holds it.</source>
        <translation>%1 es un archivo, no una carpeta. Abra la carpeta que lo contiene.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>No se puede abrir %1</translation>
    </message>
</context>
<context>
    <name>FolderDragView</name>
    <message>
        <source>Drop a folder of images here</source>
        <translation>Suelte aquí una carpeta de imágenes</translation>
    </message>
    <message>
        <source>Release to write config.xml in this folder</source>
        <translation>Suelte para escribir config.xml en esta carpeta</translation>
    </message>
    <message>
        <source>Only one folder can be dropped here</source>
        <translation>Aquí solo se puede soltar una carpeta</translation>
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
        <translation>Tipo de e&amp;quipación</translation>
    </message>
    <message>
        <source>Backgro&amp;und type</source>
        <translation>Tipo de &amp;fondo</translation>
    </message>
    <message>
        <source>What an image becomes with these choices</source>
        <translation>En qué se convierte una imagen con estas opciones</translation>
    </message>
    <message>
        <source>Drop area</source>
        <translation>Zona para soltar</translation>
    </message>
    <message>
        <source>Drop one folder of images here to write its config.xml</source>
        <translation>Suelte aquí una carpeta de imágenes para escribir su config.xml</translation>
    </message>
    <message>
        <source>&amp;Browse for images…</source>
        <translation>&amp;Buscar imágenes…</translation>
    </message>
    <message>
        <source>Choose image files and write config.xml beside them</source>
        <translation>Elegir archivos de imagen y escribir config.xml junto a ellos</translation>
    </message>
    <message>
        <source>&amp;Write folder…</source>
        <translation>Escribir &amp;carpeta…</translation>
    </message>
    <message>
        <source>Choose a folder and write its config.xml, as dropping it would</source>
        <translation>Elegir una carpeta y escribir su config.xml, como al soltarla</translation>
    </message>
    <message>
        <source>&amp;Check folder…</source>
        <translation>Com&amp;probar carpeta…</translation>
    </message>
    <message>
        <source>Choose a folder and check its config.xml files and images; nothing is written</source>
        <translation>Elegir una carpeta y comprobar sus archivos config.xml e imágenes; no se escribe nada</translation>
    </message>
    <message>
        <source>Up&amp;date stale folders</source>
        <translation>Actualizar carpetas &amp;desfasadas</translation>
    </message>
    <message>
        <source>Write the folders the check found stale or missing, each in its own style</source>
        <translation>Escribir las carpetas que la comprobación encontró desfasadas o ausentes, cada una en su propio estilo</translation>
    </message>
    <message>
        <source>Include &amp;sub-folders</source>
        <translation>Incluir &amp;subcarpetas</translation>
    </message>
    <message>
        <source>Also write config.xml in every folder below that holds images</source>
        <translation>Escribir también config.xml en cada carpeta inferior que contenga imágenes</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>What the last write did</source>
        <translation>Lo que hizo la última escritura</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Choose a folder and check its config.xml files and images</source>
        <translation>Elegir una carpeta y comprobar sus archivos config.xml e imágenes</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Undo last write</source>
        <translation>&amp;Deshacer la última escritura</translation>
    </message>
    <message>
        <source>&amp;Copy paths</source>
        <translation>&amp;Copiar rutas</translation>
    </message>
    <message>
        <source>Crestmap &amp;help</source>
        <translation>A&amp;yuda de Crestmap</translation>
    </message>
    <message>
        <source>&amp;About Crestmap</source>
        <translation>&amp;Acerca de Crestmap</translation>
    </message>
    <message>
        <source>&amp;Open folder</source>
        <translation>&amp;Abrir carpeta</translation>
    </message>
    <message>
        <source>Open the folder the last write wrote its config.xml in</source>
        <translation>Abrir la carpeta en la que la última escritura escribió su config.xml</translation>
    </message>
    <message>
        <source>Nothing could show %1</source>
        <extracomment>%1: the path of a file or folder</extracomment>
        <translation>Ningún programa pudo mostrar %1</translation>
    </message>
    <message>
        <source>Nothing could open %1</source>
        <extracomment>%1: the path of a file or folder</extracomment>
        <translation>Ningún programa pudo abrir %1</translation>
    </message>
    <message>
        <source>The program for %1 has not answered yet</source>
        <extracomment>%1: the path of a file or folder</extracomment>
        <translation>El programa para %1 aún no ha respondido</translation>
    </message>
    <message>
        <source>%1 — Crestmap</source>
        <extracomment>The window&apos;s title; %1: the name of the folder the list shows, or a job works in</extracomment>
        <translation>%1 — Crestmap</translation>
    </message>
    <message>
        <source>&lt;p&gt;It uses Qt %1, licensed under the GNU Lesser General Public License version 3 (LGPL-3.0). Beside crestmap.exe are its text, Qt-LGPL-3.0.txt, the GPL-3.0 it builds on, GPL-3.0.txt, and the notices of the libraries built into Qt, Qt-third-party-notices.txt.&lt;/p&gt;&lt;p&gt;README.txt, there too, describes the window and the command-line tool.&lt;/p&gt;</source>
        <extracomment>%1: Qt&apos;s version</extracomment>
        <translation>&lt;p&gt;Usa Qt %1, con licencia GNU Lesser General Public License versión 3 (LGPL-3.0). Junto a crestmap.exe están su texto, Qt-LGPL-3.0.txt, la GPL-3.0 en la que se basa, GPL-3.0.txt, y los avisos de las bibliotecas integradas en Qt, Qt-third-party-notices.txt.&lt;/p&gt;&lt;p&gt;README.txt, también allí, describe la ventana y la herramienta de línea de comandos.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;It uses Qt %1, licensed under the GNU Lesser General Public License version 3 (LGPL-3.0); your system&apos;s Qt packages hold its licence texts.&lt;/p&gt;&lt;p&gt;The command-line tool is described in its manual page: &lt;code&gt;man crestmap-cli&lt;/code&gt;.&lt;/p&gt;</source>
        <extracomment>%1: Qt&apos;s version</extracomment>
        <translation>&lt;p&gt;Usa Qt %1, con licencia GNU Lesser General Public License versión 3 (LGPL-3.0); los paquetes de Qt de su sistema contienen los textos de la licencia.&lt;/p&gt;&lt;p&gt;La herramienta de línea de comandos se describe en su página de manual: &lt;code&gt;man crestmap-cli&lt;/code&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Crestmap</source>
        <translation>Acerca de Crestmap</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Crestmap %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Writes config.xml, the file that maps a folder of images to a game&apos;s pictures.&lt;/p&gt;&lt;p&gt;Released under the MIT licence.&lt;/p&gt;</source>
        <extracomment>%1: Crestmap&apos;s version</extracomment>
        <translation>&lt;p&gt;&lt;b&gt;Crestmap %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Escribe config.xml, el archivo que mapea una carpeta de imágenes a los gráficos de un juego.&lt;/p&gt;&lt;p&gt;Publicado bajo la licencia MIT.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The window speaks %1.&lt;/p&gt;</source>
        <translation>&lt;p&gt;La ventana habla %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>English</source>
        <comment>the name of the window&apos;s language, in it</comment>
        <translation>español</translation>
    </message>
    <message>
        <source>Crestmap help</source>
        <translation>Ayuda de Crestmap</translation>
    </message>
    <message>
        <source>&lt;p&gt;Choose what the images are with the four groups, then hand them over: Browse for images… (%1) maps the files you choose; Write folder… (%2) or a folder dropped on the window maps every image in it, and with Include sub-folders every folder below it. Check folder… (%4) compares a folder&apos;s config.xml files with what would be written, and writes nothing.&lt;/p&gt;&lt;p&gt;The list shows what each image became. Enter opens an image; the context menu copies paths and records. Undo (%3) puts back what the last write, of this window or of crestmap-cli, replaced.&lt;/p&gt;</source>
        <extracomment>%1, %2, %3, %4: the keys of Browse for images…, Write folder…, Undo and Check folder…</extracomment>
        <translation>&lt;p&gt;Elija con los cuatro grupos qué son las imágenes y luego entréguelas: Buscar imágenes… (%1) mapea los archivos que elija; Escribir carpeta… (%2) o una carpeta soltada en la ventana mapea cada imagen que contiene y, con Incluir subcarpetas, cada carpeta que haya debajo. Comprobar carpeta… (%4) compara los archivos config.xml de una carpeta con lo que se escribiría, y no escribe nada.&lt;/p&gt;&lt;p&gt;La lista muestra en qué se convirtió cada imagen. Intro abre una imagen; el menú contextual copia rutas y registros. Deshacer (%3) restaura lo que reemplazó la última escritura, de esta ventana o de crestmap-cli.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>ResultAlert</name>
    <message>
        <source>Undo puts back every config.xml this write replaced, and removes those it made.</source>
        <translation>Deshacer restaura cada config.xml que reemplazó esta escritura y elimina los que creó.</translation>
    </message>
    <message>
        <source>Undo is not available for this write.</source>
        <translation>Deshacer no está disponible para esta escritura.</translation>
    </message>
    <message numerus="yes">
        <source>The config.xml files it replaced held %Ln record(s) that the new ones lack; Undo puts them back.</source>
        <translation>
            <numerusform>Los archivos config.xml que reemplazó contenían %Ln registro que los nuevos no tienen; Deshacer los restaura.</numerusform>
            <numerusform>Los archivos config.xml que reemplazó contenían %Ln registros que los nuevos no tienen; Deshacer los restaura.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The config.xml it replaced held %Ln record(s) that the new one lacks; Undo puts it back.</source>
        <translation>
            <numerusform>El config.xml que reemplazó contenía %Ln registro que el nuevo no tiene; Deshacer lo restaura.</numerusform>
            <numerusform>El config.xml que reemplazó contenía %Ln registros que el nuevo no tiene; Deshacer lo restaura.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your config.xml files have been successfully written in %Ln folder(s).</source>
        <translation>
            <numerusform>Su archivo config.xml se ha escrito correctamente en %Ln carpeta.</numerusform>
            <numerusform>Sus archivos config.xml se han escrito correctamente en %Ln carpetas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The config.xml files it replaced held %Ln record(s) that the new ones lack; Undo is not available to put them back.</source>
        <translation>
            <numerusform>Los archivos config.xml que reemplazó contenían %Ln registro que los nuevos no tienen; Deshacer no está disponible para restaurarlos.</numerusform>
            <numerusform>Los archivos config.xml que reemplazó contenían %Ln registros que los nuevos no tienen; Deshacer no está disponible para restaurarlos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The config.xml it replaced held %Ln record(s) that the new one lacks; Undo is not available to put it back.</source>
        <translation>
            <numerusform>El config.xml que reemplazó contenía %Ln registro que el nuevo no tiene; Deshacer no está disponible para restaurarlo.</numerusform>
            <numerusform>El config.xml que reemplazó contenía %Ln registros que el nuevo no tiene; Deshacer no está disponible para restaurarlo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) it replaced held no mapping, perhaps another program&apos;s; Undo puts them back.</source>
        <translation>
            <numerusform>%Ln archivo config.xml que reemplazó no era un archivo de mapeo, quizá de otro programa; Deshacer lo restaura.</numerusform>
            <numerusform>%Ln archivos config.xml que reemplazó no eran archivos de mapeo, quizá de otro programa; Deshacer los restaura.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) it replaced held no mapping, perhaps another program&apos;s; Undo is not available to put them back.</source>
        <translation>
            <numerusform>%Ln archivo config.xml que reemplazó no era un archivo de mapeo, quizá de otro programa; Deshacer no está disponible para restaurarlo.</numerusform>
            <numerusform>%Ln archivos config.xml que reemplazó no eran archivos de mapeo, quizá de otro programa; Deshacer no está disponible para restaurarlos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing written: no config.xml needed a change</source>
        <translation>No se ha escrito nada: ningún config.xml necesitaba cambios</translation>
    </message>
    <message>
        <source>Your config.xml file has been successfully written in the folder you chose.</source>
        <translation>Su archivo config.xml se ha escrito correctamente en la carpeta que eligió.</translation>
    </message>
    <message>
        <source>Nothing written</source>
        <translation>No se ha escrito nada</translation>
    </message>
    <message>
        <source>No folder here holds images.</source>
        <translation>Ninguna carpeta de aquí contiene imágenes.</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Image</source>
        <extracomment>The titles of the list&apos;s columns: this, the picture an image maps to, and its folder</extracomment>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Picture it maps to</source>
        <translation>Gráfico al que se mapea</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
</context>
<context>
    <name>ResultsPanel</name>
    <message>
        <source>Choose what the images are, then browse for them or drop their folder above. Every image is then listed here with the picture it maps to, and every file left out with the reason.</source>
        <translation>Elija qué son las imágenes y luego búsquelas o suelte su carpeta arriba. Aquí aparecerá cada imagen con el gráfico al que se mapea, y cada archivo excluido con el motivo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Only &amp;problems</source>
        <translation>Solo p&amp;roblemas</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Find images by name</source>
        <translation>Buscar imágenes por nombre</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Each image with the picture it maps to; files without a record, with the reason</source>
        <translation>Cada imagen con el gráfico al que se mapea; los archivos sin registro, con el motivo</translation>
    </message>
    <message>
        <source>Results of the last check</source>
        <translation>Resultados de la última comprobación</translation>
    </message>
    <message>
        <source>Results of the last write</source>
        <translation>Resultados de la última escritura</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>A link after the summary of a write, that takes the write back</extracomment>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Open folder</source>
        <extracomment>A link after the summary of a write, that opens the folder written</extracomment>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Nothing copied: no selected row has a record</source>
        <translation>No se copió nada: ninguna fila seleccionada tiene registro</translation>
    </message>
    <message>
        <source>Nothing copied: no row is selected</source>
        <translation>No se copió nada: no hay ninguna fila seleccionada</translation>
    </message>
    <message numerus="yes">
        <source>Copied the record of %Ln row(s)</source>
        <translation>
            <numerusform>Copiado el registro de %Ln fila</numerusform>
            <numerusform>Copiados los registros de %Ln filas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied the path of %Ln row(s)</source>
        <translation>
            <numerusform>Copiada la ruta de %Ln fila</numerusform>
            <numerusform>Copiadas las rutas de %Ln filas</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Sort by</source>
        <translation>&amp;Ordenar por</translation>
    </message>
    <message>
        <source>&amp;Open folder</source>
        <translation>&amp;Abrir carpeta</translation>
    </message>
    <message>
        <source>&amp;Open image</source>
        <translation>&amp;Abrir imagen</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>&amp;Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>&amp;Copy path</source>
        <translation>&amp;Copiar ruta</translation>
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
        <translation>%L1 × %L2 píxeles, %3</translation>
    </message>
</context>
<context>
    <name>WindowWords</name>
    <message>
        <source>maps to the same picture as %1</source>
        <extracomment>An image&apos;s row; %1: the other image&apos;s name</extracomment>
        <translation>se mapea al mismo gráfico que %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%Ln image(s))</source>
        <extracomment>A folder&apos;s name and how many images it holds</extracomment>
        <translation>
            <numerusform>%1 (%Ln imagen)</numerusform>
            <numerusform>%1 (%Ln imágenes)</numerusform>
        </translation>
    </message>
    <message>
        <source>club logos</source>
        <extracomment>What a style&apos;s pictures are, as this and the rest of its table: put into sentences such as “Write all as %1” and “kept: it maps %1”</extracomment>
        <translation>logos de clubes</translation>
    </message>
    <message>
        <source>nation logos</source>
        <translation>logos de naciones</translation>
    </message>
    <message>
        <source>competition logos</source>
        <translation>logos de competiciones</translation>
    </message>
    <message>
        <source>media source logos</source>
        <translation>logos de medios</translation>
    </message>
    <message>
        <source>club icons</source>
        <translation>iconos de clubes</translation>
    </message>
    <message>
        <source>nation icons</source>
        <translation>iconos de naciones</translation>
    </message>
    <message>
        <source>competition icons</source>
        <translation>iconos de competiciones</translation>
    </message>
    <message>
        <source>media source icons</source>
        <translation>iconos de medios</translation>
    </message>
    <message>
        <source>left backgrounds of club logos</source>
        <translation>fondos izquierdos de logos de clubes</translation>
    </message>
    <message>
        <source>left backgrounds of nation logos</source>
        <translation>fondos izquierdos de logos de naciones</translation>
    </message>
    <message>
        <source>left backgrounds of competition logos</source>
        <translation>fondos izquierdos de logos de competiciones</translation>
    </message>
    <message>
        <source>left backgrounds of media source logos</source>
        <translation>fondos izquierdos de logos de medios</translation>
    </message>
    <message>
        <source>right backgrounds of club logos</source>
        <translation>fondos derechos de logos de clubes</translation>
    </message>
    <message>
        <source>right backgrounds of nation logos</source>
        <translation>fondos derechos de logos de naciones</translation>
    </message>
    <message>
        <source>right backgrounds of competition logos</source>
        <translation>fondos derechos de logos de competiciones</translation>
    </message>
    <message>
        <source>right backgrounds of media source logos</source>
        <translation>fondos derechos de logos de medios</translation>
    </message>
    <message>
        <source>team backgrounds</source>
        <translation>fondos de equipos</translation>
    </message>
    <message>
        <source>stadium backgrounds</source>
        <translation>fondos de estadios</translation>
    </message>
    <message>
        <source>competition backgrounds</source>
        <translation>fondos de competiciones</translation>
    </message>
    <message>
        <source>person backgrounds</source>
        <translation>fondos de personas</translation>
    </message>
    <message>
        <source>portraits</source>
        <translation>retratos</translation>
    </message>
    <message>
        <source>kit textures</source>
        <translation>texturas de equipaciones</translation>
    </message>
    <message>
        <source>kits</source>
        <translation>equipaciones</translation>
    </message>
    <message>
        <source>Logo</source>
        <extracomment>A choice of the Graphic style group, as the six after it</extracomment>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icono</translation>
    </message>
    <message>
        <source>Logo background, left</source>
        <translation>Fondo de logo, izquierdo</translation>
    </message>
    <message>
        <source>Logo background, right</source>
        <translation>Fondo de logo, derecho</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Retrato</translation>
    </message>
    <message>
        <source>Kit</source>
        <translation>Equipación</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Club</source>
        <extracomment>A choice of the Logo type group, as the three after it</extracomment>
        <translation>Club</translation>
    </message>
    <message>
        <source>Nation</source>
        <translation>Nación</translation>
    </message>
    <message>
        <source>Competition</source>
        <translation>Competición</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>Medios</translation>
    </message>
    <message>
        <source>Kit texture</source>
        <translation>Textura</translation>
    </message>
    <message>
        <source>Team</source>
        <extracomment>A choice of the Background type group, as the three after it</extracomment>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Estadio</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message numerus="yes">
        <source>wrote %Ln record(s) to %1</source>
        <extracomment>%1: the path of the config.xml file written</extracomment>
        <translation>
            <numerusform>%Ln registro escrito en %1</numerusform>
            <numerusform>%Ln registros escritos en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) unchanged</source>
        <translation>
            <numerusform>%Ln archivo config.xml sin cambios</numerusform>
            <numerusform>%Ln archivos config.xml sin cambios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is unchanged: it already holds %Ln record(s)</source>
        <extracomment>%1: the path of a config.xml file</extracomment>
        <translation>
            <numerusform>%1 sigue sin cambios: ya contiene %Ln registro</numerusform>
            <numerusform>%1 sigue sin cambios: ya contiene %Ln registros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) kept in their own style</source>
        <translation>
            <numerusform>%Ln carpeta conservada en su propio estilo</numerusform>
            <numerusform>%Ln carpetas conservadas en su propio estilo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) cut short, kept</source>
        <translation>
            <numerusform>%Ln archivo config.xml truncado, conservado</numerusform>
            <numerusform>%Ln archivos config.xml truncados, conservados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) not mapped yet</source>
        <translation>
            <numerusform>%Ln carpeta aún sin mapear</numerusform>
            <numerusform>%Ln carpetas aún sin mapear</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) could not be read</source>
        <translation>
            <numerusform>%Ln carpeta no se pudo leer</numerusform>
            <numerusform>%Ln carpetas no se pudieron leer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) could not be written</source>
        <translation>
            <numerusform>%Ln carpeta no se pudo escribir</numerusform>
            <numerusform>%Ln carpetas no se pudieron escribir</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entry(s) passed over (.PNG)</source>
        <translation>
            <numerusform>%Ln elemento omitido (.PNG)</numerusform>
            <numerusform>%Ln elementos omitidos (.PNG)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) of the replaced config.xml not in the new one</source>
        <translation>
            <numerusform>%Ln registro del config.xml reemplazado no está en el nuevo</numerusform>
            <numerusform>%Ln registros del config.xml reemplazado no están en el nuevo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) of the replaced config.xml files not in the new ones</source>
        <translation>
            <numerusform>%Ln registro de los config.xml reemplazados no está en los nuevos</numerusform>
            <numerusform>%Ln registros de los config.xml reemplazados no están en los nuevos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) map to the same picture as another</source>
        <translation>
            <numerusform>%Ln imagen se mapea al mismo gráfico que otra</numerusform>
            <numerusform>%Ln imágenes se mapean al mismo gráfico que otra</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) would not load</source>
        <translation>
            <numerusform>%Ln imagen no se pudo cargar</numerusform>
            <numerusform>%Ln imágenes no se pudieron cargar</numerusform>
        </translation>
    </message>
    <message>
        <source>its sub-folders hold images: tick Include sub-folders to write them</source>
        <translation>sus subcarpetas contienen imágenes: marque Incluir subcarpetas para escribirlas</translation>
    </message>
    <message>
        <source>config.xml is current</source>
        <translation>config.xml está al día</translation>
    </message>
    <message numerus="yes">
        <source>all %Ln config.xml files are current</source>
        <translation>
            <numerusform>el %Ln archivo config.xml está al día</numerusform>
            <numerusform>los %Ln archivos config.xml están al día</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 not current</source>
        <extracomment>%1: all the config.xml files checked, as “of 4 config.xml files” counts them</extracomment>
        <translation>
            <numerusform>%Ln de %1 no está al día</numerusform>
            <numerusform>%Ln de %1 no están al día</numerusform>
        </translation>
    </message>
    <message>
        <source>these style choices give no record</source>
        <translation>estas opciones de estilo no dan ningún registro</translation>
    </message>
    <message>
        <source>a kit image needs a name like TEAM_KIT, with exactly one underscore</source>
        <translation>el nombre debe ser como EQUIPO_EQUIPACION, con un solo guion bajo</translation>
    </message>
    <message>
        <source>a kit image needs a team before the underscore, like TEAM_KIT</source>
        <translation>falta el equipo antes del guion bajo, como en EQUIPO_EQUIPACION</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8 or holds a control character</source>
        <translation>el nombre no es UTF-8 válido o contiene un carácter de control</translation>
    </message>
    <message>
        <source>not a .png, .jpg or .jpeg file</source>
        <translation>no es un archivo .png, .jpg ni .jpeg</translation>
    </message>
    <message>
        <source>the extension is not in lower case (.png, .jpg, .jpeg)</source>
        <translation>la extensión no está en minúsculas (.png, .jpg, .jpeg)</translation>
    </message>
    <message>
        <source>a file</source>
        <extracomment>What a path is, as the four after it, in brackets after “not a PNG image” or “not a mapping file”</extracomment>
        <translation>un archivo</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <extracomment>An image&apos;s row; %1: the system&apos;s reason, as “Permission denied”</extracomment>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>0 bytes</source>
        <extracomment>What an image file holds, as the three after it, in brackets after “not a PNG image”</extracomment>
        <translation>0 bytes</translation>
    </message>
    <message>
        <source>it holds text</source>
        <translation>contiene texto</translation>
    </message>
    <message>
        <source>it holds HTML</source>
        <translation>contiene HTML</translation>
    </message>
    <message>
        <source>it holds other data</source>
        <translation>contiene otros datos</translation>
    </message>
    <message>
        <source>not a PNG image (%1)</source>
        <extracomment>%1: what the file holds instead, as “it holds text”</extracomment>
        <translation>no es una imagen PNG (%1)</translation>
    </message>
    <message>
        <source>not a JPEG image (%1)</source>
        <translation>no es una imagen JPEG (%1)</translation>
    </message>
    <message>
        <source>cannot list %1: %2</source>
        <extracomment>This and the eight after it: %1 a path, %2 the system&apos;s reason</extracomment>
        <translation>no se puede listar %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>cannot create a file in %1: %2</source>
        <translation>no se puede crear un archivo en %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>cannot flush %1: %2</source>
        <translation>no se puede volcar %1 al disco: %2</translation>
    </message>
    <message>
        <source>cannot close %1: %2</source>
        <translation>no se puede cerrar %1: %2</translation>
    </message>
    <message>
        <source>cannot replace %1: %2</source>
        <translation>no se puede reemplazar %1: %2</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <source>cannot keep a copy of %1: %2</source>
        <translation>no se puede guardar una copia de %1: %2</translation>
    </message>
    <message>
        <source>there is no cache folder: %1 is not set</source>
        <extracomment>%1: the name of an environment variable, as HOME</extracomment>
        <translation>no hay carpeta de caché: %1 no está definida</translation>
    </message>
    <message>
        <source>cut short: it ends in its header</source>
        <translation>truncado: termina en su cabecera</translation>
    </message>
    <message>
        <source>cut short: it ends inside a record</source>
        <translation>truncado: termina dentro de un registro</translation>
    </message>
    <message>
        <source>cut short: it ends before the end of its list</source>
        <translation>truncado: termina antes del final de su lista</translation>
    </message>
    <message>
        <source>cut short: it ends before &lt;/record&gt;</source>
        <translation>truncado: termina antes de &lt;/record&gt;</translation>
    </message>
    <message>
        <source>not a mapping file (%1)</source>
        <translation>no es un archivo de mapeo (%1)</translation>
    </message>
    <message>
        <source>not a mapping file (it is empty)</source>
        <translation>no es un archivo de mapeo (está vacío)</translation>
    </message>
    <message>
        <source>not a mapping file</source>
        <translation>no es un archivo de mapeo</translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>A folder&apos;s row: it has no config.xml</extracomment>
        <translation>falta</translation>
    </message>
    <message>
        <source>it maps no records of a style</source>
        <translation>no mapea registros de ningún estilo</translation>
    </message>
    <message>
        <source>current: the same records in another order or layout</source>
        <translation>al día: los mismos registros en otro orden o formato</translation>
    </message>
    <message>
        <source>current</source>
        <extracomment>A folder&apos;s row: its config.xml holds what a write would write</extracomment>
        <translation>al día</translation>
    </message>
    <message>
        <source>stale: other options than preload and amap off</source>
        <translation>desfasado: opciones distintas de preload y amap desactivados</translation>
    </message>
    <message>
        <source>stale: text or elements a mapping file does not hold</source>
        <translation>desfasado: texto o elementos que un archivo de mapeo no contiene</translation>
    </message>
    <message>
        <source>stale: %1</source>
        <extracomment>A folder&apos;s row; %1: how a write would change its records, as “6 records to add and 1 to change”</extracomment>
        <translation>desfasado: %1</translation>
    </message>
    <message>
        <source>not mapped yet: %1</source>
        <extracomment>%1: what the folder&apos;s config.xml is, as “not a mapping file”</extracomment>
        <translation>aún sin mapear: %1</translation>
    </message>
    <message>
        <source>could not be read</source>
        <extracomment>A folder&apos;s row: its config.xml could not be read</extracomment>
        <translation>no se pudo leer</translation>
    </message>
    <message>
        <source>no images</source>
        <extracomment>A folder&apos;s row: it holds no images to map</extracomment>
        <translation>sin imágenes</translation>
    </message>
    <message>
        <source>kept: %1</source>
        <extracomment>A folder&apos;s row: its config.xml, kept as it was; %1: what it is, as “cut short: it ends inside a record”</extracomment>
        <translation>conservado: %1</translation>
    </message>
    <message>
        <source>not mapped yet</source>
        <extracomment>A folder&apos;s row: it has no config.xml yet</extracomment>
        <translation>aún sin mapear</translation>
    </message>
    <message>
        <source>Nothing to undo: %1</source>
        <extracomment>%1: why there is no cache folder, as “there is no cache folder: HOME is not set”</extracomment>
        <translation>Nada que deshacer: %1</translation>
    </message>
    <message>
        <source>Nothing to undo: no write has been kept to undo</source>
        <translation>Nada que deshacer: no se ha guardado ninguna escritura para deshacer</translation>
    </message>
    <message>
        <source>Nothing undone: another write has been made since</source>
        <translation>No se deshizo nada: desde entonces se ha hecho otra escritura</translation>
    </message>
    <message>
        <source>Nothing undone: another undo is under way</source>
        <translation>No se deshizo nada: ya hay otra operación de deshacer en curso</translation>
    </message>
    <message numerus="yes">
        <source>%Ln already as before the write</source>
        <extracomment>config.xml files that Undo found as they were before the write</extracomment>
        <translation>
            <numerusform>%Ln ya estaba como antes de la escritura</numerusform>
            <numerusform>%Ln ya estaban como antes de la escritura</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln changed since, left alone</source>
        <extracomment>config.xml files changed since the write, which Undo did not touch</extracomment>
        <translation>
            <numerusform>%Ln cambiado desde entonces, sin tocar</numerusform>
            <numerusform>%Ln cambiados desde entonces, sin tocar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln could not be put back</source>
        <extracomment>config.xml files that Undo could not put back</extracomment>
        <translation>
            <numerusform>%Ln no se pudo restaurar</numerusform>
            <numerusform>%Ln no se pudieron restaurar</numerusform>
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
        <translation>eliminado %1</translation>
    </message>
    <message>
        <source>%1 changed since, left alone</source>
        <extracomment>%1: the path of a config.xml file</extracomment>
        <translation>%1 cambió desde entonces, sin tocar</translation>
    </message>
    <message>
        <source>could not put back %1: %2</source>
        <extracomment>%1: the path of a config.xml file; %2: why</extracomment>
        <translation>no se pudo restaurar %1: %2</translation>
    </message>
    <message>
        <source>its kept copy is gone</source>
        <translation>su copia guardada ha desaparecido</translation>
    </message>
    <message>
        <source>its kept copy was changed</source>
        <translation>su copia guardada fue modificada</translation>
    </message>
    <message>
        <source>%1 is not a local file</source>
        <extracomment>%1: the address of what was chosen</extracomment>
        <translation>%1 no es un archivo local</translation>
    </message>
    <message>
        <source>%1 is not a local folder</source>
        <extracomment>%1: the address of what was chosen or dropped</extracomment>
        <translation>%1 no es una carpeta local</translation>
    </message>
    <message>
        <source>cancelled: the check stopped before its end</source>
        <translation>cancelado: la comprobación se detuvo antes de terminar</translation>
    </message>
    <message>
        <source>Undo is not available: %1</source>
        <extracomment>%1: why, as “cannot make /home/me/.cache/crestmap: No space left on device”</extracomment>
        <translation>Deshacer no está disponible: %1</translation>
    </message>
    <message numerus="yes">
        <source>config.xml holds no records: none of the %Ln file(s) maps with these choices (%1)</source>
        <extracomment>%1: what became of the files, as “3 files without a record (kit name)”</extracomment>
        <translation>
            <numerusform>config.xml no contiene registros: el %Ln archivo no se mapea con estas opciones (%1)</numerusform>
            <numerusform>config.xml no contiene registros: ninguno de los %Ln archivos se mapea con estas opciones (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Files without a record:</source>
        <translation>Archivos sin registro:</translation>
    </message>
    <message numerus="yes">
        <source>… and %Ln more</source>
        <translation>
            <numerusform>… y %Ln más</numerusform>
            <numerusform>… y %Ln más</numerusform>
        </translation>
    </message>
    <message>
        <source>kept: it maps %1</source>
        <extracomment>A folder&apos;s row: its config.xml, kept as it was; %1: what it maps, as “kit textures”</extracomment>
        <translation>conservado: mapea %1</translation>
    </message>
    <message numerus="yes">
        <source>Undo: %Ln config.xml file(s) put back, %1</source>
        <extracomment>%1: the config.xml files Undo removed, as “1 removed” counts them</extracomment>
        <translation>
            <numerusform>Deshacer: %Ln archivo config.xml restaurado, %1</numerusform>
            <numerusform>Deshacer: %Ln archivos config.xml restaurados, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln removed</source>
        <comment>the config.xml files of “Undo: %Ln config.xml file(s) put back, %1”</comment>
        <translation>
            <numerusform>%Ln eliminado</numerusform>
            <numerusform>%Ln eliminados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the write of %Ln config.xml file(s) in %1, made by %2 at %3?</source>
        <extracomment>%1: the folder; %2: the command-line tool&apos;s name; %3: the date and time</extracomment>
        <translation>
            <numerusform>¿Deshacer la escritura de %Ln archivo config.xml en %1, hecha por %2 el %3?</numerusform>
            <numerusform>¿Deshacer la escritura de %Ln archivos config.xml en %1, hecha por %2 el %3?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the write of %Ln config.xml file(s) in %1, made by this window at %2?</source>
        <extracomment>%1: the folder; %2: the date and time</extracomment>
        <translation>
            <numerusform>¿Deshacer la escritura de %Ln archivo config.xml en %1, hecha por esta ventana el %2?</numerusform>
            <numerusform>¿Deshacer la escritura de %Ln archivos config.xml en %1, hecha por esta ventana el %2?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrote %Ln record(s) in %1</source>
        <extracomment>%1: the folders, as “in 12 folders” counts them</extracomment>
        <translation>
            <numerusform>%Ln registro escrito en %1</numerusform>
            <numerusform>%Ln registros escritos en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s)</source>
        <comment>the folders of “wrote %Ln record(s) in %1”</comment>
        <translation>
            <numerusform>%Ln carpeta</numerusform>
            <numerusform>%Ln carpetas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (style)</source>
        <translation>
            <numerusform>%Ln archivo sin registro (estilo)</numerusform>
            <numerusform>%Ln archivos sin registro (estilo)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (kit name)</source>
        <translation>
            <numerusform>%Ln archivo sin registro (nombre de equipación)</numerusform>
            <numerusform>%Ln archivos sin registro (nombre de equipación)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (no team)</source>
        <translation>
            <numerusform>%Ln archivo sin registro (sin equipo)</numerusform>
            <numerusform>%Ln archivos sin registro (sin equipo)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (unusable name)</source>
        <translation>
            <numerusform>%Ln archivo sin registro (nombre no utilizable)</numerusform>
            <numerusform>%Ln archivos sin registro (nombre no utilizable)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (not an image)</source>
        <translation>
            <numerusform>%Ln archivo sin registro (no es una imagen)</numerusform>
            <numerusform>%Ln archivos sin registro (no es una imagen)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (.PNG)</source>
        <translation>
            <numerusform>%Ln archivo sin registro (.PNG)</numerusform>
            <numerusform>%Ln archivos sin registro (.PNG)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cancelled: %Ln folder(s) written, %1</source>
        <extracomment>%1: the folders the write did not reach, as “7 left as they were” counts them</extracomment>
        <translation>
            <numerusform>cancelado: %Ln carpeta escrita, %1</numerusform>
            <numerusform>cancelado: %Ln carpetas escritas, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln left as they were</source>
        <comment>the folders of “cancelled: %Ln folder(s) written, %1”</comment>
        <translation>
            <numerusform>%Ln sin cambios</numerusform>
            <numerusform>%Ln sin cambios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s)</source>
        <comment>all the files of “%Ln of %1 not current”</comment>
        <translation>
            <numerusform>%Ln archivo config.xml</numerusform>
            <numerusform>%Ln archivos config.xml</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the write of %Ln config.xml file(s) in %1, made by another Crestmap window at %2?</source>
        <extracomment>%1: the folder; %2: the date and time. A window since closed, or open beside this one</extracomment>
        <translation>
            <numerusform>¿Deshacer la escritura de %Ln archivo config.xml en %1, hecha por otra ventana de Crestmap el %2?</numerusform>
            <numerusform>¿Deshacer la escritura de %Ln archivos config.xml en %1, hecha por otra ventana de Crestmap el %2?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) to add</source>
        <extracomment>Records the file lacks, that a write would add</extracomment>
        <translation>
            <numerusform>%Ln registro por añadir</numerusform>
            <numerusform>%Ln registros por añadir</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to remove</source>
        <extracomment>Records the file holds that a write would leave out; after “6 records to add”</extracomment>
        <translation>
            <numerusform>%Ln por eliminar</numerusform>
            <numerusform>%Ln por eliminar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) to remove</source>
        <translation>
            <numerusform>%Ln registro por eliminar</numerusform>
            <numerusform>%Ln registros por eliminar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to change</source>
        <extracomment>Records a write would map to another picture; after “6 records to add”</extracomment>
        <translation>
            <numerusform>%Ln por cambiar</numerusform>
            <numerusform>%Ln por cambiar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) to change</source>
        <translation>
            <numerusform>%Ln registro por cambiar</numerusform>
            <numerusform>%Ln registros por cambiar</numerusform>
        </translation>
    </message>
    <message>
        <source>Entries passed over:</source>
        <translation>Elementos omitidos:</translation>
    </message>
    <message>
        <source>no folder here holds images</source>
        <translation>ninguna carpeta de aquí contiene imágenes</translation>
    </message>
</context>
<context>
    <name>WriteController</name>
    <message>
        <source>Looking through the folders…</source>
        <translation>Recorriendo las carpetas…</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Write of %Ln Folder(s)</source>
        <translation>
            <numerusform>&amp;Deshacer la escritura de %Ln carpeta</numerusform>
            <numerusform>&amp;Deshacer la escritura de %Ln carpetas</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message numerus="yes">
        <source>Checking %L1 of %Ln folder(s) · %2</source>
        <extracomment>%L1: the folders checked so far; %2: the images, as “1,200 of 4,000 images”</extracomment>
        <translation>
            <numerusform>Comprobando %L1 de %Ln carpeta · %2</numerusform>
            <numerusform>Comprobando %L1 de %Ln carpetas · %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing %L1 of %Ln folder(s) · %2</source>
        <extracomment>%L1: the folders written so far; %2: the images, as “1,200 of 4,000 images”</extracomment>
        <translation>
            <numerusform>Escribiendo %L1 de %Ln carpeta · %2</numerusform>
            <numerusform>Escribiendo %L1 de %Ln carpetas · %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checking… %Ln folder(s), %1 so far</source>
        <extracomment>%1: the images checked so far, as “1,200 images”</extracomment>
        <translation>
            <numerusform>Comprobando… %Ln carpeta, %1 hasta ahora</numerusform>
            <numerusform>Comprobando… %Ln carpetas, %1 hasta ahora</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing… %Ln folder(s), %1 so far</source>
        <extracomment>%1: the images written so far, as “1,200 images”</extracomment>
        <translation>
            <numerusform>Escribiendo… %Ln carpeta, %1 hasta ahora</numerusform>
            <numerusform>Escribiendo… %Ln carpetas, %1 hasta ahora</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The write is paused at %L1 of %Ln folder(s). Stop it and quit?</source>
        <extracomment>%L1: the folders written so far</extracomment>
        <translation>
            <numerusform>La escritura está en pausa en %L1 de %Ln carpeta. ¿Detenerla y salir?</numerusform>
            <numerusform>La escritura está en pausa en %L1 de %Ln carpetas. ¿Detenerla y salir?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The write is paused after %Ln folder(s). Stop it and quit?</source>
        <translation>
            <numerusform>La escritura está en pausa tras %Ln carpeta. ¿Detenerla y salir?</numerusform>
            <numerusform>La escritura está en pausa tras %Ln carpetas. ¿Detenerla y salir?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %Ln image(s)</source>
        <comment>the images of “Checking %L1 of %Ln folder(s) · %2” and of its Writing twin</comment>
        <translation>
            <numerusform>%L1 de %Ln imagen</numerusform>
            <numerusform>%L1 de %Ln imágenes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s)</source>
        <comment>the images of “Checking… %Ln folder(s), %1 so far” and of its Writing twin</comment>
        <translation>
            <numerusform>%Ln imagen</numerusform>
            <numerusform>%Ln imágenes</numerusform>
        </translation>
    </message>
    <message>
        <source>listing the results…</source>
        <extracomment>In place of “1,200 of 4,000 images” once every folder is done</extracomment>
        <translation>listando los resultados…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Writes config.xml, the file that maps a folder of images to a game&apos;s pictures.</source>
        <translation>Escribe config.xml, el archivo que mapea una carpeta de imágenes a los gráficos de un juego.</translation>
    </message>
    <message>
        <source>A folder to open and check; nothing is written until you write or update it.</source>
        <translation>Una carpeta que abrir y comprobar; no se escribe nada hasta que la escriba o la actualice.</translation>
    </message>
</context>
</TS>
