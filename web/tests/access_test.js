// Every user: the page in English and in Spanish, axe-core's accessibility
// rules on every tab and box, scenarios opened from the address (the same
// picture as velquor-cli render of the file) and copied by "Link", a bad one
// refused, and a 360-pixel phone used by touch.
"use strict";

const assert = require("node:assert/strict");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { after, before, test } = require("node:test");
const s = require("./support.js");

const SITE = process.env.VELQUOR_SITE;
const CLI = process.env.VELQUOR_CLI;
const ROOT = process.env.VELQUOR_ROOT || path.join(__dirname, "..", "..");
const SHOTS = process.env.VELQUOR_SCREENSHOTS || os.tmpdir();
const AXE = require.resolve("axe-core/axe.min.js");
let server;
let browser;
let scratch;

before(async () => {
  assert.ok(SITE && CLI, "VELQUOR_SITE (the built site) and VELQUOR_CLI (velquor-cli) are needed");
  server = await s.serve(SITE);
  browser = await s.launch();
  scratch = fs.mkdtempSync(path.join(os.tmpdir(), "velquor-access-"));
  fs.mkdirSync(SHOTS, { recursive: true });
});
after(async () => {
  if (browser) await browser.close();
  if (server) server.close();
  if (scratch) fs.rmSync(scratch, { recursive: true, force: true });
});

function scenarioFile(name, scenario) {
  const file = path.join(scratch, name);
  fs.writeFileSync(file, typeof scenario === "string" ? scenario : JSON.stringify(scenario));
  return file;
}

function withScenario(text, query = "") {
  return `${server.url}${query}#scenario=${encodeURIComponent(text)}`;
}

async function texts(page, selector) {
  return page.$$eval(selector, (all) => all.map((e) => e.textContent));
}

// axe-core's rules (WCAG 2 A and AA and its best practices) on the page as it
// is: nothing may be found.
async function axe(page, what) {
  if (!(await page.evaluate(() => typeof window.axe !== "undefined"))) await page.addScriptTag({ path: AXE });
  const found = await page.evaluate(async () => {
    const result = await window.axe.run(document, { resultTypes: ["violations"] });
    return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(" ")).join(", ")}`);
  });
  assert.deepEqual(found, [], `axe-core on ${what}`);
}

test("English and Spanish: ?lang=, the browser's language, the same picture", async () => {
  const english = await s.open(browser, `${server.url}?lang=en`);
  assert.equal(await english.$eval("html", (e) => e.lang), "en");
  assert.equal(await english.$eval("#c1007", (e) => e.textContent), "Search");
  assert.equal(await english.$eval("#c1020", (e) => e.textContent), "Settings...");
  assert.deepEqual(await texts(english, ".tab"), ["Normal", "Zoom", "Levels", "Evolution", "Transmission", "Packet"]);
  assert.equal(await english.$eval("#c1011 .list-text", (e) => e.textContent), "Harmonic oscillator");
  assert.equal(await english.$eval("#c1010", (e) => e.getAttribute("aria-label")), "Views");
  await s.click(english, '#c1010 .tab[data-tab="2"]');
  await english.waitForSelector("#levels-table td:nth-child(2)");
  assert.deepEqual((await texts(english, "#levels-table th")).slice(0, 3), ["n", "Parity", "Nodes"]);
  assert.equal(await english.$eval("#levels-table td:nth-child(2)", (e) => e.textContent), "even");
  await english.close();

  // No ?lang=: the browser's language decides.
  const spanish = await s.open(browser, server.url, {
    anyLanguage: true,
    before: (page) => page.evaluateOnNewDocument(() => Object.defineProperty(navigator, "language", { get: () => "es-AR" })),
  });
  assert.equal(await spanish.$eval("html", (e) => e.lang), "es");
  assert.equal(await spanish.$eval("#c1007", (e) => e.textContent), "Buscar");
  assert.deepEqual(await texts(spanish, ".tab"), ["Normal", "Zoom", "Niveles", "Evolucion", "Transmision", "Paquete"]);
  assert.equal(await spanish.$eval("#c1010", (e) => e.getAttribute("aria-label")), "Vistas");
  await s.expectFrame(spanish, CLI, ["--view", "normal"], "the start in Spanish");
  assert.deepEqual(spanish.problems, []);
  await spanish.close();
});

test("axe-core finds nothing on any tab or box, in either language", async () => {
  for (const lang of ["es", "en"]) {
    const page = await s.open(browser, `${server.url}?lang=${lang}`);
    for (const tab of [0, 1, 2, 3]) {
      await s.click(page, `#c1010 .tab[data-tab="${tab}"]`);
      await axe(page, `${lang}, tab ${tab}`);
    }
    await s.click(page, '#c1010 .tab[data-tab="0"]');
    await s.click(page, "#sysmenu-button");
    await axe(page, `${lang}, the window menu`);
    await page.keyboard.press("Escape");
    await s.click(page, "#c1020");
    await axe(page, `${lang}, the settings dialog`);
    await s.click(page, "#settings-cancel");
    await page.keyboard.press("F1");
    await page.waitForSelector("#about-layer:not([hidden])");
    await axe(page, `${lang}, the About box`);
    await page.keyboard.press("Escape");
    await s.click(page, "#c1006");
    await page.keyboard.type("abc");
    await s.click(page, "#c1005");
    await page.waitForSelector("#message-layer:not([hidden])");
    await axe(page, `${lang}, a message`);
    await page.keyboard.press("Escape");
    assert.deepEqual(page.problems, []);
    await page.close();
  }
});

test("a scenario in the address: velquor-cli's picture of the file, Link, the picture in words", async () => {
  const well = {
    potential: "well",
    settings: { depth: -10, "half-width": 1.5 },
    tab: "normal",
    energy: -6.25,
    predictor: true,
  };
  const file = scenarioFile("well.json", well);
  const page = await s.open(browser, withScenario(JSON.stringify(well), "?lang=en"));
  await s.expectFrame(page, CLI, ["--scenario", file], "the well's scenario");
  assert.equal(await page.$eval("#c1006", (e) => e.value), "-6.25");
  assert.equal(await page.$eval("#frame", (e) => e.getAttribute("aria-label")), "Finite well, trial energy E = \u22126.2500");

  // "Link": the address of the state on show opens the same picture.
  await s.click(page, '#c1010 .tab[data-tab="1"]');
  await s.click(page, "#sysmenu-button");
  await s.click(page, "#menu-link");
  const link = await page.evaluate(() => document.body.dataset.link);
  assert.ok(link.includes("#scenario="), link);
  const shown = await s.canvasRgb(page);
  const again = await s.open(browser, link);
  assert.ok((await s.canvasRgb(again)).rgb.equals(shown.rgb), "the link shows the same picture");
  assert.equal(await again.evaluate(() => window.velquorHost.currentTab()), 1);
  assert.deepEqual([...page.problems, ...again.problems], []);
  await again.close();
  await page.close();

  // A lesson's step, a paused superposition.
  const lesson = path.join(ROOT, "docs", "scenarios", "lesson4-2.json");
  const evolution = await s.open(browser, withScenario(fs.readFileSync(lesson, "utf8")));
  await s.expectFrame(evolution, CLI, ["--scenario", lesson], "lesson 4, step 2");
  assert.equal(await evolution.$eval("#c1046", (e) => e.textContent), "Play");
  await evolution.close();
});

test("a bad scenario in the address: one message, nothing changed", async () => {
  for (const [text, says] of [
    ['{"potential": "well", "colour": "red"}', "unknown key 'colour'"],
    ['{"potential": "well", "settings": {"depth": 3}}', "'depth' must be a number from -100 to 0"],
    ['{"potential": "well"', "not JSON"],
    ["%E0%A4%A", "does not read"],
  ]) {
    const address = text.startsWith("%") ? `${server.url}?lang=es#scenario=${text}` : withScenario(text);
    const page = await s.open(browser, address);
    await page.waitForSelector("#message-layer:not([hidden])");
    const message = await page.$eval("#message-text", (e) => e.textContent);
    assert.ok(message.startsWith("El escenario no se abrio: ") && message.includes(says), message);
    await page.keyboard.press("Escape");
    await s.expectFrame(page, CLI, ["--view", "normal"], `the start after ${text}`);
    assert.equal(await page.$eval("#c1011 .list-text", (e) => e.textContent), "Oscilador armonico");
    await page.close();
  }
});

test("a phone, 360 pixels wide: the whole window, tapped and dragged", async () => {
  for (const lang of ["es", "en"]) {
    const page = await browser.newPage();
    await page.emulate({
      viewport: { width: 360, height: 740, deviceScaleFactor: 1, isMobile: true, hasTouch: true },
      userAgent: "Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/120 Mobile Safari/537.36",
    });
    await page.goto(`${server.url}?lang=${lang}`, { waitUntil: "load" });
    await page.waitForFunction(() => document.body.dataset.ready === "1");
    // Nothing sticks out sideways; the window is scaled to fit.
    const fit = await page.evaluate(() => ({
      width: document.scrollingElement.scrollWidth,
      right: document.getElementById("window").getBoundingClientRect().right,
      scale: Number(document.body.dataset.scale),
    }));
    assert.ok(fit.width <= 360 && fit.right <= 360 && fit.scale < 0.6, JSON.stringify(fit));

    // Taps choose the tabs; a drag on the picture moves the energy.
    for (const tab of [1, 0]) {
      await (await page.$(`#c1010 .tab[data-tab="${tab}"]`)).tap();
      await page.waitForFunction((n) => window.velquorHost.currentTab() === n, {}, tab);
    }
    const box = await (await page.$("#frame")).boundingBox();
    const x = box.x + box.width / 2;
    await page.touchscreen.touchStart(x, box.y + box.height * 0.7);
    await page.touchscreen.touchMove(x, box.y + box.height * 0.6);
    await page.touchscreen.touchEnd();
    await page.waitForFunction(() => document.getElementById("c1006").value !== "-1");
    await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
    const energy = await page.$eval("#c1006", (e) => e.value);
    assert.equal(String((await page.evaluate(() => window.velquorSession.state())).energy), energy);
    await s.expectFrame(page, CLI, ["--view", "normal", "--energy", energy], "dragged");
    await page.screenshot({ path: path.join(SHOTS, `phone-360-${lang}.png`) });
    await axe(page, `${lang}, 360 pixels`);
    await page.close();
  }
});
