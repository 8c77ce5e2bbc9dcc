<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Ductbook</name>
    <message>
        <source>Cable</source>
        <translation>Cable</translation>
    </message>
    <message>
        <source>Show None</source>
        <translation>Show None</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Show All</translation>
    </message>
    <message>
        <source>Untitled1.job</source>
        <translation>Untitled1.job</translation>
    </message>
    <message>
        <source>Untitled%1.job</source>
        <translation>Untitled%1.job</translation>
    </message>
    <message>
        <source>Null filename given to New(const &amp;Qstring)</source>
        <translation>Nome di file nullo passato a New(const &amp;Qstring)</translation>
    </message>
    <message>
        <source>Empty or null filename in Ductbook::Load</source>
        <translation>Nome di file vuoto o nullo in Ductbook::Load</translation>
    </message>
    <message>
        <source>Job file %1 does not exist</source>
        <translation>Il file di lavoro %1 non esiste</translation>
    </message>
    <message>
        <source>Error parsing job file %1
 on line %2,
 column %3,
%4</source>
        <translation>Errore nella lettura del file di lavoro %1
 alla riga %2,
 colonna %3,
%4</translation>
    </message>
    <message>
        <source>Unable to parse job file %1</source>
        <translation>Impossibile interpretare il file di lavoro %1</translation>
    </message>
    <message>
        <source>Incompatible version of job file %1</source>
        <translation>Versione del file di lavoro %1 non compatibile</translation>
    </message>
    <message>
        <source>There is no job to save</source>
        <translation>Non c&apos;è nessun lavoro da salvare</translation>
    </message>
    <message>
        <source>Filename is Empty</source>
        <translation>Il nome del file è vuoto</translation>
    </message>
    <message>
        <source>Filename given is a directory</source>
        <translation>Il nome di file indicato è una cartella</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Impossibile aprire il file.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>English</source>
        <translation>Imperiale</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrico</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>CCTV</source>
        <translation>CCTV</translation>
    </message>
    <message>
        <source>Intercom</source>
        <translation>Intercom</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Speaker</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Security</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fire</translation>
    </message>
    <message>
        <source>PatchPanel</source>
        <translation>PatchPanel</translation>
    </message>
    <message>
        <source>NA</source>
        <translation>NA</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>1Wall</source>
        <translation>1Wall</translation>
    </message>
    <message>
        <source>2Wall</source>
        <translation>2Wall</translation>
    </message>
    <message>
        <source>3Wall</source>
        <translation>3Wall</translation>
    </message>
    <message>
        <source>4Wall</source>
        <translation>4Wall</translation>
    </message>
    <message>
        <source>6Wall</source>
        <translation>6Wall</translation>
    </message>
    <message>
        <source>custom_port</source>
        <translation>custom_port</translation>
    </message>
    <message>
        <source>vertical_run</source>
        <translation>vertical_run</translation>
    </message>
    <message>
        <source>comm_center</source>
        <translation>comm_center</translation>
    </message>
    <message>
        <source>cable_box</source>
        <translation>cable_box</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Intr</source>
        <translation>Intr</translation>
    </message>
    <message>
        <source>Spkr</source>
        <translation>Spkr</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>Sec</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Plate</translation>
    </message>
    <message>
        <source>Comm</source>
        <translation>Comm</translation>
    </message>
    <message>
        <source>Sheet_</source>
        <translation>Sheet_</translation>
    </message>
    <message>
        <source>Floor_</source>
        <translation>Floor_</translation>
    </message>
    <message>
        <source>January</source>
        <comment>TranslatableDate::longMonthName()</comment>
        <translation>gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <comment>TranslatableDate::longMonthName()</comment>
        <translation>febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <comment>TranslatableDate::longMonthName()</comment>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <comment>TranslatableDate::longMonthName()</comment>
        <translation>aprile</translation>
    </message>
    <message>
        <source>May</source>
        <comment>TranslatableDate::longMonthName()</comment>
        <translation>maggio</translation>
    </message>
    <message>
        <source>June</source>
        <comment>TranslatableDate::longMonthName()</comment>
        <translation>giugno</translation>
    </message>
    <message>
        <source>July</source>
        <comment>TranslatableDate::longMonthName()</comment>
        <translation>luglio</translation>
    </message>
    <message>
        <source>August</source>
        <comment>TranslatableDate::longMonthName()</comment>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <comment>TranslatableDate::longMonthName()</comment>
        <translation>settembre</translation>
    </message>
    <message>
        <source>October</source>
        <comment>TranslatableDate::longMonthName()</comment>
        <translation>ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <comment>TranslatableDate::longMonthName()</comment>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <comment>TranslatableDate::longMonthName()</comment>
        <translation>dicembre</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment>TranslatableDate::longDayName()</comment>
        <translation>lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment>TranslatableDate::longDayName()</comment>
        <translation>martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment>TranslatableDate::longDayName()</comment>
        <translation>mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment>TranslatableDate::longDayName()</comment>
        <translation>giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment>TranslatableDate::longDayName()</comment>
        <translation>venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment>TranslatableDate::longDayName()</comment>
        <translation>sabato</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment>TranslatableDate::longDayName()</comment>
        <translation>domenica</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>gen</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mag</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>giu</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>lug</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>set</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>ott</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dic</translation>
    </message>
    <message>
        <source>1234567890</source>
        <translation>1234567890</translation>
    </message>
    <message>
        <source>;&lt;&gt;|&amp;?$*&quot;</source>
        <comment>forbidden characters in field</comment>
        <translation>;&lt;&gt;|&amp;?$*&quot;</translation>
    </message>
</context>
<context>
    <name>QvtEditor</name>
    <message>
        <source>Unable to create template with NULL filename</source>
        <translation>Impossibile creare un modello con nome di file NULL</translation>
    </message>
    <message>
        <source>Empty or null filename in QvtEditor::Load</source>
        <translation>Nome di file vuoto o nullo in QvtEditor::Load</translation>
    </message>
    <message>
        <source>Qvt file %1 does not exist</source>
        <translation>Il file di modello %1 non esiste</translation>
    </message>
    <message>
        <source>Error parsing Qvt file %1
 on line %2,
 column %3,
%4</source>
        <translation>Errore nella lettura del file di modello %1
 alla riga %2,
 colonna %3,
%4</translation>
    </message>
    <message>
        <source>Unable to parse Qvt file %1</source>
        <translation>Impossibile interpretare il file di modello %1</translation>
    </message>
    <message>
        <source>There is no template to save</source>
        <translation>Non c&apos;è nessun modello da salvare</translation>
    </message>
    <message>
        <source>Filename is empty.</source>
        <translation>Il nome del file è vuoto.</translation>
    </message>
    <message>
        <source>Unable to Save file (NULL)</source>
        <translation>Impossibile salvare il file (NULL)</translation>
    </message>
    <message>
        <source>%1 is a bad version number in QvtEditor::checkVersion.</source>
        <translation>%1 non è un numero di versione valido in QvtEditor::checkVersion.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Unable to write %1</source>
        <translation>Impossibile scrivere %1</translation>
    </message>
</context>
<context>
    <name>TestDef</name>
    <message>
        <source>Cable has no pairs please
 specify which pairs are in use.</source>
        <translation>Il cavo non ha coppie: indicare
 quali coppie sono in uso.</translation>
    </message>
    <message>
        <source>1 Gbit/s requires
all 4 pairs be in use.</source>
        <translation>1 Gbit/s richiede che
tutte e 4 le coppie siano in uso.</translation>
    </message>
    <message>
        <source>1 Gbit/s requires
no splits.</source>
        <translation>1 Gbit/s richiede
nessuno split.</translation>
    </message>
    <message>
        <source>Invalid pair-mapping
not a valid straight through or
crossover cable can&apos;t run 1 Gbit/s.</source>
        <translation>Mappatura delle coppie non valida:
non è un cavo diritto o incrociato
valido, non può funzionare a 1 Gbit/s.</translation>
    </message>
    <message>
        <source>1 Gbit/s requires that length constant
is between 10.0 and 65.0 (pF/ft) or 32.8 and 213.2 (pF/m)</source>
        <translation>1 Gbit/s richiede che la costante di lunghezza
sia tra 10.0 e 65.0 (pF/ft) o tra 32.8 e 213.2 (pF/m)</translation>
    </message>
    <message>
        <source>1 Gbit/s requires that skew must be measured
and be at most 50ns.</source>
        <translation>1 Gbit/s richiede che lo skew sia misurato
e non superi 50ns.</translation>
    </message>
    <message>
        <source>1 Gbit/s requires that SNR must be measured
and be at least 20dB.</source>
        <translation>1 Gbit/s richiede che il rapporto S/R sia misurato
e sia almeno 20dB.</translation>
    </message>
    <message>
        <source>100 Mbits/s requires pairs
 1-2 and 3-6 be in use.</source>
        <translation>100 Mbit/s richiede che le coppie
 1-2 e 3-6 siano in uso.</translation>
    </message>
    <message>
        <source>100 Mbits/s requires no 
splits on pairs 1-2 and 3-6.</source>
        <translation>100 Mbit/s richiede nessuno 
split sulle coppie 1-2 e 3-6.</translation>
    </message>
    <message>
        <source>Invalid pair-mapping
not a valid straight through or
crossover cable can&apos;t run 100 Mbits/s.</source>
        <translation>Mappatura delle coppie non valida:
non è un cavo diritto o incrociato
valido, non può funzionare a 100 Mbit/s.</translation>
    </message>
    <message>
        <source>100 Mbits/s requires that length constant
is between 10.0 and 65.0(pF/ft) or 32.8 and 213.2 (pF/m)</source>
        <translation>100 Mbit/s richiede che la costante di lunghezza
sia tra 10.0 e 65.0 (pF/ft) o tra 32.8 e 213.2 (pF/m)</translation>
    </message>
    <message>
        <source>100 Mbits/s requires that SNR must be measured
and be at least 20dB.</source>
        <translation>100 Mbit/s richiede che il rapporto S/R sia misurato
e sia almeno 20dB.</translation>
    </message>
    <message>
        <source>Skew test requires
all 4 pairs be in use.</source>
        <translation>Il test di skew richiede che
tutte e 4 le coppie siano in uso.</translation>
    </message>
    <message>
        <source>Invalid pair-mapping
not a valid straight through or
crossover cable can&apos;t run Skew test.</source>
        <translation>Mappatura delle coppie non valida:
non è un cavo diritto o incrociato
valido, non si può eseguire il test di skew.</translation>
    </message>
    <message>
        <source>Skew test requires that length constant
is between 10.0 and 65.0(pF/ft) or 32.8 and 213.2 (pF/m)</source>
        <translation>Il test di skew richiede che la costante di lunghezza
sia tra 10.0 e 65.0 (pF/ft) o tra 32.8 e 213.2 (pF/m)</translation>
    </message>
    <message>
        <source>SNR test requires pairs
 1-2 and 3-6 be in use.</source>
        <translation>Il test S/R richiede che le coppie
 1-2 e 3-6 siano in uso.</translation>
    </message>
    <message>
        <source>SNR test requires no 
splits on pairs 1-2 and 3-6.</source>
        <translation>Il test S/R richiede nessuno 
split sulle coppie 1-2 e 3-6.</translation>
    </message>
    <message>
        <source>Invalid pair-mapping
not a valid straight through or
crossover cable can&apos;t run SNR test.</source>
        <translation>Mappatura delle coppie non valida:
non è un cavo diritto o incrociato
valido, non si può eseguire il test S/R.</translation>
    </message>
    <message>
        <source>SNR test requires that length constant
is between 10.0 and 65.0(pF/ft) or 32.8 and 213.2 (pF/m).</source>
        <translation>Il test S/R richiede che la costante di lunghezza
sia tra 10.0 e 65.0 (pF/ft) o tra 32.8 e 213.2 (pF/m).</translation>
    </message>
    <message>
        <source>SNR and BERT tests may fail with
cable length greater than 330ft (100m).</source>
        <translation>I test S/R e BERT possono fallire con
cavi più lunghi di 330ft (100m).</translation>
    </message>
    <message>
        <source>Can&apos;t map 2 pairs on near end to
same pair on far end.</source>
        <translation>Impossibile mappare 2 coppie del capo vicino
sulla stessa coppia del capo lontano.</translation>
    </message>
    <message>
        <source>Invalid color.</source>
        <translation>Colore non valido.</translation>
    </message>
</context>
</TS>
