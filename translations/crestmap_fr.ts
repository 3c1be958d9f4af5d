<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>DialogPrompts</name>
    <message>
        <source>JPEG image</source>
        <extracomment>Only measured, never shown: the file dialog&apos;s name for the type of a .jpg file</extracomment>
        <translation>Image JPEG</translation>
    </message>
    <message numerus="yes">
        <source>  … and %Ln more</source>
        <extracomment>More folders, after a list of ten</extracomment>
        <translation>
            <numerusform>  … et %Ln autre</numerusform>
            <numerusform>  … et %Ln autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Browse for images</source>
        <translation>Parcourir les images</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Images (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Check a folder</source>
        <translation>Vérifier un dossier</translation>
    </message>
    <message>
        <source>Write a folder</source>
        <translation>Écrire un dossier</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) without a config.xml get one as %1.</source>
        <extracomment>%1: the style chosen, as “club logos”</extracomment>
        <translation>
            <numerusform>%Ln dossier sans config.xml en reçoit un comme %1.</numerusform>
            <numerusform>%Ln dossiers sans config.xml en reçoivent un comme %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) already current stay as they are.</source>
        <translation>
            <numerusform>%Ln fichier config.xml déjà à jour reste tel quel.</numerusform>
            <numerusform>%Ln fichiers config.xml déjà à jour restent tels quels.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) cut short are kept by an update; writing all replaces them:</source>
        <translation>
            <numerusform>%Ln fichier config.xml tronqué est conservé par une mise à jour&#xa0;; tout écrire le remplace&#xa0;:</numerusform>
            <numerusform>%Ln fichiers config.xml tronqués sont conservés par une mise à jour&#xa0;; tout écrire les remplace&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing all as %1 would change the style of %Ln folder(s):</source>
        <extracomment>%1: the style chosen, as “club logos”</extracomment>
        <translation>
            <numerusform>Tout écrire comme %1 changerait le style de %Ln dossier&#xa0;:</numerusform>
            <numerusform>Tout écrire comme %1 changerait le style de %Ln dossiers&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo puts back every config.xml the write replaces.</source>
        <translation>«&#xa0;Défaire&#xa0;» restaure chaque config.xml que l&apos;écriture remplace.</translation>
    </message>
    <message numerus="yes">
        <source>Write config.xml in %Ln folder(s)?</source>
        <translation>
            <numerusform>Écrire config.xml dans %Ln dossier&#xa0;?</numerusform>
            <numerusform>Écrire config.xml dans %Ln dossiers&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Update each folder in its own style</source>
        <translation>&amp;Mettre à jour chaque dossier dans son propre style</translation>
    </message>
    <message>
        <source>Write &amp;all as %1</source>
        <extracomment>A button; %1: the style chosen, as “club logos”</extracomment>
        <translation>&amp;Tout écrire comme %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Write it as %1</source>
        <extracomment>A button; %1: the style chosen, as “club logos”</extracomment>
        <translation>&amp;L&apos;écrire comme %1</translation>
    </message>
    <message>
        <source>%1 maps %2.</source>
        <extracomment>%1: the path of a config.xml file; %2: what it maps, as “kit textures”</extracomment>
        <translation>%1 associe des %2.</translation>
    </message>
    <message>
        <source>Writing it as %1 replaces its records; Undo puts them back.</source>
        <extracomment>%1: the style chosen, as “club logos”</extracomment>
        <translation>L&apos;écrire comme %1 remplace ses entrées&#xa0;; «&#xa0;Défaire&#xa0;» les restaure.</translation>
    </message>
    <message>
        <source>&amp;Update it as %1</source>
        <extracomment>A button; %1: the style the file maps, as “kit textures”</extracomment>
        <translation>Le &amp;mettre à jour comme %1</translation>
    </message>
    <message>
        <source>Writing it replaces it; Undo puts it back.</source>
        <translation>L&apos;écrire le remplace&#xa0;; «&#xa0;Défaire&#xa0;» le restaure.</translation>
    </message>
    <message>
        <source>It is not the write the list shows.</source>
        <translation>Ce n&apos;est pas l&apos;écriture que montre la liste.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Défaire</translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) changed since the write:</source>
        <translation>
            <numerusform>%Ln fichier config.xml a changé depuis l&apos;écriture&#xa0;:</numerusform>
            <numerusform>%Ln fichiers config.xml ont changé depuis l&apos;écriture&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Keep the Changes</source>
        <translation>&amp;Garder les modifications</translation>
    </message>
    <message>
        <source>&amp;Put Back</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>Folders written so far keep their new config.xml, and Undo stays available; the others keep their old one.</source>
        <translation>Les dossiers déjà écrits gardent leur nouveau config.xml et «&#xa0;Défaire&#xa0;» reste disponible&#xa0;; les autres gardent l&apos;ancien.</translation>
    </message>
    <message>
        <source>&amp;Keep Writing</source>
        <translation>&amp;Continuer l&apos;écriture</translation>
    </message>
    <message>
        <source>Stop and &amp;Quit</source>
        <translation>Arrêter et &amp;quitter</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends in its header.</source>
        <extracomment>This and the three after it: %1 the path of a config.xml file</extracomment>
        <translation>%1 est tronqué&#xa0;: il s&apos;arrête dans son en-tête.</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends inside a record.</source>
        <translation>%1 est tronqué&#xa0;: il s&apos;arrête au milieu d&apos;une entrée.</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends before the end of its list.</source>
        <translation>%1 est tronqué&#xa0;: il s&apos;arrête avant la fin de sa liste.</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends before &lt;/record&gt;.</source>
        <translation>%1 est tronqué&#xa0;: il s&apos;arrête avant &lt;/record&gt;.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Every folder keeps its new config.xml, and Undo stays available.</source>
        <translation>Chaque dossier garde son nouveau config.xml et «&#xa0;Défaire&#xa0;» reste disponible.</translation>
    </message>
    <message numerus="yes">
        <source>Updating each folder in its own style changes %Ln config.xml file(s):</source>
        <translation>
            <numerusform>Mettre à jour chaque dossier dans son propre style modifie %Ln fichier config.xml&#xa0;:</numerusform>
            <numerusform>Mettre à jour chaque dossier dans son propre style modifie %Ln fichiers config.xml&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Write config.xml in up to %Ln folder(s)?</source>
        <extracomment>The answers write different numbers of folders: this one is the most</extracomment>
        <translation>
            <numerusform>Écrire config.xml dans %Ln dossier au plus&#xa0;?</numerusform>
            <numerusform>Écrire config.xml dans %Ln dossiers au plus&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An update leaves the %Ln config.xml file(s) already current as they are.</source>
        <translation>
            <numerusform>Une mise à jour laisse tel quel le fichier config.xml déjà à jour.</numerusform>
            <numerusform>Une mise à jour laisse tels quels les %Ln fichiers config.xml déjà à jour.</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo is not available for this write.</source>
        <translation>«&#xa0;Défaire&#xa0;» n&apos;est pas disponible pour cette écriture.</translation>
    </message>
    <message>
        <source>Writing it as %1 replaces its records; Undo is not available to put them back.</source>
        <translation>L&apos;écrire comme %1 remplace ses entrées&#xa0;; «&#xa0;Défaire&#xa0;» n&apos;est pas disponible pour les restaurer.</translation>
    </message>
    <message>
        <source>Writing it replaces it; Undo is not available to put it back.</source>
        <translation>L&apos;écrire le remplace&#xa0;; «&#xa0;Défaire&#xa0;» n&apos;est pas disponible pour le restaurer.</translation>
    </message>
    <message numerus="yes">
        <source>Remove the file(s) the write made, with the change(s)? The changes are lost.</source>
        <translation>
            <numerusform>Supprimer le fichier créé par l&apos;écriture, avec sa modification&#xa0;? La modification sera perdue.</numerusform>
            <numerusform>Supprimer les fichiers créés par l&apos;écriture, avec leurs modifications&#xa0;? Les modifications seront perdues.</numerusform>
        </translation>
    </message>
    <message>
        <source>Put back what the write replaced and remove what it made, over the changes? The changes are lost.</source>
        <translation>Restaurer ce que l&apos;écriture a remplacé et supprimer ce qu&apos;elle a créé, par-dessus les modifications&#xa0;? Les modifications seront perdues.</translation>
    </message>
    <message numerus="yes">
        <source>Put back the old copies over the change(s)? The changes are lost.</source>
        <translation>
            <numerusform>Restaurer l&apos;ancienne copie par-dessus la modification&#xa0;? La modification sera perdue.</numerusform>
            <numerusform>Restaurer les anciennes copies par-dessus les modifications&#xa0;? Les modifications seront perdues.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileSelector</name>
    <message>
        <source>Example: %1</source>
        <extracomment>%1: an image&apos;s name and the picture it maps to</extracomment>
        <translation>Exemple&#xa0;: %1</translation>
    </message>
    <message>
        <source>Example: with these choices, images get no record.</source>
        <translation>Exemple&#xa0;: avec ces choix, les images ne reçoivent aucune entrée.</translation>
    </message>
    <message numerus="yes">
        <source>Crestmap opens one folder at a time; %Ln more were given: %1</source>
        <extracomment>%1: the folders given after the first</extracomment>
        <translation>
            <numerusform>Crestmap ouvre un seul dossier à la fois&#xa0;; %Ln autre a été indiqué&#xa0;: %1</numerusform>
            <numerusform>Crestmap ouvre un seul dossier à la fois&#xa0;; %Ln autres ont été indiqués&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no file or folder called %1.</source>
        <translation>Il n&apos;existe aucun fichier ni dossier nommé %1.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder. Open the folder that holds it.</source>
        <translation>%1 est un fichier, pas un dossier. Ouvrez le dossier qui le contient.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Impossible d&apos;ouvrir %1</translation>
    </message>
</context>
<context>
    <name>FolderDragView</name>
    <message>
        <source>Drop a folder of images here</source>
        <translation>Déposez ici un dossier d&apos;images</translation>
    </message>
    <message>
        <source>Release to write config.xml in this folder</source>
        <translation>Relâchez pour écrire config.xml dans ce dossier</translation>
    </message>
    <message>
        <source>Only one folder can be dropped here</source>
        <translation>Un seul dossier peut être déposé ici</translation>
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
        <translation>&amp;Style graphique</translation>
    </message>
    <message>
        <source>&amp;Logo type</source>
        <translation>Type de &amp;logo</translation>
    </message>
    <message>
        <source>&amp;Kit type</source>
        <translation>Type de &amp;maillot</translation>
    </message>
    <message>
        <source>Backgro&amp;und type</source>
        <translation>Type de fo&amp;nd</translation>
    </message>
    <message>
        <source>What an image becomes with these choices</source>
        <translation>Ce que devient une image avec ces choix</translation>
    </message>
    <message>
        <source>Drop area</source>
        <translation>Zone de dépôt</translation>
    </message>
    <message>
        <source>Drop one folder of images here to write its config.xml</source>
        <translation>Déposez ici un dossier d&apos;images pour écrire son config.xml</translation>
    </message>
    <message>
        <source>&amp;Browse for images…</source>
        <translation>&amp;Parcourir les images…</translation>
    </message>
    <message>
        <source>Choose image files and write config.xml beside them</source>
        <translation>Choisir des fichiers image et écrire config.xml à côté</translation>
    </message>
    <message>
        <source>&amp;Write folder…</source>
        <translation>É&amp;crire un dossier…</translation>
    </message>
    <message>
        <source>Choose a folder and write its config.xml, as dropping it would</source>
        <translation>Choisir un dossier et écrire son config.xml, comme en le déposant</translation>
    </message>
    <message>
        <source>&amp;Check folder…</source>
        <translation>&amp;Vérifier un dossier…</translation>
    </message>
    <message>
        <source>Choose a folder and check its config.xml files and images; nothing is written</source>
        <translation>Choisir un dossier et vérifier ses fichiers config.xml et ses images&#xa0;; rien n&apos;est écrit</translation>
    </message>
    <message>
        <source>Up&amp;date stale folders</source>
        <translation>Mettre à jour les dossiers pé&amp;rimés</translation>
    </message>
    <message>
        <source>Write the folders the check found stale or missing, each in its own style</source>
        <translation>Écrire les dossiers que la vérification a trouvés périmés ou absents, chacun dans son propre style</translation>
    </message>
    <message>
        <source>Include &amp;sub-folders</source>
        <translation>Inclure les so&amp;us-dossiers</translation>
    </message>
    <message>
        <source>Also write config.xml in every folder below that holds images</source>
        <translation>Écrire aussi config.xml dans chaque dossier en dessous qui contient des images</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>What the last write did</source>
        <translation>Ce qu&apos;a fait la dernière écriture</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Choose a folder and check its config.xml files and images</source>
        <translation>Choisir un dossier et vérifier ses fichiers config.xml et ses images</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo last write</source>
        <translation>&amp;Défaire la dernière écriture</translation>
    </message>
    <message>
        <source>&amp;Copy paths</source>
        <translation>&amp;Copier les chemins</translation>
    </message>
    <message>
        <source>Crestmap &amp;help</source>
        <translation>&amp;Aide de Crestmap</translation>
    </message>
    <message>
        <source>&amp;About Crestmap</source>
        <translation>À &amp;propos de Crestmap</translation>
    </message>
    <message>
        <source>&amp;Open folder</source>
        <translation>&amp;Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Open the folder the last write wrote its config.xml in</source>
        <translation>Ouvrir le dossier où la dernière écriture a écrit son config.xml</translation>
    </message>
    <message>
        <source>Nothing could show %1</source>
        <extracomment>%1: the path of a file or folder</extracomment>
        <translation>Aucun programme n&apos;a pu afficher %1</translation>
    </message>
    <message>
        <source>Nothing could open %1</source>
        <extracomment>%1: the path of a file or folder</extracomment>
        <translation>Aucun programme n&apos;a pu ouvrir %1</translation>
    </message>
    <message>
        <source>The program for %1 has not answered yet</source>
        <extracomment>%1: the path of a file or folder</extracomment>
        <translation>Le programme pour %1 n&apos;a pas encore répondu</translation>
    </message>
    <message>
        <source>%1 — Crestmap</source>
        <extracomment>The window&apos;s title; %1: the name of the folder the list shows, or a job works in</extracomment>
        <translation>%1 — Crestmap</translation>
    </message>
    <message>
        <source>&lt;p&gt;It uses Qt %1, licensed under the GNU Lesser General Public License version 3 (LGPL-3.0). Beside crestmap.exe are its text, Qt-LGPL-3.0.txt, the GPL-3.0 it builds on, GPL-3.0.txt, and the notices of the libraries built into Qt, Qt-third-party-notices.txt.&lt;/p&gt;&lt;p&gt;README.txt, there too, describes the window and the command-line tool.&lt;/p&gt;</source>
        <extracomment>%1: Qt&apos;s version</extracomment>
        <translation>&lt;p&gt;Il utilise Qt %1, sous licence GNU Lesser General Public License version 3 (LGPL-3.0). À côté de crestmap.exe se trouvent son texte, Qt-LGPL-3.0.txt, la GPL-3.0 sur laquelle elle repose, GPL-3.0.txt, et les mentions des bibliothèques intégrées à Qt, Qt-third-party-notices.txt.&lt;/p&gt;&lt;p&gt;README.txt, au même endroit, décrit la fenêtre et l&apos;outil en ligne de commande.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;It uses Qt %1, licensed under the GNU Lesser General Public License version 3 (LGPL-3.0); your system&apos;s Qt packages hold its licence texts.&lt;/p&gt;&lt;p&gt;The command-line tool is described in its manual page: &lt;code&gt;man crestmap-cli&lt;/code&gt;.&lt;/p&gt;</source>
        <extracomment>%1: Qt&apos;s version</extracomment>
        <translation>&lt;p&gt;Il utilise Qt %1, sous licence GNU Lesser General Public License version 3 (LGPL-3.0)&#xa0;; les paquets Qt de votre système contiennent les textes de sa licence.&lt;/p&gt;&lt;p&gt;L&apos;outil en ligne de commande est décrit dans sa page de manuel&#xa0;: &lt;code&gt;man crestmap-cli&lt;/code&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Crestmap</source>
        <translation>À propos de Crestmap</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Crestmap %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Writes config.xml, the file that maps a folder of images to a game&apos;s pictures.&lt;/p&gt;&lt;p&gt;Released under the MIT licence.&lt;/p&gt;</source>
        <extracomment>%1: Crestmap&apos;s version</extracomment>
        <translation>&lt;p&gt;&lt;b&gt;Crestmap %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Écrit config.xml, le fichier qui associe un dossier d&apos;images aux graphismes d&apos;un jeu.&lt;/p&gt;&lt;p&gt;Publié sous licence MIT.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The window speaks %1.&lt;/p&gt;</source>
        <translation>&lt;p&gt;La fenêtre parle %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>English</source>
        <comment>the name of the window&apos;s language, in it</comment>
        <translation>français</translation>
    </message>
    <message>
        <source>Crestmap help</source>
        <translation>Aide de Crestmap</translation>
    </message>
    <message>
        <source>&lt;p&gt;Choose what the images are with the four groups, then hand them over: Browse for images… (%1) maps the files you choose; Write folder… (%2) or a folder dropped on the window maps every image in it, and with Include sub-folders every folder below it. Check folder… (%4) compares a folder&apos;s config.xml files with what would be written, and writes nothing.&lt;/p&gt;&lt;p&gt;The list shows what each image became. Enter opens an image; the context menu copies paths and records. Undo (%3) puts back what the last write, of this window or of crestmap-cli, replaced.&lt;/p&gt;</source>
        <extracomment>%1, %2, %3, %4: the keys of Browse for images…, Write folder…, Undo and Check folder…</extracomment>
        <translation>&lt;p&gt;Choisissez avec les quatre groupes ce que sont les images, puis fournissez-les&#xa0;: Parcourir les images… (%1) associe les fichiers choisis&#xa0;; Écrire un dossier… (%2) ou un dossier déposé sur la fenêtre associe chaque image qu&apos;il contient et, avec Inclure les sous-dossiers, chaque dossier en dessous. Vérifier un dossier… (%4) compare les fichiers config.xml d&apos;un dossier avec ce qui serait écrit, et n&apos;écrit rien.&lt;/p&gt;&lt;p&gt;La liste montre ce que chaque image est devenue. Entrée ouvre une image&#xa0;; le menu contextuel copie des chemins et des entrées. Défaire (%3) restaure ce que la dernière écriture, de cette fenêtre ou de crestmap-cli, a remplacé.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>ResultAlert</name>
    <message>
        <source>Undo puts back every config.xml this write replaced, and removes those it made.</source>
        <translation>«&#xa0;Défaire&#xa0;» restaure chaque config.xml que cette écriture a remplacé et supprime ceux qu&apos;elle a créés.</translation>
    </message>
    <message>
        <source>Undo is not available for this write.</source>
        <translation>«&#xa0;Défaire&#xa0;» n&apos;est pas disponible pour cette écriture.</translation>
    </message>
    <message numerus="yes">
        <source>The config.xml files it replaced held %Ln record(s) that the new ones lack; Undo puts them back.</source>
        <translation>
            <numerusform>Les fichiers config.xml remplacés contenaient %Ln entrée absente des nouveaux&#xa0;; «&#xa0;Défaire&#xa0;» les restaure.</numerusform>
            <numerusform>Les fichiers config.xml remplacés contenaient %Ln entrées absentes des nouveaux&#xa0;; «&#xa0;Défaire&#xa0;» les restaure.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The config.xml it replaced held %Ln record(s) that the new one lacks; Undo puts it back.</source>
        <translation>
            <numerusform>Le config.xml remplacé contenait %Ln entrée absente du nouveau&#xa0;; «&#xa0;Défaire&#xa0;» le restaure.</numerusform>
            <numerusform>Le config.xml remplacé contenait %Ln entrées absentes du nouveau&#xa0;; «&#xa0;Défaire&#xa0;» le restaure.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your config.xml files have been successfully written in %Ln folder(s).</source>
        <translation>
            <numerusform>Votre fichier config.xml a été écrit avec succès dans %Ln dossier.</numerusform>
            <numerusform>Vos fichiers config.xml ont été écrits avec succès dans %Ln dossiers.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The config.xml files it replaced held %Ln record(s) that the new ones lack; Undo is not available to put them back.</source>
        <translation>
            <numerusform>Les fichiers config.xml remplacés contenaient %Ln entrée absente des nouveaux&#xa0;; «&#xa0;Défaire&#xa0;» n&apos;est pas disponible pour les restaurer.</numerusform>
            <numerusform>Les fichiers config.xml remplacés contenaient %Ln entrées absentes des nouveaux&#xa0;; «&#xa0;Défaire&#xa0;» n&apos;est pas disponible pour les restaurer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The config.xml it replaced held %Ln record(s) that the new one lacks; Undo is not available to put it back.</source>
        <translation>
            <numerusform>Le config.xml remplacé contenait %Ln entrée absente du nouveau&#xa0;; «&#xa0;Défaire&#xa0;» n&apos;est pas disponible pour le restaurer.</numerusform>
            <numerusform>Le config.xml remplacé contenait %Ln entrées absentes du nouveau&#xa0;; «&#xa0;Défaire&#xa0;» n&apos;est pas disponible pour le restaurer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) it replaced held no mapping, perhaps another program&apos;s; Undo puts them back.</source>
        <translation>
            <numerusform>%Ln fichier config.xml remplacé n&apos;était pas un fichier de correspondance, peut-être celui d&apos;un autre programme&#xa0;; «&#xa0;Défaire&#xa0;» le restaure.</numerusform>
            <numerusform>%Ln fichiers config.xml remplacés n&apos;étaient pas des fichiers de correspondance, peut-être ceux d&apos;un autre programme&#xa0;; «&#xa0;Défaire&#xa0;» les restaure.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) it replaced held no mapping, perhaps another program&apos;s; Undo is not available to put them back.</source>
        <translation>
            <numerusform>%Ln fichier config.xml remplacé n&apos;était pas un fichier de correspondance, peut-être celui d&apos;un autre programme&#xa0;; «&#xa0;Défaire&#xa0;» n&apos;est pas disponible pour le restaurer.</numerusform>
            <numerusform>%Ln fichiers config.xml remplacés n&apos;étaient pas des fichiers de correspondance, peut-être ceux d&apos;un autre programme&#xa0;; «&#xa0;Défaire&#xa0;» n&apos;est pas disponible pour les restaurer.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing written: no config.xml needed a change</source>
        <translation>Rien n&apos;a été écrit&#xa0;: aucun config.xml n&apos;avait besoin d&apos;être modifié</translation>
    </message>
    <message>
        <source>Your config.xml file has been successfully written in the folder you chose.</source>
        <translation>Votre fichier config.xml a été écrit avec succès dans le dossier choisi.</translation>
    </message>
    <message>
        <source>Nothing written</source>
        <translation>Rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>No folder here holds images.</source>
        <translation>Aucun dossier ici ne contient d&apos;images.</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Image</source>
        <extracomment>The titles of the list&apos;s columns: this, the picture an image maps to, and its folder</extracomment>
        <translation>Image</translation>
    </message>
    <message>
        <source>Picture it maps to</source>
        <translation>Graphisme associé</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
</context>
<context>
    <name>ResultsPanel</name>
    <message>
        <source>Choose what the images are, then browse for them or drop their folder above. Every image is then listed here with the picture it maps to, and every file left out with the reason.</source>
        <translation>Choisissez ce que sont les images, puis parcourez-les ou déposez leur dossier ci-dessus. Chaque image apparaît alors ici avec le graphisme associé, et chaque fichier écarté avec la raison.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Only &amp;problems</source>
        <translation>Pr&amp;oblèmes seulement</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Find images by name</source>
        <translation>Chercher des images par nom</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Each image with the picture it maps to; files without a record, with the reason</source>
        <translation>Chaque image avec le graphisme associé&#xa0;; les fichiers sans entrée, avec la raison</translation>
    </message>
    <message>
        <source>Results of the last check</source>
        <translation>Résultats de la dernière vérification</translation>
    </message>
    <message>
        <source>Results of the last write</source>
        <translation>Résultats de la dernière écriture</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>A link after the summary of a write, that takes the write back</extracomment>
        <translation>Défaire</translation>
    </message>
    <message>
        <source>Open folder</source>
        <extracomment>A link after the summary of a write, that opens the folder written</extracomment>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Nothing copied: no selected row has a record</source>
        <translation>Rien de copié&#xa0;: aucune ligne sélectionnée n&apos;a d&apos;entrée</translation>
    </message>
    <message>
        <source>Nothing copied: no row is selected</source>
        <translation>Rien de copié&#xa0;: aucune ligne n&apos;est sélectionnée</translation>
    </message>
    <message numerus="yes">
        <source>Copied the record of %Ln row(s)</source>
        <translation>
            <numerusform>Entrée de %Ln ligne copiée</numerusform>
            <numerusform>Entrées de %Ln lignes copiées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied the path of %Ln row(s)</source>
        <translation>
            <numerusform>Chemin de %Ln ligne copié</numerusform>
            <numerusform>Chemins de %Ln lignes copiés</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Sort by</source>
        <translation>&amp;Trier par</translation>
    </message>
    <message>
        <source>&amp;Open folder</source>
        <translation>&amp;Ouvrir le dossier</translation>
    </message>
    <message>
        <source>&amp;Open image</source>
        <translation>&amp;Ouvrir l&apos;image</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>Afficher dans le &amp;dossier</translation>
    </message>
    <message>
        <source>&amp;Copy path</source>
        <translation>&amp;Copier le chemin</translation>
    </message>
    <message>
        <source>Copy &amp;record</source>
        <translation>Copier l&apos;&amp;entrée</translation>
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
        <translation>associée au même graphisme que %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%Ln image(s))</source>
        <extracomment>A folder&apos;s name and how many images it holds</extracomment>
        <translation>
            <numerusform>%1 (%Ln image)</numerusform>
            <numerusform>%1 (%Ln images)</numerusform>
        </translation>
    </message>
    <message>
        <source>club logos</source>
        <extracomment>What a style&apos;s pictures are, as this and the rest of its table: put into sentences such as “Write all as %1” and “kept: it maps %1”</extracomment>
        <translation>logos de clubs</translation>
    </message>
    <message>
        <source>nation logos</source>
        <translation>logos de nations</translation>
    </message>
    <message>
        <source>competition logos</source>
        <translation>logos de compétitions</translation>
    </message>
    <message>
        <source>media source logos</source>
        <translation>logos de médias</translation>
    </message>
    <message>
        <source>club icons</source>
        <translation>icônes de clubs</translation>
    </message>
    <message>
        <source>nation icons</source>
        <translation>icônes de nations</translation>
    </message>
    <message>
        <source>competition icons</source>
        <translation>icônes de compétitions</translation>
    </message>
    <message>
        <source>media source icons</source>
        <translation>icônes de médias</translation>
    </message>
    <message>
        <source>left backgrounds of club logos</source>
        <translation>fonds gauches de logos de clubs</translation>
    </message>
    <message>
        <source>left backgrounds of nation logos</source>
        <translation>fonds gauches de logos de nations</translation>
    </message>
    <message>
        <source>left backgrounds of competition logos</source>
        <translation>fonds gauches de logos de compétitions</translation>
    </message>
    <message>
        <source>left backgrounds of media source logos</source>
        <translation>fonds gauches de logos de médias</translation>
    </message>
    <message>
        <source>right backgrounds of club logos</source>
        <translation>fonds droits de logos de clubs</translation>
    </message>
    <message>
        <source>right backgrounds of nation logos</source>
        <translation>fonds droits de logos de nations</translation>
    </message>
    <message>
        <source>right backgrounds of competition logos</source>
        <translation>fonds droits de logos de compétitions</translation>
    </message>
    <message>
        <source>right backgrounds of media source logos</source>
        <translation>fonds droits de logos de médias</translation>
    </message>
    <message>
        <source>team backgrounds</source>
        <translation>fonds d&apos;équipes</translation>
    </message>
    <message>
        <source>stadium backgrounds</source>
        <translation>fonds de stades</translation>
    </message>
    <message>
        <source>competition backgrounds</source>
        <translation>fonds de compétitions</translation>
    </message>
    <message>
        <source>person backgrounds</source>
        <translation>fonds de personnes</translation>
    </message>
    <message>
        <source>portraits</source>
        <translation>portraits</translation>
    </message>
    <message>
        <source>kit textures</source>
        <translation>textures de maillots</translation>
    </message>
    <message>
        <source>kits</source>
        <translation>maillots</translation>
    </message>
    <message>
        <source>Logo</source>
        <extracomment>A choice of the Graphic style group, as the six after it</extracomment>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icône</translation>
    </message>
    <message>
        <source>Logo background, left</source>
        <translation>Fond de logo, gauche</translation>
    </message>
    <message>
        <source>Logo background, right</source>
        <translation>Fond de logo, droite</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Kit</source>
        <translation>Maillot</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Club</source>
        <extracomment>A choice of the Logo type group, as the three after it</extracomment>
        <translation>Club</translation>
    </message>
    <message>
        <source>Nation</source>
        <translation>Nation</translation>
    </message>
    <message>
        <source>Competition</source>
        <translation>Compétition</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Kit texture</source>
        <translation>Texture de maillot</translation>
    </message>
    <message>
        <source>Team</source>
        <extracomment>A choice of the Background type group, as the three after it</extracomment>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Stade</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Personne</translation>
    </message>
    <message numerus="yes">
        <source>wrote %Ln record(s) to %1</source>
        <extracomment>%1: the path of the config.xml file written</extracomment>
        <translation>
            <numerusform>%Ln entrée écrite dans %1</numerusform>
            <numerusform>%Ln entrées écrites dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) unchanged</source>
        <translation>
            <numerusform>%Ln fichier config.xml inchangé</numerusform>
            <numerusform>%Ln fichiers config.xml inchangés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is unchanged: it already holds %Ln record(s)</source>
        <extracomment>%1: the path of a config.xml file</extracomment>
        <translation>
            <numerusform>%1 est inchangé&#xa0;: il contient déjà %Ln entrée</numerusform>
            <numerusform>%1 est inchangé&#xa0;: il contient déjà %Ln entrées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) kept in their own style</source>
        <translation>
            <numerusform>%Ln dossier conservé dans son propre style</numerusform>
            <numerusform>%Ln dossiers conservés dans leur propre style</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) cut short, kept</source>
        <translation>
            <numerusform>%Ln fichier config.xml tronqué, conservé</numerusform>
            <numerusform>%Ln fichiers config.xml tronqués, conservés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) not mapped yet</source>
        <translation>
            <numerusform>%Ln dossier pas encore associé</numerusform>
            <numerusform>%Ln dossiers pas encore associés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) could not be read</source>
        <translation>
            <numerusform>%Ln dossier n&apos;a pas pu être lu</numerusform>
            <numerusform>%Ln dossiers n&apos;ont pas pu être lus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) could not be written</source>
        <translation>
            <numerusform>%Ln dossier n&apos;a pas pu être écrit</numerusform>
            <numerusform>%Ln dossiers n&apos;ont pas pu être écrits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entry(s) passed over (.PNG)</source>
        <translation>
            <numerusform>%Ln élément ignoré (.PNG)</numerusform>
            <numerusform>%Ln éléments ignorés (.PNG)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) of the replaced config.xml not in the new one</source>
        <translation>
            <numerusform>%Ln entrée du config.xml remplacé absente du nouveau</numerusform>
            <numerusform>%Ln entrées du config.xml remplacé absentes du nouveau</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) of the replaced config.xml files not in the new ones</source>
        <translation>
            <numerusform>%Ln entrée des config.xml remplacés absente des nouveaux</numerusform>
            <numerusform>%Ln entrées des config.xml remplacés absentes des nouveaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) map to the same picture as another</source>
        <translation>
            <numerusform>%Ln image associée au même graphisme qu&apos;une autre</numerusform>
            <numerusform>%Ln images associées au même graphisme qu&apos;une autre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) would not load</source>
        <translation>
            <numerusform>%Ln image n&apos;a pas pu être chargée</numerusform>
            <numerusform>%Ln images n&apos;ont pas pu être chargées</numerusform>
        </translation>
    </message>
    <message>
        <source>its sub-folders hold images: tick Include sub-folders to write them</source>
        <translation>ses sous-dossiers contiennent des images&#xa0;: cochez Inclure les sous-dossiers pour les écrire</translation>
    </message>
    <message>
        <source>config.xml is current</source>
        <translation>config.xml est à jour</translation>
    </message>
    <message numerus="yes">
        <source>all %Ln config.xml files are current</source>
        <translation>
            <numerusform>le %Ln fichier config.xml est à jour</numerusform>
            <numerusform>les %Ln fichiers config.xml sont à jour</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 not current</source>
        <extracomment>%1: all the config.xml files checked, as “of 4 config.xml files” counts them</extracomment>
        <translation>
            <numerusform>%Ln sur %1 pas à jour</numerusform>
            <numerusform>%Ln sur %1 pas à jour</numerusform>
        </translation>
    </message>
    <message>
        <source>these style choices give no record</source>
        <translation>ces choix de style ne donnent aucune entrée</translation>
    </message>
    <message>
        <source>a kit image needs a name like TEAM_KIT, with exactly one underscore</source>
        <translation>le nom doit être comme EQUIPE_MAILLOT, avec un seul tiret bas</translation>
    </message>
    <message>
        <source>a kit image needs a team before the underscore, like TEAM_KIT</source>
        <translation>il manque l&apos;équipe avant le tiret bas, comme dans EQUIPE_MAILLOT</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8 or holds a control character</source>
        <translation>le nom n&apos;est pas de l&apos;UTF-8 valide ou contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>not a .png, .jpg or .jpeg file</source>
        <translation>pas un fichier .png, .jpg ou .jpeg</translation>
    </message>
    <message>
        <source>the extension is not in lower case (.png, .jpg, .jpeg)</source>
        <translation>l&apos;extension n&apos;est pas en minuscules (.png, .jpg, .jpeg)</translation>
    </message>
    <message>
        <source>a file</source>
        <extracomment>What a path is, as the four after it, in brackets after “not a PNG image” or “not a mapping file”</extracomment>
        <translation>un fichier</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <extracomment>An image&apos;s row; %1: the system&apos;s reason, as “Permission denied”</extracomment>
        <translation>illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>0 bytes</source>
        <extracomment>What an image file holds, as the three after it, in brackets after “not a PNG image”</extracomment>
        <translation>0 octet</translation>
    </message>
    <message>
        <source>it holds text</source>
        <translation>contient du texte</translation>
    </message>
    <message>
        <source>it holds HTML</source>
        <translation>contient du HTML</translation>
    </message>
    <message>
        <source>it holds other data</source>
        <translation>contient d&apos;autres données</translation>
    </message>
    <message>
        <source>not a PNG image (%1)</source>
        <extracomment>%1: what the file holds instead, as “it holds text”</extracomment>
        <translation>pas une image PNG (%1)</translation>
    </message>
    <message>
        <source>not a JPEG image (%1)</source>
        <translation>pas une image JPEG (%1)</translation>
    </message>
    <message>
        <source>cannot list %1: %2</source>
        <extracomment>This and the eight after it: %1 a path, %2 the system&apos;s reason</extracomment>
        <translation>impossible de lister %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot create a file in %1: %2</source>
        <translation>impossible de créer un fichier dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot flush %1: %2</source>
        <translation>impossible de vider %1 sur le disque&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot close %1: %2</source>
        <translation>impossible de fermer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot replace %1: %2</source>
        <translation>impossible de remplacer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>impossible de créer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot keep a copy of %1: %2</source>
        <translation>impossible de garder une copie de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>there is no cache folder: %1 is not set</source>
        <extracomment>%1: the name of an environment variable, as HOME</extracomment>
        <translation>aucun dossier de cache&#xa0;: %1 n&apos;est pas défini</translation>
    </message>
    <message>
        <source>cut short: it ends in its header</source>
        <translation>tronqué&#xa0;: il s&apos;arrête dans son en-tête</translation>
    </message>
    <message>
        <source>cut short: it ends inside a record</source>
        <translation>tronqué&#xa0;: il s&apos;arrête au milieu d&apos;une entrée</translation>
    </message>
    <message>
        <source>cut short: it ends before the end of its list</source>
        <translation>tronqué&#xa0;: il s&apos;arrête avant la fin de sa liste</translation>
    </message>
    <message>
        <source>cut short: it ends before &lt;/record&gt;</source>
        <translation>tronqué&#xa0;: il s&apos;arrête avant &lt;/record&gt;</translation>
    </message>
    <message>
        <source>not a mapping file (%1)</source>
        <translation>pas un fichier de correspondance (%1)</translation>
    </message>
    <message>
        <source>not a mapping file (it is empty)</source>
        <translation>pas un fichier de correspondance (il est vide)</translation>
    </message>
    <message>
        <source>not a mapping file</source>
        <translation>pas un fichier de correspondance</translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>A folder&apos;s row: it has no config.xml</extracomment>
        <translation>absent</translation>
    </message>
    <message>
        <source>it maps no records of a style</source>
        <translation>il n&apos;associe aucune entrée d&apos;un style</translation>
    </message>
    <message>
        <source>current: the same records in another order or layout</source>
        <translation>à jour&#xa0;: les mêmes entrées dans un autre ordre ou une autre mise en forme</translation>
    </message>
    <message>
        <source>current</source>
        <extracomment>A folder&apos;s row: its config.xml holds what a write would write</extracomment>
        <translation>à jour</translation>
    </message>
    <message>
        <source>stale: other options than preload and amap off</source>
        <translation>périmé&#xa0;: d&apos;autres options que preload et amap désactivés</translation>
    </message>
    <message>
        <source>stale: text or elements a mapping file does not hold</source>
        <translation>périmé&#xa0;: du texte ou des éléments qu&apos;un fichier de correspondance ne contient pas</translation>
    </message>
    <message>
        <source>stale: %1</source>
        <extracomment>A folder&apos;s row; %1: how a write would change its records, as “6 records to add and 1 to change”</extracomment>
        <translation>périmé&#xa0;: %1</translation>
    </message>
    <message>
        <source>not mapped yet: %1</source>
        <extracomment>%1: what the folder&apos;s config.xml is, as “not a mapping file”</extracomment>
        <translation>pas encore associé&#xa0;: %1</translation>
    </message>
    <message>
        <source>could not be read</source>
        <extracomment>A folder&apos;s row: its config.xml could not be read</extracomment>
        <translation>n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>no images</source>
        <extracomment>A folder&apos;s row: it holds no images to map</extracomment>
        <translation>aucune image</translation>
    </message>
    <message>
        <source>kept: %1</source>
        <extracomment>A folder&apos;s row: its config.xml, kept as it was; %1: what it is, as “cut short: it ends inside a record”</extracomment>
        <translation>conservé&#xa0;: %1</translation>
    </message>
    <message>
        <source>not mapped yet</source>
        <extracomment>A folder&apos;s row: it has no config.xml yet</extracomment>
        <translation>pas encore associé</translation>
    </message>
    <message>
        <source>Nothing to undo: %1</source>
        <extracomment>%1: why there is no cache folder, as “there is no cache folder: HOME is not set”</extracomment>
        <translation>Rien à défaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>Nothing to undo: no write has been kept to undo</source>
        <translation>Rien à défaire&#xa0;: aucune écriture n&apos;a été gardée pour être défaite</translation>
    </message>
    <message>
        <source>Nothing undone: another write has been made since</source>
        <translation>Rien de défait&#xa0;: une autre écriture a eu lieu depuis</translation>
    </message>
    <message>
        <source>Nothing undone: another undo is under way</source>
        <translation>Rien de défait&#xa0;: une autre opération Défaire est en cours</translation>
    </message>
    <message numerus="yes">
        <source>%Ln already as before the write</source>
        <extracomment>config.xml files that Undo found as they were before the write</extracomment>
        <translation>
            <numerusform>%Ln déjà comme avant l&apos;écriture</numerusform>
            <numerusform>%Ln déjà comme avant l&apos;écriture</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln changed since, left alone</source>
        <extracomment>config.xml files changed since the write, which Undo did not touch</extracomment>
        <translation>
            <numerusform>%Ln modifié depuis, laissé tel quel</numerusform>
            <numerusform>%Ln modifiés depuis, laissés tels quels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln could not be put back</source>
        <extracomment>config.xml files that Undo could not put back</extracomment>
        <translation>
            <numerusform>%Ln n&apos;a pas pu être restauré</numerusform>
            <numerusform>%Ln n&apos;ont pas pu être restaurés</numerusform>
        </translation>
    </message>
    <message>
        <source>put back %1</source>
        <extracomment>%1: the path of a config.xml file that Undo put back</extracomment>
        <translation>%1 restauré</translation>
    </message>
    <message>
        <source>removed %1</source>
        <extracomment>%1: the path of a config.xml file that the write made and Undo removed</extracomment>
        <translation>%1 supprimé</translation>
    </message>
    <message>
        <source>%1 changed since, left alone</source>
        <extracomment>%1: the path of a config.xml file</extracomment>
        <translation>%1 modifié depuis, laissé tel quel</translation>
    </message>
    <message>
        <source>could not put back %1: %2</source>
        <extracomment>%1: the path of a config.xml file; %2: why</extracomment>
        <translation>impossible de restaurer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>its kept copy is gone</source>
        <translation>sa copie gardée a disparu</translation>
    </message>
    <message>
        <source>its kept copy was changed</source>
        <translation>sa copie gardée a été modifiée</translation>
    </message>
    <message>
        <source>%1 is not a local file</source>
        <extracomment>%1: the address of what was chosen</extracomment>
        <translation>%1 n&apos;est pas un fichier local</translation>
    </message>
    <message>
        <source>%1 is not a local folder</source>
        <extracomment>%1: the address of what was chosen or dropped</extracomment>
        <translation>%1 n&apos;est pas un dossier local</translation>
    </message>
    <message>
        <source>cancelled: the check stopped before its end</source>
        <translation>annulé&#xa0;: la vérification s&apos;est arrêtée avant la fin</translation>
    </message>
    <message>
        <source>Undo is not available: %1</source>
        <extracomment>%1: why, as “cannot make /home/me/.cache/crestmap: No space left on device”</extracomment>
        <translation>«&#xa0;Défaire&#xa0;» n&apos;est pas disponible&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>config.xml holds no records: none of the %Ln file(s) maps with these choices (%1)</source>
        <extracomment>%1: what became of the files, as “3 files without a record (kit name)”</extracomment>
        <translation>
            <numerusform>config.xml ne contient aucune entrée&#xa0;: le %Ln fichier n&apos;est pas associé avec ces choix (%1)</numerusform>
            <numerusform>config.xml ne contient aucune entrée&#xa0;: aucun des %Ln fichiers n&apos;est associé avec ces choix (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Files without a record:</source>
        <translation>Fichiers sans entrée&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>… and %Ln more</source>
        <translation>
            <numerusform>… et %Ln autre</numerusform>
            <numerusform>… et %Ln autres</numerusform>
        </translation>
    </message>
    <message>
        <source>kept: it maps %1</source>
        <extracomment>A folder&apos;s row: its config.xml, kept as it was; %1: what it maps, as “kit textures”</extracomment>
        <translation>conservé&#xa0;: associe des %1</translation>
    </message>
    <message numerus="yes">
        <source>Undo: %Ln config.xml file(s) put back, %1</source>
        <extracomment>%1: the config.xml files Undo removed, as “1 removed” counts them</extracomment>
        <translation>
            <numerusform>Défaire&#xa0;: %Ln fichier config.xml restauré, %1</numerusform>
            <numerusform>Défaire&#xa0;: %Ln fichiers config.xml restaurés, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln removed</source>
        <comment>the config.xml files of “Undo: %Ln config.xml file(s) put back, %1”</comment>
        <translation>
            <numerusform>%Ln supprimé</numerusform>
            <numerusform>%Ln supprimés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the write of %Ln config.xml file(s) in %1, made by %2 at %3?</source>
        <extracomment>%1: the folder; %2: the command-line tool&apos;s name; %3: the date and time</extracomment>
        <translation>
            <numerusform>Défaire l&apos;écriture de %Ln fichier config.xml dans %1, faite par %2 le %3&#xa0;?</numerusform>
            <numerusform>Défaire l&apos;écriture de %Ln fichiers config.xml dans %1, faite par %2 le %3&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the write of %Ln config.xml file(s) in %1, made by this window at %2?</source>
        <extracomment>%1: the folder; %2: the date and time</extracomment>
        <translation>
            <numerusform>Défaire l&apos;écriture de %Ln fichier config.xml dans %1, faite par cette fenêtre le %2&#xa0;?</numerusform>
            <numerusform>Défaire l&apos;écriture de %Ln fichiers config.xml dans %1, faite par cette fenêtre le %2&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrote %Ln record(s) in %1</source>
        <extracomment>%1: the folders, as “in 12 folders” counts them</extracomment>
        <translation>
            <numerusform>%Ln entrée écrite dans %1</numerusform>
            <numerusform>%Ln entrées écrites dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s)</source>
        <comment>the folders of “wrote %Ln record(s) in %1”</comment>
        <translation>
            <numerusform>%Ln dossier</numerusform>
            <numerusform>%Ln dossiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (style)</source>
        <translation>
            <numerusform>%Ln fichier sans entrée (style)</numerusform>
            <numerusform>%Ln fichiers sans entrée (style)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (kit name)</source>
        <translation>
            <numerusform>%Ln fichier sans entrée (nom de maillot)</numerusform>
            <numerusform>%Ln fichiers sans entrée (nom de maillot)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (no team)</source>
        <translation>
            <numerusform>%Ln fichier sans entrée (pas d&apos;équipe)</numerusform>
            <numerusform>%Ln fichiers sans entrée (pas d&apos;équipe)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (unusable name)</source>
        <translation>
            <numerusform>%Ln fichier sans entrée (nom inutilisable)</numerusform>
            <numerusform>%Ln fichiers sans entrée (nom inutilisable)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (not an image)</source>
        <translation>
            <numerusform>%Ln fichier sans entrée (pas une image)</numerusform>
            <numerusform>%Ln fichiers sans entrée (pas une image)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (.PNG)</source>
        <translation>
            <numerusform>%Ln fichier sans entrée (.PNG)</numerusform>
            <numerusform>%Ln fichiers sans entrée (.PNG)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cancelled: %Ln folder(s) written, %1</source>
        <extracomment>%1: the folders the write did not reach, as “7 left as they were” counts them</extracomment>
        <translation>
            <numerusform>annulé&#xa0;: %Ln dossier écrit, %1</numerusform>
            <numerusform>annulé&#xa0;: %Ln dossiers écrits, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln left as they were</source>
        <comment>the folders of “cancelled: %Ln folder(s) written, %1”</comment>
        <translation>
            <numerusform>%Ln laissé tel quel</numerusform>
            <numerusform>%Ln laissés tels quels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s)</source>
        <comment>all the files of “%Ln of %1 not current”</comment>
        <translation>
            <numerusform>%Ln fichier config.xml</numerusform>
            <numerusform>%Ln fichiers config.xml</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the write of %Ln config.xml file(s) in %1, made by another Crestmap window at %2?</source>
        <extracomment>%1: the folder; %2: the date and time. A window since closed, or open beside this one</extracomment>
        <translation>
            <numerusform>Défaire l&apos;écriture de %Ln fichier config.xml dans %1, faite par une autre fenêtre de Crestmap le %2&#xa0;?</numerusform>
            <numerusform>Défaire l&apos;écriture de %Ln fichiers config.xml dans %1, faite par une autre fenêtre de Crestmap le %2&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) to add</source>
        <extracomment>Records the file lacks, that a write would add</extracomment>
        <translation>
            <numerusform>%Ln entrée à ajouter</numerusform>
            <numerusform>%Ln entrées à ajouter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to remove</source>
        <extracomment>Records the file holds that a write would leave out; after “6 records to add”</extracomment>
        <translation>
            <numerusform>%Ln à supprimer</numerusform>
            <numerusform>%Ln à supprimer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) to remove</source>
        <translation>
            <numerusform>%Ln entrée à supprimer</numerusform>
            <numerusform>%Ln entrées à supprimer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to change</source>
        <extracomment>Records a write would map to another picture; after “6 records to add”</extracomment>
        <translation>
            <numerusform>%Ln à modifier</numerusform>
            <numerusform>%Ln à modifier</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) to change</source>
        <translation>
            <numerusform>%Ln entrée à modifier</numerusform>
            <numerusform>%Ln entrées à modifier</numerusform>
        </translation>
    </message>
    <message>
        <source>Entries passed over:</source>
        <translation>Éléments ignorés&#xa0;:</translation>
    </message>
    <message>
        <source>no folder here holds images</source>
        <translation>aucun dossier ici ne contient d&apos;images</translation>
    </message>
</context>
<context>
    <name>WriteController</name>
    <message>
        <source>Looking through the folders…</source>
        <translation>Parcours des dossiers…</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Write of %Ln Folder(s)</source>
        <translation>
            <numerusform>&amp;Défaire l&apos;écriture de %Ln dossier</numerusform>
            <numerusform>&amp;Défaire l&apos;écriture de %Ln dossiers</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Défaire</translation>
    </message>
    <message numerus="yes">
        <source>Checking %L1 of %Ln folder(s) · %2</source>
        <extracomment>%L1: the folders checked so far; %2: the images, as “1,200 of 4,000 images”</extracomment>
        <translation>
            <numerusform>Vérification&#xa0;: %L1 sur %Ln dossier · %2</numerusform>
            <numerusform>Vérification&#xa0;: %L1 sur %Ln dossiers · %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing %L1 of %Ln folder(s) · %2</source>
        <extracomment>%L1: the folders written so far; %2: the images, as “1,200 of 4,000 images”</extracomment>
        <translation>
            <numerusform>Écriture&#xa0;: %L1 sur %Ln dossier · %2</numerusform>
            <numerusform>Écriture&#xa0;: %L1 sur %Ln dossiers · %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checking… %Ln folder(s), %1 so far</source>
        <extracomment>%1: the images checked so far, as “1,200 images”</extracomment>
        <translation>
            <numerusform>Vérification… %Ln dossier, %1 jusqu&apos;ici</numerusform>
            <numerusform>Vérification… %Ln dossiers, %1 jusqu&apos;ici</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing… %Ln folder(s), %1 so far</source>
        <extracomment>%1: the images written so far, as “1,200 images”</extracomment>
        <translation>
            <numerusform>Écriture… %Ln dossier, %1 jusqu&apos;ici</numerusform>
            <numerusform>Écriture… %Ln dossiers, %1 jusqu&apos;ici</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The write is paused at %L1 of %Ln folder(s). Stop it and quit?</source>
        <extracomment>%L1: the folders written so far</extracomment>
        <translation>
            <numerusform>L&apos;écriture est en pause à %L1 sur %Ln dossier. L&apos;arrêter et quitter&#xa0;?</numerusform>
            <numerusform>L&apos;écriture est en pause à %L1 sur %Ln dossiers. L&apos;arrêter et quitter&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The write is paused after %Ln folder(s). Stop it and quit?</source>
        <translation>
            <numerusform>L&apos;écriture est en pause après %Ln dossier. L&apos;arrêter et quitter&#xa0;?</numerusform>
            <numerusform>L&apos;écriture est en pause après %Ln dossiers. L&apos;arrêter et quitter&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %Ln image(s)</source>
        <comment>the images of “Checking %L1 of %Ln folder(s) · %2” and of its Writing twin</comment>
        <translation>
            <numerusform>%L1 sur %Ln image</numerusform>
            <numerusform>%L1 sur %Ln images</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s)</source>
        <comment>the images of “Checking… %Ln folder(s), %1 so far” and of its Writing twin</comment>
        <translation>
            <numerusform>%Ln image</numerusform>
            <numerusform>%Ln images</numerusform>
        </translation>
    </message>
    <message>
        <source>listing the results…</source>
        <extracomment>In place of “1,200 of 4,000 images” once every folder is done</extracomment>
        <translation>affichage des résultats…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Writes config.xml, the file that maps a folder of images to a game&apos;s pictures.</source>
        <translation>Écrit config.xml, le fichier qui associe un dossier d&apos;images aux graphismes d&apos;un jeu.</translation>
    </message>
    <message>
        <source>A folder to open and check; nothing is written until you write or update it.</source>
        <translation>Un dossier à ouvrir et vérifier&#xa0;; rien n&apos;est écrit tant que vous ne l&apos;écrivez pas ou ne le mettez pas à jour.</translation>
    </message>
</context>
</TS>
