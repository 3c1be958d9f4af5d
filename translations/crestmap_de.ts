<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>DialogPrompts</name>
    <message>
        <source>JPEG image</source>
        <extracomment>Only measured, never shown: the file dialog&apos;s name for the type of a .jpg file</extracomment>
        <translation>JPEG-Bild</translation>
    </message>
    <message numerus="yes">
        <source>  … and %Ln more</source>
        <extracomment>More folders, after a list of ten</extracomment>
        <translation>
            <numerusform>  … und %Ln weiterer</numerusform>
            <numerusform>  … und %Ln weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Browse for images</source>
        <translation>Bilder auswählen</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Bilder (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Check a folder</source>
        <translation>Ordner prüfen</translation>
    </message>
    <message>
        <source>Write a folder</source>
        <translation>Ordner schreiben</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) without a config.xml get one as %1.</source>
        <extracomment>%1: the style chosen, as “club logos”</extracomment>
        <translation>
            <numerusform>%Ln Ordner ohne config.xml erhält eine als %1.</numerusform>
            <numerusform>%Ln Ordner ohne config.xml erhalten eine als %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) already current stay as they are.</source>
        <translation>
            <numerusform>%Ln config.xml-Datei ist schon aktuell und bleibt, wie sie ist.</numerusform>
            <numerusform>%Ln config.xml-Dateien sind schon aktuell und bleiben, wie sie sind.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) cut short are kept by an update; writing all replaces them:</source>
        <translation>
            <numerusform>%Ln abgeschnittene config.xml-Datei wird beim Aktualisieren beibehalten, beim Schreiben aller ersetzt:</numerusform>
            <numerusform>%Ln abgeschnittene config.xml-Dateien werden beim Aktualisieren beibehalten, beim Schreiben aller ersetzt:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing all as %1 would change the style of %Ln folder(s):</source>
        <extracomment>%1: the style chosen, as “club logos”</extracomment>
        <translation>
            <numerusform>Alle als %1 zu schreiben, würde den Stil von %Ln Ordner ändern:</numerusform>
            <numerusform>Alle als %1 zu schreiben, würde den Stil von %Ln Ordnern ändern:</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo puts back every config.xml the write replaces.</source>
        <translation>„Rückgängig“ stellt jede config.xml wieder her, die dabei ersetzt wird.</translation>
    </message>
    <message numerus="yes">
        <source>Write config.xml in %Ln folder(s)?</source>
        <translation>
            <numerusform>config.xml in %Ln Ordner schreiben?</numerusform>
            <numerusform>config.xml in %Ln Ordnern schreiben?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Update each folder in its own style</source>
        <translation>&amp;Jeden Ordner im eigenen Stil aktualisieren</translation>
    </message>
    <message>
        <source>Write &amp;all as %1</source>
        <extracomment>A button; %1: the style chosen, as “club logos”</extracomment>
        <translation>&amp;Alle als %1 schreiben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Write it as %1</source>
        <extracomment>A button; %1: the style chosen, as “club logos”</extracomment>
        <translation>Als %1 &amp;schreiben</translation>
    </message>
    <message>
        <source>%1 maps %2.</source>
        <extracomment>%1: the path of a config.xml file; %2: what it maps, as “kit textures”</extracomment>
        <translation>%1 ordnet %2 zu.</translation>
    </message>
    <message>
        <source>Writing it as %1 replaces its records; Undo puts them back.</source>
        <extracomment>%1: the style chosen, as “club logos”</extracomment>
        <translation>Wird sie als %1 geschrieben, werden ihre Einträge ersetzt; „Rückgängig“ stellt sie wieder her.</translation>
    </message>
    <message>
        <source>&amp;Update it as %1</source>
        <extracomment>A button; %1: the style the file maps, as “kit textures”</extracomment>
        <translation>Als %1 &amp;aktualisieren</translation>
    </message>
    <message>
        <source>Writing it replaces it; Undo puts it back.</source>
        <translation>Schreiben ersetzt sie; „Rückgängig“ stellt sie wieder her.</translation>
    </message>
    <message>
        <source>It is not the write the list shows.</source>
        <translation>Es ist nicht der Schreibvorgang, den die Liste zeigt.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig machen</translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) changed since the write:</source>
        <translation>
            <numerusform>%Ln config.xml-Datei wurde seit dem Schreiben geändert:</numerusform>
            <numerusform>%Ln config.xml-Dateien wurden seit dem Schreiben geändert:</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Keep the Changes</source>
        <translation>Änderungen &amp;behalten</translation>
    </message>
    <message>
        <source>&amp;Put Back</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Folders written so far keep their new config.xml, and Undo stays available; the others keep their old one.</source>
        <translation>Bisher geschriebene Ordner behalten ihre neue config.xml, und „Rückgängig“ bleibt verfügbar; die übrigen behalten ihre alte.</translation>
    </message>
    <message>
        <source>&amp;Keep Writing</source>
        <translation>&amp;Weiterschreiben</translation>
    </message>
    <message>
        <source>Stop and &amp;Quit</source>
        <translation>Stoppen und &amp;beenden</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends in its header.</source>
        <extracomment>This and the three after it: %1 the path of a config.xml file</extracomment>
        <translation>%1 ist abgeschnitten: sie endet in ihrem Kopfteil.</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends inside a record.</source>
        <translation>%1 ist abgeschnitten: sie endet mitten in einem Eintrag.</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends before the end of its list.</source>
        <translation>%1 ist abgeschnitten: sie endet vor dem Ende ihrer Liste.</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends before &lt;/record&gt;.</source>
        <translation>%1 ist abgeschnitten: sie endet vor &lt;/record&gt;.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Every folder keeps its new config.xml, and Undo stays available.</source>
        <translation>Jeder Ordner behält seine neue config.xml, und „Rückgängig“ bleibt verfügbar.</translation>
    </message>
    <message numerus="yes">
        <source>Updating each folder in its own style changes %Ln config.xml file(s):</source>
        <translation>
            <numerusform>Jeden Ordner im eigenen Stil zu aktualisieren, ändert %Ln config.xml-Datei:</numerusform>
            <numerusform>Jeden Ordner im eigenen Stil zu aktualisieren, ändert %Ln config.xml-Dateien:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Write config.xml in up to %Ln folder(s)?</source>
        <extracomment>The answers write different numbers of folders: this one is the most</extracomment>
        <translation>
            <numerusform>config.xml in bis zu %Ln Ordner schreiben?</numerusform>
            <numerusform>config.xml in bis zu %Ln Ordnern schreiben?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An update leaves the %Ln config.xml file(s) already current as they are.</source>
        <translation>
            <numerusform>Eine Aktualisierung lässt die schon aktuelle config.xml-Datei, wie sie ist.</numerusform>
            <numerusform>Eine Aktualisierung lässt die %Ln schon aktuellen config.xml-Dateien, wie sie sind.</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo is not available for this write.</source>
        <translation>„Rückgängig“ ist für dieses Schreiben nicht verfügbar.</translation>
    </message>
    <message>
        <source>Writing it as %1 replaces its records; Undo is not available to put them back.</source>
        <translation>Wird sie als %1 geschrieben, werden ihre Einträge ersetzt; „Rückgängig“ ist nicht verfügbar, um sie wiederherzustellen.</translation>
    </message>
    <message>
        <source>Writing it replaces it; Undo is not available to put it back.</source>
        <translation>Schreiben ersetzt sie; „Rückgängig“ ist nicht verfügbar, um sie wiederherzustellen.</translation>
    </message>
    <message numerus="yes">
        <source>Remove the file(s) the write made, with the change(s)? The changes are lost.</source>
        <translation>
            <numerusform>Die beim Schreiben angelegte Datei samt der Änderung entfernen? Die Änderung geht verloren.</numerusform>
            <numerusform>Die beim Schreiben angelegten Dateien samt den Änderungen entfernen? Die Änderungen gehen verloren.</numerusform>
        </translation>
    </message>
    <message>
        <source>Put back what the write replaced and remove what it made, over the changes? The changes are lost.</source>
        <translation>Wiederherstellen, was beim Schreiben ersetzt wurde, und entfernen, was dabei angelegt wurde, anstelle der Änderungen? Die Änderungen gehen verloren.</translation>
    </message>
    <message numerus="yes">
        <source>Put back the old copies over the change(s)? The changes are lost.</source>
        <translation>
            <numerusform>Die alte Kopie anstelle der Änderung wiederherstellen? Die Änderung geht verloren.</numerusform>
            <numerusform>Die alten Kopien anstelle der Änderungen wiederherstellen? Die Änderungen gehen verloren.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileSelector</name>
    <message>
        <source>Example: %1</source>
        <extracomment>%1: an image&apos;s name and the picture it maps to</extracomment>
        <translation>Beispiel: %1</translation>
    </message>
    <message>
        <source>Example: with these choices, images get no record.</source>
        <translation>Beispiel: Mit dieser Auswahl erhalten Bilder keinen Eintrag.</translation>
    </message>
    <message numerus="yes">
        <source>Crestmap opens one folder at a time; %Ln more were given: %1</source>
        <extracomment>%1: the folders given after the first</extracomment>
        <translation>
            <numerusform>Crestmap öffnet immer nur einen Ordner; %Ln weiterer wurde angegeben: %1</numerusform>
            <numerusform>Crestmap öffnet immer nur einen Ordner; %Ln weitere wurden angegeben: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no file or folder called %1.</source>
        <translation>Es gibt keine Datei und keinen Ordner namens %1.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder. Open the folder that holds it.</source>
        <translation>%1 ist eine Datei, kein Ordner. Öffnen Sie den Ordner, der sie enthält.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>FolderDragView</name>
    <message>
        <source>Drop a folder of images here</source>
        <translation>Einen Bilderordner hierher ziehen</translation>
    </message>
    <message>
        <source>Release to write config.xml in this folder</source>
        <translation>Loslassen, um config.xml in diesen Ordner zu schreiben</translation>
    </message>
    <message>
        <source>Only one folder can be dropped here</source>
        <translation>Hier kann nur ein Ordner abgelegt werden</translation>
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
        <translation>&amp;Grafikstil</translation>
    </message>
    <message>
        <source>&amp;Logo type</source>
        <translation>&amp;Logoart</translation>
    </message>
    <message>
        <source>&amp;Kit type</source>
        <translation>&amp;Trikotart</translation>
    </message>
    <message>
        <source>Backgro&amp;und type</source>
        <translation>Hintergrund&amp;art</translation>
    </message>
    <message>
        <source>What an image becomes with these choices</source>
        <translation>Was mit dieser Auswahl aus einem Bild wird</translation>
    </message>
    <message>
        <source>Drop area</source>
        <translation>Ablagebereich</translation>
    </message>
    <message>
        <source>Drop one folder of images here to write its config.xml</source>
        <translation>Einen Bilderordner hierher ziehen, um seine config.xml zu schreiben</translation>
    </message>
    <message>
        <source>&amp;Browse for images…</source>
        <translation>Bilder aus&amp;wählen…</translation>
    </message>
    <message>
        <source>Choose image files and write config.xml beside them</source>
        <translation>Bilddateien auswählen und config.xml daneben schreiben</translation>
    </message>
    <message>
        <source>&amp;Write folder…</source>
        <translation>Ordner &amp;schreiben…</translation>
    </message>
    <message>
        <source>Choose a folder and write its config.xml, as dropping it would</source>
        <translation>Einen Ordner auswählen und seine config.xml schreiben, wie beim Hineinziehen</translation>
    </message>
    <message>
        <source>&amp;Check folder…</source>
        <translation>Ordner &amp;prüfen…</translation>
    </message>
    <message>
        <source>Choose a folder and check its config.xml files and images; nothing is written</source>
        <translation>Einen Ordner auswählen und seine config.xml-Dateien und Bilder prüfen; nichts wird geschrieben</translation>
    </message>
    <message>
        <source>Up&amp;date stale folders</source>
        <translation>&amp;Veraltete Ordner aktualisieren</translation>
    </message>
    <message>
        <source>Write the folders the check found stale or missing, each in its own style</source>
        <translation>Die Ordner, deren config.xml laut Prüfung veraltet ist oder fehlt, jeweils im eigenen Stil schreiben</translation>
    </message>
    <message>
        <source>Include &amp;sub-folders</source>
        <translation>&amp;Unterordner einbeziehen</translation>
    </message>
    <message>
        <source>Also write config.xml in every folder below that holds images</source>
        <translation>config.xml auch in jeden Ordner darunter schreiben, der Bilder enthält</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>What the last write did</source>
        <translation>Was das letzte Schreiben bewirkt hat</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Choose a folder and check its config.xml files and images</source>
        <translation>Einen Ordner auswählen und seine config.xml-Dateien und Bilder prüfen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo last write</source>
        <translation>&amp;Rückgängig: letztes Schreiben</translation>
    </message>
    <message>
        <source>&amp;Copy paths</source>
        <translation>Pfade &amp;kopieren</translation>
    </message>
    <message>
        <source>Crestmap &amp;help</source>
        <translation>Crestmap-&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Crestmap</source>
        <translation>&amp;Über Crestmap</translation>
    </message>
    <message>
        <source>&amp;Open folder</source>
        <translation>Ordner ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open the folder the last write wrote its config.xml in</source>
        <translation>Den Ordner öffnen, in den das letzte Schreiben seine config.xml geschrieben hat</translation>
    </message>
    <message>
        <source>Nothing could show %1</source>
        <extracomment>%1: the path of a file or folder</extracomment>
        <translation>Kein Programm konnte %1 anzeigen</translation>
    </message>
    <message>
        <source>Nothing could open %1</source>
        <extracomment>%1: the path of a file or folder</extracomment>
        <translation>Kein Programm konnte %1 öffnen</translation>
    </message>
    <message>
        <source>The program for %1 has not answered yet</source>
        <extracomment>%1: the path of a file or folder</extracomment>
        <translation>Das Programm für %1 hat noch nicht geantwortet</translation>
    </message>
    <message>
        <source>%1 — Crestmap</source>
        <extracomment>The window&apos;s title; %1: the name of the folder the list shows, or a job works in</extracomment>
        <translation>%1 — Crestmap</translation>
    </message>
    <message>
        <source>&lt;p&gt;It uses Qt %1, licensed under the GNU Lesser General Public License version 3 (LGPL-3.0). Beside crestmap.exe are its text, Qt-LGPL-3.0.txt, the GPL-3.0 it builds on, GPL-3.0.txt, and the notices of the libraries built into Qt, Qt-third-party-notices.txt.&lt;/p&gt;&lt;p&gt;README.txt, there too, describes the window and the command-line tool.&lt;/p&gt;</source>
        <extracomment>%1: Qt&apos;s version</extracomment>
        <translation>&lt;p&gt;Es verwendet Qt %1, lizenziert unter der GNU Lesser General Public License Version 3 (LGPL-3.0). Neben crestmap.exe liegen ihr Text, Qt-LGPL-3.0.txt, die GPL-3.0, auf der sie aufbaut, GPL-3.0.txt, und die Hinweise zu den in Qt eingebauten Bibliotheken, Qt-third-party-notices.txt.&lt;/p&gt;&lt;p&gt;README.txt, ebenfalls dort, beschreibt das Fenster und das Befehlszeilenprogramm.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;It uses Qt %1, licensed under the GNU Lesser General Public License version 3 (LGPL-3.0); your system&apos;s Qt packages hold its licence texts.&lt;/p&gt;&lt;p&gt;The command-line tool is described in its manual page: &lt;code&gt;man crestmap-cli&lt;/code&gt;.&lt;/p&gt;</source>
        <extracomment>%1: Qt&apos;s version</extracomment>
        <translation>&lt;p&gt;Es verwendet Qt %1, lizenziert unter der GNU Lesser General Public License Version 3 (LGPL-3.0); die Qt-Pakete Ihres Systems enthalten ihre Lizenztexte.&lt;/p&gt;&lt;p&gt;Das Befehlszeilenprogramm ist in seiner Handbuchseite beschrieben: &lt;code&gt;man crestmap-cli&lt;/code&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Crestmap</source>
        <translation>Über Crestmap</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Crestmap %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Writes config.xml, the file that maps a folder of images to a game&apos;s pictures.&lt;/p&gt;&lt;p&gt;Released under the MIT licence.&lt;/p&gt;</source>
        <extracomment>%1: Crestmap&apos;s version</extracomment>
        <translation>&lt;p&gt;&lt;b&gt;Crestmap %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Schreibt config.xml, die Datei, die einen Bilderordner den Grafiken eines Spiels zuordnet.&lt;/p&gt;&lt;p&gt;Veröffentlicht unter der MIT-Lizenz.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The window speaks %1.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Das Fenster spricht %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>English</source>
        <comment>the name of the window&apos;s language, in it</comment>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Crestmap help</source>
        <translation>Crestmap-Hilfe</translation>
    </message>
    <message>
        <source>&lt;p&gt;Choose what the images are with the four groups, then hand them over: Browse for images… (%1) maps the files you choose; Write folder… (%2) or a folder dropped on the window maps every image in it, and with Include sub-folders every folder below it. Check folder… (%4) compares a folder&apos;s config.xml files with what would be written, and writes nothing.&lt;/p&gt;&lt;p&gt;The list shows what each image became. Enter opens an image; the context menu copies paths and records. Undo (%3) puts back what the last write, of this window or of crestmap-cli, replaced.&lt;/p&gt;</source>
        <extracomment>%1, %2, %3, %4: the keys of Browse for images…, Write folder…, Undo and Check folder…</extracomment>
        <translation>&lt;p&gt;Legen Sie mit den vier Gruppen fest, was die Bilder sind, und übergeben Sie sie dann: „Bilder auswählen…“ (%1) ordnet die gewählten Dateien zu; „Ordner schreiben…“ (%2) oder ein auf das Fenster gezogener Ordner ordnet jedes Bild darin zu, mit „Unterordner einbeziehen“ auch jeden Ordner darunter. „Ordner prüfen…“ (%4) vergleicht die config.xml-Dateien eines Ordners mit dem, was geschrieben würde, und schreibt nichts.&lt;/p&gt;&lt;p&gt;Die Liste zeigt, was aus jedem Bild wurde. Die Eingabetaste öffnet ein Bild; das Kontextmenü kopiert Pfade und Einträge. „Rückgängig“ (%3) stellt wieder her, was das letzte Schreiben dieses Fensters oder von crestmap-cli ersetzt hat.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>ResultAlert</name>
    <message>
        <source>Undo puts back every config.xml this write replaced, and removes those it made.</source>
        <translation>„Rückgängig“ stellt jede config.xml wieder her, die dieses Schreiben ersetzt hat, und entfernt die neu angelegten.</translation>
    </message>
    <message>
        <source>Undo is not available for this write.</source>
        <translation>„Rückgängig“ ist für dieses Schreiben nicht verfügbar.</translation>
    </message>
    <message numerus="yes">
        <source>The config.xml files it replaced held %Ln record(s) that the new ones lack; Undo puts them back.</source>
        <translation>
            <numerusform>Die ersetzten config.xml-Dateien enthielten %Ln Eintrag, der den neuen fehlt; „Rückgängig“ stellt sie wieder her.</numerusform>
            <numerusform>Die ersetzten config.xml-Dateien enthielten %Ln Einträge, die den neuen fehlen; „Rückgängig“ stellt sie wieder her.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The config.xml it replaced held %Ln record(s) that the new one lacks; Undo puts it back.</source>
        <translation>
            <numerusform>Die ersetzte config.xml enthielt %Ln Eintrag, der der neuen fehlt; „Rückgängig“ stellt sie wieder her.</numerusform>
            <numerusform>Die ersetzte config.xml enthielt %Ln Einträge, die der neuen fehlen; „Rückgängig“ stellt sie wieder her.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your config.xml files have been successfully written in %Ln folder(s).</source>
        <translation>
            <numerusform>Ihre config.xml-Datei wurde in %Ln Ordner erfolgreich geschrieben.</numerusform>
            <numerusform>Ihre config.xml-Dateien wurden in %Ln Ordnern erfolgreich geschrieben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The config.xml files it replaced held %Ln record(s) that the new ones lack; Undo is not available to put them back.</source>
        <translation>
            <numerusform>Die ersetzten config.xml-Dateien enthielten %Ln Eintrag, der den neuen fehlt; „Rückgängig“ ist nicht verfügbar, um sie wiederherzustellen.</numerusform>
            <numerusform>Die ersetzten config.xml-Dateien enthielten %Ln Einträge, die den neuen fehlen; „Rückgängig“ ist nicht verfügbar, um sie wiederherzustellen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The config.xml it replaced held %Ln record(s) that the new one lacks; Undo is not available to put it back.</source>
        <translation>
            <numerusform>Die ersetzte config.xml enthielt %Ln Eintrag, der der neuen fehlt; „Rückgängig“ ist nicht verfügbar, um sie wiederherzustellen.</numerusform>
            <numerusform>Die ersetzte config.xml enthielt %Ln Einträge, die der neuen fehlen; „Rückgängig“ ist nicht verfügbar, um sie wiederherzustellen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) it replaced held no mapping, perhaps another program&apos;s; Undo puts them back.</source>
        <translation>
            <numerusform>%Ln ersetzte config.xml-Datei war keine Zuordnungsdatei, vielleicht die eines anderen Programms; „Rückgängig“ stellt sie wieder her.</numerusform>
            <numerusform>%Ln ersetzte config.xml-Dateien waren keine Zuordnungsdateien, vielleicht die eines anderen Programms; „Rückgängig“ stellt sie wieder her.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) it replaced held no mapping, perhaps another program&apos;s; Undo is not available to put them back.</source>
        <translation>
            <numerusform>%Ln ersetzte config.xml-Datei war keine Zuordnungsdatei, vielleicht die eines anderen Programms; „Rückgängig“ ist nicht verfügbar, um sie wiederherzustellen.</numerusform>
            <numerusform>%Ln ersetzte config.xml-Dateien waren keine Zuordnungsdateien, vielleicht die eines anderen Programms; „Rückgängig“ ist nicht verfügbar, um sie wiederherzustellen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing written: no config.xml needed a change</source>
        <translation>Nichts geschrieben: keine config.xml musste geändert werden</translation>
    </message>
    <message>
        <source>Your config.xml file has been successfully written in the folder you chose.</source>
        <translation>Ihre config.xml-Datei wurde im gewählten Ordner erfolgreich geschrieben.</translation>
    </message>
    <message>
        <source>Nothing written</source>
        <translation>Nichts geschrieben</translation>
    </message>
    <message>
        <source>No folder here holds images.</source>
        <translation>Kein Ordner hier enthält Bilder.</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Image</source>
        <extracomment>The titles of the list&apos;s columns: this, the picture an image maps to, and its folder</extracomment>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Picture it maps to</source>
        <translation>Zugeordnete Grafik</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>ResultsPanel</name>
    <message>
        <source>Choose what the images are, then browse for them or drop their folder above. Every image is then listed here with the picture it maps to, and every file left out with the reason.</source>
        <translation>Legen Sie fest, was die Bilder sind, und wählen Sie sie dann aus oder ziehen Sie ihren Ordner oben hinein. Dann steht hier jedes Bild mit der Grafik, der es zugeordnet ist, und jede ausgelassene Datei mit dem Grund.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Only &amp;problems</source>
        <translation>Nur Probl&amp;eme</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Find images by name</source>
        <translation>Bilder nach Namen suchen</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Each image with the picture it maps to; files without a record, with the reason</source>
        <translation>Jedes Bild mit seiner zugeordneten Grafik; Dateien ohne Eintrag mit dem Grund</translation>
    </message>
    <message>
        <source>Results of the last check</source>
        <translation>Ergebnisse der letzten Prüfung</translation>
    </message>
    <message>
        <source>Results of the last write</source>
        <translation>Ergebnisse des letzten Schreibens</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>A link after the summary of a write, that takes the write back</extracomment>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Open folder</source>
        <extracomment>A link after the summary of a write, that opens the folder written</extracomment>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Nothing copied: no selected row has a record</source>
        <translation>Nichts kopiert: Keine ausgewählte Zeile hat einen Eintrag</translation>
    </message>
    <message>
        <source>Nothing copied: no row is selected</source>
        <translation>Nichts kopiert: Keine Zeile ausgewählt</translation>
    </message>
    <message numerus="yes">
        <source>Copied the record of %Ln row(s)</source>
        <translation>
            <numerusform>Eintrag von %Ln Zeile kopiert</numerusform>
            <numerusform>Einträge von %Ln Zeilen kopiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied the path of %Ln row(s)</source>
        <translation>
            <numerusform>Pfad von %Ln Zeile kopiert</numerusform>
            <numerusform>Pfade von %Ln Zeilen kopiert</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Sort by</source>
        <translation>&amp;Sortieren nach</translation>
    </message>
    <message>
        <source>&amp;Open folder</source>
        <translation>Ordner ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Open image</source>
        <translation>Bild ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>Im &amp;Ordner zeigen</translation>
    </message>
    <message>
        <source>&amp;Copy path</source>
        <translation>Pfad &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;record</source>
        <translation>&amp;Eintrag kopieren</translation>
    </message>
</context>
<context>
    <name>ThumbnailLoader</name>
    <message>
        <source>%L1 × %L2 pixels, %3</source>
        <extracomment>An image&apos;s width and height, then its size in bytes, as “2.4 KB”</extracomment>
        <translation>%L1 × %L2 Pixel, %3</translation>
    </message>
</context>
<context>
    <name>WindowWords</name>
    <message>
        <source>maps to the same picture as %1</source>
        <extracomment>An image&apos;s row; %1: the other image&apos;s name</extracomment>
        <translation>derselben Grafik zugeordnet wie %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%Ln image(s))</source>
        <extracomment>A folder&apos;s name and how many images it holds</extracomment>
        <translation>
            <numerusform>%1 (%Ln Bild)</numerusform>
            <numerusform>%1 (%Ln Bilder)</numerusform>
        </translation>
    </message>
    <message>
        <source>club logos</source>
        <extracomment>What a style&apos;s pictures are, as this and the rest of its table: put into sentences such as “Write all as %1” and “kept: it maps %1”</extracomment>
        <translation>Vereinslogos</translation>
    </message>
    <message>
        <source>nation logos</source>
        <translation>Nationenlogos</translation>
    </message>
    <message>
        <source>competition logos</source>
        <translation>Wettbewerbslogos</translation>
    </message>
    <message>
        <source>media source logos</source>
        <translation>Medienlogos</translation>
    </message>
    <message>
        <source>club icons</source>
        <translation>Vereinssymbole</translation>
    </message>
    <message>
        <source>nation icons</source>
        <translation>Nationensymbole</translation>
    </message>
    <message>
        <source>competition icons</source>
        <translation>Wettbewerbssymbole</translation>
    </message>
    <message>
        <source>media source icons</source>
        <translation>Mediensymbole</translation>
    </message>
    <message>
        <source>left backgrounds of club logos</source>
        <translation>linke Vereinslogo-Hintergründe</translation>
    </message>
    <message>
        <source>left backgrounds of nation logos</source>
        <translation>linke Nationenlogo-Hintergründe</translation>
    </message>
    <message>
        <source>left backgrounds of competition logos</source>
        <translation>linke Wettbewerbslogo-Hintergründe</translation>
    </message>
    <message>
        <source>left backgrounds of media source logos</source>
        <translation>linke Medienlogo-Hintergründe</translation>
    </message>
    <message>
        <source>right backgrounds of club logos</source>
        <translation>rechte Vereinslogo-Hintergründe</translation>
    </message>
    <message>
        <source>right backgrounds of nation logos</source>
        <translation>rechte Nationenlogo-Hintergründe</translation>
    </message>
    <message>
        <source>right backgrounds of competition logos</source>
        <translation>rechte Wettbewerbslogo-Hintergründe</translation>
    </message>
    <message>
        <source>right backgrounds of media source logos</source>
        <translation>rechte Medienlogo-Hintergründe</translation>
    </message>
    <message>
        <source>team backgrounds</source>
        <translation>Team-Hintergründe</translation>
    </message>
    <message>
        <source>stadium backgrounds</source>
        <translation>Stadionhintergründe</translation>
    </message>
    <message>
        <source>competition backgrounds</source>
        <translation>Wettbewerbshintergründe</translation>
    </message>
    <message>
        <source>person backgrounds</source>
        <translation>Personenhintergründe</translation>
    </message>
    <message>
        <source>portraits</source>
        <translation>Porträts</translation>
    </message>
    <message>
        <source>kit textures</source>
        <translation>Trikot-Texturen</translation>
    </message>
    <message>
        <source>kits</source>
        <translation>Trikots</translation>
    </message>
    <message>
        <source>Logo</source>
        <extracomment>A choice of the Graphic style group, as the six after it</extracomment>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Logo background, left</source>
        <translation>Logo-Hintergrund, links</translation>
    </message>
    <message>
        <source>Logo background, right</source>
        <translation>Logo-Hintergrund, rechts</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Porträt</translation>
    </message>
    <message>
        <source>Kit</source>
        <translation>Trikot</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Club</source>
        <extracomment>A choice of the Logo type group, as the three after it</extracomment>
        <translation>Verein</translation>
    </message>
    <message>
        <source>Nation</source>
        <translation>Nation</translation>
    </message>
    <message>
        <source>Competition</source>
        <translation>Wettbewerb</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>Medien</translation>
    </message>
    <message>
        <source>Kit texture</source>
        <translation>Trikot-Textur</translation>
    </message>
    <message>
        <source>Team</source>
        <extracomment>A choice of the Background type group, as the three after it</extracomment>
        <translation>Team</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Stadion</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message numerus="yes">
        <source>wrote %Ln record(s) to %1</source>
        <extracomment>%1: the path of the config.xml file written</extracomment>
        <translation>
            <numerusform>%Ln Eintrag in %1 geschrieben</numerusform>
            <numerusform>%Ln Einträge in %1 geschrieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) unchanged</source>
        <translation>
            <numerusform>%Ln config.xml-Datei unverändert</numerusform>
            <numerusform>%Ln config.xml-Dateien unverändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is unchanged: it already holds %Ln record(s)</source>
        <extracomment>%1: the path of a config.xml file</extracomment>
        <translation>
            <numerusform>%1 ist unverändert, sie enthält bereits %Ln Eintrag</numerusform>
            <numerusform>%1 ist unverändert, sie enthält bereits %Ln Einträge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) kept in their own style</source>
        <translation>
            <numerusform>%Ln Ordner im eigenen Stil beibehalten</numerusform>
            <numerusform>%Ln Ordner im eigenen Stil beibehalten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) cut short, kept</source>
        <translation>
            <numerusform>%Ln abgeschnittene config.xml-Datei beibehalten</numerusform>
            <numerusform>%Ln abgeschnittene config.xml-Dateien beibehalten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) not mapped yet</source>
        <translation>
            <numerusform>%Ln Ordner noch nicht zugeordnet</numerusform>
            <numerusform>%Ln Ordner noch nicht zugeordnet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) could not be read</source>
        <translation>
            <numerusform>%Ln Ordner konnte nicht gelesen werden</numerusform>
            <numerusform>%Ln Ordner konnten nicht gelesen werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) could not be written</source>
        <translation>
            <numerusform>%Ln Ordner konnte nicht geschrieben werden</numerusform>
            <numerusform>%Ln Ordner konnten nicht geschrieben werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entry(s) passed over (.PNG)</source>
        <translation>
            <numerusform>%Ln Element übergangen (.PNG)</numerusform>
            <numerusform>%Ln Elemente übergangen (.PNG)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) of the replaced config.xml not in the new one</source>
        <translation>
            <numerusform>%Ln Eintrag der ersetzten config.xml fehlt in der neuen</numerusform>
            <numerusform>%Ln Einträge der ersetzten config.xml fehlen in der neuen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) of the replaced config.xml files not in the new ones</source>
        <translation>
            <numerusform>%Ln Eintrag der ersetzten config.xml-Dateien fehlt in den neuen</numerusform>
            <numerusform>%Ln Einträge der ersetzten config.xml-Dateien fehlen in den neuen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) map to the same picture as another</source>
        <translation>
            <numerusform>%Ln Bild mit derselben Grafik wie ein anderes</numerusform>
            <numerusform>%Ln Bilder mit derselben Grafik wie andere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) would not load</source>
        <translation>
            <numerusform>%Ln Bild ließ sich nicht laden</numerusform>
            <numerusform>%Ln Bilder ließen sich nicht laden</numerusform>
        </translation>
    </message>
    <message>
        <source>its sub-folders hold images: tick Include sub-folders to write them</source>
        <translation>seine Unterordner enthalten Bilder: „Unterordner einbeziehen“ aktivieren, um sie zu schreiben</translation>
    </message>
    <message>
        <source>config.xml is current</source>
        <translation>config.xml ist aktuell</translation>
    </message>
    <message numerus="yes">
        <source>all %Ln config.xml files are current</source>
        <translation>
            <numerusform>die %Ln config.xml-Datei ist aktuell</numerusform>
            <numerusform>alle %Ln config.xml-Dateien sind aktuell</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 not current</source>
        <extracomment>%1: all the config.xml files checked, as “of 4 config.xml files” counts them</extracomment>
        <translation>
            <numerusform>%Ln von %1 nicht aktuell</numerusform>
            <numerusform>%Ln von %1 nicht aktuell</numerusform>
        </translation>
    </message>
    <message>
        <source>these style choices give no record</source>
        <translation>diese Stilauswahl ergibt keinen Eintrag</translation>
    </message>
    <message>
        <source>a kit image needs a name like TEAM_KIT, with exactly one underscore</source>
        <translation>der Name muss wie TEAM_TRIKOT sein, mit genau einem Unterstrich</translation>
    </message>
    <message>
        <source>a kit image needs a team before the underscore, like TEAM_KIT</source>
        <translation>vor dem Unterstrich fehlt das Team, wie in TEAM_TRIKOT</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8 or holds a control character</source>
        <translation>der Name ist kein gültiges UTF-8 oder enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>not a .png, .jpg or .jpeg file</source>
        <translation>keine .png-, .jpg- oder .jpeg-Datei</translation>
    </message>
    <message>
        <source>the extension is not in lower case (.png, .jpg, .jpeg)</source>
        <translation>die Endung ist nicht kleingeschrieben (.png, .jpg, .jpeg)</translation>
    </message>
    <message>
        <source>a file</source>
        <extracomment>What a path is, as the four after it, in brackets after “not a PNG image” or “not a mapping file”</extracomment>
        <translation>eine Datei</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <extracomment>An image&apos;s row; %1: the system&apos;s reason, as “Permission denied”</extracomment>
        <translation>nicht lesbar: %1</translation>
    </message>
    <message>
        <source>0 bytes</source>
        <extracomment>What an image file holds, as the three after it, in brackets after “not a PNG image”</extracomment>
        <translation>0 Byte</translation>
    </message>
    <message>
        <source>it holds text</source>
        <translation>enthält Text</translation>
    </message>
    <message>
        <source>it holds HTML</source>
        <translation>enthält HTML</translation>
    </message>
    <message>
        <source>it holds other data</source>
        <translation>enthält andere Daten</translation>
    </message>
    <message>
        <source>not a PNG image (%1)</source>
        <extracomment>%1: what the file holds instead, as “it holds text”</extracomment>
        <translation>kein PNG-Bild (%1)</translation>
    </message>
    <message>
        <source>not a JPEG image (%1)</source>
        <translation>kein JPEG-Bild (%1)</translation>
    </message>
    <message>
        <source>cannot list %1: %2</source>
        <extracomment>This and the eight after it: %1 a path, %2 the system&apos;s reason</extracomment>
        <translation>%1 kann nicht aufgelistet werden: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot create a file in %1: %2</source>
        <translation>in %1 kann keine Datei angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot flush %1: %2</source>
        <translation>%1 kann nicht auf den Datenträger übertragen werden: %2</translation>
    </message>
    <message>
        <source>cannot close %1: %2</source>
        <translation>%1 kann nicht geschlossen werden: %2</translation>
    </message>
    <message>
        <source>cannot replace %1: %2</source>
        <translation>%1 kann nicht ersetzt werden: %2</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot keep a copy of %1: %2</source>
        <translation>von %1 kann keine Kopie aufbewahrt werden: %2</translation>
    </message>
    <message>
        <source>there is no cache folder: %1 is not set</source>
        <extracomment>%1: the name of an environment variable, as HOME</extracomment>
        <translation>es gibt keinen Cache-Ordner: %1 ist nicht gesetzt</translation>
    </message>
    <message>
        <source>cut short: it ends in its header</source>
        <translation>abgeschnitten: sie endet in ihrem Kopfteil</translation>
    </message>
    <message>
        <source>cut short: it ends inside a record</source>
        <translation>abgeschnitten: sie endet mitten in einem Eintrag</translation>
    </message>
    <message>
        <source>cut short: it ends before the end of its list</source>
        <translation>abgeschnitten: sie endet vor dem Ende ihrer Liste</translation>
    </message>
    <message>
        <source>cut short: it ends before &lt;/record&gt;</source>
        <translation>abgeschnitten: sie endet vor &lt;/record&gt;</translation>
    </message>
    <message>
        <source>not a mapping file (%1)</source>
        <translation>keine Zuordnungsdatei (%1)</translation>
    </message>
    <message>
        <source>not a mapping file (it is empty)</source>
        <translation>keine Zuordnungsdatei (sie ist leer)</translation>
    </message>
    <message>
        <source>not a mapping file</source>
        <translation>keine Zuordnungsdatei</translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>A folder&apos;s row: it has no config.xml</extracomment>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>it maps no records of a style</source>
        <translation>sie ordnet keine Einträge eines Stils zu</translation>
    </message>
    <message>
        <source>current: the same records in another order or layout</source>
        <translation>aktuell: dieselben Einträge in anderer Reihenfolge oder Form</translation>
    </message>
    <message>
        <source>current</source>
        <extracomment>A folder&apos;s row: its config.xml holds what a write would write</extracomment>
        <translation>aktuell</translation>
    </message>
    <message>
        <source>stale: other options than preload and amap off</source>
        <translation>veraltet: andere Optionen als preload und amap aus</translation>
    </message>
    <message>
        <source>stale: text or elements a mapping file does not hold</source>
        <translation>veraltet: Text oder Elemente, die keine Zuordnungsdatei enthält</translation>
    </message>
    <message>
        <source>stale: %1</source>
        <extracomment>A folder&apos;s row; %1: how a write would change its records, as “6 records to add and 1 to change”</extracomment>
        <translation>veraltet: %1</translation>
    </message>
    <message>
        <source>not mapped yet: %1</source>
        <extracomment>%1: what the folder&apos;s config.xml is, as “not a mapping file”</extracomment>
        <translation>noch nicht zugeordnet: %1</translation>
    </message>
    <message>
        <source>could not be read</source>
        <extracomment>A folder&apos;s row: its config.xml could not be read</extracomment>
        <translation>konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>no images</source>
        <extracomment>A folder&apos;s row: it holds no images to map</extracomment>
        <translation>keine Bilder</translation>
    </message>
    <message>
        <source>kept: %1</source>
        <extracomment>A folder&apos;s row: its config.xml, kept as it was; %1: what it is, as “cut short: it ends inside a record”</extracomment>
        <translation>beibehalten: %1</translation>
    </message>
    <message>
        <source>not mapped yet</source>
        <extracomment>A folder&apos;s row: it has no config.xml yet</extracomment>
        <translation>noch nicht zugeordnet</translation>
    </message>
    <message>
        <source>Nothing to undo: %1</source>
        <extracomment>%1: why there is no cache folder, as “there is no cache folder: HOME is not set”</extracomment>
        <translation>Nichts rückgängig zu machen: %1</translation>
    </message>
    <message>
        <source>Nothing to undo: no write has been kept to undo</source>
        <translation>Nichts rückgängig zu machen: Kein Schreibvorgang wurde dafür aufbewahrt</translation>
    </message>
    <message>
        <source>Nothing undone: another write has been made since</source>
        <translation>Nichts rückgängig gemacht: Seitdem wurde erneut geschrieben</translation>
    </message>
    <message>
        <source>Nothing undone: another undo is under way</source>
        <translation>Nichts rückgängig gemacht: Ein anderes Rückgängigmachen läuft bereits</translation>
    </message>
    <message numerus="yes">
        <source>%Ln already as before the write</source>
        <extracomment>config.xml files that Undo found as they were before the write</extracomment>
        <translation>
            <numerusform>%Ln schon wie vor dem Schreiben</numerusform>
            <numerusform>%Ln schon wie vor dem Schreiben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln changed since, left alone</source>
        <extracomment>config.xml files changed since the write, which Undo did not touch</extracomment>
        <translation>
            <numerusform>%Ln seitdem geändert, unberührt gelassen</numerusform>
            <numerusform>%Ln seitdem geändert, unberührt gelassen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln could not be put back</source>
        <extracomment>config.xml files that Undo could not put back</extracomment>
        <translation>
            <numerusform>%Ln konnte nicht wiederhergestellt werden</numerusform>
            <numerusform>%Ln konnten nicht wiederhergestellt werden</numerusform>
        </translation>
    </message>
    <message>
        <source>put back %1</source>
        <extracomment>%1: the path of a config.xml file that Undo put back</extracomment>
        <translation>%1 wiederhergestellt</translation>
    </message>
    <message>
        <source>removed %1</source>
        <extracomment>%1: the path of a config.xml file that the write made and Undo removed</extracomment>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source>%1 changed since, left alone</source>
        <extracomment>%1: the path of a config.xml file</extracomment>
        <translation>%1 seitdem geändert, unberührt gelassen</translation>
    </message>
    <message>
        <source>could not put back %1: %2</source>
        <extracomment>%1: the path of a config.xml file; %2: why</extracomment>
        <translation>%1 konnte nicht wiederhergestellt werden: %2</translation>
    </message>
    <message>
        <source>its kept copy is gone</source>
        <translation>ihre aufbewahrte Kopie ist weg</translation>
    </message>
    <message>
        <source>its kept copy was changed</source>
        <translation>ihre aufbewahrte Kopie wurde verändert</translation>
    </message>
    <message>
        <source>%1 is not a local file</source>
        <extracomment>%1: the address of what was chosen</extracomment>
        <translation>%1 ist keine lokale Datei</translation>
    </message>
    <message>
        <source>%1 is not a local folder</source>
        <extracomment>%1: the address of what was chosen or dropped</extracomment>
        <translation>%1 ist kein lokaler Ordner</translation>
    </message>
    <message>
        <source>cancelled: the check stopped before its end</source>
        <translation>abgebrochen: die Prüfung endete vorzeitig</translation>
    </message>
    <message>
        <source>Undo is not available: %1</source>
        <extracomment>%1: why, as “cannot make /home/me/.cache/crestmap: No space left on device”</extracomment>
        <translation>„Rückgängig“ ist nicht verfügbar: %1</translation>
    </message>
    <message numerus="yes">
        <source>config.xml holds no records: none of the %Ln file(s) maps with these choices (%1)</source>
        <extracomment>%1: what became of the files, as “3 files without a record (kit name)”</extracomment>
        <translation>
            <numerusform>config.xml enthält keine Einträge: Die %Ln Datei wird mit dieser Auswahl nicht zugeordnet (%1)</numerusform>
            <numerusform>config.xml enthält keine Einträge: Keine der %Ln Dateien wird mit dieser Auswahl zugeordnet (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Files without a record:</source>
        <translation>Dateien ohne Eintrag:</translation>
    </message>
    <message numerus="yes">
        <source>… and %Ln more</source>
        <translation>
            <numerusform>… und %Ln weitere</numerusform>
            <numerusform>… und %Ln weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>kept: it maps %1</source>
        <extracomment>A folder&apos;s row: its config.xml, kept as it was; %1: what it maps, as “kit textures”</extracomment>
        <translation>beibehalten: ordnet %1 zu</translation>
    </message>
    <message numerus="yes">
        <source>Undo: %Ln config.xml file(s) put back, %1</source>
        <extracomment>%1: the config.xml files Undo removed, as “1 removed” counts them</extracomment>
        <translation>
            <numerusform>Rückgängig: %Ln config.xml-Datei wiederhergestellt, %1</numerusform>
            <numerusform>Rückgängig: %Ln config.xml-Dateien wiederhergestellt, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln removed</source>
        <comment>the config.xml files of “Undo: %Ln config.xml file(s) put back, %1”</comment>
        <translation>
            <numerusform>%Ln entfernt</numerusform>
            <numerusform>%Ln entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the write of %Ln config.xml file(s) in %1, made by %2 at %3?</source>
        <extracomment>%1: the folder; %2: the command-line tool&apos;s name; %3: the date and time</extracomment>
        <translation>
            <numerusform>Das Schreiben von %Ln config.xml-Datei in %1 durch %2 am %3 rückgängig machen?</numerusform>
            <numerusform>Das Schreiben von %Ln config.xml-Dateien in %1 durch %2 am %3 rückgängig machen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the write of %Ln config.xml file(s) in %1, made by this window at %2?</source>
        <extracomment>%1: the folder; %2: the date and time</extracomment>
        <translation>
            <numerusform>Das Schreiben von %Ln config.xml-Datei in %1 durch dieses Fenster am %2 rückgängig machen?</numerusform>
            <numerusform>Das Schreiben von %Ln config.xml-Dateien in %1 durch dieses Fenster am %2 rückgängig machen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrote %Ln record(s) in %1</source>
        <extracomment>%1: the folders, as “in 12 folders” counts them</extracomment>
        <translation>
            <numerusform>%Ln Eintrag in %1 geschrieben</numerusform>
            <numerusform>%Ln Einträge in %1 geschrieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s)</source>
        <comment>the folders of “wrote %Ln record(s) in %1”</comment>
        <translation>
            <numerusform>%Ln Ordner</numerusform>
            <numerusform>%Ln Ordnern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (style)</source>
        <translation>
            <numerusform>%Ln Datei ohne Eintrag (Stil)</numerusform>
            <numerusform>%Ln Dateien ohne Eintrag (Stil)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (kit name)</source>
        <translation>
            <numerusform>%Ln Datei ohne Eintrag (Trikotname)</numerusform>
            <numerusform>%Ln Dateien ohne Eintrag (Trikotname)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (no team)</source>
        <translation>
            <numerusform>%Ln Datei ohne Eintrag (kein Team)</numerusform>
            <numerusform>%Ln Dateien ohne Eintrag (kein Team)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (unusable name)</source>
        <translation>
            <numerusform>%Ln Datei ohne Eintrag (unbrauchbarer Name)</numerusform>
            <numerusform>%Ln Dateien ohne Eintrag (unbrauchbarer Name)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (not an image)</source>
        <translation>
            <numerusform>%Ln Datei ohne Eintrag (kein Bild)</numerusform>
            <numerusform>%Ln Dateien ohne Eintrag (kein Bild)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (.PNG)</source>
        <translation>
            <numerusform>%Ln Datei ohne Eintrag (.PNG)</numerusform>
            <numerusform>%Ln Dateien ohne Eintrag (.PNG)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cancelled: %Ln folder(s) written, %1</source>
        <extracomment>%1: the folders the write did not reach, as “7 left as they were” counts them</extracomment>
        <translation>
            <numerusform>abgebrochen: %Ln Ordner geschrieben, %1</numerusform>
            <numerusform>abgebrochen: %Ln Ordner geschrieben, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln left as they were</source>
        <comment>the folders of “cancelled: %Ln folder(s) written, %1”</comment>
        <translation>
            <numerusform>%Ln unberührt</numerusform>
            <numerusform>%Ln unberührt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s)</source>
        <comment>all the files of “%Ln of %1 not current”</comment>
        <translation>
            <numerusform>%Ln config.xml-Datei</numerusform>
            <numerusform>%Ln config.xml-Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the write of %Ln config.xml file(s) in %1, made by another Crestmap window at %2?</source>
        <extracomment>%1: the folder; %2: the date and time. A window since closed, or open beside this one</extracomment>
        <translation>
            <numerusform>Das Schreiben von %Ln config.xml-Datei in %1 durch ein anderes Crestmap-Fenster am %2 rückgängig machen?</numerusform>
            <numerusform>Das Schreiben von %Ln config.xml-Dateien in %1 durch ein anderes Crestmap-Fenster am %2 rückgängig machen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) to add</source>
        <extracomment>Records the file lacks, that a write would add</extracomment>
        <translation>
            <numerusform>%Ln Eintrag hinzuzufügen</numerusform>
            <numerusform>%Ln Einträge hinzuzufügen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to remove</source>
        <extracomment>Records the file holds that a write would leave out; after “6 records to add”</extracomment>
        <translation>
            <numerusform>%Ln zu entfernen</numerusform>
            <numerusform>%Ln zu entfernen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) to remove</source>
        <translation>
            <numerusform>%Ln Eintrag zu entfernen</numerusform>
            <numerusform>%Ln Einträge zu entfernen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to change</source>
        <extracomment>Records a write would map to another picture; after “6 records to add”</extracomment>
        <translation>
            <numerusform>%Ln zu ändern</numerusform>
            <numerusform>%Ln zu ändern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) to change</source>
        <translation>
            <numerusform>%Ln Eintrag zu ändern</numerusform>
            <numerusform>%Ln Einträge zu ändern</numerusform>
        </translation>
    </message>
    <message>
        <source>Entries passed over:</source>
        <translation>Übergangene Elemente:</translation>
    </message>
    <message>
        <source>no folder here holds images</source>
        <translation>kein Ordner hier enthält Bilder</translation>
    </message>
</context>
<context>
    <name>WriteController</name>
    <message>
        <source>Looking through the folders…</source>
        <translation>Ordner werden durchsucht…</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Write of %Ln Folder(s)</source>
        <translation>
            <numerusform>&amp;Rückgängig: Schreiben in %Ln Ordner</numerusform>
            <numerusform>&amp;Rückgängig: Schreiben in %Ln Ordnern</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message numerus="yes">
        <source>Checking %L1 of %Ln folder(s) · %2</source>
        <extracomment>%L1: the folders checked so far; %2: the images, as “1,200 of 4,000 images”</extracomment>
        <translation>
            <numerusform>Prüfung: %L1 von %Ln Ordner · %2</numerusform>
            <numerusform>Prüfung: %L1 von %Ln Ordnern · %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing %L1 of %Ln folder(s) · %2</source>
        <extracomment>%L1: the folders written so far; %2: the images, as “1,200 of 4,000 images”</extracomment>
        <translation>
            <numerusform>Schreiben: %L1 von %Ln Ordner · %2</numerusform>
            <numerusform>Schreiben: %L1 von %Ln Ordnern · %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checking… %Ln folder(s), %1 so far</source>
        <extracomment>%1: the images checked so far, as “1,200 images”</extracomment>
        <translation>
            <numerusform>Prüfung… bisher %Ln Ordner, %1</numerusform>
            <numerusform>Prüfung… bisher %Ln Ordner, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing… %Ln folder(s), %1 so far</source>
        <extracomment>%1: the images written so far, as “1,200 images”</extracomment>
        <translation>
            <numerusform>Schreiben… bisher %Ln Ordner, %1</numerusform>
            <numerusform>Schreiben… bisher %Ln Ordner, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The write is paused at %L1 of %Ln folder(s). Stop it and quit?</source>
        <extracomment>%L1: the folders written so far</extracomment>
        <translation>
            <numerusform>Das Schreiben ist bei %L1 von %Ln Ordner angehalten. Stoppen und beenden?</numerusform>
            <numerusform>Das Schreiben ist bei %L1 von %Ln Ordnern angehalten. Stoppen und beenden?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The write is paused after %Ln folder(s). Stop it and quit?</source>
        <translation>
            <numerusform>Das Schreiben ist nach %Ln Ordner angehalten. Stoppen und beenden?</numerusform>
            <numerusform>Das Schreiben ist nach %Ln Ordnern angehalten. Stoppen und beenden?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %Ln image(s)</source>
        <comment>the images of “Checking %L1 of %Ln folder(s) · %2” and of its Writing twin</comment>
        <translation>
            <numerusform>%L1 von %Ln Bild</numerusform>
            <numerusform>%L1 von %Ln Bildern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s)</source>
        <comment>the images of “Checking… %Ln folder(s), %1 so far” and of its Writing twin</comment>
        <translation>
            <numerusform>%Ln Bild</numerusform>
            <numerusform>%Ln Bilder</numerusform>
        </translation>
    </message>
    <message>
        <source>listing the results…</source>
        <extracomment>In place of “1,200 of 4,000 images” once every folder is done</extracomment>
        <translation>Ergebnisse werden aufgelistet…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Writes config.xml, the file that maps a folder of images to a game&apos;s pictures.</source>
        <translation>Schreibt config.xml, die Datei, die einen Bilderordner den Grafiken eines Spiels zuordnet.</translation>
    </message>
    <message>
        <source>A folder to open and check; nothing is written until you write or update it.</source>
        <translation>Ein Ordner zum Öffnen und Prüfen; geschrieben wird erst, wenn Sie schreiben oder aktualisieren.</translation>
    </message>
</context>
</TS>
