// The page's chart and figure: after a run the chart shows the picture
// kyvadlo-run draws for the same inputs and points, the mouse zooms, undoes,
// scrolls and turns the wheel on it, and at devicePixelRatio 2 the pictures
// have the device's resolution.
import { test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { canvasPixels, kyvadloRun, openPage, pngPixels, setFields, usePageInChromium, waitForPasses } from "./support.mjs";

const shared = usePageInChromium();

// kyvadlo-run's picture of one run of the inputs with the given points.
function commandLinePicture(points, size, length, angle, inertia) {
  const folder = mkdtempSync(join(tmpdir(), "kyvadlo-"));
  try {
    const file = join(folder, "chart.png");
    execFileSync(kyvadloRun, ["--points", String(points), "--length", length, "--angle", angle, "--inertia", inertia,
                              "--size", size, "--png", file, "-o", join(folder, "run.csv")]);
    return readFileSync(file);
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

// One run from the fields as they are, stopped after the given passes.
async function runPasses(page, passes) {
  await page.click("#Button1");
  await waitForPasses(page, passes);
  await page.click("#Button2");
  await page.waitForFunction(() => window.kyvadloTest.runDepth() === 0);
}

// The chart's box on the page, for the mouse.
const chartBox = (page) => page.locator("#Chart1").boundingBox();

test("after a run the chart shows kyvadlo-run's picture pixel for pixel outside the label text", async () => {
  const opened = await openPage(shared);
  const { page, context, problems } = opened;
  await setFields(page, "0.5", "12", "0.05");
  await runPasses(page, 60);
  const [run] = await page.evaluate(() => window.kyvadloTest.series());

  const shown = await canvasPixels(page, "Chart1");
  const expected = await pngPixels(page, commandLinePicture(run.t.length, `${shown.width}x${shown.height}`,
                                                            "0.5", "12", "0.05"));
  assert.equal(shown.width, expected.width);
  assert.equal(shown.height, expected.height);
  // Inside the plot (the back wall and the curve) every pixel; outside it
  // only the glyphs of the titles and labels may differ.
  const { area } = await page.evaluate(() => window.kyvadloTest.chartRanges());
  let inside = 0;
  let outside = 0;
  for (let y = 0; y < shown.height; ++y) {
    for (let x = 0; x < shown.width; ++x) {
      const at = (y * shown.width + x) * 4;
      if (shown.data.readUInt32BE(at) === expected.data.readUInt32BE(at))
        continue;
      if (x >= area[0] && x <= area[2] && y >= area[1] && y <= area[3])
        ++inside;
      else
        ++outside;
    }
  }
  console.log(`chart: ${inside} pixels differ in the plot, ${outside} of ${shown.width * shown.height} around it`);
  assert.equal(inside, 0);
  assert.ok(outside < shown.width * shown.height / 200, `${outside} pixels differ around the plot`);
  // The figure shows the last frame.
  const figure = await canvasPixels(page, "Image1");
  assert.deepEqual([figure.width, figure.height], [377, 673]);
  assert.deepEqual(problems, []);
  await context.close();
});

test("a zoom drag, a right-drag, the wheel and the undo drag move the axes as on the desktop", async () => {
  const opened = await openPage(shared);
  const { page, context } = opened;
  await runPasses(page, 20);
  const ranges = () => page.evaluate(() => window.kyvadloTest.chartRanges());
  const box = await chartBox(page);
  const at = (x, y) => [box.x + x, box.y + y];
  const start = await ranges();
  assert.deepEqual([start.bottom.minimum, start.bottom.maximum, start.left.minimum, start.left.maximum], [0, 3, -15, 15]);

  await page.mouse.move(...at(100, 100));
  await page.mouse.down();
  await page.mouse.move(...at(300, 400), { steps: 4 });
  await page.mouse.up();
  const zoomed = await ranges();
  assert.equal(zoomed.bottom.automatic, false);
  assert.ok(zoomed.bottom.minimum > 0 && zoomed.bottom.maximum < 3, JSON.stringify(zoomed.bottom));
  assert.ok(zoomed.left.minimum > -15 && zoomed.left.maximum < 15, JSON.stringify(zoomed.left));

  // The right button drags the plot: the time axis moves by the values under the drag.
  await page.mouse.move(...at(300, 300));
  await page.mouse.down({ button: "right" });
  await page.mouse.move(...at(250, 300), { steps: 2 });
  await page.mouse.up({ button: "right" });
  const scrolled = await ranges();
  assert.ok(scrolled.bottom.minimum > zoomed.bottom.minimum, JSON.stringify(scrolled.bottom));
  assert.equal(scrolled.left.minimum, zoomed.left.minimum);

  // One notch towards the user scrolls the angle axis.
  await page.mouse.move(...at(250, 300));
  await page.mouse.wheel(0, 100);
  await page.waitForFunction((before) => window.kyvadloTest.chartRanges().left.minimum !== before,
                             scrolled.left.minimum);

  // From the bottom right to the top left: every zoom and scroll undone.
  await page.mouse.move(...at(400, 500));
  await page.mouse.down();
  await page.mouse.move(...at(100, 100), { steps: 4 });
  await page.mouse.up();
  const undone = await ranges();
  assert.deepEqual(undone.bottom, start.bottom);
  assert.deepEqual(undone.left, start.left);
  await context.close();
});

test("at devicePixelRatio 2 the chart and the figure have the device's pixels", async () => {
  const opened = await openPage(shared, { deviceScaleFactor: 2 });
  const { page, context } = opened;
  await runPasses(page, 5);
  const sizes = await page.evaluate(() => ["Chart1", "Image1"].map((id) => {
    const canvas = document.getElementById(id);
    return [canvas.width, canvas.height, canvas.clientWidth, canvas.clientHeight];
  }));
  for (const [width, height, cssWidth, cssHeight] of sizes)
    assert.deepEqual([width, height], [2 * cssWidth, 2 * cssHeight]);
  await context.close();
});
