// The page's speed beside the native program's, in one run: page load to the
// first frame shown, a "Normal" redraw after "Predictor" (drawing the frame and
// handing it to the canvas), and the oscillator's whole level search ("Play"
// and ticks until the scan ends, nothing drawn). The native figures come from
// the benchmark program (velquor_bench) for the same work. Also the site's
// size, gzipped. Not a test: it prints figures.
//
//   VELQUOR_SITE=build-web/site VELQUOR_BENCH=build/bench/velquor_bench \
//   NODE_PATH=build-web/node/node_modules node web/tests/measure.js
"use strict";

const { execFileSync } = require("node:child_process");
const fs = require("node:fs");
const path = require("node:path");
const zlib = require("node:zlib");
const s = require("./support.js");

const SITE = process.env.VELQUOR_SITE;
const BENCH = process.env.VELQUOR_BENCH;

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

function siteSize() {
  let raw = 0;
  let gzipped = 0;
  for (const name of fs.readdirSync(SITE)) {
    const bytes = fs.readFileSync(path.join(SITE, name));
    raw += bytes.length;
    gzipped += zlib.gzipSync(bytes, { level: 9 }).length;
  }
  return { raw, gzipped };
}

async function browserFigures() {
  const server = await s.serve(SITE);
  const browser = await s.launch();
  try {
    const loads = [];
    for (let i = 0; i < 5; i += 1) {
      const page = await s.open(browser, server.url);
      loads.push(await page.evaluate(() => window.velquorFirstFrame));
      await page.close();
    }
    const page = await s.open(browser, server.url);
    const redraw = await page.evaluate(() => {
      const session = window.velquorSession;
      document.getElementById("c1006").value = "-7.3";
      document.getElementById("c1005").click();
      session.paint();
      const rounds = 300;
      const times = [];
      for (let r = 0; r < 5; r += 1) {
        const t = performance.now();
        for (let i = 0; i < rounds; i += 1) {
          session.redraw();
          session.paint();
        }
        times.push(((performance.now() - t) * 1000) / rounds);
      }
      return times;
    });
    const search = await page.evaluate(() => {
      const session = window.velquorSession;
      const play = document.getElementById("c1008");
      const times = [];
      let levels = 0;
      for (let r = 0; r < 5; r += 1) {
        const t = performance.now();
        window.velquorHost.selectListItem(1);
        session.potentialChanged();
        for (let presses = 0; presses < 40 && !play.disabled; presses += 1) {
          session.command(1008);
          while (document.body.dataset.timers.split(" ").includes("1")) session.timer(1);
        }
        times.push(performance.now() - t);
        levels = session.state().levelCount;
      }
      return { times, levels };
    });
    await page.close();
    return { load: median(loads), redraw: median(redraw), search: median(search.times), levels: search.levels };
  } finally {
    await browser.close();
    server.close();
  }
}

function nativeFigures() {
  if (!BENCH) return null;
  const out = path.join(fs.mkdtempSync(path.join(require("node:os").tmpdir(), "velquor-bench-")), "bench.json");
  execFileSync(BENCH, [
    "--benchmark_filter=^(BM_RedrawNormalPrediction|BM_Paint|BM_LevelSearch/1|BM_SessionStart)$",
    `--benchmark_out=${out}`,
    "--benchmark_out_format=json",
    "--benchmark_repetitions=3",
    "--benchmark_report_aggregates_only=true",
  ], { stdio: "ignore" });
  const figures = {};
  const report = JSON.parse(fs.readFileSync(out, "utf8"));
  fs.rmSync(path.dirname(out), { recursive: true, force: true });
  for (const b of report.benchmarks) {
    if (b.aggregate_name !== "median") continue;
    const scale = { ns: 1e-3, us: 1, ms: 1e3 }[b.time_unit];
    figures[b.run_name] = b.real_time * scale; // microseconds
  }
  return {
    start: figures.BM_SessionStart,
    redraw: figures.BM_RedrawNormalPrediction + figures.BM_Paint,
    search: figures["BM_LevelSearch/1"] / 1000,
  };
}

(async () => {
  const web = await browserFigures();
  const native = nativeFigures();
  const size = siteSize();
  const row = (what, page, host, unit) =>
    console.log(`${what.padEnd(34)} ${page.toFixed(1).padStart(9)} ${unit}` +
      (host === undefined ? "" : `   native ${host.toFixed(1).padStart(8)} ${unit}   ratio ${(page / host).toFixed(2)}`));
  row("page load to first frame", web.load, undefined, "ms");
  if (native) console.log(`${"native session start".padEnd(34)} ${native.start.toFixed(1).padStart(9)} us`);
  row("Normal redraw (draw + hand over)", web.redraw, native ? native.redraw : undefined, "us");
  row(`oscillator search (${web.levels} levels)`, web.search, native ? native.search : undefined, "ms");
  console.log(`${"site".padEnd(34)} ${(size.raw / 1024).toFixed(0).padStart(9)} KiB, gzipped ${(size.gzipped / 1024).toFixed(0)} KiB`);
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
