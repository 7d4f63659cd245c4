<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
    <context>
        <name>DBItemCollection</name>
        <message>
            <source>FILE_ALLREADY_OPEN_WARNING</source>
            <translation>Databasen er allerede åben</translation>
        </message>
        <message>
            <source>DB_OPEN_BY_ANOTHER_USER</source>
            <translation>Databasen bruges af en anden og åbnes kun til læsning. Du kan se og søge, men ikke gemme.

Låst af: </translation>
        </message>
        <message>
            <source>READ ONLY</source>
            <translation>Kun læsning</translation>
        </message>
        <message>
            <source>READ ONLY MODE - No Save</source>
            <translation>Databasen er åbnet kun til læsning, fordi en anden bruger den. Intet er gemt.</translation>
        </message>
        <message>
            <source>DB_SAVE_ERROR_TITLE</source>
            <translation>Databasen blev ikke gemt</translation>
        </message>
        <message>
            <source>DB_SAVE_ERROR_TEXT</source>
            <translation>Databasen kunne ikke gemmes. Filen på disken er ikke ændret. Kontrollér at der er plads på disken, og at du må skrive i mappen, og gem igen eller gem under et andet navn.</translation>
        </message>
        <message>
            <source>CAN_NOT_DELETE_LOCK_FILE:</source>
            <translation>Låsefilen kunne ikke slettes: </translation>
        </message>
        <message>
            <source>Kan ikke gemme gruppe fil:</source>
            <translation>Kan ikke gemme gruppefilen: </translation>
        </message>
        <message>
            <source>Kan ikke gemme lokale fil:</source>
            <translation>Kan ikke gemme lokalefilen: </translation>
        </message>
        <message>
            <source>KAN_IKKE_GEMME_LEVERAND_FIL:</source>
            <translation>Kan ikke gemme leverandørfilen: </translation>
        </message>
        <message>
            <source>KAN_IKKE_GEMME_FIELDS_FIL:</source>
            <translation>Kan ikke gemme feltnavnefilen: </translation>
        </message>
        <message>
            <source>Fil fejl</source>
            <translation>Filfejl</translation>
        </message>
    </context>
    <context>
        <name>captionstr</name>
        <message>
            <source>DOMVARA_CAPTION_TEXT</source>
            <translation>Domvara indboregistrering</translation>
        </message>
        <message>
            <source>PICTOVA_CAPTION_TEXT</source>
            <translation>Pictova billedsamling</translation>
        </message>
        <message>
            <source>MINTORA_CAPTION_TEXT</source>
            <translation>Mintora møntsamling</translation>
        </message>
        <message>
            <source>STOCKVANE_CAPTION_TEXT</source>
            <translation>Stockvane lagerstyring</translation>
        </message>
    </context>
</TS>
