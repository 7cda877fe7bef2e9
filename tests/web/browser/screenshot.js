// Saves a picture of the page from headless Chromium: as a player first sees it, or with
// `touch`, on a touch screen in the middle of a round (two misses, four letters found), with
// `touch-de` or `touch-it` the same in German or Italian, or with `touch-lost` the moment a
// round is lost.
// Usage: node tests/web/browser/screenshot.js FILE [WIDTHxHEIGHT] [touch|touch-de|touch-it|
//        touch-lost] (default 1280x900)
import { launchChromium, pageFolder, seedGame, serveFolder, tileId } from "./harness.js";

const latin1 = (text) => Array.from(text, (c) => c.charCodeAt(0));
// Without a store the start keeps the working file's one puzzle.
const rounds = {
    touch: {
        files: { "OnLoad.dat": null, "TRData.dat": latin1("once in a blue moon;Very rarely:") },
        letters: "ONKES",
    },
    "touch-de": {
        files: {
            "TRLanguage.dat": latin1("Language= de\r\n"),
            "OnLoad-de.dat": null,
            "TRData-de.dat": latin1("\u00fcber stock und stein;Querfeldein wandern:"),
        },
        letters: "ENSTKAL",
    },
    "touch-it": {
        files: {
            "TRLanguage.dat": latin1("Language= it\r\n"),
            "OnLoad-it.dat": null,
            "TRData-it.dat": latin1("chi dorme non piglia pesci;Proverbio:"),
        },
        letters: "IEONKW",
    },
    "touch-lost": {
        files: { "OnLoad.dat": null, "TRData.dat": latin1("once in a blue moon;Very rarely:") },
        letters: "ONEDFGHJKP",
    },
};

const [file, size = "1280x900", mode] = process.argv.slice(2);
if (!file || (mode !== undefined && !(mode in rounds))) {
    console.error("usage: screenshot.js FILE [WIDTHxHEIGHT] [touch|touch-de|touch-it|touch-lost]");
    process.exit(2);
}
const [width, height] = size.split("x").map(Number);
const touch = mode !== undefined;

const server = await serveFolder(pageFolder);
const chromium = await launchChromium();
try {
    const page = await chromium.browser.newPage();
    const deviceScaleFactor = touch ? 2 : 1;
    await page.setViewport({ width, height, isMobile: touch, hasTouch: touch, deviceScaleFactor });
    await page.goto(server.url);
    await page.evaluate(() => window.tallyrope.ready);
    if (touch) {
        const round = rounds[mode];
        await seedGame(page, { ...round.files, "TRStats.dat": latin1("340 4 1 120 2 3") });
        await page.tap("#c3550");
        for (const letter of round.letters) await page.tap(`#c${tileId(letter)}`);
        await page.evaluate(() => document.activeElement.blur());
        // The outcome's words fade in.
        await new Promise((resolve) => setTimeout(resolve, 400));
    }
    await page.screenshot({ path: file });
} finally {
    await chromium.close();
    await server.close();
}
