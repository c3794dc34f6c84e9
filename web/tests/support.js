// What the page's tests share: the site served on the loopback, Debian's
// Chromium started headless with a fresh profile, the page opened with every
// console error and failed request recorded, and the frame read off the
// canvas or from velquor-cli render.
"use strict";

const assert = require("node:assert/strict");
const { execFileSync } = require("node:child_process");
const fs = require("node:fs");
const http = require("node:http");
const os = require("node:os");
const path = require("node:path");
const { PNG } = require("pngjs");
const puppeteer = require("puppeteer-core");

const CHROMIUM = process.env.VELQUOR_CHROMIUM || "/usr/bin/chromium";
const TYPES = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".wasm": "application/wasm",
};

// The site's files, read-only, on a free port of 127.0.0.1.
function serve(siteDir) {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, "http://x").pathname);
    const file = path.join(siteDir, name === "/" ? "index.html" : name);
    if (!file.startsWith(siteDir) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
      response.writeHead(404);
      response.end();
      return;
    }
    response.writeHead(200, { "Content-Type": TYPES[path.extname(file)] || "application/octet-stream" });
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => {
    server.listen(0, "127.0.0.1", () => {
      resolve({ url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() });
    });
  });
}

async function launch() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "velquor-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    userDataDir: profile,
    defaultViewport: { width: 720, height: 800 },
    args: [
      "--headless",
      "--no-sandbox",
      "--disable-gpu",
      "--disable-quic",
      "--no-first-run",
      "--disable-background-networking",
      "--disable-component-update",
      "--disable-sync",
      "--force-device-scale-factor=1",
    ],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// The address in Spanish, the language the tests read the captions in,
// unless it asks for one.
function inSpanish(url) {
  if (/[?&]lang=/.test(url)) return url;
  const [address, fragment] = url.split("#");
  return `${address}${address.includes("?") ? "&" : "?"}lang=es${fragment !== undefined ? `#${fragment}` : ""}`;
}

// The page, loaded until its first frame is shown. page.problems lists every
// console error, uncaught exception and failed request seen since. The page
// is in Spanish unless the address asks otherwise or options.anyLanguage.
async function open(browser, url, options = {}) {
  const page = await browser.newPage();
  if (options.before) await options.before(page);
  page.problems = [];
  page.on("console", (m) => {
    if (m.type() === "error" || m.type() === "warning") page.problems.push(`console ${m.type()}: ${m.text()}`);
  });
  page.on("pageerror", (e) => page.problems.push(`page error: ${e.message}`));
  page.on("requestfailed", (r) => page.problems.push(`request failed: ${r.url()}`));
  page.on("response", (r) => {
    if (r.status() >= 400) page.problems.push(`HTTP ${r.status()}: ${r.url()}`);
  });
  await page.goto(options.anyLanguage ? url : inSpanish(url), { waitUntil: "load" });
  await page.waitForFunction(() => document.body.dataset.ready === "1", { timeout: 20000 });
  return page;
}

// Waits until the page has painted since `since` (a paint count), and no
// paint is still asked for.
async function painted(page, since) {
  await page.waitForFunction((n) => Number(document.body.dataset.paints) > n, { timeout: 20000 }, since);
  await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
}

async function paints(page) {
  return page.evaluate(() => Number(document.body.dataset.paints || 0));
}

// The canvas as RGB bytes, rows top to bottom.
async function canvasRgb(page) {
  const base64 = await page.evaluate(() => {
    const c = document.getElementById("frame");
    const d = c.getContext("2d").getImageData(0, 0, c.width, c.height).data;
    let s = "";
    for (let i = 0; i < d.length; i += 4) s += String.fromCharCode(d[i], d[i + 1], d[i + 2]);
    return { w: c.width, h: c.height, b: btoa(s) };
  });
  return { width: base64.w, height: base64.h, rgb: Buffer.from(base64.b, "base64") };
}

// velquor-cli render of the same state, as RGB bytes.
function cliRgb(cli, args) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), "velquor-render-"));
  const file = path.join(dir, "frame.png");
  try {
    execFileSync(cli, ["render", ...args, "--output", file], { stdio: ["ignore", "ignore", "inherit"] });
    const png = PNG.sync.read(fs.readFileSync(file));
    const rgb = Buffer.alloc(png.width * png.height * 3);
    for (let i = 0, j = 0; i < png.data.length; i += 4, j += 3) {
      rgb[j] = png.data[i];
      rgb[j + 1] = png.data[i + 1];
      rgb[j + 2] = png.data[i + 2];
    }
    return { width: png.width, height: png.height, rgb };
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

// The canvas equals the command line's picture byte for byte; on a
// difference, says where the first one is and how many pixels differ.
async function expectFrame(page, cli, args, what) {
  const shown = await canvasRgb(page);
  const wanted = cliRgb(cli, args);
  assert.equal(`${shown.width}x${shown.height}`, `${wanted.width}x${wanted.height}`, what);
  if (!shown.rgb.equals(wanted.rgb)) {
    let differ = 0;
    let first = -1;
    for (let i = 0; i < shown.rgb.length; i += 3) {
      if (shown.rgb.compare(wanted.rgb, i, i + 3, i, i + 3) !== 0) {
        differ += 1;
        if (first < 0) first = i / 3;
      }
    }
    assert.fail(
      `${what}: ${differ} pixels differ from velquor-cli render ${args.join(" ")}; the first at ` +
        `x ${first % shown.width}, y ${Math.floor(first / shown.width)}`,
    );
  }
}

// A real click at the middle of the element.
async function click(page, selector) {
  const element = await page.waitForSelector(selector, { visible: true, timeout: 5000 });
  await element.click();
}

module.exports = { serve, launch, open, painted, paints, canvasRgb, cliRgb, expectFrame, click };
