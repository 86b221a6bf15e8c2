"""The main window as a screen reader meets it, through the accessibility bus.

Starts the program (Qt's accessibility bridge on, a Czech locale, so numbers
have a decimal comma), finds the three fields by their names, makes two runs
through the fields and buttons, and checks what the chart, the pendulum
figure and the equations panel say, and that their changes are announced:
the chart's only when a run starts or ends. Prints the window's accessible
tree before and after the runs.

Usage: AccessibilityBusTest.py PROGRAM LOG, in an X server and a session bus.
"""

import math
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

FIELDS = ("délka a [m]", "J [kg.m2]", "ϕ0")
RUN = re.compile(r"(\d)\. běh, (\w+) čára: a = ([\d,]+)\xa0m, J = ([\d,]+)\xa0kg·m², φ0 = ([\d,]+)°; "
                 r"\d+ bodů, amplituda ([\d,]+)°, naměřená perioda ([\d,]+)\xa0s\.")


class Failure(Exception):
    pass


def wait_for(what, probe, program, seconds=90):
    """Polls, letting the bus deliver its events, until probe gives a value."""
    end = time.monotonic() + seconds
    while not (value := probe()):
        if program.poll() is not None:
            raise Failure(f"the program ended with status {program.returncode}")
        if time.monotonic() > end:
            raise Failure(f"waited {seconds} s in vain for {what}")
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.05)
    return value


def walk(item):
    yield item
    for child in item:
        if child is not None:
            yield from walk(child)


def find(root, role, name):
    return next((item for item in walk(root) if item.getRole() == role and item.name == name), None)


def print_tree(title, root):
    print(f"== {title}")

    def show(item, depth):
        told = f" — {item.description}" if item.description else ""
        print(f"{'  ' * depth}[{item.getRoleName()}] {item.name!r}{told}")
        for child in item:
            if child is not None:
                show(child, depth + 1)

    show(root, 0)


def check_fields(window):
    fields = [find(window, pyatspi.ROLE_TEXT, name) for name in FIELDS]
    for name, field in zip(FIELDS, fields):
        if field is None:
            raise Failure(f"no field is named {name!r}")
        labels = [relation.getTarget(i).name for relation in field.getRelationSet()
                  if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
                  for i in range(relation.getNTargets()) if relation.getTarget(i).getRole() == pyatspi.ROLE_LABEL]
        if labels != [name]:
            raise Failure(f"the field {name!r} is labelled by {labels}")
    return fields


def make_run(window, fields, texts, changes, program):
    """Types the inputs, starts a run, lets it swing for 2 s of its time and stops it."""
    for field, text in zip(fields, texts):
        field.queryEditableText().setTextContents(text)
        wait_for(f"{text!r} in {field.name!r}", lambda: field.queryText().getText(0, -1) == text, program)
    told_before = changes.get("Kyvadlo", 0)
    started = time.monotonic()
    find(window, pyatspi.ROLE_PUSH_BUTTON, "Start").queryAction().doAction(0)
    # The figure is told for the first frame and then once per 25 passes
    # (0.25 s of the run's time): nine tellings are 2 s of swinging.
    wait_for("nine tellings of the figure", lambda: changes.get("Kyvadlo", 0) >= told_before + 9, program)
    find(window, pyatspi.ROLE_PUSH_BUTTON, "Stop").queryAction().doAction(0)
    chart = find(window, pyatspi.ROLE_CHART, "Graf")
    wait_for("the chart to tell the run's end", lambda: "běží" not in chart.description, program)
    told = changes.get("Kyvadlo", 0) - told_before
    seconds = time.monotonic() - started
    if told > 4 * seconds + 2:
        raise Failure(f"the figure was told {told} times in {seconds:.1f} s, more than four a second")


def check_chart(chart, inputs):
    text = chart.description
    found = RUN.findall(text)
    if not text.startswith("Vodorovná osa „t [s]“ od 0 do 3, svislá osa „fi [°]“ od −15 do 15. Graf ukazuje 2 běhy.") \
            or [(run[0], run[1]) for run in found] != [("1", "červená"), ("2", "zelená")]:
        raise Failure(f"the chart does not tell its axes and a red and a green run with their periods: {text}")
    for run, (length, inertia, angle) in zip(found, inputs):
        numbers = [float(value.replace(",", ".")) for value in run[2:]]
        # Small swings take 2π √(J / (m g a)); 10° or 12° lengthen that by 0.3 %.
        period = 2 * math.pi * math.sqrt(inertia / (9.81 * length))
        if numbers[:3] != [length, inertia, angle] or abs(numbers[4] / period - 1) > 0.02 \
                or abs(numbers[3] - angle) > 0.5:
            raise Failure(f"run {run[0]} is told as {run}, not with a period of about {period:.3f} s")


def main():
    changes = {}
    pyatspi.Registry.registerEventListener(
        lambda event: changes.update({event.source.name: changes.get(event.source.name, 0) + 1}),
        "object:property-change:accessible-description")
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_ALL="cs_CZ.UTF-8")
    with open(sys.argv[2], "w+") as log:
        program = subprocess.Popen([sys.argv[1]], env=environment, stdout=log, stderr=subprocess.STDOUT)
        try:
            desktop = pyatspi.Registry.getDesktop(0)
            window = wait_for("the window on the bus", lambda: next(
                (find(app, pyatspi.ROLE_FILLER, "Fyzické kyvadlo") for app in desktop
                 if app is not None and app.name == "Kyvadlo"), None), program)
            print_tree("the window at start", window)
            fields = check_fields(window)
            equations = find(window, pyatspi.ROLE_IMAGE, "Rovnice")
            if equations is None or "M = −m·g·a·sin φ; ε = M / J; ω = ω + ε·dt; φ = φ + ω·dt; t = t + dt" \
                    not in equations.description:
                raise Failure("the panel 'Rovnice' does not tell the five equations")
            chart = find(window, pyatspi.ROLE_CHART, "Graf")
            if chart is None or not chart.description.endswith("Graf zatím neukazuje žádný běh."):
                raise Failure("no chart 'Graf' tells that it shows no run yet")

            make_run(window, fields, ("0,8", "0,05", "10"), changes, program)
            make_run(window, fields, ("0,5", "0,05", "12"), changes, program)
            print_tree("the window after two runs", window)
            check_chart(chart, [(0.8, 0.05, 10.0), (0.5, 0.05, 12.0)])
            if changes.get("Graf") != 4:
                raise Failure(f"the chart was told {changes.get('Graf')} times in two runs, not at each start and end")
            figure = find(window, pyatspi.ROLE_IMAGE, "Kyvadlo").description
            if not re.fullmatch(r"Výchylka −?\d+,\d°, těžiště .+ bodem závěsu\.", figure):
                raise Failure(f"the figure does not tell its angle: {figure}")
        except Failure as failure:
            print(f"FAIL: {failure}")
            return 1
        finally:
            if program.poll() is None:
                program.terminate()
                program.wait(timeout=30)
            log.seek(0)
            output = log.read()
        if "Sanitizer" in output or "runtime error" in output:
            print(f"FAIL: the program reported a fault:\n{output}")
            return 1
    print("the window's fields, chart, figure and equations read as they should through the accessibility bus")
    return 0


if __name__ == "__main__":
    sys.exit(main())
