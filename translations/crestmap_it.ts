<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>DialogPrompts</name>
    <message>
        <source>JPEG image</source>
        <extracomment>Only measured, never shown: the file dialog&apos;s name for the type of a .jpg file</extracomment>
        <translation>Immagine JPEG</translation>
    </message>
    <message numerus="yes">
        <source>  … and %Ln more</source>
        <extracomment>More folders, after a list of ten</extracomment>
        <translation>
            <numerusform>  … e %Ln altra</numerusform>
            <numerusform>  … e altre %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>Browse for images</source>
        <translation>Sfoglia immagini</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Immagini (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Check a folder</source>
        <translation>Controlla una cartella</translation>
    </message>
    <message>
        <source>Write a folder</source>
        <translation>Scrivi una cartella</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) without a config.xml get one as %1.</source>
        <extracomment>%1: the style chosen, as “club logos”</extracomment>
        <translation>
            <numerusform>%Ln cartella senza config.xml ne riceve uno come %1.</numerusform>
            <numerusform>%Ln cartelle senza config.xml ne ricevono uno come %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) already current stay as they are.</source>
        <translation>
            <numerusform>%Ln file config.xml già aggiornato resta com&apos;è.</numerusform>
            <numerusform>%Ln file config.xml già aggiornati restano come sono.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) cut short are kept by an update; writing all replaces them:</source>
        <translation>
            <numerusform>%Ln file config.xml troncato viene mantenuto da un aggiornamento; scrivere tutto lo sostituisce:</numerusform>
            <numerusform>%Ln file config.xml troncati vengono mantenuti da un aggiornamento; scrivere tutto li sostituisce:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing all as %1 would change the style of %Ln folder(s):</source>
        <extracomment>%1: the style chosen, as “club logos”</extracomment>
        <translation>
            <numerusform>Scrivere tutto come %1 cambierebbe lo stile di %Ln cartella:</numerusform>
            <numerusform>Scrivere tutto come %1 cambierebbe lo stile di %Ln cartelle:</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo puts back every config.xml the write replaces.</source>
        <translation>«Annulla scrittura» ripristina ogni config.xml sostituito dalla scrittura.</translation>
    </message>
    <message numerus="yes">
        <source>Write config.xml in %Ln folder(s)?</source>
        <translation>
            <numerusform>Scrivere config.xml in %Ln cartella?</numerusform>
            <numerusform>Scrivere config.xml in %Ln cartelle?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Update each folder in its own style</source>
        <translation>&amp;Aggiorna ogni cartella nel proprio stile</translation>
    </message>
    <message>
        <source>Write &amp;all as %1</source>
        <extracomment>A button; %1: the style chosen, as “club logos”</extracomment>
        <translation>Scrivi &amp;tutto come %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Lascia com&apos;è</translation>
    </message>
    <message>
        <source>&amp;Write it as %1</source>
        <extracomment>A button; %1: the style chosen, as “club logos”</extracomment>
        <translation>&amp;Scrivilo come %1</translation>
    </message>
    <message>
        <source>%1 maps %2.</source>
        <extracomment>%1: the path of a config.xml file; %2: what it maps, as “kit textures”</extracomment>
        <translation>%1 mappa %2.</translation>
    </message>
    <message>
        <source>Writing it as %1 replaces its records; Undo puts them back.</source>
        <extracomment>%1: the style chosen, as “club logos”</extracomment>
        <translation>Scriverlo come %1 ne sostituisce i record; «Annulla scrittura» li ripristina.</translation>
    </message>
    <message>
        <source>&amp;Update it as %1</source>
        <extracomment>A button; %1: the style the file maps, as “kit textures”</extracomment>
        <translation>&amp;Aggiornalo come %1</translation>
    </message>
    <message>
        <source>Writing it replaces it; Undo puts it back.</source>
        <translation>Scriverlo lo sostituisce; «Annulla scrittura» lo ripristina.</translation>
    </message>
    <message>
        <source>It is not the write the list shows.</source>
        <translation>Non è la scrittura mostrata nell&apos;elenco.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>A&amp;nnulla la scrittura</translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) changed since the write:</source>
        <translation>
            <numerusform>%Ln file config.xml è cambiato dopo la scrittura:</numerusform>
            <numerusform>%Ln file config.xml sono cambiati dopo la scrittura:</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Keep the Changes</source>
        <translation>&amp;Mantieni le modifiche</translation>
    </message>
    <message>
        <source>&amp;Put Back</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>Folders written so far keep their new config.xml, and Undo stays available; the others keep their old one.</source>
        <translation>Le cartelle già scritte mantengono il nuovo config.xml e «Annulla scrittura» resta disponibile; le altre mantengono quello vecchio.</translation>
    </message>
    <message>
        <source>&amp;Keep Writing</source>
        <translation>&amp;Continua a scrivere</translation>
    </message>
    <message>
        <source>Stop and &amp;Quit</source>
        <translation>Ferma ed &amp;esci</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends in its header.</source>
        <extracomment>This and the three after it: %1 the path of a config.xml file</extracomment>
        <translation>%1 è troncato: finisce nell&apos;intestazione.</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends inside a record.</source>
        <translation>%1 è troncato: finisce dentro un record.</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends before the end of its list.</source>
        <translation>%1 è troncato: finisce prima della fine dell&apos;elenco.</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends before &lt;/record&gt;.</source>
        <translation>%1 è troncato: finisce prima di &lt;/record&gt;.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Every folder keeps its new config.xml, and Undo stays available.</source>
        <translation>Ogni cartella mantiene il nuovo config.xml e «Annulla scrittura» resta disponibile.</translation>
    </message>
    <message numerus="yes">
        <source>Updating each folder in its own style changes %Ln config.xml file(s):</source>
        <translation>
            <numerusform>Aggiornare ogni cartella nel proprio stile modifica %Ln file config.xml:</numerusform>
            <numerusform>Aggiornare ogni cartella nel proprio stile modifica %Ln file config.xml:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Write config.xml in up to %Ln folder(s)?</source>
        <extracomment>The answers write different numbers of folders: this one is the most</extracomment>
        <translation>
            <numerusform>Scrivere config.xml in fino a %Ln cartella?</numerusform>
            <numerusform>Scrivere config.xml in fino a %Ln cartelle?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An update leaves the %Ln config.xml file(s) already current as they are.</source>
        <translation>
            <numerusform>Un aggiornamento lascia com&apos;è il file config.xml già aggiornato.</numerusform>
            <numerusform>Un aggiornamento lascia come sono i %Ln file config.xml già aggiornati.</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo is not available for this write.</source>
        <translation>«Annulla scrittura» non è disponibile per questa scrittura.</translation>
    </message>
    <message>
        <source>Writing it as %1 replaces its records; Undo is not available to put them back.</source>
        <translation>Scriverlo come %1 ne sostituisce i record; «Annulla scrittura» non è disponibile per ripristinarli.</translation>
    </message>
    <message>
        <source>Writing it replaces it; Undo is not available to put it back.</source>
        <translation>Scriverlo lo sostituisce; «Annulla scrittura» non è disponibile per ripristinarlo.</translation>
    </message>
    <message numerus="yes">
        <source>Remove the file(s) the write made, with the change(s)? The changes are lost.</source>
        <translation>
            <numerusform>Eliminare il file creato dalla scrittura, insieme alla modifica? La modifica andrà persa.</numerusform>
            <numerusform>Eliminare i file creati dalla scrittura, insieme alle modifiche? Le modifiche andranno perse.</numerusform>
        </translation>
    </message>
    <message>
        <source>Put back what the write replaced and remove what it made, over the changes? The changes are lost.</source>
        <translation>Ripristinare ciò che la scrittura ha sostituito ed eliminare ciò che ha creato, al posto delle modifiche? Le modifiche andranno perse.</translation>
    </message>
    <message numerus="yes">
        <source>Put back the old copies over the change(s)? The changes are lost.</source>
        <translation>
            <numerusform>Ripristinare la vecchia copia al posto della modifica? La modifica andrà persa.</numerusform>
            <numerusform>Ripristinare le vecchie copie al posto delle modifiche? Le modifiche andranno perse.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileSelector</name>
    <message>
        <source>Example: %1</source>
        <extracomment>%1: an image&apos;s name and the picture it maps to</extracomment>
        <translation>Esempio: %1</translation>
    </message>
    <message>
        <source>Example: with these choices, images get no record.</source>
        <translation>Esempio: con queste scelte le immagini non ricevono alcun record.</translation>
    </message>
    <message numerus="yes">
        <source>Crestmap opens one folder at a time; %Ln more were given: %1</source>
        <extracomment>%1: the folders given after the first</extracomment>
        <translation>
            <numerusform>Crestmap apre una cartella alla volta; ne è stata indicata %Ln in più: %1</numerusform>
            <numerusform>Crestmap apre una cartella alla volta; ne sono state indicate %Ln in più: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no file or folder called %1.</source>
        <translation>Non esiste alcun file o cartella chiamato %1.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder. Open the folder that holds it.</source>
        <translation>%1 è un file, non una cartella. Apri la cartella che lo contiene.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Impossibile aprire %1</translation>
    </message>
</context>
<context>
    <name>FolderDragView</name>
    <message>
        <source>Drop a folder of images here</source>
        <translation>Trascina qui una cartella di immagini</translation>
    </message>
    <message>
        <source>Release to write config.xml in this folder</source>
        <translation>Rilascia per scrivere config.xml in questa cartella</translation>
    </message>
    <message>
        <source>Only one folder can be dropped here</source>
        <translation>Qui si può trascinare una sola cartella</translation>
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
        <translation>&amp;Stile grafico</translation>
    </message>
    <message>
        <source>&amp;Logo type</source>
        <translation>Tipo di &amp;logo</translation>
    </message>
    <message>
        <source>&amp;Kit type</source>
        <translation>Tipo di &amp;divisa</translation>
    </message>
    <message>
        <source>Backgro&amp;und type</source>
        <translation>Tipo di sfo&amp;ndo</translation>
    </message>
    <message>
        <source>What an image becomes with these choices</source>
        <translation>Che cosa diventa un&apos;immagine con queste scelte</translation>
    </message>
    <message>
        <source>Drop area</source>
        <translation>Area di rilascio</translation>
    </message>
    <message>
        <source>Drop one folder of images here to write its config.xml</source>
        <translation>Trascina qui una cartella di immagini per scriverne il config.xml</translation>
    </message>
    <message>
        <source>&amp;Browse for images…</source>
        <translation>Sfoglia &amp;immagini…</translation>
    </message>
    <message>
        <source>Choose image files and write config.xml beside them</source>
        <translation>Scegli file di immagine e scrivi config.xml accanto a essi</translation>
    </message>
    <message>
        <source>&amp;Write folder…</source>
        <translation>Scrivi &amp;cartella…</translation>
    </message>
    <message>
        <source>Choose a folder and write its config.xml, as dropping it would</source>
        <translation>Scegli una cartella e scrivine il config.xml, come trascinandola</translation>
    </message>
    <message>
        <source>&amp;Check folder…</source>
        <translation>C&amp;ontrolla cartella…</translation>
    </message>
    <message>
        <source>Choose a folder and check its config.xml files and images; nothing is written</source>
        <translation>Scegli una cartella e controllane i file config.xml e le immagini; non viene scritto nulla</translation>
    </message>
    <message>
        <source>Up&amp;date stale folders</source>
        <translation>A&amp;ggiorna cartelle obsolete</translation>
    </message>
    <message>
        <source>Write the folders the check found stale or missing, each in its own style</source>
        <translation>Scrivi le cartelle che il controllo ha trovato obsolete o mancanti, ognuna nel proprio stile</translation>
    </message>
    <message>
        <source>Include &amp;sub-folders</source>
        <translation>Includi sottoca&amp;rtelle</translation>
    </message>
    <message>
        <source>Also write config.xml in every folder below that holds images</source>
        <translation>Scrivi config.xml anche in ogni cartella sottostante che contiene immagini</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>What the last write did</source>
        <translation>Che cosa ha fatto l&apos;ultima scrittura</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Choose a folder and check its config.xml files and images</source>
        <translation>Scegli una cartella e controllane i file config.xml e le immagini</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Undo last write</source>
        <translation>&amp;Annulla l&apos;ultima scrittura</translation>
    </message>
    <message>
        <source>&amp;Copy paths</source>
        <translation>&amp;Copia percorsi</translation>
    </message>
    <message>
        <source>Crestmap &amp;help</source>
        <translation>&amp;Guida di Crestmap</translation>
    </message>
    <message>
        <source>&amp;About Crestmap</source>
        <translation>&amp;Informazioni su Crestmap</translation>
    </message>
    <message>
        <source>&amp;Open folder</source>
        <translation>&amp;Apri cartella</translation>
    </message>
    <message>
        <source>Open the folder the last write wrote its config.xml in</source>
        <translation>Apri la cartella in cui l&apos;ultima scrittura ha scritto il suo config.xml</translation>
    </message>
    <message>
        <source>Nothing could show %1</source>
        <extracomment>%1: the path of a file or folder</extracomment>
        <translation>Nessun programma ha potuto mostrare %1</translation>
    </message>
    <message>
        <source>Nothing could open %1</source>
        <extracomment>%1: the path of a file or folder</extracomment>
        <translation>Nessun programma ha potuto aprire %1</translation>
    </message>
    <message>
        <source>The program for %1 has not answered yet</source>
        <extracomment>%1: the path of a file or folder</extracomment>
        <translation>Il programma per %1 non ha ancora risposto</translation>
    </message>
    <message>
        <source>%1 — Crestmap</source>
        <extracomment>The window&apos;s title; %1: the name of the folder the list shows, or a job works in</extracomment>
        <translation>%1 — Crestmap</translation>
    </message>
    <message>
        <source>&lt;p&gt;It uses Qt %1, licensed under the GNU Lesser General Public License version 3 (LGPL-3.0). Beside crestmap.exe are its text, Qt-LGPL-3.0.txt, the GPL-3.0 it builds on, GPL-3.0.txt, and the notices of the libraries built into Qt, Qt-third-party-notices.txt.&lt;/p&gt;&lt;p&gt;README.txt, there too, describes the window and the command-line tool.&lt;/p&gt;</source>
        <extracomment>%1: Qt&apos;s version</extracomment>
        <translation>&lt;p&gt;Usa Qt %1, distribuito con licenza GNU Lesser General Public License versione 3 (LGPL-3.0). Accanto a crestmap.exe si trovano il suo testo, Qt-LGPL-3.0.txt, la GPL-3.0 su cui si basa, GPL-3.0.txt, e le note delle librerie integrate in Qt, Qt-third-party-notices.txt.&lt;/p&gt;&lt;p&gt;README.txt, anch&apos;esso lì, descrive la finestra e lo strumento da riga di comando.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;It uses Qt %1, licensed under the GNU Lesser General Public License version 3 (LGPL-3.0); your system&apos;s Qt packages hold its licence texts.&lt;/p&gt;&lt;p&gt;The command-line tool is described in its manual page: &lt;code&gt;man crestmap-cli&lt;/code&gt;.&lt;/p&gt;</source>
        <extracomment>%1: Qt&apos;s version</extracomment>
        <translation>&lt;p&gt;Usa Qt %1, distribuito con licenza GNU Lesser General Public License versione 3 (LGPL-3.0); i pacchetti Qt del tuo sistema contengono i testi della licenza.&lt;/p&gt;&lt;p&gt;Lo strumento da riga di comando è descritto nella sua pagina di manuale: &lt;code&gt;man crestmap-cli&lt;/code&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Crestmap</source>
        <translation>Informazioni su Crestmap</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Crestmap %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Writes config.xml, the file that maps a folder of images to a game&apos;s pictures.&lt;/p&gt;&lt;p&gt;Released under the MIT licence.&lt;/p&gt;</source>
        <extracomment>%1: Crestmap&apos;s version</extracomment>
        <translation>&lt;p&gt;&lt;b&gt;Crestmap %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Scrive config.xml, il file che mappa una cartella di immagini sulle grafiche di un gioco.&lt;/p&gt;&lt;p&gt;Distribuito con licenza MIT.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The window speaks %1.&lt;/p&gt;</source>
        <translation>&lt;p&gt;La finestra parla %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>English</source>
        <comment>the name of the window&apos;s language, in it</comment>
        <translation>italiano</translation>
    </message>
    <message>
        <source>Crestmap help</source>
        <translation>Guida di Crestmap</translation>
    </message>
    <message>
        <source>&lt;p&gt;Choose what the images are with the four groups, then hand them over: Browse for images… (%1) maps the files you choose; Write folder… (%2) or a folder dropped on the window maps every image in it, and with Include sub-folders every folder below it. Check folder… (%4) compares a folder&apos;s config.xml files with what would be written, and writes nothing.&lt;/p&gt;&lt;p&gt;The list shows what each image became. Enter opens an image; the context menu copies paths and records. Undo (%3) puts back what the last write, of this window or of crestmap-cli, replaced.&lt;/p&gt;</source>
        <extracomment>%1, %2, %3, %4: the keys of Browse for images…, Write folder…, Undo and Check folder…</extracomment>
        <translation>&lt;p&gt;Scegli con i quattro gruppi che cosa sono le immagini, poi forniscile: Sfoglia immagini… (%1) mappa i file che scegli; Scrivi cartella… (%2) o una cartella trascinata sulla finestra mappa ogni immagine che contiene e, con Includi sottocartelle, ogni cartella sottostante. Controlla cartella… (%4) confronta i file config.xml di una cartella con ciò che verrebbe scritto, e non scrive nulla.&lt;/p&gt;&lt;p&gt;L&apos;elenco mostra che cosa è diventata ogni immagine. Invio apre un&apos;immagine; il menu contestuale copia percorsi e record. Annulla scrittura (%3) ripristina ciò che l&apos;ultima scrittura, di questa finestra o di crestmap-cli, ha sostituito.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
</context>
<context>
    <name>ResultAlert</name>
    <message>
        <source>Undo puts back every config.xml this write replaced, and removes those it made.</source>
        <translation>«Annulla scrittura» ripristina ogni config.xml sostituito da questa scrittura e rimuove quelli che ha creato.</translation>
    </message>
    <message>
        <source>Undo is not available for this write.</source>
        <translation>«Annulla scrittura» non è disponibile per questa scrittura.</translation>
    </message>
    <message numerus="yes">
        <source>The config.xml files it replaced held %Ln record(s) that the new ones lack; Undo puts them back.</source>
        <translation>
            <numerusform>I file config.xml sostituiti contenevano %Ln record che manca in quelli nuovi; «Annulla scrittura» li ripristina.</numerusform>
            <numerusform>I file config.xml sostituiti contenevano %Ln record che mancano in quelli nuovi; «Annulla scrittura» li ripristina.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The config.xml it replaced held %Ln record(s) that the new one lacks; Undo puts it back.</source>
        <translation>
            <numerusform>Il config.xml sostituito conteneva %Ln record che manca in quello nuovo; «Annulla scrittura» lo ripristina.</numerusform>
            <numerusform>Il config.xml sostituito conteneva %Ln record che mancano in quello nuovo; «Annulla scrittura» lo ripristina.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your config.xml files have been successfully written in %Ln folder(s).</source>
        <translation>
            <numerusform>Il tuo file config.xml è stato scritto correttamente in %Ln cartella.</numerusform>
            <numerusform>I tuoi file config.xml sono stati scritti correttamente in %Ln cartelle.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The config.xml files it replaced held %Ln record(s) that the new ones lack; Undo is not available to put them back.</source>
        <translation>
            <numerusform>I file config.xml sostituiti contenevano %Ln record che manca in quelli nuovi; «Annulla scrittura» non è disponibile per ripristinarli.</numerusform>
            <numerusform>I file config.xml sostituiti contenevano %Ln record che mancano in quelli nuovi; «Annulla scrittura» non è disponibile per ripristinarli.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The config.xml it replaced held %Ln record(s) that the new one lacks; Undo is not available to put it back.</source>
        <translation>
            <numerusform>Il config.xml sostituito conteneva %Ln record che manca in quello nuovo; «Annulla scrittura» non è disponibile per ripristinarlo.</numerusform>
            <numerusform>Il config.xml sostituito conteneva %Ln record che mancano in quello nuovo; «Annulla scrittura» non è disponibile per ripristinarlo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) it replaced held no mapping, perhaps another program&apos;s; Undo puts them back.</source>
        <translation>
            <numerusform>%Ln file config.xml sostituito non era un file di mappatura, forse di un altro programma; «Annulla scrittura» lo ripristina.</numerusform>
            <numerusform>%Ln file config.xml sostituiti non erano file di mappatura, forse di un altro programma; «Annulla scrittura» li ripristina.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) it replaced held no mapping, perhaps another program&apos;s; Undo is not available to put them back.</source>
        <translation>
            <numerusform>%Ln file config.xml sostituito non era un file di mappatura, forse di un altro programma; «Annulla scrittura» non è disponibile per ripristinarlo.</numerusform>
            <numerusform>%Ln file config.xml sostituiti non erano file di mappatura, forse di un altro programma; «Annulla scrittura» non è disponibile per ripristinarli.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing written: no config.xml needed a change</source>
        <translation>Non è stato scritto nulla: nessun config.xml richiedeva modifiche</translation>
    </message>
    <message>
        <source>Your config.xml file has been successfully written in the folder you chose.</source>
        <translation>Il tuo file config.xml è stato scritto correttamente nella cartella scelta.</translation>
    </message>
    <message>
        <source>Nothing written</source>
        <translation>Non è stato scritto nulla</translation>
    </message>
    <message>
        <source>No folder here holds images.</source>
        <translation>Nessuna cartella qui contiene immagini.</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Image</source>
        <extracomment>The titles of the list&apos;s columns: this, the picture an image maps to, and its folder</extracomment>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Picture it maps to</source>
        <translation>Grafica mappata</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
</context>
<context>
    <name>ResultsPanel</name>
    <message>
        <source>Choose what the images are, then browse for them or drop their folder above. Every image is then listed here with the picture it maps to, and every file left out with the reason.</source>
        <translation>Scegli che cosa sono le immagini, poi sfogliale o trascina la loro cartella qui sopra. Ogni immagine verrà elencata qui con la grafica su cui è mappata, e ogni file escluso con il motivo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Only &amp;problems</source>
        <translation>Solo &amp;problemi</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Find images by name</source>
        <translation>Cerca immagini per nome</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Each image with the picture it maps to; files without a record, with the reason</source>
        <translation>Ogni immagine con la grafica su cui è mappata; i file senza record, con il motivo</translation>
    </message>
    <message>
        <source>Results of the last check</source>
        <translation>Risultati dell&apos;ultimo controllo</translation>
    </message>
    <message>
        <source>Results of the last write</source>
        <translation>Risultati dell&apos;ultima scrittura</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>A link after the summary of a write, that takes the write back</extracomment>
        <translation>Annulla scrittura</translation>
    </message>
    <message>
        <source>Open folder</source>
        <extracomment>A link after the summary of a write, that opens the folder written</extracomment>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Nothing copied: no selected row has a record</source>
        <translation>Niente copiato: nessuna riga selezionata ha un record</translation>
    </message>
    <message>
        <source>Nothing copied: no row is selected</source>
        <translation>Niente copiato: nessuna riga selezionata</translation>
    </message>
    <message numerus="yes">
        <source>Copied the record of %Ln row(s)</source>
        <translation>
            <numerusform>Copiato il record di %Ln riga</numerusform>
            <numerusform>Copiati i record di %Ln righe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied the path of %Ln row(s)</source>
        <translation>
            <numerusform>Copiato il percorso di %Ln riga</numerusform>
            <numerusform>Copiati i percorsi di %Ln righe</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Sort by</source>
        <translation>&amp;Ordina per</translation>
    </message>
    <message>
        <source>&amp;Open folder</source>
        <translation>&amp;Apri cartella</translation>
    </message>
    <message>
        <source>&amp;Open image</source>
        <translation>&amp;Apri immagine</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>Mostra nella &amp;cartella</translation>
    </message>
    <message>
        <source>&amp;Copy path</source>
        <translation>Copia &amp;percorso</translation>
    </message>
    <message>
        <source>Copy &amp;record</source>
        <translation>Copia &amp;record</translation>
    </message>
</context>
<context>
    <name>ThumbnailLoader</name>
    <message>
        <source>%L1 × %L2 pixels, %3</source>
        <extracomment>An image&apos;s width and height, then its size in bytes, as “2.4 KB”</extracomment>
        <translation>%L1 × %L2 pixel, %3</translation>
    </message>
</context>
<context>
    <name>WindowWords</name>
    <message>
        <source>maps to the same picture as %1</source>
        <extracomment>An image&apos;s row; %1: the other image&apos;s name</extracomment>
        <translation>mappata sulla stessa grafica di %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%Ln image(s))</source>
        <extracomment>A folder&apos;s name and how many images it holds</extracomment>
        <translation>
            <numerusform>%1 (%Ln immagine)</numerusform>
            <numerusform>%1 (%Ln immagini)</numerusform>
        </translation>
    </message>
    <message>
        <source>club logos</source>
        <extracomment>What a style&apos;s pictures are, as this and the rest of its table: put into sentences such as “Write all as %1” and “kept: it maps %1”</extracomment>
        <translation>loghi di club</translation>
    </message>
    <message>
        <source>nation logos</source>
        <translation>loghi di nazioni</translation>
    </message>
    <message>
        <source>competition logos</source>
        <translation>loghi di competizioni</translation>
    </message>
    <message>
        <source>media source logos</source>
        <translation>loghi di media</translation>
    </message>
    <message>
        <source>club icons</source>
        <translation>icone di club</translation>
    </message>
    <message>
        <source>nation icons</source>
        <translation>icone di nazioni</translation>
    </message>
    <message>
        <source>competition icons</source>
        <translation>icone di competizioni</translation>
    </message>
    <message>
        <source>media source icons</source>
        <translation>icone di media</translation>
    </message>
    <message>
        <source>left backgrounds of club logos</source>
        <translation>sfondi sinistri dei loghi di club</translation>
    </message>
    <message>
        <source>left backgrounds of nation logos</source>
        <translation>sfondi sinistri dei loghi di nazioni</translation>
    </message>
    <message>
        <source>left backgrounds of competition logos</source>
        <translation>sfondi sinistri dei loghi di competizioni</translation>
    </message>
    <message>
        <source>left backgrounds of media source logos</source>
        <translation>sfondi sinistri dei loghi di media</translation>
    </message>
    <message>
        <source>right backgrounds of club logos</source>
        <translation>sfondi destri dei loghi di club</translation>
    </message>
    <message>
        <source>right backgrounds of nation logos</source>
        <translation>sfondi destri dei loghi di nazioni</translation>
    </message>
    <message>
        <source>right backgrounds of competition logos</source>
        <translation>sfondi destri dei loghi di competizioni</translation>
    </message>
    <message>
        <source>right backgrounds of media source logos</source>
        <translation>sfondi destri dei loghi di media</translation>
    </message>
    <message>
        <source>team backgrounds</source>
        <translation>sfondi di squadre</translation>
    </message>
    <message>
        <source>stadium backgrounds</source>
        <translation>sfondi di stadi</translation>
    </message>
    <message>
        <source>competition backgrounds</source>
        <translation>sfondi di competizioni</translation>
    </message>
    <message>
        <source>person backgrounds</source>
        <translation>sfondi di persone</translation>
    </message>
    <message>
        <source>portraits</source>
        <translation>ritratti</translation>
    </message>
    <message>
        <source>kit textures</source>
        <translation>texture delle divise</translation>
    </message>
    <message>
        <source>kits</source>
        <translation>divise</translation>
    </message>
    <message>
        <source>Logo</source>
        <extracomment>A choice of the Graphic style group, as the six after it</extracomment>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icona</translation>
    </message>
    <message>
        <source>Logo background, left</source>
        <translation>Sfondo logo, sinistra</translation>
    </message>
    <message>
        <source>Logo background, right</source>
        <translation>Sfondo logo, destra</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Ritratto</translation>
    </message>
    <message>
        <source>Kit</source>
        <translation>Divisa</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Club</source>
        <extracomment>A choice of the Logo type group, as the three after it</extracomment>
        <translation>Club</translation>
    </message>
    <message>
        <source>Nation</source>
        <translation>Nazione</translation>
    </message>
    <message>
        <source>Competition</source>
        <translation>Competizione</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Kit texture</source>
        <translation>Texture della divisa</translation>
    </message>
    <message>
        <source>Team</source>
        <extracomment>A choice of the Background type group, as the three after it</extracomment>
        <translation>Squadra</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Stadio</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message numerus="yes">
        <source>wrote %Ln record(s) to %1</source>
        <extracomment>%1: the path of the config.xml file written</extracomment>
        <translation>
            <numerusform>%Ln record scritto in %1</numerusform>
            <numerusform>%Ln record scritti in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) unchanged</source>
        <translation>
            <numerusform>%Ln file config.xml invariato</numerusform>
            <numerusform>%Ln file config.xml invariati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is unchanged: it already holds %Ln record(s)</source>
        <extracomment>%1: the path of a config.xml file</extracomment>
        <translation>
            <numerusform>%1 è invariato: contiene già %Ln record</numerusform>
            <numerusform>%1 è invariato: contiene già %Ln record</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) kept in their own style</source>
        <translation>
            <numerusform>%Ln cartella mantenuta nel proprio stile</numerusform>
            <numerusform>%Ln cartelle mantenute nel proprio stile</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) cut short, kept</source>
        <translation>
            <numerusform>%Ln file config.xml troncato, mantenuto</numerusform>
            <numerusform>%Ln file config.xml troncati, mantenuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) not mapped yet</source>
        <translation>
            <numerusform>%Ln cartella non ancora mappata</numerusform>
            <numerusform>%Ln cartelle non ancora mappate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) could not be read</source>
        <translation>
            <numerusform>impossibile leggere %Ln cartella</numerusform>
            <numerusform>impossibile leggere %Ln cartelle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) could not be written</source>
        <translation>
            <numerusform>impossibile scrivere %Ln cartella</numerusform>
            <numerusform>impossibile scrivere %Ln cartelle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entry(s) passed over (.PNG)</source>
        <translation>
            <numerusform>%Ln elemento ignorato (.PNG)</numerusform>
            <numerusform>%Ln elementi ignorati (.PNG)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) of the replaced config.xml not in the new one</source>
        <translation>
            <numerusform>%Ln record del config.xml sostituito manca in quello nuovo</numerusform>
            <numerusform>%Ln record del config.xml sostituito mancano in quello nuovo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) of the replaced config.xml files not in the new ones</source>
        <translation>
            <numerusform>%Ln record dei config.xml sostituiti manca in quelli nuovi</numerusform>
            <numerusform>%Ln record dei config.xml sostituiti mancano in quelli nuovi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) map to the same picture as another</source>
        <translation>
            <numerusform>%Ln immagine mappata sulla stessa grafica di un&apos;altra</numerusform>
            <numerusform>%Ln immagini mappate sulla stessa grafica di un&apos;altra</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) would not load</source>
        <translation>
            <numerusform>impossibile caricare %Ln immagine</numerusform>
            <numerusform>impossibile caricare %Ln immagini</numerusform>
        </translation>
    </message>
    <message>
        <source>its sub-folders hold images: tick Include sub-folders to write them</source>
        <translation>le sue sottocartelle contengono immagini: seleziona Includi sottocartelle per scriverle</translation>
    </message>
    <message>
        <source>config.xml is current</source>
        <translation>config.xml è aggiornato</translation>
    </message>
    <message numerus="yes">
        <source>all %Ln config.xml files are current</source>
        <translation>
            <numerusform>il %Ln file config.xml è aggiornato</numerusform>
            <numerusform>tutti i %Ln file config.xml sono aggiornati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 not current</source>
        <extracomment>%1: all the config.xml files checked, as “of 4 config.xml files” counts them</extracomment>
        <translation>
            <numerusform>%Ln di %1 non aggiornato</numerusform>
            <numerusform>%Ln di %1 non aggiornati</numerusform>
        </translation>
    </message>
    <message>
        <source>these style choices give no record</source>
        <translation>queste scelte di stile non danno alcun record</translation>
    </message>
    <message>
        <source>a kit image needs a name like TEAM_KIT, with exactly one underscore</source>
        <translation>il nome deve essere come SQUADRA_DIVISA, con un solo trattino basso</translation>
    </message>
    <message>
        <source>a kit image needs a team before the underscore, like TEAM_KIT</source>
        <translation>manca la squadra prima del trattino basso, come in SQUADRA_DIVISA</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8 or holds a control character</source>
        <translation>il nome non è UTF-8 valido o contiene un carattere non stampabile</translation>
    </message>
    <message>
        <source>not a .png, .jpg or .jpeg file</source>
        <translation>non è un file .png, .jpg o .jpeg</translation>
    </message>
    <message>
        <source>the extension is not in lower case (.png, .jpg, .jpeg)</source>
        <translation>l&apos;estensione non è in minuscolo (.png, .jpg, .jpeg)</translation>
    </message>
    <message>
        <source>a file</source>
        <extracomment>What a path is, as the four after it, in brackets after “not a PNG image” or “not a mapping file”</extracomment>
        <translation>un file</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una named pipe</translation>
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
        <translation>illeggibile: %1</translation>
    </message>
    <message>
        <source>0 bytes</source>
        <extracomment>What an image file holds, as the three after it, in brackets after “not a PNG image”</extracomment>
        <translation>0 byte</translation>
    </message>
    <message>
        <source>it holds text</source>
        <translation>contiene testo</translation>
    </message>
    <message>
        <source>it holds HTML</source>
        <translation>contiene HTML</translation>
    </message>
    <message>
        <source>it holds other data</source>
        <translation>contiene altri dati</translation>
    </message>
    <message>
        <source>not a PNG image (%1)</source>
        <extracomment>%1: what the file holds instead, as “it holds text”</extracomment>
        <translation>non è un&apos;immagine PNG (%1)</translation>
    </message>
    <message>
        <source>not a JPEG image (%1)</source>
        <translation>non è un&apos;immagine JPEG (%1)</translation>
    </message>
    <message>
        <source>cannot list %1: %2</source>
        <extracomment>This and the eight after it: %1 a path, %2 the system&apos;s reason</extracomment>
        <translation>impossibile elencare %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>cannot create a file in %1: %2</source>
        <translation>impossibile creare un file in %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>cannot flush %1: %2</source>
        <translation>impossibile scaricare su disco %1: %2</translation>
    </message>
    <message>
        <source>cannot close %1: %2</source>
        <translation>impossibile chiudere %1: %2</translation>
    </message>
    <message>
        <source>cannot replace %1: %2</source>
        <translation>impossibile sostituire %1: %2</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>impossibile creare %1: %2</translation>
    </message>
    <message>
        <source>cannot keep a copy of %1: %2</source>
        <translation>impossibile conservare una copia di %1: %2</translation>
    </message>
    <message>
        <source>there is no cache folder: %1 is not set</source>
        <extracomment>%1: the name of an environment variable, as HOME</extracomment>
        <translation>non c&apos;è una cartella della cache: %1 non è impostata</translation>
    </message>
    <message>
        <source>cut short: it ends in its header</source>
        <translation>troncato: finisce nell&apos;intestazione</translation>
    </message>
    <message>
        <source>cut short: it ends inside a record</source>
        <translation>troncato: finisce dentro un record</translation>
    </message>
    <message>
        <source>cut short: it ends before the end of its list</source>
        <translation>troncato: finisce prima della fine dell&apos;elenco</translation>
    </message>
    <message>
        <source>cut short: it ends before &lt;/record&gt;</source>
        <translation>troncato: finisce prima di &lt;/record&gt;</translation>
    </message>
    <message>
        <source>not a mapping file (%1)</source>
        <translation>non è un file di mappatura (%1)</translation>
    </message>
    <message>
        <source>not a mapping file (it is empty)</source>
        <translation>non è un file di mappatura (è vuoto)</translation>
    </message>
    <message>
        <source>not a mapping file</source>
        <translation>non è un file di mappatura</translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>A folder&apos;s row: it has no config.xml</extracomment>
        <translation>mancante</translation>
    </message>
    <message>
        <source>it maps no records of a style</source>
        <translation>non mappa record di alcuno stile</translation>
    </message>
    <message>
        <source>current: the same records in another order or layout</source>
        <translation>aggiornato: gli stessi record in un altro ordine o formato</translation>
    </message>
    <message>
        <source>current</source>
        <extracomment>A folder&apos;s row: its config.xml holds what a write would write</extracomment>
        <translation>aggiornato</translation>
    </message>
    <message>
        <source>stale: other options than preload and amap off</source>
        <translation>obsoleto: opzioni diverse da preload e amap disattivati</translation>
    </message>
    <message>
        <source>stale: text or elements a mapping file does not hold</source>
        <translation>obsoleto: testo o elementi che un file di mappatura non contiene</translation>
    </message>
    <message>
        <source>stale: %1</source>
        <extracomment>A folder&apos;s row; %1: how a write would change its records, as “6 records to add and 1 to change”</extracomment>
        <translation>obsoleto: %1</translation>
    </message>
    <message>
        <source>not mapped yet: %1</source>
        <extracomment>%1: what the folder&apos;s config.xml is, as “not a mapping file”</extracomment>
        <translation>non ancora mappato: %1</translation>
    </message>
    <message>
        <source>could not be read</source>
        <extracomment>A folder&apos;s row: its config.xml could not be read</extracomment>
        <translation>illeggibile</translation>
    </message>
    <message>
        <source>no images</source>
        <extracomment>A folder&apos;s row: it holds no images to map</extracomment>
        <translation>nessuna immagine</translation>
    </message>
    <message>
        <source>kept: %1</source>
        <extracomment>A folder&apos;s row: its config.xml, kept as it was; %1: what it is, as “cut short: it ends inside a record”</extracomment>
        <translation>mantenuto: %1</translation>
    </message>
    <message>
        <source>not mapped yet</source>
        <extracomment>A folder&apos;s row: it has no config.xml yet</extracomment>
        <translation>non ancora mappato</translation>
    </message>
    <message>
        <source>Nothing to undo: %1</source>
        <extracomment>%1: why there is no cache folder, as “there is no cache folder: HOME is not set”</extracomment>
        <translation>Niente da annullare: %1</translation>
    </message>
    <message>
        <source>Nothing to undo: no write has been kept to undo</source>
        <translation>Niente da annullare: nessuna scrittura è stata conservata</translation>
    </message>
    <message>
        <source>Nothing undone: another write has been made since</source>
        <translation>Niente annullato: nel frattempo è stata fatta un&apos;altra scrittura</translation>
    </message>
    <message>
        <source>Nothing undone: another undo is under way</source>
        <translation>Niente annullato: è già in corso un altro annullamento</translation>
    </message>
    <message numerus="yes">
        <source>%Ln already as before the write</source>
        <extracomment>config.xml files that Undo found as they were before the write</extracomment>
        <translation>
            <numerusform>%Ln già com&apos;era prima della scrittura</numerusform>
            <numerusform>%Ln già come prima della scrittura</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln changed since, left alone</source>
        <extracomment>config.xml files changed since the write, which Undo did not touch</extracomment>
        <translation>
            <numerusform>%Ln modificato nel frattempo, lasciato com&apos;è</numerusform>
            <numerusform>%Ln modificati nel frattempo, lasciati come sono</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln could not be put back</source>
        <extracomment>config.xml files that Undo could not put back</extracomment>
        <translation>
            <numerusform>impossibile ripristinarne %Ln</numerusform>
            <numerusform>impossibile ripristinarne %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>put back %1</source>
        <extracomment>%1: the path of a config.xml file that Undo put back</extracomment>
        <translation>ripristinato %1</translation>
    </message>
    <message>
        <source>removed %1</source>
        <extracomment>%1: the path of a config.xml file that the write made and Undo removed</extracomment>
        <translation>rimosso %1</translation>
    </message>
    <message>
        <source>%1 changed since, left alone</source>
        <extracomment>%1: the path of a config.xml file</extracomment>
        <translation>%1 modificato nel frattempo, lasciato com&apos;è</translation>
    </message>
    <message>
        <source>could not put back %1: %2</source>
        <extracomment>%1: the path of a config.xml file; %2: why</extracomment>
        <translation>impossibile ripristinare %1: %2</translation>
    </message>
    <message>
        <source>its kept copy is gone</source>
        <translation>la sua copia conservata non c&apos;è più</translation>
    </message>
    <message>
        <source>its kept copy was changed</source>
        <translation>la sua copia conservata è stata modificata</translation>
    </message>
    <message>
        <source>%1 is not a local file</source>
        <extracomment>%1: the address of what was chosen</extracomment>
        <translation>%1 non è un file locale</translation>
    </message>
    <message>
        <source>%1 is not a local folder</source>
        <extracomment>%1: the address of what was chosen or dropped</extracomment>
        <translation>%1 non è una cartella locale</translation>
    </message>
    <message>
        <source>cancelled: the check stopped before its end</source>
        <translation>annullato: il controllo si è fermato prima della fine</translation>
    </message>
    <message>
        <source>Undo is not available: %1</source>
        <extracomment>%1: why, as “cannot make /home/me/.cache/crestmap: No space left on device”</extracomment>
        <translation>«Annulla scrittura» non è disponibile: %1</translation>
    </message>
    <message numerus="yes">
        <source>config.xml holds no records: none of the %Ln file(s) maps with these choices (%1)</source>
        <extracomment>%1: what became of the files, as “3 files without a record (kit name)”</extracomment>
        <translation>
            <numerusform>config.xml non contiene record: il %Ln file non viene mappato con queste scelte (%1)</numerusform>
            <numerusform>config.xml non contiene record: nessuno dei %Ln file viene mappato con queste scelte (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Files without a record:</source>
        <translation>File senza record:</translation>
    </message>
    <message numerus="yes">
        <source>… and %Ln more</source>
        <translation>
            <numerusform>… e %Ln altro</numerusform>
            <numerusform>… e altri %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>kept: it maps %1</source>
        <extracomment>A folder&apos;s row: its config.xml, kept as it was; %1: what it maps, as “kit textures”</extracomment>
        <translation>mantenuto: mappa %1</translation>
    </message>
    <message numerus="yes">
        <source>Undo: %Ln config.xml file(s) put back, %1</source>
        <extracomment>%1: the config.xml files Undo removed, as “1 removed” counts them</extracomment>
        <translation>
            <numerusform>Annulla scrittura: %Ln file config.xml ripristinato, %1</numerusform>
            <numerusform>Annulla scrittura: %Ln file config.xml ripristinati, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln removed</source>
        <comment>the config.xml files of “Undo: %Ln config.xml file(s) put back, %1”</comment>
        <translation>
            <numerusform>%Ln rimosso</numerusform>
            <numerusform>%Ln rimossi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the write of %Ln config.xml file(s) in %1, made by %2 at %3?</source>
        <extracomment>%1: the folder; %2: the command-line tool&apos;s name; %3: the date and time</extracomment>
        <translation>
            <numerusform>Annullare la scrittura di %Ln file config.xml in %1, fatta da %2 il %3?</numerusform>
            <numerusform>Annullare la scrittura di %Ln file config.xml in %1, fatta da %2 il %3?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the write of %Ln config.xml file(s) in %1, made by this window at %2?</source>
        <extracomment>%1: the folder; %2: the date and time</extracomment>
        <translation>
            <numerusform>Annullare la scrittura di %Ln file config.xml in %1, fatta da questa finestra il %2?</numerusform>
            <numerusform>Annullare la scrittura di %Ln file config.xml in %1, fatta da questa finestra il %2?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrote %Ln record(s) in %1</source>
        <extracomment>%1: the folders, as “in 12 folders” counts them</extracomment>
        <translation>
            <numerusform>%Ln record scritto in %1</numerusform>
            <numerusform>%Ln record scritti in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s)</source>
        <comment>the folders of “wrote %Ln record(s) in %1”</comment>
        <translation>
            <numerusform>%Ln cartella</numerusform>
            <numerusform>%Ln cartelle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (style)</source>
        <translation>
            <numerusform>%Ln file senza record (stile)</numerusform>
            <numerusform>%Ln file senza record (stile)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (kit name)</source>
        <translation>
            <numerusform>%Ln file senza record (nome divisa)</numerusform>
            <numerusform>%Ln file senza record (nome divisa)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (no team)</source>
        <translation>
            <numerusform>%Ln file senza record (nessuna squadra)</numerusform>
            <numerusform>%Ln file senza record (nessuna squadra)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (unusable name)</source>
        <translation>
            <numerusform>%Ln file senza record (nome inutilizzabile)</numerusform>
            <numerusform>%Ln file senza record (nome inutilizzabile)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (not an image)</source>
        <translation>
            <numerusform>%Ln file senza record (non è un&apos;immagine)</numerusform>
            <numerusform>%Ln file senza record (non è un&apos;immagine)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (.PNG)</source>
        <translation>
            <numerusform>%Ln file senza record (.PNG)</numerusform>
            <numerusform>%Ln file senza record (.PNG)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cancelled: %Ln folder(s) written, %1</source>
        <extracomment>%1: the folders the write did not reach, as “7 left as they were” counts them</extracomment>
        <translation>
            <numerusform>annullato: %Ln cartella scritta, %1</numerusform>
            <numerusform>annullato: %Ln cartelle scritte, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln left as they were</source>
        <comment>the folders of “cancelled: %Ln folder(s) written, %1”</comment>
        <translation>
            <numerusform>%Ln lasciata com&apos;era</numerusform>
            <numerusform>%Ln lasciate com&apos;erano</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s)</source>
        <comment>all the files of “%Ln of %1 not current”</comment>
        <translation>
            <numerusform>%Ln file config.xml</numerusform>
            <numerusform>%Ln file config.xml</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the write of %Ln config.xml file(s) in %1, made by another Crestmap window at %2?</source>
        <extracomment>%1: the folder; %2: the date and time. A window since closed, or open beside this one</extracomment>
        <translation>
            <numerusform>Annullare la scrittura di %Ln file config.xml in %1, fatta da un&apos;altra finestra di Crestmap il %2?</numerusform>
            <numerusform>Annullare la scrittura di %Ln file config.xml in %1, fatta da un&apos;altra finestra di Crestmap il %2?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) to add</source>
        <extracomment>Records the file lacks, that a write would add</extracomment>
        <translation>
            <numerusform>%Ln record da aggiungere</numerusform>
            <numerusform>%Ln record da aggiungere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to remove</source>
        <extracomment>Records the file holds that a write would leave out; after “6 records to add”</extracomment>
        <translation>
            <numerusform>%Ln da rimuovere</numerusform>
            <numerusform>%Ln da rimuovere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) to remove</source>
        <translation>
            <numerusform>%Ln record da rimuovere</numerusform>
            <numerusform>%Ln record da rimuovere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to change</source>
        <extracomment>Records a write would map to another picture; after “6 records to add”</extracomment>
        <translation>
            <numerusform>%Ln da modificare</numerusform>
            <numerusform>%Ln da modificare</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) to change</source>
        <translation>
            <numerusform>%Ln record da modificare</numerusform>
            <numerusform>%Ln record da modificare</numerusform>
        </translation>
    </message>
    <message>
        <source>Entries passed over:</source>
        <translation>Elementi ignorati:</translation>
    </message>
    <message>
        <source>no folder here holds images</source>
        <translation>nessuna cartella qui contiene immagini</translation>
    </message>
</context>
<context>
    <name>WriteController</name>
    <message>
        <source>Looking through the folders…</source>
        <translation>Ricerca nelle cartelle…</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Write of %Ln Folder(s)</source>
        <translation>
            <numerusform>&amp;Annulla la scrittura di %Ln cartella</numerusform>
            <numerusform>&amp;Annulla la scrittura di %Ln cartelle</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla scrittura</translation>
    </message>
    <message numerus="yes">
        <source>Checking %L1 of %Ln folder(s) · %2</source>
        <extracomment>%L1: the folders checked so far; %2: the images, as “1,200 of 4,000 images”</extracomment>
        <translation>
            <numerusform>Controllo: %L1 di %Ln cartella · %2</numerusform>
            <numerusform>Controllo: %L1 di %Ln cartelle · %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing %L1 of %Ln folder(s) · %2</source>
        <extracomment>%L1: the folders written so far; %2: the images, as “1,200 of 4,000 images”</extracomment>
        <translation>
            <numerusform>Scrittura: %L1 di %Ln cartella · %2</numerusform>
            <numerusform>Scrittura: %L1 di %Ln cartelle · %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checking… %Ln folder(s), %1 so far</source>
        <extracomment>%1: the images checked so far, as “1,200 images”</extracomment>
        <translation>
            <numerusform>Controllo… finora %Ln cartella, %1</numerusform>
            <numerusform>Controllo… finora %Ln cartelle, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing… %Ln folder(s), %1 so far</source>
        <extracomment>%1: the images written so far, as “1,200 images”</extracomment>
        <translation>
            <numerusform>Scrittura… finora %Ln cartella, %1</numerusform>
            <numerusform>Scrittura… finora %Ln cartelle, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The write is paused at %L1 of %Ln folder(s). Stop it and quit?</source>
        <extracomment>%L1: the folders written so far</extracomment>
        <translation>
            <numerusform>La scrittura è in pausa a %L1 di %Ln cartella. Fermarla e uscire?</numerusform>
            <numerusform>La scrittura è in pausa a %L1 di %Ln cartelle. Fermarla e uscire?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The write is paused after %Ln folder(s). Stop it and quit?</source>
        <translation>
            <numerusform>La scrittura è in pausa dopo %Ln cartella. Fermarla e uscire?</numerusform>
            <numerusform>La scrittura è in pausa dopo %Ln cartelle. Fermarla e uscire?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %Ln image(s)</source>
        <comment>the images of “Checking %L1 of %Ln folder(s) · %2” and of its Writing twin</comment>
        <translation>
            <numerusform>%L1 di %Ln immagine</numerusform>
            <numerusform>%L1 di %Ln immagini</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s)</source>
        <comment>the images of “Checking… %Ln folder(s), %1 so far” and of its Writing twin</comment>
        <translation>
            <numerusform>%Ln immagine</numerusform>
            <numerusform>%Ln immagini</numerusform>
        </translation>
    </message>
    <message>
        <source>listing the results…</source>
        <extracomment>In place of “1,200 of 4,000 images” once every folder is done</extracomment>
        <translation>elenco dei risultati in corso…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Writes config.xml, the file that maps a folder of images to a game&apos;s pictures.</source>
        <translation>Scrive config.xml, il file che mappa una cartella di immagini sulle grafiche di un gioco.</translation>
    </message>
    <message>
        <source>A folder to open and check; nothing is written until you write or update it.</source>
        <translation>Una cartella da aprire e controllare; non viene scritto nulla finché non la scrivi o la aggiorni.</translation>
    </message>
</context>
</TS>
