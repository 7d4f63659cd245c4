<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>AutomakeItems</name>
    <message>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>Number of items must be:
Greater than 0 and less than 1000</source>
        <translation>Antall poster må være:
større enn 0 og mindre enn 1000</translation>
    </message>
    <message>
        <source>AUTOMAKE_READ_ONLY</source>
        <translation>Databasen er åpnet skrivebeskyttet fordi en annen bruker har den åpen. Ingen poster ble opprettet.</translation>
    </message>
</context>
<context>
    <name>AutomakeItemsClass</name>
    <message>
        <source>AutomakeItems</source>
        <translation>Opprett poster automatisk</translation>
    </message>
    <message>
        <source>Number of items</source>
        <translation>&amp;Antall poster:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>N&amp;avn:</translation>
    </message>
    <message>
        <source>MakeItems</source>
        <translation>&amp;Opprett poster</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>&amp;Lukk</translation>
    </message>
</context>
<context>
    <name>CommonSetup</name>
    <message>
        <source>CommonSetupDialogTitle</source>
        <translation>Standardmapper</translation>
    </message>
    <message>
        <source>MINTORA_FRONT_PICTURE_PATH</source>
        <translation>Mappe for bilder av forsiden:</translation>
    </message>
    <message>
        <source>MINTORA_BACK_PICTURE_PATH</source>
        <translation>Mappe for bilder av baksiden:</translation>
    </message>
    <message>
        <source>BILLED_PATH</source>
        <translation>Mappe for bilder:</translation>
    </message>
    <message>
        <source>KVITTERINGS_PATH</source>
        <translation>Mappe for bilde 2:</translation>
    </message>
    <message>
        <source>ChoseAPictureDirectory</source>
        <translation>Velg mappen med bilder</translation>
    </message>
    <message>
        <source>ChoseAReceiptDirectory</source>
        <translation>Velg mappen med kvitteringer</translation>
    </message>
    <message>
        <source>ChoseADocumentDirectory</source>
        <translation>Velg mappen med dokumenter</translation>
    </message>
</context>
<context>
    <name>CommonSetupBase</name>
    <message>
        <source>CommonSetup</source>
        <translation>Standardmapper</translation>
    </message>
    <message>
        <source>TOOL_TIP_PICTURE_PATH</source>
        <translation>Her starter filvelgeren når du velger bildet til en post</translation>
    </message>
    <message>
        <source>PICTURE_PATH</source>
        <translation>Mappe for bilder:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Bla gjennom...</translation>
    </message>
    <message>
        <source>TOOL_TIP_RECEIPT_PATH</source>
        <translation>Her starter filvelgeren når du velger kvitteringen til en post</translation>
    </message>
    <message>
        <source>RECEIPT_PATH</source>
        <translation>Mappe for kvitteringer:</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>B&amp;la gjennom...</translation>
    </message>
    <message>
        <source>TOOL_TIP_DOCUMENT_PATH</source>
        <translation>Her starter filvelgeren når du velger dokumentet til en post</translation>
    </message>
    <message>
        <source>DOCUMENT_PATH</source>
        <translation>Mappe for dokumenter:</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Bla &amp;gjennom...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Br&amp;uk</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>BARCODE_LABELS</source>
        <translation>Strekkodeetiketter</translation>
    </message>
    <message>
        <source>TOOL_TIP_LABEL_PRINTER</source>
        <translation>Utskriftskøen som tar imot etikettene, eller en enhetssti som begynner med /. Tomt: skriveren i Setup/PrinterDevice.txt.</translation>
    </message>
    <message>
        <source>LABEL_PRINTER</source>
        <translation>Etikett&amp;skriver:</translation>
    </message>
    <message>
        <source>NAME_ON_ITEM_LABELS</source>
        <translation>&amp;Navn på vareetiketter</translation>
    </message>
    <message>
        <source>NAME_ON_LOCATION_LABELS</source>
        <translation>Navn på &amp;lokasjonsetiketter</translation>
    </message>
    <message>
        <source>TOOL_TIP_COUNT_EDITABLE</source>
        <translation>Vanligvis telles lageret av plasseringsoppdateringene. Slå dette på for å kunne skrive antallet selv.</translation>
    </message>
    <message>
        <source>COUNT_EDITABLE_IN_ITEM_DIALOG</source>
        <translation>Antall på lager kan endres i vare&amp;dialogen</translation>
    </message>
    <message>
        <source>INSURER_OWNER_GROUP</source>
        <translation>Eier (til rapporten til forsikringen)</translation>
    </message>
    <message>
        <source>TOOL_TIP_INSURER_OWNER</source>
        <translation>Navn og adresse som rapporten til forsikringen skriver ut på forsiden</translation>
    </message>
    <message>
        <source>OWNER_NAME</source>
        <translation>Eierens na&amp;vn:</translation>
    </message>
    <message>
        <source>OWNER_ADDRESS</source>
        <translation>Eierens a&amp;dresse:</translation>
    </message>
    <message>
        <source>TOOL_TIP_KEEP_PREVIOUS_VERSION</source>
        <translation>Hver gang databasen lagres, blir det tidligere innholdet liggende ved siden av den som navn.db~. Kan det ikke lages filer i mappen, legges den i programmets datamappe.</translation>
    </message>
    <message>
        <source>KEEP_PREVIOUS_VERSION</source>
        <translation>Ta vare på forrige utgave ved hver lagring (navn.db~)</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>CSV_EXPORT_TITLE</source>
        <translation>Eksporter til CSV</translation>
    </message>
    <message>
        <source>CSV_FILES</source>
        <translation>CSV-filer</translation>
    </message>
    <message>
        <source>CSV_NOT_WRITTEN %1 %2</source>
        <translation>%1 kunne ikke skrives: %2</translation>
    </message>
    <message>
        <source>CSV_EXPORTED %1 %2 %3</source>
        <translation>%1 ting skrevet til %2 på %3 s</translation>
    </message>
    <message>
        <source>CSV_IMPORT_TITLE</source>
        <translation>Importer fra CSV</translation>
    </message>
    <message>
        <source>CSV_DATABASE_READ_ONLY</source>
        <translation>Databasen er åpnet skrivebeskyttet; ingenting kan legges til.</translation>
    </message>
    <message>
        <source>ALL_FILES</source>
        <translation>Alle filer</translation>
    </message>
    <message>
        <source>CSV_NOT_READ %1 %2</source>
        <translation>%1 kunne ikke leses: %2</translation>
    </message>
    <message>
        <source>CSV_NOTHING_TO_IMPORT</source>
        <translation>Filen inneholder ingen rader å importere.</translation>
    </message>
    <message>
        <source>CSV_LINE %1: %2</source>
        <translation>Linje %1: %2</translation>
    </message>
    <message>
        <source>CSV_MORE_PROBLEMS %1</source>
        <translation>... og %1 rader til</translation>
    </message>
    <message>
        <source>CSV_ROWS_NOT_READ %1 %2</source>
        <translation>%1 rader kan ikke leses (se listen). %2 rader kan leses. Ingenting er endret ennå.</translation>
    </message>
    <message>
        <source>CSV_IMPORT_NOTHING</source>
        <translation>Importer &amp;ingenting</translation>
    </message>
    <message>
        <source>CSV_IMPORT_GOOD_ROWS %1</source>
        <translation>Importer de %1 &amp;gode radene</translation>
    </message>
    <message>
        <source>CSV_ITEMS_ADDED %1 %2</source>
        <translation>%1 ting lagt til fra CSV på %2 s; husk å lagre databasen</translation>
    </message>
</context>
<context>
    <name>CsvExportDialog</name>
    <message>
        <source>CSV_EXPORT_SELECTED %1</source>
        <translation>De &amp;valgte radene (%1)</translation>
    </message>
    <message>
        <source>CSV_SEMICOLON</source>
        <translation>Semikolon (;)</translation>
    </message>
    <message>
        <source>CSV_COMMA</source>
        <translation>Komma (,)</translation>
    </message>
    <message>
        <source>CSV_TAB</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>CSV_DECIMAL_COMMA</source>
        <translation>Komma (1499,50)</translation>
    </message>
    <message>
        <source>CSV_DECIMAL_POINT</source>
        <translation>Punktum (1499.50)</translation>
    </message>
    <message>
        <source>CSV_STYLE_ENGLISH</source>
        <translation>Filen skrives i UTF-8 med felt skilt med komma og tall med desimalpunktum, slik regneark på engelsk leser dem. Endre det her hvis regnearket ditt bruker noe annet.</translation>
    </message>
    <message>
        <source>CSV_STYLE_DANISH_NORWEGIAN</source>
        <translation>Filen skrives i UTF-8 med felt skilt med semikolon og tall med desimalkomma, slik regneark på norsk og dansk leser dem. Endre det her hvis regnearket ditt bruker noe annet.</translation>
    </message>
</context>
<context>
    <name>CsvExportDialogBase</name>
    <message>
        <source>CSV_EXPORT_TITLE</source>
        <translation>Eksporter til CSV</translation>
    </message>
    <message>
        <source>CSV_EXPORT_WHICH_ITEMS</source>
        <translation>Hva skal med?</translation>
    </message>
    <message>
        <source>CSV_EXPORT_ALL</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>CSV_EXPORT_ONE_GROUP</source>
        <translation>&amp;Én gruppe:</translation>
    </message>
    <message>
        <source>CSV_EXPORT_SELECTED</source>
        <translation>De &amp;valgte radene</translation>
    </message>
    <message>
        <source>CSV_EXPORT_STYLE</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>CSV_DELIMITER</source>
        <translation>&amp;Skilletegn:</translation>
    </message>
    <message>
        <source>CSV_DECIMAL_MARK</source>
        <translation>&amp;Desimaltegn:</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>CSV_TEXT_TOO_LONG %1</source>
        <translation>teksten er lengre enn %1 tegn</translation>
    </message>
    <message>
        <source>CSV_TEXT_HOLDS_SEMICOLON</source>
        <translation>teksten inneholder «;», som databasefilen ikke kan lagre</translation>
    </message>
    <message>
        <source>CSV_CHARACTER_NOT_STORABLE %1</source>
        <translation>tegnet %1 kan ikke lagres i databasefilen</translation>
    </message>
    <message>
        <source>CSV_QUOTE_NOT_CLOSED</source>
        <translation>et anførselstegn lukkes aldri, så resten av filen kan ikke leses</translation>
    </message>
    <message>
        <source>CSV_TOO_FEW_CELLS %1 %2</source>
        <translation>raden har %1 celler, overskriften %2</translation>
    </message>
    <message>
        <source>CSV_TOO_MANY_CELLS %1 %2</source>
        <translation>raden har %1 celler, overskriften bare %2</translation>
    </message>
    <message>
        <source>CSV_NOT_A_FIGURE %1</source>
        <translation>«%1» er ikke et tall</translation>
    </message>
    <message>
        <source>CSV_NOT_A_WHOLE_NUMBER %1</source>
        <translation>«%1» er ikke et heltall</translation>
    </message>
    <message>
        <source>CSV_NOT_A_DATE %1</source>
        <translation>«%1» er ikke en dato (dd.mm.åååå, dd-mm-åååå, d/m/åååå eller åååå-mm-dd)</translation>
    </message>
    <message>
        <source>CSV_SERIAL_NUMBER_EXISTS %1</source>
        <translation>lagernummer %1 finnes allerede i databasen</translation>
    </message>
    <message>
        <source>CSV_LIST_FULL %1</source>
        <translation>Listen kan ha høyst %1 navn; det er ikke plass til de nye. Velg i stedet å legge tingene i et navn som finnes.</translation>
    </message>
    <message>
        <source>CSV_LIST_NOT_CHANGED</source>
        <translation>Listen kunne ikke endres, så ingenting er lagt til.</translation>
    </message>
    <message>
        <source>CSV_COLUMN %1</source>
        <translation>kolonne %1</translation>
    </message>
</context>
<context>
    <name>CsvMappingDialog</name>
    <message>
        <source>CSV_FIELD</source>
        <translation>Felt</translation>
    </message>
    <message>
        <source>CSV_IGNORE</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>CSV_DECIMAL_COMMA</source>
        <translation>Komma (1499,50)</translation>
    </message>
    <message>
        <source>CSV_DECIMAL_POINT</source>
        <translation>Punktum (1499.50)</translation>
    </message>
    <message>
        <source>CSV_NO_FIELD_CHOSEN</source>
        <translation>Velg et felt for minst én kolonne.</translation>
    </message>
</context>
<context>
    <name>CsvMappingDialogBase</name>
    <message>
        <source>CSV_MAPPING_TITLE</source>
        <translation>Importer fra CSV: kolonner</translation>
    </message>
    <message>
        <source>CSV_MAPPING_INFO</source>
        <translation>Velg for hver kolonne hvilket felt den fyller, eller «Ignorer». Nedenfor vises filens første rader med linjenumre.</translation>
    </message>
    <message>
        <source>CSV_FIRST_ROW_IS_HEADER</source>
        <translation>Første rad er &amp;overskrifter</translation>
    </message>
    <message>
        <source>CSV_DECIMAL_MARK</source>
        <translation>&amp;Desimaltegn:</translation>
    </message>
</context>
<context>
    <name>CsvUnknownNamesDialog</name>
    <message>
        <source>CSV_UNKNOWN_NAMES %1 %2</source>
        <translation>Filen nevner %1 navn som ikke er i listen: %2</translation>
    </message>
</context>
<context>
    <name>CsvUnknownNamesDialogBase</name>
    <message>
        <source>CSV_UNKNOWN_NAMES_TITLE</source>
        <translation>Importer fra CSV: nye navn</translation>
    </message>
    <message>
        <source>CSV_ADD_TO_LIST</source>
        <translation>&amp;Legg dem til i listen</translation>
    </message>
    <message>
        <source>CSV_PUT_INTO</source>
        <translation>&amp;Legg disse i:</translation>
    </message>
</context>
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
        <translation>Databasen er åpnet bare for lesing fordi en annen bruker har den åpen. Ingenting er lagret.</translation>
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
    <message>
        <source>FOLDER_LOCKED</source>
        <translation>Mappen er låst</translation>
    </message>
    <message>
        <source>FOLDER_LOCKED_BY_ANOTHER</source>
        <translation>Et annet program har låst mappen %1:
%2

Ingenting er skrevet i den.</translation>
    </message>
    <message>
        <source>DB_LOAD_STOPPED_AT_LINE %1 %2</source>
        <translation>Innlesingen stoppet ved linje %2 i filen. De %1 postene før den vises; resten av filen er ikke endret. Lagrer du over filen, blir du spurt først.</translation>
    </message>
    <message>
        <source>DB_NEWER_FORMAT_READ %1 %2</source>
        <translation>Databasen %2 er skrevet i format %1, som er nyere enn dette programmet kjenner. Felt programmet ikke kjenner, vises ikke, og filen blir ikke lagret over, så ingenting i den går tapt. Bruk Fil, Lagre som for å lagre endringene dine i en ny fil.</translation>
    </message>
    <message>
        <source>DB_NEWER_FORMAT_TITLE</source>
        <translation>Databasen er i et nyere format</translation>
    </message>
    <message>
        <source>DB_NEWER_FORMAT_NO_SAVE %1 %2</source>
        <translation>Databasen %2 er skrevet i format %1, som er nyere enn dette programmet kjenner. Den er ikke lagret, fordi den kan inneholde felt som ville gått tapt. Bruk Fil, Lagre som for å lagre endringene dine i en ny fil.</translation>
    </message>
    <message>
        <source>LOCK_NOT_CREATED_TITLE</source>
        <translation>Låsefil ikke opprettet</translation>
    </message>
    <message>
        <source>LOCK_NOT_CREATED %1 %2</source>
        <translation>Låsefilen %1 kunne ikke opprettes (%2).

Databasen åpnes og kan lagres, men andre brukere holdes ikke ute mens du har den åpen: sørg for at ingen andre arbeider i den samtidig.</translation>
    </message>
    <message>
        <source>STALE_LOCK_TITLE</source>
        <translation>Databasen ble ikke lukket</translation>
    </message>
    <message>
        <source>STALE_LOCK_QUESTION %1 %2</source>
        <translation>Databasen %1 er fortsatt låst av Stockvane på denne datamaskinen (prosess %2), men det programmet kjører ikke lenger: det ble trolig avbrutt av et krasj eller et strømbrudd.

Vil du overta databasen? Ellers åpnes den skrivebeskyttet.</translation>
    </message>
    <message>
        <source>TAKE_OVER_LOCK</source>
        <translation>&amp;Overta</translation>
    </message>
    <message>
        <source>OPEN_READ_ONLY</source>
        <translation>Åpne &amp;skrivebeskyttet</translation>
    </message>
    <message>
        <source>LOCK_HOLDER_UNKNOWN</source>
        <translation>(ukjent – låsefilen kan ikke leses)</translation>
    </message>
    <message>
        <source>TAKE_OVER_LOCK...</source>
        <translation>&amp;Overta...</translation>
    </message>
    <message>
        <source>LOCK_HOLDER %1 %2</source>
        <translation>brukeren %1 på datamaskinen %2</translation>
    </message>
    <message>
        <source>TAKE_OVER_LOCK_TITLE</source>
        <translation>Overta databasen?</translation>
    </message>
    <message>
        <source>TAKE_OVER_LOCK_CONFIRM %1 %2</source>
        <translation>Databasen %1 er låst av %2.

Overta den bare hvis du er sikker på at ingen andre programmer har den åpen – på den datamaskinen eller noen annen. Er den fortsatt åpen der, overskriver endringene som lagres der og her, hverandre.

Vil du overta databasen?</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>%1 gemt, antal: %3, tid: %4 sec </source>
        <translation>%1 lagret: %3 gjenstander på %4 sek.</translation>
    </message>
    <message>
        <source>%1.%2 gemt, antal: %3, tid: %4 sec </source>
        <translation>%1.%2 lagret som HTML-side: %3 gjenstander på %4 sek.</translation>
    </message>
    <message>
        <source>EXPORT_ERROR_TITLE</source>
        <translation>Eksporten mislyktes</translation>
    </message>
    <message>
        <source>EXPORT_ERROR_TEXT %1</source>
        <translation>Filen %1 kunne ikke skrives. En tidligere fil med samme navn er ikke endret.
Kontroller at mappen finnes, at du har skrivetilgang til den, og at det er plass på disken.</translation>
    </message>
</context>
<context>
    <name>FileWriteOutcome</name>
    <message>
        <source>SAFE_WRITE_NO_COPY %1</source>
        <translation>Mappen tillater ikke nye filer, og det kunne ikke legges en kopi av filen i %1 før den skulle skrives direkte. Derfor er den ikke skrevet.</translation>
    </message>
    <message>
        <source>SAFE_WRITE_RESTORED %1</source>
        <translation>Mappen tillater ikke nye filer, så filen ble skrevet direkte, og det mislyktes. Det tidligere innholdet er lagt tilbake; en kopi ligger i %1.</translation>
    </message>
    <message>
        <source>SAFE_WRITE_NOT_RESTORED %1</source>
        <translation>Mappen tillater ikke nye filer, så filen ble skrevet direkte, og det mislyktes. Det tidligere innholdet kunne ikke legges tilbake, så filen kan være skadet. Det tidligere innholdet ligger i %1: kopier den filen tilbake på plass.</translation>
    </message>
</context>
<context>
    <name>HtmlExport</name>
    <message>
        <source>ITEM_COUNT</source>
        <translation>Nr.;</translation>
    </message>
</context>
<context>
    <name>InsurerReport</name>
    <message>
        <source>INSURER_PURCHASE_VALUE</source>
        <translation>Kjøpsverdi</translation>
    </message>
    <message>
        <source>INSURER_VALUE_TODAY</source>
        <translation>Verdi i dag</translation>
    </message>
    <message>
        <source>INSURER_TOTAL_LINE %1 %2 %3 %4 %5 %6</source>
        <translation>%1: %2 gjenstander – %3: %4 – %5: %6</translation>
    </message>
    <message>
        <source>INSURER_NO_RECEIPT</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>INSURER_RECEIPT_LINKED %1</source>
        <translation>Ja (%1)</translation>
    </message>
    <message>
        <source>INSURER_RECEIPT_MISSING %1</source>
        <translation>Ja, men filen mangler: %1</translation>
    </message>
    <message>
        <source>INSURER_REPORT_TITLE</source>
        <translation>Rapport til forsikringen</translation>
    </message>
    <message>
        <source>INSURER_DATABASE</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>INSURER_DATE</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>INSURER_OWNER</source>
        <translation>Eier</translation>
    </message>
    <message>
        <source>INSURER_ADDRESS</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>INSURER_SCOPE</source>
        <translation>Omfatter</translation>
    </message>
    <message>
        <source>INSURER_ITEM_COUNT</source>
        <translation>Antall gjenstander</translation>
    </message>
    <message>
        <source>INSURER_SUBTOTAL %1</source>
        <translation>Delsum %1</translation>
    </message>
    <message>
        <source>INSURER_GRAND_TOTAL</source>
        <translation>Totalsum</translation>
    </message>
    <message>
        <source>INSURER_PAGE %1 %2</source>
        <translation>Side %1 av %2</translation>
    </message>
    <message>
        <source>INSURER_NO_PHOTO</source>
        <translation>Intet bilde</translation>
    </message>
    <message>
        <source>INSURER_PHOTO_UNREADABLE</source>
        <translation>Bildet kan ikke leses</translation>
    </message>
    <message>
        <source>INSURER_PHOTO_MISSING</source>
        <translation>Bildefilen mangler</translation>
    </message>
</context>
<context>
    <name>InsurerReportDialog</name>
    <message>
        <source>INSURER_REPORT_ALL_ITEMS %1</source>
        <translation>Hele databasen (%1 gjenstander)</translation>
    </message>
    <message>
        <source>INSURER_REPORT_SELECTED_ITEMS %1</source>
        <translation>De merkede gjenstandene (%1)</translation>
    </message>
    <message>
        <source>INSURER_REPORT_NO_OWNER</source>
        <translation>Eierens navn og adresse er ikke oppgitt; skriv dem under Oppsett &gt; Standardmapper.</translation>
    </message>
    <message>
        <source>INSURER_REPORT_OWNER %1</source>
        <translation>Eier: %1 (endres under Oppsett &gt; Standardmapper)</translation>
    </message>
    <message>
        <source>INSURER_REPORT_SCOPE_GROUP %1</source>
        <translation>Gruppen %1</translation>
    </message>
    <message>
        <source>INSURER_REPORT_SCOPE_SELECTED</source>
        <translation>De merkede gjenstandene</translation>
    </message>
    <message>
        <source>INSURER_REPORT_READING_PICTURES</source>
        <translation>Leser bildene...</translation>
    </message>
    <message>
        <source>INSURER_REPORT_SAVE_PDF</source>
        <translation>Lagre som PDF...</translation>
    </message>
    <message>
        <source>INSURER_REPORT_TITLE</source>
        <translation>Rapport til forsikringen</translation>
    </message>
    <message>
        <source>INSURER_REPORT_PRINTED</source>
        <translation>Rapporten til forsikringen er skrevet ut</translation>
    </message>
    <message>
        <source>INSURER_REPORT_SAVE_PDF_CAPTION</source>
        <translation>Lagre rapporten til forsikringen som PDF</translation>
    </message>
    <message>
        <source>INSURER_REPORT_FILE_NAME %1</source>
        <translation>%1 - rapport til forsikringen.pdf</translation>
    </message>
    <message>
        <source>INSURER_REPORT_PDF_FILTER</source>
        <translation>PDF-filer (*.pdf)</translation>
    </message>
    <message>
        <source>INSURER_REPORT_SAVED %1</source>
        <translation>Rapporten til forsikringen er lagret i %1</translation>
    </message>
</context>
<context>
    <name>InsurerReportDialogBase</name>
    <message>
        <source>INSURER_REPORT_DIALOG_TITLE</source>
        <translation>Rapport til forsikringen</translation>
    </message>
    <message>
        <source>INSURER_REPORT_ITEMS</source>
        <translation>Gjenstander i rapporten</translation>
    </message>
    <message>
        <source>INSURER_REPORT_ALL_ITEMS</source>
        <translation>Hele databasen</translation>
    </message>
    <message>
        <source>INSURER_REPORT_ONE_GROUP</source>
        <translation>Én &amp;gruppe:</translation>
    </message>
    <message>
        <source>INSURER_REPORT_SELECTED_ITEMS</source>
        <translation>De merkede gjenstandene</translation>
    </message>
    <message>
        <source>INSURER_REPORT_PREVIEW</source>
        <translation>&amp;Forhåndsvis...</translation>
    </message>
    <message>
        <source>INSURER_REPORT_SAVE_PDF</source>
        <translation>Lagre som &amp;PDF...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>ItemDialog</name>
    <message>
        <source>PICTURE_GALLERY</source>
        <translation>Bildegalleri</translation>
    </message>
    <message>
        <source>TOOLTIP_PICTOVA_REG_NUMBER</source>
        <translation>Bildets registreringsnummer</translation>
    </message>
    <message>
        <source>WHATSHIS_PICTOVA_REG_NUMBER</source>
        <translation>Bildets registreringsnummer i samlingen, et heltall.</translation>
    </message>
    <message>
        <source>TOOLTIP_PICTOVA_ESTIMATED_PRICE</source>
        <translation>Vurdert pris</translation>
    </message>
    <message>
        <source>WHATSHIS_PICTOVA_ESTIMATED_PRICE</source>
        <translation>Prisen bildet er vurdert til. Bruk punktum som desimaltegn, f.eks. 2500.00.</translation>
    </message>
    <message>
        <source>TOOLTIP_PICTOVA_SALESPRICE</source>
        <translation>Salgspris</translation>
    </message>
    <message>
        <source>WHATSHIS_PICTOVA_SALESPRICE</source>
        <translation>Prisen bildet er solgt for eller kan selges for. Bruk punktum som desimaltegn.</translation>
    </message>
    <message>
        <source>TOOLTIP_PICTOVA_DOCUMENT</source>
        <translation>Lenke til et dokument om bildet, f.eks. et sertifikat</translation>
    </message>
    <message>
        <source>WHATSHIS_PICTOVA_DOCUMENT</source>
        <translation>Stien til et dokument om bildet, f.eks. et ekthetssertifikat eller en takst. Velg filen med knappen til høyre.</translation>
    </message>
    <message>
        <source>MINTORA_DIALOG_TITLE</source>
        <translation>Mynt</translation>
    </message>
    <message>
        <source>TOOLTIP_DB_NUMBEROF</source>
        <translation>Antall eksemplarer av mynten</translation>
    </message>
    <message>
        <source>TOOLTIP_MINTORA_DOCUMENT</source>
        <translation>Lenke til et dokument om mynten, f.eks. et sertifikat</translation>
    </message>
    <message>
        <source>TOOLTIP_MINTORA_QUALITY</source>
        <translation>Myntens kvalitet</translation>
    </message>
    <message>
        <source>WHATSHIS_MINTORA_QUALITY</source>
        <translation>Myntens kvalitet (bevaringsgrad), skrevet slik katalogen din gjør.</translation>
    </message>
    <message>
        <source>TOOLTIP_MINTORA_BACKSIDE_PICTURE</source>
        <translation>Lenke til et bilde av myntens bakside</translation>
    </message>
    <message>
        <source>TOOLTIP_BROWSE_BACKSIDE_PICTURE_MINTORA</source>
        <translation>Velg bildet av myntens bakside</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_BACKSIDE_PICTURE_MINTORA</source>
        <translation>Vis bildet av myntens bakside</translation>
    </message>
    <message>
        <source>SHOWPHOTO</source>
        <translation>Vis </translation>
    </message>
    <message>
        <source>BROWSEPHOTO</source>
        <translation>Sett inn </translation>
    </message>
    <message>
        <source>SHOWWWW</source>
        <translation>Vis </translation>
    </message>
    <message>
        <source>BROWSERECIEPT</source>
        <translation>Sett inn </translation>
    </message>
    <message>
        <source>SHOWRECIEPT</source>
        <translation>Vis </translation>
    </message>
    <message>
        <source>BROWSEDOC</source>
        <translation>Sett inn </translation>
    </message>
    <message>
        <source>SHOWDOC</source>
        <translation>Vis </translation>
    </message>
    <message>
        <source>Felt grænseværdi fejl</source>
        <translation>Ugyldig verdi</translation>
    </message>
    <message>
        <source>Ret det !</source>
        <translation>Rett feltet og prøv igjen.</translation>
    </message>
    <message>
        <source>&apos;Købspris&apos; skal være: 0.0 -&gt; %1</source>
        <translation>Innkjøpsprisen må være et tall fra 0.00 til %1 med høyst to desimaler, f.eks. 1499.50.</translation>
    </message>
    <message>
        <source>&apos;Vurderet pris&apos; skal være: 0.0 -&gt; %1</source>
        <translation>Den vurderte prisen må være et tall fra 0.00 til %1 med høyst to desimaler. La feltet stå tomt for å bruke innkjøpsprisen.</translation>
    </message>
    <message>
        <source>&apos;Antal&apos; skal være i intervalet: 0 -&gt; %1</source>
        <translation>Antallet må være et heltall fra 1 til %1.</translation>
    </message>
    <message>
        <source>DomvaraNameMissing</source>
        <translation>Gi posten et navn før du lagrer den.</translation>
    </message>
    <message>
        <source>StockvaneNameMissing</source>
        <translation>Gi varen et navn før du lagrer den.</translation>
    </message>
    <message>
        <source>PictovaNameMissing</source>
        <translation>Gi bildet et navn før du lagrer det.</translation>
    </message>
    <message>
        <source>MintoraNameMissing</source>
        <translation>Skriv inn myntens årstall før du lagrer den.</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>StockvaneItemTypeHasNotBeenSelected</source>
        <translation>Velg en verdi i feltet: </translation>
    </message>
    <message>
        <source>Fejl søgning</source>
        <translation>Ingenting funnet</translation>
    </message>
    <message>
        <source>Search_Error</source>
        <translation>Ingen post passer til søket. Endre søkekriteriene og prøv igjen.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>TotalPrice</source>
        <translation>Pris totalt</translation>
    </message>
    <message>
        <source>READ ONLY</source>
        <translation>Bare lesing</translation>
    </message>
    <message>
        <source>READ ONLY MODE - No Save</source>
        <translation>Databasen er åpnet bare for lesing fordi en annen bruker har den åpen. Endringene er ikke lagret.</translation>
    </message>
    <message>
        <source>WHOLE_NUMBER_NOT_READABLE %1 %2</source>
        <translation>&apos;%1&apos; må være et helt tall uten fortegn og skilletegn, ikke &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>FIGURE_NOT_READABLE %1 %2</source>
        <translation>&apos;%1&apos; kan ikke leses som et beløp: &quot;%2&quot;.
Skriv sifre med høyst ett desimalkomma eller -punktum og høyst to desimaler, uten tusenskille, f.eks. 1499,50.</translation>
    </message>
    <message>
        <source>SAVE_ITEM_CHANGES_QUESTION</source>
        <translation>Endringene i skjemaet er ikke lagret. Vil du lagre dem?</translation>
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
        <source>EXTRA_FIELD_NOT_KEPT</source>
        <translation>Databasefilen i dette programmet lagrer ikke feltet, så det kan ikke fylles ut her.</translation>
    </message>
    <message>
        <source>DELETE_READ_ONLY</source>
        <translation>Databasen er åpnet bare for lesing fordi en annen bruker har den åpen. Ingenting er slettet.</translation>
    </message>
    <message>
        <source>LINK_CHARACTERS_NOT_STORABLE</source>
        <translation>navnet inneholder tegn som databasen ikke kan lagre</translation>
    </message>
    <message>
        <source>LINK_SEPARATOR_NOT_STORABLE</source>
        <translation>navnet inneholder &quot;;&quot;, som databasen bruker som skilletegn</translation>
    </message>
    <message>
        <source>LINK_TOO_LONG %1</source>
        <translation>stien er lengre enn de %1 tegnene databasen kan lagre</translation>
    </message>
    <message>
        <source>LINK_NOT_STORABLE_TITLE</source>
        <translation>Filen kan ikke knyttes til</translation>
    </message>
    <message>
        <source>LINK_NOT_STORABLE %1 %2</source>
        <translation>Filen %1 kan ikke knyttes til: %2. Databasen måtte ha endret navnet, og da kunne filen ikke åpnes etterpå. Gi filen nytt navn (eller flytt den til en kortere sti), og velg den på nytt.</translation>
    </message>
    <message>
        <source>FILE_FILTER_PICTURES</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>FILE_FILTER_PDF</source>
        <translation>PDF-dokumenter</translation>
    </message>
    <message>
        <source>FILE_FILTER_ALL</source>
        <translation>Alle filer</translation>
    </message>
    <message>
        <source>FILE_FILTER_RECEIPTS</source>
        <translation>Kvitteringer</translation>
    </message>
    <message>
        <source>FILE_FILTER_DOCUMENTS</source>
        <translation>Dokumenter</translation>
    </message>
    <message>
        <source>PICTURE_NOT_READABLE %1</source>
        <translation>Bildet kan ikke leses: %1</translation>
    </message>
    <message>
        <source>PICTURE_NOT_FOUND %1</source>
        <translation>Bildet finnes ikke: %1</translation>
    </message>
</context>
<context>
    <name>ItemDialogBase</name>
    <message>
        <source>Inventar</source>
        <translation>Inventar</translation>
    </message>
    <message>
        <source>WHATSHIS_DIALOG</source>
        <translation>Her ser og redigerer du én post: skriv opplysningene på fanen Data, se bilde og kvittering på de andre fanene, og bruk knappene til høyre for å lagre, kopiere, opprette, søke og skrive ut.</translation>
    </message>
    <message>
        <source>WHATSHIS_PAGE</source>
        <translation>Fanene viser postens opplysninger, bildet og kvitteringen. Fanene Bilde og Kvittering kan bare velges når posten har et bilde å vise.</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Data</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type:</translation>
    </message>
    <message>
        <source>TOOLTIP_TYPE </source>
        <translation>Gruppen posten hører til</translation>
    </message>
    <message>
        <source>WHATSHIS_TYPE</source>
        <translation>Velg gruppen posten hører til. Listen over grupper redigeres under Oppsett.</translation>
    </message>
    <message>
        <source>&amp;Navn:</source>
        <translation>&amp;Navn:</translation>
    </message>
    <message>
        <source>TOOLTIP_NAME</source>
        <translation>Postens navn</translation>
    </message>
    <message>
        <source>WHATSHIS_NAME</source>
        <translation>Skriv postens navn. Navnet må fylles ut og vises i listen. Semikolon kan ikke brukes.</translation>
    </message>
    <message>
        <source>&amp;Fabrikat:</source>
        <translation>&amp;Merke:</translation>
    </message>
    <message>
        <source>TOOLTIP_PRODUCT</source>
        <translation>Fabrikat eller merke</translation>
    </message>
    <message>
        <source>WHATSHIS_PRODUCT</source>
        <translation>Skriv fabrikat eller merke, f.eks. produsentens navn.</translation>
    </message>
    <message>
        <source>PRODUCT_BRAND</source>
        <translation>&amp;Modell:</translation>
    </message>
    <message>
        <source>TOOLTIP_PRODUCT_BRAND</source>
        <translation>Modell eller produkttype</translation>
    </message>
    <message>
        <source>WHATSHIS_PRODUCT_BRAND</source>
        <translation>Skriv modell eller produkttype, f.eks. typenummeret på merkeskiltet.</translation>
    </message>
    <message>
        <source>&amp;Antal:</source>
        <translation>&amp;Antall:</translation>
    </message>
    <message>
        <source>TOOLTIP_NUMBER</source>
        <translation>Antall stk.</translation>
    </message>
    <message>
        <source>WHATSHIS_NUMBER</source>
        <translation>Skriv hvor mange stk. posten omfatter, et heltall fra 1 til 100000. Samlet verdi er antall ganger pris.</translation>
    </message>
    <message>
        <source>stk</source>
        <translation>stk</translation>
    </message>
    <message>
        <source>&amp;Pris (1 stk):</source>
        <translation>&amp;Pris (1 stk):</translation>
    </message>
    <message>
        <source>TOOLTIP_PRICE</source>
        <translation>Innkjøpspris for 1 stk.</translation>
    </message>
    <message>
        <source>WHATSHIS_PRICE</source>
        <translation>Skriv innkjøpsprisen for 1 stk. med punktum som desimaltegn, f.eks. 1499.50.</translation>
    </message>
    <message>
        <source>kr   Ialt</source>
        <translation>kr   Totalt</translation>
    </message>
    <message>
        <source>TOOLTIP_TOTAL</source>
        <translation>Samlet verdi: antall ganger pris</translation>
    </message>
    <message>
        <source>WHATSTHIS_TOTAL</source>
        <translation>Viser samlet verdi, antall ganger pris. Feltet regnes ut av programmet og kan ikke redigeres.</translation>
    </message>
    <message>
        <source>&amp;Vurderet pris (ialt):</source>
        <translation>&amp;Vurdert pris (totalt):</translation>
    </message>
    <message>
        <source>prisen for 1. stk (antal=1)</source>
        <translation>Prisen for 1 stk. (antall = 1)</translation>
    </message>
    <message>
        <source>TOOLTIP_EVALPRICE</source>
        <translation>Hva posten er verdt i dag</translation>
    </message>
    <message>
        <source>WHATSHIS_EVALPRICE</source>
        <translation>Skriv hva posten er verdt i dag, f.eks. for forsikringen. Står feltet tomt når du lagrer, brukes innkjøpsprisen.</translation>
    </message>
    <message>
        <source>kr</source>
        <translation>kr</translation>
    </message>
    <message>
        <source>&amp;Købsdato:</source>
        <translation>&amp;Kjøpsdato:</translation>
    </message>
    <message>
        <source>TOOLTIP_DATE</source>
        <translation>Kjøpsdato (dd.mm.åååå)</translation>
    </message>
    <message>
        <source>WHATSHIS_DATE</source>
        <translation>Velg datoen posten ble kjøpt. Klikk på pilen for å velge i en kalender. Det lille bildet til høyre viser postens bilde.</translation>
    </message>
    <message>
        <source>image</source>
        <translation>bilde</translation>
    </message>
    <message>
        <source>&amp;Lokale/rum:</source>
        <translation>&amp;Lokale/rom:</translation>
    </message>
    <message>
        <source>TOOLTIP_LOCALE</source>
        <translation>Rommet der posten står</translation>
    </message>
    <message>
        <source>WHATSHIS_LOCALE</source>
        <translation>Velg rommet eller stedet der posten står. Listen over rom redigeres under Oppsett.</translation>
    </message>
    <message>
        <source>&amp;Leverandør:</source>
        <translation>&amp;Leverandør:</translation>
    </message>
    <message>
        <source>SUPPLIER_TOOLTIP</source>
        <translation>Hvor posten er kjøpt</translation>
    </message>
    <message>
        <source>SUPPLIER_WHATSTHIS</source>
        <translation>Velg leverandøren i listen, eller skriv et nytt navn. Listen over leverandører redigeres under Oppsett.</translation>
    </message>
    <message>
        <source>&amp;EXTRA_INFO</source>
        <translation>&amp;Ekstra info:</translation>
    </message>
    <message>
        <source>EXTRA_TOOLTIP</source>
        <translation>Ekstra opplysninger, f.eks. leverandørens adresse</translation>
    </message>
    <message>
        <source>EXTRA_WHATSTHIS</source>
        <translation>Skriv ekstra opplysninger om posten, f.eks. leverandørens adresse eller telefonnummer.</translation>
    </message>
    <message>
        <source>ww&amp;w (link til web):</source>
        <translation>ww&amp;w (lenke til nett):</translation>
    </message>
    <message>
        <source>TOOLTIP_URL</source>
        <translation>Nettadresse, f.eks. produsentens side om varen</translation>
    </message>
    <message>
        <source>WHATSHIS_URL</source>
        <translation>Skriv en nettadresse, f.eks. https://www.eksempel.no/vare. Knappen til høyre åpner den.</translation>
    </message>
    <message>
        <source>&amp;Serie nummer:</source>
        <translation>&amp;Serienummer:</translation>
    </message>
    <message>
        <source>TOOLTIP_SERIAL</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>WHATSHIS_SERIAL</source>
        <translation>Skriv postens serienummer slik det står på merkeskiltet. Det er nyttig ved tyveri og i forsikringssaker.</translation>
    </message>
    <message>
        <source>&amp;Beskrivelse:</source>
        <translation>&amp;Beskrivelse:</translation>
    </message>
    <message>
        <source>TOOLTIP_DESCRI</source>
        <translation>Kort beskrivelse</translation>
    </message>
    <message>
        <source>WHATSHIS_DESCRI</source>
        <translation>Skriv en kort beskrivelse av posten, f.eks. farge, størrelse eller tilstand.</translation>
    </message>
    <message>
        <source>&amp;Billede (link til fil):</source>
        <translation>B&amp;ilde (lenke til fil):</translation>
    </message>
    <message>
        <source>TOOLTIP_IMAGE</source>
        <translation>Sti til postens bilde</translation>
    </message>
    <message>
        <source>WHATSHIS_IMAGE</source>
        <translation>Stien til en bildefil av posten. Velg filen med knappen til høyre; bildet vises på fanen Bilde.</translation>
    </message>
    <message>
        <source>&amp;Kvittering (link til fil):</source>
        <translation>&amp;Kvittering (lenke til fil):</translation>
    </message>
    <message>
        <source>TOOLTIP_RECEIPT</source>
        <translation>Sti til kvitteringen</translation>
    </message>
    <message>
        <source>WHATSHIS_RECEIPT</source>
        <translation>Stien til en skannet kvittering. Er den et bilde, vises den på fanen Kvittering.</translation>
    </message>
    <message>
        <source>&amp;DOCUMENT</source>
        <translation>&amp;Dokument:</translation>
    </message>
    <message>
        <source>TOOLTIP_DOCUMENT</source>
        <translation>Sti til et dokument, f.eks. en bruksanvisning</translation>
    </message>
    <message>
        <source>WHATSHIS_DOCUMENT</source>
        <translation>Stien til et dokument om posten, f.eks. en bruksanvisning eller en garanti. Dokumentet åpnes med programmet som hører til filtypen.</translation>
    </message>
    <message>
        <source>EKSTRA1</source>
        <translation>Ekstra 1:</translation>
    </message>
    <message>
        <source>TOOLTIP_EKSTRA1</source>
        <translation>Ekstra felt 1</translation>
    </message>
    <message>
        <source>WHATSHIS_EKSTRA1</source>
        <translation>Et ekstra felt for dine egne opplysninger. Navnet på feltet kan endres i listen over feltnavn.</translation>
    </message>
    <message>
        <source>EKSTRA2</source>
        <translation>Ekstra 2:</translation>
    </message>
    <message>
        <source>TOOLTIP_EKSTRA2</source>
        <translation>Ekstra felt 2</translation>
    </message>
    <message>
        <source>WHATSHIS_EKSTRA2</source>
        <translation>Et ekstra felt for dine egne opplysninger. Navnet på feltet kan endres i listen over feltnavn.</translation>
    </message>
    <message>
        <source>EKSTRA3</source>
        <translation>Ekstra 3:</translation>
    </message>
    <message>
        <source>TOOLTIP_EKSTRA3</source>
        <translation>Ekstra felt 3</translation>
    </message>
    <message>
        <source>WHATSHIS_EKSTRA3</source>
        <translation>Et ekstra felt for dine egne opplysninger. Navnet på feltet kan endres i listen over feltnavn.</translation>
    </message>
    <message>
        <source>EKSTRA4</source>
        <translation>Ekstra 4:</translation>
    </message>
    <message>
        <source>TOOLTIP_EKSTRA4</source>
        <translation>Ekstra felt 4</translation>
    </message>
    <message>
        <source>WHATSHIS_EKSTRA4</source>
        <translation>Et ekstra felt for dine egne opplysninger. Navnet på feltet kan endres i listen over feltnavn.</translation>
    </message>
    <message>
        <source>&amp;Billede</source>
        <translation>B&amp;ilde</translation>
    </message>
    <message>
        <source>&amp;Kvittering</source>
        <translation>&amp;Kvittering</translation>
    </message>
    <message>
        <source>&amp;Afskrivning</source>
        <translation>&amp;Avskrivning</translation>
    </message>
    <message>
        <source>WHATSHIS_BUTTON_FRAME</source>
        <translation>Knappene lagrer, kopierer, oppretter, søker etter og skriver ut poster og åpner postens lenker.</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Lagre</translation>
    </message>
    <message>
        <source>TOOLTIP_SAVE_BTN</source>
        <translation>Lagre posten</translation>
    </message>
    <message>
        <source>WHATSHIS_SAVE_BTN</source>
        <translation>Lagrer det du har skrevet i posten, og dialogen blir stående åpen. Husk å lagre databasen etterpå.</translation>
    </message>
    <message>
        <source>Kopie&amp;r</source>
        <translation>Kopie&amp;r</translation>
    </message>
    <message>
        <source>TOOLTIP_COPY_BTN</source>
        <translation>Lag en kopi av posten</translation>
    </message>
    <message>
        <source>WHATSHIS_COPY_BTN</source>
        <translation>Lager en ny post med de samme opplysningene. Endre det som skal være annerledes, og trykk Lagre for å legge til kopien.</translation>
    </message>
    <message>
        <source>&amp;Ny</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>TOOLTIP_NEW_BTN</source>
        <translation>Opprett en ny post</translation>
    </message>
    <message>
        <source>WHATSHIS_NEW_BTN</source>
        <translation>Tømmer feltene så du kan opprette en ny post i den valgte gruppen. Posten legges til når du trykker Lagre.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Nullstill</translation>
    </message>
    <message>
        <source>TOOLTIP_RESET_BTN</source>
        <translation>Tøm feltene for et nytt søk</translation>
    </message>
    <message>
        <source>WHATSHIS_RESET_BTN</source>
        <translation>Tømmer alle feltene så du kan skrive hva det skal søkes etter. Trykk deretter Søk.</translation>
    </message>
    <message>
        <source>&amp;Søg</source>
        <translation>S&amp;øk</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_BTN</source>
        <translation>Søk etter en post som ligner det utfylte</translation>
    </message>
    <message>
        <source>WHATSHIS_SEACH_BTN</source>
        <translation>Finner den første posten som passer til de utfylte feltene. Det søkes ikke på tomme felt, og store og små bokstaver regnes som like.</translation>
    </message>
    <message>
        <source>SEARCH_AGAIN</source>
        <translation>Søk &amp;igjen</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCHAGAIN_BTN</source>
        <translation>Finn neste post som passer</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Skriv &amp;ut</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT_BTN</source>
        <translation>Skriv ut posten</translation>
    </message>
    <message>
        <source>Vis &amp;www</source>
        <translation>Vis &amp;www</translation>
    </message>
    <message>
        <source>TOOLTIP_WWW_BTN</source>
        <translation>Åpne nettadressen</translation>
    </message>
    <message>
        <source>WHATSHIS_WWW_BTN</source>
        <translation>Åpner nettadressen i nettleseren eller i programmet som er valgt under Oppsett.</translation>
    </message>
    <message>
        <source>&amp;Indsæt billede</source>
        <translation>Sett &amp;inn bilde</translation>
    </message>
    <message>
        <source>TOOLT_INS_BILLEDE</source>
        <translation>Velg en bildefil for posten</translation>
    </message>
    <message>
        <source>WHATS_THIS_INSERT_PICTURE_TEXT</source>
        <translation>Åpner en filvelger der du velger postens bilde. Filvelgeren starter i bildemappen fra Oppsett.</translation>
    </message>
    <message>
        <source>&amp;Vis billede</source>
        <translation>&amp;Vis bilde</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_IMAGE_BTN</source>
        <translation>Vis bildet</translation>
    </message>
    <message>
        <source>WHATSHIS_SHOW_IMAGE_BTN</source>
        <translation>Åpner bildet i bildeprogrammet som er valgt under Oppsett, eller i programmet som hører til filtypen.</translation>
    </message>
    <message>
        <source>In&amp;dsæt Kvittering</source>
        <translation>Sett inn &amp;kvittering</translation>
    </message>
    <message>
        <source>TOOLTIP_INS_KVIT</source>
        <translation>Velg en kvitteringsfil for posten</translation>
    </message>
    <message>
        <source>WHATS_THIS_INSERT_RECEIPT_TEXT</source>
        <translation>Åpner en filvelger der du velger en skannet kvittering. Filvelgeren starter i kvitteringsmappen fra Oppsett.</translation>
    </message>
    <message>
        <source>Vis Kvi&amp;ttering</source>
        <translation>Vis kvi&amp;ttering</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_RECEIPT_BTN</source>
        <translation>Vis kvitteringen</translation>
    </message>
    <message>
        <source>WHATSHIS_SHOW_RECEIPT_BTN</source>
        <translation>Åpner kvitteringen med programmet som hører til filtypen.</translation>
    </message>
    <message>
        <source>INSERT_DOCUMENT</source>
        <translation>Sett inn d&amp;okument</translation>
    </message>
    <message>
        <source>TOOLTIP_INSERT_DOCUMENT_BTN</source>
        <translation>Velg et dokument for posten</translation>
    </message>
    <message>
        <source>WHATSHIS_INSERT_DOCUMENT_BTN</source>
        <translation>Åpner en filvelger der du velger et dokument, f.eks. en bruksanvisning. Filvelgeren starter i dokumentmappen fra Oppsett.</translation>
    </message>
    <message>
        <source>SHOW_DOCUMENT</source>
        <translation>Vis dok&amp;ument</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_DOCUMENT_BTN</source>
        <translation>Vis dokumentet</translation>
    </message>
    <message>
        <source>WHATSHIS_SHOW_DOCUMENT_BTN</source>
        <translation>Åpner dokumentet med programmet som hører til filtypen.</translation>
    </message>
    <message>
        <source>VIEW_CURRENT_AS_HTML</source>
        <translation>Vis som &amp;HTML</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_HTML_BTN</source>
        <translation>Vis posten som en nettside</translation>
    </message>
    <message>
        <source>WHATSHIS_SHOW_HTML_BTN</source>
        <translation>Lager en HTML-side med postens opplysninger og åpner den i nettleseren.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>TOOLTIP_OK_BTN</source>
        <translation>Lagre posten og lukk dialogen</translation>
    </message>
    <message>
        <source>PREVP</source>
        <translation>&amp;Forrige</translation>
    </message>
    <message>
        <source>TOOLT_PREV</source>
        <translation>Vis forrige post i databasen</translation>
    </message>
    <message>
        <source>NEXTP</source>
        <translation>N&amp;este</translation>
    </message>
    <message>
        <source>TOOLT_NEXT</source>
        <translation>Vis neste post i databasen</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>TOOLTIP_HELP_BTN</source>
        <translation>Vis hjelp til dialogen</translation>
    </message>
    <message>
        <source>WHATSHIS_HELP_BTN</source>
        <translation>Åpner hjelpesiden om denne dialogen.</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>TOOLTIP_CANCEL_BTN</source>
        <translation>Lukk uten å lagre</translation>
    </message>
    <message>
        <source>WHATSHIS_CANCEL_BTN</source>
        <translation>Lukker dialogen. Det du har skrevet siden du sist trykket Lagre, blir ikke lagret.</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT_PREVIEW_BTN</source>
        <translation>Vis utskriften av posten før den skrives ut</translation>
    </message>
    <message>
        <source>PRINT_PREVIEW</source>
        <translation>Forhåndsvisning</translation>
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
        <source>ITEMS_IN_UNKNOWN_GROUP %1 %2</source>
        <translation>%1 poster har et gruppenummer som grupplisten ikke har. De vises under «%2» nederst i listen. Åpne hver av dem og velg en gruppe, eller legg til de manglende gruppene under Oppsett.</translation>
    </message>
    <message>
        <source>UNKNOWN_GROUP</source>
        <translation>(ukjent gruppe)</translation>
    </message>
    <message>
        <source>READ ONLY</source>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>DELETE_READ_ONLY</source>
        <translation>Databasen er åpnet bare for lesing fordi en annen bruker har den åpen. Ingenting er slettet.</translation>
    </message>
    <message>
        <source>DELETE_ROWS_QUESTION %1</source>
        <translation>Slette de %1 valgte postene?</translation>
    </message>
    <message>
        <source>DELETE_ROWS</source>
        <translation>&amp;Slett</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>LabelPrintJob</name>
    <message>
        <source>LABEL_PRINT_TITLE</source>
        <translation>Strekkodeetiketter</translation>
    </message>
    <message>
        <source>LABEL_TEMPLATE_NOT_READ %1</source>
        <translation>Etikettmalen %1 kan ikke leses. Ingen etiketter er skrevet ut.</translation>
    </message>
    <message>
        <source>LABEL_FILE_NOT_WRITTEN %1 %2</source>
        <translation>Etikettfilen %1 kan ikke skrives (%2). Ingen etiketter er skrevet ut.</translation>
    </message>
    <message>
        <source>NO_LABEL_PRINTER %1</source>
        <translation>Ingen etikettskriver er valgt. Velg en under Oppsett, Standardmapper, eller angi den i %1. Ingen etiketter er skrevet ut.</translation>
    </message>
    <message>
        <source>LABEL_PRINT_FAILED %1 %2 %3</source>
        <translation>Etikettene kunne ikke skrives ut.
Kommando: %1
Resultat: %2
%3</translation>
    </message>
    <message>
        <source>LABEL_PRINT_NOT_STARTED %1 %2</source>
        <translation>Etikettene kunne ikke sendes til skriveren, fordi kommandoen ikke kunne startes.
Kommando: %1
%2</translation>
    </message>
</context>
<context>
    <name>LinkCheckDialog</name>
    <message>
        <source>LINK_KIND_FRONT</source>
        <translation>Forside</translation>
    </message>
    <message>
        <source>LINK_KIND_PICTURE</source>
        <translation>Bilde</translation>
    </message>
    <message>
        <source>LINK_KIND_BACK</source>
        <translation>Bakside</translation>
    </message>
    <message>
        <source>LINK_KIND_RECEIPT</source>
        <translation>Kvittering</translation>
    </message>
    <message>
        <source>LINK_KIND_PICTURE2</source>
        <translation>Bilde 2</translation>
    </message>
    <message>
        <source>LINK_KIND_DOCUMENT</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>LINK_FOUND_MORE_THAN_ONCE %1</source>
        <translation>funnet %1 ganger - rettes ikke</translation>
    </message>
    <message>
        <source>LINK_NOT_FOUND</source>
        <translation>ikke funnet</translation>
    </message>
    <message>
        <source>LINK_CHECK_ALL_FOUND</source>
        <translation>Alle tilknyttede filer finnes.</translation>
    </message>
    <message>
        <source>LINK_CHECK_MISSING %1</source>
        <translation>%1 lenker peker på filer som mangler.</translation>
    </message>
    <message>
        <source>LINK_CHECK_PLAN %1 %2 %3</source>
        <translation>Søket fant %1 filer som kan rettes til; %2 navn ble funnet mer enn én gang, %3 ikke i det hele tatt.</translation>
    </message>
    <message>
        <source>LINK_CHECK_CHOOSE_FOLDER</source>
        <translation>Velg mappen det skal søkes i</translation>
    </message>
    <message>
        <source>READ ONLY</source>
        <translation>SKRIVEBESKYTTET</translation>
    </message>
    <message>
        <source>READ ONLY MODE - No Save</source>
        <translation>Databasen er åpen hos en annen bruker - det lagres ikke</translation>
    </message>
</context>
<context>
    <name>LinkCheckDialogBase</name>
    <message>
        <source>LINK_CHECK_TITLE</source>
        <translation>Kontroll av tilknyttede filer</translation>
    </message>
    <message>
        <source>LINK_CHECK_ITEM</source>
        <translation>Post</translation>
    </message>
    <message>
        <source>LINK_CHECK_KIND</source>
        <translation>Lenke</translation>
    </message>
    <message>
        <source>LINK_CHECK_LINK</source>
        <translation>Manglende fil</translation>
    </message>
    <message>
        <source>LINK_CHECK_FOUND</source>
        <translation>Funnet</translation>
    </message>
    <message>
        <source>TOOLTIP_LINK_CHECK_OPEN_ITEM</source>
        <translation>Åpner den valgte posten, så lenken kan rettes for hånd.</translation>
    </message>
    <message>
        <source>LINK_CHECK_OPEN_ITEM</source>
        <translation>&amp;Åpne posten...</translation>
    </message>
    <message>
        <source>TOOLTIP_LINK_CHECK_SEARCH</source>
        <translation>Søker i en mappe og dens undermapper etter filer med de manglende filenes navn og viser hva som vil bli endret.</translation>
    </message>
    <message>
        <source>LINK_CHECK_SEARCH</source>
        <translation>&amp;Søk i en mappe...</translation>
    </message>
    <message>
        <source>TOOLTIP_LINK_CHECK_RELINK</source>
        <translation>Retter lenkene der filen ble funnet nøyaktig én gang. Kan angres.</translation>
    </message>
    <message>
        <source>LINK_CHECK_RELINK</source>
        <translation>&amp;Rett lenker</translation>
    </message>
    <message>
        <source>LINK_CHECK_CLOSE</source>
        <translation>&amp;Lukk</translation>
    </message>
</context>
<context>
    <name>ListPrinting</name>
    <message>
        <source>Print afbrudt</source>
        <translation>Utskrift avbrutt</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Skriver ut...</translation>
    </message>
    <message>
        <source>Printing (page </source>
        <translation>Skriver ut (side </translation>
    </message>
    <message>
        <source>)...</source>
        <translation>)...</translation>
    </message>
    <message>
        <source>Print færdig</source>
        <translation>Utskrift ferdig</translation>
    </message>
    <message>
        <source>ITEM_COUNT</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>LIST_PRINTED_LANDSCAPE</source>
        <translation>Listen er for bred for stående papir og skrives derfor ut på liggende papir</translation>
    </message>
    <message>
        <source>LIST_COUNT_TEXT</source>
        <translation>Utskrevne poster: %1</translation>
    </message>
    <message>
        <source>LIST_SUM_TEXT</source>
        <translation>Totalt</translation>
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
        <translation>Vis k&amp;vittering</translation>
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
        <translation>Hva er &amp;dette?</translation>
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
        <translation>Databasefilen kunne ikke åpnes eller leses. Den er ikke endret.</translation>
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
        <translation>Det nye språket brukes når programmet startes på nytt. Da åpner det databasen som er åpen nå, med sine egne lister (var det demodatabasen, åpnes demodatabasen på det nye språket).</translation>
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
    <message>
        <source>SAVE_AS_HTML</source>
        <translation>Lagre som &amp;HTML...</translation>
    </message>
    <message>
        <source>SAVE_AS_XML</source>
        <translation>Lagre som &amp;XML...</translation>
    </message>
    <message>
        <source>Udskriv...</source>
        <translation>Skriv &amp;ut...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_PRINT</source>
        <translation>Skriver ut databasen som en liste med feltene, breddene, sorteringen og filtrene du har valgt under Oppsett &gt; Utskrift.</translation>
    </message>
    <message>
        <source>StockvaneEdit</source>
        <translation>&amp;Rediger vare...</translation>
    </message>
    <message>
        <source>MintoraEdit</source>
        <translation>&amp;Rediger mynt...</translation>
    </message>
    <message>
        <source>PictovaEdit</source>
        <translation>&amp;Rediger bilde...</translation>
    </message>
    <message>
        <source>TOOLTIP_EDIT_FURNITURE</source>
        <translation>&amp;Rediger gjenstand...</translation>
    </message>
    <message>
        <source>HELP_TEXT_EDIT_ELEMENT</source>
        <translation>Åpner den valgte raden i redigeringsvinduet; uten valgt rad opprettes en ny.</translation>
    </message>
    <message>
        <source>StockvaneEditSearch</source>
        <translation>Sø&amp;k vare...</translation>
    </message>
    <message>
        <source>MintoraEditSearc</source>
        <translation>Sø&amp;k mynt...</translation>
    </message>
    <message>
        <source>PictovaEditSearc</source>
        <translation>Sø&amp;k bilde...</translation>
    </message>
    <message>
        <source>Sø&amp;g Domvara...</source>
        <translation>Sø&amp;k gjenstand...</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_BTN</source>
        <translation>Søk etter eksempel: fyll ut feltene du kjenner, og finn gjenstandene som passer.</translation>
    </message>
    <message>
        <source>VIEW_ALL_HTML_TABLE</source>
        <translation>Vis alle som HTML-&amp;tabell</translation>
    </message>
    <message>
        <source>VIEW_ALL_AS_HTML</source>
        <translation>Vis alle som &amp;HTML</translation>
    </message>
    <message>
        <source>VIEW_ALL_SPECIAL_MINTORA_CASES_AS_HTML</source>
        <translation>Vis mynter &amp;uten verdi som HTML</translation>
    </message>
    <message>
        <source>WHATS_THIS_VIEW_ALL_SPECIAL_MINTORA_CASES_AS_HTML</source>
        <translation>Viser myntene med vurdert verdi 0 som en HTML-side, slik at du ser hvilke som mangler en vurdering.</translation>
    </message>
    <message>
        <source>VIEW_ALL_AS_XML</source>
        <translation>Vis alle som &amp;XML</translation>
    </message>
    <message>
        <source>VIEW_CURRENT_AS_HTML</source>
        <translation>Vis valgte som HT&amp;ML</translation>
    </message>
    <message>
        <source>WHATS_THIS_VIEW_CURRENT_AS_HTML</source>
        <translation>Viser den valgte raden som en HTML-side med alle felt og bilder.</translation>
    </message>
    <message>
        <source>&amp;Rapport...</source>
        <translation>&amp;Rapport...</translation>
    </message>
    <message>
        <source>HELP_TEXT_EDIT_REPORT</source>
        <translation>Viser en oversikt med antall, stykkantall og verdier for hver gruppe og for hele databasen.</translation>
    </message>
    <message>
        <source>&amp;Udskrivning...</source>
        <translation>&amp;Utskrift...</translation>
    </message>
    <message>
        <source>UPDATE_LOCATIONS...</source>
        <translation>&amp;Oppdater plasseringer...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_UPDATE_LOCATIONS</source>
        <translation>Leser en oppdateringsfil fra strekkodeleseren: antall, flyttinger og kopier av varer. Filen sikkerhetskopieres først, og databasen lagres etterpå.</translation>
    </message>
    <message>
        <source>PRINT_BARCODE...</source>
        <translation>Skriv ut s&amp;trekkoder...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_PRINT_BARCODE</source>
        <translation>Skriver ut strekkodeetiketten for den valgte varen, eller for alle varer i den valgte gruppen, på etikettskriveren.</translation>
    </message>
    <message>
        <source>Precreate items in Stockvane</source>
        <translation>&amp;Opprett varer på forhånd...</translation>
    </message>
    <message>
        <source>&amp;Lokaler/rum...</source>
        <translation>&amp;Rom/plasseringer...</translation>
    </message>
    <message>
        <source>&amp;Inventar typer (grupper)...</source>
        <translation>&amp;Grupper...</translation>
    </message>
    <message>
        <source>LEVERANDØRER</source>
        <translation>Le&amp;verandører...</translation>
    </message>
    <message>
        <source>SetupDefaultDirectories</source>
        <translation>&amp;Standardmapper...</translation>
    </message>
    <message>
        <source>PARTIAL_DB_SAVE_QUESTION %1 %2 %3</source>
        <translation>Filen %1 har %2 datalinjer, men den kunne bare leses fram til den skadde linjen, og databasen har nå %3 poster. Lagrer du, erstattes hele filen av disse postene, og resten av filen går tapt. Vil du lagre likevel?</translation>
    </message>
    <message>
        <source>SAVE_ANYWAY</source>
        <translation>Lagre &amp;likevel</translation>
    </message>
    <message>
        <source>DEMO_DATABASE_NOT_COPIED %1</source>
        <translation>Demodatabasen kunne ikke kopieres til datamappen din, så den kan ikke åpnes: %1</translation>
    </message>
    <message>
        <source>RECOVERY_UNNAMED</source>
        <translation>(ny database uten navn)</translation>
    </message>
    <message>
        <source>RECOVERY_NOT_WRITTEN %1</source>
        <translation>Gjenopprettingskopien av de ulagrede endringene kunne ikke skrives i %1.</translation>
    </message>
    <message>
        <source>RECOVERY_QUESTION %1 %2 %3</source>
        <translation>Endringer i databasen %1 ble ikke lagret da programmet sist ble avsluttet. En gjenopprettingskopi fra %2 med %3 gjenstander er tatt vare på.

Vil du åpne gjenopprettingskopien nå (selve databasen forblir uendret til du lagrer), forkaste den eller beholde den til senere?</translation>
    </message>
    <message>
        <source>RECOVERY_OPEN</source>
        <translation>&amp;Åpne kopien</translation>
    </message>
    <message>
        <source>RECOVERY_DISCARD</source>
        <translation>&amp;Forkast</translation>
    </message>
    <message>
        <source>RECOVERY_KEEP</source>
        <translation>&amp;Behold til senere</translation>
    </message>
    <message>
        <source>RECOVERY_OPENED %1 %2</source>
        <translation>%1 gjenstander gjenopprettet til %2; lagre for å beholde dem.</translation>
    </message>
    <message>
        <source>PRINT_PREVIEW...</source>
        <translation>Forhånds&amp;visning...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_PRINT_PREVIEW</source>
        <translation>Viser sidene i listen slik de blir skrevet ut. Derfra kan du skrive dem ut eller gå tilbake.</translation>
    </message>
    <message>
        <source>ALL_FILES (*)</source>
        <translation>Alle filer (*)</translation>
    </message>
    <message>
        <source>TITLE_READ_ONLY</source>
        <translation>(skrivebeskyttet)</translation>
    </message>
    <message>
        <source>INSURER_REPORT...</source>
        <translation>Rapport til forsikrin&amp;gen...</translation>
    </message>
    <message>
        <source>HELP_TEXT_INSURER_REPORT</source>
        <translation>Lager en rapport med bilder og verdier til forsikringsselskapet over hele databasen, én gruppe eller de merkede gjenstandene. Den vises i forhåndsvisningen, der den kan skrives ut eller lagres som PDF-fil.</translation>
    </message>
    <message>
        <source>QUICK_FILTER_PLACEHOLDER</source>
        <translation>Filtrer listen...</translation>
    </message>
    <message>
        <source>TOOLTIP_QUICK_FILTER</source>
        <translation>Viser bare postene som inneholder teksten i en av de viste kolonnene eller i gruppens navn. Store og små bokstaver er like, men a finner ikke å. Escape tømmer filteret.</translation>
    </message>
    <message>
        <source>FILTER_COUNT %1 %2</source>
        <translation>%1 av %2 poster</translation>
    </message>
    <message>
        <source>CHECK_LINKED_FILES...</source>
        <translation>Kontro&amp;ller tilknyttede filer...</translation>
    </message>
    <message>
        <source>HELP_TEXT_CHECK_LINKED_FILES</source>
        <translation>Viser alle poster der bilde, kvittering eller dokument peker på en fil som mangler, og kan søke etter filene i en mappe.</translation>
    </message>
    <message>
        <source>RECENT_DATABASES</source>
        <translation>Siste &amp;databaser</translation>
    </message>
    <message>
        <source>RECENT_DATABASE_MISSING %1</source>
        <translation>%1 (mangler)</translation>
    </message>
    <message>
        <source>RECENT_DATABASES_NONE</source>
        <translation>(ingen ennå)</translation>
    </message>
    <message>
        <source>RECENT_DATABASES_CLEAR</source>
        <translation>Tøm listen</translation>
    </message>
    <message>
        <source>RECENT_DATABASE_GONE_QUESTION %1</source>
        <translation>Databasen finnes ikke (lenger) her:

%1

Er den på en stasjon som ikke er tilkoblet, så behold den på listen.</translation>
    </message>
    <message>
        <source>RECENT_DATABASE_REMOVE</source>
        <translation>&amp;Fjern fra listen</translation>
    </message>
    <message>
        <source>RECENT_DATABASE_KEEP</source>
        <translation>&amp;Behold</translation>
    </message>
    <message>
        <source>HELP_TEXT_EDIT_UNDO</source>
        <translation>Angrer den siste endringen i databasen. Menypunktet sier hvilken endring det er.</translation>
    </message>
    <message>
        <source>HELP_TEXT_EDIT_REDO</source>
        <translation>Gjør om igjen den endringen som sist ble angret.</translation>
    </message>
    <message>
        <source>EXPORT_CSV...</source>
        <translation>Eksporter til &amp;CSV...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_EXPORT_CSV</source>
        <translation>Skriver alle ting, én gruppe eller de valgte radene til en CSV-fil som regneark kan åpne, med alle felt.</translation>
    </message>
    <message>
        <source>IMPORT_CSV...</source>
        <translation>I&amp;mporter fra CSV...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_IMPORT_CSV</source>
        <translation>Legger til ting fra en CSV-fil i den åpne databasen. Rader som ikke kan leses, og nye gruppe- og stedsnavn vises før noe endres.</translation>
    </message>
</context>
<context>
    <name>MessageListDialogBase</name>
    <message>
        <source>COPY_LIST_TO_CLIPBOARD</source>
        <translation>&amp;Kopier listen</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>PRINT_FAILED_TITLE</source>
        <translation>Utskrift mislyktes</translation>
    </message>
    <message>
        <source>PRINT_FAILED_TEXT</source>
        <translation>Kunne ikke skrive ut på «%1». Kontroller skriveren og prøv igjen. Ingenting er skrevet ut.</translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>FUNI_TOTAL_TEXT</source>
        <translation>Totalt</translation>
    </message>
    <message>
        <source>FUNI_COUNT_TEXT</source>
        <translation>Antall poster i databasen: %1</translation>
    </message>
    <message>
        <source>PICTOVA_GROUP_LINE_TEXT</source>
        <translation>%1  %2  %3</translation>
    </message>
    <message>
        <source>FUNI_GROUP_LINE_TEXT</source>
        <translation>%1 %2 stk.  %3  %4</translation>
    </message>
    <message>
        <source>PICTOVA_REPORT_HEADER_TEXT</source>
        <translation>Samlet oversikt over bilder per gruppe</translation>
    </message>
    <message>
        <source>DOMVARA_REPORT_HEADER_TEXT</source>
        <translation>Samlet oversikt per gruppe</translation>
    </message>
</context>
<context>
    <name>ReportDialogBase</name>
    <message>
        <source>Rapport (Samlet oversigt)</source>
        <translation>Rapport (samlet oversikt)</translation>
    </message>
    <message>
        <source>Sum af alt inventar efter gruppe</source>
        <translation>Summen av alle poster, gruppe for gruppe</translation>
    </message>
    <message>
        <source>Udskriv rapport over domvara grupper</source>
        <translation>Skriv ut rapporten over gruppene</translation>
    </message>
    <message>
        <source>&amp;Udskriv</source>
        <translation>Skriv &amp;ut</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>PREVIEW_REPORT_TOOLTIP</source>
        <translation>Vis rapporten slik den blir skrevet ut</translation>
    </message>
    <message>
        <source>PRINT_PREVIEW</source>
        <translation>&amp;Forhåndsvisning</translation>
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
    <name>StorableTextValidator</name>
    <message>
        <source>SEPARATOR_REFUSED</source>
        <translation>&quot;;&quot; kan ikke lagres i et tekstfelt.</translation>
    </message>
    <message>
        <source>TEXT_TOO_LONG %1</source>
        <translation>Et tekstfelt rommer høyst %1 tegn.</translation>
    </message>
</context>
<context>
    <name>TextRules</name>
    <message>
        <source>LINE_BREAK_AS_SPACE</source>
        <translation>Et linjeskift eller en tabulator ble til et mellomrom.</translation>
    </message>
    <message>
        <source>CONTROL_CHARACTER_REMOVED</source>
        <translation>Et kontrolltegn ble fjernet.</translation>
    </message>
    <message>
        <source>CHARACTER_REPLACED %1 %2</source>
        <translation>&quot;%1&quot; ble erstattet med &quot;%2&quot;: databasefilen kan ikke inneholde tegnet.</translation>
    </message>
    <message>
        <source>CHARACTER_REMOVED %1</source>
        <translation>&quot;%1&quot; ble fjernet: databasefilen kan ikke inneholde tegnet.</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>UNDO_STEP %1</source>
        <translation>&amp;Angre %1</translation>
    </message>
    <message>
        <source>UNDO_NOTHING</source>
        <translation>&amp;Angre</translation>
    </message>
    <message>
        <source>REDO_STEP %1</source>
        <translation>&amp;Gjør om %1</translation>
    </message>
    <message>
        <source>REDO_NOTHING</source>
        <translation>&amp;Gjør om</translation>
    </message>
    <message>
        <source>STEP_ADD_MANY %1</source>
        <translation>oppretting av %1 poster</translation>
    </message>
    <message>
        <source>STEP_EDIT_ONE %1</source>
        <translation>endring av &quot;%1&quot;</translation>
    </message>
    <message>
        <source>STEP_LIST_EDIT %1</source>
        <translation>endring av listen %1</translation>
    </message>
    <message>
        <source>STEP_RELINK %1</source>
        <translation>omkobling av %1 lenker</translation>
    </message>
    <message>
        <source>STEP_LOCATION_UPDATE</source>
        <translation>lokasjonsoppdatering</translation>
    </message>
    <message>
        <source>STEP_COPY_ONE %1</source>
        <translation>kopi av &quot;%1&quot;</translation>
    </message>
    <message>
        <source>STEP_COPY_MANY %1</source>
        <translation>kopi av %1 poster</translation>
    </message>
    <message>
        <source>STEP_ADD_ONE %1</source>
        <translation>tilføyelse av &quot;%1&quot;</translation>
    </message>
    <message>
        <source>STEP_DELETE_ONE %1</source>
        <translation>sletting av &quot;%1&quot;</translation>
    </message>
    <message>
        <source>STEP_DELETE_MANY %1</source>
        <translation>sletting av %1 poster</translation>
    </message>
    <message>
        <source>STEP_CSV_IMPORT %1</source>
        <translation>import av %1 poster fra CSV</translation>
    </message>
</context>
<context>
    <name>UpdateLocations</name>
    <message>
        <source>File: does not exist</source>
        <translation>Filen finnes ikke. Det er ingenting å oppdatere.</translation>
    </message>
    <message>
        <source>Move failed, location1: %1 not found, max groups: %2</source>
        <translation>Lokasjonen %1 finnes ikke. Det er %2 grupper, nummerert fra 0.</translation>
    </message>
    <message>
        <source>Move failed, location2: %1 not found, max groups: %2</source>
        <translation>Flytting ikke utført: mållokasjonen %1 finnes ikke. Det er %2 grupper, nummerert fra 0.</translation>
    </message>
    <message>
        <source>Update (I) failed, to few items: %1 in record: %2 - can not subtract (%3)</source>
        <translation>Antallet kan ikke endres: varenummer %2 har bare %1 stk., og %3 ville gi et negativt antall.</translation>
    </message>
    <message>
        <source>Move failed, ItemId: %1 - not found at location: %2</source>
        <translation>Flytting ikke utført: varenummer %1 finnes ikke på lokasjon %2.</translation>
    </message>
    <message>
        <source>Move failed, to few items: %1 in record: %2 - can not subtract (%3)</source>
        <translation>Flytting ikke utført: varenummer %2 har bare %1 stk., så %3 stk. kan ikke flyttes.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_READ_ONLY</source>
        <translation>Databasen er åpnet skrivebeskyttet fordi en annen bruker har den åpen. Lokasjonene er ikke oppdatert, og oppdateringsfilen er uendret.</translation>
    </message>
    <message>
        <source>Open_Location_File</source>
        <translation>Åpne fil med lokasjonsoppdateringer</translation>
    </message>
    <message>
        <source>location file (*.txt *.loc)</source>
        <translation>Lokasjonsfil (*.txt *.loc)</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_SUMMARY</source>
        <translation>Lokasjoner oppdatert fra %1: %2 linjer utført, %3 mislyktes, %4 ikke forstått.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_FAILED_LINE %1 %2 %3</source>
        <translation>Linje %1: %2 — %3</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_LINE_NOT_UNDERSTOOD</source>
        <translation>Ikke en lokasjonsoppdatering (I, F eller S med riktig antall deler).</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_ID_NOT_A_NUMBER %1</source>
        <translation>Varenummeret %1 er ikke et tall.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_ID_AMBIGUOUS %1 %2 %3</source>
        <translation>Varenummeret %1 passer til både serienummer %2 og %3, som har like etiketter; linjen er ikke utført på noen av dem.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_COUNT_NOT_A_NUMBER %1</source>
        <translation>Antallet %1 er ikke et helt tall, eller det er for stort.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_NOT_FOUND %1 %2</source>
        <translation>Det finnes ingen vare med nummer %1 på lokasjon %2.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_COUNT_TOO_LARGE %1 %2</source>
        <translation>Antallet for varenummer %1 ville bli større enn %2.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_COPY_NEEDS_COUNT %1</source>
        <translation>En kopi på den nye lokasjonen må ha et antall på minst 1, ikke %1.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_NOT_FOUND_ANYWHERE %1</source>
        <translation>Det finnes ingen vare med nummer %1.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_FAILED_LINES %1 %2 %3</source>
        <translation>%1 av de %2 linjene i %3 ble ikke utført. De står nedenfor med årsaken; du kan kopiere dem, rette dem og kjøre dem igjen fra en ny oppdateringsfil.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_COPY_KEPT %1</source>
        <translation>De utførte linjene er lagret, og oppdateringsfilen er slettet; hele filen er tatt vare på som %1.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_FILE_KEPT %1</source>
        <translation>Oppdateringsfilen %1 er beholdt der den er.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_NOT_SAVED %1</source>
        <translation>Databasen kunne ikke lagres, så endringene fra %1 finnes bare i den åpne databasen. Oppdateringsfilen er beholdt.
Lagre databasen, og slett deretter oppdateringsfilen, så linjene ikke utføres en gang til.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_NOTHING_APPLIED</source>
        <translation>Ingen lokasjonsoppdatering ble utført.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_DATABASE_SAVED</source>
        <translation>Databasen er lagret.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_DATABASE_NOT_SAVED</source>
        <translation>Databasen er IKKE lagret.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_FILE_REMOVED</source>
        <translation>Oppdateringsfilen er slettet.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_FILE_STAYS</source>
        <translation>Oppdateringsfilen er beholdt.</translation>
    </message>
</context>
<context>
    <name>UpdateLocations/DeleteLocationFile</name>
    <message>
        <source>File: does not exist</source>
        <translation>Oppdateringsfilen kunne ikke slettes fordi den ikke lenger finnes. Lokasjonene er oppdatert.</translation>
    </message>
    <message>
        <source>LOCATION_FILE_NOT_DELETED %1</source>
        <translation>Lokasjonene er oppdatert, men oppdateringsfilen %1 kunne ikke slettes.
Slett den selv før neste oppdatering, ellers blir de samme linjene utført to ganger.</translation>
    </message>
</context>
<context>
    <name>UpdateLocations/ParseLocationFile</name>
    <message>
        <source>Cannot open file %1 for reading</source>
        <translation>Filen %1 kan ikke leses. Ingenting er oppdatert.</translation>
    </message>
    <message>
        <source>Copy of file: %1 to %2 failed</source>
        <translation>Filen %1 kunne ikke kopieres til %2. Ingenting er oppdatert, og filen er uendret.
Har du nettopp kjørt en oppdatering fra en fil med samme navn, vent ett minutt og prøv igjen.</translation>
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
<context>
    <name>printSelectDataDialog</name>
    <message>
        <source>Gruppe</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Navn</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Fabrikat</source>
        <translation>Fabrikat</translation>
    </message>
    <message>
        <source>Produkt model</source>
        <translation>Produktmodell</translation>
    </message>
    <message>
        <source>Antal</source>
        <translation>Antall</translation>
    </message>
    <message>
        <source>Pris</source>
        <translation>Pris</translation>
    </message>
    <message>
        <source>Vurd.</source>
        <translation>Vurd.</translation>
    </message>
    <message>
        <source>Billede</source>
        <translation>Bilde</translation>
    </message>
    <message>
        <source>Kvitt.</source>
        <translation>Kvitt.</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Rum</source>
        <translation>Rom</translation>
    </message>
    <message>
        <source>Beskrivelse</source>
        <translation>Beskrivelse</translation>
    </message>
    <message>
        <source>Leverandør</source>
        <translation>Leverandør</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Serie no.</source>
        <translation>Serienr.</translation>
    </message>
    <message>
        <source>Www</source>
        <translation>Www</translation>
    </message>
    <message>
        <source>Dok.</source>
        <translation>Dok.</translation>
    </message>
    <message>
        <source>Extra1</source>
        <translation>Ekstra 1</translation>
    </message>
    <message>
        <source>Extra2</source>
        <translation>Ekstra 2</translation>
    </message>
    <message>
        <source>Extra3</source>
        <translation>Ekstra 3</translation>
    </message>
    <message>
        <source>Extra4</source>
        <translation>Ekstra 4</translation>
    </message>
    <message>
        <source>ITEM_COUNT</source>
        <translation>Løpenummer</translation>
    </message>
    <message>
        <source>&apos;Adresse felt længde&apos; skal være: 1 -&gt; %2</source>
        <translation>Feltlengden for adressen må være et tall fra 1 til %2.</translation>
    </message>
    <message>
        <source>&apos;Beskrivelse felt længde&apos; skal være: 1 -&gt; %2</source>
        <translation>Feltlengden for beskrivelsen må være et tall fra 1 til %2.</translation>
    </message>
    <message>
        <source>Felt grænseværdi fejl</source>
        <translation>Ugyldig feltlengde</translation>
    </message>
    <message>
        <source>Ret det !</source>
        <translation>Rett verdien, og trykk OK igjen.</translation>
    </message>
    <message>
        <source>LENGTH_KEY_REFUSED %1 %2</source>
        <translation>Lengden på &quot;%1&quot; må være et helt tall fra 1 til %2.</translation>
    </message>
    <message>
        <source>FIELD_LENGTH_RANGE %1 %2</source>
        <translation>&apos;%1&apos; feltlengde må være: 1 -&gt; %2</translation>
    </message>
</context>
<context>
    <name>printSelectDataDialogBase</name>
    <message>
        <source>Vælg data til udskrivning</source>
        <translation>Velg data for utskrift</translation>
    </message>
    <message>
        <source>Mulige felter</source>
        <translation>Mulige felt</translation>
    </message>
    <message>
        <source>Felter som pt. ikke udskrives</source>
        <translation>Felt som ikke skrives ut nå</translation>
    </message>
    <message>
        <source>Tilføj et felt fra databasen i udskrift</source>
        <translation>Legg det valgte feltet til utskriften</translation>
    </message>
    <message>
        <source>Fjern et felt fra databasen i udskrift</source>
        <translation>Fjern det valgte feltet fra utskriften</translation>
    </message>
    <message>
        <source>Valgte felter</source>
        <translation>Valgte felt</translation>
    </message>
    <message>
        <source>Disse felter vil blive udskrevet (rækkefølgen er pre-defineret)</source>
        <translation>Disse feltene skrives ut (rekkefølgen er fast)</translation>
    </message>
    <message>
        <source>Sortering efter</source>
        <translation>Sorter etter</translation>
    </message>
    <message>
        <source>Sorter inventar liste udskriften efter valgte felt</source>
        <translation>Sorter den utskrevne listen etter det valgte feltet</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Navn</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Mærke</source>
        <translation>Merke</translation>
    </message>
    <message>
        <source>Pris (ialt)</source>
        <translation>Pris (totalt)</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Rum</source>
        <translation>Rom</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>Diverse</translation>
    </message>
    <message>
        <source>PrintGroup</source>
        <translation>Skriv bare ut gruppen:</translation>
    </message>
    <message>
        <source>PrintLocation</source>
        <translation>Skriv bare ut: </translation>
    </message>
    <message>
        <source>Felt separator i udskrift</source>
        <translation>Feltskille i utskriften</translation>
    </message>
    <message>
        <source>Bestemmer den karakter som adskiller felterne i udskriften</source>
        <translation>Tegnet som skiller feltene i utskriften</translation>
    </message>
    <message>
        <source>Felt længde i udskrift</source>
        <translation>Feltlengde i utskriften</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>setupdialog</name>
    <message>
        <source>Gruppe</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Rum</source>
        <translation>Rom</translation>
    </message>
    <message>
        <source>Leverandør</source>
        <translation>Leverandør</translation>
    </message>
    <message>
        <source>PRINT_BARCODE</source>
        <translation>Skriv &amp;ut strekkode</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT_BARCODE</source>
        <translation>Skriv ut en strekkodeetikett for det valgte stedet</translation>
    </message>
    <message>
        <source>WHATSHIS_PRINT_LOCATION_BARCODE</source>
        <translation>Skriver ut en strekkodeetikett for det valgte navnet på etikettskriveren. Strekkoden er navnets plassering i listen (det første navnet er 000000), nummeret håndskanneren skriver i oppdateringsfilen for plasseringer.</translation>
    </message>
    <message>
        <source>SETUP_WARNING</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>SETUP_MAX_LIMIT_REACHED</source>
        <translation>Listen er full. Det er ikke plass til flere navn.</translation>
    </message>
    <message>
        <source>Fejl indtastning</source>
        <translation>Feil i inntasting</translation>
    </message>
    <message>
        <source>Dette navn er allerede anvendt</source>
        <translation>En annen post i listen har allerede dette navnet (store og små bokstaver regnes som like). Velg et annet navn.</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Kan ikke have færre grupper end i databasen - omplacer evt. domvara til andre grupper</source>
        <translation>Listen må ha minst én gruppe, så den siste kan ikke slettes.</translation>
    </message>
    <message>
        <source>Kan ikke have færre lokaler end dem der allerede er i databasen</source>
        <translation>Listen må ha minst ett rom, så det siste kan ikke slettes.</translation>
    </message>
    <message>
        <source>SETUP_ERROR</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>NO_ITEM_SELECTED</source>
        <translation>Velg et navn i listen først.</translation>
    </message>
    <message>
        <source>SETUP_READ_ONLY</source>
        <translation>Databasen er åpnet skrivebeskyttet fordi en annen bruker har den åpen. Listen er ikke lagret.</translation>
    </message>
    <message>
        <source>SETUP_NAME_EMPTY</source>
        <translation>Navnet kan ikke være tomt.</translation>
    </message>
    <message>
        <source>SETUP_ENTRY_IN_USE</source>
        <translation>&quot;%2&quot; kan ikke slettes. Antall poster som bruker det: %1. Flytt dem et annet sted først.</translation>
    </message>
</context>
<context>
    <name>setupdialogBase</name>
    <message>
        <source>Setup</source>
        <translation>Oppsett av liste</translation>
    </message>
    <message>
        <source>WHATS_THIS_SETUP_DIALOG</source>
        <translation>Her redigerer du en av databasens lister: grupper, rom eller leverandører. Velg et navn i listen for å rette det, skriv et nytt navn og trykk Legg til, eller velg et navn og trykk Slett. Endringene lagres først når du trykker Lagre eller OK.</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>TOOLTIP_LIST</source>
        <translation>Navnene i listen, i rekkefølge</translation>
    </message>
    <message>
        <source>WHATS_THIS_LIST</source>
        <translation>Navnene i listen. Postene husker gruppen og rommet sitt ved plasseringen i listen, så rekkefølgen betyr noe. Klikk på et navn for å hente det ned i feltet nedenfor.</translation>
    </message>
    <message>
        <source>TOOLTIP_SELECTED</source>
        <translation>Det valgte navnet, eller et nytt navn</translation>
    </message>
    <message>
        <source>WHATS_THIS_SELECTED</source>
        <translation>Skriv et nytt navn og trykk Legg til for å sette det sist i listen, eller rett det valgte navnet og trykk Lagre. Et navn kan ha høyst 199 tegn og kan ikke inneholde semikolon.</translation>
    </message>
    <message>
        <source>TOOLTIP_ADD</source>
        <translation>Legg navnet til sist i listen</translation>
    </message>
    <message>
        <source>&amp;Tilføj</source>
        <translation>&amp;Legg til</translation>
    </message>
    <message>
        <source>TOOLTIP_REMOVE</source>
        <translation>Slett det valgte navnet fra listen</translation>
    </message>
    <message>
        <source>&amp;Slet</source>
        <translation>&amp;Slett</translation>
    </message>
    <message>
        <source>TOOLTIP_SAVE</source>
        <translation>Lagre listen i databasen og i listefilen</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Lagre</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>SETUP_PRINT</source>
        <translation>Skriv &amp;ut</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
</TS>
