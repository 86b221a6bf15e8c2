// The page's face: it loads cleanly, every control where the layout puts it,
// the keys' order, labels and descriptions, the font, and the defaults in
// the browser's language.
import { test } from "node:test";
import assert from "node:assert/strict";
import { errorBoxShown, openPage, usePageInChromium, waitForPasses } from "./support.mjs";

const shared = usePageInChromium();

// The layout's boxes in the page: Panel2 lies at (1, 1) and GroupBox1 at
// (8, 16) in it, so the group's controls are offset by (9, 17).
const boxes = {
  Panel1: [0, 0, 1092, 692],
  Panel2: [1, 1, 592, 690],
  Chart1: [593, 1, 498, 690],
  Image1: [209, 17, 377, 673],
  GroupBox1: [9, 17, 193, 681],
  Label1: [33, 57, 52, 13],
  Label3: [33, 97, 43, 13],
  Label2: [33, 161, 12, 13],
  Edit1: [121, 57, 57, 21],
  Edit3: [121, 89, 57, 21],
  Edit2: [121, 153, 57, 21],
  Button1: [25, 273, 75, 25],
  Button2: [25, 305, 75, 25],
  Button3: [25, 353, 75, 25],
  CheckBox1: [129, 273, 57, 17],
  tlumene: [25, 393, 161, 169],
};

async function boxOf(page, id) {
  return page.evaluate((name) => {
    const r = document.getElementById(name).getBoundingClientRect();
    return [r.x, r.y, r.width, r.height];
  }, id);
}

test("the page loads without an error, with every control where the layout puts it", async () => {
  const { page, context, problems } = await openPage(shared, { query: "" });
  for (const [id, box] of Object.entries(boxes))
    assert.deepEqual(await boxOf(page, id), box, id);
  assert.equal(await page.title(), "Fyzické kyvadlo");
  // Everything the page loaded, the font included, stays under 2 MB.
  await page.evaluate(() => document.fonts.ready);
  const loaded = await page.evaluate(() => performance.getEntriesByType("navigation").concat(
    performance.getEntriesByType("resource")).reduce((sum, entry) => sum + entry.encodedBodySize, 0));
  assert.ok(loaded > 400000 && loaded < 2000000, `${loaded} bytes`);
  console.log(`the page loaded ${loaded} bytes`);
  assert.equal(await page.evaluate(() => "kyvadloTest" in window), false, "no test hook without ?test");

  // The chart takes what Panel2 leaves, also after a resize.
  await page.setViewportSize({ width: 1400, height: 800 });
  assert.deepEqual(await boxOf(page, "Chart1"), [593, 1, 1400 - 594, 798]);
  assert.deepEqual(await boxOf(page, "Panel2"), [1, 1, 592, 798]);
  assert.deepEqual(await boxOf(page, "Edit2"), boxes.Edit2, "the group keeps its place");
  await page.waitForFunction(() => document.getElementById("Chart1").width === 1400 - 594);

  assert.deepEqual(problems, []);
  await context.close();
});

test("the keys go Edit1, Edit2, Start, Stop, Clear, pomalu, Edit3; labels and pictures are named", async () => {
  const { page, context } = await openPage(shared);
  const order = [await page.evaluate(() => document.activeElement.id)];
  for (let i = 0; i < 6; ++i) {
    await page.keyboard.press("Tab");
    order.push(await page.evaluate(() => document.activeElement.id || document.activeElement.parentElement.id));
  }
  assert.deepEqual(order, ["Edit1", "Edit2", "Button1", "Button2", "Button3", "CheckBox1", "Edit3"]);

  const names = await page.evaluate(() => ({
    fields: ["Edit1", "Edit2", "Edit3"].map((id) => document.getElementById(id).labels[0].textContent),
    pictures: ["Image1", "Chart1", "tlumene"].map((id) => {
      const element = document.getElementById(id);
      return [element.getAttribute("role"), element.getAttribute("aria-label")];
    }),
    equationsDisabled: document.getElementById("tlumene").getAttribute("aria-disabled"),
    font: getComputedStyle(document.getElementById("Label1")).font,
    fontLoaded: document.fonts.check('11px "Liberation Sans"', "ϕ0"),
  }));
  assert.deepEqual(names.fields, ["délka a [m]", "ϕ0", "J [kg.m2]"]);
  assert.deepEqual(names.pictures, [["img", "Kyvadlo"], ["img", "Graf"], ["img", "Rovnice"]]);
  assert.equal(names.equationsDisabled, "true");
  assert.match(names.font, /^11px "Liberation Sans"/);
  assert.equal(names.fontLoaded, true);
  await context.close();
});

test("the defaults and the numbers follow the browser's language", async () => {
  for (const [locale, texts] of [["cs-CZ", ["0,8", "10", "0,05"]], ["en-GB", ["0.8", "10", "0.05"]]]) {
    const { page, context, problems } = await openPage(shared, { locale });
    const values = await page.evaluate(() => ["Edit1", "Edit2", "Edit3"].map((id) => document.getElementById(id).value));
    assert.deepEqual(values, texts, locale);
    // A run with the defaults as they stand: no error box.
    await page.click("#Button1");
    await waitForPasses(page, 2);
    await page.click("#Button2");
    assert.equal(await page.isVisible("#ErrorBox"), false, locale);
    assert.deepEqual(problems, [], locale);
    await context.close();
  }
});

test("a change of the browser's language rewrites the untouched defaults and the numbers' separator", async () => {
  const { page, context } = await openPage(shared, { locale: "en-GB" });
  await page.fill("#Edit3", "0.07");
  await page.evaluate(() => {
    Object.defineProperty(navigator, "language", { get: () => "cs-CZ" });
    window.dispatchEvent(new Event("languagechange"));
  });
  const values = await page.evaluate(() => ["Edit1", "Edit2", "Edit3"].map((id) => document.getElementById(id).value));
  assert.deepEqual(values, ["0,8", "10", "0.07"]);
  await page.click("#Button1");
  assert.equal((await errorBoxShown(page)).text, "'0.07' is not a valid floating point value.");
  await context.close();
});
