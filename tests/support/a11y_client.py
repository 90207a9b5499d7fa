#!/usr/bin/python3
"""An accessibility client for the private accessibility bus of scripts/a11y-bus.

Run it with the environment that `scripts/a11y-bus start DIR` prints. It needs Debian's own
python3 with python3-pyatspi (hence /usr/bin/python3).

  a11y_client.py listen
      registers for object:property-change, object:text-changed and object:state-changed
      events, prints "ready" once registered, and serves events until SIGTERM or SIGINT; then
      prints "events <count> <type>=<count>..." and exits 0.

  a11y_client.py status-bar [--app NAME | --pid PID] [--wait S] [--reads N] [--interval S]
                            [--timeout-ms MS]
      finds the application (by its accessible name, which a Qt program takes from its
      application name, or by process id), waiting up to --wait seconds for it and its status
      bar to appear, then reads the texts of the status bar's panels --reads times, --interval
      seconds apart. Every read is one D-Bus call to the program (nothing is served from a
      client-side cache). Prints tab-separated lines: "found <milliseconds until the status bar was found>",
      then one per panel and read
          panel <read> <panel number> <milliseconds the read took> <text>
      and at the end "slowest <milliseconds>". A read that gets no answer within --timeout-ms
      prints "timeout <read> <panel number> <milliseconds>", one that fails otherwise (the
      program went away) "error <read> <panel number> <milliseconds> <message>"; either makes
      the run exit 3. No such application or status bar exits 2.
"""
import argparse
import os
import signal
import sys
import time

try:
    import gi
    gi.require_version("Atspi", "2.0")
    import pyatspi
    from gi.repository import Atspi, Gio, GLib
except (ImportError, ValueError) as e:
    sys.exit(f"a11y_client: {e}; install python3-pyatspi and run with /usr/bin/python3")

EVENTS = ("object:property-change", "object:text-changed", "object:state-changed")
# Lists, tables and trees can hold thousands of items; the status bar is never inside one.
SKIP_ROLES = {pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE,
              pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_TOOL_BAR}


def listen():
    counts = {}

    def on_event(event):
        kind = ":".join(event.type.split(":")[:2])
        counts[kind] = counts.get(kind, 0) + 1

    def stop(*_):
        pyatspi.Registry.stop()
        return GLib.SOURCE_REMOVE

    pyatspi.Registry.registerEventListener(on_event, *EVENTS)
    for sig in (signal.SIGTERM, signal.SIGINT):
        GLib.unix_signal_add(GLib.PRIORITY_HIGH, sig, stop)
    print("ready", flush=True)
    pyatspi.Registry.start()
    detail = " ".join(f"{k}={v}" for k, v in sorted(counts.items()))
    print(f"events {sum(counts.values())} {detail}".rstrip(), flush=True)
    return 0


def a11y_bus():
    """A connection of our own to the accessibility bus, for reads with a time limit."""
    address = os.environ.get("AT_SPI_BUS_ADDRESS")
    if not address:
        session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                                  GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 5000, None)
        address = reply.unpack()[0]
    flags = Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION
    return Gio.DBusConnection.new_for_address_sync(address, flags, None, None)


def read_name(bus, acc, timeout_ms):
    """The accessible name of `acc`, asked of the program itself within `timeout_ms`."""
    reply = bus.call_sync(acc.app.bus_name, acc.path, "org.freedesktop.DBus.Properties", "Get",
                          GLib.Variant("(ss)", ("org.a11y.atspi.Accessible", "Name")),
                          GLib.VariantType("(v)"), Gio.DBusCallFlags.NO_AUTO_START, timeout_ms, None)
    return reply.unpack()[0]


def fresh(acc):
    """`acc` with nothing cached, so that the next question goes to the program."""
    acc.clear_cache()
    return acc


def find_app(name, pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(fresh(desktop).childCount):
        app = desktop.getChildAtIndex(i)
        if app is None:
            continue
        try:
            if (pid and app.get_process_id() == pid) or (not pid and app.name == name):
                return app
        except GLib.Error:
            continue  # an application that went away meanwhile
    return None


def find_status_bar(app, depth=4):
    level = [app]
    for _ in range(depth):
        below = []
        for acc in level:
            for i in range(acc.childCount):
                child = acc.getChildAtIndex(i)
                if child is None:
                    continue
                role = child.getRole()
                if role == pyatspi.ROLE_STATUS_BAR:
                    return child
                if role not in SKIP_ROLES:
                    below.append(child)
        level = below
    return None


def status_bar(args):
    # -1: the limit holds from the program's first moment too (by default libatspi waits without
    # limit on a program that appeared in the last 15 s).
    Atspi.set_timeout(args.timeout_ms, -1)
    deadline = time.monotonic() + args.wait
    started = time.perf_counter()
    bar = None
    while True:
        try:
            app = find_app(args.app, args.pid)
            bar = find_status_bar(app) if app is not None else None
        except GLib.Error:
            bar = None  # the program is still building its window
        if bar is not None or time.monotonic() >= deadline:
            break
        time.sleep(0.1)
    if bar is None:
        who = f"process {args.pid}" if args.pid else f"application {args.app!r}"
        print(f"a11y_client: no status bar of {who} on the accessibility bus", file=sys.stderr)
        return 2
    print(f"found\t{(time.perf_counter() - started) * 1e3:.2f}", flush=True)
    panels = [bar.getChildAtIndex(i) for i in range(bar.childCount)]
    panels = [p for p in panels if p is not None and p.getRole() == pyatspi.ROLE_LABEL]
    bus = a11y_bus()
    slowest, status = 0.0, 0
    for read in range(1, args.reads + 1):
        for number, panel in enumerate(panels, 1):
            start = time.perf_counter()
            try:
                # Our own call: libatspi answers a read that timed out with an empty name.
                text = read_name(bus, panel, args.timeout_ms)
                ms = (time.perf_counter() - start) * 1e3
                print(f"panel\t{read}\t{number}\t{ms:.2f}\t{text}", flush=True)
            except GLib.Error as e:
                ms = (time.perf_counter() - start) * 1e3
                if e.matches(Gio.io_error_quark(), Gio.IOErrorEnum.TIMED_OUT) or "NoReply" in str(e):
                    print(f"timeout\t{read}\t{number}\t{ms:.2f}", flush=True)
                else:
                    print(f"error\t{read}\t{number}\t{ms:.2f}\t{e}", flush=True)
                status = 3
            slowest = max(slowest, ms)
        if read < args.reads:
            time.sleep(args.interval)
    print(f"slowest\t{slowest:.2f}", flush=True)
    return status


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = parser.add_subparsers(dest="command", required=True)
    sub.add_parser("listen")
    bar = sub.add_parser("status-bar")
    bar.add_argument("--app", default="velloria_batch")
    bar.add_argument("--pid", type=int, default=0)
    bar.add_argument("--wait", type=float, default=10.0)
    bar.add_argument("--reads", type=int, default=1)
    bar.add_argument("--interval", type=float, default=0.1)
    bar.add_argument("--timeout-ms", type=int, default=2000)
    args = parser.parse_args()
    return listen() if args.command == "listen" else status_bar(args)


if __name__ == "__main__":
    sys.exit(main())
