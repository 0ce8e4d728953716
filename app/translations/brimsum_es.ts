<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="ca">
<context>
    <name>Brimsum</name>
    <message>
        <source>La calculadora ja és oberta, però no respon.#13Torneu-ho a provar d&apos;aquí a una estona.</source>
        <translation>La calculadora ya está abierta, pero no responde.#13Vuelva a intentarlo dentro de un rato.</translation>
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
        <source>Teclat</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>IVA i marge</source>
        <translation>IVA y margen</translation>
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
        <source>Calcula el Valor més IVA [i]</source>
        <translation>Calcula el valor más IVA [i]</translation>
    </message>
    <message>
        <source>Base Imp</source>
        <translation>Base Imp</translation>
    </message>
    <message>
        <source>Calcula la Base Imposable [B]</source>
        <translation>Calcula la base imponible [B]</translation>
    </message>
    <message>
        <source>Quota Iva</source>
        <translation>Cuota IVA</translation>
    </message>
    <message>
        <source>Calcula la Quota d&apos;IVA [Q]</source>
        <translation>Calcula la cuota de IVA [Q]</translation>
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
        <source>+ Marge</source>
        <translation>+ Margen</translation>
    </message>
    <message>
        <source>Calcula el Preu Final Afegint el Marge [M]</source>
        <translation>Calcula el precio final añadiendo el margen [M]</translation>
    </message>
    <message>
        <source>- Marge</source>
        <translation>- Margen</translation>
    </message>
    <message>
        <source>Calcula el Preu Descomptant el Marge (Preu de Cost) [N]</source>
        <translation>Calcula el precio descontando el margen (precio de coste) [N]</translation>
    </message>
    <message>
        <source>Percentatge d&apos;IVA</source>
        <translation>Porcentaje de IVA</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Subtotal</translation>
    </message>
    <message>
        <source>Sortir Entregant Valor [F10]</source>
        <translation>Salir entregando el valor [F10]</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Eines del paper</source>
        <translation>Herramientas del papel</translation>
    </message>
    <message>
        <source>Esborrar Paper [F8]</source>
        <translation>Borrar papel [F8]</translation>
    </message>
    <message>
        <source>Obrir espai a la posició marcada per insertar un valor [Ins]</source>
        <translation>Abrir espacio en la posición marcada para insertar un valor [Ins]</translation>
    </message>
    <message>
        <source>Esborrar Linia Marcada [Supr]</source>
        <translation>Borrar la línea marcada [Supr]</translation>
    </message>
    <message>
        <source>Copiar i Lligar Valor al Final  [F7]</source>
        <translation>Copiar y enlazar el valor al final  [F7]</translation>
    </message>
    <message>
        <source>Converteix a Pessetes [P]</source>
        <translation>Convierte a pesetas [P]</translation>
    </message>
    <message>
        <source>Converteix a EUROS [E]</source>
        <translation>Convierte a EUROS [E]</translation>
    </message>
    <message>
        <source>Copiar Resultat [Control+R]</source>
        <translation>Copiar el resultado [Control+R]</translation>
    </message>
    <message>
        <source>Copiar Valors Numèrics [Control+N]</source>
        <translation>Copiar los valores numéricos [Control+N]</translation>
    </message>
    <message>
        <source>Copiar Paper [Control+P]</source>
        <translation>Copiar el papel [Control+P]</translation>
    </message>
    <message>
        <source>Esborrar Paper i Enganxar [Control+E]</source>
        <translation>Borrar el papel y pegar [Control+E]</translation>
    </message>
    <message>
        <source>Enganxar al Final [Control+V]</source>
        <translation>Pegar al final [Control+V]</translation>
    </message>
    <message>
        <source>Propietats</source>
        <translation>Propiedades</translation>
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
        <source>Els tipus d&apos;IVA no s&apos;han pogut desar: les línies 12 a 20 del fitxer de configuració ja són plenes.</source>
        <translation>Los tipos de IVA no se han podido guardar: las líneas 12 a 20 del archivo de configuración ya están llenas.</translation>
    </message>
    <message>
        <source>+ Dte</source>
        <translation>+ Dto</translation>
    </message>
    <message>
        <source>- Dte</source>
        <translation>- Dto</translation>
    </message>
    <message>
        <source>Edita els tipus...</source>
        <translation>Editar los tipos...</translation>
    </message>
    <message>
        <source>%1Iva</source>
        <translation>%1IVA</translation>
    </message>
    <message>
        <source>Unable to create directory %1</source>
        <translation>No se puede crear la carpeta %1</translation>
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
    <name>TTapeView</name>
    <message>
        <source>Comentari</source>
        <translation>Comentario</translation>
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
        <source>Tipus &amp;originals</source>
        <translation>Tipos &amp;originales</translation>
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
        <source>Cannot open file &quot;%1&quot;.</source>
        <translation>No se puede abrir el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;.</source>
        <translation>No se puede leer el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;.</source>
        <translation>No se puede crear el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;.</source>
        <translation>No se puede escribir el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>&apos;%1&apos; no es una fecha válida</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; no es un valor numérico válido</translation>
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
