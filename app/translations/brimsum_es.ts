<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="ca">
<context>
    <name>Brimsum</name>
    <message>
        <source>La calculadora ja és oberta, però no respon.#13Torneu-ho a provar d&apos;aquí a una estona.</source>
        <translation>La calculadora ya está abierta, pero no responde.#13Vuelva a intentarlo dentro de un rato.</translation>
    </message>
    <message>
        <source>Mostra aquesta ajuda.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Mostra la versió.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <source>Escriu la cinta desada (la de Brimsum.Ini) a &lt;fitxer&gt;, en PDF, CSV o fitxer de cinta segons l&apos;extensió (.pdf, .csv o .txt), i acaba sense obrir cap finestra.</source>
        <translation>Escribe la cinta guardada (la de Brimsum.Ini) en &lt;archivo&gt;, en PDF, CSV o archivo de cinta según la extensión (.pdf, .csv o .txt), y termina sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <source>fitxer</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>Vegeu «Brimsum --help».</source>
        <translation>Véase «Brimsum --help».</translation>
    </message>
    <message>
        <source>Calculadora de cinta per a l&apos;aritmètica del petit comerç. Sense opcions, obre la finestra de la calculadora.</source>
        <translation>Calculadora de cinta para la aritmética del pequeño comercio. Sin opciones, abre la ventana de la calculadora.</translation>
    </message>
    <message>
        <source>no s&apos;esperava «%1».</source>
        <translation>no se esperaba «%1».</translation>
    </message>
    <message>
        <source>Amb --export, escriu la cinta oberta que té aquest &lt;nom&gt; a la pestanya en lloc de la primera.</source>
        <translation>Con --export, escribe la cinta abierta cuya pestaña muestra este &lt;nombre&gt; en lugar de la primera.</translation>
    </message>
    <message>
        <source>nom</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>no hi ha cap cinta oberta anomenada «%1».</source>
        <translation>no hay ninguna cinta abierta llamada «%1».</translation>
    </message>
    <message>
        <source>--tape va amb --export.</source>
        <translation>--tape va con --export.</translation>
    </message>
</context>
<context>
    <name>TCalculadora</name>
    <message>
        <source>Zentabo - Tarvik - Calculadora </source>
        <translation>Zentabo - Tarvik - Calculadora </translation>
    </message>
    <message>
        <source>Número</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Subtotal</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Els tipus d&apos;IVA no s&apos;han pogut desar: les línies 12 a 20 del fitxer de configuració ja són plenes.</source>
        <translation>Los tipos de IVA no se han podido guardar: las líneas 12 a 20 del archivo de configuración ya están llenas.</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut desar</source>
        <translation>No se ha podido guardar</translation>
    </message>
    <message>
        <source>%1#13#13Els canvis de la cinta són al diari, al costat del fitxer: la propera vegada que obriu la calculadora hi tornaran a ser, encara que la tanqueu ara.</source>
        <translation>%1#13#13Los cambios de la cinta están en el diario, junto al archivo: la próxima vez que abra la calculadora volverán a estar, aunque la cierre ahora.</translation>
    </message>
    <message>
        <source>&amp;Torna-ho a provar</source>
        <translation>&amp;Volver a intentarlo</translation>
    </message>
    <message>
        <source>&amp;Desa la cinta en un altre lloc...</source>
        <translation>&amp;Guardar la cinta en otro lugar...</translation>
    </message>
    <message>
        <source>Tanca &amp;igualment</source>
        <translation>Cerrar &amp;igualmente</translation>
    </message>
    <message>
        <source>%1#13#13Els darrers canvis de la cinta no s&apos;han pogut desar enlloc: si la tanqueu ara, es perdran. Feu lloc al disc i torneu-ho a provar, o deseu la cinta en un altre lloc.</source>
        <translation>%1#13#13Los últimos cambios de la cinta no se han podido guardar en ningún sitio: si la cierra ahora, se perderán. Haga sitio en el disco y vuelva a intentarlo, o guarde la cinta en otro lugar.</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut crear la carpeta %1</source>
        <translation>No se ha podido crear la carpeta %1</translation>
    </message>
</context>
<context>
    <name>TCommands</name>
    <message>
        <source>Xifra</source>
        <translation>Cifra</translation>
    </message>
    <message>
        <source>&amp;0 Decimals</source>
        <translation>&amp;0 decimales</translation>
    </message>
    <message>
        <source>&amp;1 Decimal</source>
        <translation>&amp;1 decimal</translation>
    </message>
    <message>
        <source>&amp;2 Decimals</source>
        <translation>&amp;2 decimales</translation>
    </message>
    <message>
        <source>&amp;3 Decimals</source>
        <translation>&amp;3 decimales</translation>
    </message>
    <message>
        <source>&amp;4 Decimals</source>
        <translation>&amp;4 decimales</translation>
    </message>
    <message>
        <source>&amp;5 Decimals</source>
        <translation>&amp;5 decimales</translation>
    </message>
    <message>
        <source>&amp;6 Decimals</source>
        <translation>&amp;6 decimales</translation>
    </message>
    <message>
        <source>Coma decimal</source>
        <translation>Coma decimal</translation>
    </message>
    <message>
        <source>Canvia el signe</source>
        <translation>Cambia el signo</translation>
    </message>
    <message>
        <source>Esborra el número</source>
        <translation>Borra el número</translation>
    </message>
    <message>
        <source>Esborra l&apos;última xifra</source>
        <translation>Borra la última cifra</translation>
    </message>
    <message>
        <source>Suma</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Resta</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplica</source>
        <translation>Multiplica</translation>
    </message>
    <message>
        <source>Divideix</source>
        <translation>Divide</translation>
    </message>
    <message>
        <source>Percentatge</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Acaba el càlcul, o lliga al final la fila recuperada</source>
        <translation>Termina el cálculo, o enlaza al final la fila recuperada</translation>
    </message>
    <message>
        <source>% Iva</source>
        <translation>% IVA</translation>
    </message>
    <message>
        <source>Percentatge d&apos;IVA a aplicar amb els Botons IVA</source>
        <translation>Porcentaje de IVA que aplican los botones de IVA</translation>
    </message>
    <message>
        <source>+ Iva</source>
        <translation>+ IVA</translation>
    </message>
    <message>
        <source>Calcula el Valor més IVA</source>
        <translation>Calcula el valor más IVA</translation>
    </message>
    <message>
        <source>Base Imp</source>
        <translation>Base Imp</translation>
    </message>
    <message>
        <source>Calcula la Base Imposable</source>
        <translation>Calcula la base imponible</translation>
    </message>
    <message>
        <source>Quota Iva</source>
        <translation>Cuota IVA</translation>
    </message>
    <message>
        <source>Calcula la Quota d&apos;IVA</source>
        <translation>Calcula la cuota de IVA</translation>
    </message>
    <message>
        <source>+ Marge</source>
        <translation>+ Margen</translation>
    </message>
    <message>
        <source>Calcula el Preu Final Afegint el Marge</source>
        <translation>Calcula el precio final añadiendo el margen</translation>
    </message>
    <message>
        <source>- Marge</source>
        <translation>- Margen</translation>
    </message>
    <message>
        <source>Calcula el Preu Descomptant el Marge (Preu de Cost)</source>
        <translation>Calcula el precio descontando el margen (precio de coste)</translation>
    </message>
    <message>
        <source>Edita el número</source>
        <translation>Edita el número</translation>
    </message>
    <message>
        <source>Escriu un comentari a la fila</source>
        <translation>Escribe un comentario en la fila</translation>
    </message>
    <message>
        <source>Copiar i Lligar Valor al Final </source>
        <translation>Copiar y enlazar el valor al final </translation>
    </message>
    <message>
        <source>Esborrar Paper</source>
        <translation>Borrar papel</translation>
    </message>
    <message>
        <source>Obrir espai a la posició marcada per insertar un valor</source>
        <translation>Abrir espacio en la posición marcada para insertar un valor</translation>
    </message>
    <message>
        <source>Esborrar Linia Marcada</source>
        <translation>Borrar la línea marcada</translation>
    </message>
    <message>
        <source>Converteix a Pessetes</source>
        <translation>Convierte a pesetas</translation>
    </message>
    <message>
        <source>Converteix a EUROS</source>
        <translation>Convierte a EUROS</translation>
    </message>
    <message>
        <source>Copiar Resultat</source>
        <translation>Copiar el resultado</translation>
    </message>
    <message>
        <source>Copiar Resultat i Enganxar-lo al Final</source>
        <translation>Copiar el resultado y pegarlo al final</translation>
    </message>
    <message>
        <source>Copiar Valors Numèrics</source>
        <translation>Copiar los valores numéricos</translation>
    </message>
    <message>
        <source>Copiar Paper</source>
        <translation>Copiar el papel</translation>
    </message>
    <message>
        <source>Esborrar Paper i Enganxar</source>
        <translation>Borrar el papel y pegar</translation>
    </message>
    <message>
        <source>Enganxar al Final</source>
        <translation>Pegar al final</translation>
    </message>
    <message>
        <source>Arrodonir Totals</source>
        <translation>Redondear totales</translation>
    </message>
    <message>
        <source>&amp;Arrodonir decimals a càlculs interns</source>
        <translation>&amp;Redondear decimales en los cálculos internos</translation>
    </message>
    <message>
        <source>Arrodonir tots els números</source>
        <translation>Redondear todos los números</translation>
    </message>
    <message>
        <source>Coma Decimal a l&apos;Exportar/Copiar</source>
        <translation>Punto decimal al exportar/copiar</translation>
    </message>
    <message>
        <source>&amp;Tipus d&apos;IVA...</source>
        <translation>&amp;Tipos de IVA...</translation>
    </message>
    <message>
        <source>&amp;Desfés</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Refés</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>De&amp;sa la cinta...</source>
        <translation>&amp;Guardar la cinta...</translation>
    </message>
    <message>
        <source>&amp;Obre una cinta...</source>
        <translation>&amp;Abrir una cinta...</translation>
    </message>
    <message>
        <source>&amp;Cintes anteriors</source>
        <translation>&amp;Cintas anteriores</translation>
    </message>
    <message>
        <source>Exporta a &amp;PDF...</source>
        <translation>Exportar a &amp;PDF...</translation>
    </message>
    <message>
        <source>Exporta a CS&amp;V...</source>
        <translation>Exportar a CS&amp;V...</translation>
    </message>
    <message>
        <source>&amp;Imprimeix...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Propietats</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Càlcul Interès Bancari</source>
        <translation>Cálculo Interés Bancario</translation>
    </message>
    <message>
        <source>Comparar dos préstecs bancaris</source>
        <translation>Comparar dos préstamos bancarios</translation>
    </message>
    <message>
        <source>Sortir Entregant Valor</source>
        <translation>Salir entregando el valor</translation>
    </message>
    <message>
        <source>Tanca la calculadora</source>
        <translation>Cierra la calculadora</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Maj</source>
        <translation>Mayús</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Supr</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Retrocés</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Retorn</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Gran total: suma dels totals</source>
        <translation>Gran total: suma de los totales</translation>
    </message>
    <message>
        <source>Suma a la memòria</source>
        <translation>Suma a la memoria</translation>
    </message>
    <message>
        <source>Resta de la memòria</source>
        <translation>Resta de la memoria</translation>
    </message>
    <message>
        <source>Recupera la memòria</source>
        <translation>Recupera la memoria</translation>
    </message>
    <message>
        <source>Esborra la memòria</source>
        <translation>Borra la memoria</translation>
    </message>
    <message>
        <source>Entrada amb decimals fixos (ADD)</source>
        <translation>Entrada con decimales fijos (ADD)</translation>
    </message>
    <message>
        <source>C&amp;erca a les cintes...</source>
        <translation>&amp;Buscar en las cintas...</translation>
    </message>
    <message>
        <source>Se&amp;mpre visible</source>
        <translation>Siempre visi&amp;ble</translation>
    </message>
    <message>
        <source>Cinta &amp;nova</source>
        <translation>Cinta &amp;nueva</translation>
    </message>
    <message>
        <source>Cinta següent</source>
        <translation>Cinta siguiente</translation>
    </message>
    <message>
        <source>Cinta anterior</source>
        <translation>Cinta anterior</translation>
    </message>
    <message>
        <source>Canvia el nom de la cint&amp;a...</source>
        <translation>Cambia el nombre de la cint&amp;a...</translation>
    </message>
    <message>
        <source>&amp;Tanca la cinta</source>
        <translation>&amp;Cierra la cinta</translation>
    </message>
    <message>
        <source>Nom de la cinta</source>
        <translation>Nombre de la cinta</translation>
    </message>
    <message>
        <source>Nom de la cinta:</source>
        <translation>Nombre de la cinta:</translation>
    </message>
</context>
<context>
    <name>TDeskIndicators</name>
    <message>
        <source>Memòria</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Decimals fixos</source>
        <translation>Decimales fijos</translation>
    </message>
    <message>
        <source>Entrada amb decimals fixos</source>
        <translation>Entrada con decimales fijos</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>Memòria: %1</source>
        <translation>Memoria: %1</translation>
    </message>
    <message>
        <source>Elements del càlcul: %1</source>
        <translation>Elementos del cálculo: %1</translation>
    </message>
</context>
<context>
    <name>TInteres</name>
    <message>
        <source>Quota</source>
        <translation>Cuota</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Capital</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Acum Cap</source>
        <translation>Acum Cap</translation>
    </message>
    <message>
        <source>Interès</source>
        <translation>Interés</translation>
    </message>
    <message>
        <source>Acum Int</source>
        <translation>Acum Int</translation>
    </message>
    <message>
        <source>Saldo</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Zentabo - Comparació de préstecs - </source>
        <translation>Zentabo - Comparación de préstamos - </translation>
    </message>
    <message>
        <source>Préstec 1</source>
        <translation>Préstamo 1</translation>
    </message>
    <message>
        <source>Préstec 2</source>
        <translation>Préstamo 2</translation>
    </message>
    <message>
        <source>Diferències</source>
        <translation>Diferencias</translation>
    </message>
    <message>
        <source>Interès (%)</source>
        <translation>Interés (%)</translation>
    </message>
    <message>
        <source>Anys</source>
        <translation>Años</translation>
    </message>
    <message>
        <source>Mesos</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>Interessos</source>
        <translation>Intereses</translation>
    </message>
    <message>
        <source>Dif Quota</source>
        <translation>Dif Cuota</translation>
    </message>
    <message>
        <source>Dif Interès</source>
        <translation>Dif Interés</translation>
    </message>
    <message>
        <source>Copiar Excel</source>
        <translation>Copiar Excel</translation>
    </message>
    <message>
        <source>Copiar Quadre d&apos;Amortitzacions</source>
        <translation>Copiar el cuadro de amortización</translation>
    </message>
    <message>
        <source>Quadre d&apos;amortitzacions</source>
        <translation>Cuadro de amortización</translation>
    </message>
</context>
<context>
    <name>TJournaledTape</name>
    <message>
        <source>Els canvis desats a «%1» són malmesos a partir del byte %2: la cinta torna tal com era abans d&apos;aquell punt.</source>
        <translation>Los cambios guardados en «%1» están dañados a partir del byte %2: la cinta vuelve tal como era antes de ese punto.</translation>
    </message>
</context>
<context>
    <name>TKeypad</name>
    <message>
        <source>Teclat</source>
        <translation>Teclado</translation>
    </message>
</context>
<context>
    <name>TMemoryKeys</name>
    <message>
        <source>Memòria i gran total</source>
        <translation>Memoria y gran total</translation>
    </message>
</context>
<context>
    <name>TSaveStatusBar</name>
    <message>
        <source>Avís</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>%1 Es torna a provar tot sol: la cinta es desarà tan bon punt es pugui.</source>
        <translation>%1 Se vuelve a intentar solo: la cinta se guardará en cuanto se pueda.</translation>
    </message>
</context>
<context>
    <name>TSearchPanel</name>
    <message>
        <source>Cerca</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Cerca a les cintes</source>
        <translation>Buscar en las cintas</translation>
    </message>
    <message>
        <source>Cerca un número o un comentari</source>
        <translation>Busque un número o un comentario</translation>
    </message>
    <message>
        <source>Resultats de la cerca</source>
        <translation>Resultados de la búsqueda</translation>
    </message>
    <message>
        <source>Cap resultat</source>
        <translation>Ningún resultado</translation>
    </message>
    <message>
        <source>1 resultat</source>
        <translation>1 resultado</translation>
    </message>
    <message>
        <source>%1 resultats</source>
        <translation>%1 resultados</translation>
    </message>
    <message>
        <source>%1 i %2 més</source>
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <source>, cercant...</source>
        <translation>, buscando...</translation>
    </message>
</context>
<context>
    <name>TSearchResults</name>
    <message>
        <source>%1 · fila %2</source>
        <translation>%1 · fila %2</translation>
    </message>
    <message>
        <source>fila %1</source>
        <translation>fila %1</translation>
    </message>
</context>
<context>
    <name>TTapeCsv</name>
    <message>
        <source>Valor</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Operació</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Comentari</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elementos</translation>
    </message>
</context>
<context>
    <name>TTapeExport</name>
    <message>
        <source>No es coneix l&apos;extensió de «%1»: ha de ser .pdf, .csv o .txt.</source>
        <translation>No se conoce la extensión de «%1»: debe ser .pdf, .csv o .txt.</translation>
    </message>
</context>
<context>
    <name>TTapeFile</name>
    <message>
        <source>ocupa més de 256 MB.</source>
        <translation>ocupa más de 256 MB.</translation>
    </message>
    <message>
        <source>no és text (conté bytes nuls, com una imatge o un altre fitxer binari).</source>
        <translation>no es texto (contiene bytes nulos, como una imagen u otro archivo binario).</translation>
    </message>
    <message>
        <source>el text no és UTF-8.</source>
        <translation>el texto no es UTF-8.</translation>
    </message>
    <message>
        <source>cap línia no és una fila de cinta.</source>
        <translation>ninguna línea es una fila de cinta.</translation>
    </message>
    <message>
        <source>té més files de les que pot tenir una cinta.</source>
        <translation>tiene más filas de las que puede tener una cinta.</translation>
    </message>
    <message>
        <source>El fitxer «%1» no és una cinta: %2</source>
        <translation>El archivo «%1» no es una cinta: %2</translation>
    </message>
</context>
<context>
    <name>TTapeFileCommands</name>
    <message>
        <source>Cintes (*.txt);;Tots els fitxers (*)</source>
        <translation>Cintas (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>1 fila</source>
        <translation>1 fila</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 filas</translation>
    </message>
    <message>
        <source> · total %1</source>
        <translation> · total %1</translation>
    </message>
    <message>
        <source>La cinta no s&apos;ha pogut guardar a les cintes anteriors (%1): %2#13#13Es continua igualment; Ctrl+Z la pot recuperar.</source>
        <translation>La cinta no se ha podido guardar en las cintas anteriores (%1): %2#13#13Se continúa igualmente; Ctrl+Z puede recuperarla.</translation>
    </message>
    <message>
        <source>Encara no hi ha cap cinta guardada</source>
        <translation>Aún no hay ninguna cinta guardada</translation>
    </message>
    <message>
        <source>Desa la cinta</source>
        <translation>Guardar la cinta</translation>
    </message>
    <message>
        <source>Obre una cinta</source>
        <translation>Abrir una cinta</translation>
    </message>
    <message>
        <source>El fitxer «%1» té %2 línia que no és una fila de cinta (la línia %3).#13Voleu obrir-ne les %4 i deixar de banda la resta?</source>
        <translation>El archivo «%1» tiene %2 línea que no es una fila de cinta (la línea %3).#13¿Quiere abrir sus %4 y dejar de lado el resto?</translation>
    </message>
    <message>
        <source>El fitxer «%1» té %2 línies que no són una fila de cinta (la primera és la línia %3).#13Voleu obrir-ne les %4 i deixar de banda la resta?</source>
        <translation>El archivo «%1» tiene %2 líneas que no son una fila de cinta (la primera es la línea %3).#13¿Quiere abrir sus %4 y dejar de lado el resto?</translation>
    </message>
    <message>
        <source>Exporta a PDF</source>
        <translation>Exportar a PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Exporta a CSV</source>
        <translation>Exportar a CSV</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>La cinta no s&apos;ha pogut guardar a les cintes anteriors (%1): %2#13#13La cinta continua oberta.</source>
        <translation>La cinta no se ha podido guardar en las cintas anteriores (%1): %2#13#13La cinta sigue abierta.</translation>
    </message>
</context>
<context>
    <name>TTapePages</name>
    <message>
        <source>Cinta de càlcul</source>
        <translation>Cinta de cálculo</translation>
    </message>
    <message>
        <source>1 fila</source>
        <translation>1 fila</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 filas</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut començar a dibuixar la cinta.</source>
        <translation>No se ha podido empezar a dibujar la cinta.</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut començar la pàgina %1.</source>
        <translation>No se ha podido empezar la página %1.</translation>
    </message>
    <message>
        <source>Cinta de càlcul, %1</source>
        <translation>Cinta de cálculo, %1</translation>
    </message>
    <message>
        <source>Pàgina %1 de %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>TTapeSet</name>
    <message>
        <source>Cinta %1</source>
        <translation>Cinta %1</translation>
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
        <translation>Porcentaje %1</translation>
    </message>
    <message>
        <source>més</source>
        <translation>más</translation>
    </message>
    <message>
        <source>menys</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>per</source>
        <extracomment>Multiplied by</extracomment>
        <translation>por</translation>
    </message>
    <message>
        <source>dividit per</source>
        <translation>dividido entre</translation>
    </message>
    <message>
        <source>igual</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>per cent</source>
        <translation>por ciento</translation>
    </message>
    <message>
        <source>Fila buida</source>
        <translation>Fila vacía</translation>
    </message>
    <message>
        <source>enllaçat a la fila %1</source>
        <translation>enlazado a la fila %1</translation>
    </message>
    <message>
        <source>Gran total %1</source>
        <translation>Gran total %1</translation>
    </message>
    <message>
        <source>gran total</source>
        <translation>gran total</translation>
    </message>
    <message>
        <source>totals: %1</source>
        <translation>totales: %1</translation>
    </message>
    <message>
        <source>elements: %1</source>
        <translation>elementos: %1</translation>
    </message>
</context>
<context>
    <name>TTapeTabs</name>
    <message>
        <source>Cintes</source>
        <translation>Cintas</translation>
    </message>
</context>
<context>
    <name>TTapeView</name>
    <message>
        <source>Comentari</source>
        <translation>Comentario</translation>
    </message>
</context>
<context>
    <name>TTaxPanel</name>
    <message>
        <source>IVA i marge</source>
        <translation>IVA y margen</translation>
    </message>
    <message>
        <source>Marge S/PVP</source>
        <translation>Margen s/PVP</translation>
    </message>
    <message>
        <source>Marge S/Cost</source>
        <translation>Margen s/coste</translation>
    </message>
    <message>
        <source>Descompte</source>
        <translation>Descuento</translation>
    </message>
    <message>
        <source>Estableix % de Marge</source>
        <translation>Establece el % de margen</translation>
    </message>
    <message>
        <source>Percentatge d&apos;IVA</source>
        <translation>Porcentaje de IVA</translation>
    </message>
    <message>
        <source>+ Dte</source>
        <translation>+ Dto</translation>
    </message>
    <message>
        <source>+ Marge</source>
        <translation>+ Margen</translation>
    </message>
    <message>
        <source>- Dte</source>
        <translation>- Dto</translation>
    </message>
    <message>
        <source>- Marge</source>
        <translation>- Margen</translation>
    </message>
    <message>
        <source>Edita els tipus...</source>
        <translation>Editar los tipos...</translation>
    </message>
    <message>
        <source>%1Iva</source>
        <translation>%1IVA</translation>
    </message>
</context>
<context>
    <name>TToolButtons</name>
    <message>
        <source>Eines del paper</source>
        <translation>Herramientas del papel</translation>
    </message>
</context>
<context>
    <name>TVatRates</name>
    <message>
        <source>el tipus %1 no té la forma text:percentatge</source>
        <translation>el tipo %1 no tiene la forma texto:porcentaje</translation>
    </message>
    <message>
        <source>el tipus %1 té el percentatge &quot;%2&quot;, que no és un número escrit amb punt decimal (com 5.2)</source>
        <translation>el tipo %1 tiene el porcentaje &quot;%2&quot;, que no es un número escrito con punto decimal (como 5.2)</translation>
    </message>
    <message>
        <source>el tipus %1 té el percentatge %2, amb més de dos decimals</source>
        <translation>el tipo %1 tiene el porcentaje %2, con más de dos decimales</translation>
    </message>
    <message>
        <source>el tipus %1 té el percentatge %2, fora de 0 a 100</source>
        <translation>el tipo %1 tiene el porcentaje %2, fuera de 0 a 100</translation>
    </message>
    <message>
        <source>té %1 tipus en lloc de %2</source>
        <translation>tiene %1 tipos en lugar de %2</translation>
    </message>
</context>
<context>
    <name>TVatRatesDialog</name>
    <message>
        <source>La llista de tipus desada al fitxer de configuració no s&apos;ha fet servir: %1. S&apos;aplica la llista original; la línia desada es conserva fins que canvieu els tipus.</source>
        <translation>No se ha usado la lista de tipos guardada en el archivo de configuración: %1. Se aplica la lista original; la línea guardada se conserva hasta que cambie los tipos.</translation>
    </message>
    <message>
        <source>Tipus d&apos;IVA</source>
        <translation>Tipos de IVA</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Tipus &amp;vigents</source>
        <translation>Tipos &amp;vigentes</translation>
    </message>
    <message>
        <source>Tipus de &amp;1995</source>
        <translation>Tipos de &amp;1995</translation>
    </message>
    <message>
        <source>Accepta</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel·la</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TamBasic</name>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>&apos;%1&apos; no es una fecha válida</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; no es un valor numérico válido</translation>
    </message>
    <message>
        <source>No queda espai al disc.</source>
        <translation>No queda espacio en el disco.</translation>
    </message>
    <message>
        <source>El disc només es pot llegir.</source>
        <translation>El disco es de solo lectura.</translation>
    </message>
    <message>
        <source>No hi teniu permís d&apos;escriptura.</source>
        <translation>No tiene permiso de escritura.</translation>
    </message>
    <message>
        <source>Hi ha una carpeta amb aquest nom.</source>
        <translation>Hay una carpeta con este nombre.</translation>
    </message>
    <message>
        <source>La carpeta no existeix.</source>
        <translation>La carpeta no existe.</translation>
    </message>
    <message>
        <source>El disc ha donat un error d&apos;escriptura.</source>
        <translation>El disco ha dado un error de escritura.</translation>
    </message>
    <message>
        <source>El nom del fitxer és massa llarg.</source>
        <translation>El nombre del archivo es demasiado largo.</translation>
    </message>
    <message>
        <source>Error del sistema %1 (%2).</source>
        <translation>Error del sistema %1 (%2).</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut desar el fitxer &quot;%1&quot;.</source>
        <translation>No se ha podido guardar el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut obrir el fitxer &quot;%1&quot;.</source>
        <translation>No se ha podido abrir el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut llegir el fitxer &quot;%1&quot;.</source>
        <translation>No se ha podido leer el archivo &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>TamComponents</name>
    <message>
        <source>Atenció!!</source>
        <translation>¡¡Atención!!</translation>
    </message>
    <message>
        <source>Error desconegut</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>D&apos;acord</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel·la</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Avorta</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>Reintenta</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Ignora</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Sí</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Atencio !!!</source>
        <translation>¡¡¡Atención!!!</translation>
    </message>
    <message>
        <source>Error a l&apos;Assignar ShortCut [%1]</source>
        <translation>Error al asignar el atajo [%1]</translation>
    </message>
</context>
<context>
    <name>TamDrop</name>
    <message>
        <source> no implementat...</source>
        <translation> no implementado...</translation>
    </message>
    <message>
        <source>Atenció</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>Atencio!!</source>
        <translation>¡¡Atención!!</translation>
    </message>
    <message>
        <source> No s&apos;han pogut capturar els elements rebuts. </source>
        <translation> No se han podido capturar los elementos recibidos. </translation>
    </message>
    <message>
        <source> (Informació Tècnica: Formats:) </source>
        <translation> (Información técnica: formatos:) </translation>
    </message>
    <message>
        <source> Informació Tècnica: Formats: </source>
        <translation> Información técnica: formatos: </translation>
    </message>
</context>
</TS>
