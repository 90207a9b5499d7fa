<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ACMainRecord</name>
    <message>
        <source>Recorder</source>
        <translation>Grabadora</translation>
    </message>
    <message>
        <source>Play a file</source>
        <translation>Reproducir un archivo</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pausar o reanudar</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>button</comment>
        <extracomment>A button: stops playing or recording</extracomment>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Record into a file</source>
        <translation>Grabar en un archivo</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>Visual</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fuego</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>Cristal</translation>
    </message>
    <message>
        <source>Kryptonite</source>
        <translation>Kriptonita</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>This file already exists do you want to replace it</source>
        <translation>Este archivo ya existe. ¿Quiere reemplazarlo?</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>The title of the file dialog that chooses a file to play</extracomment>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>The file cannot be played:
%1
%2</source>
        <translation>No se puede reproducir el archivo:
%1
%2</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The title of the file dialog that chooses the file to record into</extracomment>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Cannot record into this file:
%1
%2</source>
        <translation>No se puede grabar en este archivo:
%1
%2</translation>
    </message>
    <message>
        <source>Recording could not start:
%1</source>
        <translation>No se pudo iniciar la grabación:
%1</translation>
    </message>
    <message>
        <source>Recording sound</source>
        <extracomment>Why the computer is kept from sleeping, as the desktop shows it</extracomment>
        <translation>Grabando sonido</translation>
    </message>
    <message>
        <source>The recording could not be written completely:
%1
%2</source>
        <translation>No se pudo escribir la grabación completa:
%1
%2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Playing.....</source>
        <translation>Reproduciendo.....</translation>
    </message>
    <message>
        <source>Pause.....</source>
        <translation>En pausa.....</translation>
    </message>
    <message>
        <source>Recording.....</source>
        <translation>Grabando.....</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The recorder&apos;s state: stopped</extracomment>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <extracomment>A sample rate in the Frequency menu</extracomment>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Wav files (*.wav)</source>
        <translation>Archivos WAV (*.wav)</translation>
    </message>
    <message>
        <source>MP3 files (*.mp3)</source>
        <translation>Archivos MP3 (*.mp3)</translation>
    </message>
    <message>
        <source>Ogg Vorbis files (*.ogg)</source>
        <translation>Archivos Ogg Vorbis (*.ogg)</translation>
    </message>
</context>
<context>
    <name>ACfrmAbout</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>System Info</source>
        <translation>Información del sistema</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <translation>Conversor de audio</translation>
    </message>
</context>
<context>
    <name>ACfrmGrab</name>
    <message>
        <source>Ripping Options</source>
        <translation>Opciones de extracción</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Grab Options</source>
        <translation>Modo de lectura</translation>
    </message>
    <message>
        <source>Burst Mode (Fast, no Error Correction)</source>
        <translation>Modo ráfaga (rápido, sin corrección de errores)</translation>
    </message>
    <message>
        <source>Synch Mode (Correct Jitter Errors)</source>
        <translation>Modo sincronizado (corrige errores de jitter)</translation>
    </message>
    <message>
        <source>Secure Mode (Double Precision Error Correction)</source>
        <translation>Modo seguro (corrección de errores de doble precisión)</translation>
    </message>
    <message>
        <source>Paranoid Mode (Small Blocks Read, drive cache disable)</source>
        <translation>Modo paranoico (lectura en bloques pequeños, sin caché de la unidad)</translation>
    </message>
    <message>
        <source>Extraction Speed Low or Equal:</source>
        <translation>Velocidad de extracción menor o igual a:</translation>
    </message>
    <message>
        <source>x 176 kB/sec</source>
        <translation>x 176 kB/s</translation>
    </message>
    <message>
        <source>Retries on Read or Synch Error:</source>
        <translation>Reintentos tras error de lectura o sincronización:</translation>
    </message>
    <message>
        <source>Action on error:</source>
        <translation>Acción ante un error:</translation>
    </message>
    <message>
        <source>De-emphasise</source>
        <translation>Quitar el énfasis</translation>
    </message>
    <message>
        <source>Undo the pre-emphasis of tracks mastered with it (50/15 µs) instead of keeping the disc&apos;s audio as it is, tagged as such</source>
        <translation>Deshacer el preénfasis de las pistas masterizadas con él (50/15 µs) en lugar de conservar el audio del disco tal cual, etiquetado como tal</translation>
    </message>
    <message>
        <source>Rip the disc as one file</source>
        <translation>Extraer el disco en un solo archivo</translation>
    </message>
    <message>
        <source>Test and copy</source>
        <translation>Probar y copiar</translation>
    </message>
    <message>
        <source>Read each track twice and compare the CRC32s of the two reads</source>
        <translation>Leer cada pista dos veces y comparar los CRC32 de ambas lecturas</translation>
    </message>
    <message>
        <source>CDDB</source>
        <translation>CDDB</translation>
    </message>
    <message>
        <source>Lock CD Tray During Grab</source>
        <translation>Bloquear la bandeja durante la extracción</translation>
    </message>
    <message>
        <source>Mode Safe</source>
        <translation>Modo seguro</translation>
    </message>
    <message>
        <source>Spin Up during:</source>
        <translation>Arrancar el disco durante:</translation>
    </message>
    <message>
        <source>Get CDDB from any available source</source>
        <translation>Obtener CDDB de cualquier fuente disponible</translation>
    </message>
    <message>
        <source>Get CDDB info from On-Line Data Base</source>
        <translation>Obtener información CDDB de la base de datos en línea</translation>
    </message>
    <message>
        <source>Use only cdplayer.ini</source>
        <translation>Usar solo cdplayer.ini</translation>
    </message>
    <message>
        <source>CDDB Server:</source>
        <translation>Servidor CDDB:</translation>
    </message>
    <message>
        <source>CGI Script:</source>
        <translation>Script CGI:</translation>
    </message>
    <message>
        <source>Agent Name:</source>
        <translation>Nombre del agente:</translation>
    </message>
    <message>
        <source>User E-mail:</source>
        <translation>Correo del usuario:</translation>
    </message>
    <message>
        <source>TimeOut:</source>
        <translation>Tiempo de espera:</translation>
    </message>
    <message>
        <source>Get Disk Info</source>
        <translation>Obtener datos del disco</translation>
    </message>
    <message>
        <source>Use MusicBrainz</source>
        <translation>Usar MusicBrainz</translation>
    </message>
    <message>
        <source>Name CD tracks from the disc information</source>
        <translation>Nombrar las pistas con la información del disco</translation>
    </message>
    <message>
        <source>Disc information found</source>
        <translation>Se encontró información del disco</translation>
    </message>
    <message>
        <source>AccurateRip</source>
        <translation>AccurateRip</translation>
    </message>
    <message>
        <source>Verify CD tracks with AccurateRip</source>
        <translation>Verificar las pistas del CD con AccurateRip</translation>
    </message>
    <message>
        <source>Drive read offset:</source>
        <translation>Desplazamiento de lectura:</translation>
    </message>
    <message>
        <source>samples</source>
        <translation>muestras</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Detectar</translation>
    </message>
    <message>
        <source>Find the drive&apos;s read offset from the disc in it (a disc in AccurateRip)</source>
        <translation>Hallar el desplazamiento de lectura de la unidad con el disco que contiene (un disco que esté en AccurateRip)</translation>
    </message>
    <message>
        <source>AccurateRip server:</source>
        <translation>Servidor de AccurateRip:</translation>
    </message>
    <message>
        <source>Stop grab</source>
        <extracomment>What the grabber does with a block it cannot read</extracomment>
        <translation>Detener la extracción</translation>
    </message>
    <message>
        <source>Insert silence</source>
        <translation>Insertar silencio</translation>
    </message>
    <message>
        <source>Cut block</source>
        <translation>Cortar el bloque</translation>
    </message>
    <message>
        <source>Error correction</source>
        <translation>Corrección de errores</translation>
    </message>
    <message>
        <source>There is no audio disc in the drive.</source>
        <translation>No hay ningún disco de audio en la unidad.</translation>
    </message>
    <message>
        <source>No disc information was found.

%1</source>
        <translation>No se encontró información del disco.

%1</translation>
    </message>
    <message>
        <source>Detecting the read offset …</source>
        <translation>Detectando el desplazamiento de lectura…</translation>
    </message>
    <message>
        <source>Disc information from %1:

Artist: %2
Album: %3
</source>
        <extracomment>%1 names where the information came from (a server, CD-Text, cdplayer.ini)</extracomment>
        <translation>Información del disco de %1:

Artista: %2
Álbum: %3
</translation>
    </message>
</context>
<context>
    <name>ACfrmOverWrite</name>
    <message>
        <source>Confirm Overwriting?!</source>
        <translation>¿Confirmar la sobrescritura?</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Sobrescribir</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>These are the output file(s), rename to avoid overwriting.</source>
        <translation>Estos son los archivos de salida; renómbrelos para no sobrescribir.</translation>
    </message>
    <message>
        <source>Renemae output file(s).</source>
        <translation>Renombrar archivos de salida.</translation>
    </message>
    <message>
        <source>The following file(s) already exist, Rename or Overwrite?!</source>
        <translation>Los siguientes archivos ya existen. ¿Renombrar o sobrescribir?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file name. A new name must not be empty or contain &apos;/&apos;.</source>
        <translation>«%1» no es un nombre de archivo. Un nombre nuevo no puede estar vacío ni contener «/».</translation>
    </message>
    <message>
        <source>You did not renamed all files,overwrite the unnamed?</source>
        <translation>No ha renombrado todos los archivos. ¿Sobrescribir los que no tienen nombre nuevo?</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Audio Extractor</source>
        <translation>Extractor de audio</translation>
    </message>
</context>
<context>
    <name>AEfrmmain</name>
    <message>
        <source>All files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation>Archivos AVI (*.avi)</translation>
    </message>
    <message>
        <source>Mpeg files (*.mpg, *.mpeg)</source>
        <translation>Archivos MPEG (*.mpg, *.mpeg)</translation>
    </message>
    <message>
        <source>Windows Media files (*.wmv, *.wma, *.asf)</source>
        <translation>Archivos de Windows Media (*.wmv, *.wma, *.asf)</translation>
    </message>
    <message>
        <source>Quick Time Files (*.mov, *.qt)</source>
        <translation>Archivos QuickTime (*.mov, *.qt)</translation>
    </message>
    <message>
        <source>Extracting audio</source>
        <translation>Extrayendo audio</translation>
    </message>
    <message>
        <source>Extraction finished</source>
        <translation>Extracción finalizada</translation>
    </message>
    <message>
        <source>Do you want to overwrite the existing audio file</source>
        <translation>¿Quiere sobrescribir el archivo de audio existente?</translation>
    </message>
    <message>
        <source>Tarn Audio Extractor</source>
        <translation>Extractor de audio Tarn</translation>
    </message>
    <message>
        <source>Input Video File:</source>
        <translation>Archivo de vídeo de entrada:</translation>
    </message>
    <message>
        <source>Select Input Video File</source>
        <translation>Seleccionar el archivo de vídeo de entrada</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Output Audio File:</source>
        <translation>Archivo de audio de salida:</translation>
    </message>
    <message>
        <source>Output to same folder as original</source>
        <translation>Guardar en la misma carpeta que el original</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <source>Select Output Audio File</source>
        <translation>Seleccionar el archivo de audio de salida</translation>
    </message>
    <message>
        <source>Delete source file(s) after Processing</source>
        <translation>Eliminar los archivos de origen tras procesarlos</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Formato de salida</translation>
    </message>
    <message>
        <source>settings</source>
        <extracomment>The button that opens the chosen format&apos;s settings.</extracomment>
        <translation>ajustes</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canales:</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>BitRate [kbits/second]:</source>
        <translation>Tasa de bits [kbit/s]:</translation>
    </message>
    <message>
        <source>Frequency [hertz]:</source>
        <translation>Frecuencia [Hz]:</translation>
    </message>
    <message>
        <source>Extract Audio </source>
        <translation>Extraer audio </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open Video File</source>
        <translation>Abrir archivo de vídeo</translation>
    </message>
    <message>
        <source>Specified file is not a video file or format is not supported</source>
        <translation>El archivo indicado no es un archivo de vídeo o su formato no es compatible</translation>
    </message>
    <message>
        <source>Are you sure you want to quit ??</source>
        <translation>¿Seguro que quiere salir?</translation>
    </message>
</context>
<context>
    <name>AccurateRip</name>
    <message>
        <source>The AccurateRip record ends in the middle of a block.</source>
        <translation>El registro de AccurateRip termina en medio de un bloque.</translation>
    </message>
    <message>
        <source>The AccurateRip record has a block without tracks.</source>
        <translation>El registro de AccurateRip tiene un bloque sin pistas.</translation>
    </message>
    <message>
        <source>The AccurateRip record is empty.</source>
        <translation>El registro de AccurateRip está vacío.</translation>
    </message>
    <message>
        <source>Not in the AccurateRip database</source>
        <translation>No está en la base de datos de AccurateRip</translation>
    </message>
    <message>
        <source>Accurately ripped (confidence %1, AccurateRip v%2)</source>
        <translation>Extraída con exactitud (confianza %1, AccurateRip v%2)</translation>
    </message>
    <message>
        <source>Does not match AccurateRip (%1 other rips)</source>
        <translation>No coincide con AccurateRip (%1 otras extracciones)</translation>
    </message>
    <message>
        <source>The AccurateRip server answered with HTTP status %1.</source>
        <translation>El servidor de AccurateRip respondió con el estado HTTP %1.</translation>
    </message>
    <message>
        <source>There is no audio disc.</source>
        <translation>No hay ningún disco de audio.</translation>
    </message>
</context>
<context>
    <name>AccurateRipVerifier</name>
    <message>
        <source>AccurateRip results:</source>
        <translation>Resultados de AccurateRip:</translation>
    </message>
    <message>
        <source>The AccurateRip record of disc %1 could not be fetched: %2</source>
        <translation>No se pudo obtener el registro de AccurateRip del disco %1: %2</translation>
    </message>
    <message>
        <source>Track %1 (%2): %3</source>
        <extracomment>%1 is the track&apos;s number, %2 its entry&apos;s file name, %3 its AccurateRip verdict</extracomment>
        <translation>Pista %1 (%2): %3</translation>
    </message>
    <message>
        <source>, %1 error blocks</source>
        <translation>, %1 bloques con errores</translation>
    </message>
</context>
<context>
    <name>AlbumLoudnessTagger</name>
    <message>
        <source>The album loudness tags could not be written: %1</source>
        <translation>No se pudieron escribir las etiquetas de sonoridad del álbum: %1</translation>
    </message>
    <message>
        <source>No album loudness tags were written for this folder: &apos;%1&apos; has no whole output.</source>
        <translation>No se escribieron etiquetas de sonoridad del álbum para esta carpeta: «%1» no tiene una salida completa.</translation>
    </message>
</context>
<context>
    <name>AudioFile</name>
    <message>
        <source>Blocks of %1 Hz with %2 channels cannot be written.</source>
        <translation>No se pueden escribir bloques de %1 Hz con %2 canales.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file type &quot;%2&quot; cannot be written.</source>
        <translation>«%1»: no se puede escribir el tipo de archivo «%2».</translation>
    </message>
    <message>
        <source>No file is open for writing.</source>
        <translation>No hay ningún archivo abierto para escritura.</translation>
    </message>
    <message>
        <source>No file that keeps more than 16 bits is open for writing.</source>
        <translation>No hay abierto para escritura ningún archivo que admita más de 16 bits.</translation>
    </message>
    <message>
        <source>A block of %1 samples does not hold whole frames of %2 channels.</source>
        <translation>Un bloque de %1 muestras no contiene tramas completas de %2 canales.</translation>
    </message>
    <message>
        <source>Only seeking from the start (origin 3) is offered.</source>
        <translation>Solo se permite buscar desde el principio (origen 3).</translation>
    </message>
    <message>
        <source>No file is open for reading.</source>
        <translation>No hay ningún archivo abierto para lectura.</translation>
    </message>
    <message>
        <source>No WMA file is open for writing.</source>
        <translation>No hay ningún archivo WMA abierto para escritura.</translation>
    </message>
    <message>
        <source>%1 Hz with %2 channels is not an audio format.</source>
        <translation>%1 Hz con %2 canales no es un formato de audio.</translation>
    </message>
    <message>
        <source>There is no WMA profile %1 (profiles are 0 to %2).</source>
        <translation>No existe el perfil WMA %1 (los perfiles van de 0 a %2).</translation>
    </message>
</context>
<context>
    <name>AudioInfo</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 no es un archivo.</translation>
    </message>
    <message>
        <source>The tags of %1 cannot be read: it is not an audio file with tags that can be handled here.</source>
        <translation>No se pueden leer las etiquetas de %1: no es un archivo de audio con etiquetas que se puedan manejar aquí.</translation>
    </message>
    <message>
        <source>The tags of %1 could not be saved.</source>
        <translation>No se pudieron guardar las etiquetas de %1.</translation>
    </message>
</context>
<context>
    <name>AudioJob</name>
    <message>
        <source>The output file could not be completed.</source>
        <translation>No se pudo completar el archivo de salida.</translation>
    </message>
    <message>
        <source>The file could not be opened as audio.</source>
        <translation>No se pudo abrir el archivo como audio.</translation>
    </message>
    <message>
        <source>The source holds no audio.</source>
        <translation>El origen no contiene audio.</translation>
    </message>
    <message>
        <source>The output file could not be created.</source>
        <translation>No se pudo crear el archivo de salida.</translation>
    </message>
    <message>
        <source>The output file could not be written.</source>
        <translation>No se pudo escribir el archivo de salida.</translation>
    </message>
    <message>
        <source>The output file &quot;%1&quot; is gone: its folder was removed or renamed while it was written.</source>
        <translation>El archivo de salida «%1» ha desaparecido: su carpeta se eliminó o se renombró mientras se escribía.</translation>
    </message>
</context>
<context>
    <name>BrowseForFolder</name>
    <message>
        <source>Select a folder</source>
        <translation>Seleccionar una carpeta</translation>
    </message>
</context>
<context>
    <name>CdGrabber</name>
    <message>
        <source>The disc has no audio track.</source>
        <translation>El disco no tiene ninguna pista de audio.</translation>
    </message>
    <message>
        <source>There is no CD drive.</source>
        <translation>No hay ninguna unidad de CD.</translation>
    </message>
    <message>
        <source>The drive is being read.</source>
        <translation>Se está leyendo la unidad.</translation>
    </message>
    <message>
        <source>The disc image %1 does not exist.</source>
        <translation>La imagen de disco %1 no existe.</translation>
    </message>
    <message>
        <source>The disc image %1 cannot be read.</source>
        <translation>No se puede leer la imagen de disco %1.</translation>
    </message>
    <message>
        <source>%1 names no data file; it is not a cue sheet or TOC file of a disc image.</source>
        <translation>%1 no nombra ningún archivo de datos; no es una hoja CUE ni un archivo TOC de una imagen de disco.</translation>
    </message>
    <message>
        <source>The data file %1 that %2 names is missing.</source>
        <translation>Falta el archivo de datos %1 que nombra %2.</translation>
    </message>
    <message>
        <source>%1 is not a disc image that can be read (a .cue/.bin pair, a .toc or a .nrg file).</source>
        <translation>%1 no es una imagen de disco legible (un par .cue/.bin, un archivo .toc o uno .nrg).</translation>
    </message>
    <message>
        <source>%1 is not a disc image (a .cue/.bin pair, a .toc or a .nrg file).</source>
        <translation>%1 no es una imagen de disco (un par .cue/.bin, un archivo .toc o uno .nrg).</translation>
    </message>
    <message>
        <source>The data file %1 ends in the middle of a sector: it is truncated.</source>
        <translation>El archivo de datos %1 termina en medio de un sector: está truncado.</translation>
    </message>
    <message>
        <source>%1 holds no audio track.</source>
        <translation>%1 no contiene ninguna pista de audio.</translation>
    </message>
    <message>
        <source>Track %1 of %2 starts before the beginning of its data: the image is damaged.</source>
        <translation>La pista %1 de %2 empieza antes del comienzo de sus datos: la imagen está dañada.</translation>
    </message>
    <message>
        <source>Track %1 of %2 lies beyond the end of its data: the image is truncated.</source>
        <translation>La pista %1 de %2 está más allá del final de sus datos: la imagen está truncada.</translation>
    </message>
    <message>
        <source>The last sector of %1 cannot be read: the image is truncated.</source>
        <translation>No se puede leer el último sector de %1: la imagen está truncada.</translation>
    </message>
    <message>
        <source>There is no audio disc in the drive.</source>
        <translation>No hay ningún disco de audio en la unidad.</translation>
    </message>
    <message>
        <source>Sector %1 of the disc in %2 could not be read.</source>
        <translation>No se pudo leer el sector %1 del disco en %2.</translation>
    </message>
    <message>
        <source>Sector %1 of track %2 could not be read at all after %3 retries; the read was stopped.</source>
        <translation>No se pudo leer en absoluto el sector %1 de la pista %2 tras %3 reintentos; se detuvo la lectura.</translation>
    </message>
    <message>
        <source>Sector %1 of track %2 could not be read consistently after %3 retries; the read was stopped.</source>
        <translation>No se pudo leer de forma coherente el sector %1 de la pista %2 tras %3 reintentos; se detuvo la lectura.</translation>
    </message>
    <message>
        <source>%1 cannot read audio.</source>
        <translation>%1 no puede leer audio.</translation>
    </message>
    <message>
        <source>There is no audio disc in %1.</source>
        <translation>No hay ningún disco de audio en %1.</translation>
    </message>
    <message>
        <source>The disc in %1 has no audio track %2.</source>
        <translation>El disco en %1 no tiene la pista de audio %2.</translation>
    </message>
    <message>
        <source>No track is open.</source>
        <translation>No hay ninguna pista abierta.</translation>
    </message>
    <message>
        <source>The read was aborted.</source>
        <translation>Se interrumpió la lectura.</translation>
    </message>
    <message>
        <source>Track %1 could not be read.</source>
        <translation>No se pudo leer la pista %1.</translation>
    </message>
</context>
<context>
    <name>CdTrackJob</name>
    <message>
        <source>The track number cannot be read from the name &apos;%1&apos;.</source>
        <translation>No se puede obtener el número de pista del nombre «%1».</translation>
    </message>
    <message>
        <source>An error occures when ReadTrack works! Probably need re-read!</source>
        <translation>Se produjo un error al leer la pista. Quizá haya que volver a leerla.</translation>
    </message>
    <message>
        <source>Track %1 (%2): the test and copy reads differ (test CRC32 %3, copy CRC32 %4); the track may not be exact.</source>
        <translation>Pista %1 (%2): la lectura de prueba y la de copia difieren (CRC32 de prueba %3, CRC32 de copia %4); puede que la pista no sea exacta.</translation>
    </message>
    <message>
        <source>The disc information could not be written as tags: %1</source>
        <translation>No se pudo escribir la información del disco como etiquetas: %1</translation>
    </message>
</context>
<context>
    <name>Cddb</name>
    <message>
        <source>it did not answer within %1 seconds</source>
        <translation>no respondió en %1 segundos</translation>
    </message>
    <message>
        <source>No CDDB server is set.</source>
        <translation>No se ha configurado ningún servidor CDDB.</translation>
    </message>
    <message>
        <source>The CDDB server &quot;%1&quot; has no valid port.</source>
        <translation>El servidor CDDB «%1» no tiene un puerto válido.</translation>
    </message>
    <message>
        <source>The CDDB look-up could not start (out of memory).</source>
        <translation>No se pudo iniciar la consulta CDDB (memoria insuficiente).</translation>
    </message>
    <message>
        <source>The CDDB server %1 could not be asked about disc %2: %3.</source>
        <translation>No se pudo consultar al servidor CDDB %1 sobre el disco %2: %3.</translation>
    </message>
    <message>
        <source>The CDDB server %1 knows no disc with id %2.</source>
        <translation>El servidor CDDB %1 no conoce ningún disco con el identificador %2.</translation>
    </message>
    <message>
        <source>The CDDB server %1 did not send the entry of disc %2: %3.</source>
        <translation>El servidor CDDB %1 no envió la entrada del disco %2: %3.</translation>
    </message>
</context>
<context>
    <name>ConversionRunner</name>
    <message>
        <source>The tags could not be copied (the source is kept): %1</source>
        <translation>No se pudieron copiar las etiquetas (se conserva el origen): %1</translation>
    </message>
    <message>
        <source>nothing was measured</source>
        <translation>no se midió nada</translation>
    </message>
    <message>
        <source>The loudness tags could not be written (the source is kept): %1</source>
        <translation>No se pudieron escribir las etiquetas de sonoridad (se conserva el origen): %1</translation>
    </message>
    <message>
        <source>The output could not be put in place of &apos;%1&apos;.</source>
        <translation>No se pudo colocar la salida en lugar de «%1».</translation>
    </message>
    <message>
        <source>The source file could not be deleted: %1</source>
        <translation>No se pudo eliminar el archivo de origen: %1</translation>
    </message>
    <message>
        <source>Reading CD tracks is not available.</source>
        <translation>La lectura de pistas de CD no está disponible.</translation>
    </message>
    <message>
        <source>The test read failed: %1</source>
        <translation>Falló la lectura de prueba: %1</translation>
    </message>
    <message>
        <source>Open Track Error!.</source>
        <translation>Error al abrir la pista.</translation>
    </message>
    <message>
        <source>The CUE sheet &apos;%1&apos; could not be written: %2</source>
        <translation>No se pudo escribir la hoja CUE «%1»: %2</translation>
    </message>
    <message>
        <source>The CUE sheet &apos;%1&apos; cannot name &apos;%2&apos;: a sheet cannot hold a double quote in a file name. Rename the file, and its name in the sheet, with single quotes.</source>
        <translation>La hoja CUE «%1» no puede nombrar «%2»: una hoja no admite comillas dobles en un nombre de archivo. Renombre el archivo, y su nombre en la hoja, con comillas simples.</translation>
    </message>
    <message>
        <source>The disc in %1 has no audio track.</source>
        <translation>El disco en %1 no tiene ninguna pista de audio.</translation>
    </message>
</context>
<context>
    <name>ConverterRules</name>
    <message>
        <source>All Supported files (%1)</source>
        <translation>Todos los archivos compatibles (%1)</translation>
    </message>
    <message>
        <source>%1 error blocks replaced with silence.</source>
        <translation>%1 bloques con errores sustituidos por silencio.</translation>
    </message>
    <message>
        <source>%1 error blocks cutted.</source>
        <translation>%1 bloques con errores recortados.</translation>
    </message>
    <message>
        <source>%1 error blocks corrected.</source>
        <translation>%1 bloques con errores corregidos.</translation>
    </message>
    <message>
        <source>AccurateRip: not verified, %1</source>
        <extracomment>%1 is why no track could be verified</extracomment>
        <translation>AccurateRip: sin verificar, %1</translation>
    </message>
    <message>
        <source>AccurateRip: %1 of %2 %3 accurately ripped</source>
        <extracomment>%1 tracks matched of %2; %3 is &quot;track&quot; or &quot;tracks&quot;</extracomment>
        <translation>AccurateRip: %1 de %2 %3 extraídas con exactitud</translation>
    </message>
    <message>
        <source>track</source>
        <translation>pista</translation>
    </message>
    <message>
        <source>tracks</source>
        <translation>pistas</translation>
    </message>
    <message>
        <source>%1 not matching</source>
        <extracomment>Counts of tracks, joined to the AccurateRip summary with commas</extracomment>
        <translation>%1 sin coincidir</translation>
    </message>
    <message>
        <source>%1 not in the database</source>
        <translation>%1 fuera de la base de datos</translation>
    </message>
    <message>
        <source>%1 with error blocks</source>
        <translation>%1 con bloques con errores</translation>
    </message>
    <message>
        <source>%1 not verified (%2)</source>
        <translation>%1 sin verificar (%2)</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the CUE sheet, %2 what is wrong with that line</extracomment>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>TRACK needs a number from 1 to 99</source>
        <extracomment>TRACK, INDEX, FILE, PREGAP, AUDIO and MM:SS:FF in these texts are words of the CUE sheet itself; keep them</extracomment>
        <translation>TRACK necesita un número del 1 al 99</translation>
    </message>
    <message>
        <source>TRACK %1 names no type (AUDIO, MODE1/2352, ...)</source>
        <translation>TRACK %1 no indica ningún tipo (AUDIO, MODE1/2352, ...)</translation>
    </message>
    <message>
        <source>track %1 follows track %2: tracks must be numbered upwards</source>
        <translation>la pista %1 sigue a la pista %2: las pistas deben numerarse en orden ascendente</translation>
    </message>
    <message>
        <source>track %1 has no INDEX 01</source>
        <translation>la pista %1 no tiene INDEX 01</translation>
    </message>
    <message>
        <source>INDEX before any TRACK</source>
        <translation>INDEX antes de cualquier TRACK</translation>
    </message>
    <message>
        <source>INDEX before any FILE</source>
        <translation>INDEX antes de cualquier FILE</translation>
    </message>
    <message>
        <source>INDEX needs a number from 0 to 99</source>
        <translation>INDEX necesita un número del 0 al 99</translation>
    </message>
    <message>
        <source>INDEX %1 needs a time as MM:SS:FF (seconds below 60, frames below 75)</source>
        <translation>INDEX %1 necesita un tiempo con formato MM:SS:FF (segundos por debajo de 60, fotogramas por debajo de 75)</translation>
    </message>
    <message>
        <source>INDEX %1 of track %2 follows INDEX %3</source>
        <translation>INDEX %1 de la pista %2 sigue a INDEX %3</translation>
    </message>
    <message>
        <source>FILE names no file</source>
        <translation>FILE no nombra ningún archivo</translation>
    </message>
    <message>
        <source>%1 before any TRACK</source>
        <translation>%1 antes de cualquier TRACK</translation>
    </message>
    <message>
        <source>PREGAP needs a time as MM:SS:FF</source>
        <translation>PREGAP necesita un tiempo con formato MM:SS:FF</translation>
    </message>
    <message>
        <source>it holds NUL characters: it is no text</source>
        <translation>contiene caracteres NUL: no es texto</translation>
    </message>
    <message>
        <source>it holds no TRACK</source>
        <translation>no contiene ningún TRACK</translation>
    </message>
    <message>
        <source>The CUE sheet %1 cannot be read: %2</source>
        <translation>No se puede leer la hoja CUE %1: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be a CUE sheet.</source>
        <translation>%1 es demasiado grande para ser una hoja CUE.</translation>
    </message>
    <message>
        <source>track %1 starts at %2, not after track %3 at %4</source>
        <translation>la pista %1 empieza en %2, no después de la pista %3 en %4</translation>
    </message>
    <message>
        <source>The audio file %1 that %2 names is missing.</source>
        <translation>Falta el archivo de audio %1 que nombra %2.</translation>
    </message>
    <message>
        <source>The audio file %1 that %2 names cannot be read: %3</source>
        <translation>No se puede leer el archivo de audio %1 que nombra %2: %3</translation>
    </message>
    <message>
        <source>The audio file %1 is too short for %2: it ends at %3, and track %4 starts at %5.</source>
        <translation>El archivo de audio %1 es demasiado corto para %2: termina en %3 y la pista %4 empieza en %5.</translation>
    </message>
    <message>
        <source>%1 is not a CUE sheet that can be read: %2.</source>
        <translation>%1 no es una hoja CUE legible: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be cut into tracks: %2.</source>
        <translation>%1 no se puede dividir en pistas: %2.</translation>
    </message>
    <message>
        <source>%1 names no track of a CUE sheet.</source>
        <translation>%1 no nombra ninguna pista de una hoja CUE.</translation>
    </message>
    <message>
        <source>%1 has no track %2.</source>
        <translation>%1 no tiene la pista %2.</translation>
    </message>
    <message>
        <source>The audio file %1 ends before track %2 starts.</source>
        <translation>El archivo de audio %1 termina antes de que empiece la pista %2.</translation>
    </message>
    <message>
        <source>The audio file ends inside track %1, %2 seconds before its end.</source>
        <translation>El archivo de audio termina dentro de la pista %1, %2 segundos antes de su final.</translation>
    </message>
</context>
<context>
    <name>Decoder</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>%1 is a folder, not an audio file.</source>
        <translation>%1 es una carpeta, no un archivo de audio.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>%1 cannot be read: permission denied.</source>
        <translation>No se puede leer %1: permiso denegado.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 está vacío.</translation>
    </message>
    <message>
        <source>Out of memory opening %1.</source>
        <translation>Memoria insuficiente al abrir %1.</translation>
    </message>
    <message>
        <source>%1 is not an audio file FFmpeg can read: %2</source>
        <translation>%1 no es un archivo de audio que FFmpeg pueda leer: %2</translation>
    </message>
    <message>
        <source>%1 is not an audio file FFmpeg can read: its format is not recognised.</source>
        <translation>%1 no es un archivo de audio que FFmpeg pueda leer: no se reconoce su formato.</translation>
    </message>
    <message>
        <source>%1 holds no audio.</source>
        <translation>%1 no contiene audio.</translation>
    </message>
    <message>
        <source>%1 holds audio in a format that cannot be decoded here.</source>
        <translation>%1 contiene audio en un formato que no se puede decodificar aquí.</translation>
    </message>
    <message>
        <source>The audio of %1 cannot be decoded: %2</source>
        <translation>No se puede decodificar el audio de %1: %2</translation>
    </message>
    <message>
        <source>%1 holds no audio FFmpeg can decode.</source>
        <translation>%1 no contiene audio que FFmpeg pueda decodificar.</translation>
    </message>
    <message>
        <source>%1 holds no audio FFmpeg can decode: %2</source>
        <translation>%1 no contiene audio que FFmpeg pueda decodificar: %2</translation>
    </message>
    <message>
        <source>%1 contains no audio.</source>
        <translation>%1 no contiene audio.</translation>
    </message>
    <message>
        <source>The audio of %1 is damaged: damaged data at %2.</source>
        <translation>El audio de %1 está dañado: datos dañados en %2.</translation>
    </message>
    <message>
        <source>The audio of %1 is damaged: decoding stopped at %2 of %3.</source>
        <translation>El audio de %1 está dañado: la decodificación se detuvo en %2 de %3.</translation>
    </message>
    <message>
        <source>The audio of %1 is damaged: decoding stopped at %2, where the file is cut off.</source>
        <translation>El audio de %1 está dañado: la decodificación se detuvo en %2, donde el archivo está cortado.</translation>
    </message>
    <message>
        <source>The audio of %1 could not be decoded after %2 s: %3</source>
        <translation>No se pudo decodificar el audio de %1 tras %2 s: %3</translation>
    </message>
    <message>
        <source>too many damaged frames</source>
        <translation>demasiadas tramas dañadas</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Show</source>
        <extracomment>The notification&apos;s button that brings the job&apos;s window back.</extracomment>
        <translation>Mostrar</translation>
    </message>
</context>
<context>
    <name>DiscLookup</name>
    <message>
        <source>There is no audio disc to look up.</source>
        <translation>No hay ningún disco de audio que consultar.</translation>
    </message>
    <message>
        <source>cdplayer.ini has no entry for disc %1.</source>
        <translation>cdplayer.ini no tiene ninguna entrada para el disco %1.</translation>
    </message>
    <message>
        <source>The disc has no CD-Text.</source>
        <translation>El disco no tiene CD-Text.</translation>
    </message>
    <message>
        <source>cdplayer.ini could not be written: %1</source>
        <translation>No se pudo escribir cdplayer.ini: %1</translation>
    </message>
</context>
<context>
    <name>DriveOffsets</name>
    <message>
        <source>The drive-offset list is empty.</source>
        <translation>La lista de desplazamientos de unidades está vacía.</translation>
    </message>
    <message>
        <source>The drive-offset list is damaged: it is not a whole number of 69-byte records.</source>
        <translation>La lista de desplazamientos de unidades está dañada: no es un número entero de registros de 69 bytes.</translation>
    </message>
    <message>
        <source>The address of the drive-offset list is not valid: %1</source>
        <translation>La dirección de la lista de desplazamientos de unidades no es válida: %1</translation>
    </message>
    <message>
        <source>The server of the drive-offset list answered with HTTP status %1.</source>
        <translation>El servidor de la lista de desplazamientos de unidades respondió con el estado HTTP %1.</translation>
    </message>
</context>
<context>
    <name>Encoder</name>
    <message>
        <source>cannot prepare the %1 file %2: %3</source>
        <extracomment>%1 a format&apos;s name (WAV, WMA), %2 a file&apos;s path, %3 FFmpeg&apos;s reason</extracomment>
        <translation>no se puede preparar el archivo %1 %2: %3</translation>
    </message>
    <message>
        <source>cannot prepare the %1 file %2: out of memory</source>
        <translation>no se puede preparar el archivo %1 %2: memoria insuficiente</translation>
    </message>
    <message>
        <source>cannot create the %1 file %2: %3</source>
        <translation>no se puede crear el archivo %1 %2: %3</translation>
    </message>
    <message>
        <source>cannot write the header of the %1 file %2: %3</source>
        <translation>no se puede escribir la cabecera del archivo %1 %2: %3</translation>
    </message>
    <message>
        <source>cannot write to the %1 file %2: %3</source>
        <translation>no se puede escribir en el archivo %1 %2: %3</translation>
    </message>
    <message>
        <source>cannot complete the %1 file %2: %3</source>
        <translation>no se puede completar el archivo %1 %2: %3</translation>
    </message>
    <message>
        <source>cannot close the %1 file %2: %3</source>
        <translation>no se puede cerrar el archivo %1 %2: %3</translation>
    </message>
    <message>
        <source>WAV files cannot be written as %1</source>
        <translation>no se pueden escribir archivos WAV como %1</translation>
    </message>
    <message>
        <source>the WAV writer already has a file open</source>
        <translation>el escritor de WAV ya tiene un archivo abierto</translation>
    </message>
    <message>
        <source>cannot write the WAV file %1: out of memory</source>
        <translation>no se puede escribir el archivo WAV %1: memoria insuficiente</translation>
    </message>
    <message>
        <source>no WAV file is open for writing</source>
        <translation>no hay ningún archivo WAV abierto para escritura</translation>
    </message>
    <message>
        <source>a WAV file cannot hold more than 4 GB of audio</source>
        <translation>un archivo WAV no puede contener más de 4 GB de audio</translation>
    </message>
    <message>
        <source>this FFmpeg has no WMA encoder</source>
        <translation>este FFmpeg no tiene codificador WMA</translation>
    </message>
    <message>
        <source>WMA cannot be written as %1</source>
        <translation>no se puede escribir WMA como %1</translation>
    </message>
    <message>
        <source>the WMA writer already has a file open</source>
        <translation>el escritor de WMA ya tiene un archivo abierto</translation>
    </message>
    <message>
        <source>cannot write the WMA file %1: out of memory</source>
        <translation>no se puede escribir el archivo WMA %1: memoria insuficiente</translation>
    </message>
    <message>
        <source>the WMA encoder refuses %1: %2</source>
        <translation>el codificador WMA rechaza %1: %2</translation>
    </message>
    <message>
        <source>cannot prepare the WMA file %1: %2</source>
        <translation>no se puede preparar el archivo WMA %1: %2</translation>
    </message>
    <message>
        <source>no WMA file is open for writing</source>
        <translation>no hay ningún archivo WMA abierto para escritura</translation>
    </message>
    <message>
        <source>cannot write the WMA file: out of memory</source>
        <translation>no se puede escribir el archivo WMA: memoria insuficiente</translation>
    </message>
    <message>
        <source>cannot write the WMA file: %1</source>
        <translation>no se puede escribir el archivo WMA: %1</translation>
    </message>
    <message>
        <source>the WMA encoder failed: %1</source>
        <translation>falló el codificador WMA: %1</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <source>%1 Hz, %2 bit, %3</source>
        <translation>%1 Hz, %2 bits, %3</translation>
    </message>
    <message>
        <source>%1 kbit/s, %2 Hz, %3</source>
        <translation>%1 kbit/s, %2 Hz, %3</translation>
    </message>
    <message>
        <source>The FLAC encoder could not be created.</source>
        <translation>No se pudo crear el codificador FLAC.</translation>
    </message>
    <message>
        <source>the FLAC writer was already used for a file</source>
        <translation>el escritor de FLAC ya se usó para un archivo</translation>
    </message>
    <message>
        <source>cannot create the FLAC file %1: %2</source>
        <translation>no se puede crear el archivo FLAC %1: %2</translation>
    </message>
    <message>
        <source>cannot start the FLAC file %1: %2</source>
        <translation>no se puede iniciar el archivo FLAC %1: %2</translation>
    </message>
    <message>
        <source>no FLAC file is open for writing</source>
        <translation>no hay ningún archivo FLAC abierto para escritura</translation>
    </message>
    <message>
        <source>cannot write the FLAC file %1: %2</source>
        <translation>no se puede escribir el archivo FLAC %1: %2</translation>
    </message>
    <message>
        <source>FLAC cannot encode %1 Hz with %2 channels.</source>
        <translation>FLAC no puede codificar %1 Hz con %2 canales.</translation>
    </message>
    <message>
        <source>FLAC is written with 16 or 24 bits per sample, not %1.</source>
        <translation>FLAC se escribe con 16 o 24 bits por muestra, no con %1.</translation>
    </message>
    <message>
        <source>The FLAC compression level is 0 to 8, not %1.</source>
        <translation>El nivel de compresión de FLAC va de 0 a 8, no %1.</translation>
    </message>
    <message>
        <source>%1 Hz, %2 bit, %3, level %4</source>
        <translation>%1 Hz, %2 bits, %3, nivel %4</translation>
    </message>
    <message>
        <source>The MP3 bitrate %1 kbit/s cannot be written at %2 Hz (possible: %3 kbit/s)</source>
        <translation>No se puede escribir MP3 a %1 kbit/s con %2 Hz (posibles: %3 kbit/s)</translation>
    </message>
    <message>
        <source>The MP3 maximum VBR bitrate %1 kbit/s cannot be written at %2 Hz (possible: %3 kbit/s)</source>
        <translation>No se puede escribir MP3 con una tasa de bits VBR máxima de %1 kbit/s a %2 Hz (posibles: %3 kbit/s)</translation>
    </message>
    <message>
        <source>The MP3 ABR bitrate %1 kbit/s cannot be written at %2 Hz (possible: %3..%4 kbit/s)</source>
        <translation>No se puede escribir MP3 con una tasa de bits ABR de %1 kbit/s a %2 Hz (posibles: %3..%4 kbit/s)</translation>
    </message>
    <message>
        <source>The MP3 encoder refused the %1 %2</source>
        <extracomment>%1 an MP3 setting&apos;s name, %2 its value</extracomment>
        <translation>El codificador MP3 rechazó el valor %2 de «%1»</translation>
    </message>
    <message>
        <source>The MP3 encoder could not start</source>
        <translation>No se pudo iniciar el codificador MP3</translation>
    </message>
    <message>
        <source>The MP3 encoder cannot write %1: %2</source>
        <translation>El codificador MP3 no puede escribir %1: %2</translation>
    </message>
    <message>
        <source>The MP3 encoder cannot write %1</source>
        <translation>El codificador MP3 no puede escribir %1</translation>
    </message>
    <message>
        <source>The MP3 encoder is already writing %1</source>
        <translation>El codificador MP3 ya está escribiendo %1</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <translation>No se pudo crear %1: %2</translation>
    </message>
    <message>
        <source>Could not write to %1: %2</source>
        <translation>No se pudo escribir en %1: %2</translation>
    </message>
    <message>
        <source>The MP3 file is not open for writing</source>
        <translation>El archivo MP3 no está abierto para escritura</translation>
    </message>
    <message>
        <source>the MP3 encoder failed (code %1)</source>
        <translation>falló el codificador MP3 (código %1)</translation>
    </message>
    <message>
        <source>the MP3 header frame does not fit</source>
        <translation>la trama de cabecera MP3 no cabe</translation>
    </message>
    <message>
        <source>VBR</source>
        <extracomment>Opus bitrate modes</extracomment>
        <translation>VBR</translation>
    </message>
    <message>
        <source>constrained VBR</source>
        <translation>VBR restringida</translation>
    </message>
    <message>
        <source>CBR</source>
        <translation>CBR</translation>
    </message>
    <message>
        <source>the Opus writer was already used for a file</source>
        <translation>el escritor de Opus ya se usó para un archivo</translation>
    </message>
    <message>
        <source>cannot create the Opus file %1: %2</source>
        <translation>no se puede crear el archivo Opus %1: %2</translation>
    </message>
    <message>
        <source>cannot write the Opus file %1: it holds no audio</source>
        <translation>no se puede escribir el archivo Opus %1: no contiene audio</translation>
    </message>
    <message>
        <source>no Opus file is open for writing</source>
        <translation>no hay ningún archivo Opus abierto para escritura</translation>
    </message>
    <message>
        <source>cannot write the Opus file %1: %2</source>
        <translation>no se puede escribir el archivo Opus %1: %2</translation>
    </message>
    <message>
        <source>Opus cannot encode %1 Hz with %2 channels.</source>
        <translation>Opus no puede codificar %1 Hz con %2 canales.</translation>
    </message>
    <message>
        <source>The Opus bitrate is 6 to %2 kbit/s, not %1.</source>
        <translation>La tasa de bits de Opus va de 6 a %2 kbit/s, no %1.</translation>
    </message>
    <message>
        <source>The Opus bitrate mode %1 is not known.</source>
        <translation>El modo de tasa de bits de Opus %1 no es conocido.</translation>
    </message>
    <message>
        <source>The Opus complexity is 0 to 10, not %1.</source>
        <translation>La complejidad de Opus va de 0 a 10, no %1.</translation>
    </message>
    <message>
        <source>%1 kbit/s %2, %3, complexity %4</source>
        <translation>%1 kbit/s %2, %3, complejidad %4</translation>
    </message>
    <message>
        <source>%1 Hz, %2, </source>
        <extracomment>The start of an Ogg Vorbis format&apos;s description; a quality or bitrate follows</extracomment>
        <translation>%1 Hz, %2, </translation>
    </message>
    <message>
        <source>quality %1</source>
        <translation>calidad %1</translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>managed bitrate</source>
        <translation>tasa de bits gestionada</translation>
    </message>
    <message>
        <source>, min %1 kbit/s</source>
        <translation>, mín. %1 kbit/s</translation>
    </message>
    <message>
        <source>, max %1 kbit/s</source>
        <translation>, máx. %1 kbit/s</translation>
    </message>
    <message>
        <source>%1 Hz, %2</source>
        <translation>%1 Hz, %2</translation>
    </message>
    <message>
        <source>: at %1 it takes nominal bitrates of %2 to %3 kbit/s.</source>
        <extracomment>Follows a refusal such as &quot;Ogg Vorbis cannot encode ...&quot;</extracomment>
        <translation>: a %1 admite tasas de bits nominales de %2 a %3 kbit/s.</translation>
    </message>
    <message>
        <source>: at %1 it takes no set bitrate, only a quality.</source>
        <extracomment>Follows a refusal such as &quot;Ogg Vorbis cannot encode ...&quot;</extracomment>
        <translation>: a %1 no admite una tasa de bits fija, solo una calidad.</translation>
    </message>
    <message>
        <source>: it encodes Mono or Stereo at up to 200000 Hz, at qualities from 0 to 10.</source>
        <extracomment>Follows a refusal such as &quot;Ogg Vorbis cannot encode ...&quot;</extracomment>
        <translation>: codifica mono o estéreo hasta 200000 Hz, con calidades de 0 a 10.</translation>
    </message>
    <message>
        <source>Ogg Vorbis cannot encode %1 (error %2)</source>
        <translation>Ogg Vorbis no puede codificar %1 (error %2)</translation>
    </message>
    <message>
        <source>the Ogg Vorbis writer was already used for a file</source>
        <translation>el escritor de Ogg Vorbis ya se usó para un archivo</translation>
    </message>
    <message>
        <source>cannot create the Ogg Vorbis file %1: %2</source>
        <translation>no se puede crear el archivo Ogg Vorbis %1: %2</translation>
    </message>
    <message>
        <source>no Ogg Vorbis file is open for writing</source>
        <translation>no hay ningún archivo Ogg Vorbis abierto para escritura</translation>
    </message>
    <message>
        <source>cannot write the Ogg Vorbis file %1: %2</source>
        <translation>no se puede escribir el archivo Ogg Vorbis %1: %2</translation>
    </message>
</context>
<context>
    <name>ExtractionRun</name>
    <message>
        <source> the input file doesn&apos;t exist</source>
        <translation> el archivo de entrada no existe</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The output file %1 would replace the video itself. Choose another folder or output format.</source>
        <translation>El archivo de salida %1 reemplazaría al propio vídeo. Elija otra carpeta u otro formato de salida.</translation>
    </message>
    <message>
        <source>The video file %1 could not be deleted.</source>
        <translation>No se pudo eliminar el archivo de vídeo %1.</translation>
    </message>
    <message>
        <source>The frequency &quot;%1&quot; is not a number.</source>
        <translation>La frecuencia «%1» no es un número.</translation>
    </message>
    <message>
        <source>The bit rate &quot;%1&quot; is not a number.</source>
        <translation>La tasa de bits «%1» no es un número.</translation>
    </message>
    <message>
        <source>Choose Mono or Stereo as the channels.</source>
        <translation>Elija mono o estéreo como canales.</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>A message box: %1 says why the sound track could not be extracted</extracomment>
        <translation>Error: %1</translation>
    </message>
</context>
<context>
    <name>FileOps</name>
    <message>
        <source>it does not exist</source>
        <translation>no existe</translation>
    </message>
</context>
<context>
    <name>FlacCueSheet</name>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>track %1 has no index</source>
        <translation>la pista %1 no tiene índice</translation>
    </message>
    <message>
        <source>it is not a legal CD cue sheet</source>
        <translation>no es una hoja CUE de CD válida</translation>
    </message>
    <message>
        <source>The cue sheet could not be put into the FLAC file %1: %2</source>
        <translation>No se pudo incluir la hoja CUE en el archivo FLAC %1: %2</translation>
    </message>
</context>
<context>
    <name>Formats</name>
    <message>
        <source>WMA format is NOT supported in your system, the wma codec may not be installed.!</source>
        <translation>El formato WMA NO es compatible con su sistema; puede que el códec WMA no esté instalado.</translation>
    </message>
    <message>
        <source>MP3 File(.mp3)</source>
        <translation>Archivo MP3 (.mp3)</translation>
    </message>
    <message>
        <source>OGG Vorbis File(.ogg)</source>
        <translation>Archivo Ogg Vorbis (.ogg)</translation>
    </message>
    <message>
        <source>WAV File(.wav)</source>
        <translation>Archivo WAV (.wav)</translation>
    </message>
    <message>
        <source>Window Media Audio File(.wma)</source>
        <translation>Archivo Windows Media Audio (.wma)</translation>
    </message>
    <message>
        <source>FLAC File(.flac)</source>
        <translation>Archivo FLAC (.flac)</translation>
    </message>
    <message>
        <source>Opus File(.opus)</source>
        <translation>Archivo Opus (.opus)</translation>
    </message>
    <message>
        <source>Wav files</source>
        <translation>Archivos WAV</translation>
    </message>
    <message>
        <source>MP3 files</source>
        <translation>Archivos MP3</translation>
    </message>
    <message>
        <source>Ogg Vorbis files</source>
        <translation>Archivos Ogg Vorbis</translation>
    </message>
    <message>
        <source>WMA files</source>
        <translation>Archivos WMA</translation>
    </message>
    <message>
        <source>CD Audio</source>
        <translation>CD de audio</translation>
    </message>
    <message>
        <source>CD Audio files</source>
        <translation>Archivos de CD de audio</translation>
    </message>
    <message>
        <source>FLAC files</source>
        <translation>Archivos FLAC</translation>
    </message>
    <message>
        <source>Opus files</source>
        <translation>Archivos Opus</translation>
    </message>
    <message>
        <source>CD image</source>
        <translation>Imagen de CD</translation>
    </message>
    <message>
        <source>CD images</source>
        <translation>Imágenes de CD</translation>
    </message>
</context>
<context>
    <name>GrabSettings</name>
    <message>
        <source>stored for %1</source>
        <extracomment>Where a drive&apos;s read offset comes from; %1 the drive&apos;s name</extracomment>
        <translation>guardado para %1</translation>
    </message>
</context>
<context>
    <name>HttpGet</name>
    <message>
        <source>%1 sent an answer larger than %2 kB; it was refused.</source>
        <translation>%1 envió una respuesta mayor de %2 kB; se rechazó.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds.</source>
        <translation>%1 no respondió en %2 segundos.</translation>
    </message>
    <message>
        <source>%1 sent the request round in redirects.</source>
        <translation>%1 envió la petición en un bucle de redirecciones.</translation>
    </message>
    <message>
        <source>%1 could not be reached: %2.</source>
        <translation>No se pudo contactar con %1: %2.</translation>
    </message>
    <message>
        <source>%1 broke off its answer: %2.</source>
        <translation>%1 interrumpió su respuesta: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address.</source>
        <translation>«%1» no es una dirección web.</translation>
    </message>
</context>
<context>
    <name>LongJob</name>
    <message>
        <source>1 file written</source>
        <translation>1 archivo escrito</translation>
    </message>
    <message>
        <source>%1 files written</source>
        <translation>%1 archivos escritos</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <extracomment>Follows &quot;3 files written&quot;: the files of the job that failed.</extracomment>
        <translation>, errores: %1.</translation>
    </message>
</context>
<context>
    <name>Loudness</name>
    <message>
        <source>the measurement was stopped</source>
        <translation>se detuvo la medición</translation>
    </message>
    <message>
        <source>Loudness cannot be measured at %1 Hz with %2 channels.</source>
        <translation>No se puede medir la sonoridad a %1 Hz con %2 canales.</translation>
    </message>
    <message>
        <source>A block of %1 samples is not a whole number of %2-channel frames.</source>
        <translation>Un bloque de %1 muestras no es un número entero de tramas de %2 canales.</translation>
    </message>
</context>
<context>
    <name>LoudnessTags</name>
    <message>
        <source>Loudness tags cannot be written: %1 does not exist.</source>
        <translation>No se pueden escribir etiquetas de sonoridad: %1 no existe.</translation>
    </message>
    <message>
        <source>Loudness tags cannot be written into %1: it is not an audio file whose tags can be handled here.</source>
        <translation>No se pueden escribir etiquetas de sonoridad en %1: no es un archivo de audio cuyas etiquetas se puedan manejar aquí.</translation>
    </message>
    <message>
        <source>Loudness tags cannot be written into %1: it cannot be changed.</source>
        <translation>No se pueden escribir etiquetas de sonoridad en %1: no se puede modificar.</translation>
    </message>
    <message>
        <source>Loudness tags cannot be written into %1: its format has no place for them.</source>
        <translation>No se pueden escribir etiquetas de sonoridad en %1: su formato no tiene sitio para ellas.</translation>
    </message>
    <message>
        <source>The loudness tags of %1 could not be saved.</source>
        <translation>No se pudieron guardar las etiquetas de sonoridad de %1.</translation>
    </message>
</context>
<context>
    <name>MP3Settings</name>
    <message>
        <source>error handler</source>
        <translation>gestor de errores</translation>
    </message>
    <message>
        <source>message handler</source>
        <translation>gestor de mensajes</translation>
    </message>
    <message>
        <source>debug handler</source>
        <translation>gestor de depuración</translation>
    </message>
    <message>
        <source>channel count</source>
        <translation>número de canales</translation>
    </message>
    <message>
        <source>input sample rate</source>
        <translation>frecuencia de muestreo de entrada</translation>
    </message>
    <message>
        <source>sample rate</source>
        <translation>frecuencia de muestreo</translation>
    </message>
    <message>
        <source>free format</source>
        <translation>formato libre</translation>
    </message>
    <message>
        <source>channel mode</source>
        <translation>modo de canales</translation>
    </message>
    <message>
        <source>forced joint stereo</source>
        <translation>estéreo conjunto forzado</translation>
    </message>
    <message>
        <source>coding method</source>
        <translation>método de codificación</translation>
    </message>
    <message>
        <source>bitrate</source>
        <translation>tasa de bits</translation>
    </message>
    <message>
        <source>VBR quality</source>
        <translation>calidad VBR</translation>
    </message>
    <message>
        <source>maximum VBR bitrate</source>
        <translation>tasa de bits VBR máxima</translation>
    </message>
    <message>
        <source>enforce minimum bitrate</source>
        <translation>forzar la tasa de bits mínima</translation>
    </message>
    <message>
        <source>ABR bitrate</source>
        <translation>tasa de bits ABR</translation>
    </message>
    <message>
        <source>encoder quality</source>
        <translation>calidad del codificador</translation>
    </message>
    <message>
        <source>VBR header</source>
        <translation>cabecera VBR</translation>
    </message>
    <message>
        <source>bit reservoir</source>
        <translation>reserva de bits</translation>
    </message>
    <message>
        <source>block types</source>
        <translation>tipos de bloque</translation>
    </message>
    <message>
        <source>short blocks</source>
        <translation>bloques cortos</translation>
    </message>
    <message>
        <source>de-emphasis</source>
        <translation>desénfasis</translation>
    </message>
    <message>
        <source>strict ISO</source>
        <translation>ISO estricto</translation>
    </message>
    <message>
        <source>ATH control</source>
        <translation>control ATH</translation>
    </message>
    <message>
        <source>lowpass frequency</source>
        <translation>frecuencia de paso bajo</translation>
    </message>
    <message>
        <source>highpass frequency</source>
        <translation>frecuencia de paso alto</translation>
    </message>
    <message>
        <source>lowpass width</source>
        <translation>anchura de paso bajo</translation>
    </message>
    <message>
        <source>highpass width</source>
        <translation>anchura de paso alto</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC</translation>
    </message>
    <message>
        <source>Phone</source>
        <extracomment>The MP3 presets&apos; names: kinds of sound, from telephone to studio quality.</extracomment>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>OC</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>FM</source>
        <translation>FM</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Cinta</translation>
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
        <translation>Estudio</translation>
    </message>
    <message>
        <source>R3Mix</source>
        <translation>R3Mix</translation>
    </message>
    <message>
        <source>The MP3 %1 %2 is not %3</source>
        <extracomment>%1 an MP3 setting&apos;s name, %2 the value refused, %3 what it may be</extracomment>
        <translation>MP3: el valor %2 de «%1» no es %3</translation>
    </message>
    <message>
        <source>one of %1..%2</source>
        <translation>uno de %1..%2</translation>
    </message>
    <message>
        <source>an MPEG bitrate (8..320 kbit/s)</source>
        <translation>una tasa de bits MPEG (8..320 kbit/s)</translation>
    </message>
    <message>
        <source>-1 (no filter) or one of 1..48000 Hz</source>
        <translation>-1 (sin filtro) o uno de 1..48000 Hz</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation>Estéreo conjunto</translation>
    </message>
    <message>
        <source>Forced Joint Stereo</source>
        <translation>Estéreo conjunto forzado</translation>
    </message>
    <message>
        <source>Dual Channels</source>
        <translation>Canal dual</translation>
    </message>
    <message>
        <source>preset</source>
        <translation>preajuste</translation>
    </message>
    <message>
        <source>an MPEG sample rate (8000..48000 Hz)</source>
        <translation>una frecuencia de muestreo MPEG (8000..48000 Hz)</translation>
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
        <translation>calidad VBR %1 (máx. %2 kbit/s)</translation>
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
        <translation>No se encontró el archivo de vídeo «%1».</translation>
    </message>
    <message>
        <source>Movie file &quot;%1&quot; is not a valid movie.</source>
        <translation>El archivo de vídeo «%1» no es un vídeo válido.</translation>
    </message>
</context>
<context>
    <name>MusicBrainz</name>
    <message>
        <source>MusicBrainz sent an answer that is not JSON (%1).</source>
        <translation>MusicBrainz envió una respuesta que no es JSON (%1).</translation>
    </message>
    <message>
        <source>MusicBrainz knows no release with disc id %1.</source>
        <translation>MusicBrainz no conoce ninguna publicación con el identificador de disco %1.</translation>
    </message>
    <message>
        <source>MusicBrainz could not be asked about disc %1: %2</source>
        <translation>No se pudo consultar a MusicBrainz sobre el disco %1: %2</translation>
    </message>
    <message>
        <source>MusicBrainz answered the look-up of disc %1 with HTTP status %2.</source>
        <translation>MusicBrainz respondió a la consulta del disco %1 con el estado HTTP %2.</translation>
    </message>
    <message>
        <source>The cover archive could not be asked: %1</source>
        <translation>No se pudo consultar el archivo de carátulas: %1</translation>
    </message>
    <message>
        <source>The release has no front cover.</source>
        <translation>La publicación no tiene portada.</translation>
    </message>
    <message>
        <source>The cover archive answered with HTTP status %1.</source>
        <translation>El archivo de carátulas respondió con el estado HTTP %1.</translation>
    </message>
    <message>
        <source>The cover archive sent no picture but %1.</source>
        <translation>El archivo de carátulas no envió una imagen, sino %1.</translation>
    </message>
</context>
<context>
    <name>OffsetSearch</name>
    <message>
        <source>The detection was stopped.</source>
        <translation>Se detuvo la detección.</translation>
    </message>
    <message>
        <source>The disc was changed during the detection.</source>
        <translation>Se cambió el disco durante la detección.</translation>
    </message>
</context>
<context>
    <name>OutputSettings</name>
    <message>
        <source>Incorrect format, try choosing a higher frequency.!</source>
        <translation>Formato incorrecto; pruebe a elegir una frecuencia más alta.</translation>
    </message>
    <message>
        <source>The format %1 cannot be written.</source>
        <translation>No se puede escribir el formato %1.</translation>
    </message>
    <message>
        <source>There is no WMA profile %1 (profiles are 0 to %2).</source>
        <translation>No existe el perfil WMA %1 (los perfiles van de 0 a %2).</translation>
    </message>
    <message>
        <source>WMA cannot be written on this system.</source>
        <translation>No se puede escribir WMA en este sistema.</translation>
    </message>
</context>
<context>
    <name>ProgressInStatusBar</name>
    <message>
        <source>Ready</source>
        <extracomment>Status bar: no conversion is running</extracomment>
        <translation>Listo</translation>
    </message>
    <message>
        <source>File %1 of %2</source>
        <translation>Archivo %1 de %2</translation>
    </message>
    <message>
        <source>Elapsed: %1</source>
        <translation>Transcurrido: %1</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Restante: %1</translation>
    </message>
</context>
<context>
    <name>ReadOffsetFinder</name>
    <message>
        <source>1 track</source>
        <translation>1 pista</translation>
    </message>
    <message>
        <source>%1 tracks</source>
        <translation>%1 pistas</translation>
    </message>
    <message>
        <source>Detected %1 (confirmed by %2)</source>
        <extracomment>%1 is the offset in samples, %2 a count of tracks</extracomment>
        <translation>Detectado %1 (confirmado por %2)</translation>
    </message>
    <message>
        <source>The disc is not in the AccurateRip database, so no read offset can be detected with it; try another disc</source>
        <translation>El disco no está en la base de datos de AccurateRip, así que no sirve para detectar el desplazamiento de lectura; pruebe con otro disco</translation>
    </message>
    <message>
        <source>No track of the disc reaches sector 450 with a checksum in its AccurateRip record, so no read offset can be detected with it; try another disc</source>
        <translation>Ninguna pista del disco llega al sector 450 con una suma de comprobación en su registro de AccurateRip, así que no sirve para detectar el desplazamiento de lectura; pruebe con otro disco</translation>
    </message>
    <message>
        <source>No read offset from %1 to %2 matches the disc&apos;s AccurateRip record (%3 compared)</source>
        <extracomment>%3 is a count of tracks</extracomment>
        <translation>Ningún desplazamiento de lectura de %1 a %2 coincide con el registro de AccurateRip del disco (%3 comparadas)</translation>
    </message>
    <message>
        <source>Offset %1 matches the disc&apos;s AccurateRip record at sector 450 of %2, but no whole track matches: no read offset detected</source>
        <extracomment>%2 is a count of tracks</extracomment>
        <translation>El desplazamiento %1 coincide con el registro de AccurateRip del disco en el sector 450 de %2, pero ninguna pista completa coincide: no se detectó ningún desplazamiento de lectura</translation>
    </message>
    <message>
        <source>The read offset could not be detected: %1</source>
        <translation>No se pudo detectar el desplazamiento de lectura: %1</translation>
    </message>
    <message>
        <source>a disc image names no drive to look up in the drive-offset list</source>
        <translation>una imagen de disco no indica ninguna unidad que buscar en la lista de desplazamientos de unidades</translation>
    </message>
    <message>
        <source>the drive-offset list could not be fetched: %1</source>
        <translation>no se pudo obtener la lista de desplazamientos de unidades: %1</translation>
    </message>
    <message>
        <source>the drive-offset list has no entry for %1</source>
        <translation>la lista de desplazamientos de unidades no tiene ninguna entrada para %1</translation>
    </message>
    <message>
        <source>the drive-offset list gives %1 for %2</source>
        <translation>la lista de desplazamientos de unidades indica %1 para %2</translation>
    </message>
    <message>
        <source>%1, which does not agree: the detected offset is the one kept</source>
        <translation>%1, que no concuerda: se conserva el desplazamiento detectado</translation>
    </message>
</context>
<context>
    <name>RecordingSession</name>
    <message>
        <source>The recording file could not be created.</source>
        <translation>No se pudo crear el archivo de grabación.</translation>
    </message>
</context>
<context>
    <name>ReleaseChoice</name>
    <message>
        <source>Choose the Release</source>
        <translation>Elegir la publicación</translation>
    </message>
    <message>
        <source>MusicBrainz knows this disc from several releases. Choose the one you have:</source>
        <translation>MusicBrainz conoce este disco por varias publicaciones. Elija la que tiene:</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>Column headers of the releases: the record label and the medium (CD, vinyl …)</extracomment>
        <translation>Título</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artista</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Sello</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>%1 (disc %2 of %3)</source>
        <translation>%1 (disco %2 de %3)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>Resampler</name>
    <message>
        <source>Audio conversion failed: %1</source>
        <translation>Falló la conversión del audio: %1</translation>
    </message>
    <message>
        <source>Cannot convert audio from %1 Hz, %2 channels to %3 Hz, %4 channels.</source>
        <translation>No se puede convertir el audio de %1 Hz y %2 canales a %3 Hz y %4 canales.</translation>
    </message>
    <message>
        <source>Cannot set up the audio conversion from %1 Hz to %2 Hz: %3</source>
        <translation>No se puede preparar la conversión del audio de %1 Hz a %2 Hz: %3</translation>
    </message>
</context>
<context>
    <name>RipLog</name>
    <message>
        <source>The rip log &apos;%1&apos; could not be written: %2</source>
        <translation>No se pudo escribir el registro de extracción «%1»: %2</translation>
    </message>
</context>
<context>
    <name>RunPlan</name>
    <message>
        <source>File &apos;%1&apos; is on a CD. Please choose another folder</source>
        <translation>El archivo «%1» está en un CD. Elija otra carpeta</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; is on a CD. Can&apos;t delete this file</source>
        <translation>El archivo «%1» está en un CD. No se puede eliminar</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; is not exist.</source>
        <translation>El archivo «%1» no existe.</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; would be overwritten by its own output.</source>
        <translation>El archivo «%1» se sobrescribiría con su propia salida.</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; would overwrite the output of &apos;%2&apos;. Rename it first.</source>
        <translation>El archivo «%1» sobrescribiría la salida de «%2». Renómbrelo primero.</translation>
    </message>
</context>
<context>
    <name>SettingsTables</name>
    <message>
        <source>  8 000 Hz</source>
        <extracomment>A sampling frequency in the lists; digits grouped as the language groups them</extracomment>
        <translation>  8 000 Hz</translation>
    </message>
    <message>
        <source>11 025 Hz</source>
        <translation>11 025 Hz</translation>
    </message>
    <message>
        <source>12 000 Hz </source>
        <translation>12 000 Hz </translation>
    </message>
    <message>
        <source>16 000 Hz</source>
        <translation>16 000 Hz</translation>
    </message>
    <message>
        <source>22 050 Hz</source>
        <translation>22 050 Hz</translation>
    </message>
    <message>
        <source>24 000 Hz</source>
        <translation>24 000 Hz</translation>
    </message>
    <message>
        <source>32 000 Hz</source>
        <translation>32 000 Hz</translation>
    </message>
    <message>
        <source>44 100 Hz</source>
        <translation>44 100 Hz</translation>
    </message>
    <message>
        <source>48 000 Hz</source>
        <translation>48 000 Hz</translation>
    </message>
</context>
<context>
    <name>SheetSources</name>
    <message>
        <source>The tags could not be written: %1 no longer names the track.</source>
        <translation>No se pudieron escribir las etiquetas: %1 ya no nombra la pista.</translation>
    </message>
    <message>
        <source>The tags could not be written (the source is kept): %1</source>
        <translation>No se pudieron escribir las etiquetas (se conserva el origen): %1</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add audio files to the list (Ctrl+O)</source>
        <translation>Añadir archivos de audio a la lista (Ctrl+O)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove the selected files from the list (Ctrl+D)</source>
        <translation>Quitar de la lista los archivos seleccionados (Ctrl+D)</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Convert the files in the list</source>
        <translation>Convertir los archivos de la lista</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Record sound</source>
        <translation>Grabar sonido</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Open the help</source>
        <translation>Abrir la ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>About Velloria Audio Converter</source>
        <translation>Acerca del conversor de audio Velloria</translation>
    </message>
    <message>
        <source>About Velloria Audio Extractor</source>
        <translation>Acerca del extractor de audio Velloria</translation>
    </message>
</context>
<context>
    <name>SkinControl</name>
    <message>
        <source>Skin file &quot;%1&quot; could not be found.</source>
        <translation>No se encontró el archivo de tema «%1».</translation>
    </message>
    <message>
        <source>Skin file &quot;%1&quot; is not a valid skin.</source>
        <translation>El archivo de tema «%1» no es un tema válido.</translation>
    </message>
    <message>
        <source>Skin file &quot;%1&quot; is not a valid skin: it names no window section.</source>
        <translation>El archivo de tema «%1» no es un tema válido: no nombra ninguna sección de ventana.</translation>
    </message>
    <message>
        <source>Skin file &quot;%1&quot;: the picture &quot;%2&quot; of section &quot;%3&quot; could not be read.</source>
        <translation>Archivo de tema «%1»: no se pudo leer la imagen «%2» de la sección «%3».</translation>
    </message>
    <message>
        <source>Skin &quot;%1&quot;: no window to skin.</source>
        <translation>Tema «%1»: no hay ninguna ventana a la que aplicarlo.</translation>
    </message>
    <message>
        <source>Skin file &quot;%1&quot; has no element &quot;%2&quot;.</source>
        <translation>El archivo de tema «%1» no tiene el elemento «%2».</translation>
    </message>
    <message>
        <source>No skin file has been loaded.</source>
        <translation>No se ha cargado ningún archivo de tema.</translation>
    </message>
</context>
<context>
    <name>SplashControl</name>
    <message>
        <source>Splash file &quot;%1&quot; could not be found.</source>
        <translation>No se encontró el archivo de bienvenida «%1».</translation>
    </message>
    <message>
        <source>Splash file &quot;%1&quot; is not a valid splash file.</source>
        <translation>El archivo de bienvenida «%1» no es válido.</translation>
    </message>
    <message>
        <source>Splash file &quot;%1&quot;: the picture &quot;%2&quot; could not be read.</source>
        <translation>Archivo de bienvenida «%1»: no se pudo leer la imagen «%2».</translation>
    </message>
    <message>
        <source>No splash file has been loaded.</source>
        <translation>No se ha cargado ningún archivo de bienvenida.</translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>VideoFile</name>
    <message>
        <source>The sound track of %1 ends after %2 s of the %3 s its file states: the file is incomplete.</source>
        <translation>La pista de sonido de %1 termina a los %2 s de los %3 s que indica su archivo: el archivo está incompleto.</translation>
    </message>
    <message>
        <source>The video could not be opened.</source>
        <translation>No se pudo abrir el vídeo.</translation>
    </message>
</context>
<context>
    <name>WavFormatChooser</name>
    <message>
        <source>Sound Format</source>
        <translation>Formato de sonido</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>%1 bit</source>
        <translation>%1 bits</translation>
    </message>
    <message>
        <source>Sample rate:</source>
        <translation>Frecuencia de muestreo:</translation>
    </message>
    <message>
        <source>Bits per sample:</source>
        <translation>Bits por muestra:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canales:</translation>
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
        <translation>Convirtiendo archivos de audio</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversión finalizada</translation>
    </message>
    <message>
        <source>These files could not be converted:</source>
        <translation>No se pudieron convertir estos archivos:</translation>
    </message>
    <message>
        <source>You must select the output folder.!</source>
        <translation>Debe seleccionar la carpeta de salida.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be created.</source>
        <translation>No se pudo crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>No files selected, Convert the whole list?!</source>
        <translation>No hay archivos seleccionados. ¿Convertir toda la lista?</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <translation>Conversor de audio</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Archivos que convertir</translation>
    </message>
    <message>
        <source>Add files with Ctrl+O or by dropping them here</source>
        <translation>Añada archivos con Ctrl+O o soltándolos aquí</translation>
    </message>
    <message>
        <source>Output to same folder as original</source>
        <translation>Guardar en la misma carpeta que el original</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Delete source file(s) after conversion</source>
        <translation>Eliminar los archivos de origen tras la conversión</translation>
    </message>
    <message>
        <source>Preserve ID Tags</source>
        <translation>Conservar las etiquetas</translation>
    </message>
    <message>
        <source>Configure CD Parameters</source>
        <translation>Configurar parámetros del CD</translation>
    </message>
    <message>
        <source>Rename Output Files...</source>
        <translation>Renombrar archivos de salida...</translation>
    </message>
    <message>
        <source>Use every processor core</source>
        <translation>Usar todos los núcleos del procesador</translation>
    </message>
    <message>
        <source>Convert several files at once; the results are the same as one at a time</source>
        <translation>Convertir varios archivos a la vez; el resultado es el mismo que de uno en uno</translation>
    </message>
    <message>
        <source>Write loudness tags (ReplayGain)</source>
        <translation>Escribir etiquetas de sonoridad (ReplayGain)</translation>
    </message>
    <message>
        <source>Measure each output and each album (the files of one source folder) and tag them so that players play them at one level</source>
        <translation>Medir cada salida y cada álbum (los archivos de una carpeta de origen) y etiquetarlos para que los reproductores los reproduzcan al mismo nivel</translation>
    </message>
    <message>
        <source>Name outputs by pattern</source>
        <translation>Nombrar las salidas con un patrón</translation>
    </message>
    <message>
        <source>Output name pattern</source>
        <translation>Patrón del nombre de salida</translation>
    </message>
    <message>
        <source>Fields: {artist} {album} {albumartist} {title} {track} {disc} {year} {genre} {name}; a &quot;/&quot; makes a folder</source>
        <extracomment>The field names in braces are what the pattern takes: keep them as they are</extracomment>
        <translation>Campos: {artist} {album} {albumartist} {title} {track} {disc} {year} {genre} {name}; una «/» crea una carpeta</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>Convertir a:</translation>
    </message>
    <message>
        <source>Configure...</source>
        <translation>Configurar...</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Convert &gt;&gt;</source>
        <translation>Convertir &gt;&gt;</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Órdenes</translation>
    </message>
    <message>
        <source>%p%</source>
        <extracomment>The progress bar&apos;s text: %p is the percentage done</extracomment>
        <translation>%p %</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Popup menu of the file list: plays the focused file as a preview</extracomment>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Audio Conv.</source>
        <extracomment>The program&apos;s short title, on its message boxes</extracomment>
        <translation>Conv. audio</translation>
    </message>
    <message>
        <source>Open Input Audio File</source>
        <translation>Abrir archivo de audio de entrada</translation>
    </message>
    <message>
        <source>The CUE sheet &apos;%1&apos; could not be opened: %2</source>
        <translation>No se pudo abrir la hoja CUE «%1»: %2</translation>
    </message>
    <message>
        <source>The disc image &apos;%1&apos; could not be opened: %2</source>
        <translation>No se pudo abrir la imagen de disco «%1»: %2</translation>
    </message>
    <message>
        <source>You must select on the audio file that you want to delete it</source>
        <translation>Debe seleccionar el archivo de audio que quiere eliminar</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Popup menu of the file list: stops the preview</extracomment>
        <translation>Detener</translation>
    </message>
    <message>
        <source>The file cannot be played:
%1
%2</source>
        <translation>No se puede reproducir el archivo:
%1
%2</translation>
    </message>
</context>
<context>
    <name>frmFlacSettings</name>
    <message>
        <source>0 (fastest)</source>
        <translation>0 (más rápido)</translation>
    </message>
    <message>
        <source>5 (default)</source>
        <translation>5 (predeterminado)</translation>
    </message>
    <message>
        <source>8 (smallest)</source>
        <translation>8 (más pequeño)</translation>
    </message>
    <message>
        <source>FLAC Settings</source>
        <translation>Configuración de FLAC</translation>
    </message>
    <message>
        <source>Compression &amp;level:</source>
        <translation>&amp;Nivel de compresión:</translation>
    </message>
    <message>
        <source>&amp;Verify while encoding (slower)</source>
        <translation>&amp;Verificar al codificar (más lento)</translation>
    </message>
    <message>
        <source>Lossless: the source&apos;s rate and channels are kept, and its bit depth up to 24 bits (16 bits for sources that have none).</source>
        <translation>Sin pérdida: se conservan la frecuencia y los canales del origen, y su profundidad de bits hasta 24 bits (16 bits para orígenes que no la tienen).</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>frmMP3Settings</name>
    <message>
        <source>MP3 Lame 3.91 Encoder Settings</source>
        <translation>Configuración del codificador MP3 Lame 3.91</translation>
    </message>
    <message>
        <source>MP3 Lame Encoder</source>
        <translation>Codificador MP3 Lame</translation>
    </message>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation>Tasa de bits actual: %1 kbit</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Preajuste:</translation>
    </message>
    <message>
        <source>Current Preset:</source>
        <translation>Preajuste actual:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>&amp;Hide Advanced Options</source>
        <translation>&amp;Ocultar opciones avanzadas</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>&amp;Advanced Options</source>
        <translation>Opciones &amp;avanzadas</translation>
    </message>
    <message>
        <source>Sampling Frequency</source>
        <translation>Frecuencia de muestreo</translation>
    </message>
    <message>
        <source>Encoder Quality</source>
        <translation>Calidad del codificador</translation>
    </message>
    <message>
        <source>Channels Mode</source>
        <translation>Modo de canales</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation>Estéreo conjunto</translation>
    </message>
    <message>
        <source>Forced Joint Stereo</source>
        <translation>Estéreo conjunto forzado</translation>
    </message>
    <message>
        <source>Dual Channels</source>
        <translation>Canal dual</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>LowPass Filter</source>
        <translation>Filtro de paso bajo</translation>
    </message>
    <message>
        <source>Lowpass filtering frequency (in Hz):</source>
        <translation>Frecuencia del filtro de paso bajo (en Hz):</translation>
    </message>
    <message>
        <source>Width of Lowpass filter (in Hz):</source>
        <translation>Anchura del filtro de paso bajo (en Hz):</translation>
    </message>
    <message>
        <source>HighPass Filter</source>
        <translation>Filtro de paso alto</translation>
    </message>
    <message>
        <source>Highpass filtering frequency (in Hz):</source>
        <translation>Frecuencia del filtro de paso alto (en Hz):</translation>
    </message>
    <message>
        <source>Width of Highpass filter (in Hz):</source>
        <translation>Anchura del filtro de paso alto (en Hz):</translation>
    </message>
    <message>
        <source>Coding Method:</source>
        <translation>Método de codificación:</translation>
    </message>
    <message>
        <source>None</source>
        <comment>VBR coding method</comment>
        <extracomment>VBR coding methods of the MP3 encoder: none (constant bitrate), the encoder&apos;s default, its old and new VBR routines, MTRH and average bitrate</extracomment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>VBR coding method</comment>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Old</source>
        <comment>VBR coding method</comment>
        <translation>Antiguo</translation>
    </message>
    <message>
        <source>New</source>
        <comment>VBR coding method</comment>
        <translation>Nuevo</translation>
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
        <translation>Calidad VBR:</translation>
    </message>
    <message>
        <source>Targed bitrate for ABR:</source>
        <translation>Tasa de bits objetivo para ABR:</translation>
    </message>
    <message>
        <source>Maximum VBR Bitrate</source>
        <translation>Tasa de bits VBR máxima</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Strictly enforce minimum bitrate</source>
        <translation>Forzar estrictamente la tasa de bits mínima</translation>
    </message>
    <message>
        <source>Write VBR Header</source>
        <translation>Escribir cabecera VBR</translation>
    </message>
    <message>
        <source>comply as much as possible to ISO MPEG spec</source>
        <translation>cumplir en lo posible la especificación ISO MPEG</translation>
    </message>
    <message>
        <source>short blocks</source>
        <translation>bloques cortos</translation>
    </message>
    <message>
        <source>bit reservoir</source>
        <translation>reserva de bits</translation>
    </message>
    <message>
        <source>allow block types to differ between channels</source>
        <translation>permitir tipos de bloque distintos entre canales</translation>
    </message>
    <message>
        <source>include CRC -Checksums</source>
        <translation>incluir sumas de comprobación CRC</translation>
    </message>
    <message>
        <source>ATH Control:</source>
        <translation>Control ATH:</translation>
    </message>
    <message>
        <source>default</source>
        <comment>ATH control</comment>
        <extracomment>How the MP3 encoder uses the absolute threshold of hearing (ATH)</extracomment>
        <translation>predeterminado</translation>
    </message>
    <message>
        <source>only</source>
        <comment>ATH control</comment>
        <translation>solo</translation>
    </message>
    <message>
        <source>disabled</source>
        <comment>ATH control</comment>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>only for short blocks</source>
        <comment>ATH control</comment>
        <translation>solo para bloques cortos</translation>
    </message>
    <message>
        <source>De-emphasis :</source>
        <translation>Desénfasis:</translation>
    </message>
    <message>
        <source>default</source>
        <comment>de-emphasis</comment>
        <translation>predeterminado</translation>
    </message>
    <message>
        <source>0/15 microseconds</source>
        <translation>0/15 microsegundos</translation>
    </message>
    <message>
        <source>citt j.17</source>
        <translation>CCITT J.17</translation>
    </message>
    <message>
        <source>better</source>
        <extracomment>The ends of the encoder quality slider</extracomment>
        <translation>mejor</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>más rápido</translation>
    </message>
    <message>
        <source>poor quality </source>
        <extracomment>The ends of the bitrate slider</extracomment>
        <translation>baja calidad </translation>
    </message>
    <message>
        <source>good quality </source>
        <translation>buena calidad </translation>
    </message>
    <message>
        <source>Filtering</source>
        <translation>Filtrado</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>None</source>
        <comment>MP3 preset</comment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>These MP3 settings cannot be written:

%1</source>
        <translation>No se pueden escribir estos ajustes de MP3:

%1</translation>
    </message>
</context>
<context>
    <name>frmOggSettings</name>
    <message>
        <source>OGG Vorbis Settings</source>
        <translation>Configuración de Ogg Vorbis</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opción</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Sampling Frequency</source>
        <translation>Frecuencia de muestreo</translation>
    </message>
    <message>
        <source>Channels Mode</source>
        <translation>Modo de canales</translation>
    </message>
    <message>
        <source>Quality (Compression)</source>
        <translation>Calidad (compresión)</translation>
    </message>
    <message>
        <source>VBR Enabled</source>
        <translation>VBR activada</translation>
    </message>
    <message>
        <source>Quality Enabled</source>
        <translation>Calidad activada</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Current nominal bitrate: %1 kbit</source>
        <translation>Tasa de bits nominal actual: %1 kbit</translation>
    </message>
    <message>
        <source>Current min bitrate: %1 kbit</source>
        <translation>Tasa de bits mínima actual: %1 kbit</translation>
    </message>
    <message>
        <source>Current max bitrate: %1 kbit</source>
        <translation>Tasa de bits máxima actual: %1 kbit</translation>
    </message>
</context>
<context>
    <name>frmOpusSettings</name>
    <message>
        <source>Opus Settings</source>
        <translation>Configuración de Opus</translation>
    </message>
    <message>
        <source>&amp;Bitrate:</source>
        <translation>&amp;Tasa de bits:</translation>
    </message>
    <message>
        <source> kbit/s</source>
        <extracomment>Unit after the bitrate, with its leading space</extracomment>
        <translation> kbit/s</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Modo:</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Constrained VBR</source>
        <translation>VBR restringida</translation>
    </message>
    <message>
        <source>CBR</source>
        <translation>CBR</translation>
    </message>
    <message>
        <source>C&amp;omplexity:</source>
        <translation>C&amp;omplejidad:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>%1 kbit/s, %2. Encoded at 48 000 Hz; the source&apos;s rate is kept as the original rate.</source>
        <translation>%1 kbit/s, %2. Se codifica a 48 000 Hz; la frecuencia del origen se conserva como frecuencia original.</translation>
    </message>
</context>
<context>
    <name>frmWavSettings</name>
    <message>
        <source>WAV Format set to CD quality</source>
        <translation>Formato WAV ajustado a calidad de CD</translation>
    </message>
    <message>
        <source>Settings set to CD quality</source>
        <translation>Ajustes establecidos a calidad de CD</translation>
    </message>
    <message>
        <source>WAV Settings</source>
        <translation>Configuración de WAV</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>44100 Hz, 16 bit, Stereo</source>
        <translation>44100 Hz, 16 bits, estéreo</translation>
    </message>
    <message>
        <source>Change Format</source>
        <translation>Cambiar formato</translation>
    </message>
    <message>
        <source>To CD Quality</source>
        <translation>Calidad de CD</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The selected format is unavailable.</source>
        <translation>El formato seleccionado no está disponible.</translation>
    </message>
</context>
<context>
    <name>frmWmaSettings</name>
    <message>
        <source>WMA Settings</source>
        <translation>Configuración de WMA</translation>
    </message>
    <message>
        <source>WMA Profile:</source>
        <translation>Perfil WMA:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>WMA is not Supported in your system,Install WMA codec.!</source>
        <translation>WMA no es compatible con su sistema; instale el códec WMA.</translation>
    </message>
</context>
<context>
    <name>frmmainpro</name>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <translation>Conversor de audio</translation>
    </message>
    <message>
        <source>Audio Extractor</source>
        <translation>Extractor de audio</translation>
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
        <translation>no se pudo crear la carpeta «%1»: %2</translation>
    </message>
    <message>
        <source> (%1 error blocks)</source>
        <translation> (%1 bloques con errores)</translation>
    </message>
    <message>
        <source>written %1 -&gt; %2%3</source>
        <extracomment>A result line: %1 the source, %2 the output, %3 nothing or &quot; (N error blocks)&quot;</extracomment>
        <translation>escrito %1 -&gt; %2%3</translation>
    </message>
    <message>
        <source>rip log %1</source>
        <translation>registro de extracción %1</translation>
    </message>
    <message>
        <source>skipped %1 (%2 exists)</source>
        <translation>omitido %1 (%2 existe)</translation>
    </message>
    <message>
        <source>failed: %1: %2</source>
        <translation>error: %1: %2</translation>
    </message>
    <message>
        <source>%1 written, %2 skipped, %3 failed</source>
        <translation>escritos: %1, omitidos: %2, fallidos: %3</translation>
    </message>
    <message>
        <source> %1 left</source>
        <extracomment>The time the run has left, after the progress line</extracomment>
        <translation> quedan %1</translation>
    </message>
    <message>
        <source>the output could not be put in place of &apos;%1&apos;</source>
        <translation>no se pudo colocar la salida en lugar de «%1»</translation>
    </message>
    <message>
        <source>the video could not be deleted: %1</source>
        <translation>no se pudo eliminar el vídeo: %1</translation>
    </message>
    <message>
        <source>the sound track was not written</source>
        <translation>no se escribió la pista de sonido</translation>
    </message>
    <message>
        <source>interrupted (run again with --existing skip to complete)</source>
        <extracomment>Option names and their values stay as they are</extracomment>
        <translation>interrumpido (vuelva a ejecutarlo con --existing skip para completarlo)</translation>
    </message>
    <message>
        <source>interrupted; %1 file(s) not converted (run again with --existing skip to complete)</source>
        <extracomment>Option names and their values stay as they are</extracomment>
        <translation>interrumpido; %1 archivos sin convertir (vuelva a ejecutarlo con --existing skip para completarlo)</translation>
    </message>
    <message>
        <source>the disc image &apos;%1&apos; could not be opened: %2</source>
        <translation>no se pudo abrir la imagen de disco «%1»: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither a disc image nor a CD drive of this machine</source>
        <translation>«%1» no es una imagen de disco ni una unidad de CD de esta máquina</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no audio tracks</source>
        <translation>«%1» no contiene pistas de audio</translation>
    </message>
    <message>
        <source>the disc has no audio track %1</source>
        <translation>el disco no tiene la pista de audio %1</translation>
    </message>
    <message>
        <source>%1 exists and the disc&apos;s one file is named after the disc (use --existing skip or overwrite)</source>
        <extracomment>Option names and their values stay as they are</extracomment>
        <translation>%1 existe y el archivo único del disco lleva el nombre del disco (use --existing skip u overwrite)</translation>
    </message>
    <message>
        <source>Finding the read offset of %1 …</source>
        <extracomment>%1 is the drive&apos;s name, or the device or image given</extracomment>
        <translation>Buscando el desplazamiento de lectura de %1…</translation>
    </message>
    <message>
        <source>Kept as the read offset of %1.</source>
        <translation>Se guarda como desplazamiento de lectura de %1.</translation>
    </message>
    <message>
        <source>the folder &apos;%1&apos; cannot be written: %2</source>
        <translation>no se puede escribir en la carpeta «%1»: %2</translation>
    </message>
    <message>
        <source>%1 must be a whole number from 1 to %2, not &apos;%3&apos;</source>
        <extracomment>%1 is an option&apos;s name, %3 the value given</extracomment>
        <translation>%1 debe ser un número entero de 1 a %2, no «%3»</translation>
    </message>
    <message>
        <source>%1 must be one of %2, not &apos;%3&apos;</source>
        <extracomment>%1 is an option&apos;s name, %2 its values (they stay as they are), %3 the value given</extracomment>
        <translation>%1 debe ser uno de %2, no «%3»</translation>
    </message>
    <message>
        <source>--shard must be K/N with 1 &lt;= K &lt;= N, not &apos;%1&apos;</source>
        <translation>--shard debe ser K/N con 1 &lt;= K &lt;= N, no «%1»</translation>
    </message>
    <message>
        <source>--quality and --mode do not apply to --extract (it takes --bitrate)</source>
        <translation>--quality y --mode no se aplican a --extract (admite --bitrate)</translation>
    </message>
    <message>
        <source>--jobs does not apply to --extract (videos are extracted one at a time)</source>
        <translation>--jobs no se aplica a --extract (los vídeos se extraen de uno en uno)</translation>
    </message>
    <message>
        <source>--no-tags does not apply to --extract (it copies no tags)</source>
        <translation>--no-tags no se aplica a --extract (no copia etiquetas)</translation>
    </message>
    <message>
        <source>--replaygain does not apply to --extract</source>
        <translation>--replaygain no se aplica a --extract</translation>
    </message>
    <message>
        <source>--format must be one of %1, not &apos;%2&apos;</source>
        <translation>--format debe ser uno de %1, no «%2»</translation>
    </message>
    <message>
        <source>--quality must be a number from -1 to 10, not &apos;%1&apos;</source>
        <translation>--quality debe ser un número de -1 a 10, no «%1»</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output necesita una carpeta</translation>
    </message>
    <message>
        <source>--pattern must not be empty</source>
        <translation>--pattern no puede estar vacío</translation>
    </message>
    <message>
        <source>--pattern has an unknown placeholder %1</source>
        <translation>--pattern tiene un marcador desconocido %1</translation>
    </message>
    <message>
        <source>--pattern must stay inside the output folder (no leading &apos;/&apos;, no &apos;..&apos;)</source>
        <translation>--pattern debe quedar dentro de la carpeta de salida (sin «/» inicial ni «..»)</translation>
    </message>
    <message>
        <source>--tracks must be a list like 1-5,7, not &apos;%1&apos;</source>
        <translation>--tracks debe ser una lista como 1-5,7, no «%1»</translation>
    </message>
    <message>
        <source>--files-from needs a file, or - for standard input</source>
        <translation>--files-from necesita un archivo, o - para la entrada estándar</translation>
    </message>
    <message>
        <source>--sample-rate must be at least 8000 Hz, not &apos;%1&apos;</source>
        <translation>--sample-rate debe ser de al menos 8000 Hz, no «%1»</translation>
    </message>
    <message>
        <source>--json and --quiet cannot be used together</source>
        <translation>--json y --quiet no se pueden usar juntos</translation>
    </message>
    <message>
        <source>--tracks needs --cd</source>
        <translation>--tracks necesita --cd</translation>
    </message>
    <message>
        <source>--test-and-copy needs --cd</source>
        <translation>--test-and-copy necesita --cd</translation>
    </message>
    <message>
        <source>--find-offset needs --cd</source>
        <translation>--find-offset necesita --cd</translation>
    </message>
    <message>
        <source>--one-file needs --cd</source>
        <translation>--one-file necesita --cd</translation>
    </message>
    <message>
        <source>--one-file rips the whole disc: give no --tracks with it</source>
        <translation>--one-file extrae el disco entero: no indique --tracks con él</translation>
    </message>
    <message>
        <source>--one-file names its file after the disc: use --existing skip or overwrite with it</source>
        <translation>--one-file nombra su archivo según el disco: use --existing skip u overwrite con él</translation>
    </message>
    <message>
        <source>-0 goes with --files-from</source>
        <translation>-0 va con --files-from</translation>
    </message>
    <message>
        <source>--replaygain measures each album whole and cannot be split with --shard</source>
        <translation>--replaygain mide cada álbum entero y no se puede dividir con --shard</translation>
    </message>
    <message>
        <source>--cd converts the disc&apos;s tracks: give no files with it</source>
        <translation>--cd convierte las pistas del disco: no indique archivos con él</translation>
    </message>
    <message>
        <source>--cd and --extract cannot be used together</source>
        <translation>--cd y --extract no se pueden usar juntos</translation>
    </message>
    <message>
        <source>no file or folder given</source>
        <translation>no se indicó ningún archivo ni carpeta</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>la opción «%1» necesita un valor</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>la opción «%1» no admite valores</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last of a list of choices, e.g. &quot;mp3, ogg or opus&quot;</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>Usage: velloria-convert [OPTIONS] FILE|FOLDER...
       velloria-convert [OPTIONS] --files-from LIST|- [-0] [FILE|FOLDER...]
       velloria-convert [OPTIONS] --extract VIDEO|FOLDER...
       velloria-convert [OPTIONS] --cd DEVICE|IMAGE [--tracks LIST | --one-file] [--test-and-copy]
       velloria-convert --cd DEVICE|IMAGE --find-offset
</source>
        <extracomment>The program&apos;s name, the option names and their argument names stay as they are</extracomment>
        <translation>Uso:   velloria-convert [OPTIONS] FILE|FOLDER...
       velloria-convert [OPTIONS] --files-from LIST|- [-0] [FILE|FOLDER...]
       velloria-convert [OPTIONS] --extract VIDEO|FOLDER...
       velloria-convert [OPTIONS] --cd DEVICE|IMAGE [--tracks LIST | --one-file] [--test-and-copy]
       velloria-convert --cd DEVICE|IMAGE --find-offset
</translation>
    </message>
    <message>
        <source>Converts audio files with the settings the converter window stored; each option overrides one.
</source>
        <translation>Convierte archivos de audio con los ajustes guardados en la ventana del conversor; cada opción
sustituye uno.
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
        <translation>  -b, --bitrate KBPS      tasa de bits en kbit/s (MP3, Ogg Vorbis, Opus)
</translation>
    </message>
    <message>
        <source>  -q, --quality Q         MP3: VBR quality 0 (best) to 9; Ogg Vorbis: quality 0 to 10;
                          FLAC: compression level 0 to 8
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>  -q, --quality Q         MP3: calidad VBR de 0 (la mejor) a 9; Ogg Vorbis: calidad de 0 a 10;
                          FLAC: nivel de compresión de 0 a 8
</translation>
    </message>
    <message>
        <source>      --mode MODE         cbr, vbr or abr (MP3); Ogg Vorbis: cbr or abr manage the bitrate,
                          vbr uses quality; Opus: abr is constrained VBR
</source>
        <extracomment>An option of the help: the option&apos;s names, argument and values stay as they are</extracomment>
        <translation>      --mode MODE         cbr, vbr o abr (MP3); Ogg Vorbis: cbr o abr gestionan la tasa de bits,
                          vbr usa la calidad; Opus: abr es VBR restringida
</translation>
    </message>
    <message>
        <source>      --sample-rate HZ    the rate written (MP3, Ogg Vorbis, WAV, --extract)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --sample-rate HZ    la frecuencia escrita (MP3, Ogg Vorbis, WAV, --extract)
</translation>
    </message>
    <message>
        <source>      --channels 1|2      mono or stereo (MP3, Ogg Vorbis, WAV, --extract)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --channels 1|2      mono o estéreo (MP3, Ogg Vorbis, WAV, --extract)
</translation>
    </message>
    <message>
        <source>  -o, --output DIR        write under DIR (created when missing); default: beside each source
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>  -o, --output DIR        escribir dentro de DIR (se crea si falta); predeterminado: junto a cada
                          origen
</translation>
    </message>
    <message>
        <source>  -p, --pattern PATTERN   output name without extension, from {artist} {album} {albumartist}
                          {title} {track} {disc} {year} {genre}, {name} (the source&apos;s name
                          without its extension) and {dir} (its folder relative to the folder
                          given); default {name}, or {dir}/{name} with -r
</source>
        <extracomment>An option of the help: the option&apos;s names, argument and the placeholders in braces stay as they are</extracomment>
        <translation>  -p, --pattern PATTERN   nombre de salida sin extensión, a partir de {artist} {album}
                          {albumartist} {title} {track} {disc} {year} {genre}, {name} (el nombre
                          del origen sin su extensión) y {dir} (su carpeta relativa a la carpeta
                          indicada); predeterminado {name}, o {dir}/{name} con -r
</translation>
    </message>
    <message>
        <source>  -r, --recursive         convert the audio files in folders and below: beside each file, or
                          keeping the tree under -o
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>  -r, --recursive         convertir los archivos de audio de las carpetas y subcarpetas: junto a
                          cada archivo, o conservando el árbol dentro de -o
</translation>
    </message>
    <message>
        <source>      --files-from LIST   also convert the files named in LIST, one a line (- : standard input)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --files-from LIST   convertir también los de LIST, uno por línea (- : entrada estándar)
</translation>
    </message>
    <message>
        <source>  -0, --null              the names in LIST end in NUL characters instead of new lines
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>  -0, --null              los nombres de LIST terminan en caracteres NUL en lugar de saltos de
                          línea
</translation>
    </message>
    <message>
        <source>      --shard K/N         convert only the K-th of N equal slices of the planned files (for
                          job arrays: the N commands together convert every file once)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --shard K/N         convertir solo la K-ésima de N partes iguales de los archivos previstos
                          (para arreglos de trabajos: las N órdenes juntas convierten cada archivo
                          una vez)
</translation>
    </message>
    <message>
        <source>      --existing WHAT     skip (default), overwrite or rename outputs that exist already
</source>
        <extracomment>An option of the help: the option&apos;s names, argument and values stay as they are</extracomment>
        <translation>      --existing WHAT     skip (predeterminado), overwrite o rename para las salidas que ya
                          existen
</translation>
    </message>
    <message>
        <source>  -j, --jobs N            files converted at once (default: one per core)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>  -j, --jobs N            archivos convertidos a la vez (predeterminado: uno por núcleo)
</translation>
    </message>
    <message>
        <source>      --delete-source     delete each source once its whole output is written
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --delete-source     eliminar cada origen una vez escrita toda su salida
</translation>
    </message>
    <message>
        <source>      --no-tags           do not copy the tags
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --no-tags           no copiar las etiquetas
</translation>
    </message>
    <message>
        <source>      --replaygain        write loudness tags (ReplayGain; R128 gains in Opus), an album being the
                          files of one source folder (skipped outputs included, measured
                          from their files); an album with a failed file gets no album values
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --replaygain        escribir etiquetas de sonoridad (ReplayGain; ganancias R128 en Opus); un
                          álbum son los archivos de una carpeta de origen (incluidas las salidas
                          omitidas, medidas a partir de sus archivos); un álbum con un archivo
                          fallido no recibe valores de álbum
</translation>
    </message>
    <message>
        <source>      --extract           the sound track of videos, with the extractor&apos;s stored settings
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --extract           la pista de sonido de vídeos, con los ajustes guardados del extractor
</translation>
    </message>
    <message>
        <source>      --cd DEVICE|IMAGE   rip the audio tracks of a disc (a drive such as /dev/sr0, or a .cue,
                          .toc or .nrg image) with the stored ripping options; default output
                          folder: the current one; {title}, {artist}, {album} from the disc
                          information found earlier (cdplayer.ini) or the disc&apos;s CD-Text
</source>
        <extracomment>An option of the help: the option&apos;s names and argument, the device, file types and file names stay as they are</extracomment>
        <translation>      --cd DEVICE|IMAGE   extraer las pistas de audio de un disco (una unidad como /dev/sr0, o una
                          imagen .cue, .toc o .nrg) con las opciones de extracción guardadas;
                          carpeta de salida predeterminada: la actual; {title}, {artist}, {album}
                          de la información del disco obtenida antes (cdplayer.ini) o del CD-Text
                          del disco
</translation>
    </message>
    <message>
        <source>      --tracks LIST       only these tracks, e.g. 1-5,7 (0: audio hidden before track 1)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --tracks LIST       solo estas pistas, p. ej. 1-5,7 (0: audio oculto antes de la pista 1)
</translation>
    </message>
    <message>
        <source>      --one-file          the whole disc into one FLAC file (WAV with -f wav), named
                          &quot;ARTIST - ALBUM&quot;, with its CUE sheet beside it and inside it
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --one-file          el disco entero en un solo archivo FLAC (WAV con -f wav), llamado
                          &quot;ARTIST - ALBUM&quot;, con su hoja CUE junto a él y dentro de él
</translation>
    </message>
    <message>
        <source>      --find-offset       find the --cd drive&apos;s read offset from a disc in AccurateRip (and look
                          the drive up in AccurateRip&apos;s drive-offset list) instead of ripping;
                          an offset detected is kept for the drive in the ripping options
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --find-offset       hallar el desplazamiento de lectura de la unidad de --cd con un disco
                          que esté en AccurateRip (y buscar la unidad en la lista de
                          desplazamientos de AccurateRip) en lugar de extraer; el desplazamiento
                          detectado se guarda para la unidad en las opciones de extracción
</translation>
    </message>
    <message>
        <source>      --test-and-copy     read each track twice and compare the CRC32s of the two reads
                          (the rip log beside the tracks, &lt;album&gt;.log and .json, has both)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument, and the file names, stay as they are</extracomment>
        <translation>      --test-and-copy     leer cada pista dos veces y comparar los CRC32 de ambas lecturas (el
                          registro de extracción junto a las pistas, &lt;album&gt;.log y .json, contiene
                          ambos)
</translation>
    </message>
    <message>
        <source>      --json              one JSON object per line: started, progress, written, skipped, failed
</source>
        <extracomment>An option of the help: the option&apos;s names and the event names stay as they are</extracomment>
        <translation>      --json              un objeto JSON por línea: started, progress, written, skipped, failed
</translation>
    </message>
    <message>
        <source>      --quiet             print nothing but failures
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --quiet             no mostrar nada salvo los fallos
</translation>
    </message>
    <message>
        <source>      --version           print the version and exit
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --version           mostrar la versión y salir
</translation>
    </message>
    <message>
        <source>  -h, --help              print this help and exit
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>  -h, --help              mostrar esta ayuda y salir
</translation>
    </message>
    <message>
        <source>Progress goes to standard error, one result line per file to standard output.
</source>
        <translation>El progreso va a la salida de error estándar; una línea de resultado por archivo a la salida
estándar.
</translation>
    </message>
    <message>
        <source>Exit status: 0 when every file was converted or skipped, 1 when some failed or the run was
interrupted, 2 for a usage error, 3 when every CD track was written but not all of them exactly
(unreadable sectors, test and copy reads that differ, or an AccurateRip checksum that does not
match).
</source>
        <translation>Código de salida: 0 si todos los archivos se convirtieron u omitieron, 1 si alguno falló o la
ejecución se interrumpió, 2 por un error de uso, 3 si se escribieron todas las pistas del CD pero
no todas con exactitud (sectores ilegibles, lecturas de prueba y copia que difieren, o una suma de
comprobación de AccurateRip que no coincide).
</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 and cannot be opened here: rename it</source>
        <translation>su nombre no es UTF-8 válido y no se puede abrir aquí: renómbrelo</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>is the sheet of a disc image: rip it with --cd</source>
        <translation>es la hoja de una imagen de disco: extráigala con --cd</translation>
    </message>
    <message>
        <source>is a folder (use -r to convert the files in it)</source>
        <translation>es una carpeta (use -r para convertir los archivos que contiene)</translation>
    </message>
    <message>
        <source>would be overwritten by its own output</source>
        <translation>se sobrescribiría con su propia salida</translation>
    </message>
    <message>
        <source>its output %1 is also the output of %2 (use --existing rename, or a --pattern that tells them apart)</source>
        <extracomment>Option names and their values stay as they are</extracomment>
        <translation>su salida %1 es también la salida de %2 (use --existing rename, o un --pattern que los distinga)</translation>
    </message>
    <message>
        <source>the list &apos;%1&apos; cannot be read: %2</source>
        <translation>no se puede leer la lista «%1»: %2</translation>
    </message>
    <message>
        <source>MP3 cannot be written so: %1</source>
        <translation>no se puede escribir MP3 así: %1</translation>
    </message>
    <message>
        <source>Ogg Vorbis cannot be written at %1 kbit/s with %2 Hz and %3 channels</source>
        <translation>no se puede escribir Ogg Vorbis a %1 kbit/s con %2 Hz y %3 canales</translation>
    </message>
    <message>
        <source>--quality does not apply to MP3 at a constant bitrate</source>
        <translation>--quality no se aplica a MP3 con tasa de bits constante</translation>
    </message>
    <message>
        <source>--quality does not apply to MP3 at an average bitrate</source>
        <translation>--quality no se aplica a MP3 con tasa de bits media</translation>
    </message>
    <message>
        <source>--quality for MP3 is a whole number from 0 (best) to 9</source>
        <translation>--quality para MP3 es un número entero de 0 (la mejor) a 9</translation>
    </message>
    <message>
        <source>--bitrate does not apply to Ogg Vorbis by quality (--mode vbr)</source>
        <translation>--bitrate no se aplica a Ogg Vorbis por calidad (--mode vbr)</translation>
    </message>
    <message>
        <source>--quality for Ogg Vorbis is from 0 to 10</source>
        <translation>--quality para Ogg Vorbis va de 0 a 10</translation>
    </message>
    <message>
        <source>--quality does not apply to Ogg Vorbis at a managed bitrate</source>
        <translation>--quality no se aplica a Ogg Vorbis con tasa de bits gestionada</translation>
    </message>
    <message>
        <source>--bitrate and --mode do not apply to FLAC</source>
        <translation>--bitrate y --mode no se aplican a FLAC</translation>
    </message>
    <message>
        <source>--quality for FLAC is a compression level from 0 to 8</source>
        <translation>--quality para FLAC es un nivel de compresión de 0 a 8</translation>
    </message>
    <message>
        <source>--quality does not apply to Opus; give --bitrate</source>
        <translation>--quality no se aplica a Opus; indique --bitrate</translation>
    </message>
    <message>
        <source>--bitrate for Opus is from 6 to 512 kbit/s</source>
        <translation>--bitrate para Opus va de 6 a 512 kbit/s</translation>
    </message>
    <message>
        <source>--sample-rate and --channels do not apply to %1</source>
        <translation>--sample-rate y --channels no se aplican a %1</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --mode do not apply to %1</source>
        <translation>--bitrate, --quality y --mode no se aplican a %1</translation>
    </message>
</context>
</TS>
