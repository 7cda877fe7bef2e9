// Serves dist/web/ on 127.0.0.1 and drives it in headless Chromium with a fresh profile.
import http from "node:http";
import fs from "node:fs/promises";
import os from "node:os";
import path from "node:path";
import zlib from "node:zlib";
import { fileURLToPath } from "node:url";
import { after, afterEach, before } from "node:test";
import puppeteer from "puppeteer-core";

export const repository = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "../../..");
export const pageFolder = path.join(repository, "dist/web");

const contentTypes = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".mjs": "text/javascript; charset=utf-8",
    ".css": "text/css; charset=utf-8",
    ".json": "application/json",
    ".webmanifest": "application/manifest+json",
    ".wasm": "application/wasm",
    ".webp": "image/webp",
    ".png": "image/png",
    ".opus": "audio/ogg",
    ".dat": "application/octet-stream",
};

// A static server of one folder, as any web host would be: "/" is its index.html, and a file
// not changed since the browser's copy is answered 304. `served(urlPath, bytes)` hears of
// every body sent.
export async function serveFolder(folder, served = () => {}) {
    const server = http.createServer(async (request, response) => {
        const urlPath = decodeURIComponent(new URL(request.url, "http://host").pathname);
        const relative = urlPath.endsWith("/") ? urlPath + "index.html" : urlPath;
        const file = path.join(folder, path.normalize(relative));
        try {
            if (!file.startsWith(folder + path.sep)) throw new Error("outside the folder");
            const modified = (await fs.stat(file)).mtime.toUTCString();
            const headers = {
                "Content-Type": contentTypes[path.extname(file)] ?? "application/octet-stream",
                "Cache-Control": "no-cache",
                "Last-Modified": modified,
            };
            if (request.headers["if-modified-since"] === modified) {
                response.writeHead(304, headers).end();
                return;
            }
            const body = await fs.readFile(file);
            response.writeHead(200, headers);
            response.end(body);
            served(urlPath, body.length);
        } catch {
            response.writeHead(404).end();
        }
    });
    await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
    return {
        url: `http://127.0.0.1:${server.address().port}/`,
        close: () =>
            new Promise((resolve) => {
                if (!server.listening) return resolve();
                server.close(resolve);
                server.closeAllConnections();
            }),
    };
}

export const chromiumPath = "/usr/bin/chromium";

// Headless as root, without a GPU, and without reaching out to a network this machine lacks.
export const chromiumFlags = [
    "--headless",
    "--no-sandbox",
    "--disable-gpu",
    "--disable-quic",
    "--no-first-run",
    "--disable-background-networking",
    "--disable-component-update",
    "--disable-sync",
    "--autoplay-policy=no-user-gesture-required",
];

export async function launchChromium() {
    const profile = await fs.mkdtemp(path.join(os.tmpdir(), "tallyrope-chromium-"));
    const browser = await puppeteer.launch({
        executablePath: chromiumPath,
        headless: true,
        userDataDir: profile,
        args: chromiumFlags,
    });
    return {
        browser,
        close: async () => {
            await browser.close();
            await fs.rm(profile, { recursive: true, force: true });
        },
    };
}

// The page and the browser for one test file, torn down after it. Each test closes its tabs,
// even when it fails, so the next one is not turned away as a second tab.
export async function startSession() {
    const server = await serveFolder(pageFolder);
    const chromium = await launchChromium();
    return {
        url: server.url,
        browser: chromium.browser,
        closeTabs: async () => {
            for (const page of await chromium.browser.pages()) await page.close();
        },
        close: async () => {
            await chromium.close();
            await server.close();
        },
    };
}

// One session for the test file that calls this, its tabs closed after each test.
export function sessionPerFile() {
    const session = {};
    before(async () => Object.assign(session, await startSession()));
    afterEach(() => session.closeTabs());
    after(() => session.close());
    return session;
}

export async function openGame(session, viewport = { width: 1280, height: 900 }) {
    const page = await session.browser.newPage();
    await page.setViewport(viewport);
    page.setDefaultTimeout(10000);
    await page.goto(session.url);
    await page.evaluate(() => window.tallyrope.ready);
    return page;
}

const latin1 = (text) => Array.from(text, (c) => c.charCodeAt(0));

// "BIG TOP;Circus tent:" scrambled, as the Windows suite has it.
export const storedPuzzle = [
    0x49, 0x4b, 0x50, 0x1d, 0x59, 0x59, 0x4b, 0x41, 0x41, 0x71, 0x79, 0x65, 0x7e, 0x70, 0x25, 0x7e,
    0x60, 0x74, 0x72, 0x42,
];

export const seededFiles = {
    "OnLoad.dat": storedPuzzle,
    "TRData.dat": latin1("BIG TOP;Circus tent:"),
    "TRStats.dat": latin1("120 3 2 40 1 5"),
    "TRC_CONFIG.INI": latin1("Disable_Console= 0\r\nDisable_VCCntls= 0\r\n"),
};

// The store and the working file hold the same puzzle, so start-up's choice between them
// does not matter.
export async function seedGame(page, files = seededFiles) {
    await page.evaluate(async (files) => {
        for (const [name, bytes] of Object.entries(files)) {
            window.tallyrope.files.write(name, bytes && new Uint8Array(bytes));
        }
        await window.tallyrope.flush();
    }, files);
    await reloadGame(page);
}

// A new size for the window, as a resize or a turned phone gives it; the page hears of it at
// its next frame.
export async function resizeWindow(page, viewport) {
    await page.setViewport(viewport);
    await page.evaluate(
        () => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))),
    );
}

export async function reloadGame(page) {
    await page.reload();
    await page.evaluate(() => window.tallyrope.ready);
}

// One of the four files as text of single bytes, or null when it is missing.
export function readFile(page, name) {
    return page.evaluate((name) => {
        const bytes = window.tallyrope.files.read(name);
        return bytes && String.fromCharCode(...bytes);
    }, name);
}

export const asText = (bytes) => String.fromCharCode(...bytes);

export const tileId = (letter) => 160 + 60 * (letter.charCodeAt(0) - 65);

// A real pointer press and release at the control's centre.
export async function clickControl(page, id) {
    await page.click(`#c${id}`);
}

export async function typeInto(page, id, text) {
    await clickControl(page, id);
    await page.keyboard.type(text);
}

export function controlText(page, id) {
    return page.$eval(`#c${id}`, (element) => element.value ?? element.textContent);
}

export async function isShown(page, selector) {
    return page.$eval(selector, (element) => !element.hidden && element.checkVisibility());
}

export async function waitForAnnouncement(page, text) {
    await page.waitForFunction(
        (text) => document.querySelector("#announcer").textContent.trim() === text,
        {},
        text,
    );
}

// The accessibility tree as Chromium exposes it to screen readers: name and role of every
// node that is not ignored, and the texts inside polite live regions.
export async function accessibleNodes(page) {
    const client = await page.createCDPSession();
    const { nodes } = await client.send("Accessibility.getFullAXTree");
    await client.detach();
    const politeRegions = new Set(
        nodes
            .filter((node) =>
                node.properties?.some((p) => p.name === "live" && p.value.value === "polite"),
            )
            .map((node) => node.nodeId),
    );
    return nodes
        .filter((node) => !node.ignored)
        .map((node) => ({
            role: node.role?.value,
            name: node.name?.value ?? "",
            spokenPolitely: politeRegions.has(node.parentId) && node.role?.value === "StaticText",
        }));
}

// The colour at a point of a screenshot, as "rrggbb"; Chromium's screenshots are 8-bit,
// non-interlaced RGB or RGBA PNGs.
export function pngPixel(png, x, y) {
    return colourAt(decodePng(png), x, y);
}

function colourAt({ width, channels, rows }, x, y) {
    const offset = (y * width + x) * channels;
    return Array.from(rows.subarray(offset, offset + 3), (v) =>
        v.toString(16).padStart(2, "0"),
    ).join("");
}

// What is drawn on the control's rectangle: its size in screen pixels and the colour at each.
export async function drawnControl(page, id) {
    const clip = await page.$eval(`#c${id}`, (e) => e.getBoundingClientRect().toJSON());
    const image = decodePng(Buffer.from(await page.screenshot({ clip })));
    return {
        width: image.width,
        height: image.rows.length / image.width / image.channels,
        colourAt: (x, y) => colourAt(image, x, y),
    };
}

function decodePng(png) {
    const chunks = [];
    let width = 0;
    let colourType = 0;
    for (let at = 8; at < png.length;) {
        const length = png.readUInt32BE(at);
        const type = png.toString("latin1", at + 4, at + 8);
        const data = png.subarray(at + 8, at + 8 + length);
        if (type === "IHDR") {
            width = data.readUInt32BE(0);
            colourType = data[9];
        }
        if (type === "IDAT") chunks.push(data);
        at += 12 + length;
    }
    const channels = colourType === 6 ? 4 : 3;
    const raw = zlib.inflateSync(Buffer.concat(chunks));
    const stride = width * channels;
    const height = raw.length / (stride + 1);
    const rows = new Uint8Array(stride * height);
    for (let y = 0; y < height; y++) {
        const filter = raw[y * (stride + 1)];
        const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
        for (let i = 0; i < stride; i++) {
            const left = i >= channels ? rows[y * stride + i - channels] : 0;
            const up = y > 0 ? rows[(y - 1) * stride + i] : 0;
            const upLeft = y > 0 && i >= channels ? rows[(y - 1) * stride + i - channels] : 0;
            rows[y * stride + i] = (line[i] + unfilter(filter, left, up, upLeft)) & 0xff;
        }
    }
    return { width, channels, rows };
}

function unfilter(filter, left, up, upLeft) {
    switch (filter) {
        case 1:
            return left;
        case 2:
            return up;
        case 3:
            return (left + up) >> 1;
        case 4: {
            const p = left + up - upLeft;
            const [pa, pb, pc] = [Math.abs(p - left), Math.abs(p - up), Math.abs(p - upLeft)];
            return pa <= pb && pa <= pc ? left : pb <= pc ? up : upLeft;
        }
        default:
            return 0;
    }
}
