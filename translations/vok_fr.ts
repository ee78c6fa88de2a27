<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>vok::AllDiskDrives</name>
    <message>
        <source>Not found Drive %1</source>
        <extracomment>%1 is the drive&apos;s letter</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Free Mb / %2 Mb Total</source>
        <extracomment>Mb = megabytes; %1 is the free space, %2 the total</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vok::CommandLine</name>
    <message>
        <source>Vok 97 v%1
License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
More in Vok&apos;s help (F1): &quot;About Vok&quot;.
</source>
        <extracomment>%1 is the version number, as 1.2.3. &quot;About Vok&quot; names the help&apos;s topic of that title.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows how full the disks and memory are, and what fills them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays the version and exits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vok: %1
Vok takes no arguments but --help and --version; try &apos;vok --help&apos;.
</source>
        <extracomment>%1 says what is wrong with the arguments. The options and &apos;vok --help&apos; stay as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vok: could not write to standard output
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vok::CrapsGame</name>
    <message>
        <source>You Lose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Point is %2</source>
        <extracomment>%1 is the roll&apos;s outcome (You Lose, You Win, Roll Again), %2 the point: the sum the following rolls must hit.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard %1</source>
        <extracomment>Craps: a pair, %1 being the dice&apos;s sum.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yo 11!</source>
        <extracomment>Craps slang for a come-out roll of eleven.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Little Joe Hard %1</source>
        <extracomment>Craps slang: a pair of twos, %1 being their sum (4).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll Number %1 Point is %2</source>
        <extracomment>%1 is how many rolls this turn has had, %2 the point.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total %1</source>
        <extracomment>%1 is the money in the bank, in dollars.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You went broke. Fortunately there is a pawn shop nearby and you sell your watch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vok::DirSpaceCaptions</name>
    <message>
        <source>%1 Kb %2 Files</source>
        <extracomment>Kb = kilobytes; %1 is the size, %2 the number of files</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Kb</source>
        <extracomment>Kb = kilobytes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <extracomment>After a listing; chosen from the Space Units menu the text has a small &quot;bytes&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <extracomment>Chosen from the Space Units menu; after a listing the text has a capital &quot;Bytes&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Mb %2 Files</source>
        <extracomment>Mb = megabytes; %1 is the size, %2 the number of files</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Mb</source>
        <extracomment>Mb = megabytes</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vok::DisplayCheck</name>
    <message>
        <source>vok: Vok needs a graphical display, and none could be opened (DISPLAY or WAYLAND_DISPLAY names it).
</source>
        <extracomment>DISPLAY and WAYLAND_DISPLAY are the names of environment variables.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vok::ElfFileInfo</name>
    <message>
        <source>machine %1</source>
        <extracomment>An ELF machine code without a name; %1 is the number</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standalone</source>
        <extracomment>The ELF file runs without an operating system</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OS/ABI %1</source>
        <extracomment>An ELF OS/ABI code without a name; %1 is the number</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dynamic-Link Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Core Dump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vok::ListDirectory</name>
    <message>
        <source>Directory %1</source>
        <extracomment>The window title; %1 is the listed directory</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vok::MemoryText</name>
    <message>
        <source>%1/%2/%3Kb Used/free/total</source>
        <extracomment>%1, %2 and %3 are the used, free and total memory; Kb = kilobytes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/%2Kb Used/total</source>
        <extracomment>%1 and %2 are the used and total memory; Kb = kilobytes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vok::ProcessTreeLines</name>
    <message>
        <source>%1 * has been used %2 times</source>
        <extracomment>%1 is the process&apos;s program file, %2 how many times it is in use.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 * size is %2 bytes has been used %3 times</source>
        <extracomment>%1 is the module&apos;s file, %2 its size in bytes, %3 how many times it is in use.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Windows 95 Tree. Whats Running and where it was loaded from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to retrieve Windows 95 Processes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to retrieve Windows 95 Modules for this process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*** Module list for process %1 ***</source>
        <extracomment>%1 is the process&apos;s program name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>***** End of Module List ****</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Modules found for process %2 total size = %3Kb</source>
        <extracomment>%1 is how many modules the process has, %2 the process&apos;s number in the tree, %3 their total size; Kb = kilobytes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vok found %1 Processes %2 Modules using %3Mb</source>
        <extracomment>%1 and %2 are how many processes and modules were found, %3 their size; Mb = megabytes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vok::RecycleBin</name>
    <message>
        <source>Unable to delete file %1</source>
        <extracomment>%1 is the file&apos;s name or path</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Sent to the recycle bin </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleted </source>
        <extracomment>Takes the name&apos;s place in the row of a file sent to the trash</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vok::SettingsStore</name>
    <message>
        <source>Vok could not save its settings to %1. The disk may be full or the folder read-only; the settings saved before are kept.</source>
        <extracomment>%1 is the settings file&apos;s path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you wish to clear all saved settings?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved settings have been cleared. Close and restart Vok to return to defaults</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vok::TFileInfo</name>
    <message>
        <source>FileInfo</source>
        <extracomment>The title until a file is shown, which then gives the title its path</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operating System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vok::TFmDir</name>
    <message>
        <source>Vok Directory Space and File Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: Clicking files will permit you to send to the recycle bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mb</source>
        <extracomment>Mb = megabytes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kb</source>
        <extracomment>Kb = kilobytes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A..Z or Ascending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z..A  or Descending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vok::TFmMemTree</name>
    <message>
        <source>Vok Windows 95 Memory Tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expand Tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fonts are set in the Directory  search screen for this memory tree using the directory font.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collapse</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vok::TfmAlldisk</name>
    <message>
        <source>Vok All Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Type is %2</source>
        <extracomment>%1 is the drive&apos;s free and total space, %2 its type</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive %1</source>
        <extracomment>%1 is the drive&apos;s letter</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Mb /%2 Mb used/total</source>
        <extracomment>Mb = megabytes; %1 is the used space of all drives, %2 their total</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vok::TfmFiles</name>
    <message>
        <source>Doing an entire Drive may take a few minutes do you still wish to Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vok Search by Filename or Extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a Dos type file mask for example *.* for all files;  con*.sys for config.sys and config2.sys; default is *.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begin Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Path+Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A..Z Ascending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z..A Descending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning for files. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vok File Seach Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File list built sorting by size descending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Total space %1 Mb</source>
        <extracomment>Mb = megabytes; %1 is the size of all files found</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning for files. %1 found</source>
        <extracomment>%1 is the number of files found so far</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vok File Sort has been Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vok::TfmMem</name>
    <message>
        <source>Memory Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows 95  Currently running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/ %2 Windows</source>
        <extracomment>%1 is the physical memory, %2 how many windows are listed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vok::TfmTree</name>
    <message>
        <source>Vok Directory Tree </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Execute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Total space %1 Mb, Number of Files = %2, stopped by Esc</source>
        <extracomment>Mb = megabytes; %1 is the size of all files met, %2 their number</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Total space %1 Mb, Number of Files = %2</source>
        <extracomment>Mb = megabytes; %1 is the size of all files met, %2 their number</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Reading: %1 files in %2 directories (Esc stops)</source>
        <extracomment>%1 is the number of files met so far, %2 the number of directories holding them</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Mb %2 Files</source>
        <extracomment>Mb = megabytes; %1 is the size of the directory&apos;s files, %2 their number</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vok::TfmVok</name>
    <message>
        <source> Total %1</source>
        <extracomment>%1 is the money in the bank, in dollars.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Bet $%2</source>
        <extracomment>%1 is the sum of the dice, %2 the stake in dollars.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Disk Available in Drive %1</source>
        <extracomment>%1 is the drive&apos;s letter.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive %1</source>
        <extracomment>%1 is the drive&apos;s letter.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Type is %2</source>
        <extracomment>%1 is the drive&apos;s read-out, %2 its type.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to Roll </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to Roll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Memory</source>
        <extracomment>&amp; marks the letter that opens it with Alt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whats running . Window Names. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Tree. Processes and Modules.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virtual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GDI</source>
        <extracomment>GDI = graphics device interface.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pie Graph Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set to Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <extracomment>&amp; marks the letter that opens it with Alt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Disks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Megabytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory Tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>&amp; marks the letter that opens it with Alt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small Vok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium Vok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large Vok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Craps Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3D Pie Not Fully Functional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>&amp; marks the letter that opens it with Alt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Memory %1 %</source>
        <extracomment>%1 is the share of memory in use, in per cent.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Total Memory is %1 %</source>
        <extracomment>%1 is the share of memory in use, in per cent.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free GDI Resources %1%</source>
        <extracomment>GDI = graphics device interface. %1 is the free share in per cent.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free System Resources %1%</source>
        <extracomment>%1 is the free share in per cent.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free User Resources %1%</source>
        <extracomment>%1 is the free share in per cent.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vok 97</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vok 97 v%1.%2</source>
        <extracomment>%1.%2 is the version, major and minor.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vok 97 for Windows 95</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vok::TreeNodes</name>
    <message>
        <source>%1 Mb </source>
        <extracomment>Mb = megabytes; %1 is the figure, padded on the left; the directory follows the last blank</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
