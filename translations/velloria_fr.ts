<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ACMainRecord</name>
    <message>
        <source>Recorder</source>
        <translation>Enregistreur</translation>
    </message>
    <message>
        <source>Play a file</source>
        <translation>Lire un fichier</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Mettre en pause ou reprendre</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>button</comment>
        <extracomment>A button: stops playing or recording</extracomment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Record into a file</source>
        <translation>Enregistrer dans un fichier</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>Visualisation</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linéaire</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feu</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>Verre</translation>
    </message>
    <message>
        <source>Kryptonite</source>
        <translation>Kryptonite</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>This file already exists do you want to replace it</source>
        <translation>Ce fichier existe déjà, voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>The title of the file dialog that chooses a file to play</extracomment>
        <translation>Lire</translation>
    </message>
    <message>
        <source>The file cannot be played:
%1
%2</source>
        <translation>Impossible de lire le fichier :
%1
%2</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The title of the file dialog that chooses the file to record into</extracomment>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cannot record into this file:
%1
%2</source>
        <translation>Impossible d&apos;enregistrer dans ce fichier :
%1
%2</translation>
    </message>
    <message>
        <source>Recording could not start:
%1</source>
        <translation>L&apos;enregistrement n&apos;a pas pu démarrer :
%1</translation>
    </message>
    <message>
        <source>Recording sound</source>
        <extracomment>Why the computer is kept from sleeping, as the desktop shows it</extracomment>
        <translation>Enregistrement du son</translation>
    </message>
    <message>
        <source>The recording could not be written completely:
%1
%2</source>
        <translation>L&apos;enregistrement n&apos;a pas pu être écrit entièrement :
%1
%2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Playing.....</source>
        <translation>Lecture.....</translation>
    </message>
    <message>
        <source>Pause.....</source>
        <translation>Pause.....</translation>
    </message>
    <message>
        <source>Recording.....</source>
        <translation>Enregistrement.....</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The recorder&apos;s state: stopped</extracomment>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <extracomment>A sample rate in the Frequency menu</extracomment>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Wav files (*.wav)</source>
        <translation>Fichiers WAV (*.wav)</translation>
    </message>
    <message>
        <source>MP3 files (*.mp3)</source>
        <translation>Fichiers MP3 (*.mp3)</translation>
    </message>
    <message>
        <source>Ogg Vorbis files (*.ogg)</source>
        <translation>Fichiers Ogg Vorbis (*.ogg)</translation>
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
        <translation>Informations système</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <translation>Convertisseur audio</translation>
    </message>
</context>
<context>
    <name>ACfrmGrab</name>
    <message>
        <source>Ripping Options</source>
        <translation>Options d&apos;extraction</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Grab Options</source>
        <translation>Options de lecture</translation>
    </message>
    <message>
        <source>Burst Mode (Fast, no Error Correction)</source>
        <translation>Mode rafale (rapide, sans correction d&apos;erreurs)</translation>
    </message>
    <message>
        <source>Synch Mode (Correct Jitter Errors)</source>
        <translation>Mode synchro (corrige les erreurs de gigue)</translation>
    </message>
    <message>
        <source>Secure Mode (Double Precision Error Correction)</source>
        <translation>Mode sécurisé (correction d&apos;erreurs en double précision)</translation>
    </message>
    <message>
        <source>Paranoid Mode (Small Blocks Read, drive cache disable)</source>
        <translation>Mode paranoïaque (lecture par petits blocs, cache du lecteur désactivé)</translation>
    </message>
    <message>
        <source>Extraction Speed Low or Equal:</source>
        <translation>Vitesse d&apos;extraction inférieure ou égale à :</translation>
    </message>
    <message>
        <source>x 176 kB/sec</source>
        <translation>x 176 ko/s</translation>
    </message>
    <message>
        <source>Retries on Read or Synch Error:</source>
        <translation>Tentatives en cas d&apos;erreur de lecture ou de synchro :</translation>
    </message>
    <message>
        <source>Action on error:</source>
        <translation>En cas d&apos;erreur :</translation>
    </message>
    <message>
        <source>De-emphasise</source>
        <translation>Désaccentuer</translation>
    </message>
    <message>
        <source>Undo the pre-emphasis of tracks mastered with it (50/15 µs) instead of keeping the disc&apos;s audio as it is, tagged as such</source>
        <translation>Supprimer la pré-accentuation (50/15 µs) des pistes qui en ont, au lieu de garder l&apos;audio du disque tel quel et de le signaler comme tel</translation>
    </message>
    <message>
        <source>Rip the disc as one file</source>
        <translation>Extraire le disque en un seul fichier</translation>
    </message>
    <message>
        <source>Test and copy</source>
        <translation>Tester et copier</translation>
    </message>
    <message>
        <source>Read each track twice and compare the CRC32s of the two reads</source>
        <translation>Lire chaque piste deux fois et comparer les CRC32 des deux lectures</translation>
    </message>
    <message>
        <source>CDDB</source>
        <translation>CDDB</translation>
    </message>
    <message>
        <source>Lock CD Tray During Grab</source>
        <translation>Verrouiller le tiroir pendant l&apos;extraction</translation>
    </message>
    <message>
        <source>Mode Safe</source>
        <translation>Mode sûr</translation>
    </message>
    <message>
        <source>Spin Up during:</source>
        <translation>Mise en rotation pendant :</translation>
    </message>
    <message>
        <source>Get CDDB from any available source</source>
        <translation>Obtenir les infos CDDB de toute source disponible</translation>
    </message>
    <message>
        <source>Get CDDB info from On-Line Data Base</source>
        <translation>Obtenir les infos CDDB d&apos;une base en ligne</translation>
    </message>
    <message>
        <source>Use only cdplayer.ini</source>
        <translation>Utiliser uniquement cdplayer.ini</translation>
    </message>
    <message>
        <source>CDDB Server:</source>
        <translation>Serveur CDDB :</translation>
    </message>
    <message>
        <source>CGI Script:</source>
        <translation>Script CGI :</translation>
    </message>
    <message>
        <source>Agent Name:</source>
        <translation>Nom de l&apos;agent :</translation>
    </message>
    <message>
        <source>User E-mail:</source>
        <translation>Courriel de l&apos;utilisateur :</translation>
    </message>
    <message>
        <source>TimeOut:</source>
        <translation>Délai d&apos;attente :</translation>
    </message>
    <message>
        <source>Get Disk Info</source>
        <translation>Obtenir les infos du disque</translation>
    </message>
    <message>
        <source>Use MusicBrainz</source>
        <translation>Utiliser MusicBrainz</translation>
    </message>
    <message>
        <source>Name CD tracks from the disc information</source>
        <translation>Nommer les pistes du CD d&apos;après les infos du disque</translation>
    </message>
    <message>
        <source>Disc information found</source>
        <translation>Informations du disque trouvées</translation>
    </message>
    <message>
        <source>AccurateRip</source>
        <translation>AccurateRip</translation>
    </message>
    <message>
        <source>Verify CD tracks with AccurateRip</source>
        <translation>Vérifier les pistes du CD avec AccurateRip</translation>
    </message>
    <message>
        <source>Drive read offset:</source>
        <translation>Décalage de lecture du lecteur :</translation>
    </message>
    <message>
        <source>samples</source>
        <translation>échantillons</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Détecter</translation>
    </message>
    <message>
        <source>Find the drive&apos;s read offset from the disc in it (a disc in AccurateRip)</source>
        <translation>Trouver le décalage de lecture du lecteur à partir du disque inséré (un disque connu d&apos;AccurateRip)</translation>
    </message>
    <message>
        <source>AccurateRip server:</source>
        <translation>Serveur AccurateRip :</translation>
    </message>
    <message>
        <source>Stop grab</source>
        <extracomment>What the grabber does with a block it cannot read</extracomment>
        <translation>Arrêter l&apos;extraction</translation>
    </message>
    <message>
        <source>Insert silence</source>
        <translation>Insérer du silence</translation>
    </message>
    <message>
        <source>Cut block</source>
        <translation>Supprimer le bloc</translation>
    </message>
    <message>
        <source>Error correction</source>
        <translation>Correction d&apos;erreurs</translation>
    </message>
    <message>
        <source>There is no audio disc in the drive.</source>
        <translation>Il n&apos;y a pas de disque audio dans le lecteur.</translation>
    </message>
    <message>
        <source>No disc information was found.

%1</source>
        <translation>Aucune information sur le disque n&apos;a été trouvée.

%1</translation>
    </message>
    <message>
        <source>Detecting the read offset …</source>
        <translation>Détection du décalage de lecture…</translation>
    </message>
    <message>
        <source>Disc information from %1:

Artist: %2
Album: %3
</source>
        <extracomment>%1 names where the information came from (a server, CD-Text, cdplayer.ini)</extracomment>
        <translation>Informations du disque provenant de %1 :

Artiste : %2
Album : %3
</translation>
    </message>
</context>
<context>
    <name>ACfrmOverWrite</name>
    <message>
        <source>Confirm Overwriting?!</source>
        <translation>Confirmer l&apos;écrasement ?!</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>É&amp;craser</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>These are the output file(s), rename to avoid overwriting.</source>
        <translation>Voici les fichiers de sortie ; renommez-les pour éviter de les écraser.</translation>
    </message>
    <message>
        <source>Renemae output file(s).</source>
        <translation>Renommer les fichiers de sortie.</translation>
    </message>
    <message>
        <source>The following file(s) already exist, Rename or Overwrite?!</source>
        <translation>Les fichiers suivants existent déjà. Renommer ou écraser ?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file name. A new name must not be empty or contain &apos;/&apos;.</source>
        <translation>« %1 » n&apos;est pas un nom de fichier. Un nouveau nom ne doit pas être vide ni contenir « / ».</translation>
    </message>
    <message>
        <source>You did not renamed all files,overwrite the unnamed?</source>
        <translation>Vous n&apos;avez pas renommé tous les fichiers. Écraser ceux qui ne l&apos;ont pas été ?</translation>
    </message>
</context>
<context>
    <name>AEfrmabout</name>
    <message>
        <source>Form1</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Audio Extractor</source>
        <translation>Extracteur audio</translation>
    </message>
</context>
<context>
    <name>AEfrmmain</name>
    <message>
        <source>All files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation>Fichiers AVI (*.avi)</translation>
    </message>
    <message>
        <source>Mpeg files (*.mpg, *.mpeg)</source>
        <translation>Fichiers MPEG (*.mpg, *.mpeg)</translation>
    </message>
    <message>
        <source>Windows Media files (*.wmv, *.wma, *.asf)</source>
        <translation>Fichiers Windows Media (*.wmv, *.wma, *.asf)</translation>
    </message>
    <message>
        <source>Quick Time Files (*.mov, *.qt)</source>
        <translation>Fichiers QuickTime (*.mov, *.qt)</translation>
    </message>
    <message>
        <source>Extracting audio</source>
        <translation>Extraction du son</translation>
    </message>
    <message>
        <source>Extraction finished</source>
        <translation>Extraction terminée</translation>
    </message>
    <message>
        <source>Do you want to overwrite the existing audio file</source>
        <translation>Voulez-vous écraser le fichier audio existant ?</translation>
    </message>
    <message>
        <source>Tarn Audio Extractor</source>
        <translation>Extracteur audio Tarn</translation>
    </message>
    <message>
        <source>Input Video File:</source>
        <translation>Fichier vidéo d&apos;entrée :</translation>
    </message>
    <message>
        <source>Select Input Video File</source>
        <translation>Choisir le fichier vidéo d&apos;entrée</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Output Audio File:</source>
        <translation>Fichier audio de sortie :</translation>
    </message>
    <message>
        <source>Output to same folder as original</source>
        <translation>Sortie dans le dossier d&apos;origine</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Dossier :</translation>
    </message>
    <message>
        <source>Select Output Audio File</source>
        <translation>Choisir le fichier audio de sortie</translation>
    </message>
    <message>
        <source>Delete source file(s) after Processing</source>
        <translation>Supprimer les fichiers source après traitement</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <source>settings</source>
        <extracomment>The button that opens the chosen format&apos;s settings.</extracomment>
        <translation>paramètres</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canaux :</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>BitRate [kbits/second]:</source>
        <translation>Débit [kbit/s] :</translation>
    </message>
    <message>
        <source>Frequency [hertz]:</source>
        <translation>Fréquence [hertz] :</translation>
    </message>
    <message>
        <source>Extract Audio </source>
        <translation>Extraire le son </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Open Video File</source>
        <translation>Ouvrir un fichier vidéo</translation>
    </message>
    <message>
        <source>Specified file is not a video file or format is not supported</source>
        <translation>Le fichier indiqué n&apos;est pas un fichier vidéo ou son format n&apos;est pas pris en charge</translation>
    </message>
    <message>
        <source>Are you sure you want to quit ??</source>
        <translation>Voulez-vous vraiment quitter ??</translation>
    </message>
</context>
<context>
    <name>AccurateRip</name>
    <message>
        <source>The AccurateRip record ends in the middle of a block.</source>
        <translation>L&apos;enregistrement AccurateRip s&apos;arrête au milieu d&apos;un bloc.</translation>
    </message>
    <message>
        <source>The AccurateRip record has a block without tracks.</source>
        <translation>L&apos;enregistrement AccurateRip contient un bloc sans pistes.</translation>
    </message>
    <message>
        <source>The AccurateRip record is empty.</source>
        <translation>L&apos;enregistrement AccurateRip est vide.</translation>
    </message>
    <message>
        <source>Not in the AccurateRip database</source>
        <translation>Pas dans la base de données AccurateRip</translation>
    </message>
    <message>
        <source>Accurately ripped (confidence %1, AccurateRip v%2)</source>
        <translation>Extraction exacte (confiance %1, AccurateRip v%2)</translation>
    </message>
    <message>
        <source>Does not match AccurateRip (%1 other rips)</source>
        <translation>Ne correspond pas à AccurateRip (%1 autres extractions)</translation>
    </message>
    <message>
        <source>The AccurateRip server answered with HTTP status %1.</source>
        <translation>Le serveur AccurateRip a répondu avec le code HTTP %1.</translation>
    </message>
    <message>
        <source>There is no audio disc.</source>
        <translation>Il n&apos;y a pas de disque audio.</translation>
    </message>
</context>
<context>
    <name>AccurateRipVerifier</name>
    <message>
        <source>AccurateRip results:</source>
        <translation>Résultats AccurateRip :</translation>
    </message>
    <message>
        <source>The AccurateRip record of disc %1 could not be fetched: %2</source>
        <translation>L&apos;enregistrement AccurateRip du disque %1 n&apos;a pas pu être récupéré : %2</translation>
    </message>
    <message>
        <source>Track %1 (%2): %3</source>
        <extracomment>%1 is the track&apos;s number, %2 its entry&apos;s file name, %3 its AccurateRip verdict</extracomment>
        <translation>Piste %1 (%2) : %3</translation>
    </message>
    <message>
        <source>, %1 error blocks</source>
        <translation>, %1 blocs erronés</translation>
    </message>
</context>
<context>
    <name>AlbumLoudnessTagger</name>
    <message>
        <source>The album loudness tags could not be written: %1</source>
        <translation>Les étiquettes de volume sonore de l&apos;album n&apos;ont pas pu être écrites : %1</translation>
    </message>
    <message>
        <source>No album loudness tags were written for this folder: &apos;%1&apos; has no whole output.</source>
        <translation>Aucune étiquette de volume sonore d&apos;album n&apos;a été écrite pour ce dossier : « %1 » n&apos;a pas de sortie complète.</translation>
    </message>
</context>
<context>
    <name>AudioFile</name>
    <message>
        <source>Blocks of %1 Hz with %2 channels cannot be written.</source>
        <translation>Impossible d&apos;écrire des blocs à %1 Hz avec %2 canaux.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file type &quot;%2&quot; cannot be written.</source>
        <translation>« %1 » : impossible d&apos;écrire le type de fichier « %2 ».</translation>
    </message>
    <message>
        <source>No file is open for writing.</source>
        <translation>Aucun fichier n&apos;est ouvert en écriture.</translation>
    </message>
    <message>
        <source>No file that keeps more than 16 bits is open for writing.</source>
        <translation>Aucun fichier de plus de 16 bits n&apos;est ouvert en écriture.</translation>
    </message>
    <message>
        <source>A block of %1 samples does not hold whole frames of %2 channels.</source>
        <translation>Un bloc de %1 échantillons ne contient pas un nombre entier de trames de %2 canaux.</translation>
    </message>
    <message>
        <source>Only seeking from the start (origin 3) is offered.</source>
        <translation>Seul le positionnement depuis le début (origine 3) est possible.</translation>
    </message>
    <message>
        <source>No file is open for reading.</source>
        <translation>Aucun fichier n&apos;est ouvert en lecture.</translation>
    </message>
    <message>
        <source>No WMA file is open for writing.</source>
        <translation>Aucun fichier WMA n&apos;est ouvert en écriture.</translation>
    </message>
    <message>
        <source>%1 Hz with %2 channels is not an audio format.</source>
        <translation>%1 Hz avec %2 canaux n&apos;est pas un format audio.</translation>
    </message>
    <message>
        <source>There is no WMA profile %1 (profiles are 0 to %2).</source>
        <translation>Le profil WMA %1 n&apos;existe pas (les profils vont de 0 à %2).</translation>
    </message>
</context>
<context>
    <name>AudioInfo</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>The tags of %1 cannot be read: it is not an audio file with tags that can be handled here.</source>
        <translation>Impossible de lire les étiquettes de %1 : ce n&apos;est pas un fichier audio dont les étiquettes peuvent être traitées ici.</translation>
    </message>
    <message>
        <source>The tags of %1 could not be saved.</source>
        <translation>Les étiquettes de %1 n&apos;ont pas pu être enregistrées.</translation>
    </message>
</context>
<context>
    <name>AudioJob</name>
    <message>
        <source>The output file could not be completed.</source>
        <translation>Le fichier de sortie n&apos;a pas pu être terminé.</translation>
    </message>
    <message>
        <source>The file could not be opened as audio.</source>
        <translation>Le fichier n&apos;a pas pu être ouvert en tant qu&apos;audio.</translation>
    </message>
    <message>
        <source>The source holds no audio.</source>
        <translation>La source ne contient pas d&apos;audio.</translation>
    </message>
    <message>
        <source>The output file could not be created.</source>
        <translation>Le fichier de sortie n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The output file could not be written.</source>
        <translation>Le fichier de sortie n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>The output file &quot;%1&quot; is gone: its folder was removed or renamed while it was written.</source>
        <translation>Le fichier de sortie « %1 » a disparu : son dossier a été supprimé ou renommé pendant l&apos;écriture.</translation>
    </message>
</context>
<context>
    <name>BrowseForFolder</name>
    <message>
        <source>Select a folder</source>
        <translation>Choisir un dossier</translation>
    </message>
</context>
<context>
    <name>CdGrabber</name>
    <message>
        <source>The disc has no audio track.</source>
        <translation>Le disque n&apos;a aucune piste audio.</translation>
    </message>
    <message>
        <source>There is no CD drive.</source>
        <translation>Il n&apos;y a pas de lecteur de CD.</translation>
    </message>
    <message>
        <source>The drive is being read.</source>
        <translation>Le lecteur est en cours de lecture.</translation>
    </message>
    <message>
        <source>The disc image %1 does not exist.</source>
        <translation>L&apos;image disque %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The disc image %1 cannot be read.</source>
        <translation>Impossible de lire l&apos;image disque %1.</translation>
    </message>
    <message>
        <source>%1 names no data file; it is not a cue sheet or TOC file of a disc image.</source>
        <translation>%1 ne désigne aucun fichier de données ; ce n&apos;est pas une feuille CUE ni un fichier TOC d&apos;image disque.</translation>
    </message>
    <message>
        <source>The data file %1 that %2 names is missing.</source>
        <translation>Le fichier de données %1 désigné par %2 est manquant.</translation>
    </message>
    <message>
        <source>%1 is not a disc image that can be read (a .cue/.bin pair, a .toc or a .nrg file).</source>
        <translation>%1 n&apos;est pas une image disque lisible (une paire .cue/.bin, un fichier .toc ou .nrg).</translation>
    </message>
    <message>
        <source>%1 is not a disc image (a .cue/.bin pair, a .toc or a .nrg file).</source>
        <translation>%1 n&apos;est pas une image disque (une paire .cue/.bin, un fichier .toc ou .nrg).</translation>
    </message>
    <message>
        <source>The data file %1 ends in the middle of a sector: it is truncated.</source>
        <translation>Le fichier de données %1 se termine au milieu d&apos;un secteur : il est tronqué.</translation>
    </message>
    <message>
        <source>%1 holds no audio track.</source>
        <translation>%1 ne contient aucune piste audio.</translation>
    </message>
    <message>
        <source>Track %1 of %2 starts before the beginning of its data: the image is damaged.</source>
        <translation>La piste %1 de %2 commence avant le début de ses données : l&apos;image est endommagée.</translation>
    </message>
    <message>
        <source>Track %1 of %2 lies beyond the end of its data: the image is truncated.</source>
        <translation>La piste %1 de %2 se trouve au-delà de la fin de ses données : l&apos;image est tronquée.</translation>
    </message>
    <message>
        <source>The last sector of %1 cannot be read: the image is truncated.</source>
        <translation>Impossible de lire le dernier secteur de %1 : l&apos;image est tronquée.</translation>
    </message>
    <message>
        <source>There is no audio disc in the drive.</source>
        <translation>Il n&apos;y a pas de disque audio dans le lecteur.</translation>
    </message>
    <message>
        <source>Sector %1 of the disc in %2 could not be read.</source>
        <translation>Le secteur %1 du disque dans %2 n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>Sector %1 of track %2 could not be read at all after %3 retries; the read was stopped.</source>
        <translation>Le secteur %1 de la piste %2 est resté illisible après %3 tentatives ; la lecture a été arrêtée.</translation>
    </message>
    <message>
        <source>Sector %1 of track %2 could not be read consistently after %3 retries; the read was stopped.</source>
        <translation>Le secteur %1 de la piste %2 n&apos;a pas pu être lu de façon cohérente après %3 tentatives ; la lecture a été arrêtée.</translation>
    </message>
    <message>
        <source>%1 cannot read audio.</source>
        <translation>%1 ne peut pas lire l&apos;audio.</translation>
    </message>
    <message>
        <source>There is no audio disc in %1.</source>
        <translation>Il n&apos;y a pas de disque audio dans %1.</translation>
    </message>
    <message>
        <source>The disc in %1 has no audio track %2.</source>
        <translation>Le disque dans %1 n&apos;a pas de piste audio %2.</translation>
    </message>
    <message>
        <source>No track is open.</source>
        <translation>Aucune piste n&apos;est ouverte.</translation>
    </message>
    <message>
        <source>The read was aborted.</source>
        <translation>La lecture a été interrompue.</translation>
    </message>
    <message>
        <source>Track %1 could not be read.</source>
        <translation>La piste %1 n&apos;a pas pu être lue.</translation>
    </message>
</context>
<context>
    <name>CdTrackJob</name>
    <message>
        <source>The track number cannot be read from the name &apos;%1&apos;.</source>
        <translation>Impossible de lire le numéro de piste dans le nom « %1 ».</translation>
    </message>
    <message>
        <source>An error occures when ReadTrack works! Probably need re-read!</source>
        <translation>Une erreur s&apos;est produite pendant la lecture de la piste ! Une nouvelle lecture est sans doute nécessaire !</translation>
    </message>
    <message>
        <source>Track %1 (%2): the test and copy reads differ (test CRC32 %3, copy CRC32 %4); the track may not be exact.</source>
        <translation>Piste %1 (%2) : les lectures de test et de copie diffèrent (CRC32 du test %3, CRC32 de la copie %4) ; la piste n&apos;est peut-être pas exacte.</translation>
    </message>
    <message>
        <source>The disc information could not be written as tags: %1</source>
        <translation>Les informations du disque n&apos;ont pas pu être écrites dans les étiquettes : %1</translation>
    </message>
</context>
<context>
    <name>Cddb</name>
    <message>
        <source>it did not answer within %1 seconds</source>
        <translation>il n&apos;a pas répondu dans les %1 secondes</translation>
    </message>
    <message>
        <source>No CDDB server is set.</source>
        <translation>Aucun serveur CDDB n&apos;est défini.</translation>
    </message>
    <message>
        <source>The CDDB server &quot;%1&quot; has no valid port.</source>
        <translation>Le serveur CDDB « %1 » n&apos;a pas de port valide.</translation>
    </message>
    <message>
        <source>The CDDB look-up could not start (out of memory).</source>
        <translation>La recherche CDDB n&apos;a pas pu démarrer (mémoire insuffisante).</translation>
    </message>
    <message>
        <source>The CDDB server %1 could not be asked about disc %2: %3.</source>
        <translation>Le serveur CDDB %1 n&apos;a pas pu être interrogé sur le disque %2 : %3.</translation>
    </message>
    <message>
        <source>The CDDB server %1 knows no disc with id %2.</source>
        <translation>Le serveur CDDB %1 ne connaît aucun disque avec l&apos;identifiant %2.</translation>
    </message>
    <message>
        <source>The CDDB server %1 did not send the entry of disc %2: %3.</source>
        <translation>Le serveur CDDB %1 n&apos;a pas envoyé l&apos;entrée du disque %2 : %3.</translation>
    </message>
</context>
<context>
    <name>ConversionRunner</name>
    <message>
        <source>The tags could not be copied (the source is kept): %1</source>
        <translation>Les étiquettes n&apos;ont pas pu être copiées (la source est conservée) : %1</translation>
    </message>
    <message>
        <source>nothing was measured</source>
        <translation>rien n&apos;a été mesuré</translation>
    </message>
    <message>
        <source>The loudness tags could not be written (the source is kept): %1</source>
        <translation>Les étiquettes de volume sonore n&apos;ont pas pu être écrites (la source est conservée) : %1</translation>
    </message>
    <message>
        <source>The output could not be put in place of &apos;%1&apos;.</source>
        <translation>La sortie n&apos;a pas pu remplacer « %1 ».</translation>
    </message>
    <message>
        <source>The source file could not be deleted: %1</source>
        <translation>Le fichier source n&apos;a pas pu être supprimé : %1</translation>
    </message>
    <message>
        <source>Reading CD tracks is not available.</source>
        <translation>La lecture des pistes de CD n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>The test read failed: %1</source>
        <translation>La lecture de test a échoué : %1</translation>
    </message>
    <message>
        <source>Open Track Error!.</source>
        <translation>Erreur à l&apos;ouverture de la piste !</translation>
    </message>
    <message>
        <source>The CUE sheet &apos;%1&apos; could not be written: %2</source>
        <translation>La feuille CUE « %1 » n&apos;a pas pu être écrite : %2</translation>
    </message>
    <message>
        <source>The CUE sheet &apos;%1&apos; cannot name &apos;%2&apos;: a sheet cannot hold a double quote in a file name. Rename the file, and its name in the sheet, with single quotes.</source>
        <translation>La feuille CUE « %1 » ne peut pas désigner « %2 » : une feuille ne peut pas contenir de guillemet double dans un nom de fichier. Renommez le fichier, et son nom dans la feuille, avec des guillemets simples.</translation>
    </message>
    <message>
        <source>The disc in %1 has no audio track.</source>
        <translation>Le disque dans %1 n&apos;a aucune piste audio.</translation>
    </message>
</context>
<context>
    <name>ConverterRules</name>
    <message>
        <source>All Supported files (%1)</source>
        <translation>Tous les fichiers pris en charge (%1)</translation>
    </message>
    <message>
        <source>%1 error blocks replaced with silence.</source>
        <translation>%1 blocs erronés remplacés par du silence.</translation>
    </message>
    <message>
        <source>%1 error blocks cutted.</source>
        <translation>%1 blocs erronés supprimés.</translation>
    </message>
    <message>
        <source>%1 error blocks corrected.</source>
        <translation>%1 blocs erronés corrigés.</translation>
    </message>
    <message>
        <source>AccurateRip: not verified, %1</source>
        <extracomment>%1 is why no track could be verified</extracomment>
        <translation>AccurateRip : non vérifié, %1</translation>
    </message>
    <message>
        <source>AccurateRip: %1 of %2 %3 accurately ripped</source>
        <extracomment>%1 tracks matched of %2; %3 is &quot;track&quot; or &quot;tracks&quot;</extracomment>
        <translation>AccurateRip : exactitude confirmée pour %1 sur %2 %3</translation>
    </message>
    <message>
        <source>track</source>
        <translation>piste</translation>
    </message>
    <message>
        <source>tracks</source>
        <translation>pistes</translation>
    </message>
    <message>
        <source>%1 not matching</source>
        <extracomment>Counts of tracks, joined to the AccurateRip summary with commas</extracomment>
        <translation>%1 sans correspondance</translation>
    </message>
    <message>
        <source>%1 not in the database</source>
        <translation>%1 absente(s) de la base de données</translation>
    </message>
    <message>
        <source>%1 with error blocks</source>
        <translation>%1 avec des blocs erronés</translation>
    </message>
    <message>
        <source>%1 not verified (%2)</source>
        <translation>%1 non vérifiée(s) (%2)</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the CUE sheet, %2 what is wrong with that line</extracomment>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>TRACK needs a number from 1 to 99</source>
        <extracomment>TRACK, INDEX, FILE, PREGAP, AUDIO and MM:SS:FF in these texts are words of the CUE sheet itself; keep them</extracomment>
        <translation>TRACK exige un numéro de 1 à 99</translation>
    </message>
    <message>
        <source>TRACK %1 names no type (AUDIO, MODE1/2352, ...)</source>
        <translation>TRACK %1 n&apos;indique aucun type (AUDIO, MODE1/2352, ...)</translation>
    </message>
    <message>
        <source>track %1 follows track %2: tracks must be numbered upwards</source>
        <translation>la piste %1 suit la piste %2 : les pistes doivent être numérotées dans l&apos;ordre croissant</translation>
    </message>
    <message>
        <source>track %1 has no INDEX 01</source>
        <translation>la piste %1 n&apos;a pas d&apos;INDEX 01</translation>
    </message>
    <message>
        <source>INDEX before any TRACK</source>
        <translation>INDEX avant tout TRACK</translation>
    </message>
    <message>
        <source>INDEX before any FILE</source>
        <translation>INDEX avant tout FILE</translation>
    </message>
    <message>
        <source>INDEX needs a number from 0 to 99</source>
        <translation>INDEX exige un numéro de 0 à 99</translation>
    </message>
    <message>
        <source>INDEX %1 needs a time as MM:SS:FF (seconds below 60, frames below 75)</source>
        <translation>INDEX %1 exige une durée au format MM:SS:FF (secondes inférieures à 60, trames inférieures à 75)</translation>
    </message>
    <message>
        <source>INDEX %1 of track %2 follows INDEX %3</source>
        <translation>INDEX %1 de la piste %2 suit INDEX %3</translation>
    </message>
    <message>
        <source>FILE names no file</source>
        <translation>FILE ne désigne aucun fichier</translation>
    </message>
    <message>
        <source>%1 before any TRACK</source>
        <translation>%1 avant tout TRACK</translation>
    </message>
    <message>
        <source>PREGAP needs a time as MM:SS:FF</source>
        <translation>PREGAP exige une durée au format MM:SS:FF</translation>
    </message>
    <message>
        <source>it holds NUL characters: it is no text</source>
        <translation>le fichier contient des caractères NUL : ce n&apos;est pas du texte</translation>
    </message>
    <message>
        <source>it holds no TRACK</source>
        <translation>aucun TRACK n&apos;y figure</translation>
    </message>
    <message>
        <source>The CUE sheet %1 cannot be read: %2</source>
        <translation>Impossible de lire la feuille CUE %1 : %2</translation>
    </message>
    <message>
        <source>%1 is too large to be a CUE sheet.</source>
        <translation>%1 est trop volumineux pour être une feuille CUE.</translation>
    </message>
    <message>
        <source>track %1 starts at %2, not after track %3 at %4</source>
        <translation>la piste %1 commence à %2, et non après la piste %3 à %4</translation>
    </message>
    <message>
        <source>The audio file %1 that %2 names is missing.</source>
        <translation>Le fichier audio %1 désigné par %2 est manquant.</translation>
    </message>
    <message>
        <source>The audio file %1 that %2 names cannot be read: %3</source>
        <translation>Impossible de lire le fichier audio %1 désigné par %2 : %3</translation>
    </message>
    <message>
        <source>The audio file %1 is too short for %2: it ends at %3, and track %4 starts at %5.</source>
        <translation>Le fichier audio %1 est trop court pour %2 : il se termine à %3, et la piste %4 commence à %5.</translation>
    </message>
    <message>
        <source>%1 is not a CUE sheet that can be read: %2.</source>
        <translation>%1 n&apos;est pas une feuille CUE lisible : %2.</translation>
    </message>
    <message>
        <source>%1 cannot be cut into tracks: %2.</source>
        <translation>%1 ne peut pas être découpé en pistes : %2.</translation>
    </message>
    <message>
        <source>%1 names no track of a CUE sheet.</source>
        <translation>%1 ne désigne aucune piste d&apos;une feuille CUE.</translation>
    </message>
    <message>
        <source>%1 has no track %2.</source>
        <translation>%1 n&apos;a pas de piste %2.</translation>
    </message>
    <message>
        <source>The audio file %1 ends before track %2 starts.</source>
        <translation>Le fichier audio %1 se termine avant le début de la piste %2.</translation>
    </message>
    <message>
        <source>The audio file ends inside track %1, %2 seconds before its end.</source>
        <translation>Le fichier audio se termine à l&apos;intérieur de la piste %1, %2 secondes avant sa fin.</translation>
    </message>
</context>
<context>
    <name>Decoder</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is a folder, not an audio file.</source>
        <translation>%1 est un dossier, pas un fichier audio.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 cannot be read: permission denied.</source>
        <translation>Impossible de lire %1 : permission refusée.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 est vide.</translation>
    </message>
    <message>
        <source>Out of memory opening %1.</source>
        <translation>Mémoire insuffisante pour ouvrir %1.</translation>
    </message>
    <message>
        <source>%1 is not an audio file FFmpeg can read: %2</source>
        <translation>%1 n&apos;est pas un fichier audio lisible par FFmpeg : %2</translation>
    </message>
    <message>
        <source>%1 is not an audio file FFmpeg can read: its format is not recognised.</source>
        <translation>%1 n&apos;est pas un fichier audio lisible par FFmpeg : son format n&apos;est pas reconnu.</translation>
    </message>
    <message>
        <source>%1 holds no audio.</source>
        <translation>%1 ne contient pas d&apos;audio.</translation>
    </message>
    <message>
        <source>%1 holds audio in a format that cannot be decoded here.</source>
        <translation>%1 contient de l&apos;audio dans un format qui ne peut pas être décodé ici.</translation>
    </message>
    <message>
        <source>The audio of %1 cannot be decoded: %2</source>
        <translation>Impossible de décoder l&apos;audio de %1 : %2</translation>
    </message>
    <message>
        <source>%1 holds no audio FFmpeg can decode.</source>
        <translation>%1 ne contient aucun audio que FFmpeg sait décoder.</translation>
    </message>
    <message>
        <source>%1 holds no audio FFmpeg can decode: %2</source>
        <translation>%1 ne contient aucun audio que FFmpeg sait décoder : %2</translation>
    </message>
    <message>
        <source>%1 contains no audio.</source>
        <translation>%1 ne contient pas d&apos;audio.</translation>
    </message>
    <message>
        <source>The audio of %1 is damaged: damaged data at %2.</source>
        <translation>L&apos;audio de %1 est endommagé : données endommagées à %2.</translation>
    </message>
    <message>
        <source>The audio of %1 is damaged: decoding stopped at %2 of %3.</source>
        <translation>L&apos;audio de %1 est endommagé : le décodage s&apos;est arrêté à %2 sur %3.</translation>
    </message>
    <message>
        <source>The audio of %1 is damaged: decoding stopped at %2, where the file is cut off.</source>
        <translation>L&apos;audio de %1 est endommagé : le décodage s&apos;est arrêté à %2, là où le fichier est coupé.</translation>
    </message>
    <message>
        <source>The audio of %1 could not be decoded after %2 s: %3</source>
        <translation>L&apos;audio de %1 n&apos;a pas pu être décodé après %2 s : %3</translation>
    </message>
    <message>
        <source>too many damaged frames</source>
        <translation>trop de trames endommagées</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Show</source>
        <extracomment>The notification&apos;s button that brings the job&apos;s window back.</extracomment>
        <translation>Afficher</translation>
    </message>
</context>
<context>
    <name>DiscLookup</name>
    <message>
        <source>There is no audio disc to look up.</source>
        <translation>Il n&apos;y a pas de disque audio à rechercher.</translation>
    </message>
    <message>
        <source>cdplayer.ini has no entry for disc %1.</source>
        <translation>cdplayer.ini n&apos;a pas d&apos;entrée pour le disque %1.</translation>
    </message>
    <message>
        <source>The disc has no CD-Text.</source>
        <translation>Le disque n&apos;a pas de CD-Text.</translation>
    </message>
    <message>
        <source>cdplayer.ini could not be written: %1</source>
        <translation>cdplayer.ini n&apos;a pas pu être écrit : %1</translation>
    </message>
</context>
<context>
    <name>DriveOffsets</name>
    <message>
        <source>The drive-offset list is empty.</source>
        <translation>La liste des décalages de lecteurs est vide.</translation>
    </message>
    <message>
        <source>The drive-offset list is damaged: it is not a whole number of 69-byte records.</source>
        <translation>La liste des décalages de lecteurs est endommagée : elle ne contient pas un nombre entier d&apos;enregistrements de 69 octets.</translation>
    </message>
    <message>
        <source>The address of the drive-offset list is not valid: %1</source>
        <translation>L&apos;adresse de la liste des décalages de lecteurs n&apos;est pas valide : %1</translation>
    </message>
    <message>
        <source>The server of the drive-offset list answered with HTTP status %1.</source>
        <translation>Le serveur de la liste des décalages de lecteurs a répondu avec le code HTTP %1.</translation>
    </message>
</context>
<context>
    <name>Encoder</name>
    <message>
        <source>cannot prepare the %1 file %2: %3</source>
        <extracomment>%1 a format&apos;s name (WAV, WMA), %2 a file&apos;s path, %3 FFmpeg&apos;s reason</extracomment>
        <translation>impossible de préparer le fichier %1 %2 : %3</translation>
    </message>
    <message>
        <source>cannot prepare the %1 file %2: out of memory</source>
        <translation>impossible de préparer le fichier %1 %2 : mémoire insuffisante</translation>
    </message>
    <message>
        <source>cannot create the %1 file %2: %3</source>
        <translation>impossible de créer le fichier %1 %2 : %3</translation>
    </message>
    <message>
        <source>cannot write the header of the %1 file %2: %3</source>
        <translation>impossible d&apos;écrire l&apos;en-tête du fichier %1 %2 : %3</translation>
    </message>
    <message>
        <source>cannot write to the %1 file %2: %3</source>
        <translation>impossible d&apos;écrire dans le fichier %1 %2 : %3</translation>
    </message>
    <message>
        <source>cannot complete the %1 file %2: %3</source>
        <translation>impossible de terminer le fichier %1 %2 : %3</translation>
    </message>
    <message>
        <source>cannot close the %1 file %2: %3</source>
        <translation>impossible de fermer le fichier %1 %2 : %3</translation>
    </message>
    <message>
        <source>WAV files cannot be written as %1</source>
        <translation>les fichiers WAV ne peuvent pas être écrits en %1</translation>
    </message>
    <message>
        <source>the WAV writer already has a file open</source>
        <translation>le module d&apos;écriture WAV a déjà un fichier ouvert</translation>
    </message>
    <message>
        <source>cannot write the WAV file %1: out of memory</source>
        <translation>impossible d&apos;écrire le fichier WAV %1 : mémoire insuffisante</translation>
    </message>
    <message>
        <source>no WAV file is open for writing</source>
        <translation>aucun fichier WAV n&apos;est ouvert en écriture</translation>
    </message>
    <message>
        <source>a WAV file cannot hold more than 4 GB of audio</source>
        <translation>un fichier WAV ne peut pas contenir plus de 4 Go d&apos;audio</translation>
    </message>
    <message>
        <source>this FFmpeg has no WMA encoder</source>
        <translation>ce FFmpeg n&apos;a pas d&apos;encodeur WMA</translation>
    </message>
    <message>
        <source>WMA cannot be written as %1</source>
        <translation>le WMA ne peut pas être écrit en %1</translation>
    </message>
    <message>
        <source>the WMA writer already has a file open</source>
        <translation>le module d&apos;écriture WMA a déjà un fichier ouvert</translation>
    </message>
    <message>
        <source>cannot write the WMA file %1: out of memory</source>
        <translation>impossible d&apos;écrire le fichier WMA %1 : mémoire insuffisante</translation>
    </message>
    <message>
        <source>the WMA encoder refuses %1: %2</source>
        <translation>l&apos;encodeur WMA refuse %1 : %2</translation>
    </message>
    <message>
        <source>cannot prepare the WMA file %1: %2</source>
        <translation>impossible de préparer le fichier WMA %1 : %2</translation>
    </message>
    <message>
        <source>no WMA file is open for writing</source>
        <translation>aucun fichier WMA n&apos;est ouvert en écriture</translation>
    </message>
    <message>
        <source>cannot write the WMA file: out of memory</source>
        <translation>impossible d&apos;écrire le fichier WMA : mémoire insuffisante</translation>
    </message>
    <message>
        <source>cannot write the WMA file: %1</source>
        <translation>impossible d&apos;écrire le fichier WMA : %1</translation>
    </message>
    <message>
        <source>the WMA encoder failed: %1</source>
        <translation>l&apos;encodeur WMA a échoué : %1</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canaux</translation>
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
        <translation>L&apos;encodeur FLAC n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>the FLAC writer was already used for a file</source>
        <translation>le module d&apos;écriture FLAC a déjà servi pour un fichier</translation>
    </message>
    <message>
        <source>cannot create the FLAC file %1: %2</source>
        <translation>impossible de créer le fichier FLAC %1 : %2</translation>
    </message>
    <message>
        <source>cannot start the FLAC file %1: %2</source>
        <translation>impossible de commencer le fichier FLAC %1 : %2</translation>
    </message>
    <message>
        <source>no FLAC file is open for writing</source>
        <translation>aucun fichier FLAC n&apos;est ouvert en écriture</translation>
    </message>
    <message>
        <source>cannot write the FLAC file %1: %2</source>
        <translation>impossible d&apos;écrire le fichier FLAC %1 : %2</translation>
    </message>
    <message>
        <source>FLAC cannot encode %1 Hz with %2 channels.</source>
        <translation>FLAC ne peut pas encoder %1 Hz avec %2 canaux.</translation>
    </message>
    <message>
        <source>FLAC is written with 16 or 24 bits per sample, not %1.</source>
        <translation>Le FLAC s&apos;écrit en 16 ou 24 bits par échantillon, pas en %1.</translation>
    </message>
    <message>
        <source>The FLAC compression level is 0 to 8, not %1.</source>
        <translation>Le niveau de compression FLAC va de 0 à 8, pas %1.</translation>
    </message>
    <message>
        <source>%1 Hz, %2 bit, %3, level %4</source>
        <translation>%1 Hz, %2 bits, %3, niveau %4</translation>
    </message>
    <message>
        <source>The MP3 bitrate %1 kbit/s cannot be written at %2 Hz (possible: %3 kbit/s)</source>
        <translation>Le débit MP3 de %1 kbit/s est impossible à %2 Hz (possibles : %3 kbit/s)</translation>
    </message>
    <message>
        <source>The MP3 maximum VBR bitrate %1 kbit/s cannot be written at %2 Hz (possible: %3 kbit/s)</source>
        <translation>Le débit VBR maximal MP3 de %1 kbit/s est impossible à %2 Hz (possibles : %3 kbit/s)</translation>
    </message>
    <message>
        <source>The MP3 ABR bitrate %1 kbit/s cannot be written at %2 Hz (possible: %3..%4 kbit/s)</source>
        <translation>Le débit ABR MP3 de %1 kbit/s est impossible à %2 Hz (possible : %3..%4 kbit/s)</translation>
    </message>
    <message>
        <source>The MP3 encoder refused the %1 %2</source>
        <extracomment>%1 an MP3 setting&apos;s name, %2 its value</extracomment>
        <translation>L&apos;encodeur MP3 a refusé la valeur %2 pour « %1 »</translation>
    </message>
    <message>
        <source>The MP3 encoder could not start</source>
        <translation>L&apos;encodeur MP3 n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>The MP3 encoder cannot write %1: %2</source>
        <translation>L&apos;encodeur MP3 ne peut pas écrire %1 : %2</translation>
    </message>
    <message>
        <source>The MP3 encoder cannot write %1</source>
        <translation>L&apos;encodeur MP3 ne peut pas écrire %1</translation>
    </message>
    <message>
        <source>The MP3 encoder is already writing %1</source>
        <translation>L&apos;encodeur MP3 écrit déjà %1</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <translation>Impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>Could not write to %1: %2</source>
        <translation>Impossible d&apos;écrire dans %1 : %2</translation>
    </message>
    <message>
        <source>The MP3 file is not open for writing</source>
        <translation>Le fichier MP3 n&apos;est pas ouvert en écriture</translation>
    </message>
    <message>
        <source>the MP3 encoder failed (code %1)</source>
        <translation>l&apos;encodeur MP3 a échoué (code %1)</translation>
    </message>
    <message>
        <source>the MP3 header frame does not fit</source>
        <translation>la trame d&apos;en-tête MP3 ne tient pas</translation>
    </message>
    <message>
        <source>VBR</source>
        <extracomment>Opus bitrate modes</extracomment>
        <translation>VBR</translation>
    </message>
    <message>
        <source>constrained VBR</source>
        <translation>VBR contraint</translation>
    </message>
    <message>
        <source>CBR</source>
        <translation>CBR</translation>
    </message>
    <message>
        <source>the Opus writer was already used for a file</source>
        <translation>le module d&apos;écriture Opus a déjà servi pour un fichier</translation>
    </message>
    <message>
        <source>cannot create the Opus file %1: %2</source>
        <translation>impossible de créer le fichier Opus %1 : %2</translation>
    </message>
    <message>
        <source>cannot write the Opus file %1: it holds no audio</source>
        <translation>impossible d&apos;écrire le fichier Opus %1 : il ne contient pas d&apos;audio</translation>
    </message>
    <message>
        <source>no Opus file is open for writing</source>
        <translation>aucun fichier Opus n&apos;est ouvert en écriture</translation>
    </message>
    <message>
        <source>cannot write the Opus file %1: %2</source>
        <translation>impossible d&apos;écrire le fichier Opus %1 : %2</translation>
    </message>
    <message>
        <source>Opus cannot encode %1 Hz with %2 channels.</source>
        <translation>Opus ne peut pas encoder %1 Hz avec %2 canaux.</translation>
    </message>
    <message>
        <source>The Opus bitrate is 6 to %2 kbit/s, not %1.</source>
        <translation>Le débit Opus va de 6 à %2 kbit/s, pas %1.</translation>
    </message>
    <message>
        <source>The Opus bitrate mode %1 is not known.</source>
        <translation>Le mode de débit Opus %1 est inconnu.</translation>
    </message>
    <message>
        <source>The Opus complexity is 0 to 10, not %1.</source>
        <translation>La complexité Opus va de 0 à 10, pas %1.</translation>
    </message>
    <message>
        <source>%1 kbit/s %2, %3, complexity %4</source>
        <translation>%1 kbit/s %2, %3, complexité %4</translation>
    </message>
    <message>
        <source>%1 Hz, %2, </source>
        <extracomment>The start of an Ogg Vorbis format&apos;s description; a quality or bitrate follows</extracomment>
        <translation>%1 Hz, %2, </translation>
    </message>
    <message>
        <source>quality %1</source>
        <translation>qualité %1</translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>managed bitrate</source>
        <translation>débit géré</translation>
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
        <translation>: à %1, il accepte des débits nominaux de %2 à %3 kbit/s.</translation>
    </message>
    <message>
        <source>: at %1 it takes no set bitrate, only a quality.</source>
        <extracomment>Follows a refusal such as &quot;Ogg Vorbis cannot encode ...&quot;</extracomment>
        <translation>: à %1, il n&apos;accepte pas de débit fixe, seulement une qualité.</translation>
    </message>
    <message>
        <source>: it encodes Mono or Stereo at up to 200000 Hz, at qualities from 0 to 10.</source>
        <extracomment>Follows a refusal such as &quot;Ogg Vorbis cannot encode ...&quot;</extracomment>
        <translation>: il encode en mono ou en stéréo jusqu&apos;à 200 000 Hz, avec des qualités de 0 à 10.</translation>
    </message>
    <message>
        <source>Ogg Vorbis cannot encode %1 (error %2)</source>
        <translation>Ogg Vorbis ne peut pas encoder %1 (erreur %2)</translation>
    </message>
    <message>
        <source>the Ogg Vorbis writer was already used for a file</source>
        <translation>le module d&apos;écriture Ogg Vorbis a déjà servi pour un fichier</translation>
    </message>
    <message>
        <source>cannot create the Ogg Vorbis file %1: %2</source>
        <translation>impossible de créer le fichier Ogg Vorbis %1 : %2</translation>
    </message>
    <message>
        <source>no Ogg Vorbis file is open for writing</source>
        <translation>aucun fichier Ogg Vorbis n&apos;est ouvert en écriture</translation>
    </message>
    <message>
        <source>cannot write the Ogg Vorbis file %1: %2</source>
        <translation>impossible d&apos;écrire le fichier Ogg Vorbis %1 : %2</translation>
    </message>
</context>
<context>
    <name>ExtractionRun</name>
    <message>
        <source> the input file doesn&apos;t exist</source>
        <translation> le fichier d&apos;entrée n&apos;existe pas</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The output file %1 would replace the video itself. Choose another folder or output format.</source>
        <translation>Le fichier de sortie %1 remplacerait la vidéo elle-même. Choisissez un autre dossier ou un autre format de sortie.</translation>
    </message>
    <message>
        <source>The video file %1 could not be deleted.</source>
        <translation>Le fichier vidéo %1 n&apos;a pas pu être supprimé.</translation>
    </message>
    <message>
        <source>The frequency &quot;%1&quot; is not a number.</source>
        <translation>La fréquence « %1 » n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The bit rate &quot;%1&quot; is not a number.</source>
        <translation>Le débit « %1 » n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Choose Mono or Stereo as the channels.</source>
        <translation>Choisissez Mono ou Stéréo pour les canaux.</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>A message box: %1 says why the sound track could not be extracted</extracomment>
        <translation>Erreur : %1</translation>
    </message>
</context>
<context>
    <name>FileOps</name>
    <message>
        <source>it does not exist</source>
        <translation>il n&apos;existe pas</translation>
    </message>
</context>
<context>
    <name>FlacCueSheet</name>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>track %1 has no index</source>
        <translation>la piste %1 n&apos;a pas d&apos;index</translation>
    </message>
    <message>
        <source>it is not a legal CD cue sheet</source>
        <translation>ce n&apos;est pas une feuille CUE de CD valide</translation>
    </message>
    <message>
        <source>The cue sheet could not be put into the FLAC file %1: %2</source>
        <translation>La feuille CUE n&apos;a pas pu être intégrée au fichier FLAC %1 : %2</translation>
    </message>
</context>
<context>
    <name>Formats</name>
    <message>
        <source>WMA format is NOT supported in your system, the wma codec may not be installed.!</source>
        <translation>Le format WMA n&apos;est PAS pris en charge sur votre système, le codec WMA n&apos;est peut-être pas installé !</translation>
    </message>
    <message>
        <source>MP3 File(.mp3)</source>
        <translation>Fichier MP3 (.mp3)</translation>
    </message>
    <message>
        <source>OGG Vorbis File(.ogg)</source>
        <translation>Fichier Ogg Vorbis (.ogg)</translation>
    </message>
    <message>
        <source>WAV File(.wav)</source>
        <translation>Fichier WAV (.wav)</translation>
    </message>
    <message>
        <source>Window Media Audio File(.wma)</source>
        <translation>Fichier Windows Media Audio (.wma)</translation>
    </message>
    <message>
        <source>FLAC File(.flac)</source>
        <translation>Fichier FLAC (.flac)</translation>
    </message>
    <message>
        <source>Opus File(.opus)</source>
        <translation>Fichier Opus (.opus)</translation>
    </message>
    <message>
        <source>Wav files</source>
        <translation>Fichiers WAV</translation>
    </message>
    <message>
        <source>MP3 files</source>
        <translation>Fichiers MP3</translation>
    </message>
    <message>
        <source>Ogg Vorbis files</source>
        <translation>Fichiers Ogg Vorbis</translation>
    </message>
    <message>
        <source>WMA files</source>
        <translation>Fichiers WMA</translation>
    </message>
    <message>
        <source>CD Audio</source>
        <translation>CD audio</translation>
    </message>
    <message>
        <source>CD Audio files</source>
        <translation>Fichiers de CD audio</translation>
    </message>
    <message>
        <source>FLAC files</source>
        <translation>Fichiers FLAC</translation>
    </message>
    <message>
        <source>Opus files</source>
        <translation>Fichiers Opus</translation>
    </message>
    <message>
        <source>CD image</source>
        <translation>Image de CD</translation>
    </message>
    <message>
        <source>CD images</source>
        <translation>Images de CD</translation>
    </message>
</context>
<context>
    <name>GrabSettings</name>
    <message>
        <source>stored for %1</source>
        <extracomment>Where a drive&apos;s read offset comes from; %1 the drive&apos;s name</extracomment>
        <translation>enregistré pour %1</translation>
    </message>
</context>
<context>
    <name>HttpGet</name>
    <message>
        <source>%1 sent an answer larger than %2 kB; it was refused.</source>
        <translation>%1 a envoyé une réponse de plus de %2 ko ; elle a été refusée.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds.</source>
        <translation>%1 n&apos;a pas répondu dans les %2 secondes.</translation>
    </message>
    <message>
        <source>%1 sent the request round in redirects.</source>
        <translation>%1 a renvoyé la requête dans une boucle de redirections.</translation>
    </message>
    <message>
        <source>%1 could not be reached: %2.</source>
        <translation>%1 n&apos;a pas pu être joint : %2.</translation>
    </message>
    <message>
        <source>%1 broke off its answer: %2.</source>
        <translation>%1 a interrompu sa réponse : %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address.</source>
        <translation>« %1 » n&apos;est pas une adresse web.</translation>
    </message>
</context>
<context>
    <name>LongJob</name>
    <message>
        <source>1 file written</source>
        <translation>1 fichier écrit</translation>
    </message>
    <message>
        <source>%1 files written</source>
        <translation>%1 fichiers écrits</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <extracomment>Follows &quot;3 files written&quot;: the files of the job that failed.</extracomment>
        <translation>, %1 en échec.</translation>
    </message>
</context>
<context>
    <name>Loudness</name>
    <message>
        <source>the measurement was stopped</source>
        <translation>la mesure a été arrêtée</translation>
    </message>
    <message>
        <source>Loudness cannot be measured at %1 Hz with %2 channels.</source>
        <translation>Le volume sonore ne peut pas être mesuré à %1 Hz avec %2 canaux.</translation>
    </message>
    <message>
        <source>A block of %1 samples is not a whole number of %2-channel frames.</source>
        <translation>Un bloc de %1 échantillons ne contient pas un nombre entier de trames à %2 canaux.</translation>
    </message>
</context>
<context>
    <name>LoudnessTags</name>
    <message>
        <source>Loudness tags cannot be written: %1 does not exist.</source>
        <translation>Impossible d&apos;écrire les étiquettes de volume sonore : %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Loudness tags cannot be written into %1: it is not an audio file whose tags can be handled here.</source>
        <translation>Impossible d&apos;écrire les étiquettes de volume sonore dans %1 : ce n&apos;est pas un fichier audio dont les étiquettes peuvent être traitées ici.</translation>
    </message>
    <message>
        <source>Loudness tags cannot be written into %1: it cannot be changed.</source>
        <translation>Impossible d&apos;écrire les étiquettes de volume sonore dans %1 : il ne peut pas être modifié.</translation>
    </message>
    <message>
        <source>Loudness tags cannot be written into %1: its format has no place for them.</source>
        <translation>Impossible d&apos;écrire les étiquettes de volume sonore dans %1 : son format ne prévoit pas de place pour elles.</translation>
    </message>
    <message>
        <source>The loudness tags of %1 could not be saved.</source>
        <translation>Les étiquettes de volume sonore de %1 n&apos;ont pas pu être enregistrées.</translation>
    </message>
</context>
<context>
    <name>MP3Settings</name>
    <message>
        <source>error handler</source>
        <translation>gestionnaire d&apos;erreurs</translation>
    </message>
    <message>
        <source>message handler</source>
        <translation>gestionnaire de messages</translation>
    </message>
    <message>
        <source>debug handler</source>
        <translation>gestionnaire de débogage</translation>
    </message>
    <message>
        <source>channel count</source>
        <translation>nombre de canaux</translation>
    </message>
    <message>
        <source>input sample rate</source>
        <translation>fréquence d&apos;échantillonnage d&apos;entrée</translation>
    </message>
    <message>
        <source>sample rate</source>
        <translation>fréquence d&apos;échantillonnage</translation>
    </message>
    <message>
        <source>free format</source>
        <translation>format libre</translation>
    </message>
    <message>
        <source>channel mode</source>
        <translation>mode des canaux</translation>
    </message>
    <message>
        <source>forced joint stereo</source>
        <translation>stéréo jointe forcée</translation>
    </message>
    <message>
        <source>coding method</source>
        <translation>méthode de codage</translation>
    </message>
    <message>
        <source>bitrate</source>
        <translation>débit</translation>
    </message>
    <message>
        <source>VBR quality</source>
        <translation>qualité VBR</translation>
    </message>
    <message>
        <source>maximum VBR bitrate</source>
        <translation>débit VBR maximal</translation>
    </message>
    <message>
        <source>enforce minimum bitrate</source>
        <translation>imposer le débit minimal</translation>
    </message>
    <message>
        <source>ABR bitrate</source>
        <translation>débit ABR</translation>
    </message>
    <message>
        <source>encoder quality</source>
        <translation>qualité de l&apos;encodeur</translation>
    </message>
    <message>
        <source>VBR header</source>
        <translation>en-tête VBR</translation>
    </message>
    <message>
        <source>bit reservoir</source>
        <translation>réservoir de bits</translation>
    </message>
    <message>
        <source>block types</source>
        <translation>types de blocs</translation>
    </message>
    <message>
        <source>short blocks</source>
        <translation>blocs courts</translation>
    </message>
    <message>
        <source>de-emphasis</source>
        <translation>désaccentuation</translation>
    </message>
    <message>
        <source>strict ISO</source>
        <translation>ISO strict</translation>
    </message>
    <message>
        <source>ATH control</source>
        <translation>contrôle ATH</translation>
    </message>
    <message>
        <source>lowpass frequency</source>
        <translation>fréquence du passe-bas</translation>
    </message>
    <message>
        <source>highpass frequency</source>
        <translation>fréquence du passe-haut</translation>
    </message>
    <message>
        <source>lowpass width</source>
        <translation>largeur du passe-bas</translation>
    </message>
    <message>
        <source>highpass width</source>
        <translation>largeur du passe-haut</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC</translation>
    </message>
    <message>
        <source>Phone</source>
        <extracomment>The MP3 presets&apos; names: kinds of sound, from telephone to studio quality.</extracomment>
        <translation>Téléphone</translation>
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
        <translation>Voix</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Cassette</translation>
    </message>
    <message>
        <source>HiFi</source>
        <translation>Hi-Fi</translation>
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
        <translation>Réglage MP3 « %1 » : %2 n&apos;est pas %3</translation>
    </message>
    <message>
        <source>one of %1..%2</source>
        <translation>une valeur de %1..%2</translation>
    </message>
    <message>
        <source>an MPEG bitrate (8..320 kbit/s)</source>
        <translation>un débit MPEG (8..320 kbit/s)</translation>
    </message>
    <message>
        <source>-1 (no filter) or one of 1..48000 Hz</source>
        <translation>-1 (pas de filtre) ou une valeur de 1..48000 Hz</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation>Stéréo jointe</translation>
    </message>
    <message>
        <source>Forced Joint Stereo</source>
        <translation>Stéréo jointe forcée</translation>
    </message>
    <message>
        <source>Dual Channels</source>
        <translation>Double canal</translation>
    </message>
    <message>
        <source>preset</source>
        <translation>préréglage</translation>
    </message>
    <message>
        <source>an MPEG sample rate (8000..48000 Hz)</source>
        <translation>une fréquence d&apos;échantillonnage MPEG (8000..48000 Hz)</translation>
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
        <translation>Qualité VBR %1 (max. %2 kbit/s)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An MP3 preset&apos;s name, then what it writes.</extracomment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>MoviePlayer</name>
    <message>
        <source>Movie file &quot;%1&quot; could not be found.</source>
        <translation>Le fichier vidéo « %1 » est introuvable.</translation>
    </message>
    <message>
        <source>Movie file &quot;%1&quot; is not a valid movie.</source>
        <translation>Le fichier vidéo « %1 » n&apos;est pas une vidéo valide.</translation>
    </message>
</context>
<context>
    <name>MusicBrainz</name>
    <message>
        <source>MusicBrainz sent an answer that is not JSON (%1).</source>
        <translation>MusicBrainz a envoyé une réponse qui n&apos;est pas du JSON (%1).</translation>
    </message>
    <message>
        <source>MusicBrainz knows no release with disc id %1.</source>
        <translation>MusicBrainz ne connaît aucune parution avec l&apos;identifiant de disque %1.</translation>
    </message>
    <message>
        <source>MusicBrainz could not be asked about disc %1: %2</source>
        <translation>MusicBrainz n&apos;a pas pu être interrogé sur le disque %1 : %2</translation>
    </message>
    <message>
        <source>MusicBrainz answered the look-up of disc %1 with HTTP status %2.</source>
        <translation>MusicBrainz a répondu à la recherche du disque %1 avec le code HTTP %2.</translation>
    </message>
    <message>
        <source>The cover archive could not be asked: %1</source>
        <translation>L&apos;archive des pochettes n&apos;a pas pu être interrogée : %1</translation>
    </message>
    <message>
        <source>The release has no front cover.</source>
        <translation>La parution n&apos;a pas de pochette avant.</translation>
    </message>
    <message>
        <source>The cover archive answered with HTTP status %1.</source>
        <translation>L&apos;archive des pochettes a répondu avec le code HTTP %1.</translation>
    </message>
    <message>
        <source>The cover archive sent no picture but %1.</source>
        <translation>L&apos;archive des pochettes n&apos;a pas envoyé d&apos;image, mais %1.</translation>
    </message>
</context>
<context>
    <name>OffsetSearch</name>
    <message>
        <source>The detection was stopped.</source>
        <translation>La détection a été arrêtée.</translation>
    </message>
    <message>
        <source>The disc was changed during the detection.</source>
        <translation>Le disque a été changé pendant la détection.</translation>
    </message>
</context>
<context>
    <name>OutputSettings</name>
    <message>
        <source>Incorrect format, try choosing a higher frequency.!</source>
        <translation>Format incorrect, essayez de choisir une fréquence plus élevée !</translation>
    </message>
    <message>
        <source>The format %1 cannot be written.</source>
        <translation>Le format %1 ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>There is no WMA profile %1 (profiles are 0 to %2).</source>
        <translation>Le profil WMA %1 n&apos;existe pas (les profils vont de 0 à %2).</translation>
    </message>
    <message>
        <source>WMA cannot be written on this system.</source>
        <translation>Le WMA ne peut pas être écrit sur ce système.</translation>
    </message>
</context>
<context>
    <name>ProgressInStatusBar</name>
    <message>
        <source>Ready</source>
        <extracomment>Status bar: no conversion is running</extracomment>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>File %1 of %2</source>
        <translation>Fichier %1 sur %2</translation>
    </message>
    <message>
        <source>Elapsed: %1</source>
        <translation>Écoulé : %1</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Restant : %1</translation>
    </message>
</context>
<context>
    <name>ReadOffsetFinder</name>
    <message>
        <source>1 track</source>
        <translation>1 piste</translation>
    </message>
    <message>
        <source>%1 tracks</source>
        <translation>%1 pistes</translation>
    </message>
    <message>
        <source>Detected %1 (confirmed by %2)</source>
        <extracomment>%1 is the offset in samples, %2 a count of tracks</extracomment>
        <translation>Détecté : %1 (confirmé par %2)</translation>
    </message>
    <message>
        <source>The disc is not in the AccurateRip database, so no read offset can be detected with it; try another disc</source>
        <translation>Le disque n&apos;est pas dans la base de données AccurateRip, aucun décalage de lecture ne peut donc être détecté avec lui ; essayez un autre disque</translation>
    </message>
    <message>
        <source>No track of the disc reaches sector 450 with a checksum in its AccurateRip record, so no read offset can be detected with it; try another disc</source>
        <translation>Aucune piste du disque n&apos;atteint le secteur 450 avec une somme de contrôle dans son enregistrement AccurateRip, aucun décalage de lecture ne peut donc être détecté avec lui ; essayez un autre disque</translation>
    </message>
    <message>
        <source>No read offset from %1 to %2 matches the disc&apos;s AccurateRip record (%3 compared)</source>
        <extracomment>%3 is a count of tracks</extracomment>
        <translation>Aucun décalage de lecture de %1 à %2 ne correspond à l&apos;enregistrement AccurateRip du disque (%3 comparées)</translation>
    </message>
    <message>
        <source>Offset %1 matches the disc&apos;s AccurateRip record at sector 450 of %2, but no whole track matches: no read offset detected</source>
        <extracomment>%2 is a count of tracks</extracomment>
        <translation>Le décalage %1 correspond à l&apos;enregistrement AccurateRip du disque au secteur 450 de %2, mais aucune piste entière ne correspond : aucun décalage de lecture détecté</translation>
    </message>
    <message>
        <source>The read offset could not be detected: %1</source>
        <translation>Le décalage de lecture n&apos;a pas pu être détecté : %1</translation>
    </message>
    <message>
        <source>a disc image names no drive to look up in the drive-offset list</source>
        <translation>une image disque n&apos;indique aucun lecteur à rechercher dans la liste des décalages de lecteurs</translation>
    </message>
    <message>
        <source>the drive-offset list could not be fetched: %1</source>
        <translation>la liste des décalages de lecteurs n&apos;a pas pu être récupérée : %1</translation>
    </message>
    <message>
        <source>the drive-offset list has no entry for %1</source>
        <translation>la liste des décalages de lecteurs n&apos;a pas d&apos;entrée pour %1</translation>
    </message>
    <message>
        <source>the drive-offset list gives %1 for %2</source>
        <translation>la liste des décalages de lecteurs donne %1 pour %2</translation>
    </message>
    <message>
        <source>%1, which does not agree: the detected offset is the one kept</source>
        <translation>%1, ce qui ne concorde pas : c&apos;est le décalage détecté qui est conservé</translation>
    </message>
</context>
<context>
    <name>RecordingSession</name>
    <message>
        <source>The recording file could not be created.</source>
        <translation>Le fichier d&apos;enregistrement n&apos;a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>ReleaseChoice</name>
    <message>
        <source>Choose the Release</source>
        <translation>Choisir la parution</translation>
    </message>
    <message>
        <source>MusicBrainz knows this disc from several releases. Choose the one you have:</source>
        <translation>MusicBrainz connaît ce disque dans plusieurs parutions. Choisissez celle que vous possédez :</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>Column headers of the releases: the record label and the medium (CD, vinyl …)</extracomment>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artiste</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
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
        <translation>%1 (disque %2 sur %3)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>Resampler</name>
    <message>
        <source>Audio conversion failed: %1</source>
        <translation>La conversion audio a échoué : %1</translation>
    </message>
    <message>
        <source>Cannot convert audio from %1 Hz, %2 channels to %3 Hz, %4 channels.</source>
        <translation>Impossible de convertir l&apos;audio de %1 Hz, %2 canaux en %3 Hz, %4 canaux.</translation>
    </message>
    <message>
        <source>Cannot set up the audio conversion from %1 Hz to %2 Hz: %3</source>
        <translation>Impossible de préparer la conversion audio de %1 Hz en %2 Hz : %3</translation>
    </message>
</context>
<context>
    <name>RipLog</name>
    <message>
        <source>The rip log &apos;%1&apos; could not be written: %2</source>
        <translation>Le journal d&apos;extraction « %1 » n&apos;a pas pu être écrit : %2</translation>
    </message>
</context>
<context>
    <name>RunPlan</name>
    <message>
        <source>File &apos;%1&apos; is on a CD. Please choose another folder</source>
        <translation>Le fichier « %1 » est sur un CD. Veuillez choisir un autre dossier</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; is on a CD. Can&apos;t delete this file</source>
        <translation>Le fichier « %1 » est sur un CD. Impossible de le supprimer</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; is not exist.</source>
        <translation>Le fichier « %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; would be overwritten by its own output.</source>
        <translation>Le fichier « %1 » serait écrasé par sa propre sortie.</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; would overwrite the output of &apos;%2&apos;. Rename it first.</source>
        <translation>Le fichier « %1 » écraserait la sortie de « %2 ». Renommez-le d&apos;abord.</translation>
    </message>
</context>
<context>
    <name>SettingsTables</name>
    <message>
        <source>  8 000 Hz</source>
        <extracomment>A sampling frequency in the lists; digits grouped as the language groups them</extracomment>
        <translation>  8 000 Hz</translation>
    </message>
    <message>
        <source>11 025 Hz</source>
        <translation>11 025 Hz</translation>
    </message>
    <message>
        <source>12 000 Hz </source>
        <translation>12 000 Hz </translation>
    </message>
    <message>
        <source>16 000 Hz</source>
        <translation>16 000 Hz</translation>
    </message>
    <message>
        <source>22 050 Hz</source>
        <translation>22 050 Hz</translation>
    </message>
    <message>
        <source>24 000 Hz</source>
        <translation>24 000 Hz</translation>
    </message>
    <message>
        <source>32 000 Hz</source>
        <translation>32 000 Hz</translation>
    </message>
    <message>
        <source>44 100 Hz</source>
        <translation>44 100 Hz</translation>
    </message>
    <message>
        <source>48 000 Hz</source>
        <translation>48 000 Hz</translation>
    </message>
</context>
<context>
    <name>SheetSources</name>
    <message>
        <source>The tags could not be written: %1 no longer names the track.</source>
        <translation>Les étiquettes n&apos;ont pas pu être écrites : %1 ne désigne plus la piste.</translation>
    </message>
    <message>
        <source>The tags could not be written (the source is kept): %1</source>
        <translation>Les étiquettes n&apos;ont pas pu être écrites (la source est conservée) : %1</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add audio files to the list (Ctrl+O)</source>
        <translation>Ajouter des fichiers audio à la liste (Ctrl+O)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove the selected files from the list (Ctrl+D)</source>
        <translation>Retirer les fichiers sélectionnés de la liste (Ctrl+D)</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Convert the files in the list</source>
        <translation>Convertir les fichiers de la liste</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Record sound</source>
        <translation>Enregistrer du son</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Open the help</source>
        <translation>Ouvrir l&apos;aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>About Velloria Audio Converter</source>
        <translation>À propos du convertisseur audio Velloria</translation>
    </message>
    <message>
        <source>About Velloria Audio Extractor</source>
        <translation>À propos de l&apos;extracteur audio Velloria</translation>
    </message>
</context>
<context>
    <name>SkinControl</name>
    <message>
        <source>Skin file &quot;%1&quot; could not be found.</source>
        <translation>Le fichier de thème « %1 » est introuvable.</translation>
    </message>
    <message>
        <source>Skin file &quot;%1&quot; is not a valid skin.</source>
        <translation>Le fichier de thème « %1 » n&apos;est pas un thème valide.</translation>
    </message>
    <message>
        <source>Skin file &quot;%1&quot; is not a valid skin: it names no window section.</source>
        <translation>Le fichier de thème « %1 » n&apos;est pas un thème valide : il ne désigne aucune section de fenêtre.</translation>
    </message>
    <message>
        <source>Skin file &quot;%1&quot;: the picture &quot;%2&quot; of section &quot;%3&quot; could not be read.</source>
        <translation>Fichier de thème « %1 » : l&apos;image « %2 » de la section « %3 » n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source>Skin &quot;%1&quot;: no window to skin.</source>
        <translation>Thème « %1 » : aucune fenêtre à habiller.</translation>
    </message>
    <message>
        <source>Skin file &quot;%1&quot; has no element &quot;%2&quot;.</source>
        <translation>Le fichier de thème « %1 » n&apos;a pas d&apos;élément « %2 ».</translation>
    </message>
    <message>
        <source>No skin file has been loaded.</source>
        <translation>Aucun fichier de thème n&apos;a été chargé.</translation>
    </message>
</context>
<context>
    <name>SplashControl</name>
    <message>
        <source>Splash file &quot;%1&quot; could not be found.</source>
        <translation>Le fichier d&apos;écran de démarrage « %1 » est introuvable.</translation>
    </message>
    <message>
        <source>Splash file &quot;%1&quot; is not a valid splash file.</source>
        <translation>Le fichier d&apos;écran de démarrage « %1 » n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Splash file &quot;%1&quot;: the picture &quot;%2&quot; could not be read.</source>
        <translation>Fichier d&apos;écran de démarrage « %1 » : l&apos;image « %2 » n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source>No splash file has been loaded.</source>
        <translation>Aucun fichier d&apos;écran de démarrage n&apos;a été chargé.</translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informations système indisponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>VideoFile</name>
    <message>
        <source>The sound track of %1 ends after %2 s of the %3 s its file states: the file is incomplete.</source>
        <translation>La piste son de %1 s&apos;arrête après %2 s sur les %3 s annoncées par le fichier : le fichier est incomplet.</translation>
    </message>
    <message>
        <source>The video could not be opened.</source>
        <translation>La vidéo n&apos;a pas pu être ouverte.</translation>
    </message>
</context>
<context>
    <name>WavFormatChooser</name>
    <message>
        <source>Sound Format</source>
        <translation>Format du son</translation>
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
        <translation>Fréquence d&apos;échantillonnage :</translation>
    </message>
    <message>
        <source>Bits per sample:</source>
        <translation>Bits par échantillon :</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canaux :</translation>
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
        <translation>Conversion des fichiers audio</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversion terminée</translation>
    </message>
    <message>
        <source>These files could not be converted:</source>
        <translation>Ces fichiers n&apos;ont pas pu être convertis :</translation>
    </message>
    <message>
        <source>You must select the output folder.!</source>
        <translation>Vous devez choisir le dossier de sortie !</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be created.</source>
        <translation>Le dossier « %1 » n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>No files selected, Convert the whole list?!</source>
        <translation>Aucun fichier sélectionné. Convertir toute la liste ?</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <translation>Convertisseur audio</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Fichiers à convertir</translation>
    </message>
    <message>
        <source>Add files with Ctrl+O or by dropping them here</source>
        <translation>Ajoutez des fichiers avec Ctrl+O ou en les déposant ici</translation>
    </message>
    <message>
        <source>Output to same folder as original</source>
        <translation>Sortie dans le dossier d&apos;origine</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Dossier :</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Delete source file(s) after conversion</source>
        <translation>Supprimer les fichiers source après la conversion</translation>
    </message>
    <message>
        <source>Preserve ID Tags</source>
        <translation>Conserver les étiquettes</translation>
    </message>
    <message>
        <source>Configure CD Parameters</source>
        <translation>Configurer les paramètres du CD</translation>
    </message>
    <message>
        <source>Rename Output Files...</source>
        <translation>Renommer les fichiers de sortie...</translation>
    </message>
    <message>
        <source>Use every processor core</source>
        <translation>Utiliser tous les cœurs du processeur</translation>
    </message>
    <message>
        <source>Convert several files at once; the results are the same as one at a time</source>
        <translation>Convertir plusieurs fichiers à la fois ; le résultat est le même qu&apos;un par un</translation>
    </message>
    <message>
        <source>Write loudness tags (ReplayGain)</source>
        <translation>Écrire les étiquettes de volume sonore (ReplayGain)</translation>
    </message>
    <message>
        <source>Measure each output and each album (the files of one source folder) and tag them so that players play them at one level</source>
        <translation>Mesurer chaque sortie et chaque album (les fichiers d&apos;un même dossier source) et les étiqueter pour que les lecteurs les jouent au même niveau</translation>
    </message>
    <message>
        <source>Name outputs by pattern</source>
        <translation>Nommer les sorties selon un modèle</translation>
    </message>
    <message>
        <source>Output name pattern</source>
        <translation>Modèle de nom de sortie</translation>
    </message>
    <message>
        <source>Fields: {artist} {album} {albumartist} {title} {track} {disc} {year} {genre} {name}; a &quot;/&quot; makes a folder</source>
        <extracomment>The field names in braces are what the pattern takes: keep them as they are</extracomment>
        <translation>Champs : {artist} {album} {albumartist} {title} {track} {disc} {year} {genre} {name} ; un « / » crée un dossier</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>Convertir en :</translation>
    </message>
    <message>
        <source>Configure...</source>
        <translation>Configurer...</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Convert &gt;&gt;</source>
        <translation>Convertir &gt;&gt;</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>%p%</source>
        <extracomment>The progress bar&apos;s text: %p is the percentage done</extracomment>
        <translation>%p %</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Popup menu of the file list: plays the focused file as a preview</extracomment>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Audio Conv.</source>
        <extracomment>The program&apos;s short title, on its message boxes</extracomment>
        <translation>Conv. audio</translation>
    </message>
    <message>
        <source>Open Input Audio File</source>
        <translation>Ouvrir un fichier audio d&apos;entrée</translation>
    </message>
    <message>
        <source>The CUE sheet &apos;%1&apos; could not be opened: %2</source>
        <translation>La feuille CUE « %1 » n&apos;a pas pu être ouverte : %2</translation>
    </message>
    <message>
        <source>The disc image &apos;%1&apos; could not be opened: %2</source>
        <translation>L&apos;image disque « %1 » n&apos;a pas pu être ouverte : %2</translation>
    </message>
    <message>
        <source>You must select on the audio file that you want to delete it</source>
        <translation>Vous devez sélectionner le fichier audio à supprimer</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Popup menu of the file list: stops the preview</extracomment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>The file cannot be played:
%1
%2</source>
        <translation>Impossible de lire le fichier :
%1
%2</translation>
    </message>
</context>
<context>
    <name>frmFlacSettings</name>
    <message>
        <source>0 (fastest)</source>
        <translation>0 (le plus rapide)</translation>
    </message>
    <message>
        <source>5 (default)</source>
        <translation>5 (par défaut)</translation>
    </message>
    <message>
        <source>8 (smallest)</source>
        <translation>8 (le plus compact)</translation>
    </message>
    <message>
        <source>FLAC Settings</source>
        <translation>Paramètres FLAC</translation>
    </message>
    <message>
        <source>Compression &amp;level:</source>
        <translation>&amp;Niveau de compression :</translation>
    </message>
    <message>
        <source>&amp;Verify while encoding (slower)</source>
        <translation>&amp;Vérifier pendant l&apos;encodage (plus lent)</translation>
    </message>
    <message>
        <source>Lossless: the source&apos;s rate and channels are kept, and its bit depth up to 24 bits (16 bits for sources that have none).</source>
        <translation>Sans perte : la fréquence et les canaux de la source sont conservés, ainsi que sa résolution jusqu&apos;à 24 bits (16 bits pour les sources qui n&apos;en ont pas).</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>frmMP3Settings</name>
    <message>
        <source>MP3 Lame 3.91 Encoder Settings</source>
        <translation>Paramètres de l&apos;encodeur MP3 Lame 3.91</translation>
    </message>
    <message>
        <source>MP3 Lame Encoder</source>
        <translation>Encodeur MP3 Lame</translation>
    </message>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation>Débit actuel : %1 kbit</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Préréglage :</translation>
    </message>
    <message>
        <source>Current Preset:</source>
        <translation>Préréglage actuel :</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>&amp;Hide Advanced Options</source>
        <translation>&amp;Masquer les options avancées</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>&amp;Advanced Options</source>
        <translation>Options &amp;avancées</translation>
    </message>
    <message>
        <source>Sampling Frequency</source>
        <translation>Fréquence d&apos;échantillonnage</translation>
    </message>
    <message>
        <source>Encoder Quality</source>
        <translation>Qualité de l&apos;encodeur</translation>
    </message>
    <message>
        <source>Channels Mode</source>
        <translation>Mode des canaux</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation>Stéréo jointe</translation>
    </message>
    <message>
        <source>Forced Joint Stereo</source>
        <translation>Stéréo jointe forcée</translation>
    </message>
    <message>
        <source>Dual Channels</source>
        <translation>Double canal</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>LowPass Filter</source>
        <translation>Filtre passe-bas</translation>
    </message>
    <message>
        <source>Lowpass filtering frequency (in Hz):</source>
        <translation>Fréquence du filtre passe-bas (en Hz) :</translation>
    </message>
    <message>
        <source>Width of Lowpass filter (in Hz):</source>
        <translation>Largeur du filtre passe-bas (en Hz) :</translation>
    </message>
    <message>
        <source>HighPass Filter</source>
        <translation>Filtre passe-haut</translation>
    </message>
    <message>
        <source>Highpass filtering frequency (in Hz):</source>
        <translation>Fréquence du filtre passe-haut (en Hz) :</translation>
    </message>
    <message>
        <source>Width of Highpass filter (in Hz):</source>
        <translation>Largeur du filtre passe-haut (en Hz) :</translation>
    </message>
    <message>
        <source>Coding Method:</source>
        <translation>Méthode de codage :</translation>
    </message>
    <message>
        <source>None</source>
        <comment>VBR coding method</comment>
        <extracomment>VBR coding methods of the MP3 encoder: none (constant bitrate), the encoder&apos;s default, its old and new VBR routines, MTRH and average bitrate</extracomment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>VBR coding method</comment>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Old</source>
        <comment>VBR coding method</comment>
        <translation>Ancienne</translation>
    </message>
    <message>
        <source>New</source>
        <comment>VBR coding method</comment>
        <translation>Nouvelle</translation>
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
        <translation>Qualité VBR :</translation>
    </message>
    <message>
        <source>Targed bitrate for ABR:</source>
        <translation>Débit cible pour l&apos;ABR :</translation>
    </message>
    <message>
        <source>Maximum VBR Bitrate</source>
        <translation>Débit VBR maximal</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Strictly enforce minimum bitrate</source>
        <translation>Imposer strictement le débit minimal</translation>
    </message>
    <message>
        <source>Write VBR Header</source>
        <translation>Écrire l&apos;en-tête VBR</translation>
    </message>
    <message>
        <source>comply as much as possible to ISO MPEG spec</source>
        <translation>respecter au mieux la norme ISO MPEG</translation>
    </message>
    <message>
        <source>short blocks</source>
        <translation>blocs courts</translation>
    </message>
    <message>
        <source>bit reservoir</source>
        <translation>réservoir de bits</translation>
    </message>
    <message>
        <source>allow block types to differ between channels</source>
        <translation>autoriser des types de blocs différents selon les canaux</translation>
    </message>
    <message>
        <source>include CRC -Checksums</source>
        <translation>inclure des sommes de contrôle CRC</translation>
    </message>
    <message>
        <source>ATH Control:</source>
        <translation>Contrôle ATH :</translation>
    </message>
    <message>
        <source>default</source>
        <comment>ATH control</comment>
        <extracomment>How the MP3 encoder uses the absolute threshold of hearing (ATH)</extracomment>
        <translation>par défaut</translation>
    </message>
    <message>
        <source>only</source>
        <comment>ATH control</comment>
        <translation>ATH seul</translation>
    </message>
    <message>
        <source>disabled</source>
        <comment>ATH control</comment>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>only for short blocks</source>
        <comment>ATH control</comment>
        <translation>blocs courts uniquement</translation>
    </message>
    <message>
        <source>De-emphasis :</source>
        <translation>Désaccentuation :</translation>
    </message>
    <message>
        <source>default</source>
        <comment>de-emphasis</comment>
        <translation>par défaut</translation>
    </message>
    <message>
        <source>0/15 microseconds</source>
        <translation>50/15 microsecondes</translation>
    </message>
    <message>
        <source>citt j.17</source>
        <translation>CCITT J.17</translation>
    </message>
    <message>
        <source>better</source>
        <extracomment>The ends of the encoder quality slider</extracomment>
        <translation>meilleure</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>plus rapide</translation>
    </message>
    <message>
        <source>poor quality </source>
        <extracomment>The ends of the bitrate slider</extracomment>
        <translation>basse qualité </translation>
    </message>
    <message>
        <source>good quality </source>
        <translation>haute qualité </translation>
    </message>
    <message>
        <source>Filtering</source>
        <translation>Filtrage</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>None</source>
        <comment>MP3 preset</comment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>These MP3 settings cannot be written:

%1</source>
        <translation>Ces paramètres MP3 ne peuvent pas être écrits :

%1</translation>
    </message>
</context>
<context>
    <name>frmOggSettings</name>
    <message>
        <source>OGG Vorbis Settings</source>
        <translation>Paramètres Ogg Vorbis</translation>
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
        <translation>Fréquence d&apos;échantillonnage</translation>
    </message>
    <message>
        <source>Channels Mode</source>
        <translation>Mode des canaux</translation>
    </message>
    <message>
        <source>Quality (Compression)</source>
        <translation>Qualité (compression)</translation>
    </message>
    <message>
        <source>VBR Enabled</source>
        <translation>VBR activé</translation>
    </message>
    <message>
        <source>Quality Enabled</source>
        <translation>Qualité activée</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Current nominal bitrate: %1 kbit</source>
        <translation>Débit nominal actuel : %1 kbit</translation>
    </message>
    <message>
        <source>Current min bitrate: %1 kbit</source>
        <translation>Débit minimal actuel : %1 kbit</translation>
    </message>
    <message>
        <source>Current max bitrate: %1 kbit</source>
        <translation>Débit maximal actuel : %1 kbit</translation>
    </message>
</context>
<context>
    <name>frmOpusSettings</name>
    <message>
        <source>Opus Settings</source>
        <translation>Paramètres Opus</translation>
    </message>
    <message>
        <source>&amp;Bitrate:</source>
        <translation>&amp;Débit :</translation>
    </message>
    <message>
        <source> kbit/s</source>
        <extracomment>Unit after the bitrate, with its leading space</extracomment>
        <translation> kbit/s</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Mode :</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Constrained VBR</source>
        <translation>VBR contraint</translation>
    </message>
    <message>
        <source>CBR</source>
        <translation>CBR</translation>
    </message>
    <message>
        <source>C&amp;omplexity:</source>
        <translation>C&amp;omplexité :</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>%1 kbit/s, %2. Encoded at 48 000 Hz; the source&apos;s rate is kept as the original rate.</source>
        <translation>%1 kbit/s, %2. Encodé à 48 000 Hz ; la fréquence de la source est conservée comme fréquence d&apos;origine.</translation>
    </message>
</context>
<context>
    <name>frmWavSettings</name>
    <message>
        <source>WAV Format set to CD quality</source>
        <translation>Format WAV réglé sur la qualité CD</translation>
    </message>
    <message>
        <source>Settings set to CD quality</source>
        <translation>Paramètres réglés sur la qualité CD</translation>
    </message>
    <message>
        <source>WAV Settings</source>
        <translation>Paramètres WAV</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>44100 Hz, 16 bit, Stereo</source>
        <translation>44100 Hz, 16 bits, Stéréo</translation>
    </message>
    <message>
        <source>Change Format</source>
        <translation>Changer le format</translation>
    </message>
    <message>
        <source>To CD Quality</source>
        <translation>Qualité CD</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The selected format is unavailable.</source>
        <translation>Le format choisi n&apos;est pas disponible.</translation>
    </message>
</context>
<context>
    <name>frmWmaSettings</name>
    <message>
        <source>WMA Settings</source>
        <translation>Paramètres WMA</translation>
    </message>
    <message>
        <source>WMA Profile:</source>
        <translation>Profil WMA :</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>WMA is not Supported in your system,Install WMA codec.!</source>
        <translation>Le WMA n&apos;est pas pris en charge sur votre système, installez le codec WMA !</translation>
    </message>
</context>
<context>
    <name>frmmainpro</name>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <translation>Convertisseur audio</translation>
    </message>
    <message>
        <source>Audio Extractor</source>
        <translation>Extracteur audio</translation>
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
        <translation>le dossier « %1 » n&apos;a pas pu être créé : %2</translation>
    </message>
    <message>
        <source> (%1 error blocks)</source>
        <translation> (%1 blocs erronés)</translation>
    </message>
    <message>
        <source>written %1 -&gt; %2%3</source>
        <extracomment>A result line: %1 the source, %2 the output, %3 nothing or &quot; (N error blocks)&quot;</extracomment>
        <translation>écrit %1 -&gt; %2%3</translation>
    </message>
    <message>
        <source>rip log %1</source>
        <translation>journal d&apos;extraction %1</translation>
    </message>
    <message>
        <source>skipped %1 (%2 exists)</source>
        <translation>ignoré %1 (%2 existe)</translation>
    </message>
    <message>
        <source>failed: %1: %2</source>
        <translation>échec : %1 : %2</translation>
    </message>
    <message>
        <source>%1 written, %2 skipped, %3 failed</source>
        <translation>%1 écrit(s), %2 ignoré(s), %3 en échec</translation>
    </message>
    <message>
        <source> %1 left</source>
        <extracomment>The time the run has left, after the progress line</extracomment>
        <translation> %1 restant</translation>
    </message>
    <message>
        <source>the output could not be put in place of &apos;%1&apos;</source>
        <translation>la sortie n&apos;a pas pu remplacer « %1 »</translation>
    </message>
    <message>
        <source>the video could not be deleted: %1</source>
        <translation>la vidéo n&apos;a pas pu être supprimée : %1</translation>
    </message>
    <message>
        <source>the sound track was not written</source>
        <translation>la piste son n&apos;a pas été écrite</translation>
    </message>
    <message>
        <source>interrupted (run again with --existing skip to complete)</source>
        <extracomment>Option names and their values stay as they are</extracomment>
        <translation>interrompu (relancez avec --existing skip pour terminer)</translation>
    </message>
    <message>
        <source>interrupted; %1 file(s) not converted (run again with --existing skip to complete)</source>
        <extracomment>Option names and their values stay as they are</extracomment>
        <translation>interrompu ; %1 fichier(s) non converti(s) (relancez avec --existing skip pour terminer)</translation>
    </message>
    <message>
        <source>the disc image &apos;%1&apos; could not be opened: %2</source>
        <translation>l&apos;image disque « %1 » n&apos;a pas pu être ouverte : %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither a disc image nor a CD drive of this machine</source>
        <translation>« %1 » n&apos;est ni une image disque ni un lecteur de CD de cette machine</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no audio tracks</source>
        <translation>« %1 » ne contient aucune piste audio</translation>
    </message>
    <message>
        <source>the disc has no audio track %1</source>
        <translation>le disque n&apos;a pas de piste audio %1</translation>
    </message>
    <message>
        <source>%1 exists and the disc&apos;s one file is named after the disc (use --existing skip or overwrite)</source>
        <extracomment>Option names and their values stay as they are</extracomment>
        <translation>%1 existe et le fichier unique du disque porte le nom du disque (utilisez --existing skip ou overwrite)</translation>
    </message>
    <message>
        <source>Finding the read offset of %1 …</source>
        <extracomment>%1 is the drive&apos;s name, or the device or image given</extracomment>
        <translation>Recherche du décalage de lecture de %1…</translation>
    </message>
    <message>
        <source>Kept as the read offset of %1.</source>
        <translation>Conservé comme décalage de lecture de %1.</translation>
    </message>
    <message>
        <source>the folder &apos;%1&apos; cannot be written: %2</source>
        <translation>le dossier « %1 » n&apos;est pas accessible en écriture : %2</translation>
    </message>
    <message>
        <source>%1 must be a whole number from 1 to %2, not &apos;%3&apos;</source>
        <extracomment>%1 is an option&apos;s name, %3 the value given</extracomment>
        <translation>%1 doit être un nombre entier de 1 à %2, pas « %3 »</translation>
    </message>
    <message>
        <source>%1 must be one of %2, not &apos;%3&apos;</source>
        <extracomment>%1 is an option&apos;s name, %2 its values (they stay as they are), %3 the value given</extracomment>
        <translation>%1 doit valoir %2, pas « %3 »</translation>
    </message>
    <message>
        <source>--shard must be K/N with 1 &lt;= K &lt;= N, not &apos;%1&apos;</source>
        <translation>--shard doit être de la forme K/N avec 1 &lt;= K &lt;= N, pas « %1 »</translation>
    </message>
    <message>
        <source>--quality and --mode do not apply to --extract (it takes --bitrate)</source>
        <translation>--quality et --mode ne s&apos;appliquent pas à --extract (qui prend --bitrate)</translation>
    </message>
    <message>
        <source>--jobs does not apply to --extract (videos are extracted one at a time)</source>
        <translation>--jobs ne s&apos;applique pas à --extract (les vidéos sont extraites une par une)</translation>
    </message>
    <message>
        <source>--no-tags does not apply to --extract (it copies no tags)</source>
        <translation>--no-tags ne s&apos;applique pas à --extract (qui ne copie aucune étiquette)</translation>
    </message>
    <message>
        <source>--replaygain does not apply to --extract</source>
        <translation>--replaygain ne s&apos;applique pas à --extract</translation>
    </message>
    <message>
        <source>--format must be one of %1, not &apos;%2&apos;</source>
        <translation>--format doit valoir %1, pas « %2 »</translation>
    </message>
    <message>
        <source>--quality must be a number from -1 to 10, not &apos;%1&apos;</source>
        <translation>--quality doit être un nombre de -1 à 10, pas « %1 »</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output exige un dossier</translation>
    </message>
    <message>
        <source>--pattern must not be empty</source>
        <translation>--pattern ne doit pas être vide</translation>
    </message>
    <message>
        <source>--pattern has an unknown placeholder %1</source>
        <translation>--pattern contient un champ inconnu %1</translation>
    </message>
    <message>
        <source>--pattern must stay inside the output folder (no leading &apos;/&apos;, no &apos;..&apos;)</source>
        <translation>--pattern doit rester dans le dossier de sortie (pas de « / » initial, pas de « .. »)</translation>
    </message>
    <message>
        <source>--tracks must be a list like 1-5,7, not &apos;%1&apos;</source>
        <translation>--tracks doit être une liste comme 1-5,7, pas « %1 »</translation>
    </message>
    <message>
        <source>--files-from needs a file, or - for standard input</source>
        <translation>--files-from exige un fichier, ou - pour l&apos;entrée standard</translation>
    </message>
    <message>
        <source>--sample-rate must be at least 8000 Hz, not &apos;%1&apos;</source>
        <translation>--sample-rate doit valoir au moins 8000 Hz, pas « %1 »</translation>
    </message>
    <message>
        <source>--json and --quiet cannot be used together</source>
        <translation>--json et --quiet ne peuvent pas être utilisés ensemble</translation>
    </message>
    <message>
        <source>--tracks needs --cd</source>
        <translation>--tracks exige --cd</translation>
    </message>
    <message>
        <source>--test-and-copy needs --cd</source>
        <translation>--test-and-copy exige --cd</translation>
    </message>
    <message>
        <source>--find-offset needs --cd</source>
        <translation>--find-offset exige --cd</translation>
    </message>
    <message>
        <source>--one-file needs --cd</source>
        <translation>--one-file exige --cd</translation>
    </message>
    <message>
        <source>--one-file rips the whole disc: give no --tracks with it</source>
        <translation>--one-file extrait le disque entier : n&apos;indiquez pas --tracks en même temps</translation>
    </message>
    <message>
        <source>--one-file names its file after the disc: use --existing skip or overwrite with it</source>
        <translation>--one-file nomme son fichier d&apos;après le disque : utilisez-le avec --existing skip ou overwrite</translation>
    </message>
    <message>
        <source>-0 goes with --files-from</source>
        <translation>-0 va avec --files-from</translation>
    </message>
    <message>
        <source>--replaygain measures each album whole and cannot be split with --shard</source>
        <translation>--replaygain mesure chaque album en entier et ne peut pas être réparti avec --shard</translation>
    </message>
    <message>
        <source>--cd converts the disc&apos;s tracks: give no files with it</source>
        <translation>--cd convertit les pistes du disque : n&apos;indiquez aucun fichier en même temps</translation>
    </message>
    <message>
        <source>--cd and --extract cannot be used together</source>
        <translation>--cd et --extract ne peuvent pas être utilisés ensemble</translation>
    </message>
    <message>
        <source>no file or folder given</source>
        <translation>aucun fichier ni dossier indiqué</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue « %1 »</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>l&apos;option « %1 » exige une valeur</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>l&apos;option « %1 » ne prend pas de valeur</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last of a list of choices, e.g. &quot;mp3, ogg or opus&quot;</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>Usage: velloria-convert [OPTIONS] FILE|FOLDER...
       velloria-convert [OPTIONS] --files-from LIST|- [-0] [FILE|FOLDER...]
       velloria-convert [OPTIONS] --extract VIDEO|FOLDER...
       velloria-convert [OPTIONS] --cd DEVICE|IMAGE [--tracks LIST | --one-file] [--test-and-copy]
       velloria-convert --cd DEVICE|IMAGE --find-offset
</source>
        <extracomment>The program&apos;s name, the option names and their argument names stay as they are</extracomment>
        <translation>Usage : velloria-convert [OPTIONS] FILE|FOLDER...
        velloria-convert [OPTIONS] --files-from LIST|- [-0] [FILE|FOLDER...]
        velloria-convert [OPTIONS] --extract VIDEO|FOLDER...
        velloria-convert [OPTIONS] --cd DEVICE|IMAGE [--tracks LIST | --one-file] [--test-and-copy]
        velloria-convert --cd DEVICE|IMAGE --find-offset
</translation>
    </message>
    <message>
        <source>Converts audio files with the settings the converter window stored; each option overrides one.
</source>
        <translation>Convertit des fichiers audio avec les paramètres enregistrés par la fenêtre du convertisseur ;
chaque option en remplace un.
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
        <translation>  -b, --bitrate KBPS      débit en kbit/s (MP3, Ogg Vorbis, Opus)
</translation>
    </message>
    <message>
        <source>  -q, --quality Q         MP3: VBR quality 0 (best) to 9; Ogg Vorbis: quality 0 to 10;
                          FLAC: compression level 0 to 8
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>  -q, --quality Q         MP3 : qualité VBR de 0 (meilleure) à 9 ; Ogg Vorbis : qualité de 0 à 10 ;
                          FLAC : niveau de compression de 0 à 8
</translation>
    </message>
    <message>
        <source>      --mode MODE         cbr, vbr or abr (MP3); Ogg Vorbis: cbr or abr manage the bitrate,
                          vbr uses quality; Opus: abr is constrained VBR
</source>
        <extracomment>An option of the help: the option&apos;s names, argument and values stay as they are</extracomment>
        <translation>      --mode MODE         cbr, vbr ou abr (MP3) ; Ogg Vorbis : cbr ou abr gèrent le débit,
                          vbr utilise la qualité ; Opus : abr correspond au VBR contraint
</translation>
    </message>
    <message>
        <source>      --sample-rate HZ    the rate written (MP3, Ogg Vorbis, WAV, --extract)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --sample-rate HZ    fréquence d&apos;échantillonnage écrite (MP3, Ogg Vorbis, WAV, --extract)
</translation>
    </message>
    <message>
        <source>      --channels 1|2      mono or stereo (MP3, Ogg Vorbis, WAV, --extract)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --channels 1|2      mono ou stéréo (MP3, Ogg Vorbis, WAV, --extract)
</translation>
    </message>
    <message>
        <source>  -o, --output DIR        write under DIR (created when missing); default: beside each source
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>  -o, --output DIR        écrire dans DIR (créé s&apos;il manque) ; par défaut : à côté de chaque
                          source
</translation>
    </message>
    <message>
        <source>  -p, --pattern PATTERN   output name without extension, from {artist} {album} {albumartist}
                          {title} {track} {disc} {year} {genre}, {name} (the source&apos;s name
                          without its extension) and {dir} (its folder relative to the folder
                          given); default {name}, or {dir}/{name} with -r
</source>
        <extracomment>An option of the help: the option&apos;s names, argument and the placeholders in braces stay as they are</extracomment>
        <translation>  -p, --pattern PATTERN   nom de sortie sans extension, à partir de {artist} {album} {albumartist}
                          {title} {track} {disc} {year} {genre}, {name} (le nom de la source
                          sans son extension) et {dir} (son dossier relatif au dossier
                          indiqué) ; par défaut {name}, ou {dir}/{name} avec -r
</translation>
    </message>
    <message>
        <source>  -r, --recursive         convert the audio files in folders and below: beside each file, or
                          keeping the tree under -o
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>  -r, --recursive         convertir les fichiers audio des dossiers et sous-dossiers : à côté
                          de chaque fichier, ou en conservant l&apos;arborescence sous -o
</translation>
    </message>
    <message>
        <source>      --files-from LIST   also convert the files named in LIST, one a line (- : standard input)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --files-from LIST   convertir aussi les fichiers listés dans LIST, un par ligne
                          (- : entrée standard)
</translation>
    </message>
    <message>
        <source>  -0, --null              the names in LIST end in NUL characters instead of new lines
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>  -0, --null              les noms de LIST se terminent par un caractère NUL au lieu d&apos;un
                          saut de ligne
</translation>
    </message>
    <message>
        <source>      --shard K/N         convert only the K-th of N equal slices of the planned files (for
                          job arrays: the N commands together convert every file once)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --shard K/N         ne convertir que la K-ième de N tranches égales des fichiers prévus
                          (pour les lots de tâches : les N commandes convertissent ensemble
                          chaque fichier une fois)
</translation>
    </message>
    <message>
        <source>      --existing WHAT     skip (default), overwrite or rename outputs that exist already
</source>
        <extracomment>An option of the help: the option&apos;s names, argument and values stay as they are</extracomment>
        <translation>      --existing WHAT     ignorer (skip, par défaut), écraser (overwrite) ou renommer (rename)
                          les sorties qui existent déjà
</translation>
    </message>
    <message>
        <source>  -j, --jobs N            files converted at once (default: one per core)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>  -j, --jobs N            nombre de fichiers convertis à la fois (par défaut : un par cœur)
</translation>
    </message>
    <message>
        <source>      --delete-source     delete each source once its whole output is written
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --delete-source     supprimer chaque source une fois sa sortie entièrement écrite
</translation>
    </message>
    <message>
        <source>      --no-tags           do not copy the tags
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --no-tags           ne pas copier les étiquettes
</translation>
    </message>
    <message>
        <source>      --replaygain        write loudness tags (ReplayGain; R128 gains in Opus), an album being the
                          files of one source folder (skipped outputs included, measured
                          from their files); an album with a failed file gets no album values
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --replaygain        écrire les étiquettes de volume sonore (ReplayGain ; gains R128 en
                          Opus), un album étant les fichiers d&apos;un même dossier source (sorties
                          ignorées comprises, mesurées depuis leurs fichiers) ; un album dont
                          un fichier a échoué ne reçoit pas de valeurs d&apos;album
</translation>
    </message>
    <message>
        <source>      --extract           the sound track of videos, with the extractor&apos;s stored settings
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --extract           la piste son des vidéos, avec les paramètres enregistrés de
                          l&apos;extracteur
</translation>
    </message>
    <message>
        <source>      --cd DEVICE|IMAGE   rip the audio tracks of a disc (a drive such as /dev/sr0, or a .cue,
                          .toc or .nrg image) with the stored ripping options; default output
                          folder: the current one; {title}, {artist}, {album} from the disc
                          information found earlier (cdplayer.ini) or the disc&apos;s CD-Text
</source>
        <extracomment>An option of the help: the option&apos;s names and argument, the device, file types and file names stay as they are</extracomment>
        <translation>      --cd DEVICE|IMAGE   extraire les pistes audio d&apos;un disque (un lecteur comme /dev/sr0,
                          ou une image .cue, .toc ou .nrg) avec les options d&apos;extraction
                          enregistrées ; dossier de sortie par défaut : le dossier courant ;
                          {title}, {artist}, {album} d&apos;après les informations du disque
                          trouvées auparavant (cdplayer.ini) ou le CD-Text du disque
</translation>
    </message>
    <message>
        <source>      --tracks LIST       only these tracks, e.g. 1-5,7 (0: audio hidden before track 1)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --tracks LIST       seulement ces pistes, par ex. 1-5,7 (0 : audio caché avant la
                          piste 1)
</translation>
    </message>
    <message>
        <source>      --one-file          the whole disc into one FLAC file (WAV with -f wav), named
                          &quot;ARTIST - ALBUM&quot;, with its CUE sheet beside it and inside it
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --one-file          le disque entier en un seul fichier FLAC (WAV avec -f wav), nommé
                          « ARTISTE - ALBUM », avec sa feuille CUE à côté et à l&apos;intérieur
</translation>
    </message>
    <message>
        <source>      --find-offset       find the --cd drive&apos;s read offset from a disc in AccurateRip (and look
                          the drive up in AccurateRip&apos;s drive-offset list) instead of ripping;
                          an offset detected is kept for the drive in the ripping options
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --find-offset       trouver le décalage de lecture du lecteur --cd à partir d&apos;un disque
                          connu d&apos;AccurateRip (et chercher le lecteur dans la liste des
                          décalages de lecteurs d&apos;AccurateRip) au lieu d&apos;extraire ; un
                          décalage détecté est conservé pour le lecteur dans les options
                          d&apos;extraction
</translation>
    </message>
    <message>
        <source>      --test-and-copy     read each track twice and compare the CRC32s of the two reads
                          (the rip log beside the tracks, &lt;album&gt;.log and .json, has both)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument, and the file names, stay as they are</extracomment>
        <translation>      --test-and-copy     lire chaque piste deux fois et comparer les CRC32 des deux lectures
                          (le journal d&apos;extraction à côté des pistes, &lt;album&gt;.log et .json,
                          contient les deux)
</translation>
    </message>
    <message>
        <source>      --json              one JSON object per line: started, progress, written, skipped, failed
</source>
        <extracomment>An option of the help: the option&apos;s names and the event names stay as they are</extracomment>
        <translation>      --json              un objet JSON par ligne : started, progress, written, skipped,
                          failed
</translation>
    </message>
    <message>
        <source>      --quiet             print nothing but failures
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --quiet             n&apos;afficher que les échecs
</translation>
    </message>
    <message>
        <source>      --version           print the version and exit
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>      --version           afficher la version et quitter
</translation>
    </message>
    <message>
        <source>  -h, --help              print this help and exit
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation>  -h, --help              afficher cette aide et quitter
</translation>
    </message>
    <message>
        <source>Progress goes to standard error, one result line per file to standard output.
</source>
        <translation>La progression est écrite sur la sortie d&apos;erreur standard, une ligne de résultat par fichier sur
la sortie standard.
</translation>
    </message>
    <message>
        <source>Exit status: 0 when every file was converted or skipped, 1 when some failed or the run was
interrupted, 2 for a usage error, 3 when every CD track was written but not all of them exactly
(unreadable sectors, test and copy reads that differ, or an AccurateRip checksum that does not
match).
</source>
        <translation>Code de sortie : 0 si chaque fichier a été converti ou ignoré, 1 si certains ont échoué ou si
l&apos;exécution a été interrompue, 2 pour une erreur d&apos;utilisation, 3 si chaque piste de CD a été
écrite mais pas toutes exactement (secteurs illisibles, lectures de test et de copie qui
diffèrent, ou somme de contrôle AccurateRip qui ne correspond pas).
</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 and cannot be opened here: rename it</source>
        <translation>son nom n&apos;est pas en UTF-8 valide et il ne peut pas être ouvert ici : renommez-le</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>n&apos;existe pas</translation>
    </message>
    <message>
        <source>is the sheet of a disc image: rip it with --cd</source>
        <translation>est la feuille d&apos;une image disque : extrayez-la avec --cd</translation>
    </message>
    <message>
        <source>is a folder (use -r to convert the files in it)</source>
        <translation>est un dossier (utilisez -r pour convertir les fichiers qu&apos;il contient)</translation>
    </message>
    <message>
        <source>would be overwritten by its own output</source>
        <translation>serait écrasé par sa propre sortie</translation>
    </message>
    <message>
        <source>its output %1 is also the output of %2 (use --existing rename, or a --pattern that tells them apart)</source>
        <extracomment>Option names and their values stay as they are</extracomment>
        <translation>sa sortie %1 est aussi la sortie de %2 (utilisez --existing rename, ou un --pattern qui les distingue)</translation>
    </message>
    <message>
        <source>the list &apos;%1&apos; cannot be read: %2</source>
        <translation>impossible de lire la liste « %1 » : %2</translation>
    </message>
    <message>
        <source>MP3 cannot be written so: %1</source>
        <translation>impossible d&apos;écrire le MP3 ainsi : %1</translation>
    </message>
    <message>
        <source>Ogg Vorbis cannot be written at %1 kbit/s with %2 Hz and %3 channels</source>
        <translation>impossible d&apos;écrire l&apos;Ogg Vorbis à %1 kbit/s avec %2 Hz et %3 canaux</translation>
    </message>
    <message>
        <source>--quality does not apply to MP3 at a constant bitrate</source>
        <translation>--quality ne s&apos;applique pas au MP3 à débit constant</translation>
    </message>
    <message>
        <source>--quality does not apply to MP3 at an average bitrate</source>
        <translation>--quality ne s&apos;applique pas au MP3 à débit moyen</translation>
    </message>
    <message>
        <source>--quality for MP3 is a whole number from 0 (best) to 9</source>
        <translation>--quality pour le MP3 est un nombre entier de 0 (meilleure) à 9</translation>
    </message>
    <message>
        <source>--bitrate does not apply to Ogg Vorbis by quality (--mode vbr)</source>
        <translation>--bitrate ne s&apos;applique pas à l&apos;Ogg Vorbis en mode qualité (--mode vbr)</translation>
    </message>
    <message>
        <source>--quality for Ogg Vorbis is from 0 to 10</source>
        <translation>--quality pour l&apos;Ogg Vorbis va de 0 à 10</translation>
    </message>
    <message>
        <source>--quality does not apply to Ogg Vorbis at a managed bitrate</source>
        <translation>--quality ne s&apos;applique pas à l&apos;Ogg Vorbis à débit géré</translation>
    </message>
    <message>
        <source>--bitrate and --mode do not apply to FLAC</source>
        <translation>--bitrate et --mode ne s&apos;appliquent pas au FLAC</translation>
    </message>
    <message>
        <source>--quality for FLAC is a compression level from 0 to 8</source>
        <translation>--quality pour le FLAC est un niveau de compression de 0 à 8</translation>
    </message>
    <message>
        <source>--quality does not apply to Opus; give --bitrate</source>
        <translation>--quality ne s&apos;applique pas à l&apos;Opus ; indiquez --bitrate</translation>
    </message>
    <message>
        <source>--bitrate for Opus is from 6 to 512 kbit/s</source>
        <translation>--bitrate pour l&apos;Opus va de 6 à 512 kbit/s</translation>
    </message>
    <message>
        <source>--sample-rate and --channels do not apply to %1</source>
        <translation>--sample-rate et --channels ne s&apos;appliquent pas à %1</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --mode do not apply to %1</source>
        <translation>--bitrate, --quality et --mode ne s&apos;appliquent pas à %1</translation>
    </message>
</context>
</TS>
