// Runs one of the page's tests, `node run.js session` for session_test.js,
// once what it needs is in place: the built site, the pinned test driver and
// Chromium. Without them the test is skipped, exit code 77 (CTest's
// SKIP_RETURN_CODE), with a message saying what to run.
"use strict";

const { spawnSync } = require("node:child_process");
const fs = require("node:fs");
const path = require("node:path");

const SKIPPED = 77;
const SETUP = "run scripts/web --build-only --test-driver";

function missing() {
  const site = process.env.VELQUOR_SITE;
  if (!site || !fs.existsSync(path.join(site, "core.wasm"))) return `the built site (${site}) is missing`;
  for (const module of ["pngjs", "puppeteer-core", "axe-core"]) {
    try {
      require.resolve(module);
    } catch {
      return `the test driver's ${module} is missing (NODE_PATH=${process.env.NODE_PATH || ""})`;
    }
  }
  const chromium = process.env.VELQUOR_CHROMIUM || "/usr/bin/chromium";
  if (!fs.existsSync(chromium)) return `Chromium (${chromium}, Debian's chromium) is missing`;
  return null;
}

const absent = missing();
if (absent) {
  console.log(`SKIP: ${absent}; ${SETUP}`);
  process.exit(SKIPPED);
}
const test = path.join(__dirname, `${process.argv[2]}_test.js`);
const run = spawnSync(process.execPath, ["--test", test], { stdio: "inherit" });
process.exit(run.status ?? 1);
