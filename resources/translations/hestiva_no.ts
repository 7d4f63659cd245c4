<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
    <context>
        <name>DBItemCollection</name>
        <message>
            <source>FILE_ALLREADY_OPEN_WARNING</source>
            <translation>Databasen er allerede åpen</translation>
        </message>
        <message>
            <source>DB_OPEN_BY_ANOTHER_USER</source>
            <translation>Databasen brukes av en annen og åpnes bare for lesing. Du kan se og søke, men ikke lagre.

Låst av: </translation>
        </message>
        <message>
            <source>READ ONLY</source>
            <translation>Bare lesing</translation>
        </message>
        <message>
            <source>READ ONLY MODE - No Save</source>
            <translation>Databasen er åpnet bare for lesing fordi en annen bruker den. Ingenting er lagret.</translation>
        </message>
        <message>
            <source>DB_SAVE_ERROR_TITLE</source>
            <translation>Databasen ble ikke lagret</translation>
        </message>
        <message>
            <source>DB_SAVE_ERROR_TEXT</source>
            <translation>Databasen kunne ikke lagres. Filen på disken er ikke endret. Kontroller at det er plass på disken og at du har skrivetilgang til mappen, og lagre igjen eller lagre under et annet navn.</translation>
        </message>
        <message>
            <source>CAN_NOT_DELETE_LOCK_FILE:</source>
            <translation>Låsefilen kunne ikke slettes: </translation>
        </message>
        <message>
            <source>Kan ikke gemme gruppe fil:</source>
            <translation>Kan ikke lagre gruppefilen: </translation>
        </message>
        <message>
            <source>Kan ikke gemme lokale fil:</source>
            <translation>Kan ikke lagre rom-filen: </translation>
        </message>
        <message>
            <source>KAN_IKKE_GEMME_LEVERAND_FIL:</source>
            <translation>Kan ikke lagre leverandørfilen: </translation>
        </message>
        <message>
            <source>KAN_IKKE_GEMME_FIELDS_FIL:</source>
            <translation>Kan ikke lagre feltnavnfilen: </translation>
        </message>
        <message>
            <source>Fil fejl</source>
            <translation>Filfeil</translation>
        </message>
    </context>
    <context>
        <name>captionstr</name>
        <message>
            <source>DOMVARA_CAPTION_TEXT</source>
            <translation>Domvara innboregistrering</translation>
        </message>
        <message>
            <source>PICTOVA_CAPTION_TEXT</source>
            <translation>Pictova bildesamling</translation>
        </message>
        <message>
            <source>MINTORA_CAPTION_TEXT</source>
            <translation>Mintora myntsamling</translation>
        </message>
        <message>
            <source>STOCKVANE_CAPTION_TEXT</source>
            <translation>Stockvane lagerstyring</translation>
        </message>
    </context>
</TS>
