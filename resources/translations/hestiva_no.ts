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
        <name>ItemListView</name>
        <message>
            <source>Navn</source>
            <translation>Navn</translation>
        </message>
        <message>
            <source>LIST_HELP_PICTOVA</source>
            <translation>Listen viser alle bildene i samlingen, ordnet i grupper. Klikk på en kolonneoverskrift for å sortere etter den kolonnen.
Dobbeltklikk på et bilde for å se og redigere opplysningene, eller på en gruppe for å legge til et nytt bilde i gruppen.
Klikk på et bildeikon for å vise bildet, og på en nettadresse for å åpne den. Høyreklikk for flere kommandoer.</translation>
        </message>
        <message>
            <source>LIST_HELP_MINTORA</source>
            <translation>Listen viser alle myntene i samlingen, ordnet i grupper. Klikk på en kolonneoverskrift for å sortere etter den kolonnen.
Dobbeltklikk på en mynt for å redigere den, eller på en gruppe for å legge til en ny mynt i gruppen.
Klikk på bildeikonet for forsiden eller baksiden for å vise bildet av mynten. Høyreklikk for flere kommandoer.</translation>
        </message>
        <message>
            <source>LIST_HELP_1</source>
            <translation>Listen viser alle postene i databasen, ordnet i grupper. Klikk på en kolonneoverskrift for å sortere etter den kolonnen.
Dobbeltklikk på en post for å redigere den, eller på en gruppe for å opprette en ny post i gruppen.
Klikk på ikonet for bilde, kvittering eller dokument, eller på en nettadresse, for å åpne det. Høyreklikk for flere kommandoer.</translation>
        </message>
        <message>
            <source>NB!</source>
            <translation>Merk</translation>
        </message>
        <message>
            <source>Ingen URL tilknyttet valgte inventar</source>
            <translation>Den valgte posten har ingen nettadresse.</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Fejl - type</source>
            <translation>Ukjent gruppe</translation>
        </message>
        <message>
            <source>MAX_LIMIT_ERROR</source>
            <translation>En post har gruppenummer %1, men grupplisten har ingen gruppe med det nummeret (det kan høyst være %2 grupper).
Posten vises ikke i listen. Legg til den manglende gruppen under Oppsett, og åpne databasen på nytt.</translation>
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
            <translation>Ny database: listen tømmes, så du kan begynne på nytt. Er det endringer, blir du først spurt om de skal lagres.</translation>
        </message>
        <message>
            <source>FILE_OPEN</source>
            <translation>Å&amp;pne...</translation>
        </message>
        <message>
            <source>HELP_TEXT_FILE_OPEN</source>
            <translation>Åpner en annen databasefil. Grupper, rom, leverandører og feltnavn leses fra mappen til filen.</translation>
        </message>
        <message>
            <source>FILE_SAVE</source>
            <translation>&amp;Lagre</translation>
        </message>
        <message>
            <source>HELP_TEXT_FILE_SAVE</source>
            <translation>Lagrer databasen i den åpne filen. Mislykkes det, er filen på disken uendret.</translation>
        </message>
        <message>
            <source>FILE_SAVE_AS</source>
            <translation>Lagre &amp;som...</translation>
        </message>
        <message>
            <source>HELP_TEXT_FILE_SAVE_AS</source>
            <translation>Lagrer databasen under et nytt navn. Grupper, rom, leverandører og feltnavn lagres i den nye mappen.</translation>
        </message>
        <message>
            <source>BACKUP...</source>
            <translation>Sikkerhets&amp;kopi...</translation>
        </message>
        <message>
            <source>HELP_TEXT_FILE_BACKUP</source>
            <translation>Skriver en kopi av databasen og listene til en .bak-fil. Den åpne databasen fortsetter uendret.</translation>
        </message>
        <message>
            <source>SAVE_SETTINGS</source>
            <translation>Lagre &amp;innstillinger</translation>
        </message>
        <message>
            <source>HELP_TEXT_FILE_SAVESETTINGS</source>
            <translation>Husker vinduets størrelse og plassering, kolonnebreddene og om alle grupper vises, til neste start.</translation>
        </message>
        <message>
            <source>QUIT</source>
            <translation>&amp;Avslutt</translation>
        </message>
        <message>
            <source>StockvaneEditDelete</source>
            <translation>&amp;Slett vare</translation>
        </message>
        <message>
            <source>MintoraEditDelete</source>
            <translation>&amp;Slett mynt</translation>
        </message>
        <message>
            <source>PictovaEditDelete</source>
            <translation>&amp;Slett bilde</translation>
        </message>
        <message>
            <source>&amp;Slet Domvara</source>
            <translation>&amp;Slett gjenstand</translation>
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
            <translation>Vis &amp;bilde</translation>
        </message>
        <message>
            <source>VIS_BILLEDE</source>
            <translation>Vis &amp;bilde</translation>
        </message>
        <message>
            <source>TOOLTIP_SHOW_IMAGE_BTN</source>
            <translation>Viser bildet som hører til den valgte raden.</translation>
        </message>
        <message>
            <source>TOOLTIP_SHOW_BACKSIDE_PICTURE_MINTORA</source>
            <translation>Vis &amp;bakside</translation>
        </message>
        <message>
            <source>PICTOVA_SHOW_PICTURE2</source>
            <translation>Vis bilde &amp;2</translation>
        </message>
        <message>
            <source>VIS_KVITTERING</source>
            <translation>Vis &amp;kvittering</translation>
        </message>
        <message>
            <source>HELP_TEXT_VIEW_BACKSIDE_PICTURE_MINTORA</source>
            <translation>Viser bildet av myntens bakside.</translation>
        </message>
        <message>
            <source>HELP_TEXT_VIEW_RECEIPT</source>
            <translation>Viser kvitteringen (eller det andre bildet) for den valgte raden.</translation>
        </message>
        <message>
            <source>VIS_WWW</source>
            <translation>Vis &amp;nettlenke</translation>
        </message>
        <message>
            <source>HELP_TEXT_VIEW_URL</source>
            <translation>Åpner nettlenken til den valgte raden i nettleseren.</translation>
        </message>
        <message>
            <source>VIS_DOCUMENT</source>
            <translation>Vis &amp;dokument</translation>
        </message>
        <message>
            <source>HELP_TEXT_VIEW_DOCUMENTATION</source>
            <translation>Åpner dokumentet til den valgte raden i programmet skrivebordet bruker for den filtypen.</translation>
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
            <translation>&amp;Oppsett</translation>
        </message>
        <message>
            <source>&amp;Billedvisnings program...</source>
            <translation>&amp;Bildeviser...</translation>
        </message>
        <message>
            <source>Internet program (&amp;www)...</source>
            <translation>Internettprogram (&amp;www)...</translation>
        </message>
        <message>
            <source>LANGUAGE_MENU</source>
            <translation>S&amp;pråk</translation>
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
            <translation>&amp;Hjelp</translation>
        </message>
        <message>
            <source>&amp;Hjælp...</source>
            <translation>&amp;Hjelp...</translation>
        </message>
        <message>
            <source>&amp;Tutorial...</source>
            <translation>&amp;Kom i gang...</translation>
        </message>
        <message>
            <source>&amp;Links...</source>
            <translation>&amp;Lenker...</translation>
        </message>
        <message>
            <source>&amp;ErrorHandling...</source>
            <translation>&amp;Feilmeldinger...</translation>
        </message>
        <message>
            <source>&amp;Release noter...</source>
            <translation>&amp;Versjonsmerknader...</translation>
        </message>
        <message>
            <source>&amp;Hvad er det ?</source>
            <translation>&amp;Hva er dette?</translation>
        </message>
        <message>
            <source>Fil</source>
            <translation>Fil</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Verktøy</translation>
        </message>
        <message>
            <source>SAVE_CURRENT_DB_QUESTION</source>
            <translation>Databasen er endret. Vil du lagre endringene?</translation>
        </message>
        <message>
            <source>&amp;Gem</source>
            <translation>&amp;Lagre</translation>
        </message>
        <message>
            <source>Gem &amp;ikke</source>
            <translation>&amp;Ikke lagre</translation>
        </message>
        <message>
            <source>&amp;Fortryd</source>
            <translation>&amp;Avbryt</translation>
        </message>
        <message>
            <source>Åben domvara register fil</source>
            <translation>Velg databasefil</translation>
        </message>
        <message>
            <source>FileError</source>
            <translation>Filfeil</translation>
        </message>
        <message>
            <source>ERROR_DB_FILE_CAN_NOT_BE_OPENED</source>
            <translation>Databasefilen kunne ikke åpnes eller leses. Neste gang programmet startes, åpner det demodatabasen.</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>NUMBERS_OF_ITEMS_READ_FORM_DB</source>
            <translation>%1 lest inn: %2 gjenstander på %3 sek.</translation>
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
            <translation>%1 lagret: %2 gjenstander på %3 sek.</translation>
        </message>
        <message>
            <source>BackupCurrentDB</source>
            <translation>Sikkerhetskopi av databasen</translation>
        </message>
        <message>
            <source>NO_BACKUP_ERROR_NO_FILE_SAVED</source>
            <translation>Det ble ikke valgt noen fil, så det er ikke tatt noen sikkerhetskopi.</translation>
        </message>
        <message>
            <source>Info</source>
            <translation>Informasjon</translation>
        </message>
        <message>
            <source>RESTART_BEFORE_LANGUAGE_CHANGED</source>
            <translation>Det nye språket brukes når programmet startes på nytt. Da åpner det demodatabasen på det nye språket.</translation>
        </message>
        <message>
            <source>Vælg eget billedvisnings program</source>
            <translation>Velg bildeviser</translation>
        </message>
        <message>
            <source>Billede visnings program (*.exe)</source>
            <translation>Programmer (*)</translation>
        </message>
        <message>
            <source>Vælg internet (www) program</source>
            <translation>Velg nettleser</translation>
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

Lagerstyring: varer med lagernumre, plasseringer, oppdatering fra strekkodeleser og strekkodeetiketter.

Quorvane</translation>
        </message>
        <message>
            <source>About Pictova</source>
            <translation>Om Pictova</translation>
        </message>
        <message>
            <source>AboutPictovaDetails</source>
            <translation>Pictova %1

Registrering av bilder: malerier, grafikk og fotografier med kunstner, bilder, proveniens og vurderinger.

Quorvane</translation>
        </message>
        <message>
            <source>About Mintora</source>
            <translation>Om Mintora</translation>
        </message>
        <message>
            <source>AboutMintoraDetails</source>
            <translation>Mintora %1

Registrering av mynter: år, metall, katalog og katalognummer, kvalitet, verdi og bilder av for- og bakside.

Quorvane</translation>
        </message>
        <message>
            <source>About Domvara</source>
            <translation>Om Domvara</translation>
        </message>
        <message>
            <source>AboutDomvaraDetails</source>
            <translation>Domvara %1

Registrering av innbo: tingene dine med bilder, kvitteringer og dokumenter, samlet på ett sted til forsikringen, flyttingen eller oversikten.

Quorvane</translation>
        </message>
    </context>
    <context>
        <name>ShellHelpers</name>
        <message>
            <source>Fejl</source>
            <translation>Feil</translation>
        </message>
        <message>
            <source>NOTEPAD_NOT_FOUND</source>
            <translation>Utgivelsesnotatene kunne ikke vises.
Filen mangler, eller det finnes ikke noe program for å vise tekstfiler.</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>HTML fejl</source>
            <translation>HTML-feil</translation>
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
