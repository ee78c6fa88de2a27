<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>vok::AllDiskDrives</name>
    <message>
        <source>Not found Drive %1</source>
        <extracomment>%1 is the drive&apos;s letter</extracomment>
        <translation>Laufwerk %1 nicht gefunden</translation>
    </message>
    <message>
        <source>%1 Free Mb / %2 Mb Total</source>
        <extracomment>Mb = megabytes; %1 is the free space, %2 the total</extracomment>
        <translation>%1 MB frei / %2 MB gesamt</translation>
    </message>
</context>
<context>
    <name>vok::CommandLine</name>
    <message>
        <source>Shows how full the disks and memory are, and what fills them.</source>
        <translation>Zeigt, wie voll die Laufwerke und der Speicher sind und was sie füllt.</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>Zeigt diese Hilfe und beendet das Programm.</translation>
    </message>
    <message>
        <source>Displays the version and exits.</source>
        <translation>Zeigt die Version und beendet das Programm.</translation>
    </message>
    <message>
        <source>vok: %1
Vok takes no arguments but --help and --version; try &apos;vok --help&apos;.
</source>
        <extracomment>%1 says what is wrong with the arguments. The options and &apos;vok --help&apos; stay as they are.</extracomment>
        <translation>vok: %1
Vok nimmt keine Argumente außer --help und --version an; versuchen Sie &apos;vok --help&apos;.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>vok: could not write to standard output
</source>
        <translation>vok: konnte nicht in die Standardausgabe schreiben
</translation>
    </message>
    <message>
        <source>Vok 97 v%1
License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
More in Vok&apos;s help (F1): &quot;%2&quot;.
</source>
        <extracomment>%1 is the version number, as 1.2.3; %2 the title of the help&apos;s topic about Vok.</extracomment>
        <translation>Vok 97 v%1
Lizenz GPL-3.0-or-later: GNU GPL Version 3 oder neuer &lt;https://gnu.org/licenses/gpl.html&gt;.
Dies ist freie Software: Sie dürfen sie ändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.
Mehr in der Hilfe von Vok (F1): „%2“.
</translation>
    </message>
</context>
<context>
    <name>vok::CrapsGame</name>
    <message>
        <source>You Lose</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Roll Again</source>
        <translation>Noch mal würfeln</translation>
    </message>
    <message>
        <source>%1 Point is %2</source>
        <extracomment>%1 is the roll&apos;s outcome (You Lose, You Win, Roll Again), %2 the point: the sum the following rolls must hit.</extracomment>
        <translation>%1 Punkt ist %2</translation>
    </message>
    <message>
        <source>Hard %1</source>
        <extracomment>Craps: a pair, %1 being the dice&apos;s sum.</extracomment>
        <translation>Pasch %1</translation>
    </message>
    <message>
        <source>Yo 11!</source>
        <extracomment>Craps slang for a come-out roll of eleven.</extracomment>
        <translation>Yo 11!</translation>
    </message>
    <message>
        <source>Little Joe Hard %1</source>
        <extracomment>Craps slang: a pair of twos, %1 being their sum (4).</extracomment>
        <translation>Little Joe Pasch %1</translation>
    </message>
    <message>
        <source>Roll Number %1 Point is %2</source>
        <extracomment>%1 is how many rolls this turn has had, %2 the point.</extracomment>
        <translation>Wurf Nummer %1 Punkt ist %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <extracomment>%1 is the money in the bank, in dollars.</extracomment>
        <translation>Gesamt %1</translation>
    </message>
    <message>
        <source>You went broke. Fortunately there is a pawn shop nearby and you sell your watch</source>
        <translation>Sie sind pleite. Zum Glück gibt es in der Nähe ein Pfandhaus, und Sie verkaufen Ihre Uhr</translation>
    </message>
</context>
<context>
    <name>vok::DiceAccessible</name>
    <message>
        <source>Die</source>
        <extracomment>The accessible name of one of the dice</extracomment>
        <translation>Würfel</translation>
    </message>
</context>
<context>
    <name>vok::DirSpaceCaptions</name>
    <message>
        <source>%1 Kb %2 Files</source>
        <extracomment>Kb = kilobytes; %1 is the size, %2 the number of files</extracomment>
        <translation>%1 KB %2 Dateien</translation>
    </message>
    <message>
        <source>%1 Kb</source>
        <extracomment>Kb = kilobytes</extracomment>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <extracomment>After a listing; chosen from the Space Units menu the text has a small &quot;bytes&quot;</extracomment>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <extracomment>Chosen from the Space Units menu; after a listing the text has a capital &quot;Bytes&quot;</extracomment>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>%1 Mb %2 Files</source>
        <extracomment>Mb = megabytes; %1 is the size, %2 the number of files</extracomment>
        <translation>%1 MB %2 Dateien</translation>
    </message>
    <message>
        <source>%1 Mb</source>
        <extracomment>Mb = megabytes</extracomment>
        <translation>%1 MB</translation>
    </message>
</context>
<context>
    <name>vok::DisplayCheck</name>
    <message>
        <source>vok: Vok needs a graphical display, and none could be opened (DISPLAY or WAYLAND_DISPLAY names it).
</source>
        <extracomment>DISPLAY and WAYLAND_DISPLAY are the names of environment variables.</extracomment>
        <translation>vok: Vok braucht eine grafische Anzeige, und es konnte keine geöffnet werden (DISPLAY oder WAYLAND_DISPLAY nennt sie).
</translation>
    </message>
</context>
<context>
    <name>vok::DriveInfo</name>
    <message>
        <source>Removable</source>
        <translation>Wechsellaufwerk</translation>
    </message>
    <message>
        <source>Hard drive</source>
        <translation>Festplatte</translation>
    </message>
    <message>
        <source>Network drive</source>
        <translation>Netzlaufwerk</translation>
    </message>
    <message>
        <source>CD Rom drive</source>
        <translation>CD-ROM-Laufwerk</translation>
    </message>
    <message>
        <source>Ram drive</source>
        <translation>RAM-Laufwerk</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>existiert nicht</translation>
    </message>
    <message>
        <source>Not a valid drive ID %1</source>
        <translation>Keine gültige Laufwerkskennung %1</translation>
    </message>
    <message>
        <source>Not a valid drive ID</source>
        <translation>Keine gültige Laufwerkskennung</translation>
    </message>
    <message>
        <source>%1/%2 Free/Total Bytes</source>
        <extracomment>%1 free bytes, %2 total bytes of the drive</extracomment>
        <translation>%1/%2 Bytes frei/gesamt</translation>
    </message>
    <message>
        <source>%1 Kb Free / %2 Kb Total</source>
        <extracomment>Kb = kilobytes (1024 bytes); %1 free, %2 total</extracomment>
        <translation>%1 KB frei / %2 KB gesamt</translation>
    </message>
    <message>
        <source>%1 Free Mb / %2 Mb Total</source>
        <extracomment>Mb = megabytes (1048576 bytes); %1 free, %2 total</extracomment>
        <translation>%1 MB frei / %2 MB gesamt</translation>
    </message>
    <message>
        <source>Not found Drive %1</source>
        <extracomment>%1 is the drive&apos;s letter</extracomment>
        <translation>Laufwerk %1 nicht gefunden</translation>
    </message>
</context>
<context>
    <name>vok::ElfFileInfo</name>
    <message>
        <source>machine %1</source>
        <extracomment>An ELF machine code without a name; %1 is the number</extracomment>
        <translation>Maschine %1</translation>
    </message>
    <message>
        <source>Standalone</source>
        <extracomment>The ELF file runs without an operating system</extracomment>
        <translation>Eigenständig</translation>
    </message>
    <message>
        <source>OS/ABI %1</source>
        <extracomment>An ELF OS/ABI code without a name; %1 is the number</extracomment>
        <translation>OS/ABI %1</translation>
    </message>
    <message>
        <source>Object File</source>
        <translation>Objektdatei</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Dynamic-Link Library</source>
        <translation>Dynamische Bibliothek</translation>
    </message>
    <message>
        <source>Core Dump</source>
        <translation>Speicherabbild</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>vok::ErrorHandler</name>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
</context>
<context>
    <name>vok::FontColourDialog</name>
    <message>
        <source>Colour...</source>
        <translation>Farbe...</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
</context>
<context>
    <name>vok::HelpViewer</name>
    <message>
        <source>The Vok main window</source>
        <translation>Das Vok-Hauptfenster</translation>
    </message>
    <message>
        <source>The Memory menu</source>
        <translation>Das Menü Speicher</translation>
    </message>
    <message>
        <source>The Disk menu</source>
        <translation>Das Menü Laufwerk</translation>
    </message>
    <message>
        <source>The Options menu</source>
        <translation>Das Menü Optionen</translation>
    </message>
    <message>
        <source>The craps game</source>
        <translation>Das Craps-Spiel</translation>
    </message>
    <message>
        <source>The Help command</source>
        <translation>Der Befehl Hilfe</translation>
    </message>
    <message>
        <source>Directory space screen</source>
        <translation>Fenster Verzeichnisplatz</translation>
    </message>
    <message>
        <source>File search screen</source>
        <translation>Fenster Dateisuche</translation>
    </message>
    <message>
        <source>Directory tree screen</source>
        <translation>Fenster Verzeichnisbaum</translation>
    </message>
    <message>
        <source>All disks screen</source>
        <translation>Fenster Alle Laufwerke</translation>
    </message>
    <message>
        <source>Running windows screen</source>
        <translation>Fenster Laufende Fenster</translation>
    </message>
    <message>
        <source>Process and module tree</source>
        <translation>Prozess- und Modulbaum</translation>
    </message>
    <message>
        <source>File information screen</source>
        <translation>Fenster Dateiinformation</translation>
    </message>
    <message>
        <source>Settings and where they live</source>
        <translation>Einstellungen und wo sie liegen</translation>
    </message>
    <message>
        <source>How drives get letters</source>
        <translation>Wie Laufwerke Buchstaben erhalten</translation>
    </message>
    <message>
        <source>About Vok</source>
        <translation>Über Vok</translation>
    </message>
    <message>
        <source>Vok Help</source>
        <translation>Vok-Hilfe</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Hilfethemen</translation>
    </message>
</context>
<context>
    <name>vok::ListDirectory</name>
    <message>
        <source>Directory %1</source>
        <extracomment>The window title; %1 is the listed directory</extracomment>
        <translation>Verzeichnis %1</translation>
    </message>
</context>
<context>
    <name>vok::MemoryText</name>
    <message>
        <source>%1/%2/%3Kb Used/free/total</source>
        <extracomment>%1, %2 and %3 are the used, free and total memory; Kb = kilobytes.</extracomment>
        <translation>%1/%2/%3KB Belegt/frei/gesamt</translation>
    </message>
    <message>
        <source>%1/%2Kb Used/total</source>
        <extracomment>%1 and %2 are the used and total memory; Kb = kilobytes.</extracomment>
        <translation>%1/%2KB Belegt/gesamt</translation>
    </message>
</context>
<context>
    <name>vok::NoResourceLimits</name>
    <message>
        <source>Cannot load USER.EXE</source>
        <translation>USER.EXE kann nicht geladen werden</translation>
    </message>
</context>
<context>
    <name>vok::NoSettingsFile</name>
    <message>
        <source>nowhere (this system has no settings file for Vok)</source>
        <extracomment>Completes &quot;Vok could not save its settings to %1.&quot;</extracomment>
        <translation>nirgendwo (dieses System hat keine Einstellungsdatei für Vok)</translation>
    </message>
</context>
<context>
    <name>vok::NoTrash</name>
    <message>
        <source>This system has no trash that Vok can use; nothing was moved.</source>
        <translation>Dieses System hat keinen Papierkorb, den Vok nutzen kann; nichts wurde verschoben.</translation>
    </message>
</context>
<context>
    <name>vok::Pie3D</name>
    <message>
        <source>%1%</source>
        <extracomment>%1 is the percentage</extracomment>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>vok::PieGrafAccessible</name>
    <message>
        <source>%1%</source>
        <extracomment>%1 is the percentage</extracomment>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>vok::ProcessTreeLines</name>
    <message>
        <source>%1 * has been used %2 times</source>
        <extracomment>%1 is the process&apos;s program file, %2 how many times it is in use.</extracomment>
        <translation>%1 * wurde %2-mal verwendet</translation>
    </message>
    <message>
        <source>%1 * size is %2 bytes has been used %3 times</source>
        <extracomment>%1 is the module&apos;s file, %2 its size in bytes, %3 how many times it is in use.</extracomment>
        <translation>%1 * Größe ist %2 Bytes wurde %3-mal verwendet</translation>
    </message>
    <message>
        <source>My Windows 95 Tree. Whats Running and where it was loaded from.</source>
        <translation>Mein Windows-95-Baum. Was läuft und woher es geladen wurde.</translation>
    </message>
    <message>
        <source>Unable to retrieve Windows 95 Processes</source>
        <translation>Windows-95-Prozesse konnten nicht ermittelt werden</translation>
    </message>
    <message>
        <source>Unable to retrieve Windows 95 Modules for this process</source>
        <translation>Windows-95-Module für diesen Prozess konnten nicht ermittelt werden</translation>
    </message>
    <message>
        <source>*** Module list for process %1 ***</source>
        <extracomment>%1 is the process&apos;s program name.</extracomment>
        <translation>*** Modulliste für Prozess %1 ***</translation>
    </message>
    <message>
        <source>***** End of Module List ****</source>
        <translation>***** Ende der Modulliste ****</translation>
    </message>
    <message>
        <source>%1 Modules found for process %2 total size = %3Kb</source>
        <extracomment>%1 is how many modules the process has, %2 the process&apos;s number in the tree, %3 their total size; Kb = kilobytes.</extracomment>
        <translation>%1 Module gefunden für Prozess %2 Gesamtgröße = %3KB</translation>
    </message>
    <message>
        <source>Vok found %1 Processes %2 Modules using %3Mb</source>
        <extracomment>%1 and %2 are how many processes and modules were found, %3 their size; Mb = megabytes.</extracomment>
        <translation>Vok fand %1 Prozesse %2 Module mit %3MB</translation>
    </message>
</context>
<context>
    <name>vok::RecycleBin</name>
    <message>
        <source>Unable to delete file %1</source>
        <extracomment>%1 is the file&apos;s name or path</extracomment>
        <translation>Datei %1 kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>File Sent to the recycle bin </source>
        <translation>Datei in den Papierkorb verschoben </translation>
    </message>
    <message>
        <source>Deleted </source>
        <extracomment>Takes the name&apos;s place in the row of a file sent to the trash</extracomment>
        <translation>Gelöscht </translation>
    </message>
</context>
<context>
    <name>vok::ResourceShare</name>
    <message>
        <source>Cannot load USER.EXE</source>
        <translation>USER.EXE kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Cannot get address of GetFreeSystemResources</source>
        <translation>Adresse von GetFreeSystemResources kann nicht ermittelt werden</translation>
    </message>
</context>
<context>
    <name>vok::SettingsStore</name>
    <message>
        <source>Vok could not save its settings to %1. The disk may be full or the folder read-only; the settings saved before are kept.</source>
        <extracomment>%1 is the settings file&apos;s path.</extracomment>
        <translation>Vok konnte seine Einstellungen nicht in %1 speichern. Der Datenträger ist vielleicht voll oder das Verzeichnis schreibgeschützt; die zuvor gespeicherten Einstellungen bleiben erhalten.</translation>
    </message>
    <message>
        <source>Are you sure you wish to clear all saved settings?</source>
        <translation>Möchten Sie wirklich alle gespeicherten Einstellungen löschen?</translation>
    </message>
    <message>
        <source>Saved settings have been cleared. Close and restart Vok to return to defaults</source>
        <translation>Die gespeicherten Einstellungen wurden gelöscht. Vok schließen und neu starten, um zu den Standardwerten zurückzukehren</translation>
    </message>
</context>
<context>
    <name>vok::TDirectoryListBox</name>
    <message>
        <source>Directories</source>
        <translation>Verzeichnisse</translation>
    </message>
</context>
<context>
    <name>vok::TDriveComboBox</name>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
</context>
<context>
    <name>vok::TFileInfo</name>
    <message>
        <source>FileInfo</source>
        <extracomment>The title until a file is shown, which then gives the title its path</extracomment>
        <translation>Dateiinfo</translation>
    </message>
    <message>
        <source>Company </source>
        <translation>Firma </translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Operating System</source>
        <translation>Betriebssystem</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Dateityp</translation>
    </message>
    <message>
        <source>File Version</source>
        <translation>Dateiversion</translation>
    </message>
    <message>
        <source>Internal Name</source>
        <translation>Interner Name</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Produktname</translation>
    </message>
    <message>
        <source>Product Version</source>
        <translation>Produktversion</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vok::TFmDir</name>
    <message>
        <source>Vok Directory Space and File Delete</source>
        <translation>Vok Verzeichnisplatz und Dateilöschung</translation>
    </message>
    <message>
        <source>Note: Clicking files will permit you to send to the recycle bin</source>
        <translation>Hinweis: Angeklickte Dateien können Sie in den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>Space Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Mb</source>
        <extracomment>Mb = megabytes</extracomment>
        <translation>MB</translation>
    </message>
    <message>
        <source>Kb</source>
        <extracomment>Kb = kilobytes</extracomment>
        <translation>KB</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Verzeichnisse</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>File Extension</source>
        <translation>Dateierweiterung</translation>
    </message>
    <message>
        <source>Sort Order</source>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>A..Z or Ascending</source>
        <translation>A..Z oder aufsteigend</translation>
    </message>
    <message>
        <source>Z..A  or Descending</source>
        <translation>Z..A  oder absteigend</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
</context>
<context>
    <name>vok::TFmMemTree</name>
    <message>
        <source>Vok Windows 95 Memory Tree</source>
        <translation>Vok Windows-95-Speicherbaum</translation>
    </message>
    <message>
        <source>Build Tree</source>
        <translation>Baum bauen</translation>
    </message>
    <message>
        <source>Expand Tree</source>
        <translation>Ausklappen</translation>
    </message>
    <message>
        <source>Fonts are set in the Directory  search screen for this memory tree using the directory font.</source>
        <translation>Die Schrift dieses Baums wird in der Verzeichnissuche als Verzeichnisschrift eingestellt.</translation>
    </message>
    <message>
        <source>Collapse</source>
        <translation>Einklappen</translation>
    </message>
</context>
<context>
    <name>vok::TPieGraf</name>
    <message>
        <source>%1%</source>
        <extracomment>%1 is the percentage</extracomment>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>vok::TSysInfo</name>
    <message>
        <source>Failure</source>
        <extracomment>Shown for the organisation, and for the owner when the account has no full name</extracomment>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>vok::TfmAlldisk</name>
    <message>
        <source>Vok All Disk</source>
        <translation>Vok Alle Laufwerke</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Freier Platz</translation>
    </message>
    <message>
        <source>Used Space</source>
        <translation>Belegter Platz</translation>
    </message>
    <message>
        <source>Text Font</source>
        <translation>Textschrift</translation>
    </message>
    <message>
        <source>%1 Type is %2</source>
        <extracomment>%1 is the drive&apos;s free and total space, %2 its type</extracomment>
        <translation>%1 Typ ist %2</translation>
    </message>
    <message>
        <source>Drive %1</source>
        <extracomment>%1 is the drive&apos;s letter</extracomment>
        <translation>Laufwerk %1</translation>
    </message>
    <message>
        <source>%1Mb /%2 Mb used/total</source>
        <extracomment>Mb = megabytes; %1 is the used space of all drives, %2 their total</extracomment>
        <translation>%1MB /%2 MB belegt/gesamt</translation>
    </message>
</context>
<context>
    <name>vok::TfmFiles</name>
    <message>
        <source>Doing an entire Drive may take a few minutes do you still wish to Continue?</source>
        <translation>Ein ganzes Laufwerk zu durchsuchen kann einige Minuten dauern, möchten Sie trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>Vok Search by Filename or Extension</source>
        <translation>Vok Suche nach Dateiname oder Erweiterung</translation>
    </message>
    <message>
        <source>Enter a Dos type file mask for example *.* for all files;  con*.sys for config.sys and config2.sys; default is *.*</source>
        <translation>DOS-Dateimaske eingeben, zum Beispiel *.* für alle Dateien;  con*.sys für config.sys und config2.sys; Vorgabe ist *.*</translation>
    </message>
    <message>
        <source>File mask</source>
        <translation>Dateimaske</translation>
    </message>
    <message>
        <source>Begin Search</source>
        <translation>Suche starten</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>File Path+Name</source>
        <translation>Dateipfad+Name</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>File Extension</source>
        <translation>Dateierweiterung</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Dateipfad</translation>
    </message>
    <message>
        <source>Sort Order</source>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>A..Z Ascending</source>
        <translation>A..Z aufsteigend</translation>
    </message>
    <message>
        <source>Z..A Descending</source>
        <translation>Z..A absteigend</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Scanning for files. </source>
        <translation>Suche nach Dateien. </translation>
    </message>
    <message>
        <source>Vok File Seach Cancelled</source>
        <translation>Vok Dateisuche abgebrochen</translation>
    </message>
    <message>
        <source>File list built sorting by size descending</source>
        <translation>Dateiliste erstellt, Sortierung nach Größe absteigend</translation>
    </message>
    <message>
        <source> Total space %1 Mb</source>
        <extracomment>Mb = megabytes; %1 is the size of all files found</extracomment>
        <translation> Gesamtplatz %1 MB</translation>
    </message>
    <message>
        <source>Scanning for files. %1 found</source>
        <extracomment>%1 is the number of files found so far</extracomment>
        <translation>Suche nach Dateien. %1 gefunden</translation>
    </message>
    <message>
        <source>Vok File Sort has been Cancelled</source>
        <translation>Vok Dateisortierung wurde abgebrochen</translation>
    </message>
</context>
<context>
    <name>vok::TfmMem</name>
    <message>
        <source>Memory Screen</source>
        <translation>Speicherfenster</translation>
    </message>
    <message>
        <source>Windows 95  Currently running</source>
        <translation>Windows 95  Zurzeit laufend</translation>
    </message>
    <message>
        <source>%1/ %2 Windows</source>
        <extracomment>%1 is the physical memory, %2 how many windows are listed.</extracomment>
        <translation>%1/ %2 Fenster</translation>
    </message>
</context>
<context>
    <name>vok::TfmTree</name>
    <message>
        <source>Vok Directory Tree </source>
        <translation>Vok Verzeichnisbaum </translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Directory tree</source>
        <translation>Verzeichnisbaum</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source> Total space %1 Mb, Number of Files = %2, stopped by Esc</source>
        <extracomment>Mb = megabytes; %1 is the size of all files met, %2 their number</extracomment>
        <translation> Gesamtplatz %1 MB, Anzahl Dateien = %2, mit Esc abgebrochen</translation>
    </message>
    <message>
        <source> Total space %1 Mb, Number of Files = %2</source>
        <extracomment>Mb = megabytes; %1 is the size of all files met, %2 their number</extracomment>
        <translation> Gesamtplatz %1 MB, Anzahl Dateien = %2</translation>
    </message>
    <message>
        <source> Reading: %1 files in %2 directories (Esc stops)</source>
        <extracomment>%1 is the number of files met so far, %2 the number of directories holding them</extracomment>
        <translation> Lese: %1 Dateien in %2 Verzeichnissen (Esc bricht ab)</translation>
    </message>
    <message>
        <source>%1 Mb %2 Files</source>
        <extracomment>Mb = megabytes; %1 is the size of the directory&apos;s files, %2 their number</extracomment>
        <translation>%1 MB %2 Dateien</translation>
    </message>
</context>
<context>
    <name>vok::TfmVok</name>
    <message>
        <source> Total %1</source>
        <extracomment>%1 is the money in the bank, in dollars.</extracomment>
        <translation> Gesamt %1</translation>
    </message>
    <message>
        <source>%1 Bet $%2</source>
        <extracomment>%1 is the sum of the dice, %2 the stake in dollars.</extracomment>
        <translation>%1 Einsatz $%2</translation>
    </message>
    <message>
        <source>No Disk Available in Drive %1</source>
        <extracomment>%1 is the drive&apos;s letter.</extracomment>
        <translation>Kein Datenträger in Laufwerk %1</translation>
    </message>
    <message>
        <source>Drive %1</source>
        <extracomment>%1 is the drive&apos;s letter.</extracomment>
        <translation>Laufwerk %1</translation>
    </message>
    <message>
        <source>%1 Type is %2</source>
        <extracomment>%1 is the drive&apos;s read-out, %2 its type.</extracomment>
        <translation>%1 Typ ist %2</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Click to Roll </source>
        <translation>Zum Würfeln klicken </translation>
    </message>
    <message>
        <source>Click to Roll</source>
        <translation>Zum Würfeln klicken</translation>
    </message>
    <message>
        <source>&amp;Memory</source>
        <extracomment>&amp; marks the letter that opens it with Alt.</extracomment>
        <translation>&amp;Speicher</translation>
    </message>
    <message>
        <source>Whats running . Window Names. </source>
        <translation>Was läuft . Fensternamen. </translation>
    </message>
    <message>
        <source>Memory Tree. Processes and Modules.</source>
        <translation>Speicherbaum. Prozesse und Module.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Virtual</source>
        <translation>Virtuell</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Physisch</translation>
    </message>
    <message>
        <source>Page File</source>
        <translation>Auslagerungsdatei</translation>
    </message>
    <message>
        <source>GDI</source>
        <extracomment>GDI = graphics device interface.</extracomment>
        <translation>GDI</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Pie Graph Colors</source>
        <translation>Diagrammfarben</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Freier Platz</translation>
    </message>
    <message>
        <source>Used Space</source>
        <translation>Belegter Platz</translation>
    </message>
    <message>
        <source>Text Font</source>
        <translation>Textschrift</translation>
    </message>
    <message>
        <source>Set to Default</source>
        <translation>Standard setzen</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <extracomment>&amp; marks the letter that opens it with Alt.</extracomment>
        <translation>&amp;Laufwerk</translation>
    </message>
    <message>
        <source>All Disks</source>
        <translation>Alle Laufwerke</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <translation>Megabyte</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <translation>Kilobyte</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Directory Search</source>
        <translation>Verzeichnissuche</translation>
    </message>
    <message>
        <source>Directory Tree</source>
        <translation>Verzeichnisbaum</translation>
    </message>
    <message>
        <source>File Search</source>
        <translation>Dateisuche</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>&amp; marks the letter that opens it with Alt.</extracomment>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Small Vok</source>
        <translation>Vok klein</translation>
    </message>
    <message>
        <source>Medium Vok</source>
        <translation>Vok mittel</translation>
    </message>
    <message>
        <source>Large Vok</source>
        <translation>Vok groß</translation>
    </message>
    <message>
        <source>Craps Game</source>
        <translation>Craps-Spiel</translation>
    </message>
    <message>
        <source>Reset Settings</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>3D Pie Not Fully Functional</source>
        <translation>3D-Kreis nicht voll funktionsfähig</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>&amp; marks the letter that opens it with Alt.</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Free Memory %1 %</source>
        <extracomment>%1 is the share of memory in use, in per cent.</extracomment>
        <translation>Freier Speicher %1 %</translation>
    </message>
    <message>
        <source>Free Total Memory is %1 %</source>
        <extracomment>%1 is the share of memory in use, in per cent.</extracomment>
        <translation>Freier Gesamtspeicher ist %1 %</translation>
    </message>
    <message>
        <source>Free GDI Resources %1%</source>
        <extracomment>GDI = graphics device interface. %1 is the free share in per cent.</extracomment>
        <translation>Freie GDI-Ressourcen %1%</translation>
    </message>
    <message>
        <source>Free System Resources %1%</source>
        <extracomment>%1 is the free share in per cent.</extracomment>
        <translation>Freie Systemressourcen %1%</translation>
    </message>
    <message>
        <source>Free User Resources %1%</source>
        <extracomment>%1 is the free share in per cent.</extracomment>
        <translation>Freie Benutzerressourcen %1%</translation>
    </message>
    <message>
        <source>Vok 97</source>
        <translation>Vok 97</translation>
    </message>
    <message>
        <source>Vok 97 v%1.%2</source>
        <extracomment>%1.%2 is the version, major and minor.</extracomment>
        <translation>Vok 97 v%1.%2</translation>
    </message>
    <message>
        <source>Vok 97 for Windows 95</source>
        <translation>Vok 97 für Windows 95</translation>
    </message>
</context>
<context>
    <name>vok::Trash</name>
    <message>
        <source>Do you want to move &quot;%1&quot; to the trash?</source>
        <extracomment>%1 is the file&apos;s path</extracomment>
        <translation>Möchten Sie „%1“ in den Papierkorb verschieben?</translation>
    </message>
</context>
<context>
    <name>vok::TreeNodes</name>
    <message>
        <source>%1 Mb </source>
        <extracomment>Mb = megabytes; %1 is the figure, padded on the left; the directory follows the last blank</extracomment>
        <translation>%1 MB </translation>
    </message>
</context>
<context>
    <name>vok::Version</name>
    <message>
        <source>Windows 3.0 or later</source>
        <translation>Windows 3.0 oder höher</translation>
    </message>
    <message>
        <source>16 bit OS/2 Presentation Manager</source>
        <translation>16-Bit-OS/2 Presentation Manager</translation>
    </message>
    <message>
        <source>32 bit OS/2 Presentation Manager</source>
        <translation>32-Bit-OS/2 Presentation Manager</translation>
    </message>
    <message>
        <source>32 bit Windows</source>
        <translation>32-Bit-Windows</translation>
    </message>
    <message>
        <source>MS-Dos</source>
        <translation>MS-Dos</translation>
    </message>
    <message>
        <source>Windows 3.0 or later with MS-Dos</source>
        <translation>Windows 3.0 oder höher mit MS-Dos</translation>
    </message>
    <message>
        <source>32 bit Windows with MS-Dos</source>
        <translation>32-Bit-Windows mit MS-Dos</translation>
    </message>
    <message>
        <source>16 bit OS/2</source>
        <translation>16-Bit-OS/2</translation>
    </message>
    <message>
        <source>16 bit OS/2 with Presentation Manager</source>
        <translation>16-Bit-OS/2 mit Presentation Manager</translation>
    </message>
    <message>
        <source>32 bit OS/2</source>
        <translation>32-Bit-OS/2</translation>
    </message>
    <message>
        <source>32 bit OS/2 with Presentation Manager</source>
        <translation>32-Bit-OS/2 mit Presentation Manager</translation>
    </message>
    <message>
        <source>Windows NT</source>
        <translation>Windows NT</translation>
    </message>
    <message>
        <source>Windows NT with 32 bit Windows</source>
        <translation>Windows NT mit 32-Bit-Windows</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Dynamic-Link Library</source>
        <translation>Dynamische Bibliothek</translation>
    </message>
    <message>
        <source>Device Driver</source>
        <translation>Gerätetreiber</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Virtual Device Driver</source>
        <translation>Virtueller Gerätetreiber</translation>
    </message>
    <message>
        <source>Static-Link Library</source>
        <translation>Statische Bibliothek</translation>
    </message>
    <message>
        <source>Printer</source>
        <comment>device driver</comment>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <comment>device driver</comment>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>device driver</comment>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Display</source>
        <comment>device driver</comment>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Mouse</source>
        <comment>device driver</comment>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Network</source>
        <comment>device driver</comment>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>System</source>
        <comment>device driver</comment>
        <translation>System</translation>
    </message>
    <message>
        <source>Installable</source>
        <comment>device driver</comment>
        <translation>Installierbar</translation>
    </message>
    <message>
        <source>Sound</source>
        <comment>device driver</comment>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Communications</source>
        <comment>device driver</comment>
        <translation>Kommunikation</translation>
    </message>
    <message>
        <source>Raster</source>
        <comment>font</comment>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Vector</source>
        <comment>font</comment>
        <translation>Vektor</translation>
    </message>
    <message>
        <source>TrueType</source>
        <comment>font</comment>
        <translation>TrueType</translation>
    </message>
</context>
<context>
    <name>vok::sysinfo</name>
    <message>
        <source>%1 KB</source>
        <extracomment>KB = kilobytes</extracomment>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>MB = megabytes</extracomment>
        <translation>%1 MB</translation>
    </message>
</context>
</TS>
