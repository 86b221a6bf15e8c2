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

// The separators the chart writes its numbers with in the language: the
// decimal one, and the thousands one ("," when it has none of one character).
function chartSeparators(language) {
  let thousands = ",";
  try {
    const part = new Intl.NumberFormat(language).formatToParts(12345).find((p) => p.type === "group");
    if (part && part.value.length === 1)
      thousands = part.value;
  } catch {
    // The language's defaults stay.
  }
  return { decimal: decimalSeparator(language), thousands };
}

// The fields' texts at start, in the language's separator.
function defaultTexts(separator) {
  return { length: `0${separator}8`, angle: "10", inertia: `0${separator}05` };
}

// Shows a picture's RGBA bytes in the engine's memory one to one on the
// canvas's bitmap (its CSS size stays the logical one).
function showPicture(engine, canvas, pointer, width, height) {
  if (canvas.width !== width || canvas.height !== height) {
    canvas.width = width;
    canvas.height = height;
  }
  const bytes = new Uint8ClampedArray(engine.HEAPU8.buffer, pointer, width * height * 4);
  canvas.getContext("2d").putImageData(new ImageData(bytes, width, height), 0, 0);
}

// The font files the engine draws text with: the window's sans face of the
// chart's texts (the page's controls' font too) and the serif faces of the equations panel, under the names
// the window asks for them by. A file that cannot be had leaves its glyphs
// out and is reported; the page works on without them.
async function loadFonts(engine) {
  const faces = [
    { file: "fonts/LiberationSans-Regular.ttf", family: "Liberation Sans", italic: 0, page: true },
    { file: "fonts/LiberationSerif-Regular.ttf", family: "Liberation Serif", italic: 0 },
    { file: "fonts/LiberationSerif-Italic.ttf", family: "Liberation Serif", italic: 1 },
  ];
  const files = await Promise.all(faces.map(async ({ file }) => {
    try {
      const response = await fetch(file);
      if (!response.ok)
        throw new Error(`${response.status} ${response.statusText}`);
      return new Uint8Array(await response.arrayBuffer());
    } catch (error) {
      console.error(`The font ${file} could not be loaded: ${error.message}`);
      return null;
    }
  }));
  const documentFaces = [];
  faces.forEach(({ file, family, italic, page }, index) => {
    const bytes = files[index];
    if (bytes === null)
      return;
    // The page's own controls take the window's font from the same bytes.
    if (page) {
      const face = new FontFace(family, bytes);
      document.fonts.add(face);
      documentFaces.push(face.load());
    }
    engine.HEAPU8.set(bytes, engine._kyvadlo_font_room(bytes.length));
    if (!engine.ccall("kyvadlo_font_add", "number", ["string", "number", "number"], [family, 0, italic]))
      console.error(`The font ${file} is not a TrueType font.`);
  });
  engine.ccall("kyvadlo_font_alias", null, ["string", "string"], ["Arial", "Liberation Sans"]);
  engine.ccall("kyvadlo_font_alias", null, ["string", "string"], ["Times New Roman", "Liberation Serif"]);
  await Promise.all(documentFaces);
}

async function open() {
  const engine = await createEngine();
  await loadFonts(engine);
  const controls = {
    length: byId("Edit1"),
    angle: byId("Edit2"),
    inertia: byId("Edit3"),
    start: byId("Button1"),
    stop: byId("Button2"),
    clear: byId("Button3"),
    slow: byId("CheckBox1").querySelector("input"),
    figure: byId("Image1"),
    chart: byId("Chart1"),
    panel: byId("tlumene"),
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

  // The engine's pictures: the figure (0) and the chart (1), each shown one
  // to one on its canvas's bitmap.
  const pictureCanvases = [controls.figure, controls.chart];
  const present = () => {
    pictureCanvases.forEach((canvas, which) => {
      if (!engine._kyvadlo_picture_update(which))
        return;
      showPicture(engine, canvas, engine._kyvadlo_picture_bytes(which), engine._kyvadlo_picture_width(which),
                  engine._kyvadlo_picture_height(which));
    });
    controls.chart.style.cursor = engine.UTF8ToString(engine._kyvadlo_chart_cursor());
  };
  // The equations panel, drawn by the engine at the page's ratio (every page
  // has it); it changes only with the ratio.
  const presentPanel = () => {
    if (!engine._kyvadlo_panel_update(window.devicePixelRatio || 1))
      return;
    showPicture(engine, controls.panel, engine._kyvadlo_panel_bytes(), engine._kyvadlo_panel_width(),
                engine._kyvadlo_panel_height());
  };
  presentPanel();

  // While no run goes on, what the engine drew is shown at once, as the
  // window paints when it is idle; during a run it waits for the run's
  // dispatch step.
  const presentWhenIdle = () => {
    if (engine._kyvadlo_run_depth() === 0)
      present();
  };

  // What the engine asks of the page.
  let timer = null;
  let frames = 0;
  let lastFrame = null;
  engine.kyvadloPage = {
    schedule(milliseconds) {
      timer = setTimeout(() => {
        timer = null;
        engine._kyvadlo_timer_fired();
        presentWhenIdle();
      }, milliseconds);
    },
    dispatching() {
      present();
    },
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
  controls.errorBox.addEventListener("close", () => {
    engine._kyvadlo_error_box_closed();
    presentWhenIdle();
  });

  engine._kyvadlo_create(separator.charCodeAt(0));
  const setChartSeparators = () => {
    const { decimal, thousands } = chartSeparators(navigator.language);
    engine.ccall("kyvadlo_chart_separators", null, ["string", "string"], [decimal, thousands]);
  };
  setChartSeparators();
  window.addEventListener("languagechange", () => {
    const previous = separator;
    separator = decimalSeparator(navigator.language);
    engine._kyvadlo_set_decimal_separator(separator.charCodeAt(0));
    writeDefaults(previous);
    setChartSeparators();
    presentWhenIdle();
  });

  // A control's event, and what it drew shown.
  const handle = (control, type, action) => control.addEventListener(type, (event) => {
    action(event);
    presentWhenIdle();
  });
  handle(controls.start, "click", () =>
    engine.ccall("kyvadlo_start", null, ["string", "string", "string"],
                 [controls.length.value, controls.angle.value, controls.inertia.value]));
  handle(controls.stop, "click", () => engine._kyvadlo_stop());
  handle(controls.clear, "click", () => engine._kyvadlo_clear());
  handle(controls.slow, "change", () => engine._kyvadlo_set_slow(controls.slow.checked ? 1 : 0));

  // The pictures follow their boxes at the device's resolution; a change of
  // the ratio (a zoom of the page, another screen) makes them anew.
  const fitPictures = () => {
    const ratio = window.devicePixelRatio || 1;
    engine._kyvadlo_chart_resize(controls.chart.clientWidth, controls.chart.clientHeight, ratio);
    engine._kyvadlo_figure_ratio(ratio);
    presentWhenIdle();
  };
  new ResizeObserver(fitPictures).observe(controls.chart);
  const followRatio = () => {
    matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`).addEventListener("change", () => {
      presentPanel();
      fitPictures();
      followRatio();
    }, { once: true });
  };
  followRatio();

  // The mouse on the chart, in CSS pixels of its box, which are the chart's
  // logical pixels. A press keeps the pointer until its release, as a
  // window's mouse grab does; a second button pressed or released meanwhile
  // comes as a move with a button.
  const keys = (event) => (event.shiftKey ? 1 : 0) | (event.altKey ? 2 : 0) | (event.ctrlKey ? 4 : 0);
  const buttonBits = [1, 4, 2];
  const down = (event) => engine._kyvadlo_chart_mouse_down(event.button, event.buttons, keys(event),
                                                           event.offsetX, event.offsetY, event.detail);
  const up = (event) => engine._kyvadlo_chart_mouse_up(event.button, event.buttons, keys(event),
                                                       event.offsetX, event.offsetY);
  handle(controls.chart, "pointerdown", (event) => {
    controls.chart.setPointerCapture(event.pointerId);
    down(event);
  });
  handle(controls.chart, "pointermove", (event) => {
    if (event.button >= 0 && event.button < buttonBits.length)
      (event.buttons & buttonBits[event.button] ? down : up)(event);
    else
      engine._kyvadlo_chart_mouse_move(event.buttons, keys(event), event.offsetX, event.offsetY);
  });
  handle(controls.chart, "pointerup", up);
  handle(controls.chart, "pointerleave", () => engine._kyvadlo_chart_mouse_leave());
  // The right button drags the chart; it opens no menu.
  controls.chart.addEventListener("contextmenu", (event) => event.preventDefault());
  controls.chart.addEventListener("wheel", (event) => {
    event.preventDefault();
    engine._kyvadlo_chart_wheel(event.deltaY, event.deltaMode, event.buttons, keys(event),
                                event.offsetX, event.offsetY);
    presentWhenIdle();
  }, { passive: false });

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
      // The time (bottom) and angle (left) axes' ranges, and the plot's
      // rectangle [left, top, right, bottom] in the chart's pixels.
      chartRanges: () => JSON.parse(engine.UTF8ToString(engine._kyvadlo_chart_ranges_json())),
    };
  }
  document.documentElement.dataset.ready = "true";
}

open();
