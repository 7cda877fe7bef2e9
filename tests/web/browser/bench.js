// The page's first visit measured in headless Chromium: the bytes served, by kind, against the
// goal of 1.2 MB, and the time from navigation to the first complete frame and to the first
// possible click, beside an empty page served the same way in the same run.
// Usage: node tests/web/browser/bench.js [VISITS]   (default 5; medians are reported)
import fs from "node:fs/promises";
import os from "node:os";
import path from "node:path";
import zlib from "node:zlib";
import { launchChromium, pageFolder, serveFolder } from "./harness.js";

const visits = Number(process.argv[2] ?? 5);
const goal = 1_200_000;

function kindOf(urlPath) {
    if (/^\/tallyrope\.(js|wasm)$/.test(urlPath)) return "program";
    if (urlPath.startsWith("/art/")) return "art";
    if (urlPath.startsWith("/clips/")) return "clips";
    return "page";
}

// Marks, in milliseconds since navigation, when the page can first be clicked and the frame
// after that, which shows it complete. The game's ready promise resolves once its start-up has
// run and its main panel is drawn; the empty page is ready when its document is.
function markReadiness() {
    const marked = () => {
        window.benchClickable = performance.now();
        requestAnimationFrame(() =>
            requestAnimationFrame(() => (window.benchFramed = performance.now())),
        );
    };
    let hooks;
    Object.defineProperty(window, "tallyrope", {
        configurable: true,
        get: () => hooks,
        set: (value) => {
            hooks = value;
            value.ready.then(marked);
        },
    });
    document.addEventListener("DOMContentLoaded", () => hooks === undefined && marked());
}

const emptyPage = `<!doctype html>
<meta charset="utf-8">
<title>Empty</title>
<button id="only">Click</button>
<script>document.getElementById("only").onclick = () => {};</script>
`;

async function firstVisit(browser, url, served) {
    const context = await browser.createBrowserContext();
    try {
        const page = await context.newPage();
        await page.setViewport({ width: 1280, height: 900 });
        await page.evaluateOnNewDocument(markReadiness);
        await page.goto(url);
        await page.waitForFunction(() => window.benchFramed !== undefined, { timeout: 30000 });
        // The paint's entry may be recorded a little after the frame it times.
        await page.waitForFunction(
            () => performance.getEntriesByName("first-contentful-paint").length > 0,
        );
        const times = await page.evaluate(() => ({
            frame: window.benchFramed,
            click: window.benchClickable,
            contentfulPaint: performance.getEntriesByName("first-contentful-paint")[0]?.startTime,
        }));
        // The service worker keeps the page's files after start-up; wait for it to finish.
        await page.evaluate(() =>
            navigator.serviceWorker
                ?.getRegistration()
                .then((r) => r && navigator.serviceWorker.ready),
        );
        await served.quiet();
        return times;
    } finally {
        await context.close();
    }
}

// Counts what one server sends until it has been quiet for half a second.
function counter() {
    let bodies = [];
    let last = Date.now();
    return {
        served: (urlPath, bytes) => {
            bodies.push({ urlPath, bytes });
            last = Date.now();
        },
        take() {
            const taken = bodies;
            bodies = [];
            return taken;
        },
        async quiet() {
            while (Date.now() - last < 500)
                await new Promise((resolve) => setTimeout(resolve, 100));
        },
    };
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const kb = (bytes) => `${(bytes / 1000).toFixed(1)} kB`;
const ms = (value) => `${value.toFixed(0)} ms`;

const emptyFolder = await fs.mkdtemp(path.join(os.tmpdir(), "tallyrope-empty-"));
await fs.writeFile(path.join(emptyFolder, "index.html"), emptyPage);
const gameCount = counter();
const emptyCount = counter();
const game = await serveFolder(pageFolder, gameCount.served);
const empty = await serveFolder(emptyFolder, emptyCount.served);
const chromium = await launchChromium();
const runs = { game: [], empty: [] };
let firstBodies = [];
try {
    for (let visit = 0; visit < visits; visit++) {
        runs.game.push(await firstVisit(chromium.browser, game.url, gameCount));
        const bodies = gameCount.take();
        if (visit === 0) firstBodies = bodies;
        const paths = bodies.map((body) => body.urlPath);
        if (new Set(paths).size !== paths.length)
            throw new Error(`a file was served twice: ${paths}`);
        runs.empty.push(await firstVisit(chromium.browser, empty.url, emptyCount));
        emptyCount.take();
    }
} finally {
    await chromium.close();
    await game.close();
    await empty.close();
    await fs.rm(emptyFolder, { recursive: true, force: true });
}

// What hosts compress on the way; pictures and sounds are compressed already.
const compressible = /(\/|\.(html|js|wasm|css|webmanifest|dat))$/;
const byKind = { program: 0, art: 0, clips: 0, page: 0 };
const gzipped = { program: 0, art: 0, clips: 0, page: 0 };
for (const { urlPath, bytes } of firstBodies) {
    const kind = kindOf(urlPath);
    byKind[kind] += bytes;
    const file = path.join(pageFolder, urlPath.endsWith("/") ? urlPath + "index.html" : urlPath);
    gzipped[kind] += compressible.test(urlPath)
        ? zlib.gzipSync(await fs.readFile(file), { level: 9 }).length
        : bytes;
}
const total = Object.values(byKind).reduce((a, b) => a + b, 0);
const totalGzipped = Object.values(gzipped).reduce((a, b) => a + b, 0);

console.log(`First visit of dist/web/: ${firstBodies.length} files served, bodies in bytes`);
console.log("kind      served      gzipped by the host");
for (const kind of Object.keys(byKind)) {
    console.log(
        `${kind.padEnd(8)}  ${kb(byKind[kind]).padStart(9)}  ${kb(gzipped[kind]).padStart(9)}`,
    );
}
console.log(
    `${"total".padEnd(8)}  ${kb(total).padStart(9)}  ${kb(totalGzipped).padStart(9)}` +
        `   goal ${kb(goal)}: ${total <= goal ? "met" : "missed"} (${((100 * total) / goal).toFixed(0)}%)`,
);
console.log("page: HTML, CSS, the JavaScript modules, manifest, service worker, the language's puzzle store, icons");
console.log("");
console.log(`From navigation, median of ${visits} first visits each (fresh browser context)`);
console.log("                        game      empty page   game / empty");
for (const [label, key] of [
    ["first complete frame", "frame"],
    ["first possible click", "click"],
    ["first contentful paint", "contentfulPaint"],
]) {
    const g = median(runs.game.map((run) => run[key]));
    const e = median(runs.empty.map((run) => run[key]));
    console.log(
        `${label.padEnd(22)}  ${ms(g).padStart(8)}  ${ms(e).padStart(10)}   ${(g / e).toFixed(1)}x`,
    );
}
