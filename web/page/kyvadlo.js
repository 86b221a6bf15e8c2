// The page's controls wired to the run control in the engine. The engine
// decides everything a run does; this script carries the clicks to it, keeps
// its one timer, shows its error box and presents what it drew.
import createEngine from "./kyvadlo-engine.js";

const byId = (id) => document.getElementById(id);

// The decimal separator of the browser's language, "." when it has none.
function decimalSeparator(language) {
  try {
    const part = new Intl.NumberFormat(language).formatToParts(1.5).find((p) => p.type === "decimal");
    return part && part.value.length === 1 ? part.value : ".";
  } catch {
    return ".";
  }
}

// The fields' texts at start, in the language's separator.
function defaultTexts(separator) {
  return { length: `0${separator}8`, angle: "10", inertia: `0${separator}05` };
}

async function open() {
  const engine = await createEngine();
  const controls = {
    length: byId("Edit1"),
    angle: byId("Edit2"),
    inertia: byId("Edit3"),
    start: byId("Button1"),
    stop: byId("Button2"),
    clear: byId("Button3"),
    slow: byId("CheckBox1").querySelector("input"),
    chart: byId("Chart1"),
    errorBox: byId("ErrorBox"),
    errorText: byId("ErrorBoxText"),
  };

  let separator = decimalSeparator(navigator.language);
  // Fields that still hold their default texts take the new separator when
  // the language changes; what the user typed stays as typed.
  const writeDefaults = (previous) => {
    const before = previous === null ? null : defaultTexts(previous);
    const now = defaultTexts(separator);
    for (const name of ["length", "angle", "inertia"]) {
      if (before === null || controls[name].value === before[name])
        controls[name].value = now[name];
    }
  };
  writeDefaults(null);

  // What the engine asks of the page.
  let timer = null;
  let frames = 0;
  let lastFrame = null;
  engine.kyvadloPage = {
    schedule(milliseconds) {
      timer = setTimeout(() => {
        timer = null;
        engine._kyvadlo_timer_fired();
      }, milliseconds);
    },
    // The engine's pictures are not drawn in the page yet: nothing to show.
    dispatching() {},
    drawFrame(length, fi) {
      frames += 1;
      lastFrame = { length, fi };
    },
    setClearEnabled(enabled) {
      controls.clear.disabled = !enabled;
    },
    showError(text) {
      controls.errorText.textContent = text;
      controls.errorBox.showModal();
      controls.errorBox.querySelector("button").focus();
    },
  };
  // The box's one button keeps the keyboard, as a message box's does.
  controls.errorBox.addEventListener("keydown", (event) => {
    if (event.key === "Tab")
      event.preventDefault();
  });
  // However the box is closed (OK, Escape), the engine goes on.
  controls.errorBox.addEventListener("close", () => engine._kyvadlo_error_box_closed());

  engine._kyvadlo_create(separator.charCodeAt(0));
  window.addEventListener("languagechange", () => {
    const previous = separator;
    separator = decimalSeparator(navigator.language);
    engine._kyvadlo_set_decimal_separator(separator.charCodeAt(0));
    writeDefaults(previous);
  });

  controls.start.addEventListener("click", () =>
    engine.ccall("kyvadlo_start", null, ["string", "string", "string"],
                 [controls.length.value, controls.angle.value, controls.inertia.value]));
  controls.stop.addEventListener("click", () => engine._kyvadlo_stop());
  controls.clear.addEventListener("click", () => engine._kyvadlo_clear());
  controls.slow.addEventListener("change", () => engine._kyvadlo_set_slow(controls.slow.checked ? 1 : 0));

  // The chart's bitmap follows its box at the device's resolution.
  const fitChart = () => {
    const ratio = window.devicePixelRatio || 1;
    controls.chart.width = Math.round(controls.chart.clientWidth * ratio);
    controls.chart.height = Math.round(controls.chart.clientHeight * ratio);
  };
  new ResizeObserver(fitChart).observe(controls.chart);

  // Only under ?test: what the browser tests read.
  if (new URLSearchParams(location.search).has("test")) {
    window.kyvadloTest = {
      series: () => JSON.parse(engine.UTF8ToString(engine._kyvadlo_series_json())),
      passes: () => engine._kyvadlo_passes(),
      runDepth: () => engine._kyvadlo_run_depth(),
      frames: () => frames,
      lastFrame: () => lastFrame,
      timerPending: () => timer !== null,
      separator: () => separator,
    };
  }
  document.documentElement.dataset.ready = "true";
}

open();
