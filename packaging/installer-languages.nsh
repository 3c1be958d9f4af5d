; The installer's own texts in each of its languages; NSIS's language files hold the rest. The
; setup and the uninstaller show them in the language of the user's Windows, else in English.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "Turkish"

!macro Texts LANG RUNNING UNWRITABLE REMOVING NOT_REMOVED REGISTRY SHORTCUT VERB PATH_ADDED \
    PATH_LONG PATH_REMOVED PATH_LONG_UN
    LangString running ${LANG_${LANG}} "${RUNNING}"
    LangString unwritable ${LANG_${LANG}} "${UNWRITABLE}"
    LangString removing ${LANG_${LANG}} "${REMOVING}"
    LangString notRemoved ${LANG_${LANG}} "${NOT_REMOVED}"
    LangString registry ${LANG_${LANG}} "${REGISTRY}"
    LangString shortcut ${LANG_${LANG}} "${SHORTCUT}"
    LangString verb ${LANG_${LANG}} "${VERB}"
    LangString pathAdded ${LANG_${LANG}} "${PATH_ADDED}"
    LangString pathLong ${LANG_${LANG}} "${PATH_LONG}"
    LangString pathRemoved ${LANG_${LANG}} "${PATH_REMOVED}"
    LangString pathLongUn ${LANG_${LANG}} "${PATH_LONG_UN}"
!macroend

; $R1: the folder Crestmap runs from, or the folder of the installed one; $R2: its uninstaller's
; exit status; $entry: the entry of the PATH the setup put in.
!insertmacro Texts ENGLISH \
    "Crestmap is running from $R1, and its files cannot be replaced or removed while it runs. \
Close every Crestmap window and crestmap-cli, then try again." \
    "Crestmap cannot be installed into $INSTDIR: the folder cannot be written to. Choose a \
folder of your own, such as the one proposed." \
    "Removing Crestmap from $R1" \
    "The Crestmap installed in $R1 could not be removed (status $R2). Uninstall it from \
Settings > Apps, then run this setup again." \
    "Crestmap was copied to $INSTDIR, but its entries in the registry could not all be \
written. Run $INSTDIR\${UNINSTALLER} to remove it again." \
    "Write config.xml mapping files for folders of images" \
    "Open with Crestmap" \
    "Adding $INSTDIR to your PATH, for crestmap-cli" \
    "Your PATH is too long to be changed safely: add $INSTDIR to it yourself to run \
crestmap-cli from a Command Prompt." \
    "Taking $entry out of your PATH" \
    "Your PATH is too long to be changed safely: take $entry out of it yourself."

!insertmacro Texts GERMAN \
    "Crestmap wird aus $R1 ausgeführt. Solange es läuft, können seine Dateien weder ersetzt \
noch entfernt werden. Schließen Sie alle Crestmap-Fenster und crestmap-cli und versuchen Sie \
es dann erneut." \
    "Crestmap kann nicht in $INSTDIR installiert werden: In diesen Ordner kann nicht \
geschrieben werden. Wählen Sie einen eigenen Ordner, etwa den vorgeschlagenen." \
    "Crestmap wird aus $R1 entfernt" \
    "Das in $R1 installierte Crestmap konnte nicht entfernt werden (Status $R2). \
Deinstallieren Sie es unter Einstellungen > Apps, und führen Sie dieses Setup dann erneut aus." \
    "Crestmap wurde nach $INSTDIR kopiert, aber seine Einträge in der Registrierung konnten \
nicht alle geschrieben werden. Führen Sie $INSTDIR\${UNINSTALLER} aus, um es wieder zu \
entfernen." \
    "config.xml-Zuordnungsdateien für Bildordner schreiben" \
    "Mit Crestmap öffnen" \
    "$INSTDIR wird für crestmap-cli zu Ihrem PATH hinzugefügt" \
    "Ihr PATH ist zu lang, um ihn gefahrlos zu ändern: Fügen Sie $INSTDIR selbst hinzu, um \
crestmap-cli in der Eingabeaufforderung aufzurufen." \
    "$entry wird aus Ihrem PATH entfernt" \
    "Ihr PATH ist zu lang, um ihn gefahrlos zu ändern: Entfernen Sie $entry selbst daraus."

!insertmacro Texts SPANISH \
    "Crestmap se está ejecutando desde $R1 y sus archivos no se pueden reemplazar ni \
eliminar mientras se ejecuta. Cierre todas las ventanas de Crestmap y crestmap-cli, y vuelva a \
intentarlo." \
    "No se puede instalar Crestmap en $INSTDIR: no se puede escribir en esa carpeta. Elija \
una carpeta propia, como la que se propone." \
    "Eliminando Crestmap de $R1" \
    "No se pudo eliminar el Crestmap instalado en $R1 (estado $R2). Desinstálelo desde \
Configuración > Aplicaciones y vuelva a ejecutar este instalador." \
    "Crestmap se copió en $INSTDIR, pero no se pudieron escribir todas sus entradas en el \
registro. Ejecute $INSTDIR\${UNINSTALLER} para eliminarlo de nuevo." \
    "Escribe archivos de mapeo config.xml para carpetas de imágenes" \
    "Abrir con Crestmap" \
    "Añadiendo $INSTDIR a su PATH para crestmap-cli" \
    "Su PATH es demasiado largo para modificarlo con seguridad: añada $INSTDIR usted mismo \
para ejecutar crestmap-cli desde el Símbolo del sistema." \
    "Quitando $entry de su PATH" \
    "Su PATH es demasiado largo para modificarlo con seguridad: quite $entry usted mismo."

!insertmacro Texts FRENCH \
    "Crestmap est en cours d'exécution depuis $R1 ; ses fichiers ne peuvent être ni \
remplacés ni supprimés tant qu'il tourne. Fermez toutes les fenêtres de Crestmap et \
crestmap-cli, puis réessayez." \
    "Impossible d'installer Crestmap dans $INSTDIR : ce dossier n'est pas accessible en \
écriture. Choisissez un dossier à vous, comme celui proposé." \
    "Suppression du Crestmap installé dans $R1" \
    "Le Crestmap installé dans $R1 n'a pas pu être supprimé (code $R2). Désinstallez-le \
depuis Paramètres > Applications, puis relancez ce programme d'installation." \
    "Crestmap a été copié dans $INSTDIR, mais ses entrées dans le Registre n'ont pas toutes \
pu être écrites. Lancez $INSTDIR\${UNINSTALLER} pour le supprimer." \
    "Écrire des fichiers de correspondance config.xml pour des dossiers d'images" \
    "Ouvrir avec Crestmap" \
    "Ajout de $INSTDIR à votre PATH pour crestmap-cli" \
    "Votre PATH est trop long pour être modifié sans risque : ajoutez-y $INSTDIR vous-même \
pour lancer crestmap-cli depuis l'Invite de commandes." \
    "Retrait de $entry de votre PATH" \
    "Votre PATH est trop long pour être modifié sans risque : retirez-en $entry vous-même."

!insertmacro Texts ITALIAN \
    "Crestmap è in esecuzione da $R1 e i suoi file non possono essere sostituiti né rimossi \
finché è aperto. Chiudi tutte le finestre di Crestmap e crestmap-cli, poi riprova." \
    "Impossibile installare Crestmap in $INSTDIR: non è possibile scrivere nella cartella. \
Scegli una cartella tua, come quella proposta." \
    "Rimozione di Crestmap da $R1" \
    "Impossibile rimuovere il Crestmap installato in $R1 (stato $R2). Disinstallalo da \
Impostazioni > App, poi esegui di nuovo questa installazione." \
    "Crestmap è stato copiato in $INSTDIR, ma non è stato possibile scrivere tutte le sue \
voci nel registro. Esegui $INSTDIR\${UNINSTALLER} per rimuoverlo." \
    "Scrive file di mappatura config.xml per cartelle di immagini" \
    "Apri con Crestmap" \
    "Aggiunta di $INSTDIR al tuo PATH per crestmap-cli" \
    "Il tuo PATH è troppo lungo per modificarlo in sicurezza: aggiungi tu $INSTDIR per \
eseguire crestmap-cli dal Prompt dei comandi." \
    "Rimozione di $entry dal tuo PATH" \
    "Il tuo PATH è troppo lungo per modificarlo in sicurezza: togli tu $entry."

!insertmacro Texts PORTUGUESEBR \
    "O Crestmap está sendo executado a partir de $R1, e seus arquivos não podem ser \
substituídos nem removidos enquanto ele estiver aberto. Feche todas as janelas do Crestmap e o \
crestmap-cli e tente novamente." \
    "Não é possível instalar o Crestmap em $INSTDIR: não é possível gravar nessa pasta. \
Escolha uma pasta sua, como a sugerida." \
    "Removendo o Crestmap de $R1" \
    "Não foi possível remover o Crestmap instalado em $R1 (status $R2). Desinstale-o em \
Configurações > Aplicativos e execute este instalador novamente." \
    "O Crestmap foi copiado para $INSTDIR, mas nem todas as suas entradas no registro \
puderam ser gravadas. Execute $INSTDIR\${UNINSTALLER} para removê-lo." \
    "Grava arquivos de mapeamento config.xml para pastas de imagens" \
    "Abrir com o Crestmap" \
    "Adicionando $INSTDIR ao seu PATH para o crestmap-cli" \
    "Seu PATH é longo demais para ser alterado com segurança: adicione $INSTDIR você mesmo \
para executar o crestmap-cli no Prompt de Comando." \
    "Removendo $entry do seu PATH" \
    "Seu PATH é longo demais para ser alterado com segurança: remova $entry você mesmo."

!insertmacro Texts TURKISH \
    "Crestmap şu anda $R1 konumundan çalışıyor; çalıştığı sürece dosyaları değiştirilemez \
veya kaldırılamaz. Tüm Crestmap pencerelerini ve crestmap-cli'yi kapatıp yeniden deneyin." \
    "Crestmap $INSTDIR konumuna kurulamıyor: bu klasöre yazılamıyor. Önerilen klasör gibi \
size ait bir klasör seçin." \
    "Crestmap $R1 konumundan kaldırılıyor" \
    "$R1 konumunda kurulu Crestmap kaldırılamadı (durum $R2). Ayarlar > Uygulamalar \
bölümünden kaldırın, ardından bu kurulumu yeniden çalıştırın." \
    "Crestmap $INSTDIR konumuna kopyalandı, ancak kayıt defterindeki girdilerinin tümü \
yazılamadı. Yeniden kaldırmak için $INSTDIR\${UNINSTALLER} dosyasını çalıştırın." \
    "Resim klasörleri için config.xml eşleme dosyaları yazar" \
    "Crestmap ile aç" \
    "crestmap-cli için $INSTDIR, PATH değişkeninize ekleniyor" \
    "PATH değişkeniniz güvenle değiştirilemeyecek kadar uzun: crestmap-cli'yi Komut \
İstemi'nden çalıştırmak için $INSTDIR klasörünü kendiniz ekleyin." \
    "$entry, PATH değişkeninizden çıkarılıyor" \
    "PATH değişkeniniz güvenle değiştirilemeyecek kadar uzun: $entry klasörünü kendiniz \
çıkarın."
