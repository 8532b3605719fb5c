#!/usr/bin/python3
"""Stands in for a screen reader during scripts/bench.sh: registers for the
events a screen reader follows, so that programs on the accessibility bus
send them, and counts what arrives. Ends on SIGTERM, printing the count."""
import signal
import sys

import pyatspi

count = 0


def on_event(event):
    global count
    count += 1


def stop(*_):
    print(f"accessibility events received: {count}", file=sys.stderr)
    pyatspi.Registry.stop()


signal.signal(signal.SIGTERM, stop)
pyatspi.Registry.registerEventListener(on_event, "object:", "window:", "focus:")
print("listening", flush=True)
pyatspi.Registry.start()
