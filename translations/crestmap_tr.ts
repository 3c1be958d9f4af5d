<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>DialogPrompts</name>
    <message>
        <source>JPEG image</source>
        <extracomment>Only measured, never shown: the file dialog&apos;s name for the type of a .jpg file</extracomment>
        <translation>JPEG görüntüsü</translation>
    </message>
    <message numerus="yes">
        <source>  … and %Ln more</source>
        <extracomment>More folders, after a list of ten</extracomment>
        <translation>
            <numerusform>  … ve %Ln tane daha</numerusform>
        </translation>
    </message>
    <message>
        <source>Browse for images</source>
        <translation>Resimlere göz at</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Resimler (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Check a folder</source>
        <translation>Klasör denetle</translation>
    </message>
    <message>
        <source>Write a folder</source>
        <translation>Klasöre yaz</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) without a config.xml get one as %1.</source>
        <extracomment>%1: the style chosen, as “club logos”</extracomment>
        <translation>
            <numerusform>config.xml dosyası olmayan %Ln klasöre %1 olarak bir tane yazılır.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) already current stay as they are.</source>
        <translation>
            <numerusform>Zaten güncel olan %Ln config.xml dosyası olduğu gibi kalır.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) cut short are kept by an update; writing all replaces them:</source>
        <translation>
            <numerusform>Yarım kalmış %Ln config.xml dosyası güncellemede korunur, tümünü yazmak ise üzerine yazar:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing all as %1 would change the style of %Ln folder(s):</source>
        <extracomment>%1: the style chosen, as “club logos”</extracomment>
        <translation>
            <numerusform>Tümünü %1 olarak yazmak %Ln klasörün stilini değiştirir:</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo puts back every config.xml the write replaces.</source>
        <translation>“Geri al”, yazma işleminin değiştirdiği her config.xml dosyasını geri yükler.</translation>
    </message>
    <message numerus="yes">
        <source>Write config.xml in %Ln folder(s)?</source>
        <translation>
            <numerusform>%Ln klasöre config.xml yazılsın mı?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Update each folder in its own style</source>
        <translation>&amp;Her klasörü kendi stilinde güncelle</translation>
    </message>
    <message>
        <source>Write &amp;all as %1</source>
        <extracomment>A button; %1: the style chosen, as “club logos”</extracomment>
        <translation>&amp;Tümünü %1 olarak yaz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>&amp;Write it as %1</source>
        <extracomment>A button; %1: the style chosen, as “club logos”</extracomment>
        <translation>%1 olarak &amp;yaz</translation>
    </message>
    <message>
        <source>%1 maps %2.</source>
        <extracomment>%1: the path of a config.xml file; %2: what it maps, as “kit textures”</extracomment>
        <translation>%1 dosyasının stili: %2.</translation>
    </message>
    <message>
        <source>Writing it as %1 replaces its records; Undo puts them back.</source>
        <extracomment>%1: the style chosen, as “club logos”</extracomment>
        <translation>%1 olarak yazmak kayıtlarını değiştirir; “Geri al” bunları geri yükler.</translation>
    </message>
    <message>
        <source>&amp;Update it as %1</source>
        <extracomment>A button; %1: the style the file maps, as “kit textures”</extracomment>
        <translation>%1 olarak &amp;güncelle</translation>
    </message>
    <message>
        <source>Writing it replaces it; Undo puts it back.</source>
        <translation>Yazmak dosyanın yerine yenisini koyar; “Geri al” eskisini geri yükler.</translation>
    </message>
    <message>
        <source>It is not the write the list shows.</source>
        <translation>Listede gösterilen yazma işlemi bu değil.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Geri al</translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) changed since the write:</source>
        <translation>
            <numerusform>%Ln config.xml dosyası yazma işleminden sonra değişti:</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Keep the Changes</source>
        <translation>&amp;Değişiklikleri koru</translation>
    </message>
    <message>
        <source>&amp;Put Back</source>
        <translation>&amp;Geri yükle</translation>
    </message>
    <message>
        <source>Folders written so far keep their new config.xml, and Undo stays available; the others keep their old one.</source>
        <translation>Şimdiye kadar yazılan klasörler yeni config.xml dosyalarını korur ve “Geri al” kullanılabilir kalır; diğerleri eskisini korur.</translation>
    </message>
    <message>
        <source>&amp;Keep Writing</source>
        <translation>&amp;Yazmaya devam et</translation>
    </message>
    <message>
        <source>Stop and &amp;Quit</source>
        <translation>Durdur ve çı&amp;k</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends in its header.</source>
        <extracomment>This and the three after it: %1 the path of a config.xml file</extracomment>
        <translation>%1 yarım kalmış: başlığında bitiyor.</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends inside a record.</source>
        <translation>%1 yarım kalmış: bir kaydın ortasında bitiyor.</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends before the end of its list.</source>
        <translation>%1 yarım kalmış: listesi bitmeden bitiyor.</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends before &lt;/record&gt;.</source>
        <translation>%1 yarım kalmış: &lt;/record&gt; öncesinde bitiyor.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Kaldır</translation>
    </message>
    <message>
        <source>Every folder keeps its new config.xml, and Undo stays available.</source>
        <translation>Her klasör yeni config.xml dosyasını korur ve “Geri al” kullanılabilir kalır.</translation>
    </message>
    <message numerus="yes">
        <source>Updating each folder in its own style changes %Ln config.xml file(s):</source>
        <translation>
            <numerusform>Her klasörü kendi stilinde güncellemek %Ln config.xml dosyasını değiştirir:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Write config.xml in up to %Ln folder(s)?</source>
        <extracomment>The answers write different numbers of folders: this one is the most</extracomment>
        <translation>
            <numerusform>En fazla %Ln klasöre config.xml yazılsın mı?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An update leaves the %Ln config.xml file(s) already current as they are.</source>
        <translation>
            <numerusform>Güncelleme, zaten güncel olan %Ln config.xml dosyasını olduğu gibi bırakır.</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo is not available for this write.</source>
        <translation>Bu yazma işlemi için “Geri al” kullanılamaz.</translation>
    </message>
    <message>
        <source>Writing it as %1 replaces its records; Undo is not available to put them back.</source>
        <translation>%1 olarak yazmak kayıtlarını değiştirir; “Geri al” bunları geri yüklemek için kullanılamıyor.</translation>
    </message>
    <message>
        <source>Writing it replaces it; Undo is not available to put it back.</source>
        <translation>Yazmak dosyanın yerine yenisini koyar; “Geri al” eskisini geri yüklemek için kullanılamıyor.</translation>
    </message>
    <message numerus="yes">
        <source>Remove the file(s) the write made, with the change(s)? The changes are lost.</source>
        <translation>
            <numerusform>Yazma işleminin oluşturduğu %Ln dosya, yapılan değişiklikle birlikte kaldırılsın mı? Değişiklik kaybolur.</numerusform>
        </translation>
    </message>
    <message>
        <source>Put back what the write replaced and remove what it made, over the changes? The changes are lost.</source>
        <translation>Yazma işleminin değiştirdikleri geri yüklensin ve oluşturdukları kaldırılsın mı? Değişikliklerin üzerine yazılır; değişiklikler kaybolur.</translation>
    </message>
    <message numerus="yes">
        <source>Put back the old copies over the change(s)? The changes are lost.</source>
        <translation>
            <numerusform>%Ln eski kopya, yapılan değişikliğin üzerine geri yüklensin mi? Değişiklik kaybolur.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileSelector</name>
    <message>
        <source>Example: %1</source>
        <extracomment>%1: an image&apos;s name and the picture it maps to</extracomment>
        <translation>Örnek: %1</translation>
    </message>
    <message>
        <source>Example: with these choices, images get no record.</source>
        <translation>Örnek: bu seçimlerle resimler kayıt almaz.</translation>
    </message>
    <message numerus="yes">
        <source>Crestmap opens one folder at a time; %Ln more were given: %1</source>
        <extracomment>%1: the folders given after the first</extracomment>
        <translation>
            <numerusform>Crestmap tek seferde bir klasör açar; %Ln tane daha verildi: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no file or folder called %1.</source>
        <translation>%1 adında bir dosya ya da klasör yok.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder. Open the folder that holds it.</source>
        <translation>%1 bir dosya, klasör değil. Onu içeren klasörü açın.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 okunamıyor.</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 açılamıyor</translation>
    </message>
</context>
<context>
    <name>FolderDragView</name>
    <message>
        <source>Drop a folder of images here</source>
        <translation>Resim klasörünü buraya bırakın</translation>
    </message>
    <message>
        <source>Release to write config.xml in this folder</source>
        <translation>Bu klasöre config.xml yazmak için bırakın</translation>
    </message>
    <message>
        <source>Only one folder can be dropped here</source>
        <translation>Buraya yalnızca bir klasör bırakılabilir</translation>
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
        <translation>&amp;Grafik stili</translation>
    </message>
    <message>
        <source>&amp;Logo type</source>
        <translation>&amp;Logo türü</translation>
    </message>
    <message>
        <source>&amp;Kit type</source>
        <translation>&amp;Forma türü</translation>
    </message>
    <message>
        <source>Backgro&amp;und type</source>
        <translation>&amp;Arka plan türü</translation>
    </message>
    <message>
        <source>What an image becomes with these choices</source>
        <translation>Bu seçimlerle bir resmin neye dönüştüğü</translation>
    </message>
    <message>
        <source>Drop area</source>
        <translation>Bırakma alanı</translation>
    </message>
    <message>
        <source>Drop one folder of images here to write its config.xml</source>
        <translation>config.xml dosyasını yazmak için bir resim klasörünü buraya bırakın</translation>
    </message>
    <message>
        <source>&amp;Browse for images…</source>
        <translation>Resimlere göz a&amp;t…</translation>
    </message>
    <message>
        <source>Choose image files and write config.xml beside them</source>
        <translation>Resim dosyalarını seçin ve yanlarına config.xml yazın</translation>
    </message>
    <message>
        <source>&amp;Write folder…</source>
        <translation>Klasöre &amp;yaz…</translation>
    </message>
    <message>
        <source>Choose a folder and write its config.xml, as dropping it would</source>
        <translation>Bir klasör seçin ve sürükleyip bırakmış gibi config.xml dosyasını yazın</translation>
    </message>
    <message>
        <source>&amp;Check folder…</source>
        <translation>Klasörü de&amp;netle…</translation>
    </message>
    <message>
        <source>Choose a folder and check its config.xml files and images; nothing is written</source>
        <translation>Bir klasör seçin ve config.xml dosyalarını ve resimlerini denetleyin; hiçbir şey yazılmaz</translation>
    </message>
    <message>
        <source>Up&amp;date stale folders</source>
        <translation>&amp;Eskimiş klasörleri güncelle</translation>
    </message>
    <message>
        <source>Write the folders the check found stale or missing, each in its own style</source>
        <translation>Denetimin eskimiş ya da eksik bulduğu klasörleri, her birini kendi stilinde yazın</translation>
    </message>
    <message>
        <source>Include &amp;sub-folders</source>
        <translation>Alt klasörleri da&amp;hil et</translation>
    </message>
    <message>
        <source>Also write config.xml in every folder below that holds images</source>
        <translation>Altındaki, resim içeren her klasöre de config.xml yazın</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Sonuçlar</translation>
    </message>
    <message>
        <source>What the last write did</source>
        <translation>Son yazma işleminin yaptıkları</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Dü&amp;zen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Yardı&amp;m</translation>
    </message>
    <message>
        <source>Choose a folder and check its config.xml files and images</source>
        <translation>Bir klasör seçin ve config.xml dosyalarını ve resimlerini denetleyin</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>&amp;Undo last write</source>
        <translation>Son yazmayı &amp;geri al</translation>
    </message>
    <message>
        <source>&amp;Copy paths</source>
        <translation>Yolları &amp;kopyala</translation>
    </message>
    <message>
        <source>Crestmap &amp;help</source>
        <translation>Crestmap &amp;yardımı</translation>
    </message>
    <message>
        <source>&amp;About Crestmap</source>
        <translation>Crestmap &amp;hakkında</translation>
    </message>
    <message>
        <source>&amp;Open folder</source>
        <translation>Klasörü &amp;aç</translation>
    </message>
    <message>
        <source>Open the folder the last write wrote its config.xml in</source>
        <translation>Son yazma işleminin config.xml yazdığı klasörü açın</translation>
    </message>
    <message>
        <source>Nothing could show %1</source>
        <extracomment>%1: the path of a file or folder</extracomment>
        <translation>Hiçbir program %1 öğesini gösteremedi</translation>
    </message>
    <message>
        <source>Nothing could open %1</source>
        <extracomment>%1: the path of a file or folder</extracomment>
        <translation>Hiçbir program %1 öğesini açamadı</translation>
    </message>
    <message>
        <source>The program for %1 has not answered yet</source>
        <extracomment>%1: the path of a file or folder</extracomment>
        <translation>%1 için program henüz yanıt vermedi</translation>
    </message>
    <message>
        <source>%1 — Crestmap</source>
        <extracomment>The window&apos;s title; %1: the name of the folder the list shows, or a job works in</extracomment>
        <translation>%1 — Crestmap</translation>
    </message>
    <message>
        <source>&lt;p&gt;It uses Qt %1, licensed under the GNU Lesser General Public License version 3 (LGPL-3.0). Beside crestmap.exe are its text, Qt-LGPL-3.0.txt, the GPL-3.0 it builds on, GPL-3.0.txt, and the notices of the libraries built into Qt, Qt-third-party-notices.txt.&lt;/p&gt;&lt;p&gt;README.txt, there too, describes the window and the command-line tool.&lt;/p&gt;</source>
        <extracomment>%1: Qt&apos;s version</extracomment>
        <translation>&lt;p&gt;Qt %1 kullanır; Qt, GNU Lesser General Public License sürüm 3 (LGPL-3.0) ile lisanslanmıştır. crestmap.exe dosyasının yanında lisans metni Qt-LGPL-3.0.txt, dayandığı GPL-3.0 metni GPL-3.0.txt ve Qt içine yerleşik kitaplıkların bildirimleri Qt-third-party-notices.txt bulunur.&lt;/p&gt;&lt;p&gt;Yine orada bulunan README.txt, pencereyi ve komut satırı aracını anlatır.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;It uses Qt %1, licensed under the GNU Lesser General Public License version 3 (LGPL-3.0); your system&apos;s Qt packages hold its licence texts.&lt;/p&gt;&lt;p&gt;The command-line tool is described in its manual page: &lt;code&gt;man crestmap-cli&lt;/code&gt;.&lt;/p&gt;</source>
        <extracomment>%1: Qt&apos;s version</extracomment>
        <translation>&lt;p&gt;Qt %1 kullanır; Qt, GNU Lesser General Public License sürüm 3 (LGPL-3.0) ile lisanslanmıştır. Lisans metinleri sisteminizin Qt paketlerinde bulunur.&lt;/p&gt;&lt;p&gt;Komut satırı aracı kendi kılavuz sayfasında anlatılır: &lt;code&gt;man crestmap-cli&lt;/code&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Crestmap</source>
        <translation>Crestmap hakkında</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Crestmap %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Writes config.xml, the file that maps a folder of images to a game&apos;s pictures.&lt;/p&gt;&lt;p&gt;Released under the MIT licence.&lt;/p&gt;</source>
        <extracomment>%1: Crestmap&apos;s version</extracomment>
        <translation>&lt;p&gt;&lt;b&gt;Crestmap %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Bir resim klasörünü bir oyunun grafiklerine eşleyen config.xml dosyasını yazar.&lt;/p&gt;&lt;p&gt;MIT lisansıyla yayımlanmıştır.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The window speaks %1.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Pencere %1 konuşuyor.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>English</source>
        <comment>the name of the window&apos;s language, in it</comment>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>Crestmap help</source>
        <translation>Crestmap yardımı</translation>
    </message>
    <message>
        <source>&lt;p&gt;Choose what the images are with the four groups, then hand them over: Browse for images… (%1) maps the files you choose; Write folder… (%2) or a folder dropped on the window maps every image in it, and with Include sub-folders every folder below it. Check folder… (%4) compares a folder&apos;s config.xml files with what would be written, and writes nothing.&lt;/p&gt;&lt;p&gt;The list shows what each image became. Enter opens an image; the context menu copies paths and records. Undo (%3) puts back what the last write, of this window or of crestmap-cli, replaced.&lt;/p&gt;</source>
        <extracomment>%1, %2, %3, %4: the keys of Browse for images…, Write folder…, Undo and Check folder…</extracomment>
        <translation>&lt;p&gt;Resimlerin ne olduğunu dört grupla seçin, sonra resimleri verin: Resimlere göz at… (%1) seçtiğiniz dosyaları eşler; Klasöre yaz… (%2) ya da pencereye bırakılan bir klasör içindeki her resmi, Alt klasörleri dahil et seçiliyse altındaki her klasörü de eşler. Klasörü denetle… (%4) bir klasörün config.xml dosyalarını yazılacak olanla karşılaştırır ve hiçbir şey yazmaz.&lt;/p&gt;&lt;p&gt;Liste her resmin neye dönüştüğünü gösterir. Enter bir resmi açar; bağlam menüsü yolları ve kayıtları kopyalar. Geri al (%3), bu pencerenin ya da crestmap-cli&apos;nin son yazma işleminin değiştirdiklerini geri yükler.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Klasör</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Sürücü</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Bilinmeyen</translation>
    </message>
</context>
<context>
    <name>ResultAlert</name>
    <message>
        <source>Undo puts back every config.xml this write replaced, and removes those it made.</source>
        <translation>“Geri al”, bu yazma işleminin değiştirdiği her config.xml dosyasını geri yükler ve oluşturduklarını kaldırır.</translation>
    </message>
    <message>
        <source>Undo is not available for this write.</source>
        <translation>Bu yazma işlemi için “Geri al” kullanılamaz.</translation>
    </message>
    <message numerus="yes">
        <source>The config.xml files it replaced held %Ln record(s) that the new ones lack; Undo puts them back.</source>
        <translation>
            <numerusform>Değiştirilen config.xml dosyalarında, yenilerinde olmayan %Ln kayıt vardı; “Geri al” onları geri yükler.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The config.xml it replaced held %Ln record(s) that the new one lacks; Undo puts it back.</source>
        <translation>
            <numerusform>Değiştirilen config.xml dosyasında, yenisinde olmayan %Ln kayıt vardı; “Geri al” onu geri yükler.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your config.xml files have been successfully written in %Ln folder(s).</source>
        <translation>
            <numerusform>config.xml, %Ln klasöre başarıyla yazıldı.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The config.xml files it replaced held %Ln record(s) that the new ones lack; Undo is not available to put them back.</source>
        <translation>
            <numerusform>Değiştirilen config.xml dosyalarında, yenilerinde olmayan %Ln kayıt vardı; “Geri al” bunları geri yüklemek için kullanılamıyor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The config.xml it replaced held %Ln record(s) that the new one lacks; Undo is not available to put it back.</source>
        <translation>
            <numerusform>Değiştirilen config.xml dosyasında, yenisinde olmayan %Ln kayıt vardı; “Geri al” bunu geri yüklemek için kullanılamıyor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) it replaced held no mapping, perhaps another program&apos;s; Undo puts them back.</source>
        <translation>
            <numerusform>Değiştirilen %Ln config.xml dosyası eşleme dosyası değildi, belki başka bir programındı; “Geri al” ile geri yüklenebilir.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) it replaced held no mapping, perhaps another program&apos;s; Undo is not available to put them back.</source>
        <translation>
            <numerusform>Değiştirilen %Ln config.xml dosyası eşleme dosyası değildi, belki başka bir programındı; “Geri al” kullanılamadığı için geri yüklenemez.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing written: no config.xml needed a change</source>
        <translation>Hiçbir şey yazılmadı: hiçbir config.xml dosyasının değişmesi gerekmiyordu</translation>
    </message>
    <message>
        <source>Your config.xml file has been successfully written in the folder you chose.</source>
        <translation>config.xml dosyanız seçtiğiniz klasöre başarıyla yazıldı.</translation>
    </message>
    <message>
        <source>Nothing written</source>
        <translation>Hiçbir şey yazılmadı</translation>
    </message>
    <message>
        <source>No folder here holds images.</source>
        <translation>Buradaki hiçbir klasörde resim yok.</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Image</source>
        <extracomment>The titles of the list&apos;s columns: this, the picture an image maps to, and its folder</extracomment>
        <translation>Resim</translation>
    </message>
    <message>
        <source>Picture it maps to</source>
        <translation>Eşlendiği grafik</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Klasör</translation>
    </message>
</context>
<context>
    <name>ResultsPanel</name>
    <message>
        <source>Choose what the images are, then browse for them or drop their folder above. Every image is then listed here with the picture it maps to, and every file left out with the reason.</source>
        <translation>Resimlerin ne olduğunu seçin, sonra resimlere göz atın ya da klasörlerini yukarıya bırakın. Her resim eşlendiği grafikle, dışarıda kalan her dosya da nedeniyle burada listelenir.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Only &amp;problems</source>
        <translation>Yalnızca &amp;sorunlar</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>İlerleme</translation>
    </message>
    <message>
        <source>Find images by name</source>
        <translation>Resimleri ada göre bul</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Sonuçlar</translation>
    </message>
    <message>
        <source>Each image with the picture it maps to; files without a record, with the reason</source>
        <translation>Her resim eşlendiği grafikle; kaydı olmayan dosyalar nedeniyle</translation>
    </message>
    <message>
        <source>Results of the last check</source>
        <translation>Son denetimin sonuçları</translation>
    </message>
    <message>
        <source>Results of the last write</source>
        <translation>Son yazma işleminin sonuçları</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>A link after the summary of a write, that takes the write back</extracomment>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>Open folder</source>
        <extracomment>A link after the summary of a write, that opens the folder written</extracomment>
        <translation>Klasörü aç</translation>
    </message>
    <message>
        <source>Nothing copied: no selected row has a record</source>
        <translation>Hiçbir şey kopyalanmadı: seçili satırların hiçbirinin kaydı yok</translation>
    </message>
    <message>
        <source>Nothing copied: no row is selected</source>
        <translation>Hiçbir şey kopyalanmadı: hiçbir satır seçili değil</translation>
    </message>
    <message numerus="yes">
        <source>Copied the record of %Ln row(s)</source>
        <translation>
            <numerusform>%Ln satırın kaydı kopyalandı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied the path of %Ln row(s)</source>
        <translation>
            <numerusform>%Ln satırın yolu kopyalandı</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Sort by</source>
        <translation>&amp;Sıralama ölçütü</translation>
    </message>
    <message>
        <source>&amp;Open folder</source>
        <translation>Klasörü &amp;aç</translation>
    </message>
    <message>
        <source>&amp;Open image</source>
        <translation>Resmi &amp;aç</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>&amp;Klasörde göster</translation>
    </message>
    <message>
        <source>&amp;Copy path</source>
        <translation>&amp;Yolu kopyala</translation>
    </message>
    <message>
        <source>Copy &amp;record</source>
        <translation>Kay&amp;dı kopyala</translation>
    </message>
</context>
<context>
    <name>ThumbnailLoader</name>
    <message>
        <source>%L1 × %L2 pixels, %3</source>
        <extracomment>An image&apos;s width and height, then its size in bytes, as “2.4 KB”</extracomment>
        <translation>%L1 × %L2 piksel, %3</translation>
    </message>
</context>
<context>
    <name>WindowWords</name>
    <message>
        <source>maps to the same picture as %1</source>
        <extracomment>An image&apos;s row; %1: the other image&apos;s name</extracomment>
        <translation>%1 ile aynı grafiğe eşleniyor</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%Ln image(s))</source>
        <extracomment>A folder&apos;s name and how many images it holds</extracomment>
        <translation>
            <numerusform>%1 (%Ln resim)</numerusform>
        </translation>
    </message>
    <message>
        <source>club logos</source>
        <extracomment>What a style&apos;s pictures are, as this and the rest of its table: put into sentences such as “Write all as %1” and “kept: it maps %1”</extracomment>
        <translation>kulüp logoları</translation>
    </message>
    <message>
        <source>nation logos</source>
        <translation>ülke logoları</translation>
    </message>
    <message>
        <source>competition logos</source>
        <translation>yarışma logoları</translation>
    </message>
    <message>
        <source>media source logos</source>
        <translation>medya logoları</translation>
    </message>
    <message>
        <source>club icons</source>
        <translation>kulüp simgeleri</translation>
    </message>
    <message>
        <source>nation icons</source>
        <translation>ülke simgeleri</translation>
    </message>
    <message>
        <source>competition icons</source>
        <translation>yarışma simgeleri</translation>
    </message>
    <message>
        <source>media source icons</source>
        <translation>medya simgeleri</translation>
    </message>
    <message>
        <source>left backgrounds of club logos</source>
        <translation>kulüp logolarının sol arka planları</translation>
    </message>
    <message>
        <source>left backgrounds of nation logos</source>
        <translation>ülke logolarının sol arka planları</translation>
    </message>
    <message>
        <source>left backgrounds of competition logos</source>
        <translation>yarışma logolarının sol arka planları</translation>
    </message>
    <message>
        <source>left backgrounds of media source logos</source>
        <translation>medya logolarının sol arka planları</translation>
    </message>
    <message>
        <source>right backgrounds of club logos</source>
        <translation>kulüp logolarının sağ arka planları</translation>
    </message>
    <message>
        <source>right backgrounds of nation logos</source>
        <translation>ülke logolarının sağ arka planları</translation>
    </message>
    <message>
        <source>right backgrounds of competition logos</source>
        <translation>yarışma logolarının sağ arka planları</translation>
    </message>
    <message>
        <source>right backgrounds of media source logos</source>
        <translation>medya logolarının sağ arka planları</translation>
    </message>
    <message>
        <source>team backgrounds</source>
        <translation>takım arka planları</translation>
    </message>
    <message>
        <source>stadium backgrounds</source>
        <translation>stadyum arka planları</translation>
    </message>
    <message>
        <source>competition backgrounds</source>
        <translation>yarışma arka planları</translation>
    </message>
    <message>
        <source>person backgrounds</source>
        <translation>kişi arka planları</translation>
    </message>
    <message>
        <source>portraits</source>
        <translation>portreler</translation>
    </message>
    <message>
        <source>kit textures</source>
        <translation>forma dokuları</translation>
    </message>
    <message>
        <source>kits</source>
        <translation>formalar</translation>
    </message>
    <message>
        <source>Logo</source>
        <extracomment>A choice of the Graphic style group, as the six after it</extracomment>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Simge</translation>
    </message>
    <message>
        <source>Logo background, left</source>
        <translation>Logo arka planı, sol</translation>
    </message>
    <message>
        <source>Logo background, right</source>
        <translation>Logo arka planı, sağ</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portre</translation>
    </message>
    <message>
        <source>Kit</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arka plan</translation>
    </message>
    <message>
        <source>Club</source>
        <extracomment>A choice of the Logo type group, as the three after it</extracomment>
        <translation>Kulüp</translation>
    </message>
    <message>
        <source>Nation</source>
        <translation>Ülke</translation>
    </message>
    <message>
        <source>Competition</source>
        <translation>Yarışma</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>Medya</translation>
    </message>
    <message>
        <source>Kit texture</source>
        <translation>Forma dokusu</translation>
    </message>
    <message>
        <source>Team</source>
        <extracomment>A choice of the Background type group, as the three after it</extracomment>
        <translation>Takım</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Stadyum</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Kişi</translation>
    </message>
    <message numerus="yes">
        <source>wrote %Ln record(s) to %1</source>
        <extracomment>%1: the path of the config.xml file written</extracomment>
        <translation>
            <numerusform>%1 içine %Ln kayıt yazıldı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) unchanged</source>
        <translation>
            <numerusform>%Ln config.xml dosyası değişmedi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is unchanged: it already holds %Ln record(s)</source>
        <extracomment>%1: the path of a config.xml file</extracomment>
        <translation>
            <numerusform>%1 değişmedi: zaten %Ln kayıt içeriyor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) kept in their own style</source>
        <translation>
            <numerusform>%Ln klasör kendi stilinde korundu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) cut short, kept</source>
        <translation>
            <numerusform>yarım kalmış %Ln config.xml dosyası korundu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) not mapped yet</source>
        <translation>
            <numerusform>%Ln klasör henüz eşlenmedi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) could not be read</source>
        <translation>
            <numerusform>%Ln klasör okunamadı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) could not be written</source>
        <translation>
            <numerusform>%Ln klasör yazılamadı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entry(s) passed over (.PNG)</source>
        <translation>
            <numerusform>%Ln öğe atlandı (.PNG)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) of the replaced config.xml not in the new one</source>
        <translation>
            <numerusform>değiştirilen config.xml dosyasındaki %Ln kayıt yenisinde yok</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) of the replaced config.xml files not in the new ones</source>
        <translation>
            <numerusform>değiştirilen config.xml dosyalarındaki %Ln kayıt yenilerinde yok</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) map to the same picture as another</source>
        <translation>
            <numerusform>%Ln resim başka bir resimle aynı grafiğe eşleniyor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) would not load</source>
        <translation>
            <numerusform>%Ln resim yüklenemedi</numerusform>
        </translation>
    </message>
    <message>
        <source>its sub-folders hold images: tick Include sub-folders to write them</source>
        <translation>alt klasörlerinde resim var: bunları yazmak için Alt klasörleri dahil et seçeneğini işaretleyin</translation>
    </message>
    <message>
        <source>config.xml is current</source>
        <translation>config.xml güncel</translation>
    </message>
    <message numerus="yes">
        <source>all %Ln config.xml files are current</source>
        <translation>
            <numerusform>%Ln config.xml dosyasının tümü güncel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 not current</source>
        <extracomment>%1: all the config.xml files checked, as “of 4 config.xml files” counts them</extracomment>
        <translation>
            <numerusform>%1 içinden %Ln tanesi güncel değil</numerusform>
        </translation>
    </message>
    <message>
        <source>these style choices give no record</source>
        <translation>bu stil seçimleri kayıt vermez</translation>
    </message>
    <message>
        <source>a kit image needs a name like TEAM_KIT, with exactly one underscore</source>
        <translation>forma resminin adı TAKIM_FORMA gibi, tam olarak bir alt çizgi içermeli</translation>
    </message>
    <message>
        <source>a kit image needs a team before the underscore, like TEAM_KIT</source>
        <translation>forma resminin adında alt çizgiden önce bir takım olmalı, TAKIM_FORMA gibi</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8 or holds a control character</source>
        <translation>ad geçerli UTF-8 değil ya da bir kontrol karakteri içeriyor</translation>
    </message>
    <message>
        <source>not a .png, .jpg or .jpeg file</source>
        <translation>.png, .jpg ya da .jpeg dosyası değil</translation>
    </message>
    <message>
        <source>the extension is not in lower case (.png, .jpg, .jpeg)</source>
        <translation>uzantı küçük harfle değil (.png, .jpg, .jpeg)</translation>
    </message>
    <message>
        <source>a file</source>
        <extracomment>What a path is, as the four after it, in brackets after “not a PNG image” or “not a mapping file”</extracomment>
        <translation>bir dosya</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>bir klasör</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>adlandırılmış bir kanal</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>bir soket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>bir aygıt</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <extracomment>An image&apos;s row; %1: the system&apos;s reason, as “Permission denied”</extracomment>
        <translation>okunamıyor: %1</translation>
    </message>
    <message>
        <source>0 bytes</source>
        <extracomment>What an image file holds, as the three after it, in brackets after “not a PNG image”</extracomment>
        <translation>0 bayt</translation>
    </message>
    <message>
        <source>it holds text</source>
        <translation>metin içeriyor</translation>
    </message>
    <message>
        <source>it holds HTML</source>
        <translation>HTML içeriyor</translation>
    </message>
    <message>
        <source>it holds other data</source>
        <translation>başka veri içeriyor</translation>
    </message>
    <message>
        <source>not a PNG image (%1)</source>
        <extracomment>%1: what the file holds instead, as “it holds text”</extracomment>
        <translation>PNG resmi değil (%1)</translation>
    </message>
    <message>
        <source>not a JPEG image (%1)</source>
        <translation>JPEG resmi değil (%1)</translation>
    </message>
    <message>
        <source>cannot list %1: %2</source>
        <extracomment>This and the eight after it: %1 a path, %2 the system&apos;s reason</extracomment>
        <translation>%1 listelenemiyor: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 okunamıyor: %2</translation>
    </message>
    <message>
        <source>cannot create a file in %1: %2</source>
        <translation>%1 içinde dosya oluşturulamıyor: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
    <message>
        <source>cannot flush %1: %2</source>
        <translation>%1 diske aktarılamıyor: %2</translation>
    </message>
    <message>
        <source>cannot close %1: %2</source>
        <translation>%1 kapatılamıyor: %2</translation>
    </message>
    <message>
        <source>cannot replace %1: %2</source>
        <translation>%1 değiştirilemiyor: %2</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>%1 oluşturulamıyor: %2</translation>
    </message>
    <message>
        <source>cannot keep a copy of %1: %2</source>
        <translation>%1 için kopya saklanamıyor: %2</translation>
    </message>
    <message>
        <source>there is no cache folder: %1 is not set</source>
        <extracomment>%1: the name of an environment variable, as HOME</extracomment>
        <translation>önbellek klasörü yok: %1 ayarlanmamış</translation>
    </message>
    <message>
        <source>cut short: it ends in its header</source>
        <translation>yarım kalmış: başlığında bitiyor</translation>
    </message>
    <message>
        <source>cut short: it ends inside a record</source>
        <translation>yarım kalmış: bir kaydın ortasında bitiyor</translation>
    </message>
    <message>
        <source>cut short: it ends before the end of its list</source>
        <translation>yarım kalmış: listesi bitmeden bitiyor</translation>
    </message>
    <message>
        <source>cut short: it ends before &lt;/record&gt;</source>
        <translation>yarım kalmış: &lt;/record&gt; öncesinde bitiyor</translation>
    </message>
    <message>
        <source>not a mapping file (%1)</source>
        <translation>eşleme dosyası değil (%1)</translation>
    </message>
    <message>
        <source>not a mapping file (it is empty)</source>
        <translation>eşleme dosyası değil (boş)</translation>
    </message>
    <message>
        <source>not a mapping file</source>
        <translation>eşleme dosyası değil</translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>A folder&apos;s row: it has no config.xml</extracomment>
        <translation>eksik</translation>
    </message>
    <message>
        <source>it maps no records of a style</source>
        <translation>hiçbir stilin kaydını eşlemiyor</translation>
    </message>
    <message>
        <source>current: the same records in another order or layout</source>
        <translation>güncel: aynı kayıtlar başka bir sırada ya da düzende</translation>
    </message>
    <message>
        <source>current</source>
        <extracomment>A folder&apos;s row: its config.xml holds what a write would write</extracomment>
        <translation>güncel</translation>
    </message>
    <message>
        <source>stale: other options than preload and amap off</source>
        <translation>eskimiş: preload ve amap kapalı dışında seçenekler</translation>
    </message>
    <message>
        <source>stale: text or elements a mapping file does not hold</source>
        <translation>eskimiş: bir eşleme dosyasında bulunmayan metin ya da öğeler</translation>
    </message>
    <message>
        <source>stale: %1</source>
        <extracomment>A folder&apos;s row; %1: how a write would change its records, as “6 records to add and 1 to change”</extracomment>
        <translation>eskimiş: %1</translation>
    </message>
    <message>
        <source>not mapped yet: %1</source>
        <extracomment>%1: what the folder&apos;s config.xml is, as “not a mapping file”</extracomment>
        <translation>henüz eşlenmedi: %1</translation>
    </message>
    <message>
        <source>could not be read</source>
        <extracomment>A folder&apos;s row: its config.xml could not be read</extracomment>
        <translation>okunamadı</translation>
    </message>
    <message>
        <source>no images</source>
        <extracomment>A folder&apos;s row: it holds no images to map</extracomment>
        <translation>resim yok</translation>
    </message>
    <message>
        <source>kept: %1</source>
        <extracomment>A folder&apos;s row: its config.xml, kept as it was; %1: what it is, as “cut short: it ends inside a record”</extracomment>
        <translation>korundu: %1</translation>
    </message>
    <message>
        <source>not mapped yet</source>
        <extracomment>A folder&apos;s row: it has no config.xml yet</extracomment>
        <translation>henüz eşlenmedi</translation>
    </message>
    <message>
        <source>Nothing to undo: %1</source>
        <extracomment>%1: why there is no cache folder, as “there is no cache folder: HOME is not set”</extracomment>
        <translation>Geri alınacak bir şey yok: %1</translation>
    </message>
    <message>
        <source>Nothing to undo: no write has been kept to undo</source>
        <translation>Geri alınacak bir şey yok: geri almak için saklanan bir yazma işlemi yok</translation>
    </message>
    <message>
        <source>Nothing undone: another write has been made since</source>
        <translation>Hiçbir şey geri alınmadı: o zamandan beri başka bir yazma işlemi yapıldı</translation>
    </message>
    <message>
        <source>Nothing undone: another undo is under way</source>
        <translation>Hiçbir şey geri alınmadı: başka bir geri alma işlemi sürüyor</translation>
    </message>
    <message numerus="yes">
        <source>%Ln already as before the write</source>
        <extracomment>config.xml files that Undo found as they were before the write</extracomment>
        <translation>
            <numerusform>%Ln dosya zaten yazma öncesindeki gibi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln changed since, left alone</source>
        <extracomment>config.xml files changed since the write, which Undo did not touch</extracomment>
        <translation>
            <numerusform>%Ln dosya o zamandan beri değişti, dokunulmadı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln could not be put back</source>
        <extracomment>config.xml files that Undo could not put back</extracomment>
        <translation>
            <numerusform>%Ln dosya geri yüklenemedi</numerusform>
        </translation>
    </message>
    <message>
        <source>put back %1</source>
        <extracomment>%1: the path of a config.xml file that Undo put back</extracomment>
        <translation>%1 geri yüklendi</translation>
    </message>
    <message>
        <source>removed %1</source>
        <extracomment>%1: the path of a config.xml file that the write made and Undo removed</extracomment>
        <translation>%1 kaldırıldı</translation>
    </message>
    <message>
        <source>%1 changed since, left alone</source>
        <extracomment>%1: the path of a config.xml file</extracomment>
        <translation>%1 o zamandan beri değişti, dokunulmadı</translation>
    </message>
    <message>
        <source>could not put back %1: %2</source>
        <extracomment>%1: the path of a config.xml file; %2: why</extracomment>
        <translation>%1 geri yüklenemedi: %2</translation>
    </message>
    <message>
        <source>its kept copy is gone</source>
        <translation>saklanan kopyası yok olmuş</translation>
    </message>
    <message>
        <source>its kept copy was changed</source>
        <translation>saklanan kopyası değiştirilmiş</translation>
    </message>
    <message>
        <source>%1 is not a local file</source>
        <extracomment>%1: the address of what was chosen</extracomment>
        <translation>%1 yerel bir dosya değil</translation>
    </message>
    <message>
        <source>%1 is not a local folder</source>
        <extracomment>%1: the address of what was chosen or dropped</extracomment>
        <translation>%1 yerel bir klasör değil</translation>
    </message>
    <message>
        <source>cancelled: the check stopped before its end</source>
        <translation>iptal edildi: denetim sonuna varmadan durdu</translation>
    </message>
    <message>
        <source>Undo is not available: %1</source>
        <extracomment>%1: why, as “cannot make /home/me/.cache/crestmap: No space left on device”</extracomment>
        <translation>“Geri al” kullanılamıyor: %1</translation>
    </message>
    <message numerus="yes">
        <source>config.xml holds no records: none of the %Ln file(s) maps with these choices (%1)</source>
        <extracomment>%1: what became of the files, as “3 files without a record (kit name)”</extracomment>
        <translation>
            <numerusform>config.xml kayıt içermiyor: bu seçimlerle %Ln dosyanın hiçbiri eşlenmiyor (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Files without a record:</source>
        <translation>Kaydı olmayan dosyalar:</translation>
    </message>
    <message numerus="yes">
        <source>… and %Ln more</source>
        <translation>
            <numerusform>… ve %Ln tane daha</numerusform>
        </translation>
    </message>
    <message>
        <source>kept: it maps %1</source>
        <extracomment>A folder&apos;s row: its config.xml, kept as it was; %1: what it maps, as “kit textures”</extracomment>
        <translation>korundu: kendi stili (%1)</translation>
    </message>
    <message numerus="yes">
        <source>Undo: %Ln config.xml file(s) put back, %1</source>
        <extracomment>%1: the config.xml files Undo removed, as “1 removed” counts them</extracomment>
        <translation>
            <numerusform>Geri al: %Ln config.xml dosyası geri yüklendi, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln removed</source>
        <comment>the config.xml files of “Undo: %Ln config.xml file(s) put back, %1”</comment>
        <translation>
            <numerusform>%Ln dosya kaldırıldı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the write of %Ln config.xml file(s) in %1, made by %2 at %3?</source>
        <extracomment>%1: the folder; %2: the command-line tool&apos;s name; %3: the date and time</extracomment>
        <translation>
            <numerusform>%1 konumundaki %Ln config.xml dosyasına %2 tarafından %3 tarihinde yapılan yazma işlemi geri alınsın mı?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the write of %Ln config.xml file(s) in %1, made by this window at %2?</source>
        <extracomment>%1: the folder; %2: the date and time</extracomment>
        <translation>
            <numerusform>%1 konumundaki %Ln config.xml dosyasına bu pencere tarafından %2 tarihinde yapılan yazma işlemi geri alınsın mı?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrote %Ln record(s) in %1</source>
        <extracomment>%1: the folders, as “in 12 folders” counts them</extracomment>
        <translation>
            <numerusform>%1 %Ln kayıt yazıldı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s)</source>
        <comment>the folders of “wrote %Ln record(s) in %1”</comment>
        <translation>
            <numerusform>%Ln klasöre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (style)</source>
        <translation>
            <numerusform>kaydı olmayan %Ln dosya (stil)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (kit name)</source>
        <translation>
            <numerusform>kaydı olmayan %Ln dosya (forma adı)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (no team)</source>
        <translation>
            <numerusform>kaydı olmayan %Ln dosya (takım yok)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (unusable name)</source>
        <translation>
            <numerusform>kaydı olmayan %Ln dosya (kullanılamayan ad)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (not an image)</source>
        <translation>
            <numerusform>kaydı olmayan %Ln dosya (resim değil)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (.PNG)</source>
        <translation>
            <numerusform>kaydı olmayan %Ln dosya (.PNG)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cancelled: %Ln folder(s) written, %1</source>
        <extracomment>%1: the folders the write did not reach, as “7 left as they were” counts them</extracomment>
        <translation>
            <numerusform>iptal edildi: %Ln klasör yazıldı, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln left as they were</source>
        <comment>the folders of “cancelled: %Ln folder(s) written, %1”</comment>
        <translation>
            <numerusform>%Ln klasör olduğu gibi kaldı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s)</source>
        <comment>all the files of “%Ln of %1 not current”</comment>
        <translation>
            <numerusform>%Ln config.xml dosyası</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the write of %Ln config.xml file(s) in %1, made by another Crestmap window at %2?</source>
        <extracomment>%1: the folder; %2: the date and time. A window since closed, or open beside this one</extracomment>
        <translation>
            <numerusform>%1 konumundaki %Ln config.xml dosyasına başka bir Crestmap penceresi tarafından %2 tarihinde yapılan yazma işlemi geri alınsın mı?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) to add</source>
        <extracomment>Records the file lacks, that a write would add</extracomment>
        <translation>
            <numerusform>eklenecek %Ln kayıt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to remove</source>
        <extracomment>Records the file holds that a write would leave out; after “6 records to add”</extracomment>
        <translation>
            <numerusform>kaldırılacak %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) to remove</source>
        <translation>
            <numerusform>kaldırılacak %Ln kayıt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to change</source>
        <extracomment>Records a write would map to another picture; after “6 records to add”</extracomment>
        <translation>
            <numerusform>değiştirilecek %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) to change</source>
        <translation>
            <numerusform>değiştirilecek %Ln kayıt</numerusform>
        </translation>
    </message>
    <message>
        <source>Entries passed over:</source>
        <translation>Atlanan öğeler:</translation>
    </message>
    <message>
        <source>no folder here holds images</source>
        <translation>buradaki hiçbir klasörde resim yok</translation>
    </message>
</context>
<context>
    <name>WriteController</name>
    <message>
        <source>Looking through the folders…</source>
        <translation>Klasörler taranıyor…</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Write of %Ln Folder(s)</source>
        <translation>
            <numerusform>%Ln klasöre yazmayı &amp;geri al</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Geri al</translation>
    </message>
    <message numerus="yes">
        <source>Checking %L1 of %Ln folder(s) · %2</source>
        <extracomment>%L1: the folders checked so far; %2: the images, as “1,200 of 4,000 images”</extracomment>
        <translation>
            <numerusform>Denetleniyor: %L1 / %Ln klasör · %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing %L1 of %Ln folder(s) · %2</source>
        <extracomment>%L1: the folders written so far; %2: the images, as “1,200 of 4,000 images”</extracomment>
        <translation>
            <numerusform>Yazılıyor: %L1 / %Ln klasör · %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checking… %Ln folder(s), %1 so far</source>
        <extracomment>%1: the images checked so far, as “1,200 images”</extracomment>
        <translation>
            <numerusform>Denetleniyor… şimdiye kadar %Ln klasör, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing… %Ln folder(s), %1 so far</source>
        <extracomment>%1: the images written so far, as “1,200 images”</extracomment>
        <translation>
            <numerusform>Yazılıyor… şimdiye kadar %Ln klasör, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The write is paused at %L1 of %Ln folder(s). Stop it and quit?</source>
        <extracomment>%L1: the folders written so far</extracomment>
        <translation>
            <numerusform>Yazma işlemi %L1 / %Ln klasörde duraklatıldı. Durdurup çıkılsın mı?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The write is paused after %Ln folder(s). Stop it and quit?</source>
        <translation>
            <numerusform>Yazma işlemi %Ln klasörden sonra duraklatıldı. Durdurup çıkılsın mı?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %Ln image(s)</source>
        <comment>the images of “Checking %L1 of %Ln folder(s) · %2” and of its Writing twin</comment>
        <translation>
            <numerusform>%L1 / %Ln resim</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s)</source>
        <comment>the images of “Checking… %Ln folder(s), %1 so far” and of its Writing twin</comment>
        <translation>
            <numerusform>%Ln resim</numerusform>
        </translation>
    </message>
    <message>
        <source>listing the results…</source>
        <extracomment>In place of “1,200 of 4,000 images” once every folder is done</extracomment>
        <translation>sonuçlar listeleniyor…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Writes config.xml, the file that maps a folder of images to a game&apos;s pictures.</source>
        <translation>Bir resim klasörünü bir oyunun grafiklerine eşleyen config.xml dosyasını yazar.</translation>
    </message>
    <message>
        <source>A folder to open and check; nothing is written until you write or update it.</source>
        <translation>Açılıp denetlenecek bir klasör; siz yazana ya da güncelleyene kadar hiçbir şey yazılmaz.</translation>
    </message>
</context>
</TS>
