// Takes the page's pictures for the README (docs/web-screenshot.png and
// docs/web-screenshot-2x.png: the README's two runs at devicePixelRatio 1
// and 2) and measures the page in headless chromium: the bytes it loads,
// the time until it is ready and until a run's first frame is shown, and
// the passes a run makes per second. Run after scripts/web:
//   node tests/web/browser/screenshots.mjs [folder for the pictures]
import { join } from "node:path";
import { launchBrowser, openPage, repository, servePage, setFields, waitForPasses } from "./support.mjs";

const folder = process.argv[2] ?? join(repository, "docs");

// The README's runs: the defaults for 350 passes, then a = 0.5 m, 12 degrees
// for 250 more.
async function twoRuns(page) {
  for (const [length, angle, passes] of [["0.8", "10", 350], ["0.5", "12", 600]]) {
    await setFields(page, length, angle, "0.05");
    await page.click("#Button1");
    await waitForPasses(page, passes);
    await page.click("#Button2");
    await page.waitForFunction(() => window.kyvadloTest.runDepth() === 0);
  }
}

const server = await servePage();
const chromium = await launchBrowser();
try {
  for (const [ratio, name] of [[1, "web-screenshot.png"], [2, "web-screenshot-2x.png"]]) {
    const { page, context } = await openPage({ browser: chromium.browser, url: server.url }, { deviceScaleFactor: ratio });
    await twoRuns(page);
    await page.screenshot({ path: join(folder, name) });
    console.log(`${name}: the page after two runs at devicePixelRatio ${ratio}`);
    await context.close();
  }

  // A fresh page: what it loads and how soon it is ready.
  const context = await chromium.browser.newContext({ viewport: { width: 1092, height: 692 } });
  const page = await context.newPage();
  const sizes = [];
  page.on("requestfinished", (request) => sizes.push(request.sizes().then((size) => size.responseBodySize)));
  const opened = Date.now();
  await page.goto(`${server.url}?test`);
  await page.waitForSelector("html[data-ready=true]");
  const ready = Date.now() - opened;
  // From the click on Start to the first frame on the page.
  const firstFrame = await page.evaluate(async () => {
    const clicked = performance.now();
    document.getElementById("Button1").click();
    while (window.kyvadloTest.frames() === 0)
      await new Promise((next) => requestAnimationFrame(next));
    return performance.now() - clicked;
  });
  // Passes per second after the first frame's hold, over five seconds.
  await waitForPasses(page, 1);
  const start = await page.evaluate(() => [performance.now(), window.kyvadloTest.passes()]);
  await page.waitForTimeout(5000);
  const end = await page.evaluate(() => [performance.now(), window.kyvadloTest.passes()]);
  await page.click("#Button2");
  const perSecond = (end[1] - start[1]) / ((end[0] - start[0]) / 1000);
  console.log(`ready after ${ready} ms, first frame ${firstFrame.toFixed(1)} ms after Start, `
              + `${perSecond.toFixed(1)} passes per second`);
  const bytes = (await Promise.all(sizes)).reduce((sum, size) => sum + size, 0);
  console.log(`loaded ${bytes} bytes`);
  await context.close();
} finally {
  await chromium.close();
  server.close();
}
