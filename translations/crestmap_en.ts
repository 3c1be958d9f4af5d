<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DialogPrompts</name>
    <message numerus="yes">
        <source>  … and %Ln more</source>
        <extracomment>More folders, after a list of ten</extracomment>
        <translation>
            <numerusform>  … and %Ln more</numerusform>
            <numerusform>  … and %Ln more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) without a config.xml get one as %1.</source>
        <extracomment>%1: the style chosen, as “club logos”</extracomment>
        <translation>
            <numerusform>%Ln folder without a config.xml gets one as %1.</numerusform>
            <numerusform>%Ln folders without a config.xml get one as %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) already current stay as they are.</source>
        <translation>
            <numerusform>%Ln config.xml file already current stays as it is.</numerusform>
            <numerusform>%Ln config.xml files already current stay as they are.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) cut short are kept by an update; writing all replaces them:</source>
        <translation>
            <numerusform>%Ln config.xml file cut short is kept by an update; writing all replaces it:</numerusform>
            <numerusform>%Ln config.xml files cut short are kept by an update; writing all replaces them:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing all as %1 would change the style of %Ln folder(s):</source>
        <extracomment>%1: the style chosen, as “club logos”</extracomment>
        <translation>
            <numerusform>Writing all as %1 would change the style of %Ln folder:</numerusform>
            <numerusform>Writing all as %1 would change the style of %Ln folders:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Write config.xml in %Ln folder(s)?</source>
        <translation>
            <numerusform>Write config.xml in %Ln folder?</numerusform>
            <numerusform>Write config.xml in %Ln folders?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) changed since the write:</source>
        <translation>
            <numerusform>%Ln config.xml file changed since the write:</numerusform>
            <numerusform>%Ln config.xml files changed since the write:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updating each folder in its own style changes %Ln config.xml file(s):</source>
        <translation>
            <numerusform>Updating each folder in its own style changes %Ln config.xml file:</numerusform>
            <numerusform>Updating each folder in its own style changes %Ln config.xml files:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Write config.xml in up to %Ln folder(s)?</source>
        <extracomment>The answers write different numbers of folders: this one is the most</extracomment>
        <translation>
            <numerusform>Write config.xml in up to %Ln folder?</numerusform>
            <numerusform>Write config.xml in up to %Ln folders?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An update leaves the %Ln config.xml file(s) already current as they are.</source>
        <translation>
            <numerusform>An update leaves the config.xml file already current as it is.</numerusform>
            <numerusform>An update leaves the %Ln config.xml files already current as they are.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove the file(s) the write made, with the change(s)? The changes are lost.</source>
        <translation>
            <numerusform>Remove the file the write made, with the change? The change is lost.</numerusform>
            <numerusform>Remove the files the write made, with the changes? The changes are lost.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Put back the old copies over the change(s)? The changes are lost.</source>
        <translation>
            <numerusform>Put back the old copy over the change? The change is lost.</numerusform>
            <numerusform>Put back the old copies over the changes? The changes are lost.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileSelector</name>
    <message numerus="yes">
        <source>Crestmap opens one folder at a time; %Ln more were given: %1</source>
        <extracomment>%1: the folders given after the first</extracomment>
        <translation>
            <numerusform>Crestmap opens one folder at a time; %Ln more was given: %1</numerusform>
            <numerusform>Crestmap opens one folder at a time; %Ln more were given: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultAlert</name>
    <message numerus="yes">
        <source>The config.xml files it replaced held %Ln record(s) that the new ones lack; Undo puts them back.</source>
        <translation>
            <numerusform>The config.xml files it replaced held %Ln record that the new ones lack; Undo puts them back.</numerusform>
            <numerusform>The config.xml files it replaced held %Ln records that the new ones lack; Undo puts them back.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The config.xml it replaced held %Ln record(s) that the new one lacks; Undo puts it back.</source>
        <translation>
            <numerusform>The config.xml it replaced held %Ln record that the new one lacks; Undo puts it back.</numerusform>
            <numerusform>The config.xml it replaced held %Ln records that the new one lacks; Undo puts it back.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your config.xml files have been successfully written in %Ln folder(s).</source>
        <translation>
            <numerusform>Your config.xml file has been successfully written in %Ln folder.</numerusform>
            <numerusform>Your config.xml files have been successfully written in %Ln folders.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The config.xml files it replaced held %Ln record(s) that the new ones lack; Undo is not available to put them back.</source>
        <translation>
            <numerusform>The config.xml files it replaced held %Ln record that the new ones lack; Undo is not available to put them back.</numerusform>
            <numerusform>The config.xml files it replaced held %Ln records that the new ones lack; Undo is not available to put them back.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The config.xml it replaced held %Ln record(s) that the new one lacks; Undo is not available to put it back.</source>
        <translation>
            <numerusform>The config.xml it replaced held %Ln record that the new one lacks; Undo is not available to put it back.</numerusform>
            <numerusform>The config.xml it replaced held %Ln records that the new one lacks; Undo is not available to put it back.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) it replaced held no mapping, perhaps another program&apos;s; Undo puts them back.</source>
        <translation>
            <numerusform>%Ln config.xml file it replaced held no mapping, perhaps another program&apos;s; Undo puts it back.</numerusform>
            <numerusform>%Ln config.xml files it replaced held no mapping, perhaps another program&apos;s; Undo puts them back.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) it replaced held no mapping, perhaps another program&apos;s; Undo is not available to put them back.</source>
        <translation>
            <numerusform>%Ln config.xml file it replaced held no mapping, perhaps another program&apos;s; Undo is not available to put it back.</numerusform>
            <numerusform>%Ln config.xml files it replaced held no mapping, perhaps another program&apos;s; Undo is not available to put them back.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsPanel</name>
    <message numerus="yes">
        <source>Copied the record of %Ln row(s)</source>
        <translation>
            <numerusform>Copied the record of %Ln row</numerusform>
            <numerusform>Copied the record of %Ln rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied the path of %Ln row(s)</source>
        <translation>
            <numerusform>Copied the path of %Ln row</numerusform>
            <numerusform>Copied the path of %Ln rows</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowWords</name>
    <message numerus="yes">
        <source>%1 (%Ln image(s))</source>
        <extracomment>A folder&apos;s name and how many images it holds</extracomment>
        <translation>
            <numerusform>%1 (%Ln image)</numerusform>
            <numerusform>%1 (%Ln images)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrote %Ln record(s) to %1</source>
        <extracomment>%1: the path of the config.xml file written</extracomment>
        <translation>
            <numerusform>wrote %Ln record to %1</numerusform>
            <numerusform>wrote %Ln records to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) unchanged</source>
        <translation>
            <numerusform>%Ln config.xml file unchanged</numerusform>
            <numerusform>%Ln config.xml files unchanged</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is unchanged: it already holds %Ln record(s)</source>
        <extracomment>%1: the path of a config.xml file</extracomment>
        <translation>
            <numerusform>%1 is unchanged: it already holds %Ln record</numerusform>
            <numerusform>%1 is unchanged: it already holds %Ln records</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) kept in their own style</source>
        <translation>
            <numerusform>%Ln folder kept in their own style</numerusform>
            <numerusform>%Ln folders kept in their own style</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s) cut short, kept</source>
        <translation>
            <numerusform>%Ln config.xml file cut short, kept</numerusform>
            <numerusform>%Ln config.xml files cut short, kept</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) not mapped yet</source>
        <translation>
            <numerusform>%Ln folder not mapped yet</numerusform>
            <numerusform>%Ln folders not mapped yet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) could not be read</source>
        <translation>
            <numerusform>%Ln folder could not be read</numerusform>
            <numerusform>%Ln folders could not be read</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s) could not be written</source>
        <translation>
            <numerusform>%Ln folder could not be written</numerusform>
            <numerusform>%Ln folders could not be written</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entry(s) passed over (.PNG)</source>
        <translation>
            <numerusform>%Ln entry passed over (.PNG)</numerusform>
            <numerusform>%Ln entries passed over (.PNG)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) of the replaced config.xml not in the new one</source>
        <translation>
            <numerusform>%Ln record of the replaced config.xml is not in the new one</numerusform>
            <numerusform>%Ln records of the replaced config.xml are not in the new one</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) of the replaced config.xml files not in the new ones</source>
        <translation>
            <numerusform>%Ln record of the replaced config.xml files is not in the new ones</numerusform>
            <numerusform>%Ln records of the replaced config.xml files are not in the new ones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) map to the same picture as another</source>
        <translation>
            <numerusform>%Ln image maps to the same picture as another</numerusform>
            <numerusform>%Ln images map to the same picture as another</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) would not load</source>
        <translation>
            <numerusform>%Ln image would not load</numerusform>
            <numerusform>%Ln images would not load</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>all %Ln config.xml files are current</source>
        <translation>
            <numerusform>the %Ln config.xml file is current</numerusform>
            <numerusform>all %Ln config.xml files are current</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 not current</source>
        <extracomment>%1: all the config.xml files checked, as “of 4 config.xml files” counts them</extracomment>
        <translation>
            <numerusform>%Ln of %1 is not current</numerusform>
            <numerusform>%Ln of %1 are not current</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln already as before the write</source>
        <extracomment>config.xml files that Undo found as they were before the write</extracomment>
        <translation>
            <numerusform>%Ln already as before the write</numerusform>
            <numerusform>%Ln already as before the write</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln changed since, left alone</source>
        <extracomment>config.xml files changed since the write, which Undo did not touch</extracomment>
        <translation>
            <numerusform>%Ln changed since, left alone</numerusform>
            <numerusform>%Ln changed since, left alone</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln could not be put back</source>
        <extracomment>config.xml files that Undo could not put back</extracomment>
        <translation>
            <numerusform>%Ln could not be put back</numerusform>
            <numerusform>%Ln could not be put back</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>config.xml holds no records: none of the %Ln file(s) maps with these choices (%1)</source>
        <extracomment>%1: what became of the files, as “3 files without a record (kit name)”</extracomment>
        <translation>
            <numerusform>config.xml holds no records: its %Ln file does not map with these choices (%1)</numerusform>
            <numerusform>config.xml holds no records: none of the %Ln files maps with these choices (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %Ln more</source>
        <translation>
            <numerusform>… and %Ln more</numerusform>
            <numerusform>… and %Ln more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo: %Ln config.xml file(s) put back, %1</source>
        <extracomment>%1: the config.xml files Undo removed, as “1 removed” counts them</extracomment>
        <translation>
            <numerusform>Undo: %Ln config.xml file put back, %1</numerusform>
            <numerusform>Undo: %Ln config.xml files put back, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln removed</source>
        <comment>the config.xml files of “Undo: %Ln config.xml file(s) put back, %1”</comment>
        <translation>
            <numerusform>%Ln removed</numerusform>
            <numerusform>%Ln removed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the write of %Ln config.xml file(s) in %1, made by %2 at %3?</source>
        <extracomment>%1: the folder; %2: the command-line tool&apos;s name; %3: the date and time</extracomment>
        <translation>
            <numerusform>Undo the write of %Ln config.xml file in %1, made by %2 at %3?</numerusform>
            <numerusform>Undo the write of %Ln config.xml files in %1, made by %2 at %3?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the write of %Ln config.xml file(s) in %1, made by this window at %2?</source>
        <extracomment>%1: the folder; %2: the date and time</extracomment>
        <translation>
            <numerusform>Undo the write of %Ln config.xml file in %1, made by this window at %2?</numerusform>
            <numerusform>Undo the write of %Ln config.xml files in %1, made by this window at %2?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrote %Ln record(s) in %1</source>
        <extracomment>%1: the folders, as “in 12 folders” counts them</extracomment>
        <translation>
            <numerusform>wrote %Ln record in %1</numerusform>
            <numerusform>wrote %Ln records in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folder(s)</source>
        <comment>the folders of “wrote %Ln record(s) in %1”</comment>
        <translation>
            <numerusform>%Ln folder</numerusform>
            <numerusform>%Ln folders</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (style)</source>
        <translation>
            <numerusform>%Ln file without a record (style)</numerusform>
            <numerusform>%Ln files without a record (style)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (kit name)</source>
        <translation>
            <numerusform>%Ln file without a record (kit name)</numerusform>
            <numerusform>%Ln files without a record (kit name)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (no team)</source>
        <translation>
            <numerusform>%Ln file without a record (no team)</numerusform>
            <numerusform>%Ln files without a record (no team)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (unusable name)</source>
        <translation>
            <numerusform>%Ln file without a record (unusable name)</numerusform>
            <numerusform>%Ln files without a record (unusable name)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (not an image)</source>
        <translation>
            <numerusform>%Ln file without a record (not an image)</numerusform>
            <numerusform>%Ln files without a record (not an image)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) without a record (.PNG)</source>
        <translation>
            <numerusform>%Ln file without a record (.PNG)</numerusform>
            <numerusform>%Ln files without a record (.PNG)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cancelled: %Ln folder(s) written, %1</source>
        <extracomment>%1: the folders the write did not reach, as “7 left as they were” counts them</extracomment>
        <translation>
            <numerusform>cancelled: %Ln folder written, %1</numerusform>
            <numerusform>cancelled: %Ln folders written, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln left as they were</source>
        <comment>the folders of “cancelled: %Ln folder(s) written, %1”</comment>
        <translation>
            <numerusform>%Ln left as it was</numerusform>
            <numerusform>%Ln left as they were</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln config.xml file(s)</source>
        <comment>all the files of “%Ln of %1 not current”</comment>
        <translation>
            <numerusform>%Ln config.xml file</numerusform>
            <numerusform>%Ln config.xml files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the write of %Ln config.xml file(s) in %1, made by another Crestmap window at %2?</source>
        <extracomment>%1: the folder; %2: the date and time. A window since closed, or open beside this one</extracomment>
        <translation>
            <numerusform>Undo the write of %Ln config.xml file in %1, made by another Crestmap window at %2?</numerusform>
            <numerusform>Undo the write of %Ln config.xml files in %1, made by another Crestmap window at %2?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) to add</source>
        <extracomment>Records the file lacks, that a write would add</extracomment>
        <translation>
            <numerusform>%Ln record to add</numerusform>
            <numerusform>%Ln records to add</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to remove</source>
        <extracomment>Records the file holds that a write would leave out; after “6 records to add”</extracomment>
        <translation>
            <numerusform>%Ln to remove</numerusform>
            <numerusform>%Ln to remove</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) to remove</source>
        <translation>
            <numerusform>%Ln record to remove</numerusform>
            <numerusform>%Ln records to remove</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to change</source>
        <extracomment>Records a write would map to another picture; after “6 records to add”</extracomment>
        <translation>
            <numerusform>%Ln to change</numerusform>
            <numerusform>%Ln to change</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) to change</source>
        <translation>
            <numerusform>%Ln record to change</numerusform>
            <numerusform>%Ln records to change</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WriteController</name>
    <message numerus="yes">
        <source>&amp;Undo Write of %Ln Folder(s)</source>
        <translation>
            <numerusform>&amp;Undo Write of %Ln Folder</numerusform>
            <numerusform>&amp;Undo Write of %Ln Folders</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checking %L1 of %Ln folder(s) · %2</source>
        <extracomment>%L1: the folders checked so far; %2: the images, as “1,200 of 4,000 images”</extracomment>
        <translation>
            <numerusform>Checking %L1 of %Ln folder · %2</numerusform>
            <numerusform>Checking %L1 of %Ln folders · %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing %L1 of %Ln folder(s) · %2</source>
        <extracomment>%L1: the folders written so far; %2: the images, as “1,200 of 4,000 images”</extracomment>
        <translation>
            <numerusform>Writing %L1 of %Ln folder · %2</numerusform>
            <numerusform>Writing %L1 of %Ln folders · %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checking… %Ln folder(s), %1 so far</source>
        <extracomment>%1: the images checked so far, as “1,200 images”</extracomment>
        <translation>
            <numerusform>Checking… %Ln folder, %1 so far</numerusform>
            <numerusform>Checking… %Ln folders, %1 so far</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing… %Ln folder(s), %1 so far</source>
        <extracomment>%1: the images written so far, as “1,200 images”</extracomment>
        <translation>
            <numerusform>Writing… %Ln folder, %1 so far</numerusform>
            <numerusform>Writing… %Ln folders, %1 so far</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The write is paused at %L1 of %Ln folder(s). Stop it and quit?</source>
        <extracomment>%L1: the folders written so far</extracomment>
        <translation>
            <numerusform>The write is paused at %L1 of %Ln folder. Stop it and quit?</numerusform>
            <numerusform>The write is paused at %L1 of %Ln folders. Stop it and quit?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The write is paused after %Ln folder(s). Stop it and quit?</source>
        <translation>
            <numerusform>The write is paused after %Ln folder. Stop it and quit?</numerusform>
            <numerusform>The write is paused after %Ln folders. Stop it and quit?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %Ln image(s)</source>
        <comment>the images of “Checking %L1 of %Ln folder(s) · %2” and of its Writing twin</comment>
        <translation>
            <numerusform>%L1 of %Ln image</numerusform>
            <numerusform>%L1 of %Ln images</numerusform>
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
</context>
</TS>
