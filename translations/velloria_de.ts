<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ACMainRecord</name>
    <message>
        <source>Recorder</source>
        <translation>Rekorder</translation>
    </message>
    <message>
        <source>Play a file</source>
        <translation>Datei abspielen</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pausieren oder fortsetzen</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>button</comment>
        <extracomment>A button: stops playing or recording</extracomment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Record into a file</source>
        <translation>In Datei aufnehmen</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>Glas</translation>
    </message>
    <message>
        <source>Kryptonite</source>
        <translation>Kryptonit</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>This file already exists do you want to replace it</source>
        <translation>Diese Datei existiert bereits. Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>The title of the file dialog that chooses a file to play</extracomment>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>The file cannot be played:
%1
%2</source>
        <translation>Die Datei kann nicht abgespielt werden:
%1
%2</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The title of the file dialog that chooses the file to record into</extracomment>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Cannot record into this file:
%1
%2</source>
        <translation>In diese Datei kann nicht aufgenommen werden:
%1
%2</translation>
    </message>
    <message>
        <source>Recording could not start:
%1</source>
        <translation>Die Aufnahme konnte nicht gestartet werden:
%1</translation>
    </message>
    <message>
        <source>Recording sound</source>
        <extracomment>Why the computer is kept from sleeping, as the desktop shows it</extracomment>
        <translation>Ton wird aufgenommen</translation>
    </message>
    <message>
        <source>The recording could not be written completely:
%1
%2</source>
        <translation>Die Aufnahme konnte nicht vollständig geschrieben werden:
%1
%2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Playing.....</source>
        <translation>Wiedergabe.....</translation>
    </message>
    <message>
        <source>Pause.....</source>
        <translation>Pause.....</translation>
    </message>
    <message>
        <source>Recording.....</source>
        <translation>Aufnahme.....</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The recorder&apos;s state: stopped</extracomment>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <extracomment>A sample rate in the Frequency menu</extracomment>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Wav files (*.wav)</source>
        <translation>WAV-Dateien (*.wav)</translation>
    </message>
    <message>
        <source>MP3 files (*.mp3)</source>
        <translation>MP3-Dateien (*.mp3)</translation>
    </message>
    <message>
        <source>Ogg Vorbis files (*.ogg)</source>
        <translation>Ogg-Vorbis-Dateien (*.ogg)</translation>
    </message>
</context>
<context>
    <name>ACfrmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>System Info</source>
        <translation>Systeminformationen</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <translation>Audio-Konverter</translation>
    </message>
</context>
<context>
    <name>ACfrmGrab</name>
    <message>
        <source>Ripping Options</source>
        <translation>Ripping-Optionen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Grab Options</source>
        <translation>Auslese-Optionen</translation>
    </message>
    <message>
        <source>Burst Mode (Fast, no Error Correction)</source>
        <translation>Burst-Modus (schnell, ohne Fehlerkorrektur)</translation>
    </message>
    <message>
        <source>Synch Mode (Correct Jitter Errors)</source>
        <translation>Sync-Modus (korrigiert Jitter-Fehler)</translation>
    </message>
    <message>
        <source>Secure Mode (Double Precision Error Correction)</source>
        <translation>Sicherer Modus (Fehlerkorrektur mit doppeltem Lesen)</translation>
    </message>
    <message>
        <source>Paranoid Mode (Small Blocks Read, drive cache disable)</source>
        <translation>Paranoid-Modus (kleine Leseblöcke, Laufwerks-Cache aus)</translation>
    </message>
    <message>
        <source>Extraction Speed Low or Equal:</source>
        <translation>Auslesegeschwindigkeit höchstens:</translation>
    </message>
    <message>
        <source>x 176 kB/sec</source>
        <translation>x 176 kB/s</translation>
    </message>
    <message>
        <source>Retries on Read or Synch Error:</source>
        <translation>Wiederholungen bei Lese- oder Sync-Fehler:</translation>
    </message>
    <message>
        <source>Action on error:</source>
        <translation>Aktion bei Fehler:</translation>
    </message>
    <message>
        <source>De-emphasise</source>
        <translation>De-Emphasis</translation>
    </message>
    <message>
        <source>Undo the pre-emphasis of tracks mastered with it (50/15 µs) instead of keeping the disc&apos;s audio as it is, tagged as such</source>
        <translation>Die Pre-Emphasis damit gemasterter Titel (50/15 µs) rückgängig machen, statt den Ton der CD unverändert zu lassen und entsprechend zu taggen</translation>
    </message>
    <message>
        <source>Rip the disc as one file</source>
        <translation>CD als eine Datei rippen</translation>
    </message>
    <message>
        <source>Test and copy</source>
        <translation>Testen und kopieren</translation>
    </message>
    <message>
        <source>Read each track twice and compare the CRC32s of the two reads</source>
        <translation>Jeden Titel zweimal lesen und die CRC32-Werte beider Lesevorgänge vergleichen</translation>
    </message>
    <message>
        <source>CDDB</source>
        <translation>CDDB</translation>
    </message>
    <message>
        <source>Lock CD Tray During Grab</source>
        <translation>CD-Lade beim Auslesen sperren</translation>
    </message>
    <message>
        <source>Mode Safe</source>
        <translation>Sicherer Modus</translation>
    </message>
    <message>
        <source>Spin Up during:</source>
        <translation>Anlaufen lassen für:</translation>
    </message>
    <message>
        <source>Get CDDB from any available source</source>
        <translation>CDDB-Daten aus jeder verfügbaren Quelle holen</translation>
    </message>
    <message>
        <source>Get CDDB info from On-Line Data Base</source>
        <translation>CDDB-Daten aus der Online-Datenbank holen</translation>
    </message>
    <message>
        <source>Use only cdplayer.ini</source>
        <translation>Nur cdplayer.ini verwenden</translation>
    </message>
    <message>
        <source>CDDB Server:</source>
        <translation>CDDB-Server:</translation>
    </message>
    <message>
        <source>CGI Script:</source>
        <translation>CGI-Skript:</translation>
    </message>
    <message>
        <source>Agent Name:</source>
        <translation>Agent-Name:</translation>
    </message>
    <message>
        <source>User E-mail:</source>
        <translation>E-Mail des Benutzers:</translation>
    </message>
    <message>
        <source>TimeOut:</source>
        <translation>Zeitlimit:</translation>
    </message>
    <message>
        <source>Get Disk Info</source>
        <translation>CD-Infos abrufen</translation>
    </message>
    <message>
        <source>Use MusicBrainz</source>
        <translation>MusicBrainz verwenden</translation>
    </message>
    <message>
        <source>Name CD tracks from the disc information</source>
        <translation>CD-Titel anhand der CD-Informationen benennen</translation>
    </message>
    <message>
        <source>Disc information found</source>
        <translation>CD-Informationen gefunden</translation>
    </message>
    <message>
        <source>AccurateRip</source>
        <translation>AccurateRip</translation>
    </message>
    <message>
        <source>Verify CD tracks with AccurateRip</source>
        <translation>CD-Titel mit AccurateRip prüfen</translation>
    </message>
    <message>
        <source>Drive read offset:</source>
        <translation>Leseversatz des Laufwerks:</translation>
    </message>
    <message>
        <source>samples</source>
        <translation>Samples</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Ermitteln</translation>
    </message>
    <message>
        <source>Find the drive&apos;s read offset from the disc in it (a disc in AccurateRip)</source>
        <translation>Den Leseversatz des Laufwerks anhand der eingelegten CD ermitteln (eine CD in AccurateRip)</translation>
    </message>
    <message>
        <source>AccurateRip server:</source>
        <translation>AccurateRip-Server:</translation>
    </message>
    <message>
        <source>Stop grab</source>
        <extracomment>What the grabber does with a block it cannot read</extracomment>
        <translation>Auslesen abbrechen</translation>
    </message>
    <message>
        <source>Insert silence</source>
        <translation>Stille einfügen</translation>
    </message>
    <message>
        <source>Cut block</source>
        <translation>Block herausschneiden</translation>
    </message>
    <message>
        <source>Error correction</source>
        <translation>Fehlerkorrektur</translation>
    </message>
    <message>
        <source>There is no audio disc in the drive.</source>
        <translation>Es liegt keine Audio-CD im Laufwerk.</translation>
    </message>
    <message>
        <source>No disc information was found.

%1</source>
        <translation>Es wurden keine CD-Informationen gefunden.

%1</translation>
    </message>
    <message>
        <source>Detecting the read offset …</source>
        <translation>Leseversatz wird ermittelt …</translation>
    </message>
    <message>
        <source>Disc information from %1:

Artist: %2
Album: %3
</source>
        <extracomment>%1 names where the information came from (a server, CD-Text, cdplayer.ini)</extracomment>
        <translation>CD-Informationen von %1:

Interpret: %2
Album: %3
</translation>
    </message>
</context>
<context>
    <name>ACfrmOverWrite</name>
    <message>
        <source>Confirm Overwriting?!</source>
        <translation>Überschreiben bestätigen?!</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>Ü&amp;berschreiben</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>These are the output file(s), rename to avoid overwriting.</source>
        <translation>Dies sind die Ausgabedateien; benennen Sie sie um, um ein Überschreiben zu vermeiden.</translation>
    </message>
    <message>
        <source>Renemae output file(s).</source>
        <translation>Ausgabedatei(en) umbenennen.</translation>
    </message>
    <message>
        <source>The following file(s) already exist, Rename or Overwrite?!</source>
        <translation>Die folgenden Dateien existieren bereits. Umbenennen oder überschreiben?!</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file name. A new name must not be empty or contain &apos;/&apos;.</source>
        <translation>„%1“ ist kein Dateiname. Ein neuer Name darf nicht leer sein und kein „/“ enthalten.</translation>
    </message>
    <message>
        <source>You did not renamed all files,overwrite the unnamed?</source>
        <translation>Sie haben nicht alle Dateien umbenannt. Die nicht umbenannten überschreiben?</translation>
    </message>
</context>
<context>
    <name>AEfrmabout</name>
    <message>
        <source>Form1</source>
        <translation>Form1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Audio Extractor</source>
        <translation>Audio-Extraktor</translation>
    </message>
</context>
<context>
    <name>AEfrmmain</name>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation>AVI-Dateien (*.avi)</translation>
    </message>
    <message>
        <source>Mpeg files (*.mpg, *.mpeg)</source>
        <translation>MPEG-Dateien (*.mpg, *.mpeg)</translation>
    </message>
    <message>
        <source>Windows Media files (*.wmv, *.wma, *.asf)</source>
        <translation>Windows-Media-Dateien (*.wmv, *.wma, *.asf)</translation>
    </message>
    <message>
        <source>Quick Time Files (*.mov, *.qt)</source>
        <translation>QuickTime-Dateien (*.mov, *.qt)</translation>
    </message>
    <message>
        <source>Extracting audio</source>
        <translation>Audio wird extrahiert</translation>
    </message>
    <message>
        <source>Extraction finished</source>
        <translation>Extraktion abgeschlossen</translation>
    </message>
    <message>
        <source>Do you want to overwrite the existing audio file</source>
        <translation>Möchten Sie die vorhandene Audiodatei überschreiben?</translation>
    </message>
    <message>
        <source>Tarn Audio Extractor</source>
        <translation>Tarn Audio Extractor</translation>
    </message>
    <message>
        <source>Input Video File:</source>
        <translation>Eingabe-Videodatei:</translation>
    </message>
    <message>
        <source>Select Input Video File</source>
        <translation>Eingabe-Videodatei auswählen</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Output Audio File:</source>
        <translation>Ausgabe-Audiodatei:</translation>
    </message>
    <message>
        <source>Output to same folder as original</source>
        <translation>Im Ordner der Originaldatei speichern</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>Select Output Audio File</source>
        <translation>Ausgabe-Audiodatei auswählen</translation>
    </message>
    <message>
        <source>Delete source file(s) after Processing</source>
        <translation>Quelldatei(en) nach der Verarbeitung löschen</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <source>settings</source>
        <extracomment>The button that opens the chosen format&apos;s settings.</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>BitRate [kbits/second]:</source>
        <translation>Bitrate [kbit/s]:</translation>
    </message>
    <message>
        <source>Frequency [hertz]:</source>
        <translation>Frequenz [Hertz]:</translation>
    </message>
    <message>
        <source>Extract Audio </source>
        <translation>Audio extrahieren </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Open Video File</source>
        <translation>Videodatei öffnen</translation>
    </message>
    <message>
        <source>Specified file is not a video file or format is not supported</source>
        <translation>Die angegebene Datei ist keine Videodatei oder ihr Format wird nicht unterstützt</translation>
    </message>
    <message>
        <source>Are you sure you want to quit ??</source>
        <translation>Möchten Sie das Programm wirklich beenden?</translation>
    </message>
</context>
<context>
    <name>AccurateRip</name>
    <message>
        <source>The AccurateRip record ends in the middle of a block.</source>
        <translation>Der AccurateRip-Eintrag endet mitten in einem Block.</translation>
    </message>
    <message>
        <source>The AccurateRip record has a block without tracks.</source>
        <translation>Der AccurateRip-Eintrag hat einen Block ohne Titel.</translation>
    </message>
    <message>
        <source>The AccurateRip record is empty.</source>
        <translation>Der AccurateRip-Eintrag ist leer.</translation>
    </message>
    <message>
        <source>Not in the AccurateRip database</source>
        <translation>Nicht in der AccurateRip-Datenbank</translation>
    </message>
    <message>
        <source>Accurately ripped (confidence %1, AccurateRip v%2)</source>
        <translation>Präzise gerippt (Konfidenz %1, AccurateRip v%2)</translation>
    </message>
    <message>
        <source>Does not match AccurateRip (%1 other rips)</source>
        <translation>Stimmt nicht mit AccurateRip überein (%1 andere Rips)</translation>
    </message>
    <message>
        <source>The AccurateRip server answered with HTTP status %1.</source>
        <translation>Der AccurateRip-Server antwortete mit HTTP-Status %1.</translation>
    </message>
    <message>
        <source>There is no audio disc.</source>
        <translation>Es liegt keine Audio-CD vor.</translation>
    </message>
</context>
<context>
    <name>AccurateRipVerifier</name>
    <message>
        <source>AccurateRip results:</source>
        <translation>AccurateRip-Ergebnisse:</translation>
    </message>
    <message>
        <source>The AccurateRip record of disc %1 could not be fetched: %2</source>
        <translation>Der AccurateRip-Eintrag der CD %1 konnte nicht abgerufen werden: %2</translation>
    </message>
    <message>
        <source>Track %1 (%2): %3</source>
        <extracomment>%1 is the track&apos;s number, %2 its entry&apos;s file name, %3 its AccurateRip verdict</extracomment>
        <translation>Titel %1 (%2): %3</translation>
    </message>
    <message>
        <source>, %1 error blocks</source>
        <translation>, %1 Fehlerblöcke</translation>
    </message>
</context>
<context>
    <name>AlbumLoudnessTagger</name>
    <message>
        <source>The album loudness tags could not be written: %1</source>
        <translation>Die Album-Lautheits-Tags konnten nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>No album loudness tags were written for this folder: &apos;%1&apos; has no whole output.</source>
        <translation>Für diesen Ordner wurden keine Album-Lautheits-Tags geschrieben: „%1“ hat keine vollständige Ausgabe.</translation>
    </message>
</context>
<context>
    <name>AudioFile</name>
    <message>
        <source>Blocks of %1 Hz with %2 channels cannot be written.</source>
        <translation>Blöcke mit %1 Hz und %2 Kanälen können nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file type &quot;%2&quot; cannot be written.</source>
        <translation>„%1“: Der Dateityp „%2“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>No file is open for writing.</source>
        <translation>Es ist keine Datei zum Schreiben geöffnet.</translation>
    </message>
    <message>
        <source>No file that keeps more than 16 bits is open for writing.</source>
        <translation>Es ist keine Datei mit mehr als 16 Bit zum Schreiben geöffnet.</translation>
    </message>
    <message>
        <source>A block of %1 samples does not hold whole frames of %2 channels.</source>
        <translation>Ein Block von %1 Samples enthält keine ganzen Frames zu %2 Kanälen.</translation>
    </message>
    <message>
        <source>Only seeking from the start (origin 3) is offered.</source>
        <translation>Nur das Suchen ab dem Anfang (Ursprung 3) wird angeboten.</translation>
    </message>
    <message>
        <source>No file is open for reading.</source>
        <translation>Es ist keine Datei zum Lesen geöffnet.</translation>
    </message>
    <message>
        <source>No WMA file is open for writing.</source>
        <translation>Es ist keine WMA-Datei zum Schreiben geöffnet.</translation>
    </message>
    <message>
        <source>%1 Hz with %2 channels is not an audio format.</source>
        <translation>%1 Hz mit %2 Kanälen ist kein Audioformat.</translation>
    </message>
    <message>
        <source>There is no WMA profile %1 (profiles are 0 to %2).</source>
        <translation>Es gibt kein WMA-Profil %1 (Profile sind 0 bis %2).</translation>
    </message>
</context>
<context>
    <name>AudioInfo</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 ist keine Datei.</translation>
    </message>
    <message>
        <source>The tags of %1 cannot be read: it is not an audio file with tags that can be handled here.</source>
        <translation>Die Tags von %1 können nicht gelesen werden: Es ist keine Audiodatei mit hier verarbeitbaren Tags.</translation>
    </message>
    <message>
        <source>The tags of %1 could not be saved.</source>
        <translation>Die Tags von %1 konnten nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>AudioJob</name>
    <message>
        <source>The output file could not be completed.</source>
        <translation>Die Ausgabedatei konnte nicht fertiggestellt werden.</translation>
    </message>
    <message>
        <source>The file could not be opened as audio.</source>
        <translation>Die Datei konnte nicht als Audio geöffnet werden.</translation>
    </message>
    <message>
        <source>The source holds no audio.</source>
        <translation>Die Quelle enthält kein Audio.</translation>
    </message>
    <message>
        <source>The output file could not be created.</source>
        <translation>Die Ausgabedatei konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The output file could not be written.</source>
        <translation>Die Ausgabedatei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The output file &quot;%1&quot; is gone: its folder was removed or renamed while it was written.</source>
        <translation>Die Ausgabedatei „%1“ ist verschwunden: Ihr Ordner wurde beim Schreiben entfernt oder umbenannt.</translation>
    </message>
</context>
<context>
    <name>BrowseForFolder</name>
    <message>
        <source>Select a folder</source>
        <translation>Ordner auswählen</translation>
    </message>
</context>
<context>
    <name>CdGrabber</name>
    <message>
        <source>The disc has no audio track.</source>
        <translation>Die CD hat keinen Audiotitel.</translation>
    </message>
    <message>
        <source>There is no CD drive.</source>
        <translation>Es gibt kein CD-Laufwerk.</translation>
    </message>
    <message>
        <source>The drive is being read.</source>
        <translation>Das Laufwerk wird gerade gelesen.</translation>
    </message>
    <message>
        <source>The disc image %1 does not exist.</source>
        <translation>Das CD-Abbild %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The disc image %1 cannot be read.</source>
        <translation>Das CD-Abbild %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 names no data file; it is not a cue sheet or TOC file of a disc image.</source>
        <translation>%1 nennt keine Datendatei; es ist kein CUE-Sheet und keine TOC-Datei eines CD-Abbilds.</translation>
    </message>
    <message>
        <source>The data file %1 that %2 names is missing.</source>
        <translation>Die Datendatei %1, die %2 nennt, fehlt.</translation>
    </message>
    <message>
        <source>%1 is not a disc image that can be read (a .cue/.bin pair, a .toc or a .nrg file).</source>
        <translation>%1 ist kein lesbares CD-Abbild (ein .cue/.bin-Paar, eine .toc- oder eine .nrg-Datei).</translation>
    </message>
    <message>
        <source>%1 is not a disc image (a .cue/.bin pair, a .toc or a .nrg file).</source>
        <translation>%1 ist kein CD-Abbild (ein .cue/.bin-Paar, eine .toc- oder eine .nrg-Datei).</translation>
    </message>
    <message>
        <source>The data file %1 ends in the middle of a sector: it is truncated.</source>
        <translation>Die Datendatei %1 endet mitten in einem Sektor: Sie ist abgeschnitten.</translation>
    </message>
    <message>
        <source>%1 holds no audio track.</source>
        <translation>%1 enthält keinen Audiotitel.</translation>
    </message>
    <message>
        <source>Track %1 of %2 starts before the beginning of its data: the image is damaged.</source>
        <translation>Titel %1 von %2 beginnt vor dem Anfang seiner Daten: Das Abbild ist beschädigt.</translation>
    </message>
    <message>
        <source>Track %1 of %2 lies beyond the end of its data: the image is truncated.</source>
        <translation>Titel %1 von %2 liegt hinter dem Ende seiner Daten: Das Abbild ist abgeschnitten.</translation>
    </message>
    <message>
        <source>The last sector of %1 cannot be read: the image is truncated.</source>
        <translation>Der letzte Sektor von %1 kann nicht gelesen werden: Das Abbild ist abgeschnitten.</translation>
    </message>
    <message>
        <source>There is no audio disc in the drive.</source>
        <translation>Es liegt keine Audio-CD im Laufwerk.</translation>
    </message>
    <message>
        <source>Sector %1 of the disc in %2 could not be read.</source>
        <translation>Sektor %1 der CD in %2 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Sector %1 of track %2 could not be read at all after %3 retries; the read was stopped.</source>
        <translation>Sektor %1 von Titel %2 konnte nach %3 Wiederholungen überhaupt nicht gelesen werden; das Lesen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Sector %1 of track %2 could not be read consistently after %3 retries; the read was stopped.</source>
        <translation>Sektor %1 von Titel %2 konnte nach %3 Wiederholungen nicht übereinstimmend gelesen werden; das Lesen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>%1 cannot read audio.</source>
        <translation>%1 kann kein Audio lesen.</translation>
    </message>
    <message>
        <source>There is no audio disc in %1.</source>
        <translation>In %1 liegt keine Audio-CD.</translation>
    </message>
    <message>
        <source>The disc in %1 has no audio track %2.</source>
        <translation>Die CD in %1 hat keinen Audiotitel %2.</translation>
    </message>
    <message>
        <source>No track is open.</source>
        <translation>Es ist kein Titel geöffnet.</translation>
    </message>
    <message>
        <source>The read was aborted.</source>
        <translation>Das Lesen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Track %1 could not be read.</source>
        <translation>Titel %1 konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>CdTrackJob</name>
    <message>
        <source>The track number cannot be read from the name &apos;%1&apos;.</source>
        <translation>Die Titelnummer kann nicht aus dem Namen „%1“ gelesen werden.</translation>
    </message>
    <message>
        <source>An error occures when ReadTrack works! Probably need re-read!</source>
        <translation>Beim Lesen des Titels ist ein Fehler aufgetreten! Möglicherweise muss erneut gelesen werden!</translation>
    </message>
    <message>
        <source>Track %1 (%2): the test and copy reads differ (test CRC32 %3, copy CRC32 %4); the track may not be exact.</source>
        <translation>Titel %1 (%2): Test- und Kopier-Lesevorgang unterscheiden sich (Test-CRC32 %3, Kopie-CRC32 %4); der Titel ist möglicherweise nicht exakt.</translation>
    </message>
    <message>
        <source>The disc information could not be written as tags: %1</source>
        <translation>Die CD-Informationen konnten nicht als Tags geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>Cddb</name>
    <message>
        <source>it did not answer within %1 seconds</source>
        <translation>er hat nicht innerhalb von %1 Sekunden geantwortet</translation>
    </message>
    <message>
        <source>No CDDB server is set.</source>
        <translation>Es ist kein CDDB-Server eingestellt.</translation>
    </message>
    <message>
        <source>The CDDB server &quot;%1&quot; has no valid port.</source>
        <translation>Der CDDB-Server „%1“ hat keinen gültigen Port.</translation>
    </message>
    <message>
        <source>The CDDB look-up could not start (out of memory).</source>
        <translation>Die CDDB-Abfrage konnte nicht starten (zu wenig Speicher).</translation>
    </message>
    <message>
        <source>The CDDB server %1 could not be asked about disc %2: %3.</source>
        <translation>Der CDDB-Server %1 konnte nicht zur CD %2 befragt werden: %3.</translation>
    </message>
    <message>
        <source>The CDDB server %1 knows no disc with id %2.</source>
        <translation>Der CDDB-Server %1 kennt keine CD mit der ID %2.</translation>
    </message>
    <message>
        <source>The CDDB server %1 did not send the entry of disc %2: %3.</source>
        <translation>Der CDDB-Server %1 hat den Eintrag der CD %2 nicht gesendet: %3.</translation>
    </message>
</context>
<context>
    <name>ConversionRunner</name>
    <message>
        <source>The tags could not be copied (the source is kept): %1</source>
        <translation>Die Tags konnten nicht kopiert werden (die Quelle bleibt erhalten): %1</translation>
    </message>
    <message>
        <source>nothing was measured</source>
        <translation>es wurde nichts gemessen</translation>
    </message>
    <message>
        <source>The loudness tags could not be written (the source is kept): %1</source>
        <translation>Die Lautheits-Tags konnten nicht geschrieben werden (die Quelle bleibt erhalten): %1</translation>
    </message>
    <message>
        <source>The output could not be put in place of &apos;%1&apos;.</source>
        <translation>Die Ausgabe konnte nicht an die Stelle von „%1“ gesetzt werden.</translation>
    </message>
    <message>
        <source>The source file could not be deleted: %1</source>
        <translation>Die Quelldatei konnte nicht gelöscht werden: %1</translation>
    </message>
    <message>
        <source>Reading CD tracks is not available.</source>
        <translation>Das Lesen von CD-Titeln ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The test read failed: %1</source>
        <translation>Der Testlesevorgang ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Open Track Error!.</source>
        <translation>Fehler beim Öffnen des Titels!</translation>
    </message>
    <message>
        <source>The CUE sheet &apos;%1&apos; could not be written: %2</source>
        <translation>Das CUE-Sheet „%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The CUE sheet &apos;%1&apos; cannot name &apos;%2&apos;: a sheet cannot hold a double quote in a file name. Rename the file, and its name in the sheet, with single quotes.</source>
        <translation>Das CUE-Sheet „%1“ kann „%2“ nicht nennen: Ein CUE-Sheet kann kein doppeltes Anführungszeichen in einem Dateinamen enthalten. Benennen Sie die Datei und ihren Namen im CUE-Sheet mit einfachen Anführungszeichen um.</translation>
    </message>
    <message>
        <source>The disc in %1 has no audio track.</source>
        <translation>Die CD in %1 hat keinen Audiotitel.</translation>
    </message>
</context>
<context>
    <name>ConverterRules</name>
    <message>
        <source>All Supported files (%1)</source>
        <translation>Alle unterstützten Dateien (%1)</translation>
    </message>
    <message>
        <source>%1 error blocks replaced with silence.</source>
        <translation>%1 Fehlerblöcke durch Stille ersetzt.</translation>
    </message>
    <message>
        <source>%1 error blocks cutted.</source>
        <translation>%1 Fehlerblöcke herausgeschnitten.</translation>
    </message>
    <message>
        <source>%1 error blocks corrected.</source>
        <translation>%1 Fehlerblöcke korrigiert.</translation>
    </message>
    <message>
        <source>AccurateRip: not verified, %1</source>
        <extracomment>%1 is why no track could be verified</extracomment>
        <translation>AccurateRip: nicht geprüft, %1</translation>
    </message>
    <message>
        <source>AccurateRip: %1 of %2 %3 accurately ripped</source>
        <extracomment>%1 tracks matched of %2; %3 is &quot;track&quot; or &quot;tracks&quot;</extracomment>
        <translation>AccurateRip: %1 von %2 %3 präzise gerippt</translation>
    </message>
    <message>
        <source>track</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>tracks</source>
        <translation>Titeln</translation>
    </message>
    <message>
        <source>%1 not matching</source>
        <extracomment>Counts of tracks, joined to the AccurateRip summary with commas</extracomment>
        <translation>%1 nicht übereinstimmend</translation>
    </message>
    <message>
        <source>%1 not in the database</source>
        <translation>%1 nicht in der Datenbank</translation>
    </message>
    <message>
        <source>%1 with error blocks</source>
        <translation>%1 mit Fehlerblöcken</translation>
    </message>
    <message>
        <source>%1 not verified (%2)</source>
        <translation>%1 nicht geprüft (%2)</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the CUE sheet, %2 what is wrong with that line</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>TRACK needs a number from 1 to 99</source>
        <extracomment>TRACK, INDEX, FILE, PREGAP, AUDIO and MM:SS:FF in these texts are words of the CUE sheet itself; keep them</extracomment>
        <translation>TRACK braucht eine Nummer von 1 bis 99</translation>
    </message>
    <message>
        <source>TRACK %1 names no type (AUDIO, MODE1/2352, ...)</source>
        <translation>TRACK %1 nennt keinen Typ (AUDIO, MODE1/2352, ...)</translation>
    </message>
    <message>
        <source>track %1 follows track %2: tracks must be numbered upwards</source>
        <translation>Titel %1 folgt auf Titel %2: Titel müssen aufsteigend nummeriert sein</translation>
    </message>
    <message>
        <source>track %1 has no INDEX 01</source>
        <translation>Titel %1 hat kein INDEX 01</translation>
    </message>
    <message>
        <source>INDEX before any TRACK</source>
        <translation>INDEX vor dem ersten TRACK</translation>
    </message>
    <message>
        <source>INDEX before any FILE</source>
        <translation>INDEX vor dem ersten FILE</translation>
    </message>
    <message>
        <source>INDEX needs a number from 0 to 99</source>
        <translation>INDEX braucht eine Nummer von 0 bis 99</translation>
    </message>
    <message>
        <source>INDEX %1 needs a time as MM:SS:FF (seconds below 60, frames below 75)</source>
        <translation>INDEX %1 braucht eine Zeit als MM:SS:FF (Sekunden unter 60, Frames unter 75)</translation>
    </message>
    <message>
        <source>INDEX %1 of track %2 follows INDEX %3</source>
        <translation>INDEX %1 von Titel %2 folgt auf INDEX %3</translation>
    </message>
    <message>
        <source>FILE names no file</source>
        <translation>FILE nennt keine Datei</translation>
    </message>
    <message>
        <source>%1 before any TRACK</source>
        <translation>%1 vor dem ersten TRACK</translation>
    </message>
    <message>
        <source>PREGAP needs a time as MM:SS:FF</source>
        <translation>PREGAP braucht eine Zeit als MM:SS:FF</translation>
    </message>
    <message>
        <source>it holds NUL characters: it is no text</source>
        <translation>es enthält NUL-Zeichen: Es ist kein Text</translation>
    </message>
    <message>
        <source>it holds no TRACK</source>
        <translation>es enthält kein TRACK</translation>
    </message>
    <message>
        <source>The CUE sheet %1 cannot be read: %2</source>
        <translation>Das CUE-Sheet %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be a CUE sheet.</source>
        <translation>%1 ist zu groß für ein CUE-Sheet.</translation>
    </message>
    <message>
        <source>track %1 starts at %2, not after track %3 at %4</source>
        <translation>Titel %1 beginnt bei %2, nicht nach Titel %3 bei %4</translation>
    </message>
    <message>
        <source>The audio file %1 that %2 names is missing.</source>
        <translation>Die Audiodatei %1, die %2 nennt, fehlt.</translation>
    </message>
    <message>
        <source>The audio file %1 that %2 names cannot be read: %3</source>
        <translation>Die Audiodatei %1, die %2 nennt, kann nicht gelesen werden: %3</translation>
    </message>
    <message>
        <source>The audio file %1 is too short for %2: it ends at %3, and track %4 starts at %5.</source>
        <translation>Die Audiodatei %1 ist zu kurz für %2: Sie endet bei %3, und Titel %4 beginnt bei %5.</translation>
    </message>
    <message>
        <source>%1 is not a CUE sheet that can be read: %2.</source>
        <translation>%1 ist kein lesbares CUE-Sheet: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be cut into tracks: %2.</source>
        <translation>%1 kann nicht in Titel zerlegt werden: %2.</translation>
    </message>
    <message>
        <source>%1 names no track of a CUE sheet.</source>
        <translation>%1 nennt keinen Titel eines CUE-Sheets.</translation>
    </message>
    <message>
        <source>%1 has no track %2.</source>
        <translation>%1 hat keinen Titel %2.</translation>
    </message>
    <message>
        <source>The audio file %1 ends before track %2 starts.</source>
        <translation>Die Audiodatei %1 endet, bevor Titel %2 beginnt.</translation>
    </message>
    <message>
        <source>The audio file ends inside track %1, %2 seconds before its end.</source>
        <translation>Die Audiodatei endet innerhalb von Titel %1, %2 Sekunden vor dessen Ende.</translation>
    </message>
</context>
<context>
    <name>Decoder</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is a folder, not an audio file.</source>
        <translation>%1 ist ein Ordner, keine Audiodatei.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>%1 cannot be read: permission denied.</source>
        <translation>%1 kann nicht gelesen werden: Zugriff verweigert.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 ist leer.</translation>
    </message>
    <message>
        <source>Out of memory opening %1.</source>
        <translation>Zu wenig Speicher beim Öffnen von %1.</translation>
    </message>
    <message>
        <source>%1 is not an audio file FFmpeg can read: %2</source>
        <translation>%1 ist keine Audiodatei, die FFmpeg lesen kann: %2</translation>
    </message>
    <message>
        <source>%1 is not an audio file FFmpeg can read: its format is not recognised.</source>
        <translation>%1 ist keine Audiodatei, die FFmpeg lesen kann: Ihr Format wird nicht erkannt.</translation>
    </message>
    <message>
        <source>%1 holds no audio.</source>
        <translation>%1 enthält kein Audio.</translation>
    </message>
    <message>
        <source>%1 holds audio in a format that cannot be decoded here.</source>
        <translation>%1 enthält Audio in einem Format, das hier nicht dekodiert werden kann.</translation>
    </message>
    <message>
        <source>The audio of %1 cannot be decoded: %2</source>
        <translation>Das Audio von %1 kann nicht dekodiert werden: %2</translation>
    </message>
    <message>
        <source>%1 holds no audio FFmpeg can decode.</source>
        <translation>%1 enthält kein Audio, das FFmpeg dekodieren kann.</translation>
    </message>
    <message>
        <source>%1 holds no audio FFmpeg can decode: %2</source>
        <translation>%1 enthält kein Audio, das FFmpeg dekodieren kann: %2</translation>
    </message>
    <message>
        <source>%1 contains no audio.</source>
        <translation>%1 enthält kein Audio.</translation>
    </message>
    <message>
        <source>The audio of %1 is damaged: damaged data at %2.</source>
        <translation>Das Audio von %1 ist beschädigt: beschädigte Daten bei %2.</translation>
    </message>
    <message>
        <source>The audio of %1 is damaged: decoding stopped at %2 of %3.</source>
        <translation>Das Audio von %1 ist beschädigt: Dekodierung bei %2 von %3 abgebrochen.</translation>
    </message>
    <message>
        <source>The audio of %1 is damaged: decoding stopped at %2, where the file is cut off.</source>
        <translation>Das Audio von %1 ist beschädigt: Dekodierung bei %2 abgebrochen, wo die Datei abgeschnitten ist.</translation>
    </message>
    <message>
        <source>The audio of %1 could not be decoded after %2 s: %3</source>
        <translation>Das Audio von %1 konnte nach %2 s nicht dekodiert werden: %3</translation>
    </message>
    <message>
        <source>too many damaged frames</source>
        <translation>zu viele beschädigte Frames</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Show</source>
        <extracomment>The notification&apos;s button that brings the job&apos;s window back.</extracomment>
        <translation>Anzeigen</translation>
    </message>
</context>
<context>
    <name>DiscLookup</name>
    <message>
        <source>There is no audio disc to look up.</source>
        <translation>Es gibt keine Audio-CD zum Nachschlagen.</translation>
    </message>
    <message>
        <source>cdplayer.ini has no entry for disc %1.</source>
        <translation>cdplayer.ini hat keinen Eintrag für CD %1.</translation>
    </message>
    <message>
        <source>The disc has no CD-Text.</source>
        <translation>Die CD hat keinen CD-Text.</translation>
    </message>
    <message>
        <source>cdplayer.ini could not be written: %1</source>
        <translation>cdplayer.ini konnte nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>DriveOffsets</name>
    <message>
        <source>The drive-offset list is empty.</source>
        <translation>Die Laufwerksversatz-Liste ist leer.</translation>
    </message>
    <message>
        <source>The drive-offset list is damaged: it is not a whole number of 69-byte records.</source>
        <translation>Die Laufwerksversatz-Liste ist beschädigt: Sie besteht nicht aus einer ganzen Zahl von 69-Byte-Einträgen.</translation>
    </message>
    <message>
        <source>The address of the drive-offset list is not valid: %1</source>
        <translation>Die Adresse der Laufwerksversatz-Liste ist ungültig: %1</translation>
    </message>
    <message>
        <source>The server of the drive-offset list answered with HTTP status %1.</source>
        <translation>Der Server der Laufwerksversatz-Liste antwortete mit HTTP-Status %1.</translation>
    </message>
</context>
<context>
    <name>Encoder</name>
    <message>
        <source>cannot prepare the %1 file %2: %3</source>
        <extracomment>%1 a format&apos;s name (WAV, WMA), %2 a file&apos;s path, %3 FFmpeg&apos;s reason</extracomment>
        <translation>die %1-Datei %2 kann nicht vorbereitet werden: %3</translation>
    </message>
    <message>
        <source>cannot prepare the %1 file %2: out of memory</source>
        <translation>die %1-Datei %2 kann nicht vorbereitet werden: zu wenig Speicher</translation>
    </message>
    <message>
        <source>cannot create the %1 file %2: %3</source>
        <translation>die %1-Datei %2 kann nicht erstellt werden: %3</translation>
    </message>
    <message>
        <source>cannot write the header of the %1 file %2: %3</source>
        <translation>der Header der %1-Datei %2 kann nicht geschrieben werden: %3</translation>
    </message>
    <message>
        <source>cannot write to the %1 file %2: %3</source>
        <translation>in die %1-Datei %2 kann nicht geschrieben werden: %3</translation>
    </message>
    <message>
        <source>cannot complete the %1 file %2: %3</source>
        <translation>die %1-Datei %2 kann nicht fertiggestellt werden: %3</translation>
    </message>
    <message>
        <source>cannot close the %1 file %2: %3</source>
        <translation>die %1-Datei %2 kann nicht geschlossen werden: %3</translation>
    </message>
    <message>
        <source>WAV files cannot be written as %1</source>
        <translation>WAV-Dateien können nicht als %1 geschrieben werden</translation>
    </message>
    <message>
        <source>the WAV writer already has a file open</source>
        <translation>der WAV-Schreiber hat bereits eine Datei geöffnet</translation>
    </message>
    <message>
        <source>cannot write the WAV file %1: out of memory</source>
        <translation>die WAV-Datei %1 kann nicht geschrieben werden: zu wenig Speicher</translation>
    </message>
    <message>
        <source>no WAV file is open for writing</source>
        <translation>es ist keine WAV-Datei zum Schreiben geöffnet</translation>
    </message>
    <message>
        <source>a WAV file cannot hold more than 4 GB of audio</source>
        <translation>eine WAV-Datei kann nicht mehr als 4 GB Audio enthalten</translation>
    </message>
    <message>
        <source>this FFmpeg has no WMA encoder</source>
        <translation>dieses FFmpeg hat keinen WMA-Encoder</translation>
    </message>
    <message>
        <source>WMA cannot be written as %1</source>
        <translation>WMA kann nicht als %1 geschrieben werden</translation>
    </message>
    <message>
        <source>the WMA writer already has a file open</source>
        <translation>der WMA-Schreiber hat bereits eine Datei geöffnet</translation>
    </message>
    <message>
        <source>cannot write the WMA file %1: out of memory</source>
        <translation>die WMA-Datei %1 kann nicht geschrieben werden: zu wenig Speicher</translation>
    </message>
    <message>
        <source>the WMA encoder refuses %1: %2</source>
        <translation>der WMA-Encoder lehnt %1 ab: %2</translation>
    </message>
    <message>
        <source>cannot prepare the WMA file %1: %2</source>
        <translation>die WMA-Datei %1 kann nicht vorbereitet werden: %2</translation>
    </message>
    <message>
        <source>no WMA file is open for writing</source>
        <translation>es ist keine WMA-Datei zum Schreiben geöffnet</translation>
    </message>
    <message>
        <source>cannot write the WMA file: out of memory</source>
        <translation>die WMA-Datei kann nicht geschrieben werden: zu wenig Speicher</translation>
    </message>
    <message>
        <source>cannot write the WMA file: %1</source>
        <translation>die WMA-Datei kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the WMA encoder failed: %1</source>
        <translation>der WMA-Encoder ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>%1 Hz, %2 bit, %3</source>
        <translation>%1 Hz, %2 Bit, %3</translation>
    </message>
    <message>
        <source>%1 kbit/s, %2 Hz, %3</source>
        <translation>%1 kbit/s, %2 Hz, %3</translation>
    </message>
    <message>
        <source>The FLAC encoder could not be created.</source>
        <translation>Der FLAC-Encoder konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>the FLAC writer was already used for a file</source>
        <translation>der FLAC-Schreiber wurde bereits für eine Datei verwendet</translation>
    </message>
    <message>
        <source>cannot create the FLAC file %1: %2</source>
        <translation>die FLAC-Datei %1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>cannot start the FLAC file %1: %2</source>
        <translation>die FLAC-Datei %1 kann nicht begonnen werden: %2</translation>
    </message>
    <message>
        <source>no FLAC file is open for writing</source>
        <translation>es ist keine FLAC-Datei zum Schreiben geöffnet</translation>
    </message>
    <message>
        <source>cannot write the FLAC file %1: %2</source>
        <translation>die FLAC-Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>FLAC cannot encode %1 Hz with %2 channels.</source>
        <translation>FLAC kann %1 Hz mit %2 Kanälen nicht kodieren.</translation>
    </message>
    <message>
        <source>FLAC is written with 16 or 24 bits per sample, not %1.</source>
        <translation>FLAC wird mit 16 oder 24 Bit pro Sample geschrieben, nicht mit %1.</translation>
    </message>
    <message>
        <source>The FLAC compression level is 0 to 8, not %1.</source>
        <translation>Die FLAC-Kompressionsstufe ist 0 bis 8, nicht %1.</translation>
    </message>
    <message>
        <source>%1 Hz, %2 bit, %3, level %4</source>
        <translation>%1 Hz, %2 Bit, %3, Stufe %4</translation>
    </message>
    <message>
        <source>The MP3 bitrate %1 kbit/s cannot be written at %2 Hz (possible: %3 kbit/s)</source>
        <translation>Die MP3-Bitrate %1 kbit/s kann bei %2 Hz nicht geschrieben werden (möglich: %3 kbit/s)</translation>
    </message>
    <message>
        <source>The MP3 maximum VBR bitrate %1 kbit/s cannot be written at %2 Hz (possible: %3 kbit/s)</source>
        <translation>Die maximale MP3-VBR-Bitrate %1 kbit/s kann bei %2 Hz nicht geschrieben werden (möglich: %3 kbit/s)</translation>
    </message>
    <message>
        <source>The MP3 ABR bitrate %1 kbit/s cannot be written at %2 Hz (possible: %3..%4 kbit/s)</source>
        <translation>Die MP3-ABR-Bitrate %1 kbit/s kann bei %2 Hz nicht geschrieben werden (möglich: %3..%4 kbit/s)</translation>
    </message>
    <message>
        <source>The MP3 encoder refused the %1 %2</source>
        <extracomment>%1 an MP3 setting&apos;s name, %2 its value</extracomment>
        <translation>Der MP3-Encoder hat den Wert %2 für „%1“ abgelehnt</translation>
    </message>
    <message>
        <source>The MP3 encoder could not start</source>
        <translation>Der MP3-Encoder konnte nicht starten</translation>
    </message>
    <message>
        <source>The MP3 encoder cannot write %1: %2</source>
        <translation>Der MP3-Encoder kann %1 nicht schreiben: %2</translation>
    </message>
    <message>
        <source>The MP3 encoder cannot write %1</source>
        <translation>Der MP3-Encoder kann %1 nicht schreiben</translation>
    </message>
    <message>
        <source>The MP3 encoder is already writing %1</source>
        <translation>Der MP3-Encoder schreibt bereits %1</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <translation>%1 konnte nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>Could not write to %1: %2</source>
        <translation>In %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The MP3 file is not open for writing</source>
        <translation>Die MP3-Datei ist nicht zum Schreiben geöffnet</translation>
    </message>
    <message>
        <source>the MP3 encoder failed (code %1)</source>
        <translation>der MP3-Encoder ist fehlgeschlagen (Code %1)</translation>
    </message>
    <message>
        <source>the MP3 header frame does not fit</source>
        <translation>der MP3-Header-Frame passt nicht</translation>
    </message>
    <message>
        <source>VBR</source>
        <extracomment>Opus bitrate modes</extracomment>
        <translation>VBR</translation>
    </message>
    <message>
        <source>constrained VBR</source>
        <translation>eingeschränktes VBR</translation>
    </message>
    <message>
        <source>CBR</source>
        <translation>CBR</translation>
    </message>
    <message>
        <source>the Opus writer was already used for a file</source>
        <translation>der Opus-Schreiber wurde bereits für eine Datei verwendet</translation>
    </message>
    <message>
        <source>cannot create the Opus file %1: %2</source>
        <translation>die Opus-Datei %1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>cannot write the Opus file %1: it holds no audio</source>
        <translation>die Opus-Datei %1 kann nicht geschrieben werden: Sie enthält kein Audio</translation>
    </message>
    <message>
        <source>no Opus file is open for writing</source>
        <translation>es ist keine Opus-Datei zum Schreiben geöffnet</translation>
    </message>
    <message>
        <source>cannot write the Opus file %1: %2</source>
        <translation>die Opus-Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Opus cannot encode %1 Hz with %2 channels.</source>
        <translation>Opus kann %1 Hz mit %2 Kanälen nicht kodieren.</translation>
    </message>
    <message>
        <source>The Opus bitrate is 6 to %2 kbit/s, not %1.</source>
        <translation>Die Opus-Bitrate ist 6 bis %2 kbit/s, nicht %1.</translation>
    </message>
    <message>
        <source>The Opus bitrate mode %1 is not known.</source>
        <translation>Der Opus-Bitratenmodus %1 ist unbekannt.</translation>
    </message>
    <message>
        <source>The Opus complexity is 0 to 10, not %1.</source>
        <translation>Die Opus-Komplexität ist 0 bis 10, nicht %1.</translation>
    </message>
    <message>
        <source>%1 kbit/s %2, %3, complexity %4</source>
        <translation>%1 kbit/s %2, %3, Komplexität %4</translation>
    </message>
    <message>
        <source>%1 Hz, %2, </source>
        <extracomment>The start of an Ogg Vorbis format&apos;s description; a quality or bitrate follows</extracomment>
        <translation>%1 Hz, %2, </translation>
    </message>
    <message>
        <source>quality %1</source>
        <translation>Qualität %1</translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>managed bitrate</source>
        <translation>verwaltete Bitrate</translation>
    </message>
    <message>
        <source>, min %1 kbit/s</source>
        <translation>, min. %1 kbit/s</translation>
    </message>
    <message>
        <source>, max %1 kbit/s</source>
        <translation>, max. %1 kbit/s</translation>
    </message>
    <message>
        <source>%1 Hz, %2</source>
        <translation>%1 Hz, %2</translation>
    </message>
    <message>
        <source>: at %1 it takes nominal bitrates of %2 to %3 kbit/s.</source>
        <extracomment>Follows a refusal such as &quot;Ogg Vorbis cannot encode ...&quot;</extracomment>
        <translation>: Bei %1 nimmt es nominale Bitraten von %2 bis %3 kbit/s an.</translation>
    </message>
    <message>
        <source>: at %1 it takes no set bitrate, only a quality.</source>
        <extracomment>Follows a refusal such as &quot;Ogg Vorbis cannot encode ...&quot;</extracomment>
        <translation>: Bei %1 nimmt es keine feste Bitrate an, nur eine Qualität.</translation>
    </message>
    <message>
        <source>: it encodes Mono or Stereo at up to 200000 Hz, at qualities from 0 to 10.</source>
        <extracomment>Follows a refusal such as &quot;Ogg Vorbis cannot encode ...&quot;</extracomment>
        <translation>: Es kodiert Mono oder Stereo mit bis zu 200000 Hz, bei Qualitäten von 0 bis 10.</translation>
    </message>
    <message>
        <source>Ogg Vorbis cannot encode %1 (error %2)</source>
        <translation>Ogg Vorbis kann %1 nicht kodieren (Fehler %2)</translation>
    </message>
    <message>
        <source>the Ogg Vorbis writer was already used for a file</source>
        <translation>der Ogg-Vorbis-Schreiber wurde bereits für eine Datei verwendet</translation>
    </message>
    <message>
        <source>cannot create the Ogg Vorbis file %1: %2</source>
        <translation>die Ogg-Vorbis-Datei %1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>no Ogg Vorbis file is open for writing</source>
        <translation>es ist keine Ogg-Vorbis-Datei zum Schreiben geöffnet</translation>
    </message>
    <message>
        <source>cannot write the Ogg Vorbis file %1: %2</source>
        <translation>die Ogg-Vorbis-Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ExtractionRun</name>
    <message>
        <source> the input file doesn&apos;t exist</source>
        <translation> die Eingabedatei existiert nicht</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Der Ordner %1 konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The output file %1 would replace the video itself. Choose another folder or output format.</source>
        <translation>Die Ausgabedatei %1 würde das Video selbst ersetzen. Wählen Sie einen anderen Ordner oder ein anderes Ausgabeformat.</translation>
    </message>
    <message>
        <source>The video file %1 could not be deleted.</source>
        <translation>Die Videodatei %1 konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The frequency &quot;%1&quot; is not a number.</source>
        <translation>Die Frequenz „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>The bit rate &quot;%1&quot; is not a number.</source>
        <translation>Die Bitrate „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>Choose Mono or Stereo as the channels.</source>
        <translation>Wählen Sie Mono oder Stereo als Kanäle.</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>A message box: %1 says why the sound track could not be extracted</extracomment>
        <translation>Fehler: %1</translation>
    </message>
</context>
<context>
    <name>FileOps</name>
    <message>
        <source>it does not exist</source>
        <translation>nicht vorhanden</translation>
    </message>
</context>
<context>
    <name>FlacCueSheet</name>
    <message>
        <source>out of memory</source>
        <translation>zu wenig Speicher</translation>
    </message>
    <message>
        <source>track %1 has no index</source>
        <translation>Titel %1 hat keinen Index</translation>
    </message>
    <message>
        <source>it is not a legal CD cue sheet</source>
        <translation>es ist kein gültiges CD-CUE-Sheet</translation>
    </message>
    <message>
        <source>The cue sheet could not be put into the FLAC file %1: %2</source>
        <translation>Das CUE-Sheet konnte nicht in die FLAC-Datei %1 eingefügt werden: %2</translation>
    </message>
</context>
<context>
    <name>Formats</name>
    <message>
        <source>WMA format is NOT supported in your system, the wma codec may not be installed.!</source>
        <translation>Das WMA-Format wird auf Ihrem System NICHT unterstützt, der WMA-Codec ist möglicherweise nicht installiert!</translation>
    </message>
    <message>
        <source>MP3 File(.mp3)</source>
        <translation>MP3-Datei (.mp3)</translation>
    </message>
    <message>
        <source>OGG Vorbis File(.ogg)</source>
        <translation>Ogg-Vorbis-Datei (.ogg)</translation>
    </message>
    <message>
        <source>WAV File(.wav)</source>
        <translation>WAV-Datei (.wav)</translation>
    </message>
    <message>
        <source>Window Media Audio File(.wma)</source>
        <translation>Windows-Media-Audio-Datei (.wma)</translation>
    </message>
    <message>
        <source>FLAC File(.flac)</source>
        <translation>FLAC-Datei (.flac)</translation>
    </message>
    <message>
        <source>Opus File(.opus)</source>
        <translation>Opus-Datei (.opus)</translation>
    </message>
    <message>
        <source>Wav files</source>
        <translation>WAV-Dateien</translation>
    </message>
    <message>
        <source>MP3 files</source>
        <translation>MP3-Dateien</translation>
    </message>
    <message>
        <source>Ogg Vorbis files</source>
        <translation>Ogg-Vorbis-Dateien</translation>
    </message>
    <message>
        <source>WMA files</source>
        <translation>WMA-Dateien</translation>
    </message>
    <message>
        <source>CD Audio</source>
        <translation>Audio-CD</translation>
    </message>
    <message>
        <source>CD Audio files</source>
        <translation>Audio-CD-Dateien</translation>
    </message>
    <message>
        <source>FLAC files</source>
        <translation>FLAC-Dateien</translation>
    </message>
    <message>
        <source>Opus files</source>
        <translation>Opus-Dateien</translation>
    </message>
    <message>
        <source>CD image</source>
        <translation>CD-Abbild</translation>
    </message>
    <message>
        <source>CD images</source>
        <translation>CD-Abbilder</translation>
    </message>
</context>
<context>
    <name>GrabSettings</name>
    <message>
        <source>stored for %1</source>
        <extracomment>Where a drive&apos;s read offset comes from; %1 the drive&apos;s name</extracomment>
        <translation>gespeichert für %1</translation>
    </message>
</context>
<context>
    <name>HttpGet</name>
    <message>
        <source>%1 sent an answer larger than %2 kB; it was refused.</source>
        <translation>%1 hat eine Antwort größer als %2 kB gesendet; sie wurde abgelehnt.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds.</source>
        <translation>%1 hat nicht innerhalb von %2 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>%1 sent the request round in redirects.</source>
        <translation>%1 hat die Anfrage im Kreis umgeleitet.</translation>
    </message>
    <message>
        <source>%1 could not be reached: %2.</source>
        <translation>%1 konnte nicht erreicht werden: %2.</translation>
    </message>
    <message>
        <source>%1 broke off its answer: %2.</source>
        <translation>%1 hat seine Antwort abgebrochen: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address.</source>
        <translation>„%1“ ist keine Webadresse.</translation>
    </message>
</context>
<context>
    <name>LongJob</name>
    <message>
        <source>1 file written</source>
        <translation>1 Datei geschrieben</translation>
    </message>
    <message>
        <source>%1 files written</source>
        <translation>%1 Dateien geschrieben</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <extracomment>Follows &quot;3 files written&quot;: the files of the job that failed.</extracomment>
        <translation>, %1 fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>Loudness</name>
    <message>
        <source>the measurement was stopped</source>
        <translation>die Messung wurde abgebrochen</translation>
    </message>
    <message>
        <source>Loudness cannot be measured at %1 Hz with %2 channels.</source>
        <translation>Die Lautheit kann bei %1 Hz mit %2 Kanälen nicht gemessen werden.</translation>
    </message>
    <message>
        <source>A block of %1 samples is not a whole number of %2-channel frames.</source>
        <translation>Ein Block von %1 Samples ist keine ganze Zahl von Frames mit %2 Kanälen.</translation>
    </message>
</context>
<context>
    <name>LoudnessTags</name>
    <message>
        <source>Loudness tags cannot be written: %1 does not exist.</source>
        <translation>Lautheits-Tags können nicht geschrieben werden: %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Loudness tags cannot be written into %1: it is not an audio file whose tags can be handled here.</source>
        <translation>Lautheits-Tags können nicht in %1 geschrieben werden: Es ist keine Audiodatei mit hier verarbeitbaren Tags.</translation>
    </message>
    <message>
        <source>Loudness tags cannot be written into %1: it cannot be changed.</source>
        <translation>Lautheits-Tags können nicht in %1 geschrieben werden: Die Datei kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>Loudness tags cannot be written into %1: its format has no place for them.</source>
        <translation>Lautheits-Tags können nicht in %1 geschrieben werden: Ihr Format bietet keinen Platz dafür.</translation>
    </message>
    <message>
        <source>The loudness tags of %1 could not be saved.</source>
        <translation>Die Lautheits-Tags von %1 konnten nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>MP3Settings</name>
    <message>
        <source>error handler</source>
        <translation>Fehlerbehandlung</translation>
    </message>
    <message>
        <source>message handler</source>
        <translation>Meldungsbehandlung</translation>
    </message>
    <message>
        <source>debug handler</source>
        <translation>Debug-Behandlung</translation>
    </message>
    <message>
        <source>channel count</source>
        <translation>Kanalanzahl</translation>
    </message>
    <message>
        <source>input sample rate</source>
        <translation>Eingangs-Abtastrate</translation>
    </message>
    <message>
        <source>sample rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>free format</source>
        <translation>freies Format</translation>
    </message>
    <message>
        <source>channel mode</source>
        <translation>Kanalmodus</translation>
    </message>
    <message>
        <source>forced joint stereo</source>
        <translation>erzwungenes Joint Stereo</translation>
    </message>
    <message>
        <source>coding method</source>
        <translation>Kodierverfahren</translation>
    </message>
    <message>
        <source>bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>VBR quality</source>
        <translation>VBR-Qualität</translation>
    </message>
    <message>
        <source>maximum VBR bitrate</source>
        <translation>maximale VBR-Bitrate</translation>
    </message>
    <message>
        <source>enforce minimum bitrate</source>
        <translation>Mindestbitrate erzwingen</translation>
    </message>
    <message>
        <source>ABR bitrate</source>
        <translation>ABR-Bitrate</translation>
    </message>
    <message>
        <source>encoder quality</source>
        <translation>Encoder-Qualität</translation>
    </message>
    <message>
        <source>VBR header</source>
        <translation>VBR-Header</translation>
    </message>
    <message>
        <source>bit reservoir</source>
        <translation>Bit-Reservoir</translation>
    </message>
    <message>
        <source>block types</source>
        <translation>Blocktypen</translation>
    </message>
    <message>
        <source>short blocks</source>
        <translation>kurze Blöcke</translation>
    </message>
    <message>
        <source>de-emphasis</source>
        <translation>De-Emphasis</translation>
    </message>
    <message>
        <source>strict ISO</source>
        <translation>striktes ISO</translation>
    </message>
    <message>
        <source>ATH control</source>
        <translation>ATH-Steuerung</translation>
    </message>
    <message>
        <source>lowpass frequency</source>
        <translation>Tiefpassfrequenz</translation>
    </message>
    <message>
        <source>highpass frequency</source>
        <translation>Hochpassfrequenz</translation>
    </message>
    <message>
        <source>lowpass width</source>
        <translation>Tiefpassbreite</translation>
    </message>
    <message>
        <source>highpass width</source>
        <translation>Hochpassbreite</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC</translation>
    </message>
    <message>
        <source>Phone</source>
        <extracomment>The MP3 presets&apos; names: kinds of sound, from telephone to studio quality.</extracomment>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>KW</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>FM</source>
        <translation>UKW</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Kassette</translation>
    </message>
    <message>
        <source>HiFi</source>
        <translation>HiFi</translation>
    </message>
    <message>
        <source>CD</source>
        <translation>CD</translation>
    </message>
    <message>
        <source>Studio</source>
        <translation>Studio</translation>
    </message>
    <message>
        <source>R3Mix</source>
        <translation>R3Mix</translation>
    </message>
    <message>
        <source>The MP3 %1 %2 is not %3</source>
        <extracomment>%1 an MP3 setting&apos;s name, %2 the value refused, %3 what it may be</extracomment>
        <translation>MP3-Einstellung „%1“: %2 ist ungültig, erlaubt ist %3</translation>
    </message>
    <message>
        <source>one of %1..%2</source>
        <translation>eines von %1..%2</translation>
    </message>
    <message>
        <source>an MPEG bitrate (8..320 kbit/s)</source>
        <translation>eine MPEG-Bitrate (8..320 kbit/s)</translation>
    </message>
    <message>
        <source>-1 (no filter) or one of 1..48000 Hz</source>
        <translation>-1 (kein Filter) oder eines von 1..48000 Hz</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation>Joint Stereo</translation>
    </message>
    <message>
        <source>Forced Joint Stereo</source>
        <translation>Erzwungenes Joint Stereo</translation>
    </message>
    <message>
        <source>Dual Channels</source>
        <translation>Zweikanal</translation>
    </message>
    <message>
        <source>preset</source>
        <translation>Voreinstellung</translation>
    </message>
    <message>
        <source>an MPEG sample rate (8000..48000 Hz)</source>
        <translation>eine MPEG-Abtastrate (8000..48000 Hz)</translation>
    </message>
    <message>
        <source>%1 Hz, %2, </source>
        <translation>%1 Hz, %2, </translation>
    </message>
    <message>
        <source>%1 kbit/s CBR</source>
        <translation>%1 kbit/s CBR</translation>
    </message>
    <message>
        <source>ABR %1 kbit/s</source>
        <translation>ABR %1 kbit/s</translation>
    </message>
    <message>
        <source>VBR quality %1 (max %2 kbit/s)</source>
        <translation>VBR-Qualität %1 (max. %2 kbit/s)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An MP3 preset&apos;s name, then what it writes.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>MoviePlayer</name>
    <message>
        <source>Movie file &quot;%1&quot; could not be found.</source>
        <translation>Die Filmdatei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Movie file &quot;%1&quot; is not a valid movie.</source>
        <translation>Die Filmdatei „%1“ ist kein gültiger Film.</translation>
    </message>
</context>
<context>
    <name>MusicBrainz</name>
    <message>
        <source>MusicBrainz sent an answer that is not JSON (%1).</source>
        <translation>MusicBrainz hat eine Antwort gesendet, die kein JSON ist (%1).</translation>
    </message>
    <message>
        <source>MusicBrainz knows no release with disc id %1.</source>
        <translation>MusicBrainz kennt keine Veröffentlichung mit der Disc-ID %1.</translation>
    </message>
    <message>
        <source>MusicBrainz could not be asked about disc %1: %2</source>
        <translation>MusicBrainz konnte nicht zur CD %1 befragt werden: %2</translation>
    </message>
    <message>
        <source>MusicBrainz answered the look-up of disc %1 with HTTP status %2.</source>
        <translation>MusicBrainz hat die Abfrage der CD %1 mit HTTP-Status %2 beantwortet.</translation>
    </message>
    <message>
        <source>The cover archive could not be asked: %1</source>
        <translation>Das Cover-Archiv konnte nicht abgefragt werden: %1</translation>
    </message>
    <message>
        <source>The release has no front cover.</source>
        <translation>Die Veröffentlichung hat kein Frontcover.</translation>
    </message>
    <message>
        <source>The cover archive answered with HTTP status %1.</source>
        <translation>Das Cover-Archiv antwortete mit HTTP-Status %1.</translation>
    </message>
    <message>
        <source>The cover archive sent no picture but %1.</source>
        <translation>Das Cover-Archiv hat kein Bild gesendet, sondern %1.</translation>
    </message>
</context>
<context>
    <name>OffsetSearch</name>
    <message>
        <source>The detection was stopped.</source>
        <translation>Die Ermittlung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The disc was changed during the detection.</source>
        <translation>Die CD wurde während der Ermittlung gewechselt.</translation>
    </message>
</context>
<context>
    <name>OutputSettings</name>
    <message>
        <source>Incorrect format, try choosing a higher frequency.!</source>
        <translation>Falsches Format, versuchen Sie eine höhere Frequenz!</translation>
    </message>
    <message>
        <source>The format %1 cannot be written.</source>
        <translation>Das Format %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>There is no WMA profile %1 (profiles are 0 to %2).</source>
        <translation>Es gibt kein WMA-Profil %1 (Profile sind 0 bis %2).</translation>
    </message>
    <message>
        <source>WMA cannot be written on this system.</source>
        <translation>WMA kann auf diesem System nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>ProgressInStatusBar</name>
    <message>
        <source>Ready</source>
        <extracomment>Status bar: no conversion is running</extracomment>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>File %1 of %2</source>
        <translation>Datei %1 von %2</translation>
    </message>
    <message>
        <source>Elapsed: %1</source>
        <translation>Vergangen: %1</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Verbleibend: %1</translation>
    </message>
</context>
<context>
    <name>ReadOffsetFinder</name>
    <message>
        <source>1 track</source>
        <translation>1 Titel</translation>
    </message>
    <message>
        <source>%1 tracks</source>
        <translation>%1 Titel</translation>
    </message>
    <message>
        <source>Detected %1 (confirmed by %2)</source>
        <extracomment>%1 is the offset in samples, %2 a count of tracks</extracomment>
        <translation>Ermittelt: %1 (bestätigt durch %2)</translation>
    </message>
    <message>
        <source>The disc is not in the AccurateRip database, so no read offset can be detected with it; try another disc</source>
        <translation>Die CD ist nicht in der AccurateRip-Datenbank, daher kann mit ihr kein Leseversatz ermittelt werden; versuchen Sie eine andere CD</translation>
    </message>
    <message>
        <source>No track of the disc reaches sector 450 with a checksum in its AccurateRip record, so no read offset can be detected with it; try another disc</source>
        <translation>Kein Titel der CD reicht bis Sektor 450 mit einer Prüfsumme in ihrem AccurateRip-Eintrag, daher kann mit ihr kein Leseversatz ermittelt werden; versuchen Sie eine andere CD</translation>
    </message>
    <message>
        <source>No read offset from %1 to %2 matches the disc&apos;s AccurateRip record (%3 compared)</source>
        <extracomment>%3 is a count of tracks</extracomment>
        <translation>Kein Leseversatz von %1 bis %2 passt zum AccurateRip-Eintrag der CD (%3 verglichen)</translation>
    </message>
    <message>
        <source>Offset %1 matches the disc&apos;s AccurateRip record at sector 450 of %2, but no whole track matches: no read offset detected</source>
        <extracomment>%2 is a count of tracks</extracomment>
        <translation>Versatz %1 passt bei Sektor 450 von %2 zum AccurateRip-Eintrag der CD, aber kein ganzer Titel passt: kein Leseversatz ermittelt</translation>
    </message>
    <message>
        <source>The read offset could not be detected: %1</source>
        <translation>Der Leseversatz konnte nicht ermittelt werden: %1</translation>
    </message>
    <message>
        <source>a disc image names no drive to look up in the drive-offset list</source>
        <translation>ein CD-Abbild nennt kein Laufwerk, das in der Laufwerksversatz-Liste gesucht werden könnte</translation>
    </message>
    <message>
        <source>the drive-offset list could not be fetched: %1</source>
        <translation>die Laufwerksversatz-Liste konnte nicht abgerufen werden: %1</translation>
    </message>
    <message>
        <source>the drive-offset list has no entry for %1</source>
        <translation>die Laufwerksversatz-Liste hat keinen Eintrag für %1</translation>
    </message>
    <message>
        <source>the drive-offset list gives %1 for %2</source>
        <translation>die Laufwerksversatz-Liste gibt %1 für %2 an</translation>
    </message>
    <message>
        <source>%1, which does not agree: the detected offset is the one kept</source>
        <translation>%1, was nicht übereinstimmt: Der ermittelte Versatz wird beibehalten</translation>
    </message>
</context>
<context>
    <name>RecordingSession</name>
    <message>
        <source>The recording file could not be created.</source>
        <translation>Die Aufnahmedatei konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>ReleaseChoice</name>
    <message>
        <source>Choose the Release</source>
        <translation>Veröffentlichung auswählen</translation>
    </message>
    <message>
        <source>MusicBrainz knows this disc from several releases. Choose the one you have:</source>
        <translation>MusicBrainz kennt diese CD aus mehreren Veröffentlichungen. Wählen Sie die, die Sie besitzen:</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>Column headers of the releases: the record label and the medium (CD, vinyl …)</extracomment>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>%1 (disc %2 of %3)</source>
        <translation>%1 (CD %2 von %3)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>Resampler</name>
    <message>
        <source>Audio conversion failed: %1</source>
        <translation>Audiokonvertierung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Cannot convert audio from %1 Hz, %2 channels to %3 Hz, %4 channels.</source>
        <translation>Audio kann nicht von %1 Hz, %2 Kanäle in %3 Hz, %4 Kanäle umgewandelt werden.</translation>
    </message>
    <message>
        <source>Cannot set up the audio conversion from %1 Hz to %2 Hz: %3</source>
        <translation>Die Audiokonvertierung von %1 Hz in %2 Hz kann nicht eingerichtet werden: %3</translation>
    </message>
</context>
<context>
    <name>RipLog</name>
    <message>
        <source>The rip log &apos;%1&apos; could not be written: %2</source>
        <translation>Das Rip-Protokoll „%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>RunPlan</name>
    <message>
        <source>File &apos;%1&apos; is on a CD. Please choose another folder</source>
        <translation>Die Datei „%1“ liegt auf einer CD. Bitte wählen Sie einen anderen Ordner</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; is on a CD. Can&apos;t delete this file</source>
        <translation>Die Datei „%1“ liegt auf einer CD. Diese Datei kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; is not exist.</source>
        <translation>Die Datei „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; would be overwritten by its own output.</source>
        <translation>Die Datei „%1“ würde von ihrer eigenen Ausgabe überschrieben.</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; would overwrite the output of &apos;%2&apos;. Rename it first.</source>
        <translation>Die Datei „%1“ würde die Ausgabe von „%2“ überschreiben. Benennen Sie sie zuerst um.</translation>
    </message>
</context>
<context>
    <name>SettingsTables</name>
    <message>
        <source>  8 000 Hz</source>
        <extracomment>A sampling frequency in the lists; digits grouped as the language groups them</extracomment>
        <translation>  8.000 Hz</translation>
    </message>
    <message>
        <source>11 025 Hz</source>
        <translation>11.025 Hz</translation>
    </message>
    <message>
        <source>12 000 Hz </source>
        <translation>12.000 Hz </translation>
    </message>
    <message>
        <source>16 000 Hz</source>
        <translation>16.000 Hz</translation>
    </message>
    <message>
        <source>22 050 Hz</source>
        <translation>22.050 Hz</translation>
    </message>
    <message>
        <source>24 000 Hz</source>
        <translation>24.000 Hz</translation>
    </message>
    <message>
        <source>32 000 Hz</source>
        <translation>32.000 Hz</translation>
    </message>
    <message>
        <source>44 100 Hz</source>
        <translation>44.100 Hz</translation>
    </message>
    <message>
        <source>48 000 Hz</source>
        <translation>48.000 Hz</translation>
    </message>
</context>
<context>
    <name>SheetSources</name>
    <message>
        <source>The tags could not be written: %1 no longer names the track.</source>
        <translation>Die Tags konnten nicht geschrieben werden: %1 bezeichnet den Titel nicht mehr.</translation>
    </message>
    <message>
        <source>The tags could not be written (the source is kept): %1</source>
        <translation>Die Tags konnten nicht geschrieben werden (die Quelle bleibt erhalten): %1</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add audio files to the list (Ctrl+O)</source>
        <translation>Audiodateien zur Liste hinzufügen (Strg+O)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the selected files from the list (Ctrl+D)</source>
        <translation>Ausgewählte Dateien aus der Liste entfernen (Strg+D)</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Convert the files in the list</source>
        <translation>Die Dateien in der Liste konvertieren</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Record sound</source>
        <translation>Ton aufnehmen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Open the help</source>
        <translation>Hilfe öffnen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>About Velloria Audio Converter</source>
        <translation>Über Velloria Audio Converter</translation>
    </message>
    <message>
        <source>About Velloria Audio Extractor</source>
        <translation>Über Velloria Audio Extractor</translation>
    </message>
</context>
<context>
    <name>SkinControl</name>
    <message>
        <source>Skin file &quot;%1&quot; could not be found.</source>
        <translation>Die Skin-Datei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Skin file &quot;%1&quot; is not a valid skin.</source>
        <translation>Die Skin-Datei „%1“ ist keine gültige Skin.</translation>
    </message>
    <message>
        <source>Skin file &quot;%1&quot; is not a valid skin: it names no window section.</source>
        <translation>Die Skin-Datei „%1“ ist keine gültige Skin: Sie nennt keinen Fensterabschnitt.</translation>
    </message>
    <message>
        <source>Skin file &quot;%1&quot;: the picture &quot;%2&quot; of section &quot;%3&quot; could not be read.</source>
        <translation>Skin-Datei „%1“: Das Bild „%2“ des Abschnitts „%3“ konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Skin &quot;%1&quot;: no window to skin.</source>
        <translation>Skin „%1“: kein Fenster für die Skin.</translation>
    </message>
    <message>
        <source>Skin file &quot;%1&quot; has no element &quot;%2&quot;.</source>
        <translation>Die Skin-Datei „%1“ hat kein Element „%2“.</translation>
    </message>
    <message>
        <source>No skin file has been loaded.</source>
        <translation>Es wurde keine Skin-Datei geladen.</translation>
    </message>
</context>
<context>
    <name>SplashControl</name>
    <message>
        <source>Splash file &quot;%1&quot; could not be found.</source>
        <translation>Die Splash-Datei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Splash file &quot;%1&quot; is not a valid splash file.</source>
        <translation>Die Splash-Datei „%1“ ist keine gültige Splash-Datei.</translation>
    </message>
    <message>
        <source>Splash file &quot;%1&quot;: the picture &quot;%2&quot; could not be read.</source>
        <translation>Splash-Datei „%1“: Das Bild „%2“ konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No splash file has been loaded.</source>
        <translation>Es wurde keine Splash-Datei geladen.</translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>VideoFile</name>
    <message>
        <source>The sound track of %1 ends after %2 s of the %3 s its file states: the file is incomplete.</source>
        <translation>Die Tonspur von %1 endet nach %2 s der %3 s, die ihre Datei angibt: Die Datei ist unvollständig.</translation>
    </message>
    <message>
        <source>The video could not be opened.</source>
        <translation>Das Video konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>WavFormatChooser</name>
    <message>
        <source>Sound Format</source>
        <translation>Tonformat</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>%1 bit</source>
        <translation>%1 Bit</translation>
    </message>
    <message>
        <source>Sample rate:</source>
        <translation>Abtastrate:</translation>
    </message>
    <message>
        <source>Bits per sample:</source>
        <translation>Bits pro Sample:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
</context>
<context>
    <name>WindowServices</name>
    <message>
        <source>Velloria</source>
        <extracomment>The program&apos;s name, the caption of message boxes without their own.</extracomment>
        <translation>Velloria</translation>
    </message>
</context>
<context>
    <name>frmAudioConverter</name>
    <message>
        <source>Converting audio files</source>
        <translation>Audiodateien werden konvertiert</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Konvertierung abgeschlossen</translation>
    </message>
    <message>
        <source>These files could not be converted:</source>
        <translation>Diese Dateien konnten nicht konvertiert werden:</translation>
    </message>
    <message>
        <source>You must select the output folder.!</source>
        <translation>Sie müssen den Ausgabeordner auswählen!</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be created.</source>
        <translation>Der Ordner „%1“ konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>No files selected, Convert the whole list?!</source>
        <translation>Keine Dateien ausgewählt. Die ganze Liste konvertieren?!</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <translation>Audio-Konverter</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Zu konvertierende Dateien</translation>
    </message>
    <message>
        <source>Add files with Ctrl+O or by dropping them here</source>
        <translation>Dateien mit Strg+O hinzufügen oder hierher ziehen</translation>
    </message>
    <message>
        <source>Output to same folder as original</source>
        <translation>Im Ordner der Originaldatei speichern</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Delete source file(s) after conversion</source>
        <translation>Quelldatei(en) nach der Konvertierung löschen</translation>
    </message>
    <message>
        <source>Preserve ID Tags</source>
        <translation>Tags beibehalten</translation>
    </message>
    <message>
        <source>Configure CD Parameters</source>
        <translation>CD-Parameter einrichten</translation>
    </message>
    <message>
        <source>Rename Output Files...</source>
        <translation>Ausgabedateien umbenennen...</translation>
    </message>
    <message>
        <source>Use every processor core</source>
        <translation>Alle Prozessorkerne nutzen</translation>
    </message>
    <message>
        <source>Convert several files at once; the results are the same as one at a time</source>
        <translation>Mehrere Dateien gleichzeitig konvertieren; das Ergebnis ist dasselbe wie nacheinander</translation>
    </message>
    <message>
        <source>Write loudness tags (ReplayGain)</source>
        <translation>Lautheits-Tags schreiben (ReplayGain)</translation>
    </message>
    <message>
        <source>Measure each output and each album (the files of one source folder) and tag them so that players play them at one level</source>
        <translation>Jede Ausgabe und jedes Album (die Dateien eines Quellordners) messen und so taggen, dass Player sie mit gleicher Lautstärke abspielen</translation>
    </message>
    <message>
        <source>Name outputs by pattern</source>
        <translation>Ausgaben nach Muster benennen</translation>
    </message>
    <message>
        <source>Output name pattern</source>
        <translation>Muster für Ausgabenamen</translation>
    </message>
    <message>
        <source>Fields: {artist} {album} {albumartist} {title} {track} {disc} {year} {genre} {name}; a &quot;/&quot; makes a folder</source>
        <extracomment>The field names in braces are what the pattern takes: keep them as they are</extracomment>
        <translation>Felder: {artist} {album} {albumartist} {title} {track} {disc} {year} {genre} {name}; ein „/“ erzeugt einen Ordner</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>Konvertieren in:</translation>
    </message>
    <message>
        <source>Configure...</source>
        <translation>Einrichten...</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Convert &gt;&gt;</source>
        <translation>Konvertieren &gt;&gt;</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>%p%</source>
        <extracomment>The progress bar&apos;s text: %p is the percentage done</extracomment>
        <translation>%p %</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Popup menu of the file list: plays the focused file as a preview</extracomment>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Audio Conv.</source>
        <extracomment>The program&apos;s short title, on its message boxes</extracomment>
        <translation>Audio-Konv.</translation>
    </message>
    <message>
        <source>Open Input Audio File</source>
        <translation>Eingabe-Audiodatei öffnen</translation>
    </message>
    <message>
        <source>The CUE sheet &apos;%1&apos; could not be opened: %2</source>
        <translation>Das CUE-Sheet „%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The disc image &apos;%1&apos; could not be opened: %2</source>
        <translation>Das CD-Abbild „%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>You must select on the audio file that you want to delete it</source>
        <translation>Wählen Sie die Audiodatei aus, die Sie entfernen möchten</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Popup menu of the file list: stops the preview</extracomment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>The file cannot be played:
%1
%2</source>
        <translation>Die Datei kann nicht abgespielt werden:
%1
%2</translation>
    </message>
</context>
<context>
    <name>frmFlacSettings</name>
    <message>
        <source>0 (fastest)</source>
        <translation>0 (am schnellsten)</translation>
    </message>
    <message>
        <source>5 (default)</source>
        <translation>5 (Standard)</translation>
    </message>
    <message>
        <source>8 (smallest)</source>
        <translation>8 (am kleinsten)</translation>
    </message>
    <message>
        <source>FLAC Settings</source>
        <translation>FLAC-Einstellungen</translation>
    </message>
    <message>
        <source>Compression &amp;level:</source>
        <translation>Kompressions&amp;stufe:</translation>
    </message>
    <message>
        <source>&amp;Verify while encoding (slower)</source>
        <translation>Beim Kodieren &amp;prüfen (langsamer)</translation>
    </message>
    <message>
        <source>Lossless: the source&apos;s rate and channels are kept, and its bit depth up to 24 bits (16 bits for sources that have none).</source>
        <translation>Verlustfrei: Abtastrate und Kanäle der Quelle bleiben erhalten, ihre Bittiefe bis zu 24 Bit (16 Bit bei Quellen ohne Bittiefe).</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmMP3Settings</name>
    <message>
        <source>MP3 Lame 3.91 Encoder Settings</source>
        <translation>MP3-Encoder-Einstellungen (Lame 3.91)</translation>
    </message>
    <message>
        <source>MP3 Lame Encoder</source>
        <translation>MP3-Encoder Lame</translation>
    </message>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation>Aktuelle Bitrate: %1 kbit</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Voreinstellung:</translation>
    </message>
    <message>
        <source>Current Preset:</source>
        <translation>Aktuelle Voreinstellung:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>&amp;Hide Advanced Options</source>
        <translation>Erweiterte Optionen &amp;ausblenden</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>&amp;Advanced Options</source>
        <translation>&amp;Erweiterte Optionen</translation>
    </message>
    <message>
        <source>Sampling Frequency</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Encoder Quality</source>
        <translation>Encoder-Qualität</translation>
    </message>
    <message>
        <source>Channels Mode</source>
        <translation>Kanalmodus</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation>Joint Stereo</translation>
    </message>
    <message>
        <source>Forced Joint Stereo</source>
        <translation>Erzwungenes Joint Stereo</translation>
    </message>
    <message>
        <source>Dual Channels</source>
        <translation>Zweikanal</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>LowPass Filter</source>
        <translation>Tiefpassfilter</translation>
    </message>
    <message>
        <source>Lowpass filtering frequency (in Hz):</source>
        <translation>Tiefpass-Grenzfrequenz (in Hz):</translation>
    </message>
    <message>
        <source>Width of Lowpass filter (in Hz):</source>
        <translation>Breite des Tiefpassfilters (in Hz):</translation>
    </message>
    <message>
        <source>HighPass Filter</source>
        <translation>Hochpassfilter</translation>
    </message>
    <message>
        <source>Highpass filtering frequency (in Hz):</source>
        <translation>Hochpass-Grenzfrequenz (in Hz):</translation>
    </message>
    <message>
        <source>Width of Highpass filter (in Hz):</source>
        <translation>Breite des Hochpassfilters (in Hz):</translation>
    </message>
    <message>
        <source>Coding Method:</source>
        <translation>Kodierverfahren:</translation>
    </message>
    <message>
        <source>None</source>
        <comment>VBR coding method</comment>
        <extracomment>VBR coding methods of the MP3 encoder: none (constant bitrate), the encoder&apos;s default, its old and new VBR routines, MTRH and average bitrate</extracomment>
        <translation>Keins</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>VBR coding method</comment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Old</source>
        <comment>VBR coding method</comment>
        <translation>Alt</translation>
    </message>
    <message>
        <source>New</source>
        <comment>VBR coding method</comment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>MTRH</source>
        <translation>MTRH</translation>
    </message>
    <message>
        <source>ABR</source>
        <translation>ABR</translation>
    </message>
    <message>
        <source>VBR Quality:</source>
        <translation>VBR-Qualität:</translation>
    </message>
    <message>
        <source>Targed bitrate for ABR:</source>
        <translation>Zielbitrate für ABR:</translation>
    </message>
    <message>
        <source>Maximum VBR Bitrate</source>
        <translation>Maximale VBR-Bitrate</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Strictly enforce minimum bitrate</source>
        <translation>Mindestbitrate strikt einhalten</translation>
    </message>
    <message>
        <source>Write VBR Header</source>
        <translation>VBR-Header schreiben</translation>
    </message>
    <message>
        <source>comply as much as possible to ISO MPEG spec</source>
        <translation>ISO-MPEG-Standard möglichst genau einhalten</translation>
    </message>
    <message>
        <source>short blocks</source>
        <translation>kurze Blöcke</translation>
    </message>
    <message>
        <source>bit reservoir</source>
        <translation>Bit-Reservoir</translation>
    </message>
    <message>
        <source>allow block types to differ between channels</source>
        <translation>verschiedene Blocktypen je Kanal erlauben</translation>
    </message>
    <message>
        <source>include CRC -Checksums</source>
        <translation>CRC-Prüfsummen einfügen</translation>
    </message>
    <message>
        <source>ATH Control:</source>
        <translation>ATH-Steuerung:</translation>
    </message>
    <message>
        <source>default</source>
        <comment>ATH control</comment>
        <extracomment>How the MP3 encoder uses the absolute threshold of hearing (ATH)</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>only</source>
        <comment>ATH control</comment>
        <translation>ausschließlich</translation>
    </message>
    <message>
        <source>disabled</source>
        <comment>ATH control</comment>
        <translation>deaktiviert</translation>
    </message>
    <message>
        <source>only for short blocks</source>
        <comment>ATH control</comment>
        <translation>nur für kurze Blöcke</translation>
    </message>
    <message>
        <source>De-emphasis :</source>
        <translation>De-Emphasis:</translation>
    </message>
    <message>
        <source>default</source>
        <comment>de-emphasis</comment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>0/15 microseconds</source>
        <translation>0/15 Mikrosekunden</translation>
    </message>
    <message>
        <source>citt j.17</source>
        <translation>CCITT J.17</translation>
    </message>
    <message>
        <source>better</source>
        <extracomment>The ends of the encoder quality slider</extracomment>
        <translation>besser</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>schneller</translation>
    </message>
    <message>
        <source>poor quality </source>
        <extracomment>The ends of the bitrate slider</extracomment>
        <translation>schlechte Qualität </translation>
    </message>
    <message>
        <source>good quality </source>
        <translation>gute Qualität </translation>
    </message>
    <message>
        <source>Filtering</source>
        <translation>Filterung</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>None</source>
        <comment>MP3 preset</comment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>These MP3 settings cannot be written:

%1</source>
        <translation>Diese MP3-Einstellungen können nicht geschrieben werden:

%1</translation>
    </message>
</context>
<context>
    <name>frmOggSettings</name>
    <message>
        <source>OGG Vorbis Settings</source>
        <translation>Ogg-Vorbis-Einstellungen</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Sampling Frequency</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Channels Mode</source>
        <translation>Kanalmodus</translation>
    </message>
    <message>
        <source>Quality (Compression)</source>
        <translation>Qualität (Kompression)</translation>
    </message>
    <message>
        <source>VBR Enabled</source>
        <translation>VBR aktiviert</translation>
    </message>
    <message>
        <source>Quality Enabled</source>
        <translation>Qualität aktiviert</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Current nominal bitrate: %1 kbit</source>
        <translation>Aktuelle nominale Bitrate: %1 kbit</translation>
    </message>
    <message>
        <source>Current min bitrate: %1 kbit</source>
        <translation>Aktuelle minimale Bitrate: %1 kbit</translation>
    </message>
    <message>
        <source>Current max bitrate: %1 kbit</source>
        <translation>Aktuelle maximale Bitrate: %1 kbit</translation>
    </message>
</context>
<context>
    <name>frmOpusSettings</name>
    <message>
        <source>Opus Settings</source>
        <translation>Opus-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Bitrate:</source>
        <translation>&amp;Bitrate:</translation>
    </message>
    <message>
        <source> kbit/s</source>
        <extracomment>Unit after the bitrate, with its leading space</extracomment>
        <translation> kbit/s</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Modus:</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Constrained VBR</source>
        <translation>Eingeschränktes VBR</translation>
    </message>
    <message>
        <source>CBR</source>
        <translation>CBR</translation>
    </message>
    <message>
        <source>C&amp;omplexity:</source>
        <translation>&amp;Komplexität:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>%1 kbit/s, %2. Encoded at 48 000 Hz; the source&apos;s rate is kept as the original rate.</source>
        <translation>%1 kbit/s, %2. Kodiert mit 48.000 Hz; die Abtastrate der Quelle wird als Original-Abtastrate gespeichert.</translation>
    </message>
</context>
<context>
    <name>frmWavSettings</name>
    <message>
        <source>WAV Format set to CD quality</source>
        <translation>WAV-Format auf CD-Qualität gesetzt</translation>
    </message>
    <message>
        <source>Settings set to CD quality</source>
        <translation>Einstellungen auf CD-Qualität gesetzt</translation>
    </message>
    <message>
        <source>WAV Settings</source>
        <translation>WAV-Einstellungen</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>44100 Hz, 16 bit, Stereo</source>
        <translation>44.100 Hz, 16 Bit, Stereo</translation>
    </message>
    <message>
        <source>Change Format</source>
        <translation>Format ändern</translation>
    </message>
    <message>
        <source>To CD Quality</source>
        <translation>CD-Qualität</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The selected format is unavailable.</source>
        <translation>Das gewählte Format ist nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>frmWmaSettings</name>
    <message>
        <source>WMA Settings</source>
        <translation>WMA-Einstellungen</translation>
    </message>
    <message>
        <source>WMA Profile:</source>
        <translation>WMA-Profil:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>WMA is not Supported in your system,Install WMA codec.!</source>
        <translation>WMA wird auf Ihrem System nicht unterstützt. Installieren Sie einen WMA-Codec!</translation>
    </message>
</context>
<context>
    <name>frmmainpro</name>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <translation>Audio-Konverter</translation>
    </message>
    <message>
        <source>Audio Extractor</source>
        <translation>Audio-Extraktor</translation>
    </message>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
</context>
<context>
    <name>velloria-convert</name>
    <message>
        <source>the folder &apos;%1&apos; could not be created: %2</source>
        <translation>der Ordner „%1“ konnte nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source> (%1 error blocks)</source>
        <translation> (%1 Fehlerblöcke)</translation>
    </message>
    <message>
        <source>written %1 -&gt; %2%3</source>
        <extracomment>A result line: %1 the source, %2 the output, %3 nothing or &quot; (N error blocks)&quot;</extracomment>
        <translation>geschrieben: %1 -&gt; %2%3</translation>
    </message>
    <message>
        <source>rip log %1</source>
        <translation>Rip-Protokoll %1</translation>
    </message>
    <message>
        <source>skipped %1 (%2 exists)</source>
        <translation>übersprungen: %1 (%2 existiert)</translation>
    </message>
    <message>
        <source>failed: %1: %2</source>
        <translation>fehlgeschlagen: %1: %2</translation>
    </message>
    <message>
        <source>%1 written, %2 skipped, %3 failed</source>
        <translation>%1 geschrieben, %2 übersprungen, %3 fehlgeschlagen</translation>
    </message>
    <message>
        <source> %1 left</source>
        <extracomment>The time the run has left, after the progress line</extracomment>
        <translation> noch %1</translation>
    </message>
    <message>
        <source>the output could not be put in place of &apos;%1&apos;</source>
        <translation>die Ausgabe konnte nicht an die Stelle von „%1“ gesetzt werden</translation>
    </message>
    <message>
        <source>the video could not be deleted: %1</source>
        <translation>das Video konnte nicht gelöscht werden: %1</translation>
    </message>
    <message>
        <source>the sound track was not written</source>
        <translation>die Tonspur wurde nicht geschrieben</translation>
    </message>
    <message>
        <source>interrupted (run again with --existing skip to complete)</source>
        <extracomment>Option names and their values stay as they are</extracomment>
        <translation>unterbrochen (zum Vervollständigen erneut mit --existing skip ausführen)</translation>
    </message>
    <message>
        <source>interrupted; %1 file(s) not converted (run again with --existing skip to complete)</source>
        <extracomment>Option names and their values stay as they are</extracomment>
        <translation>unterbrochen; %1 Datei(en) nicht konvertiert (zum Vervollständigen erneut mit --existing skip ausführen)</translation>
    </message>
    <message>
        <source>the disc image &apos;%1&apos; could not be opened: %2</source>
        <translation>das CD-Abbild „%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither a disc image nor a CD drive of this machine</source>
        <translation>„%1“ ist weder ein CD-Abbild noch ein CD-Laufwerk dieses Rechners</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no audio tracks</source>
        <translation>„%1“ enthält keine Audiotitel</translation>
    </message>
    <message>
        <source>the disc has no audio track %1</source>
        <translation>die CD hat keinen Audiotitel %1</translation>
    </message>
    <message>
        <source>%1 exists and the disc&apos;s one file is named after the disc (use --existing skip or overwrite)</source>
        <extracomment>Option names and their values stay as they are</extracomment>
        <translation>%1 existiert, und die eine Datei der CD ist nach der CD benannt (--existing skip oder overwrite verwenden)</translation>
    </message>
    <message>
        <source>Finding the read offset of %1 …</source>
        <extracomment>%1 is the drive&apos;s name, or the device or image given</extracomment>
        <translation>Leseversatz von %1 wird ermittelt …</translation>
    </message>
    <message>
        <source>Kept as the read offset of %1.</source>
        <translation>Als Leseversatz von %1 gespeichert.</translation>
    </message>
    <message>
        <source>the folder &apos;%1&apos; cannot be written: %2</source>
        <translation>in den Ordner „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 must be a whole number from 1 to %2, not &apos;%3&apos;</source>
        <extracomment>%1 is an option&apos;s name, %3 the value given</extracomment>
        <translation>%1 muss eine ganze Zahl von 1 bis %2 sein, nicht „%3“</translation>
    </message>
    <message>
        <source>%1 must be one of %2, not &apos;%3&apos;</source>
        <extracomment>%1 is an option&apos;s name, %2 its values (they stay as they are), %3 the value given</extracomment>
        <translation>%1 muss eines von %2 sein, nicht „%3“</translation>
    </message>
    <message>
        <source>--shard must be K/N with 1 &lt;= K &lt;= N, not &apos;%1&apos;</source>
        <translation>--shard muss K/N mit 1 &lt;= K &lt;= N sein, nicht „%1“</translation>
    </message>
    <message>
        <source>--quality and --mode do not apply to --extract (it takes --bitrate)</source>
        <translation>--quality und --mode gelten nicht für --extract (es nimmt --bitrate)</translation>
    </message>
    <message>
        <source>--jobs does not apply to --extract (videos are extracted one at a time)</source>
        <translation>--jobs gilt nicht für --extract (Videos werden einzeln nacheinander extrahiert)</translation>
    </message>
    <message>
        <source>--no-tags does not apply to --extract (it copies no tags)</source>
        <translation>--no-tags gilt nicht für --extract (es kopiert keine Tags)</translation>
    </message>
    <message>
        <source>--replaygain does not apply to --extract</source>
        <translation>--replaygain gilt nicht für --extract</translation>
    </message>
    <message>
        <source>--format must be one of %1, not &apos;%2&apos;</source>
        <translation>--format muss eines von %1 sein, nicht „%2“</translation>
    </message>
    <message>
        <source>--quality must be a number from -1 to 10, not &apos;%1&apos;</source>
        <translation>--quality muss eine Zahl von -1 bis 10 sein, nicht „%1“</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output braucht einen Ordner</translation>
    </message>
    <message>
        <source>--pattern must not be empty</source>
        <translation>--pattern darf nicht leer sein</translation>
    </message>
    <message>
        <source>--pattern has an unknown placeholder %1</source>
        <translation>--pattern hat einen unbekannten Platzhalter %1</translation>
    </message>
    <message>
        <source>--pattern must stay inside the output folder (no leading &apos;/&apos;, no &apos;..&apos;)</source>
        <translation>--pattern muss innerhalb des Ausgabeordners bleiben (kein führendes „/“, kein „..“)</translation>
    </message>
    <message>
        <source>--tracks must be a list like 1-5,7, not &apos;%1&apos;</source>
        <translation>--tracks muss eine Liste wie 1-5,7 sein, nicht „%1“</translation>
    </message>
    <message>
        <source>--files-from needs a file, or - for standard input</source>
        <translation>--files-from braucht eine Datei oder - für die Standardeingabe</translation>
    </message>
    <message>
        <source>--sample-rate must be at least 8000 Hz, not &apos;%1&apos;</source>
        <translation>--sample-rate muss mindestens 8000 Hz sein, nicht „%1“</translation>
    </message>
    <message>
        <source>--json and --quiet cannot be used together</source>
        <translation>--json und --quiet können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>--tracks needs --cd</source>
        <translation>--tracks braucht --cd</translation>
    </message>
    <message>
        <source>--test-and-copy needs --cd</source>
        <translation>--test-and-copy braucht --cd</translation>
    </message>
    <message>
        <source>--find-offset needs --cd</source>
        <translation>--find-offset braucht --cd</translation>
    </message>
    <message>
        <source>--one-file needs --cd</source>
        <translation>--one-file braucht --cd</translation>
    </message>
    <message>
        <source>--one-file rips the whole disc: give no --tracks with it</source>
        <translation>--one-file rippt die ganze CD: dazu kein --tracks angeben</translation>
    </message>
    <message>
        <source>--one-file names its file after the disc: use --existing skip or overwrite with it</source>
        <translation>--one-file benennt seine Datei nach der CD: dazu --existing skip oder overwrite verwenden</translation>
    </message>
    <message>
        <source>-0 goes with --files-from</source>
        <translation>-0 gehört zu --files-from</translation>
    </message>
    <message>
        <source>--replaygain measures each album whole and cannot be split with --shard</source>
        <translation>--replaygain misst jedes Album als Ganzes und kann nicht mit --shard aufgeteilt werden</translation>
    </message>
    <message>
        <source>--cd converts the disc&apos;s tracks: give no files with it</source>
        <translation>--cd konvertiert die Titel der CD: dazu keine Dateien angeben</translation>
    </message>
    <message>
        <source>--cd and --extract cannot be used together</source>
        <translation>--cd und --extract können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>no file or folder given</source>
        <translation>keine Datei und kein Ordner angegeben</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>Option „%1“ braucht einen Wert</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>Option „%1“ nimmt keinen Wert an</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last of a list of choices, e.g. &quot;mp3, ogg or opus&quot;</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>Usage: velloria-convert [OPTIONS] FILE|FOLDER...
       velloria-convert [OPTIONS] --files-from LIST|- [-0] [FILE|FOLDER...]
       velloria-convert [OPTIONS] --extract VIDEO|FOLDER...
       velloria-convert [OPTIONS] --cd DEVICE|IMAGE [--tracks LIST | --one-file] [--test-and-copy]
       velloria-convert --cd DEVICE|IMAGE --find-offset
</source>
        <extracomment>The program&apos;s name, the option names and their argument names stay as they are</extracomment>
        <translation>Aufruf: velloria-convert [OPTIONS] FILE|FOLDER...
        velloria-convert [OPTIONS] --files-from LIST|- [-0] [FILE|FOLDER...]
        velloria-convert [OPTIONS] --extract VIDEO|FOLDER...
        velloria-convert [OPTIONS] --cd DEVICE|IMAGE [--tracks LIST | --one-file] [--test-and-copy]
        velloria-convert --cd DEVICE|IMAGE --find-offset
</translation>
    </message>
    <message>
        <source>Converts audio files with the settings the converter window stored; each option overrides one.
</source>
        <translation>Konvertiert Audiodateien mit den im Konverterfenster gespeicherten Einstellungen;
jede Option ersetzt eine davon.
</translation>
    </message>
    <message>
        <source>  -f, --format FORMAT     %1
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are; %1 lists the formats</extracomment>
        <translation>  -f, --format FORMAT     %1
</translation>
    </message>
    <message>
        <source>  -b, --bitrate KBPS      bitrate in kbit/s (MP3, Ogg Vorbis, Opus)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>  -b, --bitrate KBPS      Bitrate in kbit/s (MP3, Ogg Vorbis, Opus)
</translation>
    </message>
    <message>
        <source>  -q, --quality Q         MP3: VBR quality 0 (best) to 9; Ogg Vorbis: quality 0 to 10;
                          FLAC: compression level 0 to 8
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>  -q, --quality Q         MP3: VBR-Qualität 0 (beste) bis 9; Ogg Vorbis: Qualität 0 bis 10;
                          FLAC: Kompressionsstufe 0 bis 8
</translation>
    </message>
    <message>
        <source>      --mode MODE         cbr, vbr or abr (MP3); Ogg Vorbis: cbr or abr manage the bitrate,
                          vbr uses quality; Opus: abr is constrained VBR
</source>
        <extracomment>An option of the help: the option&apos;s names, argument and values stay as they are</extracomment>
        <translation>      --mode MODE         cbr, vbr oder abr (MP3); Ogg Vorbis: cbr oder abr steuern die Bitrate,
                          vbr nutzt die Qualität; Opus: abr ist eingeschränktes VBR
</translation>
    </message>
    <message>
        <source>      --sample-rate HZ    the rate written (MP3, Ogg Vorbis, WAV, --extract)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --sample-rate HZ    die geschriebene Abtastrate (MP3, Ogg Vorbis, WAV, --extract)
</translation>
    </message>
    <message>
        <source>      --channels 1|2      mono or stereo (MP3, Ogg Vorbis, WAV, --extract)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --channels 1|2      Mono oder Stereo (MP3, Ogg Vorbis, WAV, --extract)
</translation>
    </message>
    <message>
        <source>  -o, --output DIR        write under DIR (created when missing); default: beside each source
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>  -o, --output DIR        unter DIR schreiben (wird bei Bedarf erstellt); Standard: neben
                          jeder Quelle
</translation>
    </message>
    <message>
        <source>  -p, --pattern PATTERN   output name without extension, from {artist} {album} {albumartist}
                          {title} {track} {disc} {year} {genre}, {name} (the source&apos;s name
                          without its extension) and {dir} (its folder relative to the folder
                          given); default {name}, or {dir}/{name} with -r
</source>
        <extracomment>An option of the help: the option&apos;s names, argument and the placeholders in braces stay as they are</extracomment>
        <translation>  -p, --pattern PATTERN   Ausgabename ohne Endung, aus {artist} {album} {albumartist}
                          {title} {track} {disc} {year} {genre}, {name} (Name der Quelle
                          ohne Endung) und {dir} (ihr Ordner relativ zum angegebenen
                          Ordner); Standard {name}, oder {dir}/{name} mit -r
</translation>
    </message>
    <message>
        <source>  -r, --recursive         convert the audio files in folders and below: beside each file, or
                          keeping the tree under -o
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>  -r, --recursive         die Audiodateien in Ordnern und darunter konvertieren: neben jeder
                          Datei oder unter Beibehaltung des Baums unter -o
</translation>
    </message>
    <message>
        <source>      --files-from LIST   also convert the files named in LIST, one a line (- : standard input)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --files-from LIST   auch die in LIST genannten Dateien konvertieren, eine pro Zeile
                          (- : Standardeingabe)
</translation>
    </message>
    <message>
        <source>  -0, --null              the names in LIST end in NUL characters instead of new lines
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>  -0, --null              die Namen in LIST enden mit NUL-Zeichen statt Zeilenumbrüchen
</translation>
    </message>
    <message>
        <source>      --shard K/N         convert only the K-th of N equal slices of the planned files (for
                          job arrays: the N commands together convert every file once)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --shard K/N         nur den K-ten von N gleichen Teilen der geplanten Dateien konvertieren
                          (für Job-Arrays: die N Befehle zusammen konvertieren jede Datei einmal)
</translation>
    </message>
    <message>
        <source>      --existing WHAT     skip (default), overwrite or rename outputs that exist already
</source>
        <extracomment>An option of the help: the option&apos;s names, argument and values stay as they are</extracomment>
        <translation>      --existing WHAT     bereits vorhandene Ausgaben: skip (überspringen, Standard),
                          overwrite (überschreiben) oder rename (umbenennen)
</translation>
    </message>
    <message>
        <source>  -j, --jobs N            files converted at once (default: one per core)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>  -j, --jobs N            gleichzeitig konvertierte Dateien (Standard: eine pro Kern)
</translation>
    </message>
    <message>
        <source>      --delete-source     delete each source once its whole output is written
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --delete-source     jede Quelle löschen, sobald ihre ganze Ausgabe geschrieben ist
</translation>
    </message>
    <message>
        <source>      --no-tags           do not copy the tags
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --no-tags           die Tags nicht kopieren
</translation>
    </message>
    <message>
        <source>      --replaygain        write loudness tags (ReplayGain; R128 gains in Opus), an album being the
                          files of one source folder (skipped outputs included, measured
                          from their files); an album with a failed file gets no album values
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --replaygain        Lautheits-Tags schreiben (ReplayGain; R128-Gains bei Opus), wobei ein
                          Album die Dateien eines Quellordners sind (übersprungene Ausgaben
                          eingeschlossen, aus ihren Dateien gemessen); ein Album mit einer
                          fehlgeschlagenen Datei erhält keine Album-Werte
</translation>
    </message>
    <message>
        <source>      --extract           the sound track of videos, with the extractor&apos;s stored settings
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --extract           die Tonspur von Videos extrahieren, mit den gespeicherten
                          Einstellungen des Extraktors
</translation>
    </message>
    <message>
        <source>      --cd DEVICE|IMAGE   rip the audio tracks of a disc (a drive such as /dev/sr0, or a .cue,
                          .toc or .nrg image) with the stored ripping options; default output
                          folder: the current one; {title}, {artist}, {album} from the disc
                          information found earlier (cdplayer.ini) or the disc&apos;s CD-Text
</source>
        <extracomment>An option of the help: the option&apos;s names and argument, the device, file types and file names stay as they are</extracomment>
        <translation>      --cd DEVICE|IMAGE   die Audiotitel einer CD rippen (ein Laufwerk wie /dev/sr0 oder ein
                          .cue-, .toc- oder .nrg-Abbild) mit den gespeicherten Ripping-Optionen;
                          Standard-Ausgabeordner: der aktuelle; {title}, {artist}, {album} aus
                          den zuvor gefundenen CD-Informationen (cdplayer.ini) oder dem
                          CD-Text der CD
</translation>
    </message>
    <message>
        <source>      --tracks LIST       only these tracks, e.g. 1-5,7 (0: audio hidden before track 1)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --tracks LIST       nur diese Titel, z. B. 1-5,7 (0: verstecktes Audio vor Titel 1)
</translation>
    </message>
    <message>
        <source>      --one-file          the whole disc into one FLAC file (WAV with -f wav), named
                          &quot;ARTIST - ALBUM&quot;, with its CUE sheet beside it and inside it
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --one-file          die ganze CD in eine FLAC-Datei (WAV mit -f wav) namens
                          &quot;ARTIST - ALBUM&quot;, mit ihrem CUE-Sheet daneben und darin
</translation>
    </message>
    <message>
        <source>      --find-offset       find the --cd drive&apos;s read offset from a disc in AccurateRip (and look
                          the drive up in AccurateRip&apos;s drive-offset list) instead of ripping;
                          an offset detected is kept for the drive in the ripping options
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --find-offset       statt zu rippen den Leseversatz des --cd-Laufwerks anhand einer CD
                          in AccurateRip ermitteln (und das Laufwerk in der Laufwerksversatz-
                          Liste von AccurateRip nachschlagen); ein ermittelter Versatz wird
                          für das Laufwerk in den Ripping-Optionen gespeichert
</translation>
    </message>
    <message>
        <source>      --test-and-copy     read each track twice and compare the CRC32s of the two reads
                          (the rip log beside the tracks, &lt;album&gt;.log and .json, has both)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument, and the file names, stay as they are</extracomment>
        <translation>      --test-and-copy     jeden Titel zweimal lesen und die CRC32-Werte beider Lesevorgänge
                          vergleichen (das Rip-Protokoll neben den Titeln, &lt;album&gt;.log und
                          .json, enthält beide)
</translation>
    </message>
    <message>
        <source>      --json              one JSON object per line: started, progress, written, skipped, failed
</source>
        <extracomment>An option of the help: the option&apos;s names and the event names stay as they are</extracomment>
        <translation>      --json              ein JSON-Objekt pro Zeile: started, progress, written, skipped, failed
</translation>
    </message>
    <message>
        <source>      --quiet             print nothing but failures
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --quiet             nur Fehlschläge ausgeben
</translation>
    </message>
    <message>
        <source>      --version           print the version and exit
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --version           die Version ausgeben und beenden
</translation>
    </message>
    <message>
        <source>  -h, --help              print this help and exit
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>  -h, --help              diese Hilfe ausgeben und beenden
</translation>
    </message>
    <message>
        <source>Progress goes to standard error, one result line per file to standard output.
</source>
        <translation>Der Fortschritt geht an die Standardfehlerausgabe, eine Ergebniszeile pro Datei
an die Standardausgabe.
</translation>
    </message>
    <message>
        <source>Exit status: 0 when every file was converted or skipped, 1 when some failed or the run was
interrupted, 2 for a usage error, 3 when every CD track was written but not all of them exactly
(unreadable sectors, test and copy reads that differ, or an AccurateRip checksum that does not
match).
</source>
        <translation>Exit-Status: 0, wenn jede Datei konvertiert oder übersprungen wurde, 1, wenn einige fehlschlugen
oder der Lauf unterbrochen wurde, 2 bei einem Aufruffehler, 3, wenn jeder CD-Titel geschrieben
wurde, aber nicht alle exakt (unlesbare Sektoren, abweichende Test- und Kopier-Lesevorgänge
oder eine nicht übereinstimmende AccurateRip-Prüfsumme).
</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 and cannot be opened here: rename it</source>
        <translation>ihr Name ist kein gültiges UTF-8 und kann hier nicht geöffnet werden: Benennen Sie sie um</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>existiert nicht</translation>
    </message>
    <message>
        <source>is the sheet of a disc image: rip it with --cd</source>
        <translation>ist das CUE-Sheet eines CD-Abbilds: mit --cd rippen</translation>
    </message>
    <message>
        <source>is a folder (use -r to convert the files in it)</source>
        <translation>ist ein Ordner (mit -r werden die Dateien darin konvertiert)</translation>
    </message>
    <message>
        <source>would be overwritten by its own output</source>
        <translation>würde von der eigenen Ausgabe überschrieben</translation>
    </message>
    <message>
        <source>its output %1 is also the output of %2 (use --existing rename, or a --pattern that tells them apart)</source>
        <extracomment>Option names and their values stay as they are</extracomment>
        <translation>ihre Ausgabe %1 ist auch die Ausgabe von %2 (--existing rename verwenden oder ein --pattern, das sie unterscheidet)</translation>
    </message>
    <message>
        <source>the list &apos;%1&apos; cannot be read: %2</source>
        <translation>die Liste „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>MP3 cannot be written so: %1</source>
        <translation>MP3 kann so nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Ogg Vorbis cannot be written at %1 kbit/s with %2 Hz and %3 channels</source>
        <translation>Ogg Vorbis kann nicht mit %1 kbit/s bei %2 Hz und %3 Kanälen geschrieben werden</translation>
    </message>
    <message>
        <source>--quality does not apply to MP3 at a constant bitrate</source>
        <translation>--quality gilt nicht für MP3 mit konstanter Bitrate</translation>
    </message>
    <message>
        <source>--quality does not apply to MP3 at an average bitrate</source>
        <translation>--quality gilt nicht für MP3 mit durchschnittlicher Bitrate</translation>
    </message>
    <message>
        <source>--quality for MP3 is a whole number from 0 (best) to 9</source>
        <translation>--quality für MP3 ist eine ganze Zahl von 0 (beste) bis 9</translation>
    </message>
    <message>
        <source>--bitrate does not apply to Ogg Vorbis by quality (--mode vbr)</source>
        <translation>--bitrate gilt nicht für Ogg Vorbis nach Qualität (--mode vbr)</translation>
    </message>
    <message>
        <source>--quality for Ogg Vorbis is from 0 to 10</source>
        <translation>--quality für Ogg Vorbis reicht von 0 bis 10</translation>
    </message>
    <message>
        <source>--quality does not apply to Ogg Vorbis at a managed bitrate</source>
        <translation>--quality gilt nicht für Ogg Vorbis mit verwalteter Bitrate</translation>
    </message>
    <message>
        <source>--bitrate and --mode do not apply to FLAC</source>
        <translation>--bitrate und --mode gelten nicht für FLAC</translation>
    </message>
    <message>
        <source>--quality for FLAC is a compression level from 0 to 8</source>
        <translation>--quality für FLAC ist eine Kompressionsstufe von 0 bis 8</translation>
    </message>
    <message>
        <source>--quality does not apply to Opus; give --bitrate</source>
        <translation>--quality gilt nicht für Opus; --bitrate angeben</translation>
    </message>
    <message>
        <source>--bitrate for Opus is from 6 to 512 kbit/s</source>
        <translation>--bitrate für Opus reicht von 6 bis 512 kbit/s</translation>
    </message>
    <message>
        <source>--sample-rate and --channels do not apply to %1</source>
        <translation>--sample-rate und --channels gelten nicht für %1</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --mode do not apply to %1</source>
        <translation>--bitrate, --quality und --mode gelten nicht für %1</translation>
    </message>
</context>
</TS>
