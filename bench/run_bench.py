#!/usr/bin/env python3
"""Times Velloria's conversions beside the reference tools on the same input and settings.

Each comparison alternates ours and the reference, several runs each, and reports the median
time of each and their ratio. Peak memory is compared between converting 30 minutes and
1 minute of audio. The longest time the converter window leaves its message loop unserved
while converting 10 minutes is reported in units of 100 ms. The last lines have the form
`ratio <name> <value>`.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

RUNS = int(os.environ.get("BENCH_RUNS", "5"))
# Our MP3 writer computes no ReplayGain, so the reference does not either.
LAME = ["lame", "--quiet", "--noreplaygain"]


def run(cmd):
    """Runs a command; returns (seconds, peak RSS in KiB)."""
    start = time.perf_counter()
    proc = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
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


def main():
    tool = sys.argv[1]
    batch_tool = sys.argv[2]
    work = tempfile.mkdtemp(prefix="velloria-bench-")
    wav = os.path.join(work, "in.wav")
    mp3 = os.path.join(work, "in.mp3")
    print(f"making 10 minutes of stereo 44100 Hz input in {work}", flush=True)
    run([tool, "generate", "600", wav])
    run(["lame", "--quiet", "-b", "128", wav, mp3])

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

    # The converter window's longest unserved stretch while converting the 10-minute input.
    stall = max(ui_stall_ms(batch_tool, wav, out("stall-out")) for _ in range(2))
    print(f"ui-stall: longest gap between message-loop passes {stall:.1f} ms", flush=True)

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
    subprocess.run(["rm", "-rf", work])


if __name__ == "__main__":
    main()
