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
        <name>ItemListView</name>
        <message>
            <source>Navn</source>
            <translation>Navn</translation>
        </message>
        <message>
            <source>LIST_HELP_PICTOVA</source>
            <translation>Listen viser alle billeder i samlingen, ordnet i grupper. Klik på en kolonneoverskrift for at sortere efter den kolonne.
Dobbeltklik på et billede for at se og redigere dets oplysninger, eller på en gruppe for at tilføje et nyt billede til gruppen.
Klik på et billedikon for at vise billedet, og på en webadresse for at åbne den. Højreklik for flere kommandoer.</translation>
        </message>
        <message>
            <source>LIST_HELP_MINTORA</source>
            <translation>Listen viser alle mønter i samlingen, ordnet i grupper. Klik på en kolonneoverskrift for at sortere efter den kolonne.
Dobbeltklik på en mønt for at redigere den, eller på en gruppe for at tilføje en ny mønt til gruppen.
Klik på billedikonet for forsiden eller bagsiden for at vise møntens billede. Højreklik for flere kommandoer.</translation>
        </message>
        <message>
            <source>LIST_HELP_1</source>
            <translation>Listen viser alle poster i databasen, ordnet i grupper. Klik på en kolonneoverskrift for at sortere efter den kolonne.
Dobbeltklik på en post for at redigere den, eller på en gruppe for at oprette en ny post i gruppen.
Klik på ikonet for billede, kvittering eller dokument, eller på en webadresse, for at åbne det. Højreklik for flere kommandoer.</translation>
        </message>
        <message>
            <source>NB!</source>
            <translation>Bemærk</translation>
        </message>
        <message>
            <source>Ingen URL tilknyttet valgte inventar</source>
            <translation>Den valgte post har ingen webadresse.</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Fejl - type</source>
            <translation>Ukendt gruppe</translation>
        </message>
        <message>
            <source>MAX_LIMIT_ERROR</source>
            <translation>En post har gruppenummer %1, men gruppelisten har ingen gruppe med det nummer (der kan højst være %2 grupper).
Posten vises ikke i listen. Tilføj den manglende gruppe under Opsætning, og åbn databasen igen.</translation>
        </message>
    </context>
    <context>
        <name>MainWindow</name>
        <message>
            <source>FILE_NEW</source>
            <translation>&amp;Ny</translation>
        </message>
        <message>
            <source>HELP_TEXT_FILE_NEW</source>
            <translation>Ny database: listen tømmes, så du kan begynde forfra. Er der ændringer, bliver du først spurgt, om de skal gemmes.</translation>
        </message>
        <message>
            <source>FILE_OPEN</source>
            <translation>Å&amp;bn...</translation>
        </message>
        <message>
            <source>HELP_TEXT_FILE_OPEN</source>
            <translation>Åbner en anden databasefil. Grupper, lokaler, leverandører og feltnavne læses fra filens mappe.</translation>
        </message>
        <message>
            <source>FILE_SAVE</source>
            <translation>&amp;Gem</translation>
        </message>
        <message>
            <source>HELP_TEXT_FILE_SAVE</source>
            <translation>Gemmer databasen i den åbne fil. Mislykkes det, er filen på disken uændret.</translation>
        </message>
        <message>
            <source>FILE_SAVE_AS</source>
            <translation>Gem &amp;som...</translation>
        </message>
        <message>
            <source>HELP_TEXT_FILE_SAVE_AS</source>
            <translation>Gemmer databasen under et nyt navn. Grupper, lokaler, leverandører og feltnavne gemmes i den nye mappe.</translation>
        </message>
        <message>
            <source>BACKUP...</source>
            <translation>Sikkerheds&amp;kopi...</translation>
        </message>
        <message>
            <source>HELP_TEXT_FILE_BACKUP</source>
            <translation>Skriver en kopi af databasen og dens lister til en .bak-fil. Den åbne database fortsætter uændret.</translation>
        </message>
        <message>
            <source>SAVE_SETTINGS</source>
            <translation>Gem &amp;indstillinger</translation>
        </message>
        <message>
            <source>HELP_TEXT_FILE_SAVESETTINGS</source>
            <translation>Husker vinduets størrelse og placering, kolonnebredderne og om alle grupper vises, til næste start.</translation>
        </message>
        <message>
            <source>QUIT</source>
            <translation>&amp;Afslut</translation>
        </message>
        <message>
            <source>StockvaneEditDelete</source>
            <translation>&amp;Slet vare</translation>
        </message>
        <message>
            <source>MintoraEditDelete</source>
            <translation>&amp;Slet mønt</translation>
        </message>
        <message>
            <source>PictovaEditDelete</source>
            <translation>&amp;Slet billede</translation>
        </message>
        <message>
            <source>&amp;Slet Domvara</source>
            <translation>&amp;Slet genstand</translation>
        </message>
        <message>
            <source>Vis &amp;alle</source>
            <translation>Vis &amp;alle</translation>
        </message>
        <message>
            <source>TOOLTIP_SHOW_FRONTSIDE_PICTURE_MINTORA</source>
            <translation>Vis &amp;forside</translation>
        </message>
        <message>
            <source>PICTOVA_SHOW_PICTURE</source>
            <translation>Vis &amp;billede</translation>
        </message>
        <message>
            <source>VIS_BILLEDE</source>
            <translation>Vis &amp;billede</translation>
        </message>
        <message>
            <source>TOOLTIP_SHOW_IMAGE_BTN</source>
            <translation>Viser billedet, der hører til den valgte række.</translation>
        </message>
        <message>
            <source>TOOLTIP_SHOW_BACKSIDE_PICTURE_MINTORA</source>
            <translation>Vis &amp;bagside</translation>
        </message>
        <message>
            <source>PICTOVA_SHOW_PICTURE2</source>
            <translation>Vis billede &amp;2</translation>
        </message>
        <message>
            <source>VIS_KVITTERING</source>
            <translation>Vis &amp;kvittering</translation>
        </message>
        <message>
            <source>HELP_TEXT_VIEW_BACKSIDE_PICTURE_MINTORA</source>
            <translation>Viser billedet af møntens bagside.</translation>
        </message>
        <message>
            <source>HELP_TEXT_VIEW_RECEIPT</source>
            <translation>Viser kvitteringen (eller det andet billede) for den valgte række.</translation>
        </message>
        <message>
            <source>VIS_WWW</source>
            <translation>Vis &amp;weblink</translation>
        </message>
        <message>
            <source>HELP_TEXT_VIEW_URL</source>
            <translation>Åbner den valgte rækkes weblink i browseren.</translation>
        </message>
        <message>
            <source>VIS_DOCUMENT</source>
            <translation>Vis &amp;dokument</translation>
        </message>
        <message>
            <source>HELP_TEXT_VIEW_DOCUMENTATION</source>
            <translation>Åbner dokumentet, der hører til den valgte række, i det program, skrivebordet bruger til den filtype.</translation>
        </message>
        <message>
            <source>&amp;Om domvara register...</source>
            <translation>&amp;Om Domvara...</translation>
        </message>
        <message>
            <source>&amp;Fil</source>
            <translation>&amp;Fil</translation>
        </message>
        <message>
            <source>&amp;Rediger</source>
            <translation>&amp;Rediger</translation>
        </message>
        <message>
            <source>&amp;Vis</source>
            <translation>&amp;Vis</translation>
        </message>
        <message>
            <source>&amp;Opsætning</source>
            <translation>&amp;Opsætning</translation>
        </message>
        <message>
            <source>&amp;Billedvisnings program...</source>
            <translation>&amp;Billedfremviser...</translation>
        </message>
        <message>
            <source>Internet program (&amp;www)...</source>
            <translation>Internetprogram (&amp;www)...</translation>
        </message>
        <message>
            <source>LANGUAGE_MENU</source>
            <translation>S&amp;prog</translation>
        </message>
        <message>
            <source>DANISH_LANG...</source>
            <translation>&amp;Dansk...</translation>
        </message>
        <message>
            <source>NORWAY_LANG...</source>
            <translation>&amp;Norsk...</translation>
        </message>
        <message>
            <source>ENGLISH_LANG...</source>
            <translation>&amp;Engelsk...</translation>
        </message>
        <message>
            <source>&amp;Hjælp</source>
            <translation>&amp;Hjælp</translation>
        </message>
        <message>
            <source>&amp;Hjælp...</source>
            <translation>&amp;Hjælp...</translation>
        </message>
        <message>
            <source>&amp;Tutorial...</source>
            <translation>&amp;Kom godt i gang...</translation>
        </message>
        <message>
            <source>&amp;Links...</source>
            <translation>&amp;Links...</translation>
        </message>
        <message>
            <source>&amp;ErrorHandling...</source>
            <translation>&amp;Fejlmeddelelser...</translation>
        </message>
        <message>
            <source>&amp;Release noter...</source>
            <translation>&amp;Udgivelsesnoter...</translation>
        </message>
        <message>
            <source>&amp;Hvad er det ?</source>
            <translation>&amp;Hvad er det?</translation>
        </message>
        <message>
            <source>Fil</source>
            <translation>Fil</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Værktøjer</translation>
        </message>
        <message>
            <source>SAVE_CURRENT_DB_QUESTION</source>
            <translation>Databasen er ændret. Vil du gemme ændringerne?</translation>
        </message>
        <message>
            <source>&amp;Gem</source>
            <translation>&amp;Gem</translation>
        </message>
        <message>
            <source>Gem &amp;ikke</source>
            <translation>Gem &amp;ikke</translation>
        </message>
        <message>
            <source>&amp;Fortryd</source>
            <translation>&amp;Fortryd</translation>
        </message>
        <message>
            <source>Åben domvara register fil</source>
            <translation>Vælg databasefil</translation>
        </message>
        <message>
            <source>FileError</source>
            <translation>Filfejl</translation>
        </message>
        <message>
            <source>ERROR_DB_FILE_CAN_NOT_BE_OPENED</source>
            <translation>Databasefilen kunne ikke åbnes eller læses. Næste gang programmet startes, åbner det demodatabasen.</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>NUMBERS_OF_ITEMS_READ_FORM_DB</source>
            <translation>%1 indlæst: %2 genstande på %3 sek.</translation>
        </message>
        <message>
            <source>StockvaneHelpAbout</source>
            <translation>&amp;Om Stockvane...</translation>
        </message>
        <message>
            <source>PictovaHelpAbout</source>
            <translation>&amp;Om Pictova...</translation>
        </message>
        <message>
            <source>MintoraHelpAbout</source>
            <translation>&amp;Om Mintora...</translation>
        </message>
        <message>
            <source>ITEMS_SAVED_DB_MESSAGE </source>
            <translation>%1 gemt: %2 genstande på %3 sek.</translation>
        </message>
        <message>
            <source>BackupCurrentDB</source>
            <translation>Sikkerhedskopi af databasen</translation>
        </message>
        <message>
            <source>NO_BACKUP_ERROR_NO_FILE_SAVED</source>
            <translation>Der blev ikke valgt nogen fil, så der er ikke taget en sikkerhedskopi.</translation>
        </message>
        <message>
            <source>Info</source>
            <translation>Information</translation>
        </message>
        <message>
            <source>RESTART_BEFORE_LANGUAGE_CHANGED</source>
            <translation>Det nye sprog bruges, når programmet startes igen. Så åbner det demodatabasen på det nye sprog.</translation>
        </message>
        <message>
            <source>Vælg eget billedvisnings program</source>
            <translation>Vælg billedfremviser</translation>
        </message>
        <message>
            <source>Billede visnings program (*.exe)</source>
            <translation>Programmer (*)</translation>
        </message>
        <message>
            <source>Vælg internet (www) program</source>
            <translation>Vælg webbrowser</translation>
        </message>
        <message>
            <source>Internet (www) program (*.exe)</source>
            <translation>Programmer (*)</translation>
        </message>
        <message>
            <source>About Stockvane</source>
            <translation>Om Stockvane</translation>
        </message>
        <message>
            <source>AboutStockvaneDetails</source>
            <translation>Stockvane %1

Lagerstyring: varer med lagernumre, placeringer, opdatering fra stregkodelæser og stregkodeetiketter.

Quorvane</translation>
        </message>
        <message>
            <source>About Pictova</source>
            <translation>Om Pictova</translation>
        </message>
        <message>
            <source>AboutPictovaDetails</source>
            <translation>Pictova %1

Registrering af billeder: malerier, grafik og fotografier med kunstner, billeder, proveniens og bedømmelser.

Quorvane</translation>
        </message>
        <message>
            <source>About Mintora</source>
            <translation>Om Mintora</translation>
        </message>
        <message>
            <source>AboutMintoraDetails</source>
            <translation>Mintora %1

Registrering af mønter: år, metal, katalog og katalognummer, kvalitet, værdi og billeder af for- og bagside.

Quorvane</translation>
        </message>
        <message>
            <source>About Domvara</source>
            <translation>Om Domvara</translation>
        </message>
        <message>
            <source>AboutDomvaraDetails</source>
            <translation>Domvara %1

Registrering af indbo: dine ting med billeder, kvitteringer og dokumenter, samlet ét sted til forsikringen, flytningen eller overblikket.

Quorvane</translation>
        </message>
    </context>
    <context>
        <name>ShellHelpers</name>
        <message>
            <source>Fejl</source>
            <translation>Fejl</translation>
        </message>
        <message>
            <source>NOTEPAD_NOT_FOUND</source>
            <translation>Udgivelsesnoterne kunne ikke vises.
Filen mangler, eller der er intet program til at vise tekstfiler.</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>HTML fejl</source>
            <translation>HTML-fejl</translation>
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
