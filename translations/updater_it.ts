<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>SoftwareUpdateDialog</name>
    <message>
        <source>Gridwell software Update</source>
        <translation>Aggiornamento del software Gridwell</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Ricerca di aggiornamenti…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Error C300: Gridwell application was not installed properly. Can not check for product updates.</source>
        <translation>Errore C300: l&apos;applicazione Gridwell non è stata installata correttamente. Impossibile cercare aggiornamenti del prodotto.</translation>
    </message>
    <message>
        <source>Error C315:Unable to determine the operating system type. Therefore can not check for update</source>
        <translation>Errore C315: impossibile determinare il tipo di sistema operativo, quindi non è possibile cercare aggiornamenti</translation>
    </message>
    <message>
        <source>Select a directory to save the new Gridwell Application Install file</source>
        <translation>Scegli la cartella in cui salvare il nuovo file di installazione di Gridwell</translation>
    </message>
    <message>
        <source>Error C302: You have not selected a directory to download the update. therefore can not check for update</source>
        <translation>Errore C302: non è stata scelta una cartella in cui scaricare l&apos;aggiornamento, quindi non è possibile cercare aggiornamenti</translation>
    </message>
    <message>
        <source>Error C303: %1</source>
        <translation>Errore C303: %1</translation>
    </message>
    <message>
        <source>Error: C305: Gridwell Update Failed: %1.</source>
        <translation>Errore: C305: aggiornamento di Gridwell non riuscito: %1.</translation>
    </message>
    <message>
        <source>Warning: the update server %1 is asked over plain HTTP, so the download is not protected: the installer could be changed on its way to this computer.</source>
        <translation>Attenzione: il server di aggiornamento %1 viene interrogato in HTTP semplice, quindi lo scaricamento non è protetto: il programma di installazione potrebbe essere alterato lungo il percorso verso questo computer.</translation>
    </message>
    <message>
        <source>Error: C313: Gridwell Update Failed: %1.</source>
        <translation>Errore: C313: aggiornamento di Gridwell non riuscito: %1.</translation>
    </message>
    <message>
        <source>Error C307: Gridwell Update Failed: Error Code: %1 Error Message: %2.</source>
        <translation>Errore C307: aggiornamento di Gridwell non riuscito. Codice di errore: %1. Messaggio di errore: %2.</translation>
    </message>
    <message>
        <source>Verification of new update complete</source>
        <translation>Verifica del nuovo aggiornamento completata</translation>
    </message>
    <message>
        <source>Error: C306: Gridwell Update Failed: %1.</source>
        <translation>Errore: C306: aggiornamento di Gridwell non riuscito: %1.</translation>
    </message>
    <message>
        <source>Started new update download</source>
        <translation>Scaricamento del nuovo aggiornamento avviato</translation>
    </message>
    <message>
        <source>Gridwell Update: No new update is available at this time</source>
        <translation>Aggiornamento di Gridwell: al momento non sono disponibili nuovi aggiornamenti</translation>
    </message>
    <message>
        <source>Error C308: Gridwell Update Failed with error Code %1. Error message %2</source>
        <translation>Errore C308: aggiornamento di Gridwell non riuscito con codice di errore %1. Messaggio di errore: %2</translation>
    </message>
    <message>
        <source>The installer name &quot;%1&quot; in the server&apos;s reply is not a usable file name</source>
        <translation>Il nome del programma di installazione &quot;%1&quot; nella risposta del server non è un nome di file utilizzabile</translation>
    </message>
    <message>
        <source>Starting to download the latest version: <byte value="xd"/>
Version: %1 <byte value="xd"/>
Released Date: %2 <byte value="xd"/>
Local Download Directory: %3 <byte value="xd"/>
Approximate File Size: %4 <byte value="xd"/>
File Name: %5</source>
        <translation>Avvio dello scaricamento dell&apos;ultima versione: <byte value="xd"/>
Versione: %1 <byte value="xd"/>
Data di rilascio: %2 <byte value="xd"/>
Cartella locale di scaricamento: %3 <byte value="xd"/>
Dimensione approssimativa del file: %4 <byte value="xd"/>
Nome del file: %5</translation>
    </message>
    <message>
        <source>Gridwell Update</source>
        <translation>Aggiornamento di Gridwell</translation>
    </message>
    <message>
        <source>The download file %1%2 already exists.
 Do you want to over ride this file?</source>
        <translation>Il file da scaricare %1%2 esiste già.
 Vuoi sovrascriverlo?</translation>
    </message>
    <message>
        <source>Error C311: Gridwell Update failed:You have choosen not to over ride the file. Therefore can not download the new update.
</source>
        <translation>Errore C311: aggiornamento di Gridwell non riuscito: hai scelto di non sovrascrivere il file, quindi non è possibile scaricare il nuovo aggiornamento.
</translation>
    </message>
    <message>
        <source>Error C310: Gridwell Update failed: Unable to Remove file: %1%2. Check File permission. Can not download update</source>
        <translation>Errore C310: aggiornamento di Gridwell non riuscito: impossibile rimuovere il file %1%2. Controlla i permessi del file. Impossibile scaricare l&apos;aggiornamento</translation>
    </message>
    <message>
        <source>Error C312: Gridwell Update failed:Unable to update file: %1%2. Error: %3. Check file permission</source>
        <translation>Errore C312: aggiornamento di Gridwell non riuscito: impossibile aggiornare il file %1%2. Errore: %3. Controlla i permessi del file</translation>
    </message>
    <message>
        <source>Update download complete</source>
        <translation>Scaricamento dell&apos;aggiornamento completato</translation>
    </message>
    <message>
        <source>The download is complete. Please install the new release.</source>
        <translation>Lo scaricamento è completo. Installa la nuova versione.</translation>
    </message>
    <message>
        <source>Processing the cancel download request....</source>
        <translation>Annullamento dello scaricamento in corso....</translation>
    </message>
    <message>
        <source>Update download cancelled</source>
        <translation>Scaricamento dell&apos;aggiornamento annullato</translation>
    </message>
</context>
<context>
    <name>Updater::CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento non previsto &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Usage: updater [--server URL]

Asks the Gridwell update server whether a newer installer exists and, if one
does, downloads it into a folder you choose, with its progress and a log of
what happened.

Options:
  --server URL   Ask this update server instead of the built-in one, for a
                 private mirror or a test server (https://host or
                 https://host:port). A plain http:// address is used too,
                 but then the download is not protected and the log says so.
  -h, --help     Show this text.

Built in when the program was built, from the CMake cache variables
GRIDWELL_UPDATE_URL, GRIDWELL_UPDATE_ACCOUNT, GRIDWELL_UPDATE_PASSWORD and
GRIDWELL_UPDATE_EMAIL:
  update server    %1
  service account  %2 &lt;%3&gt; (and its password)

Where the rest comes from:
  The Gridwell installation folder is &quot;/installpath&quot; in the settings of
  Gridwell (organisation &quot;Korvex&quot;, application &quot;Gridwell&quot;):
    %4
  Its file &quot;gridwell.cfg&quot;, written by the installer, gives the installed
  edition and version.
  The download folder is &quot;/location&quot; in the settings of organisation
  &quot;Almaren&quot;, application &quot;Support&quot;; when it is missing the updater asks
  for one and remembers it:
    %5

The program ends with status 0 when its window is closed, whatever the log
says, and with status 2 on a bad command line.
</source>
        <translation>Uso: updater [--server URL]

Chiede al server di aggiornamento di Gridwell se esiste un programma di
installazione più recente e, se c&apos;è, lo scarica nella cartella che scegli,
mostrando l&apos;avanzamento e un registro di quanto accaduto.

Opzioni:
  --server URL   Interroga questo server di aggiornamento invece di quello
                 incorporato, per un mirror privato o un server di prova
                 (https://host o https://host:porta). Si può usare anche un
                 indirizzo http:// semplice, ma allora lo scaricamento non è
                 protetto e il registro lo segnala.
  -h, --help     Mostra questo testo.

Incorporati alla compilazione del programma, dalle variabili della cache di
CMake GRIDWELL_UPDATE_URL, GRIDWELL_UPDATE_ACCOUNT, GRIDWELL_UPDATE_PASSWORD e
GRIDWELL_UPDATE_EMAIL:
  server di aggiornamento  %1
  account di servizio      %2 &lt;%3&gt; (e la sua password)

Da dove viene il resto:
  La cartella di installazione di Gridwell è &quot;/installpath&quot; nelle impostazioni
  di Gridwell (organizzazione &quot;Korvex&quot;, applicazione &quot;Gridwell&quot;):
    %4
  Il suo file &quot;gridwell.cfg&quot;, scritto dal programma di installazione, indica
  l&apos;edizione e la versione installate.
  La cartella di scaricamento è &quot;/location&quot; nelle impostazioni
  dell&apos;organizzazione &quot;Almaren&quot;, applicazione &quot;Support&quot;; se manca, l&apos;updater
  ne chiede una e la ricorda:
    %5

Il programma termina con stato 0 quando la finestra viene chiusa, qualunque
cosa dica il registro, e con stato 2 se la riga di comando è errata.
</translation>
    </message>
</context>
<context>
    <name>Updater::Configuration</name>
    <message>
        <source>Unable to find the Gridwell install directory</source>
        <translation>Impossibile trovare la cartella di installazione di Gridwell</translation>
    </message>
    <message>
        <source>No configuration file was found.</source>
        <translation>Nessun file di configurazione trovato.</translation>
    </message>
    <message>
        <source>Unable to read the configuration file %1. Error: %2</source>
        <translation>Impossibile leggere il file di configurazione %1. Errore: %2</translation>
    </message>
    <message>
        <source>No entries in Configuration file</source>
        <translation>Nessuna voce nel file di configurazione</translation>
    </message>
    <message>
        <source>Configuration file is corrupted</source>
        <translation>Il file di configurazione è danneggiato</translation>
    </message>
    <message>
        <source>Invalid Gridwell Type %1 detected</source>
        <translation>Rilevato un tipo di Gridwell non valido: %1</translation>
    </message>
</context>
<context>
    <name>Updater::Protocol</name>
    <message>
        <source>&quot;%1&quot; is not the address of an update server (https://host or https://host:port)</source>
        <translation>&quot;%1&quot; non è l&apos;indirizzo di un server di aggiornamento (https://host o https://host:porta)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Could not instantiate an Instance of Dialogue</source>
        <translation>Impossibile creare la finestra di dialogo</translation>
    </message>
    <message>
        <source>Try &apos;updater --help&apos; for more information.</source>
        <translation>Usa &apos;updater --help&apos; per maggiori informazioni.</translation>
    </message>
</context>
</TS>
