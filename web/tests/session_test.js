// The page in a real browser, used as a person uses the window: real clicks
// and keys on its elements. After every scene the canvas must hold exactly
// the picture velquor-cli render draws of the same state, and the console
// must have stayed free of errors.
"use strict";

const assert = require("node:assert/strict");
const { execFileSync } = require("node:child_process");
const { after, before, test } = require("node:test");
const s = require("./support.js");

const SITE = process.env.VELQUOR_SITE;
const CLI = process.env.VELQUOR_CLI;
let server;
let browser;

before(async () => {
  assert.ok(SITE && CLI, "VELQUOR_SITE (the built site) and VELQUOR_CLI (velquor-cli) are needed");
  server = await s.serve(SITE);
  browser = await s.launch();
});
after(async () => {
  if (browser) await browser.close();
  if (server) server.close();
});

// Each scene starts from a fresh page: the search shares state across a run
// of the program, as it does across one of velquor-cli.
async function fresh() {
  return s.open(browser, server.url);
}

async function state(page) {
  return page.evaluate(() => window.velquorSession.state());
}

// Clicks, then waits for the paint the click asked for.
async function clickAndPaint(page, selector) {
  const n = await s.paints(page);
  await s.click(page, selector);
  await s.painted(page, n);
}

async function typeEnergy(page, text) {
  await s.click(page, "#c1006");
  await page.keyboard.down("Control");
  await page.keyboard.press("a");
  await page.keyboard.up("Control");
  await page.keyboard.type(text);
}

async function playToLevel(page) {
  const before = (await state(page)).levelCount;
  await s.click(page, "#c1008");
  await page.waitForFunction((n) => window.velquorSession.state().levelCount > n, { timeout: 60000 }, before);
  await s.painted(page, await s.paints(page) - 1);
}

function noProblems(page) {
  assert.deepEqual(page.problems, []);
}

test("start-up: the template's rectangles, the first frame, the focus and the tab order", async () => {
  const page = await fresh();
  const boxes = await page.evaluate(() => {
    const out = {};
    for (const e of document.querySelectorAll("#client > [id], #frame")) {
      if (e.classList.contains("hidden")) continue;
      out[e.id] = [e.offsetLeft, e.offsetTop, e.offsetWidth, e.offsetHeight];
    }
    const c = document.getElementById("client");
    out.client = [0, 0, c.offsetWidth, c.offsetHeight];
    return out;
  });
  // Template 102 in pixels of the 8-point dialog font (6 x 13 base units);
  // the list is as tall as its closed box.
  assert.deepEqual(boxes.client, [0, 0, 659, 718]);
  assert.deepEqual(boxes.c1000, [15, 98, 630, 601]);
  assert.deepEqual(boxes.c1005, [120, 16, 60, 16]);
  assert.deepEqual(boxes.c1006, [15, 16, 98, 20]);
  assert.deepEqual(boxes.c1007, [15, 41, 60, 16]);
  assert.deepEqual(boxes.c1008, [83, 41, 60, 16]);
  assert.deepEqual(boxes.c1010, [8, 73, 645, 634]);
  assert.deepEqual(boxes.c1011.slice(0, 2), [195, 24]);
  assert.ok(boxes.c1011[2] >= 113, "the list is narrower than its template");
  assert.deepEqual(boxes.c1019, [510, 8, 135, 23]);
  assert.deepEqual(boxes.frame, [19, 111, 624, 584]);
  const tabs = await page.$$eval(".tab", (all) => all.map((t) => [t.dataset.tab, t.textContent]));
  assert.deepEqual(tabs.slice(0, 2), [["0", "Normal"], ["1", "Zoom"]]);
  assert.deepEqual(tabs.map(([n]) => n), tabs.map((_, i) => String(i)));
  assert.equal(await page.$eval("#c1006", (e) => e.value), "-1");
  await s.expectFrame(page, CLI, ["--view", "normal"], "start-up");

  // The focus starts on the first tab stop and goes round in template order.
  const order = [await page.evaluate(() => document.activeElement.id)];
  for (let i = 0; i < 7; i += 1) {
    await page.keyboard.press("Tab");
    order.push(await page.evaluate(() => document.activeElement.id));
  }
  assert.deepEqual(order, ["c1005", "c1006", "c1007", "c1008", "c1010", "c1011", "c1019", "c1020"]);
  noProblems(page);
  await page.close();
});

test("Buscar, then Play until a level, then Zoom", async () => {
  const page = await fresh();
  await clickAndPaint(page, "#c1007");
  await s.expectFrame(page, CLI, ["--view", "normal", "--steps", "1"], "one Buscar");
  await clickAndPaint(page, "#c1007");
  await clickAndPaint(page, "#c1007");
  await s.expectFrame(page, CLI, ["--view", "normal", "--steps", "3"], "three Buscar");
  noProblems(page);
  await page.close();

  const play = await fresh();
  await playToLevel(play);
  const st = await state(play);
  assert.equal(st.levelCount, 1);
  assert.equal(st.levels[0], -7.2976229380816253);
  assert.equal(await play.$eval("#c1008", (e) => e.disabled), false);
  await s.expectFrame(play, CLI, ["--view", "normal", "--levels", "1"], "Play until a level");
  await playToLevel(play);
  await clickAndPaint(play, '#c1010 .tab[data-tab="1"]');
  await s.expectFrame(play, CLI, ["--view", "zoom", "--levels", "2"], "Zoom after two levels");
  // Back by the keyboard.
  const n = await s.paints(play);
  await play.keyboard.press("ArrowLeft");
  await s.painted(play, n);
  await s.expectFrame(play, CLI, ["--view", "normal", "--levels", "2"], "Normal again");
  noProblems(play);
  await play.close();
});

test("2.5 and Enter; a word and Predictor: one message, the energy unchanged", async () => {
  const page = await fresh();
  await typeEnergy(page, "2.5");
  let n = await s.paints(page);
  await page.keyboard.press("Enter");
  await s.painted(page, n);
  assert.equal((await state(page)).energy, 2.5);
  await s.expectFrame(page, CLI, ["--view", "normal", "--energy", "2.5"], "2.5 and Enter");

  await typeEnergy(page, "abc");
  n = await s.paints(page);
  await s.click(page, "#c1005");
  await s.painted(page, n);
  assert.equal(await page.$eval("#message-layer", (e) => e.hidden), false);
  assert.equal(await page.$eval("#message-text", (e) => e.textContent), "Enter a number.");
  assert.equal(await page.$$eval(".modal-layer:not([hidden])", (l) => l.length), 1);
  // The box is modal: a click on the page behind it does nothing.
  await page.mouse.click(58, 86); // where "Buscar" is
  assert.equal((await state(page)).searchState, 0);
  await page.keyboard.press("Escape");
  assert.equal(await page.$eval("#message-layer", (e) => e.hidden), true);
  const focus = await page.evaluate(() => {
    const e = document.activeElement;
    return [e.id, e.value.slice(e.selectionStart, e.selectionEnd)];
  });
  assert.deepEqual(focus, ["c1006", "abc"]);
  assert.equal((await state(page)).energy, 2.5);
  await s.expectFrame(page, CLI, ["--view", "normal", "--energy", "2.5"], "after the message");
  noProblems(page);
  await page.close();
});

test("Pozo Finito from the list, by mouse and by keys", async () => {
  const page = await fresh();
  await s.click(page, "#c1011");
  const n = await s.paints(page);
  await s.click(page, '#c1011 li[data-index="2"]');
  await s.painted(page, n);
  assert.equal(await page.$eval("#c1011 .list-text", (e) => e.textContent), "Pozo Finito");
  await s.expectFrame(page, CLI, ["--view", "normal", "--potential", "well"], "Pozo Finito");
  await playToLevel(page);
  await s.expectFrame(page, CLI, ["--view", "normal", "--potential", "well", "--levels", "1"], "a level");
  // Up twice from the focused list: Woods-Saxon.
  await page.focus("#c1011");
  for (const key of ["ArrowUp", "ArrowUp"]) {
    const m = await s.paints(page);
    await page.keyboard.press(key);
    await s.painted(page, m);
  }
  await s.expectFrame(page, CLI, ["--view", "normal", "--potential", "woods-saxon"], "Woods-Saxon");
  noProblems(page);
  await page.close();
});

test("every level of every family, bit for bit as velquor-cli levels finds them", async () => {
  const levels = (...args) => JSON.parse(execFileSync(CLI, ["levels", "--format", "json", ...args], { encoding: "utf8" }));
  const wanted = levels();
  for (const name of ["poschl-teller", "v-shaped", "wells"])
    wanted.potentials.push(...levels("--potential", name).potentials);
  const page = await fresh();
  // The same search as the command line's, one potential after the other in
  // one run: "Play" and every tick, straight into the module.
  const found = await page.evaluate((captions) => {
    const session = window.velquorSession;
    const play = document.getElementById("c1008");
    const items = [...document.querySelectorAll("#c1011 li")].map((li) => li.textContent);
    return captions.map((caption) => {
      window.velquorHost.selectListItem(items.indexOf(caption));
      session.potentialChanged();
      for (let presses = 0; presses < 40 && !play.disabled; presses += 1) {
        session.command(1008);
        while (document.body.dataset.timers.split(" ").includes("1")) session.timer(1);
      }
      return session.state().levels;
    });
  }, wanted.potentials.map((p) => p.caption));
  assert.deepEqual(found, wanted.potentials.map((p) => p.levels.map((l) => l.energy)));
  noProblems(page);
  await page.close();
});

test("the About box, from the window menu and from F1; the web link", async () => {
  const page = await fresh();
  await page.mouse.click(600, 400, { button: "right" });
  await s.click(page, "#menu-16");
  assert.equal(await page.$eval("#about-layer", (e) => e.hidden), false);
  const texts = await page.$$eval("#about-client .static", (l) => l.map((e) => e.textContent));
  assert.deepEqual(texts, ["velquor Version 1.0", "Bound states by the shooting method"]);
  assert.equal(await page.$eval("#about-title", (e) => e.textContent), "About velquor");
  await page.keyboard.press("Enter");
  assert.equal(await page.$eval("#about-layer", (e) => e.hidden), true);
  await page.keyboard.press("F1");
  assert.equal(await page.$eval("#about-layer", (e) => e.hidden), false);
  await s.click(page, "#about-ok");
  assert.equal(await page.$eval("#about-layer", (e) => e.hidden), true);

  const opened = new Promise((resolve) => browser.once("targetcreated", resolve));
  await s.click(page, "#c1019");
  const target = await opened;
  assert.equal(target.url(), "https://en.wikipedia.org/wiki/Shooting_method");
  const other = await target.page();
  if (other) await other.close();
  noProblems(page);
  await page.close();
});

// Chooses the list's item with this caption, by mouse.
async function choosePotential(page, caption) {
  await s.click(page, "#c1011");
  const index = await page.$$eval(
    "#c1011 li",
    (items, c) => items.findIndex((li) => li.textContent === c),
    caption,
  );
  assert.ok(index >= 0, `no list item ${caption}`);
  const n = await s.paints(page);
  await s.click(page, `#c1011 li[data-index="${index}"]`);
  await s.painted(page, n);
}

test("a formula typed in the settings dialog; a bad one, and a bad setting", async () => {
  const page = await fresh();
  await choosePotential(page, "Formula");
  await s.click(page, "#c1020");
  assert.equal(await page.$eval("#settings-layer", (e) => e.hidden), false);
  assert.equal(await page.evaluate(() => document.activeElement.id), "setting-0");
  // A formula that does not read: the message, then back to the field.
  await page.keyboard.type("x^2 +");
  await page.keyboard.press("Enter");
  assert.equal(await page.$eval("#message-layer", (e) => e.hidden), false);
  assert.match(await page.$eval("#message-text", (e) => e.textContent), /unexpected end/);
  await page.keyboard.press("Escape");
  assert.equal(await page.evaluate(() => document.activeElement.id), "setting-0");
  await page.keyboard.down("Control");
  await page.keyboard.press("a");
  await page.keyboard.up("Control");
  await page.keyboard.type("x^2/2 - 8");
  let n = await s.paints(page);
  await page.keyboard.press("Enter");
  await s.painted(page, n);
  assert.equal(await page.$eval("#settings-layer", (e) => e.hidden), true);
  await s.expectFrame(page, CLI, ["--view", "normal", "--formula", "x^2/2 - 8"], "a formula");
  await playToLevel(page);
  await s.expectFrame(page, CLI, ["--view", "normal", "--formula", "x^2/2 - 8", "--levels", "1"], "its level");

  // A well of depth -20: a value out of range first, then one in range.
  await choosePotential(page, "Pozo Finito");
  await s.click(page, "#c1020");
  await page.keyboard.type("-200");
  await page.keyboard.press("Enter");
  assert.match(await page.$eval("#message-text", (e) => e.textContent), /depth/);
  await page.keyboard.press("Enter");
  await page.keyboard.type("-20");
  n = await s.paints(page);
  await s.click(page, "#settings-ok");
  await s.painted(page, n);
  await s.expectFrame(page, CLI, ["--view", "normal", "--potential", "well", "--set", "depth=-20"], "depth -20");
  // Escape leaves everything as it was.
  await s.click(page, "#c1020");
  await page.keyboard.type("-5");
  await page.keyboard.press("Escape");
  assert.equal(await page.$eval("#settings-layer", (e) => e.hidden), true);
  await s.expectFrame(page, CLI, ["--view", "normal", "--potential", "well", "--set", "depth=-20"], "after Cancel");
  noProblems(page);
  await page.close();
});

test("the Morse potential shot from both ends: Predictor below and above, Buscar step by step, Play, Zoom", async () => {
  const morse = "8*(1 - exp(-(x - 0.5)))^2 - 8";
  const v = ["--formula", morse];
  const page = await fresh();
  await choosePotential(page, "Formula");
  await s.click(page, "#c1020");
  await page.keyboard.down("Control");
  await page.keyboard.press("a");
  await page.keyboard.up("Control");
  await page.keyboard.type(morse);
  let n = await s.paints(page);
  await page.keyboard.press("Enter");
  await s.painted(page, n);
  await s.expectFrame(page, CLI, ["--view", "normal", ...v], "the Morse potential");
  assert.match(await page.$eval("#c1021", (e) => e.textContent), /shot from both ends/);
  for (const c of ["#c1005", "#c1007", "#c1008"])
    assert.equal(await page.$eval(c, (e) => e.disabled), false);
  // Below the ground state the halves part one way at the matching point, above it the other.
  for (const energy of ["-6.5", "-5.9"]) {
    await typeEnergy(page, energy);
    n = await s.paints(page);
    await page.keyboard.press("Enter");
    await s.painted(page, n);
    await s.expectFrame(page, CLI, ["--view", "normal", ...v, "--energy", energy], `Predictor at ${energy}`);
  }
  for (let steps = 1; steps <= 24; ++steps) {
    await clickAndPaint(page, "#c1007");
    if (steps <= 3 || steps === 24)
      await s.expectFrame(page, CLI, ["--view", "normal", ...v, "--steps", String(steps)], `${steps} Buscar`);
  }
  await playToLevel(page);
  await s.expectFrame(page, CLI, ["--view", "normal", ...v, "--levels", "1"], "Play to the first level");
  for (let k = 2; k <= 4; ++k) await playToLevel(page);
  const st = await state(page);
  assert.deepEqual(st.nodes, [0, 1, 2, 3]);
  const exact = [0, 1, 2, 3].map((k) => -8 + 4 * (k + 0.5) - 0.5 * (k + 0.5) ** 2);
  st.levels.forEach((e, k) => assert.ok(Math.abs(e - exact[k]) < 2e-4, `level ${k}: ${e}`));
  await clickAndPaint(page, '#c1010 .tab[data-tab="1"]');
  await s.expectFrame(page, CLI, ["--view", "zoom", ...v, "--levels", "4"], "Zoom after four levels");
  // One press more: the scan reaches the continuum edge and records nothing.
  await s.click(page, "#c1008");
  await page.waitForFunction(() => !window.velquorSession.state().timerRunning, { timeout: 60000 });
  assert.equal((await state(page)).levelCount, 4);
  assert.equal(await page.$eval("#c1008", (e) => e.disabled), true);
  await s.expectFrame(page, CLI, ["--view", "zoom", ...v, "--levels", "all"], "the scan ended");
  noProblems(page);
  await page.close();
});

test("Niveles: the table of levels over the plot", async () => {
  const page = await fresh();
  await playToLevel(page);
  const index = await page.$$eval(".tab", (all) => all.findIndex((t) => t.textContent === "Niveles"));
  assert.equal(index, 2);
  await s.click(page, '#c1010 .tab[data-tab="2"]');
  await page.waitForFunction(() => !document.getElementById("levels-panel").hidden);
  const table = await page.evaluate(() => {
    const t = document.getElementById("levels-table");
    return {
      columns: [...t.tHead.rows[0].cells].map((c) => c.textContent),
      rows: [...t.tBodies[0].rows].map((r) => [...r.cells].map((c) => c.textContent)),
      box: ["left", "top", "width", "height"].map((k) => document.getElementById("levels-panel").style[k]),
    };
  });
  assert.deepEqual(table.box, ["19px", "111px", "624px", "584px"]);
  assert.equal(table.columns[0], "n");
  // The oscillator's nine levels, numbered from 0; the one the search has
  // recorded beside the first.
  assert.deepEqual(table.rows.map((r) => r[0]), ["0", "1", "2", "3", "4", "5", "6", "7", "8"]);
  const shot = table.columns.indexOf("Disparo");
  assert.ok(shot > 0);
  assert.equal(Number(table.rows[0][shot]).toFixed(8), (-7.2976229380816253).toFixed(8));
  // Back to Normal: the table goes, the frame is the search's.
  const n = await s.paints(page);
  await s.click(page, '#c1010 .tab[data-tab="0"]');
  await s.painted(page, n);
  assert.equal(await page.$eval("#levels-panel", (e) => e.hidden), true);
  await s.expectFrame(page, CLI, ["--view", "normal", "--levels", "1"], "Normal after Niveles");
  noProblems(page);
  await page.close();
});

test("Evolucion: the band over the frame, the animation, a time typed", async () => {
  const page = await fresh();
  const index = await page.$$eval(".tab", (all) => all.findIndex((t) => t.textContent === "Evolucion"));
  assert.equal(index, 3);
  await clickAndPaint(page, '#c1010 .tab[data-tab="3"]');
  const band = await page.$eval("#evolution-band", (e) => [e.hidden, e.style.left, e.style.top, e.style.width]);
  assert.deepEqual(band, [false, "19px", "111px", "624px"]);
  // Its controls at their template's rectangles, as in the window.
  const misplaced = await page.evaluate(() => {
    const [layout] = window.velquorModule.mainLayout().bands;
    const element = document.getElementById(`${layout.name}-band`);
    const origin = element.getBoundingClientRect();
    return layout.controls.filter((c, i) => {
      const r = element.children[i].getBoundingClientRect();
      return [r.left - origin.left, r.top - origin.top, r.width, r.height].join() !== [c.left, c.top, c.width, c.height].join();
    }).map((c) => c.caption || c.id);
  });
  assert.deepEqual(misplaced, []);
  // It plays on display frames: the time moves and the picture with it.
  const t0 = Number(await page.$eval("#c1044", (e) => e.value));
  const before = await s.canvasRgb(page);
  await page.waitForFunction((t) => Number(document.getElementById("c1044").value) > t + 0.2, { timeout: 20000 }, t0);
  const later = await s.canvasRgb(page);
  assert.ok(!before.rgb.equals(later.rgb), "the picture did not move");
  // Paused at a time typed (Enter in the band applies it, not "Predictor"):
  // the frame velquor-cli draws of the same superposition at that time.
  await s.click(page, "#c1046");
  assert.equal(await page.$eval("#c1046", (e) => e.textContent), "Play");
  await s.click(page, "#c1044");
  await page.keyboard.down("Control");
  await page.keyboard.press("a");
  await page.keyboard.up("Control");
  await page.keyboard.type("1.5");
  let n = await s.paints(page);
  await page.keyboard.press("Enter");
  await s.painted(page, n);
  const [states, weights, phases] = await page.$$eval(["#c1040", "#c1041", "#c1042"].join(","), (l) => l.map((e) => e.value));
  await s.expectFrame(
    page, CLI,
    ["--view", "evolution", "--states", states, "--weights", weights, "--phases", phases, "--time", "1.5"],
    "Evolucion at t = 1.5",
  );
  // A time that does not read: the message, and back to the field.
  await page.keyboard.down("Control");
  await page.keyboard.press("a");
  await page.keyboard.up("Control");
  await page.keyboard.type("abc");
  await page.keyboard.press("Enter");
  assert.equal(await page.$eval("#message-text", (e) => e.textContent), "Enter a time that is not negative.");
  await page.keyboard.press("Escape");
  assert.equal(await page.evaluate(() => document.activeElement.id), "c1044");
  n = await s.paints(page);
  await clickAndPaint(page, '#c1010 .tab[data-tab="0"]');
  assert.equal(await page.$eval("#evolution-band", (e) => e.hidden), true);
  assert.equal(await page.evaluate(() => document.body.dataset.timers), "");
  noProblems(page);
  await page.close();
});

async function typeInto(page, selector, text) {
  await s.click(page, selector);
  await page.keyboard.down("Control");
  await page.keyboard.press("a");
  await page.keyboard.up("Control");
  await page.keyboard.type(text);
}

const field = (page, selector) => page.$eval(selector, (e) => e.value ?? e.textContent);
const caption = (page, selector) => page.$eval(selector, (e) => e.textContent);

test("Paquete: the packet runs, pauses, goes back to t = 0, takes a packet and a time typed", async () => {
  const page = await fresh();
  const index = await page.$$eval(".tab", (all) => all.findIndex((t) => t.textContent === "Paquete"));
  assert.ok(index > 3, "no \"Paquete\" tab after \"Evolucion\"");
  await clickAndPaint(page, `#c1010 .tab[data-tab="${index}"]`);
  assert.equal(await page.$eval("#packet-band", (e) => e.hidden), false);
  // It runs at once: the time moves, and the picture with it.
  const before = await s.canvasRgb(page);
  await page.waitForFunction(() => Number(document.getElementById("c1065").value) > 0.3, { timeout: 20000 });
  const later = await s.canvasRgb(page);
  assert.ok(!before.rgb.equals(later.rgb), "the picture did not move");
  // "Pausa", then "t = 0": the packet of the start, all of it on the left.
  await s.click(page, "#c1067");
  assert.equal(await caption(page, "#c1067"), "Play");
  await clickAndPaint(page, "#c1068");
  assert.equal(await field(page, "#c1065"), "0.000");
  assert.equal(await caption(page, "#c1069"), "izq. 1.000000   der. 0.000000");
  await s.expectFrame(page, CLI, ["--view", "packet"], "Paquete at t = 0");
  // A packet and a time typed; Enter applies the band.
  await typeInto(page, "#c1061", "4");
  await typeInto(page, "#c1063", "-2");
  await typeInto(page, "#c1065", "2.5");
  let n = await s.paints(page);
  await page.keyboard.press("Enter");
  await s.painted(page, n);
  await s.expectFrame(page, CLI, ["--view", "packet", "--k0", "4", "--split", "-2", "--time", "2.5"], "k0 = 4 at t = 2.5");
  const rows = JSON.parse(execFileSync(CLI, ["packet", "--k0", "4", "--split", "-2", "--to", "2.5", "--step", "2.5", "--format", "json"]));
  const last = rows.samples[1];
  assert.equal(await caption(page, "#c1069"), `izq. ${last.left.toFixed(6)}   der. ${last.right.toFixed(6)}`);
  // A sigma that is not positive: the message, and back to its field.
  await typeInto(page, "#c1062", "0");
  await page.keyboard.press("Enter");
  assert.equal(await page.$eval("#message-text", (e) => e.textContent), "sigma must be a finite number greater than 0");
  await page.keyboard.press("Escape");
  assert.equal(await page.evaluate(() => document.activeElement.id), "c1062");
  await s.expectFrame(page, CLI, ["--view", "packet", "--k0", "4", "--split", "-2", "--time", "2.5"], "unchanged after sigma 0");
  n = await s.paints(page);
  await clickAndPaint(page, '#c1010 .tab[data-tab="0"]');
  assert.equal(await page.$eval("#packet-band", (e) => e.hidden), true);
  assert.equal(await page.evaluate(() => document.body.dataset.timers), "");
  noProblems(page);
  await page.close();
});
