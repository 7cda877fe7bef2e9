// Where the page finds each bitmap and clip by resource id, and the files it needs offline.
// scripts/web-assets.sh makes art/ and clips/ from resources/; the guide is left out of
// pageFiles because most visits never open it (the service worker keeps it once it is read).

export const bitmapIds = [
    48, 100, 130, 190, 250, 310, 370, 430, 490, 550, 610, 670, 730, 790, 850, 910, 970, 1030, 1090,
    1150, 1210, 1270, 1330, 1390, 1450, 1510, 1570, 1630, 1870, 2000, 2050, 2100, 2150, 2200, 2250,
    2300, 2650, 2700, 2750, 2850, 2900, 3000, 3050, 3150, 3200, 3300, 3350, 3450, 3500, 3600, 3650,
    3750, 3850, 3900, 3950, 4050, 4100, 4200, 4250, 4800, 4850, 5100, 5150, 5400, 5450, 5750, 5800,
    5850, 5900, 6050, 6270, 6330, 6390, 6450, 6600, 6650,
];

// The eight clips of the game and the beep the desktop system would give.
const clipIds = [4450, 4500, 4600, 4650, 4700, 5600, 5650, 5700, "beep"];

export function bitmapUrl(id) {
    return `art/${id}.webp`;
}

export function clipUrl(id) {
    return `clips/${id}.opus`;
}

// The page's modules reach the browser joined into main.js (scripts/make-web.sh).
const pageShell = [
    "./",
    "index.html",
    "tallyrope.js",
    "tallyrope.wasm",
    "manifest.webmanifest",
    "style.css",
    "main.js",
];

// The tiles after Z, and each language's puzzles and texts, are kept once a language that has
// them is played: a first visit fetches only its own language's.
export const tilesAfterZ = [6270, 6330, 6390, 6450];
const keptAtInstall = bitmapIds.filter((id) => !tilesAfterZ.includes(id));

export const pageFiles = [...pageShell, ...keptAtInstall.map(bitmapUrl), ...clipIds.map(clipUrl)];
