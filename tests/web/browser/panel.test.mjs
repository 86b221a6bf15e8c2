// The equations panel: the page draws the desktop's panel at the page's
// devicePixelRatio, pixel for pixel but for the glyphs' own pixels (the
// desktop fits the outlines to the pixel grid, the page does not).
import { test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { canvasPixels, openPage, panelPicture, pngPixels, usePageInChromium } from "./support.mjs";

const shared = usePageInChromium();

// The desktop's panel at the ratio, as a PNG.
function desktopPanel(ratio) {
  const folder = mkdtempSync(join(tmpdir(), "kyvadlo-"));
  try {
    const file = join(folder, "panel.png");
    execFileSync(panelPicture, [String(ratio), file], { stdio: ["ignore", "ignore", "pipe"] });
    return readFileSync(file);
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

test("the equations panel is the desktop's outside the glyphs, at devicePixelRatio 1 and 2", async (t) => {
  for (const ratio of [1, 2]) {
    const { page, context, problems } = await openPage(shared, { deviceScaleFactor: ratio });
    const shown = await canvasPixels(page, "tlumene");
    const expected = await pngPixels(page, desktopPanel(ratio));
    assert.deepEqual([shown.width, shown.height], [161 * ratio, 169 * ratio]);
    assert.deepEqual([expected.width, expected.height], [shown.width, shown.height]);
    const black = (data, i) => data[i] === 0 && data[i + 1] === 0 && data[i + 2] === 0;
    let differing = 0;
    let outsideGlyphs = 0;
    for (let i = 0; i < shown.data.length; i += 4) {
      if (shown.data.readUInt32BE(i) === expected.data.readUInt32BE(i))
        continue;
      differing += 1;
      if (!black(shown.data, i) && !black(expected.data, i))
        outsideGlyphs += 1;
    }
    t.diagnostic(`ratio ${ratio}: ${differing} of ${shown.width * shown.height} pixels differ, all of them glyph pixels`);
    assert.equal(outsideGlyphs, 0);
    assert.deepEqual(problems, []);
    await context.close();
  }
});
