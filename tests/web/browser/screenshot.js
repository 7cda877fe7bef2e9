// Saves a picture of the page as a player first sees it, from headless Chromium.
// Usage: node tests/web/browser/screenshot.js FILE [WIDTHxHEIGHT]   (default 1280x900)
import { launchChromium, pageFolder, serveFolder } from "./harness.js";

const [file, size = "1280x900"] = process.argv.slice(2);
if (!file) {
    console.error("usage: screenshot.js FILE [WIDTHxHEIGHT]");
    process.exit(2);
}
const [width, height] = size.split("x").map(Number);
const server = await serveFolder(pageFolder);
const chromium = await launchChromium();
try {
    const page = await chromium.browser.newPage();
    await page.setViewport({ width, height });
    await page.goto(server.url);
    await page.evaluate(() => window.tallyrope.ready);
    await page.screenshot({ path: file });
} finally {
    await chromium.close();
    await server.close();
}
