<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>jobtool</name>
    <message>
        <source>  convert OLD NEW [--template QVT] [--force]
                          Load OLD (a job of any version from 1.1 on), convert it
                          to the current format and save it as NEW; OLD is never
                          written. Jobs of version 2.1 and older take their default
                          cable types from the template QVT, or from the configured
                          one (setting QvtFile). An existing NEW is replaced only
                          with --force.
</source>
        <translation>  convert OLD NEW [--template QVT] [--force]
                          Carica OLD (un lavoro di qualsiasi versione dalla 1.1 in
                          poi), lo converte nel formato attuale e lo salva come NEW;
                          OLD non viene mai scritto. I lavori della versione 2.1 e
                          precedenti prendono i tipi di cavo predefiniti dal modello
                          QVT o da quello configurato (impostazione QvtFile). Un NEW
                          esistente viene sostituito solo con --force.
</translation>
    </message>
    <message>
        <source>convert: --template needs a file</source>
        <translation>convert: --template richiede un file</translation>
    </message>
    <message>
        <source>convert: unknown option &apos;%1&apos;</source>
        <translation>convert: opzione sconosciuta &apos;%1&apos;</translation>
    </message>
    <message>
        <source>usage: jobtool convert OLD NEW [--template QVT] [--force]</source>
        <translation>uso: jobtool convert OLD NEW [--template QVT] [--force]</translation>
    </message>
    <message>
        <source>convert: NEW is OLD; the old job is never written over</source>
        <translation>convert: NEW coincide con OLD; il vecchio lavoro non viene mai sovrascritto</translation>
    </message>
    <message>
        <source>%1 exists; give --force to replace it</source>
        <translation>%1 esiste già; usa --force per sostituirlo</translation>
    </message>
    <message>
        <source>Converted %1 (version %2) to %3 (version 3.0)</source>
        <translation>Convertito %1 (versione %2) in %3 (versione 3.0)</translation>
    </message>
    <message>
        <source>column &apos;%1&apos; given twice</source>
        <translation>colonna &apos;%1&apos; presente due volte</translation>
    </message>
    <message>
        <source>the header has no &apos;%1&apos; column</source>
        <translation>l&apos;intestazione non ha la colonna &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has characters that a job file cannot hold</source>
        <translation>&apos;%1&apos; contiene caratteri che un file di lavoro non può contenere</translation>
    </message>
    <message>
        <source>no &apos;from&apos; port</source>
        <translation>manca la presa &apos;from&apos;</translation>
    </message>
    <message>
        <source>no &apos;to&apos; port</source>
        <translation>manca la presa &apos;to&apos;</translation>
    </message>
    <message>
        <source>unknown port &apos;%1&apos;</source>
        <translation>presa sconosciuta &apos;%1&apos;</translation>
    </message>
    <message>
        <source>both ends are port &apos;%1&apos;</source>
        <translation>entrambi i capi sono la presa &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no cable type</source>
        <translation>manca il tipo di cavo</translation>
    </message>
    <message>
        <source>unknown cable type &apos;%1&apos; (the job has: %2)</source>
        <translation>tipo di cavo sconosciuto &apos;%1&apos; (il lavoro ha: %2)</translation>
    </message>
    <message>
        <source>the job already has a cable &apos;%1&apos;</source>
        <translation>il lavoro ha già un cavo &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cable &apos;%1&apos; is also on line %2</source>
        <translation>il cavo &apos;%1&apos; compare anche alla riga %2</translation>
    </message>
    <message>
        <source>unknown use &apos;%1&apos;</source>
        <translation>uso sconosciuto &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a colour</source>
        <translation>&apos;%1&apos; non è un colore</translation>
    </message>
    <message>
        <source>a bundle group or number without a bundle</source>
        <translation>un gruppo o un numero di fascio senza fascio</translation>
    </message>
    <message>
        <source>unknown bundle &apos;%1&apos;</source>
        <translation>fascio sconosciuto &apos;%1&apos;</translation>
    </message>
    <message>
        <source>type &apos;%1&apos; is not part of bundle &apos;%2&apos; (%3)</source>
        <translation>il tipo &apos;%1&apos; non fa parte del fascio &apos;%2&apos; (%3)</translation>
    </message>
    <message>
        <source>bundle group %1 belongs to bundle &apos;%2&apos;</source>
        <translation>il gruppo di fascio %1 appartiene al fascio &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1: 1 problem; nothing was added</source>
        <translation>%1: 1 problema; non è stato aggiunto nulla</translation>
    </message>
    <message>
        <source>%1: %2 problems; nothing was added</source>
        <translation>%1: %2 problemi; non è stato aggiunto nulla</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation>impossibile leggere &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>non è testo UTF-8</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>manca la riga di intestazione</translation>
    </message>
    <message>
        <source>no cable rows below the header</source>
        <translation>nessuna riga di cavi sotto l&apos;intestazione</translation>
    </message>
    <message>
        <source>%1 fields where the header has %2</source>
        <translation>%1 campi dove l&apos;intestazione ne ha %2</translation>
    </message>
    <message>
        <source>Ignored columns: %1
</source>
        <translation>Colonne ignorate: %1
</translation>
    </message>
    <message>
        <source>cable &apos;%1&apos; was given to an earlier row without an id; give that row an id or choose another</source>
        <translation>il cavo &apos;%1&apos; è stato assegnato a una riga precedente senza id; dai un id a quella riga o scegline un altro</translation>
    </message>
    <message>
        <source>%1 has no cable list; nothing was added</source>
        <translation>%1 non ha un elenco cavi; non è stato aggiunto nulla</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>impossibile salvare %1: %2</translation>
    </message>
    <message>
        <source>Job file</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>(converted from version %1)</source>
        <translation>(convertito dalla versione %1)</translation>
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
        <source>Floor %1 (%2, ceiling %3)</source>
        <translation>Piano %1 (%2, soffitto %3)</translation>
    </message>
    <message>
        <source>room</source>
        <translation>locale</translation>
    </message>
    <message>
        <source>ports</source>
        <translation>prese</translation>
    </message>
    <message>
        <source>risers</source>
        <translation>mont.</translation>
    </message>
    <message>
        <source>Sheet %1 (%2)</source>
        <translation>Schema %1 (%2)</translation>
    </message>
    <message>
        <source>(own picture)</source>
        <translation>(immagine propria)</translation>
    </message>
    <message>
        <source>Cables %1</source>
        <translation>Cavi %1</translation>
    </message>
    <message>
        <source>type</source>
        <translation>tipo</translation>
    </message>
    <message>
        <source>status</source>
        <translation>stato</translation>
    </message>
    <message>
        <source>estimated</source>
        <translation>stimati</translation>
    </message>
    <message>
        <source>connections %1</source>
        <translation>collegamenti %1</translation>
    </message>
    <message>
        <source>test definitions %1</source>
        <translation>definizioni di test %1</translation>
    </message>
    <message>
        <source>between floors</source>
        <translation>tra piani</translation>
    </message>
    <message>
        <source>Active ports %1</source>
        <translation>Prese attive %1</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Elementi</translation>
    </message>
    <message>
        <source>  new FILE [--force]      Create a new, empty job and save it as FILE (&quot;.job&quot; is
                          added when FILE has another extension). An existing file
                          is only replaced with --force.
</source>
        <translation>  new FILE [--force]      Crea un nuovo lavoro vuoto e lo salva come FILE (&quot;.job&quot;
                          viene aggiunto se FILE ha un&apos;altra estensione). Un file
                          esistente viene sostituito solo con --force.
</translation>
    </message>
    <message>
        <source>usage: jobtool new FILE [--force]</source>
        <translation>uso: jobtool new FILE [--force]</translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation>Creato %1</translation>
    </message>
    <message>
        <source>  render JOB --floor FLOOR [--format svg|pdf|png] [-o FILE] [--force]
                          Draw one floor (FLOOR is its name or tag): rooms, ports
                          and vertical runs coloured by use with their ids, path
                          points, every cable route in the cable&apos;s colour with its
                          id, a scale bar and a legend.
  render JOB --trace CABLE [--metric] [--format svg|pdf|png] [-o FILE] [--force]
                          Draw the route of one cable (its id or tag) floor by floor
                          through the vertical runs, with its ends and length.
                          The format is SVG unless --format or the extension of
                          -o says otherwise; a PDF is one page on the job&apos;s paper.
                          Without -o an SVG goes to standard output.
</source>
        <translation>  render JOB --floor FLOOR [--format svg|pdf|png] [-o FILE] [--force]
                          Disegna un piano (FLOOR è il suo nome o tag): locali,
                          prese e montanti colorati per uso con i loro id, punti
                          di percorso, il tracciato di ogni cavo nel suo colore
                          con il suo id, una barra di scala e una legenda.
  render JOB --trace CABLE [--metric] [--format svg|pdf|png] [-o FILE] [--force]
                          Disegna il tracciato di un cavo (il suo id o tag) piano
                          per piano attraverso i montanti, con i capi e la
                          lunghezza. Il formato è SVG salvo diversa indicazione di
                          --format o dell&apos;estensione di -o; un PDF è una pagina
                          sulla carta del lavoro.
                          Senza -o un SVG va sullo standard output.
</translation>
    </message>
    <message>
        <source>render: unknown format &apos;%1&apos; (svg, pdf or png)</source>
        <translation>render: formato &apos;%1&apos; sconosciuto (svg, pdf o png)</translation>
    </message>
    <message>
        <source>render: name the %1 file with -o FILE</source>
        <translation>render: indica il file %1 con -o FILE</translation>
    </message>
    <message>
        <source>the drawing could not be read back</source>
        <translation>non è stato possibile rileggere il disegno</translation>
    </message>
    <message>
        <source>render: give either --floor FLOOR or --trace CABLE</source>
        <translation>render: indica --floor FLOOR oppure --trace CABLE</translation>
    </message>
    <message>
        <source>render: no floor &apos;%1&apos; in %2 (floors: %3)</source>
        <translation>render: nessun piano &apos;%1&apos; in %2 (piani: %3)</translation>
    </message>
    <message>
        <source>render: no cable &apos;%1&apos; in %2</source>
        <translation>render: nessun cavo &apos;%1&apos; in %2</translation>
    </message>
    <message>
        <source>schedule: unknown format &apos;%1&apos; (csv or md)</source>
        <translation>schedule: formato sconosciuto &apos;%1&apos; (csv o md)</translation>
    </message>
    <message>
        <source>  settings list           Print every application setting by name with its value.
  settings get KEY        Print the value of one setting (KEY as in &apos;settings list&apos;,
                          e.g. FloorCeilingHeight).
  settings set KEY VALUE  Store VALUE for one setting.
</source>
        <translation>  settings list           Stampa ogni impostazione dell&apos;applicazione per nome, con
                          il suo valore.
  settings get KEY        Stampa il valore di un&apos;impostazione (KEY come in
                          &apos;settings list&apos;, p. es. FloorCeilingHeight).
  settings set KEY VALUE  Memorizza VALUE per un&apos;impostazione.
</translation>
    </message>
    <message>
        <source>settings: missing subcommand (list, get or set)</source>
        <translation>settings: manca il sottocomando (list, get o set)</translation>
    </message>
    <message>
        <source>settings list takes no arguments</source>
        <translation>settings list non accetta argomenti</translation>
    </message>
    <message>
        <source>usage: jobtool settings get KEY</source>
        <translation>uso: jobtool settings get KEY</translation>
    </message>
    <message>
        <source>unknown setting &apos;%1&apos;</source>
        <translation>impostazione sconosciuta &apos;%1&apos;</translation>
    </message>
    <message>
        <source>usage: jobtool settings set KEY VALUE</source>
        <translation>uso: jobtool settings set KEY VALUE</translation>
    </message>
    <message>
        <source>settings: unknown subcommand &apos;%1&apos;</source>
        <translation>settings: sottocomando sconosciuto &apos;%1&apos;</translation>
    </message>
    <message>
        <source>  template new FILE       Create a new template with the default settings and
                          save it as FILE (&quot;.qvt&quot; is added when FILE has another
                          extension).
  template info FILE [--json]
                          Print a template&apos;s version, contractor, test definitions
                          with their main limits, bundled cable types and settings
                          entries. An older template is shown upgraded; the file
                          itself is left as it is.
</source>
        <translation>  template new FILE       Crea un nuovo modello con le impostazioni predefinite e
                          lo salva come FILE (&quot;.qvt&quot; viene aggiunto se FILE ha
                          un&apos;altra estensione).
  template info FILE [--json]
                          Stampa versione, installatore, definizioni di test con i
                          limiti principali, tipi di cavo in fascio e voci delle
                          impostazioni di un modello. Un modello più vecchio viene
                          mostrato aggiornato; il file resta com&apos;è.
</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>(the file is version %1; the application upgrades it when it loads it)</source>
        <translation>(il file è della versione %1; l&apos;applicazione lo aggiorna quando lo carica)</translation>
    </message>
    <message>
        <source>Test definitions %1</source>
        <translation>Definizioni di test %1</translation>
    </message>
    <message>
        <source>Bundled cable types %1</source>
        <translation>Tipi di cavo in fascio %1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>predef.</translation>
    </message>
    <message>
        <source>usage: jobtool template new FILE</source>
        <translation>uso: jobtool template new FILE</translation>
    </message>
    <message>
        <source>usage: jobtool template info FILE [--json]</source>
        <translation>uso: jobtool template info FILE [--json]</translation>
    </message>
    <message>
        <source>cannot make a working copy of %1</source>
        <translation>impossibile creare una copia di lavoro di %1</translation>
    </message>
    <message>
        <source>usage: jobtool template new|info FILE</source>
        <translation>uso: jobtool template new|info FILE</translation>
    </message>
    <message>
        <source>template: unknown subcommand &apos;%1&apos;</source>
        <translation>template: sottocomando sconosciuto &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Exported %1 to %2: contractor, settings, %3 test definitions, %4 bundled cable types</source>
        <translation>Esportato %1 in %2: installatore, impostazioni, %3 definizioni di test, %4 tipi di cavo in fascio</translation>
    </message>
    <message>
        <source>Imported %1 into %2: contractor, settings</source>
        <translation>Importato %1 in %2: installatore, impostazioni</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>impossibile scrivere &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2&apos;</source>
        <translation>%1: opzione sconosciuta &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1: option &apos;%2&apos; needs a value</source>
        <translation>%1: l&apos;opzione &apos;%2&apos; richiede un valore</translation>
    </message>
    <message>
        <source>%1: option &apos;%2&apos; given twice</source>
        <translation>%1: opzione &apos;%2&apos; indicata due volte</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the job being read; choose another output file</source>
        <translation>&apos;%1&apos; è il lavoro che si sta leggendo; scegli un altro file di uscita</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder</source>
        <translation>&apos;%1&apos; è una cartella</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists; give --force to replace it</source>
        <translation>&apos;%1&apos; esiste già; usa --force per sostituirlo</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>impossibile scrivere sullo standard output</translation>
    </message>
    <message>
        <source>usage: jobtool %1</source>
        <translation>uso: jobtool %1</translation>
    </message>
    <message>
        <source>Usage: jobtool &lt;command&gt; [arguments]

Inspect, create and report on Gridwell job files (.job).

Commands:
</source>
        <translation>Uso: jobtool &lt;comando&gt; [argomenti]

Esamina, crea e documenta i file di lavoro di Gridwell (.job).

Comandi:
</translation>
    </message>
    <message>
        <source>missing command</source>
        <translation>manca il comando</translation>
    </message>
    <message>
        <source>Usage: jobtool
</source>
        <translation>Uso: jobtool
</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando sconosciuto &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the quoted field opened on line %1 never ends</source>
        <translation>il campo tra virgolette aperto alla riga %1 non si chiude</translation>
    </message>
    <message>
        <source>text after the closing quote of field %1</source>
        <translation>testo dopo le virgolette di chiusura del campo %1</translation>
    </message>
    <message>
        <source>a quote inside field %1, which does not start with one</source>
        <translation>virgolette dentro il campo %1, che non inizia con virgolette</translation>
    </message>
    <message>
        <source>Template file</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Print settings</source>
        <translation>Impostazioni di stampa</translation>
    </message>
    <message>
        <source>Page settings</source>
        <translation>Impostazioni di pagina</translation>
    </message>
    <message>
        <source>Scale settings</source>
        <translation>Impostazioni di scala</translation>
    </message>
    <message>
        <source>Try &apos;jobtool --help&apos; for more information.</source>
        <translation>Usa &apos;jobtool --help&apos; per maggiori informazioni.</translation>
    </message>
    <message>
        <source>a job of version %1 needs the default template to convert, and it could not be loaded: %2</source>
        <translation>un lavoro della versione %1 richiede il modello predefinito per essere convertito, e non è stato possibile caricarlo: %2</translation>
    </message>
    <message numerus="yes">
        <source>Would add %n cables to %1 (dry run: nothing written)</source>
        <translation>
            <numerusform>Verrebbe aggiunto %n cavo a %1 (prova: nulla è stato scritto)</numerusform>
            <numerusform>Verrebbero aggiunti %n cavi a %1 (prova: nulla è stato scritto)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %n cables to %1</source>
        <translation>
            <numerusform>Aggiunto %n cavo a %1</numerusform>
            <numerusform>Aggiunti %n cavi a %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in bundles %1 (%n bundle groups)</source>
        <translation>
            <numerusform>in fasci %1 (%n gruppo di fasci)</numerusform>
            <numerusform>in fasci %1 (%n gruppi di fasci)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new test definitions</source>
        <translation>
            <numerusform>%n nuova definizione di test</numerusform>
            <numerusform>%n nuove definizioni di test</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new bundled cable types</source>
        <translation>
            <numerusform>%n nuovo tipo di cavo in fascio</numerusform>
            <numerusform>%n nuovi tipi di cavo in fascio</numerusform>
        </translation>
    </message>
    <message>
        <source>  labels JOB -o FILE [--sheet NAME] [--floor FLOOR] [--format pdf|csv]
         [--outlines] [--template QVT] [--force]
                          Labels for the job: one for each end of each cable (its
                          id, this end&apos;s port and room, the far end&apos;s port) and one
                          for each port (its id, room and floor). As a PDF the cable
                          labels are laid out on wrap-around cable label sheets and
                          the port labels on port label sheets of the job&apos;s paper
                          (A4 or Letter); --sheet NAME prints only the labels its
                          stock is made for. --outlines draws each label&apos;s edge for
                          a trial print on plain paper. --floor keeps the labels of
                          one floor. CSV (chosen by the extension or --format) has
                          one row per label. Sheets:
                            wrap-a4, wrap-letter   wrap-around cable labels
                            ports-a4, ports-letter port labels
</source>
        <translation>  labels JOB -o FILE [--sheet NOME] [--floor PIANO] [--format pdf|csv]
         [--outlines] [--template QVT] [--force]
                          Etichette del lavoro: una per ogni estremità di ogni cavo
                          (il suo id, presa e locale di questa estremità, la presa
                          dell&apos;altra estremità) e una per ogni presa (id, locale e
                          piano). Nel PDF le etichette dei cavi stanno su fogli di
                          etichette avvolgenti e quelle delle prese su fogli di
                          etichette per prese, nel formato carta del lavoro (A4 o
                          Letter); --sheet NOME stampa solo le etichette per cui è
                          fatto quel foglio. --outlines disegna il bordo di ogni
                          etichetta per una prova su carta comune. --floor tiene le
                          etichette di un solo piano. Il CSV (scelto dall&apos;estensione
                          o da --format) ha una riga per etichetta. Fogli:
                            wrap-a4, wrap-letter   etichette avvolgenti per cavi
                            ports-a4, ports-letter etichette per prese
</translation>
    </message>
    <message>
        <source>labels: no sheet &apos;%1&apos;; the sheets are:
  %2</source>
        <translation>labels: nessun foglio &apos;%1&apos;; i fogli sono:
  %2</translation>
    </message>
    <message>
        <source>labels JOB -o FILE [--sheet NAME] [--floor FLOOR] [--format pdf|csv]</source>
        <translation>labels JOB -o FILE [--sheet NOME] [--floor PIANO] [--format pdf|csv]</translation>
    </message>
    <message>
        <source>labels: unknown format &apos;%1&apos; (pdf or csv)</source>
        <translation>labels: formato sconosciuto &apos;%1&apos; (pdf o csv)</translation>
    </message>
    <message>
        <source>labels: name the PDF file with -o FILE</source>
        <translation>labels: indicare il file PDF con -o FILE</translation>
    </message>
    <message>
        <source>labels: --sheet is for the PDF; CSV rows have no sheet</source>
        <translation>labels: --sheet vale per il PDF; le righe CSV non hanno foglio</translation>
    </message>
    <message>
        <source>labels: no floor &apos;%1&apos; in %2 (floors: %3)</source>
        <translation>labels: nessun piano &apos;%1&apos; in %2 (piani: %3)</translation>
    </message>
    <message>
        <source>jobtool: labels: %1 has nothing to label there: no cables and no ports</source>
        <translation>jobtool: labels: in %1 non c&apos;è niente da etichettare: nessun cavo e nessuna presa</translation>
    </message>
    <message>
        <source>Cable labels</source>
        <translation>Etichette dei cavi</translation>
    </message>
    <message>
        <source>report: unknown format &apos;%1&apos; (html or pdf)</source>
        <translation>report: formato sconosciuto &apos;%1&apos; (html o pdf)</translation>
    </message>
    <message>
        <source>report: unknown paper &apos;%1&apos; (a4 or letter)</source>
        <translation>report: formato carta sconosciuto &apos;%1&apos; (a4 o letter)</translation>
    </message>
    <message>
        <source>report: name the PDF file with -o FILE</source>
        <translation>report: indicare il file PDF con -o FILE</translation>
    </message>
    <message>
        <source>  report JOB [--metric] [-o FILE] [--force] [FILTERS]
                          The certification report as one self-contained HTML file
                          with the contents of the PDF below, styled for printing
                          (a cable&apos;s block kept on one page, pages numbered where
                          the browser can). Without -o it goes to standard output.
  report JOB -o FILE.pdf [--format pdf] [--paper a4|letter] [--metric]
         [FILTERS] [--template QVT] [--force]
                          The certification report as a PDF (chosen by the .pdf
                          extension or --format pdf): a cover with the counts per
                          verdict, a summary per type and floor, each floor&apos;s
                          drawing, the cable schedule, a block per tested cable
                          (ends, test definition, tester, verdict per pair, plots),
                          the active network tests and a sign-off box. The paper
                          is the job&apos;s (detailed cable report settings) unless
                          --paper says otherwise.
                          FILTERS choose the cables of either report; each takes
                          one value or several separated by commas:
                          --floor FLOOR  cables with an end on the floor (its name
                                         or tag); only its drawing and active tests
                          --status pass|fail|untested
                          --type TYPE    cables of the type (as the job names it)
</source>
        <translation>  report JOB [--metric] [-o FILE] [--force] [FILTRI]
                          Il rapporto di certificazione in un unico file HTML
                          autonomo con i contenuti del PDF descritto sotto, pronto
                          per la stampa (il blocco di un cavo resta su una pagina,
                          pagine numerate dove il browser lo consente). Senza -o va
                          sullo standard output.
  report JOB -o FILE.pdf [--format pdf] [--paper a4|letter] [--metric]
         [FILTRI] [--template QVT] [--force]
                          Il rapporto di certificazione in PDF (scelto
                          dall&apos;estensione .pdf o da --format pdf): una copertina con
                          i conteggi per esito, un riepilogo per tipo e per piano, il
                          disegno di ogni piano, l&apos;elenco cavi, un blocco per ogni
                          cavo collaudato (estremità, definizione di test, tester,
                          esito per coppia, grafici), i test di rete attivi e un
                          riquadro per le firme. La carta è quella del lavoro
                          (impostazioni del rapporto dettagliato dei cavi) salvo
                          diversa indicazione di --paper.
                          I FILTRI scelgono i cavi di entrambi i rapporti; ognuno
                          accetta un valore o più valori separati da virgole:
                          --floor PIANO  cavi con un&apos;estremità sul piano (nome o
                                         tag); solo il suo disegno e i suoi test attivi
                          --status pass|fail|untested
                          --type TIPO    cavi del tipo (come lo chiama il lavoro)
</translation>
    </message>
    <message>
        <source>report: unknown status &apos;%1&apos; (pass, fail or untested)</source>
        <translation>report: stato sconosciuto &apos;%1&apos; (pass, fail o untested)</translation>
    </message>
    <message>
        <source>report: no floor &apos;%1&apos; in the job (floors: %2)</source>
        <translation>report: nessun piano &apos;%1&apos; nel lavoro (piani: %2)</translation>
    </message>
    <message>
        <source>report: no cable of type &apos;%1&apos; in the job (types: %2)</source>
        <translation>report: nessun cavo di tipo &apos;%1&apos; nel lavoro (tipi: %2)</translation>
    </message>
    <message>
        <source>  import-cables JOB CABLES.csv [--dry-run] [--template QVT]
                          Add the cables listed in a CSV file (UTF-8, a header row)
                          to JOB and save it. Columns: from, to, type (required);
                          id, use, bundle, bundle group, bundle number, colour
                          (optional; an empty id is generated). Every row is
                          checked first: if any is bad, nothing is added and every
                          problem is listed with its line. --dry-run checks and
                          shows what would be added without saving.
</source>
        <translation>  import-cables JOB CABLES.csv [--dry-run] [--template QVT]
                          Aggiunge a JOB i cavi elencati in un file CSV (UTF-8, con
                          riga di intestazione) e lo salva. Colonne (nomi inglesi):
                          from, to, type (obbligatorie); id, use, bundle, bundle
                          group, bundle number, colour (facoltative; un id vuoto
                          viene generato). Prima si controllano tutte le righe: se
                          una è errata non si aggiunge nulla e ogni problema viene
                          elencato con la sua riga. --dry-run controlla e mostra
                          cosa verrebbe aggiunto senza salvare.
</translation>
    </message>
    <message>
        <source>usage: jobtool import-cables JOB CABLES.csv [--dry-run] [--template QVT]</source>
        <translation>uso: jobtool import-cables JOB CABLES.csv [--dry-run] [--template QVT]</translation>
    </message>
    <message>
        <source>  info FILE [--json] [--template QVT]
                          Load FILE and print its version, header blocks (site,
                          contractor, release entries, notes), floors, sheets,
                          cables with their estimated length per type and of
                          each cable between floors, the active ports with their
                          test results, and the number of items of each kind;
                          --json prints the same as JSON.
</source>
        <translation>  info FILE [--json] [--template QVT]
                          Carica FILE e ne stampa versione, blocchi di intestazione
                          (cantiere, installatore, voci di rilascio, note), piani,
                          schemi, cavi con la lunghezza stimata per tipo e di ogni
                          cavo tra piani, le prese attive con i risultati dei test
                          e il numero di elementi di ogni genere; --json stampa lo
                          stesso in JSON.
</translation>
    </message>
    <message>
        <source>usage: jobtool info FILE [--json] [--template QVT]</source>
        <translation>uso: jobtool info FILE [--json] [--template QVT]</translation>
    </message>
    <message>
        <source>  schedule JOB [--format csv|md] [--excel] [--metric] [--check-factor F]
         [-o FILE] [--template QVT] [--force]
                          The cable schedule: one row per cable in cable order with
                          its ends (port, room, floor), type, colour (by the name
                          of the cable type of that colour, else #rrggbb), use,
                          bundle, estimated and measured length (feet, or metres
                          with --metric), test status and date, and &quot;check&quot; in the
                          last column where the measured length is more than F
                          times the estimate or less than 1/F of it (default 2).
                          CSV (the default, UTF-8 with a header row; --excel adds
                          the byte order mark by which spreadsheets recognise
                          UTF-8) or a Markdown table; without -o it goes to
                          standard output.
</source>
        <translation>  schedule JOB [--format csv|md] [--excel] [--metric] [--check-factor F]
         [-o FILE] [--template QVT] [--force]
                          L&apos;elenco cavi: una riga per cavo, in ordine di cavo, con
                          i capi (presa, locale, piano), tipo, colore (col nome del
                          tipo di cavo di quel colore, altrimenti #rrggbb), uso,
                          fascio, lunghezza stimata e misurata (piedi, o metri con
                          --metric), stato e data del collaudo, e &quot;check&quot;
                          nell&apos;ultima colonna dove la lunghezza misurata supera di
                          più di F volte la stima o ne è meno di 1/F (predefinito
                          2). CSV (predefinito, UTF-8 con riga di intestazione;
                          --excel aggiunge il byte order mark da cui i fogli di
                          calcolo riconoscono l&apos;UTF-8) o tabella Markdown; senza -o
                          va sullo standard output.
</translation>
    </message>
    <message>
        <source>schedule: --excel is for CSV, not Markdown</source>
        <translation>schedule: --excel vale per il CSV, non per il Markdown</translation>
    </message>
    <message>
        <source>schedule: --check-factor needs a number above 1, not &apos;%1&apos;</source>
        <translation>schedule: --check-factor richiede un numero maggiore di 1, non &apos;%1&apos;</translation>
    </message>
    <message>
        <source>  export JOB TEMPLATE [--template QVT]
                          Save the job&apos;s contractor, settings, test definitions and
                          bundled cable types as a new template TEMPLATE.
</source>
        <translation>  export JOB TEMPLATE [--template QVT]
                          Salva installatore, impostazioni, definizioni di test e
                          tipi di cavo in fascio del lavoro come nuovo modello
                          TEMPLATE.
</translation>
    </message>
    <message>
        <source>  import JOB TEMPLATE [--template QVT]
                          Give the job the template&apos;s contractor and settings and
                          the test definitions and bundled cable types it lacks,
                          then save the job. Loading an older template upgrades
                          that file, as the application does. (--template names
                          the template an old JOB is converted with, as for every
                          command that reads a job.)
</source>
        <translation>  import JOB TEMPLATE [--template QVT]
                          Dà al lavoro installatore e impostazioni del modello e le
                          definizioni di test e i tipi di cavo in fascio che gli
                          mancano, poi salva il lavoro. Caricare un modello più
                          vecchio aggiorna quel file, come fa l&apos;applicazione.
                          (--template indica il modello con cui convertire un JOB
                          vecchio, come per ogni comando che legge un lavoro.)
</translation>
    </message>
    <message>
        <source>usage: jobtool export JOB TEMPLATE [--template QVT]</source>
        <translation>uso: jobtool export JOB TEMPLATE [--template QVT]</translation>
    </message>
    <message>
        <source>usage: jobtool import JOB TEMPLATE [--template QVT]</source>
        <translation>uso: jobtool import JOB TEMPLATE [--template QVT]</translation>
    </message>
    <message>
        <source>the configured template &apos;%1&apos; does not exist; converting with the default template &apos;%2&apos;</source>
        <translation>il modello configurato &apos;%1&apos; non esiste; la conversione usa il modello predefinito &apos;%2&apos;</translation>
    </message>
    <message>
        <source>  help, --help, -h        Show this text.

Every command also takes --help (its own usage) and --verbose (show the job
library&apos;s diagnostic lines, which are hidden otherwise). Every command that
reads a job takes --template QVT: the template a job of version 2.1 or older is
converted with. Without it the configured template (setting QvtFile) is used,
or, when that file does not exist, the default template installed with jobtool.

Exit status: 0 on success, 1 when an operation fails (a file cannot be written),
2 on a usage error or a file that cannot be loaded.
</source>
        <translation>  help, --help, -h        Mostra questo testo.

Ogni comando accetta anche --help (il proprio uso) e --verbose (mostra le righe
di diagnostica della libreria dei lavori, altrimenti nascoste). Ogni comando che
legge un lavoro accetta --template QVT: il modello con cui si converte un lavoro
della versione 2.1 o precedente. Senza, si usa il modello configurato
(impostazione QvtFile) o, se quel file non esiste, il modello predefinito
installato con jobtool.

Stato di uscita: 0 se riuscito, 1 se un&apos;operazione fallisce (un file non può
essere scritto), 2 per un errore d&apos;uso o un file che non si può caricare.
</translation>
    </message>
</context>
</TS>
