// Runs in the page: the samples of kyvadlo-run, nested runs ended by one
// Stop, Clear, the 258th run refused, and the modal error box for every
// failure a Start can meet.
import { test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import {
  closeErrorBox, errorBoxShown, kyvadloRun, openPage, setFields, usePageInChromium, waitForPasses,
} from "./support.mjs";

const shared = usePageInChromium();

const series = (page) => page.evaluate(() => window.kyvadloTest.series());
const runDepth = (page) => page.evaluate(() => window.kyvadloTest.runDepth());
const clearEnabled = (page) => page.evaluate(() => !document.getElementById("Button3").disabled);

// The points kyvadlo-run records for the inputs: [times, degrees].
function commandLineRun(points, length, angle, inertia) {
  const csv = execFileSync(kyvadloRun, ["--points", String(points), "--length", length, "--angle", angle,
                                        "--inertia", inertia], { encoding: "utf8" });
  const rows = csv.trim().split("\n").slice(1).map((line) => line.split(","));
  return [rows.map((row) => Number(row[1])), rows.map((row) => Number(row[2]))];
}

test("a run records the samples kyvadlo-run gives, bit for bit", async () => {
  const { page, context, problems } = await openPage(shared);
  await setFields(page, "0.5", "12", "0.05");
  await page.click("#Button1");
  assert.equal(await clearEnabled(page), false);
  await waitForPasses(page, 40);
  await page.click("#Button2");
  await page.waitForFunction(() => window.kyvadloTest.runDepth() === 0);

  const [run] = await series(page);
  assert.ok(run.t.length >= 40);
  assert.equal(await page.evaluate(() => window.kyvadloTest.passes()), run.t.length);
  const [times, degrees] = commandLineRun(run.t.length, "0.5", "12", "0.05");
  assert.deepEqual(run.t, times);
  assert.deepEqual(run.phi, degrees);
  assert.equal(run.slot, 0);
  assert.equal(await clearEnabled(page), true);
  // One frame after the start values, then one per pass.
  assert.equal(await page.evaluate(() => window.kyvadloTest.frames()), run.t.length + 1);
  assert.deepEqual(problems, []);
  await context.close();
});

test("Start during a run nests a run, one Stop ends both, and Clear removes their series", async () => {
  const { page, context } = await openPage(shared);
  await page.click("#Button1");
  await waitForPasses(page, 3);
  await setFields(page, "0.3", "5", "0.02");
  await page.click("#Button1");
  await page.waitForFunction(() => window.kyvadloTest.runDepth() === 2);
  const outerPoints = (await series(page))[0].t.length;
  const passes = await page.evaluate(() => window.kyvadloTest.passes());
  await waitForPasses(page, passes + 5);
  await page.click("#Button2");
  await page.waitForFunction(() => window.kyvadloTest.runDepth() === 0);

  const [outer, inner] = await series(page);
  assert.equal(outer.t.length, outerPoints, "the outer run's series stopped growing");
  assert.ok(inner.t.length >= 5);
  assert.equal(inner.slot, 1);
  const [times, degrees] = commandLineRun(inner.t.length, "0.3", "5", "0.02");
  assert.deepEqual(inner.t, times);
  assert.deepEqual(inner.phi, degrees);
  const total = await page.evaluate(() => window.kyvadloTest.passes());
  assert.equal(total, outer.t.length + inner.t.length, "the outer run ended without another pass");

  await page.click("#Button3");
  assert.deepEqual(await series(page), []);
  await context.close();
});

test("the 258th run without Clear is refused and the innermost run goes on", async () => {
  const { page, context } = await openPage(shared);
  // All in one go: the first Start begins at once, the others wait for its
  // first pass's dispatch step, where each starts a run inside the last.
  await page.evaluate(() => {
    const start = document.getElementById("Button1");
    for (let i = 0; i < 258; ++i)
      start.click();
  });
  const box = await errorBoxShown(page);
  assert.equal(box.text,
               "The chart already holds 257 runs, as many as it can keep; click Clear before starting another run.");
  assert.equal(await runDepth(page), 257);
  assert.equal(await page.evaluate(() => window.kyvadloTest.timerPending()), false, "nothing runs behind the box");
  await closeErrorBox(page);
  await waitForPasses(page, 3);
  const { passes, all } = await page.evaluate(() => ({
    passes: window.kyvadloTest.passes(),
    all: window.kyvadloTest.series(),
  }));
  assert.equal(all.length, 257);
  assert.equal(all[0].t.length, 1, "the first run's first pass");
  assert.equal(all[256].t.length, passes - 1, "the innermost run records");
  // Stop ends the innermost run at its next pass; each run below then holds
  // its first frame and makes its one pass, as on the desktop.
  await page.click("#Button2");
  await page.waitForFunction(() => window.kyvadloTest.runDepth() === 256);
  await context.close();
});

test("every failure of a Start shows the modal error box, which takes all input until OK", async () => {
  const { page, context, problems } = await openPage(shared);
  const failures = [
    [["abc", "10", "0.05"], "'abc' is not a valid floating point value."],
    [["0,8", "10", "0.05"], "'0,8' is not a valid floating point value."],
    [["0.8", "+", "0.05"], "'+' is not a valid floating point value."],
    [["0.8", "\t10", "0.05"], "'\t10' is not a valid floating point value."],
    [["0.8", "10", ""], "'' is not a valid floating point value."],
    [["0.8", "10", "1e400"], "Floating point overflow."],
    [["0.8", "10", "0"], "Floating point division by zero."],
    [["0", "0", "0"], "Invalid floating point operation."],
  ];
  for (const [fields, text] of failures) {
    await setFields(page, ...fields);
    await page.click("#Button1");
    assert.deepEqual(await errorBoxShown(page),
                     { caption: "Kyvadlo", text, buttons: ["OK"], icon: true }, text);
    // The page behind the box takes no click and no key.
    await assert.rejects(page.click("#Button2", { timeout: 300 }));
    await page.keyboard.press("Tab");
    assert.equal(await page.evaluate(() => document.activeElement.id), "ErrorBoxOk");
    assert.equal(await clearEnabled(page), false, "Clear stays disabled until Stop");
    await closeErrorBox(page);
  }
  assert.equal((await series(page)).length, failures.length, "each failed Start kept its empty series");
  assert.equal(await page.evaluate(() => window.kyvadloTest.frames()), 0);

  // A failed Start inside a run: the run goes on into the new, empty series.
  await setFields(page, "0.8", "10", "0.05");
  await page.click("#Button2");
  await page.click("#Button3");
  await page.click("#Button1");
  await waitForPasses(page, 3);
  await setFields(page, "0.8", "5", "x");
  await page.click("#Button1");
  assert.equal((await errorBoxShown(page)).text, "'x' is not a valid floating point value.");
  await closeErrorBox(page);
  const passes = await page.evaluate(() => window.kyvadloTest.passes());
  await waitForPasses(page, passes + 3);
  await page.click("#Button2");
  await page.waitForFunction(() => window.kyvadloTest.runDepth() === 0);
  const [first, second] = await series(page);
  assert.ok(first.t.length >= 3);
  assert.ok(second.t.length >= 3);
  assert.equal(second.t[0], 0, "the failed Start's time 0");
  assert.deepEqual(problems, []);
  await context.close();
});
