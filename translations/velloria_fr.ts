<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ACMainRecord</name>
    <message>
        <source>Recorder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>button</comment>
        <extracomment>A button: stops playing or recording</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record into a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kryptonite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file already exists do you want to replace it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>The title of the file dialog that chooses a file to play</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be played:
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The title of the file dialog that chooses the file to record into</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot record into this file:
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording could not start:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording sound</source>
        <extracomment>Why the computer is kept from sleeping, as the desktop shows it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording could not be written completely:
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing.....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause.....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording.....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The recorder&apos;s state: stopped</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <extracomment>A sample rate in the Frequency menu</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wav files (*.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 files (*.mp3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ogg Vorbis files (*.ogg)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ACfrmAbout</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ACfrmGrab</name>
    <message>
        <source>Ripping Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grab Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burst Mode (Fast, no Error Correction)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synch Mode (Correct Jitter Errors)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secure Mode (Double Precision Error Correction)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paranoid Mode (Small Blocks Read, drive cache disable)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extraction Speed Low or Equal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x 176 kB/sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retries on Read or Synch Error:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action on error:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De-emphasise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the pre-emphasis of tracks mastered with it (50/15 µs) instead of keeping the disc&apos;s audio as it is, tagged as such</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rip the disc as one file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test and copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read each track twice and compare the CRC32s of the two reads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CDDB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock CD Tray During Grab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode Safe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spin Up during:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get CDDB from any available source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get CDDB info from On-Line Data Base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use only cdplayer.ini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CDDB Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CGI Script:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agent Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User E-mail:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TimeOut:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get Disk Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use MusicBrainz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name CD tracks from the disc information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disc information found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AccurateRip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify CD tracks with AccurateRip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive read offset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>samples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the drive&apos;s read offset from the disc in it (a disc in AccurateRip)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AccurateRip server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop grab</source>
        <extracomment>What the grabber does with a block it cannot read</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert silence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no audio disc in the drive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No disc information was found.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detecting the read offset …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disc information from %1:

Artist: %2
Album: %3
</source>
        <extracomment>%1 names where the information came from (a server, CD-Text, cdplayer.ini)</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ACfrmOverWrite</name>
    <message>
        <source>Confirm Overwriting?!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These are the output file(s), rename to avoid overwriting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renemae output file(s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following file(s) already exist, Rename or Overwrite?!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file name. A new name must not be empty or contain &apos;/&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You did not renamed all files,overwrite the unnamed?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AEfrmabout</name>
    <message>
        <source>Form1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Extractor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AEfrmmain</name>
    <message>
        <source>All files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mpeg files (*.mpg, *.mpeg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Media files (*.wmv, *.wma, *.asf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Time Files (*.mov, *.qt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extracting audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extraction finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to overwrite the existing audio file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarn Audio Extractor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input Video File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Input Video File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Audio File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output to same folder as original</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Output Audio File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete source file(s) after Processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settings</source>
        <extracomment>The button that opens the chosen format&apos;s settings.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BitRate [kbits/second]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency [hertz]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract Audio </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Video File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specified file is not a video file or format is not supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to quit ??</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccurateRip</name>
    <message>
        <source>The AccurateRip record ends in the middle of a block.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The AccurateRip record has a block without tracks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The AccurateRip record is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not in the AccurateRip database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accurately ripped (confidence %1, AccurateRip v%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Does not match AccurateRip (%1 other rips)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The AccurateRip server answered with HTTP status %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no audio disc.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccurateRipVerifier</name>
    <message>
        <source>AccurateRip results:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The AccurateRip record of disc %1 could not be fetched: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track %1 (%2): %3</source>
        <extracomment>%1 is the track&apos;s number, %2 its entry&apos;s file name, %3 its AccurateRip verdict</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 error blocks</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlbumLoudnessTagger</name>
    <message>
        <source>The album loudness tags could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No album loudness tags were written for this folder: &apos;%1&apos; has no whole output.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AudioFile</name>
    <message>
        <source>Blocks of %1 Hz with %2 channels cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file type &quot;%2&quot; cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file is open for writing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file that keeps more than 16 bits is open for writing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A block of %1 samples does not hold whole frames of %2 channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only seeking from the start (origin 3) is offered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file is open for reading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No WMA file is open for writing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Hz with %2 channels is not an audio format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no WMA profile %1 (profiles are 0 to %2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AudioInfo</name>
    <message>
        <source>%1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tags of %1 cannot be read: it is not an audio file with tags that can be handled here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tags of %1 could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AudioJob</name>
    <message>
        <source>The output file could not be completed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be opened as audio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The source holds no audio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output file could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output file could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output file &quot;%1&quot; is gone: its folder was removed or renamed while it was written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrowseForFolder</name>
    <message>
        <source>Select a folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CdGrabber</name>
    <message>
        <source>The disc has no audio track.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no CD drive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive is being read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disc image %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disc image %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names no data file; it is not a cue sheet or TOC file of a disc image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file %1 that %2 names is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a disc image that can be read (a .cue/.bin pair, a .toc or a .nrg file).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a disc image (a .cue/.bin pair, a .toc or a .nrg file).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file %1 ends in the middle of a sector: it is truncated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no audio track.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track %1 of %2 starts before the beginning of its data: the image is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track %1 of %2 lies beyond the end of its data: the image is truncated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last sector of %1 cannot be read: the image is truncated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no audio disc in the drive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sector %1 of the disc in %2 could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sector %1 of track %2 could not be read at all after %3 retries; the read was stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sector %1 of track %2 could not be read consistently after %3 retries; the read was stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot read audio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no audio disc in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disc in %1 has no audio track %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No track is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The read was aborted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track %1 could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CdTrackJob</name>
    <message>
        <source>The track number cannot be read from the name &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error occures when ReadTrack works! Probably need re-read!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track %1 (%2): the test and copy reads differ (test CRC32 %3, copy CRC32 %4); the track may not be exact.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disc information could not be written as tags: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cddb</name>
    <message>
        <source>it did not answer within %1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No CDDB server is set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CDDB server &quot;%1&quot; has no valid port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CDDB look-up could not start (out of memory).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CDDB server %1 could not be asked about disc %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CDDB server %1 knows no disc with id %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CDDB server %1 did not send the entry of disc %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConversionRunner</name>
    <message>
        <source>The tags could not be copied (the source is kept): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing was measured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loudness tags could not be written (the source is kept): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output could not be put in place of &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The source file could not be deleted: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading CD tracks is not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test read failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Track Error!.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CUE sheet &apos;%1&apos; could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CUE sheet &apos;%1&apos; cannot name &apos;%2&apos;: a sheet cannot hold a double quote in a file name. Rename the file, and its name in the sheet, with single quotes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disc in %1 has no audio track.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConverterRules</name>
    <message>
        <source>All Supported files (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 error blocks replaced with silence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 error blocks cutted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 error blocks corrected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AccurateRip: not verified, %1</source>
        <extracomment>%1 is why no track could be verified</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AccurateRip: %1 of %2 %3 accurately ripped</source>
        <extracomment>%1 tracks matched of %2; %3 is &quot;track&quot; or &quot;tracks&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 not matching</source>
        <extracomment>Counts of tracks, joined to the AccurateRip summary with commas</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 not in the database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with error blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 not verified (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the CUE sheet, %2 what is wrong with that line</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRACK needs a number from 1 to 99</source>
        <extracomment>TRACK, INDEX, FILE, PREGAP, AUDIO and MM:SS:FF in these texts are words of the CUE sheet itself; keep them</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRACK %1 names no type (AUDIO, MODE1/2352, ...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>track %1 follows track %2: tracks must be numbered upwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>track %1 has no INDEX 01</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INDEX before any TRACK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INDEX before any FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INDEX needs a number from 0 to 99</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INDEX %1 needs a time as MM:SS:FF (seconds below 60, frames below 75)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INDEX %1 of track %2 follows INDEX %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE names no file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 before any TRACK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PREGAP needs a time as MM:SS:FF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds NUL characters: it is no text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no TRACK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CUE sheet %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large to be a CUE sheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>track %1 starts at %2, not after track %3 at %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The audio file %1 that %2 names is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The audio file %1 that %2 names cannot be read: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The audio file %1 is too short for %2: it ends at %3, and track %4 starts at %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a CUE sheet that can be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be cut into tracks: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names no track of a CUE sheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no track %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The audio file %1 ends before track %2 starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The audio file ends inside track %1, %2 seconds before its end.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Decoder</name>
    <message>
        <source>%1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder, not an audio file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: permission denied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory opening %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an audio file FFmpeg can read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an audio file FFmpeg can read: its format is not recognised.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no audio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds audio in a format that cannot be decoded here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The audio of %1 cannot be decoded: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no audio FFmpeg can decode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no audio FFmpeg can decode: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 contains no audio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The audio of %1 is damaged: damaged data at %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The audio of %1 is damaged: decoding stopped at %2 of %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The audio of %1 is damaged: decoding stopped at %2, where the file is cut off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The audio of %1 could not be decoded after %2 s: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too many damaged frames</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Show</source>
        <extracomment>The notification&apos;s button that brings the job&apos;s window back.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiscLookup</name>
    <message>
        <source>There is no audio disc to look up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cdplayer.ini has no entry for disc %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disc has no CD-Text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cdplayer.ini could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DriveOffsets</name>
    <message>
        <source>The drive-offset list is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive-offset list is damaged: it is not a whole number of 69-byte records.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address of the drive-offset list is not valid: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server of the drive-offset list answered with HTTP status %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Encoder</name>
    <message>
        <source>cannot prepare the %1 file %2: %3</source>
        <extracomment>%1 a format&apos;s name (WAV, WMA), %2 a file&apos;s path, %3 FFmpeg&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot prepare the %1 file %2: out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create the %1 file %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the header of the %1 file %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write to the %1 file %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot complete the %1 file %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot close the %1 file %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV files cannot be written as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the WAV writer already has a file open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the WAV file %1: out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no WAV file is open for writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a WAV file cannot hold more than 4 GB of audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this FFmpeg has no WMA encoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMA cannot be written as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the WMA writer already has a file open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the WMA file %1: out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the WMA encoder refuses %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot prepare the WMA file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no WMA file is open for writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the WMA file: out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the WMA file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the WMA encoder failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Hz, %2 bit, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kbit/s, %2 Hz, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The FLAC encoder could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the FLAC writer was already used for a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create the FLAC file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot start the FLAC file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no FLAC file is open for writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the FLAC file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLAC cannot encode %1 Hz with %2 channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLAC is written with 16 or 24 bits per sample, not %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The FLAC compression level is 0 to 8, not %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Hz, %2 bit, %3, level %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MP3 bitrate %1 kbit/s cannot be written at %2 Hz (possible: %3 kbit/s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MP3 maximum VBR bitrate %1 kbit/s cannot be written at %2 Hz (possible: %3 kbit/s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MP3 ABR bitrate %1 kbit/s cannot be written at %2 Hz (possible: %3..%4 kbit/s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MP3 encoder refused the %1 %2</source>
        <extracomment>%1 an MP3 setting&apos;s name, %2 its value</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MP3 encoder could not start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MP3 encoder cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MP3 encoder cannot write %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MP3 encoder is already writing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MP3 file is not open for writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the MP3 encoder failed (code %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the MP3 header frame does not fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VBR</source>
        <extracomment>Opus bitrate modes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>constrained VBR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CBR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Opus writer was already used for a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create the Opus file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the Opus file %1: it holds no audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no Opus file is open for writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the Opus file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opus cannot encode %1 Hz with %2 channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Opus bitrate is 6 to %2 kbit/s, not %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Opus bitrate mode %1 is not known.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Opus complexity is 0 to 10, not %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kbit/s %2, %3, complexity %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Hz, %2, </source>
        <extracomment>The start of an Ogg Vorbis format&apos;s description; a quality or bitrate follows</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quality %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>managed bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, min %1 kbit/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, max %1 kbit/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Hz, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: at %1 it takes nominal bitrates of %2 to %3 kbit/s.</source>
        <extracomment>Follows a refusal such as &quot;Ogg Vorbis cannot encode ...&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: at %1 it takes no set bitrate, only a quality.</source>
        <extracomment>Follows a refusal such as &quot;Ogg Vorbis cannot encode ...&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: it encodes Mono or Stereo at up to 200000 Hz, at qualities from 0 to 10.</source>
        <extracomment>Follows a refusal such as &quot;Ogg Vorbis cannot encode ...&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ogg Vorbis cannot encode %1 (error %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Ogg Vorbis writer was already used for a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create the Ogg Vorbis file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no Ogg Vorbis file is open for writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the Ogg Vorbis file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExtractionRun</name>
    <message>
        <source> the input file doesn&apos;t exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output file %1 would replace the video itself. Choose another folder or output format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video file %1 could not be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frequency &quot;%1&quot; is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bit rate &quot;%1&quot; is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Mono or Stereo as the channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>A message box: %1 says why the sound track could not be extracted</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileOps</name>
    <message>
        <source>it does not exist</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FlacCueSheet</name>
    <message>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>track %1 has no index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a legal CD cue sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cue sheet could not be put into the FLAC file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Formats</name>
    <message>
        <source>WMA format is NOT supported in your system, the wma codec may not be installed.!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 File(.mp3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OGG Vorbis File(.ogg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV File(.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window Media Audio File(.wma)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLAC File(.flac)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opus File(.opus)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wav files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ogg Vorbis files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMA files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD Audio files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLAC files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opus files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD images</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GrabSettings</name>
    <message>
        <source>stored for %1</source>
        <extracomment>Where a drive&apos;s read offset comes from; %1 the drive&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HttpGet</name>
    <message>
        <source>%1 sent an answer larger than %2 kB; it was refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sent the request round in redirects.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be reached: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 broke off its answer: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LongJob</name>
    <message>
        <source>1 file written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <extracomment>Follows &quot;3 files written&quot;: the files of the job that failed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Loudness</name>
    <message>
        <source>the measurement was stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loudness cannot be measured at %1 Hz with %2 channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A block of %1 samples is not a whole number of %2-channel frames.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoudnessTags</name>
    <message>
        <source>Loudness tags cannot be written: %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loudness tags cannot be written into %1: it is not an audio file whose tags can be handled here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loudness tags cannot be written into %1: it cannot be changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loudness tags cannot be written into %1: its format has no place for them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loudness tags of %1 could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MP3Settings</name>
    <message>
        <source>error handler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>message handler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>debug handler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channel count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>input sample rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sample rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>free format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channel mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>forced joint stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>coding method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VBR quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maximum VBR bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enforce minimum bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABR bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>encoder quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VBR header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bit reservoir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>block types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>short blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de-emphasis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>strict ISO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATH control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lowpass frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>highpass frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lowpass width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>highpass width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <extracomment>The MP3 presets&apos; names: kinds of sound, from telephone to studio quality.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HiFi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Studio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R3Mix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MP3 %1 %2 is not %3</source>
        <extracomment>%1 an MP3 setting&apos;s name, %2 the value refused, %3 what it may be</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one of %1..%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an MPEG bitrate (8..320 kbit/s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-1 (no filter) or one of 1..48000 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forced Joint Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dual Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an MPEG sample rate (8000..48000 Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Hz, %2, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kbit/s CBR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABR %1 kbit/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VBR quality %1 (max %2 kbit/s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An MP3 preset&apos;s name, then what it writes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoviePlayer</name>
    <message>
        <source>Movie file &quot;%1&quot; could not be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movie file &quot;%1&quot; is not a valid movie.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MusicBrainz</name>
    <message>
        <source>MusicBrainz sent an answer that is not JSON (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MusicBrainz knows no release with disc id %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MusicBrainz could not be asked about disc %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MusicBrainz answered the look-up of disc %1 with HTTP status %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cover archive could not be asked: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The release has no front cover.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cover archive answered with HTTP status %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cover archive sent no picture but %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OffsetSearch</name>
    <message>
        <source>The detection was stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disc was changed during the detection.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputSettings</name>
    <message>
        <source>Incorrect format, try choosing a higher frequency.!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The format %1 cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no WMA profile %1 (profiles are 0 to %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMA cannot be written on this system.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressInStatusBar</name>
    <message>
        <source>Ready</source>
        <extracomment>Status bar: no conversion is running</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadOffsetFinder</name>
    <message>
        <source>1 track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detected %1 (confirmed by %2)</source>
        <extracomment>%1 is the offset in samples, %2 a count of tracks</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disc is not in the AccurateRip database, so no read offset can be detected with it; try another disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No track of the disc reaches sector 450 with a checksum in its AccurateRip record, so no read offset can be detected with it; try another disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No read offset from %1 to %2 matches the disc&apos;s AccurateRip record (%3 compared)</source>
        <extracomment>%3 is a count of tracks</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset %1 matches the disc&apos;s AccurateRip record at sector 450 of %2, but no whole track matches: no read offset detected</source>
        <extracomment>%2 is a count of tracks</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The read offset could not be detected: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a disc image names no drive to look up in the drive-offset list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the drive-offset list could not be fetched: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the drive-offset list has no entry for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the drive-offset list gives %1 for %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, which does not agree: the detected offset is the one kept</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingSession</name>
    <message>
        <source>The recording file could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReleaseChoice</name>
    <message>
        <source>Choose the Release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MusicBrainz knows this disc from several releases. Choose the one you have:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>Column headers of the releases: the record label and the medium (CD, vinyl …)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (disc %2 of %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Resampler</name>
    <message>
        <source>Audio conversion failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot convert audio from %1 Hz, %2 channels to %3 Hz, %4 channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot set up the audio conversion from %1 Hz to %2 Hz: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RipLog</name>
    <message>
        <source>The rip log &apos;%1&apos; could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunPlan</name>
    <message>
        <source>File &apos;%1&apos; is on a CD. Please choose another folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &apos;%1&apos; is on a CD. Can&apos;t delete this file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &apos;%1&apos; is not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &apos;%1&apos; would be overwritten by its own output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &apos;%1&apos; would overwrite the output of &apos;%2&apos;. Rename it first.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsTables</name>
    <message>
        <source>  8 000 Hz</source>
        <extracomment>A sampling frequency in the lists; digits grouped as the language groups them</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11 025 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 000 Hz </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16 000 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22 050 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24 000 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32 000 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>44 100 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>48 000 Hz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetSources</name>
    <message>
        <source>The tags could not be written: %1 no longer names the track.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tags could not be written (the source is kept): %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add audio files to the list (Ctrl+O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the selected files from the list (Ctrl+D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert the files in the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Velloria Audio Converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Velloria Audio Extractor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkinControl</name>
    <message>
        <source>Skin file &quot;%1&quot; could not be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin file &quot;%1&quot; is not a valid skin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin file &quot;%1&quot; is not a valid skin: it names no window section.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin file &quot;%1&quot;: the picture &quot;%2&quot; of section &quot;%3&quot; could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin &quot;%1&quot;: no window to skin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin file &quot;%1&quot; has no element &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No skin file has been loaded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SplashControl</name>
    <message>
        <source>Splash file &quot;%1&quot; could not be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Splash file &quot;%1&quot; is not a valid splash file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Splash file &quot;%1&quot;: the picture &quot;%2&quot; could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No splash file has been loaded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VideoFile</name>
    <message>
        <source>The sound track of %1 ends after %2 s of the %3 s its file states: the file is incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WavFormatChooser</name>
    <message>
        <source>Sound Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits per sample:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowServices</name>
    <message>
        <source>Velloria</source>
        <extracomment>The program&apos;s name, the caption of message boxes without their own.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAudioConverter</name>
    <message>
        <source>Converting audio files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files could not be converted:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select the output folder.!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No files selected, Convert the whole list?!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add files with Ctrl+O or by dropping them here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output to same folder as original</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete source file(s) after conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preserve ID Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure CD Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Output Files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use every processor core</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert several files at once; the results are the same as one at a time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write loudness tags (ReplayGain)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measure each output and each album (the files of one source folder) and tag them so that players play them at one level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name outputs by pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output name pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fields: {artist} {album} {albumartist} {title} {track} {disc} {year} {genre} {name}; a &quot;/&quot; makes a folder</source>
        <extracomment>The field names in braces are what the pattern takes: keep them as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%p%</source>
        <extracomment>The progress bar&apos;s text: %p is the percentage done</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Popup menu of the file list: plays the focused file as a preview</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Conv.</source>
        <extracomment>The program&apos;s short title, on its message boxes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Input Audio File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CUE sheet &apos;%1&apos; could not be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disc image &apos;%1&apos; could not be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select on the audio file that you want to delete it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Popup menu of the file list: stops the preview</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be played:
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmFlacSettings</name>
    <message>
        <source>0 (fastest)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 (default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 (smallest)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLAC Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compression &amp;level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verify while encoding (slower)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lossless: the source&apos;s rate and channels are kept, and its bit depth up to 24 bits (16 bits for sources that have none).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMP3Settings</name>
    <message>
        <source>MP3 Lame 3.91 Encoder Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 Lame Encoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Preset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hide Advanced Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Advanced Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sampling Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoder Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forced Joint Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dual Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LowPass Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowpass filtering frequency (in Hz):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width of Lowpass filter (in Hz):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HighPass Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highpass filtering frequency (in Hz):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width of Highpass filter (in Hz):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coding Method:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <comment>VBR coding method</comment>
        <extracomment>VBR coding methods of the MP3 encoder: none (constant bitrate), the encoder&apos;s default, its old and new VBR routines, MTRH and average bitrate</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <comment>VBR coding method</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old</source>
        <comment>VBR coding method</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <comment>VBR coding method</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MTRH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VBR Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Targed bitrate for ABR:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum VBR Bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strictly enforce minimum bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write VBR Header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>comply as much as possible to ISO MPEG spec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>short blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bit reservoir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>allow block types to differ between channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>include CRC -Checksums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATH Control:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>default</source>
        <comment>ATH control</comment>
        <extracomment>How the MP3 encoder uses the absolute threshold of hearing (ATH)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only</source>
        <comment>ATH control</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disabled</source>
        <comment>ATH control</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only for short blocks</source>
        <comment>ATH control</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De-emphasis :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>default</source>
        <comment>de-emphasis</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0/15 microseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>citt j.17</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>better</source>
        <extracomment>The ends of the encoder quality slider</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>faster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>poor quality </source>
        <extracomment>The ends of the bitrate slider</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>good quality </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VBR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <comment>MP3 preset</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These MP3 settings cannot be written:

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmOggSettings</name>
    <message>
        <source>OGG Vorbis Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VBR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sampling Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality (Compression)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VBR Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current nominal bitrate: %1 kbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current min bitrate: %1 kbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current max bitrate: %1 kbit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmOpusSettings</name>
    <message>
        <source>Opus Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bitrate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> kbit/s</source>
        <extracomment>Unit after the bitrate, with its leading space</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VBR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constrained VBR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CBR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;omplexity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kbit/s, %2. Encoded at 48 000 Hz; the source&apos;s rate is kept as the original rate.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmWavSettings</name>
    <message>
        <source>WAV Format set to CD quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings set to CD quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>44100 Hz, 16 bit, Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To CD Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected format is unavailable.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmWmaSettings</name>
    <message>
        <source>WMA Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMA Profile:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMA is not Supported in your system,Install WMA codec.!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmmainpro</name>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Extractor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvane</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velloria-convert</name>
    <message>
        <source>the folder &apos;%1&apos; could not be created: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (%1 error blocks)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>written %1 -&gt; %2%3</source>
        <extracomment>A result line: %1 the source, %2 the output, %3 nothing or &quot; (N error blocks)&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rip log %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipped %1 (%2 exists)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed: %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 written, %2 skipped, %3 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 left</source>
        <extracomment>The time the run has left, after the progress line</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the output could not be put in place of &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the video could not be deleted: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sound track was not written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interrupted (run again with --existing skip to complete)</source>
        <extracomment>Option names and their values stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interrupted; %1 file(s) not converted (run again with --existing skip to complete)</source>
        <extracomment>Option names and their values stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disc image &apos;%1&apos; could not be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither a disc image nor a CD drive of this machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no audio tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disc has no audio track %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exists and the disc&apos;s one file is named after the disc (use --existing skip or overwrite)</source>
        <extracomment>Option names and their values stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finding the read offset of %1 …</source>
        <extracomment>%1 is the drive&apos;s name, or the device or image given</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept as the read offset of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder &apos;%1&apos; cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a whole number from 1 to %2, not &apos;%3&apos;</source>
        <extracomment>%1 is an option&apos;s name, %3 the value given</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be one of %2, not &apos;%3&apos;</source>
        <extracomment>%1 is an option&apos;s name, %2 its values (they stay as they are), %3 the value given</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--shard must be K/N with 1 &lt;= K &lt;= N, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--quality and --mode do not apply to --extract (it takes --bitrate)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--jobs does not apply to --extract (videos are extracted one at a time)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--no-tags does not apply to --extract (it copies no tags)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--replaygain does not apply to --extract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format must be one of %1, not &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--quality must be a number from -1 to 10, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pattern must not be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pattern has an unknown placeholder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pattern must stay inside the output folder (no leading &apos;/&apos;, no &apos;..&apos;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--tracks must be a list like 1-5,7, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--files-from needs a file, or - for standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--sample-rate must be at least 8000 Hz, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--json and --quiet cannot be used together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--tracks needs --cd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--test-and-copy needs --cd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--find-offset needs --cd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--one-file needs --cd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--one-file rips the whole disc: give no --tracks with it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--one-file names its file after the disc: use --existing skip or overwrite with it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-0 goes with --files-from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--replaygain measures each album whole and cannot be split with --shard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--cd converts the disc&apos;s tracks: give no files with it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--cd and --extract cannot be used together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no file or folder given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last of a list of choices, e.g. &quot;mp3, ogg or opus&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: velloria-convert [OPTIONS] FILE|FOLDER...
       velloria-convert [OPTIONS] --files-from LIST|- [-0] [FILE|FOLDER...]
       velloria-convert [OPTIONS] --extract VIDEO|FOLDER...
       velloria-convert [OPTIONS] --cd DEVICE|IMAGE [--tracks LIST | --one-file] [--test-and-copy]
       velloria-convert --cd DEVICE|IMAGE --find-offset
</source>
        <extracomment>The program&apos;s name, the option names and their argument names stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converts audio files with the settings the converter window stored; each option overrides one.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  -f, --format FORMAT     %1
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are; %1 lists the formats</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  -b, --bitrate KBPS      bitrate in kbit/s (MP3, Ogg Vorbis, Opus)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  -q, --quality Q         MP3: VBR quality 0 (best) to 9; Ogg Vorbis: quality 0 to 10;
                          FLAC: compression level 0 to 8
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      --mode MODE         cbr, vbr or abr (MP3); Ogg Vorbis: cbr or abr manage the bitrate,
                          vbr uses quality; Opus: abr is constrained VBR
</source>
        <extracomment>An option of the help: the option&apos;s names, argument and values stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      --sample-rate HZ    the rate written (MP3, Ogg Vorbis, WAV, --extract)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      --channels 1|2      mono or stereo (MP3, Ogg Vorbis, WAV, --extract)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  -o, --output DIR        write under DIR (created when missing); default: beside each source
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  -p, --pattern PATTERN   output name without extension, from {artist} {album} {albumartist}
                          {title} {track} {disc} {year} {genre}, {name} (the source&apos;s name
                          without its extension) and {dir} (its folder relative to the folder
                          given); default {name}, or {dir}/{name} with -r
</source>
        <extracomment>An option of the help: the option&apos;s names, argument and the placeholders in braces stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  -r, --recursive         convert the audio files in folders and below: beside each file, or
                          keeping the tree under -o
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      --files-from LIST   also convert the files named in LIST, one a line (- : standard input)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  -0, --null              the names in LIST end in NUL characters instead of new lines
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      --shard K/N         convert only the K-th of N equal slices of the planned files (for
                          job arrays: the N commands together convert every file once)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      --existing WHAT     skip (default), overwrite or rename outputs that exist already
</source>
        <extracomment>An option of the help: the option&apos;s names, argument and values stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  -j, --jobs N            files converted at once (default: one per core)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      --delete-source     delete each source once its whole output is written
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      --no-tags           do not copy the tags
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      --replaygain        write loudness tags (ReplayGain; R128 gains in Opus), an album being the
                          files of one source folder (skipped outputs included, measured
                          from their files); an album with a failed file gets no album values
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      --extract           the sound track of videos, with the extractor&apos;s stored settings
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      --cd DEVICE|IMAGE   rip the audio tracks of a disc (a drive such as /dev/sr0, or a .cue,
                          .toc or .nrg image) with the stored ripping options; default output
                          folder: the current one; {title}, {artist}, {album} from the disc
                          information found earlier (cdplayer.ini) or the disc&apos;s CD-Text
</source>
        <extracomment>An option of the help: the option&apos;s names and argument, the device, file types and file names stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      --tracks LIST       only these tracks, e.g. 1-5,7 (0: audio hidden before track 1)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      --one-file          the whole disc into one FLAC file (WAV with -f wav), named
                          &quot;ARTIST - ALBUM&quot;, with its CUE sheet beside it and inside it
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      --find-offset       find the --cd drive&apos;s read offset from a disc in AccurateRip (and look
                          the drive up in AccurateRip&apos;s drive-offset list) instead of ripping;
                          an offset detected is kept for the drive in the ripping options
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      --test-and-copy     read each track twice and compare the CRC32s of the two reads
                          (the rip log beside the tracks, &lt;album&gt;.log and .json, has both)
</source>
        <extracomment>An option of the help: the option&apos;s names and argument, and the file names, stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      --json              one JSON object per line: started, progress, written, skipped, failed
</source>
        <extracomment>An option of the help: the option&apos;s names and the event names stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      --quiet             print nothing but failures
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      --version           print the version and exit
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  -h, --help              print this help and exit
</source>
        <extracomment>An option of the help: the option&apos;s names and argument stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress goes to standard error, one result line per file to standard output.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit status: 0 when every file was converted or skipped, 1 when some failed or the run was
interrupted, 2 for a usage error, 3 when every CD track was written but not all of them exactly
(unreadable sectors, test and copy reads that differ, or an AccurateRip checksum that does not
match).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 and cannot be opened here: rename it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is the sheet of a disc image: rip it with --cd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a folder (use -r to convert the files in it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>would be overwritten by its own output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its output %1 is also the output of %2 (use --existing rename, or a --pattern that tells them apart)</source>
        <extracomment>Option names and their values stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the list &apos;%1&apos; cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 cannot be written so: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ogg Vorbis cannot be written at %1 kbit/s with %2 Hz and %3 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--quality does not apply to MP3 at a constant bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--quality does not apply to MP3 at an average bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--quality for MP3 is a whole number from 0 (best) to 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--bitrate does not apply to Ogg Vorbis by quality (--mode vbr)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--quality for Ogg Vorbis is from 0 to 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--quality does not apply to Ogg Vorbis at a managed bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--bitrate and --mode do not apply to FLAC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--quality for FLAC is a compression level from 0 to 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--quality does not apply to Opus; give --bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--bitrate for Opus is from 6 to 512 kbit/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--sample-rate and --channels do not apply to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--bitrate, --quality and --mode do not apply to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
