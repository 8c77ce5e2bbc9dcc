<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>BackgroundItem</name>
    <message>
        <source>Plan picture not found: %1</source>
        <translation>Immagine della planimetria non trovata: %1</translation>
    </message>
</context>
<context>
    <name>CablePanel</name>
    <message>
        <source>Filter cables</source>
        <translation>Filtra i cavi</translation>
    </message>
    <message>
        <source>All statuses</source>
        <translation>Tutti gli stati</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Superato</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non superato</translation>
    </message>
    <message>
        <source>Untested</source>
        <translation>Non collaudato</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Tutti i tipi</translation>
    </message>
    <message>
        <source>(no type)</source>
        <translation>(nessun tipo)</translation>
    </message>
    <message>
        <source>All floors</source>
        <translation>Tutti i piani</translation>
    </message>
    <message>
        <source>Cables: %1</source>
        <translation>Cavi: %1</translation>
    </message>
    <message>
        <source>Cables: %1 of %2</source>
        <translation>Cavi: %1 di %2</translation>
    </message>
</context>
<context>
    <name>CableTableModel</name>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Cavo</translation>
    </message>
    <message>
        <source>From port</source>
        <translation>Da presa</translation>
    </message>
    <message>
        <source>From room</source>
        <translation>Da locale</translation>
    </message>
    <message>
        <source>From floor</source>
        <translation>Da piano</translation>
    </message>
    <message>
        <source>To port</source>
        <translation>A presa</translation>
    </message>
    <message>
        <source>To room</source>
        <translation>A locale</translation>
    </message>
    <message>
        <source>To floor</source>
        <translation>A piano</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Uso</translation>
    </message>
    <message>
        <source>Bundle</source>
        <translation>Fascio</translation>
    </message>
    <message>
        <source>Bundle group</source>
        <translation>Gruppo di fasci</translation>
    </message>
    <message>
        <source>Estimated length (%1)</source>
        <translation>Lunghezza stimata (%1)</translation>
    </message>
    <message>
        <source>Measured length (%1)</source>
        <translation>Lunghezza misurata (%1)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Tested</source>
        <translation>Collaudato</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Only one job can be opened at a time.</source>
        <translation>Si può aprire un solo lavoro alla volta.</translation>
    </message>
    <message>
        <source>--screenshot needs the name of the PNG file to write.</source>
        <translation>--screenshot richiede il nome del file PNG da scrivere.</translation>
    </message>
    <message>
        <source>--%1 goes with --screenshot.</source>
        <translation>--%1 si usa insieme a --screenshot.</translation>
    </message>
    <message>
        <source>--screenshot needs a job to open.</source>
        <translation>--screenshot richiede un lavoro da aprire.</translation>
    </message>
    <message>
        <source>--floor and --sheet cannot both be given.</source>
        <translation>--floor e --sheet non possono essere indicati insieme.</translation>
    </message>
    <message>
        <source>--size wants WIDTHxHEIGHT in pixels, from 320x240 to 8000x8000, such as 1400x900.</source>
        <translation>--size vuole LARGHEZZAxALTEZZA in pixel, da 320x240 a 8000x8000, per esempio 1400x900.</translation>
    </message>
    <message>
        <source>
Examples:
  gridwell site.job
  gridwell --screenshot level3.png --floor &quot;Level 3&quot; --select Cable004 site.job

Exit status: 0 on success; 2 for a bad command line, or with --screenshot for a
job that does not load (the reason is printed); 1 when the picture cannot be
written.
</source>
        <translation>
Esempi:
  gridwell cantiere.job
  gridwell --screenshot piano3.png --floor &quot;Piano 3&quot; --select Cable004 cantiere.job

Stato di uscita: 0 se riuscito; 2 per una riga di comando errata o, con
--screenshot, per un lavoro che non si carica (viene stampato il motivo); 1 se
l&apos;immagine non può essere scritta.
</translation>
    </message>
    <message>
        <source>Try &apos;gridwell --help&apos; for more information.</source>
        <translation>Usa &apos;gridwell --help&apos; per maggiori informazioni.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Render the window with JOB open to the PNG file OUT without showing it, and exit.</source>
        <translation>Disegna la finestra con JOB aperto nel file PNG OUT senza mostrarla, ed esce.</translation>
    </message>
    <message>
        <source>With --screenshot: the window&apos;s size (default 1400x900).</source>
        <translation>Con --screenshot: la dimensione della finestra (predefinita 1400x900).</translation>
    </message>
    <message>
        <source>With --screenshot: show this floor (name or tag).</source>
        <translation>Con --screenshot: mostra questo piano (nome o tag).</translation>
    </message>
    <message>
        <source>With --screenshot: show this network sheet (name or tag).</source>
        <translation>Con --screenshot: mostra questo schema di rete (nome o tag).</translation>
    </message>
    <message>
        <source>With --screenshot: select the item with this id (a cable is traced).</source>
        <translation>Con --screenshot: seleziona l&apos;elemento con questo id (un cavo viene tracciato).</translation>
    </message>
    <message>
        <source>Gridwell planner: open a structured-cabling job of any version and look at its floor plans, network sheets, cables and test results.</source>
        <translation>Planner Gridwell: apre un lavoro di cablaggio strutturato di qualsiasi versione e ne mostra planimetrie, schemi di rete, cavi e risultati dei collaudi.</translation>
    </message>
    <message>
        <source>The job file to open (.job). Older versions are converted in memory; the file is not changed.</source>
        <translation>Il file di lavoro da aprire (.job). Le versioni precedenti vengono convertite in memoria; il file non viene modificato.</translation>
    </message>
</context>
<context>
    <name>DetailsPanel</name>
    <message>
        <source>Select a cable in the plan or in the table to see its test result.</source>
        <translation>Seleziona un cavo nella planimetria o nella tabella per vederne il risultato del collaudo.</translation>
    </message>
    <message>
        <source>Pair 1</source>
        <translation>Coppia 1</translation>
    </message>
    <message>
        <source>Pair 2</source>
        <translation>Coppia 2</translation>
    </message>
    <message>
        <source>Pair 3</source>
        <translation>Coppia 3</translation>
    </message>
    <message>
        <source>Pair 4</source>
        <translation>Coppia 4</translation>
    </message>
    <message>
        <source>Echo</source>
        <translation>Eco</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>NEXT</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>untested</source>
        <translation>non collaudato</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>To</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Uso</translation>
    </message>
    <message>
        <source>Bundle</source>
        <translation>Fascio</translation>
    </message>
    <message>
        <source>Estimated length</source>
        <translation>Lunghezza stimata</translation>
    </message>
    <message>
        <source>Measured length</source>
        <translation>Lunghezza misurata</translation>
    </message>
    <message>
        <source>Tested</source>
        <translation>Collaudato</translation>
    </message>
    <message>
        <source>Tester</source>
        <translation>Collaudatore</translation>
    </message>
    <message>
        <source>BERT errors</source>
        <translation>Errori BERT</translation>
    </message>
    <message>
        <source>Untested: no test result is stored for this cable.</source>
        <translation>Non collaudato: per questo cavo non è memorizzato alcun risultato.</translation>
    </message>
    <message>
        <source>Pins</source>
        <translation>Pin</translation>
    </message>
    <message>
        <source>Length (%1)</source>
        <translation>Lung. (%1)</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Grezzo</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>The tester&apos;s raw length</source>
        <translation>La lunghezza grezza dello strumento</translation>
    </message>
    <message>
        <source>The tester&apos;s status code of the pair</source>
        <translation>Il codice di stato della coppia dato dallo strumento</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Id of a port, cable, room, riser or device</source>
        <translation>Id di una presa, un cavo, un locale, un montante o un apparato</translation>
    </message>
    <message>
        <source>&amp;Go to</source>
        <translation>&amp;Vai a</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Schema</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Locale</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Presa</translation>
    </message>
    <message>
        <source>Riser</source>
        <translation>Montante</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Cavo</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Apparato</translation>
    </message>
    <message>
        <source>Nothing has that id.</source>
        <translation>Nessun elemento ha questo id.</translation>
    </message>
    <message>
        <source>The first %1 hits; type more of the id to narrow them.</source>
        <translation>I primi %1 risultati; scrivi altro dell&apos;id per restringerli.</translation>
    </message>
    <message>
        <source>Hits: %1</source>
        <translation>Risultati: %1</translation>
    </message>
</context>
<context>
    <name>FloorExport</name>
    <message>
        <source>The picture could not be written.</source>
        <translation>Non è stato possibile scrivere l&apos;immagine.</translation>
    </message>
    <message>
        <source>The PDF could not be started.</source>
        <translation>Non è stato possibile avviare il PDF.</translation>
    </message>
</context>
<context>
    <name>FloorScene</name>
    <message>
        <source>Nothing is drawn on this floor yet.</source>
        <translation>Su questo piano non è ancora disegnato nulla.</translation>
    </message>
</context>
<context>
    <name>JobDocument</name>
    <message>
        <source>The open job has changes that are not saved; save or discard them before opening another job.</source>
        <translation>Il lavoro aperto ha modifiche non salvate; salvale o scartale prima di aprire un altro lavoro.</translation>
    </message>
    <message>
        <source>The job that was open, %1, could not be read again: %2</source>
        <translation>Non è stato possibile rileggere il lavoro che era aperto, %1: %2</translation>
    </message>
    <message>
        <source>Job id</source>
        <translation>Id lavoro</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Azienda</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Referente</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefono</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Tester</source>
        <translation>Collaudatore</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>The configured template %1 does not exist; the job was converted with the default template %2.</source>
        <translation>Il modello configurato %1 non esiste; il lavoro è stato convertito con il modello predefinito %2.</translation>
    </message>
</context>
<context>
    <name>JobInfoDialog</name>
    <message>
        <source>Job information</source>
        <translation>Informazioni sul lavoro</translation>
    </message>
    <message>
        <source>Version 3.0</source>
        <translation>Versione 3.0</translation>
    </message>
    <message>
        <source>Version 3.0 (converted from version %1; the file stays as it is until the job is saved)</source>
        <translation>Versione 3.0 (convertito dalla versione %1; il file resta invariato finché il lavoro non viene salvato)</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Cantiere</translation>
    </message>
    <message>
        <source>Contractor</source>
        <translation>Installatore</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Rilascio</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Floors</source>
        <translation>Piani</translation>
    </message>
    <message>
        <source>Network sheets</source>
        <translation>Schemi di rete</translation>
    </message>
    <message>
        <source>Rooms</source>
        <translation>Locali</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Prese</translation>
    </message>
    <message>
        <source>Vertical runs</source>
        <translation>Montanti</translation>
    </message>
    <message>
        <source>Path points</source>
        <translation>Punti di percorso</translation>
    </message>
    <message>
        <source>Floor texts</source>
        <translation>Testi di piano</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Apparati</translation>
    </message>
    <message>
        <source>Connection bend points</source>
        <translation>Punti di piega dei collegamenti</translation>
    </message>
    <message>
        <source>Sheet texts</source>
        <translation>Testi di schema</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Cavi</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>Collegamenti</translation>
    </message>
    <message>
        <source>Active ports</source>
        <translation>Prese attive</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Elementi</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open a job with File › Open (%1).</source>
        <translation>Apri un lavoro con File › Apri (%1).</translation>
    </message>
    <message>
        <source>Reading the cables&apos; test results: %1 of %2</source>
        <translation>Lettura dei risultati dei collaudi dei cavi: %1 di %2</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Zoom %1 %</translation>
    </message>
    <message>
        <source>Floors and sheets</source>
        <translation>Piani e schemi</translation>
    </message>
    <message>
        <source>Cable details</source>
        <translation>Dettagli del cavo</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Cavi</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Apri…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>Es&amp;porta</translation>
    </message>
    <message>
        <source>Cable &amp;schedule (CSV)…</source>
        <translation>&amp;Elenco cavi (CSV)…</translation>
    </message>
    <message>
        <source>Test &amp;report (HTML)…</source>
        <translation>&amp;Rapporto di collaudo (HTML)…</translation>
    </message>
    <message>
        <source>Floor as S&amp;VG…</source>
        <translation>Piano come S&amp;VG…</translation>
    </message>
    <message>
        <source>Shown plan as &amp;PNG…</source>
        <translation>Planimetria visibile come &amp;PNG…</translation>
    </message>
    <message>
        <source>Shown plan as P&amp;DF…</source>
        <translation>Planimetria visibile come P&amp;DF…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Stampa…</translation>
    </message>
    <message>
        <source>Job &amp;information</source>
        <translation>&amp;Informazioni sul lavoro</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Trova…</translation>
    </message>
    <message>
        <source>Clear &amp;selection</source>
        <translation>Annulla la &amp;selezione</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>&amp;Fit to window</source>
        <translation>&amp;Adatta alla finestra</translation>
    </message>
    <message>
        <source>&amp;Actual size (100 %)</source>
        <translation>&amp;Dimensione reale (100 %)</translation>
    </message>
    <message>
        <source>&amp;Previous floor</source>
        <translation>Piano &amp;precedente</translation>
    </message>
    <message>
        <source>&amp;Next floor</source>
        <translation>Piano s&amp;uccessivo</translation>
    </message>
    <message>
        <source>Show room &amp;names</source>
        <translation>Mostra i &amp;nomi dei locali</translation>
    </message>
    <message>
        <source>Show path &amp;points</source>
        <translation>Mostra i punti di perc&amp;orso</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About Gridwell</source>
        <translation>&amp;Informazioni su Gridwell</translation>
    </message>
    <message>
        <source>Cannot open job</source>
        <translation>Impossibile aprire il lavoro</translation>
    </message>
    <message>
        <source>%1 could not be opened.

%2</source>
        <translation>Non è stato possibile aprire %1.

%2</translation>
    </message>
    <message>
        <source>Template needed</source>
        <translation>Serve un modello</translation>
    </message>
    <message>
        <source>%1 was written by an older version of Gridwell. Converting it takes the default cable types from a template, and the template could not be loaded:

%2

Choose another template?</source>
        <translation>%1 è stato scritto da una versione precedente di Gridwell. Per convertirlo servono i tipi di cavo predefiniti di un modello, e non è stato possibile caricare il modello:

%2

Scegliere un altro modello?</translation>
    </message>
    <message>
        <source>Choose a template</source>
        <translation>Scegli un modello</translation>
    </message>
    <message>
        <source>Templates (*.qvt);;All files (*)</source>
        <translation>Modelli (*.qvt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Open job</source>
        <translation>Apri lavoro</translation>
    </message>
    <message>
        <source>Jobs (*.job);;All files (*)</source>
        <translation>Lavori (*.job);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>&amp;Clear list</source>
        <translation>&amp;Svuota elenco</translation>
    </message>
    <message>
        <source>Floors: %1 · network sheets: %2 · cables: %3</source>
        <translation>Piani: %1 · schemi di rete: %2 · cavi: %3</translation>
    </message>
    <message>
        <source>Gridwell</source>
        <translation>Gridwell</translation>
    </message>
    <message>
        <source>%1 (converted from version %2)</source>
        <translation>%1 (convertito dalla versione %2)</translation>
    </message>
    <message>
        <source>%1[*] — Gridwell</source>
        <translation>%1[*] — Gridwell</translation>
    </message>
    <message>
        <source>Tracing %1</source>
        <translation>Tracciamento di %1</translation>
    </message>
    <message>
        <source>Room %1 on %2</source>
        <translation>Locale %1 su %2</translation>
    </message>
    <message>
        <source>Device %1</source>
        <translation>Apparato %1</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>no cables</source>
        <translation>nessun cavo</translation>
    </message>
    <message>
        <source>cables: %1</source>
        <translation>cavi: %1</translation>
    </message>
    <message>
        <source>%1 %2 (%3) in %4 on %5 · drop %6 %7 · %8</source>
        <translation>%1 %2 (%3) in %4 su %5 · calata %6 %7 · %8</translation>
    </message>
    <message>
        <source>Riser</source>
        <translation>Montante</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Presa</translation>
    </message>
    <message>
        <source>%1: %2 → %3 · estimated %4 · measured %5</source>
        <translation>%1: %2 → %3 · stimata %4 · misurata %5</translation>
    </message>
    <message>
        <source>About Gridwell</source>
        <translation>Informazioni su Gridwell</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Gridwell planner&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Floor plans, network sheets, cables and their test results of structured-cabling jobs.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Planner Gridwell&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Planimetrie, schemi di rete, cavi e risultati dei collaudi dei lavori di cablaggio strutturato.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Export cable schedule</source>
        <translation>Esporta elenco cavi</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Esportazione non riuscita</translation>
    </message>
    <message>
        <source>The cable schedule could not be written:
%1</source>
        <translation>Non è stato possibile scrivere l&apos;elenco cavi:
%1</translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>Scritto %1</translation>
    </message>
    <message>
        <source>Export test report</source>
        <translation>Esporta rapporto di collaudo</translation>
    </message>
    <message>
        <source>HTML files (*.html *.xhtml)</source>
        <translation>File HTML (*.html *.xhtml)</translation>
    </message>
    <message>
        <source>The test report could not be written:
%1</source>
        <translation>Non è stato possibile scrivere il rapporto di collaudo:
%1</translation>
    </message>
    <message>
        <source>Export floor as SVG</source>
        <translation>Esporta piano come SVG</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>Immagini SVG (*.svg)</translation>
    </message>
    <message>
        <source>The floor plan could not be written:
%1</source>
        <translation>Non è stato possibile scrivere la planimetria:
%1</translation>
    </message>
    <message>
        <source>Export plan as PNG</source>
        <translation>Esporta planimetria come PNG</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be written:
%1</source>
        <translation>Non è stato possibile scrivere l&apos;immagine:
%1</translation>
    </message>
    <message>
        <source>Export plan as PDF</source>
        <translation>Esporta planimetria come PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF could not be written:
%1</source>
        <translation>Non è stato possibile scrivere il PDF:
%1</translation>
    </message>
</context>
<context>
    <name>NavigatorPanel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Ceiling</source>
        <translation>Soffitto</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>Floors</source>
        <translation>Piani</translation>
    </message>
    <message>
        <source>Ceiling height</source>
        <translation>Altezza del soffitto</translation>
    </message>
    <message>
        <source>Network sheets</source>
        <translation>Schemi di rete</translation>
    </message>
</context>
<context>
    <name>PlotWidget</name>
    <message>
        <source>series 1</source>
        <translation>serie 1</translation>
    </message>
    <message>
        <source>series 2</source>
        <translation>serie 2</translation>
    </message>
    <message>
        <source>No plot stored</source>
        <translation>Nessun grafico memorizzato</translation>
    </message>
    <message>
        <source>point</source>
        <translation>punto</translation>
    </message>
</context>
<context>
    <name>Screenshot</name>
    <message>
        <source>%1 has no floor %2</source>
        <translation>%1 non ha il piano %2</translation>
    </message>
    <message>
        <source>%1 has no sheet %2</source>
        <translation>%1 non ha lo schema %2</translation>
    </message>
    <message>
        <source>%1 has nothing with the id %2</source>
        <translation>%1 non ha nulla con l&apos;id %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
</context>
<context>
    <name>SheetScene</name>
    <message>
        <source>to %1</source>
        <translation>a %1</translation>
    </message>
</context>
<context>
    <name>TraceBar</name>
    <message>
        <source>▲ Previous floor</source>
        <translation>▲ Piano precedente</translation>
    </message>
    <message>
        <source>Next floor ▼</source>
        <translation>Piano successivo ▼</translation>
    </message>
    <message>
        <source>Stop tracing (Esc)</source>
        <translation>Interrompi tracciamento (Esc)</translation>
    </message>
    <message>
        <source>%1 (%2 of %3)</source>
        <translation>%1 (%2 di %3)</translation>
    </message>
</context>
</TS>
