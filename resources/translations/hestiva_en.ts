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
