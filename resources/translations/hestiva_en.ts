<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
    <context>
        <name>DBItemCollection</name>
        <message>
            <source>FILE_ALLREADY_OPEN_WARNING</source>
            <translation>The database is already open</translation>
        </message>
        <message>
            <source>DB_OPEN_BY_ANOTHER_USER</source>
            <translation>The database is in use by someone else and is opened read-only. You can view and search, but not save.

Locked by: </translation>
        </message>
        <message>
            <source>READ ONLY</source>
            <translation>Read-only</translation>
        </message>
        <message>
            <source>READ ONLY MODE - No Save</source>
            <translation>The database was opened read-only because someone else is using it. Nothing was saved.</translation>
        </message>
        <message>
            <source>DB_SAVE_ERROR_TITLE</source>
            <translation>The database was not saved</translation>
        </message>
        <message>
            <source>DB_SAVE_ERROR_TEXT</source>
            <translation>The database could not be saved. The file on disk has not been changed. Check that the disk has room and that you may write to the folder, then save again or save under another name.</translation>
        </message>
        <message>
            <source>CAN_NOT_DELETE_LOCK_FILE:</source>
            <translation>The lock file could not be deleted: </translation>
        </message>
        <message>
            <source>Kan ikke gemme gruppe fil:</source>
            <translation>Cannot save the groups file: </translation>
        </message>
        <message>
            <source>Kan ikke gemme lokale fil:</source>
            <translation>Cannot save the locations file: </translation>
        </message>
        <message>
            <source>KAN_IKKE_GEMME_LEVERAND_FIL:</source>
            <translation>Cannot save the suppliers file: </translation>
        </message>
        <message>
            <source>KAN_IKKE_GEMME_FIELDS_FIL:</source>
            <translation>Cannot save the field labels file: </translation>
        </message>
        <message>
            <source>Fil fejl</source>
            <translation>File error</translation>
        </message>
    </context>
    <context>
        <name>ItemListView</name>
        <message>
            <source>Navn</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>LIST_HELP_PICTOVA</source>
            <translation>The list shows every picture in the collection, arranged in groups. Click a column heading to sort by that column.
Double-click a picture to view and edit its details, or a group to add a new picture to that group.
Click a picture icon to show the picture, and a web address to open it. Right-click for more commands.</translation>
        </message>
        <message>
            <source>LIST_HELP_MINTORA</source>
            <translation>The list shows every coin in the collection, arranged in groups. Click a column heading to sort by that column.
Double-click a coin to edit it, or a group to add a new coin to that group.
Click the picture icon for the front or the back to show the picture of the coin. Right-click for more commands.</translation>
        </message>
        <message>
            <source>LIST_HELP_1</source>
            <translation>The list shows every entry in the database, arranged in groups. Click a column heading to sort by that column.
Double-click an entry to edit it, or a group to add a new entry to that group.
Click the picture, receipt or document icon, or a web address, to open it. Right-click for more commands.</translation>
        </message>
        <message>
            <source>NB!</source>
            <translation>Note</translation>
        </message>
        <message>
            <source>Ingen URL tilknyttet valgte inventar</source>
            <translation>The selected entry has no web address.</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Fejl - type</source>
            <translation>Unknown group</translation>
        </message>
        <message>
            <source>MAX_LIMIT_ERROR</source>
            <translation>An entry has group number %1, but the group list has no group with that number (there can be at most %2 groups).
The entry is not shown in the list. Add the missing group under Setup, then open the database again.</translation>
        </message>
    </context>
    <context>
        <name>MainWindow</name>
        <message>
            <source>FILE_NEW</source>
            <translation>&amp;New</translation>
        </message>
        <message>
            <source>HELP_TEXT_FILE_NEW</source>
            <translation>New database: empties the list so you can start afresh. If there are changes, you are asked first whether to save them.</translation>
        </message>
        <message>
            <source>FILE_OPEN</source>
            <translation>&amp;Open...</translation>
        </message>
        <message>
            <source>HELP_TEXT_FILE_OPEN</source>
            <translation>Opens another database file. Groups, locations, suppliers and field labels are read from the file's folder.</translation>
        </message>
        <message>
            <source>FILE_SAVE</source>
            <translation>&amp;Save</translation>
        </message>
        <message>
            <source>HELP_TEXT_FILE_SAVE</source>
            <translation>Saves the database to the open file. If that fails, the file on disk is left unchanged.</translation>
        </message>
        <message>
            <source>FILE_SAVE_AS</source>
            <translation>Save &amp;As...</translation>
        </message>
        <message>
            <source>HELP_TEXT_FILE_SAVE_AS</source>
            <translation>Saves the database under a new name. Groups, locations, suppliers and field labels are saved in the new folder.</translation>
        </message>
        <message>
            <source>BACKUP...</source>
            <translation>&amp;Backup...</translation>
        </message>
        <message>
            <source>HELP_TEXT_FILE_BACKUP</source>
            <translation>Writes a copy of the database and its lists to a .bak file. The open database carries on unchanged.</translation>
        </message>
        <message>
            <source>SAVE_SETTINGS</source>
            <translation>Save se&amp;ttings</translation>
        </message>
        <message>
            <source>HELP_TEXT_FILE_SAVESETTINGS</source>
            <translation>Remembers the window's size and position, the column widths and whether all groups are open, for the next start.</translation>
        </message>
        <message>
            <source>QUIT</source>
            <translation>&amp;Quit</translation>
        </message>
        <message>
            <source>StockvaneEditDelete</source>
            <translation>&amp;Delete article</translation>
        </message>
        <message>
            <source>MintoraEditDelete</source>
            <translation>&amp;Delete coin</translation>
        </message>
        <message>
            <source>PictovaEditDelete</source>
            <translation>&amp;Delete picture</translation>
        </message>
        <message>
            <source>&amp;Slet Domvara</source>
            <translation>&amp;Delete item</translation>
        </message>
        <message>
            <source>Vis &amp;alle</source>
            <translation>Show &amp;all</translation>
        </message>
        <message>
            <source>TOOLTIP_SHOW_FRONTSIDE_PICTURE_MINTORA</source>
            <translation>Show &amp;front</translation>
        </message>
        <message>
            <source>PICTOVA_SHOW_PICTURE</source>
            <translation>Show &amp;picture</translation>
        </message>
        <message>
            <source>VIS_BILLEDE</source>
            <translation>Show &amp;picture</translation>
        </message>
        <message>
            <source>TOOLTIP_SHOW_IMAGE_BTN</source>
            <translation>Shows the picture of the selected row.</translation>
        </message>
        <message>
            <source>TOOLTIP_SHOW_BACKSIDE_PICTURE_MINTORA</source>
            <translation>Show &amp;back</translation>
        </message>
        <message>
            <source>PICTOVA_SHOW_PICTURE2</source>
            <translation>Show picture &amp;2</translation>
        </message>
        <message>
            <source>VIS_KVITTERING</source>
            <translation>Show &amp;receipt</translation>
        </message>
        <message>
            <source>HELP_TEXT_VIEW_BACKSIDE_PICTURE_MINTORA</source>
            <translation>Shows the picture of the back of the coin.</translation>
        </message>
        <message>
            <source>HELP_TEXT_VIEW_RECEIPT</source>
            <translation>Shows the receipt (or the second picture) of the selected row.</translation>
        </message>
        <message>
            <source>VIS_WWW</source>
            <translation>Show &amp;web link</translation>
        </message>
        <message>
            <source>HELP_TEXT_VIEW_URL</source>
            <translation>Opens the web link of the selected row in the browser.</translation>
        </message>
        <message>
            <source>VIS_DOCUMENT</source>
            <translation>Show &amp;document</translation>
        </message>
        <message>
            <source>HELP_TEXT_VIEW_DOCUMENTATION</source>
            <translation>Opens the document of the selected row in the program the desktop uses for that type of file.</translation>
        </message>
        <message>
            <source>&amp;Om domvara register...</source>
            <translation>&amp;About Domvara...</translation>
        </message>
        <message>
            <source>&amp;Fil</source>
            <translation>&amp;File</translation>
        </message>
        <message>
            <source>&amp;Rediger</source>
            <translation>&amp;Edit</translation>
        </message>
        <message>
            <source>&amp;Vis</source>
            <translation>&amp;View</translation>
        </message>
        <message>
            <source>&amp;Opsætning</source>
            <translation>&amp;Setup</translation>
        </message>
        <message>
            <source>&amp;Billedvisnings program...</source>
            <translation>&amp;Picture viewer...</translation>
        </message>
        <message>
            <source>Internet program (&amp;www)...</source>
            <translation>&amp;Web browser...</translation>
        </message>
        <message>
            <source>LANGUAGE_MENU</source>
            <translation>&amp;Language</translation>
        </message>
        <message>
            <source>DANISH_LANG...</source>
            <translation>&amp;Danish...</translation>
        </message>
        <message>
            <source>NORWAY_LANG...</source>
            <translation>&amp;Norwegian...</translation>
        </message>
        <message>
            <source>ENGLISH_LANG...</source>
            <translation>&amp;English...</translation>
        </message>
        <message>
            <source>&amp;Hjælp</source>
            <translation>&amp;Help</translation>
        </message>
        <message>
            <source>&amp;Hjælp...</source>
            <translation>&amp;Help...</translation>
        </message>
        <message>
            <source>&amp;Tutorial...</source>
            <translation>&amp;Getting started...</translation>
        </message>
        <message>
            <source>&amp;Links...</source>
            <translation>&amp;Links...</translation>
        </message>
        <message>
            <source>&amp;ErrorHandling...</source>
            <translation>&amp;Error messages...</translation>
        </message>
        <message>
            <source>&amp;Release noter...</source>
            <translation>&amp;Release notes...</translation>
        </message>
        <message>
            <source>&amp;Hvad er det ?</source>
            <translation>&amp;What's this?</translation>
        </message>
        <message>
            <source>Fil</source>
            <translation>File</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Tools</translation>
        </message>
        <message>
            <source>SAVE_CURRENT_DB_QUESTION</source>
            <translation>The database has been changed. Do you want to save the changes?</translation>
        </message>
        <message>
            <source>&amp;Gem</source>
            <translation>&amp;Save</translation>
        </message>
        <message>
            <source>Gem &amp;ikke</source>
            <translation>&amp;Don't save</translation>
        </message>
        <message>
            <source>&amp;Fortryd</source>
            <translation>&amp;Cancel</translation>
        </message>
        <message>
            <source>Åben domvara register fil</source>
            <translation>Choose a database file</translation>
        </message>
        <message>
            <source>FileError</source>
            <translation>File error</translation>
        </message>
        <message>
            <source>ERROR_DB_FILE_CAN_NOT_BE_OPENED</source>
            <translation>The database file could not be opened or read. The next time the program starts, it opens the demo database.</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>NUMBERS_OF_ITEMS_READ_FORM_DB</source>
            <translation>%1 loaded: %2 items in %3 s</translation>
        </message>
        <message>
            <source>StockvaneHelpAbout</source>
            <translation>&amp;About Stockvane...</translation>
        </message>
        <message>
            <source>PictovaHelpAbout</source>
            <translation>&amp;About Pictova...</translation>
        </message>
        <message>
            <source>MintoraHelpAbout</source>
            <translation>&amp;About Mintora...</translation>
        </message>
        <message>
            <source>ITEMS_SAVED_DB_MESSAGE </source>
            <translation>%1 saved: %2 items in %3 s</translation>
        </message>
        <message>
            <source>BackupCurrentDB</source>
            <translation>Back up the database</translation>
        </message>
        <message>
            <source>NO_BACKUP_ERROR_NO_FILE_SAVED</source>
            <translation>No file was chosen, so no backup was made.</translation>
        </message>
        <message>
            <source>Info</source>
            <translation>Information</translation>
        </message>
        <message>
            <source>RESTART_BEFORE_LANGUAGE_CHANGED</source>
            <translation>The new language is used when the program starts again. It then opens the demo database in that language.</translation>
        </message>
        <message>
            <source>Vælg eget billedvisnings program</source>
            <translation>Choose a picture viewer</translation>
        </message>
        <message>
            <source>Billede visnings program (*.exe)</source>
            <translation>Programs (*)</translation>
        </message>
        <message>
            <source>Vælg internet (www) program</source>
            <translation>Choose a web browser</translation>
        </message>
        <message>
            <source>Internet (www) program (*.exe)</source>
            <translation>Programs (*)</translation>
        </message>
        <message>
            <source>About Stockvane</source>
            <translation>About Stockvane</translation>
        </message>
        <message>
            <source>AboutStockvaneDetails</source>
            <translation>Stockvane %1

Stock control: articles with stock numbers, locations, updates from a barcode scanner and barcode labels.

Quorvane</translation>
        </message>
        <message>
            <source>About Pictova</source>
            <translation>About Pictova</translation>
        </message>
        <message>
            <source>AboutPictovaDetails</source>
            <translation>Pictova %1

A register of pictures: paintings, prints and photographs with artist, pictures, provenance and votes.

Quorvane</translation>
        </message>
        <message>
            <source>About Mintora</source>
            <translation>About Mintora</translation>
        </message>
        <message>
            <source>AboutMintoraDetails</source>
            <translation>Mintora %1

A register of coins: year, metal, catalogue and catalogue number, quality, value and pictures of front and back.

Quorvane</translation>
        </message>
        <message>
            <source>About Domvara</source>
            <translation>About Domvara</translation>
        </message>
        <message>
            <source>AboutDomvaraDetails</source>
            <translation>Domvara %1

A register of household contents: your things with pictures, receipts and documents in one place, for the insurance, a move or simply an overview.

Quorvane</translation>
        </message>
    </context>
    <context>
        <name>ShellHelpers</name>
        <message>
            <source>Fejl</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>NOTEPAD_NOT_FOUND</source>
            <translation>The release notes could not be shown.
The file is missing, or there is no program for showing text files.</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>HTML fejl</source>
            <translation>HTML error</translation>
        </message>
    </context>
    <context>
        <name>captionstr</name>
        <message>
            <source>DOMVARA_CAPTION_TEXT</source>
            <translation>Domvara household register</translation>
        </message>
        <message>
            <source>PICTOVA_CAPTION_TEXT</source>
            <translation>Pictova picture collection</translation>
        </message>
        <message>
            <source>MINTORA_CAPTION_TEXT</source>
            <translation>Mintora coin collection</translation>
        </message>
        <message>
            <source>STOCKVANE_CAPTION_TEXT</source>
            <translation>Stockvane stock control</translation>
        </message>
    </context>
</TS>
