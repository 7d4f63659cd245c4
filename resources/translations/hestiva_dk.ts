<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>AutomakeItems</name>
    <message>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>Number of items must be:
Greater than 0 and less than 1000</source>
        <translation>Antallet af poster skal være:
større end 0 og mindre end 1000</translation>
    </message>
    <message>
        <source>AUTOMAKE_READ_ONLY</source>
        <translation>Databasen er åbnet skrivebeskyttet, fordi en anden bruger har den åben. Der er ikke oprettet nogen poster.</translation>
    </message>
</context>
<context>
    <name>AutomakeItemsClass</name>
    <message>
        <source>AutomakeItems</source>
        <translation>Opret poster automatisk</translation>
    </message>
    <message>
        <source>Number of items</source>
        <translation>&amp;Antal poster:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>&amp;Navn:</translation>
    </message>
    <message>
        <source>MakeItems</source>
        <translation>&amp;Opret poster</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>&amp;Luk</translation>
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
        <translation>Mappe til billeder af forsiden:</translation>
    </message>
    <message>
        <source>MINTORA_BACK_PICTURE_PATH</source>
        <translation>Mappe til billeder af bagsiden:</translation>
    </message>
    <message>
        <source>BILLED_PATH</source>
        <translation>Mappe til billeder:</translation>
    </message>
    <message>
        <source>KVITTERINGS_PATH</source>
        <translation>Mappe til andet billede:</translation>
    </message>
    <message>
        <source>ChoseAPictureDirectory</source>
        <translation>Vælg mappen med billeder</translation>
    </message>
    <message>
        <source>ChoseAReceiptDirectory</source>
        <translation>Vælg mappen med kvitteringer</translation>
    </message>
    <message>
        <source>ChoseADocumentDirectory</source>
        <translation>Vælg mappen med dokumenter</translation>
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
        <translation>Her starter filvælgeren, når du vælger en posts billede</translation>
    </message>
    <message>
        <source>PICTURE_PATH</source>
        <translation>Mappe til billeder:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Gennemse...</translation>
    </message>
    <message>
        <source>TOOL_TIP_RECEIPT_PATH</source>
        <translation>Her starter filvælgeren, når du vælger en posts kvittering</translation>
    </message>
    <message>
        <source>RECEIPT_PATH</source>
        <translation>Mappe til kvitteringer:</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>G&amp;ennemse...</translation>
    </message>
    <message>
        <source>TOOL_TIP_DOCUMENT_PATH</source>
        <translation>Her starter filvælgeren, når du vælger en posts dokument</translation>
    </message>
    <message>
        <source>DOCUMENT_PATH</source>
        <translation>Mappe til dokumenter:</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Ge&amp;nnemse...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anvend</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Fortryd</translation>
    </message>
    <message>
        <source>BARCODE_LABELS</source>
        <translation>Stregkodeetiketter</translation>
    </message>
    <message>
        <source>TOOL_TIP_LABEL_PRINTER</source>
        <translation>Printerkøen, der modtager etiketterne, eller en enhedssti, der begynder med /. Tomt: printeren i Setup/PrinterDevice.txt.</translation>
    </message>
    <message>
        <source>LABEL_PRINTER</source>
        <translation>Etiket&amp;printer:</translation>
    </message>
    <message>
        <source>NAME_ON_ITEM_LABELS</source>
        <translation>&amp;Navn på vareetiketter</translation>
    </message>
    <message>
        <source>NAME_ON_LOCATION_LABELS</source>
        <translation>Navn på &amp;lokationsetiketter</translation>
    </message>
    <message>
        <source>TOOL_TIP_COUNT_EDITABLE</source>
        <translation>Normalt tælles lageret af placeringsopdateringerne. Slå dette til for selv at kunne skrive antallet.</translation>
    </message>
    <message>
        <source>COUNT_EDITABLE_IN_ITEM_DIALOG</source>
        <translation>Antal på lager kan rettes i vare&amp;dialogen</translation>
    </message>
    <message>
        <source>INSURER_OWNER_GROUP</source>
        <translation>Ejer (til rapporten til forsikringen)</translation>
    </message>
    <message>
        <source>TOOL_TIP_INSURER_OWNER</source>
        <translation>Navn og adresse, som rapporten til forsikringen udskriver på forsiden</translation>
    </message>
    <message>
        <source>OWNER_NAME</source>
        <translation>Ejerens na&amp;vn:</translation>
    </message>
    <message>
        <source>OWNER_ADDRESS</source>
        <translation>Ejerens a&amp;dresse:</translation>
    </message>
    <message>
        <source>TOOL_TIP_KEEP_PREVIOUS_VERSION</source>
        <translation>Hver gang databasen gemmes, bliver dens tidligere indhold liggende ved siden af den som navn.db~. Kan der ikke laves filer i mappen, lægges den i programmets datamappe.</translation>
    </message>
    <message>
        <source>KEEP_PREVIOUS_VERSION</source>
        <translation>Gem den forrige udgave ved hver gemning (navn.db~)</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>CSV_EXPORT_TITLE</source>
        <translation>Eksportér til CSV</translation>
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
        <translation>%1 emner skrevet til %2 på %3 s</translation>
    </message>
    <message>
        <source>CSV_IMPORT_TITLE</source>
        <translation>Importér fra CSV</translation>
    </message>
    <message>
        <source>CSV_DATABASE_READ_ONLY</source>
        <translation>Databasen er åbnet skrivebeskyttet; der kan ikke tilføjes noget.</translation>
    </message>
    <message>
        <source>ALL_FILES</source>
        <translation>Alle filer</translation>
    </message>
    <message>
        <source>CSV_NOT_READ %1 %2</source>
        <translation>%1 kunne ikke læses: %2</translation>
    </message>
    <message>
        <source>CSV_NOTHING_TO_IMPORT</source>
        <translation>Filen indeholder ingen rækker at importere.</translation>
    </message>
    <message>
        <source>CSV_LINE %1: %2</source>
        <translation>Linje %1: %2</translation>
    </message>
    <message>
        <source>CSV_MORE_PROBLEMS %1</source>
        <translation>... og %1 rækker mere</translation>
    </message>
    <message>
        <source>CSV_ROWS_NOT_READ %1 %2</source>
        <translation>%1 rækker kan ikke læses (se listen). %2 rækker kan læses. Intet er ændret endnu.</translation>
    </message>
    <message>
        <source>CSV_IMPORT_NOTHING</source>
        <translation>Importér &amp;intet</translation>
    </message>
    <message>
        <source>CSV_IMPORT_GOOD_ROWS %1</source>
        <translation>Importér de %1 &amp;gode rækker</translation>
    </message>
    <message>
        <source>CSV_ITEMS_ADDED %1 %2</source>
        <translation>%1 emner tilføjet fra CSV på %2 s; husk at gemme databasen</translation>
    </message>
</context>
<context>
    <name>CsvExportDialog</name>
    <message>
        <source>CSV_EXPORT_SELECTED %1</source>
        <translation>De &amp;valgte rækker (%1)</translation>
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
        <translation>Filen skrives i UTF-8 med felter adskilt af komma og tal med decimalpunktum, som regneark på engelsk læser dem. Ret det her, hvis dit regneark bruger andet.</translation>
    </message>
    <message>
        <source>CSV_STYLE_DANISH_NORWEGIAN</source>
        <translation>Filen skrives i UTF-8 med felter adskilt af semikolon og tal med decimalkomma, som regneark på dansk og norsk læser dem. Ret det her, hvis dit regneark bruger andet.</translation>
    </message>
</context>
<context>
    <name>CsvExportDialogBase</name>
    <message>
        <source>CSV_EXPORT_TITLE</source>
        <translation>Eksportér til CSV</translation>
    </message>
    <message>
        <source>CSV_EXPORT_WHICH_ITEMS</source>
        <translation>Hvad skal med?</translation>
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
        <translation>De &amp;valgte rækker</translation>
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
        <translation>&amp;Decimaltegn:</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>CSV_TEXT_TOO_LONG %1</source>
        <translation>teksten er længere end %1 tegn</translation>
    </message>
    <message>
        <source>CSV_TEXT_HOLDS_SEMICOLON</source>
        <translation>teksten indeholder &quot;;&quot;, som databasefilen ikke kan gemme</translation>
    </message>
    <message>
        <source>CSV_CHARACTER_NOT_STORABLE %1</source>
        <translation>tegnet %1 kan ikke gemmes i databasefilen</translation>
    </message>
    <message>
        <source>CSV_QUOTE_NOT_CLOSED</source>
        <translation>et citationstegn lukkes aldrig, så resten af filen kan ikke læses</translation>
    </message>
    <message>
        <source>CSV_TOO_FEW_CELLS %1 %2</source>
        <translation>rækken har %1 celler, overskriften %2</translation>
    </message>
    <message>
        <source>CSV_TOO_MANY_CELLS %1 %2</source>
        <translation>rækken har %1 celler, overskriften kun %2</translation>
    </message>
    <message>
        <source>CSV_NOT_A_FIGURE %1</source>
        <translation>&quot;%1&quot; er ikke et tal</translation>
    </message>
    <message>
        <source>CSV_NOT_A_WHOLE_NUMBER %1</source>
        <translation>&quot;%1&quot; er ikke et helt tal</translation>
    </message>
    <message>
        <source>CSV_NOT_A_DATE %1</source>
        <translation>&quot;%1&quot; er ikke en dato (dd.mm.åååå, dd-mm-åååå, d/m/åååå eller åååå-mm-dd)</translation>
    </message>
    <message>
        <source>CSV_SERIAL_NUMBER_EXISTS %1</source>
        <translation>lagernummer %1 findes allerede i databasen</translation>
    </message>
    <message>
        <source>CSV_LIST_FULL %1</source>
        <translation>Listen kan højst have %1 navne; der er ikke plads til de nye. Vælg i stedet at lægge varerne i et navn, der findes.</translation>
    </message>
    <message>
        <source>CSV_LIST_NOT_CHANGED</source>
        <translation>Listen kunne ikke ændres, så intet er tilføjet.</translation>
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
        <translation>Ignorér</translation>
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
        <translation>Vælg et felt for mindst én kolonne.</translation>
    </message>
</context>
<context>
    <name>CsvMappingDialogBase</name>
    <message>
        <source>CSV_MAPPING_TITLE</source>
        <translation>Importér fra CSV: kolonner</translation>
    </message>
    <message>
        <source>CSV_MAPPING_INFO</source>
        <translation>Vælg for hver kolonne, hvilket felt den udfylder, eller &quot;Ignorér&quot;. Nedenfor ses filens første rækker med linjenumre.</translation>
    </message>
    <message>
        <source>CSV_FIRST_ROW_IS_HEADER</source>
        <translation>Første række er &amp;overskrifter</translation>
    </message>
    <message>
        <source>CSV_DECIMAL_MARK</source>
        <translation>&amp;Decimaltegn:</translation>
    </message>
</context>
<context>
    <name>CsvUnknownNamesDialog</name>
    <message>
        <source>CSV_UNKNOWN_NAMES %1 %2</source>
        <translation>Filen nævner %1 navne, som ikke er i listen: %2</translation>
    </message>
</context>
<context>
    <name>CsvUnknownNamesDialogBase</name>
    <message>
        <source>CSV_UNKNOWN_NAMES_TITLE</source>
        <translation>Importér fra CSV: nye navne</translation>
    </message>
    <message>
        <source>CSV_ADD_TO_LIST</source>
        <translation>&amp;Tilføj dem til listen</translation>
    </message>
    <message>
        <source>CSV_PUT_INTO</source>
        <translation>&amp;Læg disse i:</translation>
    </message>
</context>
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
        <translation>Databasen er åbnet kun til læsning, fordi en anden bruger har den åben. Intet er gemt.</translation>
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
    <message>
        <source>FOLDER_LOCKED</source>
        <translation>Mappen er låst</translation>
    </message>
    <message>
        <source>FOLDER_LOCKED_BY_ANOTHER</source>
        <translation>Et andet program har låst mappen %1:
%2

Der er ikke skrevet noget i den.</translation>
    </message>
    <message>
        <source>DB_LOAD_STOPPED_AT_LINE %1 %2</source>
        <translation>Indlæsningen stoppede ved linje %2 i filen. De %1 poster før den vises; resten af filen er ikke ændret. Gemmer du over filen, bliver du spurgt først.</translation>
    </message>
    <message>
        <source>DB_NEWER_FORMAT_READ %1 %2</source>
        <translation>Databasen %2 er skrevet i format %1, som er nyere end dette program kender. Felter, programmet ikke kender, vises ikke, og filen bliver ikke gemt oven i, så intet af den går tabt. Brug Fil, Gem som for at gemme dine ændringer i en ny fil.</translation>
    </message>
    <message>
        <source>DB_NEWER_FORMAT_TITLE</source>
        <translation>Databasen er i et nyere format</translation>
    </message>
    <message>
        <source>DB_NEWER_FORMAT_NO_SAVE %1 %2</source>
        <translation>Databasen %2 er skrevet i format %1, som er nyere end dette program kender. Den er ikke gemt, fordi den kan indeholde felter, som ville gå tabt. Brug Fil, Gem som for at gemme dine ændringer i en ny fil.</translation>
    </message>
    <message>
        <source>LOCK_NOT_CREATED_TITLE</source>
        <translation>Låsefil ikke oprettet</translation>
    </message>
    <message>
        <source>LOCK_NOT_CREATED %1 %2</source>
        <translation>Låsefilen %1 kunne ikke oprettes (%2).

Databasen åbnes og kan gemmes, men andre brugere holdes ikke ude, mens du har den åben: sørg for, at ingen andre arbejder i den samtidig.</translation>
    </message>
    <message>
        <source>STALE_LOCK_TITLE</source>
        <translation>Databasen blev ikke lukket</translation>
    </message>
    <message>
        <source>STALE_LOCK_QUESTION %1 %2</source>
        <translation>Databasen %1 er stadig låst af Stockvane på denne computer (proces %2), men det program kører ikke længere: det blev sandsynligvis afbrudt af et nedbrud eller en strømafbrydelse.

Vil du overtage databasen? Ellers åbnes den skrivebeskyttet.</translation>
    </message>
    <message>
        <source>TAKE_OVER_LOCK</source>
        <translation>&amp;Overtag</translation>
    </message>
    <message>
        <source>OPEN_READ_ONLY</source>
        <translation>Åbn &amp;skrivebeskyttet</translation>
    </message>
    <message>
        <source>LOCK_HOLDER_UNKNOWN</source>
        <translation>(ukendt – låsefilen kan ikke læses)</translation>
    </message>
    <message>
        <source>TAKE_OVER_LOCK...</source>
        <translation>&amp;Overtag...</translation>
    </message>
    <message>
        <source>LOCK_HOLDER %1 %2</source>
        <translation>brugeren %1 på computeren %2</translation>
    </message>
    <message>
        <source>TAKE_OVER_LOCK_TITLE</source>
        <translation>Overtag databasen?</translation>
    </message>
    <message>
        <source>TAKE_OVER_LOCK_CONFIRM %1 %2</source>
        <translation>Databasen %1 er låst af %2.

Overtag den kun, hvis du er sikker på, at intet andet program har den åben – på den computer eller nogen anden. Er den stadig åben der, overskriver de ændringer, der gemmes der og her, hinanden.

Vil du overtage databasen?</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Fortryd</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>%1 gemt, antal: %3, tid: %4 sec </source>
        <translation>%1 gemt: %3 genstande på %4 sek.</translation>
    </message>
    <message>
        <source>%1.%2 gemt, antal: %3, tid: %4 sec </source>
        <translation>%1.%2 gemt som HTML-side: %3 genstande på %4 sek.</translation>
    </message>
    <message>
        <source>EXPORT_ERROR_TITLE</source>
        <translation>Eksporten mislykkedes</translation>
    </message>
    <message>
        <source>EXPORT_ERROR_TEXT %1</source>
        <translation>Filen %1 kunne ikke skrives. En tidligere fil med samme navn er ikke ændret.
Kontrollér, at mappen findes, at du må skrive i den, og at der er plads på disken.</translation>
    </message>
</context>
<context>
    <name>FileWriteOutcome</name>
    <message>
        <source>SAFE_WRITE_NO_COPY %1</source>
        <translation>Mappen tillader ikke nye filer, og der kunne ikke lægges en kopi af filen i %1, før den skulle skrives direkte. Derfor er den ikke skrevet.</translation>
    </message>
    <message>
        <source>SAFE_WRITE_RESTORED %1</source>
        <translation>Mappen tillader ikke nye filer, så filen blev skrevet direkte, og det mislykkedes. Dens tidligere indhold er lagt tilbage; en kopi ligger i %1.</translation>
    </message>
    <message>
        <source>SAFE_WRITE_NOT_RESTORED %1</source>
        <translation>Mappen tillader ikke nye filer, så filen blev skrevet direkte, og det mislykkedes. Dens tidligere indhold kunne ikke lægges tilbage, så filen kan være beskadiget. Det tidligere indhold ligger i %1: kopiér den fil tilbage på plads.</translation>
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
        <translation>Købsværdi</translation>
    </message>
    <message>
        <source>INSURER_VALUE_TODAY</source>
        <translation>Værdi i dag</translation>
    </message>
    <message>
        <source>INSURER_TOTAL_LINE %1 %2 %3 %4 %5 %6</source>
        <translation>%1: %2 genstande – %3: %4 – %5: %6</translation>
    </message>
    <message>
        <source>INSURER_NO_RECEIPT</source>
        <translation>Nej</translation>
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
        <translation>Ejer</translation>
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
        <translation>Antal genstande</translation>
    </message>
    <message>
        <source>INSURER_SUBTOTAL %1</source>
        <translation>Subtotal %1</translation>
    </message>
    <message>
        <source>INSURER_GRAND_TOTAL</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>INSURER_PAGE %1 %2</source>
        <translation>Side %1 af %2</translation>
    </message>
    <message>
        <source>INSURER_NO_PHOTO</source>
        <translation>Intet billede</translation>
    </message>
    <message>
        <source>INSURER_PHOTO_UNREADABLE</source>
        <translation>Billedet kan ikke læses</translation>
    </message>
    <message>
        <source>INSURER_PHOTO_MISSING</source>
        <translation>Billedfilen mangler</translation>
    </message>
</context>
<context>
    <name>InsurerReportDialog</name>
    <message>
        <source>INSURER_REPORT_ALL_ITEMS %1</source>
        <translation>Hele databasen (%1 genstande)</translation>
    </message>
    <message>
        <source>INSURER_REPORT_SELECTED_ITEMS %1</source>
        <translation>De markerede genstande (%1)</translation>
    </message>
    <message>
        <source>INSURER_REPORT_NO_OWNER</source>
        <translation>Ejerens navn og adresse er ikke angivet; skriv dem under Opsætning &gt; Standardmapper.</translation>
    </message>
    <message>
        <source>INSURER_REPORT_OWNER %1</source>
        <translation>Ejer: %1 (ændres under Opsætning &gt; Standardmapper)</translation>
    </message>
    <message>
        <source>INSURER_REPORT_SCOPE_GROUP %1</source>
        <translation>Gruppen %1</translation>
    </message>
    <message>
        <source>INSURER_REPORT_SCOPE_SELECTED</source>
        <translation>De markerede genstande</translation>
    </message>
    <message>
        <source>INSURER_REPORT_READING_PICTURES</source>
        <translation>Læser billederne...</translation>
    </message>
    <message>
        <source>INSURER_REPORT_SAVE_PDF</source>
        <translation>Gem som PDF...</translation>
    </message>
    <message>
        <source>INSURER_REPORT_TITLE</source>
        <translation>Rapport til forsikringen</translation>
    </message>
    <message>
        <source>INSURER_REPORT_PRINTED</source>
        <translation>Rapporten til forsikringen er udskrevet</translation>
    </message>
    <message>
        <source>INSURER_REPORT_SAVE_PDF_CAPTION</source>
        <translation>Gem rapporten til forsikringen som PDF</translation>
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
        <translation>Rapporten til forsikringen er gemt i %1</translation>
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
        <translation>Genstande i rapporten</translation>
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
        <translation>De markerede genstande</translation>
    </message>
    <message>
        <source>INSURER_REPORT_PREVIEW</source>
        <translation>&amp;Vis udskrift...</translation>
    </message>
    <message>
        <source>INSURER_REPORT_SAVE_PDF</source>
        <translation>Gem som &amp;PDF...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Fortryd</translation>
    </message>
</context>
<context>
    <name>ItemDialog</name>
    <message>
        <source>PICTURE_GALLERY</source>
        <translation>Billedgalleri</translation>
    </message>
    <message>
        <source>TOOLTIP_PICTOVA_REG_NUMBER</source>
        <translation>Billedets registreringsnummer</translation>
    </message>
    <message>
        <source>WHATSHIS_PICTOVA_REG_NUMBER</source>
        <translation>Billedets registreringsnummer i samlingen, et helt tal.</translation>
    </message>
    <message>
        <source>TOOLTIP_PICTOVA_ESTIMATED_PRICE</source>
        <translation>Vurderet pris</translation>
    </message>
    <message>
        <source>WHATSHIS_PICTOVA_ESTIMATED_PRICE</source>
        <translation>Den pris, billedet er vurderet til. Brug punktum som decimaltegn, f.eks. 2500.00.</translation>
    </message>
    <message>
        <source>TOOLTIP_PICTOVA_SALESPRICE</source>
        <translation>Salgspris</translation>
    </message>
    <message>
        <source>WHATSHIS_PICTOVA_SALESPRICE</source>
        <translation>Den pris, billedet er solgt for eller kan sælges for. Brug punktum som decimaltegn.</translation>
    </message>
    <message>
        <source>TOOLTIP_PICTOVA_DOCUMENT</source>
        <translation>Link til et dokument om billedet, f.eks. et certifikat</translation>
    </message>
    <message>
        <source>WHATSHIS_PICTOVA_DOCUMENT</source>
        <translation>Stien til et dokument om billedet, f.eks. et ægthedscertifikat eller en vurdering. Vælg filen med knappen til højre.</translation>
    </message>
    <message>
        <source>MINTORA_DIALOG_TITLE</source>
        <translation>Mønt</translation>
    </message>
    <message>
        <source>TOOLTIP_DB_NUMBEROF</source>
        <translation>Antal eksemplarer af mønten</translation>
    </message>
    <message>
        <source>TOOLTIP_MINTORA_DOCUMENT</source>
        <translation>Link til et dokument om mønten, f.eks. et certifikat</translation>
    </message>
    <message>
        <source>TOOLTIP_MINTORA_QUALITY</source>
        <translation>Møntens kvalitet</translation>
    </message>
    <message>
        <source>WHATSHIS_MINTORA_QUALITY</source>
        <translation>Møntens kvalitet (bevaringsgrad), skrevet som i dit katalog.</translation>
    </message>
    <message>
        <source>TOOLTIP_MINTORA_BACKSIDE_PICTURE</source>
        <translation>Link til et billede af møntens bagside</translation>
    </message>
    <message>
        <source>TOOLTIP_BROWSE_BACKSIDE_PICTURE_MINTORA</source>
        <translation>Vælg billedet af møntens bagside</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_BACKSIDE_PICTURE_MINTORA</source>
        <translation>Vis billedet af møntens bagside</translation>
    </message>
    <message>
        <source>SHOWPHOTO</source>
        <translation>Vis </translation>
    </message>
    <message>
        <source>BROWSEPHOTO</source>
        <translation>Indsæt </translation>
    </message>
    <message>
        <source>SHOWWWW</source>
        <translation>Vis </translation>
    </message>
    <message>
        <source>BROWSERECIEPT</source>
        <translation>Indsæt </translation>
    </message>
    <message>
        <source>SHOWRECIEPT</source>
        <translation>Vis </translation>
    </message>
    <message>
        <source>BROWSEDOC</source>
        <translation>Indsæt </translation>
    </message>
    <message>
        <source>SHOWDOC</source>
        <translation>Vis </translation>
    </message>
    <message>
        <source>Felt grænseværdi fejl</source>
        <translation>Ugyldig værdi</translation>
    </message>
    <message>
        <source>Ret det !</source>
        <translation>Ret venligst feltet, og prøv igen.</translation>
    </message>
    <message>
        <source>&apos;Købspris&apos; skal være: 0.0 -&gt; %1</source>
        <translation>Købsprisen skal være et tal fra 0.00 til %1 med højst to decimaler, f.eks. 1499.50.</translation>
    </message>
    <message>
        <source>&apos;Vurderet pris&apos; skal være: 0.0 -&gt; %1</source>
        <translation>Den vurderede pris skal være et tal fra 0.00 til %1 med højst to decimaler. Lad feltet stå tomt for at bruge købsprisen.</translation>
    </message>
    <message>
        <source>&apos;Antal&apos; skal være i intervalet: 0 -&gt; %1</source>
        <translation>Antallet skal være et helt tal fra 1 til %1.</translation>
    </message>
    <message>
        <source>DomvaraNameMissing</source>
        <translation>Giv posten et navn, før du gemmer den.</translation>
    </message>
    <message>
        <source>StockvaneNameMissing</source>
        <translation>Giv varen et navn, før du gemmer den.</translation>
    </message>
    <message>
        <source>PictovaNameMissing</source>
        <translation>Giv billedet et navn, før du gemmer det.</translation>
    </message>
    <message>
        <source>MintoraNameMissing</source>
        <translation>Skriv møntens årstal, før du gemmer den.</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>StockvaneItemTypeHasNotBeenSelected</source>
        <translation>Vælg en værdi i feltet: </translation>
    </message>
    <message>
        <source>Fejl søgning</source>
        <translation>Intet fundet</translation>
    </message>
    <message>
        <source>Search_Error</source>
        <translation>Ingen post passer til søgningen. Ret søgekriterierne, og prøv igen.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>TotalPrice</source>
        <translation>Pris i alt</translation>
    </message>
    <message>
        <source>READ ONLY</source>
        <translation>Kun læsning</translation>
    </message>
    <message>
        <source>READ ONLY MODE - No Save</source>
        <translation>Databasen er åbnet kun til læsning, fordi en anden bruger har den åben. Ændringerne er ikke gemt.</translation>
    </message>
    <message>
        <source>WHOLE_NUMBER_NOT_READABLE %1 %2</source>
        <translation>&apos;%1&apos; skal være et helt tal uden fortegn og skilletegn, ikke &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>FIGURE_NOT_READABLE %1 %2</source>
        <translation>&apos;%1&apos; kan ikke læses som et beløb: &quot;%2&quot;.
Skriv cifre med højst ét decimalkomma eller -punktum og højst to decimaler, uden tusindtalsseparator, f.eks. 1499,50.</translation>
    </message>
    <message>
        <source>SAVE_ITEM_CHANGES_QUESTION</source>
        <translation>Ændringerne i formularen er ikke gemt. Vil du gemme dem?</translation>
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
        <source>EXTRA_FIELD_NOT_KEPT</source>
        <translation>Databasefilen i dette program gemmer ikke feltet, så det kan ikke udfyldes her.</translation>
    </message>
    <message>
        <source>DELETE_READ_ONLY</source>
        <translation>Databasen er åbnet kun til læsning, fordi en anden bruger har den åben. Intet er slettet.</translation>
    </message>
    <message>
        <source>LINK_CHARACTERS_NOT_STORABLE</source>
        <translation>navnet indeholder tegn, som databasen ikke kan gemme</translation>
    </message>
    <message>
        <source>LINK_SEPARATOR_NOT_STORABLE</source>
        <translation>navnet indeholder &quot;;&quot;, som databasen bruger som skilletegn</translation>
    </message>
    <message>
        <source>LINK_TOO_LONG %1</source>
        <translation>stien er længere end de %1 tegn, databasen kan gemme</translation>
    </message>
    <message>
        <source>LINK_NOT_STORABLE_TITLE</source>
        <translation>Filen kan ikke knyttes til</translation>
    </message>
    <message>
        <source>LINK_NOT_STORABLE %1 %2</source>
        <translation>Filen %1 kan ikke knyttes til: %2. Databasen ville skulle ændre navnet, og så kunne filen ikke åbnes bagefter. Omdøb filen (eller flyt den til en kortere sti), og vælg den igen.</translation>
    </message>
    <message>
        <source>FILE_FILTER_PICTURES</source>
        <translation>Billeder</translation>
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
        <translation>Billedet kan ikke læses: %1</translation>
    </message>
    <message>
        <source>PICTURE_NOT_FOUND %1</source>
        <translation>Billedet findes ikke: %1</translation>
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
        <translation>Her ser og redigerer du én post: skriv oplysningerne på fanen Data, se billede og kvittering på de andre faner, og brug knapperne til højre for at gemme, kopiere, oprette, søge og udskrive.</translation>
    </message>
    <message>
        <source>WHATSHIS_PAGE</source>
        <translation>Fanerne viser postens oplysninger, dens billede og dens kvittering. Fanerne Billede og Kvittering kan kun vælges, når posten har et billede at vise.</translation>
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
        <translation>Gruppen, posten hører til</translation>
    </message>
    <message>
        <source>WHATSHIS_TYPE</source>
        <translation>Vælg den gruppe, posten hører til. Listen over grupper redigeres under Opsætning.</translation>
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
        <translation>Skriv postens navn. Navnet skal udfyldes og vises i listen. Semikolon kan ikke bruges.</translation>
    </message>
    <message>
        <source>&amp;Fabrikat:</source>
        <translation>&amp;Fabrikat:</translation>
    </message>
    <message>
        <source>TOOLTIP_PRODUCT</source>
        <translation>Fabrikat eller mærke</translation>
    </message>
    <message>
        <source>WHATSHIS_PRODUCT</source>
        <translation>Skriv fabrikat eller mærke, f.eks. producentens navn.</translation>
    </message>
    <message>
        <source>PRODUCT_BRAND</source>
        <translation>&amp;Model:</translation>
    </message>
    <message>
        <source>TOOLTIP_PRODUCT_BRAND</source>
        <translation>Model eller produkttype</translation>
    </message>
    <message>
        <source>WHATSHIS_PRODUCT_BRAND</source>
        <translation>Skriv model eller produkttype, f.eks. typenummeret på mærkepladen.</translation>
    </message>
    <message>
        <source>&amp;Antal:</source>
        <translation>&amp;Antal:</translation>
    </message>
    <message>
        <source>TOOLTIP_NUMBER</source>
        <translation>Antal stk.</translation>
    </message>
    <message>
        <source>WHATSHIS_NUMBER</source>
        <translation>Skriv, hvor mange stk. posten omfatter, et helt tal fra 1 til 100000. Den samlede værdi er antal gange pris.</translation>
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
        <translation>Købspris for 1 stk.</translation>
    </message>
    <message>
        <source>WHATSHIS_PRICE</source>
        <translation>Skriv købsprisen for 1 stk. med punktum som decimaltegn, f.eks. 1499.50.</translation>
    </message>
    <message>
        <source>kr   Ialt</source>
        <translation>kr   I alt</translation>
    </message>
    <message>
        <source>TOOLTIP_TOTAL</source>
        <translation>Samlet værdi: antal gange pris</translation>
    </message>
    <message>
        <source>WHATSTHIS_TOTAL</source>
        <translation>Viser den samlede værdi, antal gange pris. Feltet udregnes af programmet og kan ikke redigeres.</translation>
    </message>
    <message>
        <source>&amp;Vurderet pris (ialt):</source>
        <translation>&amp;Vurderet pris (i alt):</translation>
    </message>
    <message>
        <source>prisen for 1. stk (antal=1)</source>
        <translation>Prisen for 1 stk. (antal = 1)</translation>
    </message>
    <message>
        <source>TOOLTIP_EVALPRICE</source>
        <translation>Hvad posten er værd i dag</translation>
    </message>
    <message>
        <source>WHATSHIS_EVALPRICE</source>
        <translation>Skriv, hvad posten er værd i dag, f.eks. til forsikringen. Står feltet tomt, når du gemmer, bruges købsprisen.</translation>
    </message>
    <message>
        <source>kr</source>
        <translation>kr</translation>
    </message>
    <message>
        <source>&amp;Købsdato:</source>
        <translation>&amp;Købsdato:</translation>
    </message>
    <message>
        <source>TOOLTIP_DATE</source>
        <translation>Købsdato (dd.mm.åååå)</translation>
    </message>
    <message>
        <source>WHATSHIS_DATE</source>
        <translation>Vælg den dato, posten blev købt. Klik på pilen for at vælge i en kalender. Det lille billede til højre viser postens billede.</translation>
    </message>
    <message>
        <source>image</source>
        <translation>billede</translation>
    </message>
    <message>
        <source>&amp;Lokale/rum:</source>
        <translation>&amp;Lokale/rum:</translation>
    </message>
    <message>
        <source>TOOLTIP_LOCALE</source>
        <translation>Rummet, hvor posten står</translation>
    </message>
    <message>
        <source>WHATSHIS_LOCALE</source>
        <translation>Vælg det rum eller sted, hvor posten står. Listen over rum redigeres under Opsætning.</translation>
    </message>
    <message>
        <source>&amp;Leverandør:</source>
        <translation>&amp;Leverandør:</translation>
    </message>
    <message>
        <source>SUPPLIER_TOOLTIP</source>
        <translation>Hvor posten er købt</translation>
    </message>
    <message>
        <source>SUPPLIER_WHATSTHIS</source>
        <translation>Vælg leverandøren i listen, eller skriv et nyt navn. Listen over leverandører redigeres under Opsætning.</translation>
    </message>
    <message>
        <source>&amp;EXTRA_INFO</source>
        <translation>&amp;Ekstra info:</translation>
    </message>
    <message>
        <source>EXTRA_TOOLTIP</source>
        <translation>Ekstra oplysninger, f.eks. leverandørens adresse</translation>
    </message>
    <message>
        <source>EXTRA_WHATSTHIS</source>
        <translation>Skriv ekstra oplysninger om posten, f.eks. leverandørens adresse eller telefonnummer.</translation>
    </message>
    <message>
        <source>ww&amp;w (link til web):</source>
        <translation>ww&amp;w (link til web):</translation>
    </message>
    <message>
        <source>TOOLTIP_URL</source>
        <translation>Webadresse, f.eks. producentens side om varen</translation>
    </message>
    <message>
        <source>WHATSHIS_URL</source>
        <translation>Skriv en webadresse, f.eks. https://www.eksempel.dk/vare. Knappen til højre åbner den.</translation>
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
        <translation>Skriv postens serienummer, som det står på mærkepladen. Det er nyttigt ved tyveri og i forsikringssager.</translation>
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
        <translation>Skriv en kort beskrivelse af posten, f.eks. farve, størrelse eller stand.</translation>
    </message>
    <message>
        <source>&amp;Billede (link til fil):</source>
        <translation>&amp;Billede (link til fil):</translation>
    </message>
    <message>
        <source>TOOLTIP_IMAGE</source>
        <translation>Sti til postens billede</translation>
    </message>
    <message>
        <source>WHATSHIS_IMAGE</source>
        <translation>Stien til en billedfil af posten. Vælg filen med knappen til højre; billedet vises på fanen Billede.</translation>
    </message>
    <message>
        <source>&amp;Kvittering (link til fil):</source>
        <translation>&amp;Kvittering (link til fil):</translation>
    </message>
    <message>
        <source>TOOLTIP_RECEIPT</source>
        <translation>Sti til kvitteringen</translation>
    </message>
    <message>
        <source>WHATSHIS_RECEIPT</source>
        <translation>Stien til en skannet kvittering. Er den et billede, vises den på fanen Kvittering.</translation>
    </message>
    <message>
        <source>&amp;DOCUMENT</source>
        <translation>&amp;Dokument:</translation>
    </message>
    <message>
        <source>TOOLTIP_DOCUMENT</source>
        <translation>Sti til et dokument, f.eks. en brugsanvisning</translation>
    </message>
    <message>
        <source>WHATSHIS_DOCUMENT</source>
        <translation>Stien til et dokument om posten, f.eks. en brugsanvisning eller en garanti. Dokumentet åbnes med det program, der hører til filtypen.</translation>
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
        <translation>Et ekstra felt til dine egne oplysninger. Feltets navn kan ændres i listen over feltnavne.</translation>
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
        <translation>Et ekstra felt til dine egne oplysninger. Feltets navn kan ændres i listen over feltnavne.</translation>
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
        <translation>Et ekstra felt til dine egne oplysninger. Feltets navn kan ændres i listen over feltnavne.</translation>
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
        <translation>Et ekstra felt til dine egne oplysninger. Feltets navn kan ændres i listen over feltnavne.</translation>
    </message>
    <message>
        <source>&amp;Billede</source>
        <translation>&amp;Billede</translation>
    </message>
    <message>
        <source>&amp;Kvittering</source>
        <translation>&amp;Kvittering</translation>
    </message>
    <message>
        <source>&amp;Afskrivning</source>
        <translation>&amp;Afskrivning</translation>
    </message>
    <message>
        <source>WHATSHIS_BUTTON_FRAME</source>
        <translation>Knapperne gemmer, kopierer, opretter, søger efter og udskriver poster og åbner postens links.</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Gem</translation>
    </message>
    <message>
        <source>TOOLTIP_SAVE_BTN</source>
        <translation>Gem posten</translation>
    </message>
    <message>
        <source>WHATSHIS_SAVE_BTN</source>
        <translation>Gemmer det, du har skrevet, i posten, og dialogen forbliver åben. Husk at gemme databasen bagefter.</translation>
    </message>
    <message>
        <source>Kopie&amp;r</source>
        <translation>Kopie&amp;r</translation>
    </message>
    <message>
        <source>TOOLTIP_COPY_BTN</source>
        <translation>Lav en kopi af posten</translation>
    </message>
    <message>
        <source>WHATSHIS_COPY_BTN</source>
        <translation>Laver en ny post med de samme oplysninger. Ret det, der skal være anderledes, og tryk Gem for at tilføje kopien.</translation>
    </message>
    <message>
        <source>&amp;Ny</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>TOOLTIP_NEW_BTN</source>
        <translation>Opret en ny post</translation>
    </message>
    <message>
        <source>WHATSHIS_NEW_BTN</source>
        <translation>Tømmer felterne, så du kan oprette en ny post i den valgte gruppe. Posten tilføjes, når du trykker Gem.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Nulstil</translation>
    </message>
    <message>
        <source>TOOLTIP_RESET_BTN</source>
        <translation>Tøm felterne til en ny søgning</translation>
    </message>
    <message>
        <source>WHATSHIS_RESET_BTN</source>
        <translation>Tømmer alle felter, så du kan skrive, hvad der skal søges efter. Tryk derefter Søg.</translation>
    </message>
    <message>
        <source>&amp;Søg</source>
        <translation>&amp;Søg</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_BTN</source>
        <translation>Søg efter en post, der ligner det udfyldte</translation>
    </message>
    <message>
        <source>WHATSHIS_SEACH_BTN</source>
        <translation>Finder den første post, der passer til de udfyldte felter. Der søges ikke på tomme felter, og store og små bogstaver regnes for ens.</translation>
    </message>
    <message>
        <source>SEARCH_AGAIN</source>
        <translation>Søg &amp;igen</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCHAGAIN_BTN</source>
        <translation>Find den næste post, der passer</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Udskriv</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT_BTN</source>
        <translation>Udskriv posten</translation>
    </message>
    <message>
        <source>Vis &amp;www</source>
        <translation>Vis &amp;www</translation>
    </message>
    <message>
        <source>TOOLTIP_WWW_BTN</source>
        <translation>Åbn webadressen</translation>
    </message>
    <message>
        <source>WHATSHIS_WWW_BTN</source>
        <translation>Åbner webadressen i browseren eller i det program, der er valgt under Opsætning.</translation>
    </message>
    <message>
        <source>&amp;Indsæt billede</source>
        <translation>&amp;Indsæt billede</translation>
    </message>
    <message>
        <source>TOOLT_INS_BILLEDE</source>
        <translation>Vælg en billedfil til posten</translation>
    </message>
    <message>
        <source>WHATS_THIS_INSERT_PICTURE_TEXT</source>
        <translation>Åbner en filvælger, hvor du vælger postens billede. Filvælgeren starter i billedmappen fra Opsætning.</translation>
    </message>
    <message>
        <source>&amp;Vis billede</source>
        <translation>&amp;Vis billede</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_IMAGE_BTN</source>
        <translation>Vis billedet</translation>
    </message>
    <message>
        <source>WHATSHIS_SHOW_IMAGE_BTN</source>
        <translation>Åbner billedet i det billedprogram, der er valgt under Opsætning, eller i det program, der hører til filtypen.</translation>
    </message>
    <message>
        <source>In&amp;dsæt Kvittering</source>
        <translation>In&amp;dsæt kvittering</translation>
    </message>
    <message>
        <source>TOOLTIP_INS_KVIT</source>
        <translation>Vælg en kvitteringsfil til posten</translation>
    </message>
    <message>
        <source>WHATS_THIS_INSERT_RECEIPT_TEXT</source>
        <translation>Åbner en filvælger, hvor du vælger en skannet kvittering. Filvælgeren starter i kvitteringsmappen fra Opsætning.</translation>
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
        <translation>Åbner kvitteringen med det program, der hører til filtypen.</translation>
    </message>
    <message>
        <source>INSERT_DOCUMENT</source>
        <translation>Indsæt d&amp;okument</translation>
    </message>
    <message>
        <source>TOOLTIP_INSERT_DOCUMENT_BTN</source>
        <translation>Vælg et dokument til posten</translation>
    </message>
    <message>
        <source>WHATSHIS_INSERT_DOCUMENT_BTN</source>
        <translation>Åbner en filvælger, hvor du vælger et dokument, f.eks. en brugsanvisning. Filvælgeren starter i dokumentmappen fra Opsætning.</translation>
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
        <translation>Åbner dokumentet med det program, der hører til filtypen.</translation>
    </message>
    <message>
        <source>VIEW_CURRENT_AS_HTML</source>
        <translation>Vis som &amp;HTML</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_HTML_BTN</source>
        <translation>Vis posten som en webside</translation>
    </message>
    <message>
        <source>WHATSHIS_SHOW_HTML_BTN</source>
        <translation>Laver en HTML-side med postens oplysninger og åbner den i browseren.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>TOOLTIP_OK_BTN</source>
        <translation>Gem posten, og luk dialogen</translation>
    </message>
    <message>
        <source>PREVP</source>
        <translation>&amp;Forrige</translation>
    </message>
    <message>
        <source>TOOLT_PREV</source>
        <translation>Vis den forrige post i databasen</translation>
    </message>
    <message>
        <source>NEXTP</source>
        <translation>N&amp;æste</translation>
    </message>
    <message>
        <source>TOOLT_NEXT</source>
        <translation>Vis den næste post i databasen</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>TOOLTIP_HELP_BTN</source>
        <translation>Vis hjælp til dialogen</translation>
    </message>
    <message>
        <source>WHATSHIS_HELP_BTN</source>
        <translation>Åbner hjælpesiden om denne dialog.</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Fortryd</translation>
    </message>
    <message>
        <source>TOOLTIP_CANCEL_BTN</source>
        <translation>Luk uden at gemme</translation>
    </message>
    <message>
        <source>WHATSHIS_CANCEL_BTN</source>
        <translation>Lukker dialogen. Det, du har skrevet siden sidste tryk på Gem, gemmes ikke.</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT_PREVIEW_BTN</source>
        <translation>Vis udskriften af posten, før den udskrives</translation>
    </message>
    <message>
        <source>PRINT_PREVIEW</source>
        <translation>Vis udskrift</translation>
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
        <source>ITEMS_IN_UNKNOWN_GROUP %1 %2</source>
        <translation>%1 poster har et gruppenummer, som gruppelisten ikke har. De vises under &quot;%2&quot; nederst i listen. Åbn hver af dem, og vælg en gruppe, eller tilføj de manglende grupper under Opsætning.</translation>
    </message>
    <message>
        <source>UNKNOWN_GROUP</source>
        <translation>(ukendt gruppe)</translation>
    </message>
    <message>
        <source>READ ONLY</source>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>DELETE_READ_ONLY</source>
        <translation>Databasen er åbnet kun til læsning, fordi en anden bruger har den åben. Intet er slettet.</translation>
    </message>
    <message>
        <source>DELETE_ROWS_QUESTION %1</source>
        <translation>Slet de %1 valgte poster?</translation>
    </message>
    <message>
        <source>DELETE_ROWS</source>
        <translation>&amp;Slet</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Fortryd</translation>
    </message>
</context>
<context>
    <name>LabelPrintJob</name>
    <message>
        <source>LABEL_PRINT_TITLE</source>
        <translation>Stregkodeetiketter</translation>
    </message>
    <message>
        <source>LABEL_TEMPLATE_NOT_READ %1</source>
        <translation>Etiketskabelonen %1 kan ikke læses. Der er ikke udskrevet nogen etiketter.</translation>
    </message>
    <message>
        <source>LABEL_FILE_NOT_WRITTEN %1 %2</source>
        <translation>Etiketfilen %1 kan ikke skrives (%2). Der er ikke udskrevet nogen etiketter.</translation>
    </message>
    <message>
        <source>NO_LABEL_PRINTER %1</source>
        <translation>Der er ikke valgt nogen etiketprinter. Vælg en under Opsætning, Standardmapper, eller angiv den i %1. Der er ikke udskrevet nogen etiketter.</translation>
    </message>
    <message>
        <source>LABEL_PRINT_FAILED %1 %2 %3</source>
        <translation>Etiketterne kunne ikke udskrives.
Kommando: %1
Resultat: %2
%3</translation>
    </message>
    <message>
        <source>LABEL_PRINT_NOT_STARTED %1 %2</source>
        <translation>Etiketterne kunne ikke sendes til printeren, fordi kommandoen ikke kunne startes.
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
        <translation>Billede</translation>
    </message>
    <message>
        <source>LINK_KIND_BACK</source>
        <translation>Bagside</translation>
    </message>
    <message>
        <source>LINK_KIND_RECEIPT</source>
        <translation>Kvittering</translation>
    </message>
    <message>
        <source>LINK_KIND_PICTURE2</source>
        <translation>Billede 2</translation>
    </message>
    <message>
        <source>LINK_KIND_DOCUMENT</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>LINK_FOUND_MORE_THAN_ONCE %1</source>
        <translation>fundet %1 gange - rettes ikke</translation>
    </message>
    <message>
        <source>LINK_NOT_FOUND</source>
        <translation>ikke fundet</translation>
    </message>
    <message>
        <source>LINK_CHECK_ALL_FOUND</source>
        <translation>Alle tilknyttede filer findes.</translation>
    </message>
    <message>
        <source>LINK_CHECK_MISSING %1</source>
        <translation>%1 links peger på filer, der mangler.</translation>
    </message>
    <message>
        <source>LINK_CHECK_PLAN %1 %2 %3</source>
        <translation>Søgningen fandt %1 filer, der kan rettes til; %2 navne blev fundet mere end én gang, %3 slet ikke.</translation>
    </message>
    <message>
        <source>LINK_CHECK_CHOOSE_FOLDER</source>
        <translation>Vælg mappen, der skal søges i</translation>
    </message>
    <message>
        <source>READ ONLY</source>
        <translation>SKRIVEBESKYTTET</translation>
    </message>
    <message>
        <source>READ ONLY MODE - No Save</source>
        <translation>Databasen er åben hos en anden bruger - der gemmes ikke</translation>
    </message>
</context>
<context>
    <name>LinkCheckDialogBase</name>
    <message>
        <source>LINK_CHECK_TITLE</source>
        <translation>Kontrol af tilknyttede filer</translation>
    </message>
    <message>
        <source>LINK_CHECK_ITEM</source>
        <translation>Post</translation>
    </message>
    <message>
        <source>LINK_CHECK_KIND</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>LINK_CHECK_LINK</source>
        <translation>Manglende fil</translation>
    </message>
    <message>
        <source>LINK_CHECK_FOUND</source>
        <translation>Fundet</translation>
    </message>
    <message>
        <source>TOOLTIP_LINK_CHECK_OPEN_ITEM</source>
        <translation>Åbner den valgte post, så linket kan rettes i hånden.</translation>
    </message>
    <message>
        <source>LINK_CHECK_OPEN_ITEM</source>
        <translation>&amp;Åbn posten...</translation>
    </message>
    <message>
        <source>TOOLTIP_LINK_CHECK_SEARCH</source>
        <translation>Søger i en mappe og dens undermapper efter filer med de manglende filers navne og viser, hvad der vil blive ændret.</translation>
    </message>
    <message>
        <source>LINK_CHECK_SEARCH</source>
        <translation>&amp;Søg i en mappe...</translation>
    </message>
    <message>
        <source>TOOLTIP_LINK_CHECK_RELINK</source>
        <translation>Retter de links, hvis fil blev fundet præcis én gang. Kan fortrydes.</translation>
    </message>
    <message>
        <source>LINK_CHECK_RELINK</source>
        <translation>&amp;Ret links</translation>
    </message>
    <message>
        <source>LINK_CHECK_CLOSE</source>
        <translation>&amp;Luk</translation>
    </message>
</context>
<context>
    <name>ListPrinting</name>
    <message>
        <source>Print afbrudt</source>
        <translation>Udskrivning afbrudt</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Udskriver...</translation>
    </message>
    <message>
        <source>Printing (page </source>
        <translation>Udskriver (side </translation>
    </message>
    <message>
        <source>)...</source>
        <translation>)...</translation>
    </message>
    <message>
        <source>Print færdig</source>
        <translation>Udskrivning færdig</translation>
    </message>
    <message>
        <source>ITEM_COUNT</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>LIST_PRINTED_LANDSCAPE</source>
        <translation>Listen er for bred til stående papir og udskrives derfor på liggende papir</translation>
    </message>
    <message>
        <source>LIST_COUNT_TEXT</source>
        <translation>Udskrevne poster: %1</translation>
    </message>
    <message>
        <source>LIST_SUM_TEXT</source>
        <translation>I alt</translation>
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
        <translation>Hvad er &amp;det?</translation>
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
        <translation>Databasefilen kunne ikke åbnes eller læses. Den er ikke ændret.</translation>
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
        <translation>Det nye sprog bruges, når programmet startes igen. Så åbner det den database, der er åben nu, med dens egne lister (var det demodatabasen, åbnes demodatabasen på det nye sprog).</translation>
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
    <message>
        <source>SAVE_AS_HTML</source>
        <translation>Gem som &amp;HTML...</translation>
    </message>
    <message>
        <source>SAVE_AS_XML</source>
        <translation>Gem som &amp;XML...</translation>
    </message>
    <message>
        <source>Udskriv...</source>
        <translation>&amp;Udskriv...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_PRINT</source>
        <translation>Udskriver databasen som en liste med de felter, bredder, sortering og filtre, du har valgt under Opsætning &gt; Udskrivning.</translation>
    </message>
    <message>
        <source>StockvaneEdit</source>
        <translation>&amp;Rediger vare...</translation>
    </message>
    <message>
        <source>MintoraEdit</source>
        <translation>&amp;Rediger mønt...</translation>
    </message>
    <message>
        <source>PictovaEdit</source>
        <translation>&amp;Rediger billede...</translation>
    </message>
    <message>
        <source>TOOLTIP_EDIT_FURNITURE</source>
        <translation>&amp;Rediger genstand...</translation>
    </message>
    <message>
        <source>HELP_TEXT_EDIT_ELEMENT</source>
        <translation>Åbner den valgte række i redigeringsvinduet; uden valgt række oprettes en ny.</translation>
    </message>
    <message>
        <source>StockvaneEditSearch</source>
        <translation>Sø&amp;g vare...</translation>
    </message>
    <message>
        <source>MintoraEditSearc</source>
        <translation>Sø&amp;g mønt...</translation>
    </message>
    <message>
        <source>PictovaEditSearc</source>
        <translation>Sø&amp;g billede...</translation>
    </message>
    <message>
        <source>Sø&amp;g Domvara...</source>
        <translation>Sø&amp;g genstand...</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_BTN</source>
        <translation>Søg efter eksempel: udfyld de felter, du kender, og find de genstande, der passer.</translation>
    </message>
    <message>
        <source>VIEW_ALL_HTML_TABLE</source>
        <translation>Vis alle som HTML-&amp;tabel</translation>
    </message>
    <message>
        <source>VIEW_ALL_AS_HTML</source>
        <translation>Vis alle som &amp;HTML</translation>
    </message>
    <message>
        <source>VIEW_ALL_SPECIAL_MINTORA_CASES_AS_HTML</source>
        <translation>Vis mønter &amp;uden værdi som HTML</translation>
    </message>
    <message>
        <source>WHATS_THIS_VIEW_ALL_SPECIAL_MINTORA_CASES_AS_HTML</source>
        <translation>Viser de mønter, hvis vurderede værdi er 0, som en HTML-side, så du kan se, hvilke der mangler en vurdering.</translation>
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
        <translation>Viser den valgte række som en HTML-side med alle felter og billeder.</translation>
    </message>
    <message>
        <source>&amp;Rapport...</source>
        <translation>&amp;Rapport...</translation>
    </message>
    <message>
        <source>HELP_TEXT_EDIT_REPORT</source>
        <translation>Viser en oversigt med antal, stykantal og værdier for hver gruppe og for hele databasen.</translation>
    </message>
    <message>
        <source>&amp;Udskrivning...</source>
        <translation>&amp;Udskrivning...</translation>
    </message>
    <message>
        <source>UPDATE_LOCATIONS...</source>
        <translation>Opdatér &amp;placeringer...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_UPDATE_LOCATIONS</source>
        <translation>Indlæser en opdateringsfil fra stregkodelæseren: antal, flytninger og kopier af varer. Filen sikkerhedskopieres først, og databasen gemmes bagefter.</translation>
    </message>
    <message>
        <source>PRINT_BARCODE...</source>
        <translation>Udskriv s&amp;tregkoder...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_PRINT_BARCODE</source>
        <translation>Udskriver stregkodeetiketten for den valgte vare, eller for alle varer i den valgte gruppe, på etiketprinteren.</translation>
    </message>
    <message>
        <source>Precreate items in Stockvane</source>
        <translation>&amp;Opret varer på forhånd...</translation>
    </message>
    <message>
        <source>&amp;Lokaler/rum...</source>
        <translation>&amp;Lokaler/rum...</translation>
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
        <translation>Filen %1 har %2 datalinjer, men den kunne kun læses til den beskadigede linje, og databasen har nu %3 poster. Gemmer du, erstattes hele filen af disse poster, og resten af filen går tabt. Vil du gemme alligevel?</translation>
    </message>
    <message>
        <source>SAVE_ANYWAY</source>
        <translation>Gem &amp;alligevel</translation>
    </message>
    <message>
        <source>DEMO_DATABASE_NOT_COPIED %1</source>
        <translation>Demodatabasen kunne ikke kopieres til din datamappe, så den kan ikke åbnes: %1</translation>
    </message>
    <message>
        <source>RECOVERY_UNNAMED</source>
        <translation>(ny database uden navn)</translation>
    </message>
    <message>
        <source>RECOVERY_NOT_WRITTEN %1</source>
        <translation>Gendannelseskopien af de ikke gemte ændringer kunne ikke skrives i %1.</translation>
    </message>
    <message>
        <source>RECOVERY_QUESTION %1 %2 %3</source>
        <translation>Ændringer i databasen %1 blev ikke gemt, da programmet sidst blev afsluttet. En gendannelseskopi fra %2 med %3 genstande er bevaret.

Vil du åbne gendannelseskopien nu (selve databasen forbliver uændret, indtil du gemmer), kassere den eller beholde den til senere?</translation>
    </message>
    <message>
        <source>RECOVERY_OPEN</source>
        <translation>&amp;Åbn kopien</translation>
    </message>
    <message>
        <source>RECOVERY_DISCARD</source>
        <translation>&amp;Kassér</translation>
    </message>
    <message>
        <source>RECOVERY_KEEP</source>
        <translation>&amp;Behold til senere</translation>
    </message>
    <message>
        <source>RECOVERY_OPENED %1 %2</source>
        <translation>%1 genstande gendannet til %2; gem for at beholde dem.</translation>
    </message>
    <message>
        <source>PRINT_PREVIEW...</source>
        <translation>Vis u&amp;dskrift...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_PRINT_PREVIEW</source>
        <translation>Viser siderne af listen, som de bliver udskrevet. Derfra kan du udskrive dem eller gå tilbage.</translation>
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
        <translation>Rapport til f&amp;orsikringen...</translation>
    </message>
    <message>
        <source>HELP_TEXT_INSURER_REPORT</source>
        <translation>Laver en rapport med billeder og værdier til forsikringsselskabet over hele databasen, én gruppe eller de markerede genstande. Den vises i udskriftsvisningen, hvorfra den kan udskrives eller gemmes som PDF-fil.</translation>
    </message>
    <message>
        <source>QUICK_FILTER_PLACEHOLDER</source>
        <translation>Filtrér listen...</translation>
    </message>
    <message>
        <source>TOOLTIP_QUICK_FILTER</source>
        <translation>Viser kun de poster, der indeholder teksten i en af de viste kolonner eller i gruppens navn. Store og små bogstaver er ens, men a finder ikke å. Escape rydder filteret.</translation>
    </message>
    <message>
        <source>FILTER_COUNT %1 %2</source>
        <translation>%1 af %2 poster</translation>
    </message>
    <message>
        <source>CHECK_LINKED_FILES...</source>
        <translation>Kontro&amp;llér tilknyttede filer...</translation>
    </message>
    <message>
        <source>HELP_TEXT_CHECK_LINKED_FILES</source>
        <translation>Viser alle poster, hvis billede, kvittering eller dokument peger på en fil, der mangler, og kan søge efter filerne i en mappe.</translation>
    </message>
    <message>
        <source>RECENT_DATABASES</source>
        <translation>S&amp;eneste databaser</translation>
    </message>
    <message>
        <source>RECENT_DATABASE_MISSING %1</source>
        <translation>%1 (mangler)</translation>
    </message>
    <message>
        <source>RECENT_DATABASES_NONE</source>
        <translation>(ingen endnu)</translation>
    </message>
    <message>
        <source>RECENT_DATABASES_CLEAR</source>
        <translation>Ryd listen</translation>
    </message>
    <message>
        <source>RECENT_DATABASE_GONE_QUESTION %1</source>
        <translation>Databasen findes ikke (længere) her:

%1

Er den på et drev, der ikke er tilsluttet, så behold den på listen.</translation>
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
        <translation>Fortryder den seneste ændring af databasen. Menupunktet siger, hvilken ændring det er.</translation>
    </message>
    <message>
        <source>HELP_TEXT_EDIT_REDO</source>
        <translation>Gentager den ændring, der sidst blev fortrudt.</translation>
    </message>
    <message>
        <source>EXPORT_CSV...</source>
        <translation>Eksportér til &amp;CSV...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_EXPORT_CSV</source>
        <translation>Skriver alle emner, én gruppe eller de valgte rækker til en CSV-fil, som regneark kan åbne, med alle felter.</translation>
    </message>
    <message>
        <source>IMPORT_CSV...</source>
        <translation>I&amp;mportér fra CSV...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_IMPORT_CSV</source>
        <translation>Tilføjer emner fra en CSV-fil til den åbne database. Rækker, der ikke kan læses, og nye gruppe- og lokalenavne vises, før noget ændres.</translation>
    </message>
</context>
<context>
    <name>MessageListDialogBase</name>
    <message>
        <source>COPY_LIST_TO_CLIPBOARD</source>
        <translation>&amp;Kopiér listen</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>PRINT_FAILED_TITLE</source>
        <translation>Udskrivning mislykkedes</translation>
    </message>
    <message>
        <source>PRINT_FAILED_TEXT</source>
        <translation>Der kunne ikke udskrives på &quot;%1&quot;. Kontrollér printeren, og prøv igen. Intet er udskrevet.</translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>FUNI_TOTAL_TEXT</source>
        <translation>I alt</translation>
    </message>
    <message>
        <source>FUNI_COUNT_TEXT</source>
        <translation>Antal poster i databasen: %1</translation>
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
        <translation>Samlet oversigt over billeder pr. gruppe</translation>
    </message>
    <message>
        <source>DOMVARA_REPORT_HEADER_TEXT</source>
        <translation>Samlet oversigt pr. gruppe</translation>
    </message>
</context>
<context>
    <name>ReportDialogBase</name>
    <message>
        <source>Rapport (Samlet oversigt)</source>
        <translation>Rapport (samlet oversigt)</translation>
    </message>
    <message>
        <source>Sum af alt inventar efter gruppe</source>
        <translation>Summen af alle poster, gruppe for gruppe</translation>
    </message>
    <message>
        <source>Udskriv rapport over domvara grupper</source>
        <translation>Udskriv rapporten over grupperne</translation>
    </message>
    <message>
        <source>&amp;Udskriv</source>
        <translation>&amp;Udskriv</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>PREVIEW_REPORT_TOOLTIP</source>
        <translation>Vis rapporten, som den bliver udskrevet</translation>
    </message>
    <message>
        <source>PRINT_PREVIEW</source>
        <translation>&amp;Vis udskrift</translation>
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
    <name>StorableTextValidator</name>
    <message>
        <source>SEPARATOR_REFUSED</source>
        <translation>&quot;;&quot; kan ikke gemmes i et tekstfelt.</translation>
    </message>
    <message>
        <source>TEXT_TOO_LONG %1</source>
        <translation>Et tekstfelt rummer højst %1 tegn.</translation>
    </message>
</context>
<context>
    <name>TextRules</name>
    <message>
        <source>LINE_BREAK_AS_SPACE</source>
        <translation>Et linjeskift eller en tabulator blev til et mellemrum.</translation>
    </message>
    <message>
        <source>CONTROL_CHARACTER_REMOVED</source>
        <translation>Et kontroltegn blev fjernet.</translation>
    </message>
    <message>
        <source>CHARACTER_REPLACED %1 %2</source>
        <translation>&quot;%1&quot; blev erstattet med &quot;%2&quot;: databasefilen kan ikke rumme tegnet.</translation>
    </message>
    <message>
        <source>CHARACTER_REMOVED %1</source>
        <translation>&quot;%1&quot; blev fjernet: databasefilen kan ikke rumme tegnet.</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>UNDO_STEP %1</source>
        <translation>&amp;Fortryd %1</translation>
    </message>
    <message>
        <source>UNDO_NOTHING</source>
        <translation>&amp;Fortryd</translation>
    </message>
    <message>
        <source>REDO_STEP %1</source>
        <translation>Gen&amp;tag %1</translation>
    </message>
    <message>
        <source>REDO_NOTHING</source>
        <translation>Gen&amp;tag</translation>
    </message>
    <message>
        <source>STEP_ADD_MANY %1</source>
        <translation>oprettelse af %1 poster</translation>
    </message>
    <message>
        <source>STEP_EDIT_ONE %1</source>
        <translation>ændring af &quot;%1&quot;</translation>
    </message>
    <message>
        <source>STEP_LIST_EDIT %1</source>
        <translation>ændring af listen %1</translation>
    </message>
    <message>
        <source>STEP_RELINK %1</source>
        <translation>genkobling af %1 links</translation>
    </message>
    <message>
        <source>STEP_LOCATION_UPDATE</source>
        <translation>lokationsopdatering</translation>
    </message>
    <message>
        <source>STEP_COPY_ONE %1</source>
        <translation>kopi af &quot;%1&quot;</translation>
    </message>
    <message>
        <source>STEP_COPY_MANY %1</source>
        <translation>kopi af %1 poster</translation>
    </message>
    <message>
        <source>STEP_ADD_ONE %1</source>
        <translation>tilføjelse af &quot;%1&quot;</translation>
    </message>
    <message>
        <source>STEP_DELETE_ONE %1</source>
        <translation>sletning af &quot;%1&quot;</translation>
    </message>
    <message>
        <source>STEP_DELETE_MANY %1</source>
        <translation>sletning af %1 poster</translation>
    </message>
    <message>
        <source>STEP_CSV_IMPORT %1</source>
        <translation>import af %1 poster fra CSV</translation>
    </message>
</context>
<context>
    <name>UpdateLocations</name>
    <message>
        <source>File: does not exist</source>
        <translation>Filen findes ikke. Der er intet at opdatere.</translation>
    </message>
    <message>
        <source>Move failed, location1: %1 not found, max groups: %2</source>
        <translation>Lokationen %1 findes ikke. Der er %2 grupper, nummereret fra 0.</translation>
    </message>
    <message>
        <source>Move failed, location2: %1 not found, max groups: %2</source>
        <translation>Flytning ikke udført: mållokationen %1 findes ikke. Der er %2 grupper, nummereret fra 0.</translation>
    </message>
    <message>
        <source>Update (I) failed, to few items: %1 in record: %2 - can not subtract (%3)</source>
        <translation>Antallet kan ikke ændres: varenummer %2 har kun %1 stk., og %3 ville give et negativt antal.</translation>
    </message>
    <message>
        <source>Move failed, ItemId: %1 - not found at location: %2</source>
        <translation>Flytning ikke udført: varenummer %1 findes ikke på lokation %2.</translation>
    </message>
    <message>
        <source>Move failed, to few items: %1 in record: %2 - can not subtract (%3)</source>
        <translation>Flytning ikke udført: varenummer %2 har kun %1 stk., så %3 stk. kan ikke flyttes.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_READ_ONLY</source>
        <translation>Databasen er åbnet skrivebeskyttet, fordi en anden bruger har den åben. Lokationerne er ikke opdateret, og opdateringsfilen er uændret.</translation>
    </message>
    <message>
        <source>Open_Location_File</source>
        <translation>Åbn fil med lokationsopdateringer</translation>
    </message>
    <message>
        <source>location file (*.txt *.loc)</source>
        <translation>Lokationsfil (*.txt *.loc)</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_SUMMARY</source>
        <translation>Lokationer opdateret fra %1: %2 linjer udført, %3 mislykkedes, %4 ikke forstået.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_FAILED_LINE %1 %2 %3</source>
        <translation>Linje %1: %2 — %3</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_LINE_NOT_UNDERSTOOD</source>
        <translation>Ikke en lokationsopdatering (I, F eller S med det rigtige antal dele).</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_ID_NOT_A_NUMBER %1</source>
        <translation>Varenummeret %1 er ikke et tal.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_ID_AMBIGUOUS %1 %2 %3</source>
        <translation>Varenummeret %1 passer til både serienummer %2 og %3, hvis etiketter er ens; linjen er ikke udført på nogen af dem.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_COUNT_NOT_A_NUMBER %1</source>
        <translation>Antallet %1 er ikke et helt tal, eller det er for stort.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_NOT_FOUND %1 %2</source>
        <translation>Der er ingen vare med nummer %1 på lokation %2.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_COUNT_TOO_LARGE %1 %2</source>
        <translation>Antallet for varenummer %1 ville blive større end %2.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_COPY_NEEDS_COUNT %1</source>
        <translation>En kopi på den nye lokation skal have et antal på mindst 1, ikke %1.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_NOT_FOUND_ANYWHERE %1</source>
        <translation>Der er ingen vare med nummer %1.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_FAILED_LINES %1 %2 %3</source>
        <translation>%1 af de %2 linjer i %3 blev ikke udført. De står nedenfor med årsagen; du kan kopiere dem, rette dem og køre dem igen fra en ny opdateringsfil.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_COPY_KEPT %1</source>
        <translation>De udførte linjer er gemt, og opdateringsfilen er slettet; hele filen er bevaret som %1.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_FILE_KEPT %1</source>
        <translation>Opdateringsfilen %1 er bevaret, hvor den er.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_NOT_SAVED %1</source>
        <translation>Databasen kunne ikke gemmes, så ændringerne fra %1 findes kun i den åbne database. Opdateringsfilen er bevaret.
Gem databasen, og slet derefter opdateringsfilen, så dens linjer ikke udføres en gang til.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_NOTHING_APPLIED</source>
        <translation>Ingen lokationsopdatering blev udført.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_DATABASE_SAVED</source>
        <translation>Databasen er gemt.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_DATABASE_NOT_SAVED</source>
        <translation>Databasen er IKKE gemt.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_FILE_REMOVED</source>
        <translation>Opdateringsfilen er slettet.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_FILE_STAYS</source>
        <translation>Opdateringsfilen er bevaret.</translation>
    </message>
</context>
<context>
    <name>UpdateLocations/DeleteLocationFile</name>
    <message>
        <source>File: does not exist</source>
        <translation>Opdateringsfilen kunne ikke slettes, fordi den ikke længere findes. Lokationerne er opdateret.</translation>
    </message>
    <message>
        <source>LOCATION_FILE_NOT_DELETED %1</source>
        <translation>Lokationerne er opdateret, men opdateringsfilen %1 kunne ikke slettes.
Slet den selv, før der køres en ny opdatering, ellers bliver de samme linjer udført to gange.</translation>
    </message>
</context>
<context>
    <name>UpdateLocations/ParseLocationFile</name>
    <message>
        <source>Cannot open file %1 for reading</source>
        <translation>Filen %1 kan ikke læses. Intet er opdateret.</translation>
    </message>
    <message>
        <source>Copy of file: %1 to %2 failed</source>
        <translation>Filen %1 kunne ikke kopieres til %2. Intet er opdateret, og filen er uændret.
Har du netop kørt en opdatering fra en fil med samme navn, så vent et minut, og prøv igen.</translation>
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
        <translation>Produktmodel</translation>
    </message>
    <message>
        <source>Antal</source>
        <translation>Antal</translation>
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
        <translation>Billede</translation>
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
        <translation>Rum</translation>
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
        <translation>Løbenummer</translation>
    </message>
    <message>
        <source>&apos;Adresse felt længde&apos; skal være: 1 -&gt; %2</source>
        <translation>Feltlængden for adressen skal være et tal fra 1 til %2.</translation>
    </message>
    <message>
        <source>&apos;Beskrivelse felt længde&apos; skal være: 1 -&gt; %2</source>
        <translation>Feltlængden for beskrivelsen skal være et tal fra 1 til %2.</translation>
    </message>
    <message>
        <source>Felt grænseværdi fejl</source>
        <translation>Ugyldig feltlængde</translation>
    </message>
    <message>
        <source>Ret det !</source>
        <translation>Ret venligst værdien, og tryk OK igen.</translation>
    </message>
    <message>
        <source>LENGTH_KEY_REFUSED %1 %2</source>
        <translation>Længden af &quot;%1&quot; skal være et helt tal fra 1 til %2.</translation>
    </message>
    <message>
        <source>FIELD_LENGTH_RANGE %1 %2</source>
        <translation>&apos;%1&apos; felt længde skal være: 1 -&gt; %2</translation>
    </message>
</context>
<context>
    <name>printSelectDataDialogBase</name>
    <message>
        <source>Vælg data til udskrivning</source>
        <translation>Vælg data til udskrivning</translation>
    </message>
    <message>
        <source>Mulige felter</source>
        <translation>Mulige felter</translation>
    </message>
    <message>
        <source>Felter som pt. ikke udskrives</source>
        <translation>Felter, der ikke udskrives nu</translation>
    </message>
    <message>
        <source>Tilføj et felt fra databasen i udskrift</source>
        <translation>Tilføj det valgte felt til udskriften</translation>
    </message>
    <message>
        <source>Fjern et felt fra databasen i udskrift</source>
        <translation>Fjern det valgte felt fra udskriften</translation>
    </message>
    <message>
        <source>Valgte felter</source>
        <translation>Valgte felter</translation>
    </message>
    <message>
        <source>Disse felter vil blive udskrevet (rækkefølgen er pre-defineret)</source>
        <translation>Disse felter udskrives (rækkefølgen er fast)</translation>
    </message>
    <message>
        <source>Sortering efter</source>
        <translation>Sortér efter</translation>
    </message>
    <message>
        <source>Sorter inventar liste udskriften efter valgte felt</source>
        <translation>Sortér den udskrevne liste efter det valgte felt</translation>
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
        <translation>Mærke</translation>
    </message>
    <message>
        <source>Pris (ialt)</source>
        <translation>Pris (i alt)</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Rum</source>
        <translation>Rum</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>Diverse</translation>
    </message>
    <message>
        <source>PrintGroup</source>
        <translation>Udskriv kun gruppen:</translation>
    </message>
    <message>
        <source>PrintLocation</source>
        <translation>Udskriv kun: </translation>
    </message>
    <message>
        <source>Felt separator i udskrift</source>
        <translation>Feltadskiller i udskriften</translation>
    </message>
    <message>
        <source>Bestemmer den karakter som adskiller felterne i udskriften</source>
        <translation>Det tegn, der adskiller felterne i udskriften</translation>
    </message>
    <message>
        <source>Felt længde i udskrift</source>
        <translation>Feltlængde i udskriften</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Fortryd</translation>
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
        <translation>Rum</translation>
    </message>
    <message>
        <source>Leverandør</source>
        <translation>Leverandør</translation>
    </message>
    <message>
        <source>PRINT_BARCODE</source>
        <translation>&amp;Udskriv stregkode</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT_BARCODE</source>
        <translation>Udskriv en stregkodeetiket til det valgte sted</translation>
    </message>
    <message>
        <source>WHATSHIS_PRINT_LOCATION_BARCODE</source>
        <translation>Udskriver en stregkodeetiket til det valgte navn på etiketprinteren. Stregkoden er navnets placering i listen (det første navn er 000000), det nummer håndscanneren skriver i opdateringsfilen for placeringer.</translation>
    </message>
    <message>
        <source>SETUP_WARNING</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>SETUP_MAX_LIMIT_REACHED</source>
        <translation>Listen er fuld. Der er ikke plads til flere navne.</translation>
    </message>
    <message>
        <source>Fejl indtastning</source>
        <translation>Fejl i indtastning</translation>
    </message>
    <message>
        <source>Dette navn er allerede anvendt</source>
        <translation>En anden post i listen har allerede dette navn (store og små bogstaver regnes for ens). Vælg et andet navn.</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>Kan ikke have færre grupper end i databasen - omplacer evt. domvara til andre grupper</source>
        <translation>Listen skal have mindst én gruppe, så den sidste kan ikke slettes.</translation>
    </message>
    <message>
        <source>Kan ikke have færre lokaler end dem der allerede er i databasen</source>
        <translation>Listen skal have mindst ét lokale, så det sidste kan ikke slettes.</translation>
    </message>
    <message>
        <source>SETUP_ERROR</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>NO_ITEM_SELECTED</source>
        <translation>Vælg et navn i listen først.</translation>
    </message>
    <message>
        <source>SETUP_READ_ONLY</source>
        <translation>Databasen er åbnet skrivebeskyttet, fordi en anden bruger har den åben. Listen er ikke gemt.</translation>
    </message>
    <message>
        <source>SETUP_NAME_EMPTY</source>
        <translation>Navnet må ikke være tomt.</translation>
    </message>
    <message>
        <source>SETUP_ENTRY_IN_USE</source>
        <translation>&quot;%2&quot; kan ikke slettes. Antal poster, der bruger det: %1. Flyt dem et andet sted hen først.</translation>
    </message>
</context>
<context>
    <name>setupdialogBase</name>
    <message>
        <source>Setup</source>
        <translation>Opsætning af liste</translation>
    </message>
    <message>
        <source>WHATS_THIS_SETUP_DIALOG</source>
        <translation>Her redigerer du en af databasens lister: grupper, lokaler eller leverandører. Vælg et navn i listen for at rette det, skriv et nyt navn og tryk Tilføj, eller vælg et navn og tryk Slet. Ændringerne gemmes først, når du trykker Gem eller OK.</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>TOOLTIP_LIST</source>
        <translation>Navnene i listen, i deres rækkefølge</translation>
    </message>
    <message>
        <source>WHATS_THIS_LIST</source>
        <translation>Navnene i listen. Posterne husker deres gruppe og lokale ved placeringen i listen, så rækkefølgen betyder noget. Klik på et navn for at hente det ned i feltet nedenfor.</translation>
    </message>
    <message>
        <source>TOOLTIP_SELECTED</source>
        <translation>Det valgte navn, eller et nyt navn</translation>
    </message>
    <message>
        <source>WHATS_THIS_SELECTED</source>
        <translation>Skriv et nyt navn og tryk Tilføj for at sætte det sidst i listen, eller ret det valgte navn og tryk Gem. Et navn kan højst have 199 tegn og må ikke indeholde semikolon.</translation>
    </message>
    <message>
        <source>TOOLTIP_ADD</source>
        <translation>Tilføj navnet sidst i listen</translation>
    </message>
    <message>
        <source>&amp;Tilføj</source>
        <translation>&amp;Tilføj</translation>
    </message>
    <message>
        <source>TOOLTIP_REMOVE</source>
        <translation>Slet det valgte navn fra listen</translation>
    </message>
    <message>
        <source>&amp;Slet</source>
        <translation>&amp;Slet</translation>
    </message>
    <message>
        <source>TOOLTIP_SAVE</source>
        <translation>Gem listen i databasen og i listefilen</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Gem</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT</source>
        <translation>Udskriv</translation>
    </message>
    <message>
        <source>SETUP_PRINT</source>
        <translation>&amp;Udskriv</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Fortryd</translation>
    </message>
</context>
</TS>
