"""The main window as a screen reader meets it, through the accessibility bus.

Starts the program with Qt's accessibility bridge on and a Czech locale (so
numbers have a decimal comma), finds the three fields by their names, makes
two runs through the fields and buttons as a screen reader's user would, and
checks what the chart, the pendulum figure and the equations panel say and
that their changes are announced, the chart's only when a run starts or ends.
Prints the window's accessible tree before and after the runs.

Usage: AccessibilityBusTest.py PROGRAM LOG, inside an X server and a session bus.
"""

import math
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

WAIT_SECONDS = 90
FIELD_NAMES = ("délka a [m]", "J [kg.m2]", "ϕ0")
NBSP = "\u00a0"


class Failure(Exception):
    pass


class Program:
    def __init__(self, path, log_path):
        self.log_path = log_path
        environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           LC_ALL="cs_CZ.UTF-8")
        self.log = open(log_path, "w")
        self.process = subprocess.Popen([path], env=environment, stdout=self.log, stderr=subprocess.STDOUT)

    def check_running(self):
        if self.process.poll() is not None:
            raise Failure(f"the program ended with status {self.process.returncode}:\n{self.output()}")

    def output(self):
        self.log.flush()
        with open(self.log_path) as log:
            return log.read()

    def end(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait(timeout=30)
        self.log.close()


def pump(seconds):
    """Lets the bus deliver its events for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def wait_for(what, probe, program):
    end = time.monotonic() + WAIT_SECONDS
    while True:
        value = probe()
        if value:
            return value
        program.check_running()
        if time.monotonic() > end:
            raise Failure(f"waited {WAIT_SECONDS} s in vain for {what}")
        pump(0.05)


def walk(accessible):
    yield accessible
    for child in accessible:
        if child is not None:
            yield from walk(child)


def find(root, role, name):
    return next((item for item in walk(root) if item.getRole() == role and item.name == name), None)


def print_tree(title, root):
    print(f"== {title}")

    def show(item, depth):
        text = f"{'  ' * depth}[{item.getRoleName()}] {item.name!r}"
        if item.description:
            text += f" — {item.description}"
        print(text)
        for child in item:
            if child is not None:
                show(child, depth + 1)

    show(root, 0)


class DescriptionChanges:
    """Counts the announced description changes by the name of their source."""

    def __init__(self):
        self.counts = {}
        pyatspi.Registry.registerEventListener(self.note, "object:property-change:accessible-description")

    def note(self, event):
        self.counts[event.source.name] = self.counts.get(event.source.name, 0) + 1

    def of(self, name):
        return self.counts.get(name, 0)


def number(text):
    return float(text.replace(NBSP, "").replace(",", "."))


def check_fields(window):
    fields = {}
    for name in FIELD_NAMES:
        field = find(window, pyatspi.ROLE_TEXT, name)
        if field is None:
            raise Failure(f"no field is named {name!r}")
        labels = [target for relation in field.getRelationSet()
                  if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
                  for target in (relation.getTarget(i) for i in range(relation.getNTargets()))]
        # Qt names the group around the fields as a label too.
        if [label.name for label in labels if label.getRole() == pyatspi.ROLE_LABEL] != [name]:
            raise Failure(f"the field {name!r} is labelled by {[label.name for label in labels]}")
        fields[name] = field
    return fields


def type_into(field, text, program):
    field.queryEditableText().setTextContents(text)
    wait_for(f"{text!r} in the field {field.name!r}",
             lambda: field.queryText().getText(0, -1) == text, program)


def make_run(window, fields, inputs, changes, program):
    """Types the inputs, starts a run, lets it swing for 2 s of its time and stops it."""
    for name, text in zip(FIELD_NAMES, inputs):
        type_into(fields[name], text, program)
    figure_before = changes.of("Kyvadlo")
    started = time.monotonic()
    find(window, pyatspi.ROLE_PUSH_BUTTON, "Start").queryAction().doAction(0)
    # The figure is told once per 25 passes (0.25 s of the run's time) after
    # its first frame: nine tellings are 2 s of swinging, three periods and more.
    wait_for("the figure to be told nine times", lambda: changes.of("Kyvadlo") >= figure_before + 9, program)
    find(window, pyatspi.ROLE_PUSH_BUTTON, "Stop").queryAction().doAction(0)
    chart = find(window, pyatspi.ROLE_CHART, "Graf")
    wait_for("the chart to tell the run's end", lambda: "běží" not in chart.description, program)
    pump(0.5)
    seconds = time.monotonic() - started
    told = changes.of("Kyvadlo") - figure_before
    # At most four a second, and once more for the first and the last frame.
    if told > 4 * seconds + 2:
        raise Failure(f"the figure was told {told} times in {seconds:.1f} s")


RUN = re.compile(r"(\d+)\. běh, (\w+) čára: a = ([\d,]+)\xa0m, J = ([\d,]+)\xa0kg·m², φ0 = ([\d,]+)°; "
                 r"([\d\xa0]+) bodů, amplituda ([\d,]+)°, naměřená perioda ([\d,]+)\xa0s\.")


def check_chart(chart, runs):
    text = chart.description
    if not text.startswith("Vodorovná osa „t [s]“ od 0 do ") or "svislá osa „fi [°]“ od −15 do 15." not in text:
        raise Failure(f"the chart's axes are not told: {text}")
    if "Graf ukazuje 2 běhy." not in text:
        raise Failure(f"the chart does not tell two runs: {text}")
    found = RUN.findall(text)
    if [(run[0], run[1]) for run in found] != [("1", "červená"), ("2", "zelená")]:
        raise Failure(f"the chart does not tell a red and a green run with their periods: {text}")
    for told, (length, inertia, angle) in zip(found, runs):
        if (number(told[2]), number(told[3]), number(told[4])) != (length, inertia, angle):
            raise Failure(f"run {told[0]} is told with other inputs: {told}")
        # The period of small swings, 2π √(J / (m g a)); 10° or 12° lengthen it by 0.3 % at most.
        expected = 2 * math.pi * math.sqrt(inertia / (9.81 * length))
        if abs(number(told[7]) / expected - 1) > 0.02:
            raise Failure(f"run {told[0]} is told with the period {told[7]} s, not about {expected:.3f} s")
        if not angle - 0.5 < number(told[6]) < angle + 0.5:
            raise Failure(f"run {told[0]} is told with the amplitude {told[6]}°")


def main():
    program = Program(sys.argv[1], sys.argv[2])
    try:
        changes = DescriptionChanges()

        def find_window():
            for application in pyatspi.Registry.getDesktop(0):
                if application is not None and application.name == "Kyvadlo":
                    return find(application, pyatspi.ROLE_FILLER, "Fyzické kyvadlo")
            return None

        window = wait_for("the window on the accessibility bus", find_window, program)
        print_tree("the window at start", window)

        fields = check_fields(window)
        equations = find(window, pyatspi.ROLE_IMAGE, "Rovnice")
        if equations is None or "M = −m·g·a·sin φ; ε = M / J; ω = ω + ε·dt; φ = φ + ω·dt; t = t + dt" \
                not in equations.description:
            raise Failure("the equations panel does not tell the five equations")
        chart = find(window, pyatspi.ROLE_CHART, "Graf")
        if chart is None or "Graf zatím neukazuje žádný běh." not in chart.description:
            raise Failure("no chart named 'Graf' tells that it shows no run yet")

        runs = [(0.8, 0.05, 10.0), (0.5, 0.05, 12.0)]
        make_run(window, fields, ("0,8", "0,05", "10"), changes, program)
        make_run(window, fields, ("0,5", "0,05", "12"), changes, program)
        print_tree("the window after two runs", window)

        check_chart(chart, runs)
        # Told when each run started and when it ended, never in between.
        if changes.of("Graf") != 4:
            raise Failure(f"the chart's description changed {changes.of('Graf')} times in two runs, not 4")
        figure = find(window, pyatspi.ROLE_IMAGE, "Kyvadlo")
        if figure is None or not re.fullmatch(r"Výchylka −?[\d,]+°, těžiště .+ bodem závěsu\.", figure.description):
            raise Failure(f"the figure does not tell its angle: {figure.description if figure else None}")
        if "Sanitizer" in program.output() or "runtime error" in program.output():
            raise Failure(f"the program reported a fault:\n{program.output()}")
    except Failure as failure:
        print(f"FAIL: {failure}")
        return 1
    finally:
        program.end()
    print("the window's fields, chart, figure and equations read as they should through the accessibility bus")
    return 0


if __name__ == "__main__":
    sys.exit(main())
