<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AutomakeItems</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Number of items must be:
Greater than 0 and less than 1000</source>
        <translation>The number of entries must be:
greater than 0 and less than 1000</translation>
    </message>
    <message>
        <source>AUTOMAKE_READ_ONLY</source>
        <translation>The database is open read-only because another user has it open. No items were created.</translation>
    </message>
</context>
<context>
    <name>AutomakeItemsClass</name>
    <message>
        <source>AutomakeItems</source>
        <translation>Create entries automatically</translation>
    </message>
    <message>
        <source>Number of items</source>
        <translation>&amp;Number of entries:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>N&amp;ame:</translation>
    </message>
    <message>
        <source>MakeItems</source>
        <translation>&amp;Create entries</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>C&amp;lose</translation>
    </message>
</context>
<context>
    <name>CommonSetup</name>
    <message>
        <source>CommonSetupDialogTitle</source>
        <translation>Default folders</translation>
    </message>
    <message>
        <source>MINTORA_FRONT_PICTURE_PATH</source>
        <translation>Front pictures folder:</translation>
    </message>
    <message>
        <source>MINTORA_BACK_PICTURE_PATH</source>
        <translation>Back pictures folder:</translation>
    </message>
    <message>
        <source>BILLED_PATH</source>
        <translation>Pictures folder:</translation>
    </message>
    <message>
        <source>KVITTERINGS_PATH</source>
        <translation>Second pictures folder:</translation>
    </message>
    <message>
        <source>ChoseAPictureDirectory</source>
        <translation>Choose the folder of the pictures</translation>
    </message>
    <message>
        <source>ChoseAReceiptDirectory</source>
        <translation>Choose the folder of the receipts</translation>
    </message>
    <message>
        <source>ChoseADocumentDirectory</source>
        <translation>Choose the folder of the documents</translation>
    </message>
</context>
<context>
    <name>CommonSetupBase</name>
    <message>
        <source>CommonSetup</source>
        <translation>Default folders</translation>
    </message>
    <message>
        <source>TOOL_TIP_PICTURE_PATH</source>
        <translation>Where the file chooser starts when you pick an entry&apos;s picture</translation>
    </message>
    <message>
        <source>PICTURE_PATH</source>
        <translation>Pictures folder:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>TOOL_TIP_RECEIPT_PATH</source>
        <translation>Where the file chooser starts when you pick an entry&apos;s receipt</translation>
    </message>
    <message>
        <source>RECEIPT_PATH</source>
        <translation>Receipts folder:</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>B&amp;rowse...</translation>
    </message>
    <message>
        <source>TOOL_TIP_DOCUMENT_PATH</source>
        <translation>Where the file chooser starts when you pick an entry&apos;s document</translation>
    </message>
    <message>
        <source>DOCUMENT_PATH</source>
        <translation>Documents folder:</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Bro&amp;wse...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>BARCODE_LABELS</source>
        <translation>Barcode labels</translation>
    </message>
    <message>
        <source>TOOL_TIP_LABEL_PRINTER</source>
        <translation>The print queue that receives the labels, or a device path beginning with /. Empty: the printer named in Setup/PrinterDevice.txt.</translation>
    </message>
    <message>
        <source>LABEL_PRINTER</source>
        <translation>Label &amp;printer:</translation>
    </message>
    <message>
        <source>NAME_ON_ITEM_LABELS</source>
        <translation>&amp;Name on item labels</translation>
    </message>
    <message>
        <source>NAME_ON_LOCATION_LABELS</source>
        <translation>Name on &amp;location labels</translation>
    </message>
    <message>
        <source>TOOL_TIP_COUNT_EDITABLE</source>
        <translation>Stock is normally counted by the location updates. Switch this on to type the count yourself.</translation>
    </message>
    <message>
        <source>COUNT_EDITABLE_IN_ITEM_DIALOG</source>
        <translation>Stock count can be typed in the article &amp;dialog</translation>
    </message>
    <message>
        <source>INSURER_OWNER_GROUP</source>
        <translation>Owner (for the report for the insurer)</translation>
    </message>
    <message>
        <source>TOOL_TIP_INSURER_OWNER</source>
        <translation>The name and address the report for the insurer prints on its cover</translation>
    </message>
    <message>
        <source>OWNER_NAME</source>
        <translation>Owner&apos;s na&amp;me:</translation>
    </message>
    <message>
        <source>OWNER_ADDRESS</source>
        <translation>Owner&apos;s a&amp;ddress:</translation>
    </message>
    <message>
        <source>TOOL_TIP_KEEP_PREVIOUS_VERSION</source>
        <translation>Each time the database is saved, its former contents stay beside it as name.db~. Where no file can be made in that folder, it goes to the program&apos;s data folder.</translation>
    </message>
    <message>
        <source>KEEP_PREVIOUS_VERSION</source>
        <translation>Keep the previous version on every save (name.db~)</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>CSV_EXPORT_TITLE</source>
        <translation>Export to CSV</translation>
    </message>
    <message>
        <source>CSV_FILES</source>
        <translation>CSV files</translation>
    </message>
    <message>
        <source>CSV_NOT_WRITTEN %1 %2</source>
        <translation>%1 could not be written: %2</translation>
    </message>
    <message>
        <source>CSV_EXPORTED %1 %2 %3</source>
        <translation>%1 items written to %2 in %3 s</translation>
    </message>
    <message>
        <source>CSV_IMPORT_TITLE</source>
        <translation>Import from CSV</translation>
    </message>
    <message>
        <source>CSV_DATABASE_READ_ONLY</source>
        <translation>The database is open read-only; nothing can be added.</translation>
    </message>
    <message>
        <source>ALL_FILES</source>
        <translation>All files</translation>
    </message>
    <message>
        <source>CSV_NOT_READ %1 %2</source>
        <translation>%1 could not be read: %2</translation>
    </message>
    <message>
        <source>CSV_NOTHING_TO_IMPORT</source>
        <translation>The file holds no rows to import.</translation>
    </message>
    <message>
        <source>CSV_LINE %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>CSV_MORE_PROBLEMS %1</source>
        <translation>... and %1 more rows</translation>
    </message>
    <message>
        <source>CSV_ROWS_NOT_READ %1 %2</source>
        <translation>%1 rows cannot be read (see the list). %2 rows can be read. Nothing has changed yet.</translation>
    </message>
    <message>
        <source>CSV_IMPORT_NOTHING</source>
        <translation>Import &amp;nothing</translation>
    </message>
    <message>
        <source>CSV_IMPORT_GOOD_ROWS %1</source>
        <translation>Import the %1 &amp;good rows</translation>
    </message>
    <message>
        <source>CSV_ITEMS_ADDED %1 %2</source>
        <translation>%1 items added from CSV in %2 s; remember to save the database</translation>
    </message>
</context>
<context>
    <name>CsvExportDialog</name>
    <message>
        <source>CSV_EXPORT_SELECTED %1</source>
        <translation>The &amp;selected rows (%1)</translation>
    </message>
    <message>
        <source>CSV_SEMICOLON</source>
        <translation>Semicolon (;)</translation>
    </message>
    <message>
        <source>CSV_COMMA</source>
        <translation>Comma (,)</translation>
    </message>
    <message>
        <source>CSV_TAB</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>CSV_DECIMAL_COMMA</source>
        <translation>Comma (1499,50)</translation>
    </message>
    <message>
        <source>CSV_DECIMAL_POINT</source>
        <translation>Point (1499.50)</translation>
    </message>
    <message>
        <source>CSV_STYLE_ENGLISH</source>
        <translation>The file is written in UTF-8 with fields separated by commas and figures with a decimal point, as spreadsheet programs in English read them. Change it here if your spreadsheet program expects something else.</translation>
    </message>
    <message>
        <source>CSV_STYLE_DANISH_NORWEGIAN</source>
        <translation>The file is written in UTF-8 with fields separated by semicolons and figures with a decimal comma, as spreadsheet programs in Danish and Norwegian read them. Change it here if your spreadsheet program expects something else.</translation>
    </message>
</context>
<context>
    <name>CsvExportDialogBase</name>
    <message>
        <source>CSV_EXPORT_TITLE</source>
        <translation>Export to CSV</translation>
    </message>
    <message>
        <source>CSV_EXPORT_WHICH_ITEMS</source>
        <translation>What to export</translation>
    </message>
    <message>
        <source>CSV_EXPORT_ALL</source>
        <translation>&amp;All</translation>
    </message>
    <message>
        <source>CSV_EXPORT_ONE_GROUP</source>
        <translation>&amp;One group:</translation>
    </message>
    <message>
        <source>CSV_EXPORT_SELECTED</source>
        <translation>The &amp;selected rows</translation>
    </message>
    <message>
        <source>CSV_EXPORT_STYLE</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>CSV_DELIMITER</source>
        <translation>&amp;Delimiter:</translation>
    </message>
    <message>
        <source>CSV_DECIMAL_MARK</source>
        <translation>Decimal &amp;mark:</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>CSV_TEXT_TOO_LONG %1</source>
        <translation>the text is longer than %1 characters</translation>
    </message>
    <message>
        <source>CSV_TEXT_HOLDS_SEMICOLON</source>
        <translation>the text holds &quot;;&quot;, which the database file cannot hold</translation>
    </message>
    <message>
        <source>CSV_CHARACTER_NOT_STORABLE %1</source>
        <translation>the character %1 cannot be stored in the database file</translation>
    </message>
    <message>
        <source>CSV_QUOTE_NOT_CLOSED</source>
        <translation>a quotation mark is never closed, so the rest of the file cannot be read</translation>
    </message>
    <message>
        <source>CSV_TOO_FEW_CELLS %1 %2</source>
        <translation>the row has %1 cells, the header %2</translation>
    </message>
    <message>
        <source>CSV_TOO_MANY_CELLS %1 %2</source>
        <translation>the row has %1 cells, the header only %2</translation>
    </message>
    <message>
        <source>CSV_NOT_A_FIGURE %1</source>
        <translation>&quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <source>CSV_NOT_A_WHOLE_NUMBER %1</source>
        <translation>&quot;%1&quot; is not a whole number</translation>
    </message>
    <message>
        <source>CSV_NOT_A_DATE %1</source>
        <translation>&quot;%1&quot; is not a date (dd.mm.yyyy, dd-mm-yyyy, d/m/yyyy or yyyy-mm-dd)</translation>
    </message>
    <message>
        <source>CSV_SERIAL_NUMBER_EXISTS %1</source>
        <translation>stock number %1 is already in the database</translation>
    </message>
    <message>
        <source>CSV_LIST_FULL %1</source>
        <translation>The list can hold at most %1 names; the new ones do not fit. Choose to put the items into an existing name instead.</translation>
    </message>
    <message>
        <source>CSV_LIST_NOT_CHANGED</source>
        <translation>The list could not be changed, so nothing was added.</translation>
    </message>
    <message>
        <source>CSV_COLUMN %1</source>
        <translation>column %1</translation>
    </message>
</context>
<context>
    <name>CsvMappingDialog</name>
    <message>
        <source>CSV_FIELD</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>CSV_IGNORE</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>CSV_DECIMAL_COMMA</source>
        <translation>Comma (1499,50)</translation>
    </message>
    <message>
        <source>CSV_DECIMAL_POINT</source>
        <translation>Point (1499.50)</translation>
    </message>
    <message>
        <source>CSV_NO_FIELD_CHOSEN</source>
        <translation>Choose a field for one column at least.</translation>
    </message>
</context>
<context>
    <name>CsvMappingDialogBase</name>
    <message>
        <source>CSV_MAPPING_TITLE</source>
        <translation>Import from CSV: columns</translation>
    </message>
    <message>
        <source>CSV_MAPPING_INFO</source>
        <translation>Choose for each column which field it fills, or &quot;Ignore&quot;. The first rows of the file are shown below with their line numbers.</translation>
    </message>
    <message>
        <source>CSV_FIRST_ROW_IS_HEADER</source>
        <translation>First row is a &amp;header</translation>
    </message>
    <message>
        <source>CSV_DECIMAL_MARK</source>
        <translation>Decimal &amp;mark:</translation>
    </message>
</context>
<context>
    <name>CsvUnknownNamesDialog</name>
    <message>
        <source>CSV_UNKNOWN_NAMES %1 %2</source>
        <translation>The file names %1 names that are not in the list: %2</translation>
    </message>
</context>
<context>
    <name>CsvUnknownNamesDialogBase</name>
    <message>
        <source>CSV_UNKNOWN_NAMES_TITLE</source>
        <translation>Import from CSV: new names</translation>
    </message>
    <message>
        <source>CSV_ADD_TO_LIST</source>
        <translation>&amp;Add them to the list</translation>
    </message>
    <message>
        <source>CSV_PUT_INTO</source>
        <translation>&amp;Put these into:</translation>
    </message>
</context>
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
    <message>
        <source>FOLDER_LOCKED</source>
        <translation>Folder locked</translation>
    </message>
    <message>
        <source>FOLDER_LOCKED_BY_ANOTHER</source>
        <translation>Another program holds the lock of the folder %1:
%2

Nothing was written into it.</translation>
    </message>
    <message>
        <source>DB_LOAD_STOPPED_AT_LINE %1 %2</source>
        <translation>Reading stopped at line %2 of the file. The %1 entries before it are shown; the rest of the file has not been changed. Saving over the file asks first.</translation>
    </message>
    <message>
        <source>DB_NEWER_FORMAT_READ %1 %2</source>
        <translation>The database %2 was written in format %1, which is newer than this program knows. Fields this program does not know are not shown, and the file is not saved over, so nothing in it is lost. Use File, Save As to keep your changes in a new file.</translation>
    </message>
    <message>
        <source>DB_NEWER_FORMAT_TITLE</source>
        <translation>The database is in a newer format</translation>
    </message>
    <message>
        <source>DB_NEWER_FORMAT_NO_SAVE %1 %2</source>
        <translation>The database %2 was written in format %1, which is newer than this program knows. It was not saved, because it may hold fields that would be lost. Use File, Save As to keep your changes in a new file.</translation>
    </message>
    <message>
        <source>LOCK_NOT_CREATED_TITLE</source>
        <translation>Lock file not created</translation>
    </message>
    <message>
        <source>LOCK_NOT_CREATED %1 %2</source>
        <translation>The lock file %1 could not be created (%2).

The database opens and can be saved, but other users are not kept out while you have it open: make sure nobody else works in it at the same time.</translation>
    </message>
    <message>
        <source>STALE_LOCK_TITLE</source>
        <translation>The database was not closed</translation>
    </message>
    <message>
        <source>STALE_LOCK_QUESTION %1 %2</source>
        <translation>The database %1 is still locked by Stockvane on this computer (process %2), but that program no longer runs: it was probably ended by a crash or a power cut.

Do you want to take over the database? Otherwise it opens read-only.</translation>
    </message>
    <message>
        <source>TAKE_OVER_LOCK</source>
        <translation>&amp;Take over</translation>
    </message>
    <message>
        <source>OPEN_READ_ONLY</source>
        <translation>Open &amp;read-only</translation>
    </message>
    <message>
        <source>LOCK_HOLDER_UNKNOWN</source>
        <translation>(unknown – the lock file cannot be read)</translation>
    </message>
    <message>
        <source>TAKE_OVER_LOCK...</source>
        <translation>&amp;Take over...</translation>
    </message>
    <message>
        <source>LOCK_HOLDER %1 %2</source>
        <translation>user %1 on computer %2</translation>
    </message>
    <message>
        <source>TAKE_OVER_LOCK_TITLE</source>
        <translation>Take over the database?</translation>
    </message>
    <message>
        <source>TAKE_OVER_LOCK_CONFIRM %1 %2</source>
        <translation>The database %1 is locked by %2.

Take it over only if you are sure that no other program has it open – on that computer or any other. If it is still open there, the changes saved there and here overwrite each other.

Do you want to take over the database?</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>%1 gemt, antal: %3, tid: %4 sec </source>
        <translation>%1 saved: %3 items in %4 s</translation>
    </message>
    <message>
        <source>%1.%2 gemt, antal: %3, tid: %4 sec </source>
        <translation>%1.%2 saved as an HTML page: %3 items in %4 s</translation>
    </message>
    <message>
        <source>EXPORT_ERROR_TITLE</source>
        <translation>Export failed</translation>
    </message>
    <message>
        <source>EXPORT_ERROR_TEXT %1</source>
        <translation>The file %1 could not be written. An earlier file of the same name has not been changed.
Check that the folder exists, that you may write to it and that the disk has room.</translation>
    </message>
</context>
<context>
    <name>FileWriteOutcome</name>
    <message>
        <source>SAFE_WRITE_NO_COPY %1</source>
        <translation>The folder allows no new files, and no copy of the file could be put in %1 before writing it in place. So it has not been written.</translation>
    </message>
    <message>
        <source>SAFE_WRITE_RESTORED %1</source>
        <translation>The folder allows no new files, so the file was written in place, and that failed. Its former contents have been put back; a copy is kept in %1.</translation>
    </message>
    <message>
        <source>SAFE_WRITE_NOT_RESTORED %1</source>
        <translation>The folder allows no new files, so the file was written in place, and that failed. Its former contents could not be put back, so the file may be damaged. The former contents are kept in %1: copy that file back into its place.</translation>
    </message>
</context>
<context>
    <name>HtmlExport</name>
    <message>
        <source>ITEM_COUNT</source>
        <translation>No.;</translation>
    </message>
</context>
<context>
    <name>InsurerReport</name>
    <message>
        <source>INSURER_PURCHASE_VALUE</source>
        <translation>Purchase value</translation>
    </message>
    <message>
        <source>INSURER_VALUE_TODAY</source>
        <translation>Value today</translation>
    </message>
    <message>
        <source>INSURER_TOTAL_LINE %1 %2 %3 %4 %5 %6</source>
        <translation>%1: %2 items – %3: %4 – %5: %6</translation>
    </message>
    <message>
        <source>INSURER_NO_RECEIPT</source>
        <translation>No</translation>
    </message>
    <message>
        <source>INSURER_RECEIPT_LINKED %1</source>
        <translation>Yes (%1)</translation>
    </message>
    <message>
        <source>INSURER_RECEIPT_MISSING %1</source>
        <translation>Yes, but the file is missing: %1</translation>
    </message>
    <message>
        <source>INSURER_REPORT_TITLE</source>
        <translation>Report for the insurer</translation>
    </message>
    <message>
        <source>INSURER_DATABASE</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>INSURER_DATE</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>INSURER_OWNER</source>
        <translation>Owner</translation>
    </message>
    <message>
        <source>INSURER_ADDRESS</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>INSURER_SCOPE</source>
        <translation>Covers</translation>
    </message>
    <message>
        <source>INSURER_ITEM_COUNT</source>
        <translation>Number of items</translation>
    </message>
    <message>
        <source>INSURER_SUBTOTAL %1</source>
        <translation>Subtotal %1</translation>
    </message>
    <message>
        <source>INSURER_GRAND_TOTAL</source>
        <translation>Grand total</translation>
    </message>
    <message>
        <source>INSURER_PAGE %1 %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>INSURER_NO_PHOTO</source>
        <translation>No photo</translation>
    </message>
    <message>
        <source>INSURER_PHOTO_UNREADABLE</source>
        <translation>The photo cannot be read</translation>
    </message>
    <message>
        <source>INSURER_PHOTO_MISSING</source>
        <translation>The photo file is missing</translation>
    </message>
</context>
<context>
    <name>InsurerReportDialog</name>
    <message>
        <source>INSURER_REPORT_ALL_ITEMS %1</source>
        <translation>The whole database (%1 items)</translation>
    </message>
    <message>
        <source>INSURER_REPORT_SELECTED_ITEMS %1</source>
        <translation>The selected items (%1)</translation>
    </message>
    <message>
        <source>INSURER_REPORT_NO_OWNER</source>
        <translation>The owner&apos;s name and address are not given; enter them under Setup &gt; Default folders.</translation>
    </message>
    <message>
        <source>INSURER_REPORT_OWNER %1</source>
        <translation>Owner: %1 (changed under Setup &gt; Default folders)</translation>
    </message>
    <message>
        <source>INSURER_REPORT_SCOPE_GROUP %1</source>
        <translation>The group %1</translation>
    </message>
    <message>
        <source>INSURER_REPORT_SCOPE_SELECTED</source>
        <translation>The selected items</translation>
    </message>
    <message>
        <source>INSURER_REPORT_READING_PICTURES</source>
        <translation>Reading the pictures...</translation>
    </message>
    <message>
        <source>INSURER_REPORT_SAVE_PDF</source>
        <translation>Save as PDF...</translation>
    </message>
    <message>
        <source>INSURER_REPORT_TITLE</source>
        <translation>Report for the insurer</translation>
    </message>
    <message>
        <source>INSURER_REPORT_PRINTED</source>
        <translation>The report for the insurer was printed</translation>
    </message>
    <message>
        <source>INSURER_REPORT_SAVE_PDF_CAPTION</source>
        <translation>Save the report for the insurer as PDF</translation>
    </message>
    <message>
        <source>INSURER_REPORT_FILE_NAME %1</source>
        <translation>%1 - report for the insurer.pdf</translation>
    </message>
    <message>
        <source>INSURER_REPORT_PDF_FILTER</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>INSURER_REPORT_SAVED %1</source>
        <translation>The report for the insurer was saved in %1</translation>
    </message>
</context>
<context>
    <name>InsurerReportDialogBase</name>
    <message>
        <source>INSURER_REPORT_DIALOG_TITLE</source>
        <translation>Report for the insurer</translation>
    </message>
    <message>
        <source>INSURER_REPORT_ITEMS</source>
        <translation>Items in the report</translation>
    </message>
    <message>
        <source>INSURER_REPORT_ALL_ITEMS</source>
        <translation>The whole database</translation>
    </message>
    <message>
        <source>INSURER_REPORT_ONE_GROUP</source>
        <translation>One &amp;group:</translation>
    </message>
    <message>
        <source>INSURER_REPORT_SELECTED_ITEMS</source>
        <translation>The selected items</translation>
    </message>
    <message>
        <source>INSURER_REPORT_PREVIEW</source>
        <translation>&amp;Preview...</translation>
    </message>
    <message>
        <source>INSURER_REPORT_SAVE_PDF</source>
        <translation>Save as &amp;PDF...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>ItemDialog</name>
    <message>
        <source>PICTURE_GALLERY</source>
        <translation>Picture gallery</translation>
    </message>
    <message>
        <source>TOOLTIP_PICTOVA_REG_NUMBER</source>
        <translation>The picture&apos;s registration number</translation>
    </message>
    <message>
        <source>WHATSHIS_PICTOVA_REG_NUMBER</source>
        <translation>The picture&apos;s registration number in the collection, a whole number.</translation>
    </message>
    <message>
        <source>TOOLTIP_PICTOVA_ESTIMATED_PRICE</source>
        <translation>Estimated price</translation>
    </message>
    <message>
        <source>WHATSHIS_PICTOVA_ESTIMATED_PRICE</source>
        <translation>The price the picture is estimated at. Use a point as the decimal separator, for example 2500.00.</translation>
    </message>
    <message>
        <source>TOOLTIP_PICTOVA_SALESPRICE</source>
        <translation>Sales price</translation>
    </message>
    <message>
        <source>WHATSHIS_PICTOVA_SALESPRICE</source>
        <translation>The price the picture was sold for or can be sold for. Use a point as the decimal separator.</translation>
    </message>
    <message>
        <source>TOOLTIP_PICTOVA_DOCUMENT</source>
        <translation>Link to a document about the picture, such as a certificate</translation>
    </message>
    <message>
        <source>WHATSHIS_PICTOVA_DOCUMENT</source>
        <translation>The path of a document about the picture, such as a certificate of authenticity or a valuation. Choose the file with the button on the right.</translation>
    </message>
    <message>
        <source>MINTORA_DIALOG_TITLE</source>
        <translation>Coin</translation>
    </message>
    <message>
        <source>TOOLTIP_DB_NUMBEROF</source>
        <translation>Number of copies of this coin</translation>
    </message>
    <message>
        <source>TOOLTIP_MINTORA_DOCUMENT</source>
        <translation>Link to a document about the coin, such as a certificate</translation>
    </message>
    <message>
        <source>TOOLTIP_MINTORA_QUALITY</source>
        <translation>The coin&apos;s grade</translation>
    </message>
    <message>
        <source>WHATSHIS_MINTORA_QUALITY</source>
        <translation>The coin&apos;s grade (its state of preservation), written as your catalogue writes it.</translation>
    </message>
    <message>
        <source>TOOLTIP_MINTORA_BACKSIDE_PICTURE</source>
        <translation>Link to a picture of the back of the coin</translation>
    </message>
    <message>
        <source>TOOLTIP_BROWSE_BACKSIDE_PICTURE_MINTORA</source>
        <translation>Choose the picture of the back of the coin</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_BACKSIDE_PICTURE_MINTORA</source>
        <translation>Show the picture of the back of the coin</translation>
    </message>
    <message>
        <source>SHOWPHOTO</source>
        <translation>Show </translation>
    </message>
    <message>
        <source>BROWSEPHOTO</source>
        <translation>Insert </translation>
    </message>
    <message>
        <source>SHOWWWW</source>
        <translation>Open </translation>
    </message>
    <message>
        <source>BROWSERECIEPT</source>
        <translation>Insert </translation>
    </message>
    <message>
        <source>SHOWRECIEPT</source>
        <translation>Show </translation>
    </message>
    <message>
        <source>BROWSEDOC</source>
        <translation>Insert </translation>
    </message>
    <message>
        <source>SHOWDOC</source>
        <translation>Show </translation>
    </message>
    <message>
        <source>Felt grænseværdi fejl</source>
        <translation>Invalid value</translation>
    </message>
    <message>
        <source>Ret det !</source>
        <translation>Please correct the field and try again.</translation>
    </message>
    <message>
        <source>&apos;Købspris&apos; skal være: 0.0 -&gt; %1</source>
        <translation>The purchase price must be a number from 0.00 to %1 with at most two decimals, for example 1499.50.</translation>
    </message>
    <message>
        <source>&apos;Vurderet pris&apos; skal være: 0.0 -&gt; %1</source>
        <translation>The present value must be a number from 0.00 to %1 with at most two decimals. Leave the field empty to use the purchase price.</translation>
    </message>
    <message>
        <source>&apos;Antal&apos; skal være i intervalet: 0 -&gt; %1</source>
        <translation>The count must be a whole number from 1 to %1.</translation>
    </message>
    <message>
        <source>DomvaraNameMissing</source>
        <translation>Please give the entry a name before you save it.</translation>
    </message>
    <message>
        <source>StockvaneNameMissing</source>
        <translation>Please give the article a name before you save it.</translation>
    </message>
    <message>
        <source>PictovaNameMissing</source>
        <translation>Please give the picture a name before you save it.</translation>
    </message>
    <message>
        <source>MintoraNameMissing</source>
        <translation>Please enter the year of the coin before you save it.</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>StockvaneItemTypeHasNotBeenSelected</source>
        <translation>Please choose a value in the field: </translation>
    </message>
    <message>
        <source>Fejl søgning</source>
        <translation>Nothing found</translation>
    </message>
    <message>
        <source>Search_Error</source>
        <translation>No entry matches the search. Change the search criteria and try again.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>TotalPrice</source>
        <translation>Total price</translation>
    </message>
    <message>
        <source>READ ONLY</source>
        <translation>Read-only</translation>
    </message>
    <message>
        <source>READ ONLY MODE - No Save</source>
        <translation>The database was opened read-only because someone else is using it. The changes were not saved.</translation>
    </message>
    <message>
        <source>WHOLE_NUMBER_NOT_READABLE %1 %2</source>
        <translation>&apos;%1&apos; must be a whole number without a sign or separators, not &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>FIGURE_NOT_READABLE %1 %2</source>
        <translation>&apos;%1&apos; cannot be read as an amount: &quot;%2&quot;.
Write digits with at most one decimal comma or point and at most two decimals, without a thousands separator, for example 1499.50.</translation>
    </message>
    <message>
        <source>SAVE_ITEM_CHANGES_QUESTION</source>
        <translation>The changes in the form have not been saved. Do you want to save them?</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Gem &amp;ikke</source>
        <translation>&amp;Don&apos;t save</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>EXTRA_FIELD_NOT_KEPT</source>
        <translation>This program&apos;s database file does not keep this field, so it cannot be filled in here.</translation>
    </message>
    <message>
        <source>DELETE_READ_ONLY</source>
        <translation>The database is open read-only because another user has it open. Nothing was deleted.</translation>
    </message>
    <message>
        <source>LINK_CHARACTERS_NOT_STORABLE</source>
        <translation>the name holds characters the database cannot store</translation>
    </message>
    <message>
        <source>LINK_SEPARATOR_NOT_STORABLE</source>
        <translation>the name holds &quot;;&quot;, which the database uses as its separator</translation>
    </message>
    <message>
        <source>LINK_TOO_LONG %1</source>
        <translation>the path is longer than the %1 characters the database can store</translation>
    </message>
    <message>
        <source>LINK_NOT_STORABLE_TITLE</source>
        <translation>The file cannot be linked</translation>
    </message>
    <message>
        <source>LINK_NOT_STORABLE %1 %2</source>
        <translation>The file %1 cannot be linked: %2. The database would have to change the name, and the file would then no longer open. Rename the file (or move it to a shorter path) and choose it again.</translation>
    </message>
    <message>
        <source>FILE_FILTER_PICTURES</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>FILE_FILTER_PDF</source>
        <translation>PDF documents</translation>
    </message>
    <message>
        <source>FILE_FILTER_ALL</source>
        <translation>All files</translation>
    </message>
    <message>
        <source>FILE_FILTER_RECEIPTS</source>
        <translation>Receipts</translation>
    </message>
    <message>
        <source>FILE_FILTER_DOCUMENTS</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>PICTURE_NOT_READABLE %1</source>
        <translation>Picture cannot be read: %1</translation>
    </message>
    <message>
        <source>PICTURE_NOT_FOUND %1</source>
        <translation>Picture not found: %1</translation>
    </message>
</context>
<context>
    <name>ItemDialogBase</name>
    <message>
        <source>Inventar</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>WHATSHIS_DIALOG</source>
        <translation>Here you view and edit one entry: type its details on the Data tab, see its picture and receipt on the other tabs, and use the buttons on the right to save, copy, create, search for and print entries.</translation>
    </message>
    <message>
        <source>WHATSHIS_PAGE</source>
        <translation>The tabs show the entry&apos;s details, its picture and its receipt. The Picture and Receipt tabs can only be chosen when the entry has a picture to show.</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Data</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Group:</translation>
    </message>
    <message>
        <source>TOOLTIP_TYPE </source>
        <translation>The group the entry belongs to</translation>
    </message>
    <message>
        <source>WHATSHIS_TYPE</source>
        <translation>Choose the group the entry belongs to. The list of groups is edited under Setup.</translation>
    </message>
    <message>
        <source>&amp;Navn:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>TOOLTIP_NAME</source>
        <translation>The name of the entry</translation>
    </message>
    <message>
        <source>WHATSHIS_NAME</source>
        <translation>Type the name of the entry. A name is required and is shown in the list. Semicolons cannot be used.</translation>
    </message>
    <message>
        <source>&amp;Fabrikat:</source>
        <translation>Ma&amp;ke:</translation>
    </message>
    <message>
        <source>TOOLTIP_PRODUCT</source>
        <translation>Make or brand</translation>
    </message>
    <message>
        <source>WHATSHIS_PRODUCT</source>
        <translation>Type the make or brand, such as the maker&apos;s name.</translation>
    </message>
    <message>
        <source>PRODUCT_BRAND</source>
        <translation>&amp;Model:</translation>
    </message>
    <message>
        <source>TOOLTIP_PRODUCT_BRAND</source>
        <translation>Model or product type</translation>
    </message>
    <message>
        <source>WHATSHIS_PRODUCT_BRAND</source>
        <translation>Type the model or product type, such as the type number on the rating plate.</translation>
    </message>
    <message>
        <source>&amp;Antal:</source>
        <translation>&amp;Count:</translation>
    </message>
    <message>
        <source>TOOLTIP_NUMBER</source>
        <translation>Number of units</translation>
    </message>
    <message>
        <source>WHATSHIS_NUMBER</source>
        <translation>Type how many units the entry covers, a whole number from 1 to 100000. The total value is the count times the price.</translation>
    </message>
    <message>
        <source>stk</source>
        <translation>pcs</translation>
    </message>
    <message>
        <source>&amp;Pris (1 stk):</source>
        <translation>&amp;Price (1 pc):</translation>
    </message>
    <message>
        <source>TOOLTIP_PRICE</source>
        <translation>Purchase price of one unit</translation>
    </message>
    <message>
        <source>WHATSHIS_PRICE</source>
        <translation>Type the purchase price of one unit with a point as the decimal separator, for example 1499.50.</translation>
    </message>
    <message>
        <source>kr   Ialt</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>TOOLTIP_TOTAL</source>
        <translation>Total value: count times price</translation>
    </message>
    <message>
        <source>WHATSTHIS_TOTAL</source>
        <translation>Shows the total value, the count times the price. The program works it out; it cannot be edited.</translation>
    </message>
    <message>
        <source>&amp;Vurderet pris (ialt):</source>
        <translation>&amp;Value today (total):</translation>
    </message>
    <message>
        <source>prisen for 1. stk (antal=1)</source>
        <translation>The price of one unit (count = 1)</translation>
    </message>
    <message>
        <source>TOOLTIP_EVALPRICE</source>
        <translation>What the entry is worth today</translation>
    </message>
    <message>
        <source>WHATSHIS_EVALPRICE</source>
        <translation>Type what the entry is worth today, for example for the insurance. If the field is empty when you save, the purchase price is used.</translation>
    </message>
    <message>
        <source>kr</source>
        <translation> </translation>
    </message>
    <message>
        <source>&amp;Købsdato:</source>
        <translation>Purchase &amp;date:</translation>
    </message>
    <message>
        <source>TOOLTIP_DATE</source>
        <translation>Purchase date (dd.mm.yyyy)</translation>
    </message>
    <message>
        <source>WHATSHIS_DATE</source>
        <translation>Choose the date the entry was bought. Click the arrow to pick it from a calendar. The small picture on the right shows the entry&apos;s picture.</translation>
    </message>
    <message>
        <source>image</source>
        <translation>picture</translation>
    </message>
    <message>
        <source>&amp;Lokale/rum:</source>
        <translation>&amp;Room:</translation>
    </message>
    <message>
        <source>TOOLTIP_LOCALE</source>
        <translation>The room where the entry is kept</translation>
    </message>
    <message>
        <source>WHATSHIS_LOCALE</source>
        <translation>Choose the room or place where the entry is kept. The list of rooms is edited under Setup.</translation>
    </message>
    <message>
        <source>&amp;Leverandør:</source>
        <translation>&amp;Supplier:</translation>
    </message>
    <message>
        <source>SUPPLIER_TOOLTIP</source>
        <translation>Where the entry was bought</translation>
    </message>
    <message>
        <source>SUPPLIER_WHATSTHIS</source>
        <translation>Choose the supplier from the list, or type a new name. The list of suppliers is edited under Setup.</translation>
    </message>
    <message>
        <source>&amp;EXTRA_INFO</source>
        <translation>E&amp;xtra info:</translation>
    </message>
    <message>
        <source>EXTRA_TOOLTIP</source>
        <translation>Extra details, such as the supplier&apos;s address</translation>
    </message>
    <message>
        <source>EXTRA_WHATSTHIS</source>
        <translation>Type extra details about the entry, such as the supplier&apos;s address or phone number.</translation>
    </message>
    <message>
        <source>ww&amp;w (link til web):</source>
        <translation>&amp;Web link:</translation>
    </message>
    <message>
        <source>TOOLTIP_URL</source>
        <translation>Web address, such as the maker&apos;s page about the product</translation>
    </message>
    <message>
        <source>WHATSHIS_URL</source>
        <translation>Type a web address, such as https://www.example.com/product. The button on the right opens it.</translation>
    </message>
    <message>
        <source>&amp;Serie nummer:</source>
        <translation>Serial n&amp;o.:</translation>
    </message>
    <message>
        <source>TOOLTIP_SERIAL</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>WHATSHIS_SERIAL</source>
        <translation>Type the entry&apos;s serial number as it appears on the rating plate. It helps after a theft and with insurance claims.</translation>
    </message>
    <message>
        <source>&amp;Beskrivelse:</source>
        <translation>D&amp;escription:</translation>
    </message>
    <message>
        <source>TOOLTIP_DESCRI</source>
        <translation>Short description</translation>
    </message>
    <message>
        <source>WHATSHIS_DESCRI</source>
        <translation>Type a short description of the entry, such as its colour, size or condition.</translation>
    </message>
    <message>
        <source>&amp;Billede (link til fil):</source>
        <translation>P&amp;icture (link to file):</translation>
    </message>
    <message>
        <source>TOOLTIP_IMAGE</source>
        <translation>Path of the entry&apos;s picture</translation>
    </message>
    <message>
        <source>WHATSHIS_IMAGE</source>
        <translation>The path of a picture file of the entry. Choose the file with the button on the right; the picture is shown on the Picture tab.</translation>
    </message>
    <message>
        <source>&amp;Kvittering (link til fil):</source>
        <translation>Receip&amp;t (link to file):</translation>
    </message>
    <message>
        <source>TOOLTIP_RECEIPT</source>
        <translation>Path of the receipt</translation>
    </message>
    <message>
        <source>WHATSHIS_RECEIPT</source>
        <translation>The path of a scanned receipt. If it is a picture, it is shown on the Receipt tab.</translation>
    </message>
    <message>
        <source>&amp;DOCUMENT</source>
        <translation>Doc&amp;ument:</translation>
    </message>
    <message>
        <source>TOOLTIP_DOCUMENT</source>
        <translation>Path of a document, such as a manual</translation>
    </message>
    <message>
        <source>WHATSHIS_DOCUMENT</source>
        <translation>The path of a document about the entry, such as a manual or a guarantee. It opens in the program that belongs to its file type.</translation>
    </message>
    <message>
        <source>EKSTRA1</source>
        <translation>Extra 1:</translation>
    </message>
    <message>
        <source>TOOLTIP_EKSTRA1</source>
        <translation>Extra field 1</translation>
    </message>
    <message>
        <source>WHATSHIS_EKSTRA1</source>
        <translation>An extra field for details of your own. Its name can be changed in the list of field labels.</translation>
    </message>
    <message>
        <source>EKSTRA2</source>
        <translation>Extra 2:</translation>
    </message>
    <message>
        <source>TOOLTIP_EKSTRA2</source>
        <translation>Extra field 2</translation>
    </message>
    <message>
        <source>WHATSHIS_EKSTRA2</source>
        <translation>An extra field for details of your own. Its name can be changed in the list of field labels.</translation>
    </message>
    <message>
        <source>EKSTRA3</source>
        <translation>Extra 3:</translation>
    </message>
    <message>
        <source>TOOLTIP_EKSTRA3</source>
        <translation>Extra field 3</translation>
    </message>
    <message>
        <source>WHATSHIS_EKSTRA3</source>
        <translation>An extra field for details of your own. Its name can be changed in the list of field labels.</translation>
    </message>
    <message>
        <source>EKSTRA4</source>
        <translation>Extra 4:</translation>
    </message>
    <message>
        <source>TOOLTIP_EKSTRA4</source>
        <translation>Extra field 4</translation>
    </message>
    <message>
        <source>WHATSHIS_EKSTRA4</source>
        <translation>An extra field for details of your own. Its name can be changed in the list of field labels.</translation>
    </message>
    <message>
        <source>&amp;Billede</source>
        <translation>P&amp;icture</translation>
    </message>
    <message>
        <source>&amp;Kvittering</source>
        <translation>Receip&amp;t</translation>
    </message>
    <message>
        <source>&amp;Afskrivning</source>
        <translation>&amp;Depreciation</translation>
    </message>
    <message>
        <source>WHATSHIS_BUTTON_FRAME</source>
        <translation>The buttons save, copy, create, search for and print entries, and open the entry&apos;s links.</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>TOOLTIP_SAVE_BTN</source>
        <translation>Save the entry</translation>
    </message>
    <message>
        <source>WHATSHIS_SAVE_BTN</source>
        <translation>Stores what you have typed in the entry and keeps the dialog open. Remember to save the database afterwards.</translation>
    </message>
    <message>
        <source>Kopie&amp;r</source>
        <translation>Cop&amp;y</translation>
    </message>
    <message>
        <source>TOOLTIP_COPY_BTN</source>
        <translation>Make a copy of the entry</translation>
    </message>
    <message>
        <source>WHATSHIS_COPY_BTN</source>
        <translation>Makes a new entry with the same details. Change what should differ and press Save to add the copy.</translation>
    </message>
    <message>
        <source>&amp;Ny</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>TOOLTIP_NEW_BTN</source>
        <translation>Create a new entry</translation>
    </message>
    <message>
        <source>WHATSHIS_NEW_BTN</source>
        <translation>Empties the fields so you can create a new entry in the chosen group. The entry is added when you press Save.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>TOOLTIP_RESET_BTN</source>
        <translation>Empty the fields for a new search</translation>
    </message>
    <message>
        <source>WHATSHIS_RESET_BTN</source>
        <translation>Empties all fields so you can type what to search for. Then press Search.</translation>
    </message>
    <message>
        <source>&amp;Søg</source>
        <translation>Sear&amp;ch</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_BTN</source>
        <translation>Search for an entry like the one filled in</translation>
    </message>
    <message>
        <source>WHATSHIS_SEACH_BTN</source>
        <translation>Finds the first entry that matches the fields filled in. Empty fields are not searched for, and upper and lower case count as the same.</translation>
    </message>
    <message>
        <source>SEARCH_AGAIN</source>
        <translation>Search &amp;again</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCHAGAIN_BTN</source>
        <translation>Find the next matching entry</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT_BTN</source>
        <translation>Print the entry</translation>
    </message>
    <message>
        <source>Vis &amp;www</source>
        <translation>Open &amp;web link</translation>
    </message>
    <message>
        <source>TOOLTIP_WWW_BTN</source>
        <translation>Open the web address</translation>
    </message>
    <message>
        <source>WHATSHIS_WWW_BTN</source>
        <translation>Opens the web address in the browser, or in the program chosen under Setup.</translation>
    </message>
    <message>
        <source>&amp;Indsæt billede</source>
        <translation>&amp;Insert picture</translation>
    </message>
    <message>
        <source>TOOLT_INS_BILLEDE</source>
        <translation>Choose a picture file for the entry</translation>
    </message>
    <message>
        <source>WHATS_THIS_INSERT_PICTURE_TEXT</source>
        <translation>Opens a file chooser where you pick the entry&apos;s picture. It starts in the picture folder chosen under Setup.</translation>
    </message>
    <message>
        <source>&amp;Vis billede</source>
        <translation>S&amp;how picture</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_IMAGE_BTN</source>
        <translation>Show the picture</translation>
    </message>
    <message>
        <source>WHATSHIS_SHOW_IMAGE_BTN</source>
        <translation>Opens the picture in the picture viewer chosen under Setup, or in the program that belongs to its file type.</translation>
    </message>
    <message>
        <source>In&amp;dsæt Kvittering</source>
        <translation>Insert re&amp;ceipt</translation>
    </message>
    <message>
        <source>TOOLTIP_INS_KVIT</source>
        <translation>Choose a receipt file for the entry</translation>
    </message>
    <message>
        <source>WHATS_THIS_INSERT_RECEIPT_TEXT</source>
        <translation>Opens a file chooser where you pick a scanned receipt. It starts in the receipt folder chosen under Setup.</translation>
    </message>
    <message>
        <source>Vis Kvi&amp;ttering</source>
        <translation>Show receip&amp;t</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_RECEIPT_BTN</source>
        <translation>Show the receipt</translation>
    </message>
    <message>
        <source>WHATSHIS_SHOW_RECEIPT_BTN</source>
        <translation>Opens the receipt in the program that belongs to its file type.</translation>
    </message>
    <message>
        <source>INSERT_DOCUMENT</source>
        <translation>Insert d&amp;ocument</translation>
    </message>
    <message>
        <source>TOOLTIP_INSERT_DOCUMENT_BTN</source>
        <translation>Choose a document for the entry</translation>
    </message>
    <message>
        <source>WHATSHIS_INSERT_DOCUMENT_BTN</source>
        <translation>Opens a file chooser where you pick a document, such as a manual. It starts in the document folder chosen under Setup.</translation>
    </message>
    <message>
        <source>SHOW_DOCUMENT</source>
        <translation>Show doc&amp;ument</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_DOCUMENT_BTN</source>
        <translation>Show the document</translation>
    </message>
    <message>
        <source>WHATSHIS_SHOW_DOCUMENT_BTN</source>
        <translation>Opens the document in the program that belongs to its file type.</translation>
    </message>
    <message>
        <source>VIEW_CURRENT_AS_HTML</source>
        <translation>View as &amp;HTML</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_HTML_BTN</source>
        <translation>Show the entry as a web page</translation>
    </message>
    <message>
        <source>WHATSHIS_SHOW_HTML_BTN</source>
        <translation>Makes an HTML page with the entry&apos;s details and opens it in the browser.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>TOOLTIP_OK_BTN</source>
        <translation>Save the entry and close the dialog</translation>
    </message>
    <message>
        <source>PREVP</source>
        <translation>Pre&amp;vious</translation>
    </message>
    <message>
        <source>TOOLT_PREV</source>
        <translation>Show the previous entry in the database</translation>
    </message>
    <message>
        <source>NEXTP</source>
        <translation>Ne&amp;xt</translation>
    </message>
    <message>
        <source>TOOLT_NEXT</source>
        <translation>Show the next entry in the database</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>TOOLTIP_HELP_BTN</source>
        <translation>Show help for this dialog</translation>
    </message>
    <message>
        <source>WHATSHIS_HELP_BTN</source>
        <translation>Opens the help page about this dialog.</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>TOOLTIP_CANCEL_BTN</source>
        <translation>Close without saving</translation>
    </message>
    <message>
        <source>WHATSHIS_CANCEL_BTN</source>
        <translation>Closes the dialog. What you have typed since you last pressed Save is not stored.</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT_PREVIEW_BTN</source>
        <translation>Show the printout of the entry before printing it</translation>
    </message>
    <message>
        <source>PRINT_PREVIEW</source>
        <translation>Preview</translation>
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
        <source>ITEMS_IN_UNKNOWN_GROUP %1 %2</source>
        <translation>%1 entries have a group number that the group list does not have. They are shown under &quot;%2&quot; at the end of the list. Open each of them and choose a group, or add the missing groups under Setup.</translation>
    </message>
    <message>
        <source>UNKNOWN_GROUP</source>
        <translation>(unknown group)</translation>
    </message>
    <message>
        <source>READ ONLY</source>
        <translation>Read-only</translation>
    </message>
    <message>
        <source>DELETE_READ_ONLY</source>
        <translation>The database is open read-only because another user has it open. Nothing was deleted.</translation>
    </message>
    <message>
        <source>DELETE_ROWS_QUESTION %1</source>
        <translation>Delete the %1 selected entries?</translation>
    </message>
    <message>
        <source>DELETE_ROWS</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>LabelPrintJob</name>
    <message>
        <source>LABEL_PRINT_TITLE</source>
        <translation>Barcode labels</translation>
    </message>
    <message>
        <source>LABEL_TEMPLATE_NOT_READ %1</source>
        <translation>The label template %1 cannot be read. No labels were printed.</translation>
    </message>
    <message>
        <source>LABEL_FILE_NOT_WRITTEN %1 %2</source>
        <translation>The label file %1 cannot be written (%2). No labels were printed.</translation>
    </message>
    <message>
        <source>NO_LABEL_PRINTER %1</source>
        <translation>No label printer is chosen. Choose one under Setup, Default folders, or name it in %1. No labels were printed.</translation>
    </message>
    <message>
        <source>LABEL_PRINT_FAILED %1 %2 %3</source>
        <translation>The labels could not be printed.
Command: %1
Result: %2
%3</translation>
    </message>
    <message>
        <source>LABEL_PRINT_NOT_STARTED %1 %2</source>
        <translation>The labels could not be sent to the printer because the command could not be started.
Command: %1
%2</translation>
    </message>
</context>
<context>
    <name>LinkCheckDialog</name>
    <message>
        <source>LINK_KIND_FRONT</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>LINK_KIND_PICTURE</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>LINK_KIND_BACK</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>LINK_KIND_RECEIPT</source>
        <translation>Receipt</translation>
    </message>
    <message>
        <source>LINK_KIND_PICTURE2</source>
        <translation>Second picture</translation>
    </message>
    <message>
        <source>LINK_KIND_DOCUMENT</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>LINK_FOUND_MORE_THAN_ONCE %1</source>
        <translation>found %1 times - not relinked</translation>
    </message>
    <message>
        <source>LINK_NOT_FOUND</source>
        <translation>not found</translation>
    </message>
    <message>
        <source>LINK_CHECK_ALL_FOUND</source>
        <translation>Every linked file is there.</translation>
    </message>
    <message>
        <source>LINK_CHECK_MISSING %1</source>
        <translation>%1 links point to files that are missing.</translation>
    </message>
    <message>
        <source>LINK_CHECK_PLAN %1 %2 %3</source>
        <translation>The search found %1 files to relink to; %2 names were found more than once, %3 not at all.</translation>
    </message>
    <message>
        <source>LINK_CHECK_CHOOSE_FOLDER</source>
        <translation>Choose the folder to search</translation>
    </message>
    <message>
        <source>READ ONLY</source>
        <translation>READ ONLY</translation>
    </message>
    <message>
        <source>READ ONLY MODE - No Save</source>
        <translation>The database is open for another user - nothing is saved</translation>
    </message>
</context>
<context>
    <name>LinkCheckDialogBase</name>
    <message>
        <source>LINK_CHECK_TITLE</source>
        <translation>Check of linked files</translation>
    </message>
    <message>
        <source>LINK_CHECK_ITEM</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>LINK_CHECK_KIND</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>LINK_CHECK_LINK</source>
        <translation>Missing file</translation>
    </message>
    <message>
        <source>LINK_CHECK_FOUND</source>
        <translation>Found</translation>
    </message>
    <message>
        <source>TOOLTIP_LINK_CHECK_OPEN_ITEM</source>
        <translation>Opens the chosen item, so that its link can be mended by hand.</translation>
    </message>
    <message>
        <source>LINK_CHECK_OPEN_ITEM</source>
        <translation>&amp;Open the item...</translation>
    </message>
    <message>
        <source>TOOLTIP_LINK_CHECK_SEARCH</source>
        <translation>Looks in a folder and its subfolders for files named as the missing ones, and shows what would change.</translation>
    </message>
    <message>
        <source>LINK_CHECK_SEARCH</source>
        <translation>&amp;Search a folder...</translation>
    </message>
    <message>
        <source>TOOLTIP_LINK_CHECK_RELINK</source>
        <translation>Relinks the links whose file was found exactly once. Can be undone.</translation>
    </message>
    <message>
        <source>LINK_CHECK_RELINK</source>
        <translation>&amp;Relink</translation>
    </message>
    <message>
        <source>LINK_CHECK_CLOSE</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>ListPrinting</name>
    <message>
        <source>Print afbrudt</source>
        <translation>Printing cancelled</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Printing...</translation>
    </message>
    <message>
        <source>Printing (page </source>
        <translation>Printing (page </translation>
    </message>
    <message>
        <source>)...</source>
        <translation>)...</translation>
    </message>
    <message>
        <source>Print færdig</source>
        <translation>Printing finished</translation>
    </message>
    <message>
        <source>ITEM_COUNT</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>LIST_PRINTED_LANDSCAPE</source>
        <translation>The list is too wide for portrait paper, so it is printed in landscape</translation>
    </message>
    <message>
        <source>LIST_COUNT_TEXT</source>
        <translation>Items printed: %1</translation>
    </message>
    <message>
        <source>LIST_SUM_TEXT</source>
        <translation>Total</translation>
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
        <translation>Opens another database file. Groups, locations, suppliers and field labels are read from the file&apos;s folder.</translation>
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
        <translation>Bac&amp;kup...</translation>
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
        <translation>Remembers the window&apos;s size and position, the column widths and whether all groups are open, for the next start.</translation>
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
        <translation>Show p&amp;icture</translation>
    </message>
    <message>
        <source>VIS_BILLEDE</source>
        <translation>Show p&amp;icture</translation>
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
        <translation>Show re&amp;ceipt</translation>
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
        <translation>Show d&amp;ocument</translation>
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
        <translation>P&amp;icture viewer...</translation>
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
        <translation>&amp;What&apos;s this?</translation>
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
        <translation>&amp;Don&apos;t save</translation>
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
        <translation>The database file could not be opened or read. It has not been changed.</translation>
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
        <translation>The new language is used when the program starts again. It then opens the database that is open now, with its own lists (if that is the demo database, the demo database in the new language opens).</translation>
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
    <message>
        <source>SAVE_AS_HTML</source>
        <translation>Save as &amp;HTML...</translation>
    </message>
    <message>
        <source>SAVE_AS_XML</source>
        <translation>Save as &amp;XML...</translation>
    </message>
    <message>
        <source>Udskriv...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_PRINT</source>
        <translation>Prints the database as a list with the fields, widths, sorting and filters chosen under Setup &gt; Printing.</translation>
    </message>
    <message>
        <source>StockvaneEdit</source>
        <translation>&amp;Edit article...</translation>
    </message>
    <message>
        <source>MintoraEdit</source>
        <translation>&amp;Edit coin...</translation>
    </message>
    <message>
        <source>PictovaEdit</source>
        <translation>&amp;Edit picture...</translation>
    </message>
    <message>
        <source>TOOLTIP_EDIT_FURNITURE</source>
        <translation>&amp;Edit item...</translation>
    </message>
    <message>
        <source>HELP_TEXT_EDIT_ELEMENT</source>
        <translation>Opens the selected row in the edit window; without a selected row a new one is made.</translation>
    </message>
    <message>
        <source>StockvaneEditSearch</source>
        <translation>&amp;Search articles...</translation>
    </message>
    <message>
        <source>MintoraEditSearc</source>
        <translation>&amp;Search coins...</translation>
    </message>
    <message>
        <source>PictovaEditSearc</source>
        <translation>&amp;Search pictures...</translation>
    </message>
    <message>
        <source>Sø&amp;g Domvara...</source>
        <translation>&amp;Search items...</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_BTN</source>
        <translation>Search by example: fill in the fields you know and find the items that match.</translation>
    </message>
    <message>
        <source>VIEW_ALL_HTML_TABLE</source>
        <translation>Show all as HTML &amp;table</translation>
    </message>
    <message>
        <source>VIEW_ALL_AS_HTML</source>
        <translation>Show all as &amp;HTML</translation>
    </message>
    <message>
        <source>VIEW_ALL_SPECIAL_MINTORA_CASES_AS_HTML</source>
        <translation>Show coins without &amp;value as HTML</translation>
    </message>
    <message>
        <source>WHATS_THIS_VIEW_ALL_SPECIAL_MINTORA_CASES_AS_HTML</source>
        <translation>Shows the coins whose present value is 0 as an HTML page, so you can see which ones still need a valuation.</translation>
    </message>
    <message>
        <source>VIEW_ALL_AS_XML</source>
        <translation>Show all as &amp;XML</translation>
    </message>
    <message>
        <source>VIEW_CURRENT_AS_HTML</source>
        <translation>Show selected as HT&amp;ML</translation>
    </message>
    <message>
        <source>WHATS_THIS_VIEW_CURRENT_AS_HTML</source>
        <translation>Shows the selected row as an HTML page with all its fields and pictures.</translation>
    </message>
    <message>
        <source>&amp;Rapport...</source>
        <translation>&amp;Report...</translation>
    </message>
    <message>
        <source>HELP_TEXT_EDIT_REPORT</source>
        <translation>Shows a summary of counts, units and values for each group and for the whole database.</translation>
    </message>
    <message>
        <source>&amp;Udskrivning...</source>
        <translation>&amp;Printing...</translation>
    </message>
    <message>
        <source>UPDATE_LOCATIONS...</source>
        <translation>Update &amp;locations...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_UPDATE_LOCATIONS</source>
        <translation>Reads an update file from the barcode scanner: counts, moves and copies of articles. The file is backed up first and the database is saved afterwards.</translation>
    </message>
    <message>
        <source>PRINT_BARCODE...</source>
        <translation>Print &amp;barcodes...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_PRINT_BARCODE</source>
        <translation>Prints the barcode label of the selected article, or of every article in the selected group, on the label printer.</translation>
    </message>
    <message>
        <source>Precreate items in Stockvane</source>
        <translation>&amp;Create articles in advance...</translation>
    </message>
    <message>
        <source>&amp;Lokaler/rum...</source>
        <translation>&amp;Rooms/locations...</translation>
    </message>
    <message>
        <source>&amp;Inventar typer (grupper)...</source>
        <translation>&amp;Groups...</translation>
    </message>
    <message>
        <source>LEVERANDØRER</source>
        <translation>&amp;Suppliers...</translation>
    </message>
    <message>
        <source>SetupDefaultDirectories</source>
        <translation>&amp;Default folders...</translation>
    </message>
    <message>
        <source>PARTIAL_DB_SAVE_QUESTION %1 %2 %3</source>
        <translation>The file %1 holds %2 data lines, but it could only be read up to the damaged line, and the database now has %3 entries. Saving replaces the whole file with these entries, and the rest of the file is lost. Save anyway?</translation>
    </message>
    <message>
        <source>SAVE_ANYWAY</source>
        <translation>Save &amp;anyway</translation>
    </message>
    <message>
        <source>DEMO_DATABASE_NOT_COPIED %1</source>
        <translation>The demo database could not be copied into your data folder, so it cannot be opened: %1</translation>
    </message>
    <message>
        <source>RECOVERY_UNNAMED</source>
        <translation>(new database without a name)</translation>
    </message>
    <message>
        <source>RECOVERY_NOT_WRITTEN %1</source>
        <translation>The recovery copy of the unsaved changes could not be written to %1.</translation>
    </message>
    <message>
        <source>RECOVERY_QUESTION %1 %2 %3</source>
        <translation>Changes to the database %1 were not saved when the program last ended. A recovery copy from %2 with %3 items was kept.

Do you want to open the recovery copy now (the database itself stays as it is until you save), discard it, or keep it for later?</translation>
    </message>
    <message>
        <source>RECOVERY_OPEN</source>
        <translation>&amp;Open the copy</translation>
    </message>
    <message>
        <source>RECOVERY_DISCARD</source>
        <translation>&amp;Discard</translation>
    </message>
    <message>
        <source>RECOVERY_KEEP</source>
        <translation>&amp;Keep for later</translation>
    </message>
    <message>
        <source>RECOVERY_OPENED %1 %2</source>
        <translation>%1 items recovered for %2; save to keep them.</translation>
    </message>
    <message>
        <source>PRINT_PREVIEW...</source>
        <translation>Print Pre&amp;view...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_PRINT_PREVIEW</source>
        <translation>Shows the pages of the list as they will print. From there you can print them or go back.</translation>
    </message>
    <message>
        <source>ALL_FILES (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>TITLE_READ_ONLY</source>
        <translation>(read-only)</translation>
    </message>
    <message>
        <source>INSURER_REPORT...</source>
        <translation>Report for the ins&amp;urer...</translation>
    </message>
    <message>
        <source>HELP_TEXT_INSURER_REPORT</source>
        <translation>Makes a report with photos and values for the insurer of the whole database, one group or the selected items. It appears in the print preview, from which it can be printed or saved as a PDF file.</translation>
    </message>
    <message>
        <source>QUICK_FILTER_PLACEHOLDER</source>
        <translation>Filter the list...</translation>
    </message>
    <message>
        <source>TOOLTIP_QUICK_FILTER</source>
        <translation>Shows only the items holding the text in one of the shown columns or in their group&apos;s name. Upper and lower case are alike, but a does not find å. Escape clears the filter.</translation>
    </message>
    <message>
        <source>FILTER_COUNT %1 %2</source>
        <translation>%1 of %2 items</translation>
    </message>
    <message>
        <source>CHECK_LINKED_FILES...</source>
        <translation>Chec&amp;k linked files...</translation>
    </message>
    <message>
        <source>HELP_TEXT_CHECK_LINKED_FILES</source>
        <translation>Lists every item whose picture, receipt or document points to a missing file, and can look for the files in a folder.</translation>
    </message>
    <message>
        <source>RECENT_DATABASES</source>
        <translation>Recent &amp;databases</translation>
    </message>
    <message>
        <source>RECENT_DATABASE_MISSING %1</source>
        <translation>%1 (missing)</translation>
    </message>
    <message>
        <source>RECENT_DATABASES_NONE</source>
        <translation>(none yet)</translation>
    </message>
    <message>
        <source>RECENT_DATABASES_CLEAR</source>
        <translation>Clear the list</translation>
    </message>
    <message>
        <source>RECENT_DATABASE_GONE_QUESTION %1</source>
        <translation>The database is not (or no longer) here:

%1

If it is on a drive that is not connected, keep it on the list.</translation>
    </message>
    <message>
        <source>RECENT_DATABASE_REMOVE</source>
        <translation>&amp;Remove from the list</translation>
    </message>
    <message>
        <source>RECENT_DATABASE_KEEP</source>
        <translation>&amp;Keep</translation>
    </message>
    <message>
        <source>HELP_TEXT_EDIT_UNDO</source>
        <translation>Undoes the last change to the database. The menu entry names the change.</translation>
    </message>
    <message>
        <source>HELP_TEXT_EDIT_REDO</source>
        <translation>Redoes the change that was undone last.</translation>
    </message>
    <message>
        <source>EXPORT_CSV...</source>
        <translation>Export to &amp;CSV...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_EXPORT_CSV</source>
        <translation>Writes all items, one group or the selected rows into a CSV file that spreadsheet programs open, with every field.</translation>
    </message>
    <message>
        <source>IMPORT_CSV...</source>
        <translation>I&amp;mport from CSV...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_IMPORT_CSV</source>
        <translation>Adds items from a CSV file to the open database. Rows that cannot be read and new group and location names are shown before anything changes.</translation>
    </message>
</context>
<context>
    <name>MessageListDialogBase</name>
    <message>
        <source>COPY_LIST_TO_CLIPBOARD</source>
        <translation>&amp;Copy list</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>PRINT_FAILED_TITLE</source>
        <translation>Printing failed</translation>
    </message>
    <message>
        <source>PRINT_FAILED_TEXT</source>
        <translation>Could not print on &quot;%1&quot;. Check the printer and try again. Nothing was printed.</translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>FUNI_TOTAL_TEXT</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>FUNI_COUNT_TEXT</source>
        <translation>Number of records in the database: %1</translation>
    </message>
    <message>
        <source>PICTOVA_GROUP_LINE_TEXT</source>
        <translation>%1  %2  %3</translation>
    </message>
    <message>
        <source>FUNI_GROUP_LINE_TEXT</source>
        <translation>%1 %2 pcs.  %3  %4</translation>
    </message>
    <message>
        <source>PICTOVA_REPORT_HEADER_TEXT</source>
        <translation>Summary of pictures by group</translation>
    </message>
    <message>
        <source>DOMVARA_REPORT_HEADER_TEXT</source>
        <translation>Summary by group</translation>
    </message>
</context>
<context>
    <name>ReportDialogBase</name>
    <message>
        <source>Rapport (Samlet oversigt)</source>
        <translation>Report (summary)</translation>
    </message>
    <message>
        <source>Sum af alt inventar efter gruppe</source>
        <translation>Totals of all entries, group by group</translation>
    </message>
    <message>
        <source>Udskriv rapport over domvara grupper</source>
        <translation>Print the report of the groups</translation>
    </message>
    <message>
        <source>&amp;Udskriv</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>PREVIEW_REPORT_TOOLTIP</source>
        <translation>Show the report as it will print</translation>
    </message>
    <message>
        <source>PRINT_PREVIEW</source>
        <translation>Pre&amp;view</translation>
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
    <name>StorableTextValidator</name>
    <message>
        <source>SEPARATOR_REFUSED</source>
        <translation>&quot;;&quot; cannot be stored in a text field.</translation>
    </message>
    <message>
        <source>TEXT_TOO_LONG %1</source>
        <translation>A text field holds at most %1 characters.</translation>
    </message>
</context>
<context>
    <name>TextRules</name>
    <message>
        <source>LINE_BREAK_AS_SPACE</source>
        <translation>A line break or tab became a space.</translation>
    </message>
    <message>
        <source>CONTROL_CHARACTER_REMOVED</source>
        <translation>A control character was removed.</translation>
    </message>
    <message>
        <source>CHARACTER_REPLACED %1 %2</source>
        <translation>&quot;%1&quot; was replaced by &quot;%2&quot;: the database file cannot hold it.</translation>
    </message>
    <message>
        <source>CHARACTER_REMOVED %1</source>
        <translation>&quot;%1&quot; was removed: the database file cannot hold it.</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>UNDO_STEP %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>UNDO_NOTHING</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>REDO_STEP %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>REDO_NOTHING</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>STEP_ADD_MANY %1</source>
        <translation>creation of %1 items</translation>
    </message>
    <message>
        <source>STEP_EDIT_ONE %1</source>
        <translation>edit of &quot;%1&quot;</translation>
    </message>
    <message>
        <source>STEP_LIST_EDIT %1</source>
        <translation>edit of the list %1</translation>
    </message>
    <message>
        <source>STEP_RELINK %1</source>
        <translation>relinking of %1 links</translation>
    </message>
    <message>
        <source>STEP_LOCATION_UPDATE</source>
        <translation>location update</translation>
    </message>
    <message>
        <source>STEP_COPY_ONE %1</source>
        <translation>copy of &quot;%1&quot;</translation>
    </message>
    <message>
        <source>STEP_COPY_MANY %1</source>
        <translation>copy of %1 items</translation>
    </message>
    <message>
        <source>STEP_ADD_ONE %1</source>
        <translation>adding of &quot;%1&quot;</translation>
    </message>
    <message>
        <source>STEP_DELETE_ONE %1</source>
        <translation>delete of &quot;%1&quot;</translation>
    </message>
    <message>
        <source>STEP_DELETE_MANY %1</source>
        <translation>delete of %1 items</translation>
    </message>
    <message>
        <source>STEP_CSV_IMPORT %1</source>
        <translation>import of %1 items from CSV</translation>
    </message>
</context>
<context>
    <name>UpdateLocations</name>
    <message>
        <source>File: does not exist</source>
        <translation>The file does not exist. There is nothing to update.</translation>
    </message>
    <message>
        <source>Move failed, location1: %1 not found, max groups: %2</source>
        <translation>Location %1 does not exist. There are %2 groups, numbered from 0.</translation>
    </message>
    <message>
        <source>Move failed, location2: %1 not found, max groups: %2</source>
        <translation>Move not made: the target location %1 does not exist. There are %2 groups, numbered from 0.</translation>
    </message>
    <message>
        <source>Update (I) failed, to few items: %1 in record: %2 - can not subtract (%3)</source>
        <translation>The count cannot be changed: item number %2 has only %1 units, and %3 would leave fewer than none.</translation>
    </message>
    <message>
        <source>Move failed, ItemId: %1 - not found at location: %2</source>
        <translation>Move not made: item number %1 is not at location %2.</translation>
    </message>
    <message>
        <source>Move failed, to few items: %1 in record: %2 - can not subtract (%3)</source>
        <translation>Move not made: item number %2 has only %1 units, so %3 cannot be moved.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_READ_ONLY</source>
        <translation>The database is open read-only because another user has it open. The locations were not updated, and the update file is unchanged.</translation>
    </message>
    <message>
        <source>Open_Location_File</source>
        <translation>Open location update file</translation>
    </message>
    <message>
        <source>location file (*.txt *.loc)</source>
        <translation>Location file (*.txt *.loc)</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_SUMMARY</source>
        <translation>Locations updated from %1: %2 lines applied, %3 failed, %4 not understood.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_FAILED_LINE %1 %2 %3</source>
        <translation>Line %1: %2 — %3</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_LINE_NOT_UNDERSTOOD</source>
        <translation>Not a location update line (I, F or S with the right number of parts).</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_ID_NOT_A_NUMBER %1</source>
        <translation>The item number %1 is not a number.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_ID_AMBIGUOUS %1 %2 %3</source>
        <translation>The item number %1 fits both serial numbers %2 and %3, whose labels are alike; the line was applied to neither.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_COUNT_NOT_A_NUMBER %1</source>
        <translation>The count %1 is not a whole number, or it is too large.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_NOT_FOUND %1 %2</source>
        <translation>There is no item with number %1 at location %2.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_COUNT_TOO_LARGE %1 %2</source>
        <translation>The count of item number %1 would become larger than %2.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_COPY_NEEDS_COUNT %1</source>
        <translation>A copy at the new location needs a count of at least 1, not %1.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_NOT_FOUND_ANYWHERE %1</source>
        <translation>There is no item with number %1.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_FAILED_LINES %1 %2 %3</source>
        <translation>%1 of the %2 lines in %3 were not applied. They are listed below with the reason; you can copy them, correct them and run them again from a new update file.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_COPY_KEPT %1</source>
        <translation>The lines that were applied are saved and the update file was removed; the whole file is kept as %1.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_FILE_KEPT %1</source>
        <translation>The update file %1 was kept where it is.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_NOT_SAVED %1</source>
        <translation>The database could not be saved, so the changes from %1 are only in the open database. The update file was kept.
Save the database, then delete the update file, so that its lines are not applied a second time.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_NOTHING_APPLIED</source>
        <translation>No location update was applied.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_DATABASE_SAVED</source>
        <translation>The database was saved.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_DATABASE_NOT_SAVED</source>
        <translation>The database was NOT saved.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_FILE_REMOVED</source>
        <translation>The update file was removed.</translation>
    </message>
    <message>
        <source>LOCATION_UPDATE_FILE_STAYS</source>
        <translation>The update file was kept.</translation>
    </message>
</context>
<context>
    <name>UpdateLocations/DeleteLocationFile</name>
    <message>
        <source>File: does not exist</source>
        <translation>The update file could not be deleted because it no longer exists. The locations have been updated.</translation>
    </message>
    <message>
        <source>LOCATION_FILE_NOT_DELETED %1</source>
        <translation>The locations have been updated, but the update file %1 could not be deleted.
Delete it yourself before the next update, or the same lines will be applied twice.</translation>
    </message>
</context>
<context>
    <name>UpdateLocations/ParseLocationFile</name>
    <message>
        <source>Cannot open file %1 for reading</source>
        <translation>The file %1 cannot be read. Nothing was updated.</translation>
    </message>
    <message>
        <source>Copy of file: %1 to %2 failed</source>
        <translation>The file %1 could not be copied to %2. Nothing was updated, and the file is unchanged.
If you have just run an update from a file of the same name, wait a minute and try again.</translation>
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
<context>
    <name>printSelectDataDialog</name>
    <message>
        <source>Gruppe</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Navn</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Fabrikat</source>
        <translation>Make</translation>
    </message>
    <message>
        <source>Produkt model</source>
        <translation>Product model</translation>
    </message>
    <message>
        <source>Antal</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Pris</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>Vurd.</source>
        <translation>Est. value</translation>
    </message>
    <message>
        <source>Billede</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Kvitt.</source>
        <translation>Receipt</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Rum</source>
        <translation>Room</translation>
    </message>
    <message>
        <source>Beskrivelse</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Leverandør</source>
        <translation>Supplier</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Serie no.</source>
        <translation>Serial no.</translation>
    </message>
    <message>
        <source>Www</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Dok.</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Extra1</source>
        <translation>Extra 1</translation>
    </message>
    <message>
        <source>Extra2</source>
        <translation>Extra 2</translation>
    </message>
    <message>
        <source>Extra3</source>
        <translation>Extra 3</translation>
    </message>
    <message>
        <source>Extra4</source>
        <translation>Extra 4</translation>
    </message>
    <message>
        <source>ITEM_COUNT</source>
        <translation>Running number</translation>
    </message>
    <message>
        <source>&apos;Adresse felt længde&apos; skal være: 1 -&gt; %2</source>
        <translation>The field length of the address must be a number from 1 to %2.</translation>
    </message>
    <message>
        <source>&apos;Beskrivelse felt længde&apos; skal være: 1 -&gt; %2</source>
        <translation>The field length of the description must be a number from 1 to %2.</translation>
    </message>
    <message>
        <source>Felt grænseværdi fejl</source>
        <translation>Invalid field length</translation>
    </message>
    <message>
        <source>Ret det !</source>
        <translation>Please correct the value and press OK again.</translation>
    </message>
    <message>
        <source>LENGTH_KEY_REFUSED %1 %2</source>
        <translation>The length of &quot;%1&quot; must be a whole number from 1 to %2.</translation>
    </message>
    <message>
        <source>FIELD_LENGTH_RANGE %1 %2</source>
        <translation>&apos;%1&apos; field length must be: 1 -&gt; %2</translation>
    </message>
</context>
<context>
    <name>printSelectDataDialogBase</name>
    <message>
        <source>Vælg data til udskrivning</source>
        <translation>Choose what to print</translation>
    </message>
    <message>
        <source>Mulige felter</source>
        <translation>Available fields</translation>
    </message>
    <message>
        <source>Felter som pt. ikke udskrives</source>
        <translation>Fields that are not printed at present</translation>
    </message>
    <message>
        <source>Tilføj et felt fra databasen i udskrift</source>
        <translation>Add the selected field to the printout</translation>
    </message>
    <message>
        <source>Fjern et felt fra databasen i udskrift</source>
        <translation>Remove the selected field from the printout</translation>
    </message>
    <message>
        <source>Valgte felter</source>
        <translation>Selected fields</translation>
    </message>
    <message>
        <source>Disse felter vil blive udskrevet (rækkefølgen er pre-defineret)</source>
        <translation>These fields are printed (in a fixed order)</translation>
    </message>
    <message>
        <source>Sortering efter</source>
        <translation>Sort by</translation>
    </message>
    <message>
        <source>Sorter inventar liste udskriften efter valgte felt</source>
        <translation>Sort the printed list by the chosen field</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Navn</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Mærke</source>
        <translation>Make</translation>
    </message>
    <message>
        <source>Pris (ialt)</source>
        <translation>Price (total)</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Rum</source>
        <translation>Room</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>PrintGroup</source>
        <translation>Print only the group:</translation>
    </message>
    <message>
        <source>PrintLocation</source>
        <translation>Print only: </translation>
    </message>
    <message>
        <source>Felt separator i udskrift</source>
        <translation>Field separator in the printout</translation>
    </message>
    <message>
        <source>Bestemmer den karakter som adskiller felterne i udskriften</source>
        <translation>The character that separates the fields in the printout</translation>
    </message>
    <message>
        <source>Felt længde i udskrift</source>
        <translation>Field lengths in the printout</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>setupdialog</name>
    <message>
        <source>Gruppe</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Rum</source>
        <translation>Room</translation>
    </message>
    <message>
        <source>Leverandør</source>
        <translation>Supplier</translation>
    </message>
    <message>
        <source>PRINT_BARCODE</source>
        <translation>Print &amp;barcode</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT_BARCODE</source>
        <translation>Print a barcode label for the chosen place</translation>
    </message>
    <message>
        <source>WHATSHIS_PRINT_LOCATION_BARCODE</source>
        <translation>Prints a barcode label for the chosen name on the label printer. The barcode is the name&apos;s position in the list (the first name is 000000), the number the hand scanner writes into the location update file.</translation>
    </message>
    <message>
        <source>SETUP_WARNING</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>SETUP_MAX_LIMIT_REACHED</source>
        <translation>The list is full. There is no room for more names.</translation>
    </message>
    <message>
        <source>Fejl indtastning</source>
        <translation>Input error</translation>
    </message>
    <message>
        <source>Dette navn er allerede anvendt</source>
        <translation>Another entry in the list already has this name (upper and lower case count as the same). Choose another name.</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Kan ikke have færre grupper end i databasen - omplacer evt. domvara til andre grupper</source>
        <translation>The list must keep at least one group, so the last one cannot be deleted.</translation>
    </message>
    <message>
        <source>Kan ikke have færre lokaler end dem der allerede er i databasen</source>
        <translation>The list must keep at least one location, so the last one cannot be deleted.</translation>
    </message>
    <message>
        <source>SETUP_ERROR</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>NO_ITEM_SELECTED</source>
        <translation>Choose a name in the list first.</translation>
    </message>
    <message>
        <source>SETUP_READ_ONLY</source>
        <translation>The database is open read-only because another user has it open. The list was not saved.</translation>
    </message>
    <message>
        <source>SETUP_NAME_EMPTY</source>
        <translation>The name cannot be empty.</translation>
    </message>
    <message>
        <source>SETUP_ENTRY_IN_USE</source>
        <translation>&quot;%2&quot; cannot be deleted. Number of entries using it: %1. Move them elsewhere first.</translation>
    </message>
</context>
<context>
    <name>setupdialogBase</name>
    <message>
        <source>Setup</source>
        <translation>List setup</translation>
    </message>
    <message>
        <source>WHATS_THIS_SETUP_DIALOG</source>
        <translation>Here you edit one of the database&apos;s lists: groups, locations or suppliers. Pick a name in the list to change it, type a new name and press Add, or pick a name and press Delete. Nothing is stored until you press Save or OK.</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>TOOLTIP_LIST</source>
        <translation>The names in the list, in their order</translation>
    </message>
    <message>
        <source>WHATS_THIS_LIST</source>
        <translation>The names in the list. Entries remember their group and location by the position in this list, so the order matters. Click a name to bring it into the field below.</translation>
    </message>
    <message>
        <source>TOOLTIP_SELECTED</source>
        <translation>The chosen name, or a new name</translation>
    </message>
    <message>
        <source>WHATS_THIS_SELECTED</source>
        <translation>Type a new name and press Add to put it at the end of the list, or change the chosen name and press Save. A name holds at most 199 characters and no semicolon.</translation>
    </message>
    <message>
        <source>TOOLTIP_ADD</source>
        <translation>Add the name at the end of the list</translation>
    </message>
    <message>
        <source>&amp;Tilføj</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>TOOLTIP_REMOVE</source>
        <translation>Delete the chosen name from the list</translation>
    </message>
    <message>
        <source>&amp;Slet</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>TOOLTIP_SAVE</source>
        <translation>Save the list into the database and its list file</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>SETUP_PRINT</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
</TS>
