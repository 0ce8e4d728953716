<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ca">
<context>
    <name>Brimsum</name>
    <message>
        <source>La calculadora ja és oberta, però no respon.#13Torneu-ho a provar d&apos;aquí a una estona.</source>
        <translation>The calculator is already open but does not answer.#13Please try again in a while.</translation>
    </message>
    <message>
        <source>Mostra aquesta ajuda.</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>Mostra la versió.</source>
        <translation>Shows the version.</translation>
    </message>
    <message>
        <source>Escriu la cinta desada (la de Brimsum.Ini) a &lt;fitxer&gt;, en PDF, CSV o fitxer de cinta segons l&apos;extensió (.pdf, .csv o .txt), i acaba sense obrir cap finestra.</source>
        <translation>Writes the stored tape (the one in Brimsum.Ini) to &lt;file&gt;, as PDF, CSV or a tape file by its extension (.pdf, .csv or .txt), and ends without opening a window.</translation>
    </message>
    <message>
        <source>fitxer</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Vegeu «Brimsum --help».</source>
        <translation>See &apos;Brimsum --help&apos;.</translation>
    </message>
    <message>
        <source>Calculadora de cinta per a l&apos;aritmètica del petit comerç. Sense opcions, obre la finestra de la calculadora.</source>
        <translation>A tape calculator for small-business arithmetic. Without options it opens the calculator&apos;s window.</translation>
    </message>
    <message>
        <source>no s&apos;esperava «%1».</source>
        <translation>&apos;%1&apos; was not expected.</translation>
    </message>
    <message>
        <source>Amb --export, escriu la cinta oberta que té aquest &lt;nom&gt; a la pestanya en lloc de la primera.</source>
        <translation>With --export, writes the open tape whose tab shows this &lt;name&gt; instead of the first one.</translation>
    </message>
    <message>
        <source>nom</source>
        <translation>name</translation>
    </message>
    <message>
        <source>no hi ha cap cinta oberta anomenada «%1».</source>
        <translation>there is no open tape named “%1”.</translation>
    </message>
    <message>
        <source>--tape va amb --export.</source>
        <translation>--tape goes with --export.</translation>
    </message>
</context>
<context>
    <name>TCalculadora</name>
    <message>
        <source>Zentabo - Tarvik - Calculadora </source>
        <translation>Zentabo - Tarvik - Calculator </translation>
    </message>
    <message>
        <source>Número</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Subtotal</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Tape</translation>
    </message>
    <message>
        <source>Els tipus d&apos;IVA no s&apos;han pogut desar: les línies 12 a 20 del fitxer de configuració ja són plenes.</source>
        <translation>The VAT rates could not be saved: lines 12 to 20 of the settings file are already full.</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut desar</source>
        <translation>Could not save</translation>
    </message>
    <message>
        <source>%1#13#13Els canvis de la cinta són al diari, al costat del fitxer: la propera vegada que obriu la calculadora hi tornaran a ser, encara que la tanqueu ara.</source>
        <translation>%1#13#13The changes of the tape are in the journal beside the file: the next time you open the calculator they will be there, even if you close it now.</translation>
    </message>
    <message>
        <source>&amp;Torna-ho a provar</source>
        <translation>&amp;Try again</translation>
    </message>
    <message>
        <source>&amp;Desa la cinta en un altre lloc...</source>
        <translation>&amp;Save the tape elsewhere...</translation>
    </message>
    <message>
        <source>Tanca &amp;igualment</source>
        <translation>Close &amp;anyway</translation>
    </message>
    <message>
        <source>%1#13#13Els darrers canvis de la cinta no s&apos;han pogut desar enlloc: si la tanqueu ara, es perdran. Feu lloc al disc i torneu-ho a provar, o deseu la cinta en un altre lloc.</source>
        <translation>%1#13#13The latest changes of the tape could not be saved anywhere: if you close it now, they are lost. Make room on the disk and try again, or save the tape elsewhere.</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut crear la carpeta %1</source>
        <translation>Unable to create directory %1</translation>
    </message>
</context>
<context>
    <name>TCommands</name>
    <message>
        <source>Xifra</source>
        <translation>Digit</translation>
    </message>
    <message>
        <source>&amp;0 Decimals</source>
        <translation>&amp;0 Decimals</translation>
    </message>
    <message>
        <source>&amp;1 Decimal</source>
        <translation>&amp;1 Decimal</translation>
    </message>
    <message>
        <source>&amp;2 Decimals</source>
        <translation>&amp;2 Decimals</translation>
    </message>
    <message>
        <source>&amp;3 Decimals</source>
        <translation>&amp;3 Decimals</translation>
    </message>
    <message>
        <source>&amp;4 Decimals</source>
        <translation>&amp;4 Decimals</translation>
    </message>
    <message>
        <source>&amp;5 Decimals</source>
        <translation>&amp;5 Decimals</translation>
    </message>
    <message>
        <source>&amp;6 Decimals</source>
        <translation>&amp;6 Decimals</translation>
    </message>
    <message>
        <source>Coma decimal</source>
        <translation>Decimal comma</translation>
    </message>
    <message>
        <source>Canvia el signe</source>
        <translation>Change the sign</translation>
    </message>
    <message>
        <source>Esborra el número</source>
        <translation>Clear the number</translation>
    </message>
    <message>
        <source>Esborra l&apos;última xifra</source>
        <translation>Delete the last digit</translation>
    </message>
    <message>
        <source>Suma</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Resta</source>
        <translation>Subtract</translation>
    </message>
    <message>
        <source>Multiplica</source>
        <translation>Multiply</translation>
    </message>
    <message>
        <source>Divideix</source>
        <translation>Divide</translation>
    </message>
    <message>
        <source>Percentatge</source>
        <translation>Percent</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Acaba el càlcul, o lliga al final la fila recuperada</source>
        <translation>End the calculation, or link the recalled row at the end</translation>
    </message>
    <message>
        <source>% Iva</source>
        <translation>% VAT</translation>
    </message>
    <message>
        <source>Percentatge d&apos;IVA a aplicar amb els Botons IVA</source>
        <translation>VAT rate the VAT keys apply</translation>
    </message>
    <message>
        <source>+ Iva</source>
        <translation>+ VAT</translation>
    </message>
    <message>
        <source>Calcula el Valor més IVA</source>
        <translation>Adds VAT to the value</translation>
    </message>
    <message>
        <source>Base Imp</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Calcula la Base Imposable</source>
        <translation>Works out the net amount before VAT</translation>
    </message>
    <message>
        <source>Quota Iva</source>
        <translation>VAT Amt</translation>
    </message>
    <message>
        <source>Calcula la Quota d&apos;IVA</source>
        <translation>Works out the VAT amount</translation>
    </message>
    <message>
        <source>+ Marge</source>
        <translation>+ Margin</translation>
    </message>
    <message>
        <source>Calcula el Preu Final Afegint el Marge</source>
        <translation>Works out the final price with the margin added</translation>
    </message>
    <message>
        <source>- Marge</source>
        <translation>- Margin</translation>
    </message>
    <message>
        <source>Calcula el Preu Descomptant el Marge (Preu de Cost)</source>
        <translation>Works out the price without the margin (the cost price)</translation>
    </message>
    <message>
        <source>Edita el número</source>
        <translation>Edit the number</translation>
    </message>
    <message>
        <source>Escriu un comentari a la fila</source>
        <translation>Write a comment on the row</translation>
    </message>
    <message>
        <source>Copiar i Lligar Valor al Final </source>
        <translation>Copy and link the value at the end </translation>
    </message>
    <message>
        <source>Esborrar Paper</source>
        <translation>Clear the tape</translation>
    </message>
    <message>
        <source>Obrir espai a la posició marcada per insertar un valor</source>
        <translation>Open a row at the marked place to insert a value</translation>
    </message>
    <message>
        <source>Esborrar Linia Marcada</source>
        <translation>Delete the marked row</translation>
    </message>
    <message>
        <source>Converteix a Pessetes</source>
        <translation>Convert to pesetas</translation>
    </message>
    <message>
        <source>Converteix a EUROS</source>
        <translation>Convert to EUROS</translation>
    </message>
    <message>
        <source>Copiar Resultat</source>
        <translation>Copy the result</translation>
    </message>
    <message>
        <source>Copiar Resultat i Enganxar-lo al Final</source>
        <translation>Copy the result and paste it at the end</translation>
    </message>
    <message>
        <source>Copiar Valors Numèrics</source>
        <translation>Copy the numbers</translation>
    </message>
    <message>
        <source>Copiar Paper</source>
        <translation>Copy the tape</translation>
    </message>
    <message>
        <source>Esborrar Paper i Enganxar</source>
        <translation>Clear the tape and paste</translation>
    </message>
    <message>
        <source>Enganxar al Final</source>
        <translation>Paste at the end</translation>
    </message>
    <message>
        <source>Arrodonir Totals</source>
        <translation>Round totals</translation>
    </message>
    <message>
        <source>&amp;Arrodonir decimals a càlculs interns</source>
        <translation>&amp;Round decimals in inner calculations</translation>
    </message>
    <message>
        <source>Arrodonir tots els números</source>
        <translation>Round every number</translation>
    </message>
    <message>
        <source>Coma Decimal a l&apos;Exportar/Copiar</source>
        <translation>Decimal point when exporting/copying</translation>
    </message>
    <message>
        <source>&amp;Tipus d&apos;IVA...</source>
        <translation>&amp;VAT rates...</translation>
    </message>
    <message>
        <source>&amp;Desfés</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Refés</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>De&amp;sa la cinta...</source>
        <translation>&amp;Save the tape...</translation>
    </message>
    <message>
        <source>&amp;Obre una cinta...</source>
        <translation>&amp;Open a tape...</translation>
    </message>
    <message>
        <source>&amp;Cintes anteriors</source>
        <translation>&amp;Earlier tapes</translation>
    </message>
    <message>
        <source>Exporta a &amp;PDF...</source>
        <translation>Export to &amp;PDF...</translation>
    </message>
    <message>
        <source>Exporta a CS&amp;V...</source>
        <translation>Export to CS&amp;V...</translation>
    </message>
    <message>
        <source>&amp;Imprimeix...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Propietats</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Càlcul Interès Bancari</source>
        <translation>Bank Interest</translation>
    </message>
    <message>
        <source>Comparar dos préstecs bancaris</source>
        <translation>Compare two bank loans</translation>
    </message>
    <message>
        <source>Sortir Entregant Valor</source>
        <translation>Exit handing over the value</translation>
    </message>
    <message>
        <source>Tanca la calculadora</source>
        <translation>Close the calculator</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Maj</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Supr</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Retrocés</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Retorn</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Gran total: suma dels totals</source>
        <translation>Grand total: the sum of the totals</translation>
    </message>
    <message>
        <source>Suma a la memòria</source>
        <translation>Add to the memory</translation>
    </message>
    <message>
        <source>Resta de la memòria</source>
        <translation>Subtract from the memory</translation>
    </message>
    <message>
        <source>Recupera la memòria</source>
        <translation>Recall the memory</translation>
    </message>
    <message>
        <source>Esborra la memòria</source>
        <translation>Clear the memory</translation>
    </message>
    <message>
        <source>Entrada amb decimals fixos (ADD)</source>
        <translation>Fixed-decimal entry (ADD)</translation>
    </message>
    <message>
        <source>C&amp;erca a les cintes...</source>
        <translation>S&amp;earch the tapes...</translation>
    </message>
    <message>
        <source>Se&amp;mpre visible</source>
        <translation>Al&amp;ways on top</translation>
    </message>
    <message>
        <source>Cinta &amp;nova</source>
        <translation>&amp;New tape</translation>
    </message>
    <message>
        <source>Cinta següent</source>
        <translation>Next tape</translation>
    </message>
    <message>
        <source>Cinta anterior</source>
        <translation>Previous tape</translation>
    </message>
    <message>
        <source>Canvia el nom de la cint&amp;a...</source>
        <translation>Rename the t&amp;ape...</translation>
    </message>
    <message>
        <source>&amp;Tanca la cinta</source>
        <translation>&amp;Close the tape</translation>
    </message>
    <message>
        <source>Nom de la cinta</source>
        <translation>Tape name</translation>
    </message>
    <message>
        <source>Nom de la cinta:</source>
        <translation>Tape name:</translation>
    </message>
</context>
<context>
    <name>TDeskIndicators</name>
    <message>
        <source>Memòria</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>Decimals fixos</source>
        <translation>Fixed decimals</translation>
    </message>
    <message>
        <source>Entrada amb decimals fixos</source>
        <translation>Fixed-decimal entry</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>Memòria: %1</source>
        <translation>Memory: %1</translation>
    </message>
    <message>
        <source>Elements del càlcul: %1</source>
        <translation>Items of the calculation: %1</translation>
    </message>
</context>
<context>
    <name>TInteres</name>
    <message>
        <source>Quota</source>
        <translation>Payment</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Capital</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Acum Cap</source>
        <translation>Cum Princ</translation>
    </message>
    <message>
        <source>Interès</source>
        <translation>Interest</translation>
    </message>
    <message>
        <source>Acum Int</source>
        <translation>Cum Int</translation>
    </message>
    <message>
        <source>Saldo</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Zentabo - Comparació de préstecs - </source>
        <translation>Zentabo - Loan comparison - </translation>
    </message>
    <message>
        <source>Préstec 1</source>
        <translation>Loan 1</translation>
    </message>
    <message>
        <source>Préstec 2</source>
        <translation>Loan 2</translation>
    </message>
    <message>
        <source>Diferències</source>
        <translation>Differences</translation>
    </message>
    <message>
        <source>Interès (%)</source>
        <translation>Interest (%)</translation>
    </message>
    <message>
        <source>Anys</source>
        <translation>Years</translation>
    </message>
    <message>
        <source>Mesos</source>
        <translation>Months</translation>
    </message>
    <message>
        <source>Interessos</source>
        <translation>Interest paid</translation>
    </message>
    <message>
        <source>Dif Quota</source>
        <translation>Diff Payment</translation>
    </message>
    <message>
        <source>Dif Interès</source>
        <translation>Diff Interest</translation>
    </message>
    <message>
        <source>Copiar Excel</source>
        <translation>Copy to Excel</translation>
    </message>
    <message>
        <source>Copiar Quadre d&apos;Amortitzacions</source>
        <translation>Copy the amortization table</translation>
    </message>
    <message>
        <source>Quadre d&apos;amortitzacions</source>
        <translation>Amortization table</translation>
    </message>
</context>
<context>
    <name>TJournaledTape</name>
    <message>
        <source>Els canvis desats a «%1» són malmesos a partir del byte %2: la cinta torna tal com era abans d&apos;aquell punt.</source>
        <translation>The changes saved in “%1” are damaged from byte %2 on: the tape comes back as it was before that point.</translation>
    </message>
</context>
<context>
    <name>TKeypad</name>
    <message>
        <source>Teclat</source>
        <translation>Keypad</translation>
    </message>
</context>
<context>
    <name>TMemoryKeys</name>
    <message>
        <source>Memòria i gran total</source>
        <translation>Memory and grand total</translation>
    </message>
</context>
<context>
    <name>TSaveStatusBar</name>
    <message>
        <source>Avís</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>%1 Es torna a provar tot sol: la cinta es desarà tan bon punt es pugui.</source>
        <translation>%1 It keeps trying on its own: the tape will be saved as soon as it can be.</translation>
    </message>
</context>
<context>
    <name>TSearchPanel</name>
    <message>
        <source>Cerca</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Cerca a les cintes</source>
        <translation>Search the tapes</translation>
    </message>
    <message>
        <source>Cerca un número o un comentari</source>
        <translation>Search for a number or a comment</translation>
    </message>
    <message>
        <source>Resultats de la cerca</source>
        <translation>Search results</translation>
    </message>
    <message>
        <source>Cap resultat</source>
        <translation>No results</translation>
    </message>
    <message>
        <source>1 resultat</source>
        <translation>1 result</translation>
    </message>
    <message>
        <source>%1 resultats</source>
        <translation>%1 results</translation>
    </message>
    <message>
        <source>%1 i %2 més</source>
        <translation>%1 and %2 more</translation>
    </message>
    <message>
        <source>, cercant...</source>
        <translation>, searching...</translation>
    </message>
</context>
<context>
    <name>TSearchResults</name>
    <message>
        <source>%1 · fila %2</source>
        <translation>%1 · row %2</translation>
    </message>
    <message>
        <source>fila %1</source>
        <translation>row %1</translation>
    </message>
</context>
<context>
    <name>TTapeCsv</name>
    <message>
        <source>Valor</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Operació</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>Comentari</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Items</translation>
    </message>
</context>
<context>
    <name>TTapeExport</name>
    <message>
        <source>No es coneix l&apos;extensió de «%1»: ha de ser .pdf, .csv o .txt.</source>
        <translation>The extension of &apos;%1&apos; is unknown: it must be .pdf, .csv or .txt.</translation>
    </message>
</context>
<context>
    <name>TTapeFile</name>
    <message>
        <source>ocupa més de 256 MB.</source>
        <translation>it is larger than 256 MB.</translation>
    </message>
    <message>
        <source>no és text (conté bytes nuls, com una imatge o un altre fitxer binari).</source>
        <translation>it is not text (it holds null bytes, like a picture or another binary file).</translation>
    </message>
    <message>
        <source>el text no és UTF-8.</source>
        <translation>the text is not UTF-8.</translation>
    </message>
    <message>
        <source>cap línia no és una fila de cinta.</source>
        <translation>no line is a tape row.</translation>
    </message>
    <message>
        <source>té més files de les que pot tenir una cinta.</source>
        <translation>it has more rows than a tape can hold.</translation>
    </message>
    <message>
        <source>El fitxer «%1» no és una cinta: %2</source>
        <translation>The file &apos;%1&apos; is not a tape: %2</translation>
    </message>
</context>
<context>
    <name>TTapeFileCommands</name>
    <message>
        <source>Cintes (*.txt);;Tots els fitxers (*)</source>
        <translation>Tapes (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>1 fila</source>
        <translation>1 row</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 rows</translation>
    </message>
    <message>
        <source> · total %1</source>
        <translation> · total %1</translation>
    </message>
    <message>
        <source>La cinta no s&apos;ha pogut guardar a les cintes anteriors (%1): %2#13#13Es continua igualment; Ctrl+Z la pot recuperar.</source>
        <translation>The tape could not be kept with the earlier tapes (%1): %2#13#13The action goes on; Ctrl+Z can bring the tape back.</translation>
    </message>
    <message>
        <source>Encara no hi ha cap cinta guardada</source>
        <translation>No tape has been kept yet</translation>
    </message>
    <message>
        <source>Desa la cinta</source>
        <translation>Save the tape</translation>
    </message>
    <message>
        <source>Obre una cinta</source>
        <translation>Open a tape</translation>
    </message>
    <message>
        <source>El fitxer «%1» té %2 línia que no és una fila de cinta (la línia %3).#13Voleu obrir-ne les %4 i deixar de banda la resta?</source>
        <translation>The file &apos;%1&apos; has %2 line that is not a tape row (line %3).#13Open its %4 and leave the rest aside?</translation>
    </message>
    <message>
        <source>El fitxer «%1» té %2 línies que no són una fila de cinta (la primera és la línia %3).#13Voleu obrir-ne les %4 i deixar de banda la resta?</source>
        <translation>The file &apos;%1&apos; has %2 lines that are not tape rows (the first is line %3).#13Open its %4 and leave the rest aside?</translation>
    </message>
    <message>
        <source>Exporta a PDF</source>
        <translation>Export to PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Exporta a CSV</source>
        <translation>Export to CSV</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>La cinta no s&apos;ha pogut guardar a les cintes anteriors (%1): %2#13#13La cinta continua oberta.</source>
        <translation>The tape could not be kept among the earlier tapes (%1): %2#13#13The tape stays open.</translation>
    </message>
</context>
<context>
    <name>TTapePages</name>
    <message>
        <source>Cinta de càlcul</source>
        <translation>Calculation tape</translation>
    </message>
    <message>
        <source>1 fila</source>
        <translation>1 row</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 rows</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut començar a dibuixar la cinta.</source>
        <translation>The tape could not be drawn.</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut començar la pàgina %1.</source>
        <translation>Page %1 could not be started.</translation>
    </message>
    <message>
        <source>Cinta de càlcul, %1</source>
        <translation>Calculation tape, %1</translation>
    </message>
    <message>
        <source>Pàgina %1 de %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>TTapeSet</name>
    <message>
        <source>Cinta %1</source>
        <translation>Tape %1</translation>
    </message>
</context>
<context>
    <name>TTapeSpeech</name>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>Percentatge %1</source>
        <extracomment>A percent amount on the tape</extracomment>
        <translation>Percentage %1</translation>
    </message>
    <message>
        <source>més</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>menys</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>per</source>
        <extracomment>Multiplied by</extracomment>
        <translation>times</translation>
    </message>
    <message>
        <source>dividit per</source>
        <translation>divided by</translation>
    </message>
    <message>
        <source>igual</source>
        <translation>equals</translation>
    </message>
    <message>
        <source>per cent</source>
        <translation>percent</translation>
    </message>
    <message>
        <source>Fila buida</source>
        <translation>Empty row</translation>
    </message>
    <message>
        <source>enllaçat a la fila %1</source>
        <translation>linked to row %1</translation>
    </message>
    <message>
        <source>Gran total %1</source>
        <translation>Grand total %1</translation>
    </message>
    <message>
        <source>gran total</source>
        <translation>grand total</translation>
    </message>
    <message>
        <source>totals: %1</source>
        <translation>totals: %1</translation>
    </message>
    <message>
        <source>elements: %1</source>
        <translation>items: %1</translation>
    </message>
</context>
<context>
    <name>TTapeTabs</name>
    <message>
        <source>Cintes</source>
        <translation>Tapes</translation>
    </message>
</context>
<context>
    <name>TTapeView</name>
    <message>
        <source>Comentari</source>
        <translation>Comment</translation>
    </message>
</context>
<context>
    <name>TTaxPanel</name>
    <message>
        <source>IVA i marge</source>
        <translation>VAT and margin</translation>
    </message>
    <message>
        <source>Marge S/PVP</source>
        <translation>Margin on price</translation>
    </message>
    <message>
        <source>Marge S/Cost</source>
        <translation>Markup on cost</translation>
    </message>
    <message>
        <source>Descompte</source>
        <translation>Discount</translation>
    </message>
    <message>
        <source>Estableix % de Marge</source>
        <translation>Sets the margin %</translation>
    </message>
    <message>
        <source>Percentatge d&apos;IVA</source>
        <translation>VAT rate</translation>
    </message>
    <message>
        <source>+ Dte</source>
        <translation>+ Disc</translation>
    </message>
    <message>
        <source>+ Marge</source>
        <translation>+ Margin</translation>
    </message>
    <message>
        <source>- Dte</source>
        <translation>- Disc</translation>
    </message>
    <message>
        <source>- Marge</source>
        <translation>- Margin</translation>
    </message>
    <message>
        <source>Edita els tipus...</source>
        <translation>Edit the rates...</translation>
    </message>
    <message>
        <source>%1Iva</source>
        <translation>%1VAT</translation>
    </message>
</context>
<context>
    <name>TToolButtons</name>
    <message>
        <source>Eines del paper</source>
        <translation>Tape tools</translation>
    </message>
</context>
<context>
    <name>TVatRates</name>
    <message>
        <source>el tipus %1 no té la forma text:percentatge</source>
        <translation>rate %1 is not of the form text:percentage</translation>
    </message>
    <message>
        <source>el tipus %1 té el percentatge &quot;%2&quot;, que no és un número escrit amb punt decimal (com 5.2)</source>
        <translation>rate %1 has the percentage &quot;%2&quot;, which is not a number written with a decimal point (like 5.2)</translation>
    </message>
    <message>
        <source>el tipus %1 té el percentatge %2, amb més de dos decimals</source>
        <translation>rate %1 has the percentage %2, with more than two decimals</translation>
    </message>
    <message>
        <source>el tipus %1 té el percentatge %2, fora de 0 a 100</source>
        <translation>rate %1 has the percentage %2, outside 0 to 100</translation>
    </message>
    <message>
        <source>té %1 tipus en lloc de %2</source>
        <translation>it has %1 rates instead of %2</translation>
    </message>
</context>
<context>
    <name>TVatRatesDialog</name>
    <message>
        <source>La llista de tipus desada al fitxer de configuració no s&apos;ha fet servir: %1. S&apos;aplica la llista original; la línia desada es conserva fins que canvieu els tipus.</source>
        <translation>The rate list stored in the settings file was not used: %1. The original list applies; the stored line is kept until you change the rates.</translation>
    </message>
    <message>
        <source>Tipus d&apos;IVA</source>
        <translation>VAT rates</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Tipus &amp;vigents</source>
        <translation>Rates in &amp;force</translation>
    </message>
    <message>
        <source>Tipus de &amp;1995</source>
        <translation>&amp;1995 rates</translation>
    </message>
    <message>
        <source>Accepta</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel·la</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TamBasic</name>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>&apos;%1&apos; is not a valid date</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is not a valid floating point value</translation>
    </message>
    <message>
        <source>No queda espai al disc.</source>
        <translation>There is no space left on the disk.</translation>
    </message>
    <message>
        <source>El disc només es pot llegir.</source>
        <translation>The disk is read-only.</translation>
    </message>
    <message>
        <source>No hi teniu permís d&apos;escriptura.</source>
        <translation>You do not have permission to write there.</translation>
    </message>
    <message>
        <source>Hi ha una carpeta amb aquest nom.</source>
        <translation>There is a folder with this name.</translation>
    </message>
    <message>
        <source>La carpeta no existeix.</source>
        <translation>The folder does not exist.</translation>
    </message>
    <message>
        <source>El disc ha donat un error d&apos;escriptura.</source>
        <translation>The disk reported a write error.</translation>
    </message>
    <message>
        <source>El nom del fitxer és massa llarg.</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>Error del sistema %1 (%2).</source>
        <translation>System error %1 (%2).</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut desar el fitxer &quot;%1&quot;.</source>
        <translation>The file &quot;%1&quot; could not be saved.</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut obrir el fitxer &quot;%1&quot;.</source>
        <translation>Cannot open file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut llegir el fitxer &quot;%1&quot;.</source>
        <translation>Cannot read file &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>TamComponents</name>
    <message>
        <source>Atenció!!</source>
        <translation>Warning!</translation>
    </message>
    <message>
        <source>Error desconegut</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>D&apos;acord</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel·la</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Avorta</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Reintenta</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Ignora</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>Sí</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Atencio !!!</source>
        <translation>Warning!</translation>
    </message>
    <message>
        <source>Error a l&apos;Assignar ShortCut [%1]</source>
        <translation>Cannot assign the shortcut [%1]</translation>
    </message>
</context>
<context>
    <name>TamDrop</name>
    <message>
        <source> no implementat...</source>
        <translation> not implemented...</translation>
    </message>
    <message>
        <source>Atenció</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Atencio!!</source>
        <translation>Warning!</translation>
    </message>
    <message>
        <source> No s&apos;han pogut capturar els elements rebuts. </source>
        <translation> The dropped items could not be taken. </translation>
    </message>
    <message>
        <source> (Informació Tècnica: Formats:) </source>
        <translation> (Technical information: formats:) </translation>
    </message>
    <message>
        <source> Informació Tècnica: Formats: </source>
        <translation> Technical information: formats: </translation>
    </message>
</context>
</TS>
