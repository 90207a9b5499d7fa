#!/usr/bin/python3
"""The converter window answers the accessibility bus at once while it converts on every core.

Twenty WAV files of 30 s are converted to MP3 through the shown converter window
(bench/velloria_batch --show) on a private X server, with the accessibility bridge on a private
accessibility bus (scripts/a11y-bus). While the run goes on, an accessibility client in another
process (tests/support/a11y_client.py) reads the texts of the status bar's panels again and
again; every round of reads must take under 100 ms.

  a11y_run_test.py <source dir> <velloria_batch>
Prints "1 passed, 0 failed" or "0 passed, 1 failed" and exits 0 or 1; exits 0 with a "skipped"
line when the accessibility tools are not installed and VELLORIA_REQUIRE_A11Y is not set.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

FILES, SECONDS, ROUND_LIMIT_MS = 20, 30, 100.0


def finish(ok, why=""):
    if why:
        print(why, flush=True)
    print("1 passed, 0 failed" if ok else "0 passed, 1 failed", flush=True)
    sys.exit(0 if ok else 1)


def main():
    source, batch = sys.argv[1], sys.argv[2]
    bus_script = os.path.join(source, "scripts", "a11y-bus")
    client = os.path.join(source, "tests", "support", "a11y_client.py")
    missing = [t for t in ("Xvfb", "sox", "/usr/libexec/at-spi-bus-launcher") if not shutil.which(t)]
    if subprocess.run(["/usr/bin/python3", "-c", "import pyatspi"], capture_output=True).returncode != 0:
        missing.append("python3-pyatspi")
    if missing:
        if os.environ.get("VELLORIA_REQUIRE_A11Y"):
            finish(False, "missing: " + " ".join(missing))
        print("skipped: missing " + " ".join(missing))
        sys.exit(0)

    work = tempfile.mkdtemp(prefix="velloria-a11y-")
    procs = []
    try:
        src, out, home = (os.path.join(work, d) for d in ("in", "out", "home"))
        for d in (src, out, home):
            os.makedirs(d)
        for i in range(FILES):
            subprocess.run(["sox", "-n", "-r", "44100", "-c", "2", "-b", "16", os.path.join(src, f"f{i:02}.wav"),
                            "synth", str(SECONDS), "pinknoise", "sine", str(220 + 40 * i), "vol", "0.3"], check=True)

        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                                pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        procs.append(xvfb)
        os.close(write_end)
        with os.fdopen(read_end) as f:
            display = ":" + f.readline().strip()
        bus_dir = os.path.join(work, "bus")
        os.makedirs(bus_dir)
        started = subprocess.run([bus_script, "start", bus_dir], capture_output=True, text=True, check=True)
        address = started.stdout.strip().splitlines()[-1].split("=", 1)[1]

        env = {k: v for k, v in os.environ.items() if k not in ("AT_SPI_BUS_ADDRESS", "QT_QPA_PLATFORM")}
        env.update(DISPLAY=display, DBUS_SESSION_BUS_ADDRESS=address, QT_QPA_PLATFORM="xcb",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_RUNTIME_DIR=os.path.join(bus_dir, "xdg"))
        run = subprocess.Popen([batch, "--show", src, out], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        procs.append(run)
        reads = subprocess.run(["/usr/bin/python3", client, "status-bar", "--pid", str(run.pid), "--wait", "30",
                                "--reads", "30", "--interval", "0.05", "--timeout-ms", "2000"],
                               env=env, capture_output=True, text=True)
        still_running = run.poll() is None
        run.wait(timeout=600)

        rounds, texts = {}, []
        for line in reads.stdout.splitlines():
            parts = line.split("\t")
            if parts[0] == "panel":
                rounds[parts[1]] = rounds.get(parts[1], 0.0) + float(parts[3])
                texts.append(parts[4] if len(parts) > 4 else "")
        print(f"rounds {len(rounds)}, slowest round {max(rounds.values(), default=0):.1f} ms, "
              f"panel texts seen: {sorted(set(t for t in texts if t))[:6]}", flush=True)
        if reads.returncode != 0 or not rounds:
            finish(False, "the client failed:\n" + reads.stdout + reads.stderr)
        if not still_running or not any(t.startswith("File ") for t in texts):
            finish(False, "the run was not in progress while the status bar was read")
        if run.returncode != 0 or len(os.listdir(out)) != FILES:
            finish(False, f"the run failed ({run.returncode}): {run.stderr.read().decode(errors='replace')}")
        slowest = max(rounds.values())
        finish(slowest < ROUND_LIMIT_MS, f"a round of reads took {slowest:.1f} ms" if slowest >= ROUND_LIMIT_MS else "")
    finally:
        for p in reversed(procs):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    p.kill()
        if os.path.isdir(os.path.join(work, "bus")):
            subprocess.run([bus_script, "stop", os.path.join(work, "bus")], capture_output=True)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
