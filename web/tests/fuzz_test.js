// A session of random real clicks and keys on the page, with pauses that let
// the search's timer tick. Nothing may crash the module or leave the page in
// a state the window could not be in; the invariants are checked after every
// event. Bounded in events and in time; VELQUOR_FUZZ_SEED picks the session.
"use strict";

const assert = require("node:assert/strict");
const { after, before, test } = require("node:test");
const s = require("./support.js");

const SITE = process.env.VELQUOR_SITE;
const SEED = Number(process.env.VELQUOR_FUZZ_SEED || 20261208);
const EVENTS = Number(process.env.VELQUOR_FUZZ_EVENTS || 300);
const SECONDS = Number(process.env.VELQUOR_FUZZ_SECONDS || 90);
const MESSAGES = [
  "Enter a number.", "Enter a positive integer.", "Enter an integer between 1 and 100.",
  "Enter a speed between 0 and 100.", "Enter a time that is not negative.",
];
// The "Evolucion" band's refusals, which name the bad value: "'1é' is not a
// level; give levels 0 to 8".
const BAND_MESSAGE =
  /^('.*' is not a (level|number)|level .* (does not exist|is given twice)|no levels given|\d+ states and \d+ \w+|the weights are all zero)/;
let server;
let browser;

before(async () => {
  assert.ok(SITE, "VELQUOR_SITE (the built site) is needed");
  server = await s.serve(SITE);
  browser = await s.launch();
  // The web link opens a tab; close each one as it comes.
  browser.on("targetcreated", async (target) => {
    if (!target.opener()) return;
    const page = await target.page().catch(() => null);
    if (page) await page.close().catch(() => {});
  });
});
after(async () => {
  if (browser) await browser.close();
  if (server) server.close();
});

// A small, seedable generator (mulberry32).
function generator(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

const KEYS = ["Enter", "Escape", "Tab", "ArrowUp", "ArrowDown", "ArrowLeft", "ArrowRight", "F1", " ", "Backspace", "Delete", "Home", "End"];
const TEXTS = ["2.5", "-7.3", "abc", "1e999", "", "0x10", "nan", "-", "1e-400", " 3 ", "é", "12345678901234567890", "-1e308", ".5", "4,5"];
const TARGETS = [
  "#c1005", "#c1006", "#c1007", "#c1008", "#c1019", "#c1011", "#c1011 li",
  '#c1010 .tab[data-tab="0"]', '#c1010 .tab[data-tab="1"]', '#c1010 .tab[data-tab="2"]',
  '#c1010 .tab[data-tab="3"]', "#message-ok", "#about-ok", "#levels-table",
  "#sysmenu-button", "#sysmenu .menu-item", "#frame", "#c1020", "#settings-ok", "#settings-cancel",
  "#settings-fields input", "#evolution-band button", "#evolution-band input",
];

async function randomEvent(page, random) {
  const pick = (list) => list[Math.floor(random() * list.length)];
  const roll = random();
  if (roll < 0.4) {
    // A click on a control, if it is there to be clicked.
    const element = await page.$(pick(TARGETS));
    const box = element && (await element.boundingBox());
    if (box) await page.mouse.click(box.x + box.width * random(), box.y + box.height * random());
    return;
  }
  if (roll < 0.48) {
    await page.mouse.click(10 + random() * 680, 10 + random() * 760, { button: random() < 0.1 ? "right" : "left" });
    return;
  }
  if (roll < 0.7) {
    const key = pick(KEYS);
    const shift = key === "Tab" && random() < 0.3;
    if (shift) await page.keyboard.down("Shift");
    await page.keyboard.press(key);
    if (shift) await page.keyboard.up("Shift");
    return;
  }
  if (roll < 0.8) {
    await page.keyboard.type(pick(TEXTS));
    return;
  }
  // The user waits: the timer ticks.
  await new Promise((r) => setTimeout(r, Math.floor(random() * 1200)));
}

// What must hold whatever happened.
async function checkInvariants(page) {
  const seen = await page.evaluate(() => {
    const st = window.velquorSession.state();
    const open = [...document.querySelectorAll(".modal-layer")].filter((l) => !l.hidden).map((l) => l.id);
    const canvas = document.getElementById("frame");
    return {
      st,
      open,
      message: document.getElementById("message-text").textContent,
      timers: document.body.dataset.timers || "",
      ready: document.body.dataset.ready,
      frame: [canvas.width, canvas.height],
      tabs: document.querySelectorAll('.tab[aria-selected="true"]').length,
    };
  });
  const { st } = seen;
  assert.ok(st.levelCount >= 0 && st.levelCount <= 20, `level count ${st.levelCount}`);
  assert.equal(st.levels.length, st.levelCount);
  st.levels.forEach((e, i) => {
    assert.ok(Number.isFinite(e), `level ${i} is ${e}`);
    if (i > 0) assert.ok(e > st.levels[i - 1], `level ${i} not above the one before`);
  });
  assert.ok(st.parities.every((p) => p === 0 || p === 1));
  assert.ok(st.searchState >= 0 && st.searchState <= 3);
  assert.ok(Number.isFinite(st.energy), `energy ${st.energy}`);
  // The page's search timer runs exactly while the dialog's does.
  assert.equal(seen.timers.split(" ").includes("1"), st.timerRunning, "the page's timer and the dialog's");
  // One box at a time; only a message may come over the settings dialog.
  const boxes = seen.open.filter((id) => id !== "settings-layer");
  assert.ok(boxes.length <= 1, `boxes open: ${seen.open}`);
  if (seen.open.includes("message-layer") && !seen.open.includes("settings-layer"))
    assert.ok(MESSAGES.includes(seen.message) || BAND_MESSAGE.test(seen.message), seen.message);
  assert.equal(seen.ready, "1");
  assert.deepEqual(seen.frame, [624, 584]);
  assert.equal(seen.tabs, 1);
  return seen;
}

test(`random clicks and keys (seed ${SEED})`, async (t) => {
  const page = await s.open(browser, server.url);
  const random = generator(SEED);
  const deadline = Date.now() + SECONDS * 1000;
  let events = 0;
  const reached = { levels: 0, message: 0, about: 0, timer: 0 };
  for (; events < EVENTS && Date.now() < deadline; events += 1) {
    await randomEvent(page, random);
    const seen = await checkInvariants(page);
    assert.deepEqual(page.problems, [], `after event ${events}`);
    reached.levels = Math.max(reached.levels, seen.st.levelCount);
    if (seen.open.includes("message-layer")) reached.message += 1;
    if (seen.open.includes("about-layer")) reached.about += 1;
    if (seen.open.includes("settings-layer")) reached.settings = (reached.settings || 0) + 1;
    if (seen.st.timerRunning) reached.timer += 1;
  }
  t.diagnostic(`${events} events; ${JSON.stringify(reached)}`);
  // Still alive: a last paint comes through.
  const n = await s.paints(page);
  await page.evaluate(() => window.velquorSession.redraw());
  await page.evaluate(() => window.velquorHost.invalidate());
  await s.painted(page, n);
  assert.deepEqual(page.problems, []);
  assert.ok(events >= Math.min(EVENTS, 50), `only ${events} events in ${SECONDS} s`);
  await page.close();
});
