// Lighthouse's audit of the page's first visit on its phone profile (a mid-range phone on a
// throttled network and processor) and its desktop profile, the page served by Python's
// http.server on 127.0.0.1 as a plain static host would: no compression, no cache headers.
// Each profile runs RUNS times in a fresh browser profile; each figure is the median.
// Usage: node tests/web/browser/lighthouse.js [RUNS [FOLDER]]   (default 3 runs of dist/web/)
import { execFile, spawn } from "node:child_process";
import fs from "node:fs/promises";
import os from "node:os";
import path from "node:path";
import { promisify } from "node:util";
import { fileURLToPath } from "node:url";
import { chromiumFlags, chromiumPath, pageFolder } from "./harness.js";

const runs = Number(process.argv[2] ?? 3);
const folder = path.resolve(process.argv[3] ?? pageFolder);
const here = path.dirname(fileURLToPath(import.meta.url));
const lighthouseFolder = path.join(here, "../node_modules/lighthouse");
const lighthouseCli = path.join(lighthouseFolder, "cli/index.js");
const categories = ["performance", "accessibility", "best-practices", "seo"];
const profiles = { phone: [], desktop: ["--preset=desktop"] };

// The goals: every score, and the phone's paint and blocking time, and both profiles' shift.
const scoreGoal = 95;
const goals = {
    "largest-contentful-paint": 2500,
    "total-blocking-time": 150,
    "cumulative-layout-shift": 0.02,
};

// Python prints its address once it listens; port 0 lets the system pick a free one.
async function servePage() {
    const server = spawn(
        "python3",
        ["-u", "-m", "http.server", "0", "--bind", "127.0.0.1", "--directory", folder],
        { stdio: ["ignore", "pipe", "ignore"] },
    );
    const port = await new Promise((resolve, reject) => {
        let said = "";
        server.stdout.on("data", (chunk) => {
            said += chunk;
            const found = /port (\d+)/.exec(said);
            if (found) resolve(Number(found[1]));
        });
        server.on("exit", (code) => reject(new Error(`http.server ended with ${code}`)));
    });
    return { url: `http://127.0.0.1:${port}/`, close: () => server.kill() };
}

// One audit in a browser of its own (Lighthouse starts Chromium through chrome-launcher,
// which finds it by CHROME_PATH and adds its own flags against background networking).
async function audit(url, profileArgs, index) {
    const report = path.join(reports, `report-${index}.json`);
    await promisify(execFile)(
        process.execPath,
        [
            lighthouseCli,
            url,
            "--quiet",
            "--output=json",
            `--output-path=${report}`,
            `--only-categories=${categories.join(",")}`,
            `--chrome-flags=${chromiumFlags.join(" ")}`,
            ...profileArgs,
        ],
        { env: { ...process.env, CHROME_PATH: chromiumPath }, maxBuffer: 1 << 24 },
    );
    const result = JSON.parse(await fs.readFile(report, "utf8"));
    if (result.runtimeError) throw new Error(`Lighthouse: ${result.runtimeError.message}`);
    return result;
}

// A request that left the machine makes a run worthless: on the closed network it hangs or
// fails, and elsewhere it measures someone else's server.
function departures(result, origin) {
    return (result.audits["network-requests"].details?.items ?? [])
        .map((request) => request.url)
        .filter((url) => url.startsWith("http") && new URL(url).origin !== origin);
}

// Diagnostics that Lighthouse could not make, named once, so a missing one is not misread.
function broken(result) {
    return Object.entries(result.audits)
        .filter(([, audit]) => audit.errorMessage)
        .map(([id, audit]) => `${id} (${audit.errorMessage.split(":")[0]})`);
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

function figures(result) {
    const scores = Object.fromEntries(
        categories.map((id) => [id, Math.round(100 * result.categories[id].score)]),
    );
    const metric = (id) => result.audits[id].numericValue;
    return {
        ...scores,
        "largest-contentful-paint": metric("largest-contentful-paint"),
        "total-blocking-time": metric("total-blocking-time"),
        "cumulative-layout-shift": metric("cumulative-layout-shift"),
        interactive: metric("interactive"),
        "first-contentful-paint": metric("first-contentful-paint"),
        "total-byte-weight": metric("total-byte-weight"),
    };
}

const rows = [
    ["Performance", "performance", (v) => String(v), scoreGoal],
    ["Accessibility", "accessibility", (v) => String(v), scoreGoal],
    ["Best Practices", "best-practices", (v) => String(v), scoreGoal],
    ["SEO", "seo", (v) => String(v), scoreGoal],
    ["first contentful paint", "first-contentful-paint", (v) => `${(v / 1000).toFixed(2)} s`],
    ["largest contentful paint", "largest-contentful-paint", (v) => `${(v / 1000).toFixed(2)} s`],
    ["total blocking time", "total-blocking-time", (v) => `${v.toFixed(0)} ms`],
    ["cumulative layout shift", "cumulative-layout-shift", (v) => v.toFixed(3)],
    ["time to interactive", "interactive", (v) => `${(v / 1000).toFixed(1)} s`],
    ["bytes transferred", "total-byte-weight", (v) => `${(v / 1000).toFixed(1)} kB`],
];

// A score meets its goal from below, a metric from above; the paint and blocking time are
// goals of the phone only.
function verdict(key, profile, value, scoreLimit) {
    if (scoreLimit !== undefined) return value >= scoreLimit;
    if (!(key in goals)) return null;
    if (key !== "cumulative-layout-shift" && profile !== "phone") return null;
    return value <= goals[key];
}

const reports = await fs.mkdtemp(path.join(os.tmpdir(), "tallyrope-lighthouse-"));
const server = await servePage();
const results = { phone: [], desktop: [] };
const left = new Set();
const warnings = new Set();
const unmade = new Set();
let environment;
try {
    let index = 0;
    for (let run = 0; run < runs; run++) {
        // Interleaved, so a busy spell of the shared machine falls on both profiles alike.
        for (const [profile, args] of Object.entries(profiles)) {
            const result = await audit(server.url, args, index++);
            for (const url of departures(result, new URL(server.url).origin)) left.add(url);
            for (const warning of result.runWarnings) warnings.add(warning);
            for (const id of broken(result)) unmade.add(id);
            environment ??= result.environment;
            const benchmark = result.environment.benchmarkIndex;
            results[profile].push({ ...figures(result), benchmark });
        }
    }
} finally {
    server.close();
    await fs.rm(reports, { recursive: true, force: true });
}

const { version } = JSON.parse(await fs.readFile(path.join(lighthouseFolder, "package.json")));
console.log(
    `Lighthouse ${version}` +
        ` on ${environment.hostUserAgent.match(/Chrome\/[\d.]+/)[0]}, ${folder} served by` +
        ` Python's http.server on 127.0.0.1; median of ${runs} runs each (lowest to highest)`,
);
console.log(`${"".padEnd(26)}${"phone".padEnd(32)}${"desktop".padEnd(32)}goal`);
let missed = 0;
for (const [label, key, shown, scoreLimit] of rows) {
    let line = label.padEnd(26);
    const goalText =
        scoreLimit !== undefined
            ? `>= ${scoreLimit}`
            : key in goals
              ? `<= ${shown(goals[key])}${key === "cumulative-layout-shift" ? "" : " (phone)"}`
              : "";
    for (const profile of Object.keys(profiles)) {
        const values = results[profile].map((figure) => figure[key]);
        const value = median(values);
        const met = verdict(key, profile, value, scoreLimit);
        if (met === false) missed += 1;
        const range = `(${shown(Math.min(...values))} to ${shown(Math.max(...values))})`;
        const cell = `${shown(value)}${met === false ? " !" : ""} ${runs > 1 ? range : ""}`;
        line += cell.padEnd(32);
    }
    console.log(line + goalText);
}
console.log(
    `${missed === 0 ? "every goal met" : `goals missed: ${missed} (marked !)`}; Lighthouse's` +
        ` processor benchmark of this machine: ${median(results.phone.map((r) => r.benchmark))}` +
        ` (load ${os.loadavg()[0].toFixed(1)} on ${os.cpus().length} cores)`,
);
if (unmade.size > 0) {
    console.log(`diagnostics Lighthouse could not make: ${[...unmade].join(", ")}`);
}
// Lighthouse warns, for one, when the shared machine is too busy for its processor model.
for (const warning of warnings) console.log(`Lighthouse warned: ${warning.split(". ")[0]}.`);
for (const url of left) console.log(`a request left the machine: ${url}`);
if (left.size > 0) process.exitCode = 1;
