#!/usr/bin/env python3
"""Times Velloria's conversions beside the reference tools on the same input and settings.

Each comparison alternates ours and the reference, several runs each, and reports the median
time of each and their ratio. Peak memory is compared between converting 30 minutes and
1 minute of audio. The longest time the converter window leaves its message loop unserved
while converting 10 minutes is reported in units of 100 ms. Ripping a three-track disc image to
WAV is timed beside cd-paranoia on the same image, and extracting the sound track of a
5-minute video to MP3 beside ffmpeg. The last lines have the form `ratio <name> <value>`.
BENCH_ONLY=rip-image or BENCH_ONLY=extract-mp3 runs only that comparison.
"""
import os
import shutil
import statistics
import struct
import subprocess
import sys
import tempfile
import time

RUNS = int(os.environ.get("BENCH_RUNS", "5"))
# Our MP3 writer computes no ReplayGain, so the reference does not either.
LAME = ["lame", "--quiet", "--noreplaygain"]


def run(cmd, cwd=None):
    """Runs a command; returns (seconds, peak RSS in KiB)."""
    start = time.perf_counter()
    proc = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, cwd=cwd)
    _, status, usage = os.wait4(proc.pid, 0)
    elapsed = time.perf_counter() - start
    err = proc.stderr.read().decode(errors="replace")
    proc.stderr.close()
    if status != 0:
        sys.exit(f"failed ({status}): {' '.join(cmd)}\n{err}")
    return elapsed, usage.ru_maxrss


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


def batch_parallel(batch_tool, batch_in, batch_out, ours):
    """The same batch beside lame started two at a time, and the window's peak memory on every
    core against one file at a time."""
    xargs = ("ls \"$1\"/*.wav | xargs -P 2 -I{} sh -c '" + " ".join(LAME) +
             " -b 128 \"$1\" \"$2/$(basename \"$1\" .wav).mp3\"' sh {} \"$2\"")
    ref, rss = [], {}
    for _ in range(max(1, RUNS // 2)):
        subprocess.run(["rm", "-rf", batch_out], check=True)
        os.makedirs(batch_out)
        ref.append(run(["sh", "-c", xargs, "sh", batch_in, batch_out])[0])
    for mode, extra in (("every core", []), ("one at a time", ["--one-at-a-time"])):
        subprocess.run(["rm", "-rf", batch_out], check=True)
        os.makedirs(batch_out)
        rss[mode] = run([batch_tool] + extra + [batch_in, batch_out])[1]
    r = statistics.median(ref)
    print(f"{'batch-mp3-par':<14}{ours:>10.2f}{r:>15.2f}{ours / r:>8.3f}", flush=True)
    print(f"batch peak RSS: every core {rss['every core']} KiB, one at a time {rss['one at a time']} KiB",
          flush=True)
    return [("batch-mp3-parallel", ours / r),
            ("batch-rss-parallel-vs-serial", rss["every core"] / rss["one at a time"])]


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


def wav_data(path):
    """The bytes of a WAV file's data chunk."""
    with open(path, "rb") as f:
        raw = f.read()
    if raw[:4] != b"RIFF" or raw[8:12] != b"WAVE":
        sys.exit(f"{path} is not a WAV file")
    pos = 12
    while pos + 8 <= len(raw):
        chunk, size = raw[pos:pos + 4], struct.unpack("<I", raw[pos + 4:pos + 8])[0]
        if chunk == b"data":
            return raw[pos + 8:pos + 8 + size]
        pos += 8 + size + (size & 1)
    sys.exit(f"{path} has no data chunk")


def write_cd_image(wav, folder):
    """Cuts the 16-bit stereo 44100 Hz `wav` into three tracks of about three minutes, each
    padded with silence to whole sectors, and writes them as image.bin with image.cue.
    Returns the cue sheet's path and each track's PCM."""
    pcm = wav_data(wav)
    # Lengths in frames that are not whole sectors, so that each track is padded.
    lengths = [180 * 44100 + 1234, 185 * 44100 + 777, 190 * 44100 + 4321]
    tracks, start = [], 0
    for n in lengths:
        data = pcm[start * 4:(start + n) * 4]
        start += n
        data += bytes(-len(data) % CD_SECTOR_BYTES)
        tracks.append(data)
    cue = ['FILE "image.bin" BINARY']
    sector = 0
    with open(os.path.join(folder, "image.bin"), "wb") as f:
        for number, data in enumerate(tracks, 1):
            cue.append(f"  TRACK {number:02d} AUDIO")
            cue.append(f"    INDEX 01 {sector // 75 // 60:02d}:{sector // 75 % 60:02d}:{sector % 75:02d}")
            f.write(data)
            sector += len(data) // CD_SECTOR_BYTES
    path = os.path.join(folder, "image.cue")
    with open(path, "w") as f:
        f.write("\n".join(cue) + "\n")
    return path, tracks


def rip_image(rip_tool, wav, work):
    """Rips a three-track image to one WAV per track, ours at read mode 3 (full paranoia)
    beside `cd-paranoia -B` (whose default is full paranoia); checks once that both wrote the
    image's PCM, then times them alternately. Returns (ours, reference) medians in seconds."""
    folder = os.path.join(work, "cd")
    os.makedirs(folder)
    cue, tracks = write_cd_image(wav, folder)
    ours_dir, ref_dir = os.path.join(work, "rip-ours"), os.path.join(work, "rip-ref")

    def ours():
        shutil.rmtree(ours_dir, ignore_errors=True)
        os.makedirs(ours_dir)
        return run([rip_tool, cue, ours_dir, "3"])[0]

    def ref():
        # Batch mode writes trackNN.cdda.wav into the working folder.
        shutil.rmtree(ref_dir, ignore_errors=True)
        os.makedirs(ref_dir)
        return run(["cd-paranoia", "-q", "-d", cue, "-B"], cwd=ref_dir)[0]

    ours()
    ref()
    for number, expected in enumerate(tracks, 1):
        a = wav_data(os.path.join(ours_dir, f"Track{number:02d}.wav"))
        b = wav_data(os.path.join(ref_dir, f"track{number:02d}.cdda.wav"))
        if a != b or a != expected:
            sys.exit(f"rip-image: track {number} differs: ours {len(a)} bytes, cd-paranoia "
                     f"{len(b)} bytes, image {len(expected)} bytes, ours == cd-paranoia: {a == b}")
    extra = sorted(set(os.listdir(ours_dir)) - {f"Track{n:02d}.wav" for n in range(1, len(tracks) + 1)})
    if extra:
        sys.exit(f"rip-image: unexpected files from our rip: {extra}")
    times_ours, times_ref = [], []
    for _ in range(RUNS):
        times_ours.append(ours())
        times_ref.append(ref())
    return statistics.median(times_ours), statistics.median(times_ref)


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
        times_ours.append(run(ours_cmd)[0])
        times_ref.append(run(ref_cmd)[0])
    return statistics.median(times_ours), statistics.median(times_ref)


def main():
    tool = sys.argv[1]
    batch_tool = sys.argv[2]
    rip_tool = os.path.join(os.path.dirname(tool), "velloria_rip")
    extract_tool = os.path.join(os.path.dirname(tool), "velloria_extract")
    preview_tool = os.path.join(os.path.dirname(tool), "velloria_preview")
    work = tempfile.mkdtemp(prefix="velloria-bench-")
    wav = os.path.join(work, "in.wav")
    mp3 = os.path.join(work, "in.mp3")
    print(f"making 10 minutes of stereo 44100 Hz input in {work}", flush=True)
    if os.environ.get("BENCH_ONLY") == "extract-mp3":
        o, r = extract_mp3(tool, extract_tool, work)
        print(f"{'extract-mp3':<14}{o:>10.2f}{r:>15.2f}{o / r:>8.3f}", flush=True)
        print(f"ratio extract-mp3 {o / r:.3f}")
        subprocess.run(["rm", "-rf", work])
        return
    run([tool, "generate", "600", wav])
    if os.environ.get("BENCH_ONLY") == "rip-image":
        o, r = rip_image(rip_tool, wav, work)
        print(f"{'rip-image':<14}{o:>10.2f}{r:>15.2f}{o / r:>8.3f}", flush=True)
        print(f"ratio rip-image {o / r:.3f}")
        subprocess.run(["rm", "-rf", work])
        return
    run(["lame", "--quiet", "-b", "128", wav, mp3])
    if os.environ.get("BENCH_ONLY") == "batch-mp3":
        batch_in, batch_out = os.path.join(work, "batch-in"), os.path.join(work, "batch-out")
        os.makedirs(batch_in)
        run([tool, "generate", "60", os.path.join(batch_in, "f00.wav")])
        for i in range(1, 20):
            subprocess.run(["cp", os.path.join(batch_in, "f00.wav"), os.path.join(batch_in, f"f{i:02d}.wav")], check=True)
        lame_loop = ("for f in \"$1\"/*.wav; do " + " ".join(LAME) +
                     " -b 128 \"$f\" \"$2/$(basename \"$f\" .wav).mp3\" || exit 1; done")
        ours, ref = [], []
        for _ in range(max(1, RUNS // 2)):
            for cmd, times in (([batch_tool, batch_in, batch_out], ours),
                               (["sh", "-c", lame_loop, "sh", batch_in, batch_out], ref)):
                subprocess.run(["rm", "-rf", batch_out], check=True)
                os.makedirs(batch_out)
                times.append(run(cmd)[0])
        o, r = statistics.median(ours), statistics.median(ref)
        print(f"{'batch-mp3':<14}{o:>10.2f}{r:>15.2f}{o / r:>8.3f}", flush=True)
        for name, value in [("batch-mp3", o / r)] + batch_parallel(batch_tool, batch_in, batch_out, o):
            print(f"ratio {name} {value:.3f}")
        subprocess.run(["rm", "-rf", work])
        return
    if os.environ.get("BENCH_ONLY") == "preview-stall":
        stall = max(preview_stall_ms(preview_tool, mp3, work) for _ in range(2))
        print(f"ratio preview-stall {stall / 50:.3f}")
        subprocess.run(["rm", "-rf", work])
        return

    out = lambda name: os.path.join(work, name)
    ff = ["ffmpeg", "-nostdin", "-loglevel", "error", "-y", "-threads", "1"]
    comparisons = [
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
    ]
    ratios = []
    print(f"{'conversion':<14}{'ours (s)':>10}{'reference (s)':>15}{'ratio':>8}")
    for name, ours_cmd, ref_cmd in comparisons:
        ours, ref = [], []
        for _ in range(RUNS):
            ours.append(run(ours_cmd)[0])
            ref.append(run(ref_cmd)[0])
        o, r = statistics.median(ours), statistics.median(ref)
        print(f"{name:<14}{o:>10.2f}{r:>15.2f}{o / r:>8.3f}", flush=True)
        ratios.append((name, o / r))

    # A batch through the converter window: 20 files of one minute to MP3 at 128 kbit/s,
    # beside lame on the same files one after another.
    batch_in, batch_out = out("batch-in"), out("batch-out")
    os.makedirs(batch_in)
    run([tool, "generate", "60", os.path.join(batch_in, "f00.wav")])
    for i in range(1, 20):
        subprocess.run(["cp", os.path.join(batch_in, "f00.wav"), os.path.join(batch_in, f"f{i:02d}.wav")], check=True)
    lame_loop = ("for f in \"$1\"/*.wav; do " + " ".join(LAME) +
                 " -b 128 \"$f\" \"$2/$(basename \"$f\" .wav).mp3\" || exit 1; done")
    ours, ref = [], []
    for _ in range(max(1, RUNS // 2)):
        subprocess.run(["rm", "-rf", batch_out], check=True)
        os.makedirs(batch_out)
        ours.append(run([batch_tool, batch_in, batch_out])[0])
        subprocess.run(["rm", "-rf", batch_out], check=True)
        os.makedirs(batch_out)
        ref.append(run(["sh", "-c", lame_loop, "sh", batch_in, batch_out])[0])
    o, r = statistics.median(ours), statistics.median(ref)
    print(f"{'batch-mp3':<14}{o:>10.2f}{r:>15.2f}{o / r:>8.3f}", flush=True)
    ratios.append(("batch-mp3", o / r))
    ratios += batch_parallel(batch_tool, batch_in, batch_out, o)

    # Ripping a three-track disc image to WAV, beside cd-paranoia in batch mode.
    o, r = rip_image(rip_tool, wav, work)
    print(f"{'rip-image':<14}{o:>10.2f}{r:>15.2f}{o / r:>8.3f}", flush=True)
    ratios.append(("rip-image", o / r))

    # The sound track of a 5-minute video to MP3, beside ffmpeg.
    o, r = extract_mp3(tool, extract_tool, work)
    print(f"{'extract-mp3':<14}{o:>10.2f}{r:>15.2f}{o / r:>8.3f}", flush=True)
    ratios.append(("extract-mp3", o / r))

    # The converter window's longest unserved stretch while converting the 10-minute input.
    stall = max(ui_stall_ms(batch_tool, wav, out("stall-out")) for _ in range(2))
    print(f"ui-stall: longest gap between message-loop passes {stall:.1f} ms", flush=True)

    # The converter window's longest unserved stretch while it plays a preview of the MP3.
    preview_stall = max(preview_stall_ms(preview_tool, mp3, work) for _ in range(2))
    print(f"preview-stall: longest gap between message-loop passes {preview_stall:.1f} ms", flush=True)

    # Memory: converting 30 minutes against converting 1 minute, to MP3.
    short, long_ = out("short.wav"), out("long.wav")
    run([tool, "generate", "60", short])
    run([tool, "generate", "1800", long_])
    rss_short = max(run([tool, "convert", short, out("s.mp3"), "mp3-cbr", "128"])[1] for _ in range(2))
    rss_long = max(run([tool, "convert", long_, out("l.mp3"), "mp3-cbr", "128"])[1] for _ in range(2))
    print(f"peak RSS: 1 minute {rss_short} KiB, 30 minutes {rss_long} KiB")
    for name, value in ratios:
        print(f"ratio {name} {value:.3f}")
    print(f"ratio rss-30min-vs-1min {rss_long / rss_short:.3f}")
    print(f"ratio ui-stall {stall / 100:.3f}")
    print(f"ratio preview-stall {preview_stall / 50:.3f}")
    subprocess.run(["rm", "-rf", work])


if __name__ == "__main__":
    main()
