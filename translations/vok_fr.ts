<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>vok::AllDiskDrives</name>
    <message>
        <source>Not found Drive %1</source>
        <extracomment>%1 is the drive&apos;s letter</extracomment>
        <translation>Lecteur %1 introuvable</translation>
    </message>
    <message>
        <source>%1 Free Mb / %2 Mb Total</source>
        <extracomment>Mb = megabytes; %1 is the free space, %2 the total</extracomment>
        <translation>%1 Mo libres / %2 Mo au total</translation>
    </message>
</context>
<context>
    <name>vok::CommandLine</name>
    <message>
        <source>Shows how full the disks and memory are, and what fills them.</source>
        <translation>Montre le remplissage des disques et de la mémoire, et ce qui les remplit.</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Displays the version and exits.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>vok: %1
Vok takes no arguments but --help and --version; try &apos;vok --help&apos;.
</source>
        <extracomment>%1 says what is wrong with the arguments. The options and &apos;vok --help&apos; stay as they are.</extracomment>
        <translation>vok: %1
Vok n&apos;accepte aucun argument sauf --help et --version ; essayez &apos;vok --help&apos;.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>vok: could not write to standard output
</source>
        <translation>vok: impossible d&apos;écrire sur la sortie standard
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
Licence GPL-3.0-or-later : GNU GPL version 3 ou ultérieure &lt;https://gnu.org/licenses/gpl.html&gt;.
Ceci est un logiciel libre : vous êtes libre de le modifier et de le redistribuer.
Il n&apos;y a AUCUNE GARANTIE, dans la mesure permise par la loi.
Plus d&apos;informations dans l&apos;aide de Vok (F1) : « %2 ».
</translation>
    </message>
</context>
<context>
    <name>vok::CrapsGame</name>
    <message>
        <source>You Lose</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Gagné</translation>
    </message>
    <message>
        <source>Roll Again</source>
        <translation>Relancez</translation>
    </message>
    <message>
        <source>%1 Point is %2</source>
        <extracomment>%1 is the roll&apos;s outcome (You Lose, You Win, Roll Again), %2 the point: the sum the following rolls must hit.</extracomment>
        <translation>%1 Le point est %2</translation>
    </message>
    <message>
        <source>Hard %1</source>
        <extracomment>Craps: a pair, %1 being the dice&apos;s sum.</extracomment>
        <translation>%1 en paire</translation>
    </message>
    <message>
        <source>Yo 11!</source>
        <extracomment>Craps slang for a come-out roll of eleven.</extracomment>
        <translation>Yo 11 !</translation>
    </message>
    <message>
        <source>Little Joe Hard %1</source>
        <extracomment>Craps slang: a pair of twos, %1 being their sum (4).</extracomment>
        <translation>Petit Joe %1 en paire</translation>
    </message>
    <message>
        <source>Roll Number %1 Point is %2</source>
        <extracomment>%1 is how many rolls this turn has had, %2 the point.</extracomment>
        <translation>Lancer n° %1 Le point est %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <extracomment>%1 is the money in the bank, in dollars.</extracomment>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>You went broke. Fortunately there is a pawn shop nearby and you sell your watch</source>
        <translation>Vous êtes ruiné. Heureusement il y a un prêteur sur gages tout près et vous vendez votre montre</translation>
    </message>
</context>
<context>
    <name>vok::DiceAccessible</name>
    <message>
        <source>Die</source>
        <extracomment>The accessible name of one of the dice</extracomment>
        <translation>Dé</translation>
    </message>
</context>
<context>
    <name>vok::DirSpaceCaptions</name>
    <message>
        <source>%1 Kb %2 Files</source>
        <extracomment>Kb = kilobytes; %1 is the size, %2 the number of files</extracomment>
        <translation>%1 Ko %2 fichiers</translation>
    </message>
    <message>
        <source>%1 Kb</source>
        <extracomment>Kb = kilobytes</extracomment>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <extracomment>After a listing; chosen from the Space Units menu the text has a small &quot;bytes&quot;</extracomment>
        <translation>%1 Octets</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <extracomment>Chosen from the Space Units menu; after a listing the text has a capital &quot;Bytes&quot;</extracomment>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>%1 Mb %2 Files</source>
        <extracomment>Mb = megabytes; %1 is the size, %2 the number of files</extracomment>
        <translation>%1 Mo %2 fichiers</translation>
    </message>
    <message>
        <source>%1 Mb</source>
        <extracomment>Mb = megabytes</extracomment>
        <translation>%1 Mo</translation>
    </message>
</context>
<context>
    <name>vok::DisplayCheck</name>
    <message>
        <source>vok: Vok needs a graphical display, and none could be opened (DISPLAY or WAYLAND_DISPLAY names it).
</source>
        <extracomment>DISPLAY and WAYLAND_DISPLAY are the names of environment variables.</extracomment>
        <translation>vok: Vok a besoin d&apos;un affichage graphique, et aucun n&apos;a pu être ouvert (DISPLAY ou WAYLAND_DISPLAY le désigne).
</translation>
    </message>
</context>
<context>
    <name>vok::DriveInfo</name>
    <message>
        <source>Removable</source>
        <translation>Amovible</translation>
    </message>
    <message>
        <source>Hard drive</source>
        <translation>Disque dur</translation>
    </message>
    <message>
        <source>Network drive</source>
        <translation>Lecteur réseau</translation>
    </message>
    <message>
        <source>CD Rom drive</source>
        <translation>Lecteur de CD-ROM</translation>
    </message>
    <message>
        <source>Ram drive</source>
        <translation>Disque RAM</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>n&apos;existe pas</translation>
    </message>
    <message>
        <source>Not a valid drive ID %1</source>
        <translation>ID de lecteur non valide %1</translation>
    </message>
    <message>
        <source>Not a valid drive ID</source>
        <translation>ID de lecteur non valide</translation>
    </message>
    <message>
        <source>%1/%2 Free/Total Bytes</source>
        <extracomment>%1 free bytes, %2 total bytes of the drive</extracomment>
        <translation>%1/%2 octets libres/total</translation>
    </message>
    <message>
        <source>%1 Kb Free / %2 Kb Total</source>
        <extracomment>Kb = kilobytes (1024 bytes); %1 free, %2 total</extracomment>
        <translation>%1 Ko libres / %2 Ko au total</translation>
    </message>
    <message>
        <source>%1 Free Mb / %2 Mb Total</source>
        <extracomment>Mb = megabytes (1048576 bytes); %1 free, %2 total</extracomment>
        <translation>%1 Mo libres / %2 Mo au total</translation>
    </message>
    <message>
        <source>Not found Drive %1</source>
        <extracomment>%1 is the drive&apos;s letter</extracomment>
        <translation>Lecteur %1 introuvable</translation>
    </message>
</context>
<context>
    <name>vok::ElfFileInfo</name>
    <message>
        <source>machine %1</source>
        <extracomment>An ELF machine code without a name; %1 is the number</extracomment>
        <translation>machine %1</translation>
    </message>
    <message>
        <source>Standalone</source>
        <extracomment>The ELF file runs without an operating system</extracomment>
        <translation>Autonome</translation>
    </message>
    <message>
        <source>OS/ABI %1</source>
        <extracomment>An ELF OS/ABI code without a name; %1 is the number</extracomment>
        <translation>OS/ABI %1</translation>
    </message>
    <message>
        <source>Object File</source>
        <translation>Fichier objet</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Dynamic-Link Library</source>
        <translation>Bibliothèque dynamique</translation>
    </message>
    <message>
        <source>Core Dump</source>
        <translation>Vidage mémoire</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>vok::ErrorHandler</name>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
</context>
<context>
    <name>vok::FontColourDialog</name>
    <message>
        <source>Colour...</source>
        <translation>Couleur...</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
</context>
<context>
    <name>vok::HelpViewer</name>
    <message>
        <source>The Vok main window</source>
        <translation>La fenêtre principale de Vok</translation>
    </message>
    <message>
        <source>The Memory menu</source>
        <translation>Le menu Mémoire</translation>
    </message>
    <message>
        <source>The Disk menu</source>
        <translation>Le menu Disque</translation>
    </message>
    <message>
        <source>The Options menu</source>
        <translation>Le menu Options</translation>
    </message>
    <message>
        <source>The craps game</source>
        <translation>Le jeu de craps</translation>
    </message>
    <message>
        <source>The Help command</source>
        <translation>La commande Aide</translation>
    </message>
    <message>
        <source>Directory space screen</source>
        <translation>Écran Espace du répertoire</translation>
    </message>
    <message>
        <source>File search screen</source>
        <translation>Écran Recherche de fichiers</translation>
    </message>
    <message>
        <source>Directory tree screen</source>
        <translation>Écran Arborescence</translation>
    </message>
    <message>
        <source>All disks screen</source>
        <translation>Écran Tous les disques</translation>
    </message>
    <message>
        <source>Running windows screen</source>
        <translation>Écran Fenêtres en cours</translation>
    </message>
    <message>
        <source>Process and module tree</source>
        <translation>Arbre des processus et modules</translation>
    </message>
    <message>
        <source>File information screen</source>
        <translation>Écran Informations sur le fichier</translation>
    </message>
    <message>
        <source>Settings and where they live</source>
        <translation>Les paramètres et leur emplacement</translation>
    </message>
    <message>
        <source>How drives get letters</source>
        <translation>Comment les lecteurs reçoivent leur lettre</translation>
    </message>
    <message>
        <source>About Vok</source>
        <translation>À propos de Vok</translation>
    </message>
    <message>
        <source>Vok Help</source>
        <translation>Aide de Vok</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Rubriques d&apos;aide</translation>
    </message>
</context>
<context>
    <name>vok::ListDirectory</name>
    <message>
        <source>Directory %1</source>
        <extracomment>The window title; %1 is the listed directory</extracomment>
        <translation>Répertoire %1</translation>
    </message>
</context>
<context>
    <name>vok::MemoryText</name>
    <message>
        <source>%1/%2/%3Kb Used/free/total</source>
        <extracomment>%1, %2 and %3 are the used, free and total memory; Kb = kilobytes.</extracomment>
        <translation>%1/%2/%3Ko Utilisé/libre/total</translation>
    </message>
    <message>
        <source>%1/%2Kb Used/total</source>
        <extracomment>%1 and %2 are the used and total memory; Kb = kilobytes.</extracomment>
        <translation>%1/%2Ko Utilisé/total</translation>
    </message>
</context>
<context>
    <name>vok::NoResourceLimits</name>
    <message>
        <source>Cannot load USER.EXE</source>
        <translation>Impossible de charger USER.EXE</translation>
    </message>
</context>
<context>
    <name>vok::NoSettingsFile</name>
    <message>
        <source>nowhere (this system has no settings file for Vok)</source>
        <extracomment>Completes &quot;Vok could not save its settings to %1.&quot;</extracomment>
        <translation>un emplacement inexistant (ce système n&apos;a pas de fichier de paramètres pour Vok)</translation>
    </message>
</context>
<context>
    <name>vok::NoTrash</name>
    <message>
        <source>This system has no trash that Vok can use; nothing was moved.</source>
        <translation>Ce système n&apos;a pas de corbeille utilisable par Vok ; rien n&apos;a été déplacé.</translation>
    </message>
</context>
<context>
    <name>vok::Pie3D</name>
    <message>
        <source>%1%</source>
        <extracomment>%1 is the percentage</extracomment>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>vok::PieGrafAccessible</name>
    <message>
        <source>%1%</source>
        <extracomment>%1 is the percentage</extracomment>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>vok::ProcessTreeLines</name>
    <message>
        <source>%1 * has been used %2 times</source>
        <extracomment>%1 is the process&apos;s program file, %2 how many times it is in use.</extracomment>
        <translation>%1 * a été utilisé %2 fois</translation>
    </message>
    <message>
        <source>%1 * size is %2 bytes has been used %3 times</source>
        <extracomment>%1 is the module&apos;s file, %2 its size in bytes, %3 how many times it is in use.</extracomment>
        <translation>%1 * taille de %2 octets a été utilisé %3 fois</translation>
    </message>
    <message>
        <source>My Windows 95 Tree. Whats Running and where it was loaded from.</source>
        <translation>Mon arbre Windows 95. Ce qui tourne et d&apos;où il a été chargé.</translation>
    </message>
    <message>
        <source>Unable to retrieve Windows 95 Processes</source>
        <translation>Impossible d&apos;obtenir les processus Windows 95</translation>
    </message>
    <message>
        <source>Unable to retrieve Windows 95 Modules for this process</source>
        <translation>Impossible d&apos;obtenir les modules Windows 95 de ce processus</translation>
    </message>
    <message>
        <source>*** Module list for process %1 ***</source>
        <extracomment>%1 is the process&apos;s program name.</extracomment>
        <translation>*** Liste des modules du processus %1 ***</translation>
    </message>
    <message>
        <source>***** End of Module List ****</source>
        <translation>***** Fin de la liste des modules ****</translation>
    </message>
    <message>
        <source>%1 Modules found for process %2 total size = %3Kb</source>
        <extracomment>%1 is how many modules the process has, %2 the process&apos;s number in the tree, %3 their total size; Kb = kilobytes.</extracomment>
        <translation>%1 modules trouvés pour le processus %2 taille totale = %3Ko</translation>
    </message>
    <message>
        <source>Vok found %1 Processes %2 Modules using %3Mb</source>
        <extracomment>%1 and %2 are how many processes and modules were found, %3 their size; Mb = megabytes.</extracomment>
        <translation>Vok a trouvé %1 processus %2 modules utilisant %3Mo</translation>
    </message>
</context>
<context>
    <name>vok::RecycleBin</name>
    <message>
        <source>Unable to delete file %1</source>
        <extracomment>%1 is the file&apos;s name or path</extracomment>
        <translation>Impossible de supprimer le fichier %1</translation>
    </message>
    <message>
        <source>File Sent to the recycle bin </source>
        <translation>Fichier envoyé à la corbeille </translation>
    </message>
    <message>
        <source>Deleted </source>
        <extracomment>Takes the name&apos;s place in the row of a file sent to the trash</extracomment>
        <translation>Supprimé </translation>
    </message>
</context>
<context>
    <name>vok::ResourceShare</name>
    <message>
        <source>Cannot load USER.EXE</source>
        <translation>Impossible de charger USER.EXE</translation>
    </message>
    <message>
        <source>Cannot get address of GetFreeSystemResources</source>
        <translation>Impossible d&apos;obtenir l&apos;adresse de GetFreeSystemResources</translation>
    </message>
</context>
<context>
    <name>vok::SettingsStore</name>
    <message>
        <source>Vok could not save its settings to %1. The disk may be full or the folder read-only; the settings saved before are kept.</source>
        <extracomment>%1 is the settings file&apos;s path.</extracomment>
        <translation>Vok n&apos;a pas pu enregistrer ses paramètres dans %1. Le disque est peut-être plein ou le dossier en lecture seule ; les paramètres enregistrés auparavant sont conservés.</translation>
    </message>
    <message>
        <source>Are you sure you wish to clear all saved settings?</source>
        <translation>Voulez-vous vraiment effacer tous les paramètres enregistrés ?</translation>
    </message>
    <message>
        <source>Saved settings have been cleared. Close and restart Vok to return to defaults</source>
        <translation>Les paramètres enregistrés ont été effacés. Fermez et relancez Vok pour revenir aux valeurs par défaut</translation>
    </message>
</context>
<context>
    <name>vok::TDirectoryListBox</name>
    <message>
        <source>Directories</source>
        <translation>Répertoires</translation>
    </message>
</context>
<context>
    <name>vok::TDriveComboBox</name>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
</context>
<context>
    <name>vok::TFileInfo</name>
    <message>
        <source>FileInfo</source>
        <extracomment>The title until a file is shown, which then gives the title its path</extracomment>
        <translation>Info fichier</translation>
    </message>
    <message>
        <source>Company </source>
        <translation>Société </translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Operating System</source>
        <translation>Syst. d&apos;exploitation</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Type de fichier</translation>
    </message>
    <message>
        <source>File Version</source>
        <translation>Version du fichier</translation>
    </message>
    <message>
        <source>Internal Name</source>
        <translation>Nom interne</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Nom du produit</translation>
    </message>
    <message>
        <source>Product Version</source>
        <translation>Version du produit</translation>
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
        <translation>Vok Espace du répertoire et suppression</translation>
    </message>
    <message>
        <source>Note: Clicking files will permit you to send to the recycle bin</source>
        <translation>Note : cliquer sur des fichiers permet de les envoyer à la corbeille</translation>
    </message>
    <message>
        <source>Space Units</source>
        <translation>Unités d&apos;espace</translation>
    </message>
    <message>
        <source>Mb</source>
        <extracomment>Mb = megabytes</extracomment>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Kb</source>
        <extracomment>Kb = kilobytes</extracomment>
        <translation>Ko</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Octets</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Répertoires</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Tri</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>File Extension</source>
        <translation>Extension</translation>
    </message>
    <message>
        <source>Sort Order</source>
        <translation>Ordre de tri</translation>
    </message>
    <message>
        <source>A..Z or Ascending</source>
        <translation>A..Z ou croissant</translation>
    </message>
    <message>
        <source>Z..A  or Descending</source>
        <translation>Z..A  ou décroissant</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
</context>
<context>
    <name>vok::TFmMemTree</name>
    <message>
        <source>Vok Windows 95 Memory Tree</source>
        <translation>Vok Arbre mémoire Windows 95</translation>
    </message>
    <message>
        <source>Build Tree</source>
        <translation>Construire</translation>
    </message>
    <message>
        <source>Expand Tree</source>
        <translation>Développer</translation>
    </message>
    <message>
        <source>Fonts are set in the Directory  search screen for this memory tree using the directory font.</source>
        <translation>Cet arbre prend la police des répertoires de l&apos;écran Recherche de répertoire.</translation>
    </message>
    <message>
        <source>Collapse</source>
        <translation>Réduire</translation>
    </message>
</context>
<context>
    <name>vok::TPieGraf</name>
    <message>
        <source>%1%</source>
        <extracomment>%1 is the percentage</extracomment>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>vok::TSysInfo</name>
    <message>
        <source>Failure</source>
        <extracomment>Shown for the organisation, and for the owner when the account has no full name</extracomment>
        <translation>Échec</translation>
    </message>
</context>
<context>
    <name>vok::TfmAlldisk</name>
    <message>
        <source>Vok All Disk</source>
        <translation>Vok Tous disques</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espace libre</translation>
    </message>
    <message>
        <source>Used Space</source>
        <translation>Espace occupé</translation>
    </message>
    <message>
        <source>Text Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>%1 Type is %2</source>
        <extracomment>%1 is the drive&apos;s free and total space, %2 its type</extracomment>
        <translation>%1 Type : %2</translation>
    </message>
    <message>
        <source>Drive %1</source>
        <extracomment>%1 is the drive&apos;s letter</extracomment>
        <translation>Lecteur %1</translation>
    </message>
    <message>
        <source>%1Mb /%2 Mb used/total</source>
        <extracomment>Mb = megabytes; %1 is the used space of all drives, %2 their total</extracomment>
        <translation>%1Mo /%2 Mo utilisé/total</translation>
    </message>
</context>
<context>
    <name>vok::TfmFiles</name>
    <message>
        <source>Doing an entire Drive may take a few minutes do you still wish to Continue?</source>
        <translation>Traiter un lecteur entier peut prendre quelques minutes voulez-vous quand même continuer ?</translation>
    </message>
    <message>
        <source>Vok Search by Filename or Extension</source>
        <translation>Vok Recherche par nom de fichier ou extension</translation>
    </message>
    <message>
        <source>Enter a Dos type file mask for example *.* for all files;  con*.sys for config.sys and config2.sys; default is *.*</source>
        <translation>Entrez un masque de fichier de type Dos par exemple *.* pour tous les fichiers ;  con*.sys pour config.sys et config2.sys ; par défaut *.*</translation>
    </message>
    <message>
        <source>File mask</source>
        <translation>Masque de fichier</translation>
    </message>
    <message>
        <source>Begin Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Tri</translation>
    </message>
    <message>
        <source>File Path+Name</source>
        <translation>Chemin+nom</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>File Extension</source>
        <translation>Extension</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Sort Order</source>
        <translation>Ordre de tri</translation>
    </message>
    <message>
        <source>A..Z Ascending</source>
        <translation>A..Z croissant</translation>
    </message>
    <message>
        <source>Z..A Descending</source>
        <translation>Z..A décroissant</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Scanning for files. </source>
        <translation>Recherche des fichiers. </translation>
    </message>
    <message>
        <source>Vok File Seach Cancelled</source>
        <translation>Vok Recherche de fichiers annulée</translation>
    </message>
    <message>
        <source>File list built sorting by size descending</source>
        <translation>Liste des fichiers établie tri par taille décroissante</translation>
    </message>
    <message>
        <source> Total space %1 Mb</source>
        <extracomment>Mb = megabytes; %1 is the size of all files found</extracomment>
        <translation> Espace total %1 Mo</translation>
    </message>
    <message>
        <source>Scanning for files. %1 found</source>
        <extracomment>%1 is the number of files found so far</extracomment>
        <translation>Recherche des fichiers. %1 trouvés</translation>
    </message>
    <message>
        <source>Vok File Sort has been Cancelled</source>
        <translation>Vok Le tri des fichiers a été annulé</translation>
    </message>
</context>
<context>
    <name>vok::TfmMem</name>
    <message>
        <source>Memory Screen</source>
        <translation>Écran mémoire</translation>
    </message>
    <message>
        <source>Windows 95  Currently running</source>
        <translation>Windows 95  En cours d&apos;exécution</translation>
    </message>
    <message>
        <source>%1/ %2 Windows</source>
        <extracomment>%1 is the physical memory, %2 how many windows are listed.</extracomment>
        <translation>%1/ %2 fenêtres</translation>
    </message>
</context>
<context>
    <name>vok::TfmTree</name>
    <message>
        <source>Vok Directory Tree </source>
        <translation>Vok Arborescence </translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Trier</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Directory tree</source>
        <translation>Arborescence</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source> Total space %1 Mb, Number of Files = %2, stopped by Esc</source>
        <extracomment>Mb = megabytes; %1 is the size of all files met, %2 their number</extracomment>
        <translation> Espace total %1 Mo, nombre de fichiers = %2, arrêté par Échap</translation>
    </message>
    <message>
        <source> Total space %1 Mb, Number of Files = %2</source>
        <extracomment>Mb = megabytes; %1 is the size of all files met, %2 their number</extracomment>
        <translation> Espace total %1 Mo, nombre de fichiers = %2</translation>
    </message>
    <message>
        <source> Reading: %1 files in %2 directories (Esc stops)</source>
        <extracomment>%1 is the number of files met so far, %2 the number of directories holding them</extracomment>
        <translation> Lecture : %1 fichiers dans %2 répertoires (Échap arrête)</translation>
    </message>
    <message>
        <source>%1 Mb %2 Files</source>
        <extracomment>Mb = megabytes; %1 is the size of the directory&apos;s files, %2 their number</extracomment>
        <translation>%1 Mo %2 fichiers</translation>
    </message>
</context>
<context>
    <name>vok::TfmVok</name>
    <message>
        <source> Total %1</source>
        <extracomment>%1 is the money in the bank, in dollars.</extracomment>
        <translation> Total %1</translation>
    </message>
    <message>
        <source>%1 Bet $%2</source>
        <extracomment>%1 is the sum of the dice, %2 the stake in dollars.</extracomment>
        <translation>%1 Mise %2 $</translation>
    </message>
    <message>
        <source>No Disk Available in Drive %1</source>
        <extracomment>%1 is the drive&apos;s letter.</extracomment>
        <translation>Aucun disque dans le lecteur %1</translation>
    </message>
    <message>
        <source>Drive %1</source>
        <extracomment>%1 is the drive&apos;s letter.</extracomment>
        <translation>Lecteur %1</translation>
    </message>
    <message>
        <source>%1 Type is %2</source>
        <extracomment>%1 is the drive&apos;s read-out, %2 its type.</extracomment>
        <translation>%1 Type : %2</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disque</translation>
    </message>
    <message>
        <source>Click to Roll </source>
        <translation>Cliquez pour lancer </translation>
    </message>
    <message>
        <source>Click to Roll</source>
        <translation>Cliquez pour lancer</translation>
    </message>
    <message>
        <source>&amp;Memory</source>
        <extracomment>&amp; marks the letter that opens it with Alt.</extracomment>
        <translation>&amp;Mémoire</translation>
    </message>
    <message>
        <source>Whats running . Window Names. </source>
        <translation>Ce qui tourne . Noms des fenêtres. </translation>
    </message>
    <message>
        <source>Memory Tree. Processes and Modules.</source>
        <translation>Arbre mémoire. Processus et modules.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Virtual</source>
        <translation>Virtuelle</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Réelle</translation>
    </message>
    <message>
        <source>Page File</source>
        <translation>Fichier d&apos;échange</translation>
    </message>
    <message>
        <source>GDI</source>
        <extracomment>GDI = graphics device interface.</extracomment>
        <translation>GDI</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Pie Graph Colors</source>
        <translation>Couleurs du camembert</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espace libre</translation>
    </message>
    <message>
        <source>Used Space</source>
        <translation>Espace occupé</translation>
    </message>
    <message>
        <source>Text Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Set to Default</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <extracomment>&amp; marks the letter that opens it with Alt.</extracomment>
        <translation>&amp;Disque</translation>
    </message>
    <message>
        <source>All Disks</source>
        <translation>Tous les disques</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <translation>Mégaoctets</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <translation>Kilooctets</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Octets</translation>
    </message>
    <message>
        <source>Directory Search</source>
        <translation>Recherche de répertoire</translation>
    </message>
    <message>
        <source>Directory Tree</source>
        <translation>Arborescence</translation>
    </message>
    <message>
        <source>File Search</source>
        <translation>Recherche de fichiers</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>&amp; marks the letter that opens it with Alt.</extracomment>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Small Vok</source>
        <translation>Petit Vok</translation>
    </message>
    <message>
        <source>Medium Vok</source>
        <translation>Vok moyen</translation>
    </message>
    <message>
        <source>Large Vok</source>
        <translation>Grand Vok</translation>
    </message>
    <message>
        <source>Craps Game</source>
        <translation>Jeu de craps</translation>
    </message>
    <message>
        <source>Reset Settings</source>
        <translation>Effacer les paramètres</translation>
    </message>
    <message>
        <source>3D Pie Not Fully Functional</source>
        <translation>Camembert 3D incomplet</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>&amp; marks the letter that opens it with Alt.</extracomment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Free Memory %1 %</source>
        <extracomment>%1 is the share of memory in use, in per cent.</extracomment>
        <translation>Mémoire libre %1 %</translation>
    </message>
    <message>
        <source>Free Total Memory is %1 %</source>
        <extracomment>%1 is the share of memory in use, in per cent.</extracomment>
        <translation>Mémoire totale libre %1 %</translation>
    </message>
    <message>
        <source>Free GDI Resources %1%</source>
        <extracomment>GDI = graphics device interface. %1 is the free share in per cent.</extracomment>
        <translation>Ressources GDI libres %1%</translation>
    </message>
    <message>
        <source>Free System Resources %1%</source>
        <extracomment>%1 is the free share in per cent.</extracomment>
        <translation>Ressources système libres %1%</translation>
    </message>
    <message>
        <source>Free User Resources %1%</source>
        <extracomment>%1 is the free share in per cent.</extracomment>
        <translation>Ressources utilisateur libres %1%</translation>
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
        <translation>Vok 97 pour Windows 95</translation>
    </message>
</context>
<context>
    <name>vok::Trash</name>
    <message>
        <source>Do you want to move &quot;%1&quot; to the trash?</source>
        <extracomment>%1 is the file&apos;s path</extracomment>
        <translation>Voulez-vous mettre « %1 » à la corbeille ?</translation>
    </message>
</context>
<context>
    <name>vok::TreeNodes</name>
    <message>
        <source>%1 Mb </source>
        <extracomment>Mb = megabytes; %1 is the figure, padded on the left; the directory follows the last blank</extracomment>
        <translation>%1 Mo </translation>
    </message>
</context>
<context>
    <name>vok::Version</name>
    <message>
        <source>Windows 3.0 or later</source>
        <translation>Windows 3.0 ou ultérieur</translation>
    </message>
    <message>
        <source>16 bit OS/2 Presentation Manager</source>
        <translation>Presentation Manager OS/2 16 bits</translation>
    </message>
    <message>
        <source>32 bit OS/2 Presentation Manager</source>
        <translation>Presentation Manager OS/2 32 bits</translation>
    </message>
    <message>
        <source>32 bit Windows</source>
        <translation>Windows 32 bits</translation>
    </message>
    <message>
        <source>MS-Dos</source>
        <translation>MS-Dos</translation>
    </message>
    <message>
        <source>Windows 3.0 or later with MS-Dos</source>
        <translation>Windows 3.0 ou ultérieur avec MS-Dos</translation>
    </message>
    <message>
        <source>32 bit Windows with MS-Dos</source>
        <translation>Windows 32 bits avec MS-Dos</translation>
    </message>
    <message>
        <source>16 bit OS/2</source>
        <translation>OS/2 16 bits</translation>
    </message>
    <message>
        <source>16 bit OS/2 with Presentation Manager</source>
        <translation>OS/2 16 bits avec Presentation Manager</translation>
    </message>
    <message>
        <source>32 bit OS/2</source>
        <translation>OS/2 32 bits</translation>
    </message>
    <message>
        <source>32 bit OS/2 with Presentation Manager</source>
        <translation>OS/2 32 bits avec Presentation Manager</translation>
    </message>
    <message>
        <source>Windows NT</source>
        <translation>Windows NT</translation>
    </message>
    <message>
        <source>Windows NT with 32 bit Windows</source>
        <translation>Windows NT avec Windows 32 bits</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Dynamic-Link Library</source>
        <translation>Bibliothèque dynamique</translation>
    </message>
    <message>
        <source>Device Driver</source>
        <translation>Pilote de périphérique</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Virtual Device Driver</source>
        <translation>Pilote de périphérique virtuel</translation>
    </message>
    <message>
        <source>Static-Link Library</source>
        <translation>Bibliothèque statique</translation>
    </message>
    <message>
        <source>Printer</source>
        <comment>device driver</comment>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <comment>device driver</comment>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>device driver</comment>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Display</source>
        <comment>device driver</comment>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Mouse</source>
        <comment>device driver</comment>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Network</source>
        <comment>device driver</comment>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>System</source>
        <comment>device driver</comment>
        <translation>Système</translation>
    </message>
    <message>
        <source>Installable</source>
        <comment>device driver</comment>
        <translation>Installable</translation>
    </message>
    <message>
        <source>Sound</source>
        <comment>device driver</comment>
        <translation>Son</translation>
    </message>
    <message>
        <source>Communications</source>
        <comment>device driver</comment>
        <translation>Communications</translation>
    </message>
    <message>
        <source>Raster</source>
        <comment>font</comment>
        <translation>Matricielle</translation>
    </message>
    <message>
        <source>Vector</source>
        <comment>font</comment>
        <translation>Vectorielle</translation>
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
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>MB = megabytes</extracomment>
        <translation>%1 Mo</translation>
    </message>
</context>
</TS>
