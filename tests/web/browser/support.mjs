// What the browser tests share: the built page served from this machine,
// Debian's chromium driven by Playwright, and the page's test hook.
import { createServer } from "node:http";
import { readFileSync, statSync } from "node:fs";
import { extname, join, normalize, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import { after, before } from "node:test";
import { chromium } from "playwright-core";

export const repository = resolve(fileURLToPath(import.meta.url), "../../../..");
export const pageFolder = process.env.KYVADLO_WEB_DIR ?? join(repository, "build/web");
export const kyvadloRun = process.env.KYVADLO_RUN ?? join(repository, "build/release/cli/kyvadlo-run");
// The desktop's equations panel as a PNG (tests/web/PanelPicture.cpp).
export const panelPicture = process.env.KYVADLO_PANEL_PICTURE ?? join(repository, "build/release/tests/web/panel-picture");

const types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript",
  ".css": "text/css",
  ".wasm": "application/wasm",
  ".ttf": "font/ttf",
  ".svg": "image/svg+xml",
};

// Serves the page's folder on a free port of the loopback address.
export async function servePage() {
  const server = createServer((request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, "http://x").pathname));
    const file = join(pageFolder, path.endsWith("/") ? join(path, "index.html") : path);
    try {
      if (!file.startsWith(pageFolder) || !statSync(file).isFile())
        throw new Error("not a file");
      response.writeHead(200, { "Content-Type": types[extname(file)] ?? "application/octet-stream" });
      response.end(readFileSync(file));
    } catch {
      response.writeHead(404);
      response.end();
    }
  });
  await new Promise((done) => server.listen(0, "127.0.0.1", done));
  return { url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() };
}

// Debian's chromium, headless, with nothing of its own going to the
// network. Playwright gives every launch a fresh profile folder of its own
// (--user-data-dir in a new temporary folder) and removes it afterwards.
export async function launchBrowser() {
  const browser = await chromium.launch({
    executablePath: "/usr/bin/chromium",
    headless: true,
    args: [
      "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
      "--disable-background-networking", "--disable-component-update", "--disable-sync",
    ],
  });
  return { browser, close: () => browser.close() };
}

// A page of the window's client size that records console errors and
// uncaught exceptions; query "?test" opens the test hook. The device pixel
// ratio is 1 unless given.
export async function openPage({ browser, url }, { locale = "en-US", query = "?test", deviceScaleFactor = 1 } = {}) {
  const context = await browser.newContext({ locale, viewport: { width: 1092, height: 692 }, deviceScaleFactor });
  const page = await context.newPage();
  const problems = [];
  page.on("console", (message) => {
    if (message.type() === "error")
      problems.push(message.text());
  });
  page.on("pageerror", (error) => problems.push(String(error)));
  await page.goto(url + query);
  await page.waitForSelector("html[data-ready=true]");
  return { page, context, problems };
}

// Waits until the page has made at least the given number of passes.
export async function waitForPasses(page, passes) {
  await page.waitForFunction((n) => window.kyvadloTest.passes() >= n, passes, { polling: 5, timeout: 20000 });
}

// The error box's caption and text, once it is open.
export async function errorBoxShown(page) {
  await page.waitForSelector("#ErrorBox[open]");
  return page.evaluate(() => ({
    caption: document.getElementById("ErrorBoxCaption").textContent,
    text: document.getElementById("ErrorBoxText").textContent,
    buttons: [...document.querySelectorAll("#ErrorBox button")].map((b) => b.textContent),
    icon: document.querySelector("#ErrorBox svg.stop") !== null,
  }));
}

export async function closeErrorBox(page) {
  await page.click("#ErrorBoxOk");
  await page.waitForSelector("#ErrorBox", { state: "hidden" });
}

export async function setFields(page, length, angle, inertia) {
  await page.fill("#Edit1", length);
  await page.fill("#Edit2", angle);
  await page.fill("#Edit3", inertia);
}

// The page served and chromium launched for the tests of one file: the
// object's server and browser are there once the file's tests begin.
export function usePageInChromium() {
  const shared = {};
  before(async () => {
    shared.server = await servePage();
    shared.chromium = await launchBrowser();
    shared.url = shared.server.url;
    shared.browser = shared.chromium.browser;
  });
  after(async () => {
    await shared.chromium.close();
    shared.server.close();
  });
  return shared;
}

// A canvas's pixels as RGBA bytes, or a PNG's decoded by the page.
export async function canvasPixels(page, id) {
  const { width, height, base64 } = await page.evaluate((id) => {
    const canvas = document.getElementById(id);
    const data = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
    let text = "";
    for (let i = 0; i < data.length; i += 0x8000)
      text += String.fromCharCode(...data.subarray(i, i + 0x8000));
    return { width: canvas.width, height: canvas.height, base64: btoa(text) };
  }, id);
  return { width, height, data: Buffer.from(base64, "base64") };
}

export async function pngPixels(page, png) {
  const { width, height, base64 } = await page.evaluate(async (png) => {
    const image = new Image();
    image.src = `data:image/png;base64,${png}`;
    await image.decode();
    const canvas = new OffscreenCanvas(image.naturalWidth, image.naturalHeight);
    const context = canvas.getContext("2d");
    context.drawImage(image, 0, 0);
    const data = context.getImageData(0, 0, canvas.width, canvas.height).data;
    let text = "";
    for (let i = 0; i < data.length; i += 0x8000)
      text += String.fromCharCode(...data.subarray(i, i + 0x8000));
    return { width: canvas.width, height: canvas.height, base64: btoa(text) };
  }, png.toString("base64"));
  return { width, height, data: Buffer.from(base64, "base64") };
}
