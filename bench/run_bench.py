#!/usr/bin/env python3
"""Times Velloria's conversions beside the reference tools on the same input and settings.

Each comparison alternates ours and the reference, several runs each, and reports the median
time of each and their ratio. The converter's own peak memory is compared between converting 30
minutes and 1 minute of audio. The longest time the converter window leaves its message loop
unserved while converting 10 minutes is reported in units of 100 ms. Batches go through the
converter window: 20 files of a minute, and 2000 files of 2 s without and with an accessibility
client listening. Ripping a fifteen-track disc image of about an hour to WAV is timed beside
cd-paranoia on the same image, and as one FLAC file with its CUE sheet beside cd-paranoia piped
into flac -5, extracting the sound track of a 5-minute video to MP3 beside
ffmpeg, and cutting an hour-long FLAC into WAV tracks by its CUE sheet beside shnsplit. The batch goes once more through velloria-convert -j 2 beside lame one file after
another, and one file through it beside lame, and in each output format beside SoundConverter's
batch mode. The last lines have the form `ratio <name> <value>`.
BENCH_ONLY=<name>[,<name>...] runs only those comparisons (see ONLY).
"""
import hashlib
import os
import resource
import shutil
import statistics
import struct
import subprocess
import sys
import tempfile
import time

RUNS = int(os.environ.get("BENCH_RUNS", "5"))
# Every batch comparison runs this many times, the tools alternating, and takes the median.
BATCH_RUNS = max(3, RUNS // 2)
# Our MP3 writer computes no ReplayGain, so the reference does not either.
LAME = ["lame", "--quiet", "--noreplaygain"]


def run(cmd, cwd=None, env=None):
    """Runs a command; returns the seconds it took."""
    start = time.perf_counter()
    proc = subprocess.run(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, cwd=cwd, env=env)
    elapsed = time.perf_counter() - start
    if proc.returncode != 0:
        sys.exit(f"failed ({proc.returncode}): {' '.join(cmd)}\n{proc.stderr.decode(errors='replace')}")
    return elapsed


def run_with_cpu(cmd, env=None):
    """Runs a command; returns (seconds it took, CPU seconds it and its children used). The CPU
    time is steadier than the wall time while other work shares the machine."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    elapsed = run(cmd, env=env)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    return elapsed, (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)


# A child's ru_maxrss as wait4 reports it starts from the RSS of the process it was forked (or
# vforked, as subprocess and posix_spawn do) from: the kernel carries the old memory's high-water
# mark across exec. Through this harness every command would then peak at least at the harness's
# own peak. GNU time forks its command from its own small image, and %M is that command's peak.
GNU_TIME = "/usr/bin/time"
PROBE_LIMIT_KIB = 8 * 1024


def peak_rss_kib(cmd):
    """Runs a command; returns its own peak RSS in KiB."""
    with tempfile.NamedTemporaryFile(mode="r", suffix=".rss") as report:
        proc = subprocess.run([GNU_TIME, "-f", "%M", "-o", report.name] + cmd,
                              stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        if proc.returncode != 0:
            sys.exit(f"failed ({proc.returncode}): {' '.join(cmd)}\n{proc.stderr.decode(errors='replace')}")
        return int(report.read().split()[-1])


def check_peak_rss_measure():
    """Stops the run unless peak_rss_kib measures the command alone: with the harness's own peak
    raised to at least 64 MiB, /bin/true has to report a few MiB at most. Returns (harness's
    own peak, /bin/true's) in KiB."""
    if not os.access(GNU_TIME, os.X_OK):
        sys.exit(f"{GNU_TIME} is missing (Debian package time; scripts/setup installs it)")
    ballast = bytearray(64 * 1024 * 1024)
    for i in range(0, len(ballast), 4096):
        ballast[i] = 1
    del ballast
    harness = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
    probe = peak_rss_kib(["/bin/true"])
    if probe > PROBE_LIMIT_KIB or probe >= harness:
        sys.exit(f"peak memory is measured wrongly: /bin/true reports {probe} KiB, the harness's own "
                 f"peak is {harness} KiB; the figure includes the harness's memory")
    return harness, probe


def ui_stall_ms(batch_tool, wav, out_dir):
    """Converts `wav` to MP3 through the converter window; returns the longest time in ms
    between two passes of its message loop during the run."""
    subprocess.run(["rm", "-rf", out_dir], check=True)
    os.makedirs(out_dir)
    proc = subprocess.run([batch_tool, "--ui-stall", wav, out_dir], capture_output=True, text=True)
    if proc.returncode != 0:
        sys.exit(f"failed ({proc.returncode}): {batch_tool} --ui-stall {wav} {out_dir}\n{proc.stderr}")
    details = [line for line in proc.stderr.splitlines() if "passes in" in line]
    if details:
        print(f"ui-stall: {details[-1]}", flush=True)
    return float(proc.stdout.split()[-1])


def fresh_folder(path):
    shutil.rmtree(path, ignore_errors=True)
    os.makedirs(path)


def make_batch(tool, folder, files, seconds):
    """Fills `folder` with `files` copies of one music-like stereo 44100 Hz WAV of `seconds`."""
    os.makedirs(folder)
    width = len(str(files - 1))
    first = os.path.join(folder, f"f{0:0{width}d}.wav")
    run([tool, "generate", str(seconds), first])
    for i in range(1, files):
        shutil.copyfile(first, os.path.join(folder, f"f{i:0{width}d}.wav"))


def lame_one_by_one(batch_in, batch_out):
    loop = ("for f in \"$1\"/*.wav; do " + " ".join(LAME) +
            " -b 128 \"$f\" \"$2/$(basename \"$f\" .wav).mp3\" || exit 1; done")
    return ["sh", "-c", loop, "sh", batch_in, batch_out]


def lame_two_at_a_time(batch_in, batch_out):
    xargs = ("ls \"$1\"/*.wav | xargs -P 2 -I{} sh -c '" + " ".join(LAME) +
             " -b 128 \"$1\" \"$2/$(basename \"$1\" .wav).mp3\"' sh {} \"$2\"")
    return ["sh", "-c", xargs, "sh", batch_in, batch_out]


def check_batch_output(batch_in, batch_out, who):
    """Stops the run unless every input has an MP3 of some length in the output folder."""
    expected = {os.path.splitext(n)[0].lower() for n in os.listdir(batch_in) if n.endswith(".wav")}
    written = {os.path.splitext(n)[0].lower() for n in os.listdir(batch_out)
               if n.lower().endswith(".mp3") and os.path.getsize(os.path.join(batch_out, n)) > 0}
    if written != expected:
        sys.exit(f"{who}: {len(expected - written)} of {len(expected)} files were not converted in {batch_out}")


def batch_mp3(tool, batch_tool, work):
    """20 files of one minute to MP3 at 128 kbit/s through the converter window (every core),
    beside lame on the same files one after another and two at a time; and the window's own
    peak memory on every core against one file at a time. Returns [(name, ratio)]."""
    batch_in, batch_out = os.path.join(work, "batch-in"), os.path.join(work, "batch-out")
    make_batch(tool, batch_in, 20, 60)
    ours, serial, parallel = [], [], []
    for _ in range(BATCH_RUNS):
        for cmd, times in (([batch_tool, batch_in, batch_out], ours),
                           (lame_one_by_one(batch_in, batch_out), serial),
                           (lame_two_at_a_time(batch_in, batch_out), parallel)):
            fresh_folder(batch_out)
            times.append(run(cmd))
            check_batch_output(batch_in, batch_out, cmd[0])
    rss = {}
    for mode, extra in (("every core", []), ("one at a time", ["--one-at-a-time"])):
        fresh_folder(batch_out)
        rss[mode] = peak_rss_kib([batch_tool] + extra + [batch_in, batch_out])
    shutil.rmtree(batch_in)
    shutil.rmtree(batch_out)
    o, r, rp = statistics.median(ours), statistics.median(serial), statistics.median(parallel)
    print(f"{'batch-mp3':<24}{o:>10.2f}{r:>15.2f}{o / r:>8.3f}", flush=True)
    print(f"{'batch-mp3-par':<24}{o:>10.2f}{rp:>15.2f}{o / rp:>8.3f}", flush=True)
    print(f"batch peak RSS: every core {rss['every core']} KiB, one at a time {rss['one at a time']} KiB",
          flush=True)
    return [("batch-mp3", o / r), ("batch-mp3-parallel", o / rp),
            ("batch-rss-parallel-vs-serial", rss["every core"] / rss["one at a time"])]


def loudness_overhead(tool, batch_tool, work):
    """The 20 one-minute files to MP3 through the converter window on every core, with
    "Write loudness tags (ReplayGain)" on beside the same run with it off. Returns (ours, ref)."""
    batch_in, batch_out = os.path.join(work, "loud-in"), os.path.join(work, "loud-out")
    make_batch(tool, batch_in, 20, 60)
    with_tags, without = [], []
    for _ in range(BATCH_RUNS):
        for cmd, times in (([batch_tool, "--loudness", batch_in, batch_out], with_tags),
                           ([batch_tool, batch_in, batch_out], without)):
            fresh_folder(batch_out)
            times.append(run(cmd))
            check_batch_output(batch_in, batch_out, cmd[0])
    shutil.rmtree(batch_in)
    shutil.rmtree(batch_out)
    return statistics.median(with_tags), statistics.median(without)


def cli_env(work, mp3_quality=3):
    """A settings store for velloria-convert holding what the window's batch stores: 128 kbit/s
    CBR, joint stereo, the encoder quality lame uses by default (or `mp3_quality`), no tag
    copying."""
    config = os.path.join(work, "cli-config")
    os.makedirs(os.path.join(config, "Brindlewood"), exist_ok=True)
    with open(os.path.join(config, "Brindlewood", "HKEY_LOCAL_MACHINE.ini"), "w") as f:
        f.write("[Software]\n"
                "Brindlewood\\Audioconverter\\MP3%20Channels=2\n"
                "Brindlewood\\Audioconverter\\MP3%20Bitrate=9\n"
                f"Brindlewood\\Audioconverter\\MP3%20EnqQual={mp3_quality}\n"
                "Brindlewood\\Audioconverter\\Preserve%20ID%20Tags=0\n")
    return dict(os.environ, XDG_CONFIG_HOME=config)


def cli_batch_mp3(tool, cli_tool, work):
    """The batch's 20 files of one minute through `velloria-convert -j 2`, beside lame on the
    same files one after another."""
    batch_in, batch_out = os.path.join(work, "batch-in"), os.path.join(work, "batch-out")
    make_batch(tool, batch_in, 20, 60)
    env = cli_env(work)
    ours, serial = [], []
    for _ in range(BATCH_RUNS):
        for cmd, times, cmd_env in (([cli_tool, "--quiet", "-f", "mp3", "-b", "128", "-j", "2", "-r",
                                      "-o", batch_out, batch_in + "/"], ours, env),
                                    (lame_one_by_one(batch_in, batch_out), serial, None)):
            fresh_folder(batch_out)
            times.append(run(cmd, env=cmd_env))
            check_batch_output(batch_in, batch_out, cmd[0])
    shutil.rmtree(batch_in)
    shutil.rmtree(batch_out)
    return statistics.median(ours), statistics.median(serial)


def cli_wav_mp3(tool, cli_tool, work):
    """One file of ten minutes through velloria-convert beside lame on the same file, both at 128
    kbit/s CBR."""
    wav = os.path.join(work, "cli-in.wav")
    if not os.path.exists(wav):
        run([tool, "generate", "600", wav])
    env = cli_env(work)
    out_dir = os.path.join(work, "cli-out")
    ours, ref = [], []
    for _ in range(RUNS):
        fresh_folder(out_dir)
        ours.append(run([cli_tool, "--quiet", "-f", "mp3", "-b", "128", "-o", out_dir, wav], env=env))
        ref.append(run(LAME + ["-b", "128", wav, os.path.join(out_dir, "ref.mp3")]))
    return statistics.median(ours), statistics.median(ref)


# The output formats compared with SoundConverter: velloria-convert's options and SoundConverter's
# for the same settings. SoundConverter runs lame at its "high" engine quality (lame's -q 2), so
# our MP3 writer is given encoder quality 2 as well; its Opus is VBR at complexity 10, as ours.
PEER_FORMATS = {
    "mp3": (["-f", "mp3", "-b", "128"], ["-f", "mp3", "-m", "cbr", "-q", "128"]),
    "ogg": (["-f", "ogg", "-q", "3"], ["-f", "ogg", "-q", "0.3"]),
    "flac": (["-f", "flac", "-q", "5"], ["-f", "flac", "-q", "5"]),
    "opus": (["-f", "opus", "-b", "128", "--mode", "vbr"], ["-f", "opus", "-q", "128"]),
}
PEER_MP3_QUALITY = 2
# How much shorter and longer (by an encoder's padding) than its source an output may decode, in s.
PEER_LENGTH_SLACK = (0.05, 0.2)


def probe_length(path):
    """Decodes every frame of `path` with ffprobe; returns its length in seconds, or None when
    ffprobe reports an error or finds no audio frame."""
    proc = subprocess.run(["ffprobe", "-v", "error", "-count_frames", "-select_streams", "a:0", "-show_entries",
                           "stream=nb_read_frames:format=duration", "-of", "default=nw=1", path],
                          capture_output=True, text=True)
    fields = dict(line.split("=", 1) for line in proc.stdout.splitlines() if "=" in line)
    try:
        if proc.returncode != 0 or proc.stderr.strip() or int(fields.get("nb_read_frames", "0")) <= 0:
            return None
        return float(fields["duration"])
    except (KeyError, ValueError):
        return None


def check_peer_output(batch_in, batch_out, ext, who):
    """Stops the run unless every input has one output of the right length that decodes, and
    nothing else was written."""
    sources = sorted(n for n in os.listdir(batch_in) if n.endswith(".wav"))
    expected = {os.path.splitext(n)[0] + "." + ext for n in sources}
    written = set(os.listdir(batch_out))
    if written != expected:
        sys.exit(f"{who}: missing {sorted(expected - written)}, unexpected {sorted(written - expected)} in {batch_out}")
    length = probe_length(os.path.join(batch_in, sources[0]))
    for name in sorted(written):
        got = probe_length(os.path.join(batch_out, name))
        if got is None or not length - PEER_LENGTH_SLACK[0] <= got <= length + PEER_LENGTH_SLACK[1]:
            sys.exit(f"{who}: {name} does not decode to the source's {length:.2f} s (ffprobe: {got})")


def peer_batch(tool, cli_tool, work, ext):
    """The batch's 20 files of one minute to `ext` through `velloria-convert -j 2`, beside
    SoundConverter's batch mode with two jobs on the same files and settings. Both outputs are
    checked after every run. Returns (ours, reference) medians in seconds."""
    batch_in, batch_out = os.path.join(work, "peer-in"), os.path.join(work, "peer-out")
    make_batch(tool, batch_in, 20, 60)
    ours_options, peer_options = PEER_FORMATS[ext]
    sources = sorted(os.path.join(batch_in, n) for n in os.listdir(batch_in))
    # SoundConverter's batch mode needs no display: it runs its GStreamer pipelines alone.
    runs = (([cli_tool, "--quiet"] + ours_options + ["-j", "2", "-r", "-o", batch_out, batch_in + "/"],
             cli_env(work, PEER_MP3_QUALITY), []),
            (["soundconverter", "-b"] + sources + peer_options + ["-j", "2", "-e", "overwrite", "-o", batch_out],
             None, []))
    try:
        for _ in range(BATCH_RUNS):
            for cmd, env, times in runs:
                fresh_folder(batch_out)
                times.append(run(cmd, env=env))
                check_peer_output(batch_in, batch_out, ext, f"peer-{ext}: {os.path.basename(cmd[0])}")
    finally:
        shutil.rmtree(batch_in)
        shutil.rmtree(batch_out, ignore_errors=True)
    return statistics.median(runs[0][2]), statistics.median(runs[1][2])


ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
A11Y_BUS = os.path.join(ROOT, "scripts", "a11y-bus")
A11Y_CLIENT = os.path.join(ROOT, "tests", "support", "a11y_client.py")
# python3-pyatspi is Debian's; another python3 first on the PATH does not see it.
SYSTEM_PYTHON = "/usr/bin/python3"


def start_xvfb(work):
    """A private X server, so that the window runs on xcb (the platform with the accessibility
    bridge). Returns (process, DISPLAY)."""
    read_end, write_end = os.pipe()
    proc = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp"], pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                            stderr=open(os.path.join(work, "xvfb.log"), "w"))
    os.close(write_end)
    with os.fdopen(read_end) as f:
        number = f.readline().strip()
    if not number:
        proc.wait()
        sys.exit(f"Xvfb did not start; see {os.path.join(work, 'xvfb.log')}")
    return proc, f":{number}"


def small_files(tool, batch_tool, work, a11y):
    """2000 WAV files of 2 s to MP3 at 128 kbit/s through the shown converter window on every
    core, beside lame two at a time. With `a11y`, on a private accessibility bus with the
    window's bridge on and a client registered for property, text and state changes. Returns
    (ours, reference) medians in seconds."""
    name = "batch-small-files" + ("-a11y" if a11y else "")
    batch_in, batch_out = os.path.join(work, "small-in"), os.path.join(work, "small-out")
    make_batch(tool, batch_in, 2000, 2)
    env = {k: v for k, v in os.environ.items()
           if k not in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON",
                        "QT_ACCESSIBILITY")}
    xvfb, env["DISPLAY"] = start_xvfb(work)
    env["QT_QPA_PLATFORM"] = "xcb"
    # No session bus (not even one found through XDG_RUNTIME_DIR), so no accessibility bridge.
    env["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=" + os.path.join(work, "no-session-bus")
    bus_dir, listener = os.path.join(work, "a11y"), None
    try:
        if a11y:
            started = subprocess.run([A11Y_BUS, "start", bus_dir], capture_output=True, text=True)
            if started.returncode != 0:
                sys.exit(f"{name}: the accessibility bus did not start:\n{started.stderr}")
            for line in started.stdout.splitlines():
                key, _, value = line.partition("=")
                env[key] = value
            env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
            listener = subprocess.Popen([SYSTEM_PYTHON, A11Y_CLIENT, "listen"], env=env, text=True,
                                        stdout=subprocess.PIPE)
            if listener.stdout.readline().strip() != "ready":
                sys.exit(f"{name}: the accessibility client did not register its listeners")
        ours, ref = [], []
        for _ in range(BATCH_RUNS):
            for cmd, times in (([batch_tool, "--show", batch_in, batch_out], ours),
                               (lame_two_at_a_time(batch_in, batch_out), ref)):
                fresh_folder(batch_out)
                times.append(run_with_cpu(cmd, env=env))
                check_batch_output(batch_in, batch_out, f"{name}: {cmd[0]}")
        print(f"{name}: CPU time ours {statistics.median(t[1] for t in ours):.2f} s, "
              f"lame {statistics.median(t[1] for t in ref):.2f} s", flush=True)
        if listener:
            listener.terminate()
            events = listener.stdout.read().strip()
            listener.wait()
            listener = None
            print(f"{name}: accessibility client: {events}", flush=True)
            if not events.startswith("events ") or events.split()[1] == "0":
                sys.exit(f"{name}: the accessibility client received no events; the window's bridge was not on")
    finally:
        if listener:
            listener.kill()
            listener.wait()
        if a11y:
            subprocess.run([A11Y_BUS, "stop", bus_dir])
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(batch_in, ignore_errors=True)
        shutil.rmtree(batch_out, ignore_errors=True)
    return statistics.median(t[0] for t in ours), statistics.median(t[0] for t in ref)


def preview_stall_ms(preview_tool, mp3, work):
    """Plays `mp3` for 15 s through the converter's preview on a private sound server; returns
    the longest time in ms between two passes of the window's message loop."""
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    server = os.path.join(root, "scripts", "sound-server")
    sound_dir = os.path.join(work, "sound")
    started = subprocess.run([server, "start", sound_dir], capture_output=True, text=True)
    if started.returncode != 0:
        sys.exit(f"the sound server did not start:\n{started.stderr}")
    env = dict(os.environ)
    name, _, value = started.stdout.strip().splitlines()[-1].partition("=")
    env[name] = value
    try:
        proc = subprocess.run([preview_tool, mp3, "15"], capture_output=True, text=True, env=env)
    finally:
        subprocess.run([server, "stop", sound_dir])
    if proc.returncode != 0:
        sys.exit(f"failed ({proc.returncode}): {preview_tool} {mp3} 15\n{proc.stderr}")
    details = [line for line in proc.stderr.splitlines() if line.startswith("preview of")]
    if details:
        print(f"preview-stall: {details[-1]}", flush=True)
    return float(proc.stdout.split()[-1])


CD_SECTOR_BYTES = 2352  # 588 stereo frames of 16-bit samples


def wav_data_span(f, path):
    """The offset and length of an open WAV file's data chunk."""
    head = f.read(12)
    if head[:4] != b"RIFF" or head[8:12] != b"WAVE":
        sys.exit(f"{path} is not a WAV file")
    pos = 12
    while True:
        f.seek(pos)
        header = f.read(8)
        if len(header) < 8:
            sys.exit(f"{path} has no data chunk")
        chunk, size = header[:4], struct.unpack("<I", header[4:])[0]
        if chunk == b"data":
            return pos + 8, size
        pos += 8 + size + (size & 1)


def wav_data_digest(path):
    """(length, SHA-256) of a WAV file's data chunk, read a block at a time."""
    with open(path, "rb") as f:
        offset, size = wav_data_span(f, path)
        f.seek(offset)
        digest, left = hashlib.sha256(), size
        while left > 0:
            block = f.read(min(left, 1 << 22))
            if not block:
                break
            digest.update(block)
            left -= len(block)
        return size - left, digest.hexdigest()


def write_cd_image(wav, folder):
    """Writes image.bin with image.cue: fifteen tracks of about four minutes (just under an
    hour of sound, 631 MB) taken in turn from the 16-bit stereo 44100 Hz `wav`, starting over at
    its end, each padded with silence to whole sectors. A rip this long times steadily. Returns
    the cue sheet's path and each track's (length, SHA-256)."""
    # Lengths in frames that are not whole sectors, so that each track is padded.
    lengths = [(230 + 3 * (n % 7)) * 44100 + 1234 + 97 * n for n in range(15)]
    cue, tracks, sector = ['FILE "image.bin" BINARY'], [], 0
    with open(wav, "rb") as src, open(os.path.join(folder, "image.bin"), "wb") as out:
        offset, size = wav_data_span(src, wav)
        size -= size % 4
        pos = 0  # within the source's data
        for number, frames in enumerate(lengths, 1):
            digest, left = hashlib.sha256(), frames * 4
            while left > 0:
                src.seek(offset + pos)
                block = src.read(min(left, size - pos, 1 << 22))
                digest.update(block)
                out.write(block)
                left -= len(block)
                pos = (pos + len(block)) % size
            pad = bytes(-frames * 4 % CD_SECTOR_BYTES)
            digest.update(pad)
            out.write(pad)
            length = frames * 4 + len(pad)
            cue.append(f"  TRACK {number:02d} AUDIO")
            cue.append(f"    INDEX 01 {sector // 75 // 60:02d}:{sector // 75 % 60:02d}:{sector % 75:02d}")
            sector += length // CD_SECTOR_BYTES
            tracks.append((length, digest.hexdigest()))
    path = os.path.join(folder, "image.cue")
    with open(path, "w") as f:
        f.write("\n".join(cue) + "\n")
    return path, tracks


def rip_image(rip_tool, wav, work):
    """Rips a fifteen-track image of about an hour to one WAV per track, ours at read mode 3
    (full paranoia) beside `cd-paranoia -B` (whose default is full paranoia); checks once that
    both wrote the image's PCM, then times them alternately. The image and both rips take
    about 1.9 GB; all are removed at the end. Returns (ours, reference) medians in seconds."""
    folder = os.path.join(work, "cd")
    ours_dir, ref_dir = os.path.join(work, "rip-ours"), os.path.join(work, "rip-ref")
    os.makedirs(folder)
    try:
        cue, tracks = write_cd_image(wav, folder)

        # Each rip writes 631 MB; the previous rip's writing back to disk is finished before the
        # next starts (os.sync), or it lands in that one's time.
        def ours():
            fresh_folder(ours_dir)
            os.sync()
            return run([rip_tool, cue, ours_dir, "3"])

        def ref():
            # Batch mode writes trackNN.cdda.wav into the working folder.
            fresh_folder(ref_dir)
            os.sync()
            return run(["cd-paranoia", "-q", "-d", cue, "-B"], cwd=ref_dir)

        ours()
        ref()
        for number, expected in enumerate(tracks, 1):
            a = wav_data_digest(os.path.join(ours_dir, f"Track{number:02d}.wav"))
            b = wav_data_digest(os.path.join(ref_dir, f"track{number:02d}.cdda.wav"))
            if a != expected or b != expected:
                sys.exit(f"rip-image: track {number} differs: ours {a[0]} bytes, cd-paranoia {b[0]} bytes, "
                         f"image {expected[0]} bytes, ours == cd-paranoia: {a == b}, ours == image: {a == expected}")
        extra = sorted(set(os.listdir(ours_dir)) - {f"Track{n:02d}.wav" for n in range(1, len(tracks) + 1)})
        if extra:
            sys.exit(f"rip-image: unexpected files from our rip: {extra}")
        times_ours, times_ref = [], []
        for _ in range(RUNS):
            times_ours.append(ours())
            times_ref.append(ref())
        return statistics.median(times_ours), statistics.median(times_ref)
    finally:
        for path in (folder, ours_dir, ref_dir):
            shutil.rmtree(path, ignore_errors=True)


def rip_image_one_file(cli_tool, wav, work):
    """Rips the fifteen-track image of about an hour as one FLAC file with its CUE sheet through
    `velloria-convert --cd --one-file` (read mode 3, full paranoia, Mode Safe off, as rip-image
    reads), beside `cd-paranoia` reading the whole disc piped into `flac -5`; checks once that
    both FLAC files decode to the image's PCM and that the sheet is there, then times them
    alternately. Returns (ours, reference) medians in seconds."""
    folder = os.path.join(work, "cd")
    ours_dir, ref_dir = os.path.join(work, "rip-ours"), os.path.join(work, "rip-ref")
    os.makedirs(folder)
    config = os.path.join(work, "rip-config")
    os.makedirs(os.path.join(config, "Brindlewood"), exist_ok=True)
    with open(os.path.join(config, "Brindlewood", "HKEY_LOCAL_MACHINE.ini"), "w") as f:
        f.write("[Software]\n"
                "Brindlewood\\Audioconverter\\OGG%20First%20Option=3\n"
                "Brindlewood\\Audioconverter\\OGG%20Mode=0\n"
                "Brindlewood\\Audioconverter\\AccurateRip%20Verify=0\n"
                "Brindlewood\\Audioconverter\\FLAC%20Level=5\n")
    env = dict(os.environ, XDG_CONFIG_HOME=config)
    try:
        cue, tracks = write_cd_image(wav, folder)
        with open(os.path.join(folder, "image.bin"), "rb") as f:
            image = hashlib.sha256()
            for block in iter(lambda: f.read(1 << 22), b""):
                image.update(block)

        def ours():
            fresh_folder(ours_dir)
            os.sync()
            return run([cli_tool, "--quiet", "--cd", cue, "--one-file", "-f", "flac", "-o", ours_dir], env=env)

        def ref():
            fresh_folder(ref_dir)
            os.sync()
            flac = ["flac", "--silent", "-5", "--force-raw-format", "--endian=little", "--sign=signed",
                    "--channels=2", "--bps=16", "--sample-rate=44100", "-o", os.path.join(ref_dir, "disc.flac"), "-"]
            pipeline = f"cd-paranoia -q -d '{cue}' -r -- 1- - | " + " ".join(f"'{a}'" for a in flac)
            return run(["bash", "-o", "pipefail", "-c", pipeline])

        def decoded(path):
            proc = subprocess.run(["flac", "-d", "-s", "-c", "--force-raw-format", "--endian=little",
                                   "--sign=signed", path], stdout=subprocess.PIPE, check=True)
            return hashlib.sha256(proc.stdout).hexdigest()

        ours()
        ref()
        # The rip log and its JSON lie beside the file and its sheet.
        names = sorted(n for n in os.listdir(ours_dir) if not n.endswith((".log", ".json")))
        if len(names) != 2 or not names[0].endswith(".cue") or not names[1].endswith(".flac"):
            sys.exit(f"rip-image-one-file: our rip wrote {names}, not one FLAC file and its sheet")
        a = decoded(os.path.join(ours_dir, names[1]))
        b = decoded(os.path.join(ref_dir, "disc.flac"))
        if a != image.hexdigest() or b != image.hexdigest():
            sys.exit(f"rip-image-one-file: ours == image: {a == image.hexdigest()}, "
                     f"cd-paranoia | flac == image: {b == image.hexdigest()}")
        times_ours, times_ref = [], []
        for _ in range(RUNS):
            times_ours.append(ours())
            times_ref.append(ref())
        return statistics.median(times_ours), statistics.median(times_ref)
    finally:
        for path in (folder, ours_dir, ref_dir, config):
            shutil.rmtree(path, ignore_errors=True)


def cue_split(tool, cli_tool, work):
    """An hour-long FLAC with a CUE sheet of fifteen tracks split into WAV tracks by
    velloria-convert (one file at a time, -j 1) beside shnsplit (which decodes through flac);
    checks once that both wrote the same PCM, then times them alternately. Returns (ours,
    reference) medians in seconds."""
    folder, ours_dir, ref_dir = (os.path.join(work, name) for name in ("cue", "cue-ours", "cue-ref"))
    os.makedirs(folder)
    try:
        wav, flac = os.path.join(folder, "album.wav"), os.path.join(folder, "album.flac")
        run([tool, "generate", "3600", wav])
        run(["flac", "--silent", "-f", "-5", "-o", flac, wav])
        os.remove(wav)
        # Track starts that are not whole seconds; each track but the first has a pre-gap.
        starts = [n * (239 * 75 + 37) + 11 * n for n in range(15)]
        sheet = ['PERFORMER "Bench"', 'TITLE "Hour"', 'FILE "album.flac" WAVE']
        for number, start in enumerate(starts, 1):
            sheet.append(f"  TRACK {number:02d} AUDIO")
            sheet.append(f'    TITLE "Part {number}"')
            if number > 1:
                gap = start - 150
                sheet.append(f"    INDEX 00 {gap // 4500:02d}:{gap // 75 % 60:02d}:{gap % 75:02d}")
            sheet.append(f"    INDEX 01 {start // 4500:02d}:{start // 75 % 60:02d}:{start % 75:02d}")
        cue = os.path.join(folder, "album.cue")
        with open(cue, "w") as f:
            f.write("\n".join(sheet) + "\n")
        env = cli_env(work)

        def ours():
            fresh_folder(ours_dir)
            os.sync()
            return run([cli_tool, "--quiet", "-j", "1", "-f", "wav", "-o", ours_dir, cue], env=env)

        def ref():
            fresh_folder(ref_dir)
            os.sync()
            return run(["shnsplit", "-q", "-f", cue, "-o", "wav", "-d", ref_dir, "-O", "always", flac])

        ours()
        ref()
        for number in range(1, len(starts) + 1):
            a = wav_data_digest(os.path.join(ours_dir, f"{number:02d} - Part {number}.wav"))
            b = wav_data_digest(os.path.join(ref_dir, f"split-track{number:02d}.wav"))
            if a != b:
                sys.exit(f"cue-split: track {number} differs: ours {a[0]} bytes, shnsplit {b[0]} bytes")
        times_ours, times_ref = [], []
        for _ in range(RUNS):
            times_ours.append(ours())
            times_ref.append(ref())
        return statistics.median(times_ours), statistics.median(times_ref)
    finally:
        for path in (folder, ours_dir, ref_dir):
            shutil.rmtree(path, ignore_errors=True)


def extract_mp3(tool, extract_tool, work):
    """Makes a 5-minute video (small MPEG-4 picture, AAC sound at 44100 Hz stereo) and extracts
    its sound track to MP3 at 128 kbit/s, ours beside `ffmpeg -vn -c:a libmp3lame -b:a 128k`.
    Returns (ours, reference) medians in seconds."""
    sound = os.path.join(work, "video-sound.wav")
    video = os.path.join(work, "video.mp4")
    run([tool, "generate", "300", sound])
    run(["ffmpeg", "-nostdin", "-loglevel", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=320x240:rate=25",
         "-i", sound, "-shortest", "-c:v", "mpeg4", "-q:v", "5", "-c:a", "aac", "-b:a", "160k", video])
    ours_dir = os.path.join(work, "extract-ours")
    os.makedirs(ours_dir)
    ref_out = os.path.join(work, "extract-ref.mp3")
    ours_cmd = [extract_tool, video, ours_dir, "44100", "128"]
    ref_cmd = ["ffmpeg", "-nostdin", "-loglevel", "error", "-y", "-threads", "1", "-i", video, "-vn",
               "-c:a", "libmp3lame", "-b:a", "128k", ref_out]
    times_ours, times_ref = [], []
    for _ in range(RUNS):
        times_ours.append(run(ours_cmd))
        times_ref.append(run(ref_cmd))
    return statistics.median(times_ours), statistics.median(times_ref)


def peak_rss(tool, work):
    """The converter's own peak memory converting 1 and 30 minutes to MP3, the larger of two
    runs each. Returns (1 minute, 30 minutes) in KiB."""
    harness, probe = check_peak_rss_measure()
    short, long_ = os.path.join(work, "short.wav"), os.path.join(work, "long.wav")
    run([tool, "generate", "60", short])
    run([tool, "generate", "1800", long_])
    peaks = []
    for wav in (short, long_):
        cmd = [tool, "convert", wav, os.path.join(work, "rss.mp3"), "mp3-cbr", "128"]
        peaks.append(max(peak_rss_kib(cmd) for _ in range(2)))
        os.remove(wav)
    harness = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
    print(f"peak RSS (the converter's own, GNU time %M): 1 minute {peaks[0]} KiB, 30 minutes {peaks[1]} KiB; "
          f"/bin/true {probe} KiB; the harness's own {harness} KiB", flush=True)
    if harness in peaks:
        sys.exit(f"peak memory is measured wrongly: a figure equals the harness's own peak ({harness} KiB)")
    return peaks[0], peaks[1]


def row(name, ours, ref):
    print(f"{name:<24}{ours:>10.2f}{ref:>15.2f}{ours / ref:>8.3f}", flush=True)
    return name, ours / ref


ONLY = ("extract-mp3", "cue-split", "rip-image", "rip-image-one-file", "batch-mp3", "preview-stall", "batch-small-files",
        "batch-small-files-a11y", "rss-30min-vs-1min", "cli-batch-mp3", "cli-wav-mp3", "loudness-overhead",
        "wav-ogg", "wav-flac", "wav-opus") + tuple(f"peer-{ext}" for ext in PEER_FORMATS)


def main():
    tool = sys.argv[1]
    batch_tool = sys.argv[2]
    rip_tool = os.path.join(os.path.dirname(tool), "velloria_rip")
    extract_tool = os.path.join(os.path.dirname(tool), "velloria_extract")
    preview_tool = os.path.join(os.path.dirname(tool), "velloria_preview")
    cli_tool = os.path.join(os.path.dirname(os.path.dirname(tool)), "velloria-convert")
    # One comparison, or several separated by commas.
    only = [name for name in os.environ.get("BENCH_ONLY", "").split(",") if name]
    for name in only:
        if name not in ONLY:
            sys.exit(f"BENCH_ONLY={name} names no comparison; one of: {', '.join(ONLY)}")
    work = tempfile.mkdtemp(prefix="velloria-bench-")
    wav = os.path.join(work, "in.wav")
    mp3 = os.path.join(work, "in.mp3")
    try:
        if only:
            results = []
            for name in only:
                results += run_only(name, tool, batch_tool, rip_tool, extract_tool, preview_tool, cli_tool, work,
                                    wav, mp3)
            for name, value in results:
                print(f"ratio {name} {value:.3f}")
            return
        run_all(tool, batch_tool, rip_tool, extract_tool, preview_tool, cli_tool, work, wav, mp3)
    finally:
        shutil.rmtree(work, ignore_errors=True)


def make_input(tool, wav):
    print(f"making 10 minutes of stereo 44100 Hz input in {os.path.dirname(wav)}", flush=True)
    run([tool, "generate", "600", wav])


def run_only(only, tool, batch_tool, rip_tool, extract_tool, preview_tool, cli_tool, work, wav, mp3):
    """One comparison BENCH_ONLY names; returns [(name, ratio)]."""
    if only == "cli-batch-mp3":
        return [row("cli-batch-mp3", *cli_batch_mp3(tool, cli_tool, work))]
    if only == "cli-wav-mp3":
        return [row("cli-wav-mp3", *cli_wav_mp3(tool, cli_tool, work))]
    if only.startswith("peer-"):
        return [row(only, *peer_batch(tool, cli_tool, work, only[len("peer-"):]))]
    if only == "extract-mp3":
        return [row("extract-mp3", *extract_mp3(tool, extract_tool, work))]
    if only == "cue-split":
        return [row("cue-split", *cue_split(tool, cli_tool, work))]
    if only == "rss-30min-vs-1min":
        short, long_ = peak_rss(tool, work)
        return [("rss-30min-vs-1min", long_ / short)]
    if only == "batch-mp3":
        return batch_mp3(tool, batch_tool, work)
    if only == "loudness-overhead":
        return [row(only, *loudness_overhead(tool, batch_tool, work))]
    if only.startswith("batch-small-files"):
        return [row(only, *small_files(tool, batch_tool, work, only.endswith("-a11y")))]
    make_input(tool, wav)
    if only == "rip-image":
        return [row("rip-image", *rip_image(rip_tool, wav, work))]
    if only == "rip-image-one-file":
        return [row("rip-image-one-file", *rip_image_one_file(cli_tool, wav, work))]
    if only in ("wav-ogg", "wav-flac", "wav-opus"):
        for name, ours_cmd, ref_cmd in file_comparisons(tool, work, wav, mp3):
            if name == only:
                ours = [run(ours_cmd) for _ in range(RUNS)]
                ref = [run(ref_cmd) for _ in range(RUNS)]
                return [row(name, statistics.median(ours), statistics.median(ref))]
    run(["lame", "--quiet", "-b", "128", wav, mp3])
    stall = max(preview_stall_ms(preview_tool, mp3, work) for _ in range(2))
    return [("preview-stall", stall / 50)]


def file_comparisons(tool, work, wav, mp3):
    """One file converted by our tool beside the reference tool: (name, ours, reference)."""
    out = lambda name: os.path.join(work, name)
    ff = ["ffmpeg", "-nostdin", "-loglevel", "error", "-y", "-threads", "1"]
    return [
        ("wav-mp3-cbr", [tool, "convert", wav, out("a.mp3"), "mp3-cbr", "128"],
         LAME + ["-b", "128", wav, out("b.mp3")]),
        ("wav-mp3-vbr", [tool, "convert", wav, out("a.mp3"), "mp3-vbr", "2"],
         LAME + ["-V", "2", wav, out("b.mp3")]),
        ("wav-ogg", [tool, "convert", wav, out("a.ogg"), "ogg", "3"],
         ["oggenc", "--quiet", "-q", "3", "-o", out("b.ogg"), wav]),
        ("mp3-wav", [tool, "convert", mp3, out("a.wav")],
         ff + ["-i", mp3, "-c:a", "pcm_s16le", out("b.wav")]),
        ("wav-wma", [tool, "convert", wav, out("a.wma"), "wma", "128"],
         ff + ["-i", wav, "-c:a", "wmav2", "-b:a", "128k", out("b.wma")]),
        ("wav-flac", [tool, "convert", wav, out("a.flac"), "flac", "5"],
         ["flac", "--silent", "-f", "-5", "-o", out("b.flac"), wav]),
        ("wav-opus", [tool, "convert", wav, out("a.opus"), "opus", "128"],
         ["opusenc", "--quiet", "--bitrate", "128", wav, out("b.opus")]),
    ]


def run_all(tool, batch_tool, rip_tool, extract_tool, preview_tool, cli_tool, work, wav, mp3):
    make_input(tool, wav)
    run(["lame", "--quiet", "-b", "128", wav, mp3])
    out = lambda name: os.path.join(work, name)
    comparisons = file_comparisons(tool, work, wav, mp3)
    ratios = []
    print(f"{'conversion':<24}{'ours (s)':>10}{'reference (s)':>15}{'ratio':>8}")
    for name, ours_cmd, ref_cmd in comparisons:
        ours, ref = [], []
        for _ in range(RUNS):
            ours.append(run(ours_cmd))
            ref.append(run(ref_cmd))
        ratios.append(row(name, statistics.median(ours), statistics.median(ref)))

    # Batches through the converter window: 20 files of one minute, and 2000 files of 2 s
    # without and with an accessibility client listening.
    ratios += batch_mp3(tool, batch_tool, work)
    ratios.append(row("loudness-overhead", *loudness_overhead(tool, batch_tool, work)))
    for a11y in (False, True):
        name = "batch-small-files" + ("-a11y" if a11y else "")
        ratios.append(row(name, *small_files(tool, batch_tool, work, a11y)))

    # The same batch through velloria-convert -j 2 beside lame one file after another, and one
    # file through it beside lame.
    ratios.append(row("cli-batch-mp3", *cli_batch_mp3(tool, cli_tool, work)))
    ratios.append(row("cli-wav-mp3", *cli_wav_mp3(tool, cli_tool, work)))

    # The same batch in each output format through velloria-convert -j 2 beside SoundConverter.
    for ext in PEER_FORMATS:
        ratios.append(row(f"peer-{ext}", *peer_batch(tool, cli_tool, work, ext)))

    # Ripping a fifteen-track disc image of about an hour to WAV, beside cd-paranoia in batch mode.
    ratios.append(row("rip-image", *rip_image(rip_tool, wav, work)))
    # The same image as one FLAC file with its CUE sheet, beside cd-paranoia piped into flac -5.
    ratios.append(row("rip-image-one-file", *rip_image_one_file(cli_tool, wav, work)))

    # The sound track of a 5-minute video to MP3, beside ffmpeg.
    ratios.append(row("extract-mp3", *extract_mp3(tool, extract_tool, work)))

    # An hour-long FLAC cut into tracks by its CUE sheet, beside shnsplit.
    ratios.append(row("cue-split", *cue_split(tool, cli_tool, work)))

    # The converter window's longest unserved stretch while converting the 10-minute input.
    stall = max(ui_stall_ms(batch_tool, wav, out("stall-out")) for _ in range(2))
    print(f"ui-stall: longest gap between message-loop passes {stall:.1f} ms", flush=True)

    # The converter window's longest unserved stretch while it plays a preview of the MP3.
    preview_stall = max(preview_stall_ms(preview_tool, mp3, work) for _ in range(2))
    print(f"preview-stall: longest gap between message-loop passes {preview_stall:.1f} ms", flush=True)

    # Memory: the converter's own peak converting 30 minutes against converting 1 minute, to MP3.
    rss_short, rss_long = peak_rss(tool, work)
    for name, value in ratios:
        print(f"ratio {name} {value:.3f}")
    print(f"ratio rss-30min-vs-1min {rss_long / rss_short:.3f}")
    print(f"ratio ui-stall {stall / 100:.3f}")
    print(f"ratio preview-stall {preview_stall / 50:.3f}")


if __name__ == "__main__":
    main()
